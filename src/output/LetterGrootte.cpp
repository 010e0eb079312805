#include "output/LetterGrootte.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

#include "platform/Screen.h"

namespace afdruk {

namespace {

// Width of the text with the overhang of its first and last glyph, so that
// an italic or a wide last letter counts in full.
double Breedte(const QFontMetricsF& maat, const QString& tekst) {
    if (tekst.isEmpty())
        return 0.0;
    const double links = std::max(0.0, -maat.leftBearing(tekst.front()));
    const double rechts = std::max(0.0, -maat.rightBearing(tekst.back()));
    return maat.horizontalAdvance(tekst) + links + rechts;
}

bool PastAlles(const QFont& letter, const QStringList& teksten, int ruimte) {
    const QFontMetricsF maat(letter);
    for (const QString& t : teksten)
        if (std::ceil(Breedte(maat, t)) > ruimte)
            return false;
    return true;
}

}  // namespace

double PassendeGrootte(const QFont& letter, const QStringList& teksten, int ruimte,
                       double ontwerp) {
    QFont proef = letter;
    // Quarter points, counted in whole steps so that no rounding creeps in.
    for (int kwart = int(std::lround(ontwerp * 4)); kwart > int(KleinsteLetter * 4); --kwart) {
        proef.setPointSizeF(kwart / 4.0);
        if (PastAlles(proef, teksten, ruimte))
            return kwart / 4.0;
    }
    return std::min(ontwerp, KleinsteLetter);
}

int LabelRuimte(double breedteTwips) { return platform::PixelsFromTwips(breedteTwips) - 1; }

int TekstvakRuimte(double breedteTwips) {
    // Two pixels of margin on each side, one for the caret and one spare.
    return platform::PixelsFromTwips(breedteTwips) - 6;
}

}  // namespace afdruk
