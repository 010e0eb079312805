#include "players/frmVeldom04.h"

#include <QFile>

#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "platform/TextFile.h"
#include "players/NamenRegels.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"
#include "shared/Rooster.h"

using namespace platform;

DEFINE_FORM(frmVeldom04, frmVeldom04Form)

namespace {
// Design layout, twips.
constexpr int Marge = 120;
constexpr int KnopBreedte = 1400;
constexpr int KnopHoogte = 375;
constexpr int RegelHoogte = 315;
constexpr int NamenBreedte = 5760;
constexpr int NamenHoogte = 6000;
constexpr int LijstBreedte = 3720;
constexpr int GridHoogte = 3540;
constexpr int MeldingHoogte = 900;  // four lines of the notice

const QString NamenMap = QStringLiteral("namen");

// The sibling program's names folder, whatever the case of its name
// ("namen", "Namen"): its folder lies outside the program folder, where
// paths are not matched without regard to case by themselves.
QString CvnNamenMap() { return resolveBelow(normalizeSeparators(CvnMap), QStringLiteral("namen")); }

// Field `i` of a "|"-separated text.
QString Deel(const QString& tekst, int i) { return tekst.section(QLatin1Char('|'), i, i); }

// The characters an edit box refuses, as the message lists them: the
// refused characters of text 85 without "." (and, for the address, "@").
QString GeweigerdVoor(int Index) {
    QString lijst = Deel(TaalTekst(85), 3);
    lijst.remove(QLatin1Char('.'));
    if (Index == 1) lijst.remove(QLatin1Char('@'));
    return lijst;
}

// The Dutch captions of the import sort box carry their access key on the
// "a" of "laag".
QString SorteerKop(int Index, bool aflopend) {
    const QString kop = TaalTekst(aflopend ? 118 : 117);
    // The second box on another letter than the first.
    if (Index == 1)
        return platform::WithAccessKey(kop, TaalNummer == 11 ? QStringLiteral("lo") : QStringLiteral("la"), 1);
    return kop;
}
}  // namespace

frmVeldom04Form::frmVeldom04Form() : Form("frmVeldom04") {
    SetKeyPreview(true);
    SetBorderStyle(vbSizable);
    msfgResultaat.OnClick([this] { msfgResultaat_Click(); });
    txtNaam.OnChange([this](int Index) { txtNaam_Change(Index); });
    txtNaam.OnKeyPress([this](int Index, int& KeyAscii) { txtNaam_KeyPress(Index, KeyAscii); });
    cmdToevoegen.OnClick([this] { cmdToevoegen_Click(); });
    cmdPlaatsTerug.OnClick([this] { cmdPlaatsTerug_Click(); });
    cmdHerstel.OnClick([this] { cmdHerstel_Click(); });
    cmdWisNaam.OnClick([this] { cmdWisNaam_Click(); });
    cmdOpslaan.OnClick([this] { cmdOpslaan_Click(); });
    lstNamenBestand.OnClick([this] { lstNamenBestand_Click(); });
    chkSorteer0.OnClick([this] { chkSorteer_Click(0); });
    chkSorteer1.OnClick([this] { chkSorteer_Click(1); });
    cmdWisNamenBestand.OnClick([this] { cmdWisNamenBestand_Click(); });
    lstImporteerNamen.OnClick([this] { lstImporteerNamen_Click(); });
    lstImporteerNamen.OnDblClick([this] { cmdOKImporTeer_Click(); });
    cmdOKImporTeer.OnClick([this] { cmdOKImporTeer_Click(); });
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
}

// ---------------------------------------------------------------------------
// Opening, activation, closing

void frmVeldom04Form::Form_Load() {
    // Caption; the window's size follows from the layout below.
    SetCaption(TaalTekst(48));

    // Captions.
    const bool nl = TaalNummer != 11;
    cmdTerug.SetCaption("&" + TaalTekst(42));
    fraNamenBestand.SetCaption(TaalTekst(51));
    cmdOKImporTeer.SetCaption("&" + TaalTekst(52));
    cmdWisNamenBestand.SetCaption("&" + TaalTekst(37));
    cmdOpslaan.SetCaption(nl ? platform::WithAccessKey(TaalTekst(25), QLatin1Char('p')) : TaalTekst(25));
    fraNamen.SetCaption(TaalTekst(48));
    cmdToevoegen.SetCaption(nl ? platform::WithAccessKey(TaalTekst(57), QLatin1Char('v')) : "&" + TaalTekst(57));
    cmdWisNaam.SetCaption(platform::WithAccessKey(TaalTekst(58), nl ? QLatin1Char('s') : QLatin1Char('l')));

    // The grid: number, name, address under one fixed header row.
    msfgResultaat.SetFixedCols(0);
    msfgResultaat.SetCols(3);
    msfgResultaat.SetRows(2);
    msfgResultaat.SetFixedRows(1);
    ZetKopRegel();
    PasKolomBreedteAan(msfgResultaat);
    msfgResultaat.SetVisible(true);

    // Labels and layout.
    lblNaam.SetAutoSize(true);
    lblMail.SetAutoSize(true);
    lblNaam.SetCaption(TaalTekst(56) + ":");
    lblMail.SetCaption(TaalTekst(55) + ":");
    fraNamen.Move(Marge, Marge, NamenBreedte, NamenHoogte);
    msfgResultaat.Move(Marge, 300, NamenBreedte - 2 * Marge, GridHoogte);
    const int naamTop = msfgResultaat.Top() + msfgResultaat.Height() + 150;
    const int mailTop = naamTop + RegelHoogte + 90;
    const int labelBreedte = std::max(lblNaam.Width(), lblMail.Width());
    lblNaam.Move(Marge, naamTop + (RegelHoogte - lblNaam.Height()) / 2);
    lblMail.Move(Marge, mailTop + (RegelHoogte - lblMail.Height()) / 2);
    const int boxLinks = Marge + labelBreedte + 30;
    const int boxBreedte = NamenBreedte - Marge - boxLinks;
    txtNaam[0].Move(boxLinks, naamTop, boxBreedte, RegelHoogte);
    txtNaam[1].Move(boxLinks, mailTop, boxBreedte, RegelHoogte);
    const int meldingTop = mailTop + RegelHoogte + 60;
    lblMelding.SetWordWrap(true);
    lblMelding.SetForeColor(vbRed);
    lblMelding.Move(Marge, meldingTop, NamenBreedte - 2 * Marge, MeldingHoogte);
    lblMelding.SetCaption("");
    const int knopTop1 = meldingTop + MeldingHoogte + 60;
    const int knopTop2 = knopTop1 + KnopHoogte + 90;
    const int knopStap = (NamenBreedte - 2 * Marge - KnopBreedte) / 2;
    cmdToevoegen.Move(Marge, knopTop1, KnopBreedte, KnopHoogte);
    cmdPlaatsTerug.Move(Marge + knopStap, knopTop1, KnopBreedte, KnopHoogte);
    cmdHerstel.Move(Marge + 2 * knopStap, knopTop1, KnopBreedte, KnopHoogte);
    cmdOpslaan.Move(cmdToevoegen.Left(), knopTop2, KnopBreedte, KnopHoogte);
    cmdWisNaam.Move(Marge + knopStap, knopTop2, KnopBreedte, KnopHoogte);
    fraNamen.SetHeight(knopTop2 + KnopHoogte + Marge);

    const int lijstLinks = fraNamen.Left() + fraNamen.Width() + Marge;
    const int frameHoogte = (fraNamen.Height() - Marge) / 2;
    const int lijstHoogte = frameHoogte - 300 - KnopHoogte - 3 * Marge;
    fraNamenBestand.Move(lijstLinks, Marge, LijstBreedte, frameHoogte);
    fraNamenUitCVN.Move(lijstLinks, Marge + frameHoogte + Marge, LijstBreedte, frameHoogte);
    for (auto [lst, chk, knop] : {std::tuple{&lstNamenBestand, &chkSorteer0, &cmdWisNamenBestand},
                                  std::tuple{&lstImporteerNamen, &chkSorteer1, &cmdOKImporTeer}}) {
        lst->Move(Marge, 300, LijstBreedte - 2 * Marge, lijstHoogte);
        const int onder = lst->Top() + lst->Height() + Marge;
        knop->Move(LijstBreedte - Marge - 1215, onder, 1215, KnopHoogte);
        chk->Move(Marge, onder + (KnopHoogte - RegelHoogte) / 2, knop->Left() - 2 * Marge, RegelHoogte);
    }
    const int binnenBreedte = lijstLinks + LijstBreedte + Marge;
    cmdTerug.Move(binnenBreedte - Marge - 1215, fraNamen.Top() + fraNamen.Height() + Marge, 1215, KnopHoogte);
    const int binnenHoogte = cmdTerug.Top() + cmdTerug.Height() + Marge;
    Move(0, 0, binnenBreedte + (Width() - ScaleWidth()), binnenHoogte + (Height() - ScaleHeight()));
    Centreer();
    cmdFocus.Move(Screen().Width() + 10, 0, 100, 100);

    // The sibling results program: only its folder is read.
    if (CvnMap.isEmpty()) {
        fraNamenUitCVN.SetEnabled(false);
    } else {
        fraNamenUitCVN.SetCaption(CvnSerie);
        SchrijfIni("Mappen", "CVN map", CvnMap, IniBestand);
        VulImportLijst();
    }

    // Captions of the remaining buttons and the sort boxes.
    cmdPlaatsTerug.SetCaption(TaalTekst(115));
    cmdHerstel.SetCaption(nl ? platform::WithAccessKey(TaalTekst(116), QLatin1Char('e')) : TaalTekst(116));
    chkSorteer0.SetCaption(SorteerKop(0, false));
    chkSorteer1.SetCaption(SorteerKop(1, false));

    for (CommandButton* b : {&cmdToevoegen, &cmdWisNaam, &cmdHerstel, &cmdPlaatsTerug, &cmdOpslaan,
                             &cmdOKImporTeer, &cmdWisNamenBestand})
        b->SetEnabled(false);

    // The stored order of the two lists (a stored 1 runs the box's click).
    LeesSorteer(*this, chkSorteer0, "0");
    LeesSorteer(*this, chkSorteer1, "1");

    // The design geometry for scaling, after every move above.
    BewaarPosities(*this);
}

void frmVeldom04Form::Form_Activate() {
    AanroepScherm = 1;
    HerstelScherm(*this);
    VulNamenBestanden();
    ZetFocus(*this, cmdFocus);
}

void frmVeldom04Form::Centreer() {
    Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
}

void frmVeldom04Form::Form_Resize() {
    if (WindowState() != vbNormal) return;
    Centreer();
    SchaalScherm(*this);
}

void frmVeldom04Form::Form_KeyUp(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode == vbKeyEscape) cmdTerug_Click();
}

void frmVeldom04Form::cmdTerug_Click() { Unload(*this); }

void frmVeldom04Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)UnloadMode;
    if (!MagGridVervangen(true)) {
        Cancel = 1;
        return;
    }
    BewaarSchermGrootte(*this);
}

bool frmVeldom04Form::MagGridVervangen(bool ookVakken) {
    // A player taken out into the edit boxes is in no file until it is
    // placed back, whether or not the grid was saved since.
    const bool inVakken =
        ookVakken && (!txtNaam[0].Text().trimmed().isEmpty() || !txtNaam[1].Text().trimmed().isEmpty());
    if (!gewijzigd_ && !inVakken) return true;
    const QString vraag = MetRegels(TaalTekst(300));
    if (MsgBox(vraag, vbYesNo | vbQuestion | vbDefaultButton2, Caption()) != vbYes) return false;
    gewijzigd_ = false;
    return true;
}

// ---------------------------------------------------------------------------
// The lists of files

void frmVeldom04Form::VulNamenBestanden() {
    QString map = programPath(NamenMap);
    MaakMappen(map);
    namenBestanden_ = VulMapLijst(lstNamenBestand, map, QStringLiteral(".txt"), SorteerAflopend(chkSorteer0.Value()));
    fraNamenBestand.SetCaption(LijstKop(TaalTekst(51), lstNamenBestand.ListCount()));
    // Nothing is selected in the new list: nothing to delete.
    cmdWisNamenBestand.SetEnabled(false);
}

void frmVeldom04Form::VulImportLijst() {
    lstImporteerNamen.Clear();
    importBestanden_.clear();
    cmdOKImporTeer.SetEnabled(false);
    if (CvnMap.isEmpty()) return;
    importBestanden_ =
        VulMapLijst(lstImporteerNamen, CvnNamenMap(), QStringLiteral(".abs"), SorteerAflopend(chkSorteer1.Value()));
    fraNamenUitCVN.SetCaption(LijstKop(CvnSerie, lstImporteerNamen.ListCount()));
}

void frmVeldom04Form::chkSorteer_Click(int Index) {
    ZetFocus(*this, cmdFocus);
    const bool aflopend = SorteerAflopend(chkSorteer(Index).Value());
    if (Index == 0)
        VulNamenBestanden();
    else
        VulImportLijst();
    chkSorteer(Index).SetCaption(SorteerKop(Index, aflopend));
    BewaarSorteer(*this, chkSorteer(Index), QString::number(Index));
}

void frmVeldom04Form::lstNamenBestand_Click() {
    const int i = lstNamenBestand.ListIndex();
    if (i < 0 || i >= namenBestanden_.size()) {
        cmdWisNamenBestand.SetEnabled(false);
        return;
    }
    cmdWisNamenBestand.SetEnabled(true);
    const MapItem item = namenBestanden_[i];
    const QString pad = programPath(NamenMap + "/" + item.naam);
    QStringList regels;
    QString fout;
    const FileFault staat = inspectFile(pad, NamenBestandMax);
    if (staat == FileFault::Missing) {  // gone since the list was filled
        VulNamenBestanden();
        ZetFocus(*this, cmdFocus);
        return;
    }
    if (staat != FileFault::None || !readTextLines(pad, regels, &fout, NamenBestandMax)) {
        QString melding = TaalTekst(301);
        MsgBox(melding.replace(QLatin1Char('~'), item.naam), vbOKOnly | vbExclamation, Caption());
        ZetFocus(*this, cmdFocus);
        return;
    }
    // Loading leaves the edit boxes as they are.
    if (!MagGridVervangen(false)) return;

    const QVector<NaamRegel> rijen = LeesNamenRegels(regels);
    msfgResultaat.SetVisible(false);
    msfgResultaat.SetRows(1);
    msfgResultaat.SetRows(1 + int(rijen.size()));
    for (int r = 0; r < rijen.size(); ++r) {
        msfgResultaat.SetTextMatrix(r + 1, 0, rijen[r].nummer);
        msfgResultaat.SetTextMatrix(r + 1, 1, rijen[r].naam);
        msfgResultaat.SetTextMatrix(r + 1, 2, rijen[r].adres);
        msfgResultaat.SetRow(r + 1);
        msfgResultaat.SetCol(0);
        msfgResultaat.SetCellAlignment(flexAlignCenterCenter);
    }
    PasKolomBreedteAan(msfgResultaat);
    msfgResultaat.SetVisible(true);
    ToonAantal();
    PasOpslaanAan();
    gewijzigd_ = false;
    ZetFocus(*this, cmdFocus);
}

void frmVeldom04Form::cmdWisNamenBestand_Click() {
    ZetFocus(*this, cmdFocus);
    const int i = lstNamenBestand.ListIndex();
    if (i < 0 || i >= namenBestanden_.size()) {
        cmdWisNamenBestand.SetEnabled(false);
        return;
    }
    const QString naam = namenBestanden_[i].naam;
    const QString vraag = MetRegels(TaalTekst(47)).replace(QLatin1Char('~'), naam);
    if (MsgBox(vraag, vbYesNo | vbQuestion, Caption()) != vbYes) return;
    if (const QString melding = WisLijstBestand(programPath(NamenMap + "/" + naam), naam); !melding.isEmpty()) {
        MsgBox(melding, vbOKOnly | vbExclamation, Caption());
        ZetFocus(*this, cmdFocus);
        return;
    }
    VulNamenBestanden();
    // The grid showed the file now deleted, unless it holds unsaved work,
    // which stays. Emptied, it is as at opening: no count, nothing to save.
    if (!gewijzigd_) {
        MaakGridLeeg();
        PasKolomBreedteAan(msfgResultaat);
        msfgResultaat.SetVisible(true);
        fraNamen.SetCaption(TaalTekst(48));
        PasOpslaanAan();
    }
    ZetFocus(*this, cmdFocus);
}

void frmVeldom04Form::lstImporteerNamen_Click() {
    // The edit boxes are emptied by the import itself, after its question:
    // a row taken out into them is not lost by merely choosing a file.
    if (lstImporteerNamen.ListIndex() < 0) return;
    cmdOKImporTeer.SetEnabled(true);
}

void frmVeldom04Form::cmdOKImporTeer_Click() {
    const int i = lstImporteerNamen.ListIndex();
    if (CvnMap.isEmpty() || i < 0 || i >= importBestanden_.size()) return;
    const QString pad = CvnNamenMap() + "/" + importBestanden_[i].naam;
    QStringList regels;
    if (BestandBestaat(pad) != 1) {
        ZetFocus(*this, cmdFocus);
        return;
    }
    if (!readTextLines(pad, regels, nullptr, NamenBestandMax)) {
        QString melding = TaalTekst(301);
        MsgBox(melding.replace(QLatin1Char('~'), importBestanden_[i].naam), vbOKOnly | vbExclamation, Caption());
        ZetFocus(*this, cmdFocus);
        return;
    }
    // The import empties the edit boxes too.
    if (!MagGridVervangen(true)) return;

    cmdOKImporTeer.SetEnabled(false);
    msfgResultaat.SetVisible(false);
    txtNaam[0].SetText("");
    txtNaam[1].SetText("");
    const AbsImport import = LeesAbsImport(regels);
    const QVector<NaamRegel>& spelers = import.spelers;
    msfgResultaat.SetRows(1);
    msfgResultaat.SetRows(1 + int(spelers.size()));
    for (int r = 0; r < spelers.size(); ++r) {
        msfgResultaat.SetTextMatrix(r + 1, 1, spelers[r].naam);
        msfgResultaat.SetTextMatrix(r + 1, 2, spelers[r].adres);
    }
    msfgResultaat.SortRows(1, NaamVoor);
    NummerRijen(msfgResultaat);
    PasKolomBreedteAan(msfgResultaat);
    VerwijderLegeEindRijen();
    msfgResultaat.SetVisible(true);
    ToonAantal();
    PasOpslaanAan();
    gewijzigd_ = !spelers.isEmpty();
    ZetFocus(*this, cmdFocus);
    // What was left out or changed is named, with the reason.
    if (const QString verslag = AbsImportVerslag(import, importBestanden_[i].naam); !verslag.isEmpty())
        MsgBox(verslag, vbOKOnly | vbInformation, Caption());
}

// ---------------------------------------------------------------------------
// The grid

void frmVeldom04Form::ZetKopRegel() {
    msfgResultaat.SetTextMatrix(0, 0, TaalTekst(53));
    msfgResultaat.SetTextMatrix(0, 1, TaalTekst(54));
    msfgResultaat.SetTextMatrix(0, 2, TaalTekst(55));
    msfgResultaat.SetRow(0);
    msfgResultaat.SetCol(0);
    msfgResultaat.SetCellAlignment(flexAlignCenterCenter);
    msfgResultaat.SetCol(1);
    msfgResultaat.SetCellAlignment(flexAlignLeftCenter);
    msfgResultaat.SetCol(2);
    msfgResultaat.SetCellAlignment(flexAlignLeftCenter);
}

void frmVeldom04Form::MaakGridLeeg() {
    msfgResultaat.SetVisible(false);
    msfgResultaat.SetRows(1);
    msfgResultaat.SetRows(2);
}

void frmVeldom04Form::ToonAantal() {
    fraNamen.SetCaption(TaalTekst(48) + " (" + QString::number(msfgResultaat.Rows() - 1) + ")");
}

void frmVeldom04Form::PasOpslaanAan() {
    cmdOpslaan.SetEnabled(msfgResultaat.Rows() > 1 && !msfgResultaat.TextMatrix(1, 0).isEmpty());
}

void frmVeldom04Form::VerwijderLegeEindRijen() {
    while (msfgResultaat.Rows() > 1 &&
           msfgResultaat.TextMatrix(msfgResultaat.Rows() - 1, 1).trimmed().isEmpty())
        msfgResultaat.SetRows(msfgResultaat.Rows() - 1);
}

void frmVeldom04Form::msfgResultaat_Click() {
    const int r = msfgResultaat.Row();
    // Only a numbered data row holds a player (the header never does).
    if (r < msfgResultaat.FixedRows() || Val(msfgResultaat.TextMatrix(r, 0)) == 0) {
        ZetFocus(*this, cmdFocus);
        return;
    }
    if (!txtNaam[0].Text().isEmpty()) {
        ZetFocus(*this, cmdFocus);
        return;
    }
    if (!txtNaam[1].Text().isEmpty()) return;

    msfgResultaat.SetVisible(false);
    const QString naam = msfgResultaat.TextMatrix(r, 1);
    const QString mail = msfgResultaat.TextMatrix(r, 2);
    txtNaam[0].SetText(naam);
    txtNaam[1].SetText(mail);
    BewaardeNaam = txtNaam[0].Text();
    BewaardeMail = txtNaam[1].Text();
    cmdPlaatsTerug.SetEnabled(true);

    msfgResultaat.RemoveRow(r);
    NummerRijen(msfgResultaat);
    VerwijderLegeEindRijen();
    msfgResultaat.SetVisible(true);
    ToonAantal();
    // What is left can be saved (an empty list cannot).
    PasOpslaanAan();
    gewijzigd_ = true;

    TextBox& doel = txtNaam[0].Text().isEmpty() ? txtNaam[0] : txtNaam[1];
    ZetFocus(*this, doel);
    CaretNaarEind(doel);
    DoEvents();
}

// ---------------------------------------------------------------------------
// The edit boxes and their buttons

void frmVeldom04Form::CaretNaarEind(TextBox& box) {
    box.SetSelStart(int(box.Text().size()));
    box.SetSelLength(0);
}

void frmVeldom04Form::cmdToevoegen_Click() {
    // Tidied again, whatever way the text came in.
    txtNaam[0].SetText(SchoonInvoer(txtNaam[0].Text()));
    txtNaam[1].SetText(SchoonInvoer(txtNaam[1].Text()));
    const QString naam = txtNaam[0].Text().trimmed();
    const QString adres = txtNaam[1].Text().trimmed();
    if (naam.isEmpty()) return;
    // Nothing goes into the grid that the names file would store changed
    // or that would break a pair line: the user is told why under the
    // boxes, the characters stay marked, and the focus goes to the box at
    // the end of its text. No message box: keys typed on after Add would
    // go to it and be lost; now they land visibly in the box.
    for (int k = 0; k < 2; ++k) {
        const QString bezwaar = InvoerBezwaar(k == 0 ? naam : adres, k == 0);
        if (bezwaar.isEmpty()) continue;
        ToonMelding(bezwaar, false);
        txtNaam[k].SetMarks(BezwaarDelen(txtNaam[k].Text(), k == 0));
        ZetFocus(*this, txtNaam[k]);
        CaretNaarEind(txtNaam[k]);
        return;
    }
    if (!AdresGoed(adres)) {
        MsgBox(TaalTekst(59), vbOKOnly | vbInformation, Caption());
        ZetFocus(*this, txtNaam[1]);
        CaretNaarEind(txtNaam[1]);
        DoEvents();
        return;
    }
    msfgResultaat.SetVisible(false);
    const int r = msfgResultaat.Rows();
    msfgResultaat.SetRows(r + 1);
    msfgResultaat.SetTextMatrix(r, 1, naam);
    msfgResultaat.SetTextMatrix(r, 2, adres);
    msfgResultaat.SortRows(1, NaamVoor);
    NummerRijen(msfgResultaat);
    PasKolomBreedteAan(msfgResultaat);
    VerwijderLegeEindRijen();
    msfgResultaat.SetVisible(true);
    ToonAantal();
    gewijzigd_ = true;
    txtNaam[0].SetText("");
    txtNaam[1].SetText("");
    ToonMelding(QString(), false);
    ZetFocus(*this, txtNaam[0]);
    PasOpslaanAan();
}

void frmVeldom04Form::cmdPlaatsTerug_Click() {
    cmdToevoegen_Click();
    cmdPlaatsTerug.SetEnabled(false);
    cmdHerstel.SetEnabled(false);
    cmdWisNaam.SetEnabled(false);
    ZetFocus(*this, txtNaam[0]);
}

void frmVeldom04Form::cmdHerstel_Click() {
    txtNaam[0].SetText(BewaardeNaam);
    txtNaam[1].SetText(BewaardeMail);
    cmdPlaatsTerug.SetEnabled(true);
    TextBox& doel = txtNaam[1].Text().isEmpty() ? txtNaam[1] : txtNaam[0];
    ZetFocus(*this, doel);
    CaretNaarEind(doel);
    DoEvents();
}

void frmVeldom04Form::cmdWisNaam_Click() {
    txtNaam[0].SetText("");
    txtNaam[1].SetText("");
    ToonMelding(QString(), false);
    ZetFocus(*this, txtNaam[0]);
}

void frmVeldom04Form::ToonMelding(const QString& tekst, bool vanToets) {
    lblMelding.SetCaption(QString(tekst).replace(QStringLiteral("\n\n"), QStringLiteral(" ")).replace('\n', ' '));
    meldingVanToets_ = vanToets && !tekst.isEmpty();
}

void frmVeldom04Form::txtNaam_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii < 32) return;  // control keys (backspace, Enter) are no characters
    const QChar teken(KeyAscii);
    QString melding;
    if (teken == QLatin1Char('|') || GeweigerdVoor(Index).contains(teken))
        melding = Deel(TaalTekst(85), 1) + "\n\n" + GeweigerdVoor(Index);
    // A letter the names file cannot hold is kept as typed: the change rule
    // marks it and says why, and Add refuses it until it is changed.
    if (melding.isEmpty()) return;
    // The key is dropped and the reason shown beside the box. No message
    // box: it would take the keys typed after this one, and the key that
    // closed it would let the rest run on into the next player's record.
    KeyAscii = 0;
    ToonMelding(melding, true);
}

void frmVeldom04Form::txtNaam_Change(int Index) {
    const bool beide = !txtNaam[0].Text().trimmed().isEmpty() && !txtNaam[1].Text().trimmed().isEmpty();
    for (CommandButton* b : {&cmdWisNaam, &cmdHerstel}) b->SetEnabled(beide);
    // Add (and Place back, which adds) is offered only while it can add:
    // not while a box holds characters the names file cannot store.
    const bool bewaarbaar = InvoerBezwaar(txtNaam[0].Text(), true).isEmpty() &&
                            InvoerBezwaar(txtNaam[1].Text(), false).isEmpty();
    for (CommandButton* b : {&cmdToevoegen, &cmdPlaatsTerug}) b->SetEnabled(beide && bewaarbaar);
    TextBox& box = txtNaam[Index];
    const QString schoon = SchoonInvoer(box.Text());
    if (schoon != box.Text()) {
        box.SetText(schoon);  // runs this rule again on the clean text
        ZetFocus(*this, box);
        CaretNaarEind(box);
        return;
    }
    // What was typed or pasted that cannot be stored is marked and named at
    // once; the text stays as it is for the user to mend (Add refuses it
    // meanwhile).
    box.SetMarks(BezwaarDelen(box.Text(), Index == 0));
    QString melding = InvoerBezwaar(txtNaam[0].Text(), true);
    if (melding.isEmpty()) melding = InvoerBezwaar(txtNaam[1].Text(), false);
    if (!melding.isEmpty())
        ToonMelding(melding, false);
    else if (!meldingVanToets_)
        ToonMelding(QString(), false);
}

void frmVeldom04Form::cmdOpslaan_Click() {
    ZetFocus(*this, cmdFocus);
    AanroepScherm = 4;
    OpenBewaarDialoog(*this, [](frmVeldom02Form& dialoog, const QString& naam) {
        if (!frmVeldom04_IsLoaded())
            return true;  // no names editor: nothing to save
        // One line per data row: the cells of every column joined by "|".
        const platform::Grid& grid = frmVeldom04().msfgResultaat;
        QStringList regels;
        for (int r = 1; r < grid.Rows(); ++r) {
            QStringList cellen;
            for (int c = 0; c < grid.Cols(); ++c) cellen << grid.TextMatrix(r, c);
            regels << cellen.join(QLatin1Char('|'));
        }
        if (!dialoog.BewaarInMap(QStringLiteral("namen"), naam, regels)) return false;
        frmVeldom04().GridOpgeslagen();
        return true;
    });
}
