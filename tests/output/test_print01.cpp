#include <QtTest>

#include <QApplication>

#include "main/frmVeldom01.h"
#include "main/Opstart.h"
#include "output/AfdrukRegels.h"
#include "output/frmVeldom08.h"
#include "output/frmVeldom09.h"
#include "platform/App.h"
#include "shared/Instellingen.h"
#include "shared/Tekst.h"
#include "support/PrintTestSupport.h"

using Run = testsupport::PrintRun;
using testsupport::PaintedPicture;
using testsupport::TestHolding;
using testsupport::TestSet;
using testsupport::VerifyChainClosed;

namespace {

constexpr int BlokLinks[4] = {60, 3180, 6300, 9450};

// The texts of block p of a layout 0/1 picture.
QStringList Blok(const PaintedPicture& picture, int p) {
    return picture.TextsIn(QRectF(BlokLinks[p] / 15.0, 0, 3000 / 15.0, 1000));
}

}  // namespace

class TestPrint01 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::SetupApplication(*qApp); }

    void layoutZeroMakesOneJobPerSeatWithFourDealsAPicture() {
        Run run("0");
        run.Print(TestSet(24));
        VerifyChainClosed();
        const auto jobs = run.printer.EndedJobs();
        QCOMPARE(jobs.size(), 4);
        const QStringList namen{"Noord", "Oost", "Zuid", "West"};
        for (int zetel = 0; zetel < 4; ++zetel) {
            QCOMPARE(jobs[zetel].name, namen[zetel]);
            const auto pictures = jobs[zetel].Pictures();
            QCOMPARE(pictures.size(), 6);
            QCOMPARE(pictures[0].y, 400);
            for (int a = 0; a < 6; ++a) {
                QCOMPARE(pictures[a].x, 200);
                for (int p = 0; p < 4; ++p) {
                    const int n = 4 * a + p + 1;
                    const QStringList blok = Blok(pictures[a], p);
                    QCOMPARE(blok.size(), 5);
                    QVERIFY2(blok[0].startsWith(QString("Spel %1 - %2   ").arg(n).arg(namen[zetel])),
                             qPrintable(blok[0]));
                    for (int s = 0; s < 4; ++s)
                        QCOMPARE(blok[1 + s], TestHolding(n, zetel, s));
                }
            }
        }
        const auto noord = jobs[0].Pictures();
        QCOMPARE(Blok(noord[0], 0)[0], QString("Spel 1 - Noord   N/-"));
        QCOMPARE(Blok(noord[0], 1)[0], QString("Spel 2 - Noord   O/NZ"));
        QCOMPARE(Blok(noord[0], 2)[0], QString("Spel 3 - Noord   Z/OW"));
        QCOMPARE(Blok(noord[0], 3)[0], QString("Spel 4 - Noord   W/A"));
        QCOMPARE(run.prompts.count(), 1);  // one print dialog for the four jobs
    }
    void picturesAreScaledAndRedSuitsPrintRed() {
        Run run("0");
        run.Print(TestSet(1));
        const auto picture = run.printer.EndedJobs()[0].Pictures()[0];
        QCOMPARE(picture.width, qRound(afdruk::Himetric(frmVeldom09Form::Breedte) * 0.5));
        QCOMPARE(picture.height, qRound(afdruk::Himetric(frmVeldom09Form::Hoogte) * 0.5));
        for (const auto& t : picture.texts) {
            for (int s = 0; s < 4; ++s)
                if (t.text.trimmed() == TestHolding(1, 0, s))
                    QCOMPARE(t.color, afdruk::RodeKleur(s) ? QColor(0xc0, 0, 0) : QColor(Qt::black));
        }
    }
    void fiveBoardsLeaveThreeBlocksEmpty() {
        Run run("0");
        run.Print(TestSet(5));
        const auto jobs = run.printer.EndedJobs();
        QCOMPARE(jobs.size(), 4);
        for (const auto& job : jobs) {
            const auto pictures = job.Pictures();
            QCOMPARE(pictures.size(), 2);
            QCOMPARE(Blok(pictures[1], 0).size(), 5);
            for (int p = 1; p < 4; ++p)
                QVERIFY(Blok(pictures[1], p).isEmpty());
        }
        QCOMPARE(Blok(jobs[3].Pictures()[1], 0)[0], QString("Spel 5 - West   N/NZ"));
    }
    void blankItemsAreSkipped() {
        Run run("0");
        QStringList set = TestSet(6);
        set.insert(4, "  ");
        set.insert(0, "");
        run.Print(set);
        const auto pictures = run.printer.EndedJobs()[1].Pictures();
        QCOMPARE(pictures.size(), 2);
        QCOMPARE(Blok(pictures[1], 0)[0], QString("Spel 5 - Oost   N/NZ"));
        QCOMPARE(Blok(pictures[1], 1)[1], TestHolding(6, 1, 0));
        QVERIFY(Blok(pictures[1], 2).isEmpty());
    }
    void numberingFollowsThePlaceInTheSet() {
        Run run("1");
        run.Print(TestSet(8, 17));
        const auto pictures = run.printer.EndedJobs()[0].Pictures();
        QCOMPARE(pictures.size(), 8);
        QCOMPARE(Blok(pictures[0], 0)[0], QString("Spel 1 - Noord   N/-"));
        QCOMPARE(Blok(pictures[7], 3)[0], QString("Spel 8 - West   W/-"));
        QCOMPARE(Blok(pictures[7], 3)[1], TestHolding(24, 3, 0));
    }
    void layoutOneGivesOnePicturePerDealWithTheFourSeats() {
        for (int taal : {10, 11}) {
            Run run("1");
            TaalNummer = taal;
            run.Print(TestSet(4));
            VerifyChainClosed();
            const auto jobs = run.printer.EndedJobs();
            QCOMPARE(jobs.size(), 1);
            const auto pictures = jobs[0].Pictures();
            QCOMPARE(pictures.size(), 4);
            for (int n = 1; n <= 4; ++n)
                for (int h = 0; h < 4; ++h) {
                    const QStringList blok = Blok(pictures[n - 1], h);
                    QCOMPARE(blok[0].section("   ", 0, 0),
                             QString("%1 %2 - %3").arg(TaalTekst(64)).arg(n).arg(TaalTekst(1 + h)));
                    QCOMPARE(blok[1], TestHolding(n, h, 0));
                }
            const QString allen = taal == 10 ? "Allemaal" : "All";
            QCOMPARE(Blok(pictures[3], 2)[0].section("/", 1), allen);
            QCOMPARE(Blok(pictures[1], 0)[0].section("   ", 1), QString(taal == 10 ? "O/NZ" : "E/NS"));
        }
    }
    void tenFormsOfBothLayouts() {
        const QString record = "001~AK10~QT9~-~2~" + QString("x~").repeated(12) +
                               "Noord(1)~Oost(1)~Zuid(1)~West(1)";
        struct Case { QString layout; bool tien; QString spades, hearts; };
        const QList<Case> cases{{"0", true, "AKT", "QT9"},
                                {"0", false, "AK10", "Q109"},
                                {"1", true, "AK10", "QT9"},
                                {"1", false, "AK10", "QT9"}};
        for (const Case& c : cases) {
            Run run(c.layout);
            Tien = c.tien;
            run.Print({record});
            const auto blok = Blok(run.printer.EndedJobs()[0].Pictures()[0], 0);
            QCOMPARE(blok[1], c.spades);
            QCOMPARE(blok[2], c.hearts);
            QCOMPARE(blok[3], QString("-"));
        }
    }
    void everyJobAndPageStartsAtFourHundred() {
        Run run("1", 5);
        run.printer = testsupport::RecordingPrinter("Recorder", 11900, 9000);
        run.Print(TestSet(9));
        const auto jobs = run.printer.EndedJobs();
        QCOMPARE(jobs.size(), 1);
        // Five spacing steps: the window, and so the step, grows by 300 twips.
        const int hoogte = frmVeldom09Form::Hoogte + 300;
        const int stap = hoogte;  // 2 x 0.50 x height
        for (const auto& page : jobs[0].pages) {
            QVERIFY(!page.pictures.isEmpty());
            for (int i = 0; i < page.pictures.size(); ++i)
                QCOMPARE(page.pictures[i].y, 400 + i * stap);
            QVERIFY(page.pictures.last().y + hoogte + 100 <= 9000 + stap);
        }
        // 400, 3100, 5800 fit; after that 8500 + 2700 + 100 > 9000.
        QCOMPARE(jobs[0].pages.size(), 3);
        QCOMPARE(jobs[0].pages[0].pictures.size(), 3);
        QCOMPARE(jobs[0].pages[0].pictures[0].height,
                 qRound(afdruk::Himetric(hoogte) * 0.5));
        QCOMPARE(run.printer.calls.last(), QString("enddoc"));
        QVERIFY(run.printer.calls.at(run.printer.calls.size() - 2) != "newpage");
    }
    void narrowingSettingScalesThePictures() {
        Run run("1");
        PdfBreedte = 23;
        run.Print(TestSet(3));
        const auto pictures = run.printer.EndedJobs()[0].Pictures();
        QCOMPARE(pictures[0].width, qRound(afdruk::Himetric(frmVeldom09Form::Breedte) * 0.04));
        QCOMPARE(pictures[1].y, 400 + qRound(0.08 * frmVeldom09Form::Hoogte));
    }
    void narrowingOutsideItsRangePaintsNothing() {
        for (int k : {-1, 24}) {
            Run run("0");
            PdfBreedte = k;
            run.Print(TestSet(8));
            VerifyChainClosed();
            QVERIFY(run.printer.EndedJobs().isEmpty());
            QVERIFY(!run.printer.calls.contains("paint"));
            QVERIFY(!run.printer.calls.contains("newpage"));
        }
    }
    void cancelPrintsNothingAndGivesTheMainWindowBack() {
        Run run("0");
        run.Print(TestSet(4), false);
        VerifyChainClosed();
        QVERIFY(run.printer.calls.isEmpty());
        QCOMPARE(run.prompts.last().kind, testsupport::RecordedPrompt::Print);
    }
    void anEmptySetMakesNoDocument() {
        Run run("0");
        run.Print({});
        VerifyChainClosed();
        QVERIFY(run.printer.EndedJobs().isEmpty());
    }
    void theMainWindowTakesNoInputWhileAJobRuns() {
        Run run("1");
        QList<bool> enabled;
        run.printer.onPaint = [&] { enabled << frmVeldom01().Enabled(); };
        run.Print(TestSet(2));
        QCOMPARE(enabled, (QList<bool>{false, false}));
        VerifyChainClosed();
    }
    void aPrinterErrorStopsTheRunWithAMessage() {
        Run run("0");
        run.printer.FailAtPaint(3, "Printer offline");
        run.Print(TestSet(12), true, platform::vbOK);
        VerifyChainClosed();
        QVERIFY(run.printer.EndedJobs().isEmpty());
        QCOMPARE(run.printer.jobs.size(), 1);
        QVERIFY(run.printer.jobs[0].killed);
        QCOMPARE(run.prompts.count(), 2);
        QCOMPARE(run.prompts.last().text, QString("Printer offline"));
        QCOMPARE(run.prompts.last().icon(), int(platform::vbExclamation));
    }
    void aFailingEndOfDocumentIsReported() {
        Run run("1");
        run.printer.FailEndDoc("Disk full");
        run.Print(TestSet(2), true, platform::vbOK);
        VerifyChainClosed();
        QCOMPARE(run.prompts.last().text, QString("Disk full"));
    }
    void missingLayoutSettingPrintsLayoutZero() {
        Run run{QString()};
        run.Print(TestSet(4));
        QCOMPARE(run.printer.EndedJobs().size(), 4);
    }
    void thePrintButtonCountsTheWeekAndRunsTheChain() {
        Run run("1");
        run.prompts.answerPrint(true);
        auto& hoofd = frmVeldom01();
        run.Fill(TestSet(3));
        hoofd.txtNummer.SetText("07");
        hoofd.cmdAfdrukken.fireClick();
        QCOMPARE(WeekNummer, 8);
        QCOMPARE(hoofd.txtNummer.Text(), QString("08"));
        VerifyChainClosed();
        QCOMPARE(run.printer.EndedJobs().size(), 1);
        QCOMPARE(run.printer.EndedJobs()[0].Pictures().size(), 3);
        // Past 99 the number keeps its last two digits.
        hoofd.txtNummer.SetText("99");
        run.prompts.answerPrint(false);
        hoofd.cmdAfdrukken.fireClick();
        QCOMPARE(hoofd.txtNummer.Text(), QString("00"));
        VerifyChainClosed();
    }
    void escOnTheFocusButtonClosesTheChain() {
        Run run("0");
        // Opened by the print-job window; Esc comes while it is loaded and
        // not yet shown.
        bool achtergrondUit = false, focusBuiten = false;
        frmVeldom08().ShowOwned([&]() -> frmVeldom09Form& {
            frmVeldom09Form& venster = frmVeldom09();
            achtergrondUit = frmVeldom08_IsLoaded() && !frmVeldom08().Enabled();
            focusBuiten = venster.cmdFocus.Left() > venster.Width();
            int esc = 27;
            venster.cmdFocus_KeyDown(esc, 0);
            return venster;
        });
        QVERIFY(achtergrondUit);
        QVERIFY(focusBuiten);
        VerifyChainClosed();
    }
    void aLayoutOutsideZeroToThreePrintsAsLayoutZero() {
        Run run("7");
        run.Print(TestSet(4));
        VerifyChainClosed();
        // Layout 0: one job per seat.
        QCOMPARE(run.printer.EndedJobs().size(), 4);
    }
};

QTEST_MAIN(TestPrint01)
#include "test_print01.moc"
