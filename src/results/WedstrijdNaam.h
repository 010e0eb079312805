#pragma once
// The one rule for the name of a match, wherever a match is named (the
// group composer's Save and rename, the results entry's Save-as). It is
// decided by what the name must stand in: it names the match folder, every
// file of the match and the export folder of the sibling program, so it is
// one plain name of the user's own that fits the file system with the
// longest file named after it, and not the name of a board's result file;
// and it stands in code page 1252 text (the results mail, the address list
// written instead of it, the export), so every character is one that code
// page holds. The characters no saved name may hold (text 85) are the
// check of the windows that take a name, made before this one.

#include <QString>

namespace uitslag {

enum class WedstrijdNaamFout {
    Geen,
    Ongeldig,  // no plain name of the user's own (EigenNaamGeldig)
    Tekens,    // a character outside code page 1252
    TeLang,    // too long for the files named after it (WedstrijdNaamPast)
    BordNaam,  // its pairs file would be a board's result file (WedstrijdNaamBotst)
};

// What is wrong with `naam` as a match's name (as given, not trimmed).
WedstrijdNaamFout ToetsWedstrijdNaam(const QString& naam);

// The message for a refused name, in the current language ("" for Geen).
QString WedstrijdNaamMelding(WedstrijdNaamFout fout, const QString& naam);

}  // namespace uitslag
