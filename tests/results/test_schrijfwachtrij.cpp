// The writer queue of the match files: a write is on disk once waited
// for; a file asked for twice before the writer gets it is written once,
// with the newest content; content already on disk is not written again;
// what can be seen to fail is refused at once, and a write that fails on
// the writer thread is reported on the user-interface thread, once; what
// stands on a file whose write failed is not written; at most one write
// per file waits.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <sys/stat.h>

#include "platform/Events.h"
#include "results/SchrijfWachtrij.h"
#include "support/ChildMain.h"
#include "support/TestSupport.h"

namespace {

qulonglong Inode(const QString& pad) {
    struct stat st {};
    return ::stat(QFile::encodeName(pad).constData(), &st) == 0 ? qulonglong(st.st_ino) : 0;
}

}  // namespace

class TestSchrijfWachtrij : public QObject {
    Q_OBJECT

private slots:
    void writesLandWholeAndOnlyWhenChanged() {
        QTemporaryDir map;
        const QString pad = map.filePath("Spel 01 Drovik.txt");
        QVERIFY(uitslag::SchrijfLater(pad, "een\r\n"));
        QVERIFY(uitslag::SchrijfLater(pad, "twee\r\n"));  // before the writer has it: replaces the first
        uitslag::WachtOp(pad);
        QCOMPARE(testsupport::ReadTestFile(pad), QByteArray("twee\r\n"));
        const qulonglong eerst = Inode(pad);
        // The same content again: the file stays the file it was.
        QVERIFY(uitslag::SchrijfLater(pad, "twee\r\n"));
        platform::DoEvents();
        uitslag::WachtOp();
        QCOMPARE(Inode(pad), eerst);
        // New content replaces it.
        QVERIFY(uitslag::SchrijfLater(pad, "drie\r\n"));
        uitslag::WachtOp();
        QCOMPARE(testsupport::ReadTestFile(pad), QByteArray("drie\r\n"));
        QVERIFY(Inode(pad) != eerst);
        QCOMPARE(QDir(map.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Spel 01 Drovik.txt"}));
    }

    // Versions of one file asked for one after the other wait as one
    // write: the newest. Other files keep their own place in the queue.
    void writesOfOneFileWaitAsOne() {
        QTemporaryDir map;
        const QString klaar = map.filePath("W klaar.txt"), overzicht = map.filePath("W overzicht.txt");
        for (int i = 1; i <= 30; ++i) {
            QVERIFY(uitslag::SchrijfLater(klaar, QByteArray::number(i) + "\r\n"));
            if (i == 10) QVERIFY(uitslag::SchrijfLater(overzicht, "~1\r\n"));
        }
        const int wachtend = uitslag::Wachtend();
        uitslag::WachtOp();
        QCOMPARE(wachtend, 2);
        QCOMPARE(uitslag::Wachtend(), 0);
        QCOMPARE(testsupport::ReadTestFile(klaar), QByteArray("30\r\n"));
        QCOMPARE(testsupport::ReadTestFile(overzicht), QByteArray("~1\r\n"));

        // A newer version that stands on a file queued behind the older
        // one: the older goes, the newer waits behind that file.
        const QString bord = map.filePath("Spel 01 Drovik.txt");
        QVERIFY(uitslag::SchrijfLater(overzicht, "~2\r\n"));
        QVERIFY(uitslag::SchrijfLater(bord, "1 - 2~4S~~420~-420~0~0\r\n"));
        QVERIFY(uitslag::SchrijfLater(overzicht, "~3\r\n", nullptr, {bord}));
        const int daarna = uitslag::Wachtend();
        uitslag::WachtOp();
        QCOMPARE(daarna, 2);
        QCOMPARE(testsupport::ReadTestFile(overzicht), QByteArray("~3\r\n"));
    }

    // End stops the program at once, without destructors: the writes still
    // queued, even those not yet handed to the writer, reach the disk first.
    void endWritesWhatIsQueued() {
        QTemporaryDir map;
        const QString pad = map.filePath("W overzicht.txt");
        QVERIFY(uitslag::SchrijfLater(pad, "~1~2\r\n"));
        platform::End();  // the test's own end handler returns
        QCOMPARE(testsupport::ReadTestFile(pad), QByteArray("~1~2\r\n"));
    }

    void failuresAreRefusedAtOnceOrReportedLater() {
        QTemporaryDir map;
        QString fout;
        QList<uitslag::SchrijfFout> gemeld;
        Qt::HANDLE draad = nullptr;
        uitslag::BijSchrijfFout([&](const uitslag::SchrijfFout& f) {
            gemeld << f;
            draad = QThread::currentThreadId();
        });
        // A folder in the file's place, a missing folder: refused at once,
        // and counted and reported as failed writes, news once per file.
        const QString bezet = map.filePath("bezet");
        QVERIFY(QDir(map.path()).mkdir("bezet"));
        QVERIFY(!uitslag::SchrijfLater(bezet, "x", &fout));
        QVERIFY2(fout.contains("folder"), qPrintable(fout));
        QVERIFY(!uitslag::SchrijfLater(bezet, "y", &fout));
        QVERIFY(!uitslag::SchrijfLater(map.filePath("weg/a.txt"), "x", &fout));
        QVERIFY(uitslag::Mislukt(bezet));
        uitslag::MeldFoutenNu();
        QCOMPARE(gemeld.size(), 3);
        QCOMPARE(gemeld[0].pad, bezet);
        QVERIFY(gemeld[0].eerste);
        QVERIFY(!gemeld[1].eerste);
        QVERIFY(gemeld[2].eerste);
        gemeld.clear();

        // A folder that appears in the file's place after the write was
        // queued: the writer fails, and says so on this thread.
        const QString pad = map.filePath("later.txt");
        QVERIFY(uitslag::SchrijfLater(pad, "x"));
        QVERIFY(QDir(map.path()).mkdir("later.txt"));
        uitslag::WachtOp(pad);
        QTRY_COMPARE(gemeld.size(), 1);
        QVERIFY2(gemeld[0].pad == pad && gemeld[0].eerste, qPrintable(gemeld[0].pad));
        QCOMPARE(draad, QThread::currentThreadId());
        uitslag::BijSchrijfFout(nullptr);
    }

    // The overview says a board is done: while the board's result file
    // could not be written, the overview on disk stays as it was. The
    // failure is told once, however often the file fails again, and the
    // file counts as written again once a write of it succeeds.
    void whatStandsOnAFailedFileIsNotWritten() {
        QTemporaryDir map;
        const QString bord = map.filePath("Spel 03 Drovik.txt");
        const QString overzicht = map.filePath("W overzicht.txt");
        testsupport::WriteTestFile(overzicht, "oud\r\n");
        QList<uitslag::SchrijfFout> gemeld;
        uitslag::BijSchrijfFout([&](const uitslag::SchrijfFout& f) { gemeld << f; });
        QVERIFY(uitslag::SchrijfLater(bord, "1 - 2~4S~~420~-420~0~0\r\n"));
        QVERIFY(uitslag::SchrijfLater(overzicht, "nieuw\r\n", nullptr, {bord}));
        QVERIFY(QDir(map.path()).mkdir("Spel 03 Drovik.txt"));  // the board file cannot be written
        uitslag::WachtOp();
        QVERIFY(uitslag::Mislukt(bord));
        QCOMPARE(testsupport::ReadTestFile(overzicht), QByteArray("oud\r\n"));
        uitslag::MeldFoutenNu();
        QCOMPARE(gemeld.size(), 1);
        QCOMPARE(gemeld[0].pad, bord);
        QVERIFY(gemeld[0].eerste);
        platform::DoEvents();  // reported once only, also when the queued report comes
        QCOMPARE(gemeld.size(), 1);

        // Failing again: handed on, but not as news; the overview still waits.
        QVERIFY(QDir(map.path()).rmdir("Spel 03 Drovik.txt"));
        QVERIFY(uitslag::SchrijfLater(bord, "1 - 2~4S~~420~-420~1~1\r\n"));
        QVERIFY(uitslag::SchrijfLater(overzicht, "nieuw\r\n", nullptr, {bord}));
        QVERIFY(QDir(map.path()).mkdir("Spel 03 Drovik.txt"));
        uitslag::WachtOp();
        uitslag::MeldFoutenNu();
        QCOMPARE(gemeld.size(), 2);
        QVERIFY(!gemeld[1].eerste);
        QCOMPARE(testsupport::ReadTestFile(overzicht), QByteArray("oud\r\n"));

        // Written at last: what stands on it goes through.
        QVERIFY(QDir(map.path()).rmdir("Spel 03 Drovik.txt"));
        QVERIFY(uitslag::SchrijfLater(bord, "1 - 2~4S~~420~-420~1~1\r\n"));
        QVERIFY(uitslag::SchrijfLater(overzicht, "nieuw\r\n", nullptr, {bord}));
        uitslag::WachtOp();
        QVERIFY(!uitslag::Mislukt(bord));
        QCOMPARE(testsupport::ReadTestFile(overzicht), QByteArray("nieuw\r\n"));
        uitslag::MeldFoutenNu();
        QCOMPARE(gemeld.size(), 2);
        uitslag::BijSchrijfFout(nullptr);
    }

    // On a slow disk, thirty versions of a file asked for one after the
    // other while the first is being written: the waiting one is replaced
    // each time, so the file is written twice, not thirty times, and ends
    // with the last version.
    void aWaitingWriteIsReplacedByTheNewerOne() {
        QTemporaryDir map, log;
        QProcessEnvironment env;
        env.insert("WACHTRIJ_CHILD", map.path());
        env.insert("LD_PRELOAD", QStringLiteral(KILL_AT_WRITE_LIB) + ':' + QStringLiteral(SLOW_DISK_LIB));
        env.insert("SLOW_DISK_MS", "40");
        env.insert("KILL_IN", map.path() + "/.drovik-tmp.");
        env.insert("KILL_LOG", log.path());
        const testsupport::ChildRun kind = testsupport::RunChild("childAsksThirtyVersions", env);
        QVERIFY(kind.finished);
        const QByteArray& uit = kind.output;
        QVERIFY2(kind.status == QProcess::NormalExit && kind.code == 0, uit.constData());
        QVERIFY2(uit.contains("PASS   : KindSchrijfWachtrij::childAsksThirtyVersions"), uit.constData());
        const QList<QByteArray> writes = testsupport::ReadTestFile(log.filePath("writes"), "").split('\n');
        const int aantal = int(writes.count()) - 1;  // the last line ends with a line break
        QVERIFY2(aantal >= 1 && aantal <= 3, qPrintable(QString::number(aantal) + " writes"));
        QCOMPARE(testsupport::ReadTestFile(map.filePath("W overzicht.txt")), QByteArray("versie 30\r\n"));
    }

};

// The child of the slow-disk test above, writing into the folder it names
// (WACHTRIJ_CHILD).
class KindSchrijfWachtrij : public QObject {
    Q_OBJECT

private slots:
    void childAsksThirtyVersions() {
        const QString map = qEnvironmentVariable("WACHTRIJ_CHILD");
        QVERIFY(!map.isEmpty());
        const QString pad = map + "/W overzicht.txt";
        int meest = 0;
        for (int i = 1; i <= 30; ++i) {
            QVERIFY(uitslag::SchrijfLater(pad, QStringLiteral("versie %1\r\n").arg(i).toLatin1()));
            platform::DoEvents();  // handed to the writer, which is busy with the first
            meest = qMax(meest, uitslag::Wachtend());
        }
        // One being written, one waiting: never more.
        QVERIFY2(meest <= 2, qPrintable(QString::number(meest) + " writes of one file at once"));
        QVERIFY(uitslag::Wachtend() >= 1);
        QVERIFY(!uitslag::WachtHoogstens(0));
        QVERIFY(uitslag::WachtHoogstens(30000));
        QCOMPARE(uitslag::Wachtend(), 0);
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QCoreApplication, TestSchrijfWachtrij, KindSchrijfWachtrij)
#include "test_schrijfwachtrij.moc"
