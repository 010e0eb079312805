// The e-mail-per-seat window against an SMTP sink on 127.0.0.1: every
// player of a group gets exactly the PDF of their seat, a refused recipient
// does not stop the rest, nothing goes out while anything is missing, the
// desktop address list, deleting group files and the hub.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "platform/Events.h"
#include "platform/Paths.h"
#include "players/frmVeldom10.h"
#include "shared/BasVeldom.h"
#include "support/ChildMain.h"
#include "support/LocalServer.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

const char* const kWindNaam[] = {"Noord", "Oost", "Zuid", "West"};

// Watches the window while it sends: between two mails the window runs
// pending events, and this timer notes each new progress caption and
// whether the window ever took input meanwhile.
class Meekijker {
public:
    explicit Meekijker(frmVeldom10Form& f) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this, &f] {
            if (!frmVeldom10_IsLoaded() || !f.picVerStuurDeMail.Visible()) return;
            if (f.Enabled()) invoerAan = true;
            const QString c = f.lblVerstuurDeMail.Caption();
            if (c.isEmpty()) return;  // before the first mail
            if (bijschriften.isEmpty() || bijschriften.last() != c) bijschriften << c;
        });
        timer_.start();
    }
    QStringList bijschriften;
    bool invoerAan = false;

private:
    QTimer timer_;
};

// A file of `bytes` bytes that takes no room on disk.
void IJlBestand(const QString& pad, qint64 bytes) {
    QDir().mkpath(QFileInfo(pad).path());
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(f.resize(bytes));
}

QByteArray PdfInhoud(int w) {
    return "%PDF-1.4\n% seat " + QByteArray::number(w) + "\n" + QByteArray(3000 + w * 111, char('a' + w)) + "\n%%EOF\n";
}

QString PaarRegel(int n, const QString& a, const QString& adresA, const QString& b, const QString& adresB) {
    return QStringLiteral("%1. %2|%3 - %4|%5").arg(n, 2, 10, QLatin1Char('0')).arg(a, adresA, b, adresB);
}

QString Adres(const QString& naam) { return naam.toLower() + "@example.test"; }

}  // namespace

class TestFrmVeldom10 : public QObject {
    Q_OBJECT

protected:
    QTemporaryDir spool_, bureau_;
    testsupport::LocalServer sink_;
    testsupport::VensterThuis home;
    std::unique_ptr<testsupport::PromptScript> prompts;
    QByteArray oudHome_;

    int Mails() const { return QDir(spool_.path()).entryList({"*.env"}).size(); }
    int Verbindingen() const { return testsupport::ReadTestFile(spool_.filePath("connections"), "0").trimmed().toInt(); }
    QByteArray Mail(int n, const QString& ext) const {
        return testsupport::ReadTestFile(spool_.filePath(QStringLiteral("mail-%1.%2").arg(n).arg(ext)));
    }
    void SchrijfGroep(const QString& naam, const QStringList& regels) {
        testsupport::WriteTestFile(home->file("groepen/" + naam + ".txt"), (regels.join("\r\n") + "\r\n").toLatin1());
    }
    // Eight pairs; the players of pair n are P<n>a and P<n>b.
    QStringList AchtParen() const {
        QStringList r;
        for (int n = 1; n <= 8; ++n) {
            const QString a = QStringLiteral("P%1a").arg(n), b = QStringLiteral("P%1b").arg(n);
            r << PaarRegel(n, a, Adres(a), b, Adres(b));
        }
        return r;
    }
    frmVeldom10Form& Open() {
        frmVeldom01().Show();
        DoEvents();
        frmVeldom01().cmdVerstuur.Click();
        DoEvents();
        [] { QVERIFY(frmVeldom10_IsLoaded()); }();
        return frmVeldom10();
    }
    // Chooses the seat PDFs Noord, Oost, Zuid, West and loads group `naam`.
    void Kies(frmVeldom10Form& f, const QString& groep) {
        for (int w = 0; w < 4; ++w) {
            const int i = f.comWind[w].Items().indexOf(kWindNaam[w]);
            QVERIFY(i >= 0);
            QVERIFY(!f.fraGroepBestanden.Enabled());
            f.comWind[w].SetListIndex(i);
        }
        QVERIFY(f.fraGroepBestanden.Enabled());
        const int g = f.lstGroepBestanden.Items().indexOf(groep);
        QVERIFY(g >= 0);
        f.lstGroepBestanden.SetListIndex(g);
        QVERIFY(f.cmdVerstuur.Enabled());
    }

private slots:
    void initTestCase() {
        QVERIFY2(sink_.start("smtp_sink_server.py", {spool_.path(), "--refuse", "weiger@example.test"}),
                 qPrintable(sink_.error()));
        oudHome_ = qgetenv("HOME");
    }
    void cleanupTestCase() { qputenv("HOME", oudHome_); }
    void init() {
        home.Begin({.mailTxt = false, .taal = 0});
        testsupport::MailTxtProvider p;
        p.port = QString::number(sink_.port());
        testsupport::WriteTestFile(home->file("MAIL.TXT"), testsupport::EncodeMailTxt({p}));
        for (int w = 0; w < 4; ++w) testsupport::WriteTestFile(home->file(QStringLiteral("pdf/%1.pdf").arg(kWindNaam[w])), PdfInhoud(w));
        testsupport::WriteTestFile(home->file("scorekaart.docx"), "PK\x03\x04 scorekaart");
        LeesInstellingen();
        TaalNummer = 10;
        SchrijfIni("Standaard", "eigen e-mail adres", "eigen@example.test", IniBestand);
        // The desktop is a folder of this test.
        qputenv("HOME", QFile::encodeName(bureau_.path()));
        qunsetenv("XDG_CONFIG_HOME");
        prompts = std::make_unique<testsupport::PromptScript>();
    }
    void cleanup() {
        home.Einde();
        prompts.reset();
        TaalNummer = 10;
    }

    void everyPlayerGetsTheirSeatsPdfInSeatOrder() {
        SchrijfGroep("Dinsdag", AchtParen());
        frmVeldom10Form& f = Open();
        QVERIFY(!frmVeldom01().Enabled());
        QCOMPARE(f.Caption(), QString("Verstuur PDF"));
        QCOMPARE(f.fraPdf.Caption(), QString("PDF Bestanden (4)"));
        QCOMPARE(f.comWind[2].Text(), QString("PDF Bestanden Zuid"));
        Kies(f, "Dinsdag");
        QCOMPARE(f.fraGroep.Caption(), QString("Groep (8)"));
        QCOMPARE(f.lstGroep.List(1), QString("02. P2a - P2b"));
        QCOMPARE(f.lstOost.Items(), (QStringList{"P2a|p2a@example.test", "P4a|p4a@example.test",
                                                 "P6a|p6a@example.test", "P8a|p8a@example.test"}));
        QCOMPARE(f.txtOnderwerp.Text(), QString("De spellen voor deze week"));
        // A line break in the subject makes one line; the body keeps its own.
        f.txtOnderwerp.SetText(QString::fromUtf8("Spellen één\r\nBcc: x@example.test"));
        f.txtBody.SetText(QString::fromUtf8("Beste spelers,\nveel plezier – tot dinsdag."));

        const int voor = Mails();
        const int verbindingenVoor = Verbindingen();
        prompts->answer(vbOK);
        Meekijker kijker(f);
        f.cmdVerstuur.Click();
        QCOMPARE(prompts->last().text, QString("Alle handen met succes verstuurd"));
        QTRY_COMPARE(Mails(), voor + 16);
        // The whole run went over one connection.
        QCOMPARE(Verbindingen(), verbindingenVoor + 1);
        // Each mail was announced with its place in the run, in seat order,
        // while the window took no input.
        QStringList verwacht;
        int nr = 0;
        for (const char* hand : {"a", "b"})
            for (int eerste : {1, 2})
                for (int paar = eerste; paar <= 8; paar += 2)
                    verwacht << QStringLiteral("Verstuur e-mail %1 van 16 naar:\nP%2%3").arg(++nr).arg(paar).arg(hand);
        QCOMPARE(kijker.bijschriften, verwacht);
        QVERIFY(!kijker.invoerAan);

        // North: pairs 1, 3, 5, 7 first players; East: 2, 4, 6, 8 first
        // players; South and West their partners.
        const QByteArray kaart = testsupport::ReadTestFile(home->file("scorekaart.docx"));
        int k = voor;
        for (int w = 0; w < 4; ++w)
            for (int paar = (w % 2 == 0 ? 1 : 2); paar <= 8; paar += 2) {
                ++k;
                const QString speler = QStringLiteral("p%1%2").arg(paar).arg(w < 2 ? "a" : "b");
                QCOMPARE(Mail(k, "env"), ("club@example.test\n" + speler + "@example.test").toLatin1());
                QCOMPARE(Mail(k, "att-0"), PdfInhoud(w));
                QCOMPARE(Mail(k, "att-1"), kaart);
                QCOMPARE(Mail(k, "names"), (QString(kWindNaam[w]) + ".pdf\nscorekaart.docx\n").toUtf8());
                const QString koppen = QString::fromUtf8(Mail(k, "headers"));
                QVERIFY2(koppen.contains(QString::fromUtf8("Subject: Spellen één Bcc: x@example.test\n")), qPrintable(koppen));
                QVERIFY(koppen.contains("Reply-To: eigen@example.test"));
                QVERIFY(!Mail(k, "env").contains("x@example.test"));
                QCOMPARE(QString::fromUtf8(Mail(k, "body")).replace("\r\n", "\n").trimmed(),
                         QString::fromUtf8("Beste spelers,\nveel plezier – tot dinsdag."));
            }
        // The send button waits for the next group; the window is usable again.
        QVERIFY(!f.cmdVerstuur.Enabled());
        QVERIFY(f.Enabled());
        QVERIFY(!f.picVerStuurDeMail.Visible());
        QVERIFY(!f.timPuntje.Enabled());
        QVERIFY(!frmVeldom01().Enabled());
        f.cmdTerug.Click();
        DoEvents();
        QVERIFY(!frmVeldom10_IsLoaded());
        QVERIFY(frmVeldom01().Enabled());
    }

    // Once the seats are chosen, Tab walks the window as it reads: the
    // send button after the subject and the text it sends.
    void tabReachesTheSendButtonAfterSubjectAndText() {
        SchrijfGroep("Dinsdag", AchtParen());
        frmVeldom10Form& f = Open();
        Kies(f, "Dinsdag");
        QStringList volgorde;
        for (platform::Control* c : f.TabOrder()) volgorde << c->Name();
        QCOMPARE(volgorde.mid(volgorde.indexOf("lstGroepBestanden")),
                 (QStringList{"lstGroepBestanden", "chkSorteer", "cmdWissen", "lstGroep", "txtOnderwerp", "txtBody",
                              "cmdVerstuur", "cmdTerug"}));
    }

    void refusedRecipientDoesNotStopTheSeatAndIsNamed() {
        // North: A ok, Weiger refused, C ok; East: no_replay; South: one
        // without an address, West: ok.
        SchrijfGroep("Fout", {PaarRegel(1, "A", Adres("A"), "S1", Adres("S1")),
                              PaarRegel(2, "Geen", "No_Replay@club.test", "W1", Adres("W1")),
                              PaarRegel(3, "Weiger", "weiger@example.test", "S2", ""),
                              PaarRegel(5, "C", Adres("C"), "S3", Adres("S3"))});
        frmVeldom10Form& f = Open();
        Kies(f, "Fout");
        const int voor = Mails();
        prompts->answer(vbOK);
        f.cmdVerstuur.Click();
        // One message for the whole run, after it.
        QCOMPARE(prompts->count(), 1);
        QCOMPARE(prompts->last().text,
                 QString("5 van de 8 e-mails zijn verstuurd.\nNiet verstuurd aan:\n"
                         "Weiger <weiger@example.test> (foutnummer 550, de mailserver antwoordde: 550 5.1.1 "
                         "<weiger@example.test>: Recipient address rejected)\n"
                         "S2 <> (geen geldig e-mailadres)\n"
                         "Geen <No_Replay@club.test> (no_replay adres)"));
        QCOMPARE(prompts->last().icon(), int(vbExclamation));
        QTRY_COMPARE(Mails(), voor + 5);
        QStringList aan;
        for (int k = voor + 1; k <= voor + 5; ++k) aan << QString::fromLatin1(Mail(k, "env")).section('\n', 1);
        QCOMPARE(aan, (QStringList{"a@example.test", "c@example.test", "s1@example.test", "s3@example.test",
                                   "w1@example.test"}));
        QVERIFY(f.Enabled());
    }

    void onlyNoReplaySkippedIsSuccessWithCount() {
        SchrijfGroep("Stil", {PaarRegel(1, "A", Adres("A"), "B", "NO_REPLAY@x.test"),
                              PaarRegel(2, "C", Adres("C"), "D", Adres("D"))});
        frmVeldom10Form& f = Open();
        Kies(f, "Stil");
        prompts->answer(vbOK);
        f.cmdVerstuur.Click();
        QCOMPARE(prompts->last().text, QString("Alle handen met succes verstuurd\n1 no_repaly adressen zijn niet verstuurd"));
    }

    void nothingGoesOutWhileAnythingIsMissing() {
        SchrijfGroep("Dinsdag", AchtParen());
        frmVeldom10Form& f = Open();
        Kies(f, "Dinsdag");
        // A typed text is no choice, an emptied PDF and a missing score card
        // are no attachments, and mail itself is unusable.
        f.comWind[1].userEdited("Oost.pdf");
        QCOMPARE(f.comWind[1].ListIndex(), -1);
        testsupport::WriteTestFile(home->file("pdf/Zuid.pdf"), "");
        MailOnbruikbaar = true;
        const int voor = Mails();
        prompts->answer(vbOK);
        f.cmdVerstuur.Click();
        MailOnbruikbaar = false;
        QCOMPARE(prompts->last().text,
                 "Er is niets verstuurd:\n\n"
                 "Er kan geen mail verstuurd worden: het bestand MAIL.TXT ontbreekt of is beschadigd.\n"
                 "Kies voor Oost een PDF bestand uit de lijst.\n"
                 "Het bestand " + home->file("pdf/Zuid.pdf") + " ontbreekt, is leeg of kan niet gelezen worden.");
        QTest::qWait(200);
        QCOMPARE(Mails(), voor);
        // Put right, the same group goes out without loading it again.
        QVERIFY(f.cmdVerstuur.Enabled());
        f.comWind[1].SetListIndex(f.comWind[1].Items().indexOf("Oost"));
        testsupport::WriteTestFile(home->file("pdf/Zuid.pdf"), PdfInhoud(2));
        prompts->answer(vbOK);
        f.cmdVerstuur.Click();
        QCOMPARE(prompts->last().text, QString("Alle handen met succes verstuurd"));
        QTRY_COMPARE(Mails(), voor + 16);
    }

    void aServerThatNeverAnswersCostsOneWaitAndEveryoneLeftIsNamed() {
        // The server takes the connection and never says a word.
        QTemporaryDir stilSpool;
        testsupport::LocalServer stil;
        QVERIFY(stil.start("smtp_sink_server.py", {stilSpool.path(), "--silent"}));
        testsupport::MailTxtProvider p;
        p.port = QString::number(stil.port());
        testsupport::WriteTestFile(home->file("MAIL.TXT"), testsupport::EncodeMailTxt({p}));
        SchrijfGroep("Dinsdag", AchtParen());
        frmVeldom10Form& f = Open();
        Kies(f, "Dinsdag");
        prompts->answer(vbOK);
        QElapsedTimer klok;
        klok.start();
        f.cmdVerstuur.Click();
        QVERIFY2(klok.elapsed() < 30000, qPrintable(QString::number(klok.elapsed())));
        // One connection was tried, and one message sums it up.
        QCOMPARE(testsupport::ReadTestFile(stilSpool.filePath("connections")), QByteArray("1\n"));
        QCOMPARE(prompts->count(), 1);
        QStringList niet;
        for (const char* hand : {"a", "b"})
            for (int eerste : {1, 2})
                for (int paar = eerste; paar <= 8; paar += 2) {
                    const QString wie = QStringLiteral("P%1%2 <p%1%2@example.test>").arg(paar).arg(hand);
                    niet << (niet.isEmpty() ? wie + " (foutnummer 28)" : wie + " (niet verstuurd: het versturen was gestopt)");
                }
        QCOMPARE(prompts->last().text,
                 "Time-out: de mailserver reageerde niet op tijd (foutnummer 28: server response timeout). De "
                 "e-mail is niet helemaal verstuurd.\nHet versturen is gestopt.\n\n0 van de 16 e-mails zijn verstuurd.\nNiet verstuurd aan:\n" +
                     niet.join('\n'));
        QCOMPARE(prompts->last().icon(), int(vbExclamation));
        QVERIFY(f.Enabled());
        QVERIFY(!f.picVerStuurDeMail.Visible());
    }

    // The server keeps the first mail and hangs up before it answers: that
    // player may have it, and the closing message says so instead of
    // giving an error number to resend by.
    void aMailThatMayHaveArrivedIsToldApart() {
        QTemporaryDir breekSpool;
        testsupport::LocalServer breekt;
        QVERIFY(breekt.start("smtp_sink_server.py", {breekSpool.path(), "--drop-after-data"}));
        testsupport::MailTxtProvider p;
        p.port = QString::number(breekt.port());
        testsupport::WriteTestFile(home->file("MAIL.TXT"), testsupport::EncodeMailTxt({p}));
        SchrijfGroep("Twee", {PaarRegel(1, "A", Adres("A"), "B", Adres("B")), PaarRegel(2, "C", Adres("C"), "D", Adres("D"))});
        frmVeldom10Form& f = Open();
        Kies(f, "Twee");
        prompts->answer(vbOK);
        f.cmdVerstuur.Click();
        QCOMPARE(prompts->count(), 1);
        const QString tekst = prompts->last().text;
        QVERIFY2(tekst.startsWith("De verbinding met de mailserver brak af nadat een e-mail helemaal verstuurd was"),
                 qPrintable(tekst));
        QVERIFY2(tekst.endsWith("0 van de 4 e-mails zijn verstuurd.\nNiet verstuurd aan:\n"
                                "A <a@example.test> (misschien aangekomen: de verbinding brak af nadat de e-mail "
                                "verstuurd was; vraag na of hij er is voor u hem opnieuw stuurt)\n"
                                "C <c@example.test> (niet verstuurd: het versturen was gestopt)\n"
                                "B <b@example.test> (niet verstuurd: het versturen was gestopt)\n"
                                "D <d@example.test> (niet verstuurd: het versturen was gestopt)"),
                 qPrintable(tekst));
        QTRY_VERIFY(QFile::exists(breekSpool.filePath("mail-1.env")));
    }

    void withoutAScoreCardThePdfsGoAloneAfterOneWord() {
        QFile::remove(home->file("scorekaart.docx"));
        SchrijfGroep("Klein", {PaarRegel(1, "A", Adres("A"), "B", Adres("B")), PaarRegel(2, "C", Adres("C"), "D", Adres("D"))});
        frmVeldom10Form& f = Open();
        Kies(f, "Klein");
        const int voor = Mails();
        prompts->answer(vbOK).answer(vbOK);
        f.cmdVerstuur.Click();
        QCOMPARE(prompts->count(), 2);
        QCOMPARE(prompts->prompts().at(0).text, "Er staat geen scorekaart in de programmamap (" +
                                                     home->file("scorekaart.docx") +
                                                     ").\nDe e-mails gaan zonder scorekaart.");
        QCOMPARE(prompts->prompts().at(0).icon(), int(vbInformation));
        QCOMPARE(prompts->last().text, QString("Alle handen met succes verstuurd"));
        QTRY_COMPARE(Mails(), voor + 4);
        for (int k = 1; k <= 4; ++k) {
            const int w = k - 1;  // one player per seat, in seat order
            QCOMPARE(Mail(voor + k, "names"), (QString(kWindNaam[w]) + ".pdf\n").toUtf8());
            QCOMPARE(Mail(voor + k, "att-0"), PdfInhoud(w));
        }
    }

    void aPdfTooLargeToMailIsCaughtBeforeAnythingGoes() {
        // Each alone fits; with the score card the South mail does not.
        IJlBestand(home->file("pdf/Zuid.pdf"), 20 * 1024 * 1024);
        IJlBestand(home->file("scorekaart.docx"), 6 * 1024 * 1024);
        SchrijfGroep("Dinsdag", AchtParen());
        frmVeldom10Form& f = Open();
        Kies(f, "Dinsdag");
        const int voor = Mails();
        prompts->answer(vbOK);
        f.cmdVerstuur.Click();
        QCOMPARE(prompts->last().text, "Er is niets verstuurd:\n\nDe e-mail met " + home->file("pdf/Zuid.pdf") +
                                           " wordt te groot: 26.0 MB, een e-mail kan ten hoogste 25 MB meenemen.");
        QTest::qWait(200);
        QCOMPARE(Mails(), voor);
        QVERIFY(f.cmdVerstuur.Enabled());
    }

    void theProgressSpeaksTheProgramsLanguage() {
        SchrijfIni("Taal", "nummer", "11", IniBestand);
        LeesInstellingen();
        SchrijfGroep("Klein", {PaarRegel(1, "A", Adres("A"), "B", Adres("B"))});
        frmVeldom10Form& f = Open();
        for (int w = 0; w < 4; ++w) f.comWind[w].SetListIndex(f.comWind[w].Items().indexOf(kWindNaam[w]));
        f.lstGroepBestanden.SetListIndex(0);
        prompts->answer(vbOK);
        Meekijker kijker(f);
        f.cmdVerstuur.Click();
        QCOMPARE(prompts->last().text, QString("All hands sent successfully"));
        QCOMPARE(kijker.bijschriften, (QStringList{"Sending e-mail 1 of 2 to:\nA", "Sending e-mail 2 of 2 to:\nB"}));
    }

    void desktopAddressListWithAnEmptySeat() {
        // One pair: East and West have nobody.
        SchrijfIni("Standaard", "eigen e-mail adres", "", IniBestand);
        SchrijfGroep("Klein", {PaarRegel(1, "A", Adres("A"), "B", "no_replay@x.test"), "", "02. |x@x.test - |"});
        frmVeldom10Form& f = Open();
        prompts->answer(vbOK);  // the skipped lines are reported
        for (int w = 0; w < 4; ++w) f.comWind[w].SetListIndex(f.comWind[w].Items().indexOf(kWindNaam[w]));
        f.lstGroepBestanden.SetListIndex(0);
        QCOMPARE(prompts->last().text, QString("2 regels van Klein.txt zijn overgeslagen: ze zijn leeg of hebben niet de vorm van een paar."));
        QCOMPARE(f.fraGroep.Caption(), QString("Groep (1)"));

        const int voor = Mails();
        prompts->answer(vbYes).answer(vbOK);
        f.cmdVerstuur.Click();
        QCOMPARE(prompts->prompts().at(1).text,
                 QString("Kan geen e-mailadres van u vinden.\nMoet ik de e-mailadressen op uw bureaublad plaatsen?"));
        QCOMPARE(prompts->last().text,
                 QString("Het bestand Klein.txt staat iop uw bureaublad\nEr is naar 1 no_replay adressen geen mail verstuurd"));
        const QString lijst = bureau_.filePath("Desktop/Klein.txt");
        const QString pdf = home->file("pdf/");
        const QByteArray verwacht = ("===== NOORD =====\r\na@example.test\r\n\r\n+++++ " + pdf + "Noord.pdf +++++\r\n\r\n\r\n"
                                     "===== ZUID =====\r\n\r\n\r\n+++++ " + pdf + "Zuid.pdf +++++\r\n\r\n\r\n"
                                     "===== OOST =====\r\n\r\n\r\n+++++ " + pdf + "Oost.pdf +++++\r\n\r\n\r\n"
                                     "===== WEST =====\r\n\r\n\r\n+++++ " + pdf + "West.pdf +++++\r\n\r\n\r\n").toLatin1();
        QCOMPARE(testsupport::ReadTestFile(lijst), verwacht);
        QCOMPARE(Mails(), voor);

        // A file of that name is kept unless the user says so.
        testsupport::WriteTestFile(lijst, "eigen aantekeningen");
        prompts->answer(vbOK).answer(vbYes).answer(vbNo);
        f.lstGroepBestanden.SetListIndex(-1);
        f.lstGroepBestanden.SetListIndex(0);
        f.cmdVerstuur.Click();
        QCOMPARE(prompts->last().text, QString("Het bestand Klein.txt bestaat al.\n\nHet bestand Klein.txt overschrijven?"));
        QCOMPARE(testsupport::ReadTestFile(lijst), QByteArray("eigen aantekeningen"));
        prompts->answer(vbOK).answer(vbYes).answer(vbYes).answer(vbOK);
        f.lstGroepBestanden.SetListIndex(-1);
        f.lstGroepBestanden.SetListIndex(0);
        f.cmdVerstuur.Click();
        QCOMPARE(testsupport::ReadTestFile(lijst), verwacht);
    }

    // A group file with a line that is no pair is read as the composer and
    // the results side read it: refused with the line, nobody is mailed.
    void aLineThatIsNoPairIsNamedAndNothingIsSent() {
        SchrijfGroep("Kapot", {PaarRegel(1, "A", Adres("A"), "B", Adres("B")), "02. A2",
                               PaarRegel(3, "C", Adres("C"), "D", Adres("D")),
                               PaarRegel(4, "E", Adres("E"), "F", Adres("F"))});
        frmVeldom10Form& f = Open();
        prompts->answer(vbOK);
        f.lstGroepBestanden.SetListIndex(0);
        QCOMPARE(prompts->count(), 1);
        QCOMPARE(prompts->last().text, QString("Het bestand Kapot.txt kan niet worden geopend: regel 2 is geen geldig paar."));
        QCOMPARE(f.lstGroep.ListCount(), 0);
        QVERIFY(!f.cmdVerstuur.Enabled());
    }

    void deleteOnlyWithASelectedGroupFile() {
        SchrijfGroep("Een", AchtParen());
        SchrijfGroep("Twee", AchtParen());
        frmVeldom10Form& f = Open();
        QCOMPARE(f.fraGroepBestanden.Caption(), QString("Groep bestanden (2)"));
        QVERIFY(!f.cmdWissen.Enabled());
        Kies(f, "Twee");
        QVERIFY(f.cmdWissen.Enabled());
        prompts->answer(vbNo);
        f.cmdWissen.Click();
        QCOMPARE(prompts->last().text, QString("Het bestand Twee.txt wissen.\n\nZeker weten?"));
        QVERIFY(QFile::exists(home->file("groepen/Twee.txt")));
        prompts->answer(vbYes);
        f.cmdWissen.Click();
        QVERIFY(!QFile::exists(home->file("groepen/Twee.txt")));
        QCOMPARE(f.lstGroepBestanden.Items(), QStringList{"Een"});
        QVERIFY(!f.cmdWissen.Enabled());
        QVERIFY(!f.cmdVerstuur.Enabled());
        QCOMPARE(f.lstGroep.ListCount(), 0);
    }

    void folderChoiceListsThePdfsOfTheChosenFolder() {
        testsupport::WriteTestFile(home->file("pdf/week 2/Mijn pdf spellen.pdf"), PdfInhoud(0));
        testsupport::WriteTestFile(home->file("pdf/week 2/x.y.pdf"), PdfInhoud(1));
        QDir().mkpath(home->file("pdf/leeg"));
        frmVeldom10Form& f = Open();
        const int pdf = f.dirPDF.ListIndex();
        QCOMPARE(f.dirPDF.Text(), home->file("pdf"));
        QCOMPARE(f.dirPDF.Items().mid(pdf + 1), (QStringList{home->file("pdf/leeg"), home->file("pdf/week 2")}));
        f.dirPDF.SetListIndex(pdf + 2);
        f.dirPDF_DblClick();
        QCOMPARE(f.comWind[0].Items(), (QStringList{"Mijn pdf spellen", "x.y"}));
        QCOMPARE(f.fraPdf.Caption(), QString("PDF Bestanden (2)"));
        LeesIni("Mappen", "PDF Map", IniBestand);
        QCOMPARE(IniWaarde, home->file("pdf/week 2"));
        // A name holding "pdf " is a file like any other.
        f.comWind[0].SetListIndex(0);
        QCOMPARE(f.GekozenPdf(0), home->file("pdf/week 2/Mijn pdf spellen.pdf"));
        QCOMPARE(f.GekozenPdf(1), QString());

        // Up, then into the empty folder: bare seat names, no count, and
        // the stored folder stays the last one with PDFs.
        f.cmdMapOmhoog.Click();
        QCOMPARE(f.comWind[3].Items().size(), 4);
        f.dirPDF.SetListIndex(f.dirPDF.ListIndex() + 1);
        f.dirPDF_DblClick();
        QCOMPARE(f.comWind[1].ListCount(), 0);
        QCOMPARE(f.comWind[1].Text(), QString("Oost"));
        QCOMPARE(f.fraPdf.Caption(), QString("PDF Bestanden"));
        LeesIni("Mappen", "PDF Map", IniBestand);
        QCOMPARE(IniWaarde, home->file("pdf"));
    }

    // The usual PDF folder has no sub-folders: the list still shows the
    // way to it, the folder itself selected under the count of its PDFs.
    // The mouse goes up by a double click on an ancestor, the keyboard by
    // the arrows and Enter, and back down the same way.
    void folderWithoutSubFoldersShowsTheWayToIt() {
        frmVeldom10Form& f = Open();
        QCOMPARE(f.fraPdf.Caption(), QString("PDF Bestanden (4)"));
        QCOMPARE(f.dirPDF.Text(), home->file("pdf"));
        QCOMPARE(f.dirPDF.ListCount(), f.dirPDF.ListIndex() + 1);
        QCOMPARE(f.dirPDF.List(0), QString("/"));

        auto* lijst = qobject_cast<QListWidget*>(f.dirPDF.widget());
        QVERIFY(lijst);
        QCOMPARE(lijst->currentItem()->text().trimmed(), QString("pdf"));
        const int boven = f.dirPDF.ListIndex() - 1;
        const QPoint plek = lijst->visualItemRect(lijst->item(boven)).center();
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, plek);
        QCOMPARE(f.dirPDF.Path(), home->file("pdf"));  // one click only chooses the row
        QTest::mouseDClick(lijst->viewport(), Qt::LeftButton, {}, plek);
        QCOMPARE(f.dirPDF.Path(), home->path());
        QCOMPARE(f.fraPdf.Caption(), QString("PDF Bestanden"));
        QCOMPARE(f.lblPdfMap.Caption(), home->path());

        f.dirPDF.SetFocus();
        for (int i = 0; i < 20 && f.dirPDF.Text() != home->file("pdf"); ++i) QTest::keyClick(lijst, Qt::Key_Down);
        QCOMPARE(f.dirPDF.Path(), home->path());  // moving the highlight goes nowhere
        QTest::keyClick(lijst, Qt::Key_Return);
        QCOMPARE(f.dirPDF.Path(), home->file("pdf"));
        QCOMPARE(f.fraPdf.Caption(), QString("PDF Bestanden (4)"));
        QTest::keyClick(lijst, Qt::Key_Up);
        QTest::keyClick(lijst, Qt::Key_Enter);
        QCOMPARE(f.dirPDF.Path(), home->path());
        QVERIFY(frmVeldom10_IsLoaded());
    }

    void storedFolderThatCannotBeMadeFallsBackToThePdfFolder() {
        frmVeldom01().Show();
        DoEvents();
        // A folder under a file can never be made.
        SchrijfIni("Mappen", "PDF Map", home->file("scorekaart.docx/oud"), IniBestand);
        frmVeldom10Form& f = Open();
        QCOMPARE(QDir(f.filPdf.Path()).canonicalPath(), QDir(home->file("pdf")).canonicalPath());
        QCOMPARE(f.comWind[0].ListCount(), 4);
    }

    void escapeClosesAndGivesTheMainWindowBack() {
        frmVeldom10Form& f = Open();
        int toets = vbKeyEscape;
        f.Form_KeyUp(toets, 0);
        DoEvents();
        QVERIFY(!frmVeldom10_IsLoaded());
        QVERIFY(frmVeldom01().Enabled());
    }

    void progressBlinkMovesAndStartsAgain() {
        frmVeldom10Form& f = Open();
        f.lblPuntje.SetCaption("* ");
        f.timPuntje_Timer();
        QCOMPARE(f.lblPuntje.Caption(), QString(" * "));
        for (int i = 2; i <= 24; ++i) f.timPuntje_Timer();
        QCOMPARE(f.lblPuntje.Caption(), QString(24, ' ') + "* ");
        f.timPuntje_Timer();
        QCOMPARE(f.lblPuntje.Caption(), QString("* "));
        QCOMPARE(f.PuntjeTeller, 1);
    }

};

// Pictures for the documentation, not a test: run with DROVIK_SCREENSHOTS
// naming a folder and "--child screenshots".
class KindFrmVeldom10 : public TestFrmVeldom10 {
    Q_OBJECT

private slots:
    // Pictures of the window ready to send and while sending, in both
    // languages, when DROVIK_SCREENSHOTS names a folder.
    void screenshots() {
        const QString map = qEnvironmentVariable("DROVIK_SCREENSHOTS");
        QVERIFY2(!map.isEmpty(), "DROVIK_SCREENSHOTS names no folder");
        SchrijfGroep("Dinsdag", AchtParen());
        QDir().mkpath(home->file("pdf/week 1"));
        QDir().mkpath(home->file("pdf/week 2"));
        for (int taal : {10, 11}) {
            SchrijfIni("Taal", "nummer", QString::number(taal), IniBestand);
            LeesInstellingen();
            frmVeldom10Form& f = Open();
            for (int w = 0; w < 4; ++w) f.comWind[w].SetListIndex(f.comWind[w].Items().indexOf(kWindNaam[w]));
            f.lstGroepBestanden.SetListIndex(0);
            f.txtBody.SetText("Beste spelers,\nveel plezier.");
            f.widget()->grab().save(QStringLiteral("%1/seatmail-%2-ready.png").arg(map).arg(taal));
            // The third mail going out.
            QTimer opname;
            opname.setInterval(0);
            QObject::connect(&opname, &QTimer::timeout, [&] {
                if (f.picVerStuurDeMail.Visible() && f.lblVerstuurDeMail.Caption().contains(" 3 ")) {
                    f.widget()->grab().save(QStringLiteral("%1/seatmail-%2-sending.png").arg(map).arg(taal));
                    opname.stop();
                }
            });
            opname.start();
            prompts->answer(vbOK);
            f.cmdVerstuur.Click();
            Unload(f);
            Unload(frmVeldom01());
            DoEvents();
        }
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QApplication, TestFrmVeldom10, KindFrmVeldom10)
#include "test_frmveldom10.moc"
