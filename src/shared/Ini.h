#pragma once
// Reading and writing one key of an INI file, and the numeric reading of
// INI values.

#include <QList>
#include <QString>
#include <utility>

// Full path of the settings file, the program folder & "/taal.ini"; "" until
// the first LeesInstellingen.
extern QString IniBestand;
// The value found by the last LeesIni ("" when the key is absent or empty).
// Read it right after the call: every LeesIni overwrites it.
extern QString IniWaarde;

// Leaves the value of key `sleutel` in section `sectie` of `bestand` in
// IniWaarde (names match without regard to case; cut at 254 characters).
void LeesIni(const QString& sectie, const QString& sleutel, const QString& bestand);

// Writes `waarde` to the key, creating file, section and key when needed;
// every other line of the file is kept as it is. Every setting of the
// program (taal.ini, scherm.ini, Sorteer.ini) is written through here, and
// a write that fails is told here, so no caller can lose one in silence:
// - a value the file cannot hold (a character outside code page 1252, more
//   than 254 characters) is not written, and the message says why;
// - a file that cannot be written (read-only, a full disk, not a file) is
//   left as it was and the message names it and the reason. Within one
//   action of the user (one handler and what it runs), a file that fails
//   for the same reason is told once, however many keys the action writes.
// The message comes from here: callers add none of their own.
// Returns true when the value is on disk.
bool SchrijfIni(const QString& sectie, const QString& sleutel, const QString& waarde,
                const QString& bestand);
// Several keys of one section in one write: all are stored, or none.
bool SchrijfIni(const QString& sectie, const QList<std::pair<QString, QString>>& sleutels,
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
