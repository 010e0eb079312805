#include "platform/Controls.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTextCharFormat>
#include <QWheelEvent>
#include <algorithm>

#include "platform/Form.h"
#include "platform/Screen.h"

namespace platform {

namespace {
Qt::Alignment qtAlignment(int a, bool vcenter) {
    Qt::Alignment h = a == vbRightJustify ? Qt::AlignRight : a == vbCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    return h | (vcenter ? Qt::AlignVCenter : Qt::AlignTop);
}
// Line breaks as the program keeps them (CR LF) and as widgets show them (LF).
QString toWidgetText(QString s) { return s.replace("\r\n", "\n").replace('\r', '\n'); }
QString fromWidgetText(QString s) { return s.replace("\n", "\r\n"); }

// The caption with its first access-key mark only. A caption built by
// putting a mark in front of a text that holds one ("&Print to P&DF") would
// underline two letters of which only the first works with Alt; buttons,
// check boxes, option buttons and frames keep it as "&Print to PDF".
QString OneAccessKey(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    bool marked = false;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            out += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
            out += QStringLiteral("&&");
            ++i;
        } else if (!marked && i + 1 < caption.size()) {
            out += QLatin1Char('&');
            marked = true;
        }
    }
    return out;
}
}  // namespace

// ---------------------------------------------------------------- Label

Label::Label(Container* c, const QString& name, int index) : Control(c, name, index) {
    Move(0, 0, 1215, 255);
}

QWidget* Label::createWidget(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setFocusPolicy(Qt::NoFocus);
    return l;
}

void Label::applyAll() {
    Control::applyAll();
    auto* l = static_cast<QLabel*>(widget_.data());
    l->setFocusPolicy(Qt::NoFocus);
    l->setText(StripAccessKeys(toWidgetText(caption_)));
    l->setWordWrap(wordWrap_);
    l->setAlignment(qtAlignment(Alignment(), false));
    l->setFrameShape(borderStyle_ ? QFrame::Box : QFrame::NoFrame);
}

void Label::applyColors() {
    Control::applyColors();
    // An opaque label shows a colour it was given; without one it shows its
    // container's background, as the windows are laid out for.
    fillBackground(backStyle_ == 1 && backColorSet());
}

void Label::SetCaption(const QString& s) {
    if (s == caption_) return;
    caption_ = s;
    if (widget_) {
        // The label holds its new text at once; the screen follows when the
        // window next paints.
        auto* label = static_cast<QLabel*>(widget_.data());
        const QString text = StripAccessKeys(toWidgetText(s));
        form_->changeQuietly(label, [&] { label->setText(text); });
    }
    if (autoSize_) fitToCaption();
    Fire(change_);
}

void Label::SetAutoSize(bool on) {
    autoSize_ = on;
    if (on) fitToCaption();
}

void Label::fitToCaption() {
    const QStringList lines = toWidgetText(StripAccessKeys(caption_)).split('\n');
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, textWidthTwips(line));
    if (wordWrap_)
        Move(Left(), Top(), Width(), textLineHeight() * int(lines.size()));
    else
        Move(Left(), Top(), widest, textLineHeight() * int(lines.size()));
}

void Label::SetWordWrap(bool on) {
    wordWrap_ = on;
    if (widget_) static_cast<QLabel*>(widget_.data())->setWordWrap(on);
}

void Label::SetBackStyle(int s) {
    backStyle_ = s;
    applyColors();
}

void Label::SetBorderStyle(int s) {
    borderStyle_ = s;
    if (widget_) static_cast<QLabel*>(widget_.data())->setFrameShape(s ? QFrame::Box : QFrame::NoFrame);
}

// ---------------------------------------------------------------- TextBox

namespace {
// The mark of a refused key: a light red box, for a moment.
constexpr qint64 kRefusalColor = RGB(255, 170, 170);
constexpr int kRefusalMarkMs = 400;
}  // namespace

TextBox::TextBox(Container* c, const QString& name, int index) : Control(c, name, index) {
    Move(0, 0, 1215, 285);
}

QWidget* TextBox::createWidget(QWidget* parent) {
    if (multiLine_) {
        auto* e = new QPlainTextEdit(parent);
        // Tab and Shift+Tab move the focus on, out of a multi-line box too,
        // so that the keyboard can walk every control of the window.
        e->setTabChangesFocus(true);
        QObject::connect(e, &QPlainTextEdit::textChanged, [this, e] { userEdited(fromWidgetText(e->toPlainText())); });
        watch(e->viewport());
        return e;
    }
    auto* e = new QLineEdit(parent);
    QObject::connect(e, &QLineEdit::textChanged, [this](const QString& t) { userEdited(t); });
    return e;
}

void TextBox::applyAll() {
    Control::applyAll();
    if (auto* e = qobject_cast<QLineEdit*>(widget_.data())) {
        QSignalBlocker block(e);
        e->setText(text_);
        e->setReadOnly(locked_);
        e->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
        e->setAlignment(qtAlignment(Alignment(), true));
        e->setFrame(borderStyle_ != 0);
        e->setEchoMode(passwordChar_.isNull() ? QLineEdit::Normal : QLineEdit::Password);
        e->setCursorPosition(std::min<int>(selStart_, int(text_.size())));
        if (selLength_ > 0) e->setSelection(selStart_, selLength_);
        applyMarks();
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        QSignalBlocker block(p);
        p->setPlainText(toWidgetText(text_));
        p->setReadOnly(locked_);
        p->setVerticalScrollBarPolicy((scrollBars_ & 2) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        p->setHorizontalScrollBarPolicy((scrollBars_ & 1) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        p->setLineWrapMode((scrollBars_ & 1) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        p->setFrameShape(borderStyle_ ? QFrame::StyledPanel : QFrame::NoFrame);
    }
}

void TextBox::applyColors() {
    Control::applyColors();
    if (!widget_) return;
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Base, refusalMarked_ ? QColorFromVB(kRefusalColor) : QColorFromVB(BackColor()));
    widget_->setPalette(pal);
}

void TextBox::RefuseKey() {
    Bell();
    refusalMarked_ = true;
    const int dit = ++refusals_;
    applyColors();
    if (!widget_) {
        refusalMarked_ = false;
        return;
    }
    QTimer::singleShot(kRefusalMarkMs, widget_.data(), [this, dit] {
        if (dit != refusals_) return;
        refusalMarked_ = false;
        applyColors();
    });
}

void TextBox::pushText() {
    if (auto* e = qobject_cast<QLineEdit*>(widget_.data())) {
        QSignalBlocker block(e);
        e->setText(text_);
        // The caret goes where SelStart says (the start after a new text),
        // so a text wider than its box shows its beginning.
        e->setCursorPosition(std::min<int>(selStart_, int(text_.size())));
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        QSignalBlocker block(p);
        p->setPlainText(toWidgetText(text_));
    }
}

void TextBox::SetText(const QString& s) {
    QString t = s;
    if (maxLength_ > 0 && t.size() > maxLength_ && !multiLine_) t.truncate(maxLength_);
    if (t == text_) return;
    text_ = t;
    const bool marked = !marks_.isEmpty();
    marks_.clear();
    prefilled_ = !t.isEmpty();
    selStart_ = 0;
    selLength_ = 0;
    pushText();
    if (marked) applyMarks();
    Fire(change_);
}

void TextBox::userEdited(const QString& s) {
    if (s == text_) return;
    text_ = s;
    if (!marks_.isEmpty()) {
        marks_.clear();
        applyMarks();
    }
    prefilled_ = false;
    Fire(change_);
}

void TextBox::SetMarks(const QList<std::pair<int, int>>& marks) {
    marks_ = marks;
    applyMarks();
}

void TextBox::applyMarks() {
    // A line edit shows formatted ranges only through an input method
    // event, whose positions count from the caret; it changes no text.
    auto* e = qobject_cast<QLineEdit*>(widget_.data());
    if (!e) return;
    QTextCharFormat format;
    format.setForeground(QColor(200, 0, 0));
    format.setBackground(QColor(255, 224, 224));
    format.setFontUnderline(true);
    format.setUnderlineColor(QColor(200, 0, 0));
    QList<QInputMethodEvent::Attribute> ranges;
    for (const auto& [start, length] : marks_)
        ranges << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, start - e->cursorPosition(), length,
                                               format);
    QInputMethodEvent event(QString(), ranges);
    QCoreApplication::sendEvent(e, &event);
}

void TextBox::focusedByCode() {
    // A one-line box that code filled and gives the focus (a proposed name)
    // opens with its text selected: typing replaces the proposal instead of
    // running on behind it. A click still puts the caret where it lands, and
    // Tab selects the text anyway.
    if (!prefilled_ || multiLine_ || locked_) return;
    SetSelStart(0);
    SetSelLength(int(text_.size()));
}

void TextBox::SetMultiLine(bool on) {
    if (on == multiLine_) return;
    multiLine_ = on;
    if (widget_) {  // a different widget is needed
        delete widget_.data();
        widget_ = nullptr;
        if (Visible()) widget();
    }
}

void TextBox::SetLocked(bool on) {
    locked_ = on;
    if (auto* e = qobject_cast<QLineEdit*>(widget_.data())) e->setReadOnly(on);
    if (auto* p = qobject_cast<QPlainTextEdit*>(widget_.data())) p->setReadOnly(on);
}

void TextBox::SetMaxLength(int n) {
    maxLength_ = std::max(0, n);
    if (auto* e = qobject_cast<QLineEdit*>(widget_.data())) e->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
}

void TextBox::SetScrollBars(int s) {
    scrollBars_ = s;
    if (widget_) applyAll();
}

void TextBox::SetPasswordChar(QChar c) {
    passwordChar_ = c;
    if (auto* e = qobject_cast<QLineEdit*>(widget_.data()))
        e->setEchoMode(c.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TextBox::SetBorderStyle(int s) {
    borderStyle_ = s;
    if (widget_) applyAll();
}

int TextBox::SelStart() const {
    if (auto* e = qobject_cast<QLineEdit*>(widget_.data()))
        return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    if (auto* p = qobject_cast<QPlainTextEdit*>(widget_.data())) return p->textCursor().selectionStart();
    return std::min<int>(selStart_, int(text_.size()));
}

int TextBox::SelLength() const {
    if (auto* e = qobject_cast<QLineEdit*>(widget_.data())) return int(e->selectedText().size());
    if (auto* p = qobject_cast<QPlainTextEdit*>(widget_.data()))
        return p->textCursor().selectionEnd() - p->textCursor().selectionStart();
    return std::clamp<int>(selLength_, 0, int(text_.size()) - SelStart());
}

QString TextBox::SelText() const { return text_.mid(SelStart(), SelLength()); }

void TextBox::SetSelStart(int n) {
    selStart_ = std::clamp<int>(n, 0, int(text_.size()));
    selLength_ = 0;
    if (auto* e = qobject_cast<QLineEdit*>(widget_.data())) e->setCursorPosition(selStart_);
    if (auto* p = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        QTextCursor c = p->textCursor();
        c.setPosition(selStart_);
        p->setTextCursor(c);
    }
}

void TextBox::SetSelLength(int n) {
    const int start = SelStart();
    selStart_ = start;
    selLength_ = std::clamp<int>(n, 0, int(text_.size()) - start);
    if (auto* e = qobject_cast<QLineEdit*>(widget_.data())) e->setSelection(start, selLength_);
    if (auto* p = qobject_cast<QPlainTextEdit*>(widget_.data())) {
        QTextCursor c = p->textCursor();
        c.setPosition(start);
        c.setPosition(start + selLength_, QTextCursor::KeepAnchor);
        p->setTextCursor(c);
    }
}

void TextBox::SetSelText(const QString& s) {
    const int start = SelStart(), len = SelLength();
    QString t = text_;
    t.replace(start, len, s);
    SetText(t);
    SetSelStart(start + int(s.size()));
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(Container* c, const QString& name, int index) : Control(c, name, index) {
    Move(0, 0, 1215, 375);
}

CommandButton::~CommandButton() {
    Parent().setDefaultButton(this, false);
    Parent().setCancelButton(this, false);
}

QWidget* CommandButton::createWidget(QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, [this] { Click(); });
    return b;
}

void CommandButton::applyAll() {
    Control::applyAll();
    auto* b = static_cast<QPushButton*>(widget_.data());
    b->setText(caption_);
    b->setIcon(picture_.isNull() ? QIcon() : QIcon(picture_));
    b->setDefault(Default());
}

void CommandButton::applyColors() {
    Control::applyColors();
}

void CommandButton::SetCaption(const QString& text) {
    const QString s = OneAccessKey(text);
    caption_ = s;
    if (widget_) static_cast<QPushButton*>(widget_.data())->setText(s);
}

void CommandButton::SetDefault(bool on) {
    CommandButton* old = Parent().defaultButton();
    Parent().setDefaultButton(this, on);
    if (old && old != this && old->widget_) static_cast<QPushButton*>(old->widget_.data())->setDefault(false);
    if (widget_) static_cast<QPushButton*>(widget_.data())->setDefault(on);
    default_ = on;
}

bool CommandButton::Default() const { return Parent().defaultButton() == this; }
bool CommandButton::Cancel() const { return Parent().cancelButton() == this; }

void CommandButton::SetCancel(bool on) {
    Parent().setCancelButton(this, on);
    cancel_ = on;
}

void CommandButton::Click() { fireClick(); }

void CommandButton::SetPicture(const QPixmap& p) {
    picture_ = p;
    if (widget_) static_cast<QPushButton*>(widget_.data())->setIcon(p.isNull() ? QIcon() : QIcon(p));
}

// ---------------------------------------------------------------- CheckBox

namespace {
// Check and option widgets leave the change of their state to the control,
// so that a click goes through the same rules as a change from code.
class CheckWidget : public QCheckBox {
public:
    CheckWidget(CheckBox* c, QWidget* parent) : QCheckBox(parent), control_(c) { setTristate(true); }
protected:
    void nextCheckState() override { control_->userToggled(); }
private:
    CheckBox* control_;
};
class OptionWidget : public QRadioButton {
public:
    OptionWidget(OptionButton* o, QWidget* parent) : QRadioButton(parent), control_(o) { setAutoExclusive(false); }
protected:
    // The mouse selects an option button when the button goes down, as on
    // Windows: after its MouseDown and before its MouseUp, so that a MouseUp
    // handler has the last word on its value. The click that ends the press
    // selects nothing more.
    void mousePressEvent(QMouseEvent* e) override {
        QRadioButton::mousePressEvent(e);
        if (e->button() == Qt::LeftButton && isDown()) {
            selectedByPress_ = true;
            control_->userSelected();
        }
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QRadioButton::mouseReleaseEvent(e);
        if (e->button() == Qt::LeftButton) selectedByPress_ = false;
    }
    void nextCheckState() override {
        if (selectedByPress_) return;
        control_->userSelected();
    }
    // The arrow keys move the selection through the group, as on Windows.
    void keyPressEvent(QKeyEvent* e) override {
        selectedByPress_ = false;  // a key's click selects, whatever a press left
        const int k = e->key();
        const bool arrow = k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Right;
        if (arrow && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            control_->selectNeighbour(k == Qt::Key_Down || k == Qt::Key_Right);
            return;
        }
        QRadioButton::keyPressEvent(e);
    }
private:
    OptionButton* control_;
    bool selectedByPress_ = false;
};
}  // namespace

CheckBox::CheckBox(Container* c, const QString& name, int index) : Control(c, name, index) {
    Move(0, 0, 1215, 255);
}

QWidget* CheckBox::createWidget(QWidget* parent) { return new CheckWidget(this, parent); }

void CheckBox::applyAll() {
    Control::applyAll();
    static_cast<QCheckBox*>(widget_.data())->setText(caption_);
    push();
}

void CheckBox::push() {
    if (auto* b = static_cast<QCheckBox*>(widget_.data())) {
        QSignalBlocker block(b);
        b->setCheckState(value_ == vbChecked ? Qt::Checked : value_ == vbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
    }
}

void CheckBox::SetCaption(const QString& text) {
    const QString s = OneAccessKey(text);
    caption_ = s;
    if (widget_) static_cast<QCheckBox*>(widget_.data())->setText(s);
}

void CheckBox::SetValue(int v) {
    v = std::clamp(v, 0, 2);
    if (v == value_) return;
    value_ = v;
    push();
    fireClick();
}

void CheckBox::userToggled() { SetValue(value_ == vbChecked ? vbUnchecked : vbChecked); }

// ---------------------------------------------------------------- OptionButton

OptionButton::OptionButton(Container* c, const QString& name, int index) : Control(c, name, index) {
    Move(0, 0, 1215, 255);
}

QWidget* OptionButton::createWidget(QWidget* parent) { return new OptionWidget(this, parent); }

void OptionButton::applyAll() {
    Control::applyAll();
    static_cast<QRadioButton*>(widget_.data())->setText(caption_);
    push();
}

void OptionButton::push() {
    if (auto* b = static_cast<QRadioButton*>(widget_.data())) {
        QSignalBlocker block(b);
        b->setChecked(value_);
    }
}

void OptionButton::SetCaption(const QString& text) {
    const QString s = OneAccessKey(text);
    caption_ = s;
    if (widget_) static_cast<QRadioButton*>(widget_.data())->setText(s);
}

void OptionButton::SetValue(bool on) {
    if (on == value_) return;
    value_ = on;
    push();
    if (!on) return;
    for (Control* other : container_->children())
        if (auto* o = dynamic_cast<OptionButton*>(other); o && o != this && o->value_) {
            o->value_ = false;
            o->push();
        }
    fireClick();
}

void OptionButton::userSelected() {
    if (value_) {  // a click on the selected button selects it again
        fireClick();
        return;
    }
    SetValue(true);
}

void OptionButton::selectNeighbour(bool forward) {
    const std::vector<Control*> group = Parent().OptionGroupOf(this);
    const auto at = std::find(group.begin(), group.end(), this);
    if (at == group.end()) return;
    const int n = int(group.size()), here = int(at - group.begin());
    for (int step = 1; step < n; ++step) {
        auto* o = static_cast<OptionButton*>(group[std::size_t(((here + (forward ? step : -step)) % n + n) % n)]);
        if (!o->Visible() || !o->Enabled()) continue;
        o->SetFocus();
        o->SetValue(true);
        return;
    }
}

// ---------------------------------------------------------------- Frame

// A frame is no stop of the Tab order unless the window makes it one (a
// grid of labels that the arrow keys drive through the frame behind it).
Frame::Frame(Container* c, const QString& name, int index) : Control(c, name, index) {
    Move(0, 0, 2415, 1455);
    SetTabStop(false);
}

QWidget* Frame::createWidget(QWidget* parent) {
    auto* g = new QGroupBox(parent);
    g->setFocusPolicy(Qt::NoFocus);
    return g;
}

void Frame::applyAll() {
    Control::applyAll();
    auto* g = static_cast<QGroupBox*>(widget_.data());
    g->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::NoFocus);
    g->setTitle(borderStyle_ ? caption_ : QString());
    g->setFlat(borderStyle_ == 0);
    applyColors();
}

void Frame::applyColors() {
    Control::applyColors();
    fillBackground(backColorSet());
    if (!widget_) return;
    // A frame without border draws no box; its style sheet overrules the
    // palette, so it carries the colour itself.
    QString stijl;
    if (borderStyle_ == 0) {
        stijl = QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; ");
        if (backColorSet()) stijl += QStringLiteral("background-color: %1; ").arg(QColorFromVB(BackColor()).name());
        stijl += QLatin1Char('}');
    }
    if (widget_->styleSheet() != stijl) widget_->setStyleSheet(stijl);
}

namespace {

// Where a group box shows its title.
QRect TitleRect(const QGroupBox* g) {
    QStyleOptionGroupBox o;
    o.initFrom(g);
    o.text = g->title();
    o.lineWidth = 1;
    o.textAlignment = g->alignment();
    o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (g->isFlat()) o.features |= QStyleOptionFrame::Flat;
    return g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
}

}  // namespace

void Frame::SetCaption(const QString& text) {
    const QString s = OneAccessKey(text);
    const bool hadTitle = !caption_.isEmpty();
    const bool same = s == caption_;
    caption_ = s;
    if (!widget_ || !borderStyle_) return;
    auto* g = static_cast<QGroupBox*>(widget_.data());
    if (same && g->title() == s) return;  // nothing on screen changes
    if (hadTitle && !s.isEmpty() && g->isVisible() && g->updatesEnabled()) {
        // One title for another keeps the frame's margins, so only where the
        // old and the new title stand changes: repaint that, not the box
        // across its width (a box is costly to paint) nor every control in
        // it (setTitle alone repaints the whole box).
        const QRect was = TitleRect(g);
        g->setAttribute(Qt::WA_UpdatesDisabled, true);
        g->setTitle(s);
        g->setAttribute(Qt::WA_UpdatesDisabled, false);
        g->update(was.united(TitleRect(g)));
        return;
    }
    g->setTitle(s);
}

void Frame::SetBorderStyle(int s) {
    borderStyle_ = s;
    if (widget_) applyAll();
}

// ---------------------------------------------------------------- PictureBox

namespace {
class PictureWidget : public QWidget {
public:
    PictureWidget(PictureBox* p, QWidget* parent) : QWidget(parent), box_(p) {}
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        box_->paintContent(painter);
    }
private:
    PictureBox* box_;
};
}  // namespace

PictureBox::PictureBox(Container* c, const QString& name, int index) : Control(c, name, index) {
    Move(0, 0, 1215, 1215);
}

QWidget* PictureBox::createWidget(QWidget* parent) {
    auto* w = new PictureWidget(this, parent);
    w->setFocusPolicy(Qt::NoFocus);
    return w;
}

void PictureBox::applyAll() {
    Control::applyAll();
    widget_->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::NoFocus);
    widget_->setAutoFillBackground(true);
}

void PictureBox::paintContent(QPainter& p) {
    const QRect r(0, 0, PixelsFromTwips(Width()), PixelsFromTwips(Height()));
    p.fillRect(r, QColorFromVB(BackColor()));
    if (hasBitmap_) p.drawPixmap(0, 0, bitmap_);
    if (hasPicture_) {
        p.save();
        p.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
        p.drawPicture(0, 0, picture_);
        p.restore();
    }
    if (paint_) {
        EventScope scope;
        p.save();
        p.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
        paint_(p);
        p.restore();
    }
    if (borderStyle_) {
        p.setPen(QColor(128, 128, 128));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void PictureBox::SetPicture(const QPicture& pic) {
    picture_ = pic;
    hasPicture_ = true;
    hasBitmap_ = false;
    Refresh();
}

void PictureBox::SetBitmap(const QPixmap& pix) {
    bitmap_ = pix;
    hasBitmap_ = true;
    hasPicture_ = false;
    if (autoSize_) SetWidth(TwipsFromPixels(pix.width())), SetHeight(TwipsFromPixels(pix.height()));
    Refresh();
}

void PictureBox::ClearPicture() {
    picture_ = QPicture();
    bitmap_ = QPixmap();
    hasPicture_ = hasBitmap_ = false;
    Refresh();
}

void PictureBox::SetBorderStyle(int s) {
    borderStyle_ = s;
    Refresh();
}

int PictureBox::ScaleWidth() const { return std::max(0, Width() - (borderStyle_ ? 2 * TwipsPerPixel : 0)); }
int PictureBox::ScaleHeight() const { return std::max(0, Height() - (borderStyle_ ? 2 * TwipsPerPixel : 0)); }

void PictureBox::Refresh() {
    if (widget_) widget_->update();
}

// ---------------------------------------------------------------- ScrollBar

ScrollBar::ScrollBar(Container* c, const QString& name, int index, Qt::Orientation o)
    : Control(c, name, index), orientation_(o) {
    if (o == Qt::Vertical)
        Move(0, 0, 255, 1215);
    else
        Move(0, 0, 1215, 255);
}

namespace {
// A scroll bar takes no mouse wheel, as on Windows: a wheel turn over a
// spinner must not change a setting behind the user's back. The turn goes
// on to the widgets around it.
// A key that steps it (the arrows, Page Up/Down, Home, End) drives it: the
// Change handlers that key runs can not move the focus away, so a spinner
// steps again at the next key. A click on its arrows leaves the handlers
// free to hand the focus on.
class WheelFreeScrollBar : public QScrollBar {
public:
    WheelFreeScrollBar(ScrollBar* bar, Qt::Orientation o, QWidget* parent) : QScrollBar(o, parent), bar_(bar) {}
protected:
    void wheelEvent(QWheelEvent* e) override { e->ignore(); }
    void keyPressEvent(QKeyEvent* e) override {
        Form::KeyDrive drive(bar_);
        QScrollBar::keyPressEvent(e);
    }
private:
    ScrollBar* bar_;
};
}  // namespace

QWidget* ScrollBar::createWidget(QWidget* parent) {
    auto* s = new WheelFreeScrollBar(this, orientation_, parent);
    s->setTracking(false);  // Change at the end of a drag, Scroll while dragging
    QObject::connect(s, &QScrollBar::valueChanged, [this](int v) { userChanged(v); });
    QObject::connect(s, &QScrollBar::sliderMoved, [this](int v) { userScrolled(v); });
    return s;
}

void ScrollBar::applyAll() {
    Control::applyAll();
    pushRange();
    pushValue();
}

void ScrollBar::pushRange() {
    if (auto* s = static_cast<QScrollBar*>(widget_.data())) {
        QSignalBlocker block(s);
        s->setRange(std::min(min_, max_), std::max(min_, max_));
        s->setSingleStep(small_);
        s->setPageStep(large_);
        s->setInvertedAppearance(min_ > max_);
    }
}

void ScrollBar::pushValue() {
    if (auto* s = static_cast<QScrollBar*>(widget_.data())) {
        QSignalBlocker block(s);
        s->setValue(value_);
    }
}

void ScrollBar::SetValue(int v) {
    v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (v == value_) return;
    value_ = v;
    pushValue();
    Fire(change_);
}

void ScrollBar::userChanged(int v) {
    SetValue(v);
    pushValue();  // a handler may have moved it on; the bar shows the final value
}

void ScrollBar::userScrolled(int v) {
    (void)v;
    Fire(scroll_);
}

void ScrollBar::SetMin(int v) {
    min_ = v;
    pushRange();
    if (value_ < std::min(min_, max_) || value_ > std::max(min_, max_))
        SetValue(value_);
}

void ScrollBar::SetMax(int v) {
    max_ = v;
    pushRange();
    if (value_ < std::min(min_, max_) || value_ > std::max(min_, max_))
        SetValue(value_);
}

void ScrollBar::SetSmallChange(int v) {
    small_ = std::max(1, v);
    pushRange();
}

void ScrollBar::SetLargeChange(int v) {
    large_ = std::max(1, v);
    pushRange();
}

// ---------------------------------------------------------------- Timer

Timer::Timer(Container* c, const QString& name, int index) : Control(c, name, index) {
    qtimer_ = std::make_unique<QTimer>();
    QObject::connect(qtimer_.get(), &QTimer::timeout, [this] {
        if (Parent().IsLoaded())
            fireTimer();
        else
            qtimer_->stop();
    });
}

Timer::~Timer() = default;

void Timer::SetInterval(int ms) {
    interval_ = std::max(0, ms);
    restart();
}

void Timer::SetEnabled(bool on) {
    Control::SetEnabled(on);
    restart();
}

void Timer::restart() {
    if (Enabled() && interval_ > 0)
        qtimer_->start(interval_);
    else
        qtimer_->stop();
}

// ---------------------------------------------------------------- Line

namespace {
class LineWidget : public QWidget {
public:
    LineWidget(Line* l, QWidget* parent) : QWidget(parent), line_(l) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        line_->paintLine(p);
    }
private:
    Line* line_;
};
}  // namespace

Line::Line(Container* c, const QString& name, int index) : Control(c, name, index) { place(); }

QWidget* Line::createWidget(QWidget* parent) { return new LineWidget(this, parent); }

void Line::place() {
    const int pad = TwipsPerPixel * std::max(1, borderWidth_);
    Move(std::min(x1_, x2_) - pad, std::min(y1_, y2_) - pad, std::abs(x2_ - x1_) + 2 * pad,
         std::abs(y2_ - y1_) + 2 * pad);
    if (widget_) widget_->update();
}

void Line::paintLine(QPainter& p) {
    QPen pen(QColorFromVB(borderColor_));
    pen.setWidth(borderWidth_);
    p.setPen(pen);
    p.drawLine(PixelsFromTwips(x1_ - Left()), PixelsFromTwips(y1_ - Top()), PixelsFromTwips(x2_ - Left()),
               PixelsFromTwips(y2_ - Top()));
}

void Line::SetBorderColor(qint64 c) {
    borderColor_ = c;
    if (widget_) widget_->update();
}

void Line::SetBorderWidth(int px) {
    borderWidth_ = std::max(1, px);
    place();
}

}  // namespace platform
