#include "platform/Desktop.h"

#include <QDir>
#include <QFile>

#include "platform/TextFile.h"

namespace platform {

namespace {

// The value of XDG_DESKTOP_DIR in the user-dirs file, "" when absent.
QString configuredDesktop(const QString& home) {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = home + QStringLiteral("/.config");
    // This file is UTF-8, unlike the program's own files.
    QFile file(config + QStringLiteral("/user-dirs.dirs"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = splitLines(QString::fromUtf8(file.readAll()));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (!line.startsWith(QLatin1String("XDG_DESKTOP_DIR")))
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || line.left(eq).trimmed() != QLatin1String("XDG_DESKTOP_DIR"))
            continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        if (value.startsWith(QLatin1String("$HOME")))
            value = home + value.mid(5);
        if (!value.startsWith(QLatin1Char('/')))
            return QString();
        return QDir::cleanPath(value);
    }
    return QString();
}

}  // namespace

QString desktopFolder() {
    const QString home = QDir::homePath();
    QString folder = configuredDesktop(home);
    if (folder.isEmpty())
        folder = home + QStringLiteral("/Desktop");
    QDir().mkpath(folder);
    return folder;
}

}  // namespace platform
