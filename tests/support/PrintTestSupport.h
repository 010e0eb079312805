#pragma once
// Fixture of the print tests: one run of the main window's print chain with
// fresh settings, a scripted print dialog and, for most tests, a recording
// printer in place of the real one.

#include <QString>
#include <QStringList>

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

// One print run on a recording printer.
struct PrintRun {
    TempHome home;
    RecordingPrinter printer{"Recorder", 11000, 15500};
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
