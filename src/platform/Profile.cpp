#include "platform/Profile.h"

#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace platform {

namespace {

// "[name]" (blanks around allowed, anything after "]" ignored) -> true and
// the trimmed name.
bool sectionHeader(const QString& line, QString& name) {
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const int close = t.indexOf(QLatin1Char(']'));
    name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    return true;
}

// "key=value" -> true with trimmed key and raw value. Comment lines and
// lines without "=" are not keys.
bool keyLine(const QString& line, QString& key, QString& value) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    key = t.left(eq).trimmed();
    value = t.mid(eq + 1);
    return true;
}

bool sameName(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

QString cleanValue(QString value) {
    value = value.trimmed();
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    return value.left(kProfileValueMax);
}

// Index of the header line of the first section named `section`, or -1.
int findSection(const QStringList& lines, const QString& section) {
    for (int i = 0; i < lines.size(); ++i) {
        QString name;
        if (sectionHeader(lines.at(i), name) && sameName(name, section))
            return i;
    }
    return -1;
}

}  // namespace

QString profileLookup(const QStringList& lines, const QString& section, const QString& key) {
    const int header = findSection(lines, section);
    if (header < 0)
        return QString();
    for (int i = header + 1; i < lines.size(); ++i) {
        QString name;
        if (sectionHeader(lines.at(i), name))
            break;
        QString k, v;
        if (keyLine(lines.at(i), k, v) && sameName(k, key))
            return cleanValue(v);
    }
    return QString();
}

ProfileEdit profileEdit(const QStringList& lines, const QString& section, const QString& key,
                        const QString& value) {
    QString flat = value;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" "));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();

    ProfileEdit edit;
    const int header = findSection(lines, sectionName);
    if (header < 0) {
        edit.at = int(lines.size());
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            edit.insert.append(QString());
        edit.insert.append(QLatin1Char('[') + sectionName + QLatin1Char(']'));
        edit.insert.append(keyName + QLatin1Char('=') + flat);
        return edit;
    }
    int lastContent = header;  // last non-blank line of the section
    int i = header + 1;
    for (; i < lines.size(); ++i) {
        QString name;
        if (sectionHeader(lines.at(i), name))
            break;
        QString k, v;
        if (keyLine(lines.at(i), k, v) && sameName(k, keyName)) {
            // Keep the spelling the file already has for the key.
            edit.at = i;
            edit.replaces = true;
            edit.insert.append(k + QLatin1Char('=') + flat);
            return edit;
        }
        if (!lines.at(i).trimmed().isEmpty())
            lastContent = i;
    }
    edit.at = lastContent + 1;
    edit.insert.append(keyName + QLatin1Char('=') + flat);
    return edit;
}

QString ReadProfileString(const QString& file, const QString& section, const QString& key) {
    QStringList lines;
    if (!readTextLines(file, lines, nullptr, kProfileFileMax))
        return QString();
    return profileLookup(lines, section, key);
}

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

// One line of the file as it is on disk: its bytes with the line end they
// had (none after a last line without one), and the text the rules read.
// A line the write adds or changes has no bytes yet.
struct RawLine {
    QByteArray bytes;
    QString text;
    QByteArray end = "\r\n";  // the line end of a line written here
};

QByteArray lineEnd(const QByteArray& bytes) {
    if (bytes.endsWith("\r\n")) return "\r\n";
    if (bytes.endsWith('\n')) return "\n";
    if (bytes.endsWith('\r')) return "\r";
    return QByteArray();
}

QList<RawLine> splitRawLines(const QByteArray& body, bool utf8) {
    QList<RawLine> out;
    qsizetype start = 0;
    const qsizetype n = body.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = body.at(i);
        if (c != '\r' && c != '\n')
            continue;
        const qsizetype contentEnd = i;
        if (c == '\r' && i + 1 < n && body.at(i + 1) == '\n')
            ++i;
        const QByteArray content = body.mid(start, contentEnd - start);
        out.append({body.mid(start, i + 1 - start), utf8 ? QString::fromUtf8(content) : decodeCp1252(content)});
        start = i + 1;
    }
    if (start < n) {
        const QByteArray content = body.mid(start);
        out.append({content, utf8 ? QString::fromUtf8(content) : decodeCp1252(content)});
    }
    return out;
}

}  // namespace

bool WriteProfileStrings(const QString& file, const QString& section,
                         const QList<std::pair<QString, QString>>& keys, QString* error) {
    // A missing file is created; one that exists but cannot be read (not a
    // regular file, too large, no rights) is left alone rather than
    // replaced by a file holding only these keys.
    QByteArray bytes;
    const FileFault fault = readFileBytes(file, bytes, kProfileFileMax, error);
    if (fault != FileFault::None && fault != FileFault::Missing)
        return false;

    // Every line the write does not change goes back byte for byte, in
    // whatever form another editor left it: a byte order mark, UTF-8 text,
    // characters the code page lacks, bare LF line ends. Only the lines
    // written here must be storable; in a file that starts with a UTF-8
    // byte order mark they are written as UTF-8, as the file is read.
    const bool utf8 = bytes.startsWith(kUtf8Bom);
    QList<RawLine> lines = splitRawLines(utf8 ? bytes.mid(kUtf8Bom.size()) : bytes, utf8);
    for (const auto& [key, value] : keys) {
        QStringList texts;
        texts.reserve(lines.size());
        for (const RawLine& line : lines)
            texts.append(line.text);
        const ProfileEdit edit = profileEdit(texts, section, key, value);
        for (const QString& added : edit.insert) {
            if (const QString lost = charsOutsideCp1252(added); !lost.isEmpty()) {
                if (error)
                    *error = QStringLiteral("%1: characters outside code page 1252: %2").arg(resolvePath(file), lost);
                return false;
            }
        }
        // A changed line keeps the line end it had (CR LF after a last line
        // that had none).
        QByteArray end = "\r\n";
        if (edit.replaces) {
            if (const QByteArray old = lineEnd(lines.at(edit.at).bytes); !old.isEmpty()) end = old;
            lines.removeAt(edit.at);
        }
        for (int n = 0; n < edit.insert.size(); ++n)
            lines.insert(edit.at + n, RawLine{QByteArray(), edit.insert.at(n), end});
    }

    QByteArray data = utf8 ? kUtf8Bom : QByteArray();
    for (int i = 0; i < lines.size(); ++i) {
        const RawLine& line = lines.at(i);
        if (line.bytes.isNull()) {
            data += utf8 ? line.text.toUtf8() : encodeCp1252(line.text);
            data += line.end;
            continue;
        }
        data += line.bytes;
        // A last line without a line end gets one when lines follow it now.
        if (i + 1 < lines.size() && lineEnd(line.bytes).isEmpty())
            data += "\r\n";
    }
    return writeFileAtomic(file, data, error);
}

bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value, QString* error) {
    return WriteProfileStrings(file, section, {{key, value}}, error);
}

}  // namespace platform
