#pragma once
// Rules of the main window's spinners. A spinner is a scroll bar whose value
// indexes a list of allowed values held from high to low; one step past
// either end wraps round. The point-window pair keeps the minimum below the
// maximum and the sum of both at most 40.

namespace spel {

constexpr int PuntenLijstAantal = 40;  // "40" at index 0 down to "1" at index 39

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

// A point window that breaks the rules (read from the settings file, say)
// brought back inside them: 1 <= min < max, min + max <= 40. A window that
// keeps the rules is returned unchanged.
struct PuntenPaar {
    int min;
    int max;
};
PuntenPaar NormaliseerPuntvenster(int min, int max);

}  // namespace spel
