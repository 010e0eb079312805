#include "results/frmVeldom11.h"

#include <QFileInfo>

#include "deal/Spinner.h"
#include "platform/Events.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "platform/WaitNote.h"
#include "results/ContractNotatie.h"
#include "results/frmVeldom12.h"
#include "results/frmVeldom13.h"
#include "results/Matchpunten.h"
#include "results/SchrijfWachtrij.h"
#include "results/Score.h"
#include "results/StartStand.h"
#include "results/WedstrijdBestanden.h"
#include "results/WedstrijdOpslaan.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"
#include "shared/GroepBestand.h"
#include "shared/MapLijst.h"
#include "shared/Rooster.h"

using namespace platform;

DEFINE_FORM(frmVeldom11, frmVeldom11Form)

QString KlaarVlaggen;

namespace {

// Design layout, twips.
constexpr int BinnenBreedte = 15600;
constexpr int BinnenHoogte = 10320;
constexpr int BovenHoogte = 6240;
constexpr int RijTop = 420;
constexpr int RijHoogte = 270;
constexpr int KnopLinks = 7980;
constexpr int KnopBreedte = 420;
constexpr int KnopHoogte = 315;
constexpr int KnopStapX = 450;
constexpr int KnopStapY = 345;

// Slip columns: left and width of pairs, contracts, scores, matchpoints.
constexpr int KolomLinks[7] = {120, 1080, 2340, 3600, 4560, 5520, 6480};
constexpr int KolomBreedte[7] = {900, 1200, 1200, 900, 900, 900, 900};

constexpr qint64 KleurOpen = 0xFFFFFF;
constexpr qint64 KleurKlaar = 0xC0C0C0;

QString Tekst(int n) { return TaalTekst(n); }

}  // namespace

frmVeldom11Form::frmVeldom11Form() : Form("frmVeldom11") {
    Ontwerp();
    KoppelHandlers();
}

// ---------------------------------------------------------------------------
// Design

void frmVeldom11Form::Ontwerp() {
    SetBorderStyle(vbSizable);
    SetKeyPreview(true);
    Move(0, 0, BinnenBreedte + 240, BinnenHoogte + 600);
    cmdFocus.Move(-2000, 0, 100, 100);

    // Choice stage: pairs, groups and matches side by side.
    fraParen.Move(120, 120, 5400, BovenHoogte);
    lstParen.Move(120, 300, 5160, 5040);
    lblAanTalSpellen.SetAutoSize(true);
    lblAanTalSpellen.Move(120, 5640, 1500, 255);
    lblAantal.Move(1800, 5580, 600, 315);
    lblAantal.SetBorderStyle(1);
    lblAantal.SetAlignment(vbCenter);
    lblAantal.SetBackColor(vbWhite);
    vscrAantal.Move(2430, 5550, 255, 375);
    vscrAantal.SetMin(-1);
    vscrAantal.SetMax(48);
    cmdStart.Move(3960, 5550, 1320, 375);

    fraGroepen.Move(5640, 120, 4800, BovenHoogte);
    lstGroepen.Move(120, 300, 4560, 5040);
    chkSorteer0.Move(120, 5580, 4560, 285);

    fraUitslagen.Move(10560, 120, 4920, BovenHoogte);
    lstUitslagen.Move(120, 300, 4680, 4560);
    chkSorteer1.Move(120, 5040, 4680, 285);
    cmdOpslaanAls.Move(120, 5550, 4680, 375);

    // Entry stage: the slip, the board buttons, the entry and its buttons.
    fraScoreBriefjes.Move(120, 120, 15360, BovenHoogte);
    fraScoreBriefje.Move(120, 180, 7560, RijTop + 20 * RijHoogte + 120);
    for (int k = 0; k < 7; ++k) {
        lblKop[k].Move(KolomLinks[k], 150, KolomBreedte[k], 255);
        lblKop[k].SetAlignment(vbCenter);
        lblKop[k].SetFontBold(true);
    }
    for (int i = 0; i < 20; ++i) {
        Label* rij[7] = {&lblPaar[i],   &lblContractNZ[i], &lblContractOW[i], &lblScoreNZ[i],
                         &lblScoreOW[i], &lblMPNZ[i],       &lblMPOW[i]};
        for (int k = 0; k < 7; ++k) {
            rij[k]->Move(KolomLinks[k], RijTop + i * RijHoogte, KolomBreedte[k] - 30, RijHoogte - 15);
            rij[k]->SetAlignment(vbCenter);
            rij[k]->SetBorderStyle(k == 0 ? 0 : 1);
            if (k > 0) rij[k]->SetBackColor(vbWhite);
        }
        lblPaar[i].SetCaption(invoer::OntwerpPaar(i));
    }
    cmdSpel[0].SetVisible(false);
    cmdSpel[0].SetCaption("0");
    for (int b = 1; b <= 48; ++b) {
        const int k = (b - 1) % 8, r = (b - 1) / 8;
        cmdSpel[b].Move(KnopLinks + k * KnopStapX, 300 + r * KnopStapY, KnopBreedte, KnopHoogte);
        cmdSpel[b].SetCaption(QString::number(b));
        cmdSpel[b].SetBackColor(KleurOpen);
    }
    cmdArbitrale.Move(11760, 300, 3420, 375);
    cmdWisSpel.Move(11760, 765, 3420, 375);
    cmdUitslag.Move(11760, 1230, 3420, 375);

    fraInvoer.Move(KnopLinks, 2460, 7200, 3660);
    lblSpelnummer.Move(120, 180, 6960, 450);
    lblSpelnummer.SetFontSize(16);
    lblSpelnummer.SetFontBold(true);
    lblContract.SetAutoSize(true);
    lblContract.Move(120, 780, 1500, 255);
    txtContract.Move(1800, 735, 1500, 315);
    txtContract.SetMaxLength(8);
    lblVoorbeeld.Move(1800, 1095, 5280, 255);
    lblBiedingen.Move(120, 1440, 6960, 255);
    lblLeider.Move(120, 1710, 6960, 255);
    lblNietGespeeld.Move(120, 1980, 6960, 255);
    chkEnter.Move(120, 2400, 3180, 285);
    chkNieuwSpel.Move(3360, 2400, 3720, 285);

    msfgResultaat.Move(120, BovenHoogte + 240, 15360, BinnenHoogte - BovenHoogte - 840);
    msfgResultaat.SetVisible(false);
    cmdTerug.Move(BinnenBreedte - 1440, BinnenHoogte - 480, 1320, 375);

    lstAantal.SetVisible(false);

    // States of the design.
    fraScoreBriefjes.SetVisible(false);
    for (Control* c : std::initializer_list<Control*>{&fraInvoer, &fraParen, &cmdOpslaanAls, &cmdWisSpel,
                                                      &cmdUitslag, &cmdArbitrale, &cmdStart})
        c->SetEnabled(false);
    timAllesKlaar.SetEnabled(false);
    timAllesKlaar.SetInterval(100);
}

void frmVeldom11Form::KoppelHandlers() {
    lstGroepen.OnClick([this] { lstGroepen_Click(); });
    lstUitslagen.OnClick([this] { lstUitslagen_Click(); });
    chkSorteer0.OnClick([this] { chkSorteer_Click(0); });
    chkSorteer1.OnClick([this] { chkSorteer_Click(1); });
    cmdOpslaanAls.OnClick([this] { cmdOpslaanAls_Click(); });
    vscrAantal.OnChange([this] { vscrAantal_Change(); });
    cmdStart.OnClick([this] { cmdStart_Click(); });
    cmdSpel.OnClick([this](int Index) { cmdSpel_Click(Index); });
    cmdWisSpel.OnClick([this] { cmdWisSpel_Click(); });
    txtContract.OnKeyPress([this](int& KeyAscii) { txtContract_KeyPress(KeyAscii); });
    txtContract.OnChange([this] { txtContract_Change(); });
    chkEnter.OnClick([this] { chkEnter_Click(); });
    chkNieuwSpel.OnClick([this] { chkNieuwSpel_Click(); });
    lblContractNZ.OnMouseDown([this](int Index, int Button, int Shift, float X, float Y) {
        lblContractNZ_MouseDown(Index, Button, Shift, X, Y);
    });
    lblContractOW.OnMouseDown([this](int Index, int Button, int Shift, float X, float Y) {
        lblContractOW_MouseDown(Index, Button, Shift, X, Y);
    });
    msfgResultaat.OnRowColChange([this] { msfgResultaat_RowColChange(); });
    cmdArbitrale.OnClick([this] { cmdArbitrale_Click(); });
    cmdUitslag.OnClick([this] { cmdUitslag_Click(); });
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
    timAllesKlaar.OnTimer([this] { timAllesKlaar_Timer(); });
}

void frmVeldom11Form::Meld(const QString& tekst, int stijl) { MsgBox(tekst, stijl, Caption()); }

// ---------------------------------------------------------------------------
// Loading, activation, keys, closing

void frmVeldom11Form::Form_Load() {
    Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
    SetCaption(platform::StripAccessKeys(Tekst(126)));
    MeldSchrijfFouten();
    cmdFocus.SetLeft(Screen().Width() + 10);
    cmdTerug.SetCaption(QLatin1Char('&') + Tekst(42));
    QString groepen = programFolder() + QStringLiteral("/groepen");
    MaakMappen(groepen);
    QString resultaten = programFolder() + QStringLiteral("/resultaten");
    MaakMappen(resultaten);
    fraGroepen.SetCaption(Tekst(62));
    VulGroepenLijst();
    cmdOpslaanAls.SetCaption(QLatin1Char('&') + Tekst(127));
    fraUitslagen.SetCaption(Tekst(129) + QStringLiteral(": "));
    cmdStart.SetCaption(Tekst(22));
    fraParen.SetCaption(Tekst(130));
    lblAanTalSpellen.SetCaption(Tekst(11) + QStringLiteral(": "));
    // Board count: the list "48" down to "1", 24 to start with.
    lstAantal.Clear();
    for (int k = uitslag::kMaxSpellen; k >= 1; --k) {
        lstAantal.AddItem(QString::number(k));
        if (k == 24) {
            BezigMetLaden = true;
            lblAantal.SetCaption("24");
            vscrAantal.SetValue(lstAantal.ListCount() - 1);
            BezigMetLaden = false;
        }
    }
    lblAantal.Move(lblAanTalSpellen.Left() + lblAanTalSpellen.Width() + 16, lblAanTalSpellen.Top() - 60);
    vscrAantal.Move(lblAantal.Left() + lblAantal.Width() + 16, lblAantal.Top() - 30);
    fraScoreBriefjes.SetCaption(Tekst(64));
    fraScoreBriefje.SetCaption("");
    fraInvoer.SetCaption("");
    lblKop[0].SetCaption(Tekst(130));
    for (int k = 0; k < 3; ++k) {
        lblKop[1 + 2 * k].SetCaption(Tekst(133 + k) + QLatin1Char(' ') + Tekst(105));
        lblKop[2 + 2 * k].SetCaption(Tekst(133 + k) + QLatin1Char(' ') + Tekst(106));
    }
    lblContract.SetCaption(Tekst(133) + QStringLiteral(": "));
    PlaatsInvoerVak();
    // The legends follow the notation alphabet of the language.
    lblVoorbeeld.SetCaption(Tekst(340));
    lblBiedingen.SetCaption(Tekst(341));
    lblLeider.SetCaption(Tekst(331));
    lblNietGespeeld.SetCaption(Tekst(342));
    chkEnter.SetCaption(QLatin1Char('&') + Tekst(138));
    cmdArbitrale.SetCaption(QLatin1Char('&') + Tekst(140));
    lblSpelnummer.SetCaption("");
    chkNieuwSpel.SetCaption(QLatin1Char('&') + Tekst(147));
    cmdWisSpel.SetCaption(QLatin1Char('&') + Tekst(149));
    cmdUitslag.SetCaption(QLatin1Char('&') + Tekst(150));
    chkSorteer0.SetCaption(invoer::SorteerTekst(0, 0, TaalNummer));
    chkSorteer1.SetCaption(invoer::SorteerTekst(1, 0, TaalNummer));
    LeesSorteer(*this, chkSorteer0, "0");
    LeesSorteer(*this, chkSorteer1, "1");
    BewaarPosities(*this);
}

void frmVeldom11Form::Form_Activate() {
    ZetFocus(*this, cmdFocus);
    if (AanroepScherm == 11) {
        AanroepScherm = 1;
        if (SessieBestand.isEmpty()) {
            Meld(MetRegels(Tekst(128)), vbOKOnly | vbInformation);
            return;
        }
        VulUitslagenLijst();
        // The match just saved, by its exact name (never another match
        // whose name begins with it).
        lstUitslagen.SetListIndex(ZoekInLijst(lstUitslagen.hWnd(), SessieNaam, true));
    }
    VulUitslagenLijst();
    fraScoreBriefjes.Move(fraParen.Left(), fraParen.Top());
    if (fraInvoer.Enabled()) FocusOpInvoer();
}

void frmVeldom11Form::Form_Resize() {
    if (WindowState() == vbNormal) Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
    SchaalScherm(*this);
    PlaatsInvoerVak();
}

void frmVeldom11Form::Form_KeyUp(int& KeyCode, int) {
    if (KeyCode == vbKeyEscape) cmdTerug_Click();
}

void frmVeldom11Form::Form_QueryUnload(int&, int) {
    if (teruggegeven_) return;
    teruggegeven_ = true;
    timAllesKlaar.SetEnabled(false);
    // The results typed go to disk before the window's own settings; a
    // board whose file did not get there is open again in the overview.
    WachtOpSchrijfwerk();
    uitslag::MeldFoutenNu();
    BewaarSchermGrootte(*this);
    if (fraScoreBriefjes.Visible() && !SessieNaam.isEmpty()) {
        PasKolomBreedteAan(msfgResultaat);
        BewaarOverzicht();
        msfgResultaat.SetVisible(true);
    }
    // The match's files are all on disk before the window goes.
    WachtOpSchrijfwerk();
}

void frmVeldom11Form::cmdTerug_Click() {
    if (!fraScoreBriefjes.Visible()) {
        Unload(*this);
        return;
    }
    timAllesKlaar.SetEnabled(false);
    cmdWisSpel.SetEnabled(false);
    cmdUitslag.SetEnabled(false);
    cmdArbitrale.SetEnabled(false);
    fraInvoer.SetEnabled(false);
    fraScoreBriefjes.SetVisible(false);
    msfgResultaat.SetVisible(false);
    fraUitslagen.SetEnabled(true);
    fraGroepen.SetEnabled(true);
    fraUitslagen.SetVisible(true);
    fraGroepen.SetVisible(true);
    lstGroepen.SetListIndex(-1);
    lstUitslagen.SetListIndex(-1);
    SessieBestand.clear();
    SessieNaam.clear();
    fraUitslagen.SetCaption(Tekst(129));
    lstParen.Clear();
    cmdSpel[0].SetTag("");
    BezigMetLaden = true;
    txtContract.SetText("");
    BezigMetLaden = false;
    SetCaption(platform::StripAccessKeys(Tekst(126)));
    fraParen.SetVisible(true);
    fraParen.SetEnabled(false);
    cmdStart.SetEnabled(false);
    ZetFocus(*this, cmdFocus);
}

// ---------------------------------------------------------------------------
// Choice stage

void frmVeldom11Form::VulGroepenLijst() {
    QString map = programFolder() + QStringLiteral("/groepen");
    MaakMappen(map);
    VulSorteerLijst(lstGroepen, map, QStringLiteral(".txt"), chkSorteer0.Value());
    fraGroepen.SetCaption(LijstKop(Tekst(62), lstGroepen.ListCount()));
}

void frmVeldom11Form::VulUitslagenLijst() {
    QString map = programFolder() + QStringLiteral("/resultaten");
    MaakMappen(map);
    VulSorteerLijst(lstUitslagen, map, QString(), chkSorteer1.Value());
}

void frmVeldom11Form::VulSorteerLijst(ListBox& lijst, const QString& map, const QString& extensie, int sorteer) {
    // A sort box left grey (a value other than 0 or 1) lists nothing.
    if (sorteer == 0 || sorteer == 1)
        VulMapLijst(lijst, map, extensie, sorteer == 1);
    else
        lijst.Clear();
}

void frmVeldom11Form::chkSorteer_Click(int Index) {
    if (Index == 0) {
        VulGroepenLijst();
        chkSorteer0.SetCaption(invoer::SorteerTekst(0, chkSorteer0.Value(), TaalNummer));
    } else if (Index == 1) {
        VulUitslagenLijst();
        chkSorteer1.SetCaption(invoer::SorteerTekst(1, chkSorteer1.Value(), TaalNummer));
    }
    ZetFocus(*this, cmdFocus);
    BewaarSorteer(*this, chkSorteer(Index), QString::number(Index));
}

void frmVeldom11Form::LaadParen(const QStringList& paren) {
    lstParen.Clear();
    for (const QString& p : paren) lstParen.AddItem(p);
}

void frmVeldom11Form::lstGroepen_Click() {
    if (lstGroepen.ListIndex() < 0) return;
    lstUitslagen.SetListIndex(-1);
    QString map = programFolder() + QStringLiteral("/groepen");
    MaakMappen(map);
    const QString naam = lstGroepen.List(lstGroepen.ListIndex());
    lstGroepen.SetTag(groep::GroepPad(naam));
    lstParen.Clear();
    QVector<groep::Paar> paren;
    QString fout;
    int slechteRegel = 0;
    if (!groep::LeesGroep(naam, paren, &fout, &slechteRegel)) {
        Meld(groep::ParenLeesMelding(naam + QStringLiteral(".txt"), fout, slechteRegel), vbOKOnly | vbExclamation);
        lstGroepen.SetTag("");
        cmdOpslaanAls.SetEnabled(false);
        return;
    }
    QStringList items;
    for (int i = 0; i < paren.size(); ++i) items << groep::PaarTekst(i + 1, paren[i]);
    LaadParen(items);
    cmdOpslaanAls.SetEnabled(lstParen.ListCount() > 0);
    // The list now shows a group's pairs: a group is first saved as a match,
    // and the match chosen before may not start with them.
    cmdStart.SetEnabled(false);
}

void frmVeldom11Form::lstUitslagen_Click() {
    if (lstUitslagen.ListIndex() < 0) return;
    cmdOpslaanAls.SetEnabled(false);
    lstGroepen.SetListIndex(-1);
    ZetFocus(*this, cmdFocus);
    const QString naam = lstUitslagen.List(lstUitslagen.ListIndex());
    SessieNaam = naam;
    SessieBestand = uitslag::WedstrijdMapPad(naam) + QLatin1Char('/') +
                    uitslag::WedstrijdBestandsnaam(uitslag::WedstrijdBestand::Paren, naam);
    fraUitslagen.SetCaption(Tekst(129) + QStringLiteral(": ") + SessieNaam);
    lstParen.Clear();
    QStringList paren;
    const uitslag::LeesUitkomst gelezen = uitslag::LeesParen(naam, paren);
    if (gelezen.Gelukt())
        LaadParen(paren);
    else if (gelezen.Kapot())
        Meld(uitslag::LeesMelding(gelezen), vbOKOnly | vbExclamation);
    opgeslagenAantal_ = 0;
    int aantal = 0;
    const uitslag::LeesUitkomst telling = uitslag::LeesSpellenAantal(naam, aantal);
    if (telling.Gelukt()) {
        opgeslagenAantal_ = aantal;
        BezigMetLaden = true;
        lblAantal.SetCaption(QString::number(aantal));
        vscrAantal.SetValue(uitslag::kMaxSpellen - aantal);
        BezigMetLaden = false;
    } else if (telling.Kapot()) {
        Meld(uitslag::LeesMelding(telling), vbOKOnly | vbExclamation);
    }
    cmdStart.SetEnabled(lstParen.ListCount() > 0);
    ZetFocus(*this, cmdFocus);
    fraParen.SetVisible(true);
    fraParen.SetEnabled(true);
}

void frmVeldom11Form::cmdOpslaanAls_Click() {
    AanroepScherm = 11;
    ZetFocus(*this, cmdFocus);
    OpenBewaarDialoog(*this, BewaarWedstrijd);
}

void frmVeldom11Form::vscrAantal_Change() {
    if (BezigMetLaden || !VolgSpinner(vscrAantal, lstAantal, lblAantal)) return;
    ZetFocus(*this, cmdFocus);
}

// ---------------------------------------------------------------------------
// Start

void frmVeldom11Form::cmdStart_Click() {
    if (SessieNaam.isEmpty()) return;
    if (lstParen.ListCount() > uitslag::kMaxParen) {
        Meld(Tekst(302).replace(QLatin1Char('~'), QString::number(lstParen.ListCount())), vbOKOnly | vbExclamation);
        return;
    }
    // A match starts with its own pairs, whatever the list shows meanwhile.
    QStringList eigen;
    const uitslag::LeesUitkomst parenGelezen = uitslag::LeesParen(SessieNaam, eigen);
    if (!parenGelezen.Gelukt()) {
        Meld(uitslag::LeesMelding(parenGelezen), vbOKOnly | vbExclamation);
        return;
    }
    if (eigen != lstParen.Items()) LaadParen(eigen);
    const int paren = lstParen.ListCount();
    const int n = qBound(1, ValInteger(lblAantal.Caption()), uitslag::kMaxSpellen);
    // The match may have been played with more boards: lowering the count
    // hides their results, so it is asked first.
    std::vector<QStringList> overzicht;
    const uitslag::LeesUitkomst overzichtGelezen = uitslag::LeesOverzicht(SessieNaam, overzicht);
    int eerder = opgeslagenAantal_;
    if (overzichtGelezen.Gelukt() && !overzicht.empty()) eerder = qMax(eerder, int(overzicht[0].size()) - 1);
    if (eerder > n) {
        const QString vraag = VulIn(MetRegels(Tekst(303)), {{QLatin1Char('~'), SessieNaam},
                                                             {QLatin1Char('#'), QString::number(eerder)},
                                                             {QLatin1Char('$'), QString::number(n)}});
        if (MsgBox(vraag, vbYesNo | vbQuestion | vbDefaultButton2, Caption()) != vbYes) return;
    }

    cmdStart.SetEnabled(false);
    ZetFocus(*this, cmdFocus);
    fraGroepen.SetEnabled(false);
    fraUitslagen.SetEnabled(false);
    // The slip takes their place on screen.
    fraGroepen.SetVisible(false);
    fraUitslagen.SetVisible(false);
    SetCaption(platform::StripAccessKeys(Tekst(126)) + QStringLiteral(" (") + SessieNaam + QLatin1Char(')'));
    LeesIni("Instelling", "Met Enter", IniBestand);
    chkEnter.SetValue(ValInteger(IniWaarde) == 1 ? 1 : 0);
    LeesIni("Instelling", "Nieuw spel", IniBestand);
    chkNieuwSpel.SetValue(ValInteger(IniWaarde) == 1 ? 1 : 0);
    MetEnter = chkEnter.Value();
    fraParen.SetVisible(false);

    if (overzichtGelezen.Kapot())
        Meld(uitslag::LeesMelding(overzichtGelezen), vbOKOnly | vbExclamation);
    QString vlaggen;
    const uitslag::LeesUitkomst klaar = uitslag::LeesKlaar(SessieNaam, n, vlaggen);
    if (!klaar.Gelukt()) {
        if (klaar.Kapot())
            Meld(uitslag::LeesMelding(klaar), vbOKOnly | vbExclamation);
        vlaggen.clear();
    }
    // The grid and the flags as the files hold them, agreed with the board
    // files: a done board shows its matchpoints, a board without any result
    // is not done.
    const uitslag::StartStand stand = uitslag::BouwStartStand(
        SessieNaam, lstParen.Items(), n, overzichtGelezen.Gelukt() ? overzicht : std::vector<QStringList>{}, vlaggen);

    // The grid: header row, one row per pair, a closing row of totals.
    Grid& g = msfgResultaat;
    g.SetVisible(false);
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    g.SetCols(1);
    g.SetRows(1);
    g.SetCols(n + 1);
    g.SetRows(paren + 2);
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c <= n; ++c) {
            g.SetRow(r);
            g.SetCol(c);
            g.SetText(stand.grid[r][c]);
            g.SetCellAlignment(c == 0 && r > 0 ? flexAlignLeftCenter : flexAlignCenterCenter);
        }
    g.SetCol(0);
    PasKolomBreedteAan(g);
    g.SetVisible(true);

    for (int b = 1; b <= uitslag::kMaxSpellen; ++b) cmdSpel[b].SetVisible(b <= n);

    HerstelPaarNummers();
    WisScoreBriefje();
    const int tafels = invoer::Tafels(paren);
    LaatsteRij = qMax(0, tafels - 1);
    for (int i = 0; i < 20; ++i) {
        const bool zichtbaar = i < tafels;
        for (Label* l : {&lblPaar[i], &lblContractNZ[i], &lblContractOW[i], &lblScoreNZ[i], &lblScoreOW[i],
                         &lblMPNZ[i], &lblMPOW[i]})
            l->SetVisible(zichtbaar);
    }
    cmdSpel[0].SetTag("");
    fraInvoer.SetEnabled(false);
    fraScoreBriefje.SetEnabled(true);
    lblSpelnummer.SetCaption("");
    fraScoreBriefjes.SetCaption(Tekst(64));
    fraScoreBriefjes.SetVisible(true);

    KlaarVlaggen = stand.vlaggen;
    cmdUitslag.SetEnabled(!KlaarVlaggen.contains(QLatin1Char('0')));
    // What was rebuilt or reopened is stored at once, so that the files say
    // what the screen shows; a changed board count stores its flags too.
    const bool hersteld = stand.gridGewijzigd || overzichtGelezen.Kapot();
    if (hersteld) BewaarOverzicht();
    if (opgeslagenAantal_ != n || !klaar.Gelukt() || KlaarVlaggen != invoer::PasKlaarAan(vlaggen, n))
        SchrijfKlaarVlaggen();
    if (!stand.hersteld.isEmpty())
        Meld(Tekst(251).replace(QLatin1Char('~'), uitslag::BordenLijst(stand.hersteld)), vbOKOnly | vbInformation);
    if (!stand.heropend.isEmpty())
        Meld(MetRegels(Tekst(252).replace(QLatin1Char('~'), uitslag::BordenLijst(stand.heropend))),
             vbOKOnly | vbInformation);
    if (!stand.onvolledig.isEmpty())
        Meld(MetRegels(Tekst(242).replace(QLatin1Char('~'), uitslag::BordenLijst(stand.onvolledig))),
             vbOKOnly | vbInformation);
    if (opgeslagenAantal_ != n) {
        QString fout;
        if (uitslag::SchrijfSpellenAantal(SessieNaam, n, &fout))
            opgeslagenAantal_ = n;
        else
            Meld(uitslag::SchrijfMelding(uitslag::WedstrijdBestandsnaam(uitslag::WedstrijdBestand::SpellenAantal,
                                                                        SessieNaam),
                                         fout),
                 vbOKOnly | vbExclamation);
    }
    KleurSpelKnoppen();
}

// ---------------------------------------------------------------------------
// The slip

std::vector<invoer::SlipRij> frmVeldom11Form::Rijen() const {
    std::vector<invoer::SlipRij> rijen(20);
    for (int i = 0; i < 20; ++i) {
        rijen[i].zichtbaar = lblPaar[i].Visible();
        rijen[i].contractNZ = lblContractNZ[i].Caption();
        rijen[i].contractOW = lblContractOW[i].Caption();
    }
    return rijen;
}

int frmVeldom11Form::EersteVrijeRij() const { return invoer::EersteVrijeRij(Rijen()); }
int frmVeldom11Form::InvoerRij() const {
    return invoer::InvoerRij(Rijen(), cmdArbitrale.Tag().isEmpty() ? -1 : ValInteger(cmdArbitrale.Tag()));
}
int frmVeldom11Form::GevuldeRijen() const { return invoer::GevuldeRijen(Rijen()); }
int frmVeldom11Form::Tafels() const { return invoer::Tafels(lstParen.ListCount()); }
int frmVeldom11Form::OpenSpel() const { return ValInteger(cmdSpel[0].Tag()); }

void frmVeldom11Form::HerstelPaarNummers() {
    for (int i = 0; i < 20; ++i) lblPaar[i].SetCaption(invoer::OntwerpPaar(i));
}

void frmVeldom11Form::WisScoreBriefje() {
    for (int i = 0; i < 20; ++i)
        for (Label* l : {&lblContractNZ[i], &lblContractOW[i], &lblScoreNZ[i], &lblScoreOW[i], &lblMPNZ[i],
                         &lblMPOW[i]})
            l->SetCaption("");
}

void frmVeldom11Form::PlaatsInvoerVak() {
    txtContract.SetLeft(lblContract.Left() + lblContract.Width() + 16);
    lblVoorbeeld.SetLeft(txtContract.Left());
}

void frmVeldom11Form::FocusOpInvoer() {
    ZetFocus(*this, txtContract);
    txtContract.SetSelStart(int(txtContract.Text().size()));
    txtContract.SetSelLength(0);
}

void frmVeldom11Form::ZetInvoerTekst(const QString& tekst) {
    BezigMetLaden = true;
    txtContract.SetText(tekst);
    BezigMetLaden = false;
    vorigeTekst_ = tekst;
}

void frmVeldom11Form::ZetPrompt() {
    const int i = EersteVrijeRij();
    const QString bord = cmdSpel[0].Tag();
    if (i >= 0) {
        lblContract.SetCaption(Tekst(133) + QLatin1Char(' ') + lblPaar[i].Caption() + QStringLiteral(": "));
        lblSpelnummer.SetCaption(Tekst(64) + QLatin1Char(' ') + bord + QStringLiteral(": ") + lblPaar[i].Caption());
        cmdArbitrale.SetTag(QString::number(i));
        cmdArbitrale.SetEnabled(true);
    } else {
        lblContract.SetCaption(Tekst(133) + QStringLiteral(": "));
        lblSpelnummer.SetCaption(Tekst(64) + QLatin1Char(' ') + bord);
        cmdArbitrale.SetTag("-1");
        cmdArbitrale.SetEnabled(false);
    }
    PlaatsInvoerVak();
}

void frmVeldom11Form::KleurSpelKnoppen() {
    for (int b = 1; b <= uitslag::kMaxSpellen; ++b)
        cmdSpel[b].SetBackColor(b <= KlaarVlaggen.size() && KlaarVlaggen.at(b - 1) == QLatin1Char('1') ? KleurKlaar
                                                                                                      : KleurOpen);
}

// The queued writes below tell their own failures (MeldSchrijfFouten), one
// per file however often they are asked for.
bool frmVeldom11Form::SchrijfKlaarVlaggen() {
    return uitslag::SchrijfKlaar(SessieNaam, KlaarVlaggen, nullptr, uitslag::Schrijfwijze::Achtergrond);
}

void frmVeldom11Form::ZetKlaar(int bord, bool klaar) {
    if (bord < 1 || bord > KlaarVlaggen.size()) return;
    KlaarVlaggen[bord - 1] = klaar ? QLatin1Char('1') : QLatin1Char('0');
    cmdSpel[bord].SetBackColor(klaar ? KleurKlaar : KleurOpen);
}

void frmVeldom11Form::cmdSpel_Click(int Index) {
    if (Index < 1 || Index > uitslag::kMaxSpellen) return;
    timAllesKlaar.SetEnabled(false);
    cmdWisSpel.SetEnabled(false);
    WisScoreBriefje();
    HerstelPaarNummers();
    ZetFocus(*this, cmdFocus);
    fraInvoer.SetEnabled(true);
    ZetInvoerTekst("");
    const QString bord = cmdSpel[Index].Caption();
    lblSpelnummer.SetCaption(bord);
    cmdSpel[0].SetTag(bord);
    GescoordeRij = -1;
    HuidigeRij = 0;

    SpelGeopend = false;
    std::vector<uitslag::SpelRij> rijen;
    const uitslag::LeesUitkomst gelezen =
        uitslag::LeesSpelUitslag(SessieNaam, Index, uitslag::NotatieAlfabet(), rijen, lstParen.ListCount());
    if (gelezen.Gelukt()) {
        // Only the tables of this match: a row beyond them is not shown.
        for (int r = 0; r < int(rijen.size()) && r < Tafels(); ++r) {
            lblPaar[r].SetCaption(rijen[r].paar);
            lblContractNZ[r].SetCaption(rijen[r].contractNZ);
            lblContractOW[r].SetCaption(rijen[r].contractOW);
            lblScoreNZ[r].SetCaption(rijen[r].scoreNZ);
            lblScoreOW[r].SetCaption(rijen[r].scoreOW);
            lblMPNZ[r].SetCaption(rijen[r].mpNZ);
            lblMPOW[r].SetCaption(rijen[r].mpOW);
        }
    } else if (gelezen.fout == uitslag::LeesFout::Vreemd || gelezen.fout == uitslag::LeesFout::TeGroot) {
        // A file that is not this match's board stays as it is: nothing can
        // be entered over it until the board is cleared.
        Meld(uitslag::LeesMelding(gelezen) + QStringLiteral("\n\n") + MetRegels(Tekst(253).replace(QLatin1Char('~'), bord)),
             vbOKOnly | vbExclamation);
        fraInvoer.SetEnabled(false);
        fraScoreBriefje.SetEnabled(false);
        cmdArbitrale.SetEnabled(false);
        lblSpelnummer.SetCaption(Tekst(64) + QLatin1Char(' ') + bord);
        fraScoreBriefjes.SetCaption(Tekst(64) + QLatin1Char(' ') + bord);
        SpelGeopend = true;
        cmdWisSpel.SetEnabled(true);
        return;
    } else if (gelezen.Kapot()) {
        Meld(uitslag::LeesMelding(gelezen), vbOKOnly | vbExclamation);
    }
    fraScoreBriefje.SetEnabled(true);
    if (EersteVrijeRij() < 0) BerekenMatchpunten(false);
    ZetPrompt();
    SpelGeopend = true;
    cmdWisSpel.SetEnabled(true);
    fraScoreBriefjes.SetCaption(Tekst(64) + QLatin1Char(' ') + bord + QStringLiteral(" - ") + Tekst(6) +
                                QStringLiteral(": ") + Tekst(invoer::KwetsbaarTekstNummer(Index)));
    FocusOpInvoer();
    DoEvents();
}

void frmVeldom11Form::PlaatsContract(int& kant) {
    // The row the prompt names: a re-edited row may lie below a free one.
    const int i = InvoerRij();
    if (i < 0) return;
    if (ContractTekst.size() == 1) {
        lblContractNZ[i].SetCaption(ContractTekst);
        lblContractOW[i].SetCaption(ContractTekst);
    } else if (kant == 1 || kant == 3) {
        lblContractNZ[i].SetCaption(uitslag::SlipTekst(ContractTekst));
    } else if (kant == 2 || kant == 4) {
        lblContractOW[i].SetCaption(uitslag::SlipTekst(ContractTekst));
    } else if (kant == 0) {
        lblContractNZ[i].SetCaption(ContractTekst);
        lblContractOW[i].SetCaption(ContractTekst);
    }
    HuidigeRij = i;
    if (HuidigeRij == 0) lblSpelnummer.SetCaption(Tekst(64) + QLatin1Char(' ') + cmdSpel[0].Tag());
}

void frmVeldom11Form::cmdWisSpel_Click() {
    const int b = OpenSpel();
    if (b < 1) return;
    QString vraag = Tekst(151);
    vraag.replace(QLatin1Char('~'), QString::number(b));
    if (MsgBox(MetRegels(vraag), vbYesNo | vbQuestion, Caption()) != vbYes) {
        FocusOpInvoer();
        return;
    }
    timAllesKlaar.SetEnabled(false);
    // The stored slip goes first: while it remains, the board would come
    // back whole when it is opened again.
    QString fout;
    if (!uitslag::WisSpelBestanden(SessieNaam, b, &fout)) {
        Meld(VulIn(MetRegels(Tekst(307)), QString::number(b), fout),
             vbOKOnly | vbExclamation);
        FocusOpInvoer();
        return;
    }
    WisScoreBriefje();
    HerstelPaarNummers();
    fraScoreBriefje.SetEnabled(true);
    fraInvoer.SetEnabled(true);
    ZetKlaar(b, false);
    cmdUitslag.SetEnabled(false);
    Grid& g = msfgResultaat;
    for (int r = 1; r < g.Rows(); ++r) g.SetTextMatrix(r, b, "");
    PasKolomBreedteAan(g);
    BewaarOverzicht();
    g.SetVisible(true);
    SchrijfKlaarVlaggen();
    // A cleared board is rare and deliberate: it is on disk when the
    // question is answered, flags and overview with the removed files.
    uitslag::WachtOp();
    GescoordeRij = -1;
    ZetInvoerTekst("");
    ZetPrompt();
    FocusOpInvoer();
}

// ---------------------------------------------------------------------------
// Typed entry

void frmVeldom11Form::txtContract_KeyPress(int& KeyAscii) {
    const QString A = uitslag::NotatieAlfabet();
    const QString tekst = txtContract.Text();
    if (KeyAscii == '=') KeyAscii = uitslag::HerschrijfToets(tekst, QLatin1Char('='), A).teken.unicode();
    if (KeyAscii == vbKeyReturn && MetEnter == 0) {
        // Immediate mode: Enter repeats the contract scored last into the
        // first free row.
        KeyAscii = 0;
        if (GescoordeRij < 0 || GescoordeRij > 19) return;
        const QString herhaal = invoer::HerhaalInvoer(lblContractNZ[GescoordeRij].Caption(),
                                                      lblContractOW[GescoordeRij].Caption(), A);
        // A passed-out or not-played row is not repeated: Enter places
        // nothing there.
        if (herhaal.size() > 1 && EersteVrijeRij() >= 0) txtContract.SetText(herhaal);
        return;
    }
    if (KeyAscii == vbKeyReturn && MetEnter == 1 && tekst.isEmpty()) {
        KeyAscii = 0;
        KopieerLaatsteRij();
        return;
    }
    if (KeyAscii == '1') {
        const uitslag::Toets t = uitslag::HerschrijfToets(tekst, QLatin1Char('1'), A);
        QChar teken = t.teken;
        if (t.vraagDoublet)
            teken = MsgBox(Tekst(142), vbYesNo | vbQuestion, Caption()) == vbYes ? QLatin1Char('!')
                                                                                : QLatin1Char('1');
        KeyAscii = teken.unicode();
    }
    if (chkEnter.Value() == 0) HuidigeRij = -1;
    if (KeyAscii == 0 || !uitslag::ToetsToegestaan(QChar(KeyAscii), A)) {
        KeyAscii = 0;
        FocusOpInvoer();
        return;
    }
    // Every key works at the end of the entry, where the rules judge it: a
    // caret moved into the middle goes back to the end first. A selection
    // that reaches the end is left to be replaced.
    const int lengte = int(tekst.size());
    if (txtContract.SelStart() + txtContract.SelLength() != lengte) txtContract.SetSelStart(lengte);
    if (KeyAscii == vbKeyReturn) {
        KeyAscii = 0;
        MetEnter = 0;
        enterBezig_ = true;
        txtContract_Change();
        enterBezig_ = false;
        MetEnter = chkEnter.Value();
    }
}

void frmVeldom11Form::txtContract_Change() {
    InvoerGoed = false;
    InvoerCompleet = false;
    if (BezigMetLaden) return;
    const QString A = uitslag::NotatieAlfabet();
    const QString tekst = txtContract.Text();
    ContractTekst = tekst.toUpper();
    const uitslag::Invoer r = uitslag::BeoordeelInvoer(tekst, A);
    InvoerGoed = r.goed;
    InvoerCompleet = r.goed && r.compleet;
    if (InvoerGoed || tekst.isEmpty()) vorigeTekst_ = tekst;
    if (MetEnter == 0 && InvoerCompleet) {
        if (EersteVrijeRij() < 0 || OpenSpel() < 1) return;  // a full slip takes nothing more
        VerwerkCompleet(r.kant);
        return;
    }
    if (enterBezig_) {
        // Enter on an entry that is not whole yet: it stays to be finished.
        if (!tekst.isEmpty() && uitslag::BeoordeelTekst(tekst, A) != uitslag::Stand::Compleet)
            Meld(Tekst(304).replace(QLatin1Char('~'), tekst), vbOKOnly | vbInformation);
        FocusOpInvoer();
        return;
    }
    if (!InvoerGoed && !tekst.isEmpty()) {
        // A refused change is undone whole: the text goes back to what it
        // was, wherever the refused character went (a paste, a Delete).
        ZetInvoerTekst(vorigeTekst_);
        txtContract.RefuseKey();
        FocusOpInvoer();
    }
}

void frmVeldom11Form::VerwerkCompleet(int kant) {
    PlaatsContract(kant);
    const int rij = HuidigeRij;
    BerekenScore();
    // The board may have moved on (the next unfinished board opened).
    if (rij >= 0 && OpenSpel() >= 1) {
        ZetInvoerTekst("");
        if (SpelGeopend) ZetPrompt();
        FocusOpInvoer();
    }
}

void frmVeldom11Form::KopieerLaatsteRij() {
    // Enter on an empty box in Enter mode: the contract scored last once
    // more, into the first free row, scored and saved as if typed.
    if (GescoordeRij < 0 || GescoordeRij > 19 || OpenSpel() < 1) return;
    const QString A = uitslag::NotatieAlfabet();
    const QString herhaal =
        invoer::HerhaalInvoer(lblContractNZ[GescoordeRij].Caption(), lblContractOW[GescoordeRij].Caption(), A);
    if (herhaal.isEmpty() || EersteVrijeRij() < 0) return;
    const uitslag::Invoer r = uitslag::BeoordeelInvoer(herhaal, A);
    if (!r.goed || !r.compleet) return;
    ContractTekst = herhaal.toUpper();
    VerwerkCompleet(r.kant);
}

void frmVeldom11Form::chkEnter_Click() {
    MetEnter = chkEnter.Value();
    SchrijfIni("Instelling", "Met Enter", QString::number(chkEnter.Value()), IniBestand);
    FocusOpInvoer();
}

void frmVeldom11Form::chkNieuwSpel_Click() {
    SchrijfIni("Instelling", "Nieuw spel", QString::number(chkNieuwSpel.Value()), IniBestand);
    FocusOpInvoer();
}

// ---------------------------------------------------------------------------
// Scoring, saving, matchpoints

void frmVeldom11Form::BerekenScore(bool magVerder) {
    const int b = OpenSpel();
    const int rij = HuidigeRij;
    if (b < 1 || rij < 0 || rij > 19) return;
    const uitslag::ScoreUitkomst u =
        uitslag::BerekenScore(ContractTekst, uitslag::NotatieAlfabet(), uitslag::KwetsbaarCodeVanBord(b));
    if (!u.gelukt) {
        Meld(uitslag::ScoreMelding(ContractTekst), vbOKOnly | vbExclamation);
        return;
    }
    lblScoreNZ[rij].SetCaption(u.nz);
    lblScoreOW[rij].SetCaption(u.ow);
    GescoordeRij = rij;
    timAllesKlaar.SetEnabled(false);
    if (!BewaarSpel()) return;
    if (GevuldeRijen() == Tafels()) BerekenMatchpunten(magVerder);
}

bool frmVeldom11Form::BewaarSpel() {
    const int b = OpenSpel();
    if (b < 1 || SessieNaam.isEmpty()) return false;
    std::vector<uitslag::SpelRij> rijen;
    for (int i = 0; i < Tafels(); ++i) {
        if (!lblPaar[i].Visible()) break;
        rijen.push_back({lblPaar[i].Caption(), lblContractNZ[i].Caption(), lblContractOW[i].Caption(),
                         lblScoreNZ[i].Caption(), lblScoreOW[i].Caption(), lblMPNZ[i].Caption(),
                         lblMPOW[i].Caption()});
    }
    return uitslag::BewaarSpel(SessieNaam, b, rijen, uitslag::NotatieAlfabet(), !CvnMap.isEmpty(), nullptr,
                               uitslag::Schrijfwijze::Achtergrond);
}

void frmVeldom11Form::MeldSchrijfFouten() {
    // The match files are written behind the user's back (SchrijfWachtrij);
    // one that could not be written is reported once no handler runs.
    uitslag::BijSchrijfFout([](const uitslag::SchrijfFout& f) {
        if (frmVeldom11_IsLoaded())
            frmVeldom11().SchrijfMislukt(f);
        else if (f.eerste)
            MsgBox(uitslag::SchrijfMelding(QFileInfo(f.pad).fileName(), f.fout), vbOKOnly | vbExclamation,
                   platform::StripAccessKeys(TaalTekst(126)));
    });
}

void frmVeldom11Form::SchrijfMislukt(const uitslag::SchrijfFout& f) {
    HeropenMislukteBorden();
    if (!f.eerste) return;
    int bord = 0;
    for (int b = 1; b <= uitslag::kMaxSpellen && bord == 0 && !SessieNaam.isEmpty(); ++b)
        if (uitslag::SchrijfPad(uitslag::WedstrijdBestand::SpelUitslag, SessieNaam, b) == f.pad) bord = b;
    if (bord > 0)
        Meld(VulIn(MetRegels(Tekst(240)), QString::number(bord), f.fout),
             vbOKOnly | vbExclamation);
    else
        Meld(uitslag::SchrijfMelding(QFileInfo(f.pad).fileName(), f.fout), vbOKOnly | vbExclamation);
}

bool frmVeldom11Form::HeropenMislukteBorden() {
    if (SessieNaam.isEmpty() || !fraScoreBriefjes.Visible()) return false;
    Grid& g = msfgResultaat;
    QList<int> open;
    for (int b = 1; b <= uitslag::kMaxSpellen && b < g.Cols(); ++b) {
        bool getoond = b <= KlaarVlaggen.size() && KlaarVlaggen.at(b - 1) == QLatin1Char('1');
        for (int r = 1; r < g.Rows() && !getoond; ++r) getoond = !g.TextMatrix(r, b).trimmed().isEmpty();
        if (getoond && uitslag::Mislukt(uitslag::SchrijfPad(uitslag::WedstrijdBestand::SpelUitslag, SessieNaam, b)))
            open << b;
    }
    if (open.isEmpty()) return false;
    for (int b : open) {
        ZetKlaar(b, false);
        for (int r = 1; r < g.Rows(); ++r) g.SetTextMatrix(r, b, "");
        if (b == OpenSpel()) {
            for (int i = 0; i < 20; ++i) {
                lblMPNZ[i].SetCaption("");
                lblMPOW[i].SetCaption("");
            }
        }
        PasKolomBreedteAan(g, b);
    }
    cmdUitslag.SetEnabled(false);
    BewaarOverzicht();
    SchrijfKlaarVlaggen();
    return true;
}

void frmVeldom11Form::WachtOpSchrijfwerk() {
    if (uitslag::WachtHoogstens(300)) return;
    // A slow disk: the user sees what the program waits for.
    WaitNote melding(Caption());
    while (!uitslag::WachtHoogstens(100)) {
        melding.SetText(Tekst(241).replace(QLatin1Char('~'), QString::number(uitslag::Wachtend())));
        DoEvents();
    }
}

bool frmVeldom11Form::BewaarOverzicht() {
    const Grid& g = msfgResultaat;
    std::vector<QStringList> rijen;
    for (int r = 0; r < g.Rows(); ++r) {
        QStringList cellen;
        for (int c = 0; c < g.Cols(); ++c) cellen << g.TextMatrix(r, c);
        rijen.push_back(cellen);
    }
    return uitslag::SchrijfOverzicht(SessieNaam, rijen, nullptr, uitslag::Schrijfwijze::Achtergrond);
}

bool frmVeldom11Form::BerekenMatchpunten(bool magVerder) {
    const int b = OpenSpel();
    if (b < 1) return false;
    const int tafels = Tafels();
    std::vector<uitslag::SlipRegel> regels;
    for (int i = 0; i < tafels; ++i)
        regels.push_back({lblPaar[i].Caption(), lblContractNZ[i].Caption(), lblContractOW[i].Caption(),
                          lblScoreNZ[i].Caption(), lblScoreOW[i].Caption()});
    const uitslag::MpUitkomst u = uitslag::BerekenMatchpunten(regels);
    if (!u.Gelukt()) {
        Meld(MetRegels(uitslag::MatchpuntMelding(u, b)), vbOKOnly | vbExclamation);
        return false;
    }
    for (int i = 0; i < tafels; ++i) {
        lblMPNZ[i].SetCaption(u.mpNZ[i]);
        lblMPOW[i].SetCaption(u.mpOW[i]);
    }
    if (!BewaarSpel()) return false;
    ZetInvoerTekst("");
    Grid& g = msfgResultaat;
    if (b < g.Cols()) {
        const QStringList kolom = uitslag::GridKolom(u, g.Rows());
        for (int r = 1; r < g.Rows(); ++r) {
            g.SetRow(r);
            g.SetCol(b);
            g.SetCellAlignment(flexAlignCenterCenter);
            g.SetText(kolom[r]);
        }
    }
    // Only this board's column changed: only its width is fitted again.
    PasKolomBreedteAan(g, b);
    const bool overzicht = BewaarOverzicht();
    if (!overzicht) return false;
    const bool was = b <= KlaarVlaggen.size() && KlaarVlaggen.at(b - 1) == QLatin1Char('1');
    ZetKlaar(b, true);
    if (!SchrijfKlaarVlaggen()) {
        ZetKlaar(b, was);
        return false;
    }
    cmdArbitrale.SetEnabled(false);
    const int volgend = invoer::EersteOpenSpel(KlaarVlaggen);
    if (volgend > 0) {
        cmdUitslag.SetEnabled(false);
        ZetInvoerTekst("");
        if (magVerder && SpelGeopend && chkNieuwSpel.Value() != 0) cmdSpel_Click(volgend);
    } else {
        ZetInvoerTekst("");
        cmdUitslag.SetEnabled(true);
    }
    return true;
}

// ---------------------------------------------------------------------------
// Re-editing a row

void frmVeldom11Form::lblContractNZ_MouseDown(int Index, int Button, int, float, float) {
    // A board whose slip takes no entry takes no correction either.
    if (cmdSpel[0].Tag().isEmpty() || !fraInvoer.Enabled()) return;
    if (Button == vbLeftButton) HerEdit(Index);
    else if (Button == vbRightButton) WisselRij(Index, true);
    FocusOpInvoer();
}

void frmVeldom11Form::lblContractOW_MouseDown(int Index, int Button, int, float, float) {
    // A board whose slip takes no entry takes no correction either.
    if (cmdSpel[0].Tag().isEmpty() || !fraInvoer.Enabled()) return;
    if (Button == vbLeftButton) HerEdit(Index);
    else if (Button == vbRightButton) WisselRij(Index, false);
    FocusOpInvoer();
}

void frmVeldom11Form::HerEdit(int Index) {
    if (Index < 0 || Index > 19 || !lblPaar[Index].Visible()) return;
    timAllesKlaar.SetEnabled(false);
    ZetInvoerTekst("");
    for (Label* l : {&lblContractNZ[Index], &lblContractOW[Index], &lblScoreNZ[Index], &lblScoreOW[Index],
                     &lblMPNZ[Index], &lblMPOW[Index]})
        l->SetCaption("");
    cmdArbitrale.SetTag(QString::number(Index));
    lblContract.SetCaption(Tekst(133) + QLatin1Char(' ') + lblPaar[Index].Caption() + QStringLiteral(": "));
    lblSpelnummer.SetCaption(Tekst(64) + QLatin1Char(' ') + cmdSpel[0].Tag() + QStringLiteral(": ") +
                             lblPaar[Index].Caption());
    PlaatsInvoerVak();
    // The board is not done until the row is filled again.
    const int b = OpenSpel();
    const bool wasKlaar = b <= KlaarVlaggen.size() && KlaarVlaggen.at(b - 1) == QLatin1Char('1');
    ZetKlaar(b, false);
    if (wasKlaar && !SchrijfKlaarVlaggen()) ZetKlaar(b, true);
    cmdUitslag.SetEnabled(!KlaarVlaggen.contains(QLatin1Char('0')));
    cmdArbitrale.SetEnabled(true);
}

void frmVeldom11Form::WisselRij(int Index, bool noordZuid) {
    if (Index < 0 || Index > 19 || !lblPaar[Index].Visible()) return;
    const QString contract = noordZuid ? lblContractNZ[Index].Caption() : lblContractOW[Index].Caption();
    if (contract.isEmpty()) return;
    const int n = invoer::EerstePaarNummer(lblPaar[Index].Caption());
    if (MsgBox(Tekst(n % 2 == 1 ? 143 : 144), vbYesNo | vbQuestion, Caption()) == vbYes)
        lblPaar[Index].SetCaption(invoer::WisselPaar(lblPaar[Index].Caption()));
    if (invoer::IsArbitraal(lblContractNZ[Index].Caption()) || invoer::IsArbitraal(lblContractOW[Index].Caption())) {
        // An adjusted row has no contract to score: only its pairs change.
        if (BewaarSpel() && GevuldeRijen() == Tafels()) BerekenMatchpunten(false);
        return;
    }
    HuidigeRij = Index;
    const QString A = uitslag::NotatieAlfabet();
    ContractTekst = contract.size() == 1 ? contract : contract + (noordZuid ? A.at(21) : A.at(22)).toUpper();
    BerekenScore(false);
}

// ---------------------------------------------------------------------------
// Grid, adjusted score, overview, timer

void frmVeldom11Form::msfgResultaat_RowColChange() {
    // Every board column opens its board (the buttons do the same).
    const int c = msfgResultaat.Col();
    if (c >= 1 && c < msfgResultaat.Cols() && fraScoreBriefjes.Visible()) cmdSpel_Click(c);
}

void frmVeldom11Form::cmdArbitrale_Click() {
    if (OpenSpel() < 1) return;
    // The all-tables-done timer starts when the window closes.
    ZetFocus(*this, cmdFocus);
    ShowOwned(frmVeldom13, [this] { StartAllesKlaar(); });
}

void frmVeldom11Form::StartAllesKlaar() {
    timerBord_ = OpenSpel();
    timAllesKlaar.SetEnabled(timerBord_ >= 1);
}

void frmVeldom11Form::timAllesKlaar_Timer() {
    if (timerBord_ < 1 || OpenSpel() != timerBord_) {
        timAllesKlaar.SetEnabled(false);
        return;
    }
    if (GevuldeRijen() == Tafels()) {
        timAllesKlaar.SetEnabled(false);
        BerekenMatchpunten();
    }
}

void frmVeldom11Form::cmdUitslag_Click() {
    ZetFocus(*this, cmdFocus);
    ToonOverzicht();
}

void frmVeldom11Form::ToonOverzicht() {
    // The overview reads the match from disk: the grid goes to the overview
    // file first. This window is disabled while the overview is open and
    // enabled again when it closes. A board whose result file did not reach
    // the disk is not done: it is opened again, and the overview waits.
    if (!BewaarOverzicht()) return;
    const QString vlaggen = KlaarVlaggen;
    WachtOpSchrijfwerk();
    uitslag::MeldFoutenNu();
    HeropenMislukteBorden();
    if (KlaarVlaggen != vlaggen) return;
    SetEnabled(false);
    if (!OpenUitslagOverzicht(SessieNaam, *this))
        SetEnabled(true);
}
