// What reaches the paper whole: captions and long holdings of the print
// layouts, pictures on a small page, the copies of a job, the titles of the
// print windows and the suit symbols.

#include <QtTest>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

#include "output/AfdrukRegels.h"
#include "output/frmVeldom08.h"
#include "output/frmVeldom09.h"
#include "output/frmVeldom14.h"
#include "output/frmVeldom16.h"
#include "output/KleurSymbool.h"
#include "platform/App.h"
#include "platform/Printer.h"
#include "shared/Instellingen.h"
#include "shared/Tekst.h"
#include "support/PrintTestSupport.h"

using testsupport::PdfRun;
using testsupport::PdfWord;
using testsupport::TestRecord;
using testsupport::TestSet;

namespace {

// Thirteen spades for North, the ten written as given.
QString LongRecord(int board, const QString& ten) {
    QStringList fields = TestRecord(board).split('~');
    fields[1] = "AKQJ" + ten + "98765432";
    return fields.join('~');
}

const PdfWord* FindWord(const QList<PdfWord>& words, const QString& text) {
    for (const PdfWord& w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

// A box of a layout window (twips in the window) as it lands on the page,
// in points: the window's left edge at pictureX, scaled by factor.
struct Span {
    double from, to;
};
Span OnPage(int pictureX, double factor, int left, int width) {
    return {(pictureX + left * factor) / 20.0, (pictureX + (left + width) * factor) / 20.0};
}

QString Where(const PdfWord* w) {
    return w ? QString("%1 .. %2").arg(w->xMin).arg(w->xMax) : QString("missing");
}

// Every text box and label of a window shows its whole text, in the font
// it is drawn with; "" or the first that does not.
QString Clipped(platform::Form& venster) {
    for (QLineEdit* e : venster.widget()->findChildren<QLineEdit*>()) {
        if (e->text().isEmpty())
            continue;
        // A line edit keeps two pixels on each side and one for the caret.
        const int room = e->contentsRect().width() - 5;
        if (QFontMetrics(e->font()).horizontalAdvance(e->text()) > room)
            return e->objectName() + ": " + e->text();
    }
    for (QLabel* l : venster.widget()->findChildren<QLabel*>()) {
        if (l->text().isEmpty() || !l->isVisible())
            continue;
        if (QFontMetrics(l->font()).horizontalAdvance(l->text()) > l->contentsRect().width())
            return l->objectName() + ": " + l->text();
    }
    return QString();
}

}  // namespace

class TestPrintFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::SetupApplication(*qApp); }
    void cleanup() {
        TaalNummer = 10;
        Tien = true;
    }

    void layoutCaptionsFitTheirLabels_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("taal");
        QTest::newRow("layout 1, Dutch") << "1" << 10;
        QTest::newRow("layout 1, English") << "1" << 11;
        QTest::newRow("layout 0, Dutch") << "0" << 10;
        QTest::newRow("layout 0, English") << "0" << 11;
    }
    void layoutCaptionsFitTheirLabels() {
        QFETCH(QString, layout);
        QFETCH(int, taal);
        testsupport::PrintRun run(layout);
        TaalNummer = taal;
        QStringList clipped;
        QStringList captions;
        run.printer.onPaint = [&] {
            frmVeldom09Form& venster = frmVeldom09();
            for (int p = 0; p < 4; ++p)
                captions << venster.lblSpel[p].Caption();
            const QString c = Clipped(venster);
            if (!c.isEmpty())
                clipped << c;
        };
        run.Print(TestSet(48));
        testsupport::VerifyChainClosed();
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(" | ")));
        // Every board and seat went through the check.
        QCOMPARE(captions.size(), 4 * 48);
        if (layout == "1" && taal == 10)
            QVERIFY(captions.contains("Spel 20 - Noord   W/Allemaal"));
    }

    // A 13-card holding, ten as "10" or "T", lands whole inside its box.
    void longHoldingsReachThePaperWhole_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("tien");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("printed");
        QTest::newRow("layout 0, ten as 10") << "0" << false << "T" << "AKQJ1098765432";
        QTest::newRow("layout 0, ten as T") << "0" << true << "10" << "AKQJT98765432";
        QTest::newRow("layout 1, stored 10") << "1" << true << "10" << "AKQJ1098765432";
        QTest::newRow("layout 1, stored T") << "1" << false << "T" << "AKQJT98765432";
        QTest::newRow("layout 3, ten as 10") << "3" << false << "T" << "AKQJ1098765432";
        QTest::newRow("layout 3, ten as T") << "3" << true << "10" << "AKQJT98765432";
        QTest::newRow("layout 2, stored 10") << "2" << true << "10" << "AKQJ1098765432";
    }
    void longHoldingsReachThePaperWhole() {
        QFETCH(QString, layout);
        QFETCH(bool, tien);
        QFETCH(QString, stored);
        QFETCH(QString, printed);
        PdfRun run(layout, 10);
        Tien = tien;
        const QStringList files = layout == "0"
                                      ? QStringList{"n.pdf", "o.pdf", "z.pdf", "w.pdf"}
                                      : QStringList{"all.pdf"};
        const QString pdf = run.Print({LongRecord(1, stored), TestRecord(2)}, files,
                                      [](platform::PrintDialogRequest& r) {
                                          r.paperSize = "A4";
                                          r.landscape = false;
                                          r.copies = 1;
                                      })
                                .first();
        const QList<PdfWord> words = testsupport::PdfWords(pdf);
        const PdfWord* word = FindWord(words, printed);
        // North's spades box: layouts 0, 1 and 2 at 200 twips, scale 0.50;
        // layout 3 centred on A4 (595 points), scale 0.60.
        Span box;
        if (layout == "3") {
            const double factor = afdruk::Himetric(frmVeldom16Form::Breedte) * 0.6 /
                                  frmVeldom16Form::Breedte;
            box = OnPage((11900 - frmVeldom16Form::Breedte) / 2, factor, 3510 + 420, 2565 - 480);
        } else if (layout == "2") {
            const double factor = afdruk::Himetric(frmVeldom14Form::Breedte) * 0.5 /
                                  frmVeldom14Form::Breedte;
            box = OnPage(200, factor, 2250, 1665);
        } else {
            const double factor = afdruk::Himetric(frmVeldom09Form::Breedte) * 0.5 /
                                  frmVeldom09Form::Breedte;
            box = OnPage(200, factor, 60 + 480, 3000 - 560);
        }
        QVERIFY2(word && word->xMin >= box.from - 0.5 && word->xMax <= box.to + 0.5,
                 qPrintable(QString("%1 at %2, box %3 .. %4")
                                .arg(printed, Where(word))
                                .arg(box.from)
                                .arg(box.to)));
        // The other holdings keep the design's size: the next deal's
        // spades are as tall as before. (Layout 2's small print fits
        // thirteen cards as designed.)
        const PdfWord* normal = FindWord(words, testsupport::TestHolding(2, 0, 0));
        QVERIFY(normal);
        if (layout != "2")
            QVERIFY2(normal->yMax - normal->yMin > word->yMax - word->yMin,
                     "only the long holding is made smaller");
    }

    void layoutThreeStaysOnAnA5PageAtEveryNarrowing() {
        for (int k = 0; k <= afdruk::HoogsteVersmalling; ++k) {
            testsupport::PrintRun run("3");
            run.printer = testsupport::RecordingPrinter("Recorder", 8400, 11900);
            PdfBreedte = k;
            run.Print(TestSet(3));
            const auto jobs = run.printer.EndedJobs();
            QCOMPARE(jobs.size(), 1);
            for (const auto& page : jobs[0].pages)
                for (const auto& picture : page.pictures) {
                    QVERIFY2(picture.x >= 0 && picture.x + picture.width <= 8400,
                             qPrintable(QString("k %1: %2 + %3").arg(k).arg(picture.x).arg(picture.width)));
                    QVERIFY2(picture.y >= 0 && picture.y + picture.height <= 11900,
                             qPrintable(QString("k %1: y %2 + %3").arg(k).arg(picture.y).arg(picture.height)));
                }
        }
    }
    void layoutThreeOnA5InPdf() {
        for (int k : {0, 9, 23}) {
            PdfRun run("3", 11);
            PdfBreedte = k;
            const QString pdf = run.Print(TestSet(2), {"a5.pdf"}, [](platform::PrintDialogRequest& r) {
                                       r.paperSize = "A5";
                                       r.landscape = false;
                                       r.copies = 1;
                                   }).first();
            QCOMPARE(testsupport::PdfPageSize(pdf), QSizeF(420, 595));
            const QList<PdfWord> words = testsupport::PdfWords(pdf);
            QVERIFY(FindWord(words, testsupport::TestHolding(1, 3, 0)));
            QVERIFY(FindWord(words, "Dealer:"));
            for (const PdfWord& w : words)
                QVERIFY2(w.xMin >= 0 && w.xMax <= 420 && w.yMax <= 595,
                         qPrintable(QString("k %1: %2 at %3 .. %4").arg(k).arg(w.text).arg(w.xMin).arg(w.xMax)));
        }
    }

    void copiesFromThePrintDialogAreWritten() {
        PdfRun run("1", 10);
        const QString pdf = run.Print(TestSet(2), {"drie.pdf"}, [](platform::PrintDialogRequest& r) {
                                   r.paperSize = "A4";
                                   r.copies = 3;
                               }).first();
        QCOMPARE(testsupport::PdfPages(pdf), 3);
        QList<int> pages;
        for (const PdfWord& w : testsupport::PdfWords(pdf))
            if (w.text == testsupport::TestHolding(2, 3, 3))
                pages << w.page;
        QCOMPARE(pages, (QList<int>{1, 2, 3}));
    }

    void printWindowsShowTheirTitles_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("taal");
        QTest::addColumn<QString>("job");
        for (const char* layout : {"0", "1", "2", "3"}) {
            QTest::newRow(qPrintable(QString("layout %1, Dutch").arg(layout)))
                << layout << 10 << "Print naar PDF";
            QTest::newRow(qPrintable(QString("layout %1, English").arg(layout)))
                << layout << 11 << "Print to PDF";
        }
    }
    void printWindowsShowTheirTitles() {
        QFETCH(QString, layout);
        QFETCH(int, taal);
        QFETCH(QString, job);
        testsupport::PrintRun run(layout);
        TaalNummer = taal;
        QStringList titles;
        run.printer.onPaint = [&] {
            platform::Form& venster = layout == "2"   ? static_cast<platform::Form&>(frmVeldom14())
                                      : layout == "3" ? static_cast<platform::Form&>(frmVeldom16())
                                                      : static_cast<platform::Form&>(frmVeldom09());
            titles = QStringList{frmVeldom08().Caption(), frmVeldom08().widget()->windowTitle(),
                                 venster.Caption(), venster.widget()->windowTitle()};
        };
        run.Print(TestSet(1));
        QCOMPARE(titles, (QStringList{job, job, TaalTekst(0), TaalTekst(0)}));
    }

    // Where the lobes, the heart and the stem of the club overlap, and
    // where the spade's stem meets its body, the symbol is solid.
    void suitSymbolsAreSolid() {
        struct Point {
            int kleur;
            QPointF at;  // on the unit square of the symbol
        };
        const Point points[] = {{3, {0.385, 0.425}}, {3, {0.615, 0.425}}, {3, {0.45, 0.40}},
                                {3, {0.5, 0.62}},    {3, {0.5, 0.5}},     {0, {0.5, 0.6}},
                                {0, {0.5, 0.4}},     {1, {0.3, 0.4}},     {2, {0.5, 0.5}}};
        for (const Point& p : points) {
            QImage image(400, 400, QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                TekenKleurSymbool(painter, QRectF(0, 0, 400, 400), p.kleur, Qt::black);
            }
            const QColor c = image.pixelColor((p.at * 400).toPoint());
            QVERIFY2(c == Qt::black, qPrintable(QString("suit %1 at %2, %3")
                                                    .arg(p.kleur)
                                                    .arg(p.at.x())
                                                    .arg(p.at.y())));
        }
    }

    // The outlines keep their curves (no polygon made of many short lines)
    // and fill by the winding rule.
    void suitSymbolsAreCurves() {
        for (int kleur : {0, 1, 3}) {
            const QPainterPath vorm = KleurVorm(kleur);
            QCOMPARE(vorm.fillRule(), Qt::WindingFill);
            int bochten = 0, lijnen = 0;
            for (int i = 0; i < vorm.elementCount(); ++i) {
                if (vorm.elementAt(i).type == QPainterPath::CurveToElement)
                    ++bochten;
                if (vorm.elementAt(i).type == QPainterPath::LineToElement)
                    ++lijnen;
            }
            QVERIFY2(bochten >= 4 && lijnen <= 8,
                     qPrintable(QString("suit %1: %2 curves, %3 lines").arg(kleur).arg(bochten).arg(lijnen)));
        }
        QVERIFY(KleurVorm(2).elementCount() > 0);
        QVERIFY(KleurVorm(4).isEmpty());
    }
};

QTEST_MAIN(TestPrintFit)
#include "test_printfit.moc"
