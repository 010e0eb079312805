#include "results/frmVeldom12.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>

#include <cmath>

#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/Printer.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "platform/TextFile.h"
#include "results/WedstrijdBestanden.h"
#include "shared/BasVeldom.h"
#include "shared/Rooster.h"

using namespace platform;
using namespace uitslag;

DEFINE_FORM(frmVeldom12, frmVeldom12Form)

namespace {
// Design layout, twips.
constexpr int Marge = 120;
constexpr int KnopBreedte = 1695;
constexpr int KnopHoogte = 375;
constexpr int GridBreedte = 8895;
constexpr int GridHoogte = 5400;

// What the opener read from the match folder, for Form_Load.
struct Gegevens {
    QString wedstrijd;
    QStringList paren;
    int spellen = 0;
    std::vector<QStringList> grid;
    QStringList mail;
    bool mailLijst = false;
    std::function<void()> bijSluiten;
};
Gegevens& Open() {
    static Gegevens g;
    return g;
}

QString Datum() {
    return QDate::currentDate().toString(TaalNummer == 10 ? QStringLiteral("dd-MM-yyyy")
                                                          : QStringLiteral("yyyy-MM-dd"));
}

}  // namespace

namespace {
// Reads the match's files for the next instance of the window; false (the
// user told why) when one cannot be read.
bool LeesOverzichtVoor(const QString& wedstrijd, std::function<void()> bijSluiten) {
    Gegevens g;
    g.wedstrijd = wedstrijd;
    g.bijSluiten = std::move(bijSluiten);
    LeesUitkomst u = LeesParen(wedstrijd, g.paren);
    if (u.Gelukt()) u = LeesSpellenAantal(wedstrijd, g.spellen);
    if (u.Gelukt()) u = LeesOverzicht(wedstrijd, g.grid);
    if (!u.Gelukt()) {
        MsgBox(LeesMelding(u), vbExclamation, TaalTekst(150));
        return false;
    }
    const LeesUitkomst m = LeesMailLijst(wedstrijd, g.mail);
    g.mailLijst = m.Gelukt() && !g.mail.isEmpty();
    if (m.Kapot())
        MsgBox(LeesMelding(m), vbExclamation, TaalTekst(150));
    SessieNaam = wedstrijd;
    if (frmVeldom12_IsLoaded()) Unload(frmVeldom12());
    Open() = std::move(g);
    return true;
}
}  // namespace

bool ToonUitslagOverzicht(const QString& wedstrijd, std::function<void()> bijSluiten) {
    if (!LeesOverzichtVoor(wedstrijd, std::move(bijSluiten))) return false;
    frmVeldom12().Show();
    return true;
}

bool OpenUitslagOverzicht(const QString& wedstrijd, platform::Form& opener) {
    if (!LeesOverzichtVoor(wedstrijd, {})) return false;
    opener.ShowOwned(frmVeldom12);
    return true;
}

frmVeldom12Form::frmVeldom12Form() : Form("frmVeldom12") {
    SetKeyPreview(true);
    SetBorderStyle(vbSizable);
    cmdTerug.OnClick([this] { cmdTerug_Click(); });
    cmd2Lijnen.OnClick([this] { cmd2Lijnen_Click(); });
    cmdAfdrukken.OnClick([this] { cmdAfdrukken_Click(); });
    cmdVerstuur.OnClick([this] { cmdVerstuur_Click(); });
    cmdExporteer.OnClick([this] { cmdExporteer_Click(); });
    msfgResultaat.OnClick([this] { ZetFocus(*this, cmdFocus); });
    msfgResultaat.OnRowColChange([this] { ZetFocus(*this, cmdFocus); });
}

// ---------------------------------------------------------------------------
// Opening, activation, closing

void frmVeldom12Form::Form_Load() {
    const Gegevens& g = Open();
    wedstrijd_ = g.wedstrijd;

    // Caption and buttons.
    SetCaption(TaalTekst(150) + ": " + wedstrijd_ + " - " + TaalTekst(158) + " " + Datum() + " " +
               TaalTekst(159) + " " + EigenaarNaam);
    cmdTerug.SetCaption("&" + TaalTekst(42));
    cmdAfdrukken.SetCaption("&" + TaalTekst(148));
    cmdVerstuur.SetCaption("&" + TaalTekst(161));
    cmd2Lijnen.SetCaption("&" + TaalTekst(164));
    cmdExporteer.SetCaption("&" + TaalTekst(187) + " 6");
    for (ListBox* l : {&lstTotaal, &lstNoordZuid, &lstOostWest, &lstMail}) {
        l->SetVisible(false);
        l->Clear();
    }

    // The players to mail.
    for (const QString& m : g.mail) lstMail.AddItem(m);
    cmdVerstuur.SetEnabled(g.mailLijst);

    // The ranking and its lists.
    rangen_ = Rangschik(g.grid, int(g.paren.size()));
    KopRegel = QStringList{TaalTekst(155), TaalTekst(130), TaalTekst(135), QStringLiteral("%")}
                   .join(QLatin1Char('|'));
    for (const RangRij& r : rangen_) {
        const QString item = LijstItem(r);
        (IsNoordZuid(r.paar) ? lstNoordZuid : lstOostWest).AddItem(item);
        lstTotaal.AddItem(item);
    }
    msfgResultaat.SetFontName(QStringLiteral("DejaVu Sans"));
    msfgResultaat.SetFontSize(9);
    msfgResultaat.SetCols(4);
    msfgResultaat.SetFixedCols(1);
    ToonTabel(EenLijst(KopRegel, lstTotaal.Items()), false);
    // The widths fit both list forms.
    {
        std::vector<TabelRij> beide = TweeLijsten(KopRegel, lstNoordZuid.Items(), lstOostWest.Items(),
                                                  TaalTekst(150) + " " + TaalTekst(8) + " " + TaalTekst(163),
                                                  TaalTekst(150) + " " + TaalTekst(9) + " " + TaalTekst(163));
        std::vector<int> breedte(4, 0);
        for (const TabelRij& r : beide)
            for (int c = 0; c < 4; ++c)
                breedte[c] = std::max(breedte[c], msfgResultaat.TextWidthTwips(r.cellen.value(c) + "W"));
        PasKolomBreedteAan(msfgResultaat);
        for (int c = 0; c < 4; ++c)
            msfgResultaat.SetColWidth(c, std::max(breedte[c], msfgResultaat.ColWidth(c)));
    }
    msfgResultaat.SetVisible(true);

    // Button states.
    if (!InternetAanwezig) {
        cmdVerstuur.SetBackColor(0xC0C0FF);
        cmdVerstuur.SetEnabled(false);
        cmdVerstuur.SetCaption(TaalTekst(162));
    }
    cmd2Lijnen.SetTag(QStringLiteral("0"));
    cmdExporteer.SetVisible(!CvnMap.isEmpty() &&
                            CvnSerie == TaalTekst(49) + " 6 " + TaalTekst(50));

    // Layout: the grid, the buttons in one row below it.
    int tabelBreedte = 0;
    for (int c = 0; c < 4; ++c) tabelBreedte += msfgResultaat.ColWidth(c);
    const int breedte = std::max(GridBreedte, tabelBreedte + 360);
    msfgResultaat.Move(Marge, Marge, breedte, GridHoogte);
    const int knopTop = Marge + GridHoogte + Marge;
    const int stap = (breedte - KnopBreedte) / 4;
    int x = Marge;
    for (CommandButton* b : {&cmdAfdrukken, &cmdVerstuur, &cmd2Lijnen, &cmdExporteer, &cmdTerug}) {
        b->Move(x, knopTop, KnopBreedte, KnopHoogte);
        x += stap;
    }
    const int binnenBreedte = breedte + 2 * Marge;
    const int binnenHoogte = knopTop + KnopHoogte + Marge;
    Move(0, 0, binnenBreedte + (Width() - ScaleWidth()), binnenHoogte + (Height() - ScaleHeight()));
    Centreer();
    cmdFocus.Move(Screen().Width() + 10, 0, 100, 100);
    picVerStuurDeMail.Move((ScaleWidth() - 4200) / 2, (ScaleHeight() - 900) / 2, 4200, 900);
    lblVerstuurDeMail.Move(Marge, Marge, 4200 - 2 * Marge, 900 - 2 * Marge);
    picVerStuurDeMail.SetVisible(false);
    BewaarPosities(*this);
}

void frmVeldom12Form::Form_Activate() { ZetFocus(*this, cmdFocus); }

void frmVeldom12Form::Centreer() {
    Move(std::max(0, (Screen().Width() - Width()) / 2),
         std::max(0, (Screen().Height() - Height()) / 2));
}

void frmVeldom12Form::Form_Resize() {
    if (WindowState() == vbNormal) Centreer();
    SchaalScherm(*this);
}

void frmVeldom12Form::Form_KeyUp(int& KeyCode, int Shift) {
    (void)Shift;
    if (KeyCode == vbKeyEscape) cmdTerug_Click();
}

void frmVeldom12Form::cmdTerug_Click() { Unload(*this); }

void frmVeldom12Form::Form_QueryUnload(int& Cancel, int UnloadMode) {
    (void)UnloadMode;
    // The results mail goes out inside the send handler; the window stays
    // until the last one has gone.
    if (versturen_) {
        Cancel = 1;
        return;
    }
    BewaarSchermGrootte(*this);
    std::function<void()> terug = std::move(Open().bijSluiten);
    Open().bijSluiten = nullptr;
    if (terug) terug();
}

// ---------------------------------------------------------------------------
// The table

void frmVeldom12Form::ToonTabel(const std::vector<TabelRij>& rijen, bool tweeLijsten) {
    tabel_ = rijen;
    Grid& g = msfgResultaat;
    g.SetVisible(false);
    g.SetFixedRows(1);
    g.SetRows(std::max<int>(2, int(rijen.size())));
    g.SetFixedRows(tweeLijsten ? 2 : 1);
    if (rijen.size() < 2) g.SetRows(int(rijen.size()));
    int titels = 0;
    for (int r = 0; r < int(rijen.size()); ++r) {
        const TabelRij& rij = rijen[r];
        if (rij.soort == TabelRij::Titel) ++titels;
        // The East-West title and header rows look like the fixed rows.
        const bool alsKop = tweeLijsten && titels == 2 &&
                            (rij.soort == TabelRij::Titel || rij.soort == TabelRij::Kop);
        for (int c = 0; c < 4; ++c) {
            g.SetTextMatrix(r, c, rij.cellen.value(c));
            g.SetRow(r);
            g.SetCol(c);
            g.SetCellAlignment(c == 1 ? flexAlignLeftCenter : flexAlignCenterCenter);
            g.SetCellBackColor(alsKop ? g.BackColorFixed() : -1);
        }
    }
    g.SetVisible(true);
}

void frmVeldom12Form::cmd2Lijnen_Click() {
    ZetFocus(*this, cmdFocus);
    cmd2Lijnen.SetEnabled(false);
    if (cmd2Lijnen.Tag() == "0") {
        cmd2Lijnen.SetCaption("&" + TaalTekst(165));
        cmd2Lijnen.SetTag(QStringLiteral("1"));
        ToonTabel(TweeLijsten(KopRegel, lstNoordZuid.Items(), lstOostWest.Items(),
                              TaalTekst(150) + " " + TaalTekst(8) + " " + TaalTekst(163),
                              TaalTekst(150) + " " + TaalTekst(9) + " " + TaalTekst(163)),
                  true);
    } else if (cmd2Lijnen.Tag() == "1") {
        cmd2Lijnen.SetCaption("&" + TaalTekst(164));
        cmd2Lijnen.SetTag(QStringLiteral("0"));
        ToonTabel(EenLijst(KopRegel, lstTotaal.Items()), false);
    }
    ZetFocus(*this, cmdFocus);
    cmd2Lijnen.SetEnabled(true);
}

// ---------------------------------------------------------------------------
// Printing

void frmVeldom12Form::cmdAfdrukken_Click() {
    ZetFocus(*this, cmdFocus);
    cmdAfdrukken.SetEnabled(false);
    SetEnabled(false);
    SetTag(QString());
    ToonPrinterDialoog(*this, 0x100004);
    if (Tag() != "1") DrukResultaatAf();
    SetEnabled(true);
    cmdAfdrukken.SetEnabled(true);
    ZetFocus(*this, cmdFocus);
}

void frmVeldom12Form::DrukResultaatAf() {
    PrinterDevice& pr = Printer();
    const PrinterDevice::Orientation eigen = pr.PageOrientation();
    const Grid& g = msfgResultaat;
    double tabelBreedte = 0;
    for (int c = 0; c < g.Cols(); ++c) tabelBreedte += g.ColWidth(c) * 1.2;
    if (tabelBreedte > pr.ScaleWidth()) pr.SetPageOrientation(PrinterDevice::Orientation::Landscape);
    if (tabelBreedte > pr.ScaleWidth()) {
        pr.SetPageOrientation(eigen);
        MsgBox(MetRegels(TaalTekst(320)), vbInformation, Caption());
        return;
    }
    pr.SetDocumentName(HtmlNaam(wedstrijd_));

    QFont font(g.FontName().isEmpty() ? QStringLiteral("DejaVu Sans") : g.FontName());
    font.setPixelSize(std::max(1, int(std::lround(g.FontSize() * 20))));
    font.setBold(false);
    const QFontMetricsF fm(font);
    const double regel = fm.height();
    const int paginaBreedte = pr.ScaleWidth();
    const int paginaHoogte = pr.ScaleHeight();
    const QString kopTekst = Caption() + " " + QString(TaalTekst(156)).replace('~', Datum());

    auto pagina = std::make_unique<QPicture>();
    auto painter = std::make_unique<QPainter>(pagina.get());
    painter->setFont(font);
    painter->setPen(QPen(Qt::black, 10));
    bool fout = false;

    auto tekst = [&](double x, double top, const QString& t) {
        painter->drawText(QPointF(x, top + fm.ascent()), t);
    };
    auto rij = [&](int r, double y, bool herhaald) {
        double x = 400;
        const int h = g.RowHeight(r);
        for (int c = 0; c < g.Cols(); ++c) {
            const QString t = g.TextMatrix(r, c);
            const int a = g.cellAlignment(r, c);
            const double w = g.ColWidth(c) * 1.2;
            painter->drawRect(QRectF(x, y, w, h + 32));
            double tx = x + 32;
            if (a == flexAlignCenterCenter)
                tx = x + int(std::nearbyint(w)) / 2 - int(std::nearbyint(fm.horizontalAdvance(t))) / 2;
            else if (!herhaald && (a == flexAlignRightCenter || a == flexAlignGeneral))
                tx = x + w - fm.horizontalAdvance(t + "w");
            tekst(tx, y + int(std::nearbyint(h - regel)) / 2 + 16, t);
            x += w;
        }
        return y + g.RowHeight(0) + 32;
    };
    auto sluitPagina = [&]() {
        painter->end();
        pagina->setBoundingRect(QRect(0, 0, paginaBreedte, paginaHoogte));
        pr.PaintPicture(*pagina, 0, 0, paginaBreedte, paginaHoogte);
        fout = fout || !pr.ErrorText().isEmpty();
    };

    double y = 400;
    if (!Caption().isEmpty()) {
        tekst(400, y, kopTekst);
        y += 2 * regel;
    }
    const double stap = g.RowHeight(0) + 32;
    for (int r = 0; r < g.Rows() && !fout; ++r) {
        // A new page only for a row that follows; no page ends the job
        // with nothing but the header on it. A list's title goes to the next
        // page when its header and first row would not follow it on this one.
        const bool titel = r < int(tabel_.size()) && tabel_[r].soort == TabelRij::Titel;
        if (r > 0 && (y >= paginaHoogte - 1600 || (titel && y + 2 * stap >= paginaHoogte - 1600))) {
            sluitPagina();
            pr.NewPage();
            pagina = std::make_unique<QPicture>();
            painter = std::make_unique<QPainter>(pagina.get());
            painter->setFont(font);
            painter->setPen(QPen(Qt::black, 10));
            y = 400;
            tekst(400, y, kopTekst);
            y += 2 * regel;
            // The heading of the list the page's rows belong to; the empty
            // row between the lists does not open a page.
            for (int k : PaginaKoppen(tabel_, r)) y = rij(k, y, true);
            if (r < int(tabel_.size()) && tabel_[r].soort == TabelRij::Leeg) continue;
        }
        y = rij(r, y, false);
    }
    if (!fout) sluitPagina();
    QString foutTekst;
    if (fout) {
        foutTekst = pr.ErrorText();
        pr.KillDoc();
    } else if (!pr.EndDoc()) {
        foutTekst = pr.ErrorText();
    }
    pr.SetPageOrientation(eigen);
    if (!foutTekst.isEmpty()) MsgBox(foutTekst, vbExclamation, Caption());
}

// ---------------------------------------------------------------------------
// Mail

HtmlTabel frmVeldom12Form::AlsHtmlTabel() const {
    const Grid& g = msfgResultaat;
    HtmlTabel t;
    t.letterNaam = g.FontName();
    t.letterGrootte = g.FontSize();
    t.kopRijen = 1;
    for (int c = 0; c < g.Cols(); ++c) t.kolomBreedte.push_back(g.ColWidth(c));
    for (int r = 0; r < g.Rows(); ++r) {
        std::vector<HtmlCel> cellen;
        for (int c = 0; c < g.Cols(); ++c)
            cellen.push_back({g.TextMatrix(r, c), g.cellAlignment(r, c), g.cellForeColor(r, c)});
        t.rijen.push_back(cellen);
    }
    return t;
}

void frmVeldom12Form::cmdVerstuur_Click() {
    ZetFocus(*this, cmdFocus);
    cmdVerstuur.SetEnabled(false);
    auto klaar = [this] {
        picVerStuurDeMail.SetVisible(false);
        cmdVerstuur.SetEnabled(true);
        ZetFocus(*this, cmdFocus);
    };
    QString html, fout;
    if (!SchrijfHtmlUitslag(AlsHtmlTabel(), Caption(), wedstrijd_, html, &fout)) {
        MsgBox(SchrijfMelding(HtmlNaam(wedstrijd_) + ".html", fout), vbExclamation, Caption());
        klaar();
        return;
    }
    const QStringList lijst = lstMail.Items();
    const QString eigen = EigenEmailAdres.trimmed();
    if (!eigen.isEmpty()) {
        int teVersturen = 0;
        for (const QString& item : lijst)
            if (!OverslaanAdres(item.section(QLatin1Char('|'), 1, 1).trimmed())) ++teVersturen;
        // The window takes no input and cannot close until the run is over:
        // the sending panel shows how far it is.
        versturen_ = true;
        SetEnabled(false);
        picVerStuurDeMail.SetVisible(true);
        MailReeks reeks;
        int bezig = 0;
        const MailUitkomst u = VerstuurUitslag(
            lijst, wedstrijd_, EigenaarNaam, [&](const QString& aan, const QString& tekst) {
                lblVerstuurDeMail.SetCaption(TaalTekst(390)
                                                 .replace('#', QString::number(++bezig))
                                                 .replace('$', QString::number(teVersturen)) +
                                             "\n" + aan);
                picVerStuurDeMail.Refresh();
                DoEvents();
                if (reeks.Verstuur(eigen, Caption(), aan, html + ";", tekst)) return true;
                MsgBox(MailFoutMelding(MailFoutNummer, aan, reeks.FoutOorzaak()), vbOKOnly);
                return false;
            });
        picVerStuurDeMail.SetVisible(false);
        SetEnabled(true);
        versturen_ = false;
        QString melding;
        if (u.mislukt) {
            // Everyone who did not get the result is named, and the one
            // whose mail may have arrived after all is told apart.
            QStringList niet{reeks.NietVerstuurdRegel(u.misluktWie)};
            for (const QString& wie : u.nietGeprobeerd) niet << TaalTekst(391).replace('~', wie);
            melding = TaalTekst(380)
                          .replace('#', QString::number(u.verstuurd))
                          .replace('$', QString::number(lijst.size())) +
                      "|" + (niet + u.overgeslagenWie).join('|');
            if (reeks.Gestopt()) melding = reeks.StopMelding() + "||" + melding;
        } else if (u.verstuurd == 0)
            melding = TaalTekst(324);
        else if (u.overgeslagen > 0)
            melding = TaalTekst(321)
                          .replace('#', QString::number(u.verstuurd))
                          .replace('$', QString::number(u.overgeslagen));
        else
            melding = TaalTekst(160);
        MsgBox(MetRegels(melding), u.mislukt || u.verstuurd == 0 ? vbExclamation : vbInformation,
               Caption());
        klaar();
        return;
    }
    if (MsgBox(MetRegels(TaalTekst(154)), vbYesNo | vbQuestion, Caption()) != vbYes) {
        MsgBox(TaalTekst(326), vbInformation, Caption());
        klaar();
        return;
    }
    const QString bureaublad = BureaubladMap();
    if (bureaublad.isEmpty() || !QFileInfo(bureaublad).isDir()) {
        MsgBox(MetRegels(TaalTekst(327)), vbExclamation, Caption());
        klaar();
        return;
    }
    const QString pad = QDir(bureaublad).filePath(HtmlNaam(wedstrijd_) + ".txt");
    if (QFileInfo::exists(pad)) {
        const QString naam = QFileInfo(pad).fileName();
        if (MsgBox(MetRegels(TaalTekst(46).replace('~', naam)), vbYesNo | vbQuestion, Caption()) != vbYes) {
            MsgBox(TaalTekst(326), vbInformation, Caption());
            klaar();
            return;
        }
    }
    int overgeslagen = 0;
    const QStringList regels = UitslagAdreslijst(lijst, wedstrijd_, EigenaarNaam, html, overgeslagen);
    QByteArray data;
    for (const QString& r : regels) data += encodeCp1252(r) + "\r\n";
    if (!writeFileAtomic(pad, data, &fout))
        MsgBox(SchrijfMelding(pad, fout), vbExclamation, Caption());
    else
        MsgBox(MetRegels(TaalTekst(323).replace('~', pad)), vbInformation, Caption());
    klaar();
}

// ---------------------------------------------------------------------------
// Export

void frmVeldom12Form::cmdExporteer_Click() {
    ZetFocus(*this, cmdFocus);
    cmdExporteer.SetEnabled(false);
    const Gegevens& g = Open();
    // The export always shows the one ranking.
    cmd2Lijnen.SetTag(QStringLiteral("1"));
    cmd2Lijnen_Click();
    ExportInvoer in;
    in.wedstrijd = wedstrijd_;
    in.paren = g.paren;
    in.spellen = g.spellen;
    in.grid = g.grid;
    in.rangen = rangen_;
    QStringList fouten;
    if (Exporteer(CvnMap, in, fouten))
        MsgBox(TaalTekst(187) + " 6 " + TaalTekst(146), vbInformation, TaalTekst(150));
    else
        MsgBox(MetRegels(TaalTekst(325)).replace('~', fouten.join('\n')), vbExclamation, TaalTekst(150));
    cmdExporteer.SetEnabled(true);
    ZetFocus(*this, cmdFocus);
}
