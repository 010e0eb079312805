#pragma once
// Scoring one table's result by the duplicate bridge scoring table, for the
// declaring and the defending side.

#include <QString>

#include "results/ContractNotatie.h"

namespace uitslag {

// The vulnerability code of a board: 0 nobody, 1 North-South, 2 East-West,
// 3 both; -1 for a board number outside 1 to 240.
int KwetsbaarCodeVanBord(int bord);

// True when the declaring side of `contract` is vulnerable under the code.
bool LeiderKwetsbaar(const Contract& contract, int kwetsbaarCode);

// The score of a played contract for the declaring side: positive when made
// (trick score, game or part-score bonus, slam bonus, bonus for making a
// doubled contract, overtricks), negative when down (the penalty).
int ContractScore(const Contract& contract, bool kwetsbaar);

// The score captions of one slip row. An entry that is no whole valid entry
// in `alfabet` (a strain the alphabet does not know included) scores
// nothing: gelukt false and both captions empty.
struct ScoreUitkomst {
    bool gelukt = false;
    QString nz;   // North-South: "420", "-50", "0" (passed out), "n" (not played)
    QString ow;   // East-West, the same number with the other sign
};
ScoreUitkomst BerekenScore(const QString& invoer, const QString& alfabet, int kwetsbaarCode);

// The message for an entry that could not be scored (text 330), in the
// current language; `invoer` is named in it.
QString ScoreMelding(const QString& invoer);

}  // namespace uitslag
