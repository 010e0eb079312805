#pragma once
// List controls: list box, combo box and the file, folder and place lists.
//
// A list keeps its items itself; a list box that is never shown never gets
// a widget. A sorted list places each new item by the list-box order:
// without regard to case, punctuation before digits before letters, and
// hyphens and apostrophes counting only between otherwise equal texts.

#include <QString>
#include <QStringList>
#include <vector>

#include "platform/Control.h"

namespace platform {

// The order of a sorted list: < 0, 0 or > 0.
int ListCompare(const QString& a, const QString& b);

class ListControl : public Control {
public:
    using Control::Control;
    void AddItem(const QString& s, int index = -1);
    void RemoveItem(int index);
    void Clear();
    QString List(int i) const;
    void SetList(int i, const QString& s);
    int ListCount() const { return int(items_.size()); }
    int ListIndex() const { return listIndex_; }
    // Selects item i (-1 none); Click runs when the index changes.
    void SetListIndex(int i);
    qint64 ItemData(int i) const;
    void SetItemData(int i, qint64 v);
    // Index of the item added last.
    int NewIndex() const { return newIndex_; }
    bool Sorted() const { return sorted_; }
    void SetSorted(bool on);
    // The selected item's text, "" when none is selected.
    virtual QString Text() const { return List(listIndex_); }
    // All items, in list order.
    QStringList Items() const;

    void userSelected(int i, bool fromClick);

protected:
    virtual void viewInsert(int i) = 0;
    virtual void viewRemove(int i) = 0;
    virtual void viewClear() = 0;
    virtual void viewChange(int i) = 0;
    virtual void viewSelect() = 0;
    virtual void indexChanged() {}
    qint64 defaultForeColor() const override { return vbWindowText; }
    qint64 defaultBackColor() const override { return vbWindowBackground; }
    void replaceAll(const QStringList& items);

    struct Item {
        QString text;
        qint64 data = 0;
    };
    std::vector<Item> items_;
    int listIndex_ = -1;
    int newIndex_ = -1;
    bool sorted_ = false;
};

class ListBox : public ListControl {
public:
    ListBox(Container* c, const QString& name, int index = -1);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int i);
    bool Selected(int i) const { return i >= 0 && i == listIndex_; }
    void SetSelected(int i, bool on);
    // The window handle a list search takes.
    ListBox* hWnd() { return this; }
    // For a list whose choice takes something away (a pair dropped from a
    // group): the arrow keys, Page Up/Down, Home and End only move the
    // highlight, and Space or Enter chooses the highlighted item. A click
    // chooses as in every list.
    void SetKeysOnlyHighlight(bool on) { keysOnlyHighlight_ = on; }
    bool KeysOnlyHighlight() const { return keysOnlyHighlight_; }
    // Enter on the highlighted item does what a double click does.
    virtual bool EnterIsDblClick() const { return false; }

protected:
    // What the list shows for item i; the item's text unless a list
    // shows its items otherwise.
    virtual QString shownText(int i) const { return List(i); }
    QWidget* createWidget(QWidget* parent) override;
    void applyAll() override;
    void viewInsert(int i) override;
    void viewRemove(int i) override;
    void viewClear() override;
    void viewChange(int i) override;
    void viewSelect() override;

private:
    int topIndex_ = 0;
    bool clickSeen_ = false;
    bool keysOnlyHighlight_ = false;
};

enum ComboStyles { vbComboDropdown = 0, vbComboSimple = 1, vbComboDropdownList = 2 };

class ComboBox : public ListControl {
public:
    ComboBox(Container* c, const QString& name, int index = -1);
    int Style() const { return style_; }
    void SetStyle(int s);
    // The text shown: the edit text of an editable box, else the selected item.
    QString Text() const override;
    // An editable box takes any text (Change runs); a list-only box
    // selects the item with that text when there is one.
    void SetText(const QString& s);
    // The height follows the font; setting it has no effect.
    void SetHeight(double) override {}
    int Height() const override;
    void OnChange(Handler h) { change_ = std::move(h); }
    void userEdited(const QString& s);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyAll() override;
    void viewInsert(int i) override;
    void viewRemove(int i) override;
    void viewClear() override;
    void viewChange(int i) override;
    void viewSelect() override;
    void indexChanged() override;

private:
    int style_ = vbComboDropdown;
    QString text_;
    Handler change_;
};

// The files of a folder that match a pattern ("*.txt", several separated
// by ";"), names only, in name order without regard to case. A name that is
// not one plain path component (isPlainFileName) is not listed.
class FileListBox : public ListBox {
public:
    FileListBox(Container* c, const QString& name, int index = -1);
    QString Path() const { return path_; }
    void SetPath(const QString& p);      // runs PathChange when it changes
    QString Pattern() const { return pattern_; }
    void SetPattern(const QString& p);   // runs PatternChange when it changes
    QString FileName() const { return Text(); }
    void Refresh();
    void OnPathChange(Handler h) { pathChange_ = std::move(h); }
    void OnPatternChange(Handler h) { patternChange_ = std::move(h); }

private:
    QString path_, pattern_ = QStringLiteral("*.*");
    Handler pathChange_, patternChange_;
};

// A folder and the way to it: the root, each folder down to the current
// one (selected), then the current folder's sub-folders in name order
// without regard to case (names as for FileListBox). List(i) is the full
// path of row i, fit for SetPath; the list shows each folder's own name
// ("/" for the root), indented by its depth. Enter on a row is a double
// click, so the keyboard can go where the mouse goes.
class DirListBox : public ListBox {
public:
    DirListBox(Container* c, const QString& name, int index = -1);
    QString Path() const { return path_; }
    void SetPath(const QString& p);      // runs Change when it changes
    void Refresh();
    void OnChange(Handler h) { change_ = std::move(h); }
    bool EnterIsDblClick() const override { return true; }
    // The text row i shows.
    QString ShownText(int i) const { return shownText(i); }

protected:
    QString shownText(int i) const override;

private:
    QString path_;
    Handler change_;
};

// Stand-in for a drive list: the places a folder can be chosen from (the
// home folder, the program folder, the file-system root). Drive is the
// selected place's path.
class DriveListBox : public ComboBox {
public:
    DriveListBox(Container* c, const QString& name, int index = -1);
    QString Drive() const { return Text(); }
    // Selects the place that holds the path (the longest match); Change runs
    // when the selection changes.
    void SetDrive(const QString& path);
    void OnChange(Handler h) { driveChange_ = std::move(h); }

protected:
    void indexChanged() override;

private:
    Handler driveChange_;
};

}  // namespace platform
