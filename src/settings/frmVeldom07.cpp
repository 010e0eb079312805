#include "settings/frmVeldom07.h"

#include <algorithm>

#include <QDir>

#include "deal/Spinner.h"
#include "platform/PdfPrinter.h"
#include "platform/Printer.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "settings/PrinterInstellingen.h"
#include "shared/Globals.h"
#include "shared/Ini.h"
#include "shared/Instellingen.h"
#include "shared/Scherm.h"
#include "shared/Tekst.h"

DEFINE_FORM(frmVeldom07, frmVeldom07Form)

using namespace platform;

namespace {

// Client area of the window as designed, twips.
constexpr int KlientBreedte = 9120;
constexpr int KlientHoogte = 5400;

const QString kSectie = QStringLiteral("Printer");

// Text 102 with its line-break marks as line feeds, and its first line.
QString GeenPrinterMelding() { return MetRegels(TaalTekst(102)); }
QString GeenPrinterRegel() { return TaalTekst(102).section(QLatin1Char('|'), 0, 0); }

}  // namespace

frmVeldom07Form::frmVeldom07Form() : Form(QStringLiteral("frmVeldom07")) {
    Ontwerp();
    lstPrinters.OnClick([this] { lstPrinters_Click(); });
    optRichting.OnClick([this](int i) { optRichting_Click(i); });
    vscrTussen.OnChange([this] { vscrTussen_Change(); });
    vscrVerklein.OnChange([this] { vscrVerklein_Change(); });
    cmdOpslaan.OnClick([this] { cmdOpslaan_Click(); });
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
}

// The window as designed: positions and sizes in twips.
void frmVeldom07Form::Ontwerp() {
    SetWidth(KlientBreedte + Width() - ScaleWidth());
    SetHeight(KlientHoogte + Height() - ScaleHeight());
    SetKeyPreview(true);

    fraPrinters.Move(120, 120, 4200, 3840);
    lstPrinters.Move(120, 300, 3960, 2460);
    lblPDFPrinter[0].Move(120, 2880, 3960, 255);
    lblPDFPrinter[1].Move(120, 3165, 3960, 540);
    lblPDFPrinter[1].SetFontBold(true);
    lblPDFPrinter[1].SetWordWrap(true);

    fraHoePDF.Move(4440, 120, 4560, 1860);
    for (int i = 0; i < 4; ++i) optRichting[i].Move(150, 300 + 375 * i, 4320, 315);

    lblTussenRuimte.Move(4560, 2190, 3000, 255);
    vscrTussen.Move(7680, 2100, 255, 435);
    lblTussen.Move(8040, 2190, 600, 255);
    lblTussen.SetFontBold(true);

    fraAanpassen.Move(4440, 2580, 4560, 1380);
    lblVerklein[0].Move(120, 300, 3360, 255);
    lblVerklein[1].Move(120, 585, 3360, 690);
    lblVerklein[1].SetWordWrap(true);
    vscrVerklein.Move(3660, 330, 255, 435);
    lblVerklein[2].Move(4020, 420, 420, 255);
    lblVerklein[2].SetFontBold(true);

    // Both spinners reach one step past either end of their lists, where
    // their change handlers wrap round.
    for (VScrollBar* v : {&vscrTussen, &vscrVerklein}) {
        v->SetMin(-1);
        v->SetMax(26);
        v->SetSmallChange(1);
        v->SetLargeChange(1);
    }
    lstTussen.SetVisible(false);
    lstverklein.SetVisible(false);

    lblOpslaan[0].Move(120, 4110, 8880, 255);
    lblOpslaan[1].Move(120, 4380, 8880, 255);
    for (int i = 0; i < 2; ++i) lblOpslaan[i].SetForeColor(vbRed);
    lblOpslaan[0].SetFontBold(true);

    cmdOpslaan.Move(120, 4800, 1455, 465);
    cmdTerug.Move(7545, 4800, 1455, 465);
    cmdFocus.Move(0, 0, 15, 15);
    cmdFocus.SetTabIndex(9999);
}

void frmVeldom07Form::Centreer() {
    Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
}

void frmVeldom07Form::Form_Load() {
    // Centred on the screen; captions of the window, the buttons, the frames
    // and the labels; the focus button off screen.
    Centreer();
    SetCaption(TaalTekst(95));
    cmdTerug.SetCaption(QStringLiteral("&") + TaalTekst(42));
    // "Save" on its E: the V is the first layout's.
    cmdOpslaan.SetCaption(platform::WithAccessKey(TaalTekst(25), QLatin1Char('e')));
    fraPrinters.SetCaption(TaalTekst(96));
    lblPDFPrinter[0].SetCaption(TaalTekst(97) + QStringLiteral(":"));
    lblPDFPrinter[1].SetCaption(QString());
    fraHoePDF.SetCaption(TaalTekst(98));
    lblTussenRuimte.SetCaption(TaalTekst(166));
    cmdFocus.SetLeft(Screen().Width() + 10);

    // The stored printer (a value outside its range is read as the
    // print chain reads it).
    const PrinterInstellingen stand = LeesPrinterInstellingen();
    lblPDFPrinter[1].SetCaption(stand.printer);
    ::PdfPrinter = stand.printer;

    // Every printer the system offers.
    for (const QString& naam : PrinterNames()) lstPrinters.AddItem(naam);

    // Captions of the four layouts.
    const int teksten[4] = {175, 176, 177, 204};
    for (int i = 0; i < 4; ++i) optRichting[i].SetCaption(TaalTekst(teksten[i]));

    // Selecting the stored layout writes nothing.
    BezigMetLaden = true;
    optRichting[stand.richting].SetValue(true);
    BezigMetLaden = false;

    // Where the PDFs go, and the captions of the narrowing frame.
    lblOpslaan[0].SetCaption(TaalTekst(104));
    lblOpslaan[1].SetCaption(QDir::toNativeSeparators(PdfFolder()));
    lblVerklein[0].SetCaption(TaalTekst(108));
    lblVerklein[1].SetCaption(TaalTekst(109));
    fraAanpassen.SetCaption(TaalTekst(110));

    // The narrowing and spacing lists, highest value first.
    BezigMetLaden = true;
    for (int n = kHoogsteBreedte; n >= 0; --n) lstverklein.AddItem(QString::number(n));
    for (int n = kHoogsteTussenruimte; n >= 0; --n) lstTussen.AddItem(QString::number(n));

    // The values are inside the lists, so each has its position.
    PdfBreedte = stand.breedte;
    lblVerklein[2].SetCaption(QString::number(PdfBreedte));
    vscrVerklein.SetValue(kHoogsteBreedte - PdfBreedte);
    Tussenruimte = stand.tussenruimte;
    lblTussen.SetCaption(QString::number(Tussenruimte));
    vscrTussen.SetValue(kHoogsteTussenruimte - Tussenruimte);

    // Loading done; the design geometry for scaling.
    BezigMetLaden = false;
    BewaarPosities(*this);
}

bool frmVeldom07Form::MarkeerPrinter(const QString& naam) {
    // Marking the printer from code stores nothing (the click handler
    // returns while the loading flag is raised).
    int rij = -1;
    for (int i = 0; i < lstPrinters.ListCount() && rij < 0; ++i)
        if (lstPrinters.List(i) == naam) rij = i;
    BezigMetLaden = true;
    lstPrinters.SetListIndex(rij);
    BezigMetLaden = false;
    return rij >= 0;
}

void frmVeldom07Form::Form_Activate() {
    ZetFocus(*this, cmdFocus);
    if (!MarkeerPrinter(lblPDFPrinter[1].Caption())) {
        // The stored key and PdfPrinter stay as they are until the user
        // picks a printer.
        MsgBox(GeenPrinterMelding(), vbInformation, Caption());
        lblPDFPrinter[1].SetCaption(GeenPrinterRegel());
    }
    ZetFocus(*this, cmdFocus);
}

void frmVeldom07Form::lstPrinters_Click() {
    if (BezigMetLaden) return;
    const QString naam = lstPrinters.Text();
    if (SchrijfIni(kSectie, QStringLiteral("PDF Printer"), naam, IniBestand)) {
        lblPDFPrinter[1].SetCaption(naam);
        ::PdfPrinter = naam;
    } else {
        // Not stored: the list marks the printer in force again.
        MarkeerPrinter(::PdfPrinter);
    }
    ZetFocus(*this, lstPrinters);
}

void frmVeldom07Form::optRichting_Click(int Index) {
    // While the window loads it only shows the stored layout.
    if (BezigMetLaden) return;
    if (!SchrijfIni(kSectie, QStringLiteral("Print Richting"), QString::number(Index), IniBestand)) {
        // Not stored: the button of the layout in force is selected again.
        BezigMetLaden = true;
        optRichting[LeesPrinterInstellingen().richting].SetValue(true);
        BezigMetLaden = false;
    }
    ZetFocus(*this, cmdFocus);
}

int frmVeldom07Form::GekozenRichting(int standaard) const {
    for (int i = 0; i < kAantalRichtingen; ++i)
        if (optRichting[i].Value()) return i;
    return std::clamp(standaard, 0, kAantalRichtingen - 1);
}

int frmVeldom07Form::SpinnerStap(VScrollBar& vscr, ListBox& lijst, Label& label, const QString& sleutel) {
    if (VolgSpinner(vscr, lijst, label, kSectie, sleutel)) ZetFocus(*this, cmdFocus);
    return ValInteger(label.Caption());
}

void frmVeldom07Form::vscrTussen_Change() {
    if (BezigMetLaden) return;
    Tussenruimte = SpinnerStap(vscrTussen, lstTussen, lblTussen, QStringLiteral("Tussenruimte"));
}

void frmVeldom07Form::vscrVerklein_Change() {
    if (BezigMetLaden) return;
    PdfBreedte = SpinnerStap(vscrVerklein, lstverklein, lblVerklein[2], QStringLiteral("PDF Breedte"));
}

void frmVeldom07Form::cmdOpslaan_Click() {
    // Every setting was stored when it changed. Saving stores what the window
    // shows once more, so that "saved" is only said when taal.ini took it;
    // otherwise the user has been told why and the window stays open.
    ZetFocus(*this, cmdFocus);
    const QString titel = Caption();
    const bool bewaard =
        (::PdfPrinter.isEmpty() || SchrijfIni(kSectie, QStringLiteral("PDF Printer"), ::PdfPrinter, IniBestand)) &&
        SchrijfIni(kSectie, QStringLiteral("Print Richting"),
                   QString::number(GekozenRichting(LeesPrinterInstellingen().richting)), IniBestand) &&
        SchrijfIni(kSectie, QStringLiteral("Tussenruimte"), QString::number(Tussenruimte), IniBestand) &&
        SchrijfIni(kSectie, QStringLiteral("PDF Breedte"), QString::number(PdfBreedte), IniBestand);
    if (!bewaard) return;
    MsgBox(titel + QStringLiteral(" ") + TaalTekst(89), vbInformation, titel);
    cmdTerug_Click();
}

void frmVeldom07Form::cmdTerug_Click() { Unload(*this); }

void frmVeldom07Form::Form_KeyUp(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode == vbKeyEscape) cmdTerug_Click();
}

void frmVeldom07Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)Cancel;
    (void)UnloadMode;
    BewaarSchermGrootte(*this);
}

void frmVeldom07Form::Form_Resize() {
    if (WindowState() == vbNormal) Centreer();
    SchaalScherm(*this);
}
