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

    const bool kind = qEnvironmentVariableIsSet("EINDE_MAP");

    // Runs `slot` in a child; its exit status and code.
    QPair<QProcess::ExitStatus, int> Kind(const QString& map, const QString& slot) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("EINDE_MAP", map);
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QCoreApplication::applicationFilePath(), {slot});
        if (!p.waitForFinished(30000)) p.kill();
        p.waitForFinished(5000);
        return {p.exitStatus(), p.exitCode()};
    }

private slots:
    void termAndHangUpEndTheProgramAfterItsLastWork() {
        if (kind) QSKIP("the parent's work");
        for (const char* slot : {"childGetsTerm", "childGetsHangUp"}) {
            QTemporaryDir map;
            const auto [status, code] = Kind(map.path(), slot);
            QVERIFY2(status == QProcess::NormalExit && code == 0, slot);
            QVERIFY2(QFile::exists(map.filePath(slot)), slot);
        }
    }

    void quittingDoesTheLastWork() {
        if (kind) QSKIP("the parent's work");
        QTemporaryDir map;
        const auto [status, code] = Kind(map.path(), "childQuits");
        QVERIFY(status == QProcess::NormalExit);
        QVERIFY(QFile::exists(map.filePath("childQuits")));
    }

    void childGetsTerm() {
        if (!kind) QSKIP("run by the parent");
        platform::SetEndHandler({});
        platform::SetDefaultEndHandler({});
        MerkEinde("childGetsTerm");
        QVERIFY(platform::EndOnTerminationSignals());
        ::kill(::getpid(), SIGTERM);
        QTest::qWait(10000);
        QFAIL("still running");
    }

    void childGetsHangUp() {
        if (!kind) QSKIP("run by the parent");
        platform::SetEndHandler({});
        platform::SetDefaultEndHandler({});
        MerkEinde("childGetsHangUp");
        QVERIFY(platform::EndOnTerminationSignals());
        ::kill(::getpid(), SIGHUP);
        QTest::qWait(10000);
        QFAIL("still running");
    }

    void childQuits() {
        if (!kind) QSKIP("run by the parent");
        MerkEinde("childQuits");
        QVERIFY(platform::EndOnTerminationSignals());
        QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
        QCoreApplication::exec();
    }
};

QTEST_GUILESS_MAIN(TestEndSignals)
#include "test_endsignals.moc"
