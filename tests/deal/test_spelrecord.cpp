#include <QtTest>

#include "deal/SpelRecord.h"

using namespace spel;

namespace {

const QString NL = QStringLiteral("AHVBT98765432");
const QString EN = QStringLiteral("AKQJT98765432");
const QStringList WindenNL{"Noord", "Oost", "Zuid", "West"};
const QStringList WindenEN{"North", "East", "South", "West"};

// North holds all spades, East all hearts, South all diamonds, West all clubs.
Verdeling Kleurenverdeling() {
    Verdeling v;
    for (int w = 0; w < 4; ++w) {
        v.hand[w] = KleurMasker(w);
        v.punten[w] = HandPunten(v.hand[w]);
    }
    return v;
}

}  // namespace

class TestSpelRecord : public QObject {
    Q_OBJECT
private slots:
    void boardNumbersHaveThreeDigits() {
        QCOMPARE(SpelNummerTekst(1), QString("001"));
        QCOMPARE(SpelNummerTekst(9), QString("009"));
        QCOMPARE(SpelNummerTekst(10), QString("010"));
        QCOMPARE(SpelNummerTekst(48), QString("048"));
    }

    void holdingsHighToLowVoidIsDash() {
        const Hand h = Hand(1) << 4 | Hand(1) << 0 | Hand(1) << 12;  // spades A T 2
        QCOMPARE(HoudingTekst(h, 0, NL), QString("AT2"));
        QCOMPARE(HoudingTekst(h, 1, NL), QString("-"));
        QCOMPARE(HoudingTekst(Hand(1) << 14, 1, NL), QString("H"));   // singleton king
        QCOMPARE(HoudingTekst(Hand(1) << 14, 1, EN), QString("K"));
    }

    void tenFormsAreOppositeInRecordAndDisplay() {
        // Tien true: the record holds "10", the display "T".
        QCOMPARE(TienVoorRecord("AT2", true), QString("A102"));
        QCOMPARE(TienVoorWeergave("A102", true), QString("AT2"));
        QCOMPARE(TienVoorWeergave("AT2", true), QString("AT2"));
        // Tien false: the record holds "T", the display "10".
        QCOMPARE(TienVoorRecord("A102", false), QString("AT2"));
        QCOMPARE(TienVoorWeergave("AT2", false), QString("A102"));
        QCOMPARE(TienVoorWeergave("A102", false), QString("A102"));
        QCOMPARE(TienVoorWeergave("-", false), QString("-"));
    }

    void recordHas21FieldsInSeatAndSuitOrder() {
        const QString r = BouwSpelRecord(7, Kleurenverdeling(), WindenNL, NL, false);
        const QStringList f = r.split('~');
        QCOMPARE(f.size(), 21);
        QVERIFY(!r.endsWith('~'));
        QCOMPARE(f[0], QString("007"));
        QCOMPARE(f[1], QString("AHVBT98765432"));  // North spades, ten as "T"
        QCOMPARE(f[2], QString("-"));
        QCOMPARE(f[6], QString("AHVBT98765432"));  // East hearts
        QCOMPARE(f[16], QString("AHVBT98765432")); // West clubs
        QCOMPARE(f[17], QString("Noord(10)"));
        QCOMPARE(f[20], QString("West(10)"));
    }

    void recordFollowsTheLanguageAndTenSetting() {
        const QString r = BouwSpelRecord(48, Kleurenverdeling(), WindenEN, EN, true);
        const QStringList f = r.split('~');
        QCOMPARE(f[0], QString("048"));
        QCOMPARE(f[1], QString("AKQJ1098765432"));
        QCOMPARE(f[17], QString("North(10)"));
        QCOMPARE(f[19], QString("South(10)"));
    }

    void headerCaptionsAndCounts() {
        LengteTellers t;
        t.aantal = {3, 10, 25, 4, 1, 0};
        const QStringList b{"Renonce: ", "Singelton: ", "Doubelton: ", "7 kaart: ", "8 Kaart: ",
                            "9 Kaart: "};
        const QString kop = BouwVerdelingsKop(b, t);
        QCOMPARE(kop, QString("Renonce: 3~Singelton: 10~Doubelton: 25~7 kaart: 4~8 Kaart: 1~9 Kaart: 0"));
        const QStringList f = KopVeldenVan(kop);
        QCOMPARE(f.size(), 6);
        QCOMPARE(KopTelling(f[1]), QString("10"));
        QCOMPARE(KopTelling("  zonder dubbele punt "), QString("zonder dubbele punt"));
        QCOMPARE(KopVeldenVan("a: 1~b: 2|rest~x").size(), 2);
    }

    void seatPointsField() {
        QCOMPARE(PuntenVanWindVeld("Noord(12)"), QString("(12)"));
        QCOMPARE(PuntenVanWindVeld("Noord"), QString("()"));
        QCOMPARE(PuntenVanWindVeld(""), QString("()"));
    }
};

QTEST_GUILESS_MAIN(TestSpelRecord)
#include "test_spelrecord.moc"
