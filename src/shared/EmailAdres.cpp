#include "shared/EmailAdres.h"

#include <QStringList>

bool EmailAdresGeldig(const QString& adres) {
    if (adres.count(QLatin1Char('@')) != 1)
        return false;
    for (const QChar c : adres) {
        if (c.isSpace() || c.category() == QChar::Other_Control ||
            QStringLiteral("<>,;\"").contains(c))
            return false;
    }
    const int at = adres.indexOf(QLatin1Char('@'));
    const QString lokaal = adres.left(at);
    const QString domein = adres.mid(at + 1);
    if (lokaal.isEmpty() || !domein.contains(QLatin1Char('.')))
        return false;
    // Every label of the domain holds something: no leading, trailing or
    // doubled dot.
    for (const QString& deel : domein.split(QLatin1Char('.')))
        if (deel.isEmpty())
            return false;
    return true;
}
