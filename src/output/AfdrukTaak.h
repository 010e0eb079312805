#pragma once
// Capturing a filled layout window as a picture and stacking the pictures
// down the pages of one print job.

#include <QPicture>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace platform {
class PrinterDevice;
}

// A captured window: vector drawing of its content and its size in HIMETRIC
// units (0.01 mm), as a picture on paper measures itself.
struct Afbeelding {
    QPicture tekening;
    int breedte = 0;  // HIMETRIC
    int hoogte = 0;   // HIMETRIC
    bool Leeg() const { return breedte <= 0 || hoogte <= 0; }
};

// Renders the window's content (its widgets, not a screen grab) into a
// picture. The window need not be on screen or active. breedteTwips and
// hoogteTwips are the window's client size, which the picture then measures.
Afbeelding VangVenster(QWidget& venster, int breedteTwips, int hoogteTwips);

// Paints the picture on the printer page at (x, y) twips, scaled: its
// HIMETRIC size times schaal, taken as twips.
void DrukAfbeeldingAf(platform::PrinterDevice& printer, const Afbeelding& afbeelding, double x,
                      double y, double schaal = 1.0);

// One print job on one printer: the page position, the page test and the end
// of the document. A new page is only started when a picture is painted on
// it, so no job ends with an empty page and a job that painted nothing is
// thrown away instead of ending as an empty document.
class AfdrukTaak {
public:
    explicit AfdrukTaak(platform::PrinterDevice& printer);

    // Vertical position in twips at which the next picture is painted.
    double Positie() const { return y_; }
    bool IetsGeschilderd() const { return geschilderd_; }
    // Why the job failed ("" when it did not).
    QString Fout() const { return fout_; }

    // Paints one captured picture at x with scale s (nothing when s is
    // absent), steps down by 2 s vensterHoogte and runs the page test with
    // the window's height. A picture that would stick out beside the page
    // is centred on it, smaller where it must be (OpPagina), and the step
    // follows the scale it was painted at. False on a printer error.
    bool Plaats(const Afbeelding& afbeelding, int x, std::optional<double> schaal,
                double vensterHoogte);

    // Ends the document: EndDoc when something was painted, else the job is
    // dropped. False when the printer reported an error (Fout() says which);
    // a plain cancel of the printer's own save dialog is no error.
    bool Einde();
    // True when the last Einde found its document not saved without an
    // error: the printer's own save dialog was cancelled.
    bool BewarenAfgebroken() const { return bewarenAfgebroken_; }
    // Throws the job away (after an error).
    void Afbreken();

private:
    bool Controleer();
    // Back to the top of a first page with nothing painted.
    void Herbegin();

    platform::PrinterDevice& printer_;
    double y_;
    bool paginaVol_ = false;  // the next picture goes on a new page
    bool opPagina_ = false;   // something is painted on the current page
    bool geschilderd_ = false;
    bool bewarenAfgebroken_ = false;
    QString fout_;
};

// One print job of `aantal` pictures: for picture i, vul(i) fills the layout
// window and vang() captures it; the capture is painted at x with the scale
// and stacked with the window's height. Ends the document when all pictures
// are placed. Returns "" when the job went through (or its save dialog was
// cancelled, which *bewarenAfgebroken then tells), else the error that
// stopped it; a failed job is thrown away.
QString DrukJob(platform::PrinterDevice& printer, int aantal, const std::function<void(int)>& vul,
                const std::function<Afbeelding()>& vang, int x, std::optional<double> schaal,
                double vensterHoogte, bool* bewarenAfgebroken = nullptr);
