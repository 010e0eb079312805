#include <QtTest>

#include "platform/Control.h"
#include "results/WedstrijdBestanden.h"
#include "shared/GroepBestand.h"
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

    // Every "|" of a table text becomes a line break, "||" an empty line;
    // what is filled in after it keeps its own "|".
    void lineBreakMarks() {
        QCOMPARE(MetRegels("a|b"), QString("a\nb"));
        QCOMPARE(MetRegels("a||b|"), QString("a\n\nb\n"));
        QCOMPARE(MetRegels("|"), QString("\n"));
        QCOMPARE(MetRegels("geen"), QString("geen"));
        QCOMPARE(MetRegels(QString()), QString());
        TaalNummer = 10;
        QCOMPARE(MetRegels(TaalTekst(46)).replace('~', "a|b.txt"),
                 QString("Het bestand a|b.txt bestaat al.\n\nHet bestand a|b.txt overschrijven?"));
    }

    // Marks are filled in one pass: a mark inside a name, a path or a
    // system message that is filled in stays as it is.
    void marksFilledInOnePass() {
        QCOMPARE(VulIn("~ (#)", "Club #2~", "fout ~"), QString("Club #2~ (fout ~)"));
        QCOMPARE(VulIn("~ $ # *", {{'~', "a$"}, {'#', "b*"}, {'$', "c~"}}), QString("a$ c~ b* *"));
        QCOMPARE(VulIn("~~", "x", "y"), QString("xx"));
        TaalNummer = 10;
        // The messages that name a file and a reason or a line.
        const QString melding = groep::ParenLeesMelding("Club #2.txt", QString(), 3);
        QVERIFY2(melding.contains("Club #2.txt"), qPrintable(melding));
        const QString schrijf = uitslag::SchrijfMelding("Ronde #1.txt", "schijf ~ vol");
        QVERIFY2(schrijf.contains("Ronde #1.txt") && schrijf.contains("schijf ~ vol"), qPrintable(schrijf));
    }

    // Removing the marks: "&&" is a shown "&" (the window copies dropped
    // it), a lone "&" at the end is dropped.
    void accessKeyMarksRemoved() {
        using platform::StripAccessKeys;
        QCOMPARE(StripAccessKeys("&Opslaan"), QString("Opslaan"));
        QCOMPARE(StripAccessKeys("Sorteer laag-&hoog"), QString("Sorteer laag-hoog"));
        QCOMPARE(StripAccessKeys("Jan && Piet"), QString("Jan & Piet"));
        QCOMPARE(StripAccessKeys("&&&Af"), QString("&Af"));
        QCOMPARE(StripAccessKeys("Eind&"), QString("Eind"));
        QCOMPARE(StripAccessKeys(""), QString());
        for (int n = 0; n <= 226; ++n)  // no table text shows an "&"
            QVERIFY2(!StripAccessKeys(TaalTekst(10000 + n) + TaalTekst(11000 + n)).contains('&'),
                     qPrintable(QString::number(n)));
    }

    // Placing a mark: one mark only, on the first occurrence in either case,
    // the old mark moved; a caption without the letter or part keeps its
    // own (a window that wants none strips it first).
    void accessKeyMarkPlaced() {
        using platform::WithAccessKey;
        QCOMPARE(WithAccessKey("&Opslaan", QChar('p')), QString("O&pslaan"));
        QCOMPARE(WithAccessKey("Sa&ve", QChar('s')), QString("&Save"));
        QCOMPARE(WithAccessKey("&Opslaan", QChar('e')), QString("&Opslaan"));
        QCOMPARE(WithAccessKey("Sorteer &hoog-laag", QStringLiteral("la"), 1), QString("Sorteer hoog-l&aag"));
        QCOMPARE(WithAccessKey("Sort &high-low", QStringLiteral("lo"), 1), QString("Sort high-l&ow"));
        QCOMPARE(WithAccessKey("Sorteer &hoog-laag", QStringLiteral("laag"), 3), QString("Sorteer hoog-laa&g"));
        QCOMPARE(WithAccessKey("Sort &high-low", QStringLiteral("laag"), 3), QString("Sort &high-low"));
        QCOMPARE(WithAccessKey("Sort high-low", QStringLiteral("laag"), 3), QString("Sort high-low"));
        // Every occurrence was marked by a plain replace: only the first is.
        QCOMPARE(WithAccessKey("Wis sets", QChar('s')), QString("Wi&s sets"));
        QCOMPARE(WithAccessKey("Wis Sets", QStringLiteral("S")), QString("Wi&s Sets"));
        QCOMPARE(WithAccessKey("Jan && Piet", QChar('p')), QString("Jan && &Piet"));
        QCOMPARE(WithAccessKey("laag", QStringLiteral("la"), 2), QString("laag"));
        QCOMPARE(WithAccessKey("laag", QString(), 0), QString("laag"));
    }
};

QTEST_GUILESS_MAIN(TestTekst)
#include "test_tekst.moc"
