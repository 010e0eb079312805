// The built-in PDF printer: a job painted in twips, read back with
// pdfinfo and pdftotext.

#include "platform/Paths.h"
#include "platform/PdfPrinter.h"
#include "platform/Printer.h"
#include "shared/Ini.h"
#include "shared/PdfMap.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using platform::PdfPrinter;
using platform::PrinterDevice;

namespace {

struct Word {
    QString text;
    double x = 0, y = 0;  // top-left, points
    int page = 0;
};

QString Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QList<Word> WordsOf(const QString& pdf) {
    QList<Word> words;
    const QString html = Run("pdftotext", {"-bbox", pdf, "-"});
    int page = 0;
    static const QRegularExpression re(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        words << Word{m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble(), page};
    }
    return words;
}

Word Find(const QList<Word>& words, const QString& text) {
    for (const Word& w : words)
        if (w.text == text)
            return w;
    return {};
}

// A picture of 1000 x 500 units with a frame and one text whose top-left
// corner is at (left, 100) units.
QPicture Picture(const QString& text, int left = 0) {
    QPicture picture;
    {
        QPainter p(&picture);
        p.drawRect(0, 0, 999, 499);
        QFont font("DejaVu Sans");
        font.setPixelSize(40);
        p.setFont(font);
        p.drawText(QRect(left, 100, 900, 60), Qt::AlignLeft | Qt::AlignTop, text);
    }
    picture.setBoundingRect(QRect(0, 0, 1000, 500));
    return picture;
}

}  // namespace

class TestPdfPrinter : public QObject {
    Q_OBJECT
private slots:
    void twoPagesWithTextAtKnownTwips() {
        testsupport::TempHome home;
        testsupport::PromptScript prompts;
        const QString target = platform::programPath("PDF") + "/Noord.pdf";
        prompts.answerFile(target);

        PdfPrinter printer(platform::PdfPrinterName());
        QCOMPARE(printer.ScaleWidth(), 11900);  // A4, 595 x 842 points
        QCOMPARE(printer.ScaleHeight(), 16840);
        printer.SetDocumentName("Noord");
        // 1000 units onto 2880 twips: one unit is 2.88 twips.
        printer.PaintPicture(Picture("Eerste"), 1440, 2880, 2880, 1440);
        printer.PaintPicture(Picture("Rechts", 500), 1440, 7200, 2880, 1440);
        QCOMPARE(printer.ErrorText(), QString());
        printer.NewPage();
        printer.PaintPicture(Picture("Tweede"), 7200, 10080, 1440, 720);
        printer.NewPage();  // right before EndDoc: no empty page
        QVERIFY(printer.EndDoc());
        QCOMPARE(printer.ErrorText(), QString());

        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().kind, testsupport::RecordedPrompt::SaveFile);
        QCOMPARE(prompts.last().folder, platform::programPath("PDF"));
        QCOMPARE(prompts.last().proposedName, QString("Noord.pdf"));
        QCOMPARE(printer.LastFile(), target);

        const QString info = Run("pdfinfo", {target});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+2\\n")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Page size:\\s+595 x 842 pts")), qPrintable(info));

        const QList<Word> words = WordsOf(target);
        const Word first = Find(words, "Eerste");
        QCOMPARE(first.page, 1);
        QVERIFY2(qAbs(first.x - 72.0) < 1.0, qPrintable(QString::number(first.x)));
        // Top of the text box: 2880 + 100 * 2.88 twips = 158.4 pt; the
        // glyphs start a little below it.
        QVERIFY2(first.y > 157.0 && first.y < 164.0, qPrintable(QString::number(first.y)));
        const Word right = Find(words, "Rechts");
        QVERIFY2(qAbs(right.x - 144.0) < 1.0, qPrintable(QString::number(right.x)));
        QVERIFY2(right.y > 373.0 && right.y < 381.0, qPrintable(QString::number(right.y)));
        const Word second = Find(words, "Tweede");
        QCOMPARE(second.page, 2);
        QVERIFY2(qAbs(second.x - 360.0) < 1.0, qPrintable(QString::number(second.x)));
        QVERIFY2(second.y > 510.0 && second.y < 516.0, qPrintable(QString::number(second.y)));
    }

    void cancelWritesNothing() {
        testsupport::TempHome home;
        testsupport::PromptScript prompts;
        prompts.answerFile("");
        PdfPrinter printer(platform::PdfPrinterName());
        printer.PaintPicture(Picture("x"), 0, 0, 1440, 720);
        QVERIFY(!printer.EndDoc());
        QCOMPARE(printer.ErrorText(), QString());  // a plain cancel
        QVERIFY(QDir(platform::programPath("PDF")).entryList(QDir::Files).isEmpty());
        QCOMPARE(QDir(platform::programPath("")).entryList({"*.pdf"}, QDir::Files).size(), 0);
    }

    void emptyJobAsksNothingAndWritesNothing() {
        testsupport::TempHome home;
        testsupport::PromptScript prompts;  // no answers: any prompt fails
        PdfPrinter printer(platform::PdfPrinterName());
        printer.NewPage();
        QVERIFY(printer.EndDoc());
        QCOMPARE(prompts.count(), 0);
        printer.PaintPicture(QPicture(), 0, 0, 100, 100);  // a picture of nothing
        QVERIFY(printer.EndDoc());
        QCOMPARE(prompts.count(), 0);
    }

    void killDocThrowsTheJobAway() {
        testsupport::TempHome home;
        testsupport::PromptScript prompts;
        const QString target = home.file("na.pdf");
        prompts.answerFile(target);
        PdfPrinter printer(platform::PdfPrinterName());
        printer.PaintPicture(Picture("Weg"), 0, 0, 1440, 720);
        printer.KillDoc();
        printer.PaintPicture(Picture("Nieuw"), 0, 0, 1440, 720);
        QVERIFY(printer.EndDoc());
        const QList<Word> words = WordsOf(target);
        QVERIFY(Find(words, "Weg").text.isEmpty());
        QCOMPARE(Find(words, "Nieuw").page, 1);
        QVERIFY(Run("pdfinfo", {target}).contains(QRegularExpression("Pages:\\s+1\\n")));
    }

    void folderFromSettingsAndNameGetsExtension() {
        testsupport::TempHome home;
        // The program hands its settings' folder to the printer at start-up.
        KoppelPdfMap();
        QDir().mkpath(home.file("elders"));
        SchrijfIni("Mappen", "PDF Map", home.file("elders"), platform::programPath("taal.ini"));
        IniWaarde = "blijft";
        testsupport::PromptScript prompts;
        prompts.answerFile(home.file("elders/zonder"));
        PdfPrinter printer(platform::PdfPrinterName());
        printer.SetDocumentName("Spel: 1/2");
        printer.PaintPicture(Picture("x"), 0, 0, 1440, 720);
        QVERIFY(printer.EndDoc());
        QCOMPARE(prompts.last().folder, home.file("elders"));
        QCOMPARE(prompts.last().proposedName, QString("Spel_ 1_2.pdf"));
        QVERIFY(QFile::exists(home.file("elders/zonder.pdf")));
        QCOMPARE(IniWaarde, QString("blijft"));  // the job's read left the shared value alone

        // A folder that does not exist, or none at all: the program folder's PDF.
        SchrijfIni("Mappen", "PDF Map", home.file("weg"), platform::programPath("taal.ini"));
        QCOMPARE(platform::PdfFolder(), platform::programPath("PDF"));
        platform::SetPdfFolderSource(nullptr);
        SchrijfIni("Mappen", "PDF Map", home.file("elders"), platform::programPath("taal.ini"));
        QCOMPARE(platform::PdfFolder(), platform::programPath("PDF"));
        // A folder handed by a source is found without regard to case.
        platform::SetPdfFolderSource([&] { return home.file("ELDERS"); });
        QCOMPARE(platform::PdfFolder(), home.file("elders"));
        platform::SetPdfFolderSource(nullptr);
    }

    void replacesAnOldFileAndReportsAFailedWrite() {
        testsupport::TempHome home;
        const QString target = home.file("oud.pdf");
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        testsupport::PromptScript prompts;
        prompts.answerFile(target);
        prompts.answerFile(home.file("geen/map/x.pdf"));
        PdfPrinter printer(platform::PdfPrinterName());
        printer.PaintPicture(Picture("x"), 0, 0, 1440, 720);
        QVERIFY(printer.EndDoc());
        QFile now(target);
        QVERIFY(now.open(QIODevice::ReadOnly));
        QVERIFY(now.readAll().startsWith("%PDF"));

        QFile blocker(home.file("geen"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
        blocker.close();
        printer.PaintPicture(Picture("x"), 0, 0, 1440, 720);
        QVERIFY(!printer.EndDoc());
        QVERIFY(!printer.ErrorText().isEmpty());
    }

    void copiesRepeatTheWholeDocument() {
        testsupport::TempHome home;
        testsupport::PromptScript prompts;
        const QString target = home.file("twee.pdf");
        prompts.answerFile(target);
        PdfPrinter printer(platform::PdfPrinterName());
        QVERIFY(printer.SupportsCopies());
        printer.SetCopies(0);
        QCOMPARE(printer.Copies(), 1);
        printer.SetCopies(2);
        printer.PaintPicture(Picture("Eerste"), 1440, 1440, 2880, 1440);
        printer.NewPage();
        printer.PaintPicture(Picture("Tweede"), 1440, 1440, 2880, 1440);
        QVERIFY(printer.EndDoc());
        QVERIFY(Run("pdfinfo", {target}).contains(QRegularExpression("Pages:\\s+4\\n")));
        QList<int> first, second;
        for (const Word& w : WordsOf(target)) {
            if (w.text == "Eerste")
                first << w.page;
            if (w.text == "Tweede")
                second << w.page;
        }
        // Collated: the whole document once, then again.
        QCOMPARE(first, (QList<int>{1, 3}));
        QCOMPARE(second, (QList<int>{2, 4}));
        QVERIFY2(qAbs(Find(WordsOf(target), "Eerste").x - 72.0) < 1.0, "same place in every copy");

        // The next job starts from one copy of its own pages only.
        prompts.answerFile(home.file("een.pdf"));
        printer.SetCopies(1);
        printer.PaintPicture(Picture("Later"), 0, 0, 1440, 720);
        QVERIFY(printer.EndDoc());
        QVERIFY(Run("pdfinfo", {home.file("een.pdf")}).contains(QRegularExpression("Pages:\\s+1\\n")));
    }

    void landscapeAndPaperSize() {
        testsupport::TempHome home;
        testsupport::PromptScript prompts;
        const QString target = home.file("liggend.pdf");
        prompts.answerFile(target);
        PdfPrinter printer(platform::PdfPrinterName());
        printer.SetPageOrientation(PrinterDevice::Orientation::Landscape);
        printer.SetPaperSize(QPageSize::A5);
        QCOMPARE(printer.ScaleWidth(), 11900);  // A5 landscape: 595 x 420 points
        QCOMPARE(printer.ScaleHeight(), 8400);
        printer.PaintPicture(Picture("x"), 0, 0, 1440, 720);
        QVERIFY(printer.EndDoc());
        QVERIFY(Run("pdfinfo", {target}).contains(QRegularExpression("Page size:\\s+595 x 420 pts")));
    }
};

QTEST_MAIN(TestPdfPrinter)
#include "test_pdf_printer.moc"
