#include "platform/Smtp.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>
#include <QUuid>

#include <curl/curl.h>
#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/Http.h"
#include "platform/TextFile.h"

#include <cstring>

namespace platform {

namespace {

SendResult Refuse(int number, const QString& text) {
    SendResult r;
    r.number = number;
    r.text = text;
    return r;
}

// True for a value that can stand in one header line.
bool SafeHeaderValue(const QString& value) {
    for (QChar c : value) {
        const ushort u = c.unicode();
        if ((u < 0x20 && u != '\t') || u == 0x7f || u == 0x2028 || u == 0x2029 || u == 0x85)
            return false;
    }
    return true;
}

bool SafeAddress(const QString& address) {
    if (address.isEmpty() || !SafeHeaderValue(address))
        return false;
    for (QChar c : address)
        if (c.isSpace() || c == '<' || c == '>' || c == ',' || c == '"' || c == ';')
            return false;
    return true;
}

bool PlainAscii(const QString& s) {
    for (QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return true;
}

// RFC 2047 encoded words of at most 75 characters, folded onto new lines.
QByteArray EncodedWords(const QString& text) {
    QList<QByteArray> words;
    QByteArray chunk;
    for (int i = 0; i < text.size(); ++i) {
        QString one = text.mid(i, 1);
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            one = text.mid(i++, 2);
        const QByteArray bytes = one.toUtf8();
        if (chunk.size() + bytes.size() > 45) {
            words << chunk;
            chunk.clear();
        }
        chunk += bytes;
    }
    if (!chunk.isEmpty())
        words << chunk;
    QByteArray out;
    for (const QByteArray& w : words) {
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + w.toBase64() + "?=";
    }
    return out;
}

QByteArray HeaderText(const QString& text) {
    if (PlainAscii(text) && text.size() <= 900)
        return text.toLatin1();
    return EncodedWords(text);
}

QByteArray DisplayName(const QString& name) {
    if (!PlainAscii(name))
        return EncodedWords(name);
    QByteArray quoted = name.toLatin1();
    quoted.replace("\\", "\\\\").replace("\"", "\\\"");
    return "\"" + quoted + "\"";
}

QByteArray AddressHeader(const MailAddress& a) {
    const QString name = a.name.trimmed();
    if (name.isEmpty())
        return "<" + a.address.toUtf8() + ">";
    return DisplayName(name) + " <" + a.address.toUtf8() + ">";
}

// Quoted-printable body in UTF-8 with CRLF line ends.
QByteArray QuotedPrintable(const QString& text) {
    QString normal = text;
    normal.replace("\r\n", "\n").replace('\r', '\n');
    const QList<QByteArray> lines = normal.toUtf8().split('\n');
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    for (int l = 0; l < lines.size(); ++l) {
        const QByteArray& line = lines[l];
        int column = 0;
        for (int i = 0; i < line.size(); ++i) {
            const unsigned char b = static_cast<unsigned char>(line[i]);
            const bool last = i == line.size() - 1;
            QByteArray token;
            if (b == '=' || b > 126 || (b < 32 && b != '\t') || ((b == ' ' || b == '\t') && last)) {
                token = "=";
                token += hex[b >> 4];
                token += hex[b & 15];
            } else {
                token = QByteArray(1, static_cast<char>(b));
            }
            if (column + token.size() > 75) {
                out += "=\r\n";
                column = 0;
            }
            out += token;
            column += token.size();
        }
        if (l + 1 < lines.size())
            out += "\r\n";
    }
    return out;
}

QByteArray Base64Lines(const QByteArray& data) {
    const QByteArray b64 = data.toBase64();
    QByteArray out;
    out.reserve(b64.size() + b64.size() / 38 + 2);
    for (int i = 0; i < b64.size(); i += 76) {
        out += b64.mid(i, 76);
        out += "\r\n";
    }
    return out;
}

QByteArray FileNameParameters(const QString& fileName) {
    if (PlainAscii(fileName) && !fileName.contains('"') && !fileName.contains('\\'))
        return "name=\"" + fileName.toLatin1() + "\"";
    return "name*=UTF-8''" + QUrl::toPercentEncoding(fileName);
}

QByteArray DispositionParameters(const QString& fileName) {
    if (PlainAscii(fileName) && !fileName.contains('"') && !fileName.contains('\\'))
        return "filename=\"" + fileName.toLatin1() + "\"";
    return "filename*=UTF-8''" + QUrl::toPercentEncoding(fileName);
}

QString DomainOf(const QString& address) {
    const int at = address.lastIndexOf('@');
    const QString domain = at >= 0 ? address.mid(at + 1) : QString();
    return domain.isEmpty() ? QStringLiteral("localhost") : domain;
}

struct Upload {
    QByteArray data;
    qsizetype sent = 0;
};

size_t ReadUpload(char* buffer, size_t size, size_t count, void* user) {
    auto* up = static_cast<Upload*>(user);
    const size_t room = size * count;
    const size_t left = static_cast<size_t>(up->data.size() - up->sent);
    const size_t n = left < room ? left : room;
    std::memcpy(buffer, up->data.constData() + up->sent, n);
    up->sent += static_cast<qsizetype>(n);
    return n;
}

static_assert(kSmtpTimedOut == CURLE_OPERATION_TIMEDOUT);

// What one transfer showed of the dialogue with the server.
struct Dialogue {
    QByteArray lastRefusal;    // the last 4xx or 5xx reply
    QByteArray lastCommand;    // the command word of the last command sent
    bool recipientSent = false;  // a RCPT TO went out: the session itself was accepted
    bool recipientRefused = false;  // a refusal answered a RCPT TO
    bool startTlsSent = false;   // we asked for STARTTLS
    bool dataStarted = false;    // the server invited the message data (354)
    qint64 dataWritten = 0;      // bytes of message data handed to the connection
    // Bytes written to the connection that the server's end had not yet
    // acknowledged when it was closed or cut; -1 when unknown.
    int unacknowledged = -1;
};

// The bytes of `socket` that the other end has not acknowledged yet; -1
// when the system cannot tell.
int Unacknowledged(curl_socket_t socket) {
    int queued = 0;
    return ::ioctl(socket, SIOCOUTQ, &queued) == 0 ? queued : -1;
}

// The transfer closes the connection after most failures; what the server
// had not taken of it by then is noted first.
int CloseSocket(void* user, curl_socket_t socket) {
    static_cast<Dialogue*>(user)->unacknowledged = Unacknowledged(socket);
    return ::close(socket);
}

// The message data as it goes over the wire is longer than the message by
// one "." for every line that starts with one.
qint64 EscapedSize(const QByteArray& data) {
    return data.size() + data.count("\r\n.") + (data.startsWith('.') ? 1 : 0);
}

// Follows the dialogue. Of what we send only the command word is looked at,
// and only server replies are kept, so the credentials we send never end up
// in an error text.
int WatchDialogue(CURL*, curl_infotype type, char* data, size_t size, void* user) {
    auto* d = static_cast<Dialogue*>(user);
    const QByteArray line = QByteArray(data, static_cast<qsizetype>(size)).trimmed();
    if (type == CURLINFO_HEADER_IN) {
        if (line.startsWith('4') || line.startsWith('5')) {
            d->lastRefusal = line;
            d->recipientRefused = d->lastCommand == "RCPT";
        }
        if (line.startsWith("354"))
            d->dataStarted = true;
    } else if (type == CURLINFO_HEADER_OUT) {
        const QByteArray command = line.toUpper();
        d->lastCommand = command.left(command.indexOf(' '));
        if (command.startsWith("RCPT TO"))
            d->recipientSent = true;
        else if (command.startsWith("STARTTLS"))
            d->startTlsSent = true;
    } else if (type == CURLINFO_DATA_OUT) {
        d->dataWritten += static_cast<qint64>(size);
    }
    return 0;
}

bool SafeHeloName(const QString& name) {
    for (QChar c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != '.' && c != '-')
            return false;
    return true;
}

}  // namespace

QByteArray BuildMimeMessage(const MailMessage& message, const QDateTime& date,
                            const QByteArray& boundary, SendResult* error) {
    auto fail = [&](int number, const QString& text) {
        if (error)
            *error = Refuse(number, text);
        return QByteArray();
    };
    if (!SafeAddress(message.from.address))
        return fail(kMailBadAddress, QStringLiteral("sender address"));
    if (!SafeAddress(message.to))
        return fail(kMailBadAddress, QStringLiteral("recipient address"));
    if (!message.replyTo.isEmpty() && !SafeAddress(message.replyTo))
        return fail(kMailBadAddress, QStringLiteral("reply address"));
    if (!SafeHeaderValue(message.subject))
        return fail(kMailBadHeader, QStringLiteral("subject"));
    if (!SafeHeaderValue(message.from.name))
        return fail(kMailBadHeader, QStringLiteral("sender name"));

    struct Part {
        QString fileName;
        QByteArray type;
        QByteArray data;
    };
    QList<Part> parts;
    QMimeDatabase mimeTypes;
    qint64 total = 0;
    for (const QString& path : message.attachments) {
        const QString fileName = QFileInfo(path).fileName();
        if (!SafeHeaderValue(fileName) || fileName.isEmpty())
            return fail(kMailBadHeader, QStringLiteral("attachment name"));
        Part part;
        // Only regular files of a size mail servers take, all together, are
        // attached.
        const FileFault fault = readFileBytes(path, part.data, kMailAttachmentMax - total);
        if (fault == FileFault::TooLarge)
            return fail(kMailTooLarge, path);
        if (fault != FileFault::None)
            return fail(kMailBadAttachment, path);
        total += part.data.size();
        part.fileName = fileName;
        part.type = mimeTypes.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toLatin1();
        parts << part;
    }

    QByteArray out;
    out += "Date: " + date.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    out += "From: " + AddressHeader(message.from) + "\r\n";
    out += "To: <" + message.to.toUtf8() + ">\r\n";
    if (!message.replyTo.isEmpty())
        out += "Reply-To: <" + message.replyTo.toUtf8() + ">\r\n";
    out += "Subject: " + HeaderText(message.subject) + "\r\n";
    out += "Message-ID: <" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + "@" +
           DomainOf(message.from.address).toUtf8() + ">\r\n";
    out += "MIME-Version: 1.0\r\n";
    const QByteArray textHeaders =
        "Content-Type: text/plain; charset=UTF-8\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n";
    if (parts.isEmpty()) {
        out += textHeaders + "\r\n" + QuotedPrintable(message.body) + "\r\n";
        return out;
    }
    out += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n\r\n";
    out += "--" + boundary + "\r\n" + textHeaders + "\r\n" + QuotedPrintable(message.body) + "\r\n";
    for (const Part& part : parts) {
        out += "--" + boundary + "\r\n";
        out += "Content-Type: " + part.type + "; " + FileNameParameters(part.fileName) + "\r\n";
        out += "Content-Transfer-Encoding: base64\r\n";
        out += "Content-Disposition: attachment; " + DispositionParameters(part.fileName) + "\r\n\r\n";
        out += Base64Lines(part.data);
    }
    out += "--" + boundary + "--\r\n";
    return out;
}

struct SmtpSession::State {
    CURL* curl = nullptr;
    Upload upload;
    curl_slist* recipients = nullptr;
    QByteArray from;
    QByteArray url;
    QByteArray user;
    QByteArray password;
    QByteArray caFile;
    Dialogue dialogue;
    char errorBuffer[CURL_ERROR_SIZE] = {0};
    bool open = false;  // the last transfer left a connection open for the next

    ~State() {
        if (curl)
            curl_easy_cleanup(curl);  // says QUIT on a connection still open
        curl_slist_free_all(recipients);
    }

    // One transfer of the message in `upload`. freshConnection forbids the
    // reuse of an open connection. *reused tells whether it went over one.
    SendResult Perform(bool freshConnection, bool* reused) {
        upload.sent = 0;
        dialogue = Dialogue();
        errorBuffer[0] = 0;
        curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, freshConnection ? 1L : 0L);
        const CURLcode rc = curl_easy_perform(curl);
        long reply = 0;
        long connects = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply);
        curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &connects);
        // No new connection counted means an open one was used, unless none
        // was open: then no connection was made at all.
        *reused = open && connects == 0;
        open = rc == CURLE_OK;
        if (rc == CURLE_OK)
            return {};
        // A connection kept after a failure is in no known state: a stalled
        // server would have the next mail, or the QUIT at the end, wait for
        // it all over again. Cut it, so that both find it dead at once.
        curl_socket_t socket = CURL_SOCKET_BAD;
        if (curl_easy_getinfo(curl, CURLINFO_ACTIVESOCKET, &socket) == CURLE_OK &&
            socket != CURL_SOCKET_BAD) {
            dialogue.unacknowledged = Unacknowledged(socket);
            ::shutdown(socket, SHUT_RDWR);
        }
        SendResult r;
        r.number = reply >= 400 ? static_cast<int>(reply) : static_cast<int>(rc);
        if (r.number == 0)
            r.number = CURLE_SEND_ERROR;
        if (reply >= 400 && !dialogue.lastRefusal.isEmpty())
            r.text = QString::fromUtf8(dialogue.lastRefusal);
        else
            r.text = errorBuffer[0] ? QString::fromLocal8Bit(errorBuffer)
                                    : QString::fromLatin1(curl_easy_strerror(rc));
        // No reply to blame (time-out, broken connection, TLS), the server
        // closing down (421), or a refusal before any recipient was named:
        // none of that depends on this message.
        r.endsRun = reply < 400 || reply == 421 || !dialogue.recipientSent;
        r.failure = FailureOf(rc, reply);
        return r;
    }

    SmtpFailure FailureOf(CURLcode rc, long reply) const {
        if (rc == CURLE_PEER_FAILED_VERIFICATION)
            return SmtpFailure::Certificate;
        if (rc == CURLE_USE_SSL_FAILED)
            return dialogue.startTlsSent ? SmtpFailure::StartTlsRefused : SmtpFailure::NoStartTls;
        if (rc == CURLE_SSL_CONNECT_ERROR)
            return SmtpFailure::TlsHandshake;
        if (reply >= 400)
            return dialogue.recipientRefused ? SmtpFailure::RecipientRefused : SmtpFailure::Refused;
        // All of the message was handed to the connection, the server's end
        // acknowledged every byte of it (or the system cannot tell), and no
        // refusal came back: the server may have it. A server that stopped
        // reading half-way leaves bytes unacknowledged: it has only part.
        if (dialogue.dataStarted && dialogue.dataWritten >= EscapedSize(upload.data) &&
            dialogue.unacknowledged <= 0)
            return SmtpFailure::AfterData;
        if (rc == CURLE_OPERATION_TIMEDOUT)
            return SmtpFailure::TimedOut;
        return SmtpFailure::Other;
    }
};

SmtpSession::SmtpSession(const SmtpAccount& account) : account_(account) {}

SmtpSession::~SmtpSession() = default;

SendResult SmtpSession::Send(const MailMessage& message) {
    const SmtpAccount& account = account_;
    if (account.host.trimmed().isEmpty() || account.port <= 0 || account.port > 65535 ||
        !SafeHeaderValue(account.host) || account.host.contains('/') || account.host.contains('@'))
        return Refuse(kMailBadAccount, QStringLiteral("mail server"));
    if (!SafeHeloName(account.heloName))
        return Refuse(kMailBadAccount, QStringLiteral("EHLO name"));

    const QByteArray boundary =
        "=_drovik_" + QUuid::createUuid().toByteArray(QUuid::Id128);
    SendResult refused;
    QByteArray data = BuildMimeMessage(message, QDateTime::currentDateTime(), boundary, &refused);
    if (data.isEmpty())
        return refused;

    if (!state_) {
        auto state = std::make_unique<State>();
        state->curl = curl_easy_init();
        if (!state->curl)
            return Refuse(CURLE_FAILED_INIT, QStringLiteral("cannot start the mail transfer"));
        const QString scheme = account.security == SmtpSecurity::Tls ? QStringLiteral("smtps")
                                                                     : QStringLiteral("smtp");
        QString host = account.host.trimmed();
        if (host.contains(':') && !host.startsWith('['))
            host = '[' + host + ']';
        state->url = QStringLiteral("%1://%2:%3/%4")
                         .arg(scheme, host)
                         .arg(account.port)
                         .arg(account.heloName)
                         .toUtf8();
        state->user = account.user.toUtf8();
        state->password = account.password.toUtf8();
        CURL* curl = state->curl;
        curl_easy_setopt(curl, CURLOPT_URL, state->url.constData());
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, account.connectTimeoutSeconds);
        curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, account.responseTimeoutSeconds);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, account.stallSeconds);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, account.totalTimeoutSeconds);
        curl_easy_setopt(curl, CURLOPT_USE_SSL,
                         account.security == SmtpSecurity::None ? static_cast<long>(CURLUSESSL_NONE)
                                                                : static_cast<long>(CURLUSESSL_ALL));
        if (account.authenticate) {
            curl_easy_setopt(curl, CURLOPT_USERNAME, state->user.constData());
            curl_easy_setopt(curl, CURLOPT_PASSWORD, state->password.constData());
        }
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadUpload);
        curl_easy_setopt(curl, CURLOPT_READDATA, &state->upload);
        curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, state->errorBuffer);
        curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, WatchDialogue);
        curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &state->dialogue);
        curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);  // feeds WatchDialogue; prints nothing
        curl_easy_setopt(curl, CURLOPT_CLOSESOCKETFUNCTION, CloseSocket);
        curl_easy_setopt(curl, CURLOPT_CLOSESOCKETDATA, &state->dialogue);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
        state->caFile = TrustedCaFileForTests().toLocal8Bit();
        if (!state->caFile.isEmpty()) {
            curl_easy_setopt(curl, CURLOPT_CAINFO, state->caFile.constData());
            curl_easy_setopt(curl, CURLOPT_CAPATH, nullptr);
        }
        state_ = std::move(state);
    }

    State& s = *state_;
    s.upload.data = std::move(data);
    s.from = "<" + message.from.address.toUtf8() + ">";
    const QByteArray to = "<" + message.to.toUtf8() + ">";
    curl_slist_free_all(s.recipients);
    s.recipients = curl_slist_append(nullptr, to.constData());
    curl_easy_setopt(s.curl, CURLOPT_MAIL_FROM, s.from.constData());
    curl_easy_setopt(s.curl, CURLOPT_MAIL_RCPT, s.recipients);
    curl_easy_setopt(s.curl, CURLOPT_INFILESIZE_LARGE,
                     static_cast<curl_off_t>(s.upload.data.size()));

    bool reused = false;
    SendResult r = s.Perform(false, &reused);
    // A kept connection that the server dropped without our noticing fails
    // at once. When that happened before the server took any of the
    // message, it goes again over a new connection; after that it might
    // have arrived, and sending it twice is worse than reporting it.
    if (!r.ok() && reused && r.endsRun && !s.dialogue.dataStarted &&
        r.number != CURLE_OPERATION_TIMEDOUT)
        r = s.Perform(true, &reused);
    return r;
}

SendResult SendMail(const SmtpAccount& account, const MailMessage& message) {
    SmtpSession session(account);
    return session.Send(message);
}

}  // namespace platform
