#include "output/AfdrukKeten.h"

#include "deal/GeverKwetsbaar.h"
#include "output/frmVeldom08.h"
#include "platform/ControlArray.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Printer.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "settings/PrinterInstellingen.h"
#include "shared/Ini.h"
#include "shared/Instellingen.h"
#include "shared/Printers.h"
#include "shared/Scherm.h"
#include "shared/Tekst.h"


int LeesPrintRichting() { return LeesPrinterInstellingen().richting; }

void MaakAfdrukVenster(platform::Form& venster, int breedte, int hoogte) {
    venster.SetBorderStyle(platform::vbFixedSingle);
    venster.SetBackColor(platform::vbWhite);
    venster.SetWidth(breedte + (venster.Width() - venster.ScaleWidth()));
    venster.SetHeight(hoogte + (venster.Height() - venster.ScaleHeight()));
}

template <class Vlak>
void WitVlak(Vlak& vlak, int left, int top, int width, int height) {
    vlak.Move(left, top, width, height);
    vlak.SetBorderStyle(0);
    vlak.SetBackColor(platform::vbWhite);
}
template void WitVlak(platform::PictureBox&, int, int, int, int);
template void WitVlak(platform::TextBox&, int, int, int, int);

void CentreerVenster(platform::Form& venster) {
    venster.SetLeft((platform::Screen().Width() - venster.Width()) / 2);
    venster.SetTop((platform::Screen().Height() - venster.Height()) / 2);
}

void SluitBijEsc(platform::Form& venster, int KeyCode) {
    if (KeyCode == platform::vbKeyEscape)
        platform::Unload(venster);
}

bool KiesEnVraagPrinter(platform::Form& venster) {
    KiesPrinter(PdfPrinter);
    ToonPrinterDialoog(venster, 0x100004);
    return venster.Tag() != QLatin1String("1");
}

void MaakTussenruimte(platform::Form& venster) {
    Tussenruimte = LeesPrinterInstellingen().tussenruimte;
    venster.SetHeight(venster.Height() + Tussenruimte * afdruk::TussenruimteStap);
}

void BereidHoldingsVoor(platform::ControlArray<platform::TextBox>& txtInvoer, qint64 rood) {
    for (int i = 0; i < 16; ++i) {
        platform::TextBox& box = txtInvoer[i];
        box.SetTop(box.Top() - 30);
        box.SetFontSize(16);
        box.SetForeColor(afdruk::RodeKleur(i % 4) ? rood : platform::vbBlack);
    }
}

afdruk::AfdrukContext HuidigeContext() {
    afdruk::AfdrukContext c;
    c.tekst = [](int n) { return TaalTekst(n); };
    c.tien = Tien;
    c.nederlands = TaalNummer != 11;
    c.geverReeks = GeverReeks.isEmpty() ? BouwGeverReeks() : GeverReeks;
    c.kwetsbaarReeks = KwetsbaarReeks.isEmpty() ? BouwKwetsbaarReeks() : KwetsbaarReeks;
    return c;
}

namespace {
std::function<QStringList()>& SpellenBron() {
    static std::function<QStringList()> bron;
    return bron;
}
}  // namespace

void ZetSpellenBron(std::function<QStringList()> bron) { SpellenBron() = std::move(bron); }

QStringList SpellenVanHoofdvenster() { return SpellenBron() ? SpellenBron()() : QStringList(); }

Afbeelding VangFormulier(platform::Form& venster) {
    venster.Refresh();
    return VangVenster(*venster.widget(), venster.ScaleWidth(), venster.ScaleHeight());
}

Afbeelding VangAfdrukVenster(platform::Form& venster, platform::Control& focus,
                             platform::PictureBox& picSpel) {
    ZetFocus(venster, focus);
    Afbeelding afbeelding = VangFormulier(venster);
    picSpel.SetPicture(afbeelding.tekening);
    return afbeelding;
}

QString DrukAfdrukJob(platform::Form& venster, const QString& documentNaam, int aantal,
                      const std::function<void(int)>& vul, const std::function<Afbeelding()>& vang,
                      int x, std::optional<double> schaal) {
    platform::PrinterDevice& printer = platform::Printer();
    printer.SetDocumentName(documentNaam);
    bool afgebroken = false;
    const QString fout = DrukJob(printer, aantal, vul, vang, x, schaal, venster.ScaleHeight(), &afgebroken);
    // A named job is one of the PDFs of a run (one per seat). Skipping it
    // silently would leave an older file of that name to be mailed as this
    // week's, so the run stops and says which one was not written.
    if (fout.isEmpty() && afgebroken && !documentNaam.isEmpty())
        return MetRegels(TaalTekst(395)).replace(QLatin1Char('~'), documentNaam);
    return fout;
}

void MeldAfdrukFout(platform::Form& venster, const QString& fout) {
    platform::MsgBox(fout, platform::vbExclamation, venster.Caption());
}

void SluitAfdrukAchtergrond() {
    if (frmVeldom08_IsLoaded())
        platform::Unload(frmVeldom08());
}

AfdrukAfsluiter::~AfdrukAfsluiter() {
    if (venster_.IsLoaded())
        platform::Unload(venster_);
    SluitAfdrukAchtergrond();
}
