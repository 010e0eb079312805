#include "players/frmVeldom10.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

#include "platform/Events.h"
#include "platform/Paths.h"
#include "platform/PdfPrinter.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "platform/TextFile.h"
#include "shared/BasVeldom.h"
#include "shared/MailTxt.h"

using namespace platform;

DEFINE_FORM(frmVeldom10, frmVeldom10Form)

namespace {
// Design layout, twips.
constexpr int Marge = 120;
constexpr int RegelHoogte = 315;
constexpr int KnopHoogte = 375;
constexpr int KnopBreedte = 1215;
constexpr int KolomBreedte = 4320;
constexpr int KopRuimte = 300;  // a frame's caption above its first control
constexpr int PanelBreedte = 4800;
constexpr int PanelHoogte = 1500;

const QString GroepenMap = QStringLiteral("groepen");
const QString ScoreKaart = QStringLiteral("scorekaart.docx");

// A group file is a few dozen lines; anything far larger is no group file.
constexpr qint64 kGroepBestandMax = 1024 * 1024;

QString ScoreKaartPad() { return programPath(ScoreKaart); }
bool HeeftScoreKaart() { return BestandBestaat(ScoreKaartPad()) == 1; }

// A size in megabytes with one decimal, rounded up: a file just over the
// limit never reads as the limit itself.
QString Megabytes(qint64 bytes) {
    return QString::number(std::ceil(double(bytes) * 10 / (1024 * 1024)) / 10, 'f', 1);
}
}  // namespace

frmVeldom10Form::frmVeldom10Form() : Form("frmVeldom10") {
    SetKeyPreview(true);
    SetBorderStyle(vbSizable);
    drvPdf.OnChange([this] { drvPdf_Change(); });
    dirPDF.OnChange([this] { dirPDF_Change(); });
    dirPDF.OnDblClick([this] { dirPDF_DblClick(); });
    cmdMapOmhoog.OnClick([this] { cmdMapOmhoog_Click(); });
    filPdf.OnPathChange([this] { filPdf_PathChange(); });
    comWind.OnClick([this](int Index) { comWind_Click(Index); });
    lstGroepBestanden.OnClick([this] { lstGroepBestanden_Click(); });
    chkSorteer.OnClick([this] { chkSorteer_Click(); });
    cmdWissen.OnClick([this] { cmdWissen_Click(); });
    lstGroep.OnClick([this] { lstGroep_Click(); });
    cmdVerstuur.OnClick([this] { cmdVerstuur_Click(); });
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
    timPuntje.OnTimer([this] { timPuntje_Timer(); });
}

ListBox& frmVeldom10Form::WindLijst(int w) {
    switch (w) {
    case 0: return lstNoord;
    case 1: return lstOost;
    case 2: return lstZuid;
    default: return lstWest;
    }
}

// ---------------------------------------------------------------------------
// Opening, activation, closing

void frmVeldom10Form::Form_Load() {
    // Caption, focus button, captions of the back button and the PDF frame.
    SetCaption(platform::StripAccessKeys(TaalTekst(112)));
    cmdTerug.SetCaption("&" + TaalTekst(42));
    fraPdf.SetCaption(TaalTekst(114));

    // The folder last used; without one (or when it cannot be made) the
    // folder the PDF printer saves in.
    LeesIni("Mappen", "PDF Map", IniBestand);
    QString map = IniWaarde.trimmed();
    if (!map.isEmpty()) MaakMappen(map);
    if (map.isEmpty() || !QFileInfo(resolvePath(map)).isDir()) {
        map = PdfFolder();
        MaakMappen(map);
    }
    map = QDir::cleanPath(resolvePath(map));
    BezigMetLaden = true;
    drvPdf.SetDrive(map);
    BezigMetLaden = false;
    dirPDF.SetPath(map);
    filPdf.SetPattern(QStringLiteral("*.pdf"));
    filPdf.SetPath(map);
    filPdf.SetVisible(false);
    filGroepen.SetVisible(false);
    for (int w = 0; w < kWinden; ++w) WindLijst(w).SetVisible(false);

    BezigMetLaden = true;
    for (int i = 0; i < kWinden; ++i) {
        lblWind[i].SetCaption(TaalTekst(i + 1) + ":");
        comWind[i].SetText(TaalTekst(i + 1));
    }
    chkSorteer.SetCaption(TaalTekst(117));
    BezigMetLaden = false;

    fraGroepBestanden.SetCaption(TaalTekst(62));
    cmdWissen.SetCaption("&" + TaalTekst(37));
    fraGroep.SetCaption(TaalTekst(60));
    cmdVerstuur.SetCaption("&" + Caption());
    lblOnderwerp.SetCaption(TaalTekst(119) + ":");
    lblBody.SetCaption(TaalTekst(120));
    lblPuntje.SetCaption(QString());
    lblWelkeHand.SetCaption(QString());
    cmdMapOmhoog.SetCaption(QStringLiteral(".."));

    // Layout: the PDF frame on the left, the group files and the group on
    // the right, the buttons below.
    const int binnen = KolomBreedte - 2 * Marge;
    fraPdf.Move(Marge, Marge, KolomBreedte, 0);
    drvPdf.Move(Marge, KopRuimte, binnen, RegelHoogte);
    lblPdfMap.SetWordWrap(false);
    const int mapTop = drvPdf.Top() + drvPdf.Height() + 90;
    cmdMapOmhoog.Move(Marge + binnen - 480, mapTop, 480, RegelHoogte);
    lblPdfMap.Move(Marge, mapTop + 30, binnen - 480 - Marge, RegelHoogte - 30);
    dirPDF.Move(Marge, mapTop + RegelHoogte + 60, binnen, 2300);
    int top = dirPDF.Top() + dirPDF.Height() + 150;
    int labelBreedte = 0;
    for (int i = 0; i < kWinden; ++i) labelBreedte = std::max(labelBreedte, TextWidth(lblWind[i].Caption()) + 60);
    for (int i = 0; i < kWinden; ++i) {
        lblWind[i].Move(Marge, top + 45, labelBreedte, RegelHoogte - 45);
        comWind[i].Move(Marge + labelBreedte, top, binnen - labelBreedte, RegelHoogte);
        top += comWind[i].Height() + 90;
    }
    fraPdf.SetHeight(top + Marge - 90);

    const int rechts = fraPdf.Left() + KolomBreedte + Marge;
    fraGroepBestanden.Move(rechts, Marge, KolomBreedte, 0);
    lstGroepBestanden.Move(Marge, KopRuimte, binnen, 1100);
    top = lstGroepBestanden.Top() + lstGroepBestanden.Height() + 90;
    cmdWissen.Move(Marge + binnen - KnopBreedte, top, KnopBreedte, KnopHoogte);
    chkSorteer.Move(Marge, top + (KnopHoogte - RegelHoogte) / 2, binnen - KnopBreedte - Marge, RegelHoogte);
    fraGroepBestanden.SetHeight(top + KnopHoogte + Marge);

    fraGroep.Move(rechts, fraGroepBestanden.Top() + fraGroepBestanden.Height() + Marge, KolomBreedte,
                  fraPdf.Height() - fraGroepBestanden.Height() - Marge);
    // From the bottom up: the body, its label, the subject and its label;
    // the pair list takes the rest.
    const int groepHoogte = fraGroep.Height();
    txtBody.SetMultiLine(true);
    txtBody.SetScrollBars(2);
    txtBody.Move(Marge, groepHoogte - Marge - 700, binnen, 700);
    lblBody.Move(Marge, txtBody.Top() - RegelHoogte + 30, binnen, RegelHoogte - 60);
    txtOnderwerp.Move(Marge, lblBody.Top() - 60 - RegelHoogte, binnen, RegelHoogte);
    lblOnderwerp.Move(Marge, txtOnderwerp.Top() - RegelHoogte + 30, binnen, RegelHoogte - 60);
    lstGroep.Move(Marge, KopRuimte, binnen, lblOnderwerp.Top() - 90 - KopRuimte);

    const int knopTop = fraPdf.Top() + fraPdf.Height() + Marge;
    const int binnenBreedte = rechts + KolomBreedte + Marge;
    cmdTerug.Move(binnenBreedte - Marge - KnopBreedte, knopTop, KnopBreedte, KnopHoogte);
    const int verstuurBreedte = std::max(KnopBreedte, TextWidth(cmdVerstuur.Caption()) + 360);
    cmdVerstuur.Move(cmdTerug.Left() - Marge - verstuurBreedte, knopTop, verstuurBreedte, KnopHoogte);
    const int binnenHoogte = knopTop + KnopHoogte + Marge;
    Move(0, 0, binnenBreedte + (Width() - ScaleWidth()), binnenHoogte + (Height() - ScaleHeight()));
    Centreer();
    cmdFocus.Move(Screen().Width() + 10, 0, 100, 100);

    // The sending panel, in the middle of the window.
    picVerStuurDeMail.Move((binnenBreedte - PanelBreedte) / 2, (binnenHoogte - PanelHoogte) / 2, PanelBreedte,
                           PanelHoogte);
    picVerStuurDeMail.SetBackColor(vbWhite);
    lblWelkeHand.Move(Marge, Marge, PanelBreedte - 2 * Marge, RegelHoogte);
    lblWelkeHand.SetFontBold(true);
    lblVerstuurDeMail.SetWordWrap(true);
    lblVerstuurDeMail.Move(Marge, Marge + RegelHoogte + 60, PanelBreedte - 2 * Marge, 2 * RegelHoogte);
    lblPuntje.Move(Marge, PanelHoogte - Marge - RegelHoogte - 30, PanelBreedte - 2 * Marge, RegelHoogte);
    lblPuntje.SetFontBold(true);
    for (Label* l : {&lblWelkeHand, &lblVerstuurDeMail, &lblPuntje}) l->SetBackColor(vbWhite);
    picVerStuurDeMail.SetVisible(false);
    timPuntje.SetInterval(100);
    timPuntje.SetEnabled(false);

    fraGroepBestanden.SetEnabled(false);
    fraGroep.SetEnabled(false);
    cmdVerstuur.SetEnabled(false);
    cmdWissen.SetEnabled(false);

    LeesSorteer(*this, chkSorteer, QString());
    BewaarPosities(*this);
}

void frmVeldom10Form::Form_Activate() {
    AanroepScherm = 1;
    ZetFocus(*this, cmdFocus);
    VulPdfKeuzes();
    ToonGroepBestanden();
}

void frmVeldom10Form::Centreer() {
    Move((Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2);
}

void frmVeldom10Form::Form_Resize() {
    if (WindowState() != vbNormal) return;
    Centreer();
    SchaalScherm(*this);
}

void frmVeldom10Form::Form_KeyUp(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode == vbKeyEscape) cmdTerug_Click();
}

void frmVeldom10Form::cmdTerug_Click() { Unload(*this); }

void frmVeldom10Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)UnloadMode;
    // The mails go out inside the send handler; the window stays until the
    // last one has gone.
    if (versturen_) {
        Cancel = 1;
        return;
    }
    BewaarSchermGrootte(*this);
}

void frmVeldom10Form::Melding(const QString& tekst, int stijl) { MsgBox(tekst, stijl, Caption()); }

// ---------------------------------------------------------------------------
// The PDF folder and the four choices

void frmVeldom10Form::VulPdfKeuzes() {
    filPdf.SetPattern(QStringLiteral("*.pdf"));
    filPdf.SetPath(dirPDF.Path());
    filPdf.Refresh();
    lblPdfMap.SetCaption(dirPDF.Path());
    lblPdfMap.SetToolTipText(dirPDF.Path());
    cmdMapOmhoog.SetEnabled(dirPDF.Path() != QDir::rootPath());
    pdfBestanden_ = MapInhoud(filPdf.Path(), QStringLiteral(".pdf"), false);
    BezigMetLaden = true;
    for (int i = 0; i < kWinden; ++i) comWind[i].Clear();
    if (pdfBestanden_.isEmpty()) {
        for (int i = 0; i < kWinden; ++i) comWind[i].SetText(TaalTekst(i + 1));
        fraPdf.SetCaption(TaalTekst(114));
        BezigMetLaden = false;
        return;
    }
    for (const MapItem& item : pdfBestanden_)
        for (int i = 0; i < kWinden; ++i) comWind[i].AddItem(item.toon);
    for (int i = 0; i < kWinden; ++i) comWind[i].SetText(TaalTekst(114) + " " + TaalTekst(i + 1));
    SchrijfIni("Mappen", "PDF Map", filPdf.Path(), IniBestand);
    fraPdf.SetCaption(LijstKop(TaalTekst(114), comWind[0].ListCount()));
    BezigMetLaden = false;
}

void frmVeldom10Form::drvPdf_Change() {
    if (BezigMetLaden) return;
    dirPDF.SetPath(drvPdf.Drive());
    ZetFocus(*this, cmdFocus);
}

void frmVeldom10Form::dirPDF_Change() { filPdf.SetPath(dirPDF.Path()); }

void frmVeldom10Form::dirPDF_DblClick() {
    if (dirPDF.ListIndex() < 0) return;
    dirPDF.SetPath(dirPDF.List(dirPDF.ListIndex()));
}

void frmVeldom10Form::cmdMapOmhoog_Click() {
    QDir map(dirPDF.Path());
    if (map.cdUp()) dirPDF.SetPath(map.path());
    ZetFocus(*this, cmdFocus);
}

void frmVeldom10Form::filPdf_PathChange() { VulPdfKeuzes(); }

QString frmVeldom10Form::GekozenPdf(int w) const {
    const int i = comWind[w].ListIndex();
    if (i < 0 || i >= pdfBestanden_.size()) return QString();
    return QDir(filPdf.Path()).filePath(pdfBestanden_.at(i).naam);
}

void frmVeldom10Form::comWind_Click(int Index) {
    (void)Index;
    if (BezigMetLaden) return;
    for (int w = 0; w < kWinden; ++w)
        if (GekozenPdf(w).isEmpty()) {
            ZetFocus(*this, cmdFocus);
            return;
        }
    fraGroepBestanden.SetEnabled(true);
    SchrijfIni("Mappen", "PDF Map", filPdf.Path(), IniBestand);
    ZetFocus(*this, lstGroepBestanden);
}

// ---------------------------------------------------------------------------
// Group files

void frmVeldom10Form::ToonGroepBestanden() {
    QString map = programPath(GroepenMap);
    MaakMappen(map);
    filGroepen.SetPattern(QStringLiteral("*.txt"));
    filGroepen.SetPath(map);
    filGroepen.Refresh();
    groepBestanden_ = MapInhoud(map, QStringLiteral(".txt"), SorteerAflopend(chkSorteer.Value()));
    lstGroepBestanden.Clear();
    for (const MapItem& item : groepBestanden_) lstGroepBestanden.AddItem(item.toon);
    fraGroepBestanden.SetCaption(LijstKop(TaalTekst(62), lstGroepBestanden.ListCount()));
    // Nothing is selected in the new list: nothing to delete.
    cmdWissen.SetEnabled(false);
}

QString frmVeldom10Form::GekozenGroep() const {
    const int i = lstGroepBestanden.ListIndex();
    if (i < 0 || i >= groepBestanden_.size()) return QString();
    return QDir(programPath(GroepenMap)).filePath(groepBestanden_.at(i).naam);
}

void frmVeldom10Form::chkSorteer_Click() {
    ToonGroepBestanden();
    ZetFocus(*this, cmdFocus);
    chkSorteer.SetCaption(TaalTekst(chkSorteer.Value() == 0 ? 117 : 118));
    BewaarSorteer(*this, chkSorteer, QString());
}

void frmVeldom10Form::lstGroepBestanden_Click() {
    const QString pad = GekozenGroep();
    cmdWissen.SetEnabled(!pad.isEmpty());
    if (pad.isEmpty()) return;
    const QString naam = lstGroepBestanden.List(lstGroepBestanden.ListIndex());

    lstGroep.Clear();
    for (int w = 0; w < kWinden; ++w) WindLijst(w).Clear();
    geladenGroep_.clear();

    QStringList regels;
    if (!readTextLines(pad, regels, nullptr, kGroepBestandMax)) {
        QString tekst = TaalTekst(386);
        Melding(tekst.replace(QLatin1Char('~'), QFileInfo(pad).fileName()), vbExclamation);
        regels.clear();
    }
    // Read by the one reader of pair lines first: a file with a line that
    // is no pair is named with that line, and nobody of it is mailed.
    QVector<groep::Paar> paren;
    if (const int slecht = groep::LeesPaarRegels(regels, groep::Nummering::OpPlaats, paren); slecht > 0) {
        Melding(groep::ParenLeesMelding(QFileInfo(pad).fileName(), QString(), slecht), vbExclamation);
        regels.clear();
    }
    const WindIndeling indeling = DeelGroepIn(regels);
    for (int w = 0; w < kWinden; ++w)
        for (const WindSpeler& s : indeling.wind[w]) WindLijst(w).AddItem(s.naam + QLatin1Char('|') + s.adres);
    for (const QString& paar : indeling.paren) lstGroep.AddItem(paar);

    if (lstGroep.ListCount() > 0) {
        geladenGroep_ = naam;
        fraGroep.SetEnabled(true);
        cmdVerstuur.SetEnabled(true);
        fraGroep.SetCaption(LijstKop(TaalTekst(60), lstGroep.ListCount()));
        txtOnderwerp.SetText(TaalTekst(183));
    } else {
        fraGroep.SetEnabled(false);
        cmdVerstuur.SetEnabled(false);
        txtOnderwerp.SetText(QString());
        fraGroep.SetCaption(TaalTekst(60));
    }
    if (indeling.overgeslagen > 0 && !regels.isEmpty()) {
        QString tekst = TaalTekst(388);
        tekst.replace(QLatin1Char('#'), QString::number(indeling.overgeslagen));
        Melding(tekst.replace(QLatin1Char('~'), QFileInfo(pad).fileName()), vbExclamation);
    }
    ZetFocus(*this, cmdFocus);
}

void frmVeldom10Form::lstGroep_Click() { ZetFocus(*this, cmdFocus); }

void frmVeldom10Form::cmdWissen_Click() {
    const QString pad = GekozenGroep();
    if (!pad.isEmpty()) {
        QString vraag = TaalTekst(47);
        vraag.replace(QLatin1Char('~'), QFileInfo(pad).fileName());
        if (MsgBox(MetRegels(vraag), vbYesNo | vbQuestion, Caption()) == vbYes) {
            QFile::remove(pad);
            lstGroep.Clear();
            ToonGroepBestanden();
            fraGroep.SetEnabled(false);
            cmdVerstuur.SetEnabled(false);
        }
    }
    ZetFocus(*this, cmdFocus);
}

// ---------------------------------------------------------------------------
// Sending

QStringList frmVeldom10Form::Ontbreekt(bool metMail) const {
    QStringList uit;
    if (metMail && !MailBruikbaar()) uit << (GekozenProviderOntbreekt() ? ProviderOntbreektMelding() : TaalTekst(387));
    // What the score card adds to every mail.
    const qint64 kaart = metMail && HeeftScoreKaart() ? QFileInfo(ScoreKaartPad()).size() : 0;
    for (int w = 0; w < kWinden; ++w) {
        const QString pdf = GekozenPdf(w);
        QString regel;
        if (pdf.isEmpty())
            regel = TaalTekst(385).replace(QLatin1Char('~'), TaalTekst(w + 1));
        else if (BestandBestaat(pdf) != 1)
            regel = TaalTekst(386).replace(QLatin1Char('~'), pdf);
        else if (const qint64 samen = QFileInfo(pdf).size() + kaart; metMail && samen > kMailAttachmentMax)
            regel = VulIn(TaalTekst(394), {{QLatin1Char('~'), pdf},
                                           {QLatin1Char('#'), Megabytes(samen)},
                                           {QLatin1Char('$'), QString::number(kMailAttachmentMax / (1024 * 1024))}});
        if (!regel.isEmpty()) uit << regel;
    }
    return uit;
}

void frmVeldom10Form::cmdVerstuur_Click() {
    ZetFocus(*this, cmdFocus);
    cmdVerstuur.SetEnabled(false);
    LeesIni("Standaard", "eigen e-mail adres", IniBestand);
    const bool eigenAdres = !IniWaarde.trimmed().isEmpty();
    const QStringList ontbreekt = Ontbreekt(eigenAdres);
    if (!ontbreekt.isEmpty()) {
        // Nothing happened: once the user has put things right, the group
        // can go out without loading it again.
        Melding(TaalTekst(384) + "\n\n" + ontbreekt.join(QLatin1Char('\n')), vbExclamation);
        cmdVerstuur.SetEnabled(lstGroep.ListCount() > 0);
        return;
    }
    if (!eigenAdres) {
        SchrijfAdreslijst();
        return;
    }
    // The score card goes with every mail when the club has one; without
    // it the PDFs go alone, and the user hears that once.
    if (!HeeftScoreKaart())
        Melding(MetRegels(TaalTekst(393).replace(QLatin1Char('~'), ScoreKaartPad())), vbInformation);
    VerstuurMails();
}

void frmVeldom10Form::SchrijfAdreslijst() {
    if (MsgBox(MetRegels(TaalTekst(154)), vbYesNo | vbQuestion, Caption()) != vbYes) return;
    const QString bestand = geladenGroep_ + QStringLiteral(".txt");
    const QString bureaublad = BureaubladMap();
    const QString pad = QDir(bureaublad).filePath(bestand);
    if (QFileInfo::exists(pad)) {
        QString vraag = TaalTekst(46);
        if (MsgBox(MetRegels(vraag.replace(QLatin1Char('~'), bestand)), vbYesNo | vbQuestion | vbDefaultButton2,
                   Caption()) != vbYes)
            return;
    }
    QString namen[kWinden], pdfs[kWinden];
    WindIndeling indeling;
    for (int w = 0; w < kWinden; ++w) {
        namen[w] = TaalTekst(w + 1);
        pdfs[w] = GekozenPdf(w);
        ListBox& lijst = WindLijst(w);
        for (int i = 0; i < lijst.ListCount(); ++i) {
            const QString item = lijst.List(i);
            indeling.wind[w].append({item.section(QLatin1Char('|'), 0, 0), item.section(QLatin1Char('|'), 1)});
        }
    }
    int geenMail = 0;
    QStringList ongeldig;
    const QStringList regels = WindAdreslijst(indeling, namen, pdfs, geenMail, ongeldig);
    if (!writeTextLines(pad, regels)) {
        QString tekst = TaalTekst(389);
        Melding(tekst.replace(QLatin1Char('~'), pad), vbExclamation);
        return;
    }
    QString tekst = TaalTekst(geenMail == 0 ? 167 : 179);
    tekst = VulIn(MetRegels(tekst), bestand, QString::number(geenMail));
    if (!ongeldig.isEmpty()) {
        tekst += QStringLiteral("\n");
        for (const QString& naam : ongeldig) tekst += QStringLiteral("\n") + QString(TaalTekst(382)).replace(QLatin1Char('~'), naam);
    }
    Melding(tekst, vbInformation);
}

void frmVeldom10Form::VerstuurMails() {
    LeesIni("Standaard", "eigen e-mail adres", IniBestand);
    const QString eigenAdres = IniWaarde.trimmed();
    const QString onderwerp = EenRegel(txtOnderwerp.Text());
    const QString body = txtBody.Text();

    versturen_ = true;
    SetEnabled(false);
    PuntjeTeller = 0;
    lblPuntje.SetCaption(QStringLiteral("* "));
    timPuntje.SetEnabled(true);
    lblWelkeHand.SetCaption(TaalTekst(121));
    lblVerstuurDeMail.SetCaption(QString());
    picVerStuurDeMail.SetVisible(true);
    picVerStuurDeMail.Refresh();
    DoEvents();

    const QString kaart = HeeftScoreKaart() ? ScoreKaartPad() : QString();
    // The mails of this run, for "mail # of $".
    int teVersturen = 0;
    for (int w = 0; w < kWinden; ++w)
        for (const QString& item : WindLijst(w).Items())
            if (SoortAdres(item.section(QLatin1Char('|'), 1).trimmed()) == AdresSoort::Versturen) ++teVersturen;

    // One connection for the whole run; a server that cannot be reached or
    // stalls stops it at the first mail, and everyone left is named below.
    MailReeks reeks;
    int verstuurd = 0, totaal = 0, bezig = 0;
    QStringList nietVerstuurd;
    int geenMail = 0;
    QStringList geenMailNamen;
    for (int w = 0; w < kWinden; ++w) {
        lblWelkeHand.SetCaption(TaalTekst(121 + w));
        const QString bijlagen = WindBijlagen(GekozenPdf(w), kaart);
        ListBox& lijst = WindLijst(w);
        for (int i = 0; i < lijst.ListCount(); ++i) {
            ++totaal;
            const QString item = lijst.List(i);
            const QString naam = item.section(QLatin1Char('|'), 0, 0);
            const QString adres = item.section(QLatin1Char('|'), 1).trimmed();
            const QString wie = naam + QStringLiteral(" <") + adres + QLatin1Char('>');
            switch (SoortAdres(adres)) {
            case AdresSoort::GeenMail:
                ++geenMail;
                geenMailNamen << QString(TaalTekst(383)).replace(QLatin1Char('~'), wie);
                continue;
            case AdresSoort::Ongeldig:
                nietVerstuurd << QString(TaalTekst(382)).replace(QLatin1Char('~'), wie);
                continue;
            case AdresSoort::Versturen: break;
            }
            if (reeks.Gestopt()) {
                nietVerstuurd << QString(TaalTekst(391)).replace(QLatin1Char('~'), wie);
                continue;
            }
            ++bezig;
            lblVerstuurDeMail.SetCaption(TaalTekst(390)
                                             .replace(QLatin1Char('#'), QString::number(bezig))
                                             .replace(QLatin1Char('$'), QString::number(teVersturen)) +
                                         QLatin1Char('\n') + naam);
            picVerStuurDeMail.Refresh();
            if (reeks.Verstuur(eigenAdres, onderwerp, adres, bijlagen, body))
                ++verstuurd;
            else
                nietVerstuurd << reeks.NietVerstuurdRegel(wie);
            // The window stays responsive (and the blink moves) between mails;
            // it takes no input while it is disabled.
            DoEvents();
        }
    }

    picVerStuurDeMail.SetVisible(false);
    timPuntje.SetEnabled(false);
    lblPuntje.SetCaption(QString());
    lblWelkeHand.SetCaption(QString());
    SetEnabled(true);
    versturen_ = false;
    ZetFocus(*this, cmdFocus);

    if (nietVerstuurd.isEmpty()) {
        QString tekst = TaalTekst(geenMail == 0 ? 125 : 180);
        Melding(MetRegels(tekst.replace(QLatin1Char('#'), QString::number(geenMail))), vbInformation);
    } else {
        QString tekst = TaalTekst(380);
        tekst.replace(QLatin1Char('#'), QString::number(verstuurd)).replace(QLatin1Char('$'), QString::number(totaal));
        QString kop;
        if (reeks.Gestopt())
            kop = MetRegels(reeks.StopMelding()) + "\n\n";
        Melding(kop + MetRegels(tekst) + QLatin1Char('\n') + (nietVerstuurd + geenMailNamen).join(QLatin1Char('\n')),
                vbExclamation);
    }
    ZetFocus(*this, cmdFocus);
}

void frmVeldom10Form::timPuntje_Timer() {
    lblPuntje.SetCaption(lblPuntje.Caption().replace(QStringLiteral("* "), QStringLiteral(" * ")));
    ++PuntjeTeller;
    if (PuntjeTeller == 25) {
        PuntjeTeller = 1;
        lblPuntje.SetCaption(QStringLiteral("* "));
    }
}
