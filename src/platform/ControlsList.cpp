#include "platform/ControlsList.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/Form.h"
#include "platform/Paths.h"
#include "platform/Screen.h"

namespace platform {

// ---------------------------------------------------------------- order

namespace {
// Sort weight of one character: controls, then blanks and punctuation in
// code order, then digits, then letters without regard to case or accents.
int weight(QChar c) {
    const ushort u = c.unicode();
    if (u < 32) return u;
    if (u < 128) {  // the common case, without the Unicode tables
        if (u >= '0' && u <= '9') return 0x100 + (u - '0');
        if (u >= 'a' && u <= 'z') return 0x200 + u * 4;
        if (u >= 'A' && u <= 'Z') return 0x200 + (u + 32) * 4;
        return 32 + u;
    }
    if (c.isDigit()) return 0x100 + c.digitValue();
    if (c.isLetter()) {
        QString d = c.decomposition();
        QChar base = d.isEmpty() ? c : d.at(0);
        if (!base.isLetter()) base = c;
        return 0x200 + base.toCaseFolded().unicode() * 4;
    }
    return 32 + u;  // blanks and punctuation keep their code order, before digits
}
int compareWeights(const QString& a, const QString& b, bool skipWordMarks) {
    int i = 0, j = 0;
    while (true) {
        if (skipWordMarks) {
            while (i < a.size() && (a[i] == '-' || a[i] == '\'')) ++i;
            while (j < b.size() && (b[j] == '-' || b[j] == '\'')) ++j;
        }
        if (i >= a.size() || j >= b.size()) break;
        const int wa = weight(a[i]), wb = weight(b[j]);
        if (wa != wb) return wa < wb ? -1 : 1;
        ++i;
        ++j;
    }
    const bool endA = i >= a.size(), endB = j >= b.size();
    if (endA && endB) return 0;
    return endA ? -1 : 1;
}
}  // namespace

int ListCompare(const QString& a, const QString& b) {
    const int r = compareWeights(a, b, true);
    return r != 0 ? r : compareWeights(a, b, false);
}

// ---------------------------------------------------------------- ListControl

void ListControl::AddItem(const QString& s, int index) {
    int at;
    if (sorted_) {
        // After every item that sorts before or equal to it.
        auto it = std::upper_bound(items_.begin(), items_.end(), s,
                                   [](const QString& v, const Item& item) { return ListCompare(v, item.text) < 0; });
        at = int(it - items_.begin());
    } else {
        at = (index < 0 || index > ListCount()) ? ListCount() : index;
    }
    items_.insert(items_.begin() + at, Item{s, 0});
    newIndex_ = at;
    if (listIndex_ >= at) ++listIndex_;
    viewInsert(at);
}

void ListControl::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) return;
    items_.erase(items_.begin() + index);
    const bool wasSelected = listIndex_ == index;
    if (wasSelected)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    viewRemove(index);
    if (wasSelected) indexChanged();
}

void ListControl::Clear() {
    const bool hadSelection = listIndex_ != -1;
    items_.clear();
    listIndex_ = -1;
    newIndex_ = -1;
    viewClear();
    if (hadSelection) indexChanged();
}

QString ListControl::List(int i) const {
    if (i < 0 || i >= ListCount()) return QString();
    return items_[std::size_t(i)].text;
}

void ListControl::SetList(int i, const QString& s) {
    if (i < 0 || i >= ListCount()) return;
    items_[std::size_t(i)].text = s;
    viewChange(i);
    if (i == listIndex_) indexChanged();
}

void ListControl::SetListIndex(int i) {
    if (i < -1 || i >= ListCount()) return;
    if (i == listIndex_) return;
    listIndex_ = i;
    viewSelect();
    indexChanged();
    fireClick();
}

void ListControl::userSelected(int i, bool fromClick) {
    if (i < -1 || i >= ListCount()) return;
    if (i == listIndex_) {
        if (fromClick) fireClick();
        return;
    }
    listIndex_ = i;
    indexChanged();
    fireClick();
}

qint64 ListControl::ItemData(int i) const {
    if (i < 0 || i >= ListCount()) return 0;
    return items_[std::size_t(i)].data;
}

void ListControl::SetItemData(int i, qint64 v) {
    if (i < 0 || i >= ListCount()) return;
    items_[std::size_t(i)].data = v;
}

void ListControl::SetSorted(bool on) {
    sorted_ = on;
    if (!on) return;
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return ListCompare(a.text, b.text) < 0; });
    viewClear();
    for (int i = 0; i < ListCount(); ++i) viewInsert(i);
}

QStringList ListControl::Items() const {
    QStringList out;
    out.reserve(ListCount());
    for (const Item& i : items_) out << i.text;
    return out;
}

void ListControl::replaceAll(const QStringList& items) {
    const bool hadSelection = listIndex_ != -1;
    items_.clear();
    for (const QString& s : items) items_.push_back(Item{s, 0});
    listIndex_ = -1;
    newIndex_ = ListCount() - 1;
    viewClear();
    for (int i = 0; i < ListCount(); ++i) viewInsert(i);
    if (hadSelection) indexChanged();
}

// ---------------------------------------------------------------- ListBox

ListBox::ListBox(Container* c, const QString& name, int index) : ListControl(c, name, index) {
    Move(0, 0, 1215, 1035);
}

namespace {
// The list box's widget.
// - Getting the focus selects nothing: the item view would make its first
//   item current when it gets the focus without one, and for the list that
//   is a choice (ListIndex and Click). Tab, Shift+Tab and a click elsewhere
//   must not choose, load or drop anything.
// - A key that moves the selection (the arrows, Page Up/Down, Home, End, a
//   letter) drives the list: its Click handlers can not take the focus
//   away, so the next key goes on in the same list.
class ListBoxWidget : public QListWidget {
public:
    ListBoxWidget(ListBox* box, QWidget* parent) : QListWidget(parent), box_(box) {}

protected:
    void focusInEvent(QFocusEvent* e) override {
        // The item view's own handler would pick the first item; the scroll
        // area's does what else a focus change needs.
        QAbstractScrollArea::focusInEvent(e);
        viewport()->update();
    }
    void keyPressEvent(QKeyEvent* e) override {
        Form::KeyDrive drive(box_);
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (enter && box_->EnterIsDblClick() && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (currentRow() >= 0) box_->fireDblClick();
            return;
        }
        if (box_->KeysOnlyHighlight()) {
            // Space or Enter chooses; every other key (arrows on either
            // keypad, with or without Shift, a letter that searches) only
            // moves the highlight, the list's choice stays as it was.
            const auto mods = e->modifiers() & ~Qt::KeypadModifier;
            const bool chooses = e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
            if (chooses && mods == Qt::NoModifier) {
                if (currentRow() >= 0) box_->userSelected(currentRow(), true);
                return;
            }
            QSignalBlocker quiet(this);
            moveHighlight(e);
            return;
        }
        moveHighlight(e);
    }

private:
    // Without a current item the view starts every move at the first one;
    // End goes to the last, as it does from anywhere else.
    void moveHighlight(QKeyEvent* e) {
        if (e->key() == Qt::Key_End && !currentIndex().isValid() && count() > 0 &&
            (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            setCurrentRow(count() - 1);
            return;
        }
        QListWidget::keyPressEvent(e);
    }
    ListBox* box_;
};
}  // namespace

QWidget* ListBox::createWidget(QWidget* parent) {
    auto* w = new ListBoxWidget(this, parent);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setUniformItemSizes(true);
    QObject::connect(w, &QListWidget::currentRowChanged, [this](int row) {
        userSelected(row, false);
        if (QApplication::mouseButtons() != Qt::NoButton) clickSeen_ = true;
    });
    QObject::connect(w, &QListWidget::itemClicked, [this, w](QListWidgetItem* item) {
        if (clickSeen_) {  // the press already selected it and ran Click
            clickSeen_ = false;
            return;
        }
        userSelected(w->row(item), true);
    });
    QObject::connect(w, &QListWidget::itemDoubleClicked, [this](QListWidgetItem*) { fireDblClick(); });
    QObject::connect(w->verticalScrollBar(), &QScrollBar::valueChanged, [this](int v) { topIndex_ = v; });
    watch(w->viewport());
    return w;
}

void ListBox::applyAll() {
    ListControl::applyAll();
    auto* w = static_cast<QListWidget*>(widget_.data());
    QSignalBlocker block(w);
    w->clear();
    for (int i = 0; i < ListCount(); ++i) w->addItem(shownText(i));
    w->setCurrentRow(listIndex_);
    if (topIndex_ > 0 && topIndex_ < ListCount()) w->scrollToItem(w->item(topIndex_), QAbstractItemView::PositionAtTop);
}

void ListBox::viewInsert(int i) {
    if (auto* w = static_cast<QListWidget*>(widget_.data())) {
        QSignalBlocker block(w);
        w->insertItem(i, shownText(i));
        w->setCurrentRow(listIndex_);
    }
}

void ListBox::viewRemove(int i) {
    if (auto* w = static_cast<QListWidget*>(widget_.data())) {
        QSignalBlocker block(w);
        delete w->takeItem(i);
        w->setCurrentRow(listIndex_);
    }
}

void ListBox::viewClear() {
    topIndex_ = 0;
    if (auto* w = static_cast<QListWidget*>(widget_.data())) {
        QSignalBlocker block(w);
        w->clear();
    }
}

void ListBox::viewChange(int i) {
    if (auto* w = static_cast<QListWidget*>(widget_.data())) w->item(i)->setText(shownText(i));
}

void ListBox::viewSelect() {
    if (auto* w = static_cast<QListWidget*>(widget_.data())) {
        QSignalBlocker block(w);
        w->setCurrentRow(listIndex_);
        if (listIndex_ < 0) w->clearSelection();
    }
}

void ListBox::SetTopIndex(int i) {
    if (i < 0 || i >= std::max(1, ListCount())) return;
    topIndex_ = i;
    if (auto* w = static_cast<QListWidget*>(widget_.data()))
        if (w->item(i)) w->scrollToItem(w->item(i), QAbstractItemView::PositionAtTop);
}

void ListBox::SetSelected(int i, bool on) {
    if (on)
        SetListIndex(i);
    else if (i == listIndex_)
        SetListIndex(-1);
}

// ---------------------------------------------------------------- ComboBox

ComboBox::ComboBox(Container* c, const QString& name, int index) : ListControl(c, name, index) {
    Move(0, 0, 1215, 315);
}

int ComboBox::Height() const { return std::max(315, textLineHeight() + 8 * TwipsPerPixel); }

QWidget* ComboBox::createWidget(QWidget* parent) {
    auto* w = new QComboBox(parent);
    w->setEditable(style_ != vbComboDropdownList);
    w->setInsertPolicy(QComboBox::NoInsert);
    w->setMaxVisibleItems(8);
    QObject::connect(w, qOverload<int>(&QComboBox::currentIndexChanged), [this](int i) { userSelected(i, false); });
    if (w->lineEdit()) {
        QObject::connect(w->lineEdit(), &QLineEdit::textEdited, [this](const QString& t) { userEdited(t); });
        watch(w->lineEdit());  // mouse; the keys come to the box itself
    }
    return w;
}

void ComboBox::applyAll() {
    ListControl::applyAll();
    auto* w = static_cast<QComboBox*>(widget_.data());
    QSignalBlocker block(w);
    w->clear();
    for (const Item& i : items_) w->addItem(i.text);
    w->setCurrentIndex(listIndex_);
    if (w->lineEdit()) w->lineEdit()->setText(text_);
}

void ComboBox::SetStyle(int s) {
    style_ = s;
    if (widget_) {
        delete widget_.data();
        widget_ = nullptr;
        if (Visible()) widget();
    }
}

QString ComboBox::Text() const {
    if (style_ == vbComboDropdownList) return List(listIndex_);
    return text_;
}

void ComboBox::SetText(const QString& s) {
    if (style_ == vbComboDropdownList) {
        for (int i = 0; i < ListCount(); ++i)
            if (items_[std::size_t(i)].text.compare(s, Qt::CaseInsensitive) == 0) {
                SetListIndex(i);
                return;
            }
        return;
    }
    if (s == text_) return;
    text_ = s;
    if (auto* w = static_cast<QComboBox*>(widget_.data()))
        if (w->lineEdit()) {
            QSignalBlocker block(w);
            w->lineEdit()->setText(s);
        }
    Fire(change_);
}

void ComboBox::userEdited(const QString& s) {
    if (s == text_) return;
    text_ = s;
    // A text typed by the user is no item of the list, even when it reads
    // like one: nothing is selected any more (no Click runs for that).
    if (listIndex_ != -1) {
        listIndex_ = -1;
        if (auto* w = static_cast<QComboBox*>(widget_.data()); w && w->lineEdit()) {
            QSignalBlocker block(w);
            const int caret = w->lineEdit()->cursorPosition();
            w->setCurrentIndex(-1);
            w->lineEdit()->setText(s);
            w->lineEdit()->setCursorPosition(caret);
        }
    }
    Fire(change_);
}

void ComboBox::indexChanged() {
    if (style_ != vbComboDropdownList && listIndex_ >= 0) {
        text_ = List(listIndex_);
        if (auto* w = static_cast<QComboBox*>(widget_.data()))
            if (w->lineEdit()) {
                QSignalBlocker block(w);
                w->lineEdit()->setText(text_);
            }
    }
}

void ComboBox::viewInsert(int i) {
    if (auto* w = static_cast<QComboBox*>(widget_.data())) {
        QSignalBlocker block(w);
        w->insertItem(i, items_[std::size_t(i)].text);
        w->setCurrentIndex(listIndex_);
        if (w->lineEdit()) w->lineEdit()->setText(text_);
    }
}

void ComboBox::viewRemove(int i) {
    if (auto* w = static_cast<QComboBox*>(widget_.data())) {
        QSignalBlocker block(w);
        w->removeItem(i);
        w->setCurrentIndex(listIndex_);
        if (w->lineEdit()) w->lineEdit()->setText(text_);
    }
}

void ComboBox::viewClear() {
    if (auto* w = static_cast<QComboBox*>(widget_.data())) {
        QSignalBlocker block(w);
        w->clear();
        if (w->lineEdit()) w->lineEdit()->setText(text_);
    }
}

void ComboBox::viewChange(int i) {
    if (auto* w = static_cast<QComboBox*>(widget_.data())) w->setItemText(i, items_[std::size_t(i)].text);
}

void ComboBox::viewSelect() {
    if (auto* w = static_cast<QComboBox*>(widget_.data())) {
        QSignalBlocker block(w);
        w->setCurrentIndex(listIndex_);
    }
}

// ---------------------------------------------------------------- file, folder and place lists

namespace {
// Only names that are one plain path component are listed, so that a
// listed name always names this entry of this folder and nothing else.
QStringList sortedNames(QStringList names) {
    names.removeIf([](const QString& n) { return !isPlainFileName(n); });
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}
}  // namespace

FileListBox::FileListBox(Container* c, const QString& name, int index) : ListBox(c, name, index) {
    path_ = QDir::currentPath();
}

void FileListBox::SetPath(const QString& p) {
    const QString clean = QDir::cleanPath(p);
    const bool changed = clean != path_;
    path_ = clean;
    Refresh();
    if (changed) Fire(pathChange_);
}

void FileListBox::SetPattern(const QString& p) {
    const bool changed = p != pattern_;
    pattern_ = p;
    Refresh();
    if (changed) Fire(patternChange_);
}

void FileListBox::Refresh() {
    QStringList filters = pattern_.split(';', Qt::SkipEmptyParts);
    for (QString& f : filters) {
        f = f.trimmed();
        if (f == "*.*") f = "*";
    }
    QDir dir(path_);
    dir.setNameFilters(filters);
    dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
    replaceAll(sortedNames(dir.entryList()));  // name filters match without regard to case
}

DirListBox::DirListBox(Container* c, const QString& name, int index) : ListBox(c, name, index) {
    path_ = QDir::currentPath();
}

void DirListBox::SetPath(const QString& p) {
    const QString clean = QDir::cleanPath(QDir(p).absolutePath());
    const bool changed = clean != path_;
    path_ = clean;
    Refresh();
    if (changed) Fire(change_);
}

void DirListBox::Refresh() {
    // The way down: the root, then every folder of the path in turn.
    QStringList rows{QDir::rootPath()};
    const QStringList parts = path_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString way;
    for (const QString& part : parts) rows << (way += QLatin1Char('/') + part);
    const int current = int(rows.size()) - 1;
    QDir dir(path_);
    for (const QString& n : sortedNames(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))) rows << dir.filePath(n);
    replaceAll(rows);
    // The current folder is where the list stands, no choice of the user's:
    // selected without a Click, with the folder above it at the top so that
    // its sub-folders come into view.
    listIndex_ = current;
    viewSelect();
    SetTopIndex(std::max(0, current - 1));
}

QString DirListBox::shownText(int i) const {
    const QString full = List(i);
    if (full == QDir::rootPath()) return full;
    const int depth = int(full.count(QLatin1Char('/')));
    return QString(3 * depth, QLatin1Char(' ')) + full.section(QLatin1Char('/'), -1);
}

namespace {
QString programFolderForPlaces() {
    const QString home = qEnvironmentVariable("DROVIK_HOME");
    if (!home.isEmpty()) return QDir::cleanPath(home);
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}
}  // namespace

DriveListBox::DriveListBox(Container* c, const QString& name, int index) : ComboBox(c, name, index) {
    SetStyle(vbComboDropdownList);
    QStringList places;
    for (const QString& p : {QDir::homePath(), programFolderForPlaces(), QStringLiteral("/")})
        if (!places.contains(QDir::cleanPath(p))) places << QDir::cleanPath(p);
    for (const QString& p : places) AddItem(p);
    listIndex_ = 0;
}

void DriveListBox::SetDrive(const QString& path) {
    const QString clean = QDir::cleanPath(path);
    int best = -1, bestLength = -1;
    for (int i = 0; i < ListCount(); ++i) {
        const QString place = List(i);
        const bool holds = clean == place || clean.startsWith(place.endsWith('/') ? place : place + '/');
        if (holds && place.size() > bestLength) {
            best = i;
            bestLength = int(place.size());
        }
    }
    if (best < 0) {  // a place not in the list yet
        AddItem(clean);
        best = NewIndex();
    }
    SetListIndex(best);
}

void DriveListBox::indexChanged() {
    ComboBox::indexChanged();
    Fire(driveChange_);
}

}  // namespace platform
