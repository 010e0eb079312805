// LeesMailTxt and VerstuurMail with the main window's provider lists and
// a sink server on 127.0.0.1.

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Paths.h"
#include "shared/Ini.h"
#include "shared/Mail.h"
#include "shared/Tekst.h"
#include "support/LocalServer.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using testsupport::EncodeMailTxt;
using testsupport::MailTxtProvider;

namespace {



MailTxtProvider At(int port, const QString& sender) {
    MailTxtProvider p;
    p.port = QString::number(port);
    p.sender = sender;
    p.senderName = "Club " + sender.left(sender.indexOf('@'));
    return p;
}

}  // namespace

class TestMail : public QObject {
    Q_OBJECT
    testsupport::TempHome home_;
    QTemporaryDir spool_;
    testsupport::LocalServer sink_;
    int sent_ = 0;

    void writeMailTxt(const QByteArray& content) { testsupport::WriteTestFile(platform::programPath("MAIL.TXT"), content); }
    void chooseProvider(const QString& p) {
        SchrijfIni("Standaard", "provider", p, platform::programPath("taal.ini"));
    }
    QString mail(int n, const QString& ext) const {
        return spool_.filePath(QStringLiteral("mail-%1.%2").arg(n).arg(ext));
    }
    QByteArray twoProviders() const {
        return EncodeMailTxt({At(sink_.port(), "eerste@example.test"),
                              At(sink_.port(), "tweede@example.test")});
    }
    void loadGood() {
        writeMailTxt(twoProviders());
        testsupport::PromptScript prompts;
        LeesMailTxt(frmVeldom01());
        QCOMPARE(prompts.count(), 0);
        QVERIFY(!MailOnbruikbaar);
    }

private slots:
    void initTestCase() {
        QVERIFY(sink_.start("smtp_sink_server.py",
                            {spool_.path(), "--refuse", "nobody@example.test"}));
        // The main window loads the providers at start-up.
        writeMailTxt(twoProviders());
        chooseProvider("1");
        testsupport::PromptScript prompts;
        prompts.discardRemaining();
        frmVeldom01();
        QVERIFY(!MailOnbruikbaar);
        prompts.discardRemaining();
    }

    void providerListsAreFilled() {
        loadGood();
        QVERIFY(frmVeldom01_IsLoaded());
        QCOMPARE(int(MailCodeerRegels().size()), 2);
        QCOMPARE(int(MailProviderLijst(0).size()), kProviderItems);
        QCOMPARE(MailProviderLijst(1).at(7), QString("tweede@example.test"));
        QCOMPARE(MailProviderLijst(1).at(2), QString::number(sink_.port()));
    }

    void sendsThroughTheChosenProvider() {
        loadGood();
        QTemporaryDir files;
        testsupport::WriteTestFile(files.filePath("a.pdf"), "%PDF a");
        testsupport::WriteTestFile(files.filePath("b.txt"), "b\r\n");
        testsupport::PromptScript prompts;
        VerstuurMail("eigen@example.test", "  Spellen  ", " speler@example.test ",
                     files.filePath("a.pdf") + ";" + files.filePath("b.txt") + ";", "  Hallo  ");
        QCOMPARE(MailFoutNummer, 0);
        QCOMPARE(prompts.count(), 0);
        const int n = ++sent_;
        QTRY_VERIFY(QFile::exists(mail(n, "env")));
        QCOMPARE(testsupport::ReadTestFile(mail(n, "env"), {}), QByteArray("tweede@example.test\nspeler@example.test"));
        const QString headers = QString::fromUtf8(testsupport::ReadTestFile(mail(n, "headers"), {}));
        QVERIFY2(headers.contains("From: Club tweede <tweede@example.test>"), qPrintable(headers));
        QVERIFY(headers.contains("To: speler@example.test"));
        QVERIFY(headers.contains("Reply-To: eigen@example.test"));
        QVERIFY(headers.contains("Subject: Spellen\n"));
        QCOMPARE(testsupport::ReadTestFile(mail(n, "body"), {}), QByteArray("Hallo"));
        QCOMPARE(testsupport::ReadTestFile(mail(n, "att-0"), {}), QByteArray("%PDF a"));
        QCOMPARE(testsupport::ReadTestFile(mail(n, "att-1"), {}), QByteArray("b\r\n"));
    }

    void refusedRecipientShowsNumberAndRecipientAsPassed() {
        loadGood();
        testsupport::PromptScript prompts;
        prompts.answer(platform::vbOK);
        VerstuurMail("eigen@example.test", "x", " nobody@example.test ", "", "x");
        QCOMPARE(MailFoutNummer, 550);
        QVERIFY(MailFoutTekst.contains("rejected"));
        QCOMPARE(prompts.last().text,
                 QString("Foutnummer: 550\nBij het versturen naar:  nobody@example.test \n\nDe mailserver "
                         "weigert het adres nobody@example.test (foutnummer 550) en antwoordt: 550 5.1.1 "
                         "<nobody@example.test>: Recipient address rejected"));
        QCOMPARE(prompts.last().icon(), 0);
        QCOMPARE(prompts.last().title, platform::ProgramTitle());
    }

    void noServerGivesANumber() {
        writeMailTxt(EncodeMailTxt({At(testsupport::LocalServer::unusedPort(), "a@example.test")}));
        chooseProvider("0");
        testsupport::PromptScript prompts;
        LeesMailTxt(frmVeldom01());
        prompts.answer(platform::vbOK);
        VerstuurMail("eigen@example.test", "x", "speler@example.test", "", "x");
        QVERIFY(MailFoutNummer != 0);
        QVERIFY(prompts.last().text.startsWith("Foutnummer: "));
        chooseProvider("1");
    }

    void damagedOrMissingFileStopsAllMail_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("firstLine");
        QByteArray bad = EncodeMailTxt({MailTxtProvider()});
        bad.insert(5, "x");
        QTest::newRow("damaged") << bad << "Het bestand MAIL.TXT is beschadigd.";
        QTest::newRow("empty") << QByteArray() << "Kan het bestand MAIL.TXT niet vinden.";
        QTest::newRow("missing") << QByteArray("-") << "Kan het bestand MAIL.TXT niet vinden.";
    }
    void damagedOrMissingFileStopsAllMail() {
        QFETCH(QByteArray, file);
        QFETCH(QString, firstLine);
        loadGood();
        testsupport::PromptScript prompts;
        prompts.answer(platform::vbOK);
        VerstuurMail("eigen@example.test", "x", "speler@example.test", "", "x");  // sent: 0
        QCOMPARE(MailFoutNummer, 0);
        ++sent_;
        if (file == "-")
            QFile::remove(platform::programPath("MAIL.TXT"));
        else
            writeMailTxt(file);
        frmVeldom01Form& w = frmVeldom01();
        LeesMailTxt(w);
        QVERIFY(MailOnbruikbaar);
        QCOMPARE(int(MailCodeerRegels().size()), 0);
        QCOMPARE(int(MailProviderLijst(1).size()), 0);
        QCOMPARE(prompts.last().icon(), int(platform::vbCritical));
        QCOMPARE(prompts.last().title, w.Caption());
        // This build has no support address to write to: the message says
        // how to make the file.
        QCOMPARE(prompts.last().text,
                 firstLine + "\n\nMaak MAIL.TXT met het commando scripts/make-mailtxt.sh (zie README) "
                             "en start het programma opnieuw.\n\nU kunt geen mail vesturen met het programma.");

        prompts.answer(platform::vbOK);
        VerstuurMail("eigen@example.test", "x", "speler@example.test", "", "x");
        QCOMPARE(MailFoutNummer, kMailGeenProvider);  // not the 0 of the mail before
        QCOMPARE(prompts.last().title, QString("Mail"));
        QCOMPARE(prompts.last().icon(), int(platform::vbInformation));
        QCOMPARE(prompts.last().text, QString("Kan geen mail versturen.\nEr is iets mis met het bestand MAIL.TXT\n\n"
                                              "Maak MAIL.TXT met het commando scripts/make-mailtxt.sh (zie README) "
                                              "en start het programma opnieuw."));
        QTest::qWait(100);
        QVERIFY(!QFile::exists(mail(sent_ + 1, "env")));

        loadGood();  // a good file makes mail possible again
    }

    void theMailTxtMessagesSpeakEnglishInEnglish() {
        TaalNummer = 11;
        QCOMPARE(MailTxtMelding(MailTxtStaat::Ontbreekt),
                 QString("Cannot find the file MAIL.TXT.\n\nCreate MAIL.TXT with the command "
                         "scripts/make-mailtxt.sh (see README) and start the program again.\n\n"
                         "You cannot send mail with the program."));
        QVERIFY(MailOnbruikbaarMelding().startsWith("Cannot send mail.\nSomething is wrong with the file MAIL.TXT\n\n"));
        TaalNummer = 10;
        QVERIFY(MailTxtMelding(MailTxtStaat::Beschadigd).startsWith("Het bestand MAIL.TXT is beschadigd.\n"));
    }

    // A run stops at the first failure of the server itself: the mails
    // after it are not tried (the busy server counts every attempt), and
    // each leaves the stopping number. A refused recipient does not stop it.
    void aRunStopsOnceWhenTheServerRefusesTheSession() {
        QTemporaryDir spool;
        testsupport::LocalServer busy;
        QVERIFY(busy.start("smtp_sink_server.py", {spool.path(), "--busy"}));
        writeMailTxt(EncodeMailTxt({At(busy.port(), "a@example.test")}));
        chooseProvider("0");
        testsupport::PromptScript prompts;  // a run shows no message of its own
        LeesMailTxt(frmVeldom01());
        {
            MailReeks reeks;
            QVERIFY(reeks.Bruikbaar());
            QVERIFY(!reeks.Verstuur("eigen@example.test", "x", "een@example.test", "", "x"));
            QCOMPARE(MailFoutNummer, 421);
            QVERIFY(reeks.Gestopt());
            MailFoutNummer = 0;
            QVERIFY(!reeks.Verstuur("eigen@example.test", "x", "twee@example.test", "", "x"));
            QCOMPARE(MailFoutNummer, 421);  // not tried, and never reads as sent
        }
        QCOMPARE(testsupport::ReadTestFile(spool.filePath("connections")), QByteArray("1\n"));

        loadGood();
        chooseProvider("1");
        MailReeks reeks;
        QVERIFY(!reeks.Verstuur("eigen@example.test", "x", "nobody@example.test", "", "x"));
        QCOMPARE(MailFoutNummer, 550);
        QVERIFY(!reeks.Gestopt());
        QVERIFY(reeks.Verstuur("eigen@example.test", "x", "speler@example.test", "", "x"));
        ++sent_;
        QTRY_VERIFY(QFile::exists(mail(sent_, "env")));
        QCOMPARE(prompts.count(), 0);
    }

    // A run stopped by the secure connection says what went wrong with it,
    // not that the server cannot be reached.
    void aFailingSecureConnectionIsNamed_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("melding");
        QTest::newRow("no STARTTLS offered")
            << "plain" << "De mailserver biedt geen beveiligde verbinding (STARTTLS) aan (foutnummer 64).";
        QTest::newRow("certificate does not verify")
            << "certificate"
            << "Het certificaat van de mailserver is niet te controleren (foutnummer 60: SSL certificate "
               "problem: self-signed certificate): de verbinding zou niet veilig zijn.";
        QTest::newRow("STARTTLS refused")
            << "refuse" << "De mailserver weigert de beveiligde verbinding (STARTTLS) (foutnummer 454).";
    }
    void aFailingSecureConnectionIsNamed() {
        QFETCH(QString, server);
        QFETCH(QString, melding);
        QTemporaryDir spool;
        testsupport::LocalServer s;
        if (server == "plain")
            QVERIFY(s.start("smtp_sink_server.py", {spool.path()}));
        else
            // A throwaway certificate that no one trusts.
            QVERIFY2(s.startTls("smtp_sink_server.py",
                                server == "refuse" ? QStringList{spool.path(), "--refuse-starttls"}
                                                   : QStringList{spool.path()}),
                     qPrintable(s.error()));
        MailTxtProvider p = At(s.port(), "a@example.test");
        p.secure = "True";
        writeMailTxt(EncodeMailTxt({p}));
        chooseProvider("0");
        testsupport::PromptScript prompts;
        LeesMailTxt(frmVeldom01());
        MailReeks reeks;
        QVERIFY(!reeks.Verstuur("eigen@example.test", "x", "een@example.test", "", "x"));
        QVERIFY(reeks.Gestopt());
        QVERIFY(!reeks.MogelijkAangekomen());
        QCOMPARE(reeks.StopMelding(), melding + "|Het versturen is gestopt.");
        QCOMPARE(prompts.count(), 0);
        // The single mail (the test mail of the e-mail setup) says it too.
        prompts.answer(platform::vbOK);
        VerstuurMail("eigen@example.test", "x", "twee@example.test", "", "x");
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, "Foutnummer: " + QString::number(MailFoutNummer) +
                                          "\nBij het versturen naar: twee@example.test\n\n" + melding);
        QTest::qWait(100);
        QVERIFY(!QFile::exists(spool.filePath("mail-1.env")));
    }

    void chosenProviderOutsideTheList_data() {
        QTest::addColumn<QString>("choice");
        QTest::newRow("second of one") << "1";
        QTest::newRow("seven") << "7";
        QTest::newRow("negative") << "-1";
    }
    void chosenProviderOutsideTheList() {
        QFETCH(QString, choice);
        writeMailTxt(EncodeMailTxt({At(sink_.port(), "eerste@example.test")}));
        testsupport::PromptScript prompts;
        LeesMailTxt(frmVeldom01());
        QVERIFY(!MailOnbruikbaar);
        chooseProvider(choice);
        prompts.answer(platform::vbOK);
        VerstuurMail("eigen@example.test", "x", "speler@example.test", "", "x");
        QCOMPARE(MailFoutNummer, kMailGeenProvider);
        QCOMPARE(prompts.last().title, QString("Mail"));
        chooseProvider("1");
    }

    void attachmentsAreThePartsBeforeEachSemicolon() {
        QCOMPARE(MailBijlagen(""), QStringList());
        QCOMPARE(MailBijlagen("/a/b.pdf"), QStringList());
        QCOMPARE(MailBijlagen("/a/b.pdf;"), QStringList{"/a/b.pdf"});
        QCOMPARE(MailBijlagen("/a;/b;"), (QStringList{"/a", "/b"}));
        QCOMPARE(MailBijlagen("/a;/b"), QStringList{"/a"});
    }

    // Attachments go through the program-folder resolver like every path:
    // "\" separates and "pdf" finds the folder "PDF".
    void attachmentPathsAreResolvedInTheProgramFolder() {
        loadGood();
        testsupport::WriteTestFile(home_.file("PDF/Noord.pdf"), "%PDF noord");
        const QString pad = home_.path() + "\\pdf\\noord.PDF";
        const platform::MailMessage m = MaakMailBericht({}, "", "", "a@example.test", pad + ";", "");
        QCOMPARE(m.attachments, QStringList{home_.file("PDF/Noord.pdf")});
        testsupport::PromptScript prompts;
        VerstuurMail("eigen@example.test", "Spellen", "speler@example.test", pad + ";", "x");
        QCOMPARE(MailFoutNummer, 0);
        const int n = ++sent_;
        QTRY_VERIFY(QFile::exists(mail(n, "env")));
        QCOMPARE(testsupport::ReadTestFile(mail(n, "att-0"), {}), QByteArray("%PDF noord"));
    }

    void lineBreakInSubjectSendsNothing() {
        loadGood();
        testsupport::PromptScript prompts;
        prompts.answer(platform::vbOK);
        VerstuurMail("eigen@example.test", "x\r\nBcc: victim@example.test", "speler@example.test", "", "x");
        QCOMPARE(MailFoutNummer, platform::kMailBadHeader);
        QTest::qWait(100);
        QVERIFY(!QFile::exists(mail(sent_ + 1, "env")));
    }
};

QTEST_MAIN(TestMail)
#include "test_mail.moc"
