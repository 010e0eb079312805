#pragma once
// Base of every control of a window.
//
// A control keeps its properties itself (the model); the Qt widget behind
// it is a view that is created when the control is first shown (or when a
// caller needs it) and follows every property change. A control that is
// never shown, like a hidden list box, never gets a widget.
//
// Sizes and positions are in twips, relative to the control's container
// (its window, frame or picture box). Colours are Windows colour numbers:
// red + 256 * green + 65536 * blue, or one of the system colours below.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "platform/Events.h"

class QKeyEvent;

namespace platform {

class Form;
class Control;

using Handler = std::function<void()>;
using KeyHandler = std::function<void(int& KeyCode, int Shift)>;
using KeyPressHandler = std::function<void(int& KeyAscii)>;
using MouseHandler = std::function<void(int Button, int Shift, float X, float Y)>;

// Windows colour numbers.
constexpr qint64 vbBlack = 0x000000, vbWhite = 0xFFFFFF, vbRed = 0x0000FF, vbGreen = 0x00FF00,
                 vbBlue = 0xFF0000, vbYellow = 0x00FFFF;
constexpr qint64 vbButtonFace = 0x8000000F, vbButtonText = 0x80000012,
                 vbWindowBackground = 0x80000005, vbWindowText = 0x80000008;
constexpr qint64 RGB(int r, int g, int b) { return qint64(r) | (qint64(g) << 8) | (qint64(b) << 16); }
bool IsSystemColor(qint64 color);
QColor QColorFromVB(qint64 color);  // system colours give the palette's colour

// Text alignment of labels and text boxes.
enum Alignment { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };
// Mouse buttons of MouseDown / MouseUp.
enum MouseButton { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

// Something controls can be placed in: a window, a frame or a picture box.
class Container {
public:
    virtual ~Container() = default;
    virtual Form* ownerForm() = 0;
    // The widget the controls are placed in; created when needed.
    virtual QWidget* containerWidget() = 0;
    virtual bool containerHasWidget() const = 0;
    // Controls placed directly in this container, in the order they were made.
    std::vector<Control*>& children() { return children_; }
private:
    std::vector<Control*> children_;
};

class Control {
public:
    // name: the control's name as the program knows it ("lblMin");
    // index: its place in a control array, -1 when it is no array member.
    Control(Container* container, const QString& name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QString Name() const { return name_; }
    int Index() const { return index_; }
    Form& Parent() const { return *form_; }
    Container* ContainerOf() const { return container_; }

    // Geometry, twips.
    int Left() const { return left_; }
    int Top() const { return top_; }
    virtual int Width() const { return width_; }
    virtual int Height() const { return height_; }
    void SetLeft(double v);
    void SetTop(double v);
    void SetWidth(double v);
    virtual void SetHeight(double v);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);

    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool on);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool on);

    QString Tag() const { return tag_; }
    void SetTag(const QString& t) { tag_ = t; }
    // Place in the tab order: 0 .. number of controls - 1, no two alike
    // (setting one moves the others along).
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int i);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);
    QString ToolTipText() const { return toolTip_; }
    void SetToolTipText(const QString& t);

    qint64 ForeColor() const { return effectiveFore(); }
    void SetForeColor(qint64 c);
    qint64 BackColor() const { return effectiveBack(); }
    void SetBackColor(qint64 c);

    QString FontName() const { return fontName_; }
    void SetFontName(const QString& n);
    double FontSize() const { return fontSize_; }
    void SetFontSize(double points);
    bool FontBold() const { return fontBold_; }
    void SetFontBold(bool on);
    bool FontItalic() const { return fontItalic_; }
    void SetFontItalic(bool on);
    bool FontUnderline() const { return fontUnderline_; }
    void SetFontUnderline(bool on);
    // False for controls without a font (scroll bars, timers, lines).
    virtual bool HasFont() const { return true; }
    QFont Font() const;

    int Alignment() const { return alignment_; }
    void SetAlignment(int a);

    // Focus. SetFocus runs LostFocus of the control that had it, then
    // GotFocus of this one, at once.
    void SetFocus();
    bool hasFocus() const;

    // Event handlers.
    void OnClick(Handler h) { click_ = std::move(h); }
    void OnDblClick(Handler h) { dblClick_ = std::move(h); }
    void OnGotFocus(Handler h) { gotFocus_ = std::move(h); }
    void OnLostFocus(Handler h) { lostFocus_ = std::move(h); }
    void OnKeyDown(KeyHandler h) { keyDown_ = std::move(h); }
    void OnKeyUp(KeyHandler h) { keyUp_ = std::move(h); }
    void OnKeyPress(KeyPressHandler h) { keyPress_ = std::move(h); }
    void OnMouseDown(MouseHandler h) { mouseDown_ = std::move(h); }
    void OnMouseUp(MouseHandler h) { mouseUp_ = std::move(h); }

    // The widget, created (with its window's widget) when missing; nullptr
    // for controls that have none.
    QWidget* widget();
    QWidget* existingWidget() const { return widget_; }

    // Used by the window: creates the widget when the control is visible.
    void materialize();
    // Runs the handlers as the user's actions would.
    void fireClick() { Fire(click_); }
    void fireDblClick() { Fire(dblClick_); }
    void fireGotFocus() { Fire(gotFocus_); }
    void fireLostFocus() { Fire(lostFocus_); }
    void fireKeyDown(int& code, int shift) { Fire(keyDown_, code, shift); }
    void fireKeyUp(int& code, int shift) { Fire(keyUp_, code, shift); }
    void fireKeyPress(int& ascii) { Fire(keyPress_, ascii); }
    void fireMouseDown(int b, int s, float x, float y) { Fire(mouseDown_, b, s, x, y); }
    void fireMouseUp(int b, int s, float x, float y) { Fire(mouseUp_, b, s, x, y); }
    bool hasKeyPressHandler() const { return bool(keyPress_); }
    // Its KeyPress handler refused a typed character (set it to 0).
    virtual void keyRefused() {}
    // The widget that takes the keys when the control has the focus.
    virtual QWidget* keyWidget() const { return widget_; }
    // Controls whose Click comes from a plain mouse click on them.
    virtual bool clicksFromMouse() const { return false; }

protected:
    // Makes the widget; nullptr when the control has none.
    virtual QWidget* createWidget(QWidget* parent) = 0;
    // Pushes every property of the model onto a fresh widget.
    virtual void applyAll();
    virtual void applyGeometry();
    virtual void applyFont();
    virtual void applyColors();
    // Paints the widget's own background in BackColor (on) or leaves it to
    // show what lies behind it (off).
    void fillBackground(bool on);
    bool backColorSet() const { return backColor_ != -1; }
    virtual qint64 defaultForeColor() const { return vbButtonText; }
    virtual qint64 defaultBackColor() const { return vbButtonFace; }
    // Widgets that get the control's key, focus and mouse events.
    void watch(QWidget* w);
    // Height in twips of one line of text in the control's font.
    int textLineHeight() const;
    int textWidthTwips(const QString& s) const;
    // The metrics of Font(), built once for each font the control is given.
    const QFontMetrics& fontMetrics() const;
    // Runs when code gives the control the focus, before its GotFocus.
    virtual void focusedByCode() {}
    virtual void geometryChanged() {}
    virtual void fontChanged() {}

    Form* form_ = nullptr;
    Container* container_ = nullptr;
    QPointer<QWidget> widget_;

private:
    friend class ControlEventFilter;
    QString name_;
    int index_ = -1;
    int left_ = 0, top_ = 0, width_ = 1200, height_ = 375;
    bool enabled_ = true, visible_ = true;
    QString tag_, toolTip_;
    int tabIndex_ = 0;
    bool tabStop_ = true;
    qint64 foreColor_ = -1, backColor_ = -1;  // -1: the control's default
    QString fontName_;
    double fontSize_;
    bool fontBold_ = false, fontItalic_ = false, fontUnderline_ = false;
    mutable std::optional<QFontMetrics> fontMetrics_;  // of Font(); dropped when the font changes
    // Pixel widths of texts in Font(), dropped with the metrics: a grid
    // fitting a column measures the same few texts over and over.
    mutable QHash<QString, int> textWidths_;
    void fontSet();
    int alignment_ = 0;
    Handler click_, dblClick_, gotFocus_, lostFocus_;
    KeyHandler keyDown_, keyUp_;
    KeyPressHandler keyPress_;
    MouseHandler mouseDown_, mouseUp_;
    QObject* filter_ = nullptr;
    friend class Form;
    qint64 effectiveFore() const { return foreColor_ == -1 ? defaultForeColor() : foreColor_; }
    qint64 effectiveBack() const { return backColor_ == -1 ? defaultBackColor() : backColor_; }
};

// Sounds the system bell (counted, so that tests can tell it rang).
void Bell();
int BellCount();

// Removes the access-key marks of a caption ("&Start" -> "Start",
// "&&" -> "&") for widgets that show text as it stands.
QString StripAccessKeys(const QString& caption);
// The caption with its access key on the first `letter` in it (either
// case); the caption as it stands when it holds no such letter.
QString WithAccessKey(const QString& caption, QChar letter);
// The caption with its access key on character `offset` of the first
// occurrence of `part` in it (either case): WithAccessKey("Sort low", "lo",
// 1) gives "Sort l&ow". The caption as it stands when `part` is not in it.
QString WithAccessKey(const QString& caption, const QString& part, int offset = 0);

}  // namespace platform
