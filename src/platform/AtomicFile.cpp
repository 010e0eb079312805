#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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

// Temporary files are named ".drovik-tmp." and six characters from
// mkstemp, so that one left by an interrupted write can be told apart from
// every other file and removed at the next start.
const char kTempPrefix[] = ".drovik-tmp.";

bool isStaleTempName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^\\.drovik-tmp\\.[A-Za-z0-9]{6}$"));
    return pattern.match(name).hasMatch();
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

    // The new file gets the rights of the file it replaces, or the usual
    // rights for a new file. A read-only file is not replaced (the rename
    // would otherwise succeed, as it needs only the folder's rights), and
    // neither is anything that is not a regular file.
    struct stat old {};
    mode_t mode;
    if (::stat(finalName.constData(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return fail(QStringLiteral("is not a regular file"));
        if ((old.st_mode & 0222) == 0 || ::access(finalName.constData(), W_OK) != 0)
            return fail(QStringLiteral("the file is read-only"));
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    QByteArray tempName =
        QFile::encodeName(info.absolutePath() + QLatin1Char('/') + QLatin1String(kTempPrefix) +
                          QStringLiteral("XXXXXX"));
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));

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

int removeStaleTempFiles(const QString& folder, int depth) {
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return 0;
    int removed = 0;
    const QStringList files =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : files) {
        if (isStaleTempName(name) && QFileInfo(dir.filePath(name)).isFile() &&
            QFile::remove(dir.filePath(name)))
            ++removed;
    }
    if (depth > 0) {
        // Hidden folders and links are not the program's: left alone.
        const QStringList folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
        for (const QString& name : folders)
            removed += removeStaleTempFiles(dir.filePath(name), depth - 1);
    }
    return removed;
}

}  // namespace platform
