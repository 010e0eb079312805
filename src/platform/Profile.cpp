#include "platform/Profile.h"

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

void profileAssign(QStringList& lines, const QString& section, const QString& key,
                   const QString& value) {
    QString flat = value;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" "));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();

    const int header = findSection(lines, sectionName);
    if (header < 0) {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + sectionName + QLatin1Char(']'));
        lines.append(keyName + QLatin1Char('=') + flat);
        return;
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
            lines[i] = k + QLatin1Char('=') + flat;
            return;
        }
        if (!lines.at(i).trimmed().isEmpty())
            lastContent = i;
    }
    lines.insert(lastContent + 1, keyName + QLatin1Char('=') + flat);
}

QString ReadProfileString(const QString& file, const QString& section, const QString& key) {
    QStringList lines;
    if (!readTextLines(file, lines, nullptr, kProfileFileMax))
        return QString();
    return profileLookup(lines, section, key);
}

bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value, QString* error) {
    // A missing file is created; one that exists but cannot be read (not a
    // regular file, too large, no rights) is left alone rather than
    // replaced by a file holding only this key.
    QByteArray bytes;
    const FileFault fault = readFileBytes(file, bytes, kProfileFileMax, error);
    if (fault != FileFault::None && fault != FileFault::Missing)
        return false;
    QStringList lines = splitLines(decodeText(bytes));
    profileAssign(lines, section, key, value);
    return writeTextLines(file, lines, error);
}

}  // namespace platform
