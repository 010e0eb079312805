#pragma once
// Reading and writing one key of an INI file, and the numeric reading of
// INI values.

#include <QString>

// Full path of the settings file, the program folder & "/taal.ini"; "" until
// the first LeesInstellingen.
extern QString IniBestand;
// The value found by the last LeesIni ("" when the key is absent or empty).
// Read it right after the call: every LeesIni overwrites it.
extern QString IniWaarde;

// Leaves the value of key `sleutel` in section `sectie` of `bestand` in
// IniWaarde (names match without regard to case; cut at 254 characters).
void LeesIni(const QString& sectie, const QString& sleutel, const QString& bestand);

// Writes `waarde` to the key, creating file, section and key when needed.
// A write that fails is ignored: the file keeps its old content.
void SchrijfIni(const QString& sectie, const QString& sleutel, const QString& waarde,
                const QString& bestand);

// The number at the start of a text: leading blanks skipped, then an
// optional sign, digits and one decimal point, up to the first other
// character ("7x" is 7, "-3.5" is -3.5); a text without a number gives 0.
double Val(const QString& tekst);

// True when the text starts (after blanks) with a number as Val reads it.
bool IsGetal(const QString& tekst);

// Val rounded to a whole number as a 16-bit Integer stores it: halves go to
// the even neighbour; values outside -32768..32767 are clamped.
int ValInteger(const QString& tekst);

// An INI value read as a 16-bit Integer: "" (absent) gives `standaard`, a
// text that is not a number gives 0 (as Val does), a number outside
// -32768..32767 gives `standaard`; otherwise Val rounded as ValInteger does.
int IniGetal(const QString& waarde, int standaard);

// LeesIni followed by IniGetal.
int LeesIniGetal(const QString& sectie, const QString& sleutel, const QString& bestand,
                 int standaard);
