#pragma once
// A small note window for a wait the user cannot shorten (writes still
// going to a slow disk when a window closes): it says what is waited for,
// so that the program never stands still without a word. It takes no
// input and goes when the object goes.

#include <QString>
#include <memory>

class QLabel;
class QWidget;

namespace platform {

class WaitNote {
public:
    explicit WaitNote(const QString& title);
    ~WaitNote();
    WaitNote(const WaitNote&) = delete;
    WaitNote& operator=(const WaitNote&) = delete;

    // Shows the note with this text (and paints it at once).
    void SetText(const QString& text);
    QString Text() const;

private:
    std::unique_ptr<QWidget> window_;
    QLabel* label_ = nullptr;
};

}  // namespace platform
