#pragma once
// Program-wide state that several windows read or set: the Save-as dialog's
// caller and the names it hands back, the calendar's answer, the owner, the
// online state. A window that needs another's data gets it from here or from
// the window that opened it. Each variable is defined once in Globals.cpp.

#include <QString>
#include <QStringList>

// Number of the window that opened the dialog now on screen
// (0 nothing open, 1 main window, 4 names editor, 5 group composer,
// 11 results entry).
extern int AanroepScherm;
// Set while code fills controls, so that their Change handlers return at once.
extern bool BezigMetLaden;
// Fields of the last record or line split by a caller (scratch).
extern QStringList Velden;

// Names handed back by the Save-as dialog.
extern QString NieuweNaam;
extern QString SessieNaam;
extern QString SessieBestand;

// Calendar: how it was opened and the date it hands back ("" when cancelled).
extern int KalenderModus;
extern QString GekozenDatum;

// The user's own address (sender of every mail) and the owner of this copy.
extern QString EigenEmailAdres;
extern QString EigenaarNaam;

// Folder and series caption of the sibling results program ("" when absent).
extern QString CvnMap;
extern QString CvnSerie;

// Online state found at start-up.
extern bool InternetAanwezig;
extern bool WebsiteBereikbaar;

// Colours of the results grids and the calendar (black, white, white header
// row).
extern double KleurZwart;
extern double KleurWit;
extern double KleurKopRij;
