// The e-mail setup window: the provider-file download against an HTTPS
// server on 127.0.0.1 with a throwaway certificate (good file, 404, server
// down, damaged, cut short, stalled, plain http), the address checks, the
// test mail through the SMTP sink (also with a MAIL.TXT put in place without
// a download), the provider choice and closing.

#include <QtTest>
#include <QDir>
#include <QElapsedTimer>
#include <memory>

#include <sys/stat.h>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/AtomicFile.h"
#include "platform/Events.h"
#include "platform/Http.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "settings/frmVeldom18.h"
#include "settings/MailInstelRegels.h"
#include "shared/BasVeldom.h"
#include "shared/Mail.h"
#include "shared/MailTxt.h"
#include "shared/Update.h"
#include "support/LocalServer.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;
using testsupport::MailTxtProvider;

namespace {

MailTxtProvider At(int port, const QString& afzender) {
    MailTxtProvider p;
    p.port = QString::number(port);
    p.sender = afzender;
    return p;
}

// MAIL.TXT and every hidden file beside it (where a temporary file would be).
QStringList MailTxtBestanden() {
    return QDir(programFolder()).entryList({"*MAIL.TXT*", ".*"}, QDir::Files | QDir::Hidden);
}

int Rechten(const QString& pad) {
    struct stat st {};
    return ::stat(QFile::encodeName(pad).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

}  // namespace

class TestFrmVeldom18 : public QObject {
    Q_OBJECT
    QTemporaryDir web_, spool_;
    testsupport::LocalServer http_, sink_;
    testsupport::VensterThuis home;
    std::unique_ptr<testsupport::PromptScript> prompts;
    QByteArray oud_;  // the provider file every test starts with

    QString Url(const QString& map) const {
        return QStringLiteral("https://127.0.0.1:%1/%2").arg(http_.port()).arg(map);
    }
    QByteArray Huidig() const { return testsupport::ReadTestFile(programPath("MAIL.TXT")); }
    int Mails() const { return QDir(spool_.path()).entryList({"*.env"}).size(); }
    QString Mail(int n, const QString& ext) const {
        return QString::fromUtf8(
            testsupport::ReadTestFile(spool_.filePath(QStringLiteral("mail-%1.%2").arg(n).arg(ext))));
    }
    frmVeldom18Form& Open() {
        frmVeldom01().cmdMAILTXT.Click();
        return frmVeldom18();
    }
    // The server the window downloads from: .../<map>/cvn/MAIL.TXT.
    void ZetServer(const QString& map) { SchrijfIni("Standaard", "Server", Url(map), IniBestand); }
    // Puts a MAIL.TXT of one or two providers in place and loads it, the
    // first sending to the sink as club@example.test, the second as
    // twee@example.test.
    void ZetMailTxt(int aantal) {
        QList<MailTxtProvider> lijst{At(sink_.port(), "club@example.test")};
        if (aantal > 1) lijst << At(sink_.port(), "twee@example.test");
        testsupport::WriteTestFile(programPath("MAIL.TXT"), testsupport::EncodeMailTxt(lijst));
        LeesMailTxt(frmVeldom01());
    }
    // Downloads a good file in the window (text 225 confirms it).
    void DownloadGoed(frmVeldom18Form& f, const QString& map = "goed") {
        ZetServer(map);
        prompts->answer(vbOK);
        f.cmdDownLoad.Click();
        QCOMPARE(prompts->last().text, QString("Download van MAIL.TXT gelukt."));
    }
    // Sends the test mail, which must be reported as sent and arrive; the
    // number of the mail in the sink's spool.
    int VerstuurGoed(frmVeldom18Form& f) {
        const int voor = Mails();
        prompts->answer(vbOK);
        f.cmdOK.Click();
        [&] {
            QCOMPARE(prompts->last().text, QString("De test mail is met succes verstuurd."));
            QVERIFY(!f.cmdOK.Enabled());  // one test mail per address
            QTRY_COMPARE(Mails(), voor + 1);
        }();
        return voor + 1;
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        QVERIFY(sink_.start("smtp_sink_server.py", {spool_.path(), "--refuse", "nobody@example.test"}));
        const int smtp = sink_.port();
        auto schrijf = [&](const QString& map, const QByteArray& inhoud) {
            testsupport::WriteTestFile(web_.filePath(map + "/cvn/MAIL.TXT"), inhoud);
        };
        schrijf("goed", testsupport::EncodeMailTxt({At(smtp, "club@example.test")}));
        schrijf("twee", testsupport::EncodeMailTxt({At(testsupport::LocalServer::unusedPort(), "een@example.test"),
                                                    At(smtp, "twee@example.test")}));
        QByteArray lengte = testsupport::EncodeMailTxt({At(smtp, "club@example.test")});
        lengte[lengte.indexOf("\r\n") - 1] = lengte[lengte.indexOf("\r\n") - 1] == '9' ? '8' : '9';
        schrijf("lengte", lengte);
        schrijf("html", "<html><body>Not here</body></html>\r\n");
        schrijf("kort", testsupport::EncodeMailTxt({At(smtp, "club@example.test")}));
        schrijf("traag", testsupport::EncodeMailTxt({At(smtp, "club@example.test")}));
        QVERIFY2(http_.startTls("http_test_server.py", {web_.path(), "--truncate", "/kort/cvn/MAIL.TXT",
                                                        "--stall", "/traag/cvn/MAIL.TXT"}),
                 qPrintable(http_.error()));
        platform::SetTrustedCaFileForTests(http_.certificateFile());
    }
    void init() {
        home.Begin({.taal = 0});
        oud_ = Huidig();
        LeesInstellingen();
        TaalNummer = 10;
        prompts = std::make_unique<testsupport::PromptScript>();
        frmVeldom01().Show();
    }
    void cleanup() {
        home.Einde();
        prompts.reset();
        TaalNummer = 10;
    }

    // --- the download itself ---------------------------------------------------

    void aGoodFileReplacesMailTxtPrivately() {
        const MailTxtDownloadUitkomst uit = DownloadMailTxt(Url("goed") + "/cvn/MAIL.TXT");
        QVERIFY(uit.ok());
        QCOMPARE(Huidig(), testsupport::ReadTestFile(web_.filePath("goed/cvn/MAIL.TXT")));
        QCOMPARE(Rechten(programPath("MAIL.TXT")), 0600);
        QCOMPARE(MailTxtBestanden(), QStringList{"MAIL.TXT"});
    }

    void everyFailureKeepsTheOldFileByteForByte_data() {
        QTest::addColumn<QString>("map");
        QTest::addColumn<int>("fout");
        QTest::newRow("404") << "weg" << int(MailTxtDownloadFout::Overdracht);
        QTest::newRow("server down") << "DOWN" << int(MailTxtDownloadFout::Overdracht);
        QTest::newRow("length check") << "lengte" << int(MailTxtDownloadFout::Ongeldig);
        QTest::newRow("not a provider file") << "html" << int(MailTxtDownloadFout::Ongeldig);
        QTest::newRow("cut short") << "kort" << int(MailTxtDownloadFout::Overdracht);
        QTest::newRow("plain http") << "HTTP" << int(MailTxtDownloadFout::Overdracht);
        QTest::newRow("no server") << "" << int(MailTxtDownloadFout::GeenServer);
    }
    void everyFailureKeepsTheOldFileByteForByte() {
        QFETCH(QString, map);
        QFETCH(int, fout);
        QString url = Url(map) + "/cvn/MAIL.TXT";
        if (map == "DOWN")
            url = QStringLiteral("https://127.0.0.1:%1/cvn/MAIL.TXT").arg(testsupport::LocalServer::unusedPort());
        if (map == "HTTP") url = Url("goed").replace("https:", "http:") + "/cvn/MAIL.TXT";
        if (map.isEmpty()) url.clear();
        const int rechten = Rechten(programPath("MAIL.TXT"));
        const MailTxtDownloadUitkomst uit = DownloadMailTxt(url);
        QCOMPARE(int(uit.fout), fout);
        if (uit.fout == MailTxtDownloadFout::Overdracht) QVERIFY(uit.code != 0);
        QCOMPARE(Huidig(), oud_);
        QCOMPARE(Rechten(programPath("MAIL.TXT")), rechten);
        QCOMPARE(MailTxtBestanden(), QStringList{"MAIL.TXT"});
    }

    void aStalledServerIsGivenUpWithinTheTimeLimit() {
        platform::DownloadOptions opties = MailTxtDownloadOpties();
        opties.stallSeconds = 2;
        opties.totalTimeoutSeconds = 20;
        // The temporary files seen while the download hangs.
        QStringList tijdelijk;
        opties.whileWaiting = [&] {
            for (const QString& naam : MailTxtBestanden())
                if (naam != "MAIL.TXT" && !tijdelijk.contains(naam)) tijdelijk << naam;
        };
        QElapsedTimer klok;
        klok.start();
        const MailTxtDownloadUitkomst uit = DownloadMailTxt(Url("traag") + "/cvn/MAIL.TXT", opties);
        QVERIFY2(klok.elapsed() < 15000, qPrintable(QString::number(klok.elapsed())));
        QCOMPARE(uit.fout, MailTxtDownloadFout::Overdracht);
        QCOMPARE(Huidig(), oud_);
        QCOMPARE(MailTxtBestanden(), QStringList{"MAIL.TXT"});
        // A download cut off by a crash leaves its temporary file under a name
        // that start-up removes, as it does every other interrupted write's.
        QCOMPARE(tijdelijk.size(), 1);
        testsupport::WriteTestFile(programPath(tijdelijk.first()), "half");
        QCOMPARE(removeStaleTempFiles(programFolder(), 0), 1);
        QCOMPARE(MailTxtBestanden(), QStringList{"MAIL.TXT"});
        // The program's own limits end a stall within 30 seconds too.
        QVERIFY(MailTxtDownloadOpties().stallSeconds <= 30);
        QVERIFY(MailTxtDownloadOpties().totalTimeoutSeconds > 0);
    }

    // --- the window: download ----------------------------------------------

    void openingShowsTheCaptionsAndTakesTheMainWindow() {
        frmVeldom18Form& f = Open();
        QCOMPARE(f.Caption(), QString("Download MAIL.TXT"));
        QCOMPARE(f.cmdTerug.Caption(), QString("&Terug"));
        QCOMPARE(f.optProvider[1].Caption(), QString("Provider &2"));
        QCOMPARE(f.lblAdres.Caption(), QString("E-mailadres:"));
        QVERIFY(f.lblInfo.Caption().contains("versturen.\n\nDownload regelmatig"));
        QVERIFY(f.optProvider[0].Value());
        QVERIFY(f.cmdDownLoad.Enabled());
        QVERIFY(!f.cmdOK.Enabled());
        QVERIFY(f.picVerStuurDeMail.Visible());
        // The surface around the envelope is white, the envelope is not.
        const QImage beeld = f.picVoorVerstuurDeMail.Bitmap().toImage();
        QCOMPARE(QColor(beeld.pixel(2, 2)), QColor(Qt::white));
        QVERIFY(QColor(beeld.pixel(beeld.width() / 2, beeld.height() / 2)) != QColor(Qt::white));
        QVERIFY(!frmVeldom01().Enabled());
        QCOMPARE(prompts->count(), 0);
    }

    void aGoodDownloadIsReportedAfterLoadingAndAllowsOneTestMail() {
        frmVeldom18Form& f = Open();
        f.txtEMailAdres.SetText("speler@example.test");
        DownloadGoed(f);
        QCOMPARE(prompts->last().title, QString("Download MAIL.TXT"));
        QVERIFY(!f.cmdDownLoad.Enabled());
        QVERIFY(f.MailTxtGedownload);
        QVERIFY(!MailOnbruikbaar);
        QCOMPARE(MailProviderLijst(0).at(2), QString::number(sink_.port()));
        QVERIFY(f.cmdOK.Enabled());

        const int n = VerstuurGoed(f);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(Mail(n, "headers").contains("Subject: Test mail met nieuwe MAIL.TXT"));
        QVERIFY(Mail(n, "headers").contains("To: speler@example.test"));
        QCOMPARE(Mail(n, "body").replace("\r\n", "\n").trimmed(),
                 QString("Hallo,\n\nDit is de testmail na het downloaden van MAIL.TXT"));
        // A changed address allows another one.
        f.txtEMailAdres.SetText("ander@example.test");
        QVERIFY(f.cmdOK.Enabled());
    }

    // A refused address is named, with the server's reply; the settings
    // are the advice only where they may be at fault.
    void aRefusedTestMailIsReportedAsFailure() {
        frmVeldom18Form& f = Open();
        DownloadGoed(f);
        f.txtEMailAdres.SetText("nobody@example.test");
        QVERIFY(f.cmdOK.Enabled());
        const int voor = Mails();
        prompts->answer(vbOK).answer(vbOK);
        f.cmdOK.Click();
        QCOMPARE(prompts->count(), 3);
        const QString antwoord = "550 5.1.1 <nobody@example.test>: Recipient address rejected";
        QCOMPARE(prompts->prompts()[1].text,
                 "Foutnummer: 550\nBij het versturen naar: nobody@example.test\n\nDe mailserver weigert het "
                 "adres nobody@example.test (foutnummer 550) en antwoordt: " + antwoord);
        QCOMPARE(prompts->last().text, "De test mail is NIET verstuurd: de mailserver weigert het adres "
                                       "nobody@example.test.\nZijn antwoord: " + antwoord +
                                           "\n\nControleer dit adres.");
        QVERIFY(MailFoutNummer != 0);
        QVERIFY(f.cmdOK.Enabled());
        QTest::qWait(200);
        QCOMPARE(Mails(), voor);
        // A server that is not reached: the file holds one provider, so
        // there is no other to try.
        const int niemand = testsupport::LocalServer::unusedPort();
        testsupport::WriteTestFile(programPath("MAIL.TXT"),
                                   testsupport::EncodeMailTxt({At(niemand, "club@example.test")}));
        LeesMailTxt(frmVeldom01());
        f.txtEMailAdres.SetText("speler@example.test");
        prompts->answer(vbOK).answer(vbOK);
        f.cmdOK.Click();
        QVERIFY2(prompts->last().text.startsWith("De test mail is NIET met succes verstuurd.\n\nHet bestand "
                                                 "MAIL.TXT bevat één provider."),
                 qPrintable(prompts->last().text));
        // With two providers the other one is the advice.
        testsupport::WriteTestFile(programPath("MAIL.TXT"),
                                   testsupport::EncodeMailTxt({At(niemand, "club@example.test"),
                                                               At(niemand, "twee@example.test")}));
        LeesMailTxt(frmVeldom01());
        prompts->answer(vbOK).answer(vbOK);
        f.cmdOK.Click();
        QCOMPARE(prompts->last().text,
                 QString("De test mail is NIET met succes verstuurd.\n\nProbeer de andere provider"));
    }

    void theSecondProviderSendsThroughItsOwnSettings() {
        frmVeldom18Form& f = Open();
        QVERIFY(!f.optProvider[1].Enabled());  // the file in place holds one provider
        DownloadGoed(f, "twee");
        QVERIFY(f.optProvider[1].Enabled());
        f.optProvider[1].userSelected();
        QCOMPARE(ReadProfileString(IniBestand, "Standaard", "provider"), QString("1"));
        f.txtEMailAdres.SetText("speler@example.test");
        const int n = VerstuurGoed(f);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(Mail(n, "env").startsWith("twee@example.test"));
    }

    void aFailedDownloadSaysSoKeepsTheFileAndCanBeTriedAgain_data() {
        QTest::addColumn<QString>("map");
        QTest::addColumn<QString>("reden");
        QTest::newRow("404") << "weg" << "Foutnummer: 404";
        QTest::newRow("damaged") << "lengte" << "Het gedownloade bestand is geen geldig MAIL.TXT.";
        QTest::newRow("no server") << "" << "Er is geen server ingesteld";
    }
    void aFailedDownloadSaysSoKeepsTheFileAndCanBeTriedAgain() {
        QFETCH(QString, map);
        QFETCH(QString, reden);
        frmVeldom18Form& f = Open();
        f.txtEMailAdres.SetText("speler@example.test");
        if (!map.isEmpty()) ZetServer(map);
        prompts->answer(vbOK);
        f.cmdDownLoad.Click();
        const QString tekst = prompts->last().text;
        // Trying again later is no use without a server.
        QVERIFY2(tekst.startsWith(map.isEmpty() ? "Heb MAIL.TXT niet kunnen downloaden.\n\n"
                                                : "Heb MAIL.TXT niet kunnen downloaden.\nprobeer het later nog een keer.\n\n"),
                 qPrintable(tekst));
        QVERIFY2(tekst.contains(reden), qPrintable(tekst));
        // No server hands out the file for this build: the box says how to make it.
        QVERIFY(tekst.endsWith("\nMaak MAIL.TXT met het commando scripts/make-mailtxt.sh (zie README) en start "
                               "het programma opnieuw.\nUw bestand MAIL.TXT is niet veranderd."));
        QCOMPARE(prompts->last().icon(), int(vbInformation));
        QCOMPARE(Huidig(), oud_);
        QVERIFY(f.cmdDownLoad.Enabled());
        // The old MAIL.TXT is still loaded and good: the test mail can still
        // go out with it.
        QVERIFY(!MailOnbruikbaar);
        QVERIFY(f.cmdOK.Enabled());
        QVERIFY(!f.MailTxtGedownload);
        // Another try works.
        DownloadGoed(f);
        QVERIFY(f.cmdOK.Enabled());
    }

    // --- the window: a MAIL.TXT put in place without a download -------------

    void aMailTxtWrittenByTheCommandAllowsATestMailWithoutDownload() {
        // As the MAIL.TXT writer command makes it, for the user's own
        // provider; no maker's server is set.
        EigenMailProvider eigen;
        eigen.server = "127.0.0.1";
        eigen.poort = sink_.port();
        eigen.beveiligd = false;
        eigen.afzender = "club@example.test";
        QByteArray bestand;
        QVERIFY(MaakEigenMailTxt(eigen, bestand));
        QVERIFY(SchrijfMailTxt(MailTxtBestand(), bestand));
        Unload(frmVeldom01());
        frmVeldom01().Show();
        QVERIFY(!MailOnbruikbaar);
        SchrijfIni("Standaard", "eigen e-mail adres", "speler@example.test", IniBestand);

        frmVeldom18Form& f = Open();
        QVERIFY(!f.MailTxtGedownload);
        QVERIFY(f.cmdOK.Enabled());  // the stored address is valid
        const int n = VerstuurGoed(f);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(Mail(n, "headers").contains("To: speler@example.test"));
        // The address rules still hold.
        f.txtEMailAdres.SetText("speler@example");
        QVERIFY(!f.cmdOK.Enabled());
        f.txtEMailAdres.SetText("ander@example.test");
        QVERIFY(f.cmdOK.Enabled());
    }

    void aDamagedMailTxtAllowsNoTestMail() {
        testsupport::WriteTestFile(programPath("MAIL.TXT"), "123456789012345\r\n");
        prompts->answer(vbOK);  // the main window's report of the damaged file
        LeesMailTxt(frmVeldom01());
        QVERIFY(MailOnbruikbaar);
        frmVeldom18Form& f = Open();
        f.txtEMailAdres.SetText("speler@example.test");
        QVERIFY(!f.cmdOK.Enabled());
        // A good download makes mail usable again.
        DownloadGoed(f);
        QVERIFY(f.cmdOK.Enabled());
    }

    // --- the window: the address ------------------------------------------

    void theAddressIsCheckedAtEveryChange() {
        frmVeldom18Form& f = Open();
        DownloadGoed(f);
        const int begin = prompts->count();
        prompts->answer(vbOK);
        f.txtEMailAdres.SetText("a@b@example.test");
        QCOMPARE(prompts->last().text, QString("Geen geldig emailadres.\nVerwijder \u00e9\u00e9n < @ >"));
        QVERIFY(!f.cmdOK.Enabled());
        prompts->answer(vbOK);
        f.txtEMailAdres.SetText("a..b@example.test");
        QCOMPARE(prompts->last().text, QString("Geen geldig emailadres.\nVerwijder \u00e9\u00e9n < . >"));
        prompts->answer(vbOK);
        f.txtEMailAdres.SetText("a..b@@example.test");  // both: only the "@" one
        QVERIFY(prompts->last().text.endsWith("< @ >"));
        QCOMPARE(prompts->count(), begin + 3);
        // Not an address: no message, but no sending either.
        for (const char* s : {"speler", "speler@example", "a<b@example.test", " @example.test"}) {
            f.txtEMailAdres.SetText(s);
            QVERIFY2(!f.cmdOK.Enabled(), s);
        }
        QCOMPARE(prompts->count(), begin + 3);
        f.txtEMailAdres.SetText(" speler@example.test ");
        QVERIFY(f.cmdOK.Enabled());
    }

    void aStoredOwnAddressIsShownAndCheckedAtOpening() {
        SchrijfIni("Standaard", "eigen e-mail adres", "ik@@example.test", IniBestand);
        prompts->answer(vbOK);
        frmVeldom18Form& f = Open();
        QCOMPARE(f.txtEMailAdres.Text(), QString("ik@@example.test"));
        QVERIFY(prompts->last().text.endsWith("< @ >"));
        QVERIFY(!f.cmdOK.Enabled());
    }

    void refusedCharactersNeverReachTheBox() {
        for (QChar c : QString("<>#%$*&:;\\/?,'[]=+~^(){}`\""))
            QVERIFY2(AdresTekenGeweigerd(c.unicode()), qPrintable(QString(c)));
        QVERIFY(AdresTekenGeweigerd(13));
        for (QChar c : QString("@.-_ aZ09\u00e9"))
            QVERIFY2(!AdresTekenGeweigerd(c.unicode()), qPrintable(QString(c)));
        frmVeldom18Form& f = Open();
        for (int k : {int('#'), int('<'), int('"'), 13}) {
            int ascii = k;
            f.txtEMailAdres_KeyPress(ascii);
            QCOMPARE(ascii, 0);
        }
        int letter = 'a';
        f.txtEMailAdres_KeyPress(letter);
        QCOMPARE(letter, int('a'));
    }

    void sendingChecksTheAddressAgain() {
        frmVeldom18Form& f = Open();
        DownloadGoed(f);
        f.txtEMailAdres.SetText("speler@example.test");
        QVERIFY(f.cmdOK.Enabled());
        // Text put in without a change event (as a paste the box could miss).
        f.txtEMailAdres.OnChange({});
        f.txtEMailAdres.SetText("speler@example.test\r\nBcc: x@example.test");
        const int voor = Mails();
        prompts->answer(vbOK);
        f.cmdOK.Click();
        QVERIFY(prompts->last().text.contains("is geen geldig e-mailadres."));
        QVERIFY(!f.cmdOK.Enabled());
        QTest::qWait(200);
        QCOMPARE(Mails(), voor);
    }

    void rulesOfTheSendButton() {
        QVERIFY(TestMailMogelijk(true, " a@example.test "));
        QVERIFY(!TestMailMogelijk(false, "a@example.test"));
        QVERIFY(!TestMailMogelijk(true, "a@example"));
        QVERIFY(!TestMailMogelijk(true, ""));
        QCOMPARE(AdresFoutVan("a@@b"), AdresFout::TweeApenstaartjes);
        QCOMPARE(AdresFoutVan("a..@@b"), AdresFout::TweeApenstaartjes);
        QCOMPARE(AdresFoutVan("a..b"), AdresFout::TweePunten);
        QCOMPARE(AdresFoutVan("a.b@c.d"), AdresFout::Geen);
    }

    void surfaceFillStopsAtOtherColours() {
        QImage beeld(20, 10, QImage::Format_ARGB32);
        beeld.fill(Qt::blue);
        for (int y = 0; y < 10; ++y) beeld.setPixel(10, y, qRgb(0, 0, 0));  // a wall
        beeld.setPixel(3, 3, qRgb(255, 0, 0));
        VulVlak(beeld, QPoint(2, 2), Qt::white);
        QCOMPARE(QColor(beeld.pixel(0, 0)), QColor(Qt::white));
        QCOMPARE(QColor(beeld.pixel(9, 9)), QColor(Qt::white));
        QCOMPARE(QColor(beeld.pixel(3, 3)), QColor(Qt::red));
        QCOMPARE(QColor(beeld.pixel(10, 5)), QColor(Qt::black));
        QCOMPARE(QColor(beeld.pixel(15, 5)), QColor(Qt::blue));
        VulVlak(beeld, QPoint(50, 50), Qt::green);  // outside: nothing
        QCOMPARE(QColor(beeld.pixel(15, 5)), QColor(Qt::blue));
    }

    // --- provider choice and closing -----------------------------------------

    void theProviderWrittenOnCloseIsTheOneChosenLast() {
        ZetMailTxt(2);
        SchrijfIni("Standaard", "provider", "1", IniBestand);
        frmVeldom18Form& f = Open();
        QVERIFY(f.optProvider[1].Value());
        f.optProvider[0].userSelected();
        QCOMPARE(ReadProfileString(IniBestand, "Standaard", "provider"), QString("0"));
        f.cmdTerug.Click();
        QCOMPARE(ReadProfileString(IniBestand, "Standaard", "provider"), QString("0"));
        QVERIFY(frmVeldom01().Enabled());
        QVERIFY(ReadProfileString(SchermIniBestand(), "frmVeldom18", "State").contains(','));
    }

    // With a MAIL.TXT of one provider (what the MAIL.TXT command writes)
    // only that provider is offered: a stored second provider moves to the
    // first at once, and the test mail goes out.
    void onlyTheProvidersOfTheFileAreOffered() {
        ZetMailTxt(1);
        SchrijfIni("Standaard", "provider", "1", IniBestand);
        SchrijfIni("Standaard", "eigen e-mail adres", "speler@example.test", IniBestand);
        frmVeldom18Form& f = Open();
        QVERIFY(f.optProvider[0].Value());
        QVERIFY(f.optProvider[0].Enabled());
        QVERIFY(!f.optProvider[1].Enabled());
        QCOMPARE(ReadProfileString(IniBestand, "Standaard", "provider"), QString("0"));
        const int n = VerstuurGoed(f);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(Mail(n, "env").startsWith("club@example.test"));
        // A file with two providers offers both again.
        DownloadGoed(f, "twee");
        QVERIFY(f.optProvider[1].Enabled());
        QVERIFY(f.optProvider[0].Value());
    }

    // Every other mail of the program, with the second provider stored and
    // a file of one provider, says what is wrong and where to change it.
    void aMissingSecondProviderIsNamedWhenMailIsSent() {
        ZetMailTxt(1);
        SchrijfIni("Standaard", "provider", "1", IniBestand);
        const int voor = Mails();
        prompts->answer(vbOK);
        MailFoutNummer = 0;
        VerstuurMail("eigen@example.test", "Onderwerp", "speler@example.test", "", "Hallo");
        QCOMPARE(prompts->last().text,
                 QString("Kan geen mail versturen: Provider 2 is gekozen, maar het bestand MAIL.TXT bevat alleen "
                         "Provider 1.\n\nKies Provider 1 in het venster \"Instellingen\" of in het venster "
                         "\"Download MAIL.TXT\"."));
        QVERIFY(MailFoutNummer != 0);
        QTest::qWait(100);
        QCOMPARE(Mails(), voor);
        // A damaged file is still reported as such.
        testsupport::WriteTestFile(programPath("MAIL.TXT"), "123456789012345\r\n");
        prompts->answer(vbOK).answer(vbOK);
        LeesMailTxt(frmVeldom01());
        VerstuurMail("eigen@example.test", "Onderwerp", "speler@example.test", "", "Hallo");
        QVERIFY(prompts->last().text.startsWith("Kan geen mail versturen.\nEr is iets mis met het bestand MAIL.TXT"));
    }

    // A provider click that cannot be stored says so and shows the provider
    // mail goes through; closing does not report it a second time.
    void aProviderThatCannotBeStoredIsReported() {
        ZetMailTxt(2);
        SchrijfIni("Standaard", "provider", "0", IniBestand);
        frmVeldom18Form& f = Open();
        QVERIFY(QFile::setPermissions(IniBestand, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const int begin = prompts->count();
        prompts->answer(vbOK);
        f.optProvider[1].userSelected();
        QCOMPARE(prompts->count(), begin + 1);
        QVERIFY(prompts->last().text.contains(IniBestand));
        QCOMPARE(prompts->last().icon(), int(vbExclamation));
        QVERIFY(f.optProvider[0].Value());
        f.cmdTerug.Click();
        QCOMPARE(prompts->count(), begin + 1);
        QCOMPARE(ReadProfileString(IniBestand, "Standaard", "provider"), QString("0"));
        QVERIFY(QFile::setPermissions(IniBestand, QFile::ReadOwner | QFile::WriteOwner));
    }

    void aStoredProviderOutsideTheFileSelectsTheFirst() {
        SchrijfIni("Standaard", "provider", "5", IniBestand);
        frmVeldom18Form& f = Open();
        QVERIFY(f.optProvider[0].Value());
        QCOMPARE(ReadProfileString(IniBestand, "Standaard", "provider"), QString("5"));
        Unload(f);
        QCOMPARE(ReadProfileString(IniBestand, "Standaard", "provider"), QString("0"));
    }

    void escAndCtrlF4CloseAndGiveTheMainWindowBack() {
        for (int toets : {int(vbKeyEscape), 115}) {
            frmVeldom18Form& f = Open();
            QVERIFY(!frmVeldom01().Enabled());
            int code = toets;
            f.Form_KeyUp(code, toets == 115 ? vbCtrlMask : 0);
            QVERIFY(!frmVeldom18_IsLoaded());
            QVERIFY(frmVeldom01().Enabled());
        }
        // F4 alone, or with Shift too, does nothing.
        frmVeldom18Form& f = Open();
        int f4 = 115;
        f.Form_KeyUp(f4, 0);
        f.Form_KeyUp(f4, vbCtrlMask | vbShiftMask);
        QVERIFY(frmVeldom18_IsLoaded());
    }

    void cleanupTestCase() {
        platform::SetTrustedCaFileForTests({});
        http_.stop();
        sink_.stop();
    }
};

QTEST_MAIN(TestFrmVeldom18)
#include "test_frmveldom18.moc"
