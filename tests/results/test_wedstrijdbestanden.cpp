#include <QtTest>

#include <QDir>
#include <QFile>

#include "results/ContractNotatie.h"
#include "results/SchrijfWachtrij.h"
#include "results/WedstrijdBestanden.h"
#include "shared/Tekst.h"
#include "support/TestSupport.h"

using namespace uitslag;
using testsupport::ReadTestFile;
using testsupport::TempHome;
using testsupport::WriteTestFile;

namespace {

const QString W = QStringLiteral("Dinsdag 3");
const QString EN = QStringLiteral("1234567890ashdccnp+-!nozw");
const QString NL = QStringLiteral("1234567890ashrkcnp+-!nozw");

QString Map(const TempHome& home) { return home.file("resultaten/" + W + "/"); }

// Every way a reader can be handed a bad file, for one match file kind.
// `kapot` is a cut-off or foreign content that the reader must refuse.
template <typename Lezer>
void BadFiles(const TempHome& home, const QString& naam, const QByteArray& kapot, Lezer lees) {
    const QString pad = Map(home) + naam;
    QFile::remove(pad);
    QCOMPARE(lees().fout, LeesFout::Ontbreekt);
    WriteTestFile(pad, "");
    QCOMPARE(lees().fout, LeesFout::Leeg);
    WriteTestFile(pad, "\r\n  \r\n");
    QCOMPARE(lees().fout, LeesFout::Leeg);
    WriteTestFile(pad, kapot);
    LeesUitkomst u = lees();
    QCOMPARE(u.fout, LeesFout::Vreemd);
    QVERIFY(u.regel >= 1);
    QVERIFY(LeesMelding(u).contains(naam));
    WriteTestFile(pad, QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0\x9c\xff~~~\r\n", 17));
    QVERIFY(!lees().Gelukt());
    WriteTestFile(pad, QByteArray(300 * 1024, 'x'));
    QCOMPARE(lees().fout, LeesFout::TeGroot);
    QFile::remove(pad);
    QVERIFY(QDir().mkpath(pad));  // a folder where the file should be
    u = lees();
    QCOMPARE(u.fout, LeesFout::Onleesbaar);
    QVERIFY(!LeesMelding(u).isEmpty());
    QVERIFY(QDir(pad).removeRecursively());
}

std::vector<SpelRij> Slip() {
    return {{"1 - 2", "3D+1", "", "130", "-130", "4", "0"},
            {"3 - 4", "", "4CC!", "-510", "510", "0", "4"},
            {"5 - 6", "P", "P", "0", "0", "2", "2"},
            {"8 - 7", "60.00%", "40.00%", "", "", "2.4", "1.6"},
            {"9 - 10", "", "", "", "", "", ""}};
}

}  // namespace

class TestWedstrijdBestanden : public QObject {
    Q_OBJECT
private slots:
    void init() { TaalNummer = 10; }
    void cleanup() { TaalNummer = 10; }

    void namesDoNotDependOnTheLanguage() {
        for (int taal : {10, 11}) {
            TaalNummer = taal;
            QCOMPARE(WedstrijdBestandsnaam(WedstrijdBestand::Paren, W), W + ".txt");
            QCOMPARE(WedstrijdBestandsnaam(WedstrijdBestand::SpellenAantal, W), W + ".spellen");
            QCOMPARE(WedstrijdBestandsnaam(WedstrijdBestand::Klaar, W), W + " klaar.txt");
            QCOMPARE(WedstrijdBestandsnaam(WedstrijdBestand::Overzicht, W), W + " overzicht.txt");
            QCOMPARE(WedstrijdBestandsnaam(WedstrijdBestand::MailLijst, W), W + " mail.txt");
            QCOMPARE(WedstrijdBestandsnaam(WedstrijdBestand::SpelUitslag, W, 7), QString("Spel 07 Drovik.txt"));
            QCOMPARE(WedstrijdBestandsnaam(WedstrijdBestand::SpelExport, W, 7), QString("Spel 007.txt"));
        }
        // The names of earlier English runs.
        QCOMPARE(WedstrijdBestandsnaam(WedstrijdBestand::Klaar, W, 0, 11), W + " done.txt");
        QCOMPARE(WedstrijdBestandsnaam(WedstrijdBestand::Overzicht, W, 0, 11), W + " overview.txt");
        QCOMPARE(WedstrijdBestandsnaam(WedstrijdBestand::SpelUitslag, W, 48, 11), QString("Game 48 Drovik.txt"));
        QCOMPARE(WedstrijdBestandsnaam(WedstrijdBestand::SpelExport, W, 1, 11), QString("Game 001.txt"));
        // Names that cannot be made.
        QVERIFY(WedstrijdBestandsnaam(WedstrijdBestand::SpelUitslag, W, 0).isEmpty());
        QVERIFY(WedstrijdBestandsnaam(WedstrijdBestand::SpelExport, W, 49).isEmpty());
        for (const QString& slecht : QStringList{"", ".", "..", "a/b", "a\\b", " x", "x\n"}) {
            QVERIFY(WedstrijdBestandsnaam(WedstrijdBestand::Paren, slecht).isEmpty());
            QVERIFY(WedstrijdMapPad(slecht).isEmpty());
            QVERIFY(!SchrijfSpellenAantal(slecht, 24));
        }
    }

    void pairsFile() {
        TempHome home;
        const QStringList regels = {"01. Anna de Vries|anna@example.nl - Bert Jansen|bert@example.nl",
                                    "", "02. Cor - Dé Smit", "03. Els|els@example.nl - Fien|"};
        QVERIFY(SchrijfParen(W, regels));
        QCOMPARE(ReadTestFile(Map(home) + W + ".txt"),
                 QByteArray("01. Anna de Vries|anna@example.nl - Bert Jansen|bert@example.nl\r\n\r\n"
                            "02. Cor - D\xe9 Smit\r\n03. Els|els@example.nl - Fien|\r\n"));
        QStringList paren;
        QVERIFY(LeesParen(W, paren).Gelukt());
        QCOMPARE(paren, QStringList({"01. Anna de Vries - Bert Jansen", "02. Cor - Dé Smit", "03. Els - Fien"}));

        BadFiles(home, W + ".txt", "01. A - B\r\n03. C - D\r\n", [&] { return LeesParen(W, paren); });
        // A pair number out of order is refused at its line; so is a 41st pair.
        WriteTestFile(Map(home) + W + ".txt", "1. A - B\r\n2. C - D\r\nhallo\r\n");
        LeesUitkomst u = LeesParen(W, paren);
        QCOMPARE(u.fout, LeesFout::Vreemd);
        QCOMPARE(u.regel, 3);
        QVERIFY(paren.isEmpty());
        QByteArray veel;
        for (int i = 1; i <= 41; ++i) veel += QByteArray::number(i + 100).right(2) + ". A - B\r\n";
        WriteTestFile(Map(home) + W + ".txt", veel);
        QCOMPARE(LeesParen(W, paren).regel, 41);
    }

    void boardCount() {
        TempHome home;
        QVERIFY(SchrijfSpellenAantal(W, 24));
        QCOMPARE(ReadTestFile(Map(home) + W + ".spellen"), QByteArray("24\r\n"));
        int n = 0;
        QVERIFY(LeesSpellenAantal(W, n).Gelukt());
        QCOMPARE(n, 24);
        QVERIFY(!SchrijfSpellenAantal(W, 0));
        QVERIFY(!SchrijfSpellenAantal(W, 49));
        QCOMPARE(ReadTestFile(Map(home) + W + ".spellen"), QByteArray("24\r\n"));
        BadFiles(home, W + ".spellen", "2x", [&] { return LeesSpellenAantal(W, n); });
        for (const QByteArray& slecht : {QByteArray("0\r\n"), QByteArray("49\r\n"), QByteArray("2a\r\n"),
                                         QByteArray("24\r\n25\r\n"), QByteArray("-3\r\n")}) {
            WriteTestFile(Map(home) + W + ".spellen", slecht);
            QCOMPARE(LeesSpellenAantal(W, n).fout, LeesFout::Vreemd);
        }
        QCOMPARE(n, 24);
    }

    void doneFlags() {
        TempHome home;
        QVERIFY(SchrijfKlaar(W, "0110"));
        QCOMPARE(ReadTestFile(Map(home) + W + " klaar.txt"), QByteArray("0110\r\n"));
        QString v;
        QVERIFY(LeesKlaar(W, 4, v).Gelukt());
        QCOMPARE(v, QString("0110"));
        // A short line does not make the boards it misses done.
        WriteTestFile(Map(home) + W + " klaar.txt", "11\r\n");
        QVERIFY(LeesKlaar(W, 5, v).Gelukt());
        QCOMPARE(v, QString("11000"));
        QVERIFY(LeesKlaar(W, 1, v).Gelukt());
        QCOMPARE(v, QString("1"));
        QVERIFY(!SchrijfKlaar(W, "01x"));
        QVERIFY(!SchrijfKlaar(W, ""));
        QVERIFY(!SchrijfKlaar(W, QString(49, '1')));
        QCOMPARE(ReadTestFile(Map(home) + W + " klaar.txt"), QByteArray("11\r\n"));
        BadFiles(home, W + " klaar.txt", "0120\r\n", [&] { return LeesKlaar(W, 4, v); });
    }

    // A direct write of a file waits for that file's queued writes: an
    // older content still queued does not land after it.
    void aDirectWriteComesAfterTheQueuedWritesOfItsFile() {
        TempHome home;
        QVERIFY(SchrijfKlaar(W, "0000", nullptr, Schrijfwijze::Achtergrond));
        QVERIFY(SchrijfKlaar(W, "1111"));
        WachtOp();
        QCOMPARE(ReadTestFile(Map(home) + W + " klaar.txt"), QByteArray("1111\r\n"));
        QVERIFY(SchrijfOverzicht(W, {{"", "1"}, {"01. A - B", "1"}}, nullptr, Schrijfwijze::Achtergrond));
        QVERIFY(SchrijfOverzicht(W, {{"", "1"}, {"01. A - B", "2"}}));
        WachtOp();
        std::vector<QStringList> rijen;
        QVERIFY(LeesOverzicht(W, rijen).Gelukt());
        QCOMPARE(rijen.at(1).at(1), QString("2"));
    }

    void overview() {
        TempHome home;
        const std::vector<QStringList> grid = {{"", "1", "2", "3"},
                                               {"01. Anna - Bert", "4", "5.67", ""},
                                               {"02. Cor - Dé", "0", ".33", "n"},
                                               {"", "", "", ""}};
        QVERIFY(SchrijfOverzicht(W, grid));
        QCOMPARE(ReadTestFile(Map(home) + W + " overzicht.txt"),
                 QByteArray("~1~2~3\r\n01. Anna - Bert~4~5.67~\r\n02. Cor - D\xe9~0~.33~n\r\n~~~\r\n"));
        std::vector<QStringList> gelezen;
        QVERIFY(LeesOverzicht(W, gelezen).Gelukt());
        // The closing row of empty cells is a blank-looking line that stays.
        QCOMPARE(gelezen.size(), size_t(4));
        QCOMPARE(gelezen, grid);
        // A cell holding the separator would shift the row: refused whole.
        std::vector<QStringList> slecht = grid;
        slecht[1][0] = "01. A~B";
        QVERIFY(!SchrijfOverzicht(W, slecht));
        QVERIFY(LeesOverzicht(W, gelezen).Gelukt());
        QCOMPARE(gelezen, grid);
        // A name the code page cannot hold is refused too, also when the
        // write would go behind: written, it would come back changed.
        slecht = grid;
        slecht[1][0] = QString::fromUtf8("01. Łukasz - Bert");
        for (Schrijfwijze wijze : {Schrijfwijze::Meteen, Schrijfwijze::Achtergrond}) {
            QString fout;
            QVERIFY(!SchrijfOverzicht(W, slecht, &fout, wijze));
            QVERIFY2(fout.contains(QString::fromUtf8("Ł")), qPrintable(fout));
        }
        WachtOp();
        QVERIFY(LeesOverzicht(W, gelezen).Gelukt());
        QCOMPARE(gelezen, grid);
        BadFiles(home, W + " overzicht.txt", "~1~3\r\n", [&] { return LeesOverzicht(W, gelezen); });
        WriteTestFile(Map(home) + W + " overzicht.txt", "~1~2\r\nA~1~2~3\r\n");
        LeesUitkomst u = LeesOverzicht(W, gelezen);
        QCOMPARE(u.fout, LeesFout::Vreemd);
        QCOMPARE(u.regel, 2);
        QVERIFY(gelezen.empty());
    }

    void mailList() {
        TempHome home;
        WriteTestFile(Map(home) + W + " mail.txt",
                      "01. Anna|anna@example.nl - Bert|bert@example.nl\r\n\r\n02. Cor|c@example.nl - D\xe9|\r\n");
        QStringList a;
        QVERIFY(LeesMailLijst(W, a).Gelukt());
        QCOMPARE(a, QStringList({"Bert|bert@example.nl", "Anna|anna@example.nl", "Dé|", "Cor|c@example.nl"}));
        QFile::remove(Map(home) + W + " mail.txt");
        QCOMPARE(LeesMailLijst(W, a).fout, LeesFout::Ontbreekt);
        QVERIFY(a.isEmpty());
    }

    void boardFilesRoundTrip() {
        TempHome home;
        TaalNummer = 11;
        QVERIFY(BewaarSpel(W, 7, Slip(), EN, true));
        // Stored language-neutral under the fixed names.
        QCOMPARE(ReadTestFile(Map(home) + "Spel 07 Drovik.txt"),
                 QByteArray("1 - 2~3R+1~~130~-130~4~0\r\n3 - 4~~4KC!~-510~510~0~4\r\n5 - 6~P~P~0~0~2~2\r\n"
                            "8 - 7~60.00%~40.00%~~~2.4~1.6\r\n9 - 10~~~~~~\r\n"));
        QCOMPARE(ReadTestFile(Map(home) + "Spel 007.txt"),
                 QByteArray("1\r\n2\r\n3R+1\r\n\r\n130\r\n-130\r\n4\r\n0\r\n"
                            "3\r\n4\r\n\r\n4KC!\r\n-510\r\n510\r\n0\r\n4\r\n"
                            "5\r\n6\r\nP\r\nP\r\n0\r\n0\r\n2\r\n2\r\n"
                            "8\r\n7\r\n60.00%\r\n40.00%\r\n\r\n\r\n2.4\r\n1.6\r\n"
                            "9\r\n10\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
        QVERIFY(!QFile::exists(Map(home) + "Game 07 Drovik.txt"));
        std::vector<SpelRij> rijen;
        QVERIFY(LeesSpelUitslag(W, 7, EN, rijen).Gelukt());
        QCOMPARE(rijen, Slip());
        // Read in Dutch the same board shows the Dutch letters.
        QVERIFY(LeesSpelUitslag(W, 7, NL, rijen).Gelukt());
        QCOMPARE(rijen[0].contractNZ, QString("3R+1"));
        QCOMPARE(rijen[1].contractOW, QString("4KC!"));
        // The export file reads back to the stored slip.
        QVERIFY(LeesSpelExport(W, 7, rijen).Gelukt());
        QCOMPARE(rijen.size(), size_t(5));
        QCOMPARE(rijen[1].contractOW, QString("4KC!"));
        QCOMPARE(rijen[3].paar, QString("8 - 7"));
        QCOMPARE(rijen[4], (SpelRij{"9 - 10", "", "", "", "", "", ""}));

        // Without the sibling program no export file is written.
        QVERIFY(BewaarSpel(W, 8, {Slip()[0], Slip()[1]}, EN, false));
        QVERIFY(QFile::exists(Map(home) + "Spel 08 Drovik.txt"));
        QVERIFY(!QFile::exists(Map(home) + "Spel 008.txt"));
    }

    void boardFilesRefuseWhatWouldCorruptThem() {
        TempHome home;
        QVERIFY(BewaarSpel(W, 3, Slip(), NL, true));
        const QByteArray voor = ReadTestFile(Map(home) + "Spel 03 Drovik.txt");
        std::vector<SpelRij> slecht = Slip();
        slecht[2].scoreNZ = "1~2";
        QString fout;
        QVERIFY(!BewaarSpel(W, 3, slecht, NL, true, &fout));
        slecht = Slip();
        slecht[0].paar = "1 2";  // no second pair number for the export file
        QVERIFY(!BewaarSpel(W, 3, slecht, NL, true));
        slecht = Slip();
        slecht[1].contractNZ = "3H\r\n+1";
        QVERIFY(!BewaarSpel(W, 3, slecht, NL, true));
        QVERIFY(!BewaarSpel(W, 0, Slip(), NL, true));
        QVERIFY(!BewaarSpel(W, 3, std::vector<SpelRij>(21, Slip()[0]), NL, true));
        QVERIFY(!BewaarSpel(W, 3, {}, NL, true));
        QCOMPARE(ReadTestFile(Map(home) + "Spel 03 Drovik.txt"), voor);
        // A write that cannot happen leaves the old file and says why.
        QVERIFY(QDir().mkpath(Map(home) + "Spel 004.txt"));
        QVERIFY(!BewaarSpel(W, 4, Slip(), NL, true, &fout));
        QVERIFY(!fout.isEmpty());
        QVERIFY(SchrijfMelding("Spel 004.txt", fout).contains("Spel 004.txt"));
    }

    void boardFileReaders() {
        TempHome home;
        std::vector<SpelRij> rijen;
        BadFiles(home, "Spel 05 Drovik.txt", "1 - 2~3H+1~~170~-170~4~0\r\n3 - 4~2S~~11",
                 [&] { return LeesSpelUitslag(W, 5, NL, rijen); });
        const QStringList slecht = {
            "1 - 2~3H~~1~2~3~4~5\r\n",         // eight fields
            "1 - x~~~~~~\r\n",                 // no pair number
            "~~~~~~\r\n",
            "0 - 2~~~~~~\r\n",
        };
        for (const QString& s : slecht) {
            WriteTestFile(Map(home) + "Spel 05 Drovik.txt", s.toLatin1());
            QCOMPARE(LeesSpelUitslag(W, 5, NL, rijen).fout, LeesFout::Vreemd);
            QVERIFY(rijen.empty());
        }
        QByteArray teVeel;
        for (int i = 0; i < 21; ++i) teVeel += "1 - 2~~~~~~\r\n";
        WriteTestFile(Map(home) + "Spel 05 Drovik.txt", teVeel);
        QCOMPARE(LeesSpelUitslag(W, 5, NL, rijen).regel, 21);
        BadFiles(home, "Spel 005.txt", "1\r\n2\r\n3H\r\n\r\n170\r\n-170\r\n4\r\n0\r\nx\r\n2\r\n",
                 [&] { return LeesSpelExport(W, 5, rijen); });
    }

    void aBoardFileBelongsToItsMatch() {
        TempHome home;
        std::vector<SpelRij> rijen;
        const QString pad = Map(home) + "Spel 06 Drovik.txt";
        // Six pairs play three tables; a swapped row and a file with fewer
        // rows than tables are the match's own.
        WriteTestFile(pad, "1 - 2~~~~~~\r\n4 - 3~~~~~~\r\n5 - 6~~~~~~\r\n");
        QVERIFY(LeesSpelUitslag(W, 6, NL, rijen, 6).Gelukt());
        QCOMPARE(rijen.size(), size_t(3));
        WriteTestFile(pad, "1 - 2~~~~~~\r\n");
        QVERIFY(LeesSpelUitslag(W, 6, NL, rijen, 6).Gelukt());
        const struct {
            QByteArray inhoud;
            int regel;
        } vreemd[] = {
            {"1 - 2~~~~~~\r\n3 - 4~~~~~~\r\n5 - 7~~~~~~\r\n", 3},               // pair 7 is not in it
            {"1 - 2~~~~~~\r\n3 - 1~~~~~~\r\n", 2},                                // pair 1 twice
            {"2 - 2~~~~~~\r\n", 1},                                                // a pair against itself
            {"1 - 2~~~~~~\r\n3 - 4~~~~~~\r\n5 - 6~~~~~~\r\n1 - 2~~~~~~\r\n", 4},  // a fourth table
        };
        for (const auto& v : vreemd) {
            WriteTestFile(pad, v.inhoud);
            const LeesUitkomst u = LeesSpelUitslag(W, 6, NL, rijen, 6);
            QCOMPARE(u.fout, LeesFout::Vreemd);
            QCOMPARE(u.regel, v.regel);
            QVERIFY(rijen.empty());
        }
        // Seven pairs still play three tables; the seventh pair may sit in.
        WriteTestFile(pad, "1 - 2~~~~~~\r\n3 - 4~~~~~~\r\n7 - 6~~~~~~\r\n");
        QVERIFY(LeesSpelUitslag(W, 6, NL, rijen, 7).Gelukt());
        QCOMPARE(LeesSpelUitslag(W, 6, NL, rijen, 5).regel, 3);
    }

    void clearingABoardIsAllOrNothing() {
        TempHome home;
        QVERIFY(BewaarSpel(W, 2, Slip(), NL, true));
        WriteTestFile(Map(home) + "Game 02 Drovik.txt", "1 - 2~~~~~~\r\n");  // an earlier English run
        QVERIFY(WisSpelBestanden(W, 2));
        QCOMPARE(QDir(Map(home)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        // Something at the export file's name that is not a file: nothing
        // is removed, the result file stays, and the reason names it.
        QVERIFY(BewaarSpel(W, 3, Slip(), NL, false));
        const QByteArray voor = ReadTestFile(Map(home) + "Spel 03 Drovik.txt");
        QVERIFY(QDir().mkpath(Map(home) + "Spel 003.txt/binnen"));
        QString fout;
        QVERIFY(!WisSpelBestanden(W, 3, &fout));
        QVERIFY2(fout.contains("Spel 003.txt"), qPrintable(fout));
        QCOMPARE(ReadTestFile(Map(home) + "Spel 03 Drovik.txt"), voor);
        QVERIFY(QDir(Map(home) + "Spel 003.txt").exists());
        // A board without files clears without complaint.
        QVERIFY(WisSpelBestanden(W, 9));
        QVERIFY(!WisSpelBestanden(W, 49));
    }

    void aMatchMadeAnewStartsEmpty() {
        TempHome home;
        const QString groep = home.file("groepen/G.txt");
        WriteTestFile(groep, "01. A|a@x.test - B|b@x.test\r\n02. C|c@x.test - D|d@x.test\r\n");
        // An earlier match of that name, with results.
        QVERIFY(SchrijfParen(W, {"01. X - Y", "02. Z - Q"}));
        QVERIFY(SchrijfSpellenAantal(W, 12));
        QVERIFY(SchrijfKlaar(W, "110000000000"));
        QVERIFY(SchrijfOverzicht(W, {{"", "1", "2"}, {"01. X - Y", "2", "1"}, {"02. Z - Q", "0", "1"}, {"", "2", "2"}}));
        QVERIFY(BewaarSpel(W, 1, {Slip()[0]}, NL, true));
        QVERIFY(MaakWedstrijd(W, {"01. A - B", "02. C - D"}, groep));
        QStringList namen = QDir(Map(home)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        namen.sort();
        QCOMPARE(namen, QStringList({W + " mail.txt", W + ".txt"}));
        QCOMPARE(ReadTestFile(Map(home) + W + ".txt"), QByteArray("01. A - B\r\n02. C - D\r\n"));
        QCOMPARE(ReadTestFile(Map(home) + W + " mail.txt"), ReadTestFile(groep));
        // Nothing is left beside the matches.
        QCOMPARE(QDir(home.file("resultaten")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({W}));
        // Any failure leaves the match as it was: a group file that is not
        // there, a pair that would split its line.
        QString fout;
        QVERIFY(!MaakWedstrijd(W, {"01. E - F"}, home.file("groepen/Weg.txt"), &fout));
        QVERIFY(!fout.isEmpty());
        QVERIFY(!MaakWedstrijd(W, {"01. E\r\n - F"}, QString()));
        QCOMPARE(ReadTestFile(Map(home) + W + ".txt"), QByteArray("01. A - B\r\n02. C - D\r\n"));
        QCOMPARE(QDir(home.file("resultaten")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({W}));
        // A new match that cannot be made leaves no folder behind.
        QVERIFY(!MaakWedstrijd("Weg", {"01. A - B"}, home.file("groepen/Weg.txt")));
        QVERIFY(!QFileInfo::exists(home.file("resultaten/Weg")));
        // A match made without a group has no mail list.
        QVERIFY(MaakWedstrijd("Nieuw", {"01. A - B"}, QString()));
        QVERIFY(!QFile::exists(home.file("resultaten/Nieuw/Nieuw mail.txt")));
        QVERIFY(WedstrijdMapGevuld("Nieuw"));
        QVERIFY(!WedstrijdMapGevuld("Geen"));
    }

    void matchNamesFitEveryFileNamedAfterThem() {
        // " overzicht.txt" is the longest ending: 241 bytes are left.
        const QString langst(241, QLatin1Char('a'));
        QVERIFY(WedstrijdNaamPast(langst));
        QVERIFY(!WedstrijdNaamPast(langst + "a"));
        QVERIFY(WedstrijdMapPad(QString(250, QLatin1Char('a'))).isEmpty());
        // Counted in the bytes the file system stores: two per accented letter.
        QVERIFY(WedstrijdNaamPast(QString(120, QChar(0xE9))));
        QVERIFY(!WedstrijdNaamPast(QString(121, QChar(0xE9))));
        // The longest name keeps every one of its files.
        TempHome home;
        QVERIFY(MaakWedstrijd(langst, {"01. A - B", "02. C - D"}, QString()));
        QVERIFY(SchrijfSpellenAantal(langst, 2));
        QVERIFY(SchrijfKlaar(langst, "00"));
        QVERIFY(SchrijfOverzicht(langst, {{"", "1", "2"}}));
        TaalNummer = 11;
        QVERIFY(WedstrijdBestandsnaam(WedstrijdBestand::Overzicht, langst, 0, 11).size() < 255);
        std::vector<QStringList> rijen;
        QVERIFY(LeesOverzicht(langst, rijen).Gelukt());
    }

    void otherLanguageNamesAreRead() {
        TempHome home;
        // A match worked in English by an earlier version.
        WriteTestFile(Map(home) + "Game 02 Drovik.txt", "1 - 2~3D+1~~130~-130~~\r\n3 - 4~~~~~~\r\n");
        WriteTestFile(Map(home) + W + " Overview.txt", "~1~2\r\n");
        WriteTestFile(Map(home) + W + " done.txt", "01\r\n");
        std::vector<SpelRij> rijen;
        QVERIFY(LeesSpelUitslag(W, 2, NL, rijen).Gelukt());
        QCOMPARE(rijen[0].contractNZ, QString("3R+1"));
        std::vector<QStringList> grid;
        QVERIFY(LeesOverzicht(W, grid).Gelukt());
        QString v;
        QVERIFY(LeesKlaar(W, 2, v).Gelukt());
        QCOMPARE(v, QString("01"));
        // The fixed name wins once written.
        QVERIFY(SchrijfKlaar(W, "11"));
        QVERIFY(LeesKlaar(W, 2, v).Gelukt());
        QCOMPARE(v, QString("11"));
        // Clearing a board removes it under both names, so no old copy
        // brings the contracts back.
        QVERIFY(BewaarSpel(W, 2, {{"1 - 2", "4S", "", "420", "-420", "", ""}}, NL, true));
        WriteTestFile(Map(home) + "Game 002.txt", "1\r\n2\r\n");
        QVERIFY(WisWedstrijdBestand(WedstrijdBestand::SpelUitslag, W, 2));
        QVERIFY(WisWedstrijdBestand(WedstrijdBestand::SpelExport, W, 2));
        QCOMPARE(LeesSpelUitslag(W, 2, NL, rijen).fout, LeesFout::Ontbreekt);
        QCOMPARE(LeesSpelExport(W, 2, rijen).fout, LeesFout::Ontbreekt);
        QVERIFY(QDir(Map(home)).entryList({"*02*"}).isEmpty());
        QVERIFY(WisWedstrijdBestand(WedstrijdBestand::SpelUitslag, W, 2));  // nothing left: fine
    }

    void messagesInBothLanguages() {
        LeesUitkomst u;
        u.fout = LeesFout::Vreemd;
        u.regel = 3;
        u.bestand = "Spel 01 Drovik.txt";
        for (int taal : {10, 11}) {
            TaalNummer = taal;
            const QString m = LeesMelding(u);
            QVERIFY(m.contains("Spel 01 Drovik.txt") && m.contains("3"));
            QVERIFY(!m.contains('~') && !m.contains('#'));
        }
        QVERIFY(LeesMelding(LeesUitkomst{}).isEmpty());
        // Without a reason no empty lines are left at the end.
        u.fout = LeesFout::Onleesbaar;
        QVERIFY(!LeesMelding(u).endsWith('\n'));
        u.reden = "Permission denied";
        QVERIFY(LeesMelding(u).endsWith("\n\nPermission denied"));
        QVERIFY(!LeesMelding(u).contains('|'));
    }
};

QTEST_GUILESS_MAIN(TestWedstrijdBestanden)
#include "test_wedstrijdbestanden.moc"
