// The state a match starts in: the results grid and the done flags made to
// agree with the board files, so that no done board shows empty cells and
// no board file's result is lost to a damaged or cut overview.
#include <QtTest>

#include "platform/Paths.h"
#include "results/ContractNotatie.h"
#include "results/StartStand.h"
#include "results/WedstrijdBestanden.h"
#include "support/TestSupport.h"

using namespace uitslag;
using testsupport::TempHome;
using testsupport::WriteTestFile;

namespace {

const QString W = QStringLiteral("Vrijdag");
const QStringList Paren{"01. A - B", "02. C - D", "03. E - F", "04. G - H"};

// Board 1 whole (North-South 140 and -110: pairs 1 and 4 win), board 2 with
// one table of two entered.
void SchrijfBorden() {
    const QString nl = NotatieAlfabet(10);
    QVERIFY(BewaarSpel(W, 1,
                       {{"1 - 2", "3S", "", "140", "-140", "2", "0"}, {"3 - 4", "", "2H", "-110", "110", "0", "2"}},
                       nl, false));
    QVERIFY(BewaarSpel(W, 2, {{"1 - 2", "4H", "", "420", "-420", "", ""}, {"3 - 4", "", "", "", "", "", ""}}, nl,
                       false));
}

QStringList Kolom(const StartStand& s, int c) {
    QStringList k;
    for (size_t r = 1; r < s.grid.size(); ++r) k << s.grid[r].at(c);
    return k;
}

}  // namespace

class TestStartStand : public QObject {
    Q_OBJECT

private slots:
    void aLostOverviewIsRebuiltFromTheBoards() {
        TempHome home;
        SchrijfBorden();
        // Nothing could be read of the overview; every board flagged done.
        const StartStand s = BouwStartStand(W, Paren, 3, {}, "111");
        QCOMPARE(s.grid.size(), size_t(6));
        QCOMPARE(s.grid[0], QStringList({"", "1", "2", "3"}));
        QCOMPARE(s.grid[2].at(0), QString("02. C - D"));
        QCOMPARE(Kolom(s, 1), QStringList({"2", "0", "0", "2", "4"}));
        QCOMPARE(Kolom(s, 2), QStringList({"", "", "", "", ""}));
        // The boards without a whole result are open again.
        QCOMPARE(s.vlaggen, QString("100"));
        QCOMPARE(s.hersteld, QList<int>({1}));
        QCOMPARE(s.heropend, QList<int>({3}));
        QCOMPARE(s.onvolledig, QList<int>({2}));
    }

    // The board files are believed over the overview: a board marked done
    // whose file is gone, or holds fewer rows than the match has tables, or
    // a row without a result, is open again and its matchpoints go.
    void theBoardFilesAreBelievedOverTheOverview() {
        TempHome home;
        SchrijfBorden();
        // Board 4's file holds one row of the two tables.
        QVERIFY(BewaarSpel(W, 4, {{"1 - 2", "3S", "", "140", "-140", "2", "0"}}, NotatieAlfabet(10), false));
        const std::vector<QStringList> overzicht{{"", "1", "2", "3", "4"},
                                                 {"01. A - B", "2", "2", "1", "2"},
                                                 {"02. C - D", "0", "0", "1", "0"},
                                                 {"03. E - F", "0", "1", "0", "1"},
                                                 {"04. G - H", "2", "1", "2", "1"},
                                                 {"", "4", "4", "4", "4"}};
        const StartStand s = BouwStartStand(W, Paren, 4, overzicht, "1111");
        QCOMPARE(Kolom(s, 1), QStringList({"2", "0", "0", "2", "4"}));
        for (int b : {2, 3, 4}) QCOMPARE(Kolom(s, b), QStringList(5, QString()));
        QCOMPARE(s.vlaggen, QString("1000"));
        QVERIFY(s.gridGewijzigd);
        QVERIFY(s.hersteld.isEmpty());
        QCOMPARE(s.heropend, QList<int>({3}));
        QCOMPARE(s.onvolledig, QList<int>({2, 4}));
        // Matchpoints in the overview of a board not marked done, without a
        // whole slip, go too, without a word.
        const StartStand open = BouwStartStand(W, Paren, 4, overzicht, "1000");
        QCOMPARE(Kolom(open, 3), QStringList(5, QString()));
        QVERIFY(open.heropend.isEmpty() && open.onvolledig.isEmpty());
        // A cut overview (its last rows gone) gets board 1 back whole.
        const StartStand kort = BouwStartStand(W, Paren, 3, {overzicht[0], overzicht[1]}, "100");
        QCOMPARE(Kolom(kort, 1), QStringList({"2", "0", "0", "2", "4"}));
        QCOMPARE(kort.hersteld, QList<int>({1}));
    }

    void flagsFollowTheBoardFiles() {
        TempHome home;
        SchrijfBorden();
        // A whole slip not flagged (a crash before the flags were written)
        // is done; a short flag line is filled up.
        StartStand s = BouwStartStand(W, Paren, 4, {}, "0");
        QCOMPARE(s.vlaggen, QString("1000"));
        QVERIFY(s.gridGewijzigd);
        QVERIFY(s.hersteld.isEmpty());
        QCOMPARE(s.grid[0].size(), 5);
        // A board file that cannot be read is left as stored until the
        // board is opened: its flag, its column.
        WriteTestFile(platform::programPath("resultaten/" + W + "/Spel 02 Drovik.txt"),
                      "1 - 2~~~~~~\r\n1 - 4~~~~~~\r\n");
        s = BouwStartStand(W, Paren, 2, {}, "11");
        QCOMPARE(s.vlaggen, QString("11"));
        QVERIFY(s.heropend.isEmpty());
        // A fifth pair sits out: its cell stays empty. A count lower than
        // the files hold reads only its own boards.
        s = BouwStartStand(W, Paren + QStringList{"05. I - J"}, 1, {}, "");
        QCOMPARE(s.grid.size(), size_t(7));
        QCOMPARE(Kolom(s, 1), QStringList({"2", "0", "0", "2", "", "4"}));
        QCOMPARE(s.vlaggen, QString("1"));
        QCOMPARE(BordenLijst({3, 7, 12}), QString("3, 7, 12"));
    }
};

QTEST_MAIN(TestStartStand)
#include "test_startstand.moc"
