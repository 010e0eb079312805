#include "players/frmVeldom05.h"

#include <QFile>
#include <QFileInfo>

#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "platform/TextFile.h"
#include "players/GroepWedstrijd.h"
#include "players/NamenRegels.h"
#include "results/WedstrijdBestanden.h"
#include "results/WedstrijdNaam.h"
#include "saveas/BewaarNaam.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"
#include "shared/Rooster.h"

using namespace platform;

DEFINE_FORM(frmVeldom05, frmVeldom05Form)

namespace {
// Design layout, twips.
constexpr int Marge = 120;
constexpr int KnopBreedte = 1215;
constexpr int KnopHoogte = 375;
constexpr int RegelHoogte = 315;
constexpr int LijstBreedte = 3000;
constexpr int LijstFrameHoogte = 2460;
constexpr int GridBreedte = 5400;
constexpr int GroepBreedte = 4200;

const QString NamenMap = QStringLiteral("namen");
const QString GroepenMap = QStringLiteral("groepen");
const QString ResultatenMap = QStringLiteral("resultaten");

QString SorteerKop(int Index, bool aflopend) {
    const QString kop = TaalTekst(aflopend ? 118 : 117);
    if (Index == 0) return kop;
    // The other boxes on the "l" of "laag" / "low" and the "g" of "laag" /
    // "w" of "low"; a caption without the part has no key.
    const QString kaal = platform::StripAccessKeys(kop);
    if (Index == 1) return platform::WithAccessKey(kaal, QStringLiteral("l"));
    const QString laag = platform::WithAccessKey(kaal, QStringLiteral("laag"), 3);
    return laag != kaal ? laag : platform::WithAccessKey(kaal, QStringLiteral("low"), 2);
}

}  // namespace

frmVeldom05Form::frmVeldom05Form() : Form("frmVeldom05") {
    SetKeyPreview(true);
    SetBorderStyle(vbSizable);
    lstNamenBestand.OnClick([this] { lstNamenBestand_Click(); });
    lstGroepBestand.OnClick([this] { lstGroepBestand_Click(); });
    lstWedstrijd.OnClick([this] { lstWedstrijd_Click(); });
    chkSorteer0.OnClick([this] { chkSorteer_Click(0); });
    chkSorteer1.OnClick([this] { chkSorteer_Click(1); });
    chkSorteer2.OnClick([this] { chkSorteer_Click(2); });
    cmdWisNamen.OnClick([this] { cmdWisNamen_Click(); });
    cmdWisGroep.OnClick([this] { cmdWisGroep_Click(); });
    cmdWisWedstrijd.OnClick([this] { cmdWisWedstrijd_Click(); });
    msfgResultaat.OnClick([this] { msfgResultaat_Click(); });
    cmdToevoegen.OnClick([this] { cmdToevoegen_Click(); });
    lstMaakGroep.OnClick([this] { lstMaakGroep_Click(); });
    // Choosing a pair takes it out of the group: the keys only move the
    // highlight through the pairs, and Space chooses.
    lstMaakGroep.SetKeysOnlyHighlight(true);
    cmdOpslaan.OnClick([this] { cmdOpslaan_Click(); });
    cmdOK.OnClick([this] { cmdOK_Click(); });
    txtWijzig.OnKeyPress([this](int& KeyAscii) { txtWijzig_KeyPress(KeyAscii); });
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
}

// ---------------------------------------------------------------------------
// Opening, activation, closing

void frmVeldom05Form::Form_Load() {
    SetCaption(TaalTekst(61));
    const bool nl = TaalNummer != 11;

    cmdTerug.SetCaption("&" + TaalTekst(42));
    fraNamenBestand.SetCaption(TaalTekst(51));
    fraGroepBestand.SetCaption(TaalTekst(62));
    fraMaakGroep.SetCaption(TaalTekst(60));
    fraWedstrijd.SetCaption(TaalTekst(152));
    cmdOpslaan.SetCaption(TaalTekst(25));
    cmdToevoegen.SetCaption(nl ? platform::WithAccessKey(TaalTekst(57), QLatin1Char('v')) : "&" + TaalTekst(57));
    cmdWisNamen.SetCaption("&" + TaalTekst(37));
    cmdWisGroep.SetCaption(platform::WithAccessKey(TaalTekst(37), nl ? QStringLiteral("i") : QStringLiteral("e")));
    // In English not on the "l": that is a sort box's key.
    cmdWisWedstrijd.SetCaption(platform::WithAccessKey(TaalTekst(37), nl ? QStringLiteral("ss") : QStringLiteral("t")));
    lblWijzig.SetCaption(TaalTekst(170) + ": ");
    cmdOK.SetCaption(TaalTekst(182));
    chkSorteer0.SetCaption(SorteerKop(0, false));
    chkSorteer1.SetCaption(SorteerKop(1, false));
    chkSorteer2.SetCaption(SorteerKop(2, false));

    // The names grid: number, name, address under one fixed header row.
    msfgResultaat.SetFixedCols(0);
    msfgResultaat.SetCols(3);
    msfgResultaat.SetRows(2);
    msfgResultaat.SetFixedRows(1);
    msfgResultaat.SetTextMatrix(0, 0, TaalTekst(53));
    msfgResultaat.SetTextMatrix(0, 1, TaalTekst(54));
    msfgResultaat.SetTextMatrix(0, 2, TaalTekst(55));
    PasKolomBreedteAan(msfgResultaat);
    msfgResultaat.SetVisible(true);

    // Layout: the three lists on the left, the grid and the pair being
    // composed in the middle, the group on the right, rename and Back below.
    for (auto [fra, lst, chk, knop] :
         {std::tuple{&fraNamenBestand, &lstNamenBestand, &chkSorteer0, &cmdWisNamen},
          std::tuple{&fraGroepBestand, &lstGroepBestand, &chkSorteer1, &cmdWisGroep},
          std::tuple{&fraWedstrijd, &lstWedstrijd, &chkSorteer2, &cmdWisWedstrijd}}) {
        const int i = fra == &fraNamenBestand ? 0 : fra == &fraGroepBestand ? 1 : 2;
        fra->Move(Marge, Marge + i * (LijstFrameHoogte + Marge), LijstBreedte, LijstFrameHoogte);
        const int lijstHoogte = LijstFrameHoogte - 300 - KnopHoogte - 2 * Marge - RegelHoogte;
        lst->Move(Marge, 300, LijstBreedte - 2 * Marge, lijstHoogte);
        const int onder = lst->Top() + lijstHoogte + Marge / 2;
        chk->Move(Marge, onder, LijstBreedte - 2 * Marge, RegelHoogte);
        knop->Move(LijstBreedte - Marge - KnopBreedte, onder + RegelHoogte + Marge / 2, KnopBreedte, KnopHoogte);
    }
    const int midden = LijstBreedte + 2 * Marge;
    const int totaalHoogte = 3 * LijstFrameHoogte + 2 * Marge;
    const int paarHoogte = 2 * (RegelHoogte + 60) + KnopHoogte + 2 * Marge;
    msfgResultaat.Move(midden, Marge + 90, GridBreedte, totaalHoogte - paarHoogte - 90);
    int top = msfgResultaat.Top() + msfgResultaat.Height() + Marge;
    int windBreedte = 0;
    for (int i = 0; i < 2; ++i) {
        lblWind[i].SetAutoSize(true);
        lblWind[i].SetCaption(TaalTekst(i == 0 ? 2 : 4) + ":");
        windBreedte = std::max(windBreedte, lblWind[i].Width());
        lblWind[i].SetCaption(TaalTekst(i == 0 ? 1 : 3) + ":");
        windBreedte = std::max(windBreedte, lblWind[i].Width());
    }
    for (int i = 0; i < 2; ++i) {
        lblWind[i].SetAutoSize(false);
        lblWind[i].Move(midden, top + i * (RegelHoogte + 60) + 45, windBreedte + 60, RegelHoogte - 45);
        lblNaam[i].Move(midden + windBreedte + 120, top + i * (RegelHoogte + 60),
                        GridBreedte - windBreedte - 120, RegelHoogte);
        lblNaam[i].SetBorderStyle(1);
        lblNaam[i].SetCaption("");
        lblSchaduwNaam[i].SetVisible(false);
        lblSchaduwNaam[i].SetCaption("");
    }
    top += 2 * (RegelHoogte + 60);
    cmdToevoegen.Move(midden + GridBreedte - KnopBreedte, top, KnopBreedte, KnopHoogte);

    const int rechts = midden + GridBreedte + Marge;
    fraMaakGroep.Move(rechts, Marge, GroepBreedte, totaalHoogte);
    lstMaakGroep.Move(Marge, 300, GroepBreedte - 2 * Marge, totaalHoogte - 300 - KnopHoogte - 3 * Marge);
    lstSchaduwMaakGroep.SetVisible(false);
    cmdOpslaan.Move(GroepBreedte - Marge - KnopBreedte, totaalHoogte - KnopHoogte - Marge, KnopBreedte,
                    KnopHoogte);

    const int onder = Marge + totaalHoogte + Marge;
    lblWijzig.SetAutoSize(true);
    lblWijzig.Move(Marge, onder + (KnopHoogte - lblWijzig.Height()) / 2);
    txtWijzig.Move(lblWijzig.Left() + lblWijzig.Width() + 30, onder + (KnopHoogte - RegelHoogte) / 2, 3600,
                   RegelHoogte);
    cmdOK.Move(txtWijzig.Left() + txtWijzig.Width() + Marge, onder, KnopBreedte, KnopHoogte);
    const int binnenBreedte = rechts + GroepBreedte + Marge;
    cmdTerug.Move(binnenBreedte - Marge - KnopBreedte, onder, KnopBreedte, KnopHoogte);
    const int binnenHoogte = onder + KnopHoogte + Marge;
    Move(0, 0, binnenBreedte + (Width() - ScaleWidth()), binnenHoogte + (Height() - ScaleHeight()));
    Centreer();
    cmdFocus.Move(Screen().Width() + 10, 0, 100, 100);

    for (Control* c : std::initializer_list<Control*>{&cmdToevoegen, &cmdOpslaan, &cmdWisNamen, &cmdWisGroep,
                                                      &cmdWisWedstrijd, &cmdOK, &txtWijzig, &fraGroepBestand,
                                                      &fraWedstrijd})
        c->SetEnabled(false);

    LeesSorteer(*this, chkSorteer0, "0");
    LeesSorteer(*this, chkSorteer1, "1");
    LeesSorteer(*this, chkSorteer2, "2");
    VulNamenBestanden();
    VulGroepBestanden();
    VulWedstrijden();
    BewaarPosities(*this);
}

void frmVeldom05Form::Form_Activate() {
    HerstelScherm(*this);
    if (AanroepScherm == 5) {
        // Back from the Save-as dialog. Nothing written (cancelled, or No
        // to overwriting): the group can still be saved.
        if (!bewaard_) cmdOpslaan.SetEnabled(groep::GroepOpslaanMogelijk(lstMaakGroep.ListCount()));
        VulGroepBestanden();
        VulWedstrijden();
        AanroepScherm = 1;
    }
    ZetFocus(*this, cmdFocus);
}

void frmVeldom05Form::Centreer() {
    Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
}

void frmVeldom05Form::Form_Resize() {
    if (WindowState() != vbNormal) return;
    Centreer();
    SchaalScherm(*this);
}

void frmVeldom05Form::Form_KeyUp(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode == vbKeyEscape) cmdTerug_Click();
}

void frmVeldom05Form::cmdTerug_Click() { Unload(*this); }

void frmVeldom05Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    (void)UnloadMode;
    BewaarSchermGrootte(*this);
}

void frmVeldom05Form::Meld(const QString& tekst, int stijl) { MsgBox(tekst, vbOKOnly | stijl, Caption()); }

bool frmVeldom05Form::Vraag(int tekst, const QString& naam) {
    QString vraag = TaalTekst(tekst);
    vraag.replace(QLatin1Char('~'), naam);
    return MsgBox(MetRegels(vraag), vbYesNo | vbQuestion | vbDefaultButton2, Caption()) == vbYes;
}

// ---------------------------------------------------------------------------
// The lists of files

void frmVeldom05Form::VulNamenBestanden() {
    QString map = programPath(NamenMap);
    MaakMappen(map);
    namenBestanden_ = VulMapLijst(lstNamenBestand, map, ".txt", SorteerAflopend(chkSorteer0.Value()));
    fraNamenBestand.SetCaption(LijstKop(TaalTekst(51), lstNamenBestand.ListCount()));
    cmdWisNamen.SetEnabled(false);
}

void frmVeldom05Form::VulGroepBestanden() {
    QString map = programPath(GroepenMap);
    MaakMappen(map);
    groepBestanden_ = VulMapLijst(lstGroepBestand, map, ".txt", SorteerAflopend(chkSorteer1.Value()));
    fraGroepBestand.SetCaption(LijstKop(TaalTekst(62), lstGroepBestand.ListCount()));
    cmdWisGroep.SetEnabled(false);
}

void frmVeldom05Form::VulWedstrijden() {
    QString map = programPath(ResultatenMap);
    MaakMappen(map);
    wedstrijden_ = VulMapLijst(lstWedstrijd, map, QString(), SorteerAflopend(chkSorteer2.Value()));
    fraWedstrijd.SetCaption(LijstKop(TaalTekst(152), lstWedstrijd.ListCount()));
    cmdWisWedstrijd.SetEnabled(false);
}

void frmVeldom05Form::chkSorteer_Click(int Index) {
    ZetFocus(*this, cmdFocus);
    if (Index == 0) VulNamenBestanden();
    if (Index == 1) VulGroepBestanden();
    if (Index == 2) VulWedstrijden();
    chkSorteer(Index).SetCaption(SorteerKop(Index, SorteerAflopend(chkSorteer(Index).Value())));
    BewaarSorteer(*this, chkSorteer(Index), QString::number(Index));
}

// ---------------------------------------------------------------------------
// Names file and grid

void frmVeldom05Form::MaakGridLeeg() {
    msfgResultaat.SetVisible(false);
    msfgResultaat.SetRows(1);
    msfgResultaat.SetRows(2);
}

void frmVeldom05Form::lstNamenBestand_Click() {
    const int i = lstNamenBestand.ListIndex();
    if (i < 0 || i >= namenBestanden_.size()) return;
    const MapItem item = namenBestanden_[i];
    const QString pad = programPath(NamenMap + "/" + item.naam);
    QStringList regels;
    QString fout;
    if (!readTextLines(pad, regels, &fout, NamenBestandMax)) {
        Meld(MetRegels(TaalTekst(335)).replace('~', item.naam).replace('#', fout), vbExclamation);
        VulNamenBestanden();
        ZetFocus(*this, cmdFocus);
        return;
    }
    cmdWisNamen.SetEnabled(true);
    lstGroepBestand.SetListIndex(-1);
    lstWedstrijd.SetListIndex(-1);
    cmdWisGroep.SetEnabled(false);
    cmdWisWedstrijd.SetEnabled(false);
    MaakParenLeeg();
    MaakGridLeeg();
    namenBestand_ = item.naam;
    lstNamenBestand.SetTag(item.naam);
    const QVector<NaamRegel> rijen = LeesNamenRegels(regels);
    QVector<NaamRegel> spelers;
    for (const NaamRegel& r : rijen)
        if (!r.naam.trimmed().isEmpty()) spelers << r;
    msfgResultaat.SetRows(1 + std::max<int>(1, int(spelers.size())));
    for (int r = 0; r < spelers.size(); ++r) {
        msfgResultaat.SetTextMatrix(r + 1, 0, spelers[r].nummer);
        msfgResultaat.SetTextMatrix(r + 1, 1, spelers[r].naam.trimmed());
        msfgResultaat.SetTextMatrix(r + 1, 2, spelers[r].adres.trimmed());
        msfgResultaat.SetRow(r + 1);
        msfgResultaat.SetCol(0);
        msfgResultaat.SetCellAlignment(flexAlignCenterCenter);
    }
    ZetWijzigDoel(0, item.toon, item.naam);
    PasKolomBreedteAan(msfgResultaat);
    msfgResultaat.SetEnabled(true);
    msfgResultaat.SetVisible(true);
    fraGroepBestand.SetEnabled(true);
    fraWedstrijd.SetEnabled(true);
    PasZitplaatsenAan();
    ZetFocus(*this, cmdFocus);
}

void frmVeldom05Form::OpenNamenOpnieuw() {
    if (namenBestand_.isEmpty()) return;
    for (int i = 0; i < namenBestanden_.size(); ++i) {
        if (namenBestanden_[i].naam != namenBestand_) continue;
        lstNamenBestand.SetListIndex(-1);
        lstNamenBestand.SetListIndex(i);
        return;
    }
}

void frmVeldom05Form::msfgResultaat_Click() {
    if (!msfgResultaat.Enabled()) return;
    const int r = msfgResultaat.Row();
    if (r < msfgResultaat.FixedRows() || r >= msfgResultaat.Rows()) return;
    const QString naam = msfgResultaat.TextMatrix(r, 1);
    if (naam.trimmed().isEmpty()) return;  // the empty row of an empty grid
    if (!NaamBruikbaarInPaar(naam)) {
        // Names files written elsewhere may hold the separators of a pair
        // line or of the overview: such a player stays in the grid.
        Meld(MetRegels(TaalTekst(316)).replace('~', naam.trimmed()).replace('#', TaalTekst(310)), vbInformation);
        ZetFocus(*this, cmdFocus);
        return;
    }
    int k = -1;
    if (lblNaam[0].Caption().isEmpty())
        k = 0;
    else if (lblNaam[1].Caption().isEmpty())
        k = 1;
    if (k < 0) {
        ZetFocus(*this, cmdToevoegen);
        return;
    }
    lblNaam[k].SetCaption(naam);
    lblSchaduwNaam[k].SetCaption(naam + "|" + msfgResultaat.TextMatrix(r, 2));
    msfgResultaat.SetVisible(false);
    if (msfgResultaat.Rows() > 2) {
        msfgResultaat.RemoveRow(r);
    } else {
        for (int c = 0; c < msfgResultaat.Cols(); ++c) msfgResultaat.SetTextMatrix(1, c, "");
    }
    NummerRijen(msfgResultaat);
    if (msfgResultaat.TextMatrix(1, 1).isEmpty()) msfgResultaat.SetTextMatrix(1, 0, "");
    msfgResultaat.SetVisible(true);
    PasZitplaatsenAan();
    if (cmdToevoegen.Enabled())
        ZetFocus(*this, cmdToevoegen);
    else
        ZetFocus(*this, cmdFocus);
}

void frmVeldom05Form::NeemUitGrid(const QString& naam) {
    const QString gezocht = naam.trimmed();
    for (int r = msfgResultaat.Rows() - 1; r >= 1; --r) {
        if (msfgResultaat.TextMatrix(r, 1).trimmed() != gezocht) continue;
        if (msfgResultaat.Rows() > 2)
            msfgResultaat.RemoveRow(r);
        else
            for (int c = 0; c < msfgResultaat.Cols(); ++c) msfgResultaat.SetTextMatrix(1, c, "");
        return;
    }
}

// ---------------------------------------------------------------------------
// The composed group

QVector<groep::Paar> frmVeldom05Form::Paren() const {
    QVector<groep::Paar> paren;
    for (const QString& regel : lstSchaduwMaakGroep.Items()) {
        groep::Paar p;
        if (groep::LeesPaarRegel(regel, p)) paren << p;
    }
    return paren;
}

void frmVeldom05Form::MaakParenLeeg() {
    lstMaakGroep.Clear();
    lstSchaduwMaakGroep.Clear();
    ZetGroepKop();
    PasZitplaatsenAan();
}

void frmVeldom05Form::ZetParen(const QVector<groep::Paar>& paren) {
    lstMaakGroep.Clear();
    lstSchaduwMaakGroep.Clear();
    for (int i = 0; i < paren.size(); ++i) {
        lstMaakGroep.AddItem(groep::PaarTekst(i + 1, paren[i]));
        lstSchaduwMaakGroep.AddItem(groep::PaarRegel(i + 1, paren[i]));
    }
    ZetGroepKop();
    PasZitplaatsenAan();
}

void frmVeldom05Form::ZetGroepKop() { fraMaakGroep.SetCaption(LijstKop(TaalTekst(60), lstMaakGroep.ListCount())); }

void frmVeldom05Form::PasZitplaatsenAan() {
    const int aantal = lstMaakGroep.ListCount();
    const bool nz = groep::VolgendePaarNoordZuid(aantal);
    lblWind[0].SetCaption(TaalTekst(nz ? 1 : 2) + ":");
    lblWind[1].SetCaption(TaalTekst(nz ? 3 : 4) + ":");
    cmdOpslaan.SetEnabled(groep::GroepOpslaanMogelijk(aantal));
    // A pair waiting in the labels stays addable while there is room.
    const bool beide = !lblNaam[0].Caption().isEmpty() && !lblNaam[1].Caption().isEmpty();
    cmdToevoegen.SetEnabled(beide && aantal < groep::kMaxParen);
    if (aantal >= groep::kMaxParen) msfgResultaat.SetEnabled(false);
}

void frmVeldom05Form::cmdToevoegen_Click() {
    const int aantal = lstMaakGroep.ListCount();
    if (aantal >= groep::kMaxParen || lblNaam[0].Caption().isEmpty() || lblNaam[1].Caption().isEmpty()) {
        PasZitplaatsenAan();
        return;
    }
    groep::Paar p;
    groep::LeesPaarRegel(lblSchaduwNaam[0].Caption() + " - " + lblSchaduwNaam[1].Caption(), p);
    lstMaakGroep.AddItem(groep::PaarTekst(aantal + 1, p));
    lstSchaduwMaakGroep.AddItem(groep::PaarRegel(aantal + 1, p));
    for (int i = 0; i < 2; ++i) {
        lblNaam[i].SetCaption("");
        lblSchaduwNaam[i].SetCaption("");
    }
    PasZitplaatsenAan();
    ZetGroepKop();
    if (lstMaakGroep.ListCount() >= groep::kMaxParen) {
        msfgResultaat.SetEnabled(false);
        Meld(TaalTekst(132), vbInformation);
    }
    ZetFocus(*this, cmdFocus);
}

void frmVeldom05Form::lstMaakGroep_Click() {
    const int i = lstMaakGroep.ListIndex();
    if (i < 0 || i >= lstSchaduwMaakGroep.ListCount()) return;
    // The results of a match belong to its pair numbers: a stored pair
    // dropped would renumber the pairs after it and hand them other players'
    // results. A pair added since the match was opened may go again.
    QVector<groep::Paar> paren = Paren();
    if (i >= paren.size()) return;
    const groep::Paar weg = paren.takeAt(i);
    const int w = lstWedstrijd.ListIndex();
    if (w >= 0 && w < wedstrijden_.size() && !groep::ParenBehoudenUitslagen(wedstrijden_[w].naam, paren)) {
        lstMaakGroep.SetListIndex(-1);
        Meld(MetRegels(TaalTekst(313)).replace('~', wedstrijden_[w].naam), vbInformation);
        ZetFocus(*this, cmdFocus);
        return;
    }
    msfgResultaat.SetVisible(false);
    // An empty grid has one empty data row: it takes the first player.
    int r = msfgResultaat.Rows();
    if (r == 2 && msfgResultaat.TextMatrix(1, 1).trimmed().isEmpty()) r = 1;
    msfgResultaat.SetRows(r + 2);
    msfgResultaat.SetTextMatrix(r, 1, weg.eerste.naam);
    msfgResultaat.SetTextMatrix(r, 2, weg.eerste.adres);
    msfgResultaat.SetTextMatrix(r + 1, 1, weg.tweede.naam);
    msfgResultaat.SetTextMatrix(r + 1, 2, weg.tweede.adres);
    if (r + 2 < msfgResultaat.Rows()) msfgResultaat.SetRows(r + 2);
    msfgResultaat.SortRows(1, NaamVoor);
    PasKolomBreedteAan(msfgResultaat);
    NummerRijen(msfgResultaat);
    msfgResultaat.SetVisible(true);
    ZetParen(paren);
    ZetFocus(*this, cmdFocus);
}

void frmVeldom05Form::cmdOpslaan_Click() {
    if (!groep::GroepOpslaanMogelijk(lstMaakGroep.ListCount())) return;
    AanroepScherm = 5;
    bewaard_ = false;
    ZetFocus(*this, cmdFocus);
    cmdOpslaan.SetEnabled(false);
    // The composer writes its group file or match folder; a failed write
    // keeps the dialog open.
    OpenBewaarDialoog(*this, [](frmVeldom02Form&, const QString& naam) {
        return !frmVeldom05_IsLoaded() || frmVeldom05().BewaarOnderNaam(naam);
    });
}

bool frmVeldom05Form::BewaarOnderNaam(const QString& naam) {
    const QVector<groep::Paar> paren = Paren();
    QString fout;
    // A group or match name travels into other files and the sibling
    // program: it is taken as it is or not at all.
    if (lstWedstrijd.ListIndex() < 0) {
        if (const QString bezwaar = OpslaanBezwaar(naam); !bezwaar.isEmpty()) {
            Meld(bezwaar, vbInformation);
            return false;
        }
        // A group file.
        if (BestandBestaat(groep::GroepPad(naam)) != -1 && !Vraag(46, naam + ".txt")) return true;
        if (!groep::SchrijfGroep(naam, paren, &fout)) {
            Meld(MetRegels(uitslag::SchrijfMelding(naam + ".txt", fout)), vbExclamation);
            return false;
        }
        NieuweNaam = naam;
        bewaard_ = true;
        return true;
    }
    // A match folder, named by the rule every window that names a match
    // applies.
    if (const uitslag::WedstrijdNaamFout f = uitslag::ToetsWedstrijdNaam(naam);
        f != uitslag::WedstrijdNaamFout::Geen) {
        Meld(uitslag::WedstrijdNaamMelding(f, naam), vbInformation);
        return false;
    }
    for (const groep::Paar& p : paren) {
        for (const QString& speler : {p.eerste.naam, p.tweede.naam}) {
            if (NaamBruikbaarInPaar(speler)) continue;
            Meld(MetRegels(TaalTekst(316)).replace('~', speler).replace('#', TaalTekst(310)), vbInformation);
            return false;
        }
    }
    // A match folder without any file of the match yet is new.
    const bool bestaat = !groep::EigenWedstrijdBestanden(naam).isEmpty();
    if (bestaat && !Vraag(46, naam)) return true;
    uitslag::LeesUitkomst onleesbaar;
    if (bestaat && !groep::HerbewarenVeilig(naam, onleesbaar)) {
        Meld(MetRegels(TaalTekst(314).replace('~', naam).replace('#', onleesbaar.bestand).replace(
                 '$', uitslag::LeesMelding(onleesbaar))),
             vbExclamation);
        return true;
    }
    if (bestaat && !groep::ParenBehoudenUitslagen(naam, paren)) {
        Meld(MetRegels(TaalTekst(313)).replace('~', naam), vbInformation);
        return true;
    }
    LeesIni("Standaard", "Spellen", IniBestand);
    const int spellen = IniWaarde.trimmed().toInt();
    int bestaandAantal = 0;
    const bool heeftAantal = bestaat && uitslag::LeesSpellenAantal(naam, bestaandAantal).Gelukt();
    if (!heeftAantal && (spellen < 1 || spellen > uitslag::kMaxSpellen)) {
        Meld(TaalTekst(367), vbExclamation);
        return false;
    }
    if (!groep::BewaarWedstrijd(naam, paren, spellen, &fout)) {
        Meld(MetRegels(uitslag::SchrijfMelding(naam, fout)), vbExclamation);
        return false;
    }
    NieuweNaam = naam;
    bewaard_ = true;
    return true;
}

// ---------------------------------------------------------------------------
// Opening a group or a match

void frmVeldom05Form::MeldParenLeesFout(const QString& bestand, const QString& fout, int slechteRegel) {
    Meld(groep::ParenLeesMelding(bestand, fout, slechteRegel), vbExclamation);
}

void frmVeldom05Form::lstGroepBestand_Click() {
    if (BezigMetLaden) return;  // the group's own item selected again below
    const int i = lstGroepBestand.ListIndex();
    if (i < 0 || i >= groepBestanden_.size()) return;
    const MapItem item = groepBestanden_[i];
    const QString naam = item.toon;
    QVector<groep::Paar> paren;
    QString fout;
    int slechteRegel = 0;
    if (!groep::LeesGroep(naam, paren, &fout, &slechteRegel)) {
        MeldParenLeesFout(item.naam, fout, slechteRegel);
        ZetFocus(*this, cmdFocus);
        return;
    }
    cmdWisWedstrijd.SetEnabled(false);
    lstWedstrijd.SetListIndex(-1);
    NieuweNaam = naam;
    cmdWisGroep.SetEnabled(true);
    ToonGeopendeParen(lstGroepBestand, i, paren);
    if (paren.size() >= groep::kMaxParen) msfgResultaat.SetEnabled(false);
    ZetWijzigDoel(1, naam, item.naam);
    msfgResultaat.SetVisible(true);
    ZetFocus(*this, cmdFocus);
}

void frmVeldom05Form::ToonGeopendeParen(ListBox& lijst, int index, const QVector<groep::Paar>& paren) {
    if (lstMaakGroep.ListCount() > 0 || !lblNaam[0].Caption().isEmpty()) {
        OpenNamenOpnieuw();
        // Opening the names file took the selection away: the opened item
        // is selected again without opening it a second time.
        if (lijst.ListIndex() != index) {
            BezigMetLaden = true;
            lijst.SetListIndex(index);
            BezigMetLaden = false;
        }
    }
    for (int k = 0; k < 2; ++k) {
        lblNaam[k].SetCaption("");
        lblSchaduwNaam[k].SetCaption("");
    }
    msfgResultaat.SetVisible(false);
    for (const groep::Paar& p : paren) {
        NeemUitGrid(p.eerste.naam);
        NeemUitGrid(p.tweede.naam);
    }
    NummerRijen(msfgResultaat);
    if (msfgResultaat.TextMatrix(1, 1).isEmpty()) msfgResultaat.SetTextMatrix(1, 0, "");
    ZetParen(paren);
}

void frmVeldom05Form::lstWedstrijd_Click() {
    if (BezigMetLaden) return;  // the match's own item selected again below
    const int i = lstWedstrijd.ListIndex();
    if (i < 0 || i >= wedstrijden_.size()) return;
    const QString naam = wedstrijden_[i].naam;
    lstGroepBestand.SetListIndex(-1);
    cmdWisGroep.SetEnabled(false);
    NieuweNaam = naam;
    cmdWisWedstrijd.SetEnabled(true);
    ZetWijzigDoel(2, naam, naam);
    const QString pad = uitslag::LeesPad(uitslag::WedstrijdBestand::Paren, naam);
    if (BestandBestaat(pad) != 1) {
        // A new match: the pairs composed so far can be saved into it.
        PasZitplaatsenAan();
        ZetFocus(*this, cmdFocus);
        return;
    }
    // Stored pairs that cannot be read whole are not shown in part: saved,
    // the pairs after a missing one would take its number and results.
    QVector<groep::Paar> paren;
    QString fout;
    int slechteRegel = 0;
    if (!groep::LeesWedstrijdParen(naam, paren, &fout, &slechteRegel)) {
        MeldParenLeesFout(QFileInfo(pad).fileName(), fout, slechteRegel);
        lstWedstrijd.SetListIndex(-1);
        cmdWisWedstrijd.SetEnabled(false);
        ZetFocus(*this, cmdFocus);
        return;
    }
    ToonGeopendeParen(lstWedstrijd, i, paren);
    msfgResultaat.SetVisible(true);
    ZetFocus(*this, cmdFocus);
}

// ---------------------------------------------------------------------------
// Rename

void frmVeldom05Form::ZetWijzigDoel(int soort, const QString& naam, const QString& bestand) {
    lblWijzig.SetTag(QString::number(soort));
    cmdOK.SetTag(naam);
    wijzigBestand_ = bestand;
    txtWijzig.SetText(naam);
    txtWijzig.SetTag(soort == 0 ? NamenMap : soort == 1 ? GroepenMap : ResultatenMap);
    txtWijzig.SetEnabled(true);
    cmdOK.SetEnabled(true);
}

void frmVeldom05Form::txtWijzig_KeyPress(int& KeyAscii) {
    if (KeyAscii == vbKeyReturn) {
        KeyAscii = 0;
        cmdOK_Click();
        return;
    }
    if (bewaarnaam::TikWeigeren(QChar(KeyAscii), TaalTekst(85))) {
        KeyAscii = 0;
        Meld(bewaarnaam::WeigerMelding(TaalTekst(85)), vbInformation);
    }
}

void frmVeldom05Form::cmdOK_Click() {
    const QString soort = lblWijzig.Tag();
    const QString oud = cmdOK.Tag();
    QString nieuw = txtWijzig.Text();
    if (soort.isEmpty() || oud.isEmpty()) return;
    if (nieuw.trimmed() == oud) {
        txtWijzig.SetText(oud);
        ZetFocus(*this, cmdFocus);
        return;
    }
    // A names file or group is stored in the files' code page; a match
    // name is checked whole by the rename.
    if (const QString bezwaar = soort == "2" ? QString() : OpslaanBezwaar(nieuw); !bezwaar.isEmpty()) {
        Meld(bezwaar, vbInformation);
        ZetFocus(*this, txtWijzig);
        return;
    }
    QString fout;
    groep::NaamFout f;
    if (soort == "2")
        f = groep::HernoemWedstrijd(oud, nieuw, TaalTekst(85), &fout);
    else
        f = groep::HernoemBestand(programPath(soort == "0" ? NamenMap : GroepenMap), wijzigBestand_, nieuw,
                                  TaalTekst(85), &fout);
    switch (f) {
    case groep::NaamFout::Geen: break;
    case groep::NaamFout::BordNaam:
    case groep::NaamFout::TeLang:
    case groep::NaamFout::Tekens:
        Meld(uitslag::WedstrijdNaamMelding(uitslag::ToetsWedstrijdNaam(nieuw), nieuw), vbInformation);
        ZetFocus(*this, txtWijzig);
        return;
    case groep::NaamFout::Ongeldig:
        Meld(bewaarnaam::WeigerMelding(TaalTekst(85)), vbInformation);
        ZetFocus(*this, txtWijzig);
        return;
    case groep::NaamFout::Bestaat:
        Meld(TaalTekst(365).replace('~', nieuw), vbInformation);
        ZetFocus(*this, txtWijzig);
        return;
    case groep::NaamFout::Mislukt:
        Meld(MetRegels(TaalTekst(366)).replace('~', oud).replace('#', fout), vbExclamation);
        txtWijzig.SetText(oud);
        ZetFocus(*this, cmdFocus);
        return;
    }
    const QString oudBestand = wijzigBestand_;
    if (soort != "2") wijzigBestand_ = nieuw + wijzigBestand_.mid(oud.size());
    cmdOK.SetTag(nieuw);
    txtWijzig.SetText(nieuw);
    if (soort == "0") {
        if (namenBestand_ == oudBestand) namenBestand_ = wijzigBestand_;
        VulNamenBestanden();
    } else if (soort == "1") {
        VulGroepBestanden();
    } else {
        if (NieuweNaam == oud) NieuweNaam = nieuw;
        VulWedstrijden();
    }
    ZetFocus(*this, cmdFocus);
}

// ---------------------------------------------------------------------------
// Delete

bool frmVeldom05Form::WisBestand(const QString& pad, const QString& naam) {
    const QString melding = WisLijstBestand(pad, naam);
    if (melding.isEmpty()) return true;
    Meld(melding, vbExclamation);
    ZetFocus(*this, cmdFocus);
    return false;
}

void frmVeldom05Form::cmdWisNamen_Click() {
    ZetFocus(*this, cmdFocus);
    const int i = lstNamenBestand.ListIndex();
    if (i < 0 || i >= namenBestanden_.size()) return;
    const MapItem item = namenBestanden_[i];
    if (!Vraag(47, item.naam)) return;
    if (!WisBestand(programPath(NamenMap + "/" + item.naam), item.naam)) return;
    VulNamenBestanden();
    if (namenBestand_ == item.naam) {
        namenBestand_.clear();
        lstNamenBestand.SetTag("");
    }
    lstGroepBestand.SetListIndex(-1);
    cmdWisGroep.SetEnabled(false);
    fraGroepBestand.SetEnabled(false);
    for (int k = 0; k < 2; ++k) {
        lblNaam[k].SetCaption("");
        lblSchaduwNaam[k].SetCaption("");
    }
    MaakParenLeeg();
    MaakGridLeeg();
    PasKolomBreedteAan(msfgResultaat);
    msfgResultaat.SetVisible(true);
    if (lblWijzig.Tag() == "0" && cmdOK.Tag() + ".txt" == item.naam) {
        cmdOK.SetTag("");
        txtWijzig.SetText("");
        txtWijzig.SetEnabled(false);
        cmdOK.SetEnabled(false);
    }
    ZetFocus(*this, cmdFocus);
}

void frmVeldom05Form::cmdWisGroep_Click() {
    ZetFocus(*this, cmdFocus);
    const int i = lstGroepBestand.ListIndex();
    if (i < 0 || i >= groepBestanden_.size()) return;
    const MapItem item = groepBestanden_[i];
    if (!Vraag(47, item.naam)) return;
    if (!WisBestand(programPath(GroepenMap + "/" + item.naam), item.naam)) return;
    cmdWisGroep.SetEnabled(false);
    VulGroepBestanden();
    for (int k = 0; k < 2; ++k) {
        lblNaam[k].SetCaption("");
        lblSchaduwNaam[k].SetCaption("");
    }
    OpenNamenOpnieuw();
    MaakParenLeeg();
    if (lblWijzig.Tag() == "1" && cmdOK.Tag() == item.toon) {
        cmdOK.SetTag("");
        txtWijzig.SetText("");
        txtWijzig.SetEnabled(false);
        cmdOK.SetEnabled(false);
    }
    ZetFocus(*this, cmdFocus);
}

void frmVeldom05Form::cmdWisWedstrijd_Click() {
    ZetFocus(*this, cmdFocus);
    const int i = lstWedstrijd.ListIndex();
    if (i < 0 || i >= wedstrijden_.size()) return;
    const QString naam = wedstrijden_[i].naam;
    if (!Vraag(153, naam)) return;
    cmdWisWedstrijd.SetEnabled(false);
    if (!groep::WisWedstrijd(naam)) Meld(TaalTekst(369).replace('~', naam), vbExclamation);
    VulWedstrijden();
    lstWedstrijd.SetListIndex(-1);
    OpenNamenOpnieuw();
    MaakParenLeeg();
    if (lblWijzig.Tag() == "2" && cmdOK.Tag() == naam) {
        cmdOK.SetTag("");
        txtWijzig.SetText("");
        txtWijzig.SetEnabled(false);
        cmdOK.SetEnabled(false);
    }
    ZetFocus(*this, cmdFocus);
}
