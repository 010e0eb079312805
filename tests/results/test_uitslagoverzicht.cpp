// The rules of the results overview: ranking, places, list forms, the HTML
// table, the export files and the results mail.
#include <QtTest>

#include <QDir>
#include <QFile>

#include "platform/TextFile.h"
#include "results/UitslagOverzicht.h"
#include "results/WedstrijdBestanden.h"
#include "shared/Tekst.h"
#include "support/TestSupport.h"

using namespace uitslag;
using testsupport::ReadTestFile;
using testsupport::TempHome;

namespace {

// A results grid of `mp` (pairs x boards; "" for an empty cell).
std::vector<QStringList> Grid(const std::vector<QStringList>& mp) {
    const int b = mp.empty() ? 0 : int(mp[0].size());
    std::vector<QStringList> g;
    QStringList kop{QString()};
    for (int i = 1; i <= b; ++i) kop << QString::number(i);
    g.push_back(kop);
    for (size_t p = 0; p < mp.size(); ++p)
        g.push_back(QStringList{QStringLiteral("%1. Paar %2").arg(p + 1, 2, 10, QChar('0')).arg(p + 1)} + mp[p]);
    g.push_back(QStringList(b + 1, QString()));
    return g;
}

QStringList Kolom(const std::vector<RangRij>& r, QString RangRij::*veld) {
    QStringList s;
    for (const RangRij& x : r) s << x.*veld;
    return s;
}

}  // namespace

class TestUitslagOverzicht : public QObject {
    Q_OBJECT
private slots:
    void init() { TaalNummer = 10; }

    void percentagesAndNumbers() {
        // 14 pairs (top 12), 24 boards played.
        QCOMPARE(ProcentTekst(130.5, 12, 24), QString("45.31%"));
        QCOMPARE(ProcentTekst(144, 12, 24), QString("50.00%"));
        QCOMPARE(ProcentTekst(36, 12, 24), QString("12.50%"));
        QCOMPARE(ProcentTekst(288, 12, 24), QString("100.00%"));
        // Under 1 keeps its leading "0".
        QCOMPARE(ProcentTekst(1, 12, 24), QString("0.35%"));
        // Nothing to divide by: "-" instead of a division by zero.
        QCOMPARE(ProcentTekst(10, 0, 24), QString("-"));
        QCOMPARE(ProcentTekst(0, 12, 0), QString("-"));
        QCOMPARE(OverzichtGetal(0.5), QString("0.5"));
        QCOMPARE(OverzichtGetal(12), QString("12"));
    }

    void placesWithTies() {
        QCOMPARE(ZetPlaatsen({"60.00%", "55.00%", "55.00%", "50.00%", "40.00%"}),
                 QStringList({"1", "(2)", "(2)", "4", "5"}));
        QCOMPARE(ZetPlaatsen({"9", "8", "7", "7", "7"}), QStringList({"1", "2", "(3)", "(3)", "(3)"}));
        QCOMPARE(ZetPlaatsen({}), QStringList());
    }

    void rankingDividesByBoardsPlayed() {
        // 7 pairs, top 4: pair 7 sat out board 2 (empty) and board 3 ("n").
        auto g = Grid({{"2", "2", "2"}, {"4", "4", "4"}, {"0", "1", "3"}, {"1", "1", "1"},
                       {"3", "3", "3"}, {"2", "2", "2"}, {"4", "", "n"}});
        const auto r = Rangschik(g, 7);
        QCOMPARE(r.size(), size_t(7));
        // Pair 7: 4 of 4 on the one board it played is 100%, like pair 2's
        // 12 of 12; the higher total goes first.
        QCOMPARE(r[0].paar, QString("02. Paar 2"));
        QCOMPARE(r[0].procent, QString("100.00%"));
        QCOMPARE(r[1].paar, QString("07. Paar 7"));
        QCOMPARE(r[1].procent, QString("100.00%"));
        QCOMPARE(r[1].gespeeld, 1);
        // Equal percentages: both tied, higher total first.
        QCOMPARE(r[0].plaats, QString("(1)"));
        QCOMPARE(r[1].plaats, QString("(1)"));
        QCOMPARE(r[2].plaats, QString("3"));
        // Pairs 1 and 6 are fully equal: pair number decides the order.
        QCOMPARE(r[3].paar, QString("01. Paar 1"));
        QCOMPARE(r[4].paar, QString("06. Paar 6"));
        QCOMPARE(r[3].plaats, QString("(4)"));
    }

    void totalsGetTwoDecimalsWhenOneHasAFraction() {
        auto g = Grid({{"2.5", "2"}, {"2", "2"}, {"1", "0"}, {"3", "4"}});
        const auto r = Rangschik(g, 4);
        QCOMPARE(Kolom(r, &RangRij::mp), QStringList({"7.00", "4.50", "4.00", "1.00"}));
        auto h = Grid({{"2", "2"}, {"0", "0"}, {"1", "1"}, {"1", "1"}});
        QCOMPARE(Kolom(Rangschik(h, 4), &RangRij::mp), QStringList({"4", "2", "2", "0"}));
        // A fraction under 1 keeps its "0".
        auto k = Grid({{".5", ""}, {"1", ""}, {"0", ""}});
        QCOMPARE(Kolom(Rangschik(k, 3), &RangRij::mp), QStringList({"1.00", "0.50", "0.00"}));
    }

    void twoAndThreePairs() {
        // Two pairs: top 0, totals only, no division.
        auto g = Grid({{"0", "0"}, {"0", "0"}});
        auto r = Rangschik(g, 2);
        QCOMPARE(Kolom(r, &RangRij::procent), QStringList({"-", "-"}));
        QCOMPARE(Kolom(r, &RangRij::plaats), QStringList({"(1)", "(1)"}));
        // Three pairs: one table, so no table to beat (top 0); the third
        // pair sits out every board. Totals rank, percentages stay "-".
        auto h = Grid({{"1", "0"}, {"0", "1"}, {"", ""}});
        r = Rangschik(h, 3);
        QCOMPARE(Kolom(r, &RangRij::procent), QStringList({"-", "-", "-"}));
        QCOMPARE(r[2].paar, QString("03. Paar 3"));
        QCOMPARE(Kolom(r, &RangRij::plaats), QStringList({"(1)", "(1)", "3"}));
    }

    void eightPairsInTwoLists() {
        // Percentages 61, 58, 55, 52, 50, 47, 45, 40 in pair order (top 6, 50 boards).
        const double pct[] = {61, 58, 55, 52, 50, 47, 45, 40};
        std::vector<QStringList> mp;
        for (double p : pct) mp.push_back({OverzichtGetal(p * 3)});  // one board, top 6 -> x/6*100
        auto g = Grid(mp);
        const auto r = Rangschik(g, 8);
        QCOMPARE(r.size(), size_t(8));
        QStringList nz, ow, alle;
        for (const RangRij& x : r) {
            alle << LijstItem(x);
            (IsNoordZuid(x.paar) ? nz : ow) << LijstItem(x);
        }
        const auto t = TweeLijsten("Rang|Paren|MP|%", nz, ow, "NZ", "OW");
        QCOMPARE(t.size(), size_t(2 + 4 + 1 + 2 + 4));
        QCOMPARE(t[0].soort, TabelRij::Titel);
        QCOMPARE(t[0].cellen[1], QString("NZ"));
        QCOMPARE(t[1].cellen, QStringList({"Rang", "Paren", "MP", "%"}));
        QStringList nzParen, nzPlaatsen, owParen, owPlaatsen;
        for (int i = 2; i < 6; ++i) nzParen << t[i].cellen[1].left(2), nzPlaatsen << t[i].cellen[0];
        for (int i = 9; i < 13; ++i) owParen << t[i].cellen[1].left(2), owPlaatsen << t[i].cellen[0];
        QCOMPARE(nzParen, QStringList({"01", "03", "05", "07"}));
        QCOMPARE(owParen, QStringList({"02", "04", "06", "08"}));
        QCOMPARE(nzPlaatsen, QStringList({"1", "2", "3", "4"}));
        QCOMPARE(owPlaatsen, QStringList({"1", "2", "3", "4"}));
        QCOMPARE(t[6].soort, TabelRij::Leeg);
        QCOMPARE(t[7].cellen[1], QString("OW"));
        // One list again: same rows as the ranking.
        const auto e = EenLijst("Rang|Paren|MP|%", alle);
        QCOMPARE(e.size(), size_t(9));
        QCOMPARE(e[1].cellen, QStringList({"1", r[0].paar, r[0].mp, r[0].procent}));
        // A direction without pairs: title and header only.
        const auto leeg = TweeLijsten("Rang|Paren|MP|%", nz, {}, "NZ", "OW");
        QCOMPARE(leeg.size(), size_t(2 + 4 + 1 + 2));
    }

    void tiesInABlockAndInTheWholeList() {
        const QStringList nz{"01. A|10|60.00%", "03. B|10|60.00%"};
        const QStringList ow{"02. C|11|61.00%"};
        const auto t = TweeLijsten("R|P|M|%", nz, ow, "NZ", "OW");
        QCOMPARE(t[2].cellen[0], QString("(1)"));
        QCOMPARE(t[3].cellen[0], QString("(1)"));
        const auto e = EenLijst("R|P|M|%", {ow[0], nz[0], nz[1]});
        QCOMPARE(e[2].cellen[0], QString("(2)"));
    }

    void continuationPagesRepeatTheHeadingOfTheirList() {
        const QStringList nz{"01. A|60|60.00%", "03. C|50|50.00%"};
        const QStringList ow{"02. B|55|55.00%", "04. D|45|45.00%"};
        // 0 title, 1 header, 2-3 North-South, 4 empty, 5 title, 6 header,
        // 7-8 East-West.
        const auto t = TweeLijsten("R|P|M|%", nz, ow, "NZ", "OW");
        QCOMPARE(PaginaKoppen(t, 3), std::vector<int>({0, 1}));
        QCOMPARE(PaginaKoppen(t, 7), std::vector<int>({5, 6}));
        QCOMPARE(PaginaKoppen(t, 8), std::vector<int>({5, 6}));
        // A page that starts with a list's own title or the row between the
        // lists needs no heading; one that starts with the East-West header
        // gets its title.
        QVERIFY(PaginaKoppen(t, 5).empty());
        QVERIFY(PaginaKoppen(t, 4).empty());
        QCOMPARE(PaginaKoppen(t, 6), std::vector<int>({5}));
        const auto een = EenLijst("R|P|M|%", nz + ow);
        QCOMPARE(PaginaKoppen(een, 3), std::vector<int>({0}));
        QVERIFY(PaginaKoppen(een, 0).empty());
        QVERIFY(PaginaKoppen(een, 9).empty());
    }

    void htmlTable() {
        HtmlTabel t;
        t.kolomBreedte = {600, 3000};
        t.letterNaam = "DejaVu Sans";
        t.letterGrootte = 9;
        t.rijen = {{{"Rang", 4, 0}, {"Paren", 1, 0}},
                   {{"1", 7, 255}, {"01. Jan & Piet <Zoë>", 6, 0x80000008}}};
        const QString h = HtmlUitslagTekst(t, "Uitslag: Café & Co");
        QVERIFY(h.contains("<meta charset=\"utf-8\">"));
        QVERIFY(h.contains("<title>Uitslag: Café &amp; Co</title>"));
        QVERIFY(h.contains("<td colspan=\"2\">"));
        // Header row: bgcolor, no COLOR.
        QVERIFY(h.contains("       <td width=\"40\" align=\"center\" bgcolor=\"#FFFFFF\"><font face=\"DejaVu Sans\" size=\"3\">Rang</font></td>"));
        QVERIFY(h.contains("<td width=\"200\" align=\"left\" bgcolor=\"#FFFFFF\"><font face=\"DejaVu Sans\" size=\"3\">&nbsp;&nbsp;Paren</font></td>"));
        // Ordinary row: code 7 centred, code 6 right, pure red #FF0000, text escaped.
        QVERIFY(h.contains("<td width=\"40\" align=\"center\"><font face=\"DejaVu Sans\" size=\"3\" COLOR=\"#FF0000\">1</font></td>"));
        QVERIFY(h.contains("align=\"right\"><font face=\"DejaVu Sans\" size=\"3\" COLOR=\"#000000\">01. Jan &amp; Piet &lt;Zoë&gt;&nbsp;&nbsp;</font></td>"));
        QCOMPARE(h.count("bgcolor"), 2);
        QVERIFY(h.endsWith("</table>\r\n</body>\r\n</html>\r\n"));

        TempHome home;
        QString pad, fout;
        QVERIFY2(SchrijfHtmlUitslag(t, "Uitslag: Café & Co", "Avond: 1", pad, &fout), qPrintable(fout));
        QCOMPARE(QFileInfo(pad).fileName(), QString("Avond - 1.html"));
        QCOMPARE(QString::fromUtf8(ReadTestFile(pad)), h);
        QCOMPARE(HtmlNaam("Avond: 1"), QString("Avond - 1"));
    }

    void mailSkipsAndStopsAtAFailure() {
        QStringList gestuurd;
        const QStringList lijst{"Ann|ann@example.test", "Bob|NO_REPLAY@x.test", "Cor|", "Dirk|no_reply@x.test",
                                "Eva| eva@example.test ", "Fer|fer@example.test"};
        MailUitkomst u = VerstuurUitslag(lijst, "Avond", "Club", [&](const QString& aan, const QString& tekst) {
            gestuurd << aan;
            if (aan == "ann@example.test") {
                const QString verwacht = QString("Hallo Ann,\r\n\r\nHierbij de uitslag van Avond.\r\n\r\nMet vriendelijke groet, Club");
                if (tekst != verwacht) qWarning() << tekst;
                return tekst == verwacht;
            }
            return true;
        });
        QCOMPARE(gestuurd, QStringList({"ann@example.test", "eva@example.test", "fer@example.test"}));
        QCOMPARE(u.verstuurd, 3);
        QCOMPARE(u.overgeslagen, 3);
        QVERIFY(!u.mislukt);
        gestuurd.clear();
        u = VerstuurUitslag(lijst, "Avond", "Club", [&](const QString& aan, const QString&) {
            gestuurd << aan;
            return aan != "eva@example.test";
        });
        QVERIFY(u.mislukt);
        QCOMPARE(u.verstuurd, 1);
        QCOMPARE(gestuurd.size(), 2);
        // Everyone not mailed is named: the one that failed, the one after
        // it that was not tried, and the skipped ones with their reason.
        QCOMPARE(u.misluktWie, QString("Eva <eva@example.test>"));
        QCOMPARE(u.nietGeprobeerd, QStringList{"Fer <fer@example.test>"});
        QCOMPARE(u.overgeslagenWie, QStringList({"Bob <NO_REPLAY@x.test> (no_replay adres)",
                                                 "Cor <> (geen geldig e-mailadres)",
                                                 "Dirk <no_reply@x.test> (no_replay adres)"}));
    }

    void desktopAddressList() {
        int over = 0;
        const QStringList r = UitslagAdreslijst({"Ann|ann@example.test", "Bob|no_replay@x", "Cor|cor@example.test"},
                                                "Avond", "Club", "/h/html/Avond.html", over);
        QCOMPARE(over, 1);
        QCOMPARE(r, QStringList({"Hallo Cor,", "", "Hierbij de uitslag van Avond.", "", "Met vriendelijke groet, Club",
                                 "", QString(39, '='), "ann@example.test; cor@example.test; ", "",
                                 "/h/html/Avond.html"}));
    }

    void exportFilesByteForByte() {
        TempHome home;
        const QString W = "Clubavond";
        const QStringList paren{"01. An - Bo", "02. Cor - Dirk", "03. Eva - Fer", "04. Gijs - Hans"};
        QVERIFY(SchrijfParen(W, paren));
        const QString alfabet = TaalTekst(141);
        QVERIFY(BewaarSpel(W, 1, {{"1 - 2", "3S=", "", "140", "-140", "2", "0"}, {"3 - 4", "", "2H+1", "-140", "140", "0", "2"}},
                           alfabet, false));
        QVERIFY(BewaarSpel(W, 2, {{"1 - 2", "P", "P", "0", "0", "1", "1"}, {"3 - 4", "P", "P", "0", "0", "1", "1"}},
                           alfabet, false));
        ExportInvoer in;
        in.wedstrijd = W;
        in.paren = paren;
        in.spellen = 2;
        in.grid = {{"", "1", "2"}, {paren[0], "2", "1"}, {paren[1], "0", "1"}, {paren[2], "0", "1"},
                   {paren[3], "2", "1"}, {"", "", ""}};
        in.rangen = Rangschik(in.grid, 4);
        // Only the sibling folder exists: the export folder is made below it.
        const QString cvn = home.file("wine/drive_c/Program Files/Corvani");
        QStringList fouten;
        QVERIFY(!Exporteer(cvn, in, fouten));  // no sibling folder: nothing made
        QVERIFY(!QFileInfo::exists(cvn));
        QVERIFY(QDir().mkpath(cvn));
        fouten.clear();
        QVERIFY2(Exporteer(cvn, in, fouten), qPrintable(fouten.join('\n')));
        const QString map = cvn + "/Pandel/" + W + "/";
        QCOMPARE(ReadTestFile(map + W + ".txt"),
                 QByteArray("Groep A\r\n\r\n01. An - Bo\r\n02. Cor - Dirk\r\n03. Eva - Fer\r\n04. Gijs - Hans\r\n"));
        QCOMPARE(ReadTestFile(map + "informatie.txt"), QByteArray("4\r\n2\r\n"));
        QCOMPARE(ReadTestFile(map + "Naam.txt"), QByteArray("Clubavond\r\n"));
        QCOMPARE(ReadTestFile(map + W + ".uitslag"),
                 QByteArray("(1)~01. An - Bo [2]~2~1~3~75.00%\r\n"
                            "(1)~04. Gijs - Hans [2]~2~1~3~75.00%\r\n"
                            "(3)~02. Cor - Dirk [2]~0~1~1~25.00%\r\n"
                            "(3)~03. Eva - Fer [2]~0~1~1~25.00%\r\n"));
        QCOMPARE(ReadTestFile(map + W + ".uitslag_1"),
                 QByteArray("~99\r\n01. An - Bo [2]~9900\r\n04. Gijs - Hans [2]~9900\r\n"
                            "02. Cor - Dirk [2]~9900\r\n03. Eva - Fer [2]~9900\r\n"));
        // Board files come from the result files now, not from old export files.
        QCOMPARE(ReadTestFile(map + "Spel 001.txt"),
                 QByteArray("1\r\n2\r\n3S=\r\n\r\n140\r\n-140\r\n2\r\n0\r\n3\r\n4\r\n\r\n2H+1\r\n-140\r\n140\r\n0\r\n2\r\n"));
        QCOMPARE(ReadTestFile(map + "Spel 002.txt"),
                 QByteArray("1\r\n2\r\nP\r\nP\r\n0\r\n0\r\n1\r\n1\r\n3\r\n4\r\nP\r\nP\r\n0\r\n0\r\n1\r\n1\r\n"));
        QCOMPARE(QDir(map).entryList(QDir::Files).size(), 7);
        QVERIFY(!QFileInfo::exists(home.file("resultaten/" + W + "/Spel 001.txt")));

        // A file that cannot be written is named, and the export is not done.
        QFile::remove(map + "Naam.txt");
        QVERIFY(QDir().mkpath(map + "Naam.txt"));
        fouten.clear();
        QVERIFY(!Exporteer(cvn, in, fouten));
        QCOMPARE(fouten.size(), 1);
        QVERIFY(fouten[0].startsWith(map + "Naam.txt"));
    }

    void exportFailureNamesWhatFailed() {
        TempHome home;
        const QString cvn = home.file("Corvani");
        QVERIFY(QDir().mkpath(cvn));
        ExportInvoer in;
        in.paren = {"01. An - Bo", "02. Cor - Dirk"};
        in.spellen = 1;
        QStringList fouten;
        // A match name that is not one plain name gets no export folder: the
        // folder it would have had is named, and nothing is written.
        in.wedstrijd = "../Buiten";
        QVERIFY(!Exporteer(cvn, in, fouten));
        QCOMPARE(fouten, QStringList{cvn + "/Pandel/../Buiten"});
        QVERIFY(QDir(cvn).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QVERIFY(!QFileInfo::exists(home.file("Buiten")));
        // A sibling folder that is gone is named itself.
        in.wedstrijd = "Avond";
        fouten.clear();
        QVERIFY(!Exporteer(home.file("Weg"), in, fouten));
        QCOMPARE(fouten, QStringList{home.file("Weg")});
        QVERIFY(!QFileInfo::exists(home.file("Weg")));
    }
};

QTEST_MAIN(TestUitslagOverzicht)
#include "test_uitslagoverzicht.moc"
