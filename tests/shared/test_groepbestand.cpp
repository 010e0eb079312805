// Group files and the pair line: building and taking apart a pair line, the
// seat rule at every count, the 40-pair limit, and a group written and read
// back.

#include <QDir>
#include <QtTest>

#include "players/GroepWedstrijd.h"
#include "results/WedstrijdBestanden.h"
#include "shared/BasVeldom.h"
#include "shared/GroepBestand.h"
#include "support/TestSupport.h"

using namespace groep;

namespace {

QVector<Paar> ParenVan(int aantal, const QString& voor = "P") {
    QVector<Paar> paren;
    for (int i = 1; i <= aantal; ++i)
        paren << Paar{{QString("%1%2a").arg(voor).arg(i), QString("a%1@x.nl").arg(i)},
                      {QString("%1%2b").arg(voor).arg(i), ""}};
    return paren;
}

QStringList Regels(const QString& pad) {
    return QString::fromLatin1(testsupport::ReadTestFile(pad)).split("\r\n");
}

const QString Weiger = "x|y||<>#%$*&:;\\/?'.,][=+`~@^)({}";

}  // namespace

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

    void readerRenumbersAndSkipsBlankLines() {
        testsupport::TempHome home;
        // Numbers 07, 09, 12 and a blank line: three pairs by position; LF
        // line ends read as well.
        testsupport::WriteTestFile(home.file("groepen/Oud.txt"),
                                   "07. A|a@x - B|\n\n09. C| - D|d@x\r\n  \n12. E| - F|\n");
        QVector<Paar> paren;
        QVERIFY(LeesGroep("Oud", paren));
        QCOMPARE(paren.size(), 3);
        QCOMPARE(PaarRegels(paren),
                 QStringList({"01. A|a@x - B|", "02. C| - D|d@x", "03. E| - F|"}));
    }

    // A line that is no pair is never skipped: the pairs after it would take
    // other numbers. The whole file is refused, naming the line.
    void aLineThatIsNoPairIsNamedWithItsLine() {
        testsupport::TempHome home;
        const QByteArray regels = "01. A1|a@x - B1|\r\n02. A2\r\n03. A3| - B3|\r\n04. A4| - B4|\r\n";
        testsupport::WriteTestFile(home.file("groepen/Kapot.txt"), regels);
        QVector<Paar> paren;
        QString fout;
        int regel = 0;
        QVERIFY(!LeesGroep("Kapot", paren, &fout, &regel));
        QCOMPARE(regel, 2);
        QVERIFY(fout.contains("Kapot.txt"));
        QVERIFY(paren.isEmpty());
        // The pairs file of a match: the composer and the results side read
        // it alike and both name the line.
        QVERIFY(BewaarWedstrijd("W", ParenVan(4), 3));
        const QString map = home.file("resultaten/W/");
        testsupport::WriteTestFile(map + "W.txt", regels);
        QVERIFY(!LeesWedstrijdParen("W", paren, &fout, &regel));
        QCOMPARE(regel, 2);
        QStringList items;
        const uitslag::LeesUitkomst u = uitslag::LeesParen("W", items);
        QCOMPARE(u.fout, uitslag::LeesFout::Vreemd);
        QCOMPARE(u.regel, 2);
        QVERIFY(items.isEmpty());
        // Nothing is re-saved from it once it holds results.
        QVERIFY(uitslag::SchrijfKlaar("W", "100"));
        QVERIFY(!ParenBehoudenUitslagen("W", ParenVan(4)));
        QVERIFY(!BewaarWedstrijd("W", ParenVan(4), 3));
        QCOMPARE(testsupport::ReadTestFile(map + "W.txt"), regels);
        // A match's pairs keep their numbers: one out of turn or without a
        // number is refused too, where a group takes it by position.
        const QList<QPair<QByteArray, int>> slecht = {{"01. A - B\r\n03. C - D\r\n", 2},
                                                       {"01. A - B\r\nC - D\r\n", 2},
                                                       {"\r\n02. A - B\r\n", 2}};
        for (const auto& [inhoud, r] : slecht) {
            testsupport::WriteTestFile(map + "W.txt", inhoud);
            QCOMPARE(uitslag::LeesParen("W", items).regel, r);
            QVERIFY(!LeesWedstrijdParen("W", paren, nullptr, &regel));
            QCOMPARE(regel, r);
            testsupport::WriteTestFile(home.file("groepen/G.txt"), inhoud);
            QVERIFY(LeesGroep("G", paren));
        }
    }

    // A player with a second "|" would leave a "|" in the address, and such
    // a pair can never be written: refused on opening, with its line.
    void aPlayerWithTwoBarsIsRefusedOnOpening() {
        testsupport::TempHome home;
        Paar p;
        QVERIFY(!LeesPaarRegel("01. Jan|j@x|oud - Els|e@x", p));
        QVERIFY(!LeesPaarRegel("01. Jan|j@x - Els||", p));
        QVERIFY(LeesPaarRegel("01. Jan|j@x - Els|", p));
        testsupport::WriteTestFile(home.file("groepen/Streep.txt"),
                                   "01. A|a@x - B|b@x\r\n02. Jan|j@x|oud - Els|e@x\r\n");
        QVector<Paar> paren;
        int regel = 0;
        QVERIFY(!LeesGroep("Streep", paren, nullptr, &regel));
        QCOMPARE(regel, 2);
        // Every pair that is read can be written back as it was read.
        testsupport::WriteTestFile(home.file("groepen/Goed.txt"), "01. A|a@x - B|b@x\r\n02. Jan - Els|e@x\r\n");
        QVERIFY(LeesGroep("Goed", paren));
        for (const Paar& q : paren) QVERIFY(PaarSchrijfbaar(q));
        QVERIFY(SchrijfGroep("Goed", paren));
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

    void matchCreate() {
        testsupport::TempHome home;
        QVERIFY(BewaarWedstrijd("Ronde 3", ParenVan(4), 3));
        const QString map = home.file("resultaten/Ronde 3/");
        // Fixed names, whatever the language.
        QCOMPARE(Regels(map + "Ronde 3.spellen"), QStringList({"3", ""}));
        QCOMPARE(Regels(map + "Ronde 3 klaar.txt"), QStringList({"000", ""}));
        QCOMPARE(Regels(map + "Ronde 3 overzicht.txt"),
                 QStringList({"~1~2~3", "01. P1a - P1b~~~", "02. P2a - P2b~~~", "03. P3a - P3b~~~",
                              "04. P4a - P4b~~~", "~~~", ""}));
        QCOMPARE(Regels(map + "Ronde 3.txt").first(), QString("01. P1a|a1@x.nl - P1b|"));
        QCOMPARE(testsupport::ReadTestFile(map + "Ronde 3 mail.txt"),
                 testsupport::ReadTestFile(map + "Ronde 3.txt"));
        // The results side reads what the composer wrote.
        QStringList paren;
        QVERIFY(uitslag::LeesParen("Ronde 3", paren).Gelukt());
        QCOMPARE(paren.size(), 4);
        std::vector<QStringList> rijen;
        QVERIFY(uitslag::LeesOverzicht("Ronde 3", rijen).Gelukt());
        QVERIFY(!WedstrijdHeeftUitslagen("Ronde 3"));
        QVector<Paar> gelezen;
        QVERIFY(LeesWedstrijdParen("Ronde 3", gelezen));
        QCOMPARE(gelezen, ParenVan(4));
        // No board count: no match (the results side could not read it).
        QString fout;
        QVERIFY(!BewaarWedstrijd("Leeg", ParenVan(2), 0, &fout));
        QVERIFY(!BewaarWedstrijd("Te veel", ParenVan(2), 49, &fout));
        QVERIFY(!QFileInfo::exists(home.file("resultaten/Leeg")));
    }

    void matchResaveKeepsResultsWithTheirPairs() {
        testsupport::TempHome home;
        QVERIFY(BewaarWedstrijd("W", ParenVan(4), 3));
        // The results side has typed boards 1 and 3 for pairs 1 to 4.
        std::vector<QStringList> rijen;
        QVERIFY(uitslag::LeesOverzicht("W", rijen).Gelukt());
        for (int r = 1; r <= 4; ++r) {
            rijen[r][1] = QString::number(10 * r);
            rijen[r][3] = QString::number(10 * r + 1);
        }
        QVERIFY(uitslag::SchrijfOverzicht("W", rijen));
        QVERIFY(uitslag::SchrijfKlaar("W", "101"));
        QVERIFY(WedstrijdHeeftUitslagen("W"));
        // Re-saved with 6 pairs and a board setting of 5: board count and
        // flags stay; every row keeps its results; the new pairs follow.
        const QString map = home.file("resultaten/W/");
        QVERIFY(BewaarWedstrijd("W", ParenVan(6), 5));
        QCOMPARE(Regels(map + "W.spellen").first(), QString("3"));
        QCOMPARE(Regels(map + "W klaar.txt").first(), QString("101"));
        const QStringList zes = {"~1~2~3", "01. P1a - P1b~10~~11", "02. P2a - P2b~20~~21",
                                 "03. P3a - P3b~30~~31", "04. P4a - P4b~40~~41", "05. P5a - P5b~~~",
                                 "06. P6a - P6b~~~", "~~~", ""};
        QCOMPARE(Regels(map + "W overzicht.txt"), zes);
        // Rows found by their pair number, not their place.
        const QVector<QStringList> door = OverzichtRijen(
            {{"", "1"}, {"02. B - b", "x"}, {"01. A - a", "y"}, {"", ""}}, ParenVan(2), 1);
        QCOMPARE(door.at(1), QStringList({"01. P1a - P1b", "y"}));
        QCOMPARE(door.at(2), QStringList({"02. P2a - P2b", "x"}));
        // A header wider than the board count keeps every result.
        const QVector<QStringList> breed =
            OverzichtRijen({{"", "1", "2"}, {"01. A - a", "5", "6"}, {"", "", ""}}, ParenVan(1), 1);
        QCOMPARE(breed.at(1), QStringList({"01. P1a - P1b", "5", "6"}));
        QCOMPARE(breed.at(2).size(), 3);
    }

    void resultsStayWithThePlayersWhoEarnedThem() {
        testsupport::TempHome home;
        QVERIFY(BewaarWedstrijd("W", ParenVan(4), 3));
        std::vector<QStringList> rijen;
        QVERIFY(uitslag::LeesOverzicht("W", rijen).Gelukt());
        rijen[2][1] = "20";  // pair 2 has a result
        QVERIFY(uitslag::SchrijfOverzicht("W", rijen));
        const QString map = home.file("resultaten/W/");
        const QByteArray voor = testsupport::ReadTestFile(map + "W overzicht.txt");
        // Pair 2 dropped (pairs 3 and 4 would become 2 and 3 and take pair
        // 2's results), a pair given other players, or fewer pairs: refused,
        // every file as it was.
        QVector<Paar> zonderTwee = ParenVan(4);
        zonderTwee.removeAt(1);
        QVector<Paar> ander = ParenVan(4);
        ander[1] = Paar{{"Nieuw", ""}, {"Ook", ""}};
        for (const QVector<Paar>& paren : {zonderTwee, ander, ParenVan(2)}) {
            QVERIFY(!ParenBehoudenUitslagen("W", paren));
            QString fout;
            QVERIFY(!BewaarWedstrijd("W", paren, 3, &fout));
            QCOMPARE(testsupport::ReadTestFile(map + "W overzicht.txt"), voor);
            QCOMPARE(Regels(map + "W.txt").size(), 5);
        }
        // The addresses may change; the players may not.
        QVector<Paar> adressen = ParenVan(4);
        adressen[0].eerste.adres = "nieuw@x.nl";
        QVERIFY(ParenBehoudenUitslagen("W", adressen));
        // A stored line that is no pair (written elsewhere) is not skipped:
        // the pairs after it would be numbered anew. Nothing can be kept.
        const QByteArray paren = testsupport::ReadTestFile(map + "W.txt");
        testsupport::WriteTestFile(map + "W.txt", paren + "05. X - Y - Z\r\n");
        QVector<Paar> gelezen;
        int slecht = 0;
        QVERIFY(!LeesWedstrijdParen("W", gelezen, nullptr, &slecht));
        QCOMPARE(slecht, 5);
        QVERIFY(!ParenBehoudenUitslagen("W", ParenVan(4)));
        testsupport::WriteTestFile(map + "W.txt", paren);
        // Without results a match takes any pairs.
        QVERIFY(BewaarWedstrijd("Leeg", ParenVan(4), 3));
        QVERIFY(ParenBehoudenUitslagen("Leeg", zonderTwee));
        QVERIFY(BewaarWedstrijd("Leeg", zonderTwee, 3));
    }

    void resaveNeverReplacesWhatCannotBeRead() {
        testsupport::TempHome home;
        const QString map = home.file("resultaten/W/");
        auto maak = [&] {
            QDir(map).removeRecursively();
            QVERIFY(BewaarWedstrijd("W", ParenVan(2), 3));
            std::vector<QStringList> rijen;
            QVERIFY(uitslag::LeesOverzicht("W", rijen).Gelukt());
            rijen[1][2] = "55";
            QVERIFY(uitslag::SchrijfOverzicht("W", rijen));
            QVERIFY(uitslag::SchrijfKlaar("W", "010"));
        };
        struct Geval {
            const char* bestand;
            QByteArray inhoud;  // empty: the file removed
            bool weigeren;
        };
        const QList<Geval> gevallen = {
            {"W.spellen", "drie\r\n", true},          // damaged board count
            {"W.spellen", "", true},                    // missing, while results exist
            {"W overzicht.txt", "kapot\r\n", true},    // damaged overview
            {"W overzicht.txt", "", true},              // missing, while flags say done
            {"W klaar.txt", "x\r\n", true},            // damaged done flags
        };
        for (const Geval& g : gevallen) {
            maak();
            if (g.inhoud.isEmpty())
                QFile::remove(map + g.bestand);
            else
                testsupport::WriteTestFile(map + g.bestand, g.inhoud);
            QStringList voor = QDir(map).entryList(QDir::Files);
            QMap<QString, QByteArray> inhoud;
            for (const QString& f : voor) inhoud[f] = testsupport::ReadTestFile(map + f);
            uitslag::LeesUitkomst u;
            QVERIFY2(!HerbewarenVeilig("W", u), g.bestand);
            QCOMPARE(u.bestand, QString(g.bestand));
            QString fout;
            QVERIFY(!BewaarWedstrijd("W", ParenVan(4), 3, &fout));
            QVERIFY(fout.contains(g.bestand));
            QCOMPARE(QDir(map).entryList(QDir::Files), voor);
            for (const QString& f : voor) QCOMPARE(testsupport::ReadTestFile(map + f), inhoud[f]);
        }
        // Without any result a missing board count is made afresh.
        QDir(map).removeRecursively();
        QVERIFY(BewaarWedstrijd("W", ParenVan(2), 3));
        QFile::remove(map + "W.spellen");
        uitslag::LeesUitkomst u;
        QVERIFY(HerbewarenVeilig("W", u));
        QVERIFY(BewaarWedstrijd("W", ParenVan(2), 4));
        QCOMPARE(Regels(map + "W.spellen").first(), QString("4"));
    }

    void matchFilesNeverTakeABoardFilesName() {
        testsupport::TempHome home;
        for (const QString& n : {QString("Spel 01 Drovik"), QString("spel 07 drovik"), QString("Game 12 Drovik"),
                                QString("Spel 001"), QString("GAME 048")}) {
            QVERIFY2(uitslag::WedstrijdNaamBotst(n), qPrintable(n));
            QVERIFY(uitslag::WedstrijdBestandsnaam(uitslag::WedstrijdBestand::Paren, n).isEmpty());
            QString fout;
            QVERIFY(!BewaarWedstrijd(n, ParenVan(2), 2, &fout));
            QVERIFY(!QFileInfo::exists(home.file("resultaten/" + n)));
        }
        for (const QString& n : {QString("Spel 1 Drovik"), QString("Spel 01"), QString("Spel 01 Drovik 2"),
                                QString("Ronde 3"), QString("Spel")})
            QVERIFY2(!uitslag::WedstrijdNaamBotst(n), qPrintable(n));
        // A match with board results cannot be renamed onto such a name.
        QVERIFY(BewaarWedstrijd("R", ParenVan(2), 2));
        QVERIFY(uitslag::BewaarSpel("R", 1, {{"1 - 2", "3S", "", "140", "-140", "", ""}}, "SHRK", false));
        QString nieuw = "Spel 02 Drovik";
        QCOMPARE(HernoemWedstrijd("R", nieuw, Weiger), NaamFout::BordNaam);
        QVERIFY(QFileInfo::exists(home.file("resultaten/R/R.txt")));
    }

    void aNameWithASeparatorMakesNoHalfMatch() {
        testsupport::TempHome home;
        QVector<Paar> paren = ParenVan(2);
        paren[1].tweede.naam = "Tilde~Man";
        QString fout;
        QVERIFY(!BewaarWedstrijd("T", paren, 2, &fout));
        QVERIFY(fout.contains("Tilde~Man"));
        QVERIFY(!QFileInfo::exists(home.file("resultaten/T")));
        // A group holds it fine.
        QVERIFY(SchrijfGroep("T", paren));
        // A group line with a second " - " cannot be split into two players:
        // the whole file is refused with its line, nothing is guessed.
        testsupport::WriteTestFile(home.file("groepen/Dubbel.txt"),
                                   "01. A|a@x - B|b@x\r\n\r\n02. Jan - Piet|j@x - C|c@x\r\n");
        Paar p;
        QVERIFY(!LeesPaarRegel("02. Jan - Piet|j@x - C|c@x", p));
        QVector<Paar> gelezen;
        int regel = 0;
        QVERIFY(!LeesGroep("Dubbel", gelezen, &fout, &regel));
        QCOMPARE(regel, 3);
        QVERIFY(gelezen.isEmpty());
    }

    void renameFindsTheFileInAnyCaseAndMakesNoCaseTwin() {
        testsupport::TempHome home;
        testsupport::WriteTestFile(home.file("groepen/Dinsdag.TXT"), "01. A| - B|\r\n");
        testsupport::WriteTestFile(home.file("groepen/A.txt"), "01. A| - B|\r\n");
        QString n = "a";
        QCOMPARE(HernoemBestand(home.file("groepen"), "Dinsdag.TXT", n, Weiger), NaamFout::Bestaat);
        n = "Woensdag";
        QCOMPARE(HernoemBestand(home.file("groepen"), "Dinsdag.TXT", n, Weiger), NaamFout::Geen);
        QVERIFY(QFileInfo::exists(home.file("groepen/Woensdag.TXT")));
        // Only the case of its own name: allowed.
        n = "WOENSDAG";
        QCOMPARE(HernoemBestand(home.file("groepen"), "Woensdag.TXT", n, Weiger), NaamFout::Geen);
        QCOMPARE(QDir(home.file("groepen")).entryList(QDir::Files), QStringList({"A.txt", "WOENSDAG.TXT"}));
        // Matches alike.
        QVERIFY(BewaarWedstrijd("Ronde", ParenVan(2), 2));
        QVERIFY(BewaarWedstrijd("Andere", ParenVan(2), 2));
        n = "ronde";
        QCOMPARE(HernoemWedstrijd("Andere", n, Weiger), NaamFout::Bestaat);
        QVERIFY(QFileInfo::exists(home.file("resultaten/Andere/Andere.txt")));
    }

    void matchUnderTheOtherLanguagesNamesIsRead() {
        testsupport::TempHome home;
        // Run in English, the names are the same fixed ones.
        TaalNummer = 11;
        QVERIFY(BewaarWedstrijd("Eng", ParenVan(2), 2));
        TaalNummer = 10;
        QVERIFY(QFileInfo::exists(home.file("resultaten/Eng/Eng klaar.txt")));
        QVERIFY(QFileInfo::exists(home.file("resultaten/Eng/Eng overzicht.txt")));
        const QString map = home.file("resultaten/Old/");
        testsupport::WriteTestFile(map + "Old.txt", "01. A| - B|\r\n02. C| - D|\r\n");
        testsupport::WriteTestFile(map + "Old.spellen", "2\r\n");
        testsupport::WriteTestFile(map + "Old done.txt", "10\r\n");
        testsupport::WriteTestFile(map + "Old overview.txt", "~1~2\r\n01. A - B~5~\r\n02. C - D~7~\r\n~~\r\n");
        QVERIFY(WedstrijdHeeftUitslagen("Old"));
        const QVector<Paar> oud = {Paar{{"A", "a@x.nl"}, {"B", ""}}, Paar{{"C", ""}, {"D", ""}}};
        QVERIFY(BewaarWedstrijd("Old", oud, 9));
        QCOMPARE(Regels(map + "Old klaar.txt").first(), QString("10"));
        QCOMPARE(Regels(map + "Old overzicht.txt").at(1), QString("01. A - B~5~"));
    }

    void renameMatchNamedLikeTheBoardFiles() {
        // "S" and "Spel" are prefixes of the board files "Spel 01 Drovik.txt"
        // and "Spel 001.txt": those must keep their names.
        for (const QString& oud : {QString("S"), QString("Spel")}) {
            testsupport::TempHome home;
            QVERIFY(BewaarWedstrijd(oud, ParenVan(2), 2));
            QVERIFY(uitslag::BewaarSpel(oud, 1, {{"1 - 2", "", "", "", "", "", ""}}, "SHRK", true));
            testsupport::WriteTestFile(home.file("resultaten/" + oud + "/" + oud + " done.txt"), "00\r\n");
            QStringList voor = QDir(home.file("resultaten/" + oud)).entryList(QDir::Files);
            QVERIFY(voor.contains("Spel 01 Drovik.txt"));
            QVERIFY(voor.contains("Spel 001.txt"));
            QString nieuw = " Ronde 4 ";
            QCOMPARE(HernoemWedstrijd(oud, nieuw, Weiger), NaamFout::Geen);
            QCOMPARE(nieuw, QString("Ronde 4"));
            QVERIFY(!QFileInfo::exists(home.file("resultaten/" + oud)));
            QStringList na = QDir(home.file("resultaten/Ronde 4")).entryList(QDir::Files);
            na.sort();
            QCOMPARE(na, QStringList({"Ronde 4 done.txt", "Ronde 4 klaar.txt", "Ronde 4 mail.txt",
                                      "Ronde 4 overzicht.txt", "Ronde 4.spellen", "Ronde 4.txt",
                                      "Spel 001.txt", "Spel 01 Drovik.txt"}));
            QStringList paren;
            QVERIFY(uitslag::LeesParen("Ronde 4", paren).Gelukt());
        }
    }

    void refusedNames() {
        testsupport::TempHome home;
        QVERIFY(BewaarWedstrijd("A", ParenVan(2), 2));
        QVERIFY(BewaarWedstrijd("B", ParenVan(2), 2));
        QVERIFY(SchrijfGroep("G", ParenVan(2)));
        QVERIFY(SchrijfGroep("H", ParenVan(2)));
        for (QString naam : {QString(""), QString("  "), QString("."), QString(".."), QString("a/b"),
                             QString("a\\\\b"), QString("x.y"), QString("a|b"), QString("t\tab"), QString("k?")}) {
            QString n = naam;
            QCOMPARE(HernoemWedstrijd("A", n, Weiger), NaamFout::Ongeldig);
            n = naam;
            QCOMPARE(HernoemBestand(home.file("groepen"), "G.txt", n, Weiger), NaamFout::Ongeldig);
        }
        QString n = "B";
        QCOMPARE(HernoemWedstrijd("A", n, Weiger), NaamFout::Bestaat);
        n = "H";
        QCOMPARE(HernoemBestand(home.file("groepen"), "G.txt", n, Weiger), NaamFout::Bestaat);
        n = "Weg";
        QCOMPARE(HernoemWedstrijd("Bestaat niet", n, Weiger), NaamFout::Mislukt);
        // Nothing moved.
        QVERIFY(QFileInfo::exists(home.file("resultaten/A/A.txt")));
        QVERIFY(QFileInfo::exists(home.file("groepen/G.txt")));
        n = "G2";
        QCOMPARE(HernoemBestand(home.file("groepen"), "G.txt", n, Weiger), NaamFout::Geen);
        QVERIFY(QFileInfo::exists(home.file("groepen/G2.txt")));
    }

    // A name whose folder fits 255 bytes but whose files do not: the match
    // would be left under a name it cannot be opened or renamed back from.
    void renameToANameTooLongForItsFilesChangesNothing() {
        testsupport::TempHome home;
        QVERIFY(BewaarWedstrijd("A", ParenVan(2), 2));
        const QString map = home.file("resultaten/A");
        const QStringList voor = QDir(map).entryList(QDir::Files);
        QString lang(250, QLatin1Char('x'));
        QVERIFY(!uitslag::WedstrijdNaamPast(lang));
        QString n = lang;
        QCOMPARE(HernoemWedstrijd("A", n, Weiger), NaamFout::TeLang);
        QCOMPARE(QDir(map).entryList(QDir::Files), voor);
        QVERIFY(!QFileInfo::exists(home.file("resultaten/") + lang));
        // The longest name that fits renames folder and files alike.
        while (!uitslag::WedstrijdNaamPast(lang)) lang.chop(1);
        n = lang;
        QCOMPARE(HernoemWedstrijd("A", n, Weiger), NaamFout::Geen);
        QVERIFY(QFileInfo::exists(home.file("resultaten/") + lang + "/" + lang + " overzicht.txt"));
        QVector<Paar> paren;
        QVERIFY(LeesWedstrijdParen(lang, paren));
        QCOMPARE(paren.size(), 2);
    }

    void deleteMatchOnlyInsideTheResultsFolder() {
        testsupport::TempHome home;
        QVERIFY(BewaarWedstrijd("Weg", ParenVan(2), 2));
        QDir().mkpath(home.file("resultaten/Weg/sub"));
        QVERIFY(WisWedstrijd("Weg"));
        QVERIFY(!QFileInfo::exists(home.file("resultaten/Weg")));
        QVERIFY(QFileInfo(home.file("resultaten")).isDir());
        // A link to a folder elsewhere is not followed; odd names are no path.
        QDir().mkpath(home.file("buiten"));
        testsupport::WriteTestFile(home.file("buiten/blijft.txt"), "x");
        QVERIFY(QFile::link(home.file("buiten"), home.file("resultaten/Link")));
        QVERIFY(!WisWedstrijd("Link"));
        QVERIFY(QFileInfo::exists(home.file("buiten/blijft.txt")));
        for (const QString& naam : {QString(""), QString(".."), QString("."), QString("../buiten")})
            QVERIFY(!WisWedstrijd(naam));
        QVERIFY(QFileInfo::exists(home.file("buiten/blijft.txt")));
    }
};

QTEST_MAIN(TestGroepBestand)
#include "test_groepbestand.moc"
