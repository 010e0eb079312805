// Version check, update download and provider file download against HTTPS
// servers on 127.0.0.1 with throwaway certificates.

#include "platform/Http.h"
#include "platform/Paths.h"
#include "settings/MailInstelRegels.h"
#include "shared/Ini.h"
#include "shared/MailTxt.h"
#include "shared/Update.h"
#include "support/LocalServer.h"
#include "support/MailTxtFixture.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <curl/curl.h>

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

// Each misbehaviour of the test server, served below its own folder: a
// server address ending in "/<folder>" meets it on every fixed path.
const QList<QPair<QString, QString>> kModes = {
    {"cut", "--truncate"},       {"stall", "--stall"},         {"silent", "--silent"},
    {"chunked", "--chunked"},    {"chunkcut", "--chunked-cut"}, {"nolength", "--no-length"},
    {"trickle", "--trickle"},
};
const QStringList kPaths = {kVersiePad, kUpdatePad, kMailTxtPad};

}  // namespace

class TestUpdate : public QObject {
    Q_OBJECT
    QTemporaryDir site_;
    testsupport::LocalServer plain_;    // plain HTTP
    testsupport::LocalServer server_;   // HTTPS, trusted by the tests
    testsupport::LocalServer foreign_;  // HTTPS with a certificate nobody trusts

    QString base(const QString& folder = QString()) const {
        return QStringLiteral("https://127.0.0.1:%1/%2").arg(server_.port()).arg(folder);
    }
    // Puts a file on the site, for the well-behaved server and every mode.
    void publish(const QString& path, const QByteArray& data) {
        testsupport::WriteTestFile(site_.path() + path, data);
        for (const auto& mode : kModes)
            testsupport::WriteTestFile(site_.path() + "/" + mode.first + path, data);
    }
    void publishVersion(const QByteArray& line) { publish(kVersiePad, line); }
    // Points taal.ini at a server that misbehaves as `where` says.
    void setServerFor(const QString& where) {
        if (where == "missing")
            SetServer(base("elders"));
        else if (where == "down")
            SetServer(QStringLiteral("https://127.0.0.1:%1").arg(testsupport::LocalServer::unusedPort()));
        else if (where == "untrusted")
            SetServer(QStringLiteral("https://127.0.0.1:%1").arg(foreign_.port()));
        else if (where == "other name")  // the certificate is for 127.0.0.1 only
            SetServer(QStringLiteral("https://localhost:%1").arg(server_.port()));
        else if (where == "plain http")
            SetServer(QStringLiteral("http://127.0.0.1:%1").arg(plain_.port()));
        else
            SetServer(base(where));  // a mode folder, or "tohttp"
    }

private slots:
    void initTestCase() {
        publish(kUpdatePad, Installer());
        publish(kMailTxtPad, testsupport::EncodeMailTxt({testsupport::MailTxtProvider{}}));
        QVERIFY2(plain_.start("http_test_server.py", {site_.path()}), qPrintable(plain_.error()));
        QStringList arguments{site_.path()};
        for (const auto& mode : kModes)
            for (const QString& path : kPaths)
                arguments << mode.second << "/" + mode.first + path;
        for (const QString& path : kPaths) {
            arguments << "--redirect" << "/tohttp" + path
                      << QStringLiteral("http://127.0.0.1:%1%2").arg(plain_.port()).arg(path);
            arguments << "--redirect" << "/tohttps" + path << path;
        }
        QVERIFY2(server_.startTls("http_test_server.py", arguments), qPrintable(server_.error()));
        QVERIFY2(foreign_.startTls("http_test_server.py", {site_.path()}), qPrintable(foreign_.error()));
        platform::SetTrustedCaFileForTests(server_.certificateFile());
    }
    void cleanupTestCase() { platform::SetTrustedCaFileForTests({}); }

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

    void downloadedVersionFileMustHoldAVersion_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("version") << QByteArray("1.3.1\r\n") << true;
        QTest::newRow("blanks, no line end") << QByteArray(" 2.0.10 ") << true;
        QTest::newRow("only the first line counts") << QByteArray("1.2.0\n<html>") << true;
        QTest::newRow("cut after the dot") << QByteArray("9.") << false;
        QTest::newRow("two numbers") << QByteArray("1.3\r\n") << false;
        QTest::newRow("four numbers") << QByteArray("1.3.0.1") << false;
        QTest::newRow("letters") << QByteArray("1.3.x") << false;
        QTest::newRow("web page") << QByteArray("<html><body>1.3.1</body></html>") << false;
        QTest::newRow("empty first line") << QByteArray("\r\n1.3.1") << false;
        QTest::newRow("huge number") << QByteArray("1.3.12345678901") << false;
    }
    void downloadedVersionFileMustHoldAVersion() {
        QFETCH(QByteArray, content);
        QFETCH(bool, accepted);
        QCOMPARE(ControleerVersieBestand(content).isEmpty(), accepted);
    }

    void checkAgainstServer_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QByteArray>("published");
        QTest::addColumn<bool>("offered");
        QTest::newRow("newer") << "" << QByteArray("1.3.1\r\n") << true;
        QTest::newRow("equal") << "" << QByteArray("1.3.0\r\n") << false;
        QTest::newRow("older") << "" << QByteArray("1.2.10\r\n") << false;
        QTest::newRow("only first line") << "" << QByteArray("1.2.0\r\n9.9.9\r\n") << false;
        QTest::newRow("chunked body") << "chunked" << QByteArray("1.3.1\r\n") << true;
        QTest::newRow("redirect to https") << "tohttps" << QByteArray("1.3.1\r\n") << true;
    }
    void checkAgainstServer() {
        QFETCH(QString, where);
        QFETCH(QByteArray, published);
        QFETCH(bool, offered);
        testsupport::TempHome home;
        SetServer(where == "tohttps" ? base() + where : base(where));
        publishVersion(published);
        const VersieUitkomst u = ControleerVersie(true, Versie{1, 3, 0});
        QVERIFY(u.websiteBereikbaar);
        QCOMPARE(u.videoZichtbaar, std::optional<bool>(true));
        QCOMPARE(u.updateAanbieden, offered);
        QCOMPARE(testsupport::ReadTestFile(VersieBestand()), published);
    }

    // Any version file that did not arrive whole and valid over HTTPS from
    // the server leaves the website unreachable, the Video button hidden,
    // no update offered and no version file in the folder.
    void failedVersionCheckKeepsNothing_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QByteArray>("published");
        const QByteArray newer("1.3.1\r\n");
        QTest::newRow("404") << "missing" << newer;
        QTest::newRow("server down") << "down" << newer;
        QTest::newRow("closed early") << "cut" << newer;
        QTest::newRow("chunks cut off") << "chunkcut" << newer;
        QTest::newRow("end not marked") << "nolength" << newer;
        QTest::newRow("redirect to http") << "tohttp" << newer;
        QTest::newRow("plain http server") << "plain http" << newer;
        QTest::newRow("untrusted certificate") << "untrusted" << newer;
        QTest::newRow("certificate for another name") << "other name" << newer;
        QTest::newRow("no version: 9.") << "" << QByteArray("9.");
        QTest::newRow("no version: web page") << "" << QByteArray("<html>1.3.1</html>");
        QTest::newRow("larger than a version file") << "" << newer + QByteArray(2000, ' ');
    }
    void failedVersionCheckKeepsNothing() {
        QFETCH(QString, where);
        QFETCH(QByteArray, published);
        testsupport::TempHome home;
        publishVersion(published);
        setServerFor(where);
        testsupport::WriteTestFile(VersieBestand(), "9.0.0\r\n");
        const VersieUitkomst u = ControleerVersie(true, Versie{1, 3, 0});
        QVERIFY(!u.websiteBereikbaar);
        QCOMPARE(u.videoZichtbaar, std::optional<bool>(false));
        QVERIFY(!u.updateAanbieden);
        QVERIFY(!QFile::exists(VersieBestand()));
        QCOMPARE(QDir(home.path()).entryList({"*actueleversie*"}, QDir::Files | QDir::Hidden).size(), 0);
    }

    // The version check runs while the main window starts: a server that
    // accepts the connection and then sends nothing holds it only seconds.
    void versionCheckGivesUpWithinSeconds_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("no answer") << "silent";
        QTest::newRow("stalls in the body") << "stall";
    }
    void versionCheckGivesUpWithinSeconds() {
        QFETCH(QString, where);
        testsupport::TempHome home;
        publishVersion("1.3.1\r\n");
        setServerFor(where);
        QElapsedTimer clock;
        clock.start();
        const VersieUitkomst u = ControleerVersie(true, Versie{1, 3, 0});
        QVERIFY2(clock.elapsed() < (kVersieWachttijd + 2) * 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!u.websiteBereikbaar);
        QVERIFY(!u.updateAanbieden);
    }

    void offlineComparesTheOldFile() {
        testsupport::TempHome home;
        SetServer(base());
        testsupport::WriteTestFile(VersieBestand(), "1.4.0\r\n");
        const VersieUitkomst u = ControleerVersie(false, Versie{1, 3, 0});
        QVERIFY(!u.websiteBereikbaar);
        QVERIFY(!u.videoZichtbaar.has_value());
        QVERIFY(u.updateAanbieden);
        QCOMPARE(testsupport::ReadTestFile(VersieBestand()), QByteArray("1.4.0\r\n"));
    }

    void noServerMakesNoCallAndOffersNothing() {
        testsupport::TempHome home;
        testsupport::WriteTestFile(VersieBestand(), "9.9.9\r\n");
        const VersieUitkomst u = ControleerVersie(true, Versie{1, 3, 0});
        QVERIFY(!u.websiteBereikbaar);
        QCOMPARE(u.videoZichtbaar, std::optional<bool>(false));
        QVERIFY(!u.updateAanbieden);
        QCOMPARE(testsupport::ReadTestFile(VersieBestand()), QByteArray("9.9.9\r\n"));  // not deleted
        QString why;
        QVERIFY(!DownloadUpdateBestand(&why));
        QVERIFY(!QFile::exists(UpdateBestand()));
        QVERIFY(!DownloadMailTxt(ServerUrl(kMailTxtPad)).ok());
        QVERIFY(!QFile::exists(MailTxtBestand()));
    }

    void downloadReplacesOnlyWhenComplete_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("with length") << "";
        QTest::newRow("chunked") << "chunked";
        QTest::newRow("redirect to https") << "tohttps";
    }
    void downloadReplacesOnlyWhenComplete() {
        QFETCH(QString, where);
        testsupport::TempHome home;
        SetServer(where == "tohttps" ? base() + where : base(where));
        testsupport::WriteTestFile(UpdateBestand(), "old installer");
        testsupport::WriteTestFile(platform::programPath("Update/Ruri.exe"), "x");
        QString why;
        QVERIFY2(DownloadUpdateBestand(&why), qPrintable(why));
        QCOMPARE(testsupport::ReadTestFile(UpdateBestand()), Installer());
        QVERIFY(!QFile::exists(platform::programPath("Update/Ruri.exe")));
        QCOMPARE(QDir(QFileInfo(UpdateBestand()).absolutePath()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void failedDownloadLeavesOldFile_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("closed early") << "cut";
        QTest::newRow("chunks cut off") << "chunkcut";
        QTest::newRow("end not marked") << "nolength";
        QTest::newRow("404") << "missing";
        QTest::newRow("server down") << "down";
        QTest::newRow("redirect to http") << "tohttp";
        QTest::newRow("plain http server") << "plain http";
        QTest::newRow("untrusted certificate") << "untrusted";
        QTest::newRow("certificate for another name") << "other name";
    }
    void failedDownloadLeavesOldFile() {
        QFETCH(QString, where);
        testsupport::TempHome home;
        setServerFor(where);
        testsupport::WriteTestFile(UpdateBestand(), "old installer");
        QString why;
        QVERIFY(!DownloadUpdateBestand(&why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(testsupport::ReadTestFile(UpdateBestand()), QByteArray("old installer"));
        // No temporary file is left behind.
        QCOMPARE(QDir(QFileInfo(UpdateBestand()).absolutePath()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void providerFileMustPassItsChecks_data() {
        QTest::addColumn<QByteArray>("published");
        QTest::addColumn<bool>("accepted");
        const QByteArray good = testsupport::EncodeMailTxt(
            {testsupport::MailTxtProvider{}, testsupport::MailTxtProvider{}});
        QByteArray wrongLength = good;
        wrongLength.append("\r\n   \r\n");  // blank lines still count in the length
        QByteArray badDigits = good;
        badDigits[5] = 'x';
        QTest::newRow("good") << good << true;
        QTest::newRow("length field wrong") << wrongLength << false;
        QTest::newRow("group not digits") << badDigits << false;
        QTest::newRow("web page") << QByteArray("<html>MAIL.TXT</html>") << false;
        QTest::newRow("larger than a provider file") << good + QByteArray(70000, '\n') << false;
    }
    void providerFileMustPassItsChecks() {
        QFETCH(QByteArray, published);
        QFETCH(bool, accepted);
        testsupport::TempHome home;
        SetServer(base());
        publish(kMailTxtPad, published);
        const QByteArray old = testsupport::EncodeMailTxt({testsupport::MailTxtProvider{}});
        testsupport::WriteTestFile(MailTxtBestand(), old);
        QCOMPARE(DownloadMailTxt(ServerUrl(kMailTxtPad)).ok(), accepted);
        QCOMPARE(testsupport::ReadTestFile(MailTxtBestand()), accepted ? published : old);
        QCOMPARE(DecodeerMailTxt(testsupport::ReadTestFile(MailTxtBestand())).staat, MailTxtStaat::Goed);
        QCOMPARE(QDir(home.path()).entryList({"*MAIL.TXT*"}, QDir::Files | QDir::Hidden).size(), 1);
    }

    void downloadErrorNumbers() {
        QTemporaryDir dir;
        const QString target = dir.filePath("x");
        using namespace platform;
        QCOMPARE(DownloadToFile(base("nothing"), target).code, 404);
        QCOMPARE(DownloadToFile(base("cut") + kUpdatePad, target).code, int(CURLE_PARTIAL_FILE));
        QCOMPARE(DownloadToFile(base("nolength") + kUpdatePad, target).code, kDownloadIncomplete);
        QCOMPARE(DownloadToFile(base("tohttp") + kUpdatePad, target).code, int(CURLE_UNSUPPORTED_PROTOCOL));
        QCOMPARE(DownloadToFile(QStringLiteral("http://127.0.0.1:%1%2").arg(plain_.port()).arg(kUpdatePad),
                                target).code,
                 kDownloadBadAddress);
        QCOMPARE(DownloadToFile("file:///etc/passwd", target).code, kDownloadBadAddress);
        testsupport::WriteTestFile(site_.filePath("leeg.txt"), "");
        QCOMPARE(DownloadToFile(base("leeg.txt"), target).code, kDownloadEmpty);
        QVERIFY(!QFile::exists(target));
        QCOMPARE(DownloadToFile(base() + kUpdatePad, dir.filePath("no/such/folder/x")).code,
                 kDownloadCannotWrite);
    }

    // More than the limit is refused whether the server announces the
    // length or sends chunks, and whatever a caller's check refuses is not
    // kept.
    void limitsAndChecks() {
        QTemporaryDir dir;
        const QString target = dir.filePath("x");
        testsupport::WriteTestFile(target, "old");
        platform::DownloadOptions small;
        small.maxBytes = 1000;
        QCOMPARE(platform::DownloadToFile(base() + kUpdatePad, target, small).code, platform::kDownloadTooLarge);
        QCOMPARE(platform::DownloadToFile(base("chunked") + kUpdatePad, target, small).code,
                 platform::kDownloadTooLarge);
        small.maxBytes = Installer().size();
        QCOMPARE(platform::DownloadToFile(base("chunked") + kUpdatePad, target, small).code, 0);
        QCOMPARE(testsupport::ReadTestFile(target), Installer());

        testsupport::WriteTestFile(target, "old");
        platform::DownloadOptions checked;
        QByteArray seen;
        checked.check = [&seen](const QByteArray& body) {
            seen = body;
            return QStringLiteral("not wanted");
        };
        const platform::DownloadResult r = platform::DownloadToFile(base() + kUpdatePad, target, checked);
        QCOMPARE(r.code, platform::kDownloadInvalid);
        QCOMPARE(r.errorText, QString("not wanted"));
        QCOMPARE(seen, Installer());
        QCOMPARE(testsupport::ReadTestFile(target), QByteArray("old"));
    }

    void readOnlyTargetIsNotReplaced() {
        QTemporaryDir dir;
        const QString target = dir.filePath("x");
        testsupport::WriteTestFile(target, "old");
        QFile::setPermissions(target, QFile::ReadOwner);  // refused even by an all-powerful user
        QCOMPARE(platform::DownloadToFile(base() + kUpdatePad, target).code, platform::kDownloadCannotWrite);
        QCOMPARE(testsupport::ReadTestFile(target), QByteArray("old"));
    }

    // A server that stops sending is given up after the stall time, also
    // when it never sends the headers, and one that only trickles soon
    // after; the caller's wait function runs meanwhile.
    void stalledTransferEnds_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("withinMs");
        QTest::newRow("no answer") << "silent" << 6000;
        QTest::newRow("stalls in the body") << "stall" << 6000;
        QTest::newRow("a byte every half second") << "trickle" << 12000;
    }
    void stalledTransferEnds() {
        QFETCH(QString, where);
        QFETCH(int, withinMs);
        QTemporaryDir dir;
        const QString target = dir.filePath("x");
        platform::DownloadOptions options;
        options.stallSeconds = 2;
        int waits = 0;
        options.whileWaiting = [&waits] { ++waits; };
        QElapsedTimer clock;
        clock.start();
        const platform::DownloadResult r = platform::DownloadToFile(base(where) + kUpdatePad, target, options);
        QVERIFY2(clock.elapsed() < withinMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(r.code, int(CURLE_OPERATION_TIMEDOUT));
        QVERIFY(!QFile::exists(target));
        QVERIFY(waits >= 2);
    }

    void everyKindGivesUpAStallWithinHalfAMinute() {
        for (const platform::DownloadOptions& o :
             {VersieDownloadOpties(), UpdateDownloadOpties(), MailTxtDownloadOpties()}) {
            QVERIFY(o.stallSeconds > 0 && o.stallSeconds < 30);
            QVERIFY(o.connectTimeoutSeconds > 0 && o.connectTimeoutSeconds < 30);
            QVERIFY(o.maxBytes > 0);
        }
        QVERIFY(VersieDownloadOpties().totalTimeoutSeconds <= kVersieWachttijd);
    }
};

QTEST_GUILESS_MAIN(TestUpdate)
#include "test_update.moc"
