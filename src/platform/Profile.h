#pragma once
// INI ("profile") files with the semantics the program relies on:
// - section and key names match without regard to case (and surrounding
//   blanks); the first matching section and key count;
// - a missing file, section or key reads as "", and so does a file that is
//   not a regular file or is larger than kProfileFileMax;
// - a value read is trimmed, loses one pair of enclosing quotes, and is cut
//   at 254 characters;
// - a write creates the file, the section and the key when needed and keeps
//   every other line (comments, unknown lines, their order) as it was;
// - files are in code page 1252 and are replaced atomically.
// Paths go through resolvePath().

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace platform {

// The longest value a read returns.
constexpr int kProfileValueMax = 254;
// The largest profile file read or written; a larger one reads as missing
// and is never rewritten.
constexpr qint64 kProfileFileMax = 1024 * 1024;

QString ReadProfileString(const QString& file, const QString& section, const QString& key);

// Returns false with a reason in `error` when the file could not be written;
// the file is then unchanged. Line breaks in the value are written as blanks
// so that a value can never add lines to the file.
bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value, QString* error = nullptr);

// The same rules on lines already in memory (used by the two above).
QString profileLookup(const QStringList& lines, const QString& section, const QString& key);
void profileAssign(QStringList& lines, const QString& section, const QString& key,
                   const QString& value);

}  // namespace platform
