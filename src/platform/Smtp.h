#pragma once
// Sending e-mail over SMTP: a text body and any number of file attachments
// as a MIME message, over a plain connection, STARTTLS or TLS, with or
// without authentication, with time-outs on every step. A run of mails goes
// over one connection (SmtpSession).

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>

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
    // Connecting, up to and including the greeting, EHLO, STARTTLS and the
    // login.
    long connectTimeoutSeconds = 20;
    // The longest wait for any one reply of the server (after the message
    // data above all).
    long responseTimeoutSeconds = 20;
    // A transfer that moves less than a byte a second for this long fails.
    long stallSeconds = 20;
    // The whole of one message, however slowly it moves: room for the
    // largest attachments over a slow line.
    long totalTimeoutSeconds = 600;
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

// What lies behind a failure, where the user can be told more than "the
// server cannot be reached".
enum class SmtpFailure {
    Other,
    Certificate,       // the server's certificate does not verify (text: which fault)
    NoStartTls,        // the server does not offer STARTTLS
    StartTlsRefused,   // the server offered STARTTLS and then refused it
    TlsHandshake,      // no TLS session came about (a server that speaks no TLS)
    TimedOut,          // the server went silent before all of the message was out
    AfterData,         // the connection broke or went silent after the whole
                       // message was sent: the server may have taken it
    RecipientRefused,  // the server refused the recipient (text: its reply)
    Refused,           // the server refused something else (text: its reply)
};

// The number of a failure where the server did not answer, or the message
// did not move, in time (the transfer library's own number).
constexpr int kSmtpTimedOut = 28;

struct SendResult {
    // 0 when the server accepted the message. Otherwise the server's reply
    // code when it refused something (4xx/5xx), a curl error code (below
    // 100) when the connection failed, or one of the numbers below.
    int number = 0;
    // The server's own reply when it refused something, else the transfer
    // library's account of the failure (which names a certificate's fault).
    QString text;
    // True when the failure lies with the server or the connection rather
    // than with this message: the server was not reached or did not answer
    // in time, the connection broke, or it refused the session itself (the
    // greeting, the login, the sender). Every further mail of a run would
    // fail the same way.
    bool endsRun = false;
    SmtpFailure failure = SmtpFailure::Other;  // meaningful only when number != 0
    bool ok() const { return number == 0; }
    // The mail may have arrived though the send failed: sending it again
    // could deliver it twice.
    bool maybeDelivered() const { return number != 0 && failure == SmtpFailure::AfterData; }
    bool timedOut() const { return number == kSmtpTimedOut; }
};

constexpr int kMailBadHeader = 2001;       // a header value holds a line break or control character
constexpr int kMailBadAddress = 2002;      // empty address or one with blanks or angle brackets
constexpr int kMailBadAttachment = 2003;   // an attachment cannot be read (missing, not a
                                           // regular file)
// The most that the attachments of one mail may hold together (mail servers
// refuse much larger messages).
constexpr qint64 kMailAttachmentMax = 25 * 1024 * 1024;
constexpr int kMailBadAccount = 2004;      // no host or an impossible port
constexpr int kMailTooLarge = 2005;        // the attachments together exceed kMailAttachmentMax

// The complete message as it goes over the wire (CRLF line ends, before the
// SMTP dot escaping that the transfer adds). Empty with `error` set when a
// header value or address is refused or an attachment cannot be read.
QByteArray BuildMimeMessage(const MailMessage& message, const QDateTime& date,
                            const QByteArray& boundary, SendResult* error);

// A run of mails to one account over one connection: the connection (with
// its TLS handshake and login) is made by the first Send and kept open for
// the next ones; when the server has dropped it, the next Send opens a new
// one. The connection is closed when the session ends.
class SmtpSession {
public:
    explicit SmtpSession(const SmtpAccount& account);
    ~SmtpSession();
    SmtpSession(const SmtpSession&) = delete;
    SmtpSession& operator=(const SmtpSession&) = delete;

    SendResult Send(const MailMessage& message);

private:
    struct State;
    SmtpAccount account_;
    std::unique_ptr<State> state_;  // the transfer handle, kept for the whole run
};

// One mail over a connection of its own.
SendResult SendMail(const SmtpAccount& account, const MailMessage& message);

}  // namespace platform
