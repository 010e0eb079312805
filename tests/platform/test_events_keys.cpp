// Key routing through containers: a key on a control inside a frame or a
// picture box reaches the window's key handlers and the control's own once,
// however deep the control sits.
#include <QApplication>
#include <QtTest>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Form.h"

using namespace platform;

namespace {

class KeysForm : public Form {
public:
    KeysForm() : Form("frmKeys") {
        SetKeyPreview(true);
        picVak.Move(0, 0, 4000, 3000);
        fraBinnen.Move(120, 120, 3000, 2000);
        fraKeuze.Move(4200, 0, 3000, 2000);
        chkLos.Move(120, 300, 1500, 255);
        chkDiep.Move(120, 300, 1500, 255);
        chkTwee.Move(120, 700, 1500, 255);
        picVak.SetTabStop(true);
        listen(chkLos, "chkLos");
        listen(chkDiep, "chkDiep");
        listen(picVak, "picVak");
        listen(fraKeuze, "fraKeuze");
        listen(fraBinnen, "fraBinnen");
        listen(chkTwee, "chkTwee");
    }
    void listen(Control& c, const QString& name) {
        c.OnKeyDown([this, name](int& k, int) { log << QString("%1 down %2").arg(name).arg(k); });
        c.OnKeyPress([this, name](int& k) { log << QString("%1 press %2").arg(name).arg(k); });
        c.OnKeyUp([this, name](int& k, int) { log << QString("%1 up %2").arg(name).arg(k); });
    }
    void Form_KeyDown(int& k, int) override { log << QString("form down %1").arg(k); }
    void Form_KeyPress(int& k) override { log << QString("form press %1").arg(k); }
    void Form_KeyUp(int& k, int) override {
        log << QString("form up %1").arg(k);
        if (onKeyUp) onKeyUp(k);
    }

    Frame fraKeuze{this, "fraKeuze"};
    CheckBox chkLos{&fraKeuze, "chkLos"};
    CheckBox chkTwee{&fraKeuze, "chkTwee"};
    PictureBox picVak{this, "picVak"};
    Frame fraBinnen{&picVak, "fraBinnen"};
    CheckBox chkDiep{&fraBinnen, "chkDiep"};

    QStringList log;
    std::function<void(int)> onKeyUp;
};

}  // namespace

class TestEventsKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }

    // F7 (118) types nothing: down and up only, each once for the window and
    // once for the check box; the frame around it sees nothing.
    void functionKeyInFrameRoutedOnce() {
        KeysForm f;
        f.Show();
        f.chkLos.SetFocus();
        QTest::keyClick(f.chkLos.widget(), Qt::Key_F7);
        QCOMPARE(f.log, (QStringList{"form down 118", "chkLos down 118", "form up 118", "chkLos up 118"}));
        QTest::keyPress(f.chkLos.widget(), Qt::Key_F7);
        f.log.clear();
        QTest::keyRelease(f.chkLos.widget(), Qt::Key_F7);
        QCOMPARE(f.log, (QStringList{"form up 118", "chkLos up 118"}));
        Unload(f);
    }

    // A letter the check box does not use: its KeyPress too is routed once.
    void typedKeyInFrameRoutedOnce() {
        KeysForm f;
        f.Show();
        f.chkLos.SetFocus();
        QTest::keyClick(f.chkLos.widget(), Qt::Key_X);
        QCOMPARE(f.log, (QStringList{"form down 88", "chkLos down 88", "form press 120", "chkLos press 120",
                                     "form up 88", "chkLos up 88"}));
        Unload(f);
    }

    // Check box in a frame in a picture box: neither container takes the key.
    void nestedContainersRouteOnce() {
        KeysForm f;
        f.Show();
        f.chkDiep.SetFocus();
        QTest::keyClick(f.chkDiep.widget(), Qt::Key_F7);
        QCOMPARE(f.log, (QStringList{"form down 118", "chkDiep down 118", "form up 118", "chkDiep up 118"}));
        Unload(f);
    }

    // A picture box that has the focus itself still gets its own keys, also
    // right after a key of a control inside it went past it.
    void focusedPictureBoxKeepsItsKeys() {
        KeysForm f;
        f.Show();
        f.chkDiep.SetFocus();
        QTest::keyClick(f.chkDiep.widget(), Qt::Key_F7);
        f.picVak.SetFocus();
        QTest::keyPress(f.picVak.widget(), Qt::Key_F7);
        f.log.clear();
        QTest::keyRelease(f.picVak.widget(), Qt::Key_F7);
        QTest::keyClick(f.picVak.widget(), Qt::Key_X);
        QCOMPARE(f.log, (QStringList{"form up 118", "picVak up 118", "form down 88", "picVak down 88",
                                     "form press 120", "picVak press 120", "form up 88", "picVak up 88"}));
        Unload(f);
    }

    // A handler that routes other keys while it runs (as a message box
    // does) does not make the first key count twice.
    void keysRoutedInsideAHandlerLeaveTheFirstAlone() {
        KeysForm f;
        f.Show();
        f.chkLos.SetFocus();
        f.onKeyUp = [&f](int k) {
            if (k == 118) QTest::keyClick(f.chkTwee.widget(), Qt::Key_F8);
        };
        QTest::keyPress(f.chkLos.widget(), Qt::Key_F7);
        f.log.clear();
        QTest::keyRelease(f.chkLos.widget(), Qt::Key_F7);
        QCOMPARE(f.log, (QStringList{"form up 118", "form down 119", "chkTwee down 119", "form up 119",
                                     "chkTwee up 119", "chkLos up 118"}));
        Unload(f);
    }

    // Without key preview only the control sees the key, once.
    void withoutPreviewOnlyTheControl() {
        KeysForm f;
        f.SetKeyPreview(false);
        f.Show();
        f.chkDiep.SetFocus();
        QTest::keyClick(f.chkDiep.widget(), Qt::Key_X);
        QCOMPARE(f.log, (QStringList{"chkDiep down 88", "chkDiep press 120", "chkDiep up 88"}));
        Unload(f);
    }
};

QTEST_MAIN(TestEventsKeys)
#include "test_events_keys.moc"
