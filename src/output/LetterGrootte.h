#pragma once
// Font sizes that let a text fit its box: the print layouts shrink the font
// of a caption or a holding that would otherwise be cut off or scrolled out
// of sight, so that every card and every letter reaches the paper.

#include <QFont>
#include <QStringList>

namespace afdruk {

// Smallest size the layouts go down to (points).
constexpr double KleinsteLetter = 6.0;

// The largest point size, from `ontwerp` down in quarter points to
// KleinsteLetter, at which every text in `teksten`, written in `letter` at
// that size, is at most `ruimte` pixels wide. KleinsteLetter when even that
// is too wide; `ontwerp` when the texts are empty.
double PassendeGrootte(const QFont& letter, const QStringList& teksten, int ruimte,
                       double ontwerp);

// Room for text, in pixels, in a label and in a single-line text box of
// this width in twips: a text box keeps a margin on both sides and room for
// the caret.
int LabelRuimte(double breedteTwips);
int TekstvakRuimte(double breedteTwips);

}  // namespace afdruk
