#include <QtTest>

#include "results/Matchpunten.h"

using namespace uitslag;

namespace {

// A played table: North-South's score, East-West the same with the other sign.
SlipRegel Tafel(int rij, int scoreNZ, const QString& contract = QStringLiteral("3A")) {
    return {QStringLiteral("%1 - %2").arg(2 * rij + 1).arg(2 * rij + 2), contract, QString(),
            QString::number(scoreNZ), QString::number(-scoreNZ)};
}
SlipRegel NietGespeeld(int rij) {
    return {QStringLiteral("%1 - %2").arg(2 * rij + 1).arg(2 * rij + 2), "N", "N", "n", "n"};
}
SlipRegel Arbitraal(int rij, const QString& nz, const QString& ow) {
    return {QStringLiteral("%1 - %2").arg(2 * rij + 1).arg(2 * rij + 2), nz, ow, QString(), QString()};
}

std::vector<SlipRegel> Tafels(std::initializer_list<int> scores) {
    std::vector<SlipRegel> r;
    for (int s : scores) r.push_back(Tafel(static_cast<int>(r.size()), s));
    return r;
}

QStringList L(const std::vector<QString>& v) { return QStringList(v.begin(), v.end()); }

}  // namespace

class TestMatchpunten : public QObject {
    Q_OBJECT
private slots:
    void tieOfTwo() {
        // Three tables, top 4: 420, 420, 170.
        const MpUitkomst u = BerekenMatchpunten(Tafels({420, 420, 170}));
        QVERIFY(u.Gelukt());
        QCOMPARE(L(u.mpNZ), QStringList({"3", "3", "0"}));
        QCOMPARE(L(u.mpOW), QStringList({"1", "1", "4"}));
        QCOMPARE(u.totaal, QString("12"));
        QCOMPARE(u.paarNZ, std::vector<int>({1, 3, 5}));
        QCOMPARE(u.paarOW, std::vector<int>({2, 4, 6}));
    }

    void tiesOfThreeAndAllEqual() {
        MpUitkomst u = BerekenMatchpunten(Tafels({100, 620, 100, 100, -50}));
        QCOMPARE(L(u.mpNZ), QStringList({"4", "8", "4", "4", "0"}));
        QCOMPARE(L(u.mpOW), QStringList({"4", "0", "4", "4", "8"}));
        u = BerekenMatchpunten(Tafels({140, 140, 140, 140}));
        QCOMPARE(L(u.mpNZ), QStringList({"3", "3", "3", "3"}));
        QCOMPARE(L(u.mpOW), QStringList({"3", "3", "3", "3"}));
    }

    void negativeScoresByTheSmallestLoss() {
        // A passed-out 0 lies between the plus and the minus scores.
        const MpUitkomst u = BerekenMatchpunten(Tafels({-200, -50, 0, 110, -100}));
        QCOMPARE(L(u.mpNZ), QStringList({"0", "4", "6", "8", "2"}));
        QCOMPARE(L(u.mpOW), QStringList({"8", "4", "2", "0", "6"}));
    }

    void topComesFromTheTablesThatPlay() {
        QCOMPARE(TopVanParen(2), 0);
        QCOMPARE(TopVanParen(3), 0);
        QCOMPARE(TopVanParen(7), 4);   // three tables, the seventh pair sits out
        QCOMPARE(TopVanParen(8), 6);
        QCOMPARE(TopVanParen(40), 38);
        QCOMPARE(TopVanParen(45), 38);  // the slip has 20 tables
        // 2 pairs: one table, nobody to beat.
        MpUitkomst u = BerekenMatchpunten(Tafels({420}));
        QCOMPARE(L(u.mpNZ), QStringList({"0"}));
        QCOMPARE(L(u.mpOW), QStringList({"0"}));
        QCOMPARE(u.totaal, QString("0"));
        // 7 pairs play three tables: 4, 2, 0 (not 5, 3, 1).
        u = BerekenMatchpunten(Tafels({600, 170, -100}));
        QCOMPARE(L(u.mpNZ), QStringList({"4", "2", "0"}));
        QCOMPARE(L(u.mpOW), QStringList({"0", "2", "4"}));
        // 8 pairs, four tables, top 6.
        u = BerekenMatchpunten(Tafels({600, 170, -100, 90}));
        QCOMPARE(L(u.mpNZ), QStringList({"6", "4", "0", "2"}));
        QCOMPARE(u.totaal, QString("24"));
    }

    void notPlayedIsRescaled() {
        // Four tables (top 6), one not played: 4, 2, 0 become 5.67, 3, 0.33.
        std::vector<SlipRegel> r = Tafels({420, 170, -50, 0});
        r[3] = NietGespeeld(3);
        const MpUitkomst u = BerekenMatchpunten(r);
        QVERIFY(u.Gelukt());
        QCOMPARE(u.uitgesloten, 1);
        QCOMPARE(L(u.mpNZ), QStringList({"5.67", "3", "0.33", ""}));
        QCOMPARE(L(u.mpOW), QStringList({"0.33", "3", "5.67", ""}));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(u.mpNZ[i].toDouble() + u.mpOW[i].toDouble(), 6.0);
        QCOMPARE(u.totaal, QString("18"));
    }

    void adjustedScores() {
        // 60 % and 40 % of top 6, not rescaled; the others rescaled for it.
        std::vector<SlipRegel> r = Tafels({420, 170, -50, 0});
        r[1] = Arbitraal(1, "60.00%", "40.00%");
        MpUitkomst u = BerekenMatchpunten(r);
        QVERIFY(u.Gelukt());
        QCOMPARE(u.mpNZ[1], QString("3.6"));
        QCOMPARE(u.mpOW[1], QString("2.4"));
        QCOMPARE(u.mpNZ[0], QString("5.67"));
        QCOMPARE(u.mpNZ[3], QString("3"));
        QCOMPARE(u.mpNZ[2], QString("0.33"));
        // 5 % of top 10 is written ".5".
        r = Tafels({1, 2, 3, 4, 5, 6});
        r[0] = Arbitraal(0, "5.00%", "55.00%");
        u = BerekenMatchpunten(r);
        QCOMPARE(u.mpNZ[0], QString(".5"));
        QCOMPARE(u.mpOW[0], QString("5.5"));
        QCOMPARE(ArbitraleMatchpunten(".00%", 8), QString("0"));
        QCOMPARE(ArbitraleMatchpunten("55.00%", 12), QString("6.6"));
    }

    void aTableMarkedTwiceCountsOnce() {
        // Not played and adjusted at once: one table out, not two.
        std::vector<SlipRegel> r = Tafels({420, 170, -50, 0});
        r[3] = Arbitraal(3, "50.00%", "50.00%");
        r[3].scoreNZ = r[3].scoreOW = "n";
        const MpUitkomst u = BerekenMatchpunten(r);
        QCOMPARE(u.uitgesloten, 1);
        QCOMPARE(u.mpNZ[0], QString("5.67"));
        QCOMPARE(u.mpNZ[3], QString("3"));
    }

    void everyTableLeftOut() {
        std::vector<SlipRegel> r{NietGespeeld(0), Arbitraal(1, "60.00%", "40.00%")};
        const MpUitkomst u = BerekenMatchpunten(r);
        QVERIFY(u.Gelukt());
        QCOMPARE(L(u.mpNZ), QStringList({"", "1.2"}));
        QCOMPARE(u.totaal, QString("2"));
    }

    void nothingRunsOnAnIncompleteSlip() {
        std::vector<SlipRegel> r = Tafels({420, 170, -50});
        r[1].contractNZ.clear();
        MpUitkomst u = BerekenMatchpunten(r);
        QCOMPARE(u.fout, MpFout::LegeRij);
        QCOMPARE(u.rij, 1);
        QVERIFY(u.mpNZ.empty());
        QVERIFY(MatchpuntMelding(u, 7).contains("7"));
        QVERIFY(MatchpuntMelding(u, 7).contains("2"));

        // A contract without a score (it could not be scored) is no zero.
        r = Tafels({420, 170, -50});
        r[2].scoreNZ.clear();
        u = BerekenMatchpunten(r);
        QCOMPARE(u.fout, MpFout::GeenScore);
        QCOMPARE(u.rij, 2);
        r[2].scoreNZ = "12a";
        QCOMPARE(BerekenMatchpunten(r).fout, MpFout::GeenScore);

        r = Tafels({420, 170, -50});
        r[0].paar = "1 2";
        QCOMPARE(BerekenMatchpunten(r).fout, MpFout::PaarNummers);
        r[0].paar = "1 - 41";
        QCOMPARE(BerekenMatchpunten(r).fout, MpFout::PaarNummers);
        QCOMPARE(BerekenMatchpunten({}).fout, MpFout::GeenTafels);
        QVERIFY(MatchpuntMelding(MpUitkomst{}, 1).isEmpty());
    }

    void swappedPairsKeepTheirOwnPoints() {
        std::vector<SlipRegel> r = Tafels({420, 170, -50});
        r[1].paar = "4 - 3";
        const MpUitkomst u = BerekenMatchpunten(r);
        QCOMPARE(u.paarNZ[1], 4);
        QCOMPARE(u.paarOW[1], 3);
        QCOMPARE(u.mpNZ[1], QString("2"));
    }

    void numberTexts() {
        QCOMPARE(GetalTekst(0.5), QString(".5"));
        QCOMPARE(GetalTekst(12), QString("12"));
        QCOMPARE(GetalTekst(7.2), QString("7.2"));
        QCOMPARE(GetalTekst(60.0 / 100 * 6), QString("3.6"));
        QCOMPARE(GetalTekst(0), QString("0"));
        QCOMPARE(TweeDecimalen(17.0 / 3), QString("5.67"));
        QCOMPARE(TweeDecimalen(1.0 / 3), QString("0.33"));
        QCOMPARE(TweeDecimalen(3), QString("3"));
        QCOMPARE(TweeDecimalen(3.8), QString("3.8"));
        QCOMPARE(TweeDecimalen(2.9999999), QString("3"));
        QCOMPARE(TweeDecimalen(0), QString("0"));
    }
};

QTEST_GUILESS_MAIN(TestMatchpunten)
#include "test_matchpunten.moc"
