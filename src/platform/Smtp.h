#pragma once
// Sending one e-mail over SMTP: a text body and any number of file
// attachments as a MIME message, over a plain connection, STARTTLS or TLS,
// with or without authentication, with time-outs on every step.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace platform {

enum class SmtpSecurity {
    None,      // plain connection
    StartTls,  // plain connection upgraded with STARTTLS; refused when the server cannot
    Tls,       // TLS from the first byte (usually port 465)
};

struct SmtpAccount {
    QString host;
    int port = 25;
    SmtpSecurity security = SmtpSecurity::StartTls;
    bool authenticate = false;
    QString user;
    QString password;
    QString heloName;  // name announced in EHLO; "" for the local host name
    long connectTimeoutSeconds = 20;
    long totalTimeoutSeconds = 300;
};

struct MailAddress {
    QString address;
    QString name;  // display name, may be ""
};

struct MailMessage {
    MailAddress from;
    QString to;
    QString replyTo;  // "" for none
    QString subject;
    QString body;
    QStringList attachments;  // file paths
};

struct SendResult {
    // 0 when the server accepted the message. Otherwise the server's reply
    // code when it refused something (4xx/5xx), a curl error code (below
    // 100) when the connection failed, or one of the numbers below.
    int number = 0;
    QString text;
    bool ok() const { return number == 0; }
};

constexpr int kMailBadHeader = 2001;       // a header value holds a line break or control character
constexpr int kMailBadAddress = 2002;      // empty address or one with blanks or angle brackets
constexpr int kMailBadAttachment = 2003;   // an attachment cannot be read (missing, not a
                                           // regular file, larger than kMailAttachmentMax)
// The largest attachment sent (mail servers refuse much larger messages).
constexpr qint64 kMailAttachmentMax = 25 * 1024 * 1024;
constexpr int kMailBadAccount = 2004;      // no host or an impossible port

// The complete message as it goes over the wire (CRLF line ends, before the
// SMTP dot escaping that the transfer adds). Empty with `error` set when a
// header value or address is refused or an attachment cannot be read.
QByteArray BuildMimeMessage(const MailMessage& message, const QDateTime& date,
                            const QByteArray& boundary, SendResult* error);

SendResult SendMail(const SmtpAccount& account, const MailMessage& message);

}  // namespace platform
