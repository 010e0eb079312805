#include <QtTest>

#include <QApplication>

#include "main/frmVeldom01.h"
#include "output/AfdrukRegels.h"
#include "output/frmVeldom08.h"
#include "output/frmVeldom14.h"
#include "output/frmVeldom16.h"
#include "platform/App.h"
#include "shared/Instellingen.h"
#include "shared/Tekst.h"
#include "support/PrintTestSupport.h"

using Run = testsupport::PrintRun;
using testsupport::PaintedPicture;
using testsupport::TestHolding;
using testsupport::TestRecord;
using testsupport::TestSet;
using testsupport::VerifyChainClosed;

namespace {

// Texts of one panel of a layout 2 picture (pixels of the captured window).
QStringList Paneel(const PaintedPicture& picture, int paneel) {
    return picture.TextsIn(QRectF(paneel * frmVeldom14Form::PaneelAfstand / 15.0, 0,
                                  frmVeldom14Form::PaneelAfstand / 15.0, 1000));
}

}  // namespace

class TestPrint23 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::SetupApplication(*qApp); }

    // Layout 2.
    void fiveDealsGiveThreePicturesAndAnEmptyRightPanel() {
        Run run("2");
        run.Print(TestSet(5));
        VerifyChainClosed();
        const auto pictures = run.Pictures();
        QCOMPARE(pictures.size(), 3);
        const QStringList links = Paneel(pictures[2], 0);
        QVERIFY(links.contains("5"));
        QVERIFY(links.contains(TestHolding(5, 3, 3)));
        // The right panel keeps only its seat names.
        QCOMPARE(Paneel(pictures[2], 1), (QStringList{"Noord", "West", "Oost", "Zuid"}));
        QVERIFY(Paneel(pictures[1], 1).contains(TestHolding(4, 0, 0)));
        QCOMPARE(pictures[0].x, 200);
        QCOMPARE(pictures[0].y, 400);
        QCOMPARE(pictures[1].y, 400 + frmVeldom14Form::Hoogte);
    }
    void dealerAndVulnerabilityByPlace() {
        for (int taal : {10, 11}) {
            Run run("2");
            TaalNummer = taal;
            run.Print(TestSet(6, 30));
            const auto pictures = run.Pictures();
            QCOMPARE(pictures.size(), 3);
            const bool nl = taal == 10;
            QVERIFY(Paneel(pictures[0], 0).contains(nl ? "Gever: Noord" : "Dealer: North"));
            QVERIFY(Paneel(pictures[0], 1).contains(nl ? "Gever: Oost" : "Dealer: East"));
            QVERIFY(Paneel(pictures[1], 0).contains(nl ? "Gever: Zuid" : "Dealer: South"));
            QVERIFY(Paneel(pictures[2], 1).contains(nl ? "Gever: Oost" : "Dealer: East"));
            QVERIFY(Paneel(pictures[0], 0).contains(nl ? "Kwetsbaar: -" : "Vulnerable: -"));
            QVERIFY(Paneel(pictures[0], 1).contains(nl ? "Kwetsbaar: NZ" : "Vulnerable: NS"));
            QVERIFY(Paneel(pictures[1], 0).contains(nl ? "Kwetsbaar: OW" : "Vulnerable: EW"));
            QVERIFY(Paneel(pictures[1], 1).contains(nl ? "Kwetsbaar: Al" : "Vulnerable: All"));
            QVERIFY(Paneel(pictures[0], 0).contains(nl ? "Noord" : "North"));
        }
    }
    void recordsSeventeenToTwentyFourAreLabelledOneToEight() {
        Run run("2");
        run.Print(TestSet(8, 17));
        const auto pictures = run.Pictures();
        QCOMPARE(pictures.size(), 4);
        for (int a = 0; a < 4; ++a)
            for (int p = 0; p < 2; ++p) {
                const QStringList teksten = Paneel(pictures[a], p);
                QVERIFY(teksten.contains(QString::number(2 * a + p + 1)));
                QVERIFY(!teksten.contains(QString::number(17 + 2 * a + p)));
                QVERIFY(teksten.contains(TestHolding(17 + 2 * a + p, 1, 2)));
            }
    }
    void layoutTwoPrintsTheTenAsStoredAndSurvivesShortRecords() {
        Run run("2");
        Tien = false;
        run.Print({"001~AKT~Q10~J", "", "002"});
        const auto pictures = run.Pictures();
        QCOMPARE(pictures.size(), 1);
        const QStringList links = Paneel(pictures[0], 0);
        QVERIFY(links.contains("AKT"));
        QVERIFY(links.contains("Q10"));
        QVERIFY(Paneel(pictures[0], 1).contains("2"));
    }
    void spacingMakesEveryPictureTaller() {
        Run run("2", 5);
        run.Print(TestSet(4));
        const auto pictures = run.Pictures();
        QCOMPARE(pictures[1].y - pictures[0].y, frmVeldom14Form::Hoogte + 300);
        QCOMPARE(pictures[0].height, qRound(afdruk::Himetric(frmVeldom14Form::Hoogte + 300) * 0.5));
    }
    void boardNumberClickPrintsTheWholeSetAndGivesTheMainWindowBack() {
        Run run("0");  // the setting is not looked at on this path
        run.prompts.answerPrint(true);
        run.Fill(TestSet(4));
        frmVeldom01().lblSpelnummer.fireClick();
        VerifyChainClosed();
        QCOMPARE(run.Pictures().size(), 2);
    }
    void anEmptySetInLayoutTwoMakesNoDocument() {
        Run run("2");
        run.Print({});
        VerifyChainClosed();
        QVERIFY(run.printer.EndedJobs().isEmpty());
        QVERIFY(!run.printer.calls.contains("paint"));
    }
    void cancelInLayoutTwoPrintsNothing() {
        Run run("2");
        run.Print(TestSet(4), false);
        VerifyChainClosed();
        QVERIFY(run.printer.calls.isEmpty());
    }
    void escClosesLayoutTwoAndEnablesTheMainWindow() {
        Run run("2");
        // Opened by the main window as the board number does; Esc comes
        // before the window is shown.
        bool hoofdUit = false;
        frmVeldom01().ShowOwned([&hoofdUit]() -> frmVeldom14Form& {
            frmVeldom14Form& venster = frmVeldom14();
            hoofdUit = !frmVeldom01().Enabled();
            int esc = 27;
            venster.Form_KeyUp(esc, 0);
            return venster;
        });
        QVERIFY(hoofdUit);  // the main window takes no input while it is up
        VerifyChainClosed();
    }

    // Layout 3.
    void diagramsAreCentredWhateverTheScale() {
        for (int k : {0, 5, 20, 23}) {
            Run run("3");
            PdfBreedte = k;
            run.Print(TestSet(2));
            VerifyChainClosed();
            const auto pictures = run.Pictures();
            QCOMPARE(pictures.size(), 2);
            QCOMPARE(pictures[0].x, (11900 - frmVeldom16Form::Breedte) / 2);
            const double s = *afdruk::SchaalDiagram(k);
            QCOMPARE(pictures[0].width, qRound(afdruk::Himetric(frmVeldom16Form::Breedte) * s));
            QCOMPARE(pictures[1].y, 400 + qRound(2 * s * frmVeldom16Form::Hoogte));
        }
    }
    void theLastNarrowingSettingsKeepNarrowing() {
        int vorige = 1 << 30;
        for (int k = 19; k <= 23; ++k) {
            Run run("3");
            PdfBreedte = k;
            run.Print(TestSet(1));
            const int breedte = run.Pictures()[0].width;
            QVERIFY2(breedte < vorige, qPrintable(QString::number(k)));
            vorige = breedte;
        }
    }
    void stepAndPageTest() {
        Run run("3");
        PdfBreedte = 5;  // s = 0.50: the step is the window's height
        run.printer = testsupport::RecordingPrinter("Recorder", 11000, 15000);
        run.Print(TestSet(5));
        const auto jobs = run.printer.EndedJobs();
        QCOMPARE(jobs.size(), 1);
        // 400 and 6340 fit; then 5940 + 12280 + 100 > 15000 starts a new page.
        QCOMPARE(jobs[0].pages.size(), 3);
        for (const auto& page : jobs[0].pages) {
            QCOMPARE(page.pictures[0].y, 400);
            if (page.pictures.size() > 1)
                QCOMPARE(page.pictures[1].y, 400 + frmVeldom16Form::Hoogte);
        }
    }
    void spacingTwoLengthensTheStep() {
        Run run("3", 2);
        PdfBreedte = 5;
        run.Print(TestSet(2));
        const auto pictures = run.Pictures();
        QCOMPARE(pictures[1].y - pictures[0].y, frmVeldom16Form::Hoogte + qRound(2 * 0.5 * 120));
    }
    void theThirdItemIsBoardThreeDealtBySouth() {
        Run run("3");
        run.Print(TestSet(3, 40));
        const auto pictures = run.Pictures();
        QCOMPARE(pictures.size(), 3);
        QVERIFY(pictures[2].Has("3"));
        QVERIFY(pictures[2].Has("Gever: Zuid"));
        QVERIFY(pictures[2].Has("Kwetsbaar: Oost-West"));
        QVERIFY(pictures[0].Has("Kwetsbaar: Niemand"));
    }
    void englishKeepsTheDutchSeatCaptions() {
        Run run("3");
        TaalNummer = 11;
        run.Print(TestSet(3));
        const auto pictures = run.Pictures();
        for (const char* naam : {"Noord", "Oost", "Zuid", "West"})
            QVERIFY(pictures[0].Has(naam));
        QVERIFY(pictures[2].Has("Dealer: South"));
        QVERIFY(pictures[2].Has("Vulnerable: East-West"));
    }
    void tenRuleWithTheLeadingBlank() {
        const QString record = "001~AK10~QT9~-~" + QString("x~").repeated(13) +
                               "Noord(1)~Oost(1)~Zuid(1)~West(1)";
        for (bool tien : {true, false}) {
            Run run("3");
            Tien = tien;
            run.Print({record});
            const auto picture = run.Pictures()[0];
            QStringList raw;
            for (const auto& t : picture.texts)
                raw << t.text;
            QVERIFY2(raw.contains(tien ? " AKT" : " AK10"), qPrintable(raw.join('|')));
            QVERIFY(raw.contains(tien ? " QT9" : " Q109"));
            QVERIFY(raw.contains(" -"));
        }
    }
    void blankItemsShortRecordsAndPointsWithoutParenthesis() {
        Run run("3");
        run.Print({TestRecord(1, {"Noord", "Oost", "Zuid", "West"}).replace("Noord(1)", "Noord"),
                   "  ", "007~AK"});
        VerifyChainClosed();
        const auto pictures = run.Pictures();
        QCOMPARE(pictures.size(), 2);
        QVERIFY(pictures[0].Has("()"));
        QVERIFY(pictures[0].Has("(2)"));
        QVERIFY(pictures[1].Has("2"));
        QVERIFY(pictures[1].Has("AK"));
        QVERIFY(pictures[1].Has("()"));
    }
    void narrowingOutsideItsRangePaintsNothing() {
        Run run("3");
        PdfBreedte = 24;
        run.Print(TestSet(3));
        VerifyChainClosed();
        QVERIFY(run.printer.jobs.isEmpty() || run.printer.EndedJobs().isEmpty());
        QVERIFY(!run.printer.calls.contains("paint"));
    }
    void cancelInLayoutThreePrintsNothing() {
        Run run("3");
        run.Print(TestSet(3), false);
        VerifyChainClosed();
        QVERIFY(run.printer.calls.isEmpty());
    }
    void aPrinterErrorInLayoutThreeIsReported() {
        Run run("3");
        run.printer.FailAtPaint(2, "Out of paper");
        run.Print(TestSet(4), true, platform::vbOK);
        VerifyChainClosed();
        QVERIFY(run.printer.EndedJobs().isEmpty());
        QCOMPARE(run.prompts.last().text, QString("Out of paper"));
    }
};

QTEST_MAIN(TestPrint23)
#include "test_print23.moc"
