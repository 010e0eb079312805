#include <QtTest>

#include "shared/BasVeldom.h"

class TestTekst : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TaalNummer = 10; }

    void numbersFollowTheLanguage() {
        TaalNummer = 10;
        QCOMPARE(TaalTekst(0), QString("Velmora Drovik"));
        QCOMPARE(TaalTekst(1), QString("Noord"));
        QCOMPARE(TaalTekst(46), QString("Het bestand ~ bestaat al.||Het bestand ~ overschrijven?"));
        TaalNummer = 11;
        QCOMPARE(TaalTekst(0), QString("Velmora Drovik"));
        QCOMPARE(TaalTekst(7), QString("Non"));
        QCOMPARE(TaalTekst(46), QString("The file ~ already exists.||Overwrite ~ ?"));
    }

    void fiveDigitIdsIgnoreTheLanguage() {
        for (int taal : {10, 11}) {
            TaalNummer = taal;
            QCOMPARE(TaalTekst(10046), QString("Het bestand ~ bestaat al.||Het bestand ~ overschrijven?"));
            QCOMPARE(TaalTekst(11046), QString("The file ~ already exists.||Overwrite ~ ?"));
            QCOMPARE(TaalTekst(11016), QString("&Apply"));
        }
    }

    void otherLanguageNumbersCountAsDutch() {
        for (int taal : {0, 9, 12, -1, 32767}) {
            TaalNummer = taal;
            QCOMPARE(TaalTekst(1), QString("Noord"));
        }
    }

    void numbersWithoutTextGiveEmpty() {
        QCOMPARE(TaalTekst(236), QString());
        QCOMPARE(TaalTekst(999), QString());
        QCOMPARE(TaalTekst(-5), QString());
        QCOMPARE(TaalTekst(1046), QString());
        QCOMPARE(TaalTekst(12046), QString());
        QCOMPARE(TaalTekst(10236), QString());
    }

    void everyNumberHasATextInBothLanguages() {
        for (int n = 0; n <= 226; ++n) {
            QVERIFY2(!TaalTekst(10000 + n).isEmpty(), qPrintable(QString::number(n)));
            QVERIFY2(!TaalTekst(11000 + n).isEmpty(), qPrintable(QString::number(n)));
        }
    }

    void textsWhoseShapeTheCodeRelyOn() {
        for (int taal : {10, 11}) {
            TaalNummer = taal;
            QCOMPARE(TaalTekst(24).size(), 13);
            QCOMPARE(TaalTekst(24).at(4), QChar('T'));
            QCOMPARE(TaalTekst(141).size(), 25);
            QCOMPARE(TaalTekst(210).size(), 4);
            QCOMPARE(TaalTekst(43).split('|', Qt::SkipEmptyParts).size(), 7);
            QVERIFY(TaalTekst(44).endsWith('|'));
            QCOMPARE(TaalTekst(44).split('|', Qt::SkipEmptyParts).size(), 12);
            QVERIFY(TaalTekst(114).toLower().contains("pdf "));
            QCOMPARE(TaalTekst(184).count('~'), 1);
            QCOMPARE(TaalTekst(85).split('|').size(), 4);
            QCOMPARE(TaalTekst(85).split('|').at(3).size(), 27);
            QVERIFY(TaalTekst(12).contains('@'));
        }
        TaalNummer = 10;
        QCOMPARE(TaalTekst(158), QString::fromUtf8("Gecreëerd op"));
        QVERIFY(TaalTekst(174).endsWith(' '));
    }
};

QTEST_GUILESS_MAIN(TestTekst)
#include "test_tekst.moc"
