#include "platform/Control.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <algorithm>

#include "platform/App.h"
#include "platform/Form.h"
#include "platform/Screen.h"

namespace platform {

bool IsSystemColor(qint64 c) { return c >= 0x80000000LL; }

QColor QColorFromVB(qint64 c) {
    if (IsSystemColor(c)) {
        const QPalette pal = QApplication::palette();
        switch (c & 0xFF) {
        case 0x05: return pal.color(QPalette::Base);
        case 0x08: return pal.color(QPalette::Text);
        case 0x12: return pal.color(QPalette::ButtonText);
        case 0x0F:
        default: return pal.color(QPalette::Button);
        }
    }
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

namespace {
int g_bells = 0;
}  // namespace

void Bell() {
    ++g_bells;
    QApplication::beep();
}

int BellCount() { return g_bells; }

QString StripAccessKeys(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

QString WithAccessKey(const QString& caption, const QString& part, int offset) {
    const QString plain = StripAccessKeys(caption);
    const int start = part.isEmpty() ? -1 : int(plain.indexOf(part, 0, Qt::CaseInsensitive));
    if (start < 0 || offset < 0 || offset >= part.size()) return caption;
    const int at = start + offset;
    QString out;
    for (int i = 0; i < plain.size(); ++i) {
        if (i == at) out += QLatin1Char('&');
        out += plain.at(i);
        if (plain.at(i) == QLatin1Char('&')) out += QLatin1Char('&');
    }
    return out;
}

QString WithAccessKey(const QString& caption, QChar letter) { return WithAccessKey(caption, QString(letter)); }

namespace {
// A key that a control leaves unused travels on from its widget to the
// widgets around it: the frame or picture box it sits in, and theirs, up to
// the window. That key has been handed to the window and the control
// already; the containers on its way must not take it as a key of their own.
// The key routed last, and the widget that routed it, tell them so.
struct RoutedKey {
    const QKeyEvent* event = nullptr;
    QEvent::Type type = QEvent::None;
    int key = 0;
    QPointer<QWidget> by;
};
RoutedKey g_routed;

void markRouted(QObject* watched, const QKeyEvent* e) {
    g_routed.event = e;
    g_routed.type = e->type();
    g_routed.key = e->key();
    g_routed.by = static_cast<QWidget*>(watched);
}

bool routedBelow(QObject* watched, const QKeyEvent* e) {
    if (e != g_routed.event || e->type() != g_routed.type || e->key() != g_routed.key || !g_routed.by)
        return false;
    auto* w = static_cast<QWidget*>(watched);
    if (w == g_routed.by || !w->isAncestorOf(g_routed.by)) return false;
    // A container that has the focus itself is where its keys start: a key
    // for it that merely reuses the memory of the one routed last is new.
    return w->window()->focusWidget() != w;
}
}  // namespace

// Hands a control's widget events to the control: keys (through its
// window, for key preview and the default and cancel buttons), focus and
// mouse buttons.
class ControlEventFilter : public QObject {
public:
    explicit ControlEventFilter(Control* c) : control_(c) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        Form& form = control_->Parent();
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            if (watched != control_->keyWidget()) break;
            auto* ke = static_cast<QKeyEvent*>(e);
            if (routedBelow(watched, ke)) break;
            QPointer<QObject> alive(watched);
            const bool used = e->type() == QEvent::KeyPress ? form.routeKeyPress(control_, watched, ke)
                                                            : form.routeKeyRelease(control_, ke);
            // Marked after the handlers ran: they may have shown a message
            // box that routed other keys meanwhile.
            if (!used && alive) markRouted(watched, ke);
            return used;
        }
        case QEvent::MouseButtonDblClick:
            // A disabled control, or one in a disabled frame, hears no mouse.
            if (control_->clicksFromMouse() && static_cast<QWidget*>(watched)->isEnabled()) control_->fireDblClick();
            break;
        case QEvent::FocusIn: {
            auto* fe = static_cast<QFocusEvent*>(e);
            // Coming back from another program or a pop-up is no focus change,
            // but the first focus a window gives when it appears is one.
            const bool returning = fe->reason() == Qt::ActiveWindowFocusReason || fe->reason() == Qt::PopupFocusReason;
            if (!returning || !form.ActiveControl()) form.controlGotFocus(control_);
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(e);
            auto* w = static_cast<QWidget*>(watched);
            if (!w->isEnabled()) break;
            const QPoint p = w->mapTo(control_->widget(), me->position().toPoint());
            int button = me->button() == Qt::LeftButton    ? vbLeftButton
                         : me->button() == Qt::RightButton ? vbRightButton
                                                           : vbMiddleButton;
            int shift = ShiftFromQt(int(me->modifiers()));
            float x = float(TwipsFromPixels(p.x())), y = float(TwipsFromPixels(p.y()));
            if (e->type() == QEvent::MouseButtonPress) {
                control_->fireMouseDown(button, shift, x, y);
            } else {
                control_->fireMouseUp(button, shift, x, y);
                if (button == vbLeftButton && control_->clicksFromMouse() && w->rect().contains(me->position().toPoint()))
                    control_->fireClick();
            }
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    Control* control_;
};

Control::Control(Container* container, const QString& name, int index)
    : form_(container->ownerForm()), container_(container), name_(name), index_(index),
      fontName_(DefaultFontName()), fontSize_(DefaultFontSize()) {
    container_->children().push_back(this);
    tabIndex_ = int(form_->Controls().size());  // tab order follows the order of making
    form_->registerControl(this);
}

Control::~Control() {
    auto& ch = container_->children();
    ch.erase(std::remove(ch.begin(), ch.end(), this), ch.end());
    form_->unregisterControl(this);
    delete widget_.data();
    delete filter_;
}

QWidget* Control::widget() {
    if (!widget_) {
        QWidget* parent = container_->containerWidget();
        if (widget_) return widget_;  // made while the window made its widgets
        QWidget* w = createWidget(parent);
        if (!w) return nullptr;
        widget_ = w;
        watch(w);
        applyAll();
        w->setVisible(visible_);
        form_->resetTabOrder();
    }
    return widget_;
}

void Control::materialize() {
    if (visible_ && !widget_) widget();
}

void Control::watch(QWidget* w) {
    if (!filter_) filter_ = new ControlEventFilter(this);
    w->installEventFilter(filter_);
}

void Control::applyAll() {
    applyGeometry();
    applyFont();
    applyColors();
    widget_->setEnabled(enabled_);
    widget_->setToolTip(toolTip_);
    widget_->setFocusPolicy(tabStop_ ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::fillBackground(bool on) {
    if (!widget_) return;
    if (on) {
        QPalette pal = widget_->palette();
        pal.setColor(QPalette::Window, QColorFromVB(effectiveBack()));
        widget_->setPalette(pal);
    }
    widget_->setAutoFillBackground(on);
}

void Control::applyGeometry() {
    if (!widget_) return;
    widget_->setGeometry(PixelsFromTwips(left_), PixelsFromTwips(top_),
                         std::max(0, PixelsFromTwips(width_)), std::max(0, PixelsFromTwips(height_)));
}

QFont Control::Font() const {
    QFont f(fontName_);
    f.setPointSizeF(UsableFontSize(fontSize_));
    f.setBold(fontBold_);
    f.setItalic(fontItalic_);
    f.setUnderline(fontUnderline_);
    return f;
}

void Control::applyFont() {
    if (widget_ && HasFont()) widget_->setFont(Font());
}

void Control::applyColors() {
    if (!widget_) return;
    QPalette pal = widget_->palette();
    const qint64 fore = effectiveFore(), back = effectiveBack();
    if (!IsSystemColor(fore)) {
        pal.setColor(QPalette::WindowText, QColorFromVB(fore));
        pal.setColor(QPalette::Text, QColorFromVB(fore));
        pal.setColor(QPalette::ButtonText, QColorFromVB(fore));
    }
    if (!IsSystemColor(back)) {
        pal.setColor(QPalette::Window, QColorFromVB(back));
        pal.setColor(QPalette::Base, QColorFromVB(back));
        pal.setColor(QPalette::Button, QColorFromVB(back));
    }
    widget_->setPalette(pal);
}

const QFontMetrics& Control::fontMetrics() const {
    if (!fontMetrics_) fontMetrics_.emplace(Font());
    return *fontMetrics_;
}

int Control::textLineHeight() const { return TwipsFromPixels(fontMetrics().height()); }

int Control::textWidthTwips(const QString& s) const {
    auto it = textWidths_.constFind(s);
    if (it == textWidths_.constEnd()) {
        if (textWidths_.size() >= 4096) textWidths_.clear();
        it = textWidths_.insert(s, fontMetrics().horizontalAdvance(s));
    }
    return TwipsFromPixels(*it);
}

void Control::SetLeft(double v) { Move(v, top_, width_, height_); }
void Control::SetTop(double v) { Move(left_, v, width_, height_); }
void Control::SetWidth(double v) { Move(left_, top_, v, height_); }
void Control::SetHeight(double v) { Move(left_, top_, width_, v); }
void Control::Move(double left, double top) { Move(left, top, width_, height_); }
void Control::Move(double left, double top, double width, double height) {
    const int l = WholeTwips(left), t = WholeTwips(top);
    const int w = std::max(0, WholeTwips(width)), h = std::max(0, WholeTwips(height));
    if (l == left_ && t == top_ && w == width_ && h == height_) return;
    left_ = l;
    top_ = t;
    width_ = w;
    height_ = h;
    applyGeometry();
    geometryChanged();
}

void Control::SetEnabled(bool on) {
    enabled_ = on;
    // WA_ForceDisabled: the widget's own setting, whatever its frame's.
    if (widget_ && widget_->testAttribute(Qt::WA_ForceDisabled) == on)
        form_->changeQuietly(widget_, [&] { widget_->setEnabled(on); });
}

void Control::SetVisible(bool on) {
    visible_ = on;
    if (widget_)
        widget_->setVisible(on);
    else if (on && form_->hasWidget())
        widget();
}

void Control::SetTabIndex(int i) { form_->moveInTabOrder(this, i); }

void Control::SetTabStop(bool on) {
    tabStop_ = on;
    if (widget_) widget_->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void Control::SetToolTipText(const QString& t) {
    toolTip_ = t;
    if (widget_) widget_->setToolTip(t);
}

void Control::SetForeColor(qint64 c) {
    foreColor_ = c;
    applyColors();
}
void Control::SetBackColor(qint64 c) {
    backColor_ = c;
    applyColors();
}

void Control::fontSet() {
    fontMetrics_.reset();
    textWidths_.clear();
    applyFont();
    fontChanged();
}
void Control::SetFontName(const QString& n) { fontName_ = n; fontSet(); }
void Control::SetFontSize(double p) { fontSize_ = p; fontSet(); }
void Control::SetFontBold(bool on) { fontBold_ = on; fontSet(); }
void Control::SetFontItalic(bool on) { fontItalic_ = on; fontSet(); }
void Control::SetFontUnderline(bool on) { fontUnderline_ = on; fontSet(); }

void Control::SetAlignment(int a) {
    alignment_ = a;
    if (widget_) applyAll();
}

void Control::SetFocus() {
    // A control the user is driving with keys keeps the focus while the
    // handlers of that key run, as long as it can hold it.
    if (Control* driven = form_->KeyDrivenControl(); driven && driven != this && driven->Visible() &&
        driven->Enabled())
        return;
    if (QWidget* w = widget()) w->setFocus(Qt::OtherFocusReason);
    focusedByCode();
    form_->controlGotFocus(this);
}

bool Control::hasFocus() const { return form_->ActiveControl() == this; }

}  // namespace platform
