// Event rules of the controls: when each event fires, nesting, key handling.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Form.h"

using namespace platform;

namespace {

class EventsForm : public Form {
public:
    EventsForm() : Form("frmEvents") {
        vscrMin.SetMin(-1);
        vscrMin.SetMax(40);
        vscrMin.OnChange([this] { vscrMin_Change(); });
        chkTien.OnClick([this] { clicks << chkTien.Value(); });
        txtNaam.OnChange([this] { changes << txtNaam.Text(); });
        txtNaam.OnKeyPress([this](int& k) { txtNaam_KeyPress(k); });
        txtNaam.OnKeyDown([this](int& c, int s) {
            keys << QString("down %1 %2").arg(c).arg(s);
            if (c == vbKeyDelete) c = 0;  // the key is used up
        });
        txtNaam.OnKeyUp([this](int& c, int s) { keys << QString("up %1 %2").arg(c).arg(s); });
        optA.OnClick([this] { options << "A"; });
        optB.OnClick([this] { options << "B"; });
        optC.OnClick([this] { options << "C"; });
        lstNamen.OnClick([this] { listClicks << lstNamen.ListIndex(); });
        txtInvoer.OnChange([this](int i) { arrayChanges << i; });
        timTik.OnTimer([this] { ++ticks; });
        lstWerk.SetVisible(false);
        fraKeuze.Move(2000, 0, 2000, 1500);
        optC.Move(120, 240, 1500, 255);
    }
    void vscrMin_Change() {
        seen << vscrMin.Value();
        // Wrap round: one step beyond either end goes to the other end.
        if (vscrMin.Value() < 0) vscrMin.SetValue(39);
        else if (vscrMin.Value() > 39) vscrMin.SetValue(0);
        after << vscrMin.Value();
    }
    void txtNaam_KeyPress(int& k) {
        if (k == '.') k = 0;           // refused character
        else if (k == 'q') k = 'Q';    // changed character
    }
    void Form_KeyDown(int& c, int s) override { keys << QString("form down %1 %2").arg(c).arg(s); }
    void Form_KeyPress(int& k) override {
        keys << QString("form press %1").arg(k);
        if (k == '#') k = 0;
    }

    VScrollBar vscrMin{this, "vscrMin"};
    CheckBox chkTien{this, "chkTien"};
    TextBox txtNaam{this, "txtNaam"};
    OptionButton optA{this, "optA"};
    OptionButton optB{this, "optB"};
    Frame fraKeuze{this, "fraKeuze"};
    OptionButton optC{&fraKeuze, "optC"};
    ListBox lstNamen{this, "lstNamen"};
    ListBox lstWerk{this, "lstWerk"};
    ControlArray<TextBox> txtInvoer{this, "txtInvoer", 4};
    Timer timTik{this, "timTik"};

    QList<int> seen, after, clicks, listClicks, arrayChanges;
    QStringList changes, keys, options;
    int ticks = 0;
};

}  // namespace

class TestEvents : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }

    void scrollBarChangeNestsAndEndsOnFinalValue() {
        EventsForm f;
        f.vscrMin.SetValue(-1);
        // The outer Change saw -1, the nested one 39; both end on 39.
        QCOMPARE(f.seen, (QList<int>{-1, 39}));
        QCOMPARE(f.after, (QList<int>{39, 39}));
        QCOMPARE(f.vscrMin.Value(), 39);
        f.seen.clear();
        f.after.clear();
        f.vscrMin.SetValue(39);  // unchanged: no Change
        QVERIFY(f.seen.isEmpty());
        f.vscrMin.SetValue(40);
        QCOMPARE(f.seen, (QList<int>{40, 0}));
        QCOMPARE(f.vscrMin.Value(), 0);
    }

    void scrollBarClampsToRange() {
        EventsForm f;
        f.vscrMin.SetValue(100);
        QCOMPARE(f.seen.first(), 40);
        f.vscrMin.SetMax(10);  // value 0 stays inside
        QCOMPARE(f.vscrMin.Value(), 0);
    }

    void scrollBarUpArrowLowersValue() {
        EventsForm f;
        f.Show();
        f.vscrMin.SetValue(5);
        f.seen.clear();
        auto* bar = qobject_cast<QScrollBar*>(f.vscrMin.widget());
        QVERIFY(bar);
        QCOMPARE(bar->value(), 5);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the up arrow
        QCOMPARE(f.vscrMin.Value(), 4);
        QCOMPARE(f.seen, (QList<int>{4}));
        f.vscrMin.SetValue(0);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // to Min -1, wraps
        QCOMPARE(f.vscrMin.Value(), 39);
        QCOMPARE(bar->value(), 39);
        Unload(f);
    }

    void checkBoxClickOncePerChange() {
        EventsForm f;
        f.chkTien.SetValue(1);
        f.chkTien.SetValue(1);
        f.chkTien.SetValue(0);
        f.chkTien.SetValue(0);
        f.chkTien.SetValue(2);
        QCOMPARE(f.clicks, (QList<int>{1, 0, 2}));
    }

    void checkBoxUserClickGoesThroughSameRule() {
        EventsForm f;
        f.Show();
        auto* box = qobject_cast<QCheckBox*>(f.chkTien.widget());
        box->click();
        QCOMPARE(f.chkTien.Value(), 1);
        QCOMPARE(box->checkState(), Qt::Checked);
        box->click();
        QCOMPARE(f.clicks, (QList<int>{1, 0}));
        f.chkTien.SetValue(1);
        QCOMPARE(box->checkState(), Qt::Checked);
        Unload(f);
    }

    void optionButtonsGroupByContainer() {
        EventsForm f;
        f.optA.SetValue(true);
        f.optC.SetValue(true);  // in the frame: another group
        QVERIFY(f.optA.Value());
        f.optB.SetValue(true);
        QVERIFY(!f.optA.Value());
        QVERIFY(f.optB.Value());
        QVERIFY(f.optC.Value());
        f.optB.SetValue(true);  // already selected: no Click
        QCOMPARE(f.options, (QStringList{"A", "C", "B"}));
        f.optB.SetValue(false);  // deselecting runs nothing
        QCOMPARE(f.options.size(), 3);
    }

    void textBoxChangeOnEveryChange() {
        EventsForm f;
        f.txtNaam.SetText("ab");
        f.txtNaam.SetText("ab");
        f.txtNaam.SetText("");
        QCOMPARE(f.changes, (QStringList{"ab", ""}));
        f.txtNaam.SetMaxLength(3);
        f.txtNaam.SetText("abcdef");
        QCOMPARE(f.txtNaam.Text(), QString("abc"));
    }

    void keyPressDropsAndChangesCharacters() {
        EventsForm f;
        f.Show();
        f.txtNaam.SetFocus();
        QWidget* edit = f.txtNaam.widget();
        QTest::keyClicks(edit, "a.q");
        QCOMPARE(f.txtNaam.Text(), QString("aQ"));
        QCOMPARE(qobject_cast<QLineEdit*>(edit)->text(), QString("aQ"));
        QCOMPARE(f.changes, (QStringList{"a", "aQ"}));
        Unload(f);
    }

    void keyDownCanUseUpAKey() {
        EventsForm f;
        f.Show();
        f.txtNaam.SetText("abc");
        f.txtNaam.SetFocus();
        f.txtNaam.SetSelStart(0);
        QTest::keyClick(f.txtNaam.widget(), Qt::Key_Delete);
        QCOMPARE(f.txtNaam.Text(), QString("abc"));
        QTest::keyClick(f.txtNaam.widget(), Qt::Key_Backspace);  // at the start: nothing to erase
        QTest::keyClick(f.txtNaam.widget(), Qt::Key_End);
        QTest::keyClick(f.txtNaam.widget(), Qt::Key_Backspace);
        QCOMPARE(f.txtNaam.Text(), QString("ab"));
        Unload(f);
    }

    void keyPreviewGivesTheFormKeysFirst() {
        EventsForm f;
        f.SetKeyPreview(true);
        f.Show();
        f.txtNaam.SetFocus();
        QTest::keyClick(f.txtNaam.widget(), 'A', Qt::ShiftModifier);
        f.keys.removeIf([](const QString& k) { return k.contains(" 16 "); });  // the Shift key itself
        QCOMPARE(f.keys, (QStringList{"form down 65 1", "down 65 1", "form press 65", "up 65 1"}));
        f.keys.clear();
        QTest::keyClicks(f.txtNaam.widget(), "#");  // the form drops it
        QVERIFY(!f.txtNaam.Text().contains('#'));
        QVERIFY(f.txtNaam.Text() == "A");
        Unload(f);
    }

    void listBoxSortsWithoutRegardToCase() {
        EventsForm f;
        f.lstWerk.SetSorted(true);
        for (const char* s : {"bravo", "Alpha", "charlie", "alpha", "Bravo", "10", "2", "-x"})
            f.lstWerk.AddItem(s);
        // Digits before letters, case ignored, equal texts in the order added.
        QCOMPARE(f.lstWerk.Items(),
                 (QStringList{"10", "2", "Alpha", "alpha", "bravo", "Bravo", "charlie", "-x"}));
        QCOMPARE(f.lstWerk.NewIndex(), 7);
        QVERIFY(ListCompare("co-op", "coop") != 0);  // the hyphen only breaks the tie
        QVERIFY(ListCompare("co-op", "cop") < 0);
        QVERIFY(ListCompare("Zeta", "alpha") > 0);
        QVERIFY(f.lstWerk.existingWidget() == nullptr);
    }

    void listIndexFollowsItemsAndFiresClickOnChange() {
        EventsForm f;
        for (const char* s : {"a", "b", "c"}) f.lstNamen.AddItem(s);
        f.lstNamen.SetListIndex(1);
        f.lstNamen.SetListIndex(1);
        QCOMPARE(f.listClicks, (QList<int>{1}));
        QCOMPARE(f.lstNamen.Text(), QString("b"));
        f.lstNamen.AddItem("z", 0);  // inserted before the selection
        QCOMPARE(f.lstNamen.ListIndex(), 2);
        QCOMPARE(f.lstNamen.Text(), QString("b"));
        f.lstNamen.RemoveItem(0);
        QCOMPARE(f.lstNamen.ListIndex(), 1);
        f.lstNamen.RemoveItem(1);  // the selected item goes: nothing selected
        QCOMPARE(f.lstNamen.ListIndex(), -1);
        QCOMPARE(f.lstNamen.Text(), QString());
        QCOMPARE(f.lstNamen.List(99), QString());
        f.lstNamen.RemoveItem(99);  // out of range: ignored
        QCOMPARE(f.lstNamen.ListCount(), 2);
        f.lstNamen.SetListIndex(5);  // out of range: ignored
        QCOMPARE(f.listClicks, (QList<int>{1}));
    }

    void listUserClickRunsClick() {
        EventsForm f;
        for (const char* s : {"a", "b", "c"}) f.lstNamen.AddItem(s);
        f.Show();
        auto* w = qobject_cast<QListWidget*>(f.lstNamen.widget());
        QVERIFY(w);
        w->setCurrentRow(2);
        QCOMPARE(f.lstNamen.ListIndex(), 2);
        QCOMPARE(f.listClicks, (QList<int>{2}));
        f.lstNamen.SetListIndex(0);
        QCOMPARE(w->currentRow(), 0);
        Unload(f);
    }

    void controlArrayHandlersGetTheIndex() {
        EventsForm f;
        f.txtInvoer[2].SetText("x");
        f.txtInvoer[0].SetText("y");
        QCOMPARE(f.arrayChanges, (QList<int>{2, 0}));
        QCOMPARE(f.txtInvoer.Count(), 4);
        QCOMPARE(f.txtInvoer[3].Index(), 3);
        TextBox& extra = f.txtInvoer.Load(7);
        QVERIFY(!extra.Visible());
        extra.SetText("z");
        QCOMPARE(f.arrayChanges.last(), 7);
        QCOMPARE(f.txtInvoer.UBound(), 7);
    }

    void timerFiresOnlyWhileEventsRun() {
        EventsForm f;
        f.timTik.SetInterval(1);
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 20) {}
        QCOMPARE(f.ticks, 0);  // busy code: no Timer in between
        QTRY_VERIFY(f.ticks > 0);
        f.timTik.SetEnabled(false);
        const int n = f.ticks;
        QTest::qWait(20);
        QCOMPARE(f.ticks, n);
    }
};

QTEST_MAIN(TestEvents)
#include "test_events.moc"
