#include "settings/frmVeldom06.h"

#include <algorithm>

#include "deal/Spinner.h"
#include "platform/Profile.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "settings/InstellingRegels.h"
#include "settings/MailInstelRegels.h"
#include "settings/OpeningKeuze.h"
#include "shared/BasVeldom.h"

using namespace platform;

DEFINE_FORM(frmVeldom06, frmVeldom06Form)

namespace {

// The window as designed, twips.
constexpr int Marge = 120;
constexpr int KiezerBreedte = 2760;
constexpr int PaginaBreedte = 6000;
constexpr int PaginaHoogte = 3480;
constexpr int KaderBoven = 75;        // top of the page chooser
constexpr int EmailHoogte = 2625;
constexpr int RijEerste = 900;         // caption top of the first row under an apply box
constexpr int RijAfstand = 420;
constexpr int WaardeBreedte = 600;     // value labels
constexpr int WaardeHoogte = 330;
constexpr int SpinnerBreedte = 255;
constexpr int KnopBreedte = 1200;
constexpr int KnopHoogte = 375;

void ZetWaardeLabel(Label& l) {
    l.SetBorderStyle(1);
    l.SetAlignment(vbCenter);
    l.SetBackColor(vbWhite);
    l.SetCaption(QString());
}

void ZetSpinnerBereik(VScrollBar& v, int aantal) {
    // One step beyond either end is possible; the change handler wraps it.
    v.SetMin(-1);
    v.SetMax(aantal);
    v.SetSmallChange(1);
    v.SetLargeChange(1);
}

int Rechts(const Control& c) { return c.Left() + c.Width(); }

}  // namespace

frmVeldom06Form::frmVeldom06Form() : Form(QStringLiteral("frmVeldom06")) {
    using spel::HonneursLijst;
    using spel::MaxLengteLijst;
    using spel::OpeningPuntenLijst;
    using spel::PuntenLijst;
    const QString punten = QStringLiteral("Punten"), zeskaart = QStringLiteral("6 kaart 11 punten"),
                  zwak = QStringLiteral("Zwakke 2"), muider = QStringLiteral("Muiderbergse 2"),
                  multi = QStringLiteral("Multy 2 Ruiten");
    spinners_ = {
        {&vscrMin, &lstMinimaal, &lblMin, punten, "MinimaalPunten", &MinimaalPunten, Regel::PuntMinimum, &lblMax,
         PuntenLijst},
        {&vscrMax, &lstMaximaal, &lblMax, punten, "MaximaalPunten", &MaximaalPunten, Regel::PuntMaximum, &lblMin,
         PuntenLijst},
        {&vscrMaximaleLengte, &lstMaximaleLengte, &lblMaximale, punten, "Maxlengte", &Maxlengte, Regel::Geen,
         nullptr, MaxLengteLijst},
        {&vscr6Kaart, &lst6Kaart, &lblAantalHonneurs6Kaart[1], zeskaart, "Aantal honneurs", &ZesKaartHonneurs,
         Regel::Geen, nullptr, HonneursLijst},
        {&vscrZwakke2, &lstZwakke2, &lblAantalHonneursZwakke2[1], zwak, "Aantalhonneurs", &AantalHonneurs,
         Regel::Geen, nullptr, HonneursLijst},
        {&vscrZwakke2NKMin, &lstZwakke2NKMin, &lblZwakke2NKMin, zwak, "NietKwetsbaarMin", &NietKwetsbaarMin,
         Regel::OpeningMinimum, &lblZwakke2NKMax, OpeningPuntenLijst},
        {&vscrZwakke2NKMax, &lstZwakke2NKMax, &lblZwakke2NKMax, zwak, "NietKwetsbaarMax", &NietKwetsbaarMax,
         Regel::OpeningMaximum, &lblZwakke2NKMin, OpeningPuntenLijst},
        {&vscrZwakke2WKMin, &lstZwakke2WKMin, &lblZwakke2WKMin, zwak, "KwetsbaarMin", &KwetsbaarMin,
         Regel::OpeningMinimum, &lblZwakke2WKMax, OpeningPuntenLijst},
        {&vscrZwakke2WKMax, &lstZwakke2WKMax, &lblZwakke2WKMax, zwak, "KwetsbaarMax", &KwetsbaarMax,
         Regel::OpeningMaximum, &lblZwakke2WKMin, OpeningPuntenLijst},
        {&vscrMuiderBergNKMin, &lstMuiderbergNKMin, &lblMuiderBergNKMin, muider, "MuiderbergNKMin",
         &MuiderbergNKMin, Regel::OpeningMinimum, &lblMuiderBergNKMax, OpeningPuntenLijst},
        {&vscrMuiderBergNKMax, &lstMuiderbergNKMax, &lblMuiderBergNKMax, muider, "MuiderbergNKMax",
         &MuiderbergNKMax, Regel::OpeningMaximum, &lblMuiderBergNKMin, OpeningPuntenLijst},
        {&vscrMuiderBergWKMin, &lstMuiderbergWKMin, &lblMuiderBergWKMin, muider, "MuiderbergWKMin",
         &MuiderbergWKMin, Regel::OpeningMinimum, &lblMuiderBergWKMax, OpeningPuntenLijst},
        {&vscrMuiderBergWKMax, &lstMuiderbergWKMax, &lblMuiderBergWKMax, muider, "MuiderbergWKMax",
         &MuiderbergWKMax, Regel::OpeningMaximum, &lblMuiderBergWKMin, OpeningPuntenLijst},
        {&vscrMulty2Ruiten, &lstMulty2Ruiten, &lblAantalHonneursMulty2Ruiten[1], multi, "Multy2RuitenHonneurs",
         &Multy2RuitenHonneurs, Regel::Geen, nullptr, HonneursLijst},
        {&vscrMulty2RuitenNKMin, &lstMulty2RuitenNKMin, &lblMulty2RuitenNKMin, multi, "Multy2RuitenNKMin",
         &Multy2RuitenNKMin, Regel::OpeningMinimum, &lblMulty2RuitenNKMax, OpeningPuntenLijst},
        {&vscrMulty2RuitenNKMax, &lstMulty2RuitenNKMax, &lblMulty2RuitenNKMax, multi, "Multy2RuitenNKMax",
         &Multy2RuitenNKMax, Regel::OpeningMaximum, &lblMulty2RuitenNKMin, OpeningPuntenLijst},
        {&vscrMulty2RuitenWKMin, &lstMulty2RuitenWKMin, &lblMulty2RuitenWKMin, multi, "Multy2RuitenWKMin",
         &Multy2RuitenWKMin, Regel::OpeningMinimum, &lblMulty2RuitenWKMax, OpeningPuntenLijst},
        {&vscrMulty2RuitenWKMax, &lstMulty2RuitenWKMax, &lblMulty2RuitenWKMax, multi, "Multy2RuitenWKMax",
         &Multy2RuitenWKMax, Regel::OpeningMaximum, &lblMulty2RuitenWKMin, OpeningPuntenLijst},
    };
    Ontwerp();
    KoppelHandlers();
}

// ---------------------------------------------------------------------------
// Design: positions and sizes in twips. The load moves the pages and the
// e-mail frame into place and fits the rows to their captions.

void frmVeldom06Form::Ontwerp() {
    SetBorderStyle(vbSizable);
    SetKeyPreview(true);
    const int paginaLinks = Marge + KiezerBreedte + 60;
    SetWidth(paginaLinks + PaginaBreedte + Marge + 120);
    SetHeight(7000);

    fraInstellingen.Move(Marge, KaderBoven, KiezerBreedte, PaginaHoogte);
    for (int i = 0; i < instelling::AantalPaginas; ++i) {
        optInstellingen[i].Move(180, 360 + 435 * i, KiezerBreedte - 300, 300);
        fraStelIn[i].Move(paginaLinks, KaderBoven, PaginaBreedte, PaginaHoogte);
        fraStelIn[i].SetVisible(false);
    }

    // Page 0: three spinner rows and the apply box.
    Label* kop0[3] = {&lblMinimaal, &lblMaximaal, &lblMaximaleLengte};
    Label* waarde0[3] = {&lblMin, &lblMax, &lblMaximale};
    VScrollBar* vscr0[3] = {&vscrMin, &vscrMax, &vscrMaximaleLengte};
    for (int r = 0; r < 3; ++r) {
        const int boven = 480 + RijAfstand * r;
        kop0[r]->Move(240, boven, 1800, 255);
        kop0[r]->SetAutoSize(true);
        waarde0[r]->Move(2400, boven - 60, WaardeBreedte, WaardeHoogte);
        vscr0[r]->Move(2400 + WaardeBreedte + 16, boven - 60, SpinnerBreedte, WaardeHoogte);
    }
    chkPuntenToepassen.Move(240, 480 + RijAfstand * 3, PaginaBreedte - 480, 300);

    // Pages 1 to 5: the apply box on top.
    for (int i = 0; i < instelling::AantalOpeningen; ++i) chkOpening[i].Move(240, 360, PaginaBreedte - 480, 300);

    // Point rows of pages 3 to 5, then the honours row and the last-hand box.
    auto puntenRijen = [&](ControlArray<Label>& koppen, Label* waarden[4], VScrollBar* vscrs[4]) {
        for (int r = 0; r < 4; ++r) {
            const int boven = RijEerste + RijAfstand * r;
            koppen[r].Move(240, boven, 3000, 255);
            koppen[r].SetAutoSize(true);
            waarden[r]->Move(3400, boven - 60, WaardeBreedte, WaardeHoogte);
            vscrs[r]->Move(3400 + WaardeBreedte + 16, boven - 60, SpinnerBreedte, WaardeHoogte);
        }
    };
    auto honneursRij = [&](ControlArray<Label>& rij, VScrollBar& vscr, int boven) {
        rij[0].Move(240, boven, 3000, 255);
        rij[0].SetAutoSize(true);
        rij[1].Move(3400, boven - 60, WaardeBreedte, WaardeHoogte);
        vscr.Move(3400 + WaardeBreedte + 16, boven - 60, SpinnerBreedte, WaardeHoogte);
    };
    const int honneursBoven = RijEerste + RijAfstand * 4;
    const int laatsteBoven = honneursBoven + RijAfstand;
    honneursRij(lblAantalHonneurs6Kaart, vscr6Kaart, RijEerste);
    {
        Label* w[4] = {&lblZwakke2NKMin, &lblZwakke2NKMax, &lblZwakke2WKMin, &lblZwakke2WKMax};
        VScrollBar* v[4] = {&vscrZwakke2NKMin, &vscrZwakke2NKMax, &vscrZwakke2WKMin, &vscrZwakke2WKMax};
        puntenRijen(lblZwakke2, w, v);
    }
    honneursRij(lblAantalHonneursZwakke2, vscrZwakke2, honneursBoven);
    chkLaatsteZwakke2.Move(240, laatsteBoven, PaginaBreedte - 480, 300);
    {
        Label* w[4] = {&lblMuiderBergNKMin, &lblMuiderBergNKMax, &lblMuiderBergWKMin, &lblMuiderBergWKMax};
        VScrollBar* v[4] = {&vscrMuiderBergNKMin, &vscrMuiderBergNKMax, &vscrMuiderBergWKMin,
                            &vscrMuiderBergWKMax};
        puntenRijen(lblMuiderBerg, w, v);
    }
    chkMuiderBergLaatsteHand.Move(240, honneursBoven, PaginaBreedte - 480, 300);
    {
        Label* w[4] = {&lblMulty2RuitenNKMin, &lblMulty2RuitenNKMax, &lblMulty2RuitenWKMin,
                       &lblMulty2RuitenWKMax};
        VScrollBar* v[4] = {&vscrMulty2RuitenNKMin, &vscrMulty2RuitenNKMax, &vscrMulty2RuitenWKMin,
                            &vscrMulty2RuitenWKMax};
        puntenRijen(lblMulty2Ruiten, w, v);
    }
    honneursRij(lblAantalHonneursMulty2Ruiten, vscrMulty2Ruiten, honneursBoven);
    chkMulty2Ruiten.Move(240, laatsteBoven, PaginaBreedte - 480, 300);

    for (Spinner& s : spinners_) {
        ZetWaardeLabel(*s.lbl);
        ZetSpinnerBereik(*s.vscr, s.lijst.Aantal());
        s.lst->SetVisible(false);
    }

    // The e-mail sender and the window's buttons.
    fraEmail.Move(Marge, KaderBoven + PaginaHoogte + 60, paginaLinks + PaginaBreedte - Marge, EmailHoogte);
    lblWaarvoor.Move(Marge, 300, 8000, 450);
    lblWaarvoor.SetWordWrap(true);
    for (Label* l : {&lblInfo, &lblNaam, &lblProvider}) l->SetAutoSize(true);
    lblInfo.Move(Marge, 870, 1500, 255);
    txtEMailAdres.Move(1800, 840, 5000, 315);
    lblNaam.Move(Marge, 1290, 1500, 255);
    txtNaam.Move(1800, 1260, 5000, 315);
    lblProvider.Move(Marge, 1710, 1500, 255);
    optProvider[0].Move(1800, 1710, 1350, 255);
    optProvider[1].Move(3500, 1710, 1350, 255);
    cmdTerug.Move(Marge, 2100, KnopBreedte, KnopHoogte);
    cmdOK.Move(5600, 2100, KnopBreedte, KnopHoogte);

    cmdFocus.Move(-2000, 0, 100, 100);

    // Tab order: the page buttons, the controls of the pages, the e-mail
    // fields and buttons; the focus button last.
    std::vector<Control*> volgorde;
    for (int i = 0; i < instelling::AantalPaginas; ++i) volgorde.push_back(&optInstellingen[i]);
    for (Control* c : std::initializer_list<Control*>{&vscrMin, &vscrMax, &vscrMaximaleLengte, &chkPuntenToepassen,
                                                      &chkOpening[0], &chkOpening[1], &vscr6Kaart, &chkOpening[2]})
        volgorde.push_back(c);
    for (Control* c : std::initializer_list<Control*>{
             &vscrZwakke2NKMin, &vscrZwakke2NKMax, &vscrZwakke2WKMin, &vscrZwakke2WKMax, &vscrZwakke2,
             &chkLaatsteZwakke2, &chkOpening[3], &vscrMuiderBergNKMin, &vscrMuiderBergNKMax, &vscrMuiderBergWKMin,
             &vscrMuiderBergWKMax, &chkMuiderBergLaatsteHand, &chkOpening[4], &vscrMulty2RuitenNKMin,
             &vscrMulty2RuitenNKMax, &vscrMulty2RuitenWKMin, &vscrMulty2RuitenWKMax, &vscrMulty2Ruiten,
             &chkMulty2Ruiten, &txtEMailAdres, &txtNaam, &optProvider[0], &optProvider[1], &cmdOK, &cmdTerug})
        volgorde.push_back(c);
    for (int i = 0; i < int(volgorde.size()); ++i) volgorde[i]->SetTabIndex(i);
    cmdFocus.SetTabIndex(int(Controls().size()) - 1);
}

void frmVeldom06Form::KoppelHandlers() {
    optInstellingen.OnClick([this](int i) { optInstellingen_Click(i); });
    vscrMin.OnChange([this] { vscrMin_Change(); });
    vscrMax.OnChange([this] { vscrMax_Change(); });
    vscrMaximaleLengte.OnChange([this] { vscrMaximaleLengte_Change(); });
    vscr6Kaart.OnChange([this] { vscr6Kaart_Change(); });
    vscrZwakke2.OnChange([this] { vscrZwakke2_Change(); });
    vscrZwakke2NKMin.OnChange([this] { vscrZwakke2NKMin_Change(); });
    vscrZwakke2NKMax.OnChange([this] { vscrZwakke2NKMax_Change(); });
    vscrZwakke2WKMin.OnChange([this] { vscrZwakke2WKMin_Change(); });
    vscrZwakke2WKMax.OnChange([this] { vscrZwakke2WKMax_Change(); });
    vscrMuiderBergNKMin.OnChange([this] { vscrMuiderBergNKMin_Change(); });
    vscrMuiderBergNKMax.OnChange([this] { vscrMuiderBergNKMax_Change(); });
    vscrMuiderBergWKMin.OnChange([this] { vscrMuiderBergWKMin_Change(); });
    vscrMuiderBergWKMax.OnChange([this] { vscrMuiderBergWKMax_Change(); });
    vscrMulty2Ruiten.OnChange([this] { vscrMulty2Ruiten_Change(); });
    vscrMulty2RuitenNKMin.OnChange([this] { vscrMulty2RuitenNKMin_Change(); });
    vscrMulty2RuitenNKMax.OnChange([this] { vscrMulty2RuitenNKMax_Change(); });
    vscrMulty2RuitenWKMin.OnChange([this] { vscrMulty2RuitenWKMin_Change(); });
    vscrMulty2RuitenWKMax.OnChange([this] { vscrMulty2RuitenWKMax_Change(); });
    for (int i = 0; i < instelling::AantalOpeningen; ++i) chkOpening[i].OnClick([this, i] { chkOpening_Click(i); });
    chkLaatsteZwakke2.OnClick([this] { chkLaatsteZwakke2_Click(); });
    chkMuiderBergLaatsteHand.OnClick([this] { chkMuiderBergLaatsteHand_Click(); });
    chkMulty2Ruiten.OnClick([this] { chkMulty2Ruiten_Click(); });
    chkPuntenToepassen.OnClick([this] { chkPuntenToepassen_Click(); });
    txtEMailAdres.OnChange([this] { txtEMailAdres_Change(); });
    optProvider.OnClick([this](int i) { optProvider_Click(i); });
    cmdOK.OnClick([this] { cmdOK_Click(); });
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
}

// ---------------------------------------------------------------------------
// Loading

void frmVeldom06Form::Centreer() {
    // Centred; on a screen smaller than the window its top left corner, with
    // the page chooser, stays on the screen.
    Move(std::max(0, (Screen().Width() - Width()) / 2), std::max(0, (Screen().Height() - Height()) / 2));
}

void frmVeldom06Form::Form_Load() {
    // Centred on the screen.
    Centreer();
    // Captions of the window and the frames; the focus button off screen.
    SetCaption(TaalTekst(63));
    cmdTerug.SetCaption(QLatin1Char('&') + TaalTekst(42));
    fraEmail.SetCaption(TaalTekst(71));
    fraInstellingen.SetCaption(TaalTekst(63));
    for (int i = 0; i < instelling::AantalPaginas; ++i) fraStelIn[i].SetCaption(instelling::PaginaBijschrift(i));
    cmdFocus.SetLeft(Screen().Width() + 10);
    // The pages lie on one spot right of the chooser.
    for (int i = 0; i < instelling::AantalPaginas; ++i)
        fraStelIn[i].Move(fraInstellingen.Left() + fraInstellingen.Width() + 60, fraInstellingen.Top());
    // Captions of the page contents and the page buttons.
    lblMinimaal.SetCaption(TaalTekst(27));
    lblMaximaal.SetCaption(TaalTekst(28));
    lblMaximaleLengte.SetCaption(TaalTekst(68));
    chkPuntenToepassen.SetCaption(instelling::ToepassenBijschrift());
    for (ControlArray<Label>* rij : {&lblAantalHonneurs6Kaart, &lblAantalHonneursZwakke2, &lblAantalHonneursMulty2Ruiten})
        (*rij)[0].SetCaption(instelling::HonneursBijschrift());
    for (ControlArray<Label>* koppen : {&lblZwakke2, &lblMuiderBerg, &lblMulty2Ruiten})
        for (int r = 0; r < 4; ++r) (*koppen)[r].SetCaption(instelling::PuntenRijBijschrift(r));
    for (int i = 0; i < instelling::AantalOpeningen; ++i) chkOpening[i].SetCaption(instelling::OpeningKop(i));
    chkLaatsteZwakke2.SetCaption(TaalTekst(67));
    // These two share their texts' keys with the back button (English B)
    // and the 6-card page (P): they take the H of "hand".
    chkMuiderBergLaatsteHand.SetCaption(TaalNummer == 11 ? WithAccessKey(TaalTekst(69), QLatin1Char('h'))
                                                         : TaalTekst(69));
    chkMulty2Ruiten.SetCaption(WithAccessKey(TaalTekst(70), QLatin1Char('h')));
    for (int i = 0; i < instelling::AantalPaginas; ++i) optInstellingen[i].SetCaption(instelling::KeuzeBijschrift(i));
    // The lists, spinners, page contents and boxes filled and the e-mail
    // frame sized; with the loading flag raised no spinner or box handler
    // acts.
    BezigMetLaden = true;
    VulLijstenEnZetSpinners();
    PlaatsPaginaInhoud();
    ZetVinkjes();
    fraEmail.SetWidth(fraStelIn[5].Left() + fraStelIn[5].Width() - fraInstellingen.Left());
    fraEmail.Move(fraInstellingen.Left(), fraStelIn[5].Top() + fraStelIn[5].Height() + 60);
    SetHeight(fraEmail.Top() + fraEmail.Height() + 9 * fraInstellingen.Top());
    BezigMetLaden = false;
    // The e-mail fields, their texts and layout.
    HerstelEmailVelden();
    PlaatsEmailVelden();
    // The window opens on the first page, never empty.
    optInstellingen[0].SetValue(true);
    // The design geometry for scaling, after every move above.
    BewaarPosities(*this);
}

void frmVeldom06Form::ZetSpinner(Spinner& s, int waarde) {
    // A stored value outside the list shows the nearest item; the variable
    // follows what is shown, and nothing is written until the user steps.
    const int index = spel::DichtstbijIndex(waarde, s.lijst);
    s.vscr->SetValue(index);
    s.lbl->SetCaption(s.lst->List(index));
    *s.variabele = ValInteger(s.lbl->Caption());
}

void frmVeldom06Form::VulLijstenEnZetSpinners() {
    // The point window shows what the main window shows: a stored pair that
    // breaks the rules is brought inside them.
    const PuntenPaar paar = NormaliseerPuntvenster(MinimaalPunten, MaximaalPunten);
    MinimaalPunten = paar.min;
    MaximaalPunten = paar.max;
    for (Spinner& s : spinners_) {
        s.lst->Clear();
        for (int k = s.lijst.hoogste; k >= s.lijst.laagste; --k) s.lst->AddItem(QString::number(k));
        ZetSpinner(s, *s.variabele);
    }
}

void frmVeldom06Form::PlaatsPaginaInhoud() {
    // Page 0: the value labels a little right of the widest caption.
    int eind = 0;
    for (Label* l : {&lblMinimaal, &lblMaximaal, &lblMaximaleLengte}) eind = std::max(eind, Rechts(*l) + 104);
    Label* kop0[3] = {&lblMinimaal, &lblMaximaal, &lblMaximaleLengte};
    Label* waarde0[3] = {&lblMin, &lblMax, &lblMaximale};
    VScrollBar* vscr0[3] = {&vscrMin, &vscrMax, &vscrMaximaleLengte};
    for (int r = 0; r < 3; ++r) {
        waarde0[r]->Move(eind + 16, kop0[r]->Top() - 60);
        vscr0[r]->Move(Rechts(*waarde0[r]) + 16, waarde0[r]->Top());
    }

    // Pages 3 to 5: the NK max value label beside its caption, the other
    // value labels under it, the spinners beside them.
    auto groep = [](ControlArray<Label>& koppen, Label* waarden[4], VScrollBar* vscrs[4], bool wkLevel) {
        const int links = Rechts(koppen[1]) + 16;
        for (int r = 0; r < 4; ++r) waarden[r]->Move(links, koppen[r].Top() - 60);
        for (int r = 0; r < 2; ++r) vscrs[r]->Move(Rechts(*waarden[r]) + 16, waarden[r]->Top());
        for (int r = 2; r < 4; ++r) {
            vscrs[r]->SetLeft(vscrs[1]->Left());
            if (wkLevel) vscrs[r]->SetTop(waarden[r]->Top());
        }
    };
    {
        Label* w[4] = {&lblZwakke2NKMin, &lblZwakke2NKMax, &lblZwakke2WKMin, &lblZwakke2WKMax};
        VScrollBar* v[4] = {&vscrZwakke2NKMin, &vscrZwakke2NKMax, &vscrZwakke2WKMin, &vscrZwakke2WKMax};
        groep(lblZwakke2, w, v, false);
    }
    {
        Label* w[4] = {&lblMuiderBergNKMin, &lblMuiderBergNKMax, &lblMuiderBergWKMin, &lblMuiderBergWKMax};
        VScrollBar* v[4] = {&vscrMuiderBergNKMin, &vscrMuiderBergNKMax, &vscrMuiderBergWKMin,
                            &vscrMuiderBergWKMax};
        groep(lblMuiderBerg, w, v, true);
    }
    {
        Label* w[4] = {&lblMulty2RuitenNKMin, &lblMulty2RuitenNKMax, &lblMulty2RuitenWKMin,
                       &lblMulty2RuitenWKMax};
        VScrollBar* v[4] = {&vscrMulty2RuitenNKMin, &vscrMulty2RuitenNKMax, &vscrMulty2RuitenWKMin,
                            &vscrMulty2RuitenWKMax};
        groep(lblMulty2Ruiten, w, v, true);
    }

    // The honours rows: the six-card value label beside its caption; the
    // other two take its Left, their spinners the Left of vscr6Kaart.
    Label& zes = lblAantalHonneurs6Kaart[1];
    zes.Move(Rechts(lblAantalHonneurs6Kaart[0]) + 16, lblAantalHonneurs6Kaart[0].Top() - 60);
    vscr6Kaart.Move(Rechts(zes) + 16, zes.Top());
    for (ControlArray<Label>* rij : {&lblAantalHonneursZwakke2, &lblAantalHonneursMulty2Ruiten})
        (*rij)[1].Move(zes.Left(), (*rij)[0].Top() - 60);
    vscrZwakke2.Move(vscr6Kaart.Left(), lblAantalHonneursZwakke2[1].Top());
    vscrMulty2Ruiten.Move(vscr6Kaart.Left(), lblAantalHonneursMulty2Ruiten[1].Top());
}

void frmVeldom06Form::ZetVinkjes() {
    chkPuntenToepassen.SetValue(MinMaxToepassen != 0 ? 1 : 0);
    // The boxes show what the generator applies: a box saved in the other
    // language counts until this language's key is written.
    const unsigned toegestaan = spel::LeesToegestaneSoorten(IniBestand, TaalNummer);
    for (int i = 0; i < instelling::AantalOpeningen; ++i)
        chkOpening[i].SetValue((toegestaan >> i) & 1u ? 1 : 0);
    // A last-hand key that is absent shows the value in force.
    LeesIni(QStringLiteral("Zwakke 2"), QStringLiteral("LaatsteHand"), IniBestand);
    chkLaatsteZwakke2.SetValue(instelling::VinkUitIni(IniWaarde, LaatsteHand != 0 ? 1 : 0));
    LeesIni(QStringLiteral("Muiderbergse 2"), QStringLiteral("MuiderbergLaatsteHand"), IniBestand);
    chkMuiderBergLaatsteHand.SetValue(instelling::VinkUitIni(IniWaarde, MuiderbergLaatsteHand != 0 ? 1 : 0));
    LeesIni(QStringLiteral("Multy 2 Ruiten"), QStringLiteral("Multy2RuitenLaatsteHand"), IniBestand);
    chkMulty2Ruiten.SetValue(instelling::VinkUitIni(IniWaarde, Multy2RuitenLaatsteHand != 0 ? 1 : 0));
}

void frmVeldom06Form::HerstelEmailVelden() {
    // The address as stored; its check runs (and warns) on the change.
    LeesIni(QStringLiteral("Standaard"), QStringLiteral("eigen e-mail adres"), IniBestand);
    txtEMailAdres.SetText(IniWaarde);
    // The name, else the owner of this copy.
    LeesIni(QStringLiteral("Standaard"), QStringLiteral("Naam voor e-mail"), IniBestand);
    txtNaam.SetText(IniWaarde.trimmed().isEmpty() ? EigenaarNaam : IniWaarde);
    // The provider: anything but 1 chooses the first; nothing is written
    // until OK.
    // Only the providers MAIL.TXT holds are offered; a stored choice
    // outside the file shows the first provider, which OK then stores.
    LeesIni(QStringLiteral("Standaard"), QStringLiteral("provider"), IniBestand);
    Provider = instelling::ProviderUitIni(IniWaarde);
    const int geladen = GeladenProviders();
    for (int i = 0; i < optProvider.Count(); ++i) optProvider[i].SetEnabled(ProviderAangeboden(i, geladen));
    if (!ProviderAangeboden(Provider, geladen)) Provider = 0;
    optProvider[Provider].SetValue(true);
}

void frmVeldom06Form::PlaatsEmailVelden() {
    lblInfo.SetCaption(TaalTekst(262));
    lblNaam.SetCaption(TaalTekst(263));
    lblProvider.SetCaption(TaalTekst(264));
    optProvider[0].SetCaption(WithAccessKey(TaalTekst(265), QStringLiteral("1")));
    // The 2 is the rule of 20's.
    optProvider[1].SetCaption(WithAccessKey(TaalTekst(266), QStringLiteral("v")));
    cmdOK.SetCaption(TaalTekst(268));
    lblWaarvoor.SetCaption(TaalTekst(267).replace(QLatin1Char('~'), TaalTekst(0)));
    // The explanation spans the window, within the frame.
    const int breedte = std::min(Width() - 2 * lblWaarvoor.Left(), fraEmail.Width() - 2 * lblWaarvoor.Left());
    lblWaarvoor.SetWidth(breedte);
    // The boxes and the provider buttons start after the longest caption.
    const int links = std::max({Rechts(lblInfo), Rechts(lblNaam), Rechts(lblProvider)}) + 60;
    txtEMailAdres.Move(links, lblInfo.Top() - 30);
    txtEMailAdres.SetWidth(fraEmail.Width() - links - 300);
    txtNaam.Move(txtEMailAdres.Left(), lblNaam.Top() - 30, txtEMailAdres.Width(), txtNaam.Height());
    optProvider[0].Move(txtNaam.Left(), lblProvider.Top());
    optProvider[1].Move(Rechts(optProvider[0]) + 350, optProvider[0].Top());
    cmdOK.Move(Rechts(txtNaam) - cmdOK.Width(), cmdTerug.Top());
}

// ---------------------------------------------------------------------------
// Activation, resizing, closing, the page switch

void frmVeldom06Form::Form_Activate() {
    AanroepScherm = 1;
    HerstelScherm(*this);
    // The sender can be set without the maker's server; the caption says
    // when there was no connection at start-up, unless mail works all the
    // same (this build sends through the user's own provider).
    fraEmail.SetEnabled(true);
    fraEmail.SetCaption(WebsiteBereikbaar || MailBruikbaar() ? TaalTekst(71)
                                                             : TaalTekst(71) + QLatin1Char(' ') + TaalTekst(82));
    ZetFocus(*this, cmdFocus);
}

void frmVeldom06Form::Form_Resize() {
    if (WindowState() == vbMinimized) return;
    Centreer();
    SchaalScherm(*this);
}

void frmVeldom06Form::Form_KeyUp(int& KeyCode, int Shift) {
    (void)Shift;
    // Esc closes the window, also while the back button cannot be used.
    if (KeyCode == vbKeyEscape) cmdTerug_Click();
}

void frmVeldom06Form::cmdTerug_Click() { Unload(*this); }

void frmVeldom06Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    (void)UnloadMode;
    BewaarSchermGrootte(*this);
}

void frmVeldom06Form::optInstellingen_Click(int Index) {
    for (int i = 0; i < instelling::AantalPaginas; ++i) fraStelIn[i].SetVisible(false);
    fraStelIn[Index].SetVisible(true);
    ZetFocus(*this, cmdFocus);
}

// ---------------------------------------------------------------------------
// Spinners

bool frmVeldom06Form::Bewaar(const QString& sectie, const QString& sleutel, const QString& waarde) {
    return SchrijfIni(sectie, sleutel, waarde, IniBestand);
}

frmVeldom06Form::Spinner& frmVeldom06Form::SpinnerVan(const VScrollBar& vscr) {
    return *std::find_if(spinners_.begin(), spinners_.end(), [&](const Spinner& s) { return s.vscr == &vscr; });
}

void frmVeldom06Form::VerwerkSpinner(Spinner& s) {
    if (BezigMetLaden) return;
    // The final position is computed first, with each correction applied
    // once and kept inside the list; only then is anything shown or written.
    const int partner = s.partner ? ValInteger(s.partner->Caption()) : 0;
    const int waarde = s.vscr->Value();
    int index = -1;
    switch (s.regel) {
        case Regel::Geen: index = spel::WikkelIndex(waarde, s.lst->ListCount()); break;
        case Regel::PuntMinimum: index = spel::RegelMinimum(waarde, partner); break;
        case Regel::PuntMaximum: index = spel::RegelMaximum(waarde, partner); break;
        case Regel::OpeningMinimum: index = spel::RegelOpeningMinimum(waarde, partner, s.lijst); break;
        case Regel::OpeningMaximum: index = spel::RegelOpeningMaximum(waarde, partner, s.lijst); break;
    }
    // A pair is stored as it is shown: a partner read outside the rules (a
    // file edited by hand) shows inside them and is written so with it.
    const bool getoond = ZetSpinnerOp(*s.vscr, *s.lst, *s.lbl, index, [&](const QString& tekst) {
        QList<std::pair<QString, QString>> sleutels{{s.sleutel, tekst}};
        if (s.partner)
            for (const Spinner& p : spinners_)
                if (p.lbl == s.partner) sleutels.append({p.sleutel, p.lbl->Caption()});
        return SchrijfIni(s.sectie, sleutels, IniBestand);
    });
    if (!getoond) return;
    *s.variabele = ValInteger(s.lbl->Caption());
    ZetFocus(*this, cmdFocus);
}

void frmVeldom06Form::vscrMin_Change() { VerwerkSpinner(SpinnerVan(vscrMin)); }
void frmVeldom06Form::vscrMax_Change() { VerwerkSpinner(SpinnerVan(vscrMax)); }
void frmVeldom06Form::vscrMaximaleLengte_Change() { VerwerkSpinner(SpinnerVan(vscrMaximaleLengte)); }
void frmVeldom06Form::vscr6Kaart_Change() { VerwerkSpinner(SpinnerVan(vscr6Kaart)); }
void frmVeldom06Form::vscrZwakke2_Change() { VerwerkSpinner(SpinnerVan(vscrZwakke2)); }
void frmVeldom06Form::vscrZwakke2NKMin_Change() { VerwerkSpinner(SpinnerVan(vscrZwakke2NKMin)); }
void frmVeldom06Form::vscrZwakke2NKMax_Change() { VerwerkSpinner(SpinnerVan(vscrZwakke2NKMax)); }
void frmVeldom06Form::vscrZwakke2WKMin_Change() { VerwerkSpinner(SpinnerVan(vscrZwakke2WKMin)); }
void frmVeldom06Form::vscrZwakke2WKMax_Change() { VerwerkSpinner(SpinnerVan(vscrZwakke2WKMax)); }
void frmVeldom06Form::vscrMuiderBergNKMin_Change() { VerwerkSpinner(SpinnerVan(vscrMuiderBergNKMin)); }
void frmVeldom06Form::vscrMuiderBergNKMax_Change() { VerwerkSpinner(SpinnerVan(vscrMuiderBergNKMax)); }
void frmVeldom06Form::vscrMuiderBergWKMin_Change() { VerwerkSpinner(SpinnerVan(vscrMuiderBergWKMin)); }
void frmVeldom06Form::vscrMuiderBergWKMax_Change() { VerwerkSpinner(SpinnerVan(vscrMuiderBergWKMax)); }
void frmVeldom06Form::vscrMulty2Ruiten_Change() { VerwerkSpinner(SpinnerVan(vscrMulty2Ruiten)); }
void frmVeldom06Form::vscrMulty2RuitenNKMin_Change() { VerwerkSpinner(SpinnerVan(vscrMulty2RuitenNKMin)); }
void frmVeldom06Form::vscrMulty2RuitenNKMax_Change() { VerwerkSpinner(SpinnerVan(vscrMulty2RuitenNKMax)); }
void frmVeldom06Form::vscrMulty2RuitenWKMin_Change() { VerwerkSpinner(SpinnerVan(vscrMulty2RuitenWKMin)); }
void frmVeldom06Form::vscrMulty2RuitenWKMax_Change() { VerwerkSpinner(SpinnerVan(vscrMulty2RuitenWKMax)); }

// ---------------------------------------------------------------------------
// Check boxes

void frmVeldom06Form::chkOpening_Click(int Index) {
    if (BezigMetLaden) return;
    ZetFocus(*this, cmdFocus);
    // Every click rewrites the five keys, each with the state its box shows.
    for (int i = 0; i < instelling::AantalOpeningen; ++i) {
        // The key is the caption as the settings file has always held it.
        if (Bewaar(QStringLiteral("Toegestaan"), instelling::OpeningBijschrift(i), QString::number(chkOpening[i].Value())))
            continue;
        // Not stored: the clicked box shows again what the generator applies.
        const unsigned toegestaan = spel::LeesToegestaneSoorten(IniBestand, TaalNummer);
        BezigMetLaden = true;
        chkOpening[Index].SetValue((toegestaan >> Index) & 1u ? 1 : 0);
        BezigMetLaden = false;
        return;
    }
}

void frmVeldom06Form::VerwerkLaatsteHand(CheckBox& chk, const QString& sectie, const QString& sleutel) {
    if (BezigMetLaden) return;
    ZetFocus(*this, cmdFocus);
    if (Bewaar(sectie, sleutel, QString::number(chk.Value()))) return;
    BezigMetLaden = true;
    chk.SetValue(chk.Value() == 0 ? 1 : 0);
    BezigMetLaden = false;
}

void frmVeldom06Form::chkLaatsteZwakke2_Click() {
    VerwerkLaatsteHand(chkLaatsteZwakke2, QStringLiteral("Zwakke 2"), QStringLiteral("LaatsteHand"));
}

void frmVeldom06Form::chkMuiderBergLaatsteHand_Click() {
    VerwerkLaatsteHand(chkMuiderBergLaatsteHand, QStringLiteral("Muiderbergse 2"),
                       QStringLiteral("MuiderbergLaatsteHand"));
}

void frmVeldom06Form::chkMulty2Ruiten_Click() {
    VerwerkLaatsteHand(chkMulty2Ruiten, QStringLiteral("Multy 2 Ruiten"), QStringLiteral("Multy2RuitenLaatsteHand"));
}

void frmVeldom06Form::chkPuntenToepassen_Click() {
    if (BezigMetLaden) return;
    if (Bewaar(QStringLiteral("Punten"), QStringLiteral("MinMaxToepassen"), QString::number(chkPuntenToepassen.Value()))) {
        MinMaxToepassen = chkPuntenToepassen.Value() != 0 ? 1 : 0;
    } else {
        BezigMetLaden = true;
        chkPuntenToepassen.SetValue(MinMaxToepassen != 0 ? 1 : 0);
        BezigMetLaden = false;
    }
    ZetFocus(*this, cmdFocus);
}

// ---------------------------------------------------------------------------
// E-mail sender

void frmVeldom06Form::txtEMailAdres_Change() {
    const QString tekst = txtEMailAdres.Text();
    switch (instelling::AdresTikFout(tekst)) {
        case instelling::AdresFout::TweeApenstaarten:
            MsgBox(MetRegels(TaalTekst(269)), vbInformation, Caption());
            cmdOK.SetEnabled(false);
            return;
        case instelling::AdresFout::DubbelePunt:
            MsgBox(MetRegels(TaalTekst(270)), vbInformation, Caption());
            cmdOK.SetEnabled(false);
            return;
        case instelling::AdresFout::Geen:
            break;
    }
    if (tekst.contains(QLatin1Char('@')) && tekst.contains(QLatin1Char('.'))) cmdOK.SetEnabled(true);
}

void frmVeldom06Form::optProvider_Click(int Index) {
    Provider = Index;
    ZetFocus(*this, cmdFocus);
}

void frmVeldom06Form::cmdOK_Click() {
    ZetFocus(*this, cmdFocus);
    // Only no address or one valid address is stored, trimmed.
    const QString adres = txtEMailAdres.Text().trimmed();
    if (!instelling::AdresBewaarbaar(adres)) {
        MsgBox(MetRegels(TaalTekst(271)).replace(QLatin1Char('~'), adres), vbExclamation, Caption());
        ZetFocus(*this, txtEMailAdres);
        return;
    }
    for (const QString& t : {adres, txtNaam.Text()}) if (const QString b = OpslaanBezwaar(t, kProfileValueMax); !b.isEmpty()) return void(MsgBox(b, vbInformation, Caption()));  // stored unchanged or not at all
    if (!Bewaar(QStringLiteral("Standaard"), QStringLiteral("eigen e-mail adres"), adres)) return;
    if (!Bewaar(QStringLiteral("Standaard"), QStringLiteral("Naam voor e-mail"), txtNaam.Text())) return;
    if (!Bewaar(QStringLiteral("Standaard"), QStringLiteral("provider"), QString::number(Provider))) return;
    EigenEmailAdres = adres;
    cmdTerug_Click();
}
