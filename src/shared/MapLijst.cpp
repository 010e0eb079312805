#include "shared/MapLijst.h"

#include <QDir>
#include <QFile>
#include <algorithm>

#include "platform/ControlsList.h"
#include "platform/Paths.h"
#include "shared/Tekst.h"

QList<MapItem> MapInhoud(const QString& map, const QString& extensie, bool aflopend) {
    QList<MapItem> uit;
    const QDir dir(platform::resolvePath(map));
    if (!dir.exists())
        return uit;
    // Without QDir::Hidden, entries starting with "." stay out of the list.
    const QDir::Filters soort = extensie.isEmpty() ? (QDir::Dirs | QDir::NoDotAndDotDot) : QDir::Files;
    for (const QString& naam : dir.entryList(soort, QDir::NoSort)) {
        if (!platform::isPlainFileName(naam))
            continue;
        QString toon = naam;
        if (!extensie.isEmpty()) {
            if (!naam.endsWith(extensie, Qt::CaseInsensitive) || naam.size() == extensie.size())
                continue;
            toon.chop(extensie.size());
        }
        uit.append({toon, naam});
    }
    std::stable_sort(uit.begin(), uit.end(), [](const MapItem& a, const MapItem& b) {
        const int c = a.naam.compare(b.naam, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.naam < b.naam;
    });
    if (aflopend)
        std::reverse(uit.begin(), uit.end());
    return uit;
}

QList<MapItem> VulMapLijst(platform::ListBox& lijst, const QString& map, const QString& extensie, bool aflopend) {
    QList<MapItem> items = MapInhoud(map, extensie, aflopend);
    lijst.Clear();
    for (const MapItem& item : items) lijst.AddItem(item.toon);
    return items;
}

QString LijstKop(const QString& tekst, int aantal) {
    return aantal > 0 ? tekst + QStringLiteral(" (") + QString::number(aantal) + QLatin1Char(')') : tekst;
}

QString WisLijstBestand(const QString& pad, const QString& naam) {
    QFile bestand(pad);
    if (bestand.remove() || !bestand.exists()) return QString();
    return VulIn(MetRegels(TaalTekst(311)), naam, bestand.errorString());
}
