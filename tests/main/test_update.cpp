// Version check and update download against an HTTP server on 127.0.0.1.

#include "main/Update.h"
#include "platform/Http.h"
#include "platform/Paths.h"
#include "shared/Ini.h"
#include "support/LocalServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {



void SetServer(const QString& address) {
    SchrijfIni("Standaard", "Server", address, platform::programPath("taal.ini"));
}

QByteArray Installer() {
    QByteArray b;
    for (int i = 0; i < 300000; ++i)
        b += static_cast<char>((i * 131) % 251);
    return b;
}

}  // namespace

class TestUpdate : public QObject {
    Q_OBJECT
    QTemporaryDir site_;
    testsupport::LocalServer server_;
    testsupport::LocalServer truncating_;

    QString base(const testsupport::LocalServer& s) const {
        return QStringLiteral("http://127.0.0.1:%1/").arg(s.port());
    }
    void publishVersion(const QByteArray& line) {
        testsupport::WriteTestFile(site_.filePath("Drovik/actueleversie.txt"), line);
    }

private slots:
    void initTestCase() {
        testsupport::WriteTestFile(site_.filePath("Drovik/Setup_Drovik_Update.exe"), Installer());
        QVERIFY2(server_.start("http_test_server.py", {site_.path()}), qPrintable(server_.error()));
        QVERIFY(truncating_.start("http_test_server.py",
                                  {site_.path(), "--truncate", "/Drovik/Setup_Drovik_Update.exe",
                                   "--truncate", "/Drovik/actueleversie.txt"}));
    }

    void versionsCompareNumberByNumber_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("newer");
        QTest::newRow("1.2.10 older than 1.3.0") << "1.2.10" << false;
        QTest::newRow("equal") << "1.3.0" << false;
        QTest::newRow("revision") << "1.3.1" << true;
        QTest::newRow("minor above nine") << "1.10.0" << true;
        QTest::newRow("major") << "2.0.0" << true;
        QTest::newRow("short form") << "1.4" << true;
        QTest::newRow("blanks") << "  1.3.2 \t" << true;
        QTest::newRow("garbage") << "<html>" << false;
        QTest::newRow("four parts") << "1.3.0.1" << false;
        QTest::newRow("empty part") << "1..4" << false;
        QTest::newRow("negative") << "-2.0.0" << false;
        QTest::newRow("empty") << "" << false;
    }
    void versionsCompareNumberByNumber() {
        QFETCH(QString, line);
        QFETCH(bool, newer);
        QCOMPARE(NieuwereVersie(line, Versie{1, 3, 0}), newer);
    }

    void versionText() {
        QCOMPARE(VersieTekst({2, 1, 14}), QString("2.1.14"));
        QVERIFY(LeesVersie(VersieTekst(EigenVersie())) == EigenVersie());
    }

    void checkAgainstServer_data() {
        QTest::addColumn<QByteArray>("published");
        QTest::addColumn<bool>("offered");
        QTest::newRow("newer") << QByteArray("1.3.1\r\n") << true;
        QTest::newRow("equal") << QByteArray("1.3.0\r\n") << false;
        QTest::newRow("older") << QByteArray("1.2.10\r\n") << false;
        QTest::newRow("only first line") << QByteArray("1.2.0\r\n9.9.9\r\n") << false;
    }
    void checkAgainstServer() {
        QFETCH(QByteArray, published);
        QFETCH(bool, offered);
        testsupport::TempHome home;
        SetServer(base(server_));
        publishVersion(published);
        const VersieUitkomst u = ControleerVersie(true, Versie{1, 3, 0});
        QVERIFY(u.websiteBereikbaar);
        QCOMPARE(u.videoZichtbaar, std::optional<bool>(true));
        QCOMPARE(u.updateAanbieden, offered);
        QCOMPARE(testsupport::ReadTestFile(VersieBestand()), published);
    }

    void unreachableVersionFileDeletesTheOldOne_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("404") << "missing";
        QTest::newRow("server down") << "down";
        QTest::newRow("truncated") << "truncated";
    }
    void unreachableVersionFileDeletesTheOldOne() {
        QFETCH(QString, where);
        testsupport::TempHome home;
        publishVersion("1.3.1");
        if (where == "missing")
            SetServer(base(server_) + "elders");
        else if (where == "down")
            SetServer(QStringLiteral("http://127.0.0.1:%1").arg(testsupport::LocalServer::unusedPort()));
        else
            SetServer(base(truncating_));
        testsupport::WriteTestFile(VersieBestand(), "9.0.0\r\n");
        const VersieUitkomst u = ControleerVersie(true, Versie{1, 3, 0});
        QVERIFY(!u.websiteBereikbaar);
        QCOMPARE(u.videoZichtbaar, std::optional<bool>(false));
        QVERIFY(!u.updateAanbieden);
        QVERIFY(!QFile::exists(VersieBestand()));
    }

    void offlineComparesTheOldFile() {
        testsupport::TempHome home;
        SetServer(base(server_));
        testsupport::WriteTestFile(VersieBestand(), "1.4.0\r\n");
        const VersieUitkomst u = ControleerVersie(false, Versie{1, 3, 0});
        QVERIFY(!u.websiteBereikbaar);
        QVERIFY(!u.videoZichtbaar.has_value());
        QVERIFY(u.updateAanbieden);
        QCOMPARE(testsupport::ReadTestFile(VersieBestand()), QByteArray("1.4.0\r\n"));
    }

    void noServerMakesNoCall() {
        testsupport::TempHome home;
        testsupport::WriteTestFile(VersieBestand(), "1.2.0\r\n");
        const VersieUitkomst u = ControleerVersie(true, Versie{1, 3, 0});
        QVERIFY(u.websiteBereikbaar);  // follows the online check
        QVERIFY(!u.updateAanbieden);
        QCOMPARE(testsupport::ReadTestFile(VersieBestand()), QByteArray("1.2.0\r\n"));  // not deleted
        QString why;
        QVERIFY(!DownloadUpdateBestand(&why));
        QVERIFY(!QFile::exists(UpdateBestand()));
    }

    void downloadReplacesOnlyWhenComplete() {
        testsupport::TempHome home;
        SetServer(base(server_));
        testsupport::WriteTestFile(UpdateBestand(), "old installer");
        testsupport::WriteTestFile(platform::programPath("Update/Ruri.exe"), "x");
        QVERIFY(DownloadUpdateBestand());
        QCOMPARE(testsupport::ReadTestFile(UpdateBestand()), Installer());
        QVERIFY(!QFile::exists(platform::programPath("Update/Ruri.exe")));
        QCOMPARE(QDir(QFileInfo(UpdateBestand()).absolutePath()).entryList(QDir::Files).size(), 1);
    }

    void failedDownloadLeavesOldFile_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("404") << "missing";
        QTest::newRow("server down") << "down";
    }
    void failedDownloadLeavesOldFile() {
        QFETCH(QString, where);
        testsupport::TempHome home;
        if (where == "truncated")
            SetServer(base(truncating_));
        else if (where == "missing")
            SetServer(base(server_) + "elders/");
        else
            SetServer(QStringLiteral("http://127.0.0.1:%1").arg(testsupport::LocalServer::unusedPort()));
        testsupport::WriteTestFile(UpdateBestand(), "old installer");
        QString why;
        QVERIFY(!DownloadUpdateBestand(&why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(testsupport::ReadTestFile(UpdateBestand()), QByteArray("old installer"));
        // No temporary file is left behind.
        QCOMPARE(QDir(QFileInfo(UpdateBestand()).absolutePath()).entryList(QDir::Files).size(), 1);
    }

    void downloadErrorNumbers() {
        QTemporaryDir dir;
        const QString target = dir.filePath("x");
        using namespace platform;
        QCOMPARE(DownloadToFile(base(server_) + "nothing", target).code, 404);
        QCOMPARE(DownloadToFile(base(truncating_) + "Drovik/Setup_Drovik_Update.exe", target).code == 0,
                 false);
        QCOMPARE(DownloadToFile("file:///etc/passwd", target).code, kDownloadBadAddress);
        testsupport::WriteTestFile(site_.filePath("leeg.txt"), "");
        QCOMPARE(DownloadToFile(base(server_) + "leeg.txt", target).code, kDownloadEmpty);
        QVERIFY(!QFile::exists(target));
        QCOMPARE(DownloadToFile(base(server_) + "Drovik/Setup_Drovik_Update.exe",
                                dir.filePath("no/such/folder/x")).code,
                 kDownloadCannotWrite);
    }
};

QTEST_GUILESS_MAIN(TestUpdate)
#include "test_update.moc"
