#pragma once
// Replacing a file safely: the new content goes to a temporary file in the
// same folder, which is renamed over the old file only when it is complete.
// After any failure the old file is untouched. A read-only file, or one
// that is not a regular file, is never replaced: the write fails.
//
// Every temporary file is named ".drovik-tmp." and six characters, so that
// one left behind by a crash or a power cut is found and removed at the next
// start (removeStaleTempFiles).

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace platform {

// The rights the replaced file gets.
enum class FileRights {
    // Those of the file it replaces, or the usual ones for a new file.
    Usual,
    // Readable and writable by the user only (0600), whatever the old file
    // had: for files that hold passwords.
    UserOnly,
};

// Writes `data` as the whole content of `path` (resolved through
// resolvePath). Returns false and sets `error` (when given) to a readable
// reason when the file could not be written.
bool writeFileAtomic(const QString& path, const QByteArray& data, QString* error = nullptr,
                     FileRights rights = FileRights::Usual);

// Why the file at `path` may not be replaced: "" when it may (it does not
// exist yet, or it is a regular file that can be written; a link counts as
// the file it points to), else the reason.
QString replaceRefusal(const QString& path);

// The same for content that arrives piece by piece (a download): opening
// makes the temporary file beside `path`, write() adds to it, and commit()
// puts it in the target's place. Unless committed, the temporary file is
// removed when the object goes, and the target stays as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString& path, FileRights rights = FileRights::Usual);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False when the target may not be replaced or no temporary file could
    // be made; error() says why.
    bool isOpen() const { return fd_ >= 0; }
    bool write(const char* data, qint64 size);
    bool commit();
    // "<target>: <reason>" after a failure.
    QString error() const { return error_; }

private:
    bool fail(const QString& why);
    void failErrno(int error);

    QString target_;
    QByteArray finalName_;
    QByteArray tempName_;
    mode_t mode_ = 0;
    int fd_ = -1;
    bool committed_ = false;
    QString error_;
};

// The umask the program was started with (read once, before any thread):
// new files get 0666 without its bits. The process umask is never changed.
mode_t startUmask();

// Removes the temporary files that writes interrupted by a crash or a power
// cut left in `folder` and in its sub-folders down to `depth` levels (links
// and hidden folders are not entered). Returns how many were removed. Only
// run while no write of this program is under way.
int removeStaleTempFiles(const QString& folder, int depth);

}  // namespace platform
