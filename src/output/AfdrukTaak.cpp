#include "output/AfdrukTaak.h"

#include "output/AfdrukRegels.h"
#include "platform/Printer.h"
#include "shared/Tekst.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

Afbeelding VangVenster(QWidget& venster, int breedteTwips, int hoogteTwips) {
    Afbeelding afbeelding;
    const QSize pixels = venster.size();
    if (pixels.isEmpty() || breedteTwips <= 0 || hoogteTwips <= 0)
        return afbeelding;
    {
        QPainter painter(&afbeelding.tekening);
        venster.render(&painter, QPoint(), QRegion(),
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    afbeelding.tekening.setBoundingRect(QRect(QPoint(0, 0), pixels));
    afbeelding.breedte = afdruk::Himetric(breedteTwips);
    afbeelding.hoogte = afdruk::Himetric(hoogteTwips);
    return afbeelding;
}

void DrukAfbeeldingAf(platform::PrinterDevice& printer, const Afbeelding& afbeelding, double x,
                      double y, double schaal) {
    printer.PaintPicture(afbeelding.tekening, static_cast<int>(std::lround(x)),
                         static_cast<int>(std::lround(y)),
                         static_cast<int>(std::lround(afbeelding.breedte * schaal)),
                         static_cast<int>(std::lround(afbeelding.hoogte * schaal)));
}

AfdrukTaak::AfdrukTaak(platform::PrinterDevice& printer)
    : printer_(printer), y_(afdruk::BeginPositie) {}

bool AfdrukTaak::Controleer() {
    fout_ = printer_.ErrorText();
    return fout_.isEmpty();
}

bool AfdrukTaak::Plaats(const Afbeelding& afbeelding, int x, std::optional<double> schaal,
                        double vensterHoogte) {
    if (schaal) {
        if (paginaVol_) {
            printer_.NewPage();
            paginaVol_ = false;
            if (!Controleer())
                return false;
        }
        const afdruk::Plek plek =
            afdruk::OpPagina(x, *schaal, afbeelding.breedte, printer_.ScaleWidth());
        DrukAfbeeldingAf(printer_, afbeelding, plek.x, y_, plek.schaal);
        geschilderd_ = true;
        opPagina_ = true;
        if (!Controleer())
            return false;
        y_ += afdruk::Stap(plek.schaal, vensterHoogte);
    }
    if (afdruk::PaginaVol(vensterHoogte, y_, printer_.ScaleHeight())) {
        // The new page itself waits for the next picture.
        paginaVol_ = paginaVol_ || opPagina_;
        opPagina_ = false;
        y_ = afdruk::BeginPositie;
    }
    return true;
}

bool AfdrukTaak::Einde() {
    bool gelukt = true;
    bewarenAfgebroken_ = false;
    if (geschilderd_) {
        gelukt = printer_.EndDoc();
        fout_ = gelukt ? QString() : printer_.ErrorText();
        bewarenAfgebroken_ = !gelukt && fout_.isEmpty();
    } else {
        printer_.KillDoc();
    }
    Herbegin();
    return gelukt || fout_.isEmpty();
}

void AfdrukTaak::Afbreken() {
    printer_.KillDoc();
    Herbegin();
}

void AfdrukTaak::Herbegin() {
    y_ = afdruk::BeginPositie;
    paginaVol_ = false;
    opPagina_ = false;
    geschilderd_ = false;
}

QString DrukJob(platform::PrinterDevice& printer, int aantal, const std::function<void(int)>& vul,
                const std::function<Afbeelding()>& vang, int x, std::optional<double> schaal,
                double vensterHoogte, bool* bewarenAfgebroken) {
    if (bewarenAfgebroken)
        *bewarenAfgebroken = false;
    AfdrukTaak taak(printer);
    for (int i = 0; i < aantal; ++i) {
        vul(i);
        const Afbeelding afbeelding = vang();
        if (afbeelding.Leeg()) {
            taak.Afbreken();
            return TaalTekst(14);
        }
        if (!taak.Plaats(afbeelding, x, schaal, vensterHoogte)) {
            const QString fout = taak.Fout();
            taak.Afbreken();
            return fout;
        }
    }
    const bool klaar = taak.Einde();
    if (bewarenAfgebroken)
        *bewarenAfgebroken = taak.BewarenAfgebroken();
    return klaar ? QString() : taak.Fout();
}
