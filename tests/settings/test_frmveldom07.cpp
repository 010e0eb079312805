// The printer settings window: loading and storing the print settings, the
// spinners' wrap-round, the printer choice, closing, and that what the
// window writes is what the next print uses.

#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "output/AfdrukKeten.h"
#include "output/AfdrukRegels.h"
#include "output/frmVeldom08.h"
#include "output/frmVeldom09.h"
#include "output/frmVeldom14.h"
#include "output/frmVeldom16.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/PdfPrinter.h"
#include "platform/Printer.h"
#include "platform/Profile.h"
#include "settings/frmVeldom07.h"
#include "settings/PrinterInstellingen.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/PrintTestSupport.h"
#include "support/PromptScript.h"
#include "support/RecordingPrinter.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

QString Ini(const QString& sleutel) { return ReadProfileString(IniBestand, "Printer", sleutel); }

}  // namespace

class TestFrmVeldom07 : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;
    std::unique_ptr<testsupport::PromptScript> prompts;
    // As wide as an A4 page (11906 twips), where every layout at the widest
    // narrowing lies on the paper at its own place and scale; a narrower
    // page would have the print chain centre and shrink the pictures.
    static constexpr int kPaginaBreedte = 11906;
    testsupport::RecordingPrinter recorder{"Recorder", kPaginaBreedte, 15500};

    // Opens the window from the main window's hub button; `melding`: the
    // activation reports that no stored printer is installed.
    frmVeldom07Form& Open(bool melding) {
        if (melding) prompts->answer(vbOK);
        frmVeldom01().cmdPrinterInstellingen.Click();
        return frmVeldom07();
    }

private slots:
    void initTestCase() { SetupApplication(*qApp); }
    void init() {
        home.Begin({.instellingen = true});
        prompts = std::make_unique<testsupport::PromptScript>();
        SetPrinterOverride(&recorder);
        recorder = testsupport::RecordingPrinter("Recorder", kPaginaBreedte, 15500);
        frmVeldom01().Show();
    }
    void cleanup() {
        home.Einde();
        SetPrinterOverride(nullptr);
        prompts.reset();
        TaalNummer = 10;
    }

    // --- reading [Printer] ---------------------------------------------------

    void valuesOutsideTheirRangeAreReadInside_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("richting");
        QTest::addColumn<int>("tussenruimte");
        QTest::addColumn<int>("breedte");
        QTest::newRow("missing") << QString() << 0 << 0 << 0;
        QTest::newRow("text") << "abc" << 0 << 0 << 0;
        QTest::newRow("three") << "3" << 3 << 3 << 3;
        QTest::newRow("four") << "4" << 0 << 4 << 4;
        QTest::newRow("negative") << "-1" << 0 << 0 << 0;
        QTest::newRow("ten") << "10" << 0 << 10 << 10;
        QTest::newRow("eleven") << "11" << 0 << 10 << 11;
        QTest::newRow("thirty") << "30" << 0 << 10 << 23;
        QTest::newRow("fraction") << "2.4" << 2 << 2 << 2;
        QTest::newRow("huge") << "99999999" << 0 << 10 << 23;
    }
    void valuesOutsideTheirRangeAreReadInside() {
        QFETCH(QString, stored);
        QFETCH(int, richting);
        QFETCH(int, tussenruimte);
        QFETCH(int, breedte);
        QCOMPARE(RichtingUitTekst(stored), richting);
        QCOMPARE(TussenruimteUitTekst(stored), tussenruimte);
        QCOMPARE(BreedteUitTekst(stored), breedte);
    }
    void readingTheSettingsNeverWrites() {
        testsupport::WriteTestFile(IniBestand, "[printer]\r\nprint richting=7\r\nPDF BREEDTE=30\r\n"
                                               "Tussenruimte=-4\r\nPDF Printer=  Recorder \r\n");
        const QByteArray voor = testsupport::ReadTestFile(IniBestand);
        const PrinterInstellingen p = LeesPrinterInstellingen();
        QCOMPARE(p.richting, 0);
        QCOMPARE(p.breedte, 23);
        QCOMPARE(p.tussenruimte, 0);
        QCOMPARE(p.printer, QString("Recorder"));
        QCOMPARE(testsupport::ReadTestFile(IniBestand), voor);
    }

    // --- the window ----------------------------------------------------------

    void emptySectionShowsZerosLayoutZeroAndTheMissingPrinterMessage() {
        frmVeldom07Form& f = Open(true);
        QCOMPARE(prompts->last().text, QString("Geen PDF printer gekozen.\nU kunt niet afdrukken."));
        QCOMPARE(prompts->last().title, QString("Print instellingen"));
        QCOMPARE(prompts->last().icon(), int(vbInformation));
        QCOMPARE(f.lblPDFPrinter[1].Caption(), QString("Geen PDF printer gekozen."));
        QVERIFY(f.optRichting[0].Value());
        QCOMPARE(f.lblTussen.Caption(), QString("0"));
        QCOMPARE(f.lblVerklein[2].Caption(), QString("0"));
        QCOMPARE(f.vscrTussen.Value(), 10);
        QCOMPARE(f.vscrVerklein.Value(), 23);
        QCOMPARE(f.lstTussen.ListCount(), 11);
        QCOMPARE(f.lstverklein.ListCount(), 24);
        QCOMPARE(f.lstverklein.List(0), QString("23"));
        // Opening stores nothing.
        for (const char* k : {"Print Richting", "Tussenruimte", "PDF Breedte", "PDF Printer"})
            QVERIFY2(Ini(k).isEmpty(), k);
        QVERIFY(!frmVeldom01().Enabled());
        QCOMPARE(AanroepScherm, 1);
    }

    void spinnersWrapAtBothEndsAndStoreAtOnce() {
        SchrijfIni("Printer", "PDF Breedte", "23", IniBestand);
        SchrijfIni("Printer", "Tussenruimte", "0", IniBestand);
        frmVeldom07Form& f = Open(true);
        QCOMPARE(f.lblVerklein[2].Caption(), QString("23"));
        QCOMPARE(f.vscrVerklein.Value(), 0);
        f.vscrVerklein.userChanged(-1);  // the up arrow at the top
        QCOMPARE(f.lblVerklein[2].Caption(), QString("0"));
        QCOMPARE(f.vscrVerklein.Value(), 23);
        QCOMPARE(Ini("PDF Breedte"), QString("0"));
        QCOMPARE(PdfBreedte, 0);
        f.vscrVerklein.userChanged(22);
        QCOMPARE(Ini("PDF Breedte"), QString("1"));
        QCOMPARE(PdfBreedte, 1);

        QCOMPARE(f.vscrTussen.Value(), 10);
        f.vscrTussen.userChanged(11);  // the down arrow at the bottom
        QCOMPARE(f.lblTussen.Caption(), QString("10"));
        QCOMPARE(f.vscrTussen.Value(), 0);
        QCOMPARE(Ini("Tussenruimte"), QString("10"));
        QCOMPARE(Tussenruimte, 10);
    }

    void storedValuesOutsideTheListsAreShownClampedWithoutWriting() {
        SchrijfIni("Printer", "Print Richting", "7", IniBestand);
        SchrijfIni("Printer", "PDF Breedte", "30", IniBestand);
        SchrijfIni("Printer", "Tussenruimte", "-4", IniBestand);
        const QByteArray voor = testsupport::ReadTestFile(IniBestand);
        frmVeldom07Form& f = Open(true);
        QVERIFY(f.optRichting[0].Value());
        QCOMPARE(f.lblVerklein[2].Caption(), QString("23"));
        QCOMPARE(PdfBreedte, 23);
        QCOMPARE(f.vscrVerklein.Value(), 0);
        QCOMPARE(f.lblTussen.Caption(), QString("0"));
        QCOMPARE(Tussenruimte, 0);
        QCOMPARE(testsupport::ReadTestFile(IniBestand), voor);
        // A click stores the layout.
        f.optRichting[3].userSelected();
        QCOMPARE(Ini("Print Richting"), QString("3"));
    }

    void printerChoiceIsExactAndStoredWhenClicked() {
        SchrijfIni("Printer", "PDF printer", "recorder", IniBestand);  // other case
        frmVeldom07Form& f = Open(true);
        QCOMPARE(prompts->count(), 1);
        QCOMPARE(f.lstPrinters.List(0), PdfPrinterName());
        const int rij = f.lstPrinters.Items().indexOf("Recorder");
        QVERIFY(rij > 0);
        QCOMPARE(f.lstPrinters.ListIndex(), -1);
        f.lstPrinters.userSelected(rij, true);
        QCOMPARE(f.lblPDFPrinter[1].Caption(), QString("Recorder"));
        QCOMPARE(Ini("PDF Printer"), QString("Recorder"));
        QCOMPARE(::PdfPrinter, QString("Recorder"));
        Unload(f);

        // Now it is found: selected, and no message.
        frmVeldom07Form& g = Open(false);
        QCOMPARE(prompts->count(), 1);
        QCOMPARE(g.lstPrinters.ListIndex(), rij);
        QCOMPARE(g.lblPDFPrinter[1].Caption(), QString("Recorder"));
    }

    void saveConfirmsInEnglishAndGivesTheMainWindowBack() {
        SchrijfIni("Taal", "Taal", "11", IniBestand);
        LeesInstellingen();
        TaalNummer = 11;
        SchrijfIni("Printer", "PDF printer", "Recorder", IniBestand);
        frmVeldom07Form& f = Open(false);
        QCOMPARE(f.Caption(), QString("Print settings"));
        QCOMPARE(f.optRichting[1].Caption(), QString("Vertical &N, E, S, W side by side on one sheet"));
        prompts->answer(vbOK);
        f.cmdOpslaan.Click();
        QCOMPARE(prompts->last().text, QString("Print settings are saved."));
        QCOMPARE(prompts->last().title, QString("Print settings"));
        QVERIFY(!frmVeldom07_IsLoaded());
        QVERIFY(frmVeldom01().Enabled());
        QVERIFY(ReadProfileString(SchermIniBestand(), "frmVeldom07", "State").contains(','));
    }

    // A taal.ini that cannot be written: every choice says so and shows the
    // setting in force again, and Save does not say "saved" nor close.
    void everySaveThatCannotWriteSaysSo() {
        SchrijfIni("Printer", "PDF printer", "Recorder", IniBestand);
        SchrijfIni("Printer", "Print Richting", "1", IniBestand);
        SchrijfIni("Printer", "Tussenruimte", "4", IniBestand);
        frmVeldom07Form& f = Open(false);
        const int recorder = f.lstPrinters.Items().indexOf("Recorder");
        QCOMPARE(f.lstPrinters.ListIndex(), recorder);
        const QByteArray voor = testsupport::ReadTestFile(IniBestand);
        QVERIFY(QFile::setPermissions(IniBestand, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        auto gemeld = [&](int aantal) {
            QCOMPARE(prompts->count(), aantal);
            QVERIFY2(prompts->last().text.contains(IniBestand), qPrintable(prompts->last().text));
            QCOMPARE(prompts->last().icon(), int(vbExclamation));
            QCOMPARE(prompts->last().title, f.Caption());
        };
        const int begin = prompts->count();
        // Each choice is an action of its own, after the events in between.

        prompts->answer(vbOK);
        f.optRichting[3].userSelected();
        gemeld(begin + 1);
        QVERIFY(f.optRichting[1].Value());

        DoEvents();
        prompts->answer(vbOK);
        f.vscrTussen.userChanged(f.vscrTussen.Value() - 1);
        gemeld(begin + 2);
        QCOMPARE(f.lblTussen.Caption(), QString("4"));
        QCOMPARE(f.lstTussen.List(f.vscrTussen.Value()), QString("4"));
        QCOMPARE(Tussenruimte, 4);

        DoEvents();
        prompts->answer(vbOK);
        f.lstPrinters.userSelected(0, true);
        gemeld(begin + 3);
        QCOMPARE(f.lstPrinters.ListIndex(), recorder);
        QCOMPARE(f.lblPDFPrinter[1].Caption(), QString("Recorder"));
        QCOMPARE(::PdfPrinter, QString("Recorder"));

        DoEvents();
        prompts->answer(vbOK);
        f.cmdOpslaan.Click();
        gemeld(begin + 4);
        QVERIFY(frmVeldom07_IsLoaded());
        QCOMPARE(testsupport::ReadTestFile(IniBestand), voor);

        // Writable again: Save stores what the window shows and says so.
        QVERIFY(QFile::setPermissions(IniBestand, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        prompts->answer(vbOK);
        f.cmdOpslaan.Click();
        QCOMPARE(prompts->last().text, QString("Print instellingen zijn opgeslagen."));
        QVERIFY(!frmVeldom07_IsLoaded());
        QCOMPARE(Ini("Print Richting"), QString("1"));
        QCOMPARE(Ini("Tussenruimte"), QString("4"));
        QCOMPARE(Ini("PDF printer"), QString("Recorder"));
    }

    void escClosesAndTheLabelsNameTheFolderPdfsGoTo() {
        frmVeldom07Form& f = Open(true);
        QCOMPARE(f.lblOpslaan[0].Caption(), QString("U MOET uw PDF bestanden opslaan in:"));
        QCOMPARE(f.lblOpslaan[1].Caption(), PdfFolder());
        QCOMPARE(QFileInfo(f.lblOpslaan[1].Caption()).canonicalFilePath(),
                 QFileInfo(programFolder() + "/PDF").canonicalFilePath());
        QCOMPARE(f.lblOpslaan[0].ForeColor(), qint64(vbRed));
        int esc = vbKeyEscape;
        f.Form_KeyUp(esc, 0);
        QVERIFY(!frmVeldom07_IsLoaded());
        QVERIFY(frmVeldom01().Enabled());
    }

    // --- what the next print uses ---------------------------------------------

    void theNextPrintUsesWhatTheWindowStored() {
        frmVeldom07Form& f = Open(true);
        f.lstPrinters.userSelected(f.lstPrinters.Items().indexOf("Recorder"), true);
        f.optRichting[2].userSelected();
        f.vscrTussen.userChanged(f.vscrTussen.Value() - 3);    // up three: 3
        f.vscrVerklein.userChanged(f.vscrVerklein.Value() - 5);  // up five: 5
        f.cmdTerug.Click();
        QVERIFY(frmVeldom01().Enabled());

        // The main window takes the settings when it is active again.
        frmVeldom01().Form_Activate();
        testsupport::FillMainWindowSet(testsupport::TestSet(4));
        prompts->answerPrint(true);
        frmVeldom01().cmdAfdrukken.Click();
        testsupport::VerifyChainClosed();
        const auto jobs = recorder.EndedJobs();
        QCOMPARE(jobs.size(), 1);
        const auto pictures = jobs[0].Pictures();
        QCOMPARE(pictures.size(), 2);  // layout 2: two deals a picture
        const double s = *afdruk::SchaalSmal(5);
        const int hoogte = frmVeldom14Form::Hoogte + 3 * afdruk::TussenruimteStap;
        QCOMPARE(pictures[0].width, qRound(afdruk::Himetric(frmVeldom14Form::Breedte) * s));
        QCOMPARE(pictures[1].y - pictures[0].y, qRound(2 * s * hoogte));
    }

    void thePrintChainReadsHandEditedValuesAsTheWindowShowsThem() {
        // Layout 7 prints as layout 0 (one job per seat); spacing 40 as 10.
        SchrijfIni("Printer", "Print Richting", "7", IniBestand);
        SchrijfIni("Printer", "Tussenruimte", "40", IniBestand);
        SchrijfIni("Printer", "PDF printer", "Recorder", IniBestand);
        frmVeldom01().Form_Activate();
        testsupport::FillMainWindowSet(testsupport::TestSet(5));
        prompts->answerPrint(true);
        frmVeldom01().cmdAfdrukken.Click();
        testsupport::VerifyChainClosed();
        const auto jobs = recorder.EndedJobs();
        QCOMPARE(jobs.size(), 4);
        QCOMPARE(jobs[0].name, QString("Noord"));
        const auto pictures = jobs[0].Pictures();
        QCOMPARE(pictures.size(), 2);
        // Layout 0 at scale 0.5, at its own left edge.
        QCOMPARE(pictures[0].x, afdruk::LinkerRand);
        QCOMPARE(pictures[0].width, qRound(afdruk::Himetric(frmVeldom09Form::Breedte) * 0.5));
        QCOMPARE(pictures[1].y - pictures[0].y,
                 qRound(2 * 0.5 * (frmVeldom09Form::Hoogte + 10 * afdruk::TussenruimteStap)));
        QCOMPARE(Ini("Print Richting"), QString("7"));
        QCOMPARE(Ini("Tussenruimte"), QString("40"));
    }

    void theMainWindowLoadsAClampedNarrowing() {
        Unload(frmVeldom01());
        DoEvents();
        SchrijfIni("Printer", "PDF Breedte", "30", IniBestand);
        PdfBreedte = -1;
        frmVeldom01().Show();
        QCOMPARE(PdfBreedte, 23);
        QCOMPARE(Ini("PDF Breedte"), QString("30"));
    }
};

QTEST_MAIN(TestFrmVeldom07)
#include "test_frmveldom07.moc"
