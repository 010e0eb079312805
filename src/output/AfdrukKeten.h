#pragma once
// The steps every print layout window shares: printer and print dialog,
// spacing, capture of the filled window, error messages and the end of the
// chain (layout window, print-job window, main window).

#include "output/AfdrukInhoud.h"
#include "output/AfdrukTaak.h"
#include "settings/PrinterInstellingen.h"

#include <QStringList>

namespace platform {
class Control;
class Form;
class PictureBox;
class TextBox;
template <class T>
class ControlArray;
}  // namespace platform

// taal.ini [Printer] "Print Richting" (0 when absent or outside 0..3).
int LeesPrintRichting();

// The frame of every layout window: white, fixed border, a client area of
// breedte x hoogte twips.
void MaakAfdrukVenster(platform::Form& venster, int breedte, int hoogte);
// A white box without border (a PictureBox or TextBox), at its place in the
// layout window.
template <class Vlak>
void WitVlak(Vlak& vlak, int left, int top, int width, int height);
// Centres the window on the screen.
void CentreerVenster(platform::Form& venster);
// Esc unloads the window (which ends the print chain).
void SluitBijEsc(platform::Form& venster, int KeyCode);

// Makes PdfPrinter current and shows the print dialog owned by the layout
// window. False when the user cancelled (nothing is to be printed).
bool KiesEnVraagPrinter(platform::Form& venster);

// Reads Tussenruimte (clamped to 0..10) and makes the window that many
// steps taller.
void MaakTussenruimte(platform::Form& venster);

// Prepares the 16 holding boxes: each 30 twips up, 16 points, hearts and
// diamonds in the layout's red, spades and clubs black.
void BereidHoldingsVoor(platform::ControlArray<platform::TextBox>& txtInvoer, qint64 rood);

// The texts, ten setting and dealer and vulnerability strings of this run.
afdruk::AfdrukContext HuidigeContext();
// The deal records of the current set, which the print layouts and the
// clipboard window show: the main window hands over where they are kept
// when it is made, and takes it back when it goes (none then).
void ZetSpellenBron(std::function<QStringList()> bron);
QStringList SpellenVanHoofdvenster();

// The window's content as a picture of its client area.
Afbeelding VangFormulier(platform::Form& venster);
// Captures the filled layout window with the focus on its off-screen button
// and keeps the capture in picSpel.
Afbeelding VangAfdrukVenster(platform::Form& venster, platform::Control& focus,
                             platform::PictureBox& picSpel);

// One print job of `aantal` pictures named documentNaam on the current
// printer (see DrukJob), stacked with the window's height. Returns "" or the
// error that stopped it. A named job is one of several of a run (a PDF per
// seat): when its save dialog is cancelled the answer says that this one
// was not written and the run stops; an unnamed job is the whole run, and
// cancelling its save is the user's own choice, no error.
QString DrukAfdrukJob(platform::Form& venster, const QString& documentNaam, int aantal,
                      const std::function<void(int)>& vul, const std::function<Afbeelding()>& vang,
                      int x, std::optional<double> schaal);

// Tells the user why a print job stopped, titled with the window's caption.
void MeldAfdrukFout(platform::Form& venster, const QString& fout);

// Closes the chain when a print run ends, however it ends: unloads the
// layout window, whose close handler unloads the print-job window. The
// window that opened the chain gets its input back as the window it opened
// (the print-job window, or layout 2 from the board number) unloads.
class AfdrukAfsluiter {
public:
    explicit AfdrukAfsluiter(platform::Form& venster) : venster_(venster) {}
    ~AfdrukAfsluiter();
    AfdrukAfsluiter(const AfdrukAfsluiter&) = delete;
    AfdrukAfsluiter& operator=(const AfdrukAfsluiter&) = delete;

private:
    platform::Form& venster_;
};

// Unloads the print-job window when it is loaded.
void SluitAfdrukAchtergrond();
