// The one step every spinner takes: wrap, store, and go back to the stored
// value when storing fails.
#include <QApplication>
#include <QtTest>

#include "deal/Spinner.h"
#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/ControlsList.h"
#include "platform/Form.h"
#include "shared/Globals.h"

using namespace platform;

namespace {

// A spinner over "5" down to "1" that counts its change handler's runs.
class SpinnerForm : public Form {
public:
    SpinnerForm() : Form("frmSpinner") {
        for (int n = 5; n >= 1; --n) lst.AddItem(QString::number(n));
        vscr.SetMin(-1);
        vscr.SetMax(5);
        BezigMetLaden = true;
        vscr.SetValue(2);
        BezigMetLaden = false;
        lbl.SetCaption("3");
        vscr.OnChange([this] {
            ++wijzigingen;
            if (BezigMetLaden) return;
            VolgSpinner(vscr, lst, lbl, bewaar);
        });
    }
    VScrollBar vscr{this, "vscr"};
    ListBox lst{this, "lst"};
    Label lbl{this, "lbl"};
    SpinnerBewaar bewaar;
    int wijzigingen = 0;
};

}  // namespace

class TestSpinner : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }

    void stepsWrapAndStoreOnce() {
        SpinnerForm f;
        QStringList bewaard;
        f.bewaar = [&](const QString& t) { bewaard << t; return true; };
        f.vscr.userChanged(1);
        QCOMPARE(f.lbl.Caption(), QString("4"));
        f.vscr.userChanged(-1);  // the up arrow at the top: the bottom
        QCOMPARE(f.lbl.Caption(), QString("1"));
        QCOMPARE(f.vscr.Value(), 4);
        f.vscr.userChanged(5);  // the down arrow at the bottom: the top
        QCOMPARE(f.lbl.Caption(), QString("5"));
        QCOMPARE(f.vscr.Value(), 0);
        // A wrap stores once: the change it causes does nothing.
        QCOMPARE(bewaard, (QStringList{"4", "1", "5"}));
        QCOMPARE(f.wijzigingen, 5);
        QVERIFY(!BezigMetLaden);
    }

    void aValueThatIsNotStoredIsNotTaken() {
        SpinnerForm f;
        int pogingen = 0;
        f.bewaar = [&](const QString&) { ++pogingen; return false; };
        f.vscr.userChanged(0);
        QCOMPARE(f.lbl.Caption(), QString("3"));
        QCOMPARE(f.vscr.Value(), 2);
        f.vscr.userChanged(-1);  // a wrapped step goes back as well
        QCOMPARE(f.lbl.Caption(), QString("3"));
        QCOMPARE(f.vscr.Value(), 2);
        QCOMPARE(pogingen, 2);
        QVERIFY(!BezigMetLaden);
    }

    void withoutStoringTheItemIsShown() {
        SpinnerForm f;
        QVERIFY(ZetSpinnerOp(f.vscr, f.lst, f.lbl, 4));
        QCOMPARE(f.lbl.Caption(), QString("1"));
        QCOMPARE(f.vscr.Value(), 4);
        QVERIFY(!ZetSpinnerOp(f.vscr, f.lst, f.lbl, 5));
        QVERIFY(!ZetSpinnerOp(f.vscr, f.lst, f.lbl, -1));
        QCOMPARE(f.lbl.Caption(), QString("1"));
        f.lst.Clear();
        QVERIFY(!VolgSpinner(f.vscr, f.lst, f.lbl));
        QCOMPARE(f.lbl.Caption(), QString("1"));
    }

    // A raised BezigMetLaden stays raised after a step made during loading.
    void loadingStaysRaised() {
        SpinnerForm f;
        BezigMetLaden = true;
        QVERIFY(ZetSpinnerOp(f.vscr, f.lst, f.lbl, 0));
        QVERIFY(BezigMetLaden);
        BezigMetLaden = false;
        QCOMPARE(f.lbl.Caption(), QString("5"));
    }
};

QTEST_MAIN(TestSpinner)
#include "test_spinner.moc"
