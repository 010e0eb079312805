// New files get the rights the user's umask gives, also while other
// threads make files at the same moment, and the process umask is never
// changed on the way (threads share it).
//
// The test runs itself as a child started with umask 027, so that a file
// made with the wrong mask shows (0666 is not 0640).
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "support/ChildMain.h"

namespace {

// The process umask as the kernel reports it, read without changing it.
int HuidigeUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& regel : status.readAll().split('\n'))
        if (regel.startsWith("Umask:")) return regel.mid(6).trimmed().toInt(nullptr, 8);
    return -1;
}

int Rechten(const QString& pad) {
    struct stat st {};
    return ::stat(QFile::encodeName(pad).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

QString SnelleMap() { return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath(); }

}  // namespace

class TestAtomicFileRechten : public QObject {
    Q_OBJECT

private slots:
    void newFilesFollowTheStartUmaskWhileOtherThreadsMakeFiles() {
        const testsupport::ChildRun kind =
            testsupport::RunChild("childMakesFilesInThreeThreads", {}, 120000, [] { ::umask(027); });
        QVERIFY(kind.finished);
        const QByteArray& uit = kind.output;
        QVERIFY2(kind.status == QProcess::NormalExit && kind.code == 0, uit.constData());
        QVERIFY2(uit.contains("PASS   : KindAtomicFileRechten::childMakesFilesInThreeThreads"), uit.constData());
    }
};

// The child, started with umask 027 by the test above.
class KindAtomicFileRechten : public QObject {
    Q_OBJECT

private slots:
    void childMakesFilesInThreeThreads() {
        QCOMPARE(HuidigeUmask(), 027);
        QTemporaryDir map(SnelleMap() + QStringLiteral("/rechten-XXXXXX"));
        QVERIFY(map.isValid());
        constexpr int kRondes = 5000;
        std::atomic<bool> klaar{false};
        std::atomic<int> verkeerdEigen{0}, verkeerdAnder{0}, gemaakt{0};
        // Another thread of the program making files the ordinary way: the
        // mask must be the user's each time.
        std::thread ander([&] {
            int i = 0;
            while (!klaar.load()) {
                const QByteArray pad = QFile::encodeName(map.filePath(QStringLiteral("ander-%1").arg(i++)));
                const int fd = ::open(pad.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
                if (fd < 0) continue;
                struct stat st {};
                if (::fstat(fd, &st) == 0 && (st.st_mode & 07777) != 0640) ++verkeerdAnder;
                ::close(fd);
                ::unlink(pad.constData());
                ++gemaakt;
            }
        });
        // Two threads replacing files at once, as the match-file writer and
        // the user-interface thread do.
        auto schrijf = [&](const QString& naam) {
            for (int i = 0; i < kRondes; ++i) {
                const QString pad = map.filePath(QStringLiteral("%1-%2").arg(naam).arg(i));
                if (!platform::writeFileAtomic(pad, "x") || Rechten(pad) != 0640) ++verkeerdEigen;
                QFile::remove(pad);
            }
        };
        std::thread tweede([&] { schrijf(QStringLiteral("b")); });
        schrijf(QStringLiteral("a"));
        tweede.join();
        klaar = true;
        ander.join();
        qInfo("%d files of the other thread checked", gemaakt.load());
        QCOMPARE(verkeerdEigen.load(), 0);
        QCOMPARE(verkeerdAnder.load(), 0);
        QCOMPARE(HuidigeUmask(), 027);
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QCoreApplication, TestAtomicFileRechten, KindAtomicFileRechten)
#include "test_atomicfile_rechten.moc"
