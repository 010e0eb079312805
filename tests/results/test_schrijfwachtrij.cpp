// The writer queue of the match files: a write is on disk once waited
// for; a file asked for twice before the writer gets it is written once,
// with the newest content; content already on disk is not written again;
// what can be seen to fail is refused at once, and a write that fails on
// the writer thread is reported on the user-interface thread.
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <sys/stat.h>

#include "platform/Events.h"
#include "results/SchrijfWachtrij.h"
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
        // A folder in the file's place, a missing folder: refused at once.
        QVERIFY(QDir(map.path()).mkdir("bezet"));
        QVERIFY(!uitslag::SchrijfLater(map.filePath("bezet"), "x", &fout));
        QVERIFY2(fout.contains("folder"), qPrintable(fout));
        QVERIFY(!uitslag::SchrijfLater(map.filePath("weg/a.txt"), "x", &fout));

        // A folder that appears in the file's place after the write was
        // queued: the writer fails, and says so on this thread.
        QStringList gemeld;
        Qt::HANDLE draad = nullptr;
        uitslag::BijSchrijfFout([&](const QString& pad, const QString& reden) {
            gemeld << pad + ": " + reden;
            draad = QThread::currentThreadId();
        });
        const QString pad = map.filePath("later.txt");
        QVERIFY(uitslag::SchrijfLater(pad, "x"));
        QVERIFY(QDir(map.path()).mkdir("later.txt"));
        uitslag::WachtOp(pad);
        QTRY_COMPARE(gemeld.size(), 1);
        QVERIFY2(gemeld[0].startsWith(pad), qPrintable(gemeld[0]));
        QCOMPARE(draad, QThread::currentThreadId());
        uitslag::BijSchrijfFout(nullptr);
    }
};

QTEST_GUILESS_MAIN(TestSchrijfWachtrij)
#include "test_schrijfwachtrij.moc"
