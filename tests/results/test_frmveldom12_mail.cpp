// The results mail of the overview window against an SMTP sink on
// 127.0.0.1: while it goes out, Esc, the close box and the back button
// leave the window (and the mailing) alone; the run goes over one
// connection and shows which mail of how many is going out.
#include <QtTest>

#include <QApplication>
#include <QDir>
#include <QTimer>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "results/frmVeldom12.h"
#include "results/WedstrijdBestanden.h"
#include "shared/BasVeldom.h"
#include "support/ChildMain.h"
#include "support/LocalServer.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace uitslag;
using testsupport::PromptScript;
using testsupport::ReadTestFile;
using testsupport::WriteTestFile;

namespace {

const QString W = QStringLiteral("Clubavond");

void MaakWedstrijd() {
    const QStringList paren{"01. Jan - Zoe", "02. Anna - Bram", "03. Cees - Dirk", "04. Els - Frank"};
    QVERIFY(SchrijfParen(W, paren));
    QVERIFY(SchrijfSpellenAantal(W, 1));
    QVERIFY(SchrijfKlaar(W, "1"));
    std::vector<QStringList> grid{{"", "1"}};
    const QStringList mp{"3", "2", "1", "0"};
    for (int p = 0; p < 4; ++p) grid.push_back({paren[p], mp[p]});
    grid.push_back({"", ""});
    QVERIFY(SchrijfOverzicht(W, grid));
    WriteTestFile(platform::programPath("resultaten/" + W + "/" + W + " mail.txt"),
                  "01. Jan|jan@example.test - Zoe|zoe@example.test\r\n"
                  "02. Anna|anna@example.test - Bram|bram@example.test\r\n"
                  "03. Cees|cees@example.test - Dirk|dirk@example.test\r\n"
                  "04. Els|els@example.test - Frank|frank@example.test\r\n");
}

// The lines of players not tried after a stop, in the order of the list.
QString NietGeprobeerd(const QStringList& namen) {
    QStringList regels;
    for (const QString& n : namen)
        regels << n + " <" + n.toLower() + "@example.test> (niet verstuurd: het versturen was gestopt)";
    return regels.join('\n');
}

}  // namespace

class TestFrmVeldom12Mail : public QObject {
    Q_OBJECT

protected:
    testsupport::VensterThuis home;
    QTemporaryDir spool_;
    testsupport::LocalServer sink_;
    int gesloten = 0;

    int Mails() const { return QDir(spool_.path()).entryList({"*.env"}).size(); }
    int Verbindingen() const { return ReadTestFile(spool_.filePath("connections"), "0").trimmed().toInt(); }

    // Sends the result of the match through `server` (the provider file is
    // written for it), answering the failed mail's box and the closing one.
    void VerstuurVia(const testsupport::LocalServer& server, PromptScript& prompts) {
        testsupport::MailTxtProvider p;
        p.port = QString::number(server.port());
        WriteTestFile(platform::programPath("MAIL.TXT"), testsupport::EncodeMailTxt({p}));
        {
            PromptScript stil;
            stil.setReportToTest(false);
            LeesMailTxt(frmVeldom01());
        }
        QVERIFY(ToonUitslagOverzicht(W, [] {}));
        prompts.answer(platform::vbOK).answer(platform::vbOK);
        frmVeldom12().cmdVerstuur.Click();
    }

private slots:
    void initTestCase() {
        platform::SetupApplication(*qApp);
        QVERIFY(sink_.start("smtp_sink_server.py", {spool_.path()}));
    }
    void init() {
        home.Begin({.mailTxt = false});
        InternetAanwezig = true;
        EigenaarNaam = "Bridgeclub Oost";
        gesloten = 0;
        MaakWedstrijd();
        testsupport::MailTxtProvider p;
        p.port = QString::number(sink_.port());
        WriteTestFile(platform::programPath("MAIL.TXT"), testsupport::EncodeMailTxt({p}));
        SchrijfIni("Standaard", "provider", "0", platform::programPath("taal.ini"));
        PromptScript stil;
        stil.setReportToTest(false);
        frmVeldom01();
        QVERIFY(!MailOnbruikbaar);
        EigenEmailAdres = "wedstrijdleider@example.test";
    }
    void cleanup() {
        home.Einde();
    }

    void escapeAndCloseWhileSendingLeaveTheRunAlone() {
        QVERIFY(ToonUitslagOverzicht(W, [this] { ++gesloten; }));
        frmVeldom12Form& f = frmVeldom12();
        const int voor = Mails();
        const int verbindingenVoor = Verbindingen();
        PromptScript prompts;
        prompts.answer(platform::vbOK);

        // At the first pause between two mails the user presses Esc, clicks
        // the close box and the back button, and the Esc handler runs.
        QStringList bijschriften;
        bool geprobeerd = false, invoerAan = false;
        QTimer gebruiker;
        gebruiker.setInterval(0);
        QObject::connect(&gebruiker, &QTimer::timeout, [&] {
            if (!frmVeldom12_IsLoaded() || !f.picVerStuurDeMail.Visible()) return;
            if (!f.lblVerstuurDeMail.Caption().isEmpty() &&
                (bijschriften.isEmpty() || bijschriften.last() != f.lblVerstuurDeMail.Caption()))
                bijschriften << f.lblVerstuurDeMail.Caption();
            if (f.Enabled()) invoerAan = true;
            if (geprobeerd) return;
            geprobeerd = true;
            QTest::keyClick(f.widget(), Qt::Key_Escape);
            f.widget()->close();
            f.cmdTerug.Click();
            int toets = platform::vbKeyEscape;
            f.Form_KeyUp(toets, 0);
        });
        gebruiker.start();
        f.cmdVerstuur.Click();
        gebruiker.stop();

        QVERIFY(geprobeerd);
        QVERIFY(frmVeldom12_IsLoaded());
        QCOMPARE(gesloten, 0);
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, QString("Uitslag met succes verstuurd"));
        QTRY_COMPARE(Mails(), voor + 8);
        QCOMPARE(Verbindingen(), verbindingenVoor + 1);
        QVERIFY(!invoerAan);
        QCOMPARE(bijschriften.size(), 8);
        QCOMPARE(bijschriften.first(), QString("Verstuur e-mail 1 van 8 naar:\nzoe@example.test"));
        QCOMPARE(bijschriften.last(), QString("Verstuur e-mail 8 van 8 naar:\nels@example.test"));

        // The run is over: the window takes input again and Esc closes it.
        QVERIFY(f.Enabled());
        QVERIFY(!f.picVerStuurDeMail.Visible());
        int toets = platform::vbKeyEscape;
        f.Form_KeyUp(toets, 0);
        platform::DoEvents();
        QVERIFY(!frmVeldom12_IsLoaded());
        QCOMPARE(gesloten, 1);
    }

    void aServerThatRefusesTheSessionIsNamedAsTheReason() {
        QTemporaryDir spool;
        testsupport::LocalServer bezet;
        QVERIFY(bezet.start("smtp_sink_server.py", {spool.path(), "--busy"}));
        PromptScript prompts;
        VerstuurVia(bezet, prompts);
        QCOMPARE(prompts.count(), 2);
        QCOMPARE(prompts.last().text,
                 QString("De mailserver weigert (foutnummer 421) en antwoordt: 421 4.3.2 Service not available\n"
                         "Het versturen is gestopt.\n\n"
                         "0 van de 8 e-mails zijn verstuurd.\nNiet verstuurd aan:\n"
                         "Zoe <zoe@example.test> (foutnummer 421, de mailserver antwoordde: 421 4.3.2 Service "
                         "not available)\n") +
                     NietGeprobeerd({"Jan", "Bram", "Anna", "Dirk", "Cees", "Frank", "Els"}));
        QCOMPARE(ReadTestFile(spool.filePath("connections")), QByteArray("1\n"));
    }

    // The server takes the first mail and hangs up before it answers: that
    // mail is reported as possibly delivered, so that nobody sends it again
    // unasked, and everyone after it is named.
    void aConnectionBrokenAfterTheDataMayHaveDelivered() {
        QTemporaryDir spool;
        testsupport::LocalServer breekt;
        QVERIFY(breekt.start("smtp_sink_server.py", {spool.path(), "--drop-after-data"}));
        TaalNummer = 11;
        PromptScript prompts;
        VerstuurVia(breekt, prompts);
        TaalNummer = 10;
        QCOMPARE(prompts.count(), 2);
        const QString tekst = prompts.last().text;
        QVERIFY2(tekst.startsWith("The connection to the mail server broke after an e-mail had been sent in full "
                                  "(error number "),
                 qPrintable(tekst));
        QVERIFY2(tekst.contains(").\nSending has stopped.\n\n0 of the 8 e-mails were sent.\nNot sent to:\n"
                                "Zoe <zoe@example.test> (possibly delivered: the connection broke after the "
                                "e-mail had been sent; check whether it arrived before sending it again)\n"
                                "Jan <jan@example.test> (not sent: sending had stopped)\n"),
                 qPrintable(tekst));
        QVERIFY(tekst.endsWith("Els <els@example.test> (not sent: sending had stopped)"));
        QTRY_VERIFY(QFile::exists(spool.filePath("mail-1.env")));
        QVERIFY(!QFile::exists(spool.filePath("mail-2.env")));
    }

};

// Pictures for the documentation, not a test: run with DROVIK_SCREENSHOTS
// naming a folder and "--child screenshots".
class KindFrmVeldom12Mail : public TestFrmVeldom12Mail {
    Q_OBJECT

private slots:
    // Pictures of the window while the results mail goes out, in both
    // languages, when DROVIK_SCREENSHOTS names a folder.
    void screenshots() {
        const QString map = qEnvironmentVariable("DROVIK_SCREENSHOTS");
        QVERIFY2(!map.isEmpty(), "DROVIK_SCREENSHOTS names no folder");
        for (int taal : {10, 11}) {
            TaalNummer = taal;
            QVERIFY(ToonUitslagOverzicht(W, [] {}));
            frmVeldom12Form& f = frmVeldom12();
            QTimer opname;
            opname.setInterval(0);
            QObject::connect(&opname, &QTimer::timeout, [&] {
                if (f.picVerStuurDeMail.Visible() && f.lblVerstuurDeMail.Caption().contains(" 3 ")) {
                    f.widget()->grab().save(QStringLiteral("%1/resultsmail-%2-sending.png").arg(map).arg(taal));
                    opname.stop();
                }
            });
            opname.start();
            PromptScript prompts;
            prompts.answer(platform::vbOK);
            f.cmdVerstuur.Click();
            Unload(f);
            platform::DoEvents();
        }
        TaalNummer = 10;
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QApplication, TestFrmVeldom12Mail, KindFrmVeldom12Mail)
#include "test_frmveldom12_mail.moc"
