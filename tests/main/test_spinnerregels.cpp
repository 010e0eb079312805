#include <QtTest>

#include "main/SpinnerRegels.h"

using namespace spel;

namespace {

// The index a spinner holding `van` reaches one step towards a higher value
// (the up arrow lowers the index) or a lower value.
int Omhoog(int punten) { return IndexVanPunten(punten) - 1; }
int Omlaag(int punten) { return IndexVanPunten(punten) + 1; }

int Min(int waarde, int max) { return PuntenBijIndex(RegelMinimum(waarde, max)); }
int Max(int waarde, int min) { return PuntenBijIndex(RegelMaximum(waarde, min)); }

}  // namespace

class TestSpinnerRegels : public QObject {
    Q_OBJECT
private slots:
    void wrapAtBothEnds() {
        QCOMPARE(WikkelIndex(-1, 24), 23);
        QCOMPARE(WikkelIndex(24, 24), 0);
        QCOMPARE(WikkelIndex(5, 24), 5);
        QCOMPARE(WikkelIndex(-1, 1), 0);
        QCOMPARE(WikkelIndex(1, 1), 0);
        QCOMPARE(WikkelIndex(0, 0), -1);
    }

    void maximumSteppedOntoMinimumJumpsAbove() {
        // Minimum 12, maximum 13: one step down of the maximum leaves 14.
        QCOMPARE(Max(Omlaag(13), 12), 14);
    }

    void minimumSteppedOntoMaximumStaysBelow() {
        QCOMPARE(Min(Omhoog(19), 20), 19);
        // Maximum 24, minimum 23 breaks the sum rule already; stepping the
        // minimum up to 24 is refused by the order rule (23) and the sum
        // rule then brings it to 16.
        QCOMPARE(Min(Omhoog(23), 24), 16);
    }

    void sumStopsAtForty() {
        // Minimum 15: raising the maximum past 25 stops it at 25.
        QCOMPARE(Max(Omhoog(25), 15), 25);
        // Maximum 30: raising the minimum past 10 stops it at 10.
        QCOMPARE(Min(Omhoog(10), 30), 10);
        QCOMPARE(Min(Omhoog(9), 30), 10);
    }

    void ordinaryStepsAreKept() {
        QCOMPARE(Min(Omhoog(12), 24), 13);
        QCOMPARE(Min(Omlaag(12), 24), 11);
        QCOMPARE(Max(Omlaag(24), 12), 23);
        QCOMPARE(Max(Omhoog(24), 12), 25);
    }

    void wrapsKeepTheRules() {
        // Minimum 1 one step down wraps to 40, which the rules bring back.
        QCOMPARE(Min(Omlaag(1), 24), 16);
        QCOMPARE(Min(Omlaag(1), 10), 9);
        // A maximum stepped up past the top wraps to 1 and ends above the minimum.
        QCOMPARE(Max(-1, 1), 3);
        QCOMPARE(Max(-1, 5), 6);
    }

    void everyStepKeepsTheInvariant() {
        for (int min = 1; min <= 19; ++min)
            for (int max = min + 1; max <= 40 - min; ++max)
                for (int stap : {-1, 1}) {
                    const int nMin = Min(IndexVanPunten(min) + stap, max);
                    QVERIFY(nMin >= 1 && nMin < max && nMin + max <= 40);
                    const int nMax = Max(IndexVanPunten(max) + stap, min);
                    QVERIFY(nMax > min && nMax + min <= 40);
                }
    }

    void brokenWindowsAreRepaired() {
        QCOMPARE(NormaliseerPuntvenster(12, 24).min, 12);
        QCOMPARE(NormaliseerPuntvenster(12, 24).max, 24);
        const PuntenPaar a = NormaliseerPuntvenster(39, 40);
        QCOMPARE(a.min, 19);
        QCOMPARE(a.max, 21);
        const PuntenPaar b = NormaliseerPuntvenster(20, 10);
        QVERIFY(b.min < b.max && b.min + b.max <= 40);
        const PuntenPaar c = NormaliseerPuntvenster(0, 0);
        QCOMPARE(c.min, 1);
        QCOMPARE(c.max, 2);
        QCOMPARE(NormaliseerPuntvenster(5, 38).max, 35);
    }
};

QTEST_GUILESS_MAIN(TestSpinnerRegels)
#include "test_spinnerregels.moc"
