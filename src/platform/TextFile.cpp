#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>

#include "platform/AtomicFile.h"
#include "platform/Paths.h"

namespace platform {

namespace {

// Code points of the bytes 0x80 to 0x9F. The five bytes the code page leaves
// undefined map to the control character of the same value, so that any
// byte survives a read and a write.
const char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeOne(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHighTable[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);

}  // namespace

QByteArray encodeCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    const QList<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints)
        out.append(encodeOne(cp));
    return out;
}

QString decodeCp1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F)
            out.append(QChar(kHighTable[b - 0x80]));
        else
            out.append(QChar(b));
    }
    return out;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    QString current;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

bool readTextFile(const QString& path, QString& text, QString* error) {
    text.clear();
    const QString target = resolvePath(path);
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(target, why);
        return false;
    };
    QFileInfo info(target);
    if (!info.exists())
        return fail(QStringLiteral("file not found"));
    if (info.isDir())
        return fail(QStringLiteral("is a folder, not a file"));
    QFile file(target);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (bytes.startsWith(kUtf8Bom))
        text = QString::fromUtf8(bytes.mid(kUtf8Bom.size()));
    else
        text = decodeCp1252(bytes);
    return true;
}

bool readTextLines(const QString& path, QStringList& lines, QString* error) {
    QString text;
    lines.clear();
    if (!readTextFile(path, text, error))
        return false;
    lines = splitLines(text);
    return true;
}

bool writeTextLines(const QString& path, const QStringList& lines, QString* error) {
    QByteArray data;
    for (const QString& line : lines) {
        data.append(encodeCp1252(line));
        data.append("\r\n");
    }
    return writeFileAtomic(path, data, error);
}

bool writeTextFile(const QString& path, const QString& text, QString* error) {
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normal.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return writeFileAtomic(path, encodeCp1252(normal), error);
}

bool appendTextLines(const QString& path, const QStringList& lines, QString* error) {
    QStringList all;
    if (QFileInfo::exists(resolvePath(path)) && !readTextLines(path, all, error))
        return false;
    all.append(lines);
    return writeTextLines(path, all, error);
}

}  // namespace platform
