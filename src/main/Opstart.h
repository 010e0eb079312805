#pragma once
// Program-wide values the main window sets up at start-up, and the look-ups
// behind them that need no window: the owner's name, the sibling results
// program on disk, the caption's version.

#include <QString>

// Shake the main window while dealing.
extern bool BibberenAan;
// Hidden week number, advanced by every print press (starts at 39).
extern int WeekNummer;

// The owner of this copy: `ingesteld` (the organiser's name for e-mail) when
// not blank, else the account's full name, else the login name.
QString BepaalEigenaarNaam(const QString& ingesteld);
// Sets EigenaarNaam from taal.ini [Standaard] "Naam voor e-mail", the name
// the settings window stores, through BepaalEigenaarNaam.
void LeesEigenaarNaam();
// The account's full name from the user database (first comma field of
// the GECOS entry), else the login name; "" when neither is known.
QString AccountNaam();

// The sibling results program: the first candidate folder under the Wine
// prefix whose program file exists and is not empty.
struct CvnVondst {
    QString map;    // "" when not found
    QString serie;  // " 6 " or " 5 ", "" when not found
};
// winePrefix: $WINEPREFIX, or ~/.wine when that is unset or empty.
QString WinePrefix();
CvnVondst ZoekCvn(const QString& winePrefix);

// The program's version as major.minor.revision, plain integers.
QString ProgrammaVersie();

// Removes the temporary files that writes interrupted by a crash left in the
// program folder and its data folders, and in the export folders of the
// sibling results program (Pandel\<match> under the folder ZoekCvn finds);
// returns how many. Run at start-up, once this copy holds the program lock.
int RuimOnderbrokenSchrijfwerkOp();

// The message for the program's INI files (taal.ini, scherm.ini,
// Sorteer.ini) that exist but cannot be read: not a regular file or larger
// than an INI file can sanely be. "" when every one is readable or absent.
// Such a file reads as empty (every setting takes its default) and is never
// rewritten.
QString InstellingenBestandMelding();
