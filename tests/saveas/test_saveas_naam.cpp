#include <QtTest>

#include "saveas/BewaarNaam.h"

using namespace bewaarnaam;

namespace {
const QString Weiger = QStringLiteral(
    "Het e-mailadres is niet juist.|Deze tekens zijn niet toegestaan.||"
    "<>#%$*&:;\\/?'.,][=+`~@^)({}");
}

class TestSaveasNaam : public QObject {
    Q_OBJECT
private slots:
    void messageIsFieldOneAndTheCharacters() {
        QCOMPARE(WeigerMelding(Weiger),
                 QString("Deze tekens zijn niet toegestaan.\n\n<>#%$*&:;\\/?'.,][=+`~@^)({}"));
    }
    void keyFilter() {
        for (QChar c : QString("./\\|<>~@"))
            QVERIFY2(TikWeigeren(c, Weiger), qPrintable(QString(c)));
        for (QChar c : QString("aZ09- _é"))
            QVERIFY2(!TikWeigeren(c, Weiger), qPrintable(QString(c)));
        // Backspace and other control keys are not name characters.
        QVERIFY(!TikWeigeren(QChar(8), Weiger));
    }
    void wholeNameCheck_data() {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<bool>("goed");
        QTest::newRow("plain") << "Clubavond 12" << true;
        QTest::newRow("date") << "05-01-2026" << true;
        QTest::newRow("padded") << "  ronde 3  " << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << "   " << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dotdot") << ".." << false;
        QTest::newRow("parent path") << "../taal" << false;
        QTest::newRow("slash") << "a/b" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("bar") << "a|b" << false;
        QTest::newRow("extension") << "set.txt" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("newline") << "a\nb" << false;
        QTest::newRow("nul") << QString("a") + QChar(0) + "b" << false;
        QTest::newRow("del") << QString("a") + QChar(0x7f) << false;
        QTest::newRow("at") << "me@club" << false;
    }
    void wholeNameCheck() {
        QFETCH(QString, naam);
        QFETCH(bool, goed);
        QCOMPARE(NaamToegestaan(naam, Weiger), goed);
    }
    void separatorsRefusedEvenWhenTheTextLacksThem() {
        // A text table that lost its field 3 still never lets a path through.
        QVERIFY(!NaamToegestaan("a/b", "x|y"));
        QVERIFY(!NaamToegestaan("..", "x|y"));
        QVERIFY(NaamToegestaan("ab", "x|y"));
    }
};

QTEST_GUILESS_MAIN(TestSaveasNaam)
#include "test_saveas_naam.moc"
