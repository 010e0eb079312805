#include "lessons/frmVeldom15.h"

#include <QFile>
#include <QFileInfo>

#include "deal/GeverKwetsbaar.h"
#include "deal/SpelBestand.h"
#include "deal/SpelRecord.h"
#include "deal/Spinner.h"
#include "deal/SpinnerRegels.h"
#include "deal/TienVakje.h"
#include "lessons/LesBestand.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "saveas/BewaarBestand.h"
#include "saveas/BewaarNaam.h"
#include "shared/BasVeldom.h"

using namespace platform;

DEFINE_FORM(frmVeldom15, frmVeldom15Form)

namespace {
// The board handed over by the window opening this one, while it opens it.
const GetoondBord*& OvergedragenBord() {
    static const GetoondBord* bord = nullptr;
    return bord;
}
}  // namespace

void OpenLessen(platform::Form& opener, const GetoondBord& bord) {
    OvergedragenBord() = &bord;
    opener.ShowOwned(frmVeldom15);
    OvergedragenBord() = nullptr;
}

namespace {

// Design layout, twips.
constexpr int KolomLinks = 120;
constexpr int KolomBreedte = 3300;
constexpr int SpelLinks = 3540;     // the deal to place
constexpr int SpelBreedte = 6900;
constexpr int SpelHoogte = 4950;
constexpr int VoorbeeldLinks = 10560;
constexpr int VoorbeeldBreedte = 4560;
constexpr int BinnenBreedte = VoorbeeldLinks + VoorbeeldBreedte + 120;
constexpr int BinnenHoogte = 7440;

constexpr qint64 KleurRood = 192;

qint64 KleurVan(int i) {
    const int kleur = i % 4;
    return (kleur == 1 || kleur == 2) ? KleurRood : 0;
}

QString Tekst(int n) { return TaalTekst(n); }

// Captions whose texts carry no access key, on letters of their own in the
// window: "Plaats als" / "Place as" on the P.
QString PlaatsKop() { return platform::WithAccessKey(Tekst(194), QLatin1Char('p')); }
bool Engels() { return TaalNummer == 11; }

const char* const SymboolTekens[4] = {"\u2660", "\u2665", "\u2666", "\u2663"};

// The preview's hands: top left of each seat's block inside fraVoorBeeld.
struct Plek {
    int links, boven;
};
constexpr Plek VoorbeeldHand[4] = {{1560, 300}, {3000, 1650}, {1560, 3000}, {120, 1650}};
constexpr int VoorbeeldRij = 255;

}  // namespace

frmVeldom15Form::frmVeldom15Form() : Form("frmVeldom15") {
    Ontwerp();
    KoppelHandlers();
}

// ---------------------------------------------------------------------------
// Design

void frmVeldom15Form::Ontwerp() {
    SetBorderStyle(vbSizable);
    SetKeyPreview(true);
    Move(0, 0, BinnenBreedte + 240, BinnenHoogte + 600);

    cmdFocus.Move(-2000, 0, 100, 100);

    // Lessons, new lesson and slots in the left column.
    fraLessen.Move(KolomLinks, 120, KolomBreedte, 2880);
    lstLessen.Move(120, 270, KolomBreedte - 240, 2040);
    chkSorteer.Move(120, 2400, 1860, 285);
    cmdWissen.Move(2040, 2370, 1140, 375);

    fraNieuwLes.Move(KolomLinks, 3060, KolomBreedte, 1620);
    txtNieuweLes.Move(120, 300, KolomBreedte - 240, 315);
    lblAanTalSpellen.SetAutoSize(true);
    lblAanTalSpellen.Move(120, 750, 1200, 255);
    lblSpellen.Move(2280, 720, 600, 315);
    lblSpellen.SetBorderStyle(1);
    lblSpellen.SetAlignment(vbCenter);
    lblSpellen.SetBackColor(vbWhite);
    lblSpellen.SetCaption("24");
    vscrSpellen.Move(2925, 690, 255, 375);
    vscrSpellen.SetMin(-1);
    vscrSpellen.SetMax(49);
    cmdOK.Move(2040, 1140, 1140, 375);

    fraSpellen.Move(KolomLinks, 4740, KolomBreedte, 2100);
    lstSpellen.Move(120, 270, KolomBreedte - 240, 1260);
    cmdWisSpel.Move(120, 1620, 1080, 375);
    cmdExporteer.Move(1260, 1620, KolomBreedte - 1380, 375);

    cmdTerug.Move(KolomLinks, 6960, 1140, 375);

    // The deal to place, laid out as the main window's board display.
    picSpel.Move(SpelLinks, 120, SpelBreedte, SpelHoogte);
    picSpel.SetBorderStyle(1);
    picSpel.SetBackColor(vbWhite);
    picSpel.SetTabStop(false);
    lblSpelnummer.Move(SpelLinks + 150, 240, 1800, 480);
    lblSpelnummer.SetFontSize(16);
    lblSpelnummer.SetFontBold(true);
    lblGeverHoofd.Move(SpelLinks + 150, 810, 2100, 255);
    lblKwetsbaarHoofd.Move(SpelLinks + 150, 1080, 2100, 255);
    const Plek handen[4] = {{2400, 120}, {4650, 1740}, {2400, 3360}, {150, 1740}};
    for (int w = 0; w < 4; ++w) {
        const int x = SpelLinks + handen[w].links;
        const int y = 120 + handen[w].boven;
        lblWind[4 + w].Move(x, y, 1020, 255);
        lblWind[4 + w].SetFontBold(true);
        lblPunten[w].Move(x + 1035, y, 700, 255);
        for (int k = 0; k < 4; ++k) {
            const int i = 4 * w + k;
            picSymbool[i].Move(x, y + 300 + 300 * k, 240, 285);
            picSymbool[i].SetCaption(QString::fromUtf8(SymboolTekens[k]));
            picSymbool[i].SetAlignment(vbCenter);
            picSymbool[i].SetFontSize(10);
            picSymbool[i].SetForeColor(KleurVan(k));
            txtInvoer[i].Move(x + 255, y + 300 + 300 * k, 1845, 285);
            txtInvoer[i].SetFontSize(9);
            // The deal is placed as copied (and turned); typing changes nothing.
            txtInvoer[i].SetLocked(true);
            txtInvoer[i].SetTabStop(false);
        }
    }
    for (Label* l : {&lblSpelnummer, &lblGeverHoofd, &lblKwetsbaarHoofd, &lblWind[4], &lblWind[5],
                     &lblWind[6], &lblWind[7], &lblPunten[0], &lblPunten[1], &lblPunten[2], &lblPunten[3]})
        l->SetBackColor(vbWhite);
    for (int i = 0; i < 16; ++i) picSymbool[i].SetBackColor(vbWhite);

    // Place, rotate, renumber and the ten under the deal.
    const int onder = 120 + SpelHoogte + 120;
    fraBewaarSpel.Move(SpelLinks, onder, 2160, 1560);
    lstEenVan.Move(120, 270, 1920, 780);
    cmdPlaatsSpel.Move(120, 1110, 1920, 330);
    fraDraaien.Move(SpelLinks + 2280, onder, 2760, 1560);
    optDraai[0].Move(120, 300, 2520, 285);
    optDraai[1].Move(120, 630, 2520, 285);
    cmdDraai.Move(1440, 1050, 1200, 375);
    lblWijzig.SetAutoSize(true);
    lblWijzig.Move(SpelLinks + 5160, onder + 60, 1500, 255);
    lblWijzigSpelNummer.Move(SpelLinks + 5160, onder + 390, 900, 315);
    lblWijzigSpelNummer.SetBorderStyle(1);
    lblWijzigSpelNummer.SetAlignment(vbCenter);
    lblWijzigSpelNummer.SetBackColor(vbWhite);
    vscrWijzigSpelNummer.Move(SpelLinks + 6075, onder + 360, 255, 375);
    vscrWijzigSpelNummer.SetMin(-1);
    vscrWijzigSpelNummer.SetMax(49);
    chkTien.Move(SpelLinks + 5160, onder + 960, 2400, 285);

    // Preview of a filled slot.
    fraVoorBeeld.Move(VoorbeeldLinks, 120, VoorbeeldBreedte, SpelHoogte);
    lblSpel.Move(120, 270, 1200, 420);
    lblSpel.SetFontBold(true);
    lblGever.Move(120, 4050, 2200, 255);
    lblKwetsbaar.Move(120, 4320, 2800, 255);
    for (int w = 0; w < 4; ++w) {
        const Plek p = VoorbeeldHand[w];
        lblWind[w].SetAutoSize(true);
        lblWind[w].SetFontBold(true);
        lblWind[w].Move(VoorbeeldLinks + p.links, 120 + p.boven, 1000, VoorbeeldRij);
        for (int k = 0; k < 4; ++k) {
            const int i = 4 * w + k;
            const int boven = p.boven + VoorbeeldRij * (k + 1);
            picSymBol[i].Move(p.links, boven, 240, VoorbeeldRij);
            picSymBol[i].SetCaption(QString::fromUtf8(SymboolTekens[k]));
            picSymBol[i].SetAlignment(vbCenter);
            picSymBol[i].SetForeColor(KleurVan(k));
            lblKleur[i].Move(p.links + 240, boven, 1200, VoorbeeldRij);
        }
    }

    // Work lists that are never shown.
    for (Control* c : std::initializer_list<Control*>{&lstDeSpellen, &filFiles, &lstSpelNummers, &lstHandWest,
                                                      &lblPuntenWest, &lstWijzigSpelNummer})
        c->SetVisible(false);
    filFiles.SetPattern("*.txt");

    // States of the design.
    for (Control* c : std::initializer_list<Control*>{&cmdOK, &cmdWissen, &cmdExporteer, &cmdWisSpel,
                                                      &cmdPlaatsSpel, &cmdDraai, &fraBewaarSpel, &lstEenVan,
                                                      &fraDraaien, &vscrSpellen, &vscrWijzigSpelNummer})
        c->SetEnabled(false);
}

void frmVeldom15Form::KoppelHandlers() {
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
    chkSorteer.OnClick([this] { chkSorteer_Click(); });
    txtNieuweLes.OnChange([this] { txtNieuweLes_Change(); });
    txtNieuweLes.OnKeyPress([this](int& KeyAscii) { txtNieuweLes_KeyPress(KeyAscii); });
    cmdOK.OnClick([this] { cmdOK_Click(); });
    lstLessen.OnClick([this] { lstLessen_Click(); });
    cmdWissen.OnClick([this] { cmdWissen_Click(); });
    cmdExporteer.OnClick([this] { cmdExporteer_Click(); });
    chkTien.OnClick([this] { chkTien_Click(); });
    vscrSpellen.OnChange([this] { vscrSpellen_Change(); });
    lstSpellen.OnClick([this] { lstSpellen_Click(); });
    lstEenVan.OnClick([this] { lstEenVan_Click(); });
    cmdPlaatsSpel.OnClick([this] { cmdPlaatsSpel_Click(); });
    cmdWisSpel.OnClick([this] { cmdWisSpel_Click(); });
    cmdDraai.OnClick([this] { cmdDraai_Click(); });
    vscrWijzigSpelNummer.OnChange([this] { vscrWijzigSpelNummer_Change(); });
    optDraai.OnMouseDown([this](int Index, int Button, int Shift, float X, float Y) {
        optDraai_MouseDown(Index, Button, Shift, X, Y);
    });
    optDraai.OnMouseUp([this](int Index, int Button, int Shift, float X, float Y) {
        optDraai_MouseUp(Index, Button, Shift, X, Y);
    });
    // The keyboard selects an option as a click does; the rotate button
    // follows the options however they changed.
    optDraai.OnClick([this](int) { cmdDraai.SetEnabled(optDraai[0].Value() || optDraai[1].Value()); });
}

QString frmVeldom15Form::Meld(const QString& tekst, int stijl) {
    MsgBox(tekst, stijl, Caption());
    return tekst;
}

QString frmVeldom15Form::LesNaamVan(const QString& pad) const {
    QString naam = QFileInfo(pad).fileName();
    if (naam.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)) naam.chop(4);
    return naam;
}

// ---------------------------------------------------------------------------
// Loading, activation, keys, closing

void frmVeldom15Form::Form_Load() {
    // Centred on the screen, with its caption; the focus button off screen.
    Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
    SetCaption(platform::StripAccessKeys(Tekst(189)));
    cmdFocus.SetLeft(Screen().Width() + 10);
    // Captions of the back and delete buttons and the sort box; the stored
    // sort order.
    cmdTerug.SetCaption(QLatin1Char('&') + Tekst(42));
    cmdWissen.SetCaption(QLatin1Char('&') + Tekst(37));
    chkSorteer.SetCaption(Tekst(117));
    LeesSorteer(*this, chkSorteer, "");
    // Captions of the frames and controls; an empty preview with the seat
    // names.
    fraLessen.SetCaption(Tekst(190));
    fraSpellen.SetCaption(Tekst(131));
    fraNieuwLes.SetCaption(Tekst(191));
    fraVoorBeeld.SetCaption(Tekst(192));
    cmdOK.SetCaption(QLatin1Char('&') + Tekst(41));
    fraBewaarSpel.SetCaption(Tekst(194));
    chkTien.SetCaption(Engels() ? platform::WithAccessKey(Tekst(113), QLatin1Char('y')) : Tekst(113));
    cmdDraai.SetCaption(platform::WithAccessKey(Tekst(198), Engels() ? QLatin1Char('t') : QLatin1Char('r')));
    lblWijzig.SetCaption(Tekst(199) + QLatin1Char(' '));
    lblWijzigSpelNummer.SetCaption("");
    MaakVoorbeeldLeeg();
    for (int i = 0; i < 4; ++i) lblWind[i].SetCaption(Tekst(i + 1));
    // North and South centred over their blocks, East right-aligned
    // before its symbols.
    for (int w : {0, 2}) {
        const int i = 4 * w + 3;
        const int links = fraVoorBeeld.Left() + picSymBol[i].Left();
        lblWind[w].SetLeft((2 * links + picSymBol[i].Width() + lblKleur[i].Width() - lblWind[w].Width()) / 2);
    }
    lblWind[1].SetLeft(fraVoorBeeld.Left() + picSymBol[4].Left() + picSymBol[4].Width() + lblKleur[4].Width() -
                       lblWind[1].Width());
    // Colours: the red suits red, the black suits black, in the labels and the
    // holdings.
    for (int i = 0; i < 16; ++i) {
        lblKleur[i].SetForeColor(KleurVan(i));
        txtInvoer[i].SetForeColor(KleurVan(i));
    }
    // The deal shown in the main window.
    const GetoondBord* hoofd = OvergedragenBord();
    for (int i = 0; i < 16; ++i)
        txtInvoer[i].SetText(QLatin1Char(' ') + (hoofd ? hoofd->holdings.value(i) : QString()));
    lblKwetsbaarHoofd.SetCaption("");
    lblGeverHoofd.SetCaption("");
    lblSpelnummer.SetCaption("");
    for (int i = 0; i < 4; ++i) {
        lblWind[4 + i].SetCaption(hoofd ? hoofd->winden.value(i) : Tekst(i + 1));
        lblPunten[i].SetCaption(hoofd ? hoofd->punten.value(i) : QStringLiteral("(0)"));
    }
    // Slot count of a new lesson.
    LeesIni("Standaard", "Bewaar Spellen", IniBestand);
    int n = ValInteger(IniWaarde);
    if (n == 0) n = 24;
    lstSpelNummers.Clear();
    for (int i = 48; i >= 1; --i) {
        lstSpelNummers.AddItem(QString::number(i));
        if (i == n) {
            BezigMetLaden = true;
            lblSpellen.SetCaption(QString::number(i));
            vscrSpellen.SetValue(48 - n);
            BezigMetLaden = false;
        }
    }
    // The board copied: its number, dealer and vulnerability.
    const QString nummer = hoofd ? hoofd->spelnummer : QString();
    BeginSpelNummer = ValInteger(nummer);
    lblSpelnummer.SetCaption(nummer);
    lblGeverHoofd.SetCaption(hoofd ? hoofd->gever : QString());
    lblKwetsbaarHoofd.SetCaption(hoofd ? hoofd->kwetsbaar : QString());
    // Captions of the slot row, the board buttons and the turning frame; the
    // dealer and vulnerability cycles.
    lblAanTalSpellen.SetCaption(Tekst(11) + QLatin1Char(':'));
    cmdPlaatsSpel.SetCaption(PlaatsKop());
    cmdWisSpel.SetCaption(Tekst(149).replace(QLatin1Char(' '), QStringLiteral(" &")));
    KwetsbaarReeks = BouwKwetsbaarReeks();
    GeverReeks = BouwGeverReeks();
    fraDraaien.SetCaption(Tekst(197));
    optDraai[0].SetCaption(platform::WithAccessKey(Tekst(195), Engels() ? QLatin1Char('i') : QLatin1Char('n')));
    optDraai[1].SetCaption(platform::WithAccessKey(Tekst(196), Engels() ? QLatin1Char('n') : QLatin1Char('d')));
    // The ten box follows the setting; the holdings stay as copied.
    LeesIni("Tien", "Tien", IniBestand);
    BezigMetLaden = true;
    chkTien.SetValue(ValInteger(IniWaarde) == 1 ? 1 : 0);
    BezigMetLaden = false;
    // The slot-count row ends at the right edge of OK.
    vscrSpellen.SetLeft(cmdOK.Left() + cmdOK.Width() - vscrSpellen.Width());
    lblSpellen.Move(vscrSpellen.Left() - 15 - lblSpellen.Width(), vscrSpellen.Top() + 30);
    lblAanTalSpellen.SetLeft(lblSpellen.Left() - 15 - lblAanTalSpellen.Width());
    // Caption of the export button; the design geometry for scaling, after
    // every move above.
    cmdExporteer.SetCaption(QLatin1Char('&') + Tekst(200));
    BewaarPosities(*this);
}

void frmVeldom15Form::Form_Activate() {
    AanroepScherm = 1;
    lblSpel.SetFontSize(16);
    HerstelScherm(*this);
    VulLessen();
    ZetFocus(*this, txtNieuweLes);
}

void frmVeldom15Form::Form_Resize() {
    if (WindowState() == vbNormal) Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
    SchaalScherm(*this);
}

void frmVeldom15Form::Form_KeyUp(int& KeyCode, int) {
    if (KeyCode == vbKeyEscape) cmdTerug_Click();
}

void frmVeldom15Form::Form_QueryUnload(int&, int) {
    if (teruggegeven_) return;
    teruggegeven_ = true;
    BewaarSchermGrootte(*this);
}

void frmVeldom15Form::cmdTerug_Click() { Unload(*this); }

// ---------------------------------------------------------------------------
// Lesson files

void frmVeldom15Form::VulLessen() {
    QString map = programFolder() + QStringLiteral("/bewaar");
    MaakMappen(map);
    filFiles.SetPath(resolvePath(map));
    filFiles.Refresh();
    lstLessen.Clear();
    for (const QString& naam : les::LesNamen(filFiles.Items(), chkSorteer.Value() == 1))
        lstLessen.AddItem(naam);
    // The open lesson stays selected (its click only rebuilds the free
    // slots), so that delete, raise and export always name the lesson whose
    // slots are shown. Without an open lesson nothing is selected and
    // nothing can be deleted.
    const QString open = lstLessen.Tag();
    int index = -1;
    if (!open.isEmpty()) index = ZoekInLijst(&lstLessen, LesNaamVan(open), true);
    if (index >= 0) {
        const bool was = BezigMetHerkiezen;
        BezigMetHerkiezen = true;
        lstLessen.SetListIndex(index);
        BezigMetHerkiezen = was;
    } else {
        cmdWissen.SetEnabled(false);
    }
}

void frmVeldom15Form::chkSorteer_Click() {
    chkSorteer.SetCaption(Tekst(chkSorteer.Value() == 0 ? 117 : 118));
    BewaarSorteer(*this, chkSorteer, "");
    VulLessen();
    ZetFocus(*this, cmdFocus);
}

void frmVeldom15Form::txtNieuweLes_Change() {
    const bool naam = !txtNieuweLes.Text().trimmed().isEmpty();
    cmdOK.SetEnabled(naam);
    vscrSpellen.SetEnabled(naam);
}

void frmVeldom15Form::txtNieuweLes_KeyPress(int& KeyAscii) {
    if (KeyAscii == vbKeyReturn) {
        KeyAscii = 0;
        if (!txtNieuweLes.Text().trimmed().isEmpty()) cmdOK_Click();
        return;
    }
    if (bewaarnaam::TikWeigeren(QChar(KeyAscii), Tekst(85))) {
        KeyAscii = 0;
        Meld(bewaarnaam::WeigerMelding(Tekst(85)), vbInformation);
    }
}

void frmVeldom15Form::cmdOK_Click() {
    const QString naam = txtNieuweLes.Text().trimmed();
    if (naam.isEmpty()) return;
    // Typed or pasted: the whole name is checked as the Save-as dialog does.
    const QString pad = bewaarnaam::NaamToegestaan(naam, Tekst(85)) ? les::LesPad(naam) : QString();
    if (pad.isEmpty()) {
        Meld(bewaarnaam::WeigerMelding(Tekst(85)), vbInformation);
        ZetFocus(*this, txtNieuweLes);
        return;
    }
    QString map = programFolder() + QStringLiteral("/bewaar");
    MaakMappen(map);
    if (BestandBestaat(pad) == 1) {
        QString vraag = Tekst(46);
        vraag.replace(QLatin1Char('~'), naam + QStringLiteral(".txt"));
        if (MsgBox(MetRegels(vraag), vbYesNo | vbQuestion | vbDefaultButton2, Caption()) != vbYes) {
            ZetFocus(*this, txtNieuweLes);
            txtNieuweLes.SetSelStart(int(txtNieuweLes.Text().size()));
            txtNieuweLes.SetSelLength(0);
            DoEvents();
            return;
        }
    }
    const int aantal = std::clamp(ValInteger(lblSpellen.Caption()), 1, les::MaximaalSlots);
    QString reden;
    if (!les::SchrijfLes(pad, les::NieuweLes(aantal), &reden)) {
        Meld(bewaarnaam::SchrijfFoutMelding(naam + QStringLiteral(".txt"), reden, TaalNummer), vbExclamation);
        ZetFocus(*this, txtNieuweLes);
        return;
    }
    // A lesson made anew over the open one: its old image is gone.
    if (!lstLessen.Tag().isEmpty() && resolvePath(lstLessen.Tag()) == resolvePath(pad)) SluitLes();
    VulLessen();
    txtNieuweLes.SetText("");
    ZetFocus(*this, cmdFocus);
}

void frmVeldom15Form::lstLessen_Click() {
    const int index = lstLessen.ListIndex();
    if (index < 0) return;
    txtNieuweLes.SetText("");
    cmdWissen.SetEnabled(true);
    if (!BezigMetHerkiezen) {
        const QString naam = lstLessen.List(index);
        const QString pad = les::LesPad(naam);
        const spel::SpelSetUitkomst gelezen =
            pad.isEmpty() ? spel::SpelSetUitkomst{spel::SpelSetFout::Ontbreekt, 0, {}} : les::LeesLes(pad);
        if (!gelezen.Gelukt()) {
            Meld(les::LesMelding(gelezen, naam, TaalNummer), vbExclamation);
            // The selection goes back to the lesson that stays open.
            const QString open = lstLessen.Tag();
            const int terug = open.isEmpty() ? -1 : ZoekInLijst(&lstLessen, LesNaamVan(open), true);
            const bool was = BezigMetHerkiezen;
            BezigMetHerkiezen = true;
            lstLessen.SetListIndex(terug);
            BezigMetHerkiezen = was;
            cmdWissen.SetEnabled(terug >= 0);
            ZetFocus(*this, cmdFocus);
            return;
        }
        lblSpelnummer.SetCaption(QString::number(BeginSpelNummer));
        lstSpellen.Clear();
        lstDeSpellen.Clear();
        lstWijzigSpelNummer.Clear();
        lstLessen.SetTag(pad);
        lstDeSpellen.AddItem(gelezen.set.kop);
        for (const QString& regel : gelezen.set.records) {
            lstDeSpellen.AddItem(regel);
            lstSpellen.AddItem(Tekst(64) + QLatin1Char(' ') + regel.left(3) +
                               (les::IsVrij(regel) ? QStringLiteral("?") : QStringLiteral("+")));
        }
        // A slot previewed in another lesson (or before the lesson was read
        // again) is forgotten: a clear acts only on the slot shown.
        cmdWisSpel.SetTag("");
        cmdWisSpel.SetEnabled(false);
        MaakVoorbeeldLeeg();
    }
    BouwKandidaten();
    const int n = ValInteger(lblSpelnummer.Caption());
    if (BezigMetHerkiezen) return;
    // The renumber selector, on the board number when it is a slot; another
    // number is put on the first slot with its dealer, so that a raise keeps
    // the dealer turning with the hands. Without such a slot no raise.
    const int aantal = lstSpellen.ListCount();
    BezigMetLaden = true;
    vscrWijzigSpelNummer.SetMax(aantal + 1);
    for (const QString& s : les::WijzigLijst(aantal)) lstWijzigSpelNummer.AddItem(s);
    const int slot = les::SlotVoorRaise(n, aantal);
    if (slot > 0) vscrWijzigSpelNummer.SetValue(les::PositieVanSlot(slot, aantal));
    lblWijzigSpelNummer.SetCaption(lblSpelnummer.Caption());
    vscrWijzigSpelNummer.SetEnabled(true);
    BezigMetLaden = false;
    optDraai[0].SetEnabled(slot > 0);
    if (slot <= 0 && optDraai[0].Value()) {
        optDraai[0].SetValue(false);
        OptieStand[0] = false;
    }
    fraDraaien.SetEnabled(true);
    cmdDraai.SetEnabled(optDraai[0].Value() || optDraai[1].Value());
    cmdExporteer.SetEnabled(true);
    cmdExporteer.SetTag(lstLessen.Tag());
}

void frmVeldom15Form::BouwKandidaten() {
    // The free slots with the dealer of the deal to place.
    const int n = ValInteger(lblSpelnummer.Caption());
    lstEenVan.Clear();
    for (int slot : les::KandidaatSlots(n, lstDeSpellen.Items().mid(1)))
        lstEenVan.AddItem(Tekst(64) + QLatin1Char(' ') + les::SlotNummer(slot));
    const bool kandidaten = lstEenVan.ListCount() > 0;
    fraBewaarSpel.SetEnabled(kandidaten);
    lstEenVan.SetEnabled(kandidaten);
    cmdPlaatsSpel.SetEnabled(false);
    cmdPlaatsSpel.SetCaption(PlaatsKop());
}

bool frmVeldom15Form::BewaarLes() {
    QStringList labels;
    for (int i = 0; i < 6; ++i) labels << Tekst(29 + i);
    const QStringList beeld = les::MetNieuweKop(lstDeSpellen.Items(), labels);
    const QString pad = lstLessen.Tag();
    QString reden;
    if (beeld.isEmpty() || !les::SchrijfLes(pad, beeld, &reden)) {
        // The file keeps what it held; the window shows it again.
        Meld(bewaarnaam::SchrijfFoutMelding(LesNaamVan(pad) + QStringLiteral(".txt"), reden, TaalNummer),
             vbExclamation);
        HerkiesLes();
        return false;
    }
    lstDeSpellen.SetList(0, beeld.at(0));
    return true;
}

void frmVeldom15Form::HerkiesLes() {
    // The list may have lost the open lesson's entry (refilled while its
    // file was away): list again, which selects it when it is there.
    if (lstLessen.ListIndex() < 0 && !lstLessen.Tag().isEmpty()) VulLessen();
    const int index = lstLessen.ListIndex();
    if (index >= 0) {
        lstLessen.SetListIndex(-1);
        lstLessen.SetListIndex(index);
        return;
    }
    // The open lesson is no longer listed (its file went away meanwhile):
    // its image still gives the free slots; a full reading closes it.
    if (BezigMetHerkiezen)
        BouwKandidaten();
    else
        SluitLes();
}

void frmVeldom15Form::SluitLes() {
    lstLessen.SetTag("");
    cmdExporteer.SetTag("");
    lstSpellen.Clear();
    lstDeSpellen.Clear();
    lstEenVan.Clear();
    lstWijzigSpelNummer.Clear();
    lblWijzigSpelNummer.SetCaption("");
    cmdWisSpel.SetTag("");
    MaakVoorbeeldLeeg();
    cmdPlaatsSpel.SetCaption(PlaatsKop());
    for (Control* c : std::initializer_list<Control*>{&cmdWisSpel, &cmdExporteer, &cmdPlaatsSpel, &lstEenVan,
                                                      &fraBewaarSpel, &fraDraaien, &cmdDraai,
                                                      &vscrWijzigSpelNummer})
        c->SetEnabled(false);
}

void frmVeldom15Form::cmdWissen_Click() {
    ZetFocus(*this, cmdFocus);
    const int index = lstLessen.ListIndex();
    if (index < 0) {
        cmdWissen.SetEnabled(false);
        return;
    }
    const QString naam = lstLessen.List(index);
    QString vraag = Tekst(47);
    vraag.replace(QLatin1Char('~'), naam + QStringLiteral(".txt"));
    if (MsgBox(MetRegels(vraag), vbYesNo | vbQuestion | vbDefaultButton2, Caption()) != vbYes) {
        ZetFocus(*this, cmdFocus);
        return;
    }
    const QString pad = resolvePath(les::LesPad(naam));
    if (pad.isEmpty() || (QFileInfo::exists(pad) && !QFile::remove(pad))) {
        Meld(spel::WisMelding(spel::WisFout::Mislukt, naam, TaalNummer), vbExclamation);
        ZetFocus(*this, cmdFocus);
        return;
    }
    if (!lstLessen.Tag().isEmpty() && resolvePath(lstLessen.Tag()) == pad) SluitLes();
    VulLessen();
    ZetFocus(*this, cmdFocus);
}

void frmVeldom15Form::cmdExporteer_Click() {
    cmdExporteer.SetEnabled(false);
    const QString bron = cmdExporteer.Tag();
    if (bron.isEmpty()) return;
    const QString naam = LesNaamVan(bron);
    auto magOverschrijven = [this](const QString& bestandsnaam) {
        QString vraag = Tekst(46);
        vraag.replace(QLatin1Char('~'), bestandsnaam);
        return MsgBox(MetRegels(vraag), vbYesNo | vbQuestion | vbDefaultButton2, Caption()) == vbYes;
    };
    spel::SpelSetUitkomst lezing;
    QString reden;
    switch (les::ExporteerLes(bron, naam, magOverschrijven, &lezing, &reden)) {
    case les::ExportUitkomst::Geschreven:
        Meld(Tekst(200) + QLatin1Char(' ') + Tekst(146), vbInformation);
        break;
    case les::ExportUitkomst::NietOverschreven:
        cmdExporteer.SetEnabled(true);
        break;
    case les::ExportUitkomst::Onleesbaar:
        Meld(les::LesMelding(lezing, naam, TaalNummer), vbExclamation);
        cmdExporteer.SetEnabled(true);
        break;
    case les::ExportUitkomst::Mislukt:
        Meld(bewaarnaam::SchrijfFoutMelding(naam + QStringLiteral(".txt"), reden, TaalNummer), vbExclamation);
        cmdExporteer.SetEnabled(true);
        break;
    }
    ZetFocus(*this, cmdFocus);
}

// ---------------------------------------------------------------------------
// Ten box, slot count, preview

void frmVeldom15Form::chkTien_Click() {
    if (BezigMetLaden) return;
    VolgTienVakje(chkTien, txtInvoer);
    ZetFocus(*this, cmdFocus);
}

void frmVeldom15Form::vscrSpellen_Change() {
    if (BezigMetLaden || !VolgSpinner(vscrSpellen, lstSpelNummers, lblSpellen, "Standaard", "Bewaar Spellen"))
        return;
    ZetFocus(*this, cmdFocus);
}

void frmVeldom15Form::MaakVoorbeeldLeeg() {
    lblSpel.SetCaption("");
    lblGever.SetCaption("");
    lblKwetsbaar.SetCaption("");
    for (int i = 0; i < 16; ++i) lblKleur[i].SetCaption("");
}

void frmVeldom15Form::lstSpellen_Click() {
    const int index = lstSpellen.ListIndex();
    if (index < 0 || lstSpellen.List(index).contains(QLatin1Char('?')) || index + 1 >= lstDeSpellen.ListCount()) {
        ZetFocus(*this, cmdFocus);
        return;
    }
    QStringList velden = lstDeSpellen.List(index + 1).split(QLatin1Char('~'));
    while (velden.size() < spel::RecordVelden) velden << QString();
    const int b = ValInteger(velden.at(0));
    lblSpel.SetCaption(QString::number(b));
    for (int i = 1; i <= 16; ++i) lblKleur[i - 1].SetCaption(QLatin1Char(' ') + velden.at(i).trimmed());
    lblGever.SetCaption(les::GeverKop(b));
    lblKwetsbaar.SetCaption(les::KwetsbaarVoorbeeld(b));
    cmdWisSpel.SetTag(QString::number(index));
    cmdWisSpel.SetEnabled(true);
}

// ---------------------------------------------------------------------------
// Placing, clearing, rotating, renumbering

void frmVeldom15Form::lstEenVan_Click() {
    if (lstEenVan.ListIndex() < 0) return;
    cmdPlaatsSpel.SetCaption(PlaatsKop() + QLatin1Char(' ') + lstEenVan.List(lstEenVan.ListIndex()));
    cmdPlaatsSpel.SetEnabled(true);
}

void frmVeldom15Form::cmdPlaatsSpel_Click() {
    lstEenVan.SetEnabled(false);
    cmdPlaatsSpel.SetEnabled(false);
    const int keuze = lstEenVan.ListIndex();
    const QString entry = keuze >= 0 ? lstEenVan.List(keuze) : QString();
    const int k = entry.isEmpty() ? -1 : ZoekInLijst(&lstSpellen, entry, false);
    if (k < 0 || k + 1 >= lstDeSpellen.ListCount()) {
        ZetFocus(*this, cmdFocus);
        return;
    }
    QStringList houdingen, winden;
    for (int i = 0; i < 16; ++i) houdingen << txtInvoer[i].Text();
    for (int h = 0; h < 4; ++h) winden << lblWind[4 + h].Caption() + lblPunten[h].Caption();
    const int slot = ValInteger(entry.right(3));
    lstSpellen.SetList(k, lstSpellen.List(k).replace(QLatin1Char('?'), QLatin1Char('+')));
    lstDeSpellen.SetList(k + 1, les::BouwSlotRecord(slot, houdingen, winden));
    BewaarLes();
    cmdPlaatsSpel.SetCaption(PlaatsKop());
    ZetFocus(*this, cmdFocus);
}

void frmVeldom15Form::cmdWisSpel_Click() {
    bool ok = false;
    const int t = cmdWisSpel.Tag().toInt(&ok);
    // No slot remembered (cleared already, or another lesson opened since).
    if (!ok || t < 0 || t >= lstSpellen.ListCount() || t + 1 >= lstDeSpellen.ListCount()) {
        cmdWisSpel.SetTag("");
        cmdWisSpel.SetEnabled(false);
        ZetFocus(*this, cmdFocus);
        return;
    }
    lstSpellen.SetList(t, lstSpellen.List(t).replace(QLatin1Char('+'), QLatin1Char('?')));
    const QString nummer = lstDeSpellen.List(t + 1).section(QLatin1Char('~'), 0, 0);
    lstDeSpellen.SetList(t + 1, nummer + QString(20, QLatin1Char('~')));
    const bool geschreven = BewaarLes();
    cmdWisSpel.SetTag("");
    cmdWisSpel.SetEnabled(false);
    MaakVoorbeeldLeeg();
    if (geschreven) {
        BezigMetHerkiezen = false;
        HerkiesLes();
    }
    ZetFocus(*this, cmdFocus);
}

void frmVeldom15Form::optDraai_MouseDown(int Index, int, int, float, float) {
    OptieStand[Index] = optDraai[Index].Value();
    ZetFocus(*this, cmdFocus);
}

void frmVeldom15Form::optDraai_MouseUp(int Index, int, int, float, float) {
    OptieStand[Index] = !OptieStand[Index];
    optDraai[Index].SetValue(OptieStand[Index]);
    cmdDraai.SetEnabled(optDraai[0].Value() || optDraai[1].Value());
    ZetFocus(*this, cmdFocus);
}

void frmVeldom15Form::cmdDraai_Click() {
    // The raise needs an open lesson whose slots hold the number.
    if (optDraai[0].Value() && optDraai[0].Enabled() && lstDeSpellen.ListCount() > 1 &&
        lstWijzigSpelNummer.ListCount() > 0) {
        vscrWijzigSpelNummer.SetValue(vscrWijzigSpelNummer.Value() - 1);
        BezigMetHerkiezen = true;
        HerkiesLes();
        lblWijzigSpelNummer.SetCaption(lblSpelnummer.Caption());
        BezigMetHerkiezen = false;
    }
    les::TeDraaienSpel spel;
    for (int i = 0; i < 16; ++i) spel.houding[i] = txtInvoer[i].Text();
    for (int h = 0; h < 4; ++h) spel.punten[h] = lblPunten[h].Caption();
    lstHandWest.Clear();
    for (int i = 12; i < 16; ++i) lstHandWest.AddItem(spel.houding[i]);
    lblPuntenWest.SetCaption(spel.punten[3]);
    const les::TeDraaienSpel gedraaid = les::DraaiRechtsom(spel);
    for (int i = 0; i < 16; ++i) txtInvoer[i].SetText(gedraaid.houding[i]);
    for (int h = 0; h < 4; ++h) lblPunten[h].SetCaption(gedraaid.punten[h]);
    ZetFocus(*this, cmdFocus);
}

void frmVeldom15Form::vscrWijzigSpelNummer_Change() {
    if (BezigMetLaden || !VolgSpinner(vscrWijzigSpelNummer, lstWijzigSpelNummer, lblWijzigSpelNummer)) return;
    const int n = ValInteger(lblWijzigSpelNummer.Caption());
    lblSpelnummer.SetCaption(QString::number(n));
    lblGeverHoofd.SetCaption(les::GeverKop(n));
    lblKwetsbaarHoofd.SetCaption(les::KwetsbaarKop(n));
    const bool was = BezigMetHerkiezen;
    BezigMetHerkiezen = true;
    HerkiesLes();
    BezigMetHerkiezen = was;
    // Every number of the list is a slot: the raise is possible again.
    optDraai[0].SetEnabled(true);
    ZetFocus(*this, cmdFocus);
}
