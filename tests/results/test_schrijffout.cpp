// A board whose result file does not reach the disk is not done. The
// disk fills up at board 3's result file (every write of it fails with "no
// space left", the other files are written): after a whole evening of four
// boards typed, board 3 is open on screen and in the done flags, has no
// matchpoints in the grid, the overview file or the ranking, and the user
// was told once, with the board and the reason.
//
// The test runs itself as the child that types, with kill_at_write
// preloaded to make the disk fail; the child checks the window, the parent
// the files.
#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

#include <cstring>

#include "main/frmVeldom01.h"
#include "platform/Events.h"
#include "platform/Prompt.h"
#include "results/frmVeldom11.h"
#include "results/SchrijfWachtrij.h"
#include "results/StartWedstrijd11.h"
#include "results/UitslagOverzicht.h"
#include "results/WedstrijdBestanden.h"
#include "shared/BasVeldom.h"
#include "support/ChildMain.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"

using namespace platform;

namespace {

const QStringList kContracten = {"4scz", "3h+1n", "2s+1!n", "3a-1w"};

testsupport::ChildRun DraaiKind(const QString& home, const QString& slot) {
    QProcessEnvironment env;
    env.insert("DROVIK_HOME", home);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LD_PRELOAD", KILL_AT_WRITE_LIB);
    env.insert("FAIL_NAME", "Spel 03 Drovik");
    return testsupport::RunChild(slot, env);
}

QStringList Kolom(const std::vector<QStringList>& grid, int b) {
    QStringList k;
    for (size_t r = 1; r < grid.size(); ++r) k << (b < grid[r].size() ? grid[r].at(b) : QString());
    return k;
}

}  // namespace

class TestSchrijfFout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        TaalNummer = 10;
        SetEndHandler([] {});
    }

    void aBoardWhoseFileFailedIsNotDone() {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        testsupport::WriteTestFile(home.file("resultaten/W/W.spellen"), "4\r\n");
        const testsupport::ChildRun kind = DraaiKind(home.path(), "childTypesFourBoards");
        const QByteArray& uit = kind.output;
        QVERIFY2(kind.status == QProcess::NormalExit && kind.code == 0, uit.constData());
        QVERIFY2(uit.contains("PASS   : KindSchrijfFout::childTypesFourBoards"), uit.constData());

        // On disk: boards 1, 2 and 4 done and whole, board 3 neither.
        QCOMPARE(testsupport::ReadTestFile(home.file("resultaten/W/W klaar.txt")), QByteArray("1101\r\n"));
        QVERIFY(!QFile::exists(home.file("resultaten/W/Spel 03 Drovik.txt")));
        std::vector<QStringList> grid;
        QVERIFY(uitslag::LeesOverzicht("W", grid).Gelukt());
        QCOMPARE(Kolom(grid, 3), QStringList(9, QString()));
        for (int b : {1, 2, 4}) QVERIFY2(!Kolom(grid, b).join("").isEmpty(), qPrintable(QString::number(b)));
        // The ranking counts three boards for every pair.
        const std::vector<uitslag::RangRij> rang = uitslag::Rangschik(grid, 8);
        QCOMPARE(int(rang.size()), 8);
        for (const uitslag::RangRij& r : rang) QCOMPARE(r.gespeeld, 3);
        QCOMPARE(QDir(home.file("resultaten/W")).entryList({".drovik-tmp.*"}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

};

// The child the test above starts on a disk that fails board 3's file.
class KindSchrijfFout : public TestSchrijfFout {
    Q_OBJECT

private slots:
    void childTypesFourBoards() {
        testsupport::PromptScript prompts;
        prompts.answer(vbOK);  // the one message about board 3
        frmVeldom11Form& f = StartWedstrijdW(qEnvironmentVariable("DROVIK_HOME"), 8);
        QCOMPARE(f.lblAantal.Caption(), QString("4"));
        TikBorden(f, 1, 4, kContracten);
        // Every write done; the failures are reported once no handler runs,
        // which the event loop reaches next, not before.
        uitslag::WachtOp();
        DoEvents();
        QCOMPARE(prompts.count(), 1);
        // Told once, of board 3 and why.
        const QString tekst = prompts.prompts().at(0).text;
        QVERIFY2(tekst.startsWith(TaalTekst(240).section('~', 0, 0) + "3 "), qPrintable(tekst));
        QVERIFY2(tekst.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(tekst));
        // On screen: board 3 open, no matchpoints anywhere, no overview.
        QCOMPARE(KlaarVlaggen, QString("1101"));
        QCOMPARE(f.cmdSpel[3].BackColor(), qint64(0xFFFFFF));
        QCOMPARE(f.cmdSpel[2].BackColor(), qint64(0xC0C0C0));
        for (int r = 1; r < f.msfgResultaat.Rows(); ++r) QCOMPARE(f.msfgResultaat.TextMatrix(r, 3), QString());
        QVERIFY(!f.msfgResultaat.TextMatrix(1, 4).isEmpty());
        QVERIFY(!f.cmdUitslag.Enabled());
        // Opened again, the board shows what is stored of it: nothing.
        f.cmdSpel_Click(3);
        QCOMPARE(f.lblContractNZ[0].Caption(), QString());
        QCOMPARE(f.lblMPNZ[0].Caption(), QString());
        // Closing writes what is left; no further word about board 3.
        Unload(f);
        DoEvents();
        QCOMPARE(prompts.count(), 1);
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QApplication, TestSchrijfFout, KindSchrijfFout)
#include "test_schrijffout.moc"
