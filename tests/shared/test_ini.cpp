#include <QtTest>

#include "shared/BasVeldom.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"

class TestIni : public QObject {
    Q_OBJECT
private slots:
    void valReadsTheNumberAtTheStart_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("leading blank") << " 15" << 15.0;
        QTest::newRow("tab") << "\t8" << 8.0;
        QTest::newRow("trailing letters") << "7x" << 7.0;
        QTest::newRow("negative decimal") << "-3.5" << -3.5;
        QTest::newRow("plus") << "+4" << 4.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("blank inside ends") << "1 2" << 1.0;
    }
    void valReadsTheNumberAtTheStart() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text), value);
    }

    void integerRoundsHalvesToEven() {
        QCOMPARE(ValInteger("2.5"), 2);
        QCOMPARE(ValInteger("3.5"), 4);
        QCOMPARE(ValInteger("-2.5"), -2);
        QCOMPARE(ValInteger("2.51"), 3);
        QCOMPARE(ValInteger("99999"), 32767);
        QCOMPARE(ValInteger("-99999"), -32768);
    }

    // Absent gives the caller's default; a text that is not a number is 0,
    // as Val reads it; a number no Integer can hold counts as absent.
    void absentGivesTheDefaultAndNotANumberGivesZero() {
        QCOMPARE(IniGetal("", 12), 12);
        QCOMPARE(IniGetal("abc", 12), 0);
        QCOMPARE(IniGetal("-", 12), 0);
        QCOMPARE(IniGetal(" ", 12), 0);
        QCOMPARE(IniGetal("32768", 12), 12);
        QCOMPARE(IniGetal("-32769", 12), 12);
        QCOMPARE(IniGetal("32767", 12), 32767);
        QCOMPARE(IniGetal("-32768", 12), -32768);
        QCOMPARE(IniGetal("0", 12), 0);
        QCOMPARE(IniGetal(" 15", 12), 15);
        QCOMPARE(IniGetal("7x", 12), 7);
    }

    void leesIniLeavesTheValueInIniWaarde() {
        testsupport::TempHome home;
        const QString ini = home.file("taal.ini");
        SchrijfIni("Printer", "PDF Printer", "Drukker", ini);
        IniWaarde = "oud";
        LeesIni("printer", "PDF printer", ini);
        QCOMPARE(IniWaarde, QString("Drukker"));
        LeesIni("Printer", "bestaat niet", ini);
        QCOMPARE(IniWaarde, QString());
        const QString sectie = "Printer", sleutel = "x", waarde = "1";
        SchrijfIni(sectie, sleutel, waarde, ini);  // arguments stay as they were
        QCOMPARE(sectie + sleutel + waarde, QString("Printerx1"));
        QCOMPARE(LeesIniGetal("PRINTER", "X", ini, 5), 1);
        QCOMPARE(LeesIniGetal("Printer", "PDF Printer", ini, 5), 0);  // not a number
        QCOMPARE(LeesIniGetal("Printer", "absent", ini, 5), 5);
    }

    // Every write that fails says so once, with the file and the reason,
    // and reports false; nothing is written.
    void schrijfIniFailureIsTold() {
        testsupport::TempHome home;
        testsupport::PromptScript prompts;
        const QString ini = home.file("geen/map/taal.ini");
        prompts.answer(platform::vbOK);
        QVERIFY(!SchrijfIni("A", "b", "c", ini));
        QCOMPARE(prompts.count(), 1);
        QVERIFY(prompts.last().text.contains("geen/map/taal.ini"));
        QCOMPARE(prompts.last().icon(), int(platform::vbExclamation));
        LeesIni("A", "b", ini);
        QCOMPARE(IniWaarde, QString());
        // The same file failing the same way again is not told again.
        QVERIFY(!SchrijfIni("A", "c", "d", ini));
        QCOMPARE(prompts.count(), 1);
        // Once it takes a write, its next failure is told again.
        QVERIFY(QDir().mkpath(home.file("geen/map")));
        QVERIFY(SchrijfIni("A", "b", "c", ini));
        QVERIFY(QDir().rename(home.file("geen/map"), home.file("geen/weg")));
        prompts.answer(platform::vbOK);
        QVERIFY(!SchrijfIni("A", "b", "e", ini));
        QCOMPARE(prompts.count(), 2);

        // A value outside the code page is refused with the letters named.
        const QString goed = home.file("taal.ini");
        prompts.answer(platform::vbOK);
        QVERIFY(!SchrijfIni("Standaard", "Naam voor e-mail", QString::fromUtf8("\u0141ukasz"), goed));
        QCOMPARE(prompts.count(), 3);
        QVERIFY(prompts.last().text.contains(QString::fromUtf8("\u0141")));
        QVERIFY(!QFile::exists(goed));
        // Too long to come back whole: refused too.
        prompts.answer(platform::vbOK);
        QVERIFY(!SchrijfIni("Mappen", "PDF Map", QString(300, QChar('x')), goed));
        QVERIFY(!QFile::exists(goed));
        QVERIFY(SchrijfIni("Punten", {{"MinimaalPunten", "15"}, {"MaximaalPunten", "20"}}, goed));
        QCOMPARE(LeesIniGetal("Punten", "MaximaalPunten", goed, 0), 20);
        QCOMPARE(prompts.count(), 4);
    }
};

QTEST_GUILESS_MAIN(TestIni)
#include "test_ini.moc"
