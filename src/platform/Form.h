#pragma once
// One window of the program.
//
// A program window is a class deriving from Form whose controls are public
// members, so other windows can read and write them. Each window has an
// accessor that makes and loads the instance on first use:
//
//     // frmVeldom06.h
//     class frmVeldom06Form : public platform::Form { ... };
//     DECLARE_FORM(frmVeldom06, frmVeldom06Form)
//     // frmVeldom06.cpp
//     DEFINE_FORM(frmVeldom06, frmVeldom06Form)
//
// frmVeldom06() gives the window, running Form_Load once when it is made;
// frmVeldom06_IsLoaded() tells whether it exists. Unload throws the
// instance away (after its close handlers agree), and the next use of the
// accessor gives a fresh one.
//
// The layer keeps the program's own order of windows: Form_Activate runs
// when a window becomes the program's active window coming from another
// program window (at its first Show, when it is shown again, when the
// window in front of it unloads or hides and it is the front-most enabled
// window left, and when it is enabled again while no window is active). A
// message box closing, or the desktop switching programs, is no activation.
//
// A window shown while another window of the program is up tells the window
// system which window it belongs to (its transient parent): the window that
// opened it with ShowOwned, else the active window at the moment it is
// shown. A desktop that keeps a child above its parent (Wayland compositors
// go by it) then never hides the child behind its disabled opener. Prompts
// and the wait note name the window that asked for them the same way
// (OpeningForm).

#include <QIcon>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/Control.h"
#include "platform/Events.h"

namespace platform {

enum WindowStates { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };
// Why a window is being unloaded (Form_QueryUnload's UnloadMode).
enum UnloadModes { vbFormControlMenu = 0, vbFormCode = 1, vbAppWindows = 2, vbAppTaskManager = 3 };
// Window border styles: 0 none, 1 fixed single, 2 sizable, 3 fixed dialog.
enum BorderStyles { vbBSNone = 0, vbFixedSingle = 1, vbSizable = 2, vbFixedDouble = 3 };

class FormWidget;
class CommandButton;

class Form : public Container {
public:
    explicit Form(const QString& name);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    QString Name() const { return name_; }
    // Tells this instance from every other instance of the program's
    // windows, also from earlier instances of the same window.
    quint64 InstanceId() const { return instanceId_; }

    // "" until set; the title bar shows WindowTitle(Caption()).
    QString Caption() const { return caption_; }
    void SetCaption(const QString& c);

    // Shows the window modeless, in front, and makes it the active window.
    void Show();
    void Hide() { SetVisible(false); }
    bool Visible() const { return visible_; }
    void SetVisible(bool on);

    // Outer size and position in twips; ScaleWidth/ScaleHeight give the
    // client area. Setting a size runs Form_Resize at once.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const;
    int Height() const;
    void SetLeft(double v);
    void SetTop(double v);
    void SetWidth(double v);
    void SetHeight(double v);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    int ScaleWidth() const;
    int ScaleHeight() const;

    int WindowState() const { return windowState_; }
    void SetWindowState(int state);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style);

    // A disabled window stays on screen and takes no input.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }

    qint64 BackColor() const { return backColor_ == -1 ? vbButtonFace : backColor_; }
    void SetBackColor(qint64 c);
    QIcon Icon() const { return icon_; }
    void SetIcon(const QIcon& icon);
    QString Tag() const { return tag_; }
    void SetTag(const QString& t) { tag_ = t; }

    QString FontName() const { return fontName_; }
    void SetFontName(const QString& n) { fontName_ = n; }
    double FontSize() const { return fontSize_; }
    void SetFontSize(double s) { fontSize_ = s; }
    bool FontBold() const { return fontBold_; }
    void SetFontBold(bool b) { fontBold_ = b; }
    QFont Font() const;
    // Width and height of a text in the window's font, twips.
    int TextWidth(const QString& s) const;
    int TextHeight(const QString& s) const;

    // Every control of the window, in the order they were made.
    const std::vector<Control*>& Controls() const { return controls_; }
    Control* ActiveControl() const { return activeControl_; }

    // The controls the Tab key visits, in the order of the window's layout:
    // top left to bottom right, row by row (controls whose middles lie
    // within each other's height share a row), the controls of a frame or
    // picture box in its place. A control that is no tab stop, hidden, or
    // placed wholly outside the visible part of its window (a focus button
    // parked off screen) is left out; disabled ones stay in the order and
    // are passed over by Tab.
    std::vector<Control*> TabOrder() const;
    // The option buttons that form a group with `o` (the option buttons of
    // its container), in layout order.
    std::vector<Control*> OptionGroupOf(Control* o) const;
    // Moves the focus as Tab (next) or Shift+Tab does; false when no
    // control can take it.
    bool TabToNext(bool next);

    // Repaints at once.
    void Refresh();

    // The control the user is driving with a key (an arrow key in a list,
    // on a scroll bar or in a grid) while the handlers that key runs are busy;
    // nullptr otherwise. Those handlers can not move the focus away from
    // it, so the next key reaches the same control.
    Control* KeyDrivenControl() const { return keyDriven_; }

    // The top-level widget (made, with the widgets of the shown controls,
    // when missing). Rendering it gives a picture of the window even when
    // it is not on screen.
    QWidget* widget();
    bool hasWidget() const { return widget_ != nullptr; }

    // True from the moment the instance exists until it is unloaded.
    bool IsLoaded() const { return !unloaded_; }

    // Opens a window owned by this one, the program's way of opening a
    // dialog: this window is disabled, then `child()` (a window's accessor,
    // so the child loads only once its opener is disabled) is shown with
    // this window's icon. When the child unloads, however it is closed (by
    // code, by Esc, by its close box), this window is enabled again at the
    // end of the child's Form_QueryUnload, before its Form_Unload, and
    // `onReturn` runs; it becomes active again when the child is gone.
    // Nothing is given back when the unload is cancelled, or when this
    // window was unloaded in between. The focus is left where the opener
    // put it before the call.
    template <class Accessor>
    Form& ShowOwned(Accessor child, std::function<void()> onReturn = {}) {
        SetEnabled(false);
        Form& made = child();
        adoptChild(made, std::move(onReturn));
        return made;
    }
    // The window that opened this one with ShowOwned and is waiting for it
    // (nullptr when none, or when that window is gone).
    Form* Owner() const;

    // Handlers the windows override.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int& Cancel, int UnloadMode) { (void)Cancel; (void)UnloadMode; }
    virtual void Form_Unload(int& Cancel) { (void)Cancel; }
    virtual void Form_KeyDown(int& KeyCode, int Shift) { (void)KeyCode; (void)Shift; }
    virtual void Form_KeyUp(int& KeyCode, int Shift) { (void)KeyCode; (void)Shift; }
    virtual void Form_KeyPress(int& KeyAscii) { (void)KeyAscii; }
    virtual void Form_Click() {}

    // Container
    Form* ownerForm() override { return this; }
    QWidget* containerWidget() override { return widget(); }
    bool containerHasWidget() const override { return widget_ != nullptr; }

    // --- used by the layer itself ---
    void registerControl(Control* c);
    void unregisterControl(Control* c);
    void controlGotFocus(Control* c);
    void setDefaultButton(CommandButton* b, bool on);
    void setCancelButton(CommandButton* b, bool on);
    CommandButton* defaultButton() const { return defaultButton_; }
    CommandButton* cancelButton() const { return cancelButton_; }
    // Key routing of a control's widget: true when the key was used up.
    bool routeKeyPress(Control* c, QObject* target, QKeyEvent* e);
    bool routeKeyRelease(Control* c, QKeyEvent* e);
    void resetTabOrder();
    // Gives c tab place `index`; the others move up or down so that the
    // places stay 0 .. n - 1 without gaps.
    void moveInTabOrder(Control* c, int index);
    // Marks a control as driven by a key for as long as the guard lives
    // (the widget's own handling of that key).
    class KeyDrive {
    public:
        explicit KeyDrive(Control* c);
        ~KeyDrive();
        KeyDrive(const KeyDrive&) = delete;
        KeyDrive& operator=(const KeyDrive&) = delete;
    private:
        Form* form_;
        Control* previous_;
    };
    void attachSlot(std::function<void()> clear) { clearSlot_ = std::move(clear); }
    void runLoad();
    bool unloadNow(int mode);
    void widgetResized(QSize clientPixels);
    void widgetMoved(QPoint framePixels);
    void widgetActivated();
    void widgetStateChanged();
    bool formKeyPress(QKeyEvent* e);
    bool formKeyRelease(QKeyEvent* e);
    // Runs `change` (a new text or enabled state of a shown widget without
    // children) without a repaint; the widget is repainted just before the
    // window paints, when it then looks different from before the first
    // such change. What changes and changes back within one handler (a
    // board's matchpoints shown and the slip cleared for the next board, a
    // button disabled while a board opens) costs no repaint.
    void changeQuietly(QWidget* w, const std::function<void()>& change);
    void repaintChangedWidgets();

private:
    void adoptChild(Form& child, std::function<void()> onReturn);
    void nameOpener(bool showing);
    void giveBackToOwner();
    void fireResize();
    void applyWindowState();
    void applyGeometry();
    int frameWidth() const;
    int frameHeight() const;

    QString name_;
    quint64 instanceId_ = 0;
    QString caption_;
    int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    int normalLeft_ = 0, normalTop_ = 0, normalWidth_ = 4800, normalHeight_ = 3600;
    int windowState_ = vbNormal;
    int borderStyle_ = vbSizable;
    bool visible_ = false, enabled_ = true, keyPreview_ = false;
    bool loaded_ = false, unloading_ = false, unloaded_ = false, shownOnce_ = false;
    qint64 backColor_ = -1;
    QIcon icon_;
    QString tag_;
    QString fontName_;
    double fontSize_;
    bool fontBold_ = false;
    std::vector<Control*> controls_;
    Control* activeControl_ = nullptr;
    Control* lastTabbed_ = nullptr;  // the control of the tab order that had the focus last
    Control* keyDriven_ = nullptr;   // see KeyDrivenControl
    CommandButton* defaultButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
    QPointer<QWidget> widget_;  // a FormWidget
    std::function<void()> clearSlot_;
    Form* owner_ = nullptr;  // see Owner(); checked against ownerId_
    quint64 ownerId_ = 0;
    std::function<void()> onReturn_;
    bool applying_ = false;
    bool materializing_ = false;
    bool bypassKeys_ = false;
    bool inLoad_ = false, activateAfterLoad_ = false;
    struct Look {
        QString text;
        bool enabled = false, focus = false, down = false;
        bool operator==(const Look&) const = default;
    };
    static Look lookOf(const QWidget* w);
    struct ChangedWidget {
        QPointer<QWidget> widget;
        Look before;
    };
    std::vector<ChangedWidget> changedWidgets_;
    // The window whose exposures paint the changed widgets first.
    QPointer<QObject> exposeWatched_;
    friend class FormWidget;
};

// The title a window with this caption shows: the caption without its
// access-key marks ("&&" shows one "&"); the program's title when that
// leaves nothing.
QString WindowTitle(const QString& caption);
// Pixels a title bar needs for a title: the text in a title bar's larger
// font, the icon and the window buttons.
int TitleBarWidth(const QString& title);

// Unloads a window: runs Form_QueryUnload (which can cancel) and
// Form_Unload, then throws the instance away. False when it was cancelled.
bool Unload(Form& form);
// Unloads every window, front to back (their close handlers run; a window
// that refuses stays).
void UnloadAll();

// Forgets which window every key held down was pressed in: their releases
// then reach no handler. Every prompt calls it as it opens and closes, so
// the release of a key that answered a prompt is never a key of a window.
void ForgetKeysDown();

// The program's active window (nullptr when none), and its windows from
// back to front.
Form* ActiveForm();
// True when the window system window is that of a disabled window (which
// takes no input while a window it opened is up).
bool IsDisabledFormWindow(const QWindow* window);
// The window that a window or prompt opened now belongs to: the active
// window while it is on screen, else nullptr.
Form* OpeningForm();
// Tells the window system that a top-level widget of the layer, made
// native and about to be shown, belongs to `opener`'s window; to none when
// opener is nullptr or not on screen.
void BelongTo(QWidget& window, Form* opener);
std::vector<Form*> FormsInZOrder();
int LoadedFormCount();

// Makes the window instance behind a window's accessor.
template <class T>
class FormSlot {
public:
    T& get() {
        if (instance_) return *instance_;
        T* made = new T();
        instance_ = made;
        made->attachSlot([this] { instance_ = nullptr; });
        made->runLoad();
        // A window that unloaded itself while loading is handed out once
        // more (it lives until the handlers return); the next use makes a
        // new one.
        return *made;
    }
    bool loaded() const { return instance_ != nullptr; }

private:
    T* instance_ = nullptr;
};

}  // namespace platform

// A window nobody asks whether it is loaded is no fault: _IsLoaded is
// marked so for windows declared inside one file (tests do that).
#define DECLARE_FORM(Name, Class) \
    Class& Name();                \
    [[maybe_unused]] bool Name##_IsLoaded();

#define DEFINE_FORM(Name, Class)                                     \
    namespace {                                                      \
    platform::FormSlot<Class>& Name##_slot() {                       \
        static auto* slot = new platform::FormSlot<Class>();         \
        return *slot;                                                \
    }                                                                \
    }                                                                \
    Class& Name() { return Name##_slot().get(); }                    \
    bool Name##_IsLoaded() { return Name##_slot().loaded(); }
