// Asked to stop from outside, the program ends the way End does: SIGTERM
// and SIGHUP run the work End does first (the match files still queued)
// and end the program normally; the application quitting does that work
// too. Each case runs in a child of this test program.
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

    // Runs `slot` in a child; its exit status and code.
    QPair<QProcess::ExitStatus, int> Kind(const QString& map, const QString& slot) {
        QProcessEnvironment env;
        env.insert("EINDE_MAP", map);
        const testsupport::ChildRun kind = testsupport::RunChild(slot, env, 30000);
        return {kind.status, kind.code};
    }

private slots:
    void termAndHangUpEndTheProgramAfterItsLastWork() {
        for (const char* slot : {"childGetsTerm", "childGetsHangUp"}) {
            QTemporaryDir map;
            const auto [status, code] = Kind(map.path(), slot);
            QVERIFY2(status == QProcess::NormalExit && code == 0, slot);
            QVERIFY2(QFile::exists(map.filePath(slot)), slot);
        }
    }

    void quittingDoesTheLastWork() {
        QTemporaryDir map;
        const auto [status, code] = Kind(map.path(), "childQuits");
        QVERIFY(status == QProcess::NormalExit);
        QVERIFY(QFile::exists(map.filePath("childQuits")));
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

    void childQuits() {
        MerkEinde("childQuits");
        QVERIFY(platform::EndOnTerminationSignals());
        QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
        QCoreApplication::exec();
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QCoreApplication, TestEndSignals, KindEndSignals)
#include "test_endsignals.moc"
