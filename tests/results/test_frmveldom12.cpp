// The results overview window, opened on a match folder prepared with the
// match file writers: the table, the two list forms, printing (recording
// printer and the built-in PDF printer), the results mail to an SMTP sink,
// the desktop address list and the export.
#include <QtTest>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QRegularExpression>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Desktop.h"
#include "platform/Printer.h"
#include "results/frmVeldom12.h"
#include "results/WedstrijdBestanden.h"
#include "shared/BasVeldom.h"
#include "support/LocalServer.h"
#include "support/MailTxtFixture.h"
#include "support/PrintTestSupport.h"
#include "support/PromptScript.h"
#include "support/RecordingPrinter.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace uitslag;
using testsupport::PromptScript;
using testsupport::ReadTestFile;
using testsupport::WriteTestFile;

namespace {

const QString W = QStringLiteral("Clubavond");

// Eight pairs, names with "&", "<" and accented letters.
const QStringList Paren{"01. Jan & Piet - Zoë Dekker",  "02. Anna <A> - Bram Één",
                        "03. Cees - Dirk",             "04. Els - Frank",
                        "05. Gerda - Hans",            "06. Ida - Joop",
                        "07. Karel - Lies",            "08. Marie-Thérèse - Noor"};
// Matchpoints per pair on three boards (top 6).
const std::vector<QStringList> Mp{{"6", "5", "4"}, {"4", "3", "4"}, {"2", "3", "3"}, {"3", "2", "3"},
                                  {"1", "2", "1.5"}, {"0", "1", "2"}, {"5", "6", "n"}, {"3", "2", "0.5"}};

void MaakWedstrijd(bool metMail = true) {
    QVERIFY(SchrijfParen(W, Paren));
    QVERIFY(SchrijfSpellenAantal(W, 3));
    QVERIFY(SchrijfKlaar(W, "111"));
    std::vector<QStringList> grid{{"", "1", "2", "3"}};
    for (int p = 0; p < 8; ++p) grid.push_back(QStringList{Paren[p]} + Mp[p]);
    grid.push_back({"", "", "", ""});
    QVERIFY(SchrijfOverzicht(W, grid));
    if (metMail)
        WriteTestFile(platform::programPath("resultaten/" + W + "/" + W + " mail.txt"),
                      "01. Jan|jan@example.test - Zo\xeb|zoe@example.test\r\n"
                      "02. Anna|NO_REPLY@example.test - Bram|\r\n"
                      "03. Cees|cees@example.test - Dirk|dirk@example.test\r\n");
    const QString alfabet = TaalTekst(141);
    QVERIFY(BewaarSpel(W, 1, {{"1 - 2", "3S=", "", "140", "-140", "6", "0"}}, alfabet, false));
}

QStringList Kolom(platform::Grid& g, int c) {
    QStringList s;
    for (int r = 0; r < g.Rows(); ++r) s << g.TextMatrix(r, c);
    return s;
}

testsupport::MailTxtProvider Bij(int poort) {
    testsupport::MailTxtProvider p;
    p.port = QString::number(poort);
    p.sender = "club@example.test";
    return p;
}

QString Vandaag() {
    return QDate::currentDate().toString(TaalNummer == 10 ? "dd-MM-yyyy" : "yyyy-MM-dd");
}

}  // namespace

class TestFrmVeldom12 : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;
    std::unique_ptr<PromptScript> prompts;
    QTemporaryDir spool_, thuis_;
    testsupport::LocalServer sink_;
    int gesloten = 0;

    bool Open() { return ToonUitslagOverzicht(W, [this] { ++gesloten; }); }
    int Mails() const { return QDir(spool_.path()).entryList({"*.env"}).size(); }
    QString Mail(int n, const QString& ext) const {
        return spool_.filePath(QStringLiteral("mail-%1.%2").arg(n).arg(ext));
    }

private slots:
    void initTestCase() {
        platform::SetupApplication(*qApp);
        QVERIFY(sink_.start("smtp_sink_server.py", {spool_.path(), "--refuse", "nobody@example.test"}));
        qputenv("HOME", thuis_.path().toUtf8());
    }
    void init() {
        home.Begin({.mailTxt = false});
        InternetAanwezig = true;
        CvnMap.clear();
        CvnSerie.clear();
        EigenEmailAdres.clear();
        EigenaarNaam = "Bridgeclub Oost";
        gesloten = 0;
        prompts = std::make_unique<PromptScript>();
        MaakWedstrijd();
    }
    void cleanup() {
        home.Einde();
        platform::SetPrinterOverride(nullptr);
        prompts.reset();
    }
    void cleanupTestCase() { sink_.stop(); }

    void opensOnTheMatchFolder() {
        QVERIFY(Open());
        auto& f = frmVeldom12();
        QCOMPARE(f.Caption(), "Uitslag: Clubavond - Gecreëerd op " + Vandaag() + " door Bridgeclub Oost");
        QCOMPARE(SessieNaam, W);
        auto& g = f.msfgResultaat;
        QCOMPARE(g.Rows(), 9);
        QCOMPARE(g.Cols(), 4);
        QCOMPARE(Kolom(g, 0), QStringList({"Rang", "1", "2", "3", "(4)", "(4)", "6", "7", "8"}));
        // Pair 7 played two boards: 11 of 12 = 91.67%, above pair 1's 15 of 18.
        QCOMPARE(g.TextMatrix(1, 1), Paren[6]);
        QCOMPARE(g.TextMatrix(1, 2), QString("11.00"));
        QCOMPARE(g.TextMatrix(1, 3), QString("91.67%"));
        QCOMPARE(g.TextMatrix(2, 1), Paren[0]);
        QCOMPARE(g.TextMatrix(2, 3), QString("83.33%"));
        QCOMPARE(g.TextMatrix(0, 3), QString("%"));
        QCOMPARE(g.cellAlignment(1, 1), int(platform::flexAlignLeftCenter));
        QCOMPARE(g.cellAlignment(1, 3), int(platform::flexAlignCenterCenter));
        // Every text fits its column.
        for (int r = 0; r < g.Rows(); ++r)
            for (int c = 0; c < 4; ++c) QVERIFY(g.TextWidthTwips(g.TextMatrix(r, c)) < g.ColWidth(c));
        QCOMPARE(f.lstTotaal.ListCount(), 8);
        QCOMPARE(f.lstNoordZuid.List(0), Paren[6] + "|11.00|91.67%");
        QCOMPARE(f.lstOostWest.ListCount(), 4);
        QCOMPARE(f.lstMail.List(0), QString("Zoë|zoe@example.test"));
        QCOMPARE(f.lstMail.ListCount(), 6);
        QVERIFY(f.cmdVerstuur.Enabled());
        QCOMPARE(f.cmdVerstuur.Caption(), QString("&Verstuur"));
        QVERIFY(!f.cmdExporteer.Visible());
        QCOMPARE(f.cmd2Lijnen.Tag(), QString("0"));
        QCOMPARE(f.KopRegel, QString("Rang|Paren|MP|%"));
    }

    void buttonStatesWithoutInternetOrMailList() {
        QFile::remove(platform::programPath("resultaten/" + W + "/" + W + " mail.txt"));
        QVERIFY(Open());
        QVERIFY(!frmVeldom12().cmdVerstuur.Enabled());
        QCOMPARE(frmVeldom12().cmdVerstuur.Caption(), QString("&Verstuur"));
        Unload(frmVeldom12());
        InternetAanwezig = false;
        TaalNummer = 11;
        QVERIFY(Open());
        QVERIFY(!frmVeldom12().cmdVerstuur.Enabled());
        QCOMPARE(frmVeldom12().cmdVerstuur.Caption(), QString("No Internet"));
        QCOMPARE(frmVeldom12().cmdVerstuur.BackColor(), qint64(0xC0C0FF));
        QCOMPARE(frmVeldom12().Caption(), "Result: Clubavond - Created on " + Vandaag() + " through Bridgeclub Oost");
    }

    void switchesBetweenOneAndTwoLists() {
        QVERIFY(Open());
        auto& f = frmVeldom12();
        auto& g = f.msfgResultaat;
        const QStringList eerst1 = Kolom(g, 1), eerst0 = Kolom(g, 0);
        f.cmd2Lijnen.Click();
        QCOMPARE(f.cmd2Lijnen.Tag(), QString("1"));
        QCOMPARE(f.cmd2Lijnen.Caption(), QString("&In 1 lijn"));
        QCOMPARE(g.Rows(), 13);
        QCOMPARE(g.FixedRows(), 2);
        QCOMPARE(g.TextMatrix(0, 1), QString("Uitslag Noord-Zuid lijn"));
        QCOMPARE(g.TextMatrix(1, 1), QString("Paren"));
        QCOMPARE(g.TextMatrix(2, 1), Paren[6]);
        QCOMPARE(g.TextMatrix(6, 1), QString());
        QCOMPARE(g.TextMatrix(7, 1), QString("Uitslag Oost-West lijn"));
        QCOMPARE(g.cellBackColor(7, 1), g.BackColorFixed());
        QCOMPARE(g.TextMatrix(9, 0), QString("1"));
        QCOMPARE(g.TextMatrix(9, 1), Paren[1]);
        f.cmd2Lijnen.Click();
        QCOMPARE(f.cmd2Lijnen.Caption(), QString("&In 2 lijnen"));
        QCOMPARE(g.FixedRows(), 1);
        QCOMPARE(Kolom(g, 1), eerst1);
        QCOMPARE(Kolom(g, 0), eerst0);
        QCOMPARE(g.cellBackColor(7, 1), g.cellBackColor(2, 1));
    }

    void escapeClosesAndHandsBack() {
        QVERIFY(Open());
        int key = 27;
        frmVeldom12().Form_KeyUp(key, 0);
        QVERIFY(!frmVeldom12_IsLoaded());
        QCOMPARE(gesloten, 1);
        QVERIFY(ReadTestFile(platform::programPath("scherm.ini")).contains("[frmVeldom12]"));
    }

    void aDamagedMatchOpensNoWindow() {
        WriteTestFile(platform::programPath("resultaten/" + W + "/" + W + " overzicht.txt"), "rommel~x\r\n");
        prompts->answer(platform::vbOK);
        QVERIFY(!Open());
        QVERIFY(!frmVeldom12_IsLoaded());
        QVERIFY(prompts->last().text.contains("overzicht"));
    }

    // Both list forms in both languages fit the window: every column is
    // inside the grid and every button caption inside its button. With
    // DROVIK_SHOTS set to a folder, pictures of the four are saved there.
    void layoutInBothLanguagesAndForms() {
        const QString map = qEnvironmentVariable("DROVIK_SHOTS");
        for (int taal : {10, 11}) {
            TaalNummer = taal;
            QVERIFY(Open());
            auto& f = frmVeldom12();
            for (int vorm = 0; vorm < 2; ++vorm) {
                if (vorm == 1) f.cmd2Lijnen.Click();
                int breedte = 0;
                for (int c = 0; c < 4; ++c) breedte += f.msfgResultaat.ColWidth(c);
                QVERIFY(breedte < f.msfgResultaat.Width());
                for (platform::CommandButton* b : {&f.cmdAfdrukken, &f.cmdVerstuur, &f.cmd2Lijnen, &f.cmdTerug}) {
                    QVERIFY(f.TextWidth(QString(b->Caption()).remove('&')) < b->Width());
                    QVERIFY(b->Left() + b->Width() <= f.ScaleWidth());
                }
                if (!map.isEmpty())
                    f.widget()->grab().save(QString("%1/overzicht-%2-%3.png").arg(map).arg(taal).arg(vorm + 1));
            }
            Unload(f);
        }
    }

    // --- printing ---------------------------------------------------------

    void printsPagesWithTheHeaderRepeated() {
        testsupport::RecordingPrinter printer{"Recorder", 11000, 4000};
        platform::SetPrinterOverride(&printer);
        QVERIFY(Open());
        prompts->answerPrint(true);
        frmVeldom12().cmdAfdrukken.Click();
        QVERIFY(frmVeldom12().Enabled());
        QVERIFY(frmVeldom12().cmdAfdrukken.Enabled());
        const auto jobs = printer.EndedJobs();
        QCOMPARE(jobs.size(), 1);
        const auto& pages = jobs[0].pages;
        QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
        int paren = 0;
        for (int i = 0; i < pages.size(); ++i) {
            const auto pic = pages[i].pictures.value(0);
            QVERIFY(pic.Texts().value(0).startsWith("Uitslag: Clubavond"));
            QVERIFY(pic.Texts().value(0).endsWith("afgedrukt op " + Vandaag()));
            QVERIFY(pic.Has("Rang"));
            int hier = 0;
            for (const QString& p : Paren) hier += pic.Has(p) ? 1 : 0;
            QVERIFY2(hier > 0, "a page holding only the header");
            paren += hier;
        }
        QCOMPARE(paren, 8);
    }

    void twoListsOverSeveralPagesHeadEachPageWithItsList() {
        testsupport::RecordingPrinter printer{"Recorder", 11000, 4300};
        platform::SetPrinterOverride(&printer);
        QVERIFY(Open());
        frmVeldom12().cmd2Lijnen.Click();
        prompts->answerPrint(true);
        frmVeldom12().cmdAfdrukken.Click();
        const auto jobs = printer.EndedJobs();
        QCOMPARE(jobs.size(), 1);
        const auto& pages = jobs[0].pages;
        QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
        int paren = 0;
        bool oostWestVerder = false;
        for (int i = 0; i < pages.size(); ++i) {
            const auto pic = pages[i].pictures.value(0);
            int nz = 0, ow = 0;
            for (int p = 0; p < Paren.size(); ++p)
                if (pic.Has(Paren[p])) ++(p % 2 == 0 ? nz : ow);
            paren += nz + ow;
            // Each page names the list its rows belong to, with the column
            // headings, and no other list's name.
            QVERIFY2(nz + ow > 0, "a page without pairs");
            QCOMPARE(pic.Has("Uitslag Noord-Zuid lijn"), nz > 0);
            QCOMPARE(pic.Has("Uitslag Oost-West lijn"), ow > 0);
            QVERIFY(pic.Has("Rang") && pic.Has("Paren"));
            // No list title at the foot of a page without its rows.
            const QStringList t = pic.Texts();
            QVERIFY2(!t.last().startsWith("Uitslag"), qPrintable(t.join(" | ")));
            if (i > 0 && ow > 0 && nz == 0) oostWestVerder = true;
        }
        QCOMPARE(paren, 8);
        QVERIFY(oostWestVerder);
    }

    void aTableTooWideIsNotPrinted() {
        testsupport::RecordingPrinter printer{"Recorder", 3000, 15500};
        platform::SetPrinterOverride(&printer);
        QVERIFY(Open());
        prompts->answerPrint(true);
        prompts->answer(platform::vbOK);
        frmVeldom12().cmdAfdrukken.Click();
        QCOMPARE(prompts->last().text, QString("De uitslag is te breed voor het papier, ook liggend.\nEr is niets afgedrukt."));
        QVERIFY(printer.calls.isEmpty());
        QVERIFY(frmVeldom12().Enabled());
    }

    void cancelThenPrint() {
        testsupport::RecordingPrinter printer;
        platform::SetPrinterOverride(&printer);
        QVERIFY(Open());
        prompts->answerPrint(false);
        frmVeldom12().cmdAfdrukken.Click();
        QVERIFY(printer.calls.isEmpty());
        QVERIFY(frmVeldom12().cmdAfdrukken.Enabled());
        prompts->answerPrint(true);
        frmVeldom12().cmdAfdrukken.Click();
        QCOMPARE(printer.EndedJobs().size(), 1);
        QCOMPARE(printer.EndedJobs()[0].pages.size(), 1);
    }

    void printsToThePdfPrinter() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils are not installed");
        QVERIFY(platform::SetCurrentPrinter(platform::PdfPrinterName()));
        QVERIFY(Open());
        frmVeldom12().cmd2Lijnen.Click();
        const QString pdf = home->file("uitslag.pdf");
        prompts->answerPrint(true, [](platform::PrintDialogRequest& r) { r.landscape = true; });
        prompts->answerFile(pdf);
        frmVeldom12().cmdAfdrukken.Click();
        QCOMPARE(testsupport::PdfPages(pdf), 1);
        const QString tekst = testsupport::PdfText(pdf);
        for (const QString& p : Paren) QVERIFY2(tekst.contains(p), qPrintable(p + " in " + tekst));
        QVERIFY(tekst.contains("Uitslag Noord-Zuid lijn"));
        QVERIFY(tekst.contains("91.67%"));
        QVERIFY(tekst.contains("afgedrukt op " + Vandaag()));
        QVERIFY(testsupport::PdfPageSize(pdf).width() > testsupport::PdfPageSize(pdf).height());
        // The orientation the user chose is kept after the print.
        QCOMPARE(platform::Printer().PageOrientation(), platform::PrinterDevice::Orientation::Landscape);
        const QString kopie = qEnvironmentVariable("DROVIK_KEEP_PDF");
        if (!kopie.isEmpty()) QFile::copy(pdf, kopie);
    }

    void twoListsOnThePdfPrinterInBothLanguages() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("poppler-utils are not installed");
        QVERIFY(platform::SetCurrentPrinter(platform::PdfPrinterName()));
        // Forty pairs, one board: the two lists take more than a landscape page.
        const QString V = QStringLiteral("Veertig");
        QStringList paren;
        std::vector<QStringList> grid{{"", "1"}};
        for (int i = 1; i <= 40; ++i) {
            paren << QStringLiteral("%1. Speler %2a - Speler %2b").arg(i, 2, 10, QLatin1Char('0')).arg(i);
            grid.push_back({paren.last(), QString::number(i * 7 % 39)});
        }
        grid.push_back({"", ""});
        QVERIFY(SchrijfParen(V, paren));
        QVERIFY(SchrijfSpellenAantal(V, 1));
        QVERIFY(SchrijfKlaar(V, "1"));
        QVERIFY(SchrijfOverzicht(V, grid));
        for (int taal : {10, 11}) {
            TaalNummer = taal;
            QVERIFY(ToonUitslagOverzicht(V));
            frmVeldom12().cmd2Lijnen.Click();
            const QString pdf = home->file(QStringLiteral("twee-lijsten-%1.pdf").arg(taal));
            prompts->answerPrint(true, [](platform::PrintDialogRequest& r) { r.landscape = true; });
            prompts->answerFile(pdf);
            frmVeldom12().cmdAfdrukken.Click();
            const int paginas = testsupport::PdfPages(pdf);
            QVERIFY2(paginas >= 2, qPrintable(QString::number(paginas)));
            QVector<QStringList> woorden(paginas + 1);
            for (const auto& w : testsupport::PdfWords(pdf)) woorden[w.page] << w.text;
            static const QRegularExpression nummer("^(\\d\\d)\\.$");
            int gezien = 0;
            for (int p = 1; p <= paginas; ++p) {
                int nz = 0, ow = 0;
                for (const QString& w : woorden[p]) {
                    const auto m = nummer.match(w);
                    if (m.hasMatch()) ++(m.captured(1).toInt() % 2 == 1 ? nz : ow);
                }
                gezien += nz + ow;
                // The list's own title and the column headings on every
                // page that holds its rows.
                QCOMPARE(woorden[p].contains(TaalTekst(8)), nz > 0);
                QCOMPARE(woorden[p].contains(TaalTekst(9)), ow > 0);
                QVERIFY(woorden[p].contains(TaalTekst(155)));
            }
            QCOMPARE(gezien, 40);
            const QString bewaar = qEnvironmentVariable("DROVIK_KEEP_PDF_DIR");
            if (!bewaar.isEmpty()) QFile::copy(pdf, bewaar + QStringLiteral("/twee-lijsten-%1.pdf").arg(taal));
            Unload(frmVeldom12());
        }
    }

    // --- mail -------------------------------------------------------------

    void mailsEveryPlayerWithAnAddress() {
        testsupport::WriteTestFile(platform::programPath("MAIL.TXT"),
                                   testsupport::EncodeMailTxt({Bij(sink_.port()), Bij(sink_.port())}));
        SchrijfIni("Standaard", "provider", "1", platform::programPath("taal.ini"));
        prompts->discardRemaining();
        {
            PromptScript stil;
            stil.setReportToTest(false);
            frmVeldom01();
        }
        QVERIFY(!MailOnbruikbaar);
        EigenEmailAdres = "wedstrijdleider@example.test";
        QVERIFY(Open());
        const int voor = Mails();
        prompts->answer(platform::vbOK);
        frmVeldom12().cmdVerstuur.Click();
        QVERIFY2(MailFoutNummer == 0, qPrintable(MailFoutTekst));
        // Six entries: one no_reply and one without an address are skipped.
        QTRY_COMPARE(Mails(), voor + 4);
        QCOMPARE(prompts->last().text,
                 QString("Uitslag verstuurd naar 4 adres(sen).\n2 overgeslagen: geen adres of een no_reply-adres."));
        QStringList aan;
        for (int n = voor + 1; n <= voor + 4; ++n) {
            aan << QString::fromUtf8(ReadTestFile(Mail(n, "env"))).split('\n').value(1).trimmed();
            const QString kop = QString::fromUtf8(ReadTestFile(Mail(n, "headers")));
            QVERIFY2(kop.contains("Subject: " + frmVeldom12().Caption()), qPrintable(kop));
            QVERIFY(ReadTestFile(Mail(n, "names")).contains("Clubavond.html"));
            const QByteArray html = ReadTestFile(Mail(n, "att-0"));
            QVERIFY(html.contains("01. Jan &amp; Piet - Zo\xc3\xab Dekker"));
            QVERIFY(html.contains("02. Anna &lt;A&gt; - Bram \xc3\x89\xc3\xa9n"));
        }
        QCOMPARE(aan, QStringList({"zoe@example.test", "jan@example.test", "dirk@example.test", "cees@example.test"}));
        QVERIFY(QString::fromUtf8(ReadTestFile(Mail(voor + 1, "body"))).startsWith("Hallo Zoë,"));
        QCOMPARE(SessieNaam, W);
        QVERIFY(frmVeldom12().cmdVerstuur.Enabled());
        const QString kopie = qEnvironmentVariable("DROVIK_KEEP_HTML");
        if (!kopie.isEmpty()) QFile::copy(platform::programPath("html/Clubavond.html"), kopie);
    }

    void aFailedMailStopsAndSaysSo() {
        testsupport::WriteTestFile(platform::programPath("MAIL.TXT"),
                                   testsupport::EncodeMailTxt({Bij(sink_.port()), Bij(sink_.port())}));
        SchrijfIni("Standaard", "provider", "1", platform::programPath("taal.ini"));
        {
            PromptScript stil;
            stil.setReportToTest(false);
            frmVeldom01();
        }
        WriteTestFile(platform::programPath("resultaten/" + W + "/" + W + " mail.txt"),
                      "01. Jan|jan@example.test - Zoe|nobody@example.test\r\n"
                      "02. Anna|anna@example.test - Bram|bram@example.test\r\n");
        EigenEmailAdres = "wedstrijdleider@example.test";
        QVERIFY(Open());
        const int voor = Mails();
        prompts->answer(platform::vbOK).answer(platform::vbOK);
        frmVeldom12().cmdVerstuur.Click();
        QVERIFY(MailFoutNummer != 0);
        QVERIFY(prompts->prompts()[0].text.contains("nobody@example.test"));
        // The refused recipient stops the mailing; everyone after it is named.
        QCOMPARE(prompts->last().text,
                 QString("0 van de 4 e-mails zijn verstuurd.\nNiet verstuurd aan:\n"
                         "Zoe <nobody@example.test> (foutnummer 550, de mailserver antwoordde: 550 5.1.1 "
                         "<nobody@example.test>: Recipient address rejected)\n"
                         "Jan <jan@example.test> (niet verstuurd: het versturen was gestopt)\n"
                         "Bram <bram@example.test> (niet verstuurd: het versturen was gestopt)\n"
                         "Anna <anna@example.test> (niet verstuurd: het versturen was gestopt)"));
        QCOMPARE(Mails(), voor);
        QVERIFY(frmVeldom12().cmdVerstuur.Enabled());
    }

    void withoutOwnAddressTheListGoesOnTheDesktop() {
        QVERIFY(Open());
        prompts->answer(platform::vbYes).answer(platform::vbOK);
        frmVeldom12().cmdVerstuur.Click();
        QCOMPARE(prompts->prompts()[0].text,
                 QString("Kan geen e-mailadres van u vinden.\nMoet ik de e-mailadressen op uw bureaublad plaatsen?"));
        const QString pad = platform::desktopFolder() + "/Clubavond.txt";
        const QByteArray lijst = ReadTestFile(pad);
        QVERIFY(lijst.startsWith("Hallo Cees,\r\n\r\n"));
        QVERIFY(lijst.contains("=======================================\r\n"
                               "zoe@example.test; jan@example.test; dirk@example.test; cees@example.test; \r\n\r\n"));
        QVERIFY(lijst.endsWith("html/Clubavond.html\r\n"));
        QVERIFY(prompts->last().text.startsWith("Er is geen e-mail verstuurd."));
        // Not overwritten without a question.
        WriteTestFile(pad, "eigen notities\r\n");
        prompts->answer(platform::vbYes).answer(platform::vbNo).answer(platform::vbOK);
        frmVeldom12().cmdVerstuur.Click();
        QVERIFY(prompts->prompts()[3].text.contains("Clubavond.txt"));
        QCOMPARE(prompts->last().text, QString("Er is niets verstuurd."));
        QCOMPARE(ReadTestFile(pad), QByteArray("eigen notities\r\n"));
        QFile::remove(pad);
    }

    // --- export -----------------------------------------------------------

    void exportsIntoTheSiblingFolder() {
        CvnMap = home->file("wine/drive_c/Program Files (x86)/Corvani");
        QVERIFY(QDir().mkpath(CvnMap));
        CvnSerie = TaalTekst(49) + " 6 " + TaalTekst(50);
        QVERIFY(Open());
        auto& f = frmVeldom12();
        QVERIFY(f.cmdExporteer.Visible());
        QCOMPARE(f.cmdExporteer.Caption(), QString("&Exporteer naar CVN 6"));
        f.cmd2Lijnen.Click();
        prompts->answer(platform::vbOK);
        f.cmdExporteer.Click();
        QCOMPARE(prompts->last().text, QString("Exporteer naar CVN 6 klaar"));
        QCOMPARE(prompts->last().title, QString("Uitslag"));
        QCOMPARE(f.cmd2Lijnen.Tag(), QString("0"));
        QCOMPARE(f.msfgResultaat.Rows(), 9);
        const QString map = CvnMap + "/Pandel/" + W + "/";
        QCOMPARE(ReadTestFile(map + "informatie.txt"), QByteArray("8\r\n3\r\n"));
        QVERIFY(ReadTestFile(map + W + ".uitslag").startsWith("1~07. Karel - Lies [3]~5~6~n~11.00~91.67%\r\n"));
        QCOMPARE(ReadTestFile(map + "Spel 001.txt"), QByteArray("1\r\n2\r\n3S=\r\n\r\n140\r\n-140\r\n6\r\n0\r\n"));
        // A failure names the file and is not reported as done.
        QFile::remove(map + "Naam.txt");
        QVERIFY(QDir().mkpath(map + "Naam.txt"));
        prompts->answer(platform::vbOK);
        f.cmdExporteer.Click();
        QVERIFY(prompts->last().text.startsWith("Exporteren is mislukt voor:\n" + map + "Naam.txt"));
        QVERIFY(f.cmdExporteer.Enabled());
    }
};

QTEST_MAIN(TestFrmVeldom12)
#include "test_frmveldom12.moc"
