#pragma once
// A script that answers the program's prompts in a test, in order, and
// records each one. A prompt with no answer left (or of another kind than
// the next answer) fails the running test instead of waiting for a user;
// answers left over when the script ends fail it too.
//
//     testsupport::PromptScript prompts;
//     prompts.answer(platform::vbYes);
//     ... code that asks a Yes/No question ...
//     QCOMPARE(prompts.count(), 1);
//     QCOMPARE(prompts.last().text, "...");

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "platform/Prompt.h"

namespace testsupport {

struct RecordedPrompt {
    enum Kind { Message, SaveFile, OpenFile, Print };
    Kind kind = Message;
    QString text;       // message text
    QString title;
    int style = 0;      // buttons + icon + default button, as passed
    int buttons() const { return platform::MsgBoxButtonsOf(style); }
    int icon() const { return platform::MsgBoxIconOf(style); }
    int defaultButton() const { return platform::MsgBoxDefaultOf(style); }
    QString folder, proposedName, filter;   // file dialogs
    platform::PrintDialogRequest request;   // print dialog, as it was asked
};

class PromptScript : public platform::PromptHandler {
public:
    PromptScript();
    ~PromptScript() override;
    PromptScript(const PromptScript&) = delete;
    PromptScript& operator=(const PromptScript&) = delete;

    // The next message box is answered with this button.
    PromptScript& answer(int result);
    // The next file dialog gives this path ("" = cancelled).
    PromptScript& answerFile(const QString& path);
    // The next print dialog: OK or cancel, after edit changed the choices.
    PromptScript& answerPrint(bool ok, std::function<void(platform::PrintDialogRequest&)> edit = {});

    const QList<RecordedPrompt>& prompts() const { return prompts_; }
    int count() const { return int(prompts_.size()); }
    const RecordedPrompt& last() const { return prompts_.back(); }
    int remaining() const { return int(answers_.size()); }
    // What went wrong so far (unexpected prompts); empty when all was well.
    const QStringList& failures() const { return failures_; }
    // Leftover answers are no failure after this.
    void discardRemaining() { answers_.clear(); }
    // Unexpected prompts only record a failure instead of failing the test
    // (for tests of the script itself).
    void setReportToTest(bool on) { reportToTest_ = on; }

    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString GetSaveFileName(const QString& title, const QString& folder, const QString& proposedName,
                            const QString& filter) override;
    QString GetOpenFileName(const QString& title, const QString& folder, const QString& filter) override;
    bool PrintDialog(platform::PrintDialogRequest& request) override;

private:
    struct Answer {
        RecordedPrompt::Kind kind;
        int result = 0;
        QString path;
        bool ok = false;
        std::function<void(platform::PrintDialogRequest&)> edit;
    };
    bool take(RecordedPrompt::Kind kind, const QString& what, Answer& out);
    void fail(const QString& message);

    std::deque<Answer> answers_;
    QList<RecordedPrompt> prompts_;
    QStringList failures_;
    platform::PromptHandler* previous_ = nullptr;
    bool reportToTest_ = true;
};

// For tests with the program's real dialogs: presses one key in each of
// the next dialogs that open (the first key in the first dialog, and so
// on), as a user would. A dialog closed by its key press leaves the key's
// release to whatever window is under it. Stops at its end or when it
// goes out of scope.
class PressInDialogs {
public:
    explicit PressInDialogs(QList<int> qtKeys);
    ~PressInDialogs();
    PressInDialogs(const PressInDialogs&) = delete;
    PressInDialogs& operator=(const PressInDialogs&) = delete;
    // Keys not pressed yet (no dialog came for them).
    int remaining() const;

private:
    struct State;
    State* state_;
};

}  // namespace testsupport
