#pragma once
// Text files in the Windows code page 1252, the form every data and INI file
// of the program is stored in.
//
// Writing: each line ends with CR LF; a character the code page lacks is
// written as "?". Reading: CR LF, LF and a lone CR all end a line; a file that
// starts with a UTF-8 byte order mark is read as UTF-8. All paths go through
// resolvePath().

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

QByteArray encodeCp1252(const QString& text);
QString decodeCp1252(const QByteArray& bytes);

// Splits text into lines at CR LF, LF or CR. A line end after the last line
// does not add an empty line; an empty text gives no lines.
QStringList splitLines(const QString& text);

// Reads the whole file as text (line ends kept as they are). Returns false
// with a reason in `error` when the file is missing or cannot be read.
bool readTextFile(const QString& path, QString& text, QString* error = nullptr);

// Reads the file as lines (see splitLines).
bool readTextLines(const QString& path, QStringList& lines, QString* error = nullptr);

// Replaces the file with `lines`, each followed by CR LF (atomic).
bool writeTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Replaces the file with `text`; every line end in it (LF, CR LF or CR)
// is written as CR LF (atomic).
bool writeTextFile(const QString& path, const QString& text, QString* error = nullptr);

// Adds `lines` at the end of the file (created when missing). The whole file
// is rewritten atomically, so a failure leaves the old content.
bool appendTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

}  // namespace platform
