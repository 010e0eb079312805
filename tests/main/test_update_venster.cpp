// The main window's side of the update: the version check at start-up shows
// the download button, and the button downloads, announces, opens the file
// with the desktop's handler and ends the program, or says it failed.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Http.h"
#include "platform/Online.h"
#include "platform/Paths.h"
#include "shared/Globals.h"
#include "shared/Ini.h"
#include "shared/Tekst.h"
#include "shared/Update.h"
#include "support/LocalServer.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

class TestUpdateVenster : public QObject {
    Q_OBJECT
    QTemporaryDir site_;
    testsupport::LocalServer server_;
    testsupport::VensterThuis home_;
    QStringList opened_;
    int ends_ = 0;

    // The server's address; below "/cut" it closes the installer's
    // connection half-way, below "/silent" it never answers.
    QString base(const QString& folder = QString()) const {
        return QStringLiteral("https://127.0.0.1:%1/%2").arg(server_.port()).arg(folder);
    }
    void SetServer(const QString& address) {
        SchrijfIni("Standaard", "Server", address, platform::programPath("taal.ini"));
    }
    static QByteArray NewerVersion() {
        return VersieTekst({EigenVersie().major + 1, 0, 0}).toLatin1() + "\r\n";
    }

    // Opens the main window offline with a newer version in the old version
    // file, so that the download button shows, and the update on `folder`.
    frmVeldom01Form& OpenWithNewerVersion(const QString& folder) {
        SetServer(base(folder));
        testsupport::WriteTestFile(VersieBestand(), NewerVersion());
        frmVeldom01().Show();
        return frmVeldom01();
    }

private slots:
    void initTestCase() {
        platform::SetupApplication(*qApp);
        platform::SetEndHandler([this] { ++ends_; });
        ZetBureaubladOpener([this](const QString& pad) {
            opened_ << pad;
            return true;
        });
        for (const QString& folder : {QString(), QStringLiteral("/cut"), QStringLiteral("/silent")}) {
            testsupport::WriteTestFile(site_.path() + folder + kVersiePad, NewerVersion());
            testsupport::WriteTestFile(site_.path() + folder + kUpdatePad, QByteArray(200000, 'u'));
        }
        QVERIFY2(server_.startTls("http_test_server.py",
                                  {site_.path(), "--truncate", QString("/cut") + kUpdatePad,
                                   "--silent", QString("/silent") + kVersiePad}),
                 qPrintable(server_.error()));
        platform::SetTrustedCaFileForTests(server_.certificateFile());
    }
    void cleanupTestCase() {
        ZetBureaubladOpener({});
        platform::SetTrustedCaFileForTests({});
        platform::SetOnlineForTests(std::nullopt);
    }
    void init() {
        home_.Begin({.taal = 0});
        platform::SetOnlineForTests(false);
        WebsiteBereikbaar = false;
        opened_.clear();
        ends_ = 0;
    }
    void cleanup() {
        home_.Einde();
    }

    void noNewerVersionKeepsTheButtonHidden() {
        testsupport::PromptScript prompts;
        frmVeldom01().Show();
        QVERIFY(!frmVeldom01().cmdDownLoad.Visible());
    }

    void versionFileFromTheServerShowsVideoAndDownload() {
        testsupport::PromptScript prompts;
        platform::SetOnlineForTests(true);
        SetServer(base());
        frmVeldom01().Show();
        QVERIFY(WebsiteBereikbaar);
        QVERIFY(frmVeldom01().cmdVideo.Visible());
        QVERIFY(frmVeldom01().cmdDownLoad.Visible());
    }

    // Without a server nothing came from it: no Video button, and a version
    // file lying in the folder offers no update that could not be fetched.
    void withoutServerNothingIsOffered() {
        testsupport::PromptScript prompts;
        platform::SetOnlineForTests(true);
        testsupport::WriteTestFile(VersieBestand(), NewerVersion());
        frmVeldom01().Show();
        QVERIFY(!WebsiteBereikbaar);
        QVERIFY(!frmVeldom01().cmdVideo.Visible());
        QVERIFY(!frmVeldom01().cmdDownLoad.Visible());
    }

    void silentServerDelaysStartOnlySeconds() {
        testsupport::PromptScript prompts;
        platform::SetOnlineForTests(true);
        SetServer(base("silent"));
        QElapsedTimer clock;
        clock.start();
        frmVeldom01().Show();
        QVERIFY2(clock.elapsed() < (kVersieWachttijd + 3) * 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!WebsiteBereikbaar);
        QVERIFY(!frmVeldom01().cmdVideo.Visible());
        QVERIFY(!frmVeldom01().cmdDownLoad.Visible());
    }

    void downloadAnnouncesOpensTheFileAndEnds() {
        testsupport::PromptScript prompts;
        frmVeldom01Form& f = OpenWithNewerVersion("");
        QVERIFY(f.cmdDownLoad.Visible());
        QVERIFY(f.cmdDownLoad.Enabled());
        prompts.answer(platform::vbOK);
        f.cmdDownLoad.Click();
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, TaalTekst(174));
        QCOMPARE(testsupport::ReadTestFile(UpdateBestand()), QByteArray(200000, 'u'));
        QCOMPARE(opened_, QStringList{UpdateBestand()});
        QCOMPARE(ends_, 1);
    }

    void failedDownloadSaysSoAndGivesTheWindowBack() {
        testsupport::PromptScript prompts;
        frmVeldom01Form& f = OpenWithNewerVersion("cut");
        testsupport::WriteTestFile(UpdateBestand(), "old");
        prompts.answer(platform::vbOK);
        f.cmdDownLoad.Click();
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, TaalTekst(173).replace('|', '\n'));
        QCOMPARE(testsupport::ReadTestFile(UpdateBestand()), QByteArray("old"));
        QVERIFY(opened_.isEmpty());
        QCOMPARE(ends_, 0);
        QVERIFY(f.Enabled());
    }
};

QTEST_MAIN(TestUpdateVenster)
#include "test_update_venster.moc"
