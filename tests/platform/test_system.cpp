#include <QtTest>

#include "platform/Desktop.h"
#include "platform/Online.h"
#include "platform/Paths.h"
#include "platform/SingleInstance.h"
#include "support/TestSupport.h"

using namespace platform;

namespace {

const char* kRouteHeader =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";

QString put(const QTemporaryDir& dir, const char* name, const QByteArray& data) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(data);
    return path;
}

// Sets an environment variable for one scope.
class EnvVar {
public:
    EnvVar(const char* name, const QString& value) : name_(name), old_(qgetenv(name)),
                                                     had_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~EnvVar() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }
private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

}  // namespace

class TestSystem : public QObject {
    Q_OBJECT
private slots:
    void defaultRouteMeansOnline() {
        QTemporaryDir dir;
        const QString none = dir.filePath("missing");
        const QString v4 = put(dir, "route", QByteArray(kRouteHeader) +
            "eth0\t0002A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n"
            "eth0\t00000000\t0102A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n");
        QVERIFY(hasDefaultRoute(v4, none));
        const QString local = put(dir, "local", QByteArray(kRouteHeader) +
            "eth0\t0002A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n"
            "eth0\t00000000\t0102A8C0\t0002\t0\t0\t100\t00000000\t0\t0\t0\n");
        QVERIFY(!hasDefaultRoute(local, none));  // default route not up
        QVERIFY(!hasDefaultRoute(none, none));
        QVERIFY(!hasDefaultRoute(put(dir, "garbage", "\x01\x02 nonsense\n\n"), none));
    }
    void ipv6DefaultRouteCountsButNotTheLoopbackReject() {
        QTemporaryDir dir;
        const QString none = dir.filePath("missing");
        const QByteArray zero(32, '0');
        const QString reject = put(dir, "r6", zero + " 00 " + zero + " 00 " + zero +
                                                  " ffffffff 00000001 00000000 00200200       lo\n");
        QVERIFY(!hasDefaultRoute(none, reject));
        const QString up = put(dir, "u6", zero + " 00 " + zero + " 00 fe800000000000000000000000000001"
                                              " 00000400 00000001 00000000 00000003   wlan0\n");
        QVERIFY(hasDefaultRoute(none, up));
    }

    void desktopFromUserDirsFile() {
        QTemporaryDir home;
        EnvVar h("HOME", home.path());
        EnvVar c("XDG_CONFIG_HOME", home.path() + "/cfg");
        QDir().mkpath(home.path() + "/cfg");
        put(home, "cfg/user-dirs.dirs",
            "# comment\nXDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\nXDG_DESKTOP_DIR=\"$HOME/Bureaublad\"\n");
        QCOMPARE(desktopFolder(), home.path() + "/Bureaublad");
        QVERIFY(QFileInfo(home.path() + "/Bureaublad").isDir());
    }
    void desktopFallsBackToHomeDesktop() {
        QTemporaryDir home;
        EnvVar h("HOME", home.path());
        EnvVar c("XDG_CONFIG_HOME", home.path() + "/none");
        QCOMPARE(desktopFolder(), home.path() + "/Desktop");
        QDir().mkpath(home.path() + "/none");
        put(home, "none/user-dirs.dirs", "XDG_DESKTOP_DIR=relative/path\n");
        QCOMPARE(desktopFolder(), home.path() + "/Desktop");
    }

    void secondCopyIsRefusedUntilTheFirstEnds() {
        testsupport::TempHome home;
        {
            SingleInstance first;
            QVERIFY(first.tryAcquire());
            QVERIFY(first.tryAcquire());
            QVERIFY(QFileInfo::exists(first.lockPath()));
            SingleInstance second;
            QVERIFY(!second.tryAcquire());
        }
        SingleInstance third;
        QVERIFY(third.tryAcquire());
    }
    // The program lock follows the program folder and is gone, file and all,
    // before a test's folder is removed; a second copy stays refused meanwhile.
    void programLockFollowsTheProgramFolder() {
        QTest::failOnWarning(QRegularExpression("lock file"));
        QString eerste;
        {
            testsupport::TempHome home;
            QVERIFY(acquireProgramLock());
            QVERIFY(acquireProgramLock());
            eerste = home.file("drovik.lock");
            QVERIFY(QFileInfo::exists(eerste));
            QVERIFY(!SingleInstance().tryAcquire());
        }
        testsupport::TempHome home;
        QVERIFY(acquireProgramLock());
        QVERIFY(QFileInfo::exists(home.file("drovik.lock")));
        QVERIFY(!SingleInstance().tryAcquire());
        releaseProgramLock();
        QVERIFY(!QFileInfo::exists(home.file("drovik.lock")));
        QVERIFY(SingleInstance().tryAcquire());
    }

    void lockLeftByADeadProcessIsTakenOver() {
        testsupport::TempHome home;
        // A lock file naming a process id that does not run.
        QFile f(home.file("drovik.lock"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("999999\ntest_system\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        f.close();
        SingleInstance instance;
        QVERIFY(instance.tryAcquire());
    }

    void programFolderWithoutDrovikHomeIsTheWritableExecutableFolder() {
        testsupport::TempHome home;
        qunsetenv("DROVIK_HOME");
        QCOMPARE(programFolder(), QCoreApplication::applicationDirPath());
    }
};

QTEST_GUILESS_MAIN(TestSystem)
#include "test_system.moc"
