#include "results/UitslagOverzicht.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "results/ContractNotatie.h"
#include "results/Matchpunten.h"
#include "results/WedstrijdBestanden.h"
#include "shared/Tekst.h"

namespace uitslag {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The number at the start of a text (0 when there is none).
double Waarde(const QString& tekst, bool* isGetal = nullptr) {
    const QString t = tekst.trimmed();
    int i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    while (i < t.size() && (t[i].isDigit() || t[i] == '.')) ++i;
    bool ok = false;
    const double v = t.left(i).toDouble(&ok);
    if (isGetal) *isGetal = ok;
    return ok ? v : 0;
}

int PaarNummerVan(const QString& paarTekst) {
    bool ok = false;
    const int n = paarTekst.section(QLatin1Char('.'), 0, 0).trimmed().toInt(&ok);
    return ok ? n : 0;
}

// Every total with two decimals once one of them has a fraction.
void TweeDecimalenAlsNodig(std::vector<RangRij>& rijen) {
    const bool breuk = std::any_of(rijen.begin(), rijen.end(),
                                   [](const RangRij& r) { return r.mp.contains(QLatin1Char('.')); });
    if (!breuk) return;
    for (RangRij& r : rijen) {
        const int punt = r.mp.indexOf(QLatin1Char('.'));
        if (punt < 0)
            r.mp += QStringLiteral(".00");
        else if (r.mp.size() - punt == 2)
            r.mp += QLatin1Char('0');
    }
}

QString Escape(const QString& s) { return s.toHtmlEscaped(); }

}  // namespace

QString OverzichtGetal(double waarde) {
    QString s = GetalTekst(waarde);
    if (s.startsWith(QLatin1Char('.'))) s.prepend(QLatin1Char('0'));
    if (s.startsWith(QStringLiteral("-."))) s.insert(1, QLatin1Char('0'));
    return s;
}

QString ProcentTekst(double totaal, int top, int gespeeld) {
    if (top <= 0 || gespeeld <= 0) return QStringLiteral("-");
    const double v = totaal / (double(top) * gespeeld) * 100.0 + 0.005;
    QString s = OverzichtGetal(v);
    const int punt = s.indexOf(QLatin1Char('.'));
    if (punt < 0)
        s += QStringLiteral(".00");
    else if (s.size() > punt + 3)
        s.truncate(punt + 3);
    if (s.size() - s.indexOf(QLatin1Char('.')) == 2) s += QLatin1Char('0');
    return s + QLatin1Char('%');
}

QStringList ZetPlaatsen(const QStringList& waarden) {
    QStringList plaatsen;
    int p = 1;
    int i = 0;
    while (i < waarden.size()) {
        int j = i + 1;
        while (j < waarden.size() && waarden[j] == waarden[j - 1]) ++j;
        const int g = j - i;
        for (int k = i; k < j; ++k)
            plaatsen << (g > 1 ? QStringLiteral("(%1)").arg(p) : QString::number(p));
        p += g;
        i = j;
    }
    return plaatsen;
}

std::vector<RangRij> Rangschik(const std::vector<QStringList>& grid, int paren) {
    std::vector<RangRij> rijen;
    const int top = TopVanParen(paren);
    // Rows 1 .. size - 2 are pairs; the last row holds the board totals.
    for (int r = 1; r + 1 < int(grid.size()); ++r) {
        const QStringList& cellen = grid[r];
        RangRij rij;
        rij.paar = cellen.value(0);
        rij.paarNummer = PaarNummerVan(rij.paar);
        for (int c = 1; c < cellen.size(); ++c) {
            const QString cel = cellen[c].trimmed();
            if (cel.isEmpty() || cel == QLatin1String("n")) continue;
            bool getal = false;
            const double v = Waarde(cel, &getal);
            if (!getal) continue;
            rij.totaal += v;
            ++rij.gespeeld;
        }
        rij.mp = OverzichtGetal(rij.totaal);
        rij.procent = ProcentTekst(rij.totaal, top, rij.gespeeld);
        rijen.push_back(rij);
    }
    TweeDecimalenAlsNodig(rijen);
    const bool metProcent = std::any_of(rijen.begin(), rijen.end(),
                                        [](const RangRij& r) { return r.procent != "-"; });
    std::stable_sort(rijen.begin(), rijen.end(), [](const RangRij& a, const RangRij& b) {
        const bool pa = a.procent != "-", pb = b.procent != "-";
        if (pa != pb) return pa;
        if (pa) {
            const double va = Waarde(a.procent), vb = Waarde(b.procent);
            if (va != vb) return va > vb;
        }
        if (a.totaal != b.totaal) return a.totaal > b.totaal;
        return a.paarNummer < b.paarNummer;
    });
    QStringList waarden;
    for (const RangRij& r : rijen) waarden << (metProcent ? r.procent : r.mp);
    const QStringList plaatsen = ZetPlaatsen(waarden);
    for (size_t i = 0; i < rijen.size(); ++i) rijen[i].plaats = plaatsen[int(i)];
    return rijen;
}

QString LijstItem(const RangRij& r) { return r.paar + '|' + r.mp + '|' + r.procent; }

bool IsNoordZuid(const QString& paarTekst) { return PaarNummerVan(paarTekst) % 2 == 1; }

namespace {
// Data rows of one block from list items, with places on the percentage
// (on the total when no item has a percentage).
std::vector<TabelRij> Blok(const QStringList& items) {
    std::vector<TabelRij> rijen;
    QStringList waarden;
    bool metProcent = false;
    for (const QString& item : items) metProcent |= item.section('|', 2, 2) != "-";
    for (const QString& item : items) {
        const QStringList d = item.split(QLatin1Char('|'));
        rijen.push_back({TabelRij::Data, {QString(), d.value(0), d.value(1), d.value(2)}});
        waarden << (metProcent ? d.value(2) : d.value(1));
    }
    const QStringList plaatsen = ZetPlaatsen(waarden);
    for (size_t i = 0; i < rijen.size(); ++i) rijen[i].cellen[0] = plaatsen[int(i)];
    return rijen;
}

TabelRij KopRij(const QString& kopRegel) {
    QStringList k = kopRegel.split(QLatin1Char('|'));
    while (k.size() < 4) k << QString();
    return {TabelRij::Kop, k.mid(0, 4)};
}
}  // namespace

std::vector<TabelRij> EenLijst(const QString& kopRegel, const QStringList& totaal) {
    std::vector<TabelRij> rijen{KopRij(kopRegel)};
    for (const TabelRij& r : Blok(totaal)) rijen.push_back(r);
    return rijen;
}

std::vector<TabelRij> TweeLijsten(const QString& kopRegel, const QStringList& noordZuid,
                                  const QStringList& oostWest, const QString& titelNZ,
                                  const QString& titelOW) {
    std::vector<TabelRij> rijen;
    rijen.push_back({TabelRij::Titel, {QString(), titelNZ, QString(), QString()}});
    rijen.push_back(KopRij(kopRegel));
    for (const TabelRij& r : Blok(noordZuid)) rijen.push_back(r);
    rijen.push_back({TabelRij::Leeg, {QString(), QString(), QString(), QString()}});
    rijen.push_back({TabelRij::Titel, {QString(), titelOW, QString(), QString()}});
    rijen.push_back(KopRij(kopRegel));
    for (const TabelRij& r : Blok(oostWest)) rijen.push_back(r);
    return rijen;
}

std::vector<int> PaginaKoppen(const std::vector<TabelRij>& tabel, int rij) {
    std::vector<int> koppen;
    const int n = int(tabel.size());
    if (rij <= 0 || rij >= n || tabel[rij].soort == TabelRij::Titel || tabel[rij].soort == TabelRij::Leeg)
        return koppen;
    // The heading of a list starts at its title row; the one-list table has
    // its header at the top.
    int begin = 0;
    for (int r = rij - 1; r >= 0; --r)
        if (tabel[r].soort == TabelRij::Titel) {
            begin = r;
            break;
        }
    for (int r = begin; r < rij && (tabel[r].soort == TabelRij::Titel || tabel[r].soort == TabelRij::Kop); ++r)
        koppen.push_back(r);
    return koppen;
}

// --- HTML ----------------------------------------------------------------

QString HtmlNaam(const QString& wedstrijd) {
    QString n = wedstrijd;
    return n.replace(QLatin1Char(':'), QStringLiteral(" -"));
}

namespace {
// Integer division with both operands rounded half to even first.
int Deel(double a, int b) {
    return int(std::nearbyint(a)) / b;
}

// A system colour (beyond six hex digits) has no RGB value of its own: the
// text is written black, as the grid draws it.
QString HtmlKleur(qint64 bgr) {
    if (bgr < 0 || bgr > 0xFFFFFF) bgr = 0;
    const QString hex = QString::number(bgr & 0xFFFFFF, 16).toUpper().rightJustified(6, '0');
    return hex.mid(4, 2) + hex.mid(2, 2) + hex.mid(0, 2);
}
}  // namespace

QString HtmlUitslagTekst(const HtmlTabel& t, const QString& titel) {
    const QChar Q = QLatin1Char('"');
    const int kolommen = t.rijen.empty() ? int(t.kolomBreedte.size()) : int(t.rijen[0].size());
    QStringList r;
    r << "<!DOCTYPE html>" << "<html>" << "   <head>"
      << "   <meta charset=\"utf-8\">"
      << "   <title>" + Escape(titel) + "</title>" << "   </head>" << "   <body>"
      << QStringLiteral("   <table width=\"100%\" border=\"1\" cellspacing=\"0\">") << "<tr>"
      << QStringLiteral("     <td colspan=\"%1\"><h3><font face=\"Verdana\" size=\"2\"> &nbsp;%2</font></h3></td>")
             .arg(kolommen)
             .arg(Escape(titel))
      << "</tr>";
    const QString f = Escape(t.letterNaam);
    const int s = Deel(t.letterGrootte, 3);
    for (size_t row = 0; row < t.rijen.size(); ++row) {
        r << "   <tr>";
        const bool kop = int(row) < t.kopRijen;
        for (size_t c = 0; c < t.rijen[row].size(); ++c) {
            const HtmlCel& cel = t.rijen[row][c];
            const int w = c < t.kolomBreedte.size() ? Deel(t.kolomBreedte[c], 15) : 0;
            QString a = QStringLiteral("left");
            QString tekst = Escape(cel.tekst);
            if (cel.uitlijning == 4 || cel.uitlijning == 7) {
                a = QStringLiteral("center");
            } else if (cel.uitlijning == 6 || cel.uitlijning == 9) {
                a = QStringLiteral("right");
                tekst += QStringLiteral("&nbsp;&nbsp;");
            } else {
                tekst.prepend(QStringLiteral("&nbsp;&nbsp;"));
            }
            QString regel = QStringLiteral("       <td width=") + Q + QString::number(w) + Q +
                            " align=" + Q + a + Q;
            if (kop)
                regel += QStringLiteral(" bgcolor=") + Q + '#' + HtmlKleur(t.kopKleur) + Q +
                         "><font face=" + Q + f + Q + " size=" + Q + QString::number(s) + Q + ">";
            else
                regel += QStringLiteral("><font face=") + Q + f + Q + " size=" + Q +
                         QString::number(s) + Q + " COLOR=" + Q + '#' + HtmlKleur(cel.kleur) + Q + ">";
            r << regel + tekst + "</font></td>";
        }
        r << "   </tr>";
    }
    r << "</table>" << "</body>" << "</html>";
    return r.join(CrLf) + CrLf;
}

bool SchrijfHtmlUitslag(const HtmlTabel& tabel, const QString& titel, const QString& wedstrijd,
                        QString& pad, QString* fout) {
    const QString naam = HtmlNaam(wedstrijd);
    if (!platform::isPlainFileName(naam + ".html")) {
        if (fout) *fout = naam;
        return false;
    }
    const QString map = platform::programPath(QStringLiteral("html"));
    if (!QDir().mkpath(map)) {
        if (fout) *fout = map;
        return false;
    }
    pad = platform::resolveBelow(map, naam + ".html");
    return platform::writeFileAtomic(pad, HtmlUitslagTekst(tabel, titel).toUtf8(), fout);
}

// --- Export --------------------------------------------------------------

QString ExportMap(const QString& cvnMap, const QString& wedstrijd) {
    if (cvnMap.trimmed().isEmpty() || !platform::isPlainFileName(wedstrijd)) return QString();
    return QDir(cvnMap).filePath(QStringLiteral("Pandel/") + wedstrijd);
}

std::vector<ExportBestand> ExportBestanden(const ExportInvoer& in) {
    const QString W = in.wedstrijd;
    const QString B = QString::number(in.spellen);
    std::vector<ExportBestand> uit;
    uit.push_back({W + ".txt", QStringList{QStringLiteral("Groep A"), QString()} + in.paren});
    uit.push_back({QStringLiteral("informatie.txt"), {QString::number(in.paren.size()), B}});
    uit.push_back({QStringLiteral("Naam.txt"), {W}});
    QStringList uitslagRegels;
    for (const RangRij& r : in.rangen) {
        auto k = std::find_if(in.grid.begin() + (in.grid.empty() ? 0 : 1), in.grid.end(),
                              [&](const QStringList& g) { return g.value(0) == r.paar; });
        if (k == in.grid.end()) continue;
        QStringList velden{r.plaats};
        velden << *k;
        velden[1] += " [" + B + "]";
        velden << r.mp << r.procent;
        uitslagRegels << velden.join(QLatin1Char('~'));
    }
    uit.push_back({W + ".uitslag", uitslagRegels});
    QStringList tweede{"~" + QString(in.spellen, QLatin1Char('9'))};
    for (const RangRij& r : in.rangen)
        tweede << r.paar + " [" + B + "]~99" + QString(in.spellen, QLatin1Char('0'));
    uit.push_back({W + ".uitslag_1", tweede});
    const QString alfabet = TaalTekst(141);
    for (int b = 1; b <= std::min(in.spellen, kMaxSpellen); ++b) {
        std::vector<SpelRij> rijen;
        if (!LeesSpelUitslag(W, b, alfabet, rijen, int(in.paren.size())).Gelukt() || rijen.empty()) continue;
        QStringList regels;
        for (const SpelRij& s : rijen) {
            regels << s.paar.section('-', 0, 0).trimmed() << s.paar.section('-', 1).trimmed()
                   << OpslagVorm(s.contractNZ, alfabet) << OpslagVorm(s.contractOW, alfabet)
                   << s.scoreNZ << s.scoreOW << s.mpNZ << s.mpOW;
        }
        uit.push_back({WedstrijdBestandsnaam(WedstrijdBestand::SpelExport, W, b), regels});
    }
    return uit;
}

bool Exporteer(const QString& cvnMap, const ExportInvoer& invoer, QStringList& fouten) {
    const QString map = ExportMap(cvnMap, invoer.wedstrijd);
    if (map.isEmpty() || !QFileInfo(cvnMap).isDir()) {
        // Without an export folder (no plain match name) the folder it would
        // have been is named; otherwise the missing sibling folder.
        fouten << (map.isEmpty() ? QDir(cvnMap).filePath(QStringLiteral("Pandel/") + invoer.wedstrijd) : cvnMap);
        return false;
    }
    if (!QDir().mkpath(map)) {
        fouten << map;
        return false;
    }
    for (const ExportBestand& b : ExportBestanden(invoer)) {
        const QString pad = QDir(map).filePath(b.naam);
        QString fout;
        QByteArray data;
        for (const QString& r : b.regels) data += platform::encodeCp1252(r) + "\r\n";
        if (!platform::writeFileAtomic(pad, data, &fout))
            fouten << pad + (fout.isEmpty() ? QString() : ": " + fout);
    }
    return fouten.isEmpty();
}

// --- Mail ----------------------------------------------------------------

bool OverslaanAdres(const QString& adres) {
    const QString a = adres.trimmed().toLower();
    return a.isEmpty() || a.contains(QLatin1String("no_replay")) ||
           a.contains(QLatin1String("no_reply"));
}

QString MailTekst(const QString& naam, const QString& wedstrijd, const QString& eigenaar) {
    QString t = TaalTekst(157);
    t.replace(QLatin1Char('|'), CrLf);
    return VulIn(t, {{QLatin1Char('~'), naam}, {QLatin1Char('#'), wedstrijd}, {QLatin1Char('*'), eigenaar}});
}

MailUitkomst VerstuurUitslag(const QStringList& lijst, const QString& wedstrijd,
                             const QString& eigenaar,
                             const std::function<bool(const QString&, const QString&)>& stuur) {
    MailUitkomst u;
    for (const QString& item : lijst) {
        const QString naam = item.section(QLatin1Char('|'), 0, 0).trimmed();
        const QString adres = item.section(QLatin1Char('|'), 1, 1).trimmed();
        const QString wie = naam + QStringLiteral(" <") + adres + QLatin1Char('>');
        if (OverslaanAdres(adres)) {
            ++u.overgeslagen;
            u.overgeslagenWie << TaalTekst(adres.isEmpty() ? 382 : 383).replace(QLatin1Char('~'), wie);
            continue;
        }
        if (u.mislukt) {
            u.nietGeprobeerd << wie;
            continue;
        }
        if (!stuur(adres, MailTekst(naam, wedstrijd, eigenaar))) {
            u.mislukt = true;
            u.misluktWie = wie;
            continue;
        }
        ++u.verstuurd;
    }
    return u;
}

QStringList UitslagAdreslijst(const QStringList& lijst, const QString& wedstrijd,
                              const QString& eigenaar, const QString& htmlPad, int& overgeslagen) {
    overgeslagen = 0;
    QString adressen;
    QString laatsteNaam;
    for (const QString& item : lijst) {
        const QString adres = item.section(QLatin1Char('|'), 1, 1);
        laatsteNaam = item.section(QLatin1Char('|'), 0, 0).trimmed();
        if (OverslaanAdres(adres))
            ++overgeslagen;
        else
            adressen += adres.trimmed() + QStringLiteral("; ");
    }
    QStringList regels = MailTekst(laatsteNaam, wedstrijd, eigenaar).split(CrLf);
    regels << QString() << QString(39, QLatin1Char('=')) << adressen << QString() << htmlPad;
    return regels;
}

}  // namespace uitslag
