// The clipboard text builders: tab runs, the four layouts, both options,
// both languages, and damaged input.

#include <QtTest>

#include "output/KlembordTekst.h"

using namespace klembord;

namespace {

Teksten Nederlands() {
    const QMap<int, QString> m{{1, "Noord"}, {2, "Oost"}, {3, "Zuid"}, {4, "West"},
                               {5, "Gever"}, {6, "Kwetsbaar"}, {7, "Niemand"},
                               {8, "Noord-Zuid"}, {9, "Oost-West"}, {10, "Allen"},
                               {105, "NZ"}, {106, "OW"}, {210, "SHRK"}};
    return Teksten::Uit([&](int n) { return m.value(n); });
}

Teksten Engels() {
    const QMap<int, QString> m{{1, "North"}, {2, "East"}, {3, "South"}, {4, "West"},
                               {5, "Dealer"}, {6, "Vulnerable"}, {7, "Non"},
                               {8, "North-South"}, {9, "East-West"}, {10, "All"},
                               {105, "NS"}, {106, "EW"}, {210, "SHDC"}};
    return Teksten::Uit([&](int n) { return m.value(n); });
}

// Lines joined with CR LF, each line ended by it.
QString Regels(const QStringList& regels) {
    QString s;
    for (const QString& r : regels) s += r + "\r\n";
    return s;
}

QString T(int n) { return QString(n, '\t'); }
const QString Streep(80, '-');

// The four hands of the worked example and their points; board k of the
// test set gives North the hand of seat (k - 1) mod 4, and so on round.
const QStringList Handen[4] = {{"AH52", "VB3", "A84", "H76"},
                               {"VT9", "AH8", "HB5", "VB32"},
                               {"B876", "T9765", "32", "AT"},
                               {"43", "42", "VT976", "9854"}};
const int HandPunten[4] = {17, 16, 5, 2};

QString Record(int nummer, int draai, const QStringList& zitten = {"Noord", "Oost", "Zuid", "West"}) {
    QStringList velden{QString::number(1000 + nummer).right(3)};
    for (int h = 0; h < 4; ++h) velden += Handen[(h + draai) % 4];
    for (int h = 0; h < 4; ++h)
        velden += zitten[h] + "(" + QString::number(HandPunten[(h + draai) % 4]) + ")";
    return velden.join('~');
}

const QString Voorbeeld =
    "005~AH52~VB3~A84~H76~VT9~AH8~HB5~VB32~B876~T9765~32~AT~43~42~VT976~9854~"
    "Noord(17)~Oost(16)~Zuid(5)~West(2)";

QList<Spel> Set(const QStringList& records) {
    return BruikbareSpellen(records, Reeksen::Standaard());
}

// Boards 1 to n, each with its hands turned one seat further.
QStringList Bord(int n) {
    QStringList r;
    for (int k = 1; k <= n; ++k) r << Record(k, (k - 1) % 4);
    return r;
}

// A panel as the window leaves it before a build: the seat names of the
// language (layouts 0 to 2), "( )" or nothing for the points, the letters.
template <class Paneel>
Paneel Voor(const Teksten& t, bool letters, bool punten) {
    Paneel p;
    if constexpr (sizeof(p.wind) / sizeof(p.wind[0]) == 4)
        for (int c = 0; c < 4; ++c) p.wind[c] = t.wind[c];
    for (QString& s : p.punten) s = punten ? "( )" : "";
    int i = 0;
    for (QString& s : p.kleur) s = letters ? t.kleurLetters.mid(i++ % 4, 1) + ":" : "";
    p.kleurZichtbaar = letters;
    p.puntenZichtbaar = punten;
    return p;
}
const auto Paneel0Voor = Voor<Paneel0>;
const auto Paneel2Voor = Voor<Paneel2>;
const auto Paneel3Voor = Voor<Paneel3>;

QString Layout0(const QStringList& records, const Teksten& t, bool tien, bool letters, bool punten) {
    Paneel0 p = Paneel0Voor(t, letters, punten);
    TabStand tabs;
    return BouwLayout0(Set(records), p, tabs, t, tien);
}

QString Layout1(const QStringList& records, const Teksten& t, bool tien, bool letters, bool punten) {
    Paneel0 p = Paneel0Voor(t, letters, punten);
    TabStand tabs;
    return BouwLayout1(Set(records), p, tabs, t, tien);
}

// The twelve lines of the North pass of layout 1 over boards 1 to 4.
QStringList NoordRijBord1tot4() {
    return {"1" + T(2) + "2" + T(2) + "3" + T(2) + "4" + T(2),
            "Gever: Noord\tGever: Oost\tGever: Zuid\tGever: West\t",
            "Kwetsbaar: -\tKwetsbaar: NZ\tKwetsbaar: OW\tKwetsbaar: A\t",
            " ",
            "Noord(17)\tNoord(16)\tNoord(5)" + T(2) + "Noord(2)" + T(2),
            "AH52\t\tVT9\t\tB876\t\t43\t\t",
            "VB3\t\tAH8\t\tT9765\t\t42\t\t",
            "A84\t\tHB5\t\t32\t\tVT976\t\t",
            "H76\t\tVB32\t\tAT\t\t9854\t\t",
            "",
            Streep,
            ""};
}

}  // namespace

class TestKlembordTekst : public QObject {
    Q_OBJECT
private slots:
    void bepaalTabs_data() {
        QTest::addColumn<QString>("cel");
        QTest::addColumn<int>("kolom");
        QTest::addColumn<int>("rij");
        QTest::addColumn<int>("tabs");
        // Column kind 0, every row kind alike.
        QTest::newRow("k0 empty") << "" << 0 << 0 << 2;
        QTest::newRow("k0 8 with )") << "Oost(16)" << 0 << 1 << 2;
        QTest::newRow("k0 7 with )") << "Zuid(5)" << 0 << 0 << 2;
        QTest::newRow("k0 9 with )") << "Noord(17)" << 0 << 2 << 1;
        QTest::newRow("k0 9 without )") << "Noord(17" << 0 << 0 << 2;
        QTest::newRow("k0 12 without )") << "Kwetsbaar: A" << 0 << 0 << 2;
        QTest::newRow("k0 12 with )") << "Zuid-West(12)" << 0 << 0 << 1;
        // Column kind 1.
        QTest::newRow("k1 empty") << "" << 1 << 0 << 3;
        QTest::newRow("k1 void") << "-" << 1 << 0 << 3;
        QTest::newRow("k1 2") << "S:" << 1 << 0 << 3;
        QTest::newRow("k1 3") << "S:-" << 1 << 0 << 2;
        QTest::newRow("k1 5") << "S:A84" << 1 << 0 << 2;
        QTest::newRow("k1 7") << "H:T9765" << 1 << 0 << 2;
        QTest::newRow("k1 8 without )") << "R:VT9765" << 1 << 0 << 1;
        QTest::newRow("k1 8 with )") << "Oost(16)" << 1 << 0 << 2;
        QTest::newRow("k1 9 without )") << "R:AVT9765" << 1 << 0 << 1;
        QTest::newRow("k1 9 with )") << "Noord(17)" << 1 << 0 << 1;
        QTest::newRow("k1 10 without )") << "K:AHVT9765" << 1 << 0 << 1;
        QTest::newRow("k1 10 with )") << "North (17)" << 1 << 0 << 2;
        // Column kinds 2 and 3: header rows by row kind, body rows as kind 0.
        QTest::newRow("k2 board row short") << "5" << 2 << 1 << 2;
        QTest::newRow("k3 board row long") << "Noord-Zuid(12)" << 3 << 1 << 2;
        QTest::newRow("k2 dealer row") << "Gever: Noord" << 2 << 2 << 1;
        QTest::newRow("k3 dealer row empty") << "" << 3 << 2 << 1;
        QTest::newRow("k2 body 8") << "Noord(5)" << 2 << 0 << 2;
        QTest::newRow("k3 body 9 with )") << "Noord(17)" << 3 << 0 << 1;
        QTest::newRow("k3 body 9 without )") << "S:AHVB5432" << 3 << 0 << 2;
        QTest::newRow("k3 other row kind") << "Noord(17)" << 3 << 7 << 1;
    }
    void bepaalTabs() {
        QFETCH(QString, cel);
        QFETCH(int, kolom);
        QFETCH(int, rij);
        QFETCH(int, tabs);
        QString tabReeks = "x";
        BepaalTabs(cel, kolom, rij, tabReeks);
        QCOMPARE(tabReeks, T(tabs));
    }
    void bepaalTabsLeavesRunForUnknownColumnKind() {
        for (int kolom : {-1, 4, 16}) {
            QString tabReeks = T(5);
            BepaalTabs("Noord(17)", kolom, 0, tabReeks);
            QCOMPARE(tabReeks, T(5));
        }
    }

    void trimRemovesOnlySpaces() {
        QCOMPARE(TrimSpaties("  5\r\n\r\n  "), QString("5\r\n\r\n"));
        QCOMPARE(TrimSpaties("\tx \t "), QString("\tx \t"));
        QCOMPARE(TrimSpaties("   "), QString());
    }

    void layout0WorkedExample() {
        const QString verwacht = Regels({"5", "Gever: Noord", "Kwetsbaar: Noord-Zuid", " ",
                                         "Noord(17)\tOost(16)\t\tZuid(5)\t\tWest(2)\t\t",
                                         "AH52\t\tVT9\t\tB876\t\t43\t\t",
                                         "VB3\t\tAH8\t\tT9765\t\t42\t\t",
                                         "A84\t\tHB5\t\t32\t\tVT976\t\t",
                                         "H76\t\tVB32\t\tAT\t\t9854\t\t", "", Streep, ""});
        QCOMPARE(Layout0({Voorbeeld}, Nederlands(), true, false, true), verwacht);
    }
    void layout0TenOff() {
        const QStringList regels =
            Layout0({Voorbeeld}, Nederlands(), false, false, true).split("\r\n");
        QCOMPARE(regels[5], QString("AH52\t\tV109\t\tB876\t\t43\t\t"));
        QCOMPARE(regels[6], QString("VB3\t\tAH8\t\t109765\t\t42\t\t"));
        QCOMPARE(regels[7], QString("A84\t\tHB5\t\t32\t\tV10976\t\t"));
        QCOMPARE(regels[8], QString("H76\t\tVB32\t\tA10\t\t9854\t\t"));
    }
    void layout0LettersOnPointsOff() {
        const QString verwacht = Regels({"5", "Gever: Noord", "Kwetsbaar: Noord-Zuid", " ",
                                         "Noord\t\tOost\t\tZuid\t\tWest\t\t",
                                         "S:AH52\t\tS:VT9\t\tS:B876\t\tS:43\t\t",
                                         "H:VB3\t\tH:AH8\t\tH:T9765\t\tH:42\t\t",
                                         "R:A84\t\tR:HB5\t\tR:32\t\tR:VT976\t\t",
                                         "K:H76\t\tK:VB32\t\tK:AT\t\tK:9854\t\t", "", Streep, ""});
        QCOMPARE(Layout0({Voorbeeld}, Nederlands(), true, true, false), verwacht);
    }
    void layout0LettersUseColumnKindOne() {
        // A six-card suit with its letter is 8 characters: one tab in column
        // kind 1, where kind 0 would give two.
        QString record = Voorbeeld;
        record.replace("~VT976~", "~VT9765~").replace("~43~42~", "~3~42~");
        Paneel0 p = Paneel0Voor(Nederlands(), true, true);
        TabStand tabs;
        const QStringList regels = BouwLayout0(Set({record}), p, tabs, Nederlands(), true).split("\r\n");
        QCOMPARE(regels[5], QString("S:AH52\t\tS:VT9\t\tS:B876\t\tS:3\t\t"));
        QCOMPARE(regels[7], QString("R:A84\t\tR:HB5\t\tR:32\t\tR:VT9765\t"));
        QCOMPARE(tabs.KolomSoort, 1);
    }
    void layout0English() {
        const QString verwacht = Regels({"5", "Dealer: North", "Vulnerable: North-South", " ",
                                         "North(17)\tEast(16)\t\tSouth(5)\t\tWest(2)\t\t",
                                         "S:AH52\t\tS:VT9\t\tS:B876\t\tS:43\t\t",
                                         "H:VB3\t\tH:AH8\t\tH:T9765\t\tH:42\t\t",
                                         "D:A84\t\tD:HB5\t\tD:32\t\tD:VT976\t\t",
                                         "C:H76\t\tC:VB32\t\tC:AT\t\tC:9854\t\t", "", Streep, ""});
        QCOMPARE(Layout0({Voorbeeld}, Engels(), true, true, true), verwacht);
    }
    void layout0SeveralDealsAndLastDealInPanel() {
        Paneel0 p = Paneel0Voor(Nederlands(), false, true);
        TabStand tabs;
        const QString tekst = BouwLayout0(Set(Bord(2)), p, tabs, Nederlands(), true);
        QVERIFY(tekst.startsWith("1\r\nGever: Noord\r\nKwetsbaar: Niemand\r\n \r\n"));
        QVERIFY(tekst.contains("\r\n\r\n2\r\nGever: Oost\r\nKwetsbaar: Noord-Zuid\r\n"));
        QVERIFY(tekst.endsWith(Streep + "\r\n\r\n"));
        QCOMPARE(tekst.split("\r\n").size(), 2 * 12 + 1);
        QCOMPARE(p.spelnummer[0], QString("2"));
        QCOMPARE(p.punten[0], QString("(16)"));
        QCOMPARE(p.hand[0], QString("VT9"));
    }
    void leadingZerosAreDropped() {
        const QString tekst = Layout0({Record(7, 0)}, Nederlands(), true, false, true);
        QVERIFY(tekst.startsWith("7\r\nGever: Zuid\r\nKwetsbaar: Allen\r\n"));
    }

    void layout1FourBoards() {
        const Teksten t = Nederlands();
        const QString tekst = Layout1(Bord(4), t, true, false, true);
        const QStringList regels = tekst.split("\r\n");
        QCOMPARE(regels.size(), 4 * 12 + 1);
        QCOMPARE(regels.mid(0, 12), NoordRijBord1tot4());
        // The passes follow the seats: East, South, West.
        QCOMPARE(regels[12], regels[0]);
        QCOMPARE(regels[16], QString("Oost(16)\t\tOost(5)\t\tOost(2)\t\tOost(17)\t\t"));
        QCOMPARE(regels[17], QString("VT9\t\tB876\t\t43\t\tAH52\t\t"));
        QCOMPARE(regels[28], QString("Zuid(5)\t\tZuid(2)\t\tZuid(17)\t\tZuid(16)\t\t"));
        QCOMPARE(regels[40], QString("West(2)\t\tWest(17)\t\tWest(16)\t\tWest(5)\t\t"));
        QCOMPARE(regels[44], QString("9854\t\tH76\t\tVB32\t\tAT\t\t"));
    }
    void layout1FiveBoards() {
        Paneel0 p = Paneel0Voor(Nederlands(), false, true);
        TabStand tabs;
        QStringList records = Bord(4);
        records << Voorbeeld;
        const QStringList regels =
            BouwLayout1(Set(records), p, tabs, Nederlands(), true).split("\r\n");
        QCOMPARE(regels.size(), 8 * 12 + 1);
        QCOMPARE(regels.mid(0, 12), NoordRijBord1tot4());
        // The second row of the North pass: board 5, then three columns
        // showing the captions the row reset leaves.
        const QStringList tweede = {"5" + T(8),
                                    "Gever: Noord\tGever:\tGever:\tGever:\t",
                                    "Kwetsbaar: NZ\tKwetsbaar:\tKwetsbaar:\tKwetsbaar:\t",
                                    " ",
                                    "Noord(17)\tOost( )\t\tZuid( )\t\tWest( )\t\t",
                                    "AH52" + T(8), "VB3" + T(8), "A84" + T(8), "H76" + T(8),
                                    "", Streep, ""};
        QCOMPARE(regels.mid(12, 12), tweede);
        QCOMPARE(regels[24 + 4], QString("Oost(16)\t\tOost(5)\t\tOost(2)\t\tOost(17)\t\t"));
        QCOMPARE(regels[36 + 4], QString("Oost(16)\t\tOost( )\t\tZuid( )\t\tWest( )\t\t"));
        QCOMPARE(regels[84 + 5], QString("43" + T(8)));
        // The panel ends in the reset state.
        QCOMPARE(p.gever[0], QString("Gever:"));
        QCOMPARE(p.punten[2], QString("( )"));
        QCOMPARE(p.wind[3], QString("West"));
        QCOMPARE(p.hand[0], QString());
    }
    void layout1ShortFirstRowHasEmptyCells() {
        // Whatever the preview labels held before, the empty fourth column of
        // the first row shows nothing but its tab runs.
        Paneel0 p = Paneel0Voor(Nederlands(), false, true);
        for (int c = 0; c < 4; ++c) {
            p.spelnummer[c] = "9";
            p.gever[c] = "Gever:";
            p.kwetsbaar[c] = "Kwetsbaar";
            p.wind[c] = "Noord";
        }
        p.hand[12] = "AHV";
        TabStand tabs;
        const QStringList regels = BouwLayout1(Set(Bord(3)), p, tabs, Nederlands(), true).split("\r\n");
        QCOMPARE(regels[0], "1" + T(2) + "2" + T(2) + "3" + T(2) + T(2));
        QCOMPARE(regels[1], QString("Gever: Noord\tGever: Oost\tGever: Zuid\t\t"));
        QCOMPARE(regels[2], QString("Kwetsbaar: -\tKwetsbaar: NZ\tKwetsbaar: OW\t\t"));
        QCOMPARE(regels[4], QString("Noord(17)\tNoord(16)\tNoord(5)\t\t\t\t"));
        QCOMPARE(regels[5], QString("AH52\t\tVT9\t\tB876\t\t\t\t"));
    }
    void layout1LettersOnPointsOffTenOff() {
        const QStringList regels = Layout1(Bord(4), Nederlands(), false, true, false).split("\r\n");
        QCOMPARE(regels[0], "1" + T(2) + "2" + T(2) + "3" + T(2) + "4" + T(2));
        QCOMPARE(regels[2], QString("Kwetsbaar: -\tKwetsbaar: NZ\tKwetsbaar: OW\tKwetsbaar: A\t"));
        QCOMPARE(regels[4], QString("Noord\t\tNoord\t\tNoord\t\tNoord\t\t"));
        QCOMPARE(regels[5], QString("S:AH52\t\tS:V109\t\tS:B876\t\tS:43\t\t"));
        QCOMPARE(regels[6], QString("H:VB3\t\tH:AH8\t\tH:109765\tH:42\t\t"));
        QCOMPARE(regels[8], QString("K:H76\t\tK:VB32\t\tK:A10\t\tK:9854\t\t"));
    }
    void layout1English() {
        QStringList records;
        for (int k = 1; k <= 4; ++k) records << Record(k, (k - 1) % 4, {"North", "East", "South", "West"});
        const QStringList regels = Layout1(records, Engels(), true, false, true).split("\r\n");
        QCOMPARE(regels[1], QString("Dealer: North\tDealer: East\tDealer: South\tDealer: West\t"));
        QCOMPARE(regels[2], QString("Vulnerable: -\tVulnerable: NS\tVulnerable: EW\tVulnerable: A\t"));
        QCOMPARE(regels[4], QString("North(17)\tNorth(16)\tNorth(5)\t\tNorth(2)\t\t"));
    }
    void layout1TenFromRecordsHoldingTen() {
        // A set dealt while the ten was shown as "T" holds "10" in its records.
        QString record = Voorbeeld;
        record.replace('T', "10");
        const QStringList regels = Layout1({record}, Nederlands(), true, false, true).split("\r\n");
        QCOMPARE(regels[24 + 6], "T9765" + T(8));
    }

    void layout2WorkedExample() {
        Paneel2 p = Paneel2Voor(Nederlands(), false, true);
        const QString verwacht = Regels({"5", "Gever: Noord", "Kwetsbaar: Noord-Zuid", "",
                                         "Noord (17)", "AH52", "VB3", "A84", "H76", "",
                                         "Oost (16)", "VT9", "AH8", "HB5", "VB32", "",
                                         "Zuid (5)", "B876", "T9765", "32", "AT", "",
                                         "West (2)", "43", "42", "VT976", "9854", "",
                                         Streep, ""});
        QCOMPARE(BouwLayout2(Set({Voorbeeld}), p, Nederlands(), true), verwacht);
        QCOMPARE(p.punten[0], QString("(17)"));
        QCOMPARE(p.hand[15], QString("9854"));
    }
    void layout2LettersOnPointsOffTenOff() {
        Paneel2 p = Paneel2Voor(Nederlands(), true, false);
        const QStringList regels = BouwLayout2(Set({Voorbeeld}), p, Nederlands(), false).split("\r\n");
        QCOMPARE(regels.mid(4, 6), QStringList({"Noord", "S:AH52", "H:VB3", "R:A84", "K:H76", ""}));
        QCOMPARE(regels.mid(10, 3), QStringList({"Oost", "S:V109", "H:AH8"}));
        QCOMPARE(regels[18], QString("H:109765"));
    }
    void layout2English() {
        Paneel2 p = Paneel2Voor(Engels(), true, true);
        const QStringList regels = BouwLayout2(Set(Bord(4)), p, Engels(), true).split("\r\n");
        QCOMPARE(regels.size(), 4 * 30 + 1);
        QCOMPARE(regels.mid(90, 9), QStringList({"4", "Dealer: West", "Vulnerable: All", "",
                                                 "North (2)", "S:43", "H:42", "D:VT976", "C:9854"}));
    }

    void layout3FiveBoardsFourPerRow() {
        Paneel3 p = Paneel3Voor(Nederlands(), true, true);
        QStringList records = Bord(4);
        records << Voorbeeld;
        const QStringList regels = BouwLayout3(Set(records), p, Nederlands(), 4).split("\r\n");
        QCOMPARE(regels.size(), 2 * 22 + 1);
        const QString leegNW = QString(" ") + T(2) + " " + T(3);
        const QStringList tweede = {
            "5" + T(20),
            "Gever: Noord" + T(16),
            "Kwetsbaar: Noord-Zuid" + T(12),
            "",
            "\tNoord (17)" + T(4) + (" " + T(4)).repeated(3),
            "\tS:AH52" + ("\t\t\t\t\tS:" + QString()).repeated(3),
            "\tH:VB3" + QString("\t\t\t\t\tH:").repeated(3),
            "\tR:A84" + QString("\t\t\t\t\tR:").repeated(3),
            "\tK:H76" + QString("\t\t\t\t\tK:").repeated(3),
            "",
            "West (2)\t\tOost (16)\t\t" + leegNW.repeated(3),
            "S:43\t\tS:VT9\t\t\t" + QString("S:\t\tS:\t\t\t").repeated(3),
            "H:42\t\tH:AH8\t\t\t" + QString("H:\t\tH:\t\t\t").repeated(3),
            "R:VT976\t\tR:HB5\t\t\t" + QString("R:\t\tR:\t\t\t").repeated(3),
            "K:9854\t\tK:VB32\t\t\t" + QString("K:\t\tK:\t\t\t").repeated(3),
            "",
            "\tZuid (5)" + T(5) + (" " + T(5)).repeated(3),
            "\tS:B876" + QString("\t\t\t\t\tS:").repeated(3),
            "\tH:T9765" + QString("\t\t\t\t\tH:").repeated(3),
            "\tR:32" + QString("\t\t\t\t\tR:").repeated(3),
            "\tK:AT" + QString("\t\t\t\t\tK:").repeated(3),
            ""};
        QCOMPARE(regels.mid(22, 22), tweede);
        // First row: four diagrams; "Allen" takes four tabs, the others three.
        QCOMPARE(regels[0], "1" + T(5) + "2" + T(5) + "3" + T(5) + "4" + T(5));
        QCOMPARE(regels[2], "Kwetsbaar: Niemand" + T(3) + "Kwetsbaar: Noord-Zuid" + T(3) +
                                "Kwetsbaar: Oost-West" + T(3) + "Kwetsbaar: Allen" + T(4));
        QCOMPARE(regels[4], "\tNoord (17)" + T(4) + "Noord (16)" + T(4) + "Noord (5)" + T(4) +
                                "Noord (2)" + T(4));
        QCOMPARE(regels[10], "West (2)\t\tOost (16)\t\tWest (17)\tOost (5)\t\t\t"
                             "West (16)\tOost (2)\t\t\tWest (5)\t\tOost (17)\t\t");
        // The panel keeps the last row, its unused diagrams emptied.
        QCOMPARE(p.spelnummer[0], QString("5"));
        QCOMPARE(p.spelnummer[1], QString());
        QCOMPARE(p.wind[1], QString("Oost"));
        QCOMPARE(p.punten[1], QString("(16)"));
        QCOMPARE(p.hand[16], QString());
    }
    void layout3EachDealsPerRow_data() {
        QTest::addColumn<int>("perRij");
        QTest::addColumn<QStringList>("nummerRegels");
        const QString V = T(5);
        QTest::newRow("1") << 1 << QStringList{"1" + V, "2" + V, "3" + V, "4" + V, "5" + V};
        QTest::newRow("2") << 2 << QStringList{"1" + V + "2" + V, "3" + V + "4" + V, "5" + V + V};
        QTest::newRow("3") << 3 << QStringList{"1" + V + "2" + V + "3" + V, "4" + V + "5" + V + V};
        QTest::newRow("4") << 4 << QStringList{"1" + V + "2" + V + "3" + V + "4" + V, "5" + V + V + V + V};
    }
    void layout3EachDealsPerRow() {
        QFETCH(int, perRij);
        QFETCH(QStringList, nummerRegels);
        Paneel3 p = Paneel3Voor(Nederlands(), false, false);
        QStringList records = Bord(4);
        records << Voorbeeld;
        const QString tekst = BouwLayout3(Set(records), p, Nederlands(), perRij);
        const QStringList regels = tekst.split("\r\n");
        QCOMPARE(regels.size(), 22 * nummerRegels.size() + 1);
        for (int r = 0; r < nummerRegels.size(); ++r) {
            QCOMPARE(regels[22 * r], nummerRegels[r]);
            // Each row ends with the empty line after the South block.
            QCOMPARE(regels[22 * r + 21], QString());
        }
        QVERIFY(!tekst.contains(Streep));
    }
    void layout3OneDealLettersOffPointsOff() {
        Paneel3 p = Paneel3Voor(Nederlands(), false, false);
        const QString verwacht = Regels({"5" + T(5), "Gever: Noord" + T(4), "Kwetsbaar: Noord-Zuid" + T(3), "",
                                         "\tNoord" + T(5), "\tAH52", "\tVB3", "\tA84", "\tH76", "",
                                         "West\t\tOost\t\t\t", "43\t\tVT9\t\t\t", "42\t\tAH8\t\t\t",
                                         "VT976\t\tHB5\t\t\t", "9854\t\tVB32\t\t\t", "",
                                         "\tZuid" + T(5), "\tB876", "\tT9765", "\t32", "\tAT", ""});
        QCOMPARE(BouwLayout3(Set({Voorbeeld}), p, Nederlands(), 1), verwacht);
    }
    void layout3LongHoldings() {
        // North AHV8652 (7), West VT976543 (8), East AHVB98 (6).
        QString record = "001~AHV8652~VB3~A4~H~-~A8~HB5~VB32~B7~T9765~32~AT~VT976543~42~V~98~"
                         "Noord(17)~Oost(12)~Zuid(5)~West(10)";
        record.replace("~-~A8~HB5~VB32~", "~AHVB98~A8~H5~-~");
        {
            Paneel3 p = Paneel3Voor(Nederlands(), true, true);
            const QStringList regels = BouwLayout3(Set({record, Voorbeeld}), p, Nederlands(), 2).split("\r\n");
            QCOMPARE(regels[5], "\tS:AHV8652" + T(3) + "\tS:AH52");
            QCOMPARE(regels[10], QString("West (10)\tOost (12)\t\tWest (2)\t\tOost (16)\t\t"));
            QCOMPARE(regels[11], QString("S:VT976543\tS:AHVB98\t\tS:43\t\tS:VT9\t\t\t"));
        }
        {
            Paneel3 p = Paneel3Voor(Nederlands(), false, true);
            const QStringList regels = BouwLayout3(Set({record, Voorbeeld}), p, Nederlands(), 2).split("\r\n");
            QCOMPARE(regels[5], "\tAHV8652" + T(4) + "\tAH52");
            QCOMPARE(regels[11], QString("VT976543\tAHVB98\t\t\t43\t\tVT9\t\t\t"));
        }
    }
    void layout3KeepsTenAsStored() {
        QString record = Voorbeeld;
        record.replace("T9765", "109765");
        Paneel3 p = Paneel3Voor(Nederlands(), false, false);
        const QStringList regels = BouwLayout3(Set({record}), p, Nederlands(), 1).split("\r\n");
        QCOMPARE(regels[18], QString("\t109765"));
        QCOMPARE(regels[11], QString("43\t\tVT9\t\t\t"));
    }
    void layout3English() {
        QStringList records;
        for (int k = 1; k <= 4; ++k) records << Record(k, (k - 1) % 4, {"North", "East", "South", "West"});
        Paneel3 p = Paneel3Voor(Engels(), true, true);
        const QStringList regels = BouwLayout3(Set(records), p, Engels(), 2).split("\r\n");
        QCOMPARE(regels[22 + 1], "Dealer: South" + T(4) + "Dealer: West" + T(4));
        QCOMPARE(regels[22 + 2], "Vulnerable: East-West" + T(3) + "Vulnerable: All" + T(4));
        QCOMPARE(regels[22 + 5], "\tS:B876" + T(4) + "\tS:43");
        QCOMPARE(regels[22 + 13], QString("D:HB5\t\tD:VT976\t\t\tD:32\t\tD:A84\t\t\t"));
    }

    void damagedItemsNeverBreakABuild() {
        const QStringList records = {
            "",
            "   ",
            "Renonce: 3~Singelton: 10~Doubelton: 25~7 kaart: 4~8 Kaart: 1~9 Kaart: 0",
            "007" + QString(20, '~'),          // empty lesson slot
            "000~AH52~VB3",                    // no such board
            "999~AH52~VB3",
            "xyz",
        };
        QVERIFY(Set(records).isEmpty());
        const Teksten t = Nederlands();
        QCOMPARE(Layout0(records, t, true, true, true), QString());
        QCOMPARE(Layout1(records, t, true, true, true), QString());
        Paneel2 p2 = Paneel2Voor(t, true, true);
        QCOMPARE(BouwLayout2(Set(records), p2, t, true), QString());
        Paneel3 p3 = Paneel3Voor(t, true, true);
        QCOMPARE(BouwLayout3(Set(records), p3, t, 4), QString());
    }
    void shortRecordIsWrittenWithEmptyFields() {
        const QStringList records = {"", Voorbeeld, "006~AH52~VB3", "007" + QString(20, '~')};
        const QList<Spel> spellen = Set(records);
        QCOMPARE(spellen.size(), 2);
        QCOMPARE(spellen[1].nummer, 6);
        QCOMPARE(spellen[1].velden.size(), 21);
        const Teksten t = Nederlands();
        const QStringList regels = Layout0(records, t, true, false, true).split("\r\n");
        QCOMPARE(regels.size(), 2 * 12 + 1);
        QCOMPARE(regels[12], QString("6"));
        QCOMPARE(regels[13], QString("Gever: Oost"));
        // No points in the record: none shown, not those of board 5.
        QCOMPARE(regels[16], QString("Noord\t\tOost\t\tZuid\t\tWest\t\t"));
        QCOMPARE(regels[17], QString("AH52\t\t\t\t\t\t\t\t"));
        QVERIFY(!Layout1(records, t, true, true, true).isEmpty());
        Paneel2 p2 = Paneel2Voor(t, false, true);
        const QStringList regels2 = BouwLayout2(Set(records), p2, t, true).split("\r\n");
        QCOMPARE(regels2[30 + 4], QString("Noord"));
        Paneel3 p3 = Paneel3Voor(t, true, true);
        QVERIFY(BouwLayout3(Set(records), p3, t, 4).contains("\tS:AH52"));
    }
    void dealsPerRowOutsideRangeIsClamped() {
        Paneel3 p = Paneel3Voor(Nederlands(), false, false);
        QCOMPARE(BouwLayout3(Set(Bord(2)), p, Nederlands(), 0).split("\r\n").size(), 2 * 22 + 1);
        QCOMPARE(BouwLayout3(Set(Bord(5)), p, Nederlands(), 9).split("\r\n").size(), 2 * 22 + 1);
    }
};

QTEST_GUILESS_MAIN(TestKlembordTekst)
#include "test_klembord_tekst.moc"
