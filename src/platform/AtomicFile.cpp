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
// mkstemp, so that one left by an interrupted write or download can be told
// apart from every other file and removed at the next start.
const char kTempPrefix[] = ".drovik-tmp.";

bool isStaleTempName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^\\.drovik-tmp\\.[A-Za-z0-9]{6}$"));
    return pattern.match(name).hasMatch();
}

// The umask the program was started with. Reading it means setting it and
// back (or asking /proc), which other threads would see: it is read once,
// while the program still has one thread (at static initialisation), and
// never again. The process umask itself is never changed after that.
mode_t readUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (!line.startsWith("Umask:"))
                continue;
            bool ok = false;
            const int mask = line.mid(6).trimmed().toInt(&ok, 8);
            if (ok)
                return mode_t(mask) & 0777;
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

[[maybe_unused]] const mode_t g_startUmask = startUmask();

}  // namespace

mode_t startUmask() {
    static const mode_t mask = readUmask();
    return mask;
}

namespace {

// The file a write to `path` replaces: the file a link points to, not the link.
QFileInfo replacedFile(const QString& path) {
    QFileInfo info(path);
    if (info.isSymLink() && !info.symLinkTarget().isEmpty())
        info = QFileInfo(info.symLinkTarget());
    return info;
}

}  // namespace

QString replaceRefusal(const QString& path) {
    const QFileInfo info = replacedFile(path);
    if (info.isDir())
        return QStringLiteral("is a folder, not a file");
    // A read-only file is not replaced (the rename would otherwise succeed,
    // as it needs only the folder's rights), and neither is anything that
    // is not a regular file.
    const QByteArray name = QFile::encodeName(info.absoluteFilePath());
    struct stat old {};
    if (::stat(name.constData(), &old) != 0)
        return QString();
    if (!S_ISREG(old.st_mode))
        return QStringLiteral("is not a regular file");
    if ((old.st_mode & 0222) == 0 || ::access(name.constData(), W_OK) != 0)
        return QStringLiteral("the file is read-only");
    return QString();
}

AtomicFileWriter::AtomicFileWriter(const QString& path, FileRights rights)
    : target_(resolvePath(path)) {
    if (target_.isEmpty()) {
        fail(QStringLiteral("no file name"));
        return;
    }
    if (const QString why = replaceRefusal(target_); !why.isEmpty()) {
        fail(why);
        return;
    }
    const QFileInfo info = replacedFile(target_);
    finalName_ = QFile::encodeName(info.absoluteFilePath());

    // The new file gets the rights asked for, else those of the file it
    // replaces, or the usual rights for a new file.
    struct stat old {};
    if (::stat(finalName_.constData(), &old) == 0) {
        mode_ = old.st_mode & 07777;
    } else {
        mode_ = 0666 & ~startUmask();
    }
    if (rights == FileRights::UserOnly)
        mode_ = S_IRUSR | S_IWUSR;

    // mkstemp makes the file readable and writable by the user only, so
    // nothing private can be read from it before it is complete.
    tempName_ = QFile::encodeName(info.absolutePath() + QLatin1Char('/') +
                                  QLatin1String(kTempPrefix) + QStringLiteral("XXXXXX"));
    fd_ = ::mkstemp(tempName_.data());
    // The program folder is made once, at its first lookup; one removed
    // while the program runs is made again here, by the write that needs
    // it, and the write tried once more. Other missing folders are the
    // caller's to make.
    if (fd_ < 0 && errno == ENOENT && remakeProgramFolder()) {
        tempName_ = QFile::encodeName(info.absolutePath() + QLatin1Char('/') +
                                      QLatin1String(kTempPrefix) + QStringLiteral("XXXXXX"));
        fd_ = ::mkstemp(tempName_.data());
    }
    if (fd_ < 0) {
        tempName_.clear();
        failErrno(errno);
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_ && !tempName_.isEmpty())
        ::unlink(tempName_.constData());
}

bool AtomicFileWriter::fail(const QString& why) {
    error_ = QStringLiteral("%1: %2").arg(target_, why);
    return false;
}

void AtomicFileWriter::failErrno(int error) { fail(QString::fromLocal8Bit(std::strerror(error))); }

bool AtomicFileWriter::write(const char* data, qint64 size) {
    if (fd_ < 0)
        return false;
    if (!writeAll(fd_, data, size)) {
        failErrno(errno);
        // Nothing more goes in, and the incomplete file is never committed.
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (fd_ < 0)
        return false;
    bool ok = ::fchmod(fd_, mode_) == 0 && ::fsync(fd_) == 0;
    int savedErrno = errno;
    if (::close(fd_) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    fd_ = -1;
    if (ok && ::rename(tempName_.constData(), finalName_.constData()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        failErrno(savedErrno);
        return false;
    }
    committed_ = true;
    // The new name on disk as well, so that a crash cannot bring the old
    // file back.
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(finalName_)).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool writeFileAtomic(const QString& path, const QByteArray& data, QString* error, FileRights rights) {
    AtomicFileWriter file(path, rights);
    const bool ok = file.isOpen() && file.write(data.constData(), data.size()) && file.commit();
    if (!ok && error)
        *error = file.error();
    return ok;
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
