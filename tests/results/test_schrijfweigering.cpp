// A board file whose write is refused as soon as it is queued (a folder
// where the file belongs, a read-only file) is told once, however many
// contracts of the board are typed, as a write that fails on the disk is;
// the board stays open and nothing that stands on it is written, while the
// other boards are done as usual.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Prompt.h"
#include "results/frmVeldom11.h"
#include "results/SchrijfWachtrij.h"
#include "results/StartWedstrijd11.h"
#include "results/WedstrijdBestanden.h"
#include "shared/BasVeldom.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

// Eight tables: the four contracts of a board of four tables, twice.
const QStringList kContracten = {"4scz", "3h+1n", "2s+1!n", "3a-1w", "4scz", "3h+1n", "2s+1!n", "3a-1w"};

}  // namespace

class TestSchrijfWeigering : public QObject {
    Q_OBJECT

    testsupport::VensterThuis home;

    QString Bestand(const QString& naam) const { return home->file("resultaten/W/" + naam); }

    // Types every table of boards 1 to 3 of a match of 16 pairs, waits for
    // the writer and lets the failures be told; the one message the
    // refused board 2 gets is answered, any further one fails the test.
    // `bijStart`: the messages that come first, of files that cannot be
    // read.
    void TikDrieBorden(testsupport::PromptScript& prompts, int bijStart = 0) {
        testsupport::WriteTestFile(Bestand("W.spellen"), "3\r\n");
        for (int i = 0; i <= bijStart; ++i) prompts.answer(vbOK);
        frmVeldom11Form& f = StartWedstrijdW(*home, 16);
        TikBorden(f, 1, 3, kContracten);
        uitslag::WachtOp();
        DoEvents();
        QCOMPARE(prompts.count(), bijStart + 1);
        const QString tekst = prompts.last().text;
        QVERIFY2(tekst.startsWith(TaalTekst(240).section('~', 0, 0) + "2 "), qPrintable(tekst));
        // Board 2 open, on screen and on disk; boards 1 and 3 done.
        QCOMPARE(KlaarVlaggen, QString("101"));
        QCOMPARE(testsupport::ReadTestFile(Bestand("W klaar.txt")), QByteArray("101\r\n"));
        QCOMPARE(f.cmdSpel[2].BackColor(), qint64(0xFFFFFF));
        for (int r = 1; r < f.msfgResultaat.Rows(); ++r) QCOMPARE(f.msfgResultaat.TextMatrix(r, 2), QString());
        QVERIFY(!f.msfgResultaat.TextMatrix(1, 3).isEmpty());
        QVERIFY(!f.cmdUitslag.Enabled());
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() { home.Begin(); }
    void cleanup() { home.Einde(); }

    void aFolderWhereTheBoardFileBelongsIsToldOnce() {
        testsupport::PromptScript prompts;
        QVERIFY(QDir().mkpath(Bestand("Spel 02 Drovik.txt")));
        // Board 2's file cannot be read, which is said once; the first
        // contract typed for it cannot be saved, which is said once too.
        TikDrieBorden(prompts, 1);
        if (QTest::currentTestFailed()) return;
        QVERIFY(prompts.prompts().at(0).text.contains("Spel 02 Drovik.txt"));
        QVERIFY(prompts.last().text.contains("is a folder"));
    }

    void aReadOnlyBoardFileIsToldOnce() {
        testsupport::PromptScript prompts;
        testsupport::WriteTestFile(Bestand("Spel 02 Drovik.txt"), "");
        QVERIFY(QFile::setPermissions(Bestand("Spel 02 Drovik.txt"), QFile::ReadOwner | QFile::ReadGroup));
        TikDrieBorden(prompts);
        if (QTest::currentTestFailed()) return;
        QVERIFY(prompts.last().text.contains("read-only"));
        QCOMPARE(testsupport::ReadTestFile(Bestand("Spel 02 Drovik.txt")), QByteArray());
    }
};

QTEST_MAIN(TestSchrijfWeigering)
#include "test_schrijfweigering.moc"
