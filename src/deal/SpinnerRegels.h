#pragma once
// Rules of the spinners of the main window and the settings window. A
// spinner is a scroll bar whose value indexes a list of allowed values held
// from high to low; one step past either end wraps round. The point-window
// pair keeps the minimum below the maximum and the sum of both at most 40;
// an opening-type pair keeps its minimum below its maximum. Both windows
// use these functions, so their spinners follow one set of rules.

#include "shared/Instellingen.h"

namespace spel {

constexpr int PuntenLijstAantal = PuntenInHetSpel;  // "40" at index 0 down to "1" at index 39

// The value shown at index i of the point lists, and the index of a value.
constexpr int PuntenBijIndex(int index) { return PuntenLijstAantal - index; }
constexpr int IndexVanPunten(int punten) { return PuntenLijstAantal - punten; }

// A spinner position brought back into 0..aantal-1: below 0 becomes the last
// index, above the last becomes 0. With an empty list the result is -1.
int WikkelIndex(int waarde, int aantal);

// The index the minimum spinner settles on after its value became waarde,
// with the maximum showing maximum.
int RegelMinimum(int waarde, int maximum);
// The index the maximum spinner settles on after its value became waarde,
// with the minimum showing minimum.
int RegelMaximum(int waarde, int minimum);


// A spinner's list: the whole numbers from `hoogste` at index 0 down to
// `laagste` at the last index.
struct SpinnerLijst {
    int hoogste;
    int laagste;
    constexpr int Aantal() const { return hoogste - laagste + 1; }
    constexpr int WaardeBij(int index) const { return hoogste - index; }
    constexpr int IndexVan(int waarde) const { return hoogste - waarde; }
};

constexpr SpinnerLijst PuntenLijst{PuntenLijstAantal, 1};  // point window
constexpr SpinnerLijst MaxLengteLijst{13, 8};              // maximum suit length
constexpr SpinnerLijst HonneursLijst{4, 0};                // honours in the suit
constexpr SpinnerLijst OpeningPuntenLijst{11, 5};          // opening-type points

// The index of the item that shows a stored value: the value's own item, or
// the nearest end of the list for a value outside it.
int DichtstbijIndex(int waarde, SpinnerLijst lijst);

// The index an opening-type minimum spinner settles on after its value
// became waarde, with its maximum showing maximum: a minimum at or above the
// maximum becomes the maximum minus 1. The result always lies in the list,
// also for a maximum at or below the list's lowest value.
int RegelOpeningMinimum(int waarde, int maximum, SpinnerLijst lijst = OpeningPuntenLijst);
// The same for the maximum spinner, with its minimum showing minimum: a
// maximum at or below the minimum becomes the minimum plus 1, at most the
// list's highest value.
int RegelOpeningMaximum(int waarde, int minimum, SpinnerLijst lijst = OpeningPuntenLijst);

}  // namespace spel
