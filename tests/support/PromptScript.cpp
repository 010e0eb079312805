#include "support/PromptScript.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace testsupport {

namespace {
const char* kindName(RecordedPrompt::Kind k) {
    switch (k) {
    case RecordedPrompt::Message: return "message box";
    case RecordedPrompt::SaveFile: return "save dialog";
    case RecordedPrompt::OpenFile: return "open dialog";
    case RecordedPrompt::Print: return "print dialog";
    }
    return "prompt";
}
}  // namespace

PromptScript::PromptScript() { previous_ = platform::SetPromptHandler(this); }

PromptScript::~PromptScript() {
    platform::SetPromptHandler(previous_);
    if (!answers_.empty())
        fail(QString("%1 scripted answer(s) were never asked for (next: %2)")
                 .arg(answers_.size())
                 .arg(kindName(answers_.front().kind)));
}

PromptScript& PromptScript::answer(int result) {
    answers_.push_back(Answer{RecordedPrompt::Message, result, {}, false, {}});
    return *this;
}

PromptScript& PromptScript::answerFile(const QString& path) {
    // The kind (save or open) is decided by the dialog that takes it.
    answers_.push_back(Answer{RecordedPrompt::SaveFile, 0, path, false, {}});
    return *this;
}

PromptScript& PromptScript::answerPrint(bool ok, std::function<void(platform::PrintDialogRequest&)> edit) {
    answers_.push_back(Answer{RecordedPrompt::Print, 0, {}, ok, std::move(edit)});
    return *this;
}

void PromptScript::fail(const QString& message) {
    failures_ << message;
    if (reportToTest_) QTest::qFail(qPrintable("PromptScript: " + message), __FILE__, __LINE__);
}

bool PromptScript::take(RecordedPrompt::Kind kind, const QString& what, Answer& out) {
    auto fileKind = [](RecordedPrompt::Kind k) { return k == RecordedPrompt::SaveFile || k == RecordedPrompt::OpenFile; };
    if (answers_.empty()) {
        fail(QString("unexpected %1: %2").arg(kindName(kind), what));
        return false;
    }
    const Answer& next = answers_.front();
    if (next.kind != kind && !(fileKind(next.kind) && fileKind(kind))) {
        fail(QString("expected a %1 but got a %2: %3").arg(kindName(next.kind), kindName(kind), what));
        return false;
    }
    out = next;
    answers_.pop_front();
    return true;
}

int PromptScript::MsgBox(const QString& prompt, int style, const QString& title) {
    RecordedPrompt r;
    r.kind = RecordedPrompt::Message;
    r.text = prompt;
    r.title = title;
    r.style = style;
    prompts_ << r;
    Answer a;
    if (!take(RecordedPrompt::Message, prompt, a)) {
        // An answer that ends the question without doing anything.
        const int b = platform::MsgBoxButtonsOf(style);
        return b == platform::vbYesNo ? platform::vbNo : b == platform::vbOKOnly ? platform::vbOK : platform::vbCancel;
    }
    return a.result;
}

QString PromptScript::GetSaveFileName(const QString& title, const QString& folder, const QString& proposedName,
                                      const QString& filter) {
    RecordedPrompt r;
    r.kind = RecordedPrompt::SaveFile;
    r.title = title;
    r.folder = folder;
    r.proposedName = proposedName;
    r.filter = filter;
    prompts_ << r;
    Answer a;
    if (!take(RecordedPrompt::SaveFile, title, a)) return QString();
    return a.path;
}

QString PromptScript::GetOpenFileName(const QString& title, const QString& folder, const QString& filter) {
    RecordedPrompt r;
    r.kind = RecordedPrompt::OpenFile;
    r.title = title;
    r.folder = folder;
    r.filter = filter;
    prompts_ << r;
    Answer a;
    if (!take(RecordedPrompt::OpenFile, title, a)) return QString();
    return a.path;
}

bool PromptScript::PrintDialog(platform::PrintDialogRequest& request) {
    RecordedPrompt r;
    r.kind = RecordedPrompt::Print;
    r.title = request.title;
    r.request = request;
    prompts_ << r;
    Answer a;
    if (!take(RecordedPrompt::Print, request.title, a)) return false;
    if (a.edit) a.edit(request);
    return a.ok;
}

struct PressInDialogs::State {
    QList<int> keys;
    QPointer<QWidget> last;
    QTimer timer;
};

PressInDialogs::PressInDialogs(QList<int> qtKeys) : state_(new State) {
    state_->keys = std::move(qtKeys);
    state_->timer.setInterval(10);
    State* st = state_;
    QObject::connect(&st->timer, &QTimer::timeout, [st] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == st->last || st->keys.isEmpty()) return;
        st->last = dialog;
        const auto key = Qt::Key(st->keys.takeFirst());
        if (st->keys.isEmpty()) st->timer.stop();
        QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        QTest::keyPress(target, key);
    });
    st->timer.start();
}

PressInDialogs::~PressInDialogs() { delete state_; }

int PressInDialogs::remaining() const { return int(state_->keys.size()); }

}  // namespace testsupport
