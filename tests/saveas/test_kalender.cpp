#include <QtTest>

#include "saveas/Kalender.h"

using namespace kalender;

class TestKalender : public QObject {
    Q_OBJECT
private slots:
    void february2021FillsRowsOneToFour() {
        const MaandRooster r = BouwMaandRooster(2021, 2);
        QCOMPARE(r.EersteCel, 1);          // starts on a Monday
        QCOMPARE(r.DagenInMaand, 28);
        QCOMPARE(r.LaatsteCel(), 28);      // end of row 4
        QVERIFY(!r.RijZesZichtbaar());
        QCOMPARE(r.DagInCel(1), 1);
        QCOMPARE(r.DagInCel(28), 28);
        QCOMPARE(r.DagInCel(29), 0);
    }
    void february2024() {
        const MaandRooster r = BouwMaandRooster(2024, 2);
        QCOMPARE(r.EersteCel, 4);          // Thursday
        QCOMPARE(r.DagenInMaand, 29);
        QCOMPARE(r.LaatsteCel(), 32);
        QCOMPARE(r.DagInCel(3), 0);
        QCOMPARE(r.DagInCel(4), 1);
        QCOMPARE(r.DagInCel(32), 29);
        QCOMPARE(r.DagInCel(33), 0);
        QCOMPARE(r.CelVanDag(29), 32);
        QCOMPARE(r.CelVanDag(30), 0);
        QVERIFY(!r.RijZesZichtbaar());
    }
    void sundayStartAndRowSix() {
        // March 2026 starts on a Sunday and has 31 days: cell 7 to cell 37.
        const MaandRooster zondag = BouwMaandRooster(2026, 3);
        QCOMPARE(zondag.EersteCel, 7);
        QCOMPARE(zondag.LaatsteCel(), 37);
        QVERIFY(zondag.RijZesZichtbaar());
        // August 2026 starts on a Saturday: 31 days end in cell 36.
        const MaandRooster zaterdag = BouwMaandRooster(2026, 8);
        QCOMPARE(zaterdag.EersteCel, 6);
        QCOMPARE(zaterdag.LaatsteCel(), 36);
        QVERIFY(zaterdag.RijZesZichtbaar());
        // A 30-day month starting on Saturday stays within row 5.
        const MaandRooster kort = BouwMaandRooster(2025, 11);
        QCOMPARE(kort.EersteCel, 6);
        QCOMPARE(kort.LaatsteCel(), 35);
        QVERIFY(!kort.RijZesZichtbaar());
    }
    void cellsOutsideTheGridAreEmpty() {
        const MaandRooster r = BouwMaandRooster(2026, 3);
        QCOMPARE(r.DagInCel(0), 0);
        QCOMPARE(r.DagInCel(43), 0);
        QCOMPARE(r.DagInCel(-5), 0);
        QCOMPARE(BouwMaandRooster(2026, 13).DagInCel(1), 0);
    }
    void leapYears() {
        QVERIFY(IsSchrikkeljaar(2024));
        QVERIFY(!IsSchrikkeljaar(2023));
        QVERIFY(!IsSchrikkeljaar(1900));
        QVERIFY(IsSchrikkeljaar(2000));
        QCOMPARE(DagenInMaand(2023, 2), 28);
        QCOMPARE(DagenInMaand(2100, 2), 28);
        QCOMPARE(DagenInMaand(2026, 4), 30);
        QCOMPARE(DagenInMaand(2026, 12), 31);
        QCOMPARE(DagenInMaand(2026, 0), 0);
    }
    void bothDatePatterns() {
        QCOMPARE(DatumInPatroon("DD-MM-YYYY", 5, 1, 2026), QString("05-01-2026"));
        QCOMPARE(DatumInPatroon("YYYY-MM-DD", 5, 1, 2026), QString("2026-01-05"));
        QCOMPARE(DatumInPatroon("DD-MM-YYYY", 31, 12, 999), QString("31-12-0999"));
    }
    void dayClampedToTheMonth() {
        QCOMPARE(BegrensDag(31, 2026, 2), 28);
        QCOMPARE(BegrensDag(31, 2024, 2), 29);
        QCOMPARE(BegrensDag(31, 2026, 4), 30);
        QCOMPARE(BegrensDag(15, 2026, 2), 15);
        QCOMPARE(BegrensDag(0, 2026, 2), 1);
        // 29 February, then a year that is not a leap year.
        QCOMPARE(BegrensDag(29, 2025, 2), 28);
    }
    void choiceKeepsAValidDate() {
        KalenderKeuze k(31, 1, 2026);
        k.KiesMaand(2);
        QCOMPARE(k.Dag(), 28);
        QCOMPARE(k.Datum("DD-MM-YYYY"), QString("28-02-2026"));
        // Back to a long month: the clamped day stays.
        k.KiesMaand(3);
        QCOMPARE(k.Dag(), 28);
        KalenderKeuze schrikkel(29, 2, 2024);
        schrikkel.KiesJaar(2025);
        QCOMPARE(schrikkel.Datum("YYYY-MM-DD"), QString("2025-02-28"));
        // Nonsense from outside changes nothing.
        schrikkel.KiesMaand(13);
        schrikkel.KiesJaar(0);
        QCOMPARE(schrikkel.Datum("YYYY-MM-DD"), QString("2025-02-28"));
        QCOMPARE(KalenderKeuze(40, 4, 2026).Dag(), 30);
    }
    void emptyCellClickChangesNothing() {
        KalenderKeuze k(10, 2, 2024);      // February 2024: cells 4..32
        QVERIFY(!k.KlikCel(3));
        QVERIFY(!k.KlikCel(33));
        QVERIFY(!k.KlikCel(0));
        QCOMPARE(k.Dag(), 10);
        QVERIFY(k.KlikCel(32));
        QCOMPARE(k.Dag(), 29);
        QCOMPARE(k.Datum("DD-MM-YYYY"), QString("29-02-2024"));
    }
    void arrowStepsStayWithinTheMonth() {
        KalenderKeuze k(2, 2, 2024);
        QVERIFY(!k.Stap(-7));
        QVERIFY(k.Stap(-1));
        QCOMPARE(k.Dag(), 1);
        QVERIFY(!k.Stap(-1));
        QVERIFY(k.Stap(7));
        QVERIFY(k.Stap(21));
        QCOMPARE(k.Dag(), 29);  // a leap year's February
        QVERIFY(!k.Stap(1));
        QCOMPARE(k.Datum("DD-MM-YYYY"), QString("29-02-2024"));
    }
    void yearListRuns2012To2042OrTwentyYearsAhead() {
        const QStringList jaren = JarenLijst(2022);
        QCOMPARE(jaren.size(), 31);
        QCOMPARE(jaren.first(), QString("2012"));
        QCOMPARE(jaren.last(), QString("2042"));
        // Later than 2022 the list reaches twenty years past the current year.
        QCOMPARE(JarenLijst(2026).first(), QString("2012"));
        QCOMPARE(JarenLijst(2026).last(), QString("2046"));
        QCOMPARE(JarenLijst(2026).size(), 35);
        // A clock before 2012 still finds its own year in the list.
        QCOMPARE(JarenLijst(2005).first(), QString("2005"));
        QCOMPARE(JarenLijst(2005).last(), QString("2042"));
    }
    void namesSplitAtBars() {
        QCOMPARE(SplitsNamen("Ma|Di|Wo|Do|Vr|Za|Zo|"),
                 QStringList({"Ma", "Di", "Wo", "Do", "Vr", "Za", "Zo"}));
        QCOMPARE(SplitsNamen("jan|feb"), QStringList({"jan", "feb"}));
        QVERIFY(SplitsNamen("").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestKalender)
#include "test_kalender.moc"
