#include "output/frmVeldom17.h"

#include <algorithm>

#include <QClipboard>
#include <QGuiApplication>

#include "deal/GeverKwetsbaar.h"
#include "output/AfdrukKeten.h"
#include "output/KlembordEditor.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "shared/BasVeldom.h"
#include "shared/Scherm.h"

DEFINE_FORM(frmVeldom17, frmVeldom17Form)

using namespace platform;

namespace {

// Client area of the window as designed, twips.
constexpr int KlientBreedte = 19620;
constexpr int KlientHoogte = 5625;
constexpr int PaneelBreedte = 16200;
constexpr int PaneelHoogte = 5415;

QString LetterVan(int i) { return TaalTekst(210).mid(i % 4, 1) + QStringLiteral(":"); }

void Plaats(Control& c, int left, int top, int width, int height) { c.Move(left, top, width, height); }

}  // namespace

frmVeldom17Form::frmVeldom17Form() : Form(QStringLiteral("frmVeldom17")) {
    Ontwerp();

    optHoe.OnClick([this](int i) { optHoe_Click(i); });
    vscrAantal.OnChange([this] { vscrAantal_Change(); });
    chkKleurAfdrukken.OnClick([this] { chkKleurAfdrukken_Click(); });
    chkKleurAfdrukken2.OnClick([this] { chkKleurAfdrukken2_Click(); });
    chkKleurAfdrukken3.OnClick([this] { chkKleurAfdrukken3_Click(); });
    chkMeeAfdrukken.OnClick([this] { chkMeeAfdrukken_Click(); });
    chkMeeAfdrukken2.OnClick([this] { chkMeeAfdrukken2_Click(); });
    chkMeeAfdrukken3.OnClick([this] { chkMeeAfdrukken3_Click(); });
    cmdStart.OnClick([this] { cmdStart_Click(); });
    cmdStart2.OnClick([this] { cmdStart2_Click(); });
    cmdStart3.OnClick([this] { cmdStart3_Click(); });
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
}

// The window as designed: positions and sizes in twips, the fixed Dutch
// captions of the chooser, and the state before any code runs.
void frmVeldom17Form::Ontwerp() {
    SetWidth(KlientBreedte + Width() - ScaleWidth());
    SetHeight(KlientHoogte + Height() - ScaleHeight());
    SetKeyPreview(true);

    Plaats(fraKLembord, 90, 180, 3135, 4875);
    const char* const keuze[10] = {"Noord, Oost, Zuid, West", "Noord, Oost, Zuid, West",
                                   "Noord, Noord, Noord, Noord", "Oost, Oost, Oost, Oost",
                                   "Oost", "Zuid", "West", "Oost", "Zuid", "West"};
    const int keuzeLinks[10] = {420, 420, 420, 420, 420, 420, 420, 1560, 960, 360};
    const int keuzeBoven[10] = {660, 885, 1665, 1890, 2670, 2895, 3120, 3960, 4230, 3960};
    for (int i = 0; i < 10; ++i) {
        lblKeuze[i].SetCaption(QString::fromUtf8(keuze[i]));
        Plaats(lblKeuze[i], keuzeLinks[i], keuzeBoven[i], 2400, 225);
        lblKeuze[i].SetForeColor(RGB(96, 96, 96));
    }
    lblKeuze[7].SetWidth(700);
    lblKeuze[8].SetWidth(700);
    lblKeuze[9].SetWidth(700);
    // Four layouts, three named "Noord": each its own letter of it.
    optHoe[0].SetCaption(QStringLiteral("&Noord, Oost, Zuid, West"));
    optHoe[1].SetCaption(QStringLiteral("N&oord, Noord, Noord, Noord"));
    optHoe[2].SetCaption(QStringLiteral("Noo&rd"));
    optHoe[3].SetCaption(QStringLiteral("Noor&d"));
    Plaats(optHoe[0], 150, 390, 2850, 270);
    Plaats(optHoe[1], 150, 1395, 2850, 270);
    Plaats(optHoe[2], 150, 2400, 2850, 270);
    Plaats(optHoe[3], 750, 3690, 1200, 270);
    for (int i = 0; i < 4; ++i) optHoe[i].SetTabIndex(i);

    Plaats(vscrAantal, 2310, 3720, 255, 600);
    vscrAantal.SetMin(-1);
    vscrAantal.SetMax(5);
    vscrAantal.SetSmallChange(1);
    vscrAantal.SetLargeChange(1);
    vscrAantal.SetEnabled(false);
    Plaats(lblAantal, 2640, 3900, 360, 255);
    lblAantal.SetCaption(QStringLiteral("4"));
    lblAantal.SetFontBold(true);
    lstAantal.SetVisible(false);

    for (int k = 0; k < 3; ++k) {
        Plaats(picAchtergrond[k], 3225, 240, PaneelBreedte, PaneelHoogte);
        picAchtergrond[k].SetBackColor(vbWhite);
    }
    picAchtergrond[0].SetVisible(false);

    // Panel 0: four columns, each a header, a seat and four suit rows.
    for (int c = 0; c < 4; ++c) {
        const int x = 240 + 3900 * c;
        Plaats(lblSpelnummer[c], x, 150, 2000, 255);
        lblSpelnummer[c].SetFontBold(true);
        Plaats(lblGever[c], x, 435, 3500, 255);
        Plaats(lblKwetsbaar[c], x, 720, 3500, 255);
        Plaats(lblWind[c], x, 1185, 660, 255);
        lblWind[c].SetFontBold(true);
        // The layout chooser puts the points 60 twips lower than the seat
        // name; a smaller font keeps them on its line.
        Plaats(lblPunten[c], x + 720, 1245, 900, 225);
        lblPunten[c].SetFontSize(7);
        lblPunten[c].SetCaption(QStringLiteral("( )"));
        for (int s = 0; s < 4; ++s) {
            const int i = 4 * c + s, y = 1620 + 315 * s;
            Plaats(lblKleur[i], x, y, 330, 255);
            Plaats(lblHand[i], x + 315, y, 2800, 255);
        }
    }
    // Panel 1: the header, then North and East under each other on the
    // left, South and West on the right.
    Plaats(lblSpelNummer2, 240, 150, 2000, 255);
    lblSpelNummer2.SetFontBold(true);
    Plaats(lblGever2, 240, 420, 3500, 255);
    Plaats(lblKwetsbaar2, 240, 690, 3500, 255);
    for (int h = 0; h < 4; ++h) {
        const int x = 240 + 3900 * (h / 2), y = 1170 + 1620 * (h % 2);
        Plaats(lblWind2[h], x, y, 660, 255);
        lblWind2[h].SetFontBold(true);
        Plaats(lblPunten2[h], x + 720, y, 900, 255);
        lblPunten2[h].SetCaption(QStringLiteral("( )"));
        for (int s = 0; s < 4; ++s) {
            const int i = 4 * h + s, ys = y + 270 * (s + 1);
            Plaats(lblKleur2[i], x, ys, 330, 255);
            Plaats(lblHand2[i], x + 315, ys, 2800, 255);
        }
    }
    // Panel 2: four compass diagrams side by side.
    for (int d = 0; d < 4; ++d) {
        const int x = 240 + 3960 * d;
        Plaats(lblSpelNummer3[d], x, 120, 1500, 225);
        lblSpelNummer3[d].SetFontBold(true);
        Plaats(lblGever3[d], x, 345, 2700, 225);
        Plaats(lblKwetsbaar3[d], x, 570, 3000, 225);
        const int zitLinks[4] = {x + 1200, x + 2400, x + 1200, x};
        const int zitBoven[4] = {840, 2010, 3180, 2010};
        for (int h = 0; h < 4; ++h) {
            const int w = 4 * d + h;
            Plaats(lblWind3[w], zitLinks[h], zitBoven[h], 660, 225);
            lblWind3[w].SetFontBold(true);
            Plaats(lblPunten3[w], zitLinks[h] + 720, zitBoven[h], 540, 225);
            lblPunten3[w].SetCaption(QStringLiteral("( )"));
            for (int s = 0; s < 4; ++s) {
                const int i = 16 * d + 4 * h + s, y = zitBoven[h] + 225 * (s + 1);
                Plaats(lblKleur3[i], zitLinks[h], y, 330, 225);
                Plaats(lblHand3[i], zitLinks[h] + 315, y, 1260, 225);
            }
        }
    }
    // The option boxes of every panel on one line above its Start button.
    Plaats(chkMeeAfdrukken, 240, 4380, 3300, 300);
    Plaats(chkKleurAfdrukken, 4140, 4380, 3300, 300);
    Plaats(chkMeeAfdrukken2, 240, 4380, 3300, 300);
    Plaats(chkKleurAfdrukken2, 4140, 4380, 3300, 300);
    Plaats(chkMeeAfdrukken3, 240, 4380, 3300, 300);
    Plaats(chkKleurAfdrukken3, 4200, 4380, 3300, 300);
    for (CheckBox* chk : {&chkMeeAfdrukken, &chkKleurAfdrukken, &chkMeeAfdrukken2,
                          &chkKleurAfdrukken2, &chkMeeAfdrukken3, &chkKleurAfdrukken3}) {
        chk->SetBackColor(vbWhite);
        chk->SetValue(vbChecked);
    }

    for (CommandButton* b : {&cmdStart, &cmdStart2, &cmdStart3, &cmdTerug})
        Plaats(*b, 90, 5100, 1455, 465);
    Plaats(cmdStart2, 3465, 5100, 1455, 465);
    cmdStart.SetVisible(false);
    cmdStart3.SetVisible(false);
    Plaats(cmdFocus, 0, 0, 15, 15);
    cmdFocus.SetTabIndex(9999);
}

void frmVeldom17Form::Form_Load() {
    const int schermBreedte = Screen().Width();
    // Centred; on a screen narrower than the window its left edge, with the
    // layout chooser and the back button, stays on the screen.
    Move(std::max(0, (schermBreedte - Width()) / 2), std::max(0, (Screen().Height() - Height()) / 2));
    cmdFocus.SetLeft(schermBreedte + 100);

    SetCaption(TaalTekst(209));
    fraKLembord.SetCaption(TaalTekst(205));
    cmdTerug.SetCaption(QLatin1Char('&') + TaalTekst(42));
    for (CommandButton* b : {&cmdStart, &cmdStart2, &cmdStart3}) b->SetCaption(TaalTekst(22));
    for (CheckBox* b : {&chkMeeAfdrukken, &chkMeeAfdrukken2, &chkMeeAfdrukken3})
        b->SetCaption(QLatin1Char('&') + TaalTekst(211));
    for (CheckBox* b : {&chkKleurAfdrukken, &chkKleurAfdrukken2, &chkKleurAfdrukken3})
        b->SetCaption(WithAccessKey(TaalTekst(212), QLatin1Char('h')));
    for (int j = 0; j < 16; ++j) {
        lblKleur[j].SetCaption(LetterVan(j));
        lblKleur2[j].SetCaption(LetterVan(j));
    }
    for (int j = 0; j < 64; ++j) lblKleur3[j].SetCaption(LetterVan(j));
    for (int c = 0; c < 4; ++c) {
        lblGever[c].SetCaption(TaalTekst(5) + QStringLiteral(":"));
        lblGever3[c].SetCaption(TaalTekst(5) + QStringLiteral(":"));
        lblKwetsbaar[c].SetCaption(TaalTekst(6) + QStringLiteral(":"));
        lblKwetsbaar3[c].SetCaption(TaalTekst(6) + QStringLiteral(":"));
        lblSpelnummer[c].SetCaption(QString());
        lblSpelNummer3[c].SetCaption(QString());
    }
    lblSpelNummer2.SetCaption(QString());
    for (int j = 0; j < 16; ++j) {
        lblWind3[j].SetCaption(TaalTekst(j % 4 + 1));
        lblPunten3[j].Move(lblWind3[j].Left() + lblWind3[j].Width() + 60, lblWind3[j].Top());
    }
    for (int n = 4; n >= 1; --n) lstAantal.AddItem(QString::number(n));
    for (int j = 0; j < 16; ++j) lblHand2[j].SetCaption(QString());
    for (int j = 0; j < 64; ++j) lblHand3[j].SetCaption(QString());
    vscrAantal.SetValue(0);

    // Open with the layout chosen last time, so the window is ready to use.
    const int laatste = PrintRichtingKlembord >= 0 && PrintRichtingKlembord <= 3 ? PrintRichtingKlembord : 0;
    optHoe[laatste].SetValue(true);
}

void frmVeldom17Form::ZetFocusOpKnop() { ZetFocus(*this, cmdFocus); }

void frmVeldom17Form::Form_KeyUp(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode != 118) return;
    if (!klembord::StartTekstEditor())
        MsgBox(MetRegels(TaalTekst(213)), vbExclamation, Caption());
}

void frmVeldom17Form::cmdTerug_Click() { Unload(*this); }

void frmVeldom17Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    (void)UnloadMode;
}

// --- The layout chooser ---------------------------------------------------

void frmVeldom17Form::optHoe_Click(int Index) {
    const int k = Index;
    SchrijfIni(QStringLiteral("Printer"), QStringLiteral("Print Richting Klembord"), QString::number(k),
               IniBestand);
    ZetFocusOpKnop();
    PrintRichtingKlembord = k;
    for (int i = 0; i < 16; ++i) lblHand[i].SetCaption(QString());
    for (int p = 0; p < 3; ++p) picAchtergrond[p].SetVisible(false);
    cmdStart.SetVisible(false);
    cmdStart2.SetVisible(false);
    cmdStart3.SetVisible(false);
    vscrAantal.SetEnabled(false);
    if (k == 0 || k == 1) {
        chkKleurAfdrukken.SetValue(vbChecked);
        chkMeeAfdrukken.SetValue(vbChecked);
    }

    if (k == 0) {
        for (int c = 1; c < 4; ++c) {
            for (Label* l : {&lblSpelnummer[c], &lblGever[c], &lblKwetsbaar[c]}) {
                l->SetCaption(QString());
                l->SetVisible(false);
            }
        }
        for (int c = 0; c < 4; ++c) lblWind[c].SetCaption(TaalTekst(c + 1));
    } else if (k == 1) {
        for (int c = 0; c < 4; ++c) {
            lblSpelnummer[c].SetVisible(true);
            lblGever[c].SetCaption(TaalTekst(5) + QStringLiteral(":"));
            lblGever[c].SetVisible(true);
            lblKwetsbaar[c].SetCaption(TaalTekst(6));
            lblKwetsbaar[c].SetVisible(true);
            lblWind[c].SetCaption(TaalTekst(1));
        }
    } else if (k == 2) {
        lblGever2.SetCaption(TaalTekst(5) + QStringLiteral(":"));
        lblGever2.SetVisible(true);
        lblKwetsbaar2.SetCaption(TaalTekst(6));
        lblKwetsbaar2.SetVisible(true);
        for (int h = 0; h < 4; ++h) {
            lblWind2[h].SetCaption(TaalTekst(h + 1));
            lblPunten2[h].Move(lblWind2[h].Left() + lblWind2[h].Width() + 60, lblWind2[h].Top());
        }
    } else {
        vscrAantal.SetEnabled(true);
        vscrAantal.SetValue(0);
    }
    if (k == 0 || k == 1) {
        for (int c = 0; c < 4; ++c) {
            lblPunten[c].SetCaption(QStringLiteral("( )"));
            lblPunten[c].Move(lblWind[c].Left() + lblWind[c].Width() + 60, lblWind[c].Top() + 60);
        }
    }

    const int paneel = k == 0 ? 0 : k - 1;
    PictureBox& pic = picAchtergrond[paneel];
    pic.Move(fraKLembord.Left() + fraKLembord.Width(), fraKLembord.Top() + 60);
    pic.SetVisible(true);
    CommandButton& start = paneel == 0 ? cmdStart : paneel == 1 ? cmdStart2 : cmdStart3;
    CheckBox& punten = paneel == 0 ? chkMeeAfdrukken : paneel == 1 ? chkMeeAfdrukken2 : chkMeeAfdrukken3;
    start.Move(pic.Left() + punten.Left(), cmdTerug.Top());
    start.SetVisible(true);
    // In front of the panel, whose lower edge it covers.
    if (QWidget* w = start.existingWidget()) w->raise();
    ZetFocusOpKnop();
}

void frmVeldom17Form::vscrAantal_Change() {
    const int laatste = lstAantal.ListCount() - 1;
    if (vscrAantal.Value() < 0) vscrAantal.SetValue(laatste);
    if (vscrAantal.Value() > laatste) vscrAantal.SetValue(0);
    const int positie = qBound(0, vscrAantal.Value(), qMax(0, laatste));
    lblAantal.SetCaption(lstAantal.List(positie));
    const int n = qBound(0, ValInteger(lblAantal.Caption()), 4);

    for (int d = 0; d < 4; ++d) {
        lblSpelNummer3[d].SetCaption(QString());
        lblSpelNummer3[d].SetVisible(false);
        lblKwetsbaar3[d].SetVisible(false);
        lblGever3[d].SetVisible(false);
    }
    for (int j = 0; j < 16; ++j) {
        lblWind3[j].SetVisible(false);
        lblPunten3[j].SetVisible(false);
    }
    for (int j = 0; j < 64; ++j) {
        lblKleur3[j].SetVisible(false);
        lblHand3[j].SetVisible(false);
    }
    // The suit letters come back only while their box is ticked, so that the
    // option the user chose is what the next text shows.
    const bool letters = chkKleurAfdrukken3.Value() != vbUnchecked;
    for (int d = 0; d < n; ++d) {
        lblSpelNummer3[d].SetCaption(QString::number(d + 1));
        lblSpelNummer3[d].SetVisible(true);
        lblKwetsbaar3[d].SetVisible(true);
        lblGever3[d].SetVisible(true);
    }
    for (int j = 0; j < 16 * n; ++j) {
        lblKleur3[j].SetVisible(letters);
        lblHand3[j].SetVisible(true);
    }
    for (int j = 0; j < 4 * n; ++j) {
        lblWind3[j].SetVisible(true);
        if (chkMeeAfdrukken3.Value() == vbChecked) lblPunten3[j].SetVisible(true);
    }
    ZetFocusOpKnop();
}

// --- Options of the panels ------------------------------------------------

void frmVeldom17Form::ToonLetters(CheckBox& chk, ControlArray<Label>& kleur, ControlArray<Label>& hand) {
    const int n = kleur.Count();
    if (chk.Value() == vbUnchecked) {
        for (int i = 0; i < n; ++i) {
            kleur[i].SetCaption(QString());
            kleur[i].SetVisible(false);
            hand[i].SetLeft(kleur[i].Left());
        }
    } else {
        for (int s = 0; s < 4; ++s)
            for (int i = s; i < n; i += 4) kleur[i].SetCaption(LetterVan(i));
        // Letters only beside the holdings the preview shows (layout 3 can
        // show fewer than four diagrams).
        for (int i = 0; i < n; ++i) {
            kleur[i].SetVisible(hand[i].Visible());
            hand[i].SetLeft(kleur[i].Left() + kleur[i].Width() - 15);
        }
    }
    ZetFocusOpKnop();
}

void frmVeldom17Form::ToonPunten(CheckBox& chk, ControlArray<Label>& punten, ControlArray<Label>& wind) {
    const bool aan = chk.Value() != vbUnchecked;
    for (int i = 0; i < punten.Count(); ++i) {
        punten[i].SetCaption(aan ? QStringLiteral("( )") : QString());
        punten[i].SetVisible(aan && wind[i].Visible());
    }
    ZetFocusOpKnop();
}

void frmVeldom17Form::chkKleurAfdrukken_Click() { ToonLetters(chkKleurAfdrukken, lblKleur, lblHand); }
void frmVeldom17Form::chkKleurAfdrukken2_Click() { ToonLetters(chkKleurAfdrukken2, lblKleur2, lblHand2); }
void frmVeldom17Form::chkKleurAfdrukken3_Click() { ToonLetters(chkKleurAfdrukken3, lblKleur3, lblHand3); }
void frmVeldom17Form::chkMeeAfdrukken_Click() { ToonPunten(chkMeeAfdrukken, lblPunten, lblWind); }
void frmVeldom17Form::chkMeeAfdrukken2_Click() { ToonPunten(chkMeeAfdrukken2, lblPunten2, lblWind2); }
void frmVeldom17Form::chkMeeAfdrukken3_Click() { ToonPunten(chkMeeAfdrukken3, lblPunten3, lblWind3); }

// --- Building the text ----------------------------------------------------

QList<klembord::Spel> frmVeldom17Form::Spellen() const {
    klembord::Reeksen reeksen{GeverReeks, KwetsbaarReeks};
    if (reeksen.gever.isEmpty() || reeksen.kwetsbaar.isEmpty()) reeksen = klembord::Reeksen::Standaard();
    return klembord::BruikbareSpellen(SpellenVanHoofdvenster(), reeksen);
}

void frmVeldom17Form::NaarKlembord(const QString& tekst) {
    if (tekst.isEmpty()) {
        MsgBox(TaalTekst(214), vbInformation, Caption());
        return;
    }
    QClipboard* klembord = QGuiApplication::clipboard();
    klembord->clear();
    klembord->setText(klembord::TrimSpaties(tekst));
    MsgBox(platform::StripAccessKeys(TaalTekst(203)), vbInformation, Caption());
}

void frmVeldom17Form::cmdStart_Click() {
    ZetFocusOpKnop();
    cmdStart.SetEnabled(false);
    if (PrintRichtingKlembord == 0 || PrintRichtingKlembord == 1) {
        const klembord::Teksten t = klembord::Teksten::Uit(TaalTekst);
        klembord::Paneel0 paneel = LeesPaneel0();
        klembord::TabStand tabs{KolomSoort, TabReeks};
        const QString tekst = PrintRichtingKlembord == 0
                                  ? klembord::BouwLayout0(Spellen(), paneel, tabs, t, Tien)
                                  : klembord::BouwLayout1(Spellen(), paneel, tabs, t, Tien);
        KolomSoort = qint16(tabs.KolomSoort);
        TabReeks = tabs.TabReeks;
        SchrijfPaneel0(paneel);
        NaarKlembord(tekst);
    }
    ZetFocusOpKnop();
    cmdStart.SetEnabled(true);
}

void frmVeldom17Form::cmdStart2_Click() {
    klembord::Paneel2 paneel = LeesPaneel2();
    const QString tekst = klembord::BouwLayout2(Spellen(), paneel, klembord::Teksten::Uit(TaalTekst), Tien);
    SchrijfPaneel2(paneel);
    NaarKlembord(tekst);
}

void frmVeldom17Form::cmdStart3_Click() {
    klembord::Paneel3 paneel = LeesPaneel3();
    const QString tekst = klembord::BouwLayout3(Spellen(), paneel, klembord::Teksten::Uit(TaalTekst),
                                                ValInteger(lblAantal.Caption()));
    SchrijfPaneel3(paneel);
    NaarKlembord(tekst);
}

// --- Panels as data -------------------------------------------------------

namespace {

template <std::size_t N>
void Lees(QString (&doel)[N], ControlArray<Label>& labels) {
    for (std::size_t i = 0; i < N; ++i) doel[i] = labels[int(i)].Caption();
}

template <std::size_t N>
void Schrijf(const QString (&bron)[N], ControlArray<Label>& labels) {
    for (std::size_t i = 0; i < N; ++i) labels[int(i)].SetCaption(bron[i]);
}

// The panels of layouts 0 and 1 and of layout 3 hold the same kinds of labels, one array per kind.
template <class Paneel>
void LeesAlle(Paneel& p, ControlArray<Label>& spelnummer, ControlArray<Label>& gever,
              ControlArray<Label>& kwetsbaar, ControlArray<Label>& wind, ControlArray<Label>& punten,
              ControlArray<Label>& hand, ControlArray<Label>& kleur) {
    Lees(p.spelnummer, spelnummer);
    Lees(p.gever, gever);
    Lees(p.kwetsbaar, kwetsbaar);
    Lees(p.wind, wind);
    Lees(p.punten, punten);
    Lees(p.hand, hand);
    Lees(p.kleur, kleur);
    p.kleurZichtbaar = kleur[0].Visible();
    p.puntenZichtbaar = punten[0].Visible();
}

template <class Paneel>
void SchrijfAlle(const Paneel& p, ControlArray<Label>& spelnummer, ControlArray<Label>& gever,
                 ControlArray<Label>& kwetsbaar, ControlArray<Label>& wind, ControlArray<Label>& punten,
                 ControlArray<Label>& hand) {
    Schrijf(p.spelnummer, spelnummer);
    Schrijf(p.gever, gever);
    Schrijf(p.kwetsbaar, kwetsbaar);
    Schrijf(p.wind, wind);
    Schrijf(p.punten, punten);
    Schrijf(p.hand, hand);
}

}  // namespace

klembord::Paneel0 frmVeldom17Form::LeesPaneel0() {
    klembord::Paneel0 p;
    LeesAlle(p, lblSpelnummer, lblGever, lblKwetsbaar, lblWind, lblPunten, lblHand, lblKleur);
    return p;
}

void frmVeldom17Form::SchrijfPaneel0(const klembord::Paneel0& p) {
    SchrijfAlle(p, lblSpelnummer, lblGever, lblKwetsbaar, lblWind, lblPunten, lblHand);
}

klembord::Paneel2 frmVeldom17Form::LeesPaneel2() {
    klembord::Paneel2 p;
    p.spelnummer = lblSpelNummer2.Caption();
    p.gever = lblGever2.Caption();
    p.kwetsbaar = lblKwetsbaar2.Caption();
    Lees(p.wind, lblWind2);
    Lees(p.punten, lblPunten2);
    Lees(p.hand, lblHand2);
    Lees(p.kleur, lblKleur2);
    p.kleurZichtbaar = lblKleur2[0].Visible();
    p.puntenZichtbaar = lblPunten2[0].Visible();
    return p;
}

void frmVeldom17Form::SchrijfPaneel2(const klembord::Paneel2& p) {
    lblSpelNummer2.SetCaption(p.spelnummer);
    lblGever2.SetCaption(p.gever);
    lblKwetsbaar2.SetCaption(p.kwetsbaar);
    Schrijf(p.punten, lblPunten2);
    Schrijf(p.hand, lblHand2);
}

klembord::Paneel3 frmVeldom17Form::LeesPaneel3() {
    klembord::Paneel3 p;
    LeesAlle(p, lblSpelNummer3, lblGever3, lblKwetsbaar3, lblWind3, lblPunten3, lblHand3, lblKleur3);
    return p;
}

void frmVeldom17Form::SchrijfPaneel3(const klembord::Paneel3& p) {
    SchrijfAlle(p, lblSpelNummer3, lblGever3, lblKwetsbaar3, lblWind3, lblPunten3, lblHand3);
}
