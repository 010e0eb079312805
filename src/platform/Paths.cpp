#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <mutex>

#include <dirent.h>

namespace platform {

namespace {

QString executableFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    QFileInfo self(QStringLiteral("/proc/self/exe"));
    QString target = self.symLinkTarget();
    return target.isEmpty() ? QString() : QFileInfo(target).absolutePath();
}

QString withoutTrailingSeparator(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

// The names in `folder`, read straight from the directory: no file is
// looked at, which keeps the reading of a folder of a hundred files cheap.
QStringList folderEntries(const QString& folder) {
    QStringList entries;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return entries;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        entries << QFile::decodeName(name);
    }
    ::closedir(dir);
    return entries;
}

// The entry of `entries` that `name` stands for when its own spelling is not
// there: the one equal to it without regard to case, and of several such the
// first in code-point order, whatever order the file system lists them in.
QString otherSpelling(const QStringList& entries, const QString& name) {
    QString best;
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && (best.isEmpty() || entry < best))
            best = entry;
    return best;
}

// Finds the entry of `folder` whose name equals `name` without regard to
// case; exact spelling first so that a folder holding both "a" and "A" keeps
// both reachable.
QString findEntry(const QString& folder, const QString& name) {
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    return otherSpelling(folderEntries(folder), name);
}

}  // namespace

QString normalizeSeparators(const QString& path) {
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (result.contains(QLatin1String("//")))
        result.replace(QLatin1String("//"), QLatin1String("/"));
    return result;
}

bool isPlainFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QChar::ReplacementCharacter ||
            c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString programFolder() {
    QString folder = qEnvironmentVariable("DROVIK_HOME");
    if (folder.isEmpty()) {
        const QString exeFolder = executableFolder();
        QFileInfo info(exeFolder);
        if (!exeFolder.isEmpty() && info.isDir() && info.isWritable()) {
            folder = exeFolder;
        } else {
            QString data = qEnvironmentVariable("XDG_DATA_HOME");
            if (data.isEmpty())
                data = QDir::homePath() + QStringLiteral("/.local/share");
            folder = data + QStringLiteral("/velmora-drovik");
        }
    }
    folder = withoutTrailingSeparator(QDir::cleanPath(QDir(folder).absolutePath()));
    // Made once, not at every lookup: a folder removed later is made again
    // by the first write into it (writeFileAtomic).
    static std::mutex guard;
    static QString made;
    std::lock_guard<std::mutex> lock(guard);
    if (folder != made && makeFolders(folder))
        made = folder;
    return folder;
}

bool remakeProgramFolder() {
    const QString folder = programFolder();
    return !QFileInfo(folder).isDir() && QDir().mkpath(folder);
}

bool makeFolders(const QString& folder) {
    if (folder.isEmpty())
        return false;
    return QFileInfo(folder).isDir() || QDir().mkpath(folder);
}

QString resolveBelow(const QString& base, const QString& relative) {
    const QString rel = normalizeSeparators(relative);
    const bool trailing = rel.endsWith(QLatin1Char('/'));
    QString current = withoutTrailingSeparator(base);
    bool existing = true;
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    // A path that exists as spelled resolves to itself: every folder on the
    // way exists as spelled too, so the walk below would find each part's
    // exact spelling first. One look-up instead of one per part.
    if (!parts.isEmpty() && !parts.contains(QLatin1String(".")) && !parts.contains(QLatin1String(".."))) {
        QString spelled = (current == QLatin1String("/") ? QString() : current) + QLatin1Char('/') +
                          parts.join(QLatin1Char('/'));
        if (QFileInfo::exists(spelled))
            return trailing ? spelled + QLatin1Char('/') : spelled;
    }
    for (const QString& part : parts) {
        if (part == QLatin1String("."))
            continue;
        QString name = part;
        if (existing && part != QLatin1String("..")) {
            const QString found = findEntry(current, part);
            if (found.isEmpty())
                existing = false;
            else
                name = found;
        }
        current = (current == QLatin1String("/") ? QString() : current) + QLatin1Char('/') + name;
    }
    if (trailing && !current.endsWith(QLatin1Char('/')))
        current += QLatin1Char('/');
    return current;
}

QStringList resolveNamesIn(const QString& folder, const QStringList& names) {
    const QString base = withoutTrailingSeparator(folder);
    const QString prefix = base == QLatin1String("/") ? base : base + QLatin1Char('/');
    const QStringList entries = folderEntries(base);
    const QSet<QString> spelled(entries.begin(), entries.end());
    QStringList paths;
    for (const QString& name : names) {
        if (spelled.contains(name)) {
            paths << prefix + name;
            continue;
        }
        const QString other = otherSpelling(entries, name);
        paths << prefix + (other.isEmpty() ? name : other);
    }
    return paths;
}

QString programPath(const QString& relative) {
    return resolveBelow(programFolder(), relative);
}

QString resolvePath(const QString& path) {
    if (path.isEmpty())
        return QString();
    const QString normal = normalizeSeparators(path);
    if (!normal.startsWith(QLatin1Char('/')))
        return programPath(normal);
    const QString home = programFolder();
    if (normal == home || normal == home + QLatin1Char('/'))
        return normal;
    const QString prefix = home == QLatin1String("/") ? home : home + QLatin1Char('/');
    if (normal.startsWith(prefix))
        return resolveBelow(home, normal.mid(prefix.size()));
    return normal;
}

}  // namespace platform
