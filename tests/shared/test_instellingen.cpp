#include <QtTest>

#include "platform/Paths.h"
#include "shared/BasVeldom.h"
#include "support/TestSupport.h"

namespace {

void schrijf(const QString& sectie, const QString& sleutel, const QString& waarde) {
    SchrijfIni(sectie, sleutel, waarde, platform::programFolder() + "/taal.ini");
}

}  // namespace

class TestInstellingen : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        TaalNummer = 10;
        ZetPuntenToepassen = nullptr;
    }

    void missingFileGivesEveryDefault() {
        testsupport::TempHome home;
        TaalNummer = 11;
        Tien = false;
        MinimaalPunten = MaximaalPunten = Multy2RuitenWKMax = Multy2RuitenLaatsteHand = -7;
        LeesInstellingen();
        QCOMPARE(IniBestand, home.path() + "/taal.ini");
        QCOMPARE(TaalNummer, 10);
        QVERIFY(Tien);
        QCOMPARE((QList<int>{MinimaalPunten, MaximaalPunten, MinMaxToepassen, Maxlengte,
                             ZesKaartHonneurs}),
                 (QList<int>{12, 24, 1, 8, 2}));
        QCOMPARE((QList<int>{NietKwetsbaarMin, NietKwetsbaarMax, KwetsbaarMin, KwetsbaarMax,
                             AantalHonneurs, LaatsteHand}),
                 (QList<int>{5, 10, 8, 10, 2, 1}));
        QCOMPARE((QList<int>{MuiderbergNKMin, MuiderbergNKMax, MuiderbergWKMin, MuiderbergWKMax,
                             MuiderbergLaatsteHand}),
                 (QList<int>{5, 10, 8, 10, 1}));
        QCOMPARE((QList<int>{Multy2RuitenNKMin, Multy2RuitenNKMax, Multy2RuitenWKMin,
                             Multy2RuitenWKMax, Multy2RuitenHonneurs, Multy2RuitenLaatsteHand}),
                 (QList<int>{6, 10, 8, 11, 2, 1}));
        QCOMPARE(PrintRichtingKlembord, 0);
        QVERIFY(!QFileInfo::exists(IniBestand));  // reading writes nothing
    }

    void storedValuesAreLoaded() {
        testsupport::TempHome home;
        schrijf("Taal", "nummer", "11");
        schrijf("Tien", "Tien", "0");
        schrijf("Punten", "MinimaalPunten", " 15");
        schrijf("Punten", "MaximaalPunten", "22x");
        schrijf("6 kaart 11 punten", "Aantal honneurs", "3");
        schrijf("Zwakke 2", "Aantalhonneurs", "1");  // written in another case
        schrijf("Multy 2 Ruiten", "Multy2RuitenWKMax", "12");
        schrijf("Printer", "Print Richting Klembord", "2");
        LeesInstellingen();
        QCOMPARE(TaalNummer, 11);
        QCOMPARE(TaalTekst(1), QString("North"));
        QVERIFY(!Tien);
        QCOMPARE(MinimaalPunten, 15);
        QCOMPARE(MaximaalPunten, 22);
        QCOMPARE(ZesKaartHonneurs, 3);
        QCOMPARE(AantalHonneurs, 1);
        QCOMPARE(Multy2RuitenWKMax, 12);
        QCOMPARE(PrintRichtingKlembord, 2);
    }

    void textsThatAreNoNumberReadAsZero() {
        testsupport::TempHome home;
        schrijf("Tien", "Tien", "abc");
        schrijf("Punten", "MinimaalPunten", "veel");
        schrijf("Punten", "MaxLengte", "x");
        schrijf("Zwakke 2", "LaatsteHand", "nee");
        schrijf("Multy 2 Ruiten", "Multy2RuitenWKMax", "?");
        LeesInstellingen();
        QVERIFY(!Tien);
        QCOMPARE(MinimaalPunten, 1);  // 0, brought inside the spinner rules
        QCOMPARE(Maxlengte, 0);
        QCOMPARE(LaatsteHand, 0);
        QCOMPARE(Multy2RuitenWKMax, 0);
        QCOMPARE(MaximaalPunten, 24);  // absent: the default
    }

    // A point window edited by hand is loaded as the spinners can show it
    // (1 <= min < max, min + max <= 40), the same for every window that
    // shows it; the file keeps its text.
    void pointWindowOutsideTheRulesIsLoadedInsideThem_data() {
        QTest::addColumn<QString>("min");
        QTest::addColumn<QString>("max");
        QTest::addColumn<int>("loadedMin");
        QTest::addColumn<int>("loadedMax");
        QTest::newRow("inside") << "12" << "24" << 12 << 24;
        QTest::newRow("sum above 40") << "25" << "30" << 19 << 21;
        QTest::newRow("max below min") << "15" << "7" << 15 << 16;
        QTest::newRow("max equals min") << "10" << "10" << 10 << 11;
        QTest::newRow("both 40") << "40" << "40" << 19 << 21;
        QTest::newRow("min 0") << "0" << "24" << 1 << 24;
        QTest::newRow("negative") << "-5" << "-3" << 1 << 2;
        QTest::newRow("sum exactly 40") << "19" << "21" << 19 << 21;
    }
    void pointWindowOutsideTheRulesIsLoadedInsideThem() {
        QFETCH(QString, min);
        QFETCH(QString, max);
        QFETCH(int, loadedMin);
        QFETCH(int, loadedMax);
        testsupport::TempHome home;
        schrijf("Punten", "MinimaalPunten", min);
        schrijf("Punten", "MaximaalPunten", max);
        const QByteArray voor = testsupport::ReadTestFile(home.file("taal.ini"));
        LeesInstellingen();
        QCOMPARE(MinimaalPunten, loadedMin);
        QCOMPARE(MaximaalPunten, loadedMax);
        QCOMPARE(testsupport::ReadTestFile(home.file("taal.ini")), voor);
    }

    void numbersBeyondAnIntegerOrLayoutCountAsAbsent() {
        testsupport::TempHome home;
        schrijf("Punten", "MaximaalPunten", "40000");
        schrijf("Printer", "Print Richting Klembord", "9");
        LeesInstellingen();
        QCOMPARE(MaximaalPunten, 24);
        QCOMPARE(PrintRichtingKlembord, 0);
    }

    void languageOtherThanDutchOrEnglishIsDutch() {
        testsupport::TempHome home;
        for (const char* waarde : {"12", "0", "-11", "1e"}) {
            schrijf("Taal", "nummer", waarde);
            TaalNummer = 11;
            LeesInstellingen();
            QCOMPARE(TaalNummer, 10);
            QCOMPARE(TaalTekst(1), QString("Noord"));
        }
    }

    void flagsReadAsZeroOrOne() {
        testsupport::TempHome home;
        schrijf("Multy 2 Ruiten", "Multy2RuitenLaatsteHand", "6");
        schrijf("Muiderbergse 2", "MuiderbergLaatsteHand", "0");
        schrijf("Zwakke 2", "LaatsteHand", "-1");
        schrijf("Punten", "MinMaxToepassen", "0");
        LeesInstellingen();
        QCOMPARE(Multy2RuitenLaatsteHand, 1);
        QCOMPARE(MuiderbergLaatsteHand, 0);
        QCOMPARE(LaatsteHand, 1);
        QCOMPARE(MinMaxToepassen, 0);
        schrijf("Multy 2 Ruiten", "Multy2RuitenLaatsteHand", "0");
        LeesInstellingen();
        QCOMPARE(Multy2RuitenLaatsteHand, 0);
    }

    void checkBoxIsSetWhileLoadingAndFlagEndsFalse() {
        testsupport::TempHome home;
        schrijf("Punten", "MinMaxToepassen", "0");
        int gezien = -1;
        bool bezigTijdensZetten = false;
        ZetPuntenToepassen = [&](int waarde) {
            gezien = waarde;
            bezigTijdensZetten = BezigMetLaden;
        };
        BezigMetLaden = true;
        LeesInstellingen();
        QCOMPARE(gezien, 0);
        QVERIFY(bezigTijdensZetten);
        QVERIFY(!BezigMetLaden);
    }
};

QTEST_GUILESS_MAIN(TestInstellingen)
#include "test_instellingen.moc"
