#include "platform/Form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <map>
#include <set>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Screen.h"

namespace platform {

namespace {
std::vector<Form*> g_zorder;  // shown windows, back to front
std::set<Form*> g_loaded;
std::set<Form*> g_existing;  // every instance not yet destroyed
Form* g_active = nullptr;
// The window the layer activated last, until the window system confirms it:
// activations the window system reports for other windows meanwhile are
// stale echoes of earlier calls, not the user's.
Form* g_pending = nullptr;
int g_pendingGeneration = 0;

void removeFromZOrder(Form* f) {
    g_zorder.erase(std::remove(g_zorder.begin(), g_zorder.end(), f), g_zorder.end());
}
void bringToFront(Form* f) {
    removeFromZOrder(f);
    g_zorder.push_back(f);
}

void requestSystemActivation(Form* f) {
    g_pending = f;
    const int generation = ++g_pendingGeneration;
    if (f->hasWidget() && f->Visible()) {
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) f->widget()->raise();
        f->widget()->activateWindow();
    }
    if (QCoreApplication::instance())
        QTimer::singleShot(1000, QCoreApplication::instance(), [generation] {
            if (generation == g_pendingGeneration) g_pending = nullptr;
        });
}

// The window each key that is down was pressed in. A release reaches the
// handlers of a window only when its press went to that same window: the
// release of an Esc or Enter that closed a message box, a file dialog or
// another window is no key of the window it lands in.
std::map<quint64, Form*> g_keysDown;

quint64 keyId(const QKeyEvent* e) {
    // The scan code identifies the physical key even when the modifiers
    // held change its meaning between press and release.
    if (e->nativeScanCode()) return (quint64(1) << 32) | e->nativeScanCode();
    return quint64(quint32(e->key()));
}

void noteKeyDown(Form* f, const QKeyEvent* e) {
    // A repeated press of a key held down is not a new press: holding Esc
    // in a message box never makes it a key of the window behind it.
    if (!e->isAutoRepeat()) g_keysDown[keyId(e)] = f;
}

// True when the release belongs to the window; a final release ends the key.
bool takeKeyUp(Form* f, const QKeyEvent* e) {
    const auto it = g_keysDown.find(keyId(e));
    const bool ours = it != g_keysDown.end() && it->second == f;
    if (!e->isAutoRepeat() && it != g_keysDown.end()) g_keysDown.erase(it);
    return ours;
}

void forgetKeysOf(Form* f) {
    for (auto it = g_keysDown.begin(); it != g_keysDown.end();)
        it = it->second == f ? g_keysDown.erase(it) : std::next(it);
}

void activate(Form* f) {
    if (g_active == f) return;
    Form* previous = g_active;
    g_active = f;
    requestSystemActivation(f);
    EventScope scope;
    if (previous && previous->IsLoaded()) previous->Form_Deactivate();
    if (g_active == f && f->IsLoaded()) f->Form_Activate();
}

Form* topmostUsable() {
    for (auto it = g_zorder.rbegin(); it != g_zorder.rend(); ++it)
        if ((*it)->IsLoaded() && (*it)->Visible() && (*it)->Enabled()) return *it;
    return nullptr;
}

void activateTopmost() {
    if (Form* f = topmostUsable())
        activate(f);
    else
        g_active = nullptr;
}
}  // namespace

// The top-level widget of a window: hands the window system's events
// (close box, resizing, activation, keys while no control has the focus)
// to its Form.
class FormWidget : public QWidget {
public:
    explicit FormWidget(Form* f) : QWidget(nullptr), form_(f) {
        setAttribute(Qt::WA_DeleteOnClose, false);
        setFocusPolicy(Qt::StrongFocus);
    }
    Form* form_;
    // Makes the window system's window (as showing it would), so that what
    // it is told before it appears is there from the start.
    void makeNative() { create(); }

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        if (!form_->Enabled()) {  // a disabled window's close box does nothing
            form_->widgetActivated();
            return;
        }
        form_->unloadNow(vbFormControlMenu);
    }
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        form_->widgetResized(size());
    }
    void moveEvent(QMoveEvent* e) override {
        QWidget::moveEvent(e);
        form_->widgetMoved(pos());
    }
    void changeEvent(QEvent* e) override {
        QWidget::changeEvent(e);
        if (e->type() == QEvent::WindowStateChange) form_->widgetStateChanged();
    }
    bool event(QEvent* e) override {
        if (e->type() == QEvent::WindowActivate) form_->widgetActivated();
        // The window is about to paint what changed: labels first.
        if (e->type() == QEvent::UpdateRequest) form_->repaintChangedWidgets();
        return QWidget::event(e);
    }
    // The window system's window is about to be painted (see changeQuietly).
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Expose && watched == windowHandle()) form_->repaintChangedWidgets();
        return QWidget::eventFilter(watched, e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (!form_->formKeyPress(e)) e->ignore();
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        if (!form_->formKeyRelease(e)) e->ignore();
    }
    // Tab and Shift+Tab walk the window's layout order (every child widget
    // hands the question up to its window).
    bool focusNextPrevChild(bool next) override { return form_->TabToNext(next); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QWidget::mouseReleaseEvent(e);
        EventScope scope;
        form_->Form_Click();
    }
};

namespace {
// A disabled window keeps its look (its controls are not greyed) but takes
// no input: mouse and keyboard events for it are dropped here.
class InputBlocker : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
            break;
        default:
            return false;
        }
        if (!watched->isWidgetType()) return false;
        auto* fw = dynamic_cast<FormWidget*>(static_cast<QWidget*>(watched)->window());
        const bool blocked = fw && !fw->form_->Enabled();
        if (blocked && e->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(e)->isAutoRepeat())
            g_keysDown.erase(keyId(static_cast<QKeyEvent*>(e)));
        return blocked;
    }
};

void installInputBlocker() {
    static InputBlocker* blocker = nullptr;
    if (!blocker && QCoreApplication::instance()) {
        blocker = new InputBlocker;
        QCoreApplication::instance()->installEventFilter(blocker);
    }
}
}  // namespace

Form::Form(const QString& name)
    : name_(name), fontName_(DefaultFontName()), fontSize_(DefaultFontSize()) {
    static quint64 made = 0;
    instanceId_ = ++made;
    g_existing.insert(this);
    g_loaded.insert(this);
}

Form::~Form() {
    g_existing.erase(this);
    forgetKeysOf(this);
    removeFromZOrder(this);
    g_loaded.erase(this);
    if (g_active == this) g_active = nullptr;
    if (g_pending == this) g_pending = nullptr;
    delete widget_.data();
}

void Form::runLoad() {
    if (loaded_) return;
    loaded_ = true;
    inLoad_ = true;
    {
        EventScope scope;
        Form_Load();
    }
    inLoad_ = false;
    // A window shown from its own load handler becomes active once loading is done.
    if (activateAfterLoad_) {
        activateAfterLoad_ = false;
        if (!unloaded_ && visible_ && enabled_) {
            bringToFront(this);
            activate(this);
        }
    }
}

QWidget* Form::widget() {
    if (!widget_) {
        widget_ = new FormWidget(this);
        widget_->setWindowTitle(WindowTitle(caption_));
        if (!icon_.isNull()) widget_->setWindowIcon(icon_);
        widget_->setFont(Font());
        if (backColor_ != -1) SetBackColor(backColor_);
        if (borderStyle_ == vbBSNone) widget_->setWindowFlag(Qt::FramelessWindowHint, true);
        installInputBlocker();
        applyGeometry();
        materializing_ = true;
        for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->materialize();
        materializing_ = false;
        resetTabOrder();
    }
    return widget_;
}

void Form::registerControl(Control* c) { controls_.push_back(c); }

namespace {
std::vector<Control*> inTabOrder(const std::vector<Control*>& controls) {
    std::vector<Control*> order = controls;
    std::stable_sort(order.begin(), order.end(),
                     [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
    return order;
}
}  // namespace

void Form::moveInTabOrder(Control* c, int index) {
    std::vector<Control*> order = inTabOrder(controls_);
    order.erase(std::remove(order.begin(), order.end(), c), order.end());
    index = std::clamp(index, 0, int(order.size()));
    order.insert(order.begin() + index, c);
    for (std::size_t i = 0; i < order.size(); ++i) order[i]->tabIndex_ = int(i);
    resetTabOrder();
}

void Form::unregisterControl(Control* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (activeControl_ == c) activeControl_ = nullptr;
    if (lastTabbed_ == c) lastTabbed_ = nullptr;
    if (keyDriven_ == c) keyDriven_ = nullptr;
    if (static_cast<Control*>(defaultButton_) == c) defaultButton_ = nullptr;
    if (static_cast<Control*>(cancelButton_) == c) cancelButton_ = nullptr;
}

Form::KeyDrive::KeyDrive(Control* c) : form_(&c->Parent()), previous_(form_->keyDriven_) {
    form_->keyDriven_ = c;
}
Form::KeyDrive::~KeyDrive() {
    // The handlers may have unloaded the window and let pending events
    // throw the instance away.
    if (g_existing.count(form_)) form_->keyDriven_ = previous_;
}

void Form::controlGotFocus(Control* c) {
    if (unloaded_ || activeControl_ == c) return;
    Control* old = activeControl_;
    activeControl_ = c;
    const std::vector<Control*> order = TabOrder();
    if (std::find(order.begin(), order.end(), c) != order.end()) lastTabbed_ = c;
    if (old) old->fireLostFocus();
    c->fireGotFocus();
}

void Form::setDefaultButton(CommandButton* b, bool on) {
    if (on)
        defaultButton_ = b;
    else if (defaultButton_ == b)
        defaultButton_ = nullptr;
}

void Form::setCancelButton(CommandButton* b, bool on) {
    if (on)
        cancelButton_ = b;
    else if (cancelButton_ == b)
        cancelButton_ = nullptr;
}

namespace {
bool usableButton(CommandButton* b) {
    return b && b->Enabled() && b->Visible();
}
int qtKeyForChar(int ascii) {
    if (ascii == 13) return Qt::Key_Return;
    if (ascii == 8) return Qt::Key_Backspace;
    if (ascii == 27) return Qt::Key_Escape;
    const QChar c(ascii);
    if (c.isLetter() && c.unicode() < 128) return c.toUpper().unicode();
    return ascii < 128 ? ascii : Qt::Key_unknown;
}
}  // namespace

bool Form::routeKeyPress(Control* c, QObject* target, QKeyEvent* e) {
    if (bypassKeys_ || unloaded_) return false;
    noteKeyDown(this, e);
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) return false;  // moves the focus only
    EventScope scope;
    int code = KeyCodeFromEvent(e);
    const int originalCode = code;
    const int shift = ShiftFromQt(int(e->modifiers()));
    auto* button = dynamic_cast<CommandButton*>(c);
    if (code == vbKeyReturn && usableButton(defaultButton_) && !button) {
        defaultButton_->Click();
        return true;
    }
    if (code == vbKeyEscape && usableButton(cancelButton_)) {
        cancelButton_->Click();
        return true;
    }
    if (code) {
        if (keyPreview_) Form_KeyDown(code, shift);
        if (code && !unloaded_) c->fireKeyDown(code, shift);
    }
    if (unloaded_) return true;
    int ascii = KeyAsciiFromEvent(e);
    if (ascii) {
        const int originalAscii = ascii;
        if (keyPreview_) Form_KeyPress(ascii);
        const int typed = ascii;
        if (ascii && !unloaded_) c->fireKeyPress(ascii);
        // A character the control's handler dropped was refused; control
        // keys it takes over (Enter, Backspace) are commands, no refusals.
        if (typed >= 32 && typed != 127 && ascii == 0 && !unloaded_) c->keyRefused();
        if (ascii == 0 || unloaded_) return true;
        if (ascii != originalAscii) {
            QKeyEvent replaced(QEvent::KeyPress, qtKeyForChar(ascii), Qt::NoModifier, QString(QChar(ascii)));
            bypassKeys_ = true;
            QCoreApplication::sendEvent(target, &replaced);
            bypassKeys_ = false;
            return true;
        }
    }
    if (button && code == vbKeyReturn && ascii == 13) {  // Enter presses the button that has the focus
        button->Click();
        return true;
    }
    return originalCode != 0 && code == 0;
}

bool Form::routeKeyRelease(Control* c, QKeyEvent* e) {
    if (bypassKeys_ || unloaded_) return false;
    if (!takeKeyUp(this, e)) return true;  // pressed elsewhere: no handler sees it
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) return false;
    EventScope scope;
    int code = KeyCodeFromEvent(e);
    const int originalCode = code;
    const int shift = ShiftFromQt(int(e->modifiers()));
    if (!code) return false;
    if (keyPreview_) Form_KeyUp(code, shift);
    if (code && !unloaded_) c->fireKeyUp(code, shift);
    return originalCode != 0 && code == 0;
}

bool Form::formKeyPress(QKeyEvent* e) {
    if (widget_ && widget_->focusWidget() && widget_->focusWidget() != widget_) return false;
    noteKeyDown(this, e);
    EventScope scope;
    int code = KeyCodeFromEvent(e);
    const int shift = ShiftFromQt(int(e->modifiers()));
    if (code == vbKeyReturn && usableButton(defaultButton_)) {
        defaultButton_->Click();
        return true;
    }
    if (code == vbKeyEscape && usableButton(cancelButton_)) {
        cancelButton_->Click();
        return true;
    }
    if (code) Form_KeyDown(code, shift);
    int ascii = KeyAsciiFromEvent(e);
    if (ascii && !unloaded_) Form_KeyPress(ascii);
    return true;
}

bool Form::formKeyRelease(QKeyEvent* e) {
    if (widget_ && widget_->focusWidget() && widget_->focusWidget() != widget_) return false;
    if (!takeKeyUp(this, e)) return true;
    EventScope scope;
    int code = KeyCodeFromEvent(e);
    if (code) Form_KeyUp(code, ShiftFromQt(int(e->modifiers())));
    return true;
}

void Form::resetTabOrder() {
    if (!widget_ || materializing_) return;
    std::vector<Control*> order;
    for (Control* c : inTabOrder(controls_))
        if (c->existingWidget()) order.push_back(c);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->existingWidget(), order[i]->existingWidget());
}

namespace {
struct Placed {
    Control* control;
    QRect rect;  // twips, in its container
};

// The control as a container, when it is one (a frame or a picture box).
Container* asContainer(Control* c) { return dynamic_cast<Container*>(c); }

bool wouldTakeTab(Control* c) {
    if (!c->TabStop() || !c->Visible()) return false;
    QWidget* w = c->existingWidget();
    return w && (w->focusPolicy() & Qt::TabFocus);
}

// Rows of the layout, top to bottom, each left to right. Two controls share
// a row when the middle of each lies within the other's height, so that a
// label and a box side by side form one row but a tall frame beside a
// column of buttons does not swallow them. A control never joins a row
// above a later row that stands over it: a box under a block of buttons,
// beside a tall slip, reads after the buttons, not with the slip.
void sortByLayout(std::vector<Placed>& items) {
    std::stable_sort(items.begin(), items.end(), [](const Placed& a, const Placed& b) {
        return a.rect.top() != b.rect.top() ? a.rect.top() < b.rect.top() : a.rect.left() < b.rect.left();
    });
    auto middleWithin = [](const QRect& a, const QRect& b) {
        const int m = a.top() + a.height() / 2;
        return m >= b.top() && m <= b.top() + b.height();
    };
    std::vector<std::vector<Placed>> rows;  // in the order of their first control's top
    auto standsOver = [](const std::vector<Placed>& row, const QRect& r) {
        for (const Placed& q : row)
            if (q.rect.bottom() < r.top() && q.rect.left() <= r.right() && r.left() <= q.rect.right()) return true;
        return false;
    };
    for (const Placed& p : items) {
        std::vector<Placed>* row = nullptr;
        for (auto it = rows.rbegin(); it != rows.rend() && !row; ++it) {
            if (middleWithin(p.rect, it->front().rect) && middleWithin(it->front().rect, p.rect)) row = &*it;
            else if (standsOver(*it, p.rect)) break;
        }
        if (row)
            row->push_back(p);
        else
            rows.push_back({p});
    }
    items.clear();
    for (auto& row : rows) {
        std::stable_sort(row.begin(), row.end(), [](const Placed& a, const Placed& b) { return a.rect.left() < b.rect.left(); });
        items.insert(items.end(), row.begin(), row.end());
    }
}

// Appends the tab stops of a container's children that lie (at least in
// part) inside its client area, in layout order, frames and picture boxes
// followed by their own controls.
void collectTabOrder(Container* container, int clientWidth, int clientHeight, std::vector<Control*>& out) {
    std::vector<Placed> items;
    for (Control* c : container->children()) {
        if (!c->Visible()) continue;
        const QRect r(c->Left(), c->Top(), std::max(1, c->Width()), std::max(1, c->Height()));
        if (!r.intersects(QRect(0, 0, clientWidth, clientHeight))) continue;  // parked out of sight
        items.push_back({c, r});
    }
    sortByLayout(items);
    for (const Placed& p : items) {
        if (wouldTakeTab(p.control)) out.push_back(p.control);
        if (Container* inner = asContainer(p.control))
            collectTabOrder(inner, p.control->Width(), p.control->Height(), out);
    }
}
}  // namespace

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> out;
    auto* self = const_cast<Form*>(this);
    collectTabOrder(self, ScaleWidth(), ScaleHeight(), out);
    return out;
}

std::vector<Control*> Form::OptionGroupOf(Control* o) const {
    std::vector<Placed> items;
    for (Control* c : o->ContainerOf()->children())
        if (dynamic_cast<OptionButton*>(c)) items.push_back({c, QRect(c->Left(), c->Top(), std::max(1, c->Width()), std::max(1, c->Height()))});
    sortByLayout(items);
    std::vector<Control*> out;
    for (const Placed& p : items) out.push_back(p.control);
    return out;
}

bool Form::TabToNext(bool next) {
    if (!widget_ || unloaded_) return false;
    std::vector<Control*> order = TabOrder();
    auto usable = [this](Control* c) {
        QWidget* w = c->existingWidget();
        if (!w || !w->isVisible() || !w->isEnabled()) return false;
        // A group of option buttons is one stop: Tab enters it at the
        // selected button and the arrow keys move inside it.
        if (auto* o = dynamic_cast<OptionButton*>(c); o && !o->Value())
            for (Control* other : OptionGroupOf(c))
                if (other != c && static_cast<OptionButton*>(other)->Value()) return false;
        return true;
    };
    QWidget* focus = widget_->focusWidget();
    int current = -1;
    for (int i = 0; i < int(order.size()); ++i) {
        QWidget* w = order[std::size_t(i)]->existingWidget();
        if (focus && (w == focus || w->isAncestorOf(focus))) current = i;
    }
    // The focus rests on a control outside the order (a focus button
    // parked off screen, where handlers put it): Tab goes on from the
    // control of the order that had the focus last.
    if (current < 0 && lastTabbed_) {
        const auto it = std::find(order.begin(), order.end(), lastTabbed_);
        if (it != order.end()) current = int(it - order.begin());
    }
    const int n = int(order.size());
    for (int step = 1; step <= n; ++step) {
        int i = current < 0 ? (next ? step - 1 : n - step) : ((current + (next ? step : -step)) % n + n) % n;
        Control* c = order[std::size_t(i)];
        if (!usable(c)) continue;
        c->existingWidget()->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

int TitleBarWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + 160;
}

QString WindowTitle(const QString& caption) {
    // A caption's access keys mean nothing in a title bar; a window without
    // a caption is named by the program, never by its internal name.
    const QString title = StripAccessKeys(caption);
    return title.trimmed().isEmpty() ? ProgramTitle() : title;
}

void Form::SetCaption(const QString& c) {
    caption_ = c;
    if (widget_) widget_->setWindowTitle(WindowTitle(c));
}

void Form::Show() {
    if (unloaded_) return;
    if (!loaded_) runLoad();
    EventScope scope;
    QWidget* w = widget();
    nameOpener(!visible_);
    visible_ = true;
    applyWindowState();
    if (!shownOnce_) {
        shownOnce_ = true;
        fireResize();
        if (unloaded_) return;
    }
    bringToFront(this);
    if (inLoad_) {
        activateAfterLoad_ = true;
    } else if (enabled_) {
        if (g_active == this)
            requestSystemActivation(this);
        else
            activate(this);
    } else if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        w->raise();
    }
}

void Form::SetVisible(bool on) {
    if (on) {
        Show();
        return;
    }
    if (!visible_) return;
    visible_ = false;
    if (widget_) widget_->hide();
    removeFromZOrder(this);
    if (g_active == this) {
        g_active = nullptr;
        activateTopmost();
    }
}

int Form::frameWidth() const { return borderStyle_ == vbBSNone ? 0 : 120; }
int Form::frameHeight() const { return borderStyle_ == vbBSNone ? 0 : 405; }
int Form::Width() const { return width_; }
int Form::Height() const { return height_; }
int Form::ScaleWidth() const { return std::max(0, width_ - frameWidth()); }
int Form::ScaleHeight() const { return std::max(0, height_ - frameHeight()); }

void Form::applyGeometry() {
    if (!widget_) return;
    applying_ = true;
    widget_->move(PixelsFromTwips(left_), PixelsFromTwips(top_));
    if (windowState_ == vbNormal) {
        const QSize client(PixelsFromTwips(ScaleWidth()), PixelsFromTwips(ScaleHeight()));
        if (borderStyle_ == vbFixedSingle || borderStyle_ == vbFixedDouble)
            widget_->setFixedSize(client);
        else
            widget_->resize(client);
    }
    applying_ = false;
}

void Form::SetLeft(double v) { Move(v, top_); }
void Form::SetTop(double v) { Move(left_, v); }
void Form::SetWidth(double v) { Move(left_, top_, v, height_); }
void Form::SetHeight(double v) { Move(left_, top_, width_, v); }

void Form::Move(double left, double top) {
    left_ = WholeTwips(left);
    top_ = WholeTwips(top);
    if (windowState_ == vbNormal) {
        normalLeft_ = left_;
        normalTop_ = top_;
    }
    if (widget_) {
        applying_ = true;
        widget_->move(PixelsFromTwips(left_), PixelsFromTwips(top_));
        applying_ = false;
    }
}

void Form::Move(double left, double top, double width, double height) {
    const int w = std::max(0, WholeTwips(width)), h = std::max(0, WholeTwips(height));
    if (windowState_ != vbNormal) {  // a minimised or maximised window keeps its size
        normalLeft_ = WholeTwips(left);
        normalTop_ = WholeTwips(top);
        normalWidth_ = w;
        normalHeight_ = h;
        return;
    }
    const bool sized = w != width_ || h != height_;
    left_ = normalLeft_ = WholeTwips(left);
    top_ = normalTop_ = WholeTwips(top);
    width_ = normalWidth_ = w;
    height_ = normalHeight_ = h;
    applyGeometry();
    if (sized) fireResize();
}

void Form::fireResize() {
    if (unloaded_) return;
    EventScope scope;
    Form_Resize();
}

void Form::applyWindowState() {
    if (!widget_ || !visible_) return;
    applying_ = true;
    switch (windowState_) {
    case vbMinimized: widget_->showMinimized(); break;
    case vbMaximized: {
        // Without a window manager a maximise request is not acted upon:
        // the window is given the screen's free area itself as well.
        QScreen* screen = widget_->screen() ? widget_->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            widget_->setMinimumSize(0, 0);
            widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            widget_->setGeometry(screen->availableGeometry());
        }
        widget_->showMaximized();
        break;
    }
    default: widget_->showNormal(); break;
    }
    applying_ = false;
}

void Form::SetWindowState(int state) {
    if (state < vbNormal || state > vbMaximized || state == windowState_) return;
    if (windowState_ == vbNormal) {
        normalLeft_ = left_;
        normalTop_ = top_;
        normalWidth_ = width_;
        normalHeight_ = height_;
    }
    windowState_ = state;
    if (state == vbMaximized) {
        left_ = top_ = 0;
        width_ = Screen().Width();
        height_ = Screen().Height();
    } else if (state == vbNormal) {
        left_ = normalLeft_;
        top_ = normalTop_;
        width_ = normalWidth_;
        height_ = normalHeight_;
    }
    applyWindowState();
    if (state == vbNormal) applyGeometry();
    fireResize();
}

void Form::SetBorderStyle(int style) {
    borderStyle_ = style;
    if (widget_) applyGeometry();
}

void Form::SetEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    if (on && !g_active && visible_ && IsLoaded() && topmostUsable() == this) activate(this);
}

void Form::SetBackColor(qint64 c) {
    backColor_ = c;
    if (!widget_) return;
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Window, QColorFromVB(BackColor()));
    widget_->setPalette(pal);
    widget_->setAutoFillBackground(true);
}

void Form::SetIcon(const QIcon& icon) {
    icon_ = icon;
    if (widget_) widget_->setWindowIcon(icon);
}

QFont Form::Font() const {
    QFont f(fontName_);
    f.setPointSizeF(UsableFontSize(fontSize_));
    f.setBold(fontBold_);
    return f;
}

int Form::TextWidth(const QString& s) const {
    QFontMetrics fm(Font());
    int widest = 0;
    for (const QString& line : s.split('\n')) widest = std::max(widest, fm.horizontalAdvance(line));
    return TwipsFromPixels(widest);
}

int Form::TextHeight(const QString& s) const {
    QFontMetrics fm(Font());
    return TwipsFromPixels(fm.height() * int(s.count('\n') + 1));
}

void Form::Refresh() {
    if (widget_) widget_->repaint();
}

Form* Form::Owner() const {
    if (!owner_ || !g_loaded.count(owner_) || owner_->InstanceId() != ownerId_) return nullptr;
    return owner_;
}

void Form::adoptChild(Form& child, std::function<void()> onReturn) {
    if (!child.IsLoaded()) {
        // The child gave up while loading: nothing holds this window.
        if (!IsLoaded()) return;
        SetEnabled(true);
        if (onReturn) onReturn();
        return;
    }
    child.owner_ = this;
    child.ownerId_ = instanceId_;
    child.onReturn_ = std::move(onReturn);
    child.SetIcon(icon_);
    child.Show();
}

void Form::nameOpener(bool showing) {
    Form* opener = Owner();
    if (!opener) {
        if (!showing) return;  // on screen already: it keeps the window it belongs to
        opener = OpeningForm();
    }
    auto* fw = static_cast<FormWidget*>(widget());
    fw->makeNative();
    BelongTo(*fw, opener != this ? opener : nullptr);
}

void BelongTo(QWidget& window, Form* opener) {
    // Set before the window appears: a Wayland compositor hears of the
    // parent only when the window's surface is made.
    QWindow* own = window.windowHandle();
    if (!own) return;
    QWindow* parent = opener && opener->Visible() && opener->hasWidget() ? opener->widget()->windowHandle() : nullptr;
    // A window never belongs to one that belongs to it.
    for (QWindow* p = parent; p; p = p->transientParent())
        if (p == own) {
            parent = nullptr;
            break;
        }
    if (own->transientParent() != parent) own->setTransientParent(parent);
}

void Form::giveBackToOwner() {
    Form* owner = Owner();
    std::function<void()> onReturn = std::move(onReturn_);
    owner_ = nullptr;
    ownerId_ = 0;
    onReturn_ = nullptr;
    if (!owner) return;
    owner->SetEnabled(true);
    if (onReturn) onReturn();
}

bool Form::unloadNow(int mode) {
    if (unloaded_ || unloading_) return false;
    EventScope scope;
    unloading_ = true;
    int cancel = 0;
    Form_QueryUnload(cancel, mode);
    if (unloaded_) return true;
    if (cancel) {
        unloading_ = false;
        return false;
    }
    giveBackToOwner();
    cancel = 0;
    Form_Unload(cancel);
    if (unloaded_) return true;
    if (cancel) {
        unloading_ = false;
        return false;
    }
    unloaded_ = true;
    unloading_ = false;
    const bool ownedBySlot = bool(clearSlot_);
    if (clearSlot_) clearSlot_();
    clearSlot_ = nullptr;
    g_loaded.erase(this);
    removeFromZOrder(this);
    if (g_pending == this) g_pending = nullptr;
    visible_ = false;
    if (widget_) widget_->hide();
    if (g_active == this) {
        g_active = nullptr;
        activateTopmost();
    }
    if (ownedBySlot) {
        Form* self = this;
        RunWhenIdle([self] { delete self; });
    }
    if (g_loaded.empty() && QuitWhenAllUnloaded() && QCoreApplication::instance())
        QCoreApplication::quit();
    return true;
}

void Form::widgetResized(QSize px) {
    if (applying_ || unloaded_ || windowState_ == vbMinimized) return;
    if (px.width() == PixelsFromTwips(ScaleWidth()) && px.height() == PixelsFromTwips(ScaleHeight()))
        return;
    width_ = TwipsFromPixels(px.width()) + frameWidth();
    height_ = TwipsFromPixels(px.height()) + frameHeight();
    if (windowState_ == vbNormal) {
        normalWidth_ = width_;
        normalHeight_ = height_;
    }
    fireResize();
}

void Form::widgetMoved(QPoint px) {
    if (applying_ || unloaded_ || windowState_ != vbNormal) return;
    if (px.x() == PixelsFromTwips(left_) && px.y() == PixelsFromTwips(top_)) return;
    left_ = normalLeft_ = TwipsFromPixels(px.x());
    top_ = normalTop_ = TwipsFromPixels(px.y());
}

void Form::widgetStateChanged() {
    if (applying_ || unloaded_ || !widget_) return;
    const Qt::WindowStates s = widget_->windowState();
    const int state = (s & Qt::WindowMinimized) ? vbMinimized : (s & Qt::WindowMaximized) ? vbMaximized : vbNormal;
    if (state == windowState_) return;
    windowState_ = state;
    if (state == vbNormal) {
        width_ = normalWidth_;
        height_ = normalHeight_;
    }
    fireResize();
}

Form::Look Form::lookOf(const QWidget* w) {
    Look look;
    if (auto* label = qobject_cast<const QLabel*>(w)) look.text = label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) look.down = button->isDown();
    look.enabled = w->isEnabled();
    look.focus = w->hasFocus();
    return look;
}

void Form::changeQuietly(QWidget* w, const std::function<void()>& change) {
    if (!w->isVisible() || w->testAttribute(Qt::WA_UpdatesDisabled) || w->findChild<QWidget*>()) {
        change();
        return;
    }
    const bool pending = std::any_of(changedWidgets_.begin(), changedWidgets_.end(),
                                     [w](const ChangedWidget& c) { return c.widget == w; });
    if (!pending) {
        // Posted once: the window may have nothing else to paint.
        if (changedWidgets_.empty() && widget_) {
            QCoreApplication::postEvent(widget_, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
            // The window system can have the window painted before that
            // (uncovered, say): those widgets are brought up to date first.
            QWindow* window = widget_->windowHandle();
            if (window && exposeWatched_ != window) {
                window->installEventFilter(widget_);
                exposeWatched_ = window;
            }
        }
        changedWidgets_.push_back({w, lookOf(w)});
    }
    w->setAttribute(Qt::WA_UpdatesDisabled, true);
    change();
    w->setAttribute(Qt::WA_UpdatesDisabled, false);
}

void Form::repaintChangedWidgets() {
    const std::vector<ChangedWidget> changed = std::move(changedWidgets_);
    changedWidgets_.clear();
    for (const ChangedWidget& c : changed) {
        if (!c.widget || lookOf(c.widget) == c.before) continue;
        // A label's new text leaves its frame as it was, as the label's own
        // repaint would.
        if (auto* label = qobject_cast<QLabel*>(c.widget.data()); label && c.before.enabled == label->isEnabled())
            label->update(label->contentsRect());
        else
            c.widget->update();
    }
}

void Form::widgetActivated() {
    if (unloaded_ || !visible_) return;
    if (g_active == this) {
        if (g_pending == this) g_pending = nullptr;
        return;
    }
    if (g_pending && g_pending != this && g_pending->Visible()) return;
    if (!enabled_) {
        // A disabled window cannot become active: the active one stays in front.
        if (g_active && g_active->hasWidget() && g_active->Visible()) requestSystemActivation(g_active);
        return;
    }
    bringToFront(this);
    activate(this);
}

bool Unload(Form& form) { return form.unloadNow(vbFormCode); }

void UnloadAll() {
    for (int round = 0; round < 3 && !g_loaded.empty(); ++round) {
        std::vector<Form*> forms = g_zorder;
        std::reverse(forms.begin(), forms.end());
        for (Form* f : g_loaded)
            if (std::find(forms.begin(), forms.end(), f) == forms.end()) forms.push_back(f);
        for (Form* f : forms)
            if (g_loaded.count(f)) Unload(*f);
    }
}

void ForgetKeysDown() { g_keysDown.clear(); }

Form* ActiveForm() { return g_active; }

bool IsDisabledFormWindow(const QWindow* window) {
    for (Form* f : g_loaded)
        if (f->hasWidget() && f->widget()->windowHandle() == window) return !f->Enabled();
    return false;
}
Form* OpeningForm() { return g_active && g_active->hasWidget() && g_active->Visible() ? g_active : nullptr; }
std::vector<Form*> FormsInZOrder() { return g_zorder; }
int LoadedFormCount() { return int(g_loaded.size()); }

}  // namespace platform
