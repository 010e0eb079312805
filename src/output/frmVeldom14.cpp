#include "output/frmVeldom14.h"

#include "output/AfdrukKeten.h"
#include "output/KleurSymbool.h"
#include "platform/Screen.h"
#include "shared/Instellingen.h"
#include "shared/Scherm.h"
#include "shared/Tekst.h"

DEFINE_FORM(frmVeldom14, frmVeldom14Form)

namespace {

constexpr double LabelPunten = 8.25;
constexpr qint64 Rood = 0x0000FF;

// Holding labels of the left panel: left edge and the top of the spades row,
// by seat (North, East, South, West).
constexpr int HoldingLinks[4] = {2250, 4170, 2250, 330};
constexpr int HoldingBoven[4] = {60, 1020, 1980, 1020};
constexpr int RijAfstand = 240;

struct Plek {
    int left, top, width, height;
};
// Seat names by lblWind index, as designed (their left edges are set at load).
constexpr Plek WindPlek[8] = {{2610, 1080, 615, 195}, {3270, 1410, 615, 195},
                              {2580, 1710, 615, 195}, {2040, 1380, 615, 195},
                              {8640, 1080, 615, 195}, {9210, 1380, 615, 195},
                              {8610, 1680, 615, 195}, {7980, 1410, 585, 225}};

}  // namespace

frmVeldom14Form::frmVeldom14Form() : platform::Form(QStringLiteral("frmVeldom14")) {
    MaakAfdrukVenster(*this, Breedte, Hoogte);
    SetFontSize(LabelPunten);
    for (int paneel = 0; paneel < 2; ++paneel) {
        const int dx = paneel * PaneelAfstand;
        lblSpel[paneel].Move(60 + dx, 60, 645, 405);
        lblSpel[paneel].SetBackColor(platform::vbWhite);
        lblSpel[paneel].SetFontSize(15.75);
        lblGever[paneel].Move(60 + dx, 540, 1845, 225);
        lblKwetsbaar[paneel].Move(60 + dx, paneel == 0 ? 780 : 750, 1845, 225);
        for (platform::Label* l : {&lblGever[paneel], &lblKwetsbaar[paneel]}) {
            l->SetFontSize(LabelPunten);
            l->SetBackColor(platform::vbWindowBackground);
            l->SetForeColor(platform::vbWindowText);
        }
        for (int zetel = 0; zetel < 4; ++zetel)
            for (int kleur = 0; kleur < 4; ++kleur) {
                const int i = 16 * paneel + 4 * zetel + kleur;
                const int links = HoldingLinks[zetel] + dx;
                const int boven = HoldingBoven[zetel] + kleur * RijAfstand;
                platform::Label& holding = lblKleur[i];
                holding.Move(links, boven, 1665, 255);
                holding.SetFontSize(LabelPunten);
                holding.SetBackColor(platform::vbWindowBackground);
                platform::PictureBox& symbool = picSymBol[i];
                WitVlak(symbool, links - 270, boven, 285, 255);
                const QColor tint = afdruk::RodeKleur(kleur) ? QColor(0xff, 0, 0) : QColor(Qt::black);
                symbool.SetPicture(
                    KleurTekening(QSizeF(285, 255), QRectF(30, 20, 225, 215), kleur, tint));
            }
    }
    for (int i = 0; i < 8; ++i) {
        const Plek& p = WindPlek[i];
        lblWind[i].Move(p.left, p.top, p.width, p.height);
        lblWind[i].SetFontSize(LabelPunten);
        lblWind[i].SetBackColor(platform::vbWhite);
    }
    picSpel.SetVisible(false);
    picSpel.SetAutoSize(true);
    cmdFocus.Move(0, 0, 100, 100);
}

void frmVeldom14Form::Form_Resize() { CentreerVenster(*this); }

void frmVeldom14Form::Form_Load() {
    SetCaption(TaalTekst(0));
    Form_Resize();
    for (int i = 0; i < 32; ++i)
        lblKleur[i].SetCaption(QString());
    for (int zetel = 0; zetel < 4; ++zetel) {
        lblWind[zetel].SetCaption(TaalTekst(1 + zetel));
        lblWind[zetel + 4].SetCaption(TaalTekst(1 + zetel));
    }
    for (int paneel = 0; paneel < 2; ++paneel) {
        // North and South centred on North's column, East against its symbols.
        const platform::PictureBox& symbool = picSymBol[16 * paneel + 3];
        const platform::Label& holding = lblKleur[16 * paneel + 3];
        for (int zetel : {0, 2}) {
            platform::Label& naam = lblWind[4 * paneel + zetel];
            const long som =
                2L * symbool.Left() + symbool.Width() + holding.Width() - naam.Width();
            naam.SetLeft(som / 2);
        }
        platform::Label& oost = lblWind[4 * paneel + 1];
        oost.SetLeft(picSymBol[16 * paneel + 4].Left() - oost.Width() - 60);
    }
    for (int i = 0; i < 32; ++i)
        lblKleur[i].SetForeColor(afdruk::RodeKleur(i % 4) ? Rood : platform::vbBlack);
    for (int paneel = 0; paneel < 2; ++paneel) {
        lblSpel[paneel].SetCaption(QString());
        lblGever[paneel].SetCaption(QString());
        lblKwetsbaar[paneel].SetCaption(QString());
    }
    cmdFocus.SetLeft(platform::Screen().Width() + 10);
}

void frmVeldom14Form::Form_KeyUp(int& KeyCode, int Shift) {
    (void)Shift;
    SluitBijEsc(*this, KeyCode);
}

void frmVeldom14Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    (void)UnloadMode;
    SluitAfdrukAchtergrond();
}

void frmVeldom14Form::Vul(const afdruk::BeeldPaar& beeld) {
    for (int paneel = 0; paneel < 2; ++paneel) {
        const afdruk::Paneel& p = beeld.panelen[paneel];
        lblSpel[paneel].SetCaption(p.spel);
        lblGever[paneel].SetCaption(p.gever);
        lblKwetsbaar[paneel].SetCaption(p.kwetsbaar);
        for (int k = 0; k < 16; ++k)
            lblKleur[16 * paneel + k].SetCaption(p.kleuren[k]);
    }
}

Afbeelding frmVeldom14Form::Vang() {
    return VangAfdrukVenster(*this, cmdFocus, picSpel);
}

void frmVeldom14Form::Form_Activate() {
    if (Bezig_)
        return;
    Bezig_ = true;
    AfdrukAfsluiter afsluiter(*this);
    Refresh();
    if (!KiesEnVraagPrinter(*this))
        return;
    MaakTussenruimte(*this);
    ZetFocus(*this, cmdFocus);

    const QList<afdruk::BeeldPaar> beelden =
        afdruk::TweeNaastElkaar(SpellenVanHoofdvenster(), HuidigeContext());
    const QString fout = DrukAfdrukJob(
        *this, QString(), int(beelden.size()), [&](int i) { Vul(beelden.at(i)); },
        [&] { return Vang(); }, afdruk::LinkerRand, afdruk::SchaalSmal(PdfBreedte));
    if (!fout.isEmpty())
        MeldAfdrukFout(*this, fout);
}
