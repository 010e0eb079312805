// Keyboard and mouse rules of the controls: arrow keys in a group of option
// buttons, no mouse wheel on a scroll bar, typing in an editable combo box,
// and the tab order that follows the window's layout.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QWheelEvent>
#include <QtTest>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Screen.h"

using namespace platform;

namespace {

// Controls made in an order unlike their places on the window.
class LayoutForm : public Form {
public:
    LayoutForm() : Form("frmLayout") {
        Move(0, 0, 6000 + 120, 4000 + 405);
        cmdFocus.Move(Screen().Width() + 10, 0, 100, 100);  // parked out of sight
        cmdTerug.Move(120, 3000, 1200, 375);
        cmdOK.Move(3000, 3000, 1200, 375);
        fraKeuze.Move(3000, 120, 2800, 1800);
        optB.Move(120, 700, 2000, 255);
        optA.Move(120, 300, 2000, 255);
        optC.Move(120, 1100, 2000, 255);
        lblNaam.Move(120, 180, 900, 255);
        txtNaam.Move(1080, 120, 1500, 285);  // same row as its label
        cboSoort.Move(120, 900, 2400, 315);
        vscrAantal.Move(2600, 900, 255, 375);
        cmdVerborgen.Move(120, 1500, 1200, 375);
        cmdVerborgen.SetVisible(false);
        cmdUit.Move(1500, 3000, 1200, 375);
        cmdUit.SetEnabled(false);
        for (auto* o : {&optA, &optB, &optC}) o->OnClick([this, o] { clicks << o->Name(); });
        vscrAantal.SetMin(-1);
        vscrAantal.SetMax(48);
        vscrAantal.SetValue(24);
        vscrAantal.OnChange([this] { ++changes; });
        cboSoort.OnClick([this] { comboClicks << cboSoort.ListIndex(); });
        cboSoort.OnChange([this] { comboChanges << cboSoort.Text(); });
    }
    CommandButton cmdFocus{this, "cmdFocus"};
    CommandButton cmdTerug{this, "cmdTerug"};
    CommandButton cmdOK{this, "cmdOK"};
    Frame fraKeuze{this, "fraKeuze"};
    OptionButton optB{&fraKeuze, "optB"};
    OptionButton optA{&fraKeuze, "optA"};
    OptionButton optC{&fraKeuze, "optC"};
    Label lblNaam{this, "lblNaam"};
    TextBox txtNaam{this, "txtNaam"};
    ComboBox cboSoort{this, "cboSoort"};
    VScrollBar vscrAantal{this, "vscrAantal"};
    CommandButton cmdVerborgen{this, "cmdVerborgen"};
    CommandButton cmdUit{this, "cmdUit"};
    QStringList clicks;
    int changes = 0;
    QList<int> comboClicks;
    QStringList comboChanges;
};

QStringList names(const std::vector<Control*>& controls) {
    QStringList out;
    for (Control* c : controls) out << c->Name();
    return out;
}

QString focused(Form& f) {
    QWidget* w = f.widget()->focusWidget();
    Control* best = nullptr;  // the innermost control holding the focus
    for (Control* c : f.Controls())
        if (QWidget* cw = c->existingWidget(); cw && (cw == w || cw->isAncestorOf(w)))
            if (!best || best->existingWidget()->isAncestorOf(cw)) best = c;
    return best ? best->Name() : QString();
}

void wheel(QWidget* w, int delta) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

}  // namespace

class TestFormsKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }

    void tabOrderFollowsTheLayout() {
        LayoutForm f;
        f.Show();
        // Rows top to bottom, each left to right (the combo box and the
        // scroll bar share a row with the frame, whose middle they reach);
        // the frame's buttons in its place; nothing hidden or parked off screen; the disabled
        // button keeps its place but Tab passes it.
        QCOMPARE(names(f.TabOrder()), (QStringList{"txtNaam", "cboSoort", "vscrAantal", "optA", "optB", "optC",
                                                   "cmdTerug", "cmdUit", "cmdOK"}));
        f.cmdFocus.SetFocus();
        QStringList walked;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(f.widget()->focusWidget(), Qt::Key_Tab);
            walked << focused(f);
        }
        QCOMPARE(walked, (QStringList{"txtNaam", "cboSoort", "vscrAantal", "optA", "optB", "optC", "cmdTerug",
                                      "cmdOK", "txtNaam"}));
        QTest::keyClick(f.widget()->focusWidget(), Qt::Key_Backtab);
        QCOMPARE(focused(f), QString("cmdOK"));
        Unload(f);
    }

    void tabEntersAGroupOfOptionsAtItsSelectedButton() {
        LayoutForm f;
        f.Show();
        f.optB.SetValue(true);
        f.txtNaam.SetFocus();
        QStringList walked;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(f.widget()->focusWidget(), Qt::Key_Tab);
            walked << focused(f);
        }
        QCOMPARE(walked, (QStringList{"cboSoort", "vscrAantal", "optB", "cmdTerug"}));
        QTest::keyClick(f.widget()->focusWidget(), Qt::Key_Backtab);
        QCOMPARE(focused(f), QString("optB"));
        Unload(f);
    }

    void aNewTextShowsItsBeginning() {
        LayoutForm f;
        f.Show();
        f.txtNaam.SetText(QString(200, QLatin1Char('x')) + "end");
        auto* e = qobject_cast<QLineEdit*>(f.txtNaam.widget());
        QVERIFY(e);
        QCOMPARE(e->cursorPosition(), 0);
        QCOMPARE(f.txtNaam.SelStart(), 0);
        Unload(f);
    }

    void arrowKeysMoveTheSelectionThroughTheGroup() {
        LayoutForm f;
        f.Show();
        f.optA.SetValue(true);
        f.clicks.clear();
        f.optA.SetFocus();
        QTest::keyClick(f.optA.widget(), Qt::Key_Down);
        QVERIFY(f.optB.Value() && !f.optA.Value());
        QCOMPARE(focused(f), QString("optB"));
        QTest::keyClick(f.optB.widget(), Qt::Key_Right);
        QVERIFY(f.optC.Value());
        QTest::keyClick(f.optC.widget(), Qt::Key_Down);  // round to the first
        QVERIFY(f.optA.Value());
        QTest::keyClick(f.optA.widget(), Qt::Key_Up);  // and back to the last
        QVERIFY(f.optC.Value());
        QCOMPARE(f.clicks, (QStringList{"optB", "optC", "optA", "optC"}));
        // A disabled button is passed over.
        f.optA.SetEnabled(false);
        QTest::keyClick(f.optC.widget(), Qt::Key_Down);
        QVERIFY(f.optB.Value());
        Unload(f);
    }

    void mouseWheelLeavesAScrollBarAlone() {
        LayoutForm f;
        f.Show();
        f.changes = 0;
        wheel(f.vscrAantal.widget(), 120);
        wheel(f.vscrAantal.widget(), -120);
        wheel(f.vscrAantal.widget(), -360);
        QCOMPARE(f.vscrAantal.Value(), 24);
        QCOMPARE(f.changes, 0);
        // The arrows still work.
        f.vscrAantal.SetFocus();
        QTest::keyClick(f.vscrAantal.widget(), Qt::Key_Down);
        QCOMPARE(f.vscrAantal.Value(), 25);
        Unload(f);
    }

    void typingOwnTextInAComboClearsTheSelection() {
        LayoutForm f;
        for (const char* s : {"Noord", "Oost", "Zuid"}) f.cboSoort.AddItem(s);
        f.Show();
        f.cboSoort.SetListIndex(1);
        QCOMPARE(f.cboSoort.Text(), QString("Oost"));
        f.comboClicks.clear();
        f.comboChanges.clear();
        auto* edit = static_cast<QComboBox*>(f.cboSoort.widget())->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "West");
        QCOMPARE(f.cboSoort.ListIndex(), -1);
        QCOMPARE(f.cboSoort.Text(), QString("West"));
        QCOMPARE(edit->text(), QString("West"));
        QVERIFY(f.comboClicks.isEmpty());
        QCOMPARE(f.comboChanges.last(), QString("West"));
        // Typing the text of an item is still the user's own text.
        edit->selectAll();
        QTest::keyClicks(edit, "Zuid");
        QCOMPARE(f.cboSoort.ListIndex(), -1);
        // Choosing the item that was selected before selects it again.
        static_cast<QComboBox*>(f.cboSoort.widget())->setCurrentIndex(1);
        QCOMPARE(f.cboSoort.ListIndex(), 1);
        QCOMPARE(f.comboClicks, QList<int>{1});
        QCOMPARE(f.cboSoort.Text(), QString("Oost"));
        Unload(f);
    }

    // A box whose KeyPress handler drops a typed character rings the bell
    // and shows a mark for a moment; keys it takes, and the control keys it
    // takes over (Enter), ring nothing.
    void aRefusedCharacterRingsAndMarksTheBox() {
        LayoutForm f;
        int enters = 0;
        f.txtNaam.OnKeyPress([&](int& k) {
            if (k == vbKeyReturn) {
                ++enters;
                k = 0;
            } else if (QChar(k).isDigit()) {
                k = 0;
            }
        });
        f.Show();
        QWidget* w = f.txtNaam.widget();
        w->setFocus();
        const QColor gewoon = w->palette().color(QPalette::Base);
        const int bel = BellCount();
        QTest::keyClicks(w, "ab");
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(enters, 1);
        QCOMPARE(BellCount(), bel);
        QVERIFY(!f.txtNaam.RefusalMarked());
        QTest::keyClicks(w, "7");
        QCOMPARE(f.txtNaam.Text(), QString("ab"));
        QCOMPARE(BellCount(), bel + 1);
        QVERIFY(f.txtNaam.RefusalMarked());
        QVERIFY(w->palette().color(QPalette::Base) != gewoon);
        QTRY_VERIFY(!f.txtNaam.RefusalMarked());
        QCOMPARE(w->palette().color(QPalette::Base), gewoon);
        Unload(f);
    }
};

QTEST_MAIN(TestFormsKeyboard)
#include "test_forms_keyboard.moc"
