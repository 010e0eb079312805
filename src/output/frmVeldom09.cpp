#include "output/frmVeldom09.h"

#include "output/AfdrukKeten.h"
#include "output/KleurSymbool.h"
#include "output/LetterGrootte.h"
#include "platform/Screen.h"
#include "shared/Instellingen.h"
#include "shared/Scherm.h"
#include "shared/Tekst.h"

DEFINE_FORM(frmVeldom09, frmVeldom09Form)

namespace {

// Left edges of the four blocks.
constexpr int BlokLinks[4] = {60, 3180, 6300, 9450};
constexpr int BlokBreedte = 3000;
constexpr int RijBoven = 460;  // top of the first suit row after preparation
constexpr int RijAfstand = 470;
constexpr qint64 DonkerRood = 0x0000C0;
// Design sizes of the captions and the holdings (points).
constexpr double KopPunten = 10;
constexpr double HoldingPunten = 16;

}  // namespace

frmVeldom09Form::frmVeldom09Form() : platform::Form(QStringLiteral("frmVeldom09")) {
    MaakAfdrukVenster(*this, Breedte, Hoogte);
    for (int p = 0; p < 4; ++p) {
        platform::PictureBox& achter = picAchter[p];
        WitVlak(achter, BlokLinks[p], 400, BlokBreedte, 1920);
        achter.SetPicture(KaderTekening(QSizeF(BlokBreedte, 1920)));
        platform::Label& kop = lblSpel[p];
        kop.Move(BlokLinks[p], 60, BlokBreedte, 300);
        kop.SetBackColor(platform::vbWhite);
        for (int s = 0; s < 4; ++s) {
            const int i = 4 * p + s;
            const int boven = RijBoven + s * RijAfstand;
            platform::PictureBox& symbool = picSymbool[i];
            WitVlak(symbool, BlokLinks[p] + 120, boven + 45, 300, 330);
            const QColor tint = afdruk::RodeKleur(s) ? QColor(0xc0, 0, 0) : QColor(Qt::black);
            symbool.SetPicture(KleurTekening(QSizeF(300, 330), QRectF(0, 0, 300, 330), s, tint));
            platform::TextBox& box = txtInvoer[i];
            // Designed 30 twips low: the print run lifts every box into place.
            WitVlak(box, BlokLinks[p] + 480, boven + 30, BlokBreedte - 560, 420);
        }
    }
    picSpel.SetVisible(false);
    picSpel.SetAutoSize(true);
    cmdFocus.Move(0, 0, 100, 100);
    cmdFocus.OnKeyDown([this](int& KeyCode, int Shift) { cmdFocus_KeyDown(KeyCode, Shift); });
    timPrinter.SetEnabled(false);
}

void frmVeldom09Form::Form_Load() {
    SetCaption(TaalTekst(0));
    CentreerVenster(*this);
    for (int i = 0; i < 4; ++i)
        lblSpel[i].SetCaption(TaalTekst(64));
    cmdFocus.SetLeft(platform::Screen().Width() + 100);
}

void frmVeldom09Form::Form_Resize() { CentreerVenster(*this); }

void frmVeldom09Form::Form_Activate() {
    timPrinter.SetEnabled(false);
    if (Bezig_)
        return;
    Bezig_ = true;
    switch (LeesPrintRichting()) {
    case 0:
        DrukHandenPerWindAf();
        break;
    case 1:
        DrukHandenNaastElkaarAf();
        break;
    default:
        break;
    }
}

void frmVeldom09Form::cmdFocus_KeyDown(int& KeyCode, int Shift) {
    (void)Shift;
    SluitBijEsc(*this, KeyCode);
}

void frmVeldom09Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    (void)UnloadMode;
    SluitAfdrukAchtergrond();
}

void frmVeldom09Form::Vul(const afdruk::BeeldRij& beeld) {
    QStringList koppen;
    for (int p = 0; p < 4; ++p) {
        lblSpel[p].SetCaption(beeld.blokken[p].kop);
        koppen << beeld.blokken[p].kop;
        for (int s = 0; s < 4; ++s) {
            platform::TextBox& box = txtInvoer[4 * p + s];
            box.SetText(beeld.blokken[p].kleuren[s]);
            // A long holding gets a smaller font instead of losing cards.
            box.SetFontSize(afdruk::PassendeGrootte(box.Font(), {box.Text()},
                                                    afdruk::TekstvakRuimte(box.Width()),
                                                    HoldingPunten));
        }
    }
    // The four captions of a picture share one size, the largest at which
    // each fits its label.
    const double kop = afdruk::PassendeGrootte(lblSpel[0].Font(), koppen,
                                               afdruk::LabelRuimte(lblSpel[0].Width()), KopPunten);
    for (int p = 0; p < 4; ++p)
        lblSpel[p].SetFontSize(kop);
}

Afbeelding frmVeldom09Form::Vang() {
    return VangAfdrukVenster(*this, cmdFocus, picSpel);
}

bool frmVeldom09Form::BeginAfdruk() {
    for (int i = 0; i < 4; ++i) {
        lblSpel[i].SetFontSize(KopPunten);
        lblSpel[i].SetFontBold(true);
    }
    if (!KiesEnVraagPrinter(*this))
        return false;
    MaakTussenruimte(*this);
    BereidHoldingsVoor(txtInvoer, DonkerRood);
    ZetFocus(*this, cmdFocus);
    return true;
}

void frmVeldom09Form::DrukHandenPerWindAf() {
    AfdrukAfsluiter afsluiter(*this);
    if (!BeginAfdruk())
        return;

    const afdruk::AfdrukContext context = HuidigeContext();
    const QStringList items = SpellenVanHoofdvenster();
    for (int zetel = 0; zetel < 4; ++zetel) {
        const QList<afdruk::BeeldRij> beelden = afdruk::HandenPerWind(items, zetel, context);
        const QString fout = DrukAfdrukJob(
            *this, TaalTekst(1 + zetel), int(beelden.size()), [&](int i) { Vul(beelden.at(i)); },
            [&] { return Vang(); }, afdruk::LinkerRand, afdruk::SchaalSmal(PdfBreedte));
        Vul(afdruk::BeeldRij());
        if (!fout.isEmpty()) {
            MeldAfdrukFout(*this, fout);
            return;
        }
    }
}

void frmVeldom09Form::DrukHandenNaastElkaarAf() {
    AfdrukAfsluiter afsluiter(*this);
    if (!BeginAfdruk())
        return;

    const QList<afdruk::BeeldRij> beelden =
        afdruk::HandenNaastElkaar(SpellenVanHoofdvenster(), HuidigeContext());
    const QString fout = DrukAfdrukJob(
        *this, QString(), int(beelden.size()), [&](int i) { Vul(beelden.at(i)); },
        [&] { return Vang(); }, afdruk::LinkerRand, afdruk::SchaalSmal(PdfBreedte));
    if (!fout.isEmpty())
        MeldAfdrukFout(*this, fout);
}
