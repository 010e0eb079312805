#pragma once
// Deal records and the distribution header of a deal set.
//
// A record is one board as 21 fields joined by "~": the board number in three
// digits, the sixteen holdings (North, East, South, West, each spades, hearts,
// diamonds, clubs; a void is "-"), then per seat the seat name followed by the
// hand's points in parentheses. The ten of a holding is stored as "10" or as
// the ten letter "T"; every reader accepts both.
//
// The header is six fields joined by "~", each a caption ending in ": " and a
// count: voids, singletons, doubletons, 7-, 8- and 9-or-more-card suits.

#include <QString>
#include <QStringList>

#include "deal/SpelGenerator.h"

namespace spel {

constexpr int RecordVelden = 21;
constexpr int KopVelden = 6;
constexpr int MaximaalSpellen = 48;

// The letter that stands for the ten among the rank letters.
inline const QString TienLetter = QStringLiteral("T");

// Three-digit board number: 1 -> "001", 48 -> "048".
QString SpelNummerTekst(int spelnummer);

// The cards of one suit of a hand as rank letters high to low ("-" for a
// void); rangLetters holds the 13 letters from ace down to two.
QString HoudingTekst(Hand hand, int kleur, const QString& rangLetters);

// The ten in the form a record stores when dealt with this ten setting:
// Tien true stores "10", false stores the ten letter.
QString TienVoorRecord(const QString& houding, bool tien);
// The ten in the form the board display shows: Tien true shows the ten
// letter, false shows "10".
QString TienVoorWeergave(const QString& houding, bool tien);

// One record. windNamen holds the four seat names of the program's language.
QString BouwSpelRecord(int spelnummer, const Verdeling& v, const QStringList& windNamen,
                       const QString& rangLetters, bool tien);

// The header from the six captions (each already ending in ": ") and counts.
QString BouwVerdelingsKop(const QStringList& bijschriften, const LengteTellers& tellers);

// The count shown for one header field: the text after its first ":", trimmed
// (the whole field, trimmed, when it holds no ":").
QString KopTelling(const QString& veld);
// The six (or however many) fields of a header, cut at a "|" when it has one.
QStringList KopVeldenVan(const QString& kop);

// The points shown for a seat field: from its first "(" to the end, or "()"
// when it has none.
QString PuntenVanWindVeld(const QString& veld);

}  // namespace spel
