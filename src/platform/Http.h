#pragma once
// File downloads over HTTPS.
//
// A download goes to a temporary file beside the target and replaces the
// target only when it arrived complete and valid: the transfer ended without
// error, the server answered 200, the body is not empty, it is exactly as
// long as the server announced (or, without a length, it came as a properly
// ended chunked body or over HTTP/2, whose framing marks the end), it stays
// within the size limit, and the caller's check accepts it. A body whose end
// is only the closing of the connection cannot be told from a cut-off one
// and is refused. After any failure the target is as it was before.
//
// Only https addresses are fetched, redirects are followed only to https,
// and the server's certificate and host name are checked against the
// system's certificate authorities.

#include <QByteArray>
#include <QString>

#include <functional>

#include "platform/AtomicFile.h"

namespace platform {

struct DownloadResult {
    // 0 when the file is in place; otherwise the transfer's error number
    // (a curl code below 100, the HTTP status for a refused request, or one
    // of the numbers below).
    int code = 0;
    long httpStatus = 0;  // 0 when no answer came
    QString errorText;
    bool ok() const { return code == 0; }
};

// Error numbers of our own, outside both curl's and HTTP's ranges.
constexpr int kDownloadIncomplete = 1001;  // fewer bytes than announced, or no end marked
constexpr int kDownloadEmpty = 1002;       // the server sent nothing
constexpr int kDownloadCannotWrite = 1003; // the target could not be written
constexpr int kDownloadBadAddress = 1004;  // not an https address
constexpr int kDownloadTooLarge = 1005;    // more than the size limit
constexpr int kDownloadInvalid = 1006;     // the caller's check refused the content

struct DownloadOptions {
    // Time allowed to reach the server and finish the TLS handshake.
    long connectTimeoutSeconds = 15;
    // Time allowed for the whole transfer.
    long totalTimeoutSeconds = 600;
    // A transfer that receives nothing for this long is given up (within a
    // second more), so a stalled server never holds a caller longer. One
    // that trickles, slower than kMinBytesPerSecond over this time, is
    // given up too.
    long stallSeconds = 25;
    // Largest body accepted, in bytes.
    qint64 maxBytes = 16 * 1024 * 1024;
    // The rights of the file put in the target's place.
    FileRights rights = FileRights::Usual;
    // Optional check of the complete body before it replaces the target:
    // returns "" when the content is acceptable, else why it is not. With a
    // check the body is also held in memory, so keep maxBytes small then.
    std::function<QString(const QByteArray& body)> check;
    // Optional: called several times a second while the transfer runs, so
    // that a window can repaint itself during a long download.
    std::function<void()> whileWaiting;
};

constexpr long kMinBytesPerSecond = 256;

DownloadResult DownloadToFile(const QString& url, const QString& targetPath,
                              const DownloadOptions& options = {});

// For tests only: trust the certificate authorities in this PEM file instead
// of the system's (a throwaway certificate of a server on 127.0.0.1). An
// empty path goes back to the system's authorities.
void SetTrustedCaFileForTests(const QString& pemPath);
// The file set there ("" for the system's authorities); mail over TLS
// trusts the same.
QString TrustedCaFileForTests();

}  // namespace platform
