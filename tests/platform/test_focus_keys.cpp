// Focus and keys as the user meets them: a list that gets the focus chooses
// nothing; a list or spinner driven with keys keeps the focus through the
// handlers those keys run (a mouse click leaves the handlers free to move
// it); a box filled by code opens with its text selected; coordinates far
// out of range are held, never overflowed.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/Screen.h"
#include "shared/Scherm.h"

using namespace platform;

namespace {

// Like the program's windows: every handler hands the focus to a button
// parked off screen.
class FocusForm : public Form {
public:
    FocusForm() : Form("frmFocusTest") {
        Move(0, 0, 6000 + 120, 4000 + 405);
        cmdFocus.Move(Screen().Width() + 10, 0, 100, 100);
        cmdEerst.Move(120, 120, 1200, 375);
        lstKeuze.Move(120, 600, 2400, 1500);
        vscrAantal.Move(2700, 600, 255, 375);
        txtNaam.Move(3200, 600, 2400, 285);
        txtTekst.SetMultiLine(true);
        txtTekst.Move(3200, 1000, 2400, 900);
        cmdLaatst.Move(120, 3000, 1200, 375);
        for (const char* s : {"Maandag", "Dinsdag", "Woensdag", "Donderdag", "Vrijdag"}) lstKeuze.AddItem(s);
        lstKeuze.OnClick([this] {
            kliks << lstKeuze.ListIndex();
            ZetFocus(*this, cmdFocus);
        });
        vscrAantal.SetMin(-1);
        vscrAantal.SetMax(48);
        vscrAantal.SetLargeChange(5);
        vscrAantal.SetValue(24);
        vscrAantal.OnChange([this] {
            waarden << vscrAantal.Value();
            ZetFocus(*this, cmdFocus);
        });
    }
    CommandButton cmdFocus{this, "cmdFocus"};
    CommandButton cmdEerst{this, "cmdEerst"};
    ListBox lstKeuze{this, "lstKeuze"};
    VScrollBar vscrAantal{this, "vscrAantal"};
    TextBox txtNaam{this, "txtNaam"};
    TextBox txtTekst{this, "txtTekst"};
    CommandButton cmdLaatst{this, "cmdLaatst"};
    QList<int> kliks;
    QList<int> waarden;
};

QWidget* focusWidget(Form& f) { return f.widget()->focusWidget(); }

void key(Form& f, int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(focusWidget(f), Qt::Key(k), m);
}

}  // namespace

class TestFocusKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }

    void tabIntoAListChoosesNothingArrowsChooseAndKeepTheFocus() {
        FocusForm f;
        f.Show();
        f.cmdEerst.SetFocus();
        key(f, Qt::Key_Tab);
        QCOMPARE(focusWidget(f), f.lstKeuze.widget());
        QCOMPARE(f.lstKeuze.ListIndex(), -1);
        // Around the whole window and back in from the other side.
        for (int i = 0; i < 12; ++i) key(f, Qt::Key_Tab);
        for (int i = 0; i < 12; ++i) key(f, Qt::Key_Backtab);
        QCOMPARE(focusWidget(f), f.lstKeuze.widget());
        QCOMPARE(f.lstKeuze.ListIndex(), -1);
        QVERIFY(f.kliks.isEmpty());
        auto* view = static_cast<QListWidget*>(f.lstKeuze.widget());
        QVERIFY(view->selectedItems().isEmpty());

        // Each arrow chooses (Click runs) and the next one goes on from
        // there, although the handler hands the focus away.
        key(f, Qt::Key_Down);
        key(f, Qt::Key_Down);
        key(f, Qt::Key_Down);
        QCOMPARE(f.kliks, (QList<int>{0, 1, 2}));
        QCOMPARE(focusWidget(f), f.lstKeuze.widget());
        key(f, Qt::Key_End);
        key(f, Qt::Key_Up);
        QCOMPARE(f.kliks, (QList<int>{0, 1, 2, 4, 3}));
        QCOMPARE(f.lstKeuze.Text(), QString("Donderdag"));

        // Leaving and coming back keeps the choice and runs nothing.
        key(f, Qt::Key_Tab);
        key(f, Qt::Key_Backtab);
        QCOMPARE(focusWidget(f), f.lstKeuze.widget());
        QCOMPARE(f.kliks.size(), 5);
        QCOMPARE(f.lstKeuze.ListIndex(), 3);
        Unload(f);
    }

    void aMouseClickInTheListLetsItsHandlerMoveTheFocus() {
        FocusForm f;
        f.Show();
        f.cmdEerst.SetFocus();
        auto* view = static_cast<QListWidget*>(f.lstKeuze.widget());
        const QRect r = view->visualItemRect(view->item(1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        QCOMPARE(f.kliks, QList<int>{1});
        QCOMPARE(f.ActiveControl(), static_cast<Control*>(&f.cmdFocus));
        // Focus given by a click elsewhere and taken back by code picks nothing.
        f.lstKeuze.SetListIndex(-1);
        f.kliks.clear();
        f.lstKeuze.SetFocus();
        QCOMPARE(f.lstKeuze.ListIndex(), -1);
        QVERIFY(f.kliks.isEmpty());
        Unload(f);
    }

    void aSpinnerStepsAgainAtEveryKey() {
        FocusForm f;
        f.Show();
        f.vscrAantal.SetFocus();
        f.waarden.clear();
        // Min at the top: Down raises the value, Up lowers it.
        for (int i = 0; i < 21; ++i) key(f, Qt::Key_Down);
        QCOMPARE(f.vscrAantal.Value(), 45);
        QCOMPARE(f.waarden.size(), 21);
        QCOMPARE(focusWidget(f), f.vscrAantal.widget());
        key(f, Qt::Key_PageUp);
        QCOMPARE(f.vscrAantal.Value(), 40);
        key(f, Qt::Key_Up);
        QCOMPARE(f.vscrAantal.Value(), 39);
        QCOMPARE(focusWidget(f), f.vscrAantal.widget());
        // Tab still leaves it.
        key(f, Qt::Key_Tab);
        QVERIFY(focusWidget(f) != f.vscrAantal.widget());
        Unload(f);
    }

    void aClickOnTheSpinnerArrowStillHandsTheFocusOn() {
        FocusForm f;
        f.Show();
        f.cmdEerst.SetFocus();
        auto* bar = static_cast<QScrollBar*>(f.vscrAantal.widget());
        QStyleOptionSlider opt;
        opt.initFrom(bar);
        opt.orientation = Qt::Vertical;
        opt.minimum = bar->minimum();
        opt.maximum = bar->maximum();
        opt.sliderPosition = bar->value();
        opt.sliderValue = bar->value();
        opt.singleStep = bar->singleStep();
        opt.pageStep = bar->pageStep();
        opt.subControls = QStyle::SC_All;
        const QRect down = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarAddLine, bar);
        QVERIFY(down.isValid());
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, down.center());
        QCOMPARE(f.vscrAantal.Value(), 25);
        QCOMPARE(f.ActiveControl(), static_cast<Control*>(&f.cmdFocus));
        Unload(f);
    }

    void theGridsArrowKeysWalkItsCells() {
        FocusForm f;
        Grid g(&f, "msfgTabel");
        g.Move(120, 2200, 3000, 700);
        g.SetRows(6);
        g.SetCols(3);
        int wissels = 0;
        g.OnRowColChange([&] {
            ++wissels;
            ZetFocus(f, f.cmdFocus);
        });
        f.Show();
        g.SetFocus();
        key(f, Qt::Key_Down);
        key(f, Qt::Key_Down);
        key(f, Qt::Key_Right);
        QCOMPARE(wissels, 3);
        QCOMPARE(g.Row(), 3);
        QCOMPARE(g.Col(), 2);
        QCOMPARE(focusWidget(f), g.widget());
        Unload(f);
    }

    void aBoxFilledByCodeOpensSelected() {
        FocusForm f;
        f.Show();
        f.txtNaam.SetText("Dinsdaggroep");
        ZetFocus(f, f.txtNaam);
        QTest::keyClicks(focusWidget(f), "Dinsdag 11-12");
        QCOMPARE(f.txtNaam.Text(), QString("Dinsdag 11-12"));

        // What the user typed is theirs: focus back by code puts no selection on it.
        f.cmdEerst.SetFocus();
        ZetFocus(f, f.txtNaam);
        QCOMPARE(f.txtNaam.SelLength(), 0);
        QTest::keyClick(focusWidget(f), Qt::Key_End);
        QTest::keyClicks(focusWidget(f), "x");
        QCOMPARE(f.txtNaam.Text(), QString("Dinsdag 11-12x"));

        // A caret the handler sets after the focus wins.
        f.txtNaam.SetText("Woensdag");
        ZetFocus(f, f.cmdEerst);
        ZetFocus(f, f.txtNaam);
        f.txtNaam.SetSelStart(8);
        QTest::keyClicks(focusWidget(f), "avond");
        QCOMPARE(f.txtNaam.Text(), QString("Woensdagavond"));

        // A click puts the caret where it lands, selecting nothing.
        f.txtNaam.SetText("Donderdag");
        ZetFocus(f, f.cmdEerst);
        QTest::mouseClick(f.txtNaam.widget(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 5));
        QCOMPARE(f.txtNaam.SelLength(), 0);

        // A multi-line text is never selected whole: one key would wipe it.
        f.txtTekst.SetText("Beste spelers,\nTot dinsdag.");
        ZetFocus(f, f.txtTekst);
        QCOMPARE(f.txtTekst.SelLength(), 0);
        Unload(f);
    }

    void positionsFarOutOfRangeAreHeld() {
        FocusForm f;
        f.cmdEerst.Move(1e12, -1e12, 1e15, std::numeric_limits<double>::infinity());
        QCOMPARE(f.cmdEerst.Left(), int(MaxTwips));
        QCOMPARE(f.cmdEerst.Top(), -int(MaxTwips));
        QCOMPARE(f.cmdEerst.Width(), int(MaxTwips));
        QCOMPARE(f.cmdEerst.Height(), int(MaxTwips));
        f.cmdEerst.Move(std::numeric_limits<double>::quiet_NaN(), 0);
        QCOMPARE(f.cmdEerst.Left(), 0);
        f.Move(0, 0, 3e9, 3e9);
        QCOMPARE(f.Width(), int(MaxTwips));
        Unload(f);
    }
};

QTEST_MAIN(TestFocusKeys)
#include "test_focus_keys.moc"
