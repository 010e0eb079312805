#include "platform/Http.h"

#include "platform/AtomicFile.h"

#include <QElapsedTimer>
#include <QUrl>

#include <curl/curl.h>

namespace platform {

namespace {

QString& TrustedCaFile() {
    static QString path;
    return path;
}

struct Sink {
    AtomicFileWriter* file = nullptr;
    qint64 received = 0;
    qint64 maxBytes = 0;
    bool keepBody = false;
    QByteArray body;
    bool writeFailed = false;
    bool tooLarge = false;
};

// What the headers of the last response said about the body's end. Each
// status line starts a new response (after a redirect or a 1xx answer).
struct Framing {
    qint64 contentLength = -1;
    bool chunked = false;
};

// Watches for a stall: no byte of the answer for `limitMs`, counted from the
// start of the transfer or from the last byte. curl's own low-speed check
// averages over several seconds, so after a burst it notices a stall only
// that much later; this one ends it on time.
struct StallWatch {
    const std::function<void()>* whileWaiting = nullptr;
    qint64 limitMs = 0;
    curl_off_t lastReceived = 0;
    QElapsedTimer sinceLastByte;
    bool stalled = false;
};

int WatchProgress(void* user, curl_off_t, curl_off_t received, curl_off_t, curl_off_t) {
    auto* watch = static_cast<StallWatch*>(user);
    if (watch->whileWaiting && *watch->whileWaiting)
        (*watch->whileWaiting)();
    if (received != watch->lastReceived) {
        watch->lastReceived = received;
        watch->sinceLastByte.restart();
    } else if (watch->sinceLastByte.elapsed() >= watch->limitMs) {
        watch->stalled = true;
        return 1;  // makes curl stop with CURLE_ABORTED_BY_CALLBACK
    }
    return 0;
}

size_t WriteBody(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    const qint64 n = static_cast<qint64>(size * count);
    if (sink->received + n > sink->maxBytes) {
        sink->tooLarge = true;
        return 0;  // makes curl stop with CURLE_WRITE_ERROR
    }
    if (!sink->file->write(data, n)) {
        sink->writeFailed = true;
        return 0;
    }
    if (sink->keepBody)
        sink->body.append(data, n);
    sink->received += n;
    return static_cast<size_t>(n);
}

size_t ReadHeader(char* data, size_t size, size_t count, void* user) {
    auto* framing = static_cast<Framing*>(user);
    const QByteArray line = QByteArray(data, static_cast<qsizetype>(size * count)).trimmed();
    if (line.startsWith("HTTP/")) {
        *framing = Framing{};
    } else {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0) {
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed().toLower();
            if (name == "content-length") {
                bool ok = false;
                const qint64 length = value.toLongLong(&ok);
                framing->contentLength = ok && length >= 0 ? length : -1;
            } else if (name == "transfer-encoding") {
                // The body is chunked when chunked is the last coding applied.
                framing->chunked = value.split(',').last().trimmed() == "chunked";
            }
        }
    }
    return size * count;
}

DownloadResult Fail(int code, const QString& text, long status = 0) {
    DownloadResult r;
    r.code = code;
    r.errorText = text;
    r.httpStatus = status;
    return r;
}

}  // namespace

void SetTrustedCaFileForTests(const QString& pemPath) { TrustedCaFile() = pemPath; }

QString TrustedCaFileForTests() { return TrustedCaFile(); }

DownloadResult DownloadToFile(const QString& url, const QString& targetPath,
                              const DownloadOptions& options) {
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty() || parsed.scheme().toLower() != "https")
        return Fail(kDownloadBadAddress, QStringLiteral("not an https address: %1").arg(url));

    // The body goes to a temporary file beside the target, named like every
    // other file the program replaces, so that start-up removes one left by
    // an interrupted download. A read-only file, a folder or a device in the
    // target's place is left alone rather than renamed over.
    AtomicFileWriter file(targetPath, options.rights);
    if (!file.isOpen())
        return Fail(kDownloadCannotWrite, file.error());

    CURL* curl = curl_easy_init();
    if (!curl)
        return Fail(CURLE_FAILED_INIT, QStringLiteral("cannot start a transfer"));

    Sink sink;
    sink.file = &file;
    sink.maxBytes = options.maxBytes;
    sink.keepBody = static_cast<bool>(options.check);
    Framing framing;
    StallWatch watch;
    watch.whileWaiting = &options.whileWaiting;
    watch.limitMs = options.stallSeconds * 1000;
    watch.sinceLastByte.start();
    char errorBuffer[CURL_ERROR_SIZE] = {0};
    const QByteArray urlBytes = parsed.toEncoded();
    const QByteArray caFile = TrustedCaFile().toLocal8Bit();
    curl_easy_setopt(curl, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.constData());
        curl_easy_setopt(curl, CURLOPT_CAPATH, nullptr);
    }
    // The loopback never goes through a proxy.
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, options.connectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, options.totalTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, kMinBytesPerSecond);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, options.stallSeconds);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options.maxBytes));
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, WatchProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &watch);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, ReadHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &framing);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Velmora Drovik");

    const CURLcode rc = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    long version = 0;
    curl_easy_getinfo(curl, CURLINFO_HTTP_VERSION, &version);
    curl_easy_cleanup(curl);

    // The temporary file goes with `file` on every way out but the commit.
    if (sink.tooLarge || rc == CURLE_FILESIZE_EXCEEDED)
        return Fail(kDownloadTooLarge,
                    QStringLiteral("larger than %1 bytes").arg(options.maxBytes), status);
    if (watch.stalled)
        return Fail(CURLE_OPERATION_TIMEDOUT,
                    QStringLiteral("no data for %1 seconds").arg(options.stallSeconds), status);
    if (sink.writeFailed)
        return Fail(kDownloadCannotWrite, file.error(), status);
    if (rc != CURLE_OK) {
        const QString text = errorBuffer[0] ? QString::fromLocal8Bit(errorBuffer)
                                            : QString::fromLatin1(curl_easy_strerror(rc));
        return Fail(static_cast<int>(rc), text, status);
    }
    if (status != 200)
        return Fail(static_cast<int>(status), QStringLiteral("HTTP %1").arg(status), status);
    if (framing.contentLength >= 0 && framing.contentLength != sink.received)
        return Fail(kDownloadIncomplete,
                    QStringLiteral("%1 of %2 bytes received").arg(sink.received).arg(framing.contentLength),
                    status);
    // Over HTTP/1 a body with neither a length nor chunks ends where the
    // connection closes, which a cut-off transfer does too.
    const bool framedByProtocol = version >= CURL_HTTP_VERSION_2_0;
    if (framing.contentLength < 0 && !framing.chunked && !framedByProtocol)
        return Fail(kDownloadIncomplete,
                    QStringLiteral("the server did not mark the end of the file"), status);
    if (sink.received == 0)
        return Fail(kDownloadEmpty, QStringLiteral("empty answer"), status);
    if (options.check) {
        const QString why = options.check(sink.body);
        if (!why.isEmpty())
            return Fail(kDownloadInvalid, why, status);
    }
    if (!file.commit())
        return Fail(kDownloadCannotWrite, file.error(), status);
    DownloadResult ok;
    ok.httpStatus = status;
    return ok;
}

}  // namespace platform
