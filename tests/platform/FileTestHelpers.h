#pragma once
// Helpers for the file tests.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <csignal>
#include <sys/resource.h>

namespace testsupport {

// The bytes of a file ("" when it cannot be read).
inline QByteArray readRaw(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes bytes to a file as they are; false when that failed.
inline bool writeRaw(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// Makes every write past a given file size fail for as long as the object
// lives (RLIMIT_FSIZE, with SIGXFSZ ignored so the write returns an error).
// Unlike folder permissions this binds the superuser too.

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace testsupport
