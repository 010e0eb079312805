#include "main/frmVeldom01.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "deal/GeverKwetsbaar.h"
#include "deal/SpelBestand.h"
#include "deal/SpelRecord.h"
#include "deal/Spinner.h"
#include "deal/SpinnerRegels.h"
#include "deal/TienVakje.h"
#include "lessons/frmVeldom15.h"
#include "lessons/LesBestand.h"
#include "main/Opstart.h"
#include "main/UpdateVenster.h"
#include "output/AfdrukKeten.h"
#include "output/frmVeldom08.h"
#include "output/frmVeldom14.h"
#include "output/frmVeldom17.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "platform/SingleInstance.h"
#include "players/frmVeldom04.h"
#include "players/frmVeldom05.h"
#include "players/frmVeldom10.h"
#include "results/frmVeldom11.h"
#include "saveas/frmVeldom02.h"
#include "settings/frmVeldom06.h"
#include "settings/frmVeldom07.h"
#include "settings/frmVeldom18.h"
#include "settings/OpeningKeuze.h"
#include "settings/PrinterInstellingen.h"
#include "shared/BasVeldom.h"
#include "shared/Bestanden.h"
#include "shared/Instellingen.h"
#include "shared/Printers.h"
#include "shared/Scherm.h"
#include "shared/Update.h"

using namespace platform;

DEFINE_FORM(frmVeldom01, frmVeldom01Form)

namespace {

// Client area of the designed window, twips.
constexpr int OntwerpBreedte = 11400;
constexpr int OntwerpHoogte = 7470;

// Holding boxes of hearts and diamonds are dark red, spades and clubs black.
constexpr qint64 KleurRood = 192;
constexpr qint64 KleurZwartTekst = 0;
constexpr qint64 KleurLichtRood = 0xC0C0FF;

qint64 KleurVanKleur(int kleur) { return (kleur == 1 || kleur == 2) ? KleurRood : KleurZwartTekst; }

QString Tekst(int n) { return TaalTekst(n); }

// The position of the shaken window for a draw 0..5.
struct Schok {
    int links, boven;
};
constexpr Schok Schokken[6] = {{15, 0}, {15, 15}, {15, 15}, {0, 0}, {-15, 0}, {-15, -15}};

}  // namespace

frmVeldom01Form::frmVeldom01Form() : Form("frmVeldom01") {
    Ontwerp();
    KoppelHandlers();
    ZetPuntenToepassen = [this](int waarde) { chkPuntenToepassen.SetValue(waarde != 0 ? 1 : 0); };
    // The print layouts and the clipboard window show the set on screen.
    ZetSpellenBron([this] { return lstSpellenSet1.Items(); });
}

frmVeldom01Form::~frmVeldom01Form() { ZetPuntenToepassen = nullptr; }

// ---------------------------------------------------------------------------
// Design: positions and sizes in twips; captions come from the text table at
// start-up.

void frmVeldom01Form::Ontwerp() {
    SetBorderStyle(vbSizable);
    SetKeyPreview(true);
    SetWidth(OntwerpBreedte + 120);
    SetHeight(OntwerpHoogte + 405);

    cmdFocus.Move(-2000, 0, 100, 100);

    // Board display: board number, dealer and vulnerability in the top left
    // corner, the four hands around the centre.
    lblSpelnummer.Move(150, 120, 1800, 480);
    lblSpelnummer.SetFontSize(16);
    lblSpelnummer.SetFontBold(true);
    lblGever.Move(150, 690, 2100, 255);
    lblKwetsbaar.Move(150, 960, 2100, 255);

    struct Plek {
        int links, boven;
    };
    const Plek handen[4] = {{2400, 120}, {4650, 1740}, {2400, 3360}, {150, 1740}};
    static const char* tekens[4] = {"\u2660", "\u2665", "\u2666", "\u2663"};
    for (int w = 0; w < 4; ++w) {
        const Plek p = handen[w];
        lblWind[w].Move(p.links, p.boven, 1020, 255);
        lblWind[w].SetFontBold(true);
        lblPunten[w].Move(p.links + 1035, p.boven, 700, 255);
        for (int k = 0; k < 4; ++k) {
            const int i = 4 * w + k;
            const int boven = p.boven + 300 + 300 * k;
            lblKleurTeken[i].Move(p.links, boven, 240, 285);
            lblKleurTeken[i].SetCaption(QString::fromUtf8(tekens[k]));
            lblKleurTeken[i].SetFontSize(10);
            lblKleurTeken[i].SetAlignment(vbCenter);
            lblKleurTeken[i].SetForeColor(KleurVanKleur(k));
            txtInvoer[i].Move(p.links + 255, boven, 1845, 285);
            txtInvoer[i].SetFontSize(9);
            txtInvoer[i].SetForeColor(KleurVanKleur(k));
            txtInvoer[i].SetEnabled(false);
            txtInvoer[i].SetLocked(true);  // shows the board; typing changes nothing
        }
    }

    // Distribution summary under East.
    for (int i = 0; i < 6; ++i) {
        lblSpellenInfo[i].Move(4650, 3390 + 240 * i, 1200, 240);
        lblSpellenInfo[i].SetAutoSize(true);
        lblLengtes[i].Move(5850, 3390 + 240 * i, 600, 240);
    }

    // Hub buttons under the board, three columns.
    platform::CommandButton* rooster[4][3] = {
        {&cmdOpslaan, &cmdAfdrukken, &cmdKlembord},
        {&cmdNamen, &cmdGroepen, &cmdVerstuur},
        {&cmdInvoeren, &cmdInstellingen, &cmdPrinterInstellingen},
        {&cmdMAILTXT, &cmdVideo, &cmdLessen},
    };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) rooster[r][c]->Move(150 + 2310 * c, 5460 + 480 * r, 2130, 420);
    cmdVideo.SetVisible(false);
    cmdLessen.SetVisible(false);
    cmdDownLoad.Move(7050, 6900, 2070, 420);
    cmdDownLoad.SetVisible(false);
    cmdAfsluiten.Move(9210, 6900, 2070, 420);

    // Generator panel: board count, board selector, start button, ten box.
    picBack.Move(7050, 120, 4230, 1770);
    picBack.SetBorderStyle(0);
    picBack.SetTabStop(false);  // a panel: Tab goes to its controls
    lblAanTalSpellen.Move(120, 120, 1200, 255);
    lblAanTalSpellen.SetAutoSize(true);
    lblSpellen.Move(2700, 90, 960, 315);
    lblSpellen.SetBorderStyle(1);
    lblSpellen.SetAlignment(vbCenter);
    lblSpellen.SetBackColor(vbWhite);
    lblSpellen.SetCaption("24");
    vscrSpellen.Move(3465, 60, 255, 375);
    vscrSpellen.SetMin(-1);
    vscrSpellen.SetMax(48);
    vscrSpellen.SetValue(24);
    lblToonSpel.Move(120, 570, 1200, 255);
    lblToonSpel.SetAutoSize(true);
    lblDitspel.Move(2700, 540, 960, 315);
    lblDitspel.SetBorderStyle(1);
    lblDitspel.SetAlignment(vbCenter);
    lblDitspel.SetBackColor(vbWhite);
    vscrDitSpel.Move(3465, 510, 255, 375);
    vscrDitSpel.SetMin(-1);
    vscrDitSpel.SetMax(0);
    vscrDitSpel.SetEnabled(false);
    cmdStart.Move(2700, 990, 1020, 420);
    cmdStart.SetFontBold(true);
    chkTien.Move(120, 1470, 2100, 285);

    // Point window.
    fraOpening.Move(7050, 1890, 4230, 1620);
    lblMinimaal.Move(180, 360, 1700, 255);
    lblMin.Move(1970, 330, 600, 315);
    lblMaximaal.Move(180, 810, 1700, 255);
    lblMax.Move(1970, 780, 600, 315);
    for (Label* l : {&lblMin, &lblMax}) {
        l->SetBorderStyle(1);
        l->SetAlignment(vbCenter);
        l->SetBackColor(vbWhite);
    }
    vscrMin.Move(2585, 300, 255, 375);
    vscrMax.Move(2585, 750, 255, 375);
    for (VScrollBar* v : {&vscrMin, &vscrMax}) {
        v->SetMin(-1);
        v->SetMax(spel::PuntenLijstAantal);
    }
    chkPuntenToepassen.Move(180, 1230, 2400, 285);

    // Deal set files.
    fraSpellen.Move(7050, 3600, 4230, 3195);
    lstSpellen.Move(150, 300, 3930, 2400);
    chkSorteer.Move(150, 2820, 2500, 285);
    cmdWissen.Move(2880, 2760, 1200, 375);
    cmdWissen.SetEnabled(false);

    // Buttons of a loaded set start disabled.
    for (CommandButton* b : {&cmdOpslaan, &cmdAfdrukken, &cmdKlembord, &cmdLessen})
        b->SetEnabled(false);

    // Work lists and boxes that are never shown.
    for (Control* c : std::initializer_list<Control*>{
             &filSpellen, &lstSpelNummers, &lstMinimaal, &lstMaximaal, &lstDitSpel,
             &lstSpellenSet, &lstSpellenSet1, &txtNummer})
        c->SetVisible(false);
    filSpellen.SetPattern("*.txt");
    txtNummer.SetText("39");

    timSchudForm.SetInterval(50);
    timSchudForm.SetEnabled(false);
}

void frmVeldom01Form::KoppelHandlers() {
    // A left press starts the run at once; the click that the release of
    // that same press gives must not start a second one. Only a click made
    // by that release is dropped: when the release was lost (the window
    // took no input during a quick run), the next start by keyboard deals.
    cmdStart.OnClick([this] {
        const bool vanDezeDruk = muisStart_ && muisLos_;
        muisStart_ = false;
        if (vanDezeDruk) return;
        cmdStart_Click();
    });
    cmdStart.OnMouseDown(
        [this](int Button, int Shift, float X, float Y) { cmdStart_MouseDown(Button, Shift, X, Y); });
    cmdStart.OnMouseUp([this](int, int, float, float) {
        // The release is seen before its click: the click comes while
        // muisLos_ is set; afterwards the press is over.
        muisLos_ = true;
        RunWhenIdle([this] {
            muisLos_ = false;
            muisStart_ = false;
        });
    });
    timSchudForm.OnTimer([this] { timSchudForm_Timer(); });
    vscrDitSpel.OnChange([this] { vscrDitSpel_Change(); });
    chkTien.OnClick([this] { chkTien_Click(); });
    vscrMin.OnChange([this] { vscrMin_Change(); });
    vscrMax.OnChange([this] { vscrMax_Change(); });
    vscrSpellen.OnChange([this] { vscrSpellen_Change(); });
    chkPuntenToepassen.OnClick([this] { chkPuntenToepassen_Click(); });
    chkSorteer.OnClick([this] { chkSorteer_Click(); });
    txtInvoer.OnChange([this](int Index) { txtInvoer_Change(Index); });
    lstSpellen.OnClick([this] { lstSpellen_Click(); });
    cmdWissen.OnClick([this] { cmdWissen_Click(); });
    cmdAfsluiten.OnClick([this] { cmdAfsluiten_Click(); });
    cmdAfdrukken.OnClick([this] { cmdAfdrukken_Click(); });
    cmdOpslaan.OnClick([this] { cmdOpslaan_Click(); });
    cmdVideo.OnClick([this] { cmdVideo_Click(); });
    cmdKlembord.OnClick([this] { cmdKlembord_Click(); });
    cmdInstellingen.OnClick([this] { cmdInstellingen_Click(); });
    cmdPrinterInstellingen.OnClick([this] { cmdPrinterInstellingen_Click(); });
    cmdMAILTXT.OnClick([this] { cmdMAILTXT_Click(); });
    cmdLessen.OnClick([this] { cmdLessen_Click(); });
    cmdInvoeren.OnClick([this] { cmdInvoeren_Click(); });
    cmdNamen.OnClick([this] { cmdNamen_Click(); });
    cmdVerstuur.OnClick([this] { cmdVerstuur_Click(); });
    cmdGroepen.OnClick([this] { cmdGroepen_Click(); });
    lblSpelnummer.OnClick([this] { lblSpelnummer_Click(); });
    cmdDownLoad.OnClick([this] { cmdDownLoad_Click(); });
}

bool frmVeldom01Form::KnopWerkt(const CommandButton& knop) const {
    // Buttons of windows that are built: every button of this window. A new
    // button is added here together with its window.
    return &knop == &cmdStart || &knop == &cmdWissen || &knop == &cmdAfsluiten ||
           &knop == &cmdFocus || &knop == &cmdOpslaan || &knop == &cmdVideo ||
           &knop == &cmdAfdrukken || &knop == &cmdKlembord || &knop == &cmdDownLoad ||
           &knop == &cmdInstellingen ||
           &knop == &cmdPrinterInstellingen || &knop == &cmdMAILTXT ||
           &knop == &cmdLessen || &knop == &cmdNamen || &knop == &cmdVerstuur ||
           &knop == &cmdInvoeren || &knop == &cmdGroepen;
}

void frmVeldom01Form::Schakel(CommandButton& knop, bool aan) { knop.SetEnabled(aan && KnopWerkt(knop)); }

QString frmVeldom01Form::SpelBestandPad(const QString& naam) const { return spel::SpelSetPad(naam); }

void frmVeldom01Form::MeldFout(const QString& tekst, int stijl) { MsgBox(tekst, stijl, Caption()); }

// ---------------------------------------------------------------------------
// Start-up

void frmVeldom01Form::Form_Load() {
    // A second copy ends at once, without a message.
    if (!acquireProgramLock()) {
        End();
        return;
    }
    // Temporary files of writes a crash interrupted are of no use.
    RuimOnderbrokenSchrijfwerkOp();
    // The data folders.
    for (const char* map : {"groepen", "html", "namen", "PDF", "resultaten", "spellen", "update", "bewaar"}) {
        QString pad = programFolder() + QLatin1Char('/') + QLatin1String(map);
        MaakMappen(pad);
    }
    // The help file.
    const QString help = programFolder() + QStringLiteral("/help.chm");
    if (BestandBestaat(help) == 1) HelpBestand = help;
    // Online or not.
    InternetAanwezig = HeeftInternet();
    // Settings; from here on TaalTekst answers in the chosen language.
    LeesInstellingen();
    SetPromptLanguage(TaalNummer == 11);
    // A settings file that cannot be read (a FIFO, a huge file) is not
    // waited on and not replaced; the user is told once.
    const QString iniMelding = InstellingenBestandMelding();
    if (!iniMelding.isEmpty()) MsgBox(iniMelding, vbExclamation, Tekst(0));
    LeesEigenaarNaam();
    // The deal set list.
    VulSpelBestanden();
    // The focus button lies outside the visible part of the window.
    cmdFocus.SetLeft(Screen().Width() + 10);
    // Caption with the version.
    SetCaption(Tekst(0) + QLatin1Char(' ') + ProgrammaVersie());
    SetProgramTitle(Caption());
    // Version check (sets WebsiteBereikbaar, shows cmdVideo / cmdDownLoad).
    VersieControle(*this);

    // Board display.
    for (int i = 0; i < 4; ++i) {
        lblWind[i].SetCaption(Tekst(1 + i));
        lblPunten[i].SetCaption("(0)");
    }
    lblSpelnummer.SetCaption("");
    lblGever.SetCaption(Tekst(5) + QLatin1Char(':'));
    lblKwetsbaar.SetCaption(Tekst(6) + QLatin1Char(':'));
    // Dealer and vulnerability per board.
    KwetsbaarReeks = BouwKwetsbaarReeks();
    GeverReeks = BouwGeverReeks();
    // Board count list: "48" down to "1"; the stored count is selected.
    LeesIni("Standaard", "Spellen", IniBestand);
    int n = ValInteger(IniWaarde);
    if (n == 0) n = 24;
    lstSpelNummers.Clear();
    for (int k = 48; k >= 1; --k) {
        lstSpelNummers.AddItem(QString::number(k));
        if (k == n) {
            BezigMetLaden = true;
            lblSpellen.SetCaption(QString::number(k));
            vscrSpellen.SetValue(lstSpelNummers.ListCount() - 1);
            BezigMetLaden = false;
        }
    }
    // Captions and the right-aligned generator panel.
    lblAanTalSpellen.SetCaption(Tekst(11) + QLatin1Char(':'));
    lblSpellen.SetLeft(lblAanTalSpellen.Left() + lblAanTalSpellen.Width() + 60);
    vscrSpellen.SetLeft(lblSpellen.Left() + lblSpellen.Width() + 15);
    fraOpening.SetCaption(Tekst(26));
    cmdGroepen.SetCaption(QLatin1Char('&') + Tekst(60));
    lblMinimaal.SetCaption(Tekst(27));
    lblMaximaal.SetCaption(Tekst(28));
    cmdStart.SetCaption(Tekst(22));
    lblToonSpel.SetCaption(Tekst(23) + QLatin1Char(':'));
    lblDitspel.SetLeft(lblToonSpel.Left() + lblToonSpel.Width() + 60);
    vscrDitSpel.SetLeft(lblDitspel.Left() + lblDitspel.Width() + 16);
    vscrDitSpel.SetLeft(picBack.Width() - vscrSpellen.Width());
    vscrSpellen.SetLeft(vscrDitSpel.Left());
    lblSpellen.SetLeft(vscrDitSpel.Left() - lblSpellen.Width() - 15);
    lblAanTalSpellen.SetLeft(lblSpellen.Left() - lblAanTalSpellen.Width() - 15);
    lblDitspel.SetLeft(vscrSpellen.Left() - lblDitspel.Width());
    lblToonSpel.SetLeft(lblDitspel.Left() - lblToonSpel.Width() - 15);
    cmdStart.SetLeft(lblSpellen.Left());
    cmdStart.SetWidth(lblSpellen.Width() + vscrSpellen.Width() + 15);
    // Alt+V belongs to the version box: "Save" takes its E instead.
    cmdOpslaan.SetCaption(WithAccessKey(Tekst(25), QLatin1Char('e')));
    // The holdings are shown, not typed: no stops of the Tab order, also
    // while a board enables them.
    for (int i = 0; i < 16; ++i) {
        txtInvoer[i].SetEnabled(false);
        txtInvoer[i].SetTabIndex(i + 10);
        txtInvoer[i].SetTabStop(false);
    }
    // Point lists "40" down to "1", the window of the settings
    // selected (LeesInstellingen keeps it inside the spinner rules).
    BezigMetLaden = true;
    lstMinimaal.Clear();
    lstMaximaal.Clear();
    for (int k = 40; k >= 1; --k) {
        lstMinimaal.AddItem(QString::number(k));
        lstMaximaal.AddItem(QString::number(k));
        if (k == MinimaalPunten) {
            lblMin.SetCaption(QString::number(k));
            vscrMin.SetValue(lstMinimaal.ListCount() - 1);
        }
        if (k == MaximaalPunten) {
            lblMax.SetCaption(QString::number(k));
            vscrMax.SetValue(lstMaximaal.ListCount() - 1);
        }
    }
    BezigMetLaden = false;
    lblMin.SetLeft(lblMinimaal.Left() + lblMinimaal.Width() + 90);
    vscrMin.SetLeft(lblMin.Left() + lblMin.Width() + 15);
    lblMax.SetLeft(lblMin.Left());
    vscrMax.SetLeft(vscrMin.Left());
    chkPuntenToepassen.SetCaption(Tekst(16));
    // Distribution summary.
    for (int i = 0; i < 6; ++i) {
        lblSpellenInfo[i].SetCaption(Tekst(29 + i) + QStringLiteral(": "));
        lblLengtes[i].SetCaption("");
        lblLengtes[i].Move(lblSpellenInfo[i].Left() + lblSpellenInfo[i].Width(), lblSpellenInfo[i].Top());
    }
    // Captions of the close, delete and names buttons and the set frame; the
    // shared colours (black, white, white header row).
    cmdAfsluiten.SetCaption(Tekst(35));
    fraSpellen.SetCaption(Tekst(36));
    cmdWissen.SetCaption(QLatin1Char('&') + Tekst(37));
    KleurZwart = 0;
    KleurWit = 16777215;
    KleurKopRij = 16777215;
    cmdNamen.SetCaption(QLatin1Char('&') + Tekst(48));
    // The settings button's caption, on its I in Dutch and its T in English.
    if (TaalNummer == 10)
        cmdInstellingen.SetCaption(QLatin1Char('&') + Tekst(63));
    else
        cmdInstellingen.SetCaption(Tekst(63).replace(QLatin1Char('t'), QStringLiteral("&t")));
    // The sibling results program.
    const CvnVondst cvn = ZoekCvn(WinePrefix());
    CvnMap = cvn.map;
    CvnSerie = cvn.map.isEmpty() ? QString() : Tekst(49) + cvn.serie + Tekst(50);
    // Captions of the printer-settings and print buttons.
    // On its R in both languages: the P is the print button's.
    cmdPrinterInstellingen.SetCaption(Tekst(95).replace(QLatin1Char('r'), QStringLiteral("&r")));
    cmdAfdrukken.SetCaption(QLatin1Char('&') + Tekst(103));
    // The stored print width; captions of the entry and send buttons and the
    // ten box, which lines up with the board selector's label.
    PdfBreedte = LeesPrinterInstellingen().breedte;
    cmdInvoeren.SetCaption(Tekst(111));
    cmdVerstuur.SetCaption(Tekst(112));
    // The English texts of the ten box, the lessons button and the
    // provider-file button carry no access key; they get free letters.
    const bool engels = TaalNummer == 11;
    chkTien.SetCaption(engels ? WithAccessKey(Tekst(113), QLatin1Char('y')) : Tekst(113));
    chkTien.SetLeft(lblToonSpel.Left());
    chkTien.SetWidth(picBack.Width() - chkTien.Left());
    // The ten: without the key the ten shows as "10". The key is then
    // written, so that every window reading it agrees with this box.
    LeesIni("Tien", "Tien", IniBestand);
    if (IniWaarde.isEmpty()) SchrijfIni("Tien", "Tien", "0", IniBestand);
    BezigMetLaden = true;
    Tien = Val(IniWaarde) != 0;
    chkTien.SetValue(Tien ? 1 : 0);
    BezigMetLaden = false;
    // Captions of the sort box and the lessons and clipboard buttons; the
    // hidden week number starts at 39.
    chkSorteer.SetCaption(Tekst(117));
    cmdLessen.SetCaption(engels ? WithAccessKey(Tekst(189), QLatin1Char('m')) : Tekst(189));
    BezigMetLaden = false;
    WeekNummer = 39;
    cmdKlembord.SetCaption(Tekst(202));
    // Fixed sizes of the deal set frame.
    fraSpellen.SetHeight(3195);
    chkSorteer.SetTop(2820);
    lstSpellen.SetHeight(2400);
    cmdKlembord.SetVisible(true);
    // The PDF folder, written to the settings: the program folder's own.
    // A path the settings file cannot hold (a letter outside its code page)
    // is written as an empty key instead, without a word: every reader of
    // the key takes an empty one for that same folder.
    const QString pdfMap = programFolder() + QStringLiteral("/PDF");
    SchrijfIni("Mappen", "PDF Map", OpslaanBezwaar(pdfMap, kProfileValueMax).isEmpty() ? pdfMap : QString(),
               IniBestand);
    // Captions of the MAIL.TXT, video and download buttons.
    cmdMAILTXT.SetCaption(WithAccessKey(Tekst(215), engels ? QLatin1Char('w') : QLatin1Char('m')));
    // The I of the Dutch settings button is taken.
    cmdVideo.SetCaption(TaalNummer == 10 ? QStringLiteral("Vi&deo") : QStringLiteral("V&ideo"));
    cmdDownLoad.SetCaption(QStringLiteral("Down&load"));
    // The mail providers.
    LeesMailTxt(*this);

    // The hub buttons on (Schakel would leave off a button whose window is
    // not built; every one of them now has its window).
    for (CommandButton* b : {&cmdNamen, &cmdGroepen, &cmdVerstuur, &cmdInvoeren, &cmdInstellingen,
                             &cmdPrinterInstellingen, &cmdMAILTXT, &cmdVideo, &cmdDownLoad})
        Schakel(*b, true);
    MaakBordLeeg();
    // The design geometry for scaling, after every move above.
    BewaarPosities(*this);
}

void frmVeldom01Form::MaakBordLeeg() {
    for (int i = 0; i < 16; ++i) {
        txtInvoer[i].SetText("");
        txtInvoer[i].SetEnabled(false);
    }
}

// ---------------------------------------------------------------------------
// Activation, keys, closing, resizing

void frmVeldom01Form::Form_Activate() {
    // The ten box follows the key (another window may have changed it);
    // its click handler converts the holdings shown.
    LeesIni("Tien", "Tien", IniBestand);
    chkTien.SetValue(Val(IniWaarde) != 0 ? 1 : 0);
    // No Save-as answer left over and no dialog counted as open.
    SessieNaam.clear();
    AanroepScherm = 0;
    // Settings, as other windows may have changed them.
    LeesInstellingen();
    SetPromptLanguage(TaalNummer == 11);
    // The organiser's name may have been changed in the settings window.
    LeesEigenaarNaam();
    // The box decides how the ten shows, so that box and display agree
    // whatever default the loader took for a missing key.
    Tien = chkTien.Value() != 0;
    // The point window of the settings.
    ZetPuntenLabels();
    // The PDF printer, as the printer settings may have changed it.
    LeesIni("Printer", "PDF printer", IniBestand);
    PdfPrinter = IniWaarde.trimmed();
    // Print and lessons only with a set on screen.
    const bool heeftSet = lstSpellenSet1.ListCount() > 0;
    Schakel(cmdAfdrukken, heeftSet);
    Schakel(cmdLessen, heeftSet);
    // A folder "pdf" in the program folder, made when missing.
    QString pdf = programFolder() + QStringLiteral("/pdf");
    MaakMappen(pdf);
    // The deal set list and its order.
    LeesSorteer(*this, chkSorteer, "");
    VulSpelBestanden();
    // Sending needs the internet.
    if (InternetAanwezig) {
        Schakel(cmdVerstuur, true);
        cmdVerstuur.SetBackColor(vbWhite);
    } else {
        cmdVerstuur.SetEnabled(false);
        cmdVerstuur.SetBackColor(KleurLichtRood);
        cmdVerstuur.SetCaption(Tekst(162));
    }
    // The window's scaled layout; the focus on the button off screen.
    HerstelScherm(*this);
    ZetFocus(*this, cmdFocus);
}

void frmVeldom01Form::ZetPuntenLabels() {
    // The pair LeesInstellingen loaded, inside the spinner rules, as the
    // settings window shows it; nothing is written back, so a hand-edited
    // taal.ini keeps its text until the user steps a spinner.
    lblMin.SetCaption(QString::number(MinimaalPunten));
    lblMax.SetCaption(QString::number(MaximaalPunten));
    BezigMetLaden = true;
    for (int k = lstMinimaal.ListCount() - 1; k >= 0; --k) {
        if (ValInteger(lstMinimaal.List(k)) == MinimaalPunten) vscrMin.SetValue(k);
        if (ValInteger(lstMaximaal.List(k)) == MaximaalPunten) vscrMax.SetValue(k);
    }
    BezigMetLaden = false;
}

void frmVeldom01Form::Form_KeyUp(int& KeyCode, int Shift) {
    if (KeyCode == vbKeyEscape) {
        // Ends the program, keeping the window size.
        BewaarSchermGrootte(*this);
        End();
        return;
    }
    if (KeyCode == 86 && Shift == vbAltMask) {
        MsgBox(MetRegels(Tekst(184).replace(QLatin1Char('~'), ProgrammaVersie())), vbInformation,
               Caption());
        ZetFocus(*this, cmdFocus);
        return;
    }
    if (KeyCode == 83 && Shift == (vbCtrlMask | vbAltMask)) cmdLessen.SetVisible(!cmdLessen.Visible());
}

void frmVeldom01Form::Form_QueryUnload(int& Cancel, int) {
    BewaarSchermGrootte(*this);
    Cancel = 0;
}

void frmVeldom01Form::Form_Unload(int&) {
    // The main window lives as long as the program; the provider file it
    // loaded and the set it shows go with it.
    VergeetMailTxt();
    ZetSpellenBron(nullptr);
    End();
}

void frmVeldom01Form::Form_Resize() {
    if (timSchudForm.Enabled()) return;
    if (WindowState() == vbNormal)
        Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
    SchaalScherm(*this);
}

void frmVeldom01Form::cmdAfdrukken_Click() {
    ZetFocus(*this, cmdFocus);
    if (!SetAfdrukbaar()) return;
    KiesPrinter(PdfPrinter);
    ZetFocus(*this, cmdFocus);
    WeekNummer = int(Val(txtNummer.Text())) + 1;
    txtNummer.SetText(QString::number(WeekNummer + 100).right(2));
    // The print-job window and its layout window keep this window from
    // input until the job window unloads.
    ShowOwned(frmVeldom08);
}

void frmVeldom01Form::cmdAfsluiten_Click() {
    int cancel = 0;
    Form_QueryUnload(cancel, vbFormCode);
    End();
}

void frmVeldom01Form::cmdOpslaan_Click() {
    // The Save-as dialog saves the set in lstSpellenSet and gives this
    // window back when it closes; the activation then lists the new file.
    AanroepScherm = 1;
    ZetFocus(*this, cmdFocus);
    OpenBewaarDialoog(*this, [this](frmVeldom02Form& dialoog, const QString& naam) {
        const QStringList regels = lstSpellenSet.Items();
        if (regels.isEmpty())
            return true;  // no set loaded: nothing to save
        return dialoog.BewaarInMap(QStringLiteral("Spellen"), naam, regels);
    });
}

void frmVeldom01Form::cmdInvoeren_Click() {
    AanroepScherm = 1;
    OpenVenster(frmVeldom11);
}

void frmVeldom01Form::cmdKlembord_Click() {
    OpenVenster(frmVeldom17);
}

void frmVeldom01Form::cmdInstellingen_Click() {
    // The activation after it closes shows the settings it stored.
    AanroepScherm = 1;
    OpenVenster(frmVeldom06);
}

void frmVeldom01Form::cmdPrinterInstellingen_Click() {
    AanroepScherm = 1;
    OpenVenster(frmVeldom07);
}

void frmVeldom01Form::cmdMAILTXT_Click() {
    OpenVenster(frmVeldom18);
}

void frmVeldom01Form::cmdLessen_Click() {
    // The lessons window copies the board shown and sets the caller number
    // itself when it activates.
    ZetFocus(*this, cmdFocus);
    GetoondBord bord;
    for (int i = 0; i < 16; ++i) bord.holdings << txtInvoer[i].Text();
    for (int i = 0; i < 4; ++i) {
        bord.winden << lblWind[i].Caption();
        bord.punten << lblPunten[i].Caption();
    }
    bord.spelnummer = lblSpelnummer.Caption();
    bord.gever = lblGever.Caption();
    bord.kwetsbaar = lblKwetsbaar.Caption();
    OpenLessen(*this, bord);
}

bool frmVeldom01Form::SetAfdrukbaar() {
    const QList<int> leeg = les::LegeSpellen(lstSpellenSet1.Items());
    if (leeg.isEmpty()) return true;
    QStringList nummers;
    for (int b : leeg) nummers << QString::number(b);
    QString tekst = Tekst(346);
    tekst.replace(QLatin1Char('#'), nummers.join(QStringLiteral(", ")));
    tekst.replace(QLatin1Char('~'), platform::StripAccessKeys(Tekst(189)));
    MeldFout(MetRegels(tekst), vbInformation);
    ZetFocus(*this, cmdFocus);
    return false;
}

void frmVeldom01Form::cmdNamen_Click() {
    AanroepScherm = 1;
    OpenVenster(frmVeldom04);
}

void frmVeldom01Form::cmdVerstuur_Click() {
    AanroepScherm = 1;
    OpenVenster(frmVeldom10);
}

void frmVeldom01Form::cmdGroepen_Click() {
    AanroepScherm = 1;
    OpenVenster(frmVeldom05);
}

void frmVeldom01Form::cmdVideo_Click() {
    ZetFocus(*this, cmdFocus);
    const QString adres = ServerUrl(QStringLiteral("/Drovik/video.html"));
    if (WebsiteBereikbaar && !adres.isEmpty())
        OpenMetBureaublad(adres);
    else
        MsgBox(Tekst(82), vbInformation, Caption());
}

void frmVeldom01Form::cmdDownLoad_Click() { DownloadUpdate(*this); }

void frmVeldom01Form::lblSpelnummer_Click() {
    // Prints the whole set in layout 2: only with a set on screen and no
    // run going. The layout window gives this window back when it closes.
    if (bezigMetRun_ || lstSpellenSet1.ListCount() == 0) return;
    if (!SetAfdrukbaar()) return;
    ShowOwned(frmVeldom14);
}

// ---------------------------------------------------------------------------
// The generator

void frmVeldom01Form::cmdStart_MouseDown(int Button, int, float, float) {
    LeesIni("Standaard", "Bibberen Aan", IniBestand);
    if (Button == vbRightButton) {
        if (Val(IniWaarde) == 0) {
            BibberenAan = true;
            SchrijfIni("Standaard", "Bibberen Aan", "1", IniBestand);
            MsgBox(Tekst(185), vbInformation, Caption());
        } else {
            BibberenAan = false;
            SchrijfIni("Standaard", "Bibberen Aan", "0", IniBestand);
            MsgBox(Tekst(186), vbInformation, Caption());
        }
        ZetFocus(*this, cmdFocus);
        return;
    }
    BibberenAan = Val(IniWaarde) != 0;
    cmdStart_Click();
    muisStart_ = Button == vbLeftButton;
}

void frmVeldom01Form::cmdStart_Click() {
    if (bezigMetRun_) return;
    bezigMetRun_ = true;
    ++runs_;
    // The start button off, the card letters, the loading flag raised.
    cmdStart.SetEnabled(false);
    const QString letters = Tekst(24);
    BezigMetLaden = true;
    // A run that deals no board leaves the set on screen as it was: the
    // boards dealt replace it only at the end.
    QStringList nieuweSet;
    const QString vorigNummer = lblSpelnummer.Caption();
    const QString vorigeGever = lblGever.Caption();
    const QString vorigKwetsbaar = lblKwetsbaar.Caption();
    if (BibberenAan) timSchudForm.SetEnabled(true);
    ZetFocus(*this, cmdFocus);
    // Nothing can be pressed during the run; the window itself takes no
    // input either, so no handler can change the lists under the run.
    // Painting and the shake timer go on.
    Control* uit[] = {&cmdKlembord, &cmdOpslaan,   &cmdAfsluiten, &cmdNamen,
                      &cmdGroepen,  &cmdInstellingen, &cmdPrinterInstellingen, &cmdAfdrukken,
                      &cmdVerstuur, &cmdInvoeren,  &vscrSpellen,  &vscrDitSpel,
                      &vscrMin,     &vscrMax,      &cmdVideo,     &chkTien,
                      &chkPuntenToepassen};
    bool aanVoorDeRun[std::size(uit)];
    for (std::size_t i = 0; i < std::size(uit); ++i) aanVoorDeRun[i] = uit[i]->Enabled();
    for (Control* c : uit) c->SetEnabled(false);
    SetEnabled(false);
    // Board count and point window as shown, brought inside the spinner
    // rules for this run only (taal.ini keeps what is stored), so that
    // every run can end. The opening types the settings window allows
    // narrow the boards further.
    const int gevraagd = std::clamp(ValInteger(lblSpellen.Caption()), 1, spel::MaximaalSpellen);
    spel::LengteTellers tellers;
    spel::SpelEisen eisen;
    {
        const PuntenPaar paar =
            NormaliseerPuntvenster(ValInteger(lblMin.Caption()), ValInteger(lblMax.Caption()));
        eisen.venster.min = paar.min;
        eisen.venster.max = paar.max;
    }
    eisen.venster.toepassen = MinMaxToepassen != 0;
    eisen.soorten = spel::LeesToegestaneSoorten(IniBestand, TaalNummer);
    eisen.grenzen = spel::OpeningGrenzenUitInstellingen();
    QStringList winden;
    for (int w = 0; w < 4; ++w) winden << lblWind[w].Caption();
    pogingen_ = 0;

    // Settings that can hardly be met stop the run at the board that finds
    // no deal within the bound; the boards before it are kept.
    int aantal = 0;
    QString melding;
    spel::Verdeling v;
    for (int b = 1; b <= gevraagd; ++b) {
        // Pending window events run once per board.
        DoEvents();
        lblSpelnummer.SetCaption(QString::number(b));
        lblGever.SetCaption(Tekst(5) + QStringLiteral(": ") + Tekst(1 + GeverVanSpel(b)));
        lblKwetsbaar.SetCaption(Tekst(6) + QStringLiteral(": ") + Tekst(7 + KwetsbaarVanSpel(b)));
        eisen.gever = GeverVanSpel(b);
        eisen.kwetsbaarCode = KwetsbaarVanSpel(b);
        const spel::ZoekUitkomst gezocht = spel::ZoekSpelMetEisen(spel::ProgrammaGever(), eisen, v);
        pogingen_ += gezocht.pogingen;
        if (!gezocht.gevonden) {
            const spel::Knelpunten knelpunten = spel::MeetKnelpunten(spel::ProgrammaGever(), eisen, 1'000'000);
            melding = spel::GeenSpelMelding(b, gezocht.pogingen, aantal, eisen, knelpunten);
            break;
        }
        for (int w = 0; w < 4; ++w) {
            for (int k = 0; k < 4; ++k) {
                TextBox& box = txtInvoer[4 * w + k];
                box.SetText(spel::TienVoorWeergave(spel::HoudingTekst(v.hand[w], k, letters), Tien));
                box.SetForeColor(KleurVanKleur(k));
                box.SetEnabled(true);
                box.SetVisible(true);
            }
            lblPunten[w].SetCaption(QStringLiteral("(%1)").arg(v.punten[w]));
            lblPunten[w].SetVisible(true);
        }
        tellers.Tel(v);
        for (int i = 0; i < 6; ++i) lblLengtes[i].SetCaption(QString::number(tellers.aantal[i]));
        nieuweSet << spel::BouwSpelRecord(b, v, winden, letters, Tien);
        aantal = b;
    }

    if (aantal == 0) {
        // Not one board: everything as before the run, then the message.
        lblSpelnummer.SetCaption(vorigNummer);
        lblGever.SetCaption(vorigeGever);
        lblKwetsbaar.SetCaption(vorigKwetsbaar);
        timSchudForm.SetInterval(60000);
        Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
        timSchudForm.SetEnabled(false);
        timSchudForm.SetInterval(50);
        BezigMetLaden = false;
        cmdStart.SetEnabled(true);
        for (std::size_t i = 0; i < std::size(uit); ++i) uit[i]->SetEnabled(aanVoorDeRun[i]);
        SetEnabled(true);
        bezigMetRun_ = false;
        ZetFocus(*this, cmdFocus);
        MeldFout(melding, vbExclamation);
        return;
    }

    // End of the run: the set, the file image, the board selector, board 1 shown.
    lstSpellenSet1.Clear();
    for (const QString& record : nieuweSet) lstSpellenSet1.AddItem(record);
    lstSpellenSet.Clear();
    QStringList bijschriften;
    for (int i = 0; i < 6; ++i) bijschriften << lblSpellenInfo[i].Caption();
    lstSpellenSet.AddItem(spel::BouwVerdelingsKop(bijschriften, tellers));
    for (int i = 0; i < lstSpellenSet1.ListCount(); ++i) lstSpellenSet.AddItem(lstSpellenSet1.List(i));
    geladenSet_.clear();
    BezigMetLaden = false;
    Schakel(cmdOpslaan, true);
    Schakel(cmdKlembord, true);
    lstDitSpel.Clear();
    for (int b = aantal; b >= 1; --b) lstDitSpel.AddItem(QString::number(b));
    BezigMetLaden = true;
    vscrDitSpel.SetMax(lstDitSpel.ListCount());
    vscrDitSpel.SetValue(lstDitSpel.ListCount() - 1);
    lblDitspel.SetCaption(lstDitSpel.List(lstDitSpel.ListCount() - 1));
    vscrDitSpel.SetEnabled(true);
    BezigMetLaden = false;
    cmdStart.SetEnabled(true);
    Schakel(cmdAfdrukken, true);
    lblSpelnummer.SetCaption("1");
    vscrDitSpel.SetValue(0);
    vscrDitSpel.SetValue(lstDitSpel.ListCount() - 1);
    timSchudForm.SetInterval(60000);
    Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
    timSchudForm.SetEnabled(false);
    Schakel(cmdAfsluiten, true);
    Schakel(cmdNamen, true);
    Schakel(cmdGroepen, true);
    Schakel(cmdInstellingen, true);
    Schakel(cmdPrinterInstellingen, true);
    Schakel(cmdAfdrukken, true);
    Schakel(cmdLessen, true);  // a set on screen: its boards can go into a lesson
    Schakel(cmdVerstuur, cmdVerstuur.Caption() != Tekst(162));
    Schakel(cmdInvoeren, true);
    for (Control* c : std::initializer_list<Control*>{&vscrSpellen, &vscrDitSpel, &vscrMin, &vscrMax,
                                                      &chkTien, &chkPuntenToepassen})
        c->SetEnabled(true);
    Schakel(cmdVideo, true);
    timSchudForm.SetInterval(50);
    SetEnabled(true);
    bezigMetRun_ = false;
    ZetFocus(*this, cmdFocus);
    if (!melding.isEmpty()) {
        // The labels still name the board not found: show board 1 again.
        ToonSpelVanWaarde(lstDitSpel.ListCount() - 1);
        MeldFout(melding, vbExclamation);
    }
}

void frmVeldom01Form::timSchudForm_Timer() {
    const Schok s = Schokken[spel::ProgrammaGever().Trek(6)];
    Move((Screen().Width() - Width()) / 2 + s.links, (Screen().Height() - Height()) / 2 + s.boven);
}

// ---------------------------------------------------------------------------
// Board display and generator settings

void frmVeldom01Form::ToonSpelVanWaarde(int waarde) {
    // Shows the board even when the selector already stands on it.
    if (vscrDitSpel.Value() == waarde)
        vscrDitSpel_Change();
    else
        vscrDitSpel.SetValue(waarde);
}

void frmVeldom01Form::vscrDitSpel_Change() {
    // Without a set there is nothing to show.
    if (BezigMetLaden || !VolgSpinner(vscrDitSpel, lstDitSpel, lblDitspel)) return;
    const int b = ValInteger(lblDitspel.Caption());
    if (b < 1 || b > lstSpellenSet1.ListCount()) return;
    Velden = lstSpellenSet1.List(b - 1).split(QLatin1Char('~'));
    while (Velden.size() < spel::RecordVelden) Velden << QString();
    for (int i = 0; i < 16; ++i) {
        Velden[i + 1] = spel::TienVoorWeergave(Velden[i + 1], Tien);
        txtInvoer[i].SetEnabled(true);
        txtInvoer[i].SetText(Velden[i + 1]);
        txtInvoer[i].SetForeColor(KleurVanKleur(i % 4));
    }
    for (int w = 0; w < 4; ++w) lblPunten[w].SetCaption(spel::PuntenVanWindVeld(Velden[w + 17]));
    lblSpelnummer.SetCaption(QString::number(b));
    lblGever.SetCaption(Tekst(5) + QStringLiteral(": ") + Tekst(1 + GeverVanSpel(b)));
    lblKwetsbaar.SetCaption(Tekst(6) + QStringLiteral(": ") + Tekst(7 + KwetsbaarVanSpel(b)));
    ZetFocus(*this, cmdFocus);
}

void frmVeldom01Form::chkTien_Click() {
    if (BezigMetLaden) return;
    VolgTienVakje(chkTien, txtInvoer);
    ZetFocus(*this, cmdFocus);
}

void frmVeldom01Form::vscrMin_Change() {
    if (BezigMetLaden) return;
    StapPuntSpinner(vscrMin, spel::RegelMinimum(vscrMin.Value(), ValInteger(lblMax.Caption())));
}

void frmVeldom01Form::vscrMax_Change() {
    if (BezigMetLaden) return;
    StapPuntSpinner(vscrMax, spel::RegelMaximum(vscrMax.Value(), ValInteger(lblMin.Caption())));
}

void frmVeldom01Form::StapPuntSpinner(VScrollBar& vscr, int index) {
    // The pair is stored as it is shown, the stepped value with the other.
    const bool isMin = &vscr == &vscrMin;
    Label& label = isMin ? lblMin : lblMax;
    ZetSpinnerOp(vscr, isMin ? lstMinimaal : lstMaximaal, label, index, [&](const QString& tekst) {
        return SchrijfIni("Punten",
                          {{"MinimaalPunten", isMin ? tekst : lblMin.Caption()},
                           {"MaximaalPunten", isMin ? lblMax.Caption() : tekst}},
                          IniBestand);
    });
    (isMin ? MinimaalPunten : MaximaalPunten) = ValInteger(label.Caption());
    ZetFocus(*this, cmdFocus);
}

void frmVeldom01Form::vscrSpellen_Change() {
    if (BezigMetLaden || !VolgSpinner(vscrSpellen, lstSpelNummers, lblSpellen, "Standaard", "Spellen")) return;
    ZetFocus(*this, cmdFocus);
}

void frmVeldom01Form::chkPuntenToepassen_Click() {
    if (BezigMetLaden) return;
    SchrijfIni("Punten", "MinMaxToepassen", QString::number(chkPuntenToepassen.Value()), IniBestand);
    MinMaxToepassen = chkPuntenToepassen.Value() != 0 ? 1 : 0;
    ZetFocus(*this, cmdFocus);
}

void frmVeldom01Form::chkSorteer_Click() {
    ZetFocus(*this, cmdFocus);
    chkSorteer.SetCaption(Tekst(chkSorteer.Value() == 0 ? 117 : 118));
    BewaarSorteer(*this, chkSorteer, "");
    VulSpelBestanden();
}

void frmVeldom01Form::txtInvoer_Change(int) {
    // Typing in a holding box changes nothing in the set.
}

// ---------------------------------------------------------------------------
// Deal set files

void frmVeldom01Form::VulSpelBestanden() {
    lstSpellen.Clear();
    QString map = programFolder() + QStringLiteral("/Spellen");
    MaakMappen(map);
    filSpellen.SetPath(resolvePath(map));
    filSpellen.SetPattern("*.txt");
    filSpellen.Refresh();
    const int sorteer = chkSorteer.Value();
    if (sorteer == 0 || sorteer == 1)
        for (const QString& naam : spel::SpelSetNamen(filSpellen.Items(), sorteer == 1))
            lstSpellen.AddItem(naam);
    if (lstSpellen.ListCount() == 0)
        fraSpellen.SetCaption(Tekst(36));
    else
        fraSpellen.SetCaption(Tekst(36) + QStringLiteral(" (") + QString::number(lstSpellen.ListCount()) +
                              QLatin1Char(')'));
}

void frmVeldom01Form::lstSpellen_Click() {
    if (lstSpellen.ListIndex() < 0) return;
    const QString naam = lstSpellen.List(lstSpellen.ListIndex());
    // The whole file is read and checked first: a bad file leaves the set
    // on screen as it was.
    const spel::SpelSetUitkomst uitkomst = spel::LeesSpelSet(SpelBestandPad(naam));
    if (!uitkomst.Gelukt()) {
        MeldFout(spel::SpelSetMelding(uitkomst, naam, TaalNummer), vbExclamation);
        ZetFocus(*this, cmdFocus);
        return;
    }
    // The set's header and boards into the two lists.
    BezigMetLaden = true;
    lstSpellenSet.Clear();
    lstSpellenSet1.Clear();
    lstSpellenSet.AddItem(uitkomst.set.kop);
    for (const QString& record : uitkomst.set.records) {
        lstSpellenSet1.AddItem(record);
        lstSpellenSet.AddItem(record);
    }
    geladenSet_ = naam;
    // Board numbers N down to 1.
    const int aantal = lstSpellenSet1.ListCount();
    lstDitSpel.Clear();
    for (int b = aantal; b >= 1; --b) lstDitSpel.AddItem(QString::number(b));
    lblDitspel.SetCaption(lstDitSpel.List(lstDitSpel.ListCount() - 1));
    // The board count follows the set (the key is not written).
    lblSpellen.SetCaption(QString::number(aantal));
    vscrSpellen.SetValue(spel::MaximaalSpellen - aantal);
    BezigMetLaden = false;
    // Header counts.
    const QStringList kop = spel::KopVeldenVan(lstSpellenSet.List(0));
    for (int i = 0; i < 6; ++i) lblLengtes[i].SetCaption(spel::KopTelling(kop.value(i)));
    // The selector on board 1, which is shown.
    vscrDitSpel.SetMax(aantal);
    vscrDitSpel.SetEnabled(true);
    ToonSpelVanWaarde(aantal - 1);
    // A set on screen can be deleted, copied, saved, printed and made into
    // lessons.
    Schakel(cmdWissen, true);
    Schakel(cmdKlembord, true);
    Schakel(cmdOpslaan, true);
    Schakel(cmdAfdrukken, true);
    Schakel(cmdLessen, true);
    ZetFocus(*this, cmdFocus);
}

void frmVeldom01Form::cmdWissen_Click() {
    if (lstSpellen.ListIndex() < 0) {
        MeldFout(spel::WisMelding(spel::WisFout::GeenKeuze, QString(), TaalNummer), vbInformation);
        ZetFocus(*this, cmdFocus);
        return;
    }
    const QString naam = lstSpellen.List(lstSpellen.ListIndex());
    QString vraag = Tekst(47);
    vraag.replace(QLatin1Char('~'), naam + QStringLiteral(".txt"));
    if (MsgBox(MetRegels(vraag), vbYesNo | vbQuestion | vbDefaultButton2, Caption()) != vbYes) {
        ZetFocus(*this, cmdFocus);
        return;
    }
    ZetFocus(*this, cmdFocus);
    // A name that is not one plain file name has no file to delete here.
    const QString pad = resolvePath(SpelBestandPad(naam));
    if (pad.isEmpty() || (QFileInfo::exists(pad) && !QFile::remove(pad))) {
        MeldFout(spel::WisMelding(spel::WisFout::Mislukt, naam, TaalNummer), vbExclamation);
        return;
    }
    VulSpelBestanden();
    // The display is cleared only when the deleted file is the set shown.
    if (geladenSet_.isEmpty() || geladenSet_.compare(naam, Qt::CaseInsensitive) != 0) return;
    for (CommandButton* b : {&cmdWissen, &cmdOpslaan, &cmdAfdrukken, &cmdKlembord, &cmdLessen})
        b->SetEnabled(false);
    geladenSet_.clear();
    lblDitspel.SetCaption("");
    lblSpelnummer.SetCaption("");
    lstSpellenSet.Clear();
    lstSpellenSet1.Clear();
    lstDitSpel.Clear();
    BezigMetLaden = true;
    vscrDitSpel.SetValue(0);
    vscrDitSpel.SetMax(0);
    BezigMetLaden = false;
    MaakBordLeeg();
    for (int w = 0; w < 4; ++w) lblPunten[w].SetCaption("(0)");
    for (int i = 0; i < 6; ++i) lblLengtes[i].SetCaption("");
    ZetFocus(*this, cmdFocus);
}
