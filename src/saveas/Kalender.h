#pragma once
// Month grid and date rules of the calendar window, without the window.
//
// The grid has 42 cells, seven to a row, Monday first: cell 7(r-1)+c is row r
// (1..6), column c (1 Monday .. 7 Sunday). Day 1 of a month stands in the
// cell of its weekday in row 1; the other days follow in consecutive cells.

#include <QString>
#include <QStringList>

namespace kalender {

constexpr int AantalCellen = 42;
constexpr int EersteCelRijZes = 36;

bool IsSchrikkeljaar(int jaar);
// 28..31 days; 0 for a month outside 1..12.
int DagenInMaand(int jaar, int maand);
// Weekday of the first of the month, Monday = 1 .. Sunday = 7.
int WeekdagVanEerste(int jaar, int maand);

// The drawn grid of one month.
struct MaandRooster {
    int Jaar = 0;
    int Maand = 0;
    int EersteCel = 0;      // cell of day 1 (= weekday of the first)
    int DagenInMaand = 0;

    int LaatsteCel() const { return EersteCel + DagenInMaand - 1; }
    // The day written in a cell, 0 for an empty cell or a cell outside 1..42.
    int DagInCel(int cel) const;
    // The cell of a day, 0 when the month has no such day.
    int CelVanDag(int dag) const;
    // Row 6 is shown only when the month reaches into it.
    bool RijZesZichtbaar() const { return LaatsteCel() >= EersteCelRijZes; }
};

MaandRooster BouwMaandRooster(int jaar, int maand);

// The chosen day kept within the month: 31 January, then February, gives the
// last day of February. A day below 1 becomes 1.
int BegrensDag(int dag, int jaar, int maand);

// The date in a pattern of day "DD", month "MM" and year "YYYY" parts
// ("DD-MM-YYYY", "YYYY-MM-DD"), built from the numbers: day and month in two
// digits, the year in four. Any other character of the pattern stays as it is.
QString DatumInPatroon(const QString& patroon, int dag, int maand, int jaar);

// The year list runs from 2012 to 2042, or to twenty years after the
// current year when that is later.
constexpr int EersteJaar = 2012;
constexpr int LaatsteJaar = 2042;
// The years of the year list as text, oldest first (see above).
QStringList JarenLijst(int huidigJaar);

// The date the caption shows when the window opens: "DD-MM-YYYY" in both
// languages (the chosen date follows the language's pattern).
constexpr const char* OpeningsPatroon = "DD-MM-YYYY";

// The date being chosen: always a valid date. Changing month or year keeps
// the day within the new month; a click on an empty cell changes nothing.
class KalenderKeuze {
public:
    KalenderKeuze(int dag, int maand, int jaar);

    int Dag() const { return dag_; }
    int Maand() const { return maand_; }
    int Jaar() const { return jaar_; }
    MaandRooster Rooster() const { return BouwMaandRooster(jaar_, maand_); }

    void KiesMaand(int maand);   // 1..12; other values are ignored
    void KiesJaar(int jaar);     // 1..9999; other values are ignored
    // True when the cell held a day, which is then the chosen day.
    bool KlikCel(int cel);
    // An arrow key on the grid: the day `stap` days on (-1 left, +1 right,
    // -7 up, +7 down) becomes the chosen day when the month holds it; false,
    // and nothing changes, when it does not.
    bool Stap(int stap);
    QString Datum(const QString& patroon) const {
        return DatumInPatroon(patroon, dag_, maand_, jaar_);
    }

private:
    int dag_ = 1;
    int maand_ = 1;
    int jaar_ = 2000;
};

// Split a text of names each followed by "|" ("Ma|Di|...|") into its names.
// A last name without "|" is kept; empty names are dropped.
QStringList SplitsNamen(const QString& tekst);

}  // namespace kalender
