// The names editor's rules without a window: the names file, the cleaning
// of typed and pasted text, the name order, the import lines of the sibling
// program and the folder lists.

#include <QDir>
#include <QtTest>
#include <algorithm>

#include "platform/TextFile.h"
#include "players/NamenRegels.h"
#include "shared/MapLijst.h"
#include "shared/Tekst.h"
#include "support/TestSupport.h"

using namespace platform;

class TestNamenRegels : public QObject {
    Q_OBJECT

private slots:
    void namesFileRoundTrip() {
        testsupport::TempHome home;
        const QVector<NaamRegel> rijen = {{"1", "Zoë Müller", "zoe@club.nl"},
                                          {"7", "Piet de Vries", "piet@x.be"},
                                          {"", "", ""}};
        QStringList regels;
        for (const NaamRegel& r : rijen) regels << NamenBestandRegel(r);
        const QString pad = home.file("namen/leden.txt");
        QDir().mkpath(home.file("namen"));
        QVERIFY(writeTextLines(pad, regels));
        // Code page 1252, "|" between the fields, CR LF after every line.
        const QByteArray bytes = testsupport::ReadTestFile(pad);
        QCOMPARE(bytes, QByteArray("1|Zo\xEB M\xFCller|zoe@club.nl\r\n7|Piet de Vries|piet@x.be\r\n||\r\n"));
        QStringList terug;
        QVERIFY(readTextLines(pad, terug));
        const QVector<NaamRegel> gelezen = LeesNamenRegels(terug);
        // The numbers stay as stored; the empty last row is dropped.
        QCOMPARE(gelezen.size(), 2);
        QCOMPARE(gelezen[0].naam, QString("Zoë Müller"));
        QCOMPARE(gelezen[1].nummer, QString("7"));
        QCOMPARE(gelezen[1].adres, QString("piet@x.be"));
    }

    void namesFileLinesOfEveryShape() {
        // More than three fields: the first three count. Fewer: the rest is
        // empty. A blank line in the middle is an empty row; blank lines at
        // the end are not shown. LF-only files read the same.
        const QVector<NaamRegel> r =
            LeesNamenRegels({"1|Jan|jan@a.nl|extra|meer", "2|Els", "", "3|Kees|k@b.nl", "", "  "});
        QCOMPARE(r.size(), 4);
        QCOMPARE(r[0].adres, QString("jan@a.nl"));
        QCOMPARE(r[1].naam, QString("Els"));
        QCOMPARE(r[1].adres, QString());
        QCOMPARE(r[2].naam, QString());
        QCOMPARE(r[3].naam, QString("Kees"));
        QVERIFY(LeesNamenRegels({}).isEmpty());
        QVERIFY(LeesNamenRegels({"", ""}).isEmpty());
        QCOMPARE(splitLines("1|a|b\n2|c|d\n"), QStringList({"1|a|b", "2|c|d"}));
    }

    void tidyingChangesNothingButDoublesAndControlCharacters() {
        QCOMPARE(SchoonInvoer("jan@x.nl\t\r\n"), QString("jan@x.nl"));
        // A doubled character loses its second one, wherever it stands.
        QCOMPARE(SchoonInvoer("jan..piet@x.nl"), QString("jan.piet@x.nl"));
        QCOMPARE(SchoonInvoer("jan@@x.nl"), QString("jan@x.nl"));
        QCOMPARE(SchoonInvoer("Jan  de   Wit"), QString("Jan de Wit"));
        QCOMPARE(SchoonInvoer("a....b"), QString("a.b"));
        QCOMPARE(SchoonInvoer(""), QString());
        // What cannot be stored is left for the refusal, never altered.
        for (const QString& t : {QString("Jan|Jansen"), QString("Jansen - de Vries"), QString("a~b"),
                                QString::fromUtf8("Zoë O'Brien-Łukasz")})
            QCOMPARE(SchoonInvoer(t), t);
    }

    void refusalSaysWhyATextCannotBeStored() {
        TaalNummer = 10;
        QCOMPARE(InvoerBezwaar(QString::fromUtf8("Zoë O'Brien-de Vries"), true), QString());
        QCOMPARE(InvoerBezwaar("a - b@c.nl", false), QString());  // only names are paired
        QCOMPARE(InvoerBezwaar("a~b@c.nl", false), QString());
        // Outside the code page: the characters are named, each once.
        const QString cp = InvoerBezwaar(QString::fromUtf8("Łukasz Wałęsa"), true);
        QVERIFY2(cp.contains(QString::fromUtf8(": Ł ł ę.")), qPrintable(cp));
        QVERIFY(InvoerBezwaar(QString::fromUtf8("łukasz@x.pl"), false).contains(QString::fromUtf8("ł")));
        // The field separator, in either box.
        QCOMPARE(InvoerBezwaar("Jan|Jansen", true), QString("Deze tekens zijn niet toegestaan.\n\n|"));
        QCOMPARE(InvoerBezwaar("jan|@x.nl", false), QString("Deze tekens zijn niet toegestaan.\n\n|"));
        // The separators of a pair line and of the overview, in a name.
        for (const QString& n : {QString("Jansen - de Vries"), QString("a~b"), QString(" - ")})
            QVERIFY2(InvoerBezwaar(n, true).contains("\" - \""), qPrintable(n));
        QVERIFY(NaamBruikbaarInPaar("Jansen-de Vries"));
        QVERIFY(NaamBruikbaarInPaar("A -B"));
        QVERIFY(!NaamBruikbaarInPaar("A - B"));
        QVERIFY(!NaamBruikbaarInPaar("A~B"));
    }

    void addressesUseTheProgramsCheck() {
        QVERIFY(AdresGoed("  jan@club.nl "));
        QVERIFY(AdresGoed("j@b.c"));
        QVERIFY(!AdresGoed(""));
        QVERIFY(!AdresGoed("jan@@club.nl"));
        QVERIFY(!AdresGoed("jan@club"));
        QVERIFY(!AdresGoed("jan@club..nl"));
        QVERIFY(!AdresGoed("jan de wit@club.nl"));
        QVERIFY(!AdresGoed("a@b@c.nl"));
    }

    void nameOrderIsCaseSensitiveWithEmptiesLast() {
        QStringList namen = {"bert", "", "Anna", "anna", "Bert", ""};
        std::stable_sort(namen.begin(), namen.end(), NaamVoor);
        QCOMPARE(namen, QStringList({"Anna", "Bert", "anna", "bert", "", ""}));
    }

    void importLinesOfTheSiblingProgram() {
        const AbsImport im = LeesAbsImport({
            "12| x |  Jan  |  de Wit |4| jan@wit.nl |7|8",  // blanks around fields go
            "1|x||Pieters|4|p@q.nl",                        // an empty field 2: field 3 alone
            "1|x|Els|Bos",                                  // a short line: missing fields empty
            "1|x", "1|x|  |  |4|a@b.nl", "   ", "",         // no name: no player
        });
        QCOMPARE(im.spelers.size(), 3);
        QCOMPARE(im.spelers[0].naam, QString("Jan de Wit"));
        QCOMPARE(im.spelers[0].adres, QString("jan@wit.nl"));
        QCOMPARE(im.spelers[1].naam, QString("Pieters"));
        QCOMPARE(im.spelers[2].naam, QString("Els Bos"));
        QCOMPARE(im.spelers[2].adres, QString());
        // Everything taken over as it stood: nothing to report.
        QCOMPARE(AbsImportVerslag(im, "leden.abs"), QString());
    }

    // What the import cannot take as it stands is refused or changed, and
    // each is named with the reason.
    void importReportsWhatItRefusedOrChanged() {
        TaalNummer = 10;
        const AbsImport im = LeesAbsImport({
            "1|x|Anna - Maria|Smit|4|anna@x.nl",            // would break a pair line
            "2|x|Tilde~|Man|4|",                            // likewise
            QString::fromUtf8("3|x|Łukasz|Wałęsa|4|l@x.pl"),  // cannot be stored
            "4|x|Kees|Bos|4|kees bos@x",                    // no mail to this address
            "5|x|Piet|de  Vries|4|piet  x@y.nl",           // tidied name; address not tidied
            "6|x|Els|Bos|4|els@bos.nl",
        });
        QCOMPARE(im.spelers.size(), 3);
        QCOMPARE(im.paarNiet, QStringList({"Anna - Maria Smit", "Tilde~ Man"}));
        QCOMPARE(im.tekensNiet, QStringList({QString::fromUtf8("Łukasz Wałęsa (Ł ł ę)")}));
        QCOMPARE(im.zonderAdres, QStringList({"Kees Bos (kees bos@x)", "Piet de Vries (piet  x@y.nl)"}));
        QCOMPARE(im.opgeschoond, QStringList({"Piet de Vries"}));
        QCOMPARE(im.spelers[1].adres, QString());
        const QString verslag = AbsImportVerslag(im, "leden.abs", 1);
        QVERIFY2(verslag.startsWith("Uit leden.abs zijn 3 spelers overgenomen."), qPrintable(verslag));
        for (const QString& deel : {QString("\n    Anna - Maria Smit\n    ... en nog 1."), QString("\" - \""),
                                    QString::fromUtf8("Łukasz"), QString("Kees Bos (kees bos@x)"),
                                    QString("opgeschoonde naam"), QString("\n    Piet de Vries")})
            QVERIFY2(verslag.contains(deel), qPrintable(deel));
        QVERIFY(!verslag.contains("Tilde"));
        TaalNummer = 11;
        QVERIFY(AbsImportVerslag(im, "leden.abs").startsWith("3 players were taken over from leden.abs."));
        TaalNummer = 10;
    }

    void folderListsInEitherOrder() {
        testsupport::TempHome home;
        const QString map = home.file("groepen");
        for (const char* n : {"b.txt", "A.txt", "c.TXT", "x.y.txt", ".verborgen.txt", "los.abs", "geen"})
            testsupport::WriteTestFile(map + "/" + n, "1|a|b\r\n");
        QDir().mkpath(map + "/submap.txt");
        auto toon = [](const QList<MapItem>& items) {
            QStringList out;
            for (const MapItem& i : items) out << i.toon;
            return out;
        };
        const QList<MapItem> op = MapInhoud(map, ".txt", false);
        QCOMPARE(toon(op), QStringList({"A", "b", "c", "x.y"}));
        // The real name stays behind every item.
        QCOMPARE(op[2].naam, QString("c.TXT"));
        QCOMPARE(op[3].naam, QString("x.y.txt"));
        QCOMPARE(toon(MapInhoud(map, ".txt", true)), QStringList({"x.y", "c", "b", "A"}));
        QCOMPARE(toon(MapInhoud(map, ".abs", false)), QStringList({"los"}));
        // Sub-folders.
        QDir().mkpath(home.file("resultaten/Zomer"));
        QDir().mkpath(home.file("resultaten/herfst"));
        QDir().mkpath(home.file("resultaten/.stil"));
        QCOMPARE(toon(MapInhoud(home.file("resultaten"), "", false)), QStringList({"herfst", "Zomer"}));
        QCOMPARE(toon(MapInhoud(home.file("resultaten"), "", true)), QStringList({"Zomer", "herfst"}));
        // A missing folder lists nothing.
        QVERIFY(MapInhoud(home.file("nergens"), ".txt", false).isEmpty());
        // Stored sort values: only 0 is ascending.
        QVERIFY(!SorteerAflopend(0));
        QVERIFY(SorteerAflopend(1));
        QVERIFY(SorteerAflopend(2));
        QVERIFY(SorteerAflopend(-1));
        QCOMPARE(LijstKop("Groep bestanden", 7), QString("Groep bestanden (7)"));
        QCOMPARE(LijstKop("Wedstrijden", 0), QString("Wedstrijden"));
    }
};

QTEST_MAIN(TestNamenRegels)
#include "test_namenregels.moc"
