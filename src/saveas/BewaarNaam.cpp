#include "saveas/BewaarNaam.h"

#include <QStringList>

#include "shared/Bestanden.h"

namespace bewaarnaam {

namespace {
QString Veld(const QString& tekst, int n) {
    const QStringList velden = tekst.split(QChar('|'));
    return n < velden.size() ? velden.at(n) : QString();
}

bool IsStuurteken(QChar c) {
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
        || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}
}  // namespace

QString GeweigerdeTekens(const QString& weigerTekst) {
    return Veld(weigerTekst, 3) + QChar('|');
}

QString WeigerMelding(const QString& weigerTekst) {
    return Veld(weigerTekst, 1) + QStringLiteral("\n\n") + Veld(weigerTekst, 3);
}

bool TikWeigeren(QChar teken, const QString& weigerTekst) {
    if (IsStuurteken(teken))
        return false;
    return GeweigerdeTekens(weigerTekst).contains(teken);
}

bool NaamToegestaan(const QString& naam, const QString& weigerTekst) {
    const QString n = naam.trimmed();
    if (!EigenNaamGeldig(n))
        return false;
    const QString geweigerd = GeweigerdeTekens(weigerTekst);
    for (QChar c : n) {
        if (c == QChar('/') || c == QChar('\\') || c == QChar('\0') || IsStuurteken(c)
            || geweigerd.contains(c))
            return false;
    }
    return true;
}

}  // namespace bewaarnaam
