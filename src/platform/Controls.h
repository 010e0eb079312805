#pragma once
// The standard controls of a window. Every control fires its events at
// once and exactly when its value changes, whether the user or the code
// changed it; setting a value to what it already is fires nothing.

#include <QPicture>
#include <QPixmap>
#include <QTimer>
#include <memory>

#include "platform/Control.h"
#include "platform/ControlArray.h"
#include "platform/ControlsList.h"
#include "platform/Screen.h"

class QPainter;

namespace platform {

class Label : public Control {
public:
    Label(Container* c, const QString& name, int index = -1);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& s);
    // Grows or shrinks to its caption.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return backStyle_; }
    void SetBackStyle(int s);
    // 0 none, 1 fixed single.
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int s);
    void OnChange(Handler h) { change_ = std::move(h); }
    bool clicksFromMouse() const override { return true; }

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyAll() override;
    void applyColors() override;
    void fontChanged() override {
        if (autoSize_) fitToCaption();
    }

private:
    void fitToCaption();
    QString caption_;
    bool autoSize_ = false, wordWrap_ = false;
    int backStyle_ = 1, borderStyle_ = 0;
    Handler change_;
};

class TextBox : public Control {
public:
    TextBox(Container* c, const QString& name, int index = -1);
    QString Text() const { return text_; }
    void SetText(const QString& s);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool on);  // a design choice: set before the box is shown
    bool Locked() const { return locked_; }
    void SetLocked(bool on);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    // 0 none, 1 horizontal, 2 vertical, 3 both (multi-line boxes).
    int ScrollBars() const { return scrollBars_; }
    void SetScrollBars(int s);
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar c);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int s);

    // Caret and selection (characters from 0).
    int SelStart() const;
    void SetSelStart(int n);
    int SelLength() const;
    void SetSelLength(int n);
    QString SelText() const;
    void SetSelText(const QString& s);  // replaces the selection

    void OnChange(Handler h) { change_ = std::move(h); }

    // A typed character the box does not take: the bell sounds and the box
    // is marked for a moment, so that a typist who does not watch the
    // screen notices. A KeyPress handler that sets a typed character to 0
    // does this by itself; a Change handler that takes a character out
    // again calls it.
    void RefuseKey();
    // The box shows the mark of a refused key right now.
    bool RefusalMarked() const { return refusalMarked_; }
    // Characters shown marked (red on a light background, underlined) in a
    // one-line box: each mark is a start and a length in the text. The
    // marks belong to the text they were set on: any change of the text
    // clears them before the Change event, whose handler may set new ones.
    QList<std::pair<int, int>> Marks() const { return marks_; }
    void SetMarks(const QList<std::pair<int, int>>& marks);

    // Used by the widget: the user changed the text.
    void userEdited(const QString& s);
    void keyRefused() override { RefuseKey(); }

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyAll() override;
    void applyColors() override;
    void focusedByCode() override;
    qint64 defaultForeColor() const override { return vbWindowText; }
    qint64 defaultBackColor() const override { return vbWindowBackground; }

private:
    void pushText();
    void applyMarks();
    QString text_;
    QList<std::pair<int, int>> marks_;
    // The text was put in by code and the user has not typed in it since.
    bool prefilled_ = false;
    bool multiLine_ = false, locked_ = false;
    int maxLength_ = 0, scrollBars_ = 0, borderStyle_ = 1;
    QChar passwordChar_;
    int selStart_ = 0, selLength_ = 0;
    Handler change_;
    bool refusalMarked_ = false;
    int refusals_ = 0;  // the mark ends with the timer of the newest refusal
};

class CommandButton : public Control {
public:
    CommandButton(Container* c, const QString& name, int index = -1);
    ~CommandButton() override;
    QString Caption() const { return caption_; }
    void SetCaption(const QString& s);
    // Enter anywhere in the window presses the default button, Esc the
    // cancel button.
    bool Default() const;
    void SetDefault(bool on);
    bool Cancel() const;
    void SetCancel(bool on);
    // Pressing the button from code: runs Click.
    void SetValue(bool on) { if (on) Click(); }
    void Click();
    // 0 standard, 1 graphical (shows Picture and BackColor).
    void SetPicture(const QPixmap& p);
    QPixmap Picture() const { return picture_; }

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyAll() override;
    void applyColors() override;

private:
    QString caption_;
    bool default_ = false, cancel_ = false;
    QPixmap picture_;
};

enum CheckValues { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

class CheckBox : public Control {
public:
    CheckBox(Container* c, const QString& name, int index = -1);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& s);
    int Value() const { return value_; }
    // Runs Click when the value changes.
    void SetValue(int v);
    void userToggled();

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyAll() override;

private:
    void push();
    QString caption_;
    int value_ = 0;
};

// Option buttons in the same container form one group: selecting one
// deselects the others (silently); Click runs for the one selected.
class OptionButton : public Control {
public:
    OptionButton(Container* c, const QString& name, int index = -1);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& s);
    bool Value() const { return value_; }
    void SetValue(bool on);
    void userSelected();
    // Focuses and selects the next (or previous) usable option button of
    // its group, going round at the ends: what the arrow keys do.
    void selectNeighbour(bool forward);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyAll() override;

private:
    void push();
    QString caption_;
    bool value_ = false;
};

class Frame : public Control, public Container {
public:
    Frame(Container* c, const QString& name, int index = -1);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& s);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int s);

    Form* ownerForm() override { return form_; }
    QWidget* containerWidget() override { return widget(); }
    bool containerHasWidget() const override { return existingWidget() != nullptr; }
    bool clicksFromMouse() const override { return true; }

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyAll() override;
    void applyColors() override;

private:
    QString caption_;
    int borderStyle_ = 1;
};

// A picture box: a container that shows a picture (a vector picture
// recorded in twips, or a bitmap) and whatever its Paint handler draws
// (the handler's painter works in twips, like the picture).
class PictureBox : public Control, public Container {
public:
    PictureBox(Container* c, const QString& name, int index = -1);
    // The picture held: a vector picture or a bitmap (the last one set).
    const QPicture& Picture() const { return picture_; }
    void SetPicture(const QPicture& p);
    QPixmap Bitmap() const { return bitmap_; }
    void SetBitmap(const QPixmap& p);
    void ClearPicture();
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on) { autoSize_ = on; }
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int s);
    int ScaleWidth() const;
    int ScaleHeight() const;
    void Refresh();
    // Draws on top of the picture; the painter's unit is the twip.
    void OnPaint(std::function<void(QPainter&)> h) { paint_ = std::move(h); }
    void paintContent(QPainter& p);
    bool clicksFromMouse() const override { return true; }

    Form* ownerForm() override { return form_; }
    QWidget* containerWidget() override { return widget(); }
    bool containerHasWidget() const override { return existingWidget() != nullptr; }

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyAll() override;

private:
    QPicture picture_;
    QPixmap bitmap_;
    bool hasPicture_ = false, hasBitmap_ = false, autoSize_ = false;
    int borderStyle_ = 1;
    std::function<void(QPainter&)> paint_;
};

// A scroll bar, used as a spinner: Min at the top, the up arrow lowers
// Value by SmallChange. Change runs on every change of Value, also when a
// Change handler sets Value again (the nested Change runs at once).
class ScrollBar : public Control {
public:
    ScrollBar(Container* c, const QString& name, int index, Qt::Orientation o);
    int Value() const { return value_; }
    void SetValue(int v);
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int SmallChange() const { return small_; }
    void SetSmallChange(int v);
    int LargeChange() const { return large_; }
    void SetLargeChange(int v);
    bool HasFont() const override { return false; }
    void OnChange(Handler h) { change_ = std::move(h); }
    void OnScroll(Handler h) { scroll_ = std::move(h); }
    void userChanged(int v);
    void userScrolled(int v);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyAll() override;
    void pushRange();
    void pushValue();

private:
    Qt::Orientation orientation_;
    int value_ = 0, min_ = 0, max_ = 32767, small_ = 1, large_ = 1;
    Handler change_, scroll_;
};

class VScrollBar : public ScrollBar {
public:
    VScrollBar(Container* c, const QString& name, int index = -1)
        : ScrollBar(c, name, index, Qt::Vertical) {}
};
class HScrollBar : public ScrollBar {
public:
    HScrollBar(Container* c, const QString& name, int index = -1)
        : ScrollBar(c, name, index, Qt::Horizontal) {}
};

// A timer: Timer runs every Interval milliseconds while it is enabled and
// Interval is above 0, but only while window events run (DoEvents or the
// event loop), never in the middle of a handler.
class Timer : public Control {
public:
    Timer(Container* c, const QString& name, int index = -1);
    ~Timer() override;
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    void SetEnabled(bool on) override;
    bool HasFont() const override { return false; }
    void OnTimer(Handler h) { timer_ = std::move(h); }
    void fireTimer() { Fire(timer_); }

protected:
    QWidget* createWidget(QWidget*) override { return nullptr; }

private:
    void restart();
    int interval_ = 0;
    std::unique_ptr<QTimer> qtimer_;
    Handler timer_;
};

// A straight line from (X1, Y1) to (X2, Y2), twips.
class Line : public Control {
public:
    Line(Container* c, const QString& name, int index = -1);
    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }
    void SetX1(double v) { x1_ = WholeTwips(v); place(); }
    void SetY1(double v) { y1_ = WholeTwips(v); place(); }
    void SetX2(double v) { x2_ = WholeTwips(v); place(); }
    void SetY2(double v) { y2_ = WholeTwips(v); place(); }
    qint64 BorderColor() const { return borderColor_; }
    void SetBorderColor(qint64 c);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int px);
    bool HasFont() const override { return false; }
    void paintLine(QPainter& p);

protected:
    QWidget* createWidget(QWidget* parent) override;

private:
    void place();
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    qint64 borderColor_ = 0;
    int borderWidth_ = 1;
};

}  // namespace platform
