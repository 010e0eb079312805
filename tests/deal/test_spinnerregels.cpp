#include <QtTest>

#include "deal/SpinnerRegels.h"

using namespace spel;

namespace {

// The index a spinner holding `van` reaches one step towards a higher value
// (the up arrow lowers the index) or a lower value.
int Omhoog(int punten) { return IndexVanPunten(punten) - 1; }
int Omlaag(int punten) { return IndexVanPunten(punten) + 1; }

int Min(int waarde, int max) { return PuntenBijIndex(RegelMinimum(waarde, max)); }
int Max(int waarde, int min) { return PuntenBijIndex(RegelMaximum(waarde, min)); }

// The same for an opening-type pair (list "11" down to "5").
constexpr SpinnerLijst Op = OpeningPuntenLijst;
int OpOmhoog(int punten) { return Op.IndexVan(punten) - 1; }
int OpOmlaag(int punten) { return Op.IndexVan(punten) + 1; }
int OpMin(int waarde, int max) { return Op.WaardeBij(RegelOpeningMinimum(waarde, max)); }
int OpMax(int waarde, int min) { return Op.WaardeBij(RegelOpeningMaximum(waarde, min)); }

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

    // --- the settings window's spinners: the same rules, other lists ---

    void pointWindowStepsOfTheSettingsWindow() {
        // Minimum 12: the maximum stepped from 28 to 29 stays at 28.
        QCOMPARE(Max(Omhoog(28), 12), 28);
        // Maximum 24: the minimum stepped from 16 to 17 stays at 16.
        QCOMPARE(Min(Omhoog(16), 24), 16);
        // Maximum 20: the minimum stepped onto 20 ends at 19.
        QCOMPARE(Min(Omhoog(19), 20), 19);
    }

    void spinnersWithoutPartnerWrap() {
        // Honours at 0 stepped down show 4; the suit length at 13 stepped up shows 8.
        QCOMPARE(HonneursLijst.WaardeBij(WikkelIndex(HonneursLijst.IndexVan(0) + 1, HonneursLijst.Aantal())), 4);
        QCOMPARE(HonneursLijst.WaardeBij(WikkelIndex(HonneursLijst.IndexVan(4) - 1, HonneursLijst.Aantal())), 0);
        QCOMPARE(MaxLengteLijst.WaardeBij(WikkelIndex(MaxLengteLijst.IndexVan(13) - 1, MaxLengteLijst.Aantal())), 8);
        QCOMPARE(MaxLengteLijst.WaardeBij(WikkelIndex(MaxLengteLijst.IndexVan(8) + 1, MaxLengteLijst.Aantal())), 13);
    }

    void openingMinimumWrapsBelowItsMaximum() {
        // Minimum 5 stepped down wraps to 11; with the maximum at 11 it ends
        // at 10, with the maximum at 10 at 9.
        QCOMPARE(OpMin(OpOmlaag(5), 11), 10);
        QCOMPARE(OpMin(OpOmlaag(5), 10), 9);
        // Stepped up onto its maximum it drops back to the maximum - 1.
        QCOMPARE(OpMin(OpOmhoog(7), 8), 7);
        QCOMPARE(OpMin(OpOmhoog(9), 10), 9);
        // Ordinary steps stand.
        QCOMPARE(OpMin(OpOmhoog(5), 10), 6);
        QCOMPARE(OpMin(OpOmlaag(8), 10), 7);
    }

    void openingMaximumClimbsAboveItsMinimum() {
        // Stepped down onto its minimum it climbs back to the minimum + 1.
        QCOMPARE(OpMax(OpOmlaag(9), 8), 9);
        QCOMPARE(OpMax(OpOmlaag(6), 5), 6);
        // Stepped up past 11 it wraps to 5 and climbs to the minimum + 1.
        QCOMPARE(OpMax(OpOmhoog(11), 8), 9);
        QCOMPARE(OpMax(OpOmhoog(11), 5), 6);
        QCOMPARE(OpMax(OpOmhoog(10), 8), 11);
    }

    void everyOpeningStepKeepsItsPairInOrder() {
        for (int min = 5; min <= 10; ++min)
            for (int max = min + 1; max <= 11; ++max)
                for (int stap : {-1, 1}) {
                    const int nMin = OpMin(Op.IndexVan(min) + stap, max);
                    QVERIFY(nMin >= 5 && nMin < max && nMin <= 10);
                    const int nMax = OpMax(Op.IndexVan(max) + stap, min);
                    QVERIFY(nMax > min && nMax <= 11);
                }
    }

    void handEditedPairsStayInsideTheLists() {
        // Any position from one beyond either end, against any partner a
        // hand-edited file can give: the result is an item of the list.
        for (int waarde = -1; waarde <= Op.Aantal(); ++waarde)
            for (int partner = -50; partner <= 50; ++partner) {
                const int a = RegelOpeningMinimum(waarde, partner);
                const int b = RegelOpeningMaximum(waarde, partner);
                QVERIFY(a >= 0 && a < Op.Aantal());
                QVERIFY(b >= 0 && b < Op.Aantal());
            }
        // Minimum at 11 or more: the maximum stops at 11; maximum at 5 or
        // less: the minimum stops at 5.
        QCOMPARE(OpMax(OpOmlaag(10), 11), 11);
        QCOMPARE(OpMax(OpOmlaag(10), 14), 11);
        QCOMPARE(OpMin(OpOmhoog(6), 5), 5);
        QCOMPARE(OpMin(OpOmhoog(6), 3), 5);
        // Point minimum at 20 or more: the maximum settles in one pass.
        for (int min = 20; min <= 45; ++min)
            for (int waarde = -1; waarde <= PuntenLijstAantal; ++waarde) {
                const int i = RegelMaximum(waarde, min);
                QVERIFY(i >= 0 && i < PuntenLijstAantal);
            }
        for (int max = -5; max <= 45; ++max)
            for (int waarde = -1; waarde <= PuntenLijstAantal; ++waarde) {
                const int i = RegelMinimum(waarde, max);
                QVERIFY(i >= 0 && i < PuntenLijstAantal);
            }
    }

    void storedValuesShowTheNearestItem() {
        QCOMPARE(MaxLengteLijst.WaardeBij(DichtstbijIndex(7, MaxLengteLijst)), 8);
        QCOMPARE(MaxLengteLijst.WaardeBij(DichtstbijIndex(20, MaxLengteLijst)), 13);
        QCOMPARE(MaxLengteLijst.WaardeBij(DichtstbijIndex(10, MaxLengteLijst)), 10);
        QCOMPARE(HonneursLijst.WaardeBij(DichtstbijIndex(-3, HonneursLijst)), 0);
        QCOMPARE(HonneursLijst.WaardeBij(DichtstbijIndex(1, HonneursLijst)), 1);
        QCOMPARE(DichtstbijIndex(1, HonneursLijst), 3);
        QCOMPARE(Op.WaardeBij(DichtstbijIndex(11, Op)), 11);
        QCOMPARE(DichtstbijIndex(11, Op), 0);
        QCOMPARE(Op.WaardeBij(DichtstbijIndex(0, Op)), 5);
        QCOMPARE(PuntenLijst.WaardeBij(DichtstbijIndex(12, PuntenLijst)), 12);
        QCOMPARE(PuntenLijst.Aantal(), PuntenLijstAantal);
    }
};

QTEST_GUILESS_MAIN(TestSpinnerRegels)
#include "test_spinnerregels.moc"
