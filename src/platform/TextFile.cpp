#include "platform/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

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

namespace {

// Calls `f` with each code point of `text`, without copying it; a surrogate
// without its partner is passed as it stands (and encodes as a loss).
template <typename F>
void forEachCodePoint(const QString& text, F f) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            f(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            f(char32_t(c.unicode()));
        }
    }
}

// Appends `text` encoded to `out`; false when a character was lost to '?'.
// A code point never takes more than one UTF-16 unit's room, so the room is
// made once and trimmed after.
bool appendCp1252(const QString& text, QByteArray& out) {
    bool whole = true;
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* p = out.data() + start;
    forEachCodePoint(text, [&](char32_t cp) {
        const char b = encodeOne(cp);
        whole = whole && (b != '?' || cp == '?');
        *p++ = b;
    });
    out.resize(p - out.constData());
    return whole;
}

}  // namespace

QByteArray encodeCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    appendCp1252(text, out);
    return out;
}

QString charsOutsideCp1252(const QString& text) {
    QString out;
    const QList<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints) {
        // '?' stands for itself; any other '?' from the encoder is a loss.
        if (cp == '?' || encodeOne(cp) != '?')
            continue;
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
        if (!out.contains(one))
            out += one;
    }
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

QString decodeText(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf8Bom))
        return QString::fromUtf8(bytes.mid(kUtf8Bom.size()));
    return decodeCp1252(bytes);
}

namespace {

QString faultText(FileFault fault, const struct stat* st) {
    switch (fault) {
    case FileFault::None: return QString();
    case FileFault::Missing: return QStringLiteral("file not found");
    case FileFault::NotAFile:
        return st && S_ISDIR(st->st_mode) ? QStringLiteral("is a folder, not a file")
                                          : QStringLiteral("is not a regular file");
    case FileFault::TooLarge: return QStringLiteral("file too large");
    case FileFault::Unreadable: return QStringLiteral("cannot be read");
    }
    return QString();
}

FileFault faultOfStat(const struct stat& st, qint64 maxBytes) {
    if (!S_ISREG(st.st_mode))
        return FileFault::NotAFile;
    if (st.st_size > maxBytes)
        return FileFault::TooLarge;
    return FileFault::None;
}

FileFault faultOfErrno(int err) {
    return (err == ENOENT || err == ENOTDIR) ? FileFault::Missing : FileFault::Unreadable;
}

}  // namespace

FileFault inspectFile(const QString& path, qint64 maxBytes) {
    const QString target = resolvePath(path);
    if (target.isEmpty())
        return FileFault::Missing;
    struct stat st {};
    if (::stat(QFile::encodeName(target).constData(), &st) != 0)
        return faultOfErrno(errno);
    return faultOfStat(st, maxBytes);
}

FileFault readFileBytes(const QString& path, QByteArray& bytes, qint64 maxBytes, QString* error) {
    bytes.clear();
    const QString target = resolvePath(path);
    struct stat st {};
    auto fail = [&](FileFault fault, const QString& why) {
        bytes.clear();
        if (error)
            *error = QStringLiteral("%1: %2").arg(target, why);
        return fault;
    };
    if (target.isEmpty())
        return fail(FileFault::Missing, faultText(FileFault::Missing, nullptr));
    // Non-blocking, so that a FIFO opens at once instead of waiting for a
    // writer; what was opened is then checked, not the name.
    const int fd = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        const FileFault fault = faultOfErrno(err);
        return fail(fault, fault == FileFault::Missing ? faultText(fault, nullptr)
                                                       : QString::fromLocal8Bit(std::strerror(err)));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &st) != 0)
        return fail(FileFault::Unreadable, QString::fromLocal8Bit(std::strerror(errno)));
    const FileFault fault = faultOfStat(st, maxBytes);
    if (fault != FileFault::None)
        return fail(fault, faultText(fault, &st));
    // A regular file reads to its end; one that grows past the limit while
    // it is read is refused all the same.
    bytes.resize(static_cast<qsizetype>(st.st_size));
    qint64 done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > maxBytes)
                return fail(FileFault::TooLarge, faultText(FileFault::TooLarge, &st));
            bytes.resize(static_cast<qsizetype>(done + 4096));
        }
        const ssize_t n = ::read(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(FileFault::Unreadable, QString::fromLocal8Bit(std::strerror(errno)));
        }
        if (n == 0)
            break;
        done += n;
    }
    if (done > maxBytes)
        return fail(FileFault::TooLarge, faultText(FileFault::TooLarge, &st));
    bytes.resize(static_cast<qsizetype>(done));
    return FileFault::None;
}

bool readTextFile(const QString& path, QString& text, QString* error, qint64 maxBytes) {
    text.clear();
    QByteArray bytes;
    if (readFileBytes(path, bytes, maxBytes, error) != FileFault::None)
        return false;
    text = decodeText(bytes);
    return true;
}

bool readTextLines(const QString& path, QStringList& lines, QString* error, qint64 maxBytes) {
    QString text;
    lines.clear();
    if (!readTextFile(path, text, error, maxBytes))
        return false;
    lines = splitLines(text);
    return true;
}

namespace {

// A text the code page cannot hold is refused whole: written, it would
// come back changed.
bool encodable(const QString& path, const QString& text, QString* error) {
    const QString lost = charsOutsideCp1252(text);
    if (lost.isEmpty())
        return true;
    if (error)
        *error = QStringLiteral("%1: characters outside code page 1252: %2").arg(resolvePath(path), lost);
    return false;
}

}  // namespace

bool encodeTextLines(const QString& path, const QStringList& lines, QByteArray& data, QString* error) {
    // One pass: the lines are encoded as they are checked.
    data.clear();
    qsizetype room = 0;
    for (const QString& line : lines)
        room += line.size() + 2;
    data.reserve(room);
    for (const QString& line : lines) {
        if (!appendCp1252(line, data)) {
            data.clear();
            return encodable(path, line, error);
        }
        data.append("\r\n");
    }
    return true;
}

bool writeTextLines(const QString& path, const QStringList& lines, QString* error) {
    QByteArray data;
    return encodeTextLines(path, lines, data, error) && writeFileAtomic(path, data, error);
}

bool writeTextFile(const QString& path, const QString& text, QString* error) {
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normal.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    if (!encodable(path, normal, error))
        return false;
    return writeFileAtomic(path, encodeCp1252(normal), error);
}

bool appendTextLines(const QString& path, const QStringList& lines, QString* error) {
    QByteArray bytes;
    const FileFault fault = readFileBytes(path, bytes, kTextFileMax, error);
    if (fault != FileFault::None && fault != FileFault::Missing)
        return false;
    QStringList all = splitLines(decodeText(bytes));
    all.append(lines);
    return writeTextLines(path, all, error);
}

}  // namespace platform
