#pragma once
// Every message box and dialog of the program goes through one prompt
// handler. The program's handler shows Qt dialogs titled with the
// program's title and with buttons in the program's language; tests put a
// script in its place that answers each prompt and records it.
//
// Texts are shown as they are given: callers pass real line breaks.

#include <QString>
#include <QStringList>

namespace platform {

// Buttons, icon and default button of a message box (added together).
enum MsgBoxStyle {
    vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4, vbRetryCancel = 5,
    vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
    vbDefaultButton1 = 0, vbDefaultButton2 = 256, vbDefaultButton3 = 512
};
// The button pressed.
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

constexpr int MsgBoxButtonsOf(int style) { return style & 0x7; }
constexpr int MsgBoxIconOf(int style) { return style & 0x70; }
constexpr int MsgBoxDefaultOf(int style) { return style & 0x300; }

// What the print dialog shows and what the user chose in it.
struct PrintDialogRequest {
    QString title;
    QStringList printers;
    QString printer;
    int copies = 1;
    bool landscape = false;
    QStringList paperSizes;
    QString paperSize;
    QString captionPrinter, captionCopies, captionOrientation, captionPortrait, captionLandscape, captionPaper,
        captionOk, captionCancel;
};

class PromptHandler {
public:
    virtual ~PromptHandler() = default;
    // Returns the button pressed (vbOK, vbYes, ...).
    virtual int MsgBox(const QString& prompt, int style, const QString& title) = 0;
    // filter as Qt writes it: "PDF (*.pdf)", several joined by ";;".
    // The chosen path, or "" when cancelled.
    virtual QString GetSaveFileName(const QString& title, const QString& folder, const QString& proposedName,
                                    const QString& filter) = 0;
    virtual QString GetOpenFileName(const QString& title, const QString& folder, const QString& filter) = 0;
    // True for OK; the request then holds the choices.
    virtual bool PrintDialog(PrintDialogRequest& request) = 0;
};

// title "" means the program's title.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());
QString GetSaveFileName(const QString& title, const QString& folder, const QString& proposedName,
                        const QString& filter);
QString GetOpenFileName(const QString& title, const QString& folder, const QString& filter);
bool PrintDialog(PrintDialogRequest& request);

// Puts a handler in place (nullptr: the program's own dialogs) and returns
// the one it replaced.
PromptHandler* SetPromptHandler(PromptHandler* handler);
PromptHandler& CurrentPromptHandler();

// Captions of the standard buttons: Dutch (Ja, Nee, OK, Annuleren) or
// English (Yes, No, OK, Cancel).
void SetPromptLanguage(bool english);
struct PromptCaptions {
    QString yes, no, ok, cancel, abort, retry, ignore;
};
const PromptCaptions& PromptButtonCaptions();

// The dialogs themselves, for a handler that wants to show them.
class QtPromptHandler : public PromptHandler {
public:
    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString GetSaveFileName(const QString& title, const QString& folder, const QString& proposedName,
                            const QString& filter) override;
    QString GetOpenFileName(const QString& title, const QString& folder, const QString& filter) override;
    bool PrintDialog(PrintDialogRequest& request) override;
};

}  // namespace platform
