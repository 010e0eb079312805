#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "platform/Paths.h"

namespace platform {

namespace {

// Writes all of `data`, retrying short writes; false on any error (a full
// disk or a size limit shows up as a short write followed by an error).
bool writeAll(int fd, const char* data, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, static_cast<size_t>(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

}  // namespace

bool writeFileAtomic(const QString& path, const QByteArray& data, QString* error) {
    const QString target = resolvePath(path);
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(target, why);
        return false;
    };
    if (target.isEmpty())
        return fail(QStringLiteral("no file name"));
    QFileInfo info(target);
    // Replace the file a link points to, not the link.
    if (info.isSymLink() && !info.symLinkTarget().isEmpty())
        info = QFileInfo(info.symLinkTarget());
    if (info.isDir())
        return fail(QStringLiteral("is a folder, not a file"));

    const QByteArray finalName = QFile::encodeName(info.absoluteFilePath());
    QByteArray tempName = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") +
                                            info.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));

    // The new file gets the rights of the file it replaces, or the usual
    // rights for a new file.
    struct stat old {};
    mode_t mode;
    if (::stat(finalName.constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    bool ok = writeAll(fd, data.constData(), data.size()) && ::fchmod(fd, mode) == 0 &&
              ::fsync(fd) == 0;
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && ::rename(tempName.constData(), finalName.constData()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        ::unlink(tempName.constData());
        return fail(QString::fromLocal8Bit(std::strerror(savedErrno)));
    }
    return true;
}

}  // namespace platform
