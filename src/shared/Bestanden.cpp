#include "shared/Bestanden.h"

#include <QDir>
#include <QFileInfo>

#include "platform/Desktop.h"
#include "platform/Online.h"
#include "platform/Paths.h"

int BestandBestaat(const QString& pad) {
    if (pad.trimmed().isEmpty())
        return -1;
    const QFileInfo info(platform::resolvePath(pad));
    if (!info.exists() || !info.isFile() || !info.isReadable())
        return -1;
    return info.size() > 0 ? 1 : 0;
}

bool EigenNaamGeldig(const QString& naam) {
    return platform::isPlainFileName(naam) && naam == naam.trimmed() && !naam.startsWith(QLatin1Char('.'));
}

void MaakMappen(QString& pad) {
    if (!pad.endsWith(QLatin1Char('\\')) && !pad.endsWith(QLatin1Char('/')))
        pad += QLatin1Char('/');
    // resolvePath keeps the spelling of the folders that exist in any case,
    // so only the missing ones are made.
    const QString folder = platform::resolvePath(pad);
    platform::makeFolders(folder);
}

bool HeeftInternet() {
    return platform::isOnline();
}

QString SpecialeMap(int csidl) {
    if (csidl != CSIDL_BUREAUBLAD)
        return QString();
    QString buffer = platform::desktopFolder() + QChar(0);
    if (buffer.size() < 512)
        buffer += QString(512 - buffer.size(), QLatin1Char(' '));
    return buffer;
}

QString BureaubladMap() {
    return SpecialeMap(CSIDL_BUREAUBLAD).section(QChar(0), 0, 0).trimmed();
}
