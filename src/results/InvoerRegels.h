#pragma once
// Rules of the results entry window that need no window: the score slip as
// a list of rows (the first free row, the filled tables), the pair caption
// of a row as designed and swapped, the entry that repeats a row's
// contract, the done flags of a board count, the vulnerability caption of
// a board, the captions of the two sort boxes, and the adjusted contract
// text of a percentage.

#include <QString>
#include <vector>

namespace invoer {

// One row of the score slip as these rules read it.
struct SlipRij {
    bool zichtbaar = false;
    QString contractNZ;
    QString contractOW;
    bool Vrij() const { return contractNZ.isEmpty() && contractOW.isEmpty(); }
};

// The first visible free row, searched from row 0 and ending at the first
// hidden row; -1 when every visible row holds a contract.
int EersteVrijeRij(const std::vector<SlipRij>& rijen);

// The row an entry goes to: `gevraagd` (the row the prompt names) when it
// is a visible free row, else the first visible free row; -1 when none.
int InvoerRij(const std::vector<SlipRij>& rijen, int gevraagd);

// The visible rows (from row 0 up to the first hidden row) that hold a
// contract on either side.
int GevuldeRijen(const std::vector<SlipRij>& rijen);

// The number of tables of a match: one per two pairs, at most 20.
int Tafels(int paren);

// The pair caption row i is designed with: "1 - 2" for row 0 up to
// "39 - 40" for row 19.
QString OntwerpPaar(int rij);

// The caption with its two pair numbers swapped ("5 - 6" gives "6 - 5");
// a caption that is not two numbers joined by "-" comes back unchanged.
QString WisselPaar(const QString& paar);

// The first number of a pair caption, 0 when it has none.
int EerstePaarNummer(const QString& paar);

// The entry that repeats a placed contract: the slip text of the side that
// holds it followed by that side's declarer letter (North for North-South,
// East for East-West, letters of `alfabet`); "P" and "N" stay as they are.
// "" for a row without a contract or with an adjusted score.
QString HerhaalInvoer(const QString& contractNZ, const QString& contractOW, const QString& alfabet);

// True for the contract text of an adjusted score ("60.00%").
bool IsArbitraal(const QString& contract);

// The done flags for a match of `spellen` boards: `vlaggen` cut or filled
// up with "0" to that length; every character that is not "1" becomes "0".
QString PasKlaarAan(const QString& vlaggen, int spellen);

// The number (1-based) of the first board not done, 0 when all are done.
int EersteOpenSpel(const QString& vlaggen);

// The text number of a board's vulnerability: 105 North-South, 106
// East-West, 107 both, 7 nobody.
int KwetsbaarTekstNummer(int bord);

// The caption of sort box `index` (0 groups, 1 matches) for its value:
// text 117 for 0, else 118; the match box gets the access key on the "a"
// of "laag" in Dutch and the "o" of "low" in English, so that the two boxes
// differ.
QString SorteerTekst(int index, int waarde, int taalNummer);

// True for a whole percentage as the adjusted-score window takes it: one
// or two digits (0 to 99), nothing else.
bool IsProcent(const QString& tekst);

// The contract text of an adjusted score: the percentage and ".00%".
QString ArbitraleTekst(const QString& procent);

}  // namespace invoer
