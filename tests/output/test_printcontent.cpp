#include <QtTest>

#include "output/AfdrukInhoud.h"
#include "shared/Tekst.h"

using namespace afdruk;

namespace {

const QString Gevers = QString("0123").repeated(75);
const QString Kwetsbaar = QString("0123123023013012").repeated(15);

AfdrukContext Context(int taal, bool tien = true) {
    TaalNummer = taal;
    AfdrukContext c;
    c.tekst = [](int n) { return TaalTekst(n); };
    c.tien = tien;
    c.nederlands = taal == 10;
    c.geverReeks = Gevers;
    c.kwetsbaarReeks = Kwetsbaar;
    return c;
}

// A record whose holdings name their place: board b, seat h, suit s gives
// "b<b>h<h>s<s>" ("10" and "T" are put in by the tests that need them).
QString Record(int nummer, const QString& zetels = "Noord(10)~Oost(10)~Zuid(10)~West(10)") {
    QStringList velden{QString::number(1000 + nummer).right(3)};
    for (int h = 0; h < 4; ++h)
        for (int s = 0; s < 4; ++s)
            velden << QString("b%1h%2s%3").arg(nummer).arg(h).arg(s);
    return velden.join('~') + '~' + zetels;
}

QStringList Set(int aantal, int eerste = 1) {
    QStringList items;
    for (int i = 0; i < aantal; ++i)
        items << Record(eerste + i);
    return items;
}

}  // namespace

class TestPrintContent : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TaalNummer = 10; }

    void layoutZeroShowsOnlyTheSeatOfTheJob() {
        const auto oost = HandenPerWind(Set(4), 1, Context(11));
        QCOMPARE(oost[0].blokken[0].kop, QString("Game 1 - East   N/-"));
        QCOMPARE(oost[0].blokken[3].kop, QString("Game 4 - East   W/A"));
        for (int p = 0; p < 4; ++p)
            for (int s = 0; s < 4; ++s)
                QCOMPARE(oost[0].blokken[p].kleuren[s], QString("b%1h1s%2 ").arg(p + 1).arg(s));
    }
    void layoutZeroShowsTheTenInDisplayForm() {
        const QString record = "001~AK10~QT9~-~2~" + QString("x~").repeated(12) +
                               "Noord(1)~Oost(1)~Zuid(1)~West(1)";
        auto metT = HandenPerWind({record}, 0, Context(10, true));
        QCOMPARE(metT[0].blokken[0].kleuren[0], QString("AKT "));
        QCOMPARE(metT[0].blokken[0].kleuren[1], QString("QT9 "));
        QCOMPARE(metT[0].blokken[0].kleuren[2], QString("- "));
        auto met10 = HandenPerWind({record}, 0, Context(10, false));
        QCOMPARE(met10[0].blokken[0].kleuren[0], QString("AK10 "));
        QCOMPARE(met10[0].blokken[0].kleuren[1], QString("Q109 "));
    }
    void layoutOnePrintsTheTenAsStored() {
        const QString record = "001~AK10~QT9~" + QString("x~").repeated(14) + "N(1)~O(1)~Z(1)~W(1)";
        for (bool tien : {true, false}) {
            const auto beelden = HandenNaastElkaar({record}, Context(10, tien));
            QCOMPARE(beelden[0].blokken[0].kleuren[0], QString("AK10"));
            QCOMPARE(beelden[0].blokken[0].kleuren[1], QString("QT9"));
        }
    }
    void layoutOneSkipsBlankItemsAndSurvivesShortRecords() {
        const auto beelden = HandenNaastElkaar({"", "007~AK", "  "}, Context(10));
        QCOMPARE(beelden.size(), 1);
        QCOMPARE(beelden[0].blokken[0].kop, QString("Spel 1 - Noord   N/-"));
        QCOMPARE(beelden[0].blokken[0].kleuren[0], QString("AK"));
        QVERIFY(beelden[0].blokken[3].kleuren[3].isEmpty());
    }

    void layoutTwoDealerAndVulnerabilityByPlace() {
        const auto nl = TweeNaastElkaar(Set(6, 17), Context(10));
        QCOMPARE(nl[0].panelen[0].gever, QString("Gever: Noord"));
        QCOMPARE(nl[0].panelen[1].gever, QString("Gever: Oost"));
        QCOMPARE(nl[1].panelen[0].gever, QString("Gever: Zuid"));
        QCOMPARE(nl[2].panelen[1].gever, QString("Gever: Oost"));
        QCOMPARE(nl[0].panelen[0].kwetsbaar, QString("Kwetsbaar: -"));
        QCOMPARE(nl[0].panelen[1].kwetsbaar, QString("Kwetsbaar: NZ"));
        QCOMPARE(nl[1].panelen[0].kwetsbaar, QString("Kwetsbaar: OW"));
        QCOMPARE(nl[1].panelen[1].kwetsbaar, QString("Kwetsbaar: Al"));
        const auto en = TweeNaastElkaar(Set(4), Context(11));
        QCOMPARE(en[1].panelen[1].kwetsbaar, QString("Vulnerable: All"));
        QCOMPARE(en[0].panelen[1].gever, QString("Dealer: East"));
    }
    void layoutTwoKeepsTheTenAsStored() {
        const QString record = "001~AK10~QT9";
        const auto beelden = TweeNaastElkaar({record}, Context(10, true));
        QCOMPARE(beelden[0].panelen[0].kleuren[0], QString(" AK10"));
        QCOMPARE(beelden[0].panelen[0].kleuren[1], QString(" QT9"));
        QCOMPARE(beelden[0].panelen[0].kleuren[2], QString(" "));
    }

    void layoutThreeTenRuleWithLeadingBlank() {
        const QString record = "001~AK10~QT9~-";
        const auto metT = Diagrammen({record}, Context(10, true));
        QCOMPARE(metT[0].kleuren[0], QString(" AKT"));
        QCOMPARE(metT[0].kleuren[1], QString(" QT9"));
        QCOMPARE(metT[0].kleuren[2], QString(" -"));
        const auto met10 = Diagrammen({record}, Context(10, false));
        QCOMPARE(met10[0].kleuren[0], QString(" AK10"));
        QCOMPARE(met10[0].kleuren[1], QString(" Q109"));
        QCOMPARE(met10[0].kleuren[15], QString(" "));
    }
    void layoutThreePointsWithoutParenthesisAndShortRecords() {
        const auto beelden =
            Diagrammen({Record(1, "Noord~Oost(7)~Zuid(12)x~"), "   ", "002"}, Context(10));
        QCOMPARE(beelden.size(), 2);
        QCOMPARE(beelden[0].punten[0], QString("()"));
        QCOMPARE(beelden[0].punten[1], QString("(7)"));
        QCOMPARE(beelden[0].punten[2], QString("(12)x"));
        QCOMPARE(beelden[0].punten[3], QString("()"));
        QCOMPARE(beelden[1].spelnummer, QString("2"));
        QCOMPARE(beelden[1].punten[3], QString("()"));
    }
    void layoutThreeWithoutSeriesLeavesDealerEmpty() {
        AfdrukContext c = Context(10);
        c.geverReeks.clear();
        c.kwetsbaarReeks.clear();
        const auto beelden = Diagrammen(Set(1), c);
        QCOMPARE(beelden[0].gever, QString("Gever: "));
        QCOMPARE(beelden[0].kwetsbaar, QString("Kwetsbaar: "));
    }
};

QTEST_GUILESS_MAIN(TestPrintContent)
#include "test_printcontent.moc"
