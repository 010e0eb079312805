#pragma once
// INI ("profile") files with the semantics the program relies on:
// - section and key names match without regard to case (and surrounding
//   blanks); the first matching section and key count;
// - a missing file, section or key reads as "", and so does a file that is
//   not a regular file or is larger than kProfileFileMax;
// - a value read is trimmed, loses one pair of enclosing quotes, and is cut
//   at 254 characters;
// - a write creates the file, the section and the key when needed and keeps
//   every other line byte for byte (comments, unknown lines, their order,
//   their line ends, text in another encoding);
// - files are in code page 1252 (a file that starts with a UTF-8 byte order
//   mark is read as UTF-8, and what is written into it too) and are
//   replaced atomically.
// Paths go through resolvePath().

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <utility>

namespace platform {

// The longest value a read returns.
constexpr int kProfileValueMax = 254;
// The largest profile file read or written; a larger one reads as missing
// and is never rewritten.
constexpr qint64 kProfileFileMax = 1024 * 1024;

QString ReadProfileString(const QString& file, const QString& section, const QString& key);

// Returns false with a reason in `error` when the file could not be written;
// the file is then unchanged. A value with a character the code page lacks
// is not written (the reason names it); other lines of the file never stop
// a write. Line breaks in the value are written as blanks so that a value
// can never add lines to the file.
bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value, QString* error = nullptr);
// Several keys of one section in one write: all of them or none.
bool WriteProfileStrings(const QString& file, const QString& section,
                         const QList<std::pair<QString, QString>>& keys, QString* error = nullptr);

// The same rules on lines already in memory.
QString profileLookup(const QStringList& lines, const QString& section, const QString& key);
// What a write of one key does to the lines: at line `at`, replace that line
// (`replaces`) or insert before it, the lines `insert`.
struct ProfileEdit {
    int at = 0;
    bool replaces = false;
    QStringList insert;
};
ProfileEdit profileEdit(const QStringList& lines, const QString& section, const QString& key,
                        const QString& value);

}  // namespace platform
