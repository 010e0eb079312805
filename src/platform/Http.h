#pragma once
// File downloads over HTTP(S).
//
// A download goes to a temporary file beside the target and replaces the
// target only when it arrived complete: the transfer ended without error,
// the server answered 200, the body is not empty and, when the server named
// a length, exactly that many bytes came. After any failure the target is
// as it was before.

#include <QString>

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
constexpr int kDownloadIncomplete = 1001;  // fewer bytes than announced
constexpr int kDownloadEmpty = 1002;       // the server sent nothing
constexpr int kDownloadCannotWrite = 1003; // the target could not be written
constexpr int kDownloadBadAddress = 1004;  // not an http(s) address

struct DownloadOptions {
    long connectTimeoutSeconds = 15;
    long totalTimeoutSeconds = 600;
    // A transfer slower than 1 byte/s for this long is given up.
    long stallSeconds = 30;
};

DownloadResult DownloadToFile(const QString& url, const QString& targetPath,
                              const DownloadOptions& options = {});

}  // namespace platform
