#pragma once
// For tests that run themselves as a child process (to kill it, give it a
// umask, a slow disk, a signal). The child's entry points are private slots
// of a class of their own, so that a normal run lists only the tests: the
// parent starts the same program with `--child <slot>`, and main() runs
// that slot of the child class (with the init functions it inherits) instead
// of the test class.
//
// Use in place of QTEST_MAIN (the application kind as its first argument):
//   DROVIK_TEST_MAIN_WITH_CHILD(QApplication, TestX, TestXKind)

#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <cstring>
#include <functional>

namespace testsupport {

// The arguments that start `slot` of the child class in a program built
// with DROVIK_TEST_MAIN_WITH_CHILD.
inline QStringList ChildArguments(const QString& slot) { return {QStringLiteral("--child"), slot}; }

// How one child run ended, and what it printed (both channels together).
struct ChildRun {
    bool finished = false;  // false: it was still running at the time limit, and was killed
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QByteArray output;
};

// Runs `slot` of the child class of this program, with `extra` added to
// the environment, and waits for it at most `timeoutMs`. `inChild` runs in
// the child before the program starts (to set its umask, say).
inline ChildRun RunChild(const QString& slot, const QProcessEnvironment& extra = {}, int timeoutMs = 60000,
                         const std::function<void()>& inChild = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(extra);
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (inChild) p.setChildProcessModifier(inChild);
    p.start(QCoreApplication::applicationFilePath(), ChildArguments(slot));
    ChildRun run;
    run.finished = p.waitForFinished(timeoutMs);
    if (!run.finished) {
        p.kill();
        p.waitForFinished(5000);
    }
    run.status = p.exitStatus();
    run.code = p.exitCode();
    run.output = p.readAll();
    return run;
}

// The program's arguments without a leading "--child", or empty when it
// is not a child run.
inline QStringList ChildRunArguments(int argc, char* argv[]) {
    if (argc < 3 || std::strcmp(argv[1], "--child") != 0) return {};
    QStringList args{QString::fromLocal8Bit(argv[0])};
    for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return args;
}

}  // namespace testsupport

#define DROVIK_TEST_MAIN_WITH_CHILD(AppClass, TestObject, ChildObject)              \
    int main(int argc, char* argv[]) {                                             \
        AppClass app(argc, argv);                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                   \
        QTEST_SET_MAIN_SOURCE_PATH                                                 \
        const QStringList child = testsupport::ChildRunArguments(argc, argv);      \
        if (!child.isEmpty()) {                                                    \
            ChildObject kind;                                                      \
            return QTest::qExec(&kind, child);                                     \
        }                                                                          \
        TestObject tc;                                                             \
        return QTest::qExec(&tc, argc, argv);                                      \
    }
