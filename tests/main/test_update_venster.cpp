// The main window's side of the update: the version check at start-up shows
// the download button, and the button downloads, announces, opens the file
// with the desktop's handler and ends the program, or says it failed.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "main/Update.h"
#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Paths.h"
#include "shared/Ini.h"
#include "shared/Tekst.h"
#include "support/LocalServer.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"

namespace {



}  // namespace

class TestUpdateVenster : public QObject {
    Q_OBJECT
    QTemporaryDir site_;
    testsupport::LocalServer server_;
    testsupport::LocalServer truncating_;
    std::unique_ptr<testsupport::TempHome> home_;
    QStringList opened_;
    int ends_ = 0;

    // Opens the main window with a newer version published on `server`
    // (and in the old version file, so that the button shows offline too).
    frmVeldom01Form& OpenWithNewerVersion(const testsupport::LocalServer& server) {
        SchrijfIni("Standaard", "Server", QStringLiteral("http://127.0.0.1:%1").arg(server.port()),
                   platform::programPath("taal.ini"));
        testsupport::WriteTestFile(VersieBestand(), VersieTekst({EigenVersie().major + 1, 0, 0}).toLatin1() + "\r\n");
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
        testsupport::WriteTestFile(site_.filePath("Drovik/actueleversie.txt"),
              VersieTekst({EigenVersie().major + 1, 0, 0}).toLatin1() + "\r\n");
        testsupport::WriteTestFile(site_.filePath("Drovik/Setup_Drovik_Update.exe"), QByteArray(200000, 'u'));
        QVERIFY2(server_.start("http_test_server.py", {site_.path()}), qPrintable(server_.error()));
        QVERIFY(truncating_.start("http_test_server.py",
                                  {site_.path(), "--truncate", "/Drovik/Setup_Drovik_Update.exe"}));
    }
    void cleanupTestCase() { ZetBureaubladOpener({}); }
    void init() {
        home_ = std::make_unique<testsupport::TempHome>();
        testsupport::WriteWorkingMailTxt();
        opened_.clear();
        ends_ = 0;
    }
    void cleanup() {
        if (frmVeldom01_IsLoaded())
            platform::Unload(frmVeldom01());
        platform::DoEvents();
        home_.reset();
    }

    void noNewerVersionKeepsTheButtonHidden() {
        testsupport::PromptScript prompts;
        frmVeldom01().Show();
        QVERIFY(!frmVeldom01().cmdDownLoad.Visible());
    }

    void downloadAnnouncesOpensTheFileAndEnds() {
        testsupport::PromptScript prompts;
        frmVeldom01Form& f = OpenWithNewerVersion(server_);
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
        frmVeldom01Form& f = OpenWithNewerVersion(truncating_);
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
