#pragma once
// Fixture of the print tests: one run of the main window's print chain with
// fresh settings, a scripted print dialog and, for most tests, a recording
// printer in place of the real one.

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>

#include "support/PromptScript.h"
#include "support/RecordingPrinter.h"
#include "support/TestSupport.h"

namespace testsupport {

// Fresh settings for a print run: layout (none written when null), no
// narrowing, the ten as "T" and Dutch texts.
void PreparePrintSettings(const QString& layout);

// Puts these deal records in the main window's current set.
void FillMainWindowSet(const QStringList& set);

// The chain is over: no print window is loaded and the main window takes
// input again.
void VerifyChainClosed();

// Reading a PDF back with poppler's tools.
// Number of pages (pdfinfo), -1 when the file cannot be read.
int PdfPages(const QString& pdf);
// One word of the PDF's text with its box in points from the page's
// top-left corner (pdftotext -bbox); page counts from 1.
struct PdfWord {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    int page = 0;
};
QList<PdfWord> PdfWords(const QString& pdf);
// The PDF's text as laid out on the pages (pdftotext -layout).
QString PdfText(const QString& pdf);
// Width and height of the first page in points (pdfinfo).
QSizeF PdfPageSize(const QString& pdf);

// One print run through the built-in PDF printer in this language (10
// Dutch, 11 English), with a working MAIL.TXT and fresh print settings.
struct PdfRun {
    TempHome home;
    PromptScript prompts;

    PdfRun(const QString& layout, int taal);
    ~PdfRun();
    PdfRun(const PdfRun&) = delete;
    PdfRun& operator=(const PdfRun&) = delete;

    QString File(const QString& name) const { return home.file(name); }
    // Prints the set: OK in the print dialog after `edit` changed its
    // choices, then each job's save dialog answered with the next of
    // `files` ("" cancels it). Returns the paths of those files.
    QStringList Print(const QStringList& set, const QStringList& files,
                      std::function<void(platform::PrintDialogRequest&)> edit = {});
};

// One print run on a recording printer.
struct PrintRun {
    TempHome home;
    RecordingPrinter printer{"Recorder", 11900, 15500};  // as wide as A4
    PromptScript prompts;

    explicit PrintRun(const QString& layout, int tussenruimte = 0);
    ~PrintRun();
    PrintRun(const PrintRun&) = delete;
    PrintRun& operator=(const PrintRun&) = delete;

    void Fill(const QStringList& set) { FillMainWindowSet(set); }
    // ok: the print dialog's answer; message: the answer to a message box
    // the run is expected to show (0: none).
    void Print(const QStringList& set, bool ok = true, int message = 0);
    // The pictures of the run's only ended job (none unless exactly one).
    QList<PaintedPicture> Pictures() const;
};

}  // namespace testsupport
