#include "output/frmVeldom16.h"

#include "output/AfdrukKeten.h"
#include "output/KleurSymbool.h"
#include "output/LetterGrootte.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "shared/Instellingen.h"
#include "shared/Scherm.h"
#include "shared/Tekst.h"

DEFINE_FORM(frmVeldom16, frmVeldom16Form)

namespace {

// Top-left corner of each hand's four rows: North, East, South, West.
constexpr int HandLinks[4] = {3510, 6540, 3510, 480};
constexpr int HandBoven[4] = {0, 1950, 3900, 1950};
constexpr int RijAfstand = 480;
constexpr int RijBreedte = 2565;
constexpr int RijHoogte = 510;
constexpr qint64 DonkerRood = 0x0000C0;
// Design size of the holdings (points).
constexpr double HoldingPunten = 16;

// The square between the four hands, where the seat names stand.
constexpr int KompasLinks = 3300, KompasBoven = 2010, KompasZijde = 3000, KompasHoogte = 1830;

}  // namespace

frmVeldom16Form::frmVeldom16Form() : platform::Form(QStringLiteral("frmVeldom16")) {
    MaakAfdrukVenster(*this, Breedte, Hoogte);
    for (int hand = 0; hand < 4; ++hand)
        for (int kleur = 0; kleur < 4; ++kleur) {
            const int i = 4 * hand + kleur;
            const int links = HandLinks[hand];
            const int boven = HandBoven[hand] + kleur * RijAfstand;
            platform::PictureBox& achter = picAchter[i];
            WitVlak(achter, links, boven, RijBreedte, RijHoogte);
            platform::PictureBox& symbool = picSymbool[i];
            WitVlak(symbool, links + 60, boven + 90, 300, 330);
            const QColor tint = afdruk::RodeKleur(kleur) ? QColor(0xc0, 0, 0) : QColor(Qt::black);
            symbool.SetPicture(
                KleurTekening(QSizeF(300, 330), QRectF(0, 0, 300, 330), kleur, tint));
            platform::TextBox& box = txtInvoer[i];
            // Designed 30 twips low: the print run lifts every box into place.
            WitVlak(box, links + 420, boven + 60 + 30, RijBreedte - 480, 420);
        }
    // Seat captions stay Dutch in both languages, as designed.
    const QString namen[4] = {QStringLiteral("Noord"), QStringLiteral("Oost"),
                              QStringLiteral("Zuid"), QStringLiteral("West")};
    const int naamLinks[4] = {KompasLinks, KompasLinks + KompasZijde - 1100, KompasLinks,
                              KompasLinks + 60};
    const int naamBoven[4] = {KompasBoven + 60, KompasBoven + 720, KompasBoven + 1260,
                              KompasBoven + 720};
    const int breedte[4] = {KompasZijde, 1040, KompasZijde, 1040};
    const int uitlijning[4] = {platform::vbCenter, platform::vbRightJustify, platform::vbCenter,
                               platform::vbLeftJustify};
    for (int hand = 0; hand < 4; ++hand) {
        platform::Label& naam = lblWind[hand];
        naam.Move(naamLinks[hand], naamBoven[hand], breedte[hand], 270);
        naam.SetCaption(namen[hand]);
        naam.SetFontSize(10);
        naam.SetFontBold(true);
        naam.SetAlignment(uitlijning[hand]);
        naam.SetBackColor(platform::vbWhite);
        platform::Label& punten = lblPunten[hand];
        punten.Move(naamLinks[hand], naamBoven[hand] + 270, breedte[hand], 270);
        punten.SetFontSize(10);
        punten.SetAlignment(uitlijning[hand]);
        punten.SetBackColor(platform::vbWhite);
    }
    lblSpelnummer.Move(480, 120, 2400, 600);
    lblSpelnummer.SetFontSize(24);
    lblSpelnummer.SetFontBold(true);
    lblGever.Move(480, 840, 2900, 300);
    lblKwetsbaar.Move(480, 1140, 2900, 300);
    for (platform::Label* l : {&lblSpelnummer, &lblGever, &lblKwetsbaar})
        l->SetBackColor(platform::vbWhite);
    lblGever.SetFontSize(10);
    lblKwetsbaar.SetFontSize(10);
    picSpel.SetVisible(false);
    picSpel.SetAutoSize(true);
    cmdFocus.Move(0, 0, 100, 100);
}

void frmVeldom16Form::Form_Load() {
    SetCaption(TaalTekst(0));
    CentreerVenster(*this);
    cmdFocus.SetLeft(platform::Screen().Width() + 100);
}

void frmVeldom16Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    (void)UnloadMode;
    SluitAfdrukAchtergrond();
}

void frmVeldom16Form::Vul(const afdruk::Diagram& diagram) {
    for (int i = 0; i < 16; ++i) {
        txtInvoer[i].SetEnabled(true);
        txtInvoer[i].SetText(diagram.kleuren[i]);
        txtInvoer[i].SetForeColor(afdruk::RodeKleur(i % 4) ? DonkerRood : platform::vbBlack);
        // A long holding gets a smaller font instead of losing cards.
        txtInvoer[i].SetFontSize(afdruk::PassendeGrootte(txtInvoer[i].Font(), {txtInvoer[i].Text()},
                                                         afdruk::TekstvakRuimte(txtInvoer[i].Width()),
                                                         HoldingPunten));
    }
    for (int h = 0; h < 4; ++h)
        lblPunten[h].SetCaption(diagram.punten[h]);
    lblSpelnummer.SetCaption(diagram.spelnummer);
    lblGever.SetCaption(diagram.gever);
    lblKwetsbaar.SetCaption(diagram.kwetsbaar);
}

Afbeelding frmVeldom16Form::Vang() {
    Afbeelding afbeelding = VangAfdrukVenster(*this, cmdFocus, picSpel);
    // The holding boxes are emptied after every capture.
    for (int i = 0; i < 16; ++i)
        txtInvoer[i].SetText(QString());
    return afbeelding;
}

void frmVeldom16Form::Form_Activate() {
    if (Bezig_)
        return;
    Bezig_ = true;
    AfdrukAfsluiter afsluiter(*this);
    if (!KiesEnVraagPrinter(*this))
        return;
    MaakTussenruimte(*this);
    BereidHoldingsVoor(txtInvoer, DonkerRood);
    platform::PrinterDevice& printer = platform::Printer();
    const int x = afdruk::MiddenX(printer.ScaleWidth(), ScaleWidth());
    ZetFocus(*this, cmdFocus);

    const QList<afdruk::Diagram> beelden =
        afdruk::Diagrammen(SpellenVanHoofdvenster(), HuidigeContext());
    const QString fout = DrukAfdrukJob(
        *this, QString(), int(beelden.size()), [&](int i) { Vul(beelden.at(i)); },
        [&] { return Vang(); }, x, afdruk::SchaalDiagram(PdfBreedte));
    if (!fout.isEmpty())
        MeldAfdrukFout(*this, fout);
}
