#pragma once
// Text files in the Windows code page 1252, the form every data and INI file
// of the program is stored in.
//
// Writing: each line ends with CR LF; a text holding a character the code
// page lacks is not written at all (the writers fail and say which), so no
// file ever holds a changed text. Reading: CR LF, LF and a lone CR all end a line; a file that
// starts with a UTF-8 byte order mark is read as UTF-8. All paths go through
// resolvePath().
//
// Every reader takes only a regular file (never a folder, FIFO, socket or
// device, which could block the program or never end) and refuses a file
// larger than the limit for its kind.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Lossy: a character the code page lacks becomes "?". The file writers
// below never use it on such a text.
QByteArray encodeCp1252(const QString& text);

// The characters of `text` that code page 1252 cannot hold, each once, in
// the order they first appear; empty when the whole text can be stored.
QString charsOutsideCp1252(const QString& text);
QString decodeCp1252(const QByteArray& bytes);

// The bytes of a text file as text: UTF-8 after a byte order mark, code
// page 1252 otherwise.
QString decodeText(const QByteArray& bytes);

// The largest text file a reader takes when its kind sets no lower limit.
constexpr qint64 kTextFileMax = 16 * 1024 * 1024;

// Why a file could not be read.
enum class FileFault {
    None,        // read
    Missing,     // no such file
    NotAFile,    // a folder, FIFO, socket or device
    TooLarge,    // larger than the limit for its kind
    Unreadable,  // exists but cannot be read (rights, I/O error)
};

// What is at `path` (resolved) without opening it: None for a regular file
// of at most maxBytes bytes, otherwise the fault a read would meet.
FileFault inspectFile(const QString& path, qint64 maxBytes);

// Reads the whole file into `bytes`. Returns FileFault::None on success;
// otherwise `bytes` is empty and `error` (when given) holds a reason that
// names the file. Opening never blocks, whatever the path names.
FileFault readFileBytes(const QString& path, QByteArray& bytes, qint64 maxBytes,
                        QString* error = nullptr);

// Splits text into lines at CR LF, LF or CR. A line end after the last line
// does not add an empty line; an empty text gives no lines.
QStringList splitLines(const QString& text);

// Reads the whole file as text (line ends kept as they are). Returns false
// with a reason in `error` when the file is missing, is not a regular file,
// is larger than maxBytes or cannot be read.
bool readTextFile(const QString& path, QString& text, QString* error = nullptr,
                  qint64 maxBytes = kTextFileMax);

// Reads the file as lines (see splitLines).
bool readTextLines(const QString& path, QStringList& lines, QString* error = nullptr,
                   qint64 maxBytes = kTextFileMax);

// Replaces the file with `lines`, each followed by CR LF (atomic). Fails,
// leaving the file untouched, when a line holds a character the code page
// cannot store; `error` then names those characters.
bool writeTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);
// The bytes writeTextLines writes for `lines`; false, with `error` naming
// the characters, when a line holds one the code page cannot store.
bool encodeTextLines(const QString& path, const QStringList& lines, QByteArray& data, QString* error = nullptr);

// Replaces the file with `text`; every line end in it (LF, CR LF or CR)
// is written as CR LF (atomic).
bool writeTextFile(const QString& path, const QString& text, QString* error = nullptr);

// Adds `lines` at the end of the file (created when missing). The whole file
// is rewritten atomically, so a failure leaves the old content.
bool appendTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

}  // namespace platform
