// The benchmarks run unattended: started with nothing set up, each one ends
// by itself well within its time, prints its figures and meets no prompt.
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <optional>

class TestBenchmarks : public QObject {
    Q_OBJECT

    // Runs a benchmark built beside this test in its quick form: its output,
    // or nothing after failing the test.
    static std::optional<QString> Draai(const QString& naam) {
        const QString programma = QCoreApplication::applicationDirPath() + "/" + naam;
        if (!QFileInfo(programma).isExecutable()) {
            QTest::qFail(qPrintable(naam + " is not built: build all targets first"), __FILE__,
                         __LINE__);
            return std::nullopt;
        }
        QProcess p;
        p.setProgram(programma);
        p.setArguments({"--quick"});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.remove("DROVIK_HOME");
        p.setProcessEnvironment(env);
        p.start();
        if (!p.waitForStarted(10000)) {
            QTest::qFail(qPrintable(naam + " did not start"), __FILE__, __LINE__);
            return std::nullopt;
        }
        p.closeWriteChannel();
        // A prompt waiting for a user would keep it running past this bound.
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished(5000);
            QTest::qFail(qPrintable(naam + " did not end within two minutes"), __FILE__, __LINE__);
            return std::nullopt;
        }
        const QString uit = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString fouten = QString::fromLocal8Bit(p.readAllStandardError());
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            QTest::qFail(qPrintable(QString("%1 exit code %2:\n%3").arg(naam).arg(p.exitCode()).arg(fouten)),
                         __FILE__, __LINE__);
            return std::nullopt;
        }
        return uit;
    }

private slots:
    void dealBenchmarkRunsUnattended() {
        const auto uit = Draai("bench_deal");
        if (!uit) return;
        QVERIFY2(uit->contains(QRegularExpression(R"(unconstrained \(deals\) .* [0-9.]+ M/s)")),
                 qPrintable(*uit));
        // The point window and each opening type, with the share accepted.
        QCOMPARE(uit->count(QRegularExpression(R"(attempts .* accepted +[0-9.]+%)")), 7);
        QCOMPARE(uit->count("48 boards:"), 2);
    }

    void printBenchmarkRunsUnattended() {
        const auto uit = Draai("bench_print");
        if (!uit) return;
        QVERIFY2(uit->contains(QRegularExpression(R"(layout 0, 24 boards, 4 files: [0-9.]+ s)")),
                 qPrintable(*uit));
        QVERIFY2(uit->contains(QRegularExpression(R"(layout 1, 24 boards, 1 file: +[0-9.]+ s)")),
                 qPrintable(*uit));
    }

    void entryBenchmarkRunsUnattended() {
        const auto uit = Draai("bench_entry");
        if (!uit) return;
        QVERIFY2(uit->contains(QRegularExpression(R"(final key +3 keys: median +[0-9.]+ ms, worst +[0-9.]+ ms)")),
                 qPrintable(*uit));
        QVERIFY2(uit->contains(QRegularExpression(R"(other key +[0-9]+ keys: median +[0-9.]+ ms, worst +[0-9.]+ ms)")),
                 qPrintable(*uit));
    }
};

QTEST_GUILESS_MAIN(TestBenchmarks)
#include "test_benchmarks.moc"
