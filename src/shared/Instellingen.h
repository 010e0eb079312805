#pragma once
// The settings loaded from taal.ini into program-wide variables.
// Integer settings are 16-bit values in the file; they are held as int.

#include <QString>
#include <functional>

// [Tien] Tien: True shows the ten of a suit as "T", False as "10".
extern bool Tien;

// [Punten]
extern int MinimaalPunten;   // lowest points of a generated hand
extern int MaximaalPunten;   // highest points of a generated hand
extern int MinMaxToepassen;  // 0/1: apply the point window
extern int Maxlengte;        // maximum suit length

// The points in the pack: the most the two bounds of the point window may
// add up to.
constexpr int PuntenInHetSpel = 40;

// A point window that breaks the rules (read from the settings file, say)
// brought back inside them: 1 <= min < max, min + max <= 40. A window that
// keeps the rules is returned unchanged.
struct PuntenPaar {
    int min;
    int max;
};
PuntenPaar NormaliseerPuntvenster(int min, int max);

// [6 kaart 11 punten] "Aantal honneurs"
extern int ZesKaartHonneurs;

// [Zwakke 2]
extern int NietKwetsbaarMin;
extern int NietKwetsbaarMax;
extern int KwetsbaarMin;
extern int KwetsbaarMax;
extern int AantalHonneurs;
extern int LaatsteHand;  // 0/1

// [Muiderbergse 2]
extern int MuiderbergNKMin;
extern int MuiderbergNKMax;
extern int MuiderbergWKMin;
extern int MuiderbergWKMax;
extern int MuiderbergLaatsteHand;  // 0/1

// [Multy 2 Ruiten]
extern int Multy2RuitenNKMin;
extern int Multy2RuitenNKMax;
extern int Multy2RuitenWKMin;
extern int Multy2RuitenWKMax;
extern int Multy2RuitenHonneurs;
extern int Multy2RuitenLaatsteHand;  // 0/1

// [Printer] "Print Richting Klembord": clipboard text layout 0 to 3.
extern int PrintRichtingKlembord;
// [Printer] "PDF Breedte": print narrowing index 0 to 23 (set by the main window).
extern int PdfBreedte;
// [Printer] "PDF printer": device name of the printer deals are printed on
// (set by the main window, trimmed).
extern QString PdfPrinter;

// Set by the main window: shows MinMaxToepassen in its check box
// chkPuntenToepassen. LeesInstellingen calls it with BezigMetLaden raised,
// so the box's click handler does not write the value back.
extern std::function<void(int)> ZetPuntenToepassen;

// Sets IniBestand to the program folder's taal.ini and loads the language
// and every setting above that lives in it, each with its default when the
// key is absent. A value that is not a number reads as 0, as Val reads it;
// one that does not fit a 16-bit Integer counts as absent. A point window
// outside the spinner rules (1 <= min < max, min + max <= 40) is brought
// inside them (NormaliseerPuntvenster), so that the main window, the
// settings window and the generator all see one pair; taal.ini is not
// written. A language other than 10 or 11 counts as 10;
// the 0/1 flags read any value other than 0 as 1; a clipboard layout
// outside 0..3 counts as 0. EigenEmailAdres gets [Standaard] "eigen e-mail
// adres", trimmed, or "" when that is no valid address. Leaves BezigMetLaden
// False.
void LeesInstellingen();
