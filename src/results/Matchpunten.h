#pragma once
// Matchpoints of one board: each side's scores are ranked apart, 2 points
// for every table beaten and 1 for every table tied. Tables that did not
// play ("n") and tables with an adjusted percentage ("%" in the contract)
// are left out of the ranking, and the ranked tables are then rescaled to
// the board's full top (Neuberg).

#include <QString>
#include <QStringList>
#include <vector>

namespace uitslag {

// One visible slip row as the computation reads it.
struct SlipRegel {
    QString paar;        // "<North-South pair> - <East-West pair>"
    QString contractNZ;
    QString contractOW;
    QString scoreNZ;
    QString scoreOW;
};

// The top of a board (matchpoints of the best result with every table
// ranked): 2 x (tables - 1). A match of P pairs plays P \ 2 tables (at most
// 20): with an odd number of pairs the pair that sits out plays no table.
int TopVanTafels(int tafels);
int TopVanParen(int paren);

// A number as plain text: at most 15 significant digits, "." as the
// decimal point, no "0" before the point of a value between 0 and 1
// (6, 7.2, .5).
QString GetalTekst(double waarde);

// A matchpoint value rounded to two decimals as the slip and the results
// grid show a rescaled value or a board total (5.67, 3, 0.33).
QString TweeDecimalen(double waarde);

// The matchpoints of an adjusted score: the percentage at the start of its
// contract text ("60.00%") of the top.
QString ArbitraleMatchpunten(const QString& procentTekst, int top);

enum class MpFout {
    Geen,
    GeenTafels,     // no rows
    LegeRij,        // a table without a result (both contracts empty)
    GeenScore,      // a ranked table whose scores are not whole numbers
    PaarNummers,    // a pair caption that is not two pair numbers
};

struct MpUitkomst {
    MpFout fout = MpFout::Geen;
    int rij = -1;                 // the row at fault
    std::vector<QString> mpNZ;    // per row; empty text for a table that did not play
    std::vector<QString> mpOW;
    std::vector<int> paarNZ;      // the pair numbers of each row
    std::vector<int> paarOW;
    int uitgesloten = 0;          // tables left out of the ranking
    QString totaal;               // sum of all matchpoints of the board
    bool Gelukt() const { return fout == MpFout::Geen; }
};

// Matchpoints for the visible rows of a board's slip (one row per table).
// Nothing is computed while a row has no result, a ranked row has no whole
// score or a pair caption is not two numbers; the fault and its row come
// back instead.
MpUitkomst BerekenMatchpunten(const std::vector<SlipRegel>& rijen);

// The board's column of the results grid of `gridRijen` rows (the header,
// one row per pair, the closing row): each pair's matchpoints in its row,
// the board's total in the last; cell 0 and the rows of pairs that did not
// play stay empty.
QStringList GridKolom(const MpUitkomst& u, int gridRijen);

// The message for a failed computation (texts 332 to 334), in the current
// language, for board `bord`.
QString MatchpuntMelding(const MpUitkomst& uitkomst, int bord);

}  // namespace uitslag
