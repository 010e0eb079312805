#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <mutex>

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

// Finds the entry of `folder` whose name equals `name` without regard to
// case; exact spelling first so that a folder holding both "a" and "A" keeps
// both reachable.
QString findEntry(const QString& folder, const QString& name) {
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    QDir dir(folder);
    if (!dir.exists())
        return QString();
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                      QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
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
