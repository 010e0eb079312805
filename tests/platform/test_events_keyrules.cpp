// A key release reaches the handlers of a window only when its press went
// to that same window: not when it was pressed in another window, in a
// message box, a file dialog or the print dialog (real dialogs, real keys).
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Prompt.h"

using namespace platform;

namespace {

class KeyForm : public Form {
public:
    explicit KeyForm(const QString& name) : Form(name) {
        SetKeyPreview(true);
        txtNaam.Move(120, 120, 2000, 285);
        cmdVraag.Move(120, 600, 1200, 375);
        cmdVraag.OnClick([this] {
            if (onClick) onClick();
        });
    }
    void Form_KeyUp(int& k, int) override { ups << k; }

    TextBox txtNaam{this, "txtNaam"};
    CommandButton cmdVraag{this, "cmdVraag"};
    QList<int> ups;
    std::function<void()> onClick;
};

// Presses a key in the dialog that opens next, as a user would; the dialog
// closes on the press, so its release comes to whatever is under it.
void pressInNextDialog(Qt::Key key) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, key] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        QTest::keyPress(target, key);
    });
    poll->start();
}

QKeyEvent repeated(QEvent::Type type, Qt::Key key) { return QKeyEvent(type, key, Qt::NoModifier, QString(), true); }

}  // namespace

class TestEventsKeyRules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetPromptHandler(nullptr);  // the real dialogs
    }

    void keyPressedAndReleasedHereReachesTheHandlers() {
        KeyForm f("frmEen");
        f.Show();
        f.txtNaam.SetFocus();
        QTest::keyClick(f.txtNaam.widget(), Qt::Key_Escape);
        QCOMPARE(f.ups, QList<int>{27});
        // A release without a press seen here: pressed before this window
        // had the keyboard.
        QTest::keyRelease(f.txtNaam.widget(), Qt::Key_Escape);
        QCOMPARE(f.ups, QList<int>{27});
        Unload(f);
    }

    void keyPressedInAnotherWindowIsNoKeyHere() {
        KeyForm a("frmEen"), b("frmTwee");
        a.Show();
        a.txtNaam.SetFocus();
        QTest::keyPress(a.txtNaam.widget(), Qt::Key_Escape);
        b.Show();
        b.txtNaam.SetFocus();
        QTest::keyRelease(b.txtNaam.widget(), Qt::Key_Escape);
        QVERIFY(b.ups.isEmpty());
        QVERIFY(a.ups.isEmpty());
        // The next Esc of its own counts.
        QTest::keyClick(b.txtNaam.widget(), Qt::Key_Escape);
        QCOMPARE(b.ups, QList<int>{27});
        Unload(b);
        Unload(a);
    }

    // A window that unloads on the press hands the release to no one.
    void releaseAfterThePressWindowUnloaded() {
        KeyForm b("frmTwee");
        b.Show();
        {
            auto* a = new KeyForm("frmEen");
            a->Show();
            a->txtNaam.SetFocus();
            QTest::keyPress(a->txtNaam.widget(), Qt::Key_Return);
            Unload(*a);
            delete a;
        }
        b.txtNaam.SetFocus();
        QTest::keyRelease(b.txtNaam.widget(), Qt::Key_Return);
        QVERIFY(b.ups.isEmpty());
        Unload(b);
    }

    void escThatClosedAPromptIsNoKeyOfTheWindow_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("message box") << 0;
        QTest::newRow("question") << 1;
        QTest::newRow("save dialog") << 2;
        QTest::newRow("open dialog") << 3;
        QTest::newRow("print dialog") << 4;
    }
    void escThatClosedAPromptIsNoKeyOfTheWindow() {
        QFETCH(int, kind);
        KeyForm f("frmEen");
        f.Show();
        f.txtNaam.SetFocus();
        pressInNextDialog(Qt::Key_Escape);
        switch (kind) {
        case 0: QCOMPARE(MsgBox("Bericht", vbOKOnly | vbInformation), int(vbOK)); break;
        case 1: QCOMPARE(MsgBox("Wissen?", vbYesNo | vbQuestion | vbDefaultButton2), int(vbNo)); break;
        case 2: QCOMPARE(GetSaveFileName("Opslaan", QDir::tempPath(), "a.pdf", "PDF (*.pdf)"), QString()); break;
        case 3: QCOMPARE(GetOpenFileName("Openen", QDir::tempPath(), "Tekst (*.txt)"), QString()); break;
        default: {
            PrintDialogRequest r;
            r.printers = QStringList{"PDF"};
            r.printer = "PDF";
            r.paperSizes = QStringList{"A4"};
            r.paperSize = "A4";
            r.captionOk = "OK";
            r.captionCancel = "Annuleren";
            QVERIFY(!PrintDialog(r));
        }
        }
        QTest::keyRelease(f.txtNaam.widget(), Qt::Key_Escape);
        QVERIFY(f.ups.isEmpty());
        QTest::keyClick(f.txtNaam.widget(), Qt::Key_Escape);
        QCOMPARE(f.ups, QList<int>{27});
        Unload(f);
    }

    // Enter on a button opens a message box; Enter there closes it. Neither
    // release is a key of the window.
    void enterThatOpenedAndClosedAPrompt() {
        KeyForm f("frmEen");
        f.Show();
        int answer = 0;
        f.onClick = [&answer] {
            pressInNextDialog(Qt::Key_Return);
            answer = MsgBox("Bericht", vbOKOnly);
        };
        f.cmdVraag.SetFocus();
        QTest::keyPress(f.cmdVraag.widget(), Qt::Key_Return);
        QCOMPARE(answer, int(vbOK));
        QTest::keyRelease(f.cmdVraag.widget(), Qt::Key_Return);
        QVERIFY(f.ups.isEmpty());
        Unload(f);
    }

    // Esc held down in a message box: the repeats that reach the window
    // behind it once the box closed do not make it a key of that window.
    void heldEscRepeatsAfterAPromptAreNoKeyOfTheWindow() {
        KeyForm f("frmEen");
        f.Show();
        f.txtNaam.SetFocus();
        pressInNextDialog(Qt::Key_Escape);
        MsgBox("Bericht", vbOKOnly);
        QWidget* w = f.txtNaam.widget();
        for (int i = 0; i < 3; ++i) {
            QKeyEvent up = repeated(QEvent::KeyRelease, Qt::Key_Escape);
            QApplication::sendEvent(w, &up);
            QKeyEvent down = repeated(QEvent::KeyPress, Qt::Key_Escape);
            QApplication::sendEvent(w, &down);
        }
        QTest::keyRelease(w, Qt::Key_Escape);
        QVERIFY(f.ups.isEmpty());
        Unload(f);
    }

    // A key pressed while the window took no input (disabled) is not its key.
    void keyPressedWhileDisabledIsNoKey() {
        KeyForm f("frmEen");
        f.Show();
        f.txtNaam.SetFocus();
        f.SetEnabled(false);
        QTest::keyPress(f.txtNaam.widget(), Qt::Key_Escape);
        f.SetEnabled(true);
        QTest::keyRelease(f.txtNaam.widget(), Qt::Key_Escape);
        QVERIFY(f.ups.isEmpty());
        Unload(f);
    }

    // The caller chooses the default button: Enter in the real box answers it.
    void enterAnswersTheChosenDefaultButton() {
        KeyForm f("frmEen");
        f.Show();
        pressInNextDialog(Qt::Key_Return);
        QCOMPARE(MsgBox("Overschrijven?", vbYesNo | vbQuestion | vbDefaultButton2), int(vbNo));
        pressInNextDialog(Qt::Key_Return);
        QCOMPARE(MsgBox("Doorgaan?", vbYesNo | vbQuestion), int(vbYes));
        Unload(f);
    }
};

QTEST_MAIN(TestEventsKeyRules)
#include "test_events_keyrules.moc"
