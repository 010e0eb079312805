// One PDF per seat through the built-in PDF printer: a save dialog that is
// cancelled for one seat stops the run and says which seat was not written,
// so no older file of that name passes for this week's.

#include <QtTest>

#include <QApplication>

#include "output/frmVeldom08.h"
#include "platform/App.h"
#include "support/PrintTestSupport.h"

using testsupport::PdfRun;
using testsupport::TestSet;

class TestPrintSeats : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::SetupApplication(*qApp); }

    void aCancelledSeatStopsTheRunAndIsNamed_data() {
        QTest::addColumn<int>("taal");
        QTest::addColumn<QString>("melding");
        QTest::newRow("Dutch") << 10 << "De PDF voor Oost is niet geschreven: het bewaren is afgebroken.\nHet afdrukken is gestopt.";
        QTest::newRow("English") << 11 << "The PDF for East was not written: saving was cancelled.\nPrinting has stopped.";
    }
    void aCancelledSeatStopsTheRunAndIsNamed() {
        QFETCH(int, taal);
        QFETCH(QString, melding);
        PdfRun run("0", taal);
        // Last week's files.
        testsupport::WriteTestFile(run.File("Oost.pdf"), "oud oost");
        testsupport::WriteTestFile(run.File("Zuid.pdf"), "oud zuid");
        run.prompts.answerPrint(true);
        run.prompts.answerFile(run.File("Noord.pdf"));
        run.prompts.answerFile(QString());  // East: cancelled
        run.prompts.answer(platform::vbOK);
        testsupport::FillMainWindowSet(TestSet(8));
        frmVeldom08().Show();
        testsupport::VerifyChainClosed();

        // Print dialog, North's and East's save dialogs, the message: South
        // and West are not asked for.
        QCOMPARE(run.prompts.count(), 4);
        QCOMPARE(run.prompts.last().text, melding);
        QCOMPARE(run.prompts.last().icon(), int(platform::vbExclamation));
        QVERIFY(QFileInfo(run.File("Noord.pdf")).size() > 1000);
        QCOMPARE(testsupport::ReadTestFile(run.File("Oost.pdf")), QByteArray("oud oost"));
        QCOMPARE(testsupport::ReadTestFile(run.File("Zuid.pdf")), QByteArray("oud zuid"));
    }
};

QTEST_MAIN(TestPrintSeats)
#include "test_printseats.moc"
