#include "platform/Http.h"

#include <QSaveFile>
#include <QUrl>

#include <curl/curl.h>

namespace platform {

namespace {

struct Sink {
    QSaveFile* file = nullptr;
    qint64 received = 0;
    bool writeFailed = false;
};

size_t WriteBody(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    const qint64 n = static_cast<qint64>(size * count);
    if (sink->file->write(data, n) != n) {
        sink->writeFailed = true;
        return 0;  // makes curl stop with CURLE_WRITE_ERROR
    }
    sink->received += n;
    return static_cast<size_t>(n);
}

DownloadResult Fail(int code, const QString& text, long status = 0) {
    DownloadResult r;
    r.code = code;
    r.errorText = text;
    r.httpStatus = status;
    return r;
}

}  // namespace

DownloadResult DownloadToFile(const QString& url, const QString& targetPath,
                              const DownloadOptions& options) {
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    if (!parsed.isValid() || parsed.host().isEmpty() || (scheme != "http" && scheme != "https"))
        return Fail(kDownloadBadAddress, QStringLiteral("not an http(s) address"));

    QSaveFile file(targetPath);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(kDownloadCannotWrite, file.errorString());

    CURL* curl = curl_easy_init();
    if (!curl) {
        file.cancelWriting();
        return Fail(CURLE_FAILED_INIT, QStringLiteral("cannot start a transfer"));
    }

    Sink sink;
    sink.file = &file;
    char errorBuffer[CURL_ERROR_SIZE] = {0};
    const QByteArray urlBytes = parsed.toEncoded();
    curl_easy_setopt(curl, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, options.connectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, options.totalTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, options.stallSeconds);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Velmora Drovik");

    const CURLcode rc = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_off_t announced = -1;
    curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
    curl_easy_cleanup(curl);

    if (sink.writeFailed) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Fail(kDownloadCannotWrite, why, status);
    }
    if (rc != CURLE_OK) {
        file.cancelWriting();
        const QString text = errorBuffer[0] ? QString::fromLocal8Bit(errorBuffer)
                                            : QString::fromLatin1(curl_easy_strerror(rc));
        return Fail(static_cast<int>(rc), text, status);
    }
    if (status != 200) {
        file.cancelWriting();
        return Fail(static_cast<int>(status), QStringLiteral("HTTP %1").arg(status), status);
    }
    if (announced >= 0 && announced != sink.received) {
        file.cancelWriting();
        return Fail(kDownloadIncomplete,
                    QStringLiteral("%1 of %2 bytes received").arg(sink.received).arg(announced),
                    status);
    }
    if (sink.received == 0) {
        file.cancelWriting();
        return Fail(kDownloadEmpty, QStringLiteral("empty answer"), status);
    }
    if (!file.commit())
        return Fail(kDownloadCannotWrite, file.errorString(), status);
    DownloadResult ok;
    ok.httpStatus = status;
    return ok;
}

}  // namespace platform
