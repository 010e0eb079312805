// Asked to stop from outside, the program ends the way End does: SIGTERM,
// SIGHUP and SIGINT (Ctrl+C) run the work End does first (the match files
// still queued) and end the program normally; one the program was started
// ignoring stays ignored; the application quitting does that work too.
// Each case runs in a child of this test program.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <unistd.h>

#include "platform/EndSignals.h"
#include "platform/Events.h"
#include "support/ChildMain.h"

namespace {

// The child's work before the end: a file named after the way it ended.
void MerkEinde(const char* hoe) {
    platform::BeforeEnd([hoe] {
        QFile f(qEnvironmentVariable("EINDE_MAP") + "/" + hoe);
        f.open(QIODevice::WriteOnly);
    });
}

}  // namespace

class TestEndSignals : public QObject {
    Q_OBJECT

    // Runs `slot` in a child.
    testsupport::ChildRun Kind(const QString& map, const QString& slot) {
        QProcessEnvironment env;
        env.insert("EINDE_MAP", map);
        return testsupport::RunChild(slot, env, 30000);
    }

private slots:
    void stopSignalsEndTheProgramAfterItsLastWork() {
        for (const char* slot : {"childGetsTerm", "childGetsHangUp", "childGetsInterrupt"}) {
            QTemporaryDir map;
            const testsupport::ChildRun kind = Kind(map.path(), slot);
            QVERIFY2(kind.status == QProcess::NormalExit && kind.code == 0, slot + ("\n" + kind.output));
            QVERIFY2(QFile::exists(map.filePath(slot)), slot + ("\n" + kind.output));
        }
    }

    // Ignoring SIGINT when it starts (as a job a shell starts in the
    // background does), the program is not ended by Ctrl+C in the terminal.
    void anIgnoredSignalStaysIgnored() {
        QTemporaryDir map;
        const testsupport::ChildRun kind = Kind(map.path(), "childIgnoresInterrupt");
        QVERIFY2(kind.status == QProcess::NormalExit && kind.code == 0, kind.output.constData());
        QVERIFY2(!QFile::exists(map.filePath("childIgnoresInterrupt")), kind.output.constData());
    }

    void quittingDoesTheLastWork() {
        QTemporaryDir map;
        const testsupport::ChildRun kind = Kind(map.path(), "childQuits");
        QVERIFY2(kind.status == QProcess::NormalExit && kind.code == 0, kind.output.constData());
        QVERIFY2(QFile::exists(map.filePath("childQuits")), kind.output.constData());
    }

};

// The children the test above starts, each in a folder of its own
// (EINDE_MAP).
class KindEndSignals : public QObject {
    Q_OBJECT

    // Ends as the program does, marks `slot` as its last work, and sends
    // itself `signaal`.
    void KrijgSignaal(const char* slot, int signaal) {
        platform::SetEndHandler({});
        platform::SetDefaultEndHandler({});
        MerkEinde(slot);
        QVERIFY(platform::EndOnTerminationSignals());
        ::kill(::getpid(), signaal);
        QTest::qWait(10000);
        QFAIL("still running");
    }

private slots:
    void childGetsTerm() { KrijgSignaal("childGetsTerm", SIGTERM); }
    void childGetsHangUp() { KrijgSignaal("childGetsHangUp", SIGHUP); }
    void childGetsInterrupt() { KrijgSignaal("childGetsInterrupt", SIGINT); }

    // Its work before the end is not done: the signal never arrives. (The
    // test library sets handlers of its own as the child starts, so the
    // signal is ignored here, just before the program's set-up, as it
    // would be from the start.)
    void childIgnoresInterrupt() {
        platform::SetEndHandler({});
        platform::SetDefaultEndHandler({});
        MerkEinde("childIgnoresInterrupt");
        ::signal(SIGINT, SIG_IGN);
        QVERIFY(platform::EndOnTerminationSignals());
        ::kill(::getpid(), SIGINT);
        QTest::qWait(200);
    }

    // The test program is a core application only: no qApp (which names
    // the widgets application) here.
    void childQuits() {
        MerkEinde("childQuits");
        QVERIFY(platform::EndOnTerminationSignals());
        QCoreApplication* app = QCoreApplication::instance();
        QTimer::singleShot(0, app, [] { QCoreApplication::quit(); });
        QCoreApplication::exec();
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QCoreApplication, TestEndSignals, KindEndSignals)
#include "test_endsignals.moc"
