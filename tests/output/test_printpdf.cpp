// End to end: print layouts through the built-in PDF printer, read back with
// pdfinfo and pdftotext.

#include <QtTest>

#include <QApplication>

#include "main/frmVeldom01.h"
#include "output/frmVeldom08.h"
#include "platform/App.h"
#include "platform/Printer.h"
#include "shared/Instellingen.h"
#include "shared/Tekst.h"
#include "support/MailTxtFixture.h"
#include "support/PrintTestSupport.h"

using testsupport::PdfRun;
using testsupport::TestHolding;
using testsupport::TestSet;

namespace {

// The text of a PDF without any white space, so that captions compare
// whatever spacing the text extraction chooses.
QString Compact(const QString& text) {
    QString out = text;
    out.remove(QRegularExpression("\\s"));
    return out;
}

// "" when every expected text occurs in the PDF's text, in this order; else
// the first one missing and the text after the last found.
QString NotInOrder(const QString& pdf, const QStringList& expected) {
    const QString text = Compact(testsupport::PdfText(pdf));
    qsizetype from = 0;
    for (const QString& e : expected) {
        const qsizetype at = text.indexOf(Compact(e), from);
        if (at < 0)
            return e + " in " + text.mid(from, 300);
        from = at + Compact(e).size();
    }
    return QString();
}

}  // namespace

class TestPrintPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        platform::SetupApplication(*qApp);
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QSKIP("poppler-utils are not installed");
    }

    void layoutZeroGivesOnePdfPerSeat() {
        PdfRun run("0", 10);
        const QStringList namen{"Noord", "Oost", "Zuid", "West"};
        run.Print(TestSet(24), {"Noord.pdf", "Oost.pdf", "Zuid.pdf", "West.pdf"});
        QCOMPARE(run.prompts.count(), 5);
        for (int zetel = 0; zetel < 4; ++zetel) {
            QCOMPARE(run.prompts.prompts()[1 + zetel].proposedName, namen[zetel] + ".pdf");
            const QString pdf = run.File(namen[zetel] + ".pdf");
            QVERIFY2(QFileInfo(pdf).size() > 0, qPrintable(pdf));
            QCOMPARE(testsupport::PdfPages(pdf), 1);
            QStringList expected;
            for (int n = 1; n <= 24; n += 4) {
                for (int p = 0; p < 4; ++p)
                    expected << QString("Spel %1 - %2").arg(n + p).arg(namen[zetel]);
                for (int s = 0; s < 4; ++s)
                    for (int p = 0; p < 4; ++p)
                        expected << TestHolding(n + p, zetel, s);
            }
            const QString missing = NotInOrder(pdf, expected);
            QVERIFY2(missing.isEmpty(), qPrintable(namen[zetel] + ": " + missing));
        }
        QVERIFY(NotInOrder(run.File("Noord.pdf"),
                           {"Spel 1 - Noord   N/-", "Spel 2 - Noord   O/NZ", "Spel 3 - Noord   Z/OW",
                            "Spel 4 - Noord   W/A"})
                    .isEmpty());
    }
    void layoutOneInEnglish() {
        PdfRun run("1", 11);
        const QString pdf = run.Print(TestSet(8), {"all.pdf"}).first();
        QCOMPARE(testsupport::PdfPages(pdf), 2);
        const QString missing =
            NotInOrder(pdf, {"Game 1 - North", "Game 1 - East", "Game 1 - South", "Game 1 - West",
                             TestHolding(1, 0, 0), TestHolding(1, 3, 0), TestHolding(1, 3, 3),
                             "Game 4 - West   W/All", "Game 8 - North"});
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }
    void layoutTwoInDutch() {
        PdfRun run("2", 10);
        const QString pdf = run.Print(TestSet(5, 17), {"twee.pdf"}).first();
        QCOMPARE(testsupport::PdfPages(pdf), 1);
        const QString missing =
            NotInOrder(pdf, {"1", TestHolding(17, 0, 0), "2", TestHolding(18, 0, 0),
                             "Gever: Noord", "Gever: Oost", "Kwetsbaar: -", "Kwetsbaar: NZ",
                             TestHolding(18, 2, 3), "3", "4", "Kwetsbaar: Al", "5",
                             TestHolding(21, 0, 0), "Gever: Noord", TestHolding(21, 2, 3)});
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }
    void layoutThreeInEnglish() {
        PdfRun run("3", 11);
        const QString pdf = run.Print(TestSet(3), {"drie.pdf"}).first();
        QCOMPARE(testsupport::PdfPages(pdf), 2);  // two diagrams to a page at the widest setting
        const QString missing =
            NotInOrder(pdf, {TestHolding(1, 0, 0), "1", "Dealer: North", "Vulnerable: Non",
                             "Noord", "(1)", "West", "Oost", "Zuid", TestHolding(1, 2, 3),
                             TestHolding(3, 0, 0), "3", "Dealer: South", "Vulnerable: East-West",
                             TestHolding(3, 2, 3)});
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }
    void aCancelledSaveDialogWritesNothing() {
        PdfRun run("1", 10);
        run.Print(TestSet(2), {QString()});
        QVERIFY(QDir(run.File("PDF")).entryList({"*.pdf"}).isEmpty());
        QCOMPARE(run.prompts.count(), 2);  // no error message after a cancel
    }
};

QTEST_MAIN(TestPrintPdf)
#include "test_printpdf.moc"
