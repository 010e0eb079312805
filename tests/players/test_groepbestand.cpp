// Group files and the pair line: building and taking apart a pair line, the
// seat rule at every count, the 40-pair limit, and a group written and read
// back.

#include <QDir>
#include <QtTest>

#include "players/GroepBestand.h"
#include "support/TestSupport.h"

using namespace groep;

class TestGroepBestand : public QObject {
    Q_OBJECT

private slots:
    void pairLineBuildAndParse() {
        const Paar p{{"Zoë Müller", "zoe@club.nl"}, {"Piet de Vries", ""}};
        // A player without an address keeps the "|": the line ends in it.
        QCOMPARE(PaarRegel(3, p), QString("03. Zoë Müller|zoe@club.nl - Piet de Vries|"));
        QCOMPARE(PaarTekst(12, p), QString("12. Zoë Müller - Piet de Vries"));
        Paar terug;
        QVERIFY(LeesPaarRegel(PaarRegel(3, p), terug));
        QCOMPARE(terug, p);
        // The number is dropped whatever it is; fields are trimmed; a line
        // without a number or without addresses still reads.
        QVERIFY(LeesPaarRegel("07.  Jan |jan@a.nl  -  Els|els@b.nl ", terug));
        QCOMPARE(terug, (Paar{{"Jan", "jan@a.nl"}, {"Els", "els@b.nl"}}));
        QVERIFY(LeesPaarRegel("Jan - Els", terug));
        QCOMPARE(terug, (Paar{{"Jan", ""}, {"Els", ""}}));
        // Only the first " - " separates: a hyphenated name stays whole.
        QVERIFY(LeesPaarRegel("01. Anne-Marie|a@b.nl - Kees|", terug));
        QCOMPARE(terug.eerste.naam, QString("Anne-Marie"));
        // Blank lines and lines without " - " give no pair.
        QVERIFY(!LeesPaarRegel("", terug));
        QVERIFY(!LeesPaarRegel("   ", terug));
        QVERIFY(!LeesPaarRegel("01. Jan|jan@a.nl", terug));
        // What a line cannot hold is refused before writing.
        QVERIFY(PaarSchrijfbaar(p));
        QVERIFY(!PaarSchrijfbaar({{"a|b", ""}, {"c", ""}}));
        QVERIFY(!PaarSchrijfbaar({{"a", ""}, {"c - d", ""}}));
        QVERIFY(!PaarSchrijfbaar({{"a", "x\ny"}, {"c", ""}}));
    }

    void seatRuleAtEveryCount() {
        for (int aantal = 0; aantal <= kMaxParen; ++aantal) {
            // The next pair is number aantal + 1: odd North-South.
            QCOMPARE(VolgendePaarNoordZuid(aantal), aantal % 2 == 0);
            QCOMPARE(GroepOpslaanMogelijk(aantal), aantal > 0 && aantal % 2 == 0);
            QCOMPARE(SpeeltNoordZuid(aantal + 1), aantal % 2 == 0);
        }
        QVERIFY(!GroepOpslaanMogelijk(kMaxParen + 2));
    }

    void groupSaveAndReopen() {
        testsupport::TempHome home;
        QVector<Paar> paren;
        for (int i = 0; i < 8; ++i)
            paren << Paar{{QString("Speler %1").arg(2 * i), QString("s%1@club.nl").arg(2 * i)},
                          {QString("Speler é%1").arg(2 * i + 1), i == 3 ? QString() : QString("t%1@x.be").arg(i)}};
        QVERIFY(SchrijfGroep("Dinsdag", paren));
        const QByteArray bytes = testsupport::ReadTestFile(home.file("groepen/Dinsdag.txt"));
        // Code page 1252, CR LF after every line, numbered from 01, nothing else.
        QVERIFY(bytes.startsWith("01. Speler 0|s0@club.nl - Speler \xE9" "1|t0@x.be\r\n"));
        QVERIFY(bytes.contains("04. Speler 6|s6@club.nl - Speler \xE9" "7|\r\n"));
        QVERIFY(bytes.endsWith("08. Speler 14|s14@club.nl - Speler \xE9" "15|t7@x.be\r\n"));
        QCOMPARE(bytes.count("\r\n"), 8);
        QVector<Paar> terug;
        QVERIFY(LeesGroep("Dinsdag", terug));
        QCOMPARE(terug, paren);
    }

    void readerRenumbersAndSkips() {
        testsupport::TempHome home;
        // Numbers 07, 09, 12, a blank line and a line without " - ": three
        // pairs by position; LF line ends read as well.
        testsupport::WriteTestFile(home.file("groepen/Oud.txt"),
                                   "07. A|a@x - B|\n\n09. C| - D|d@x\r\nkapot regel\n12. E| - F|\n");
        QVector<Paar> paren;
        QVERIFY(LeesGroep("Oud", paren));
        QCOMPARE(paren.size(), 3);
        QCOMPARE(PaarRegels(paren),
                 QStringList({"01. A|a@x - B|", "02. C| - D|d@x", "03. E| - F|"}));
    }

    void fortyPairLimit() {
        testsupport::TempHome home;
        QVector<Paar> veertig;
        for (int i = 0; i < kMaxParen; ++i)
            veertig << Paar{{QString("A%1").arg(i), ""}, {QString("B%1").arg(i), ""}};
        QVERIFY(SchrijfGroep("Vol", veertig));
        QVector<Paar> terug;
        QVERIFY(LeesGroep("Vol", terug));
        QCOMPARE(terug.size(), kMaxParen);
        // A 41st pair is never written, and the old file stays as it was.
        QString fout;
        QVERIFY(!SchrijfGroep("Vol", veertig + QVector<Paar>{{{"X", ""}, {"Y", ""}}}, &fout));
        QVERIFY(LeesGroep("Vol", terug));
        QCOMPARE(terug.size(), kMaxParen);
        // A file of 41 pairs is not a group file: refused, nothing taken.
        QStringList regels;
        for (int i = 0; i <= kMaxParen; ++i) regels << QString("%1. A| - B|").arg(i + 1);
        testsupport::WriteTestFile(home.file("groepen/Te veel.txt"), regels.join("\r\n").toLatin1());
        QVERIFY(!LeesGroep("Te veel", terug, &fout));
        QVERIFY(terug.isEmpty());
        QVERIFY(fout.contains("Te veel.txt"));
    }

    void readersAndWritersRefuseBadInput() {
        testsupport::TempHome home;
        QVector<Paar> paren;
        QString fout;
        // Missing, a folder, too large, an empty file.
        QVERIFY(!LeesGroep("Weg", paren, &fout));
        QVERIFY(!fout.isEmpty());
        QDir().mkpath(home.file("groepen/Map.txt"));
        QVERIFY(!LeesGroep("Map", paren, &fout));
        testsupport::WriteTestFile(home.file("groepen/Groot.txt"), QByteArray(200 * 1024, 'x'));
        QVERIFY(!LeesGroep("Groot", paren, &fout));
        testsupport::WriteTestFile(home.file("groepen/Leeg.txt"), "");
        QVERIFY(LeesGroep("Leeg", paren));
        QVERIFY(paren.isEmpty());
        // Names that are no plain file name are never a path.
        for (const QString& naam : {QString(), QString("."), QString(".."), QString("a/b"), QString(" x")}) {
            QVERIFY(GroepPad(naam).isEmpty());
            QVERIFY(!SchrijfGroep(naam, {{{"A", ""}, {"B", ""}}}));
        }
        // A field that would break the line is refused; the old file stays.
        QVERIFY(SchrijfGroep("Goed", {{{"A", ""}, {"B", ""}}}));
        QVERIFY(!SchrijfGroep("Goed", {{{"A|x", ""}, {"B", ""}}}));
        QVERIFY(LeesGroep("Goed", paren));
        QCOMPARE(paren.at(0).eerste.naam, QString("A"));
    }
};

QTEST_MAIN(TestGroepBestand)
#include "test_groepbestand.moc"
