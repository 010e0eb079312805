#pragma once
// The print settings of taal.ini section [Printer] as the printer settings
// window and the print chain read them. Both read through these functions,
// so a value edited by hand outside its range means the same everywhere:
// a layout outside 0..3 is layout 0, a spacing or narrowing outside its
// list is clamped to the list's nearest end. Reading never writes.

#include <QString>

// Values offered by the spinners of the printer settings window.
constexpr int kHoogsteTussenruimte = 10;  // "Tussenruimte" 0 .. 10
constexpr int kHoogsteBreedte = 23;       // "PDF Breedte" 0 .. 23
constexpr int kAantalRichtingen = 4;      // "Print Richting" 0 .. 3

struct PrinterInstellingen {
    QString printer;       // "PDF printer", trimmed; "" when none is stored
    int richting = 0;      // "Print Richting"
    int tussenruimte = 0;  // "Tussenruimte"
    int breedte = 0;       // "PDF Breedte"
};

// The stored texts read as their settings (a missing or non-numeric value
// counts as 0, as the numeric value of the text).
int RichtingUitTekst(const QString& waarde);
int TussenruimteUitTekst(const QString& waarde);
int BreedteUitTekst(const QString& waarde);

// The four keys of [Printer] in the settings file IniBestand.
PrinterInstellingen LeesPrinterInstellingen();

// The spacing of the current print run, or of the printer settings window
// while it is open: steps of 60 twips added to the height of every layout
// window.
extern int Tussenruimte;
