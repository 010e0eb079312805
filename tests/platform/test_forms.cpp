// Windows: loading and unloading, the program's own activation order,
// sizes in twips, and the prompt script.
#include <QApplication>
#include <QtTest>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "support/PromptScript.h"

using namespace platform;

namespace {

QStringList g_log;
void ShowDialog();

class HubForm : public Form {
public:
    HubForm() : Form("frmHub") {
        cmdOpen.OnClick([this] {
            ZetFocusOnFocusButton();
            SetEnabled(false);
            ShowDialog();
        });
    }
    void ZetFocusOnFocusButton() { cmdFocus.SetFocus(); }
    void Form_Load() override { g_log << "hub load"; ++loads; }
    void Form_Activate() override { g_log << "hub activate"; }
    void Form_Resize() override { ++resizes; }
    CommandButton cmdOpen{this, "cmdOpen"};
    CommandButton cmdFocus{this, "cmdFocus"};
    TextBox txtWaarde{this, "txtWaarde"};
    int loads = 0, resizes = 0;
};
DECLARE_FORM(frmHub, HubForm)
DEFINE_FORM(frmHub, HubForm)

class DialogForm : public Form {
public:
    DialogForm() : Form("frmDialog") {
        cmdTerug.OnClick([this] { cmdTerug_Click(); });
    }
    void cmdTerug_Click() {
        // Modality emulated: give the caller back, then go.
        if (enableFirst) frmHub().SetEnabled(true);
        Unload(*this);
        if (!enableFirst) frmHub().SetEnabled(true);
    }
    void Form_Load() override { g_log << "dialog load"; }
    void Form_Activate() override { g_log << "dialog activate"; }
    void Form_QueryUnload(int& Cancel, int UnloadMode) override {
        g_log << QString("dialog queryunload %1").arg(UnloadMode);
        Cancel = refuse ? 1 : 0;
    }
    void Form_Unload(int&) override { g_log << "dialog unload"; }
    CommandButton cmdTerug{this, "cmdTerug"};
    TextBox txtNaam{this, "txtNaam"};
    bool refuse = false;
    bool enableFirst = true;
};
DECLARE_FORM(frmDialog, DialogForm)
DEFINE_FORM(frmDialog, DialogForm)

void ShowDialog() { frmDialog().Show(); }

// A chain of windows that ends itself from an activate handler: the
// backdrop shows the worker, the worker disables the backdrop, does its
// work, unloads both and shows the hub again.
class WorkerForm;
WorkerForm& frmWorker();
class BackdropForm : public Form {
public:
    BackdropForm() : Form("frmBackdrop") {}
    void Form_Activate() override;
};
DECLARE_FORM(frmBackdrop, BackdropForm)
DEFINE_FORM(frmBackdrop, BackdropForm)
class WorkerForm : public Form {
public:
    WorkerForm() : Form("frmWorker") {}
    void Form_Activate() override {
        g_log << "worker activate";
        frmBackdrop().SetEnabled(false);
        Unload(frmBackdrop());
        Unload(*this);
        frmHub().Show();
    }
};
DECLARE_FORM(frmWorker, WorkerForm)
DEFINE_FORM(frmWorker, WorkerForm)
void BackdropForm::Form_Activate() {
    g_log << "backdrop activate";
    frmWorker().Show();
}

// A window that ends itself while loading (as a second copy of the program does).
class QuitterForm : public Form {
public:
    QuitterForm() : Form("frmQuitter") {}
    void Form_Load() override { Unload(*this); }
};
DECLARE_FORM(frmQuitter, QuitterForm)
DEFINE_FORM(frmQuitter, QuitterForm)

// Two windows that note their activation and deactivation.
QStringList g_wissel;
class WisselForm : public Form {
public:
    explicit WisselForm(const char* name) : Form(name) {}
    void Form_Activate() override { g_wissel << Name() + " activate"; }
    void Form_Deactivate() override { g_wissel << Name() + " deactivate"; }
};
struct EersteForm : WisselForm {
    EersteForm() : WisselForm("frmEerste") {}
};
struct TweedeForm : WisselForm {
    TweedeForm() : WisselForm("frmTweede") {}
};
DECLARE_FORM(frmEerste, EersteForm)
DEFINE_FORM(frmEerste, EersteForm)
DECLARE_FORM(frmTweede, TweedeForm)
DEFINE_FORM(frmTweede, TweedeForm)

}  // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }
    void init() { g_log.clear(); }
    void cleanup() {
        if (frmDialog_IsLoaded()) {
            frmDialog().refuse = false;
            Unload(frmDialog());
        }
        if (frmHub_IsLoaded()) Unload(frmHub());
        DoEvents();
    }

    void loadRunsOnceOnFirstUse() {
        QVERIFY(!frmHub_IsLoaded());
        frmHub().txtWaarde.SetText("x");
        QVERIFY(frmHub_IsLoaded());
        QCOMPARE(frmHub().loads, 1);
        QCOMPARE(g_log, QStringList{"hub load"});
        frmHub().Show();
        QCOMPARE(g_log, (QStringList{"hub load", "hub activate"}));
        QCOMPARE(frmHub().loads, 1);
        QVERIFY(frmHub().resizes >= 1);  // a window is sized when first shown
    }

    void unloadGivesAFreshInstance() {
        frmHub().txtWaarde.SetText("kept?");
        frmHub().SetTag("t");
        QVERIFY(Unload(frmHub()));
        QVERIFY(!frmHub_IsLoaded());
        QCOMPARE(frmHub().txtWaarde.Text(), QString());
        QCOMPARE(frmHub().Tag(), QString());
        QCOMPARE(g_log.count("hub load"), 2);
    }

    void unloadWhileLoadingIsSafe() {
        QuitterForm& f = frmQuitter();
        QVERIFY(!f.IsLoaded());
        QVERIFY(!frmQuitter_IsLoaded());
        DoEvents();
    }

    void queryUnloadCanCancel() {
        frmDialog().refuse = true;
        QVERIFY(!Unload(frmDialog()));
        QVERIFY(frmDialog_IsLoaded());
        QVERIFY(!g_log.contains("dialog unload"));
        QVERIFY(g_log.contains("dialog queryunload 1"));
        frmDialog().refuse = false;
        QVERIFY(Unload(frmDialog()));
        QCOMPARE(g_log.last(), QString("dialog unload"));
    }

    void closeBoxRunsQueryUnloadWithItsMode() {
        frmDialog().Show();
        frmDialog().widget()->close();
        QVERIFY(!frmDialog_IsLoaded());
        QVERIFY(g_log.contains(QString("dialog queryunload %1").arg(vbFormControlMenu)));
    }

    void dialogUnloadActivatesCallerOnce_data() {
        QTest::addColumn<bool>("enableFirst");
        QTest::newRow("enable, then unload") << true;
        QTest::newRow("unload, then enable") << false;
    }
    void dialogUnloadActivatesCallerOnce() {
        QFETCH(bool, enableFirst);
        frmHub().Show();
        frmHub().cmdOpen.Click();
        QVERIFY(!frmHub().Enabled());
        QVERIFY(frmHub().Visible());  // a disabled window stays on screen
        QCOMPARE(ActiveForm(), static_cast<Form*>(&frmDialog()));
        frmDialog().enableFirst = enableFirst;
        g_log.clear();
        frmDialog().cmdTerug.Click();
        QCOMPARE(g_log, (QStringList{"dialog queryunload 1", "dialog unload", "hub activate"}));
        QCOMPARE(ActiveForm(), static_cast<Form*>(&frmHub()));
        QVERIFY(frmHub().Enabled());
        // The window system confirming the activation later changes nothing.
        DoEvents();
        QCOMPARE(g_log.count("hub activate"), 1);
    }

    void chainEndingInsideActivateGivesTheHubOneActivate() {
        frmHub().Show();
        g_log.clear();
        frmBackdrop().SetWindowState(vbMaximized);
        frmBackdrop().Show();
        QCOMPARE(g_log, (QStringList{"backdrop activate", "worker activate", "hub activate"}));
        QVERIFY(!frmBackdrop_IsLoaded());
        QVERIFY(!frmWorker_IsLoaded());
        QCOMPARE(ActiveForm(), static_cast<Form*>(&frmHub()));
        DoEvents();
        QCOMPARE(g_log.count("hub activate"), 1);
    }

    // The window left is deactivated before the window coming to the front
    // is activated, whichever way the front changes.
    void theOldWindowIsDeactivatedBeforeTheNewOneIsActivated() {
        g_wissel.clear();
        frmEerste().Show();
        frmTweede().Show();
        frmEerste().Show();
        Unload(frmEerste());
        // A window that unloads is not deactivated: it is gone.
        QCOMPARE(g_wissel, (QStringList{"frmEerste activate", "frmEerste deactivate", "frmTweede activate",
                                        "frmTweede deactivate", "frmEerste activate", "frmTweede activate"}));
        Unload(frmTweede());
        DoEvents();
    }

    void messageBoxClosingIsNoActivation() {
        testsupport::PromptScript prompts;
        prompts.answer(vbOK);
        frmHub().Show();
        g_log.clear();
        QCOMPARE(MsgBox("Klaar", vbInformation), int(vbOK));
        // The window system gives the window back after the box: no Activate.
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(frmHub().widget(), &activate);
        QVERIFY(g_log.isEmpty());
        QCOMPARE(prompts.last().title, ProgramTitle());
        QCOMPARE(prompts.last().icon(), int(vbInformation));
    }

    void disabledWindowCannotBeActivatedByTheUser() {
        frmHub().Show();
        frmHub().cmdOpen.Click();
        g_log.clear();
        QTest::qWait(1100);  // past the layer's own pending activation
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(frmHub().widget(), &activate);
        QVERIFY(g_log.isEmpty());
        QCOMPARE(ActiveForm(), static_cast<Form*>(&frmDialog()));
    }

    void disabledWindowTakesNoInputButKeepsItsLook() {
        HubForm& f = frmHub();
        int clicks = 0;
        f.cmdFocus.OnClick([&] { ++clicks; });
        f.Show();
        f.txtWaarde.SetFocus();
        f.SetEnabled(false);
        QTest::mouseClick(f.cmdFocus.widget(), Qt::LeftButton);
        QTest::keyClicks(f.txtWaarde.widget(), "abc");
        QCOMPARE(clicks, 0);
        QCOMPARE(f.txtWaarde.Text(), QString());
        QVERIFY(f.cmdFocus.widget()->isEnabled());  // not greyed
        f.widget()->close();  // its close box does nothing either
        QVERIFY(frmHub_IsLoaded());
        f.SetEnabled(true);
        QTest::mouseClick(f.cmdFocus.widget(), Qt::LeftButton);
        QCOMPARE(clicks, 1);
    }

    void userSwitchingBetweenEnabledWindowsActivates() {
        frmHub().Show();
        frmDialog().Show();  // the hub stays enabled
        g_log.clear();
        QTest::qWait(1100);
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(frmHub().widget(), &activate);
        QCOMPARE(g_log, QStringList{"hub activate"});
        QCOMPARE(FormsInZOrder().back(), static_cast<Form*>(&frmHub()));
    }

    void hidingTheActiveWindowActivatesTheOneBehind() {
        frmHub().Show();
        frmDialog().Show();
        g_log.clear();
        frmDialog().Hide();
        QCOMPARE(g_log, QStringList{"hub activate"});
        frmDialog().Show();
        QCOMPARE(g_log.last(), QString("dialog activate"));
        frmDialog().Show();  // already active
        QCOMPARE(g_log.count("dialog activate"), 1);
    }

    void sizesAreTwipsAndResizeRunsAtOnce() {
        HubForm& f = frmHub();
        f.Move(300, 450, 6000, 4500);
        const int before = f.resizes;
        f.SetWidth(7500);
        QCOMPARE(f.resizes, before + 1);
        QCOMPARE(f.Width(), 7500);
        QCOMPARE(f.ScaleWidth(), 7500 - 120);
        QCOMPARE(f.ScaleHeight(), 4500 - 405);
        f.SetWidth(7500);
        QCOMPARE(f.resizes, before + 1);
        f.Show();
        QCOMPARE(f.widget()->width(), (7500 - 120) / 15);
        f.SetWindowState(vbMaximized);
        QCOMPARE(f.Width(), Screen().Width());
        f.SetWindowState(vbNormal);
        QCOMPARE(f.Width(), 7500);
        QCOMPARE(Screen().Width(), 1920 * 15);
    }

    void controlsAreInTwips() {
        HubForm& f = frmHub();
        f.txtWaarde.Move(150, 300, 1500, 285);
        f.Show();
        QCOMPARE(f.txtWaarde.widget()->geometry(), QRect(10, 20, 100, 19));
        f.txtWaarde.SetLeft(f.txtWaarde.Left() + 300);
        QCOMPARE(f.txtWaarde.widget()->x(), 30);
    }

    void focusMovesWithLostAndGotFocus() {
        HubForm& f = frmHub();
        QStringList seen;
        f.txtWaarde.OnGotFocus([&] { seen << "txt got"; });
        f.txtWaarde.OnLostFocus([&] { seen << "txt lost"; });
        f.cmdFocus.OnGotFocus([&] { seen << "focus got"; });
        f.Show();
        f.txtWaarde.SetFocus();
        f.cmdFocus.SetFocus();
        QCOMPARE(seen, (QStringList{"txt got", "txt lost", "focus got"}));
        QVERIFY(f.cmdFocus.hasFocus());
        QVERIFY(!f.txtWaarde.hasFocus());
    }

    void unloadedInstanceLivesUntilHandlersReturn() {
        frmDialog().Show();
        DialogForm* old = &frmDialog();
        bool stillUsable = false;
        old->cmdTerug.OnClick([&] {
            Unload(*old);
            DoEvents();  // nested: the instance must survive this
            stillUsable = old->cmdTerug.Name() == "cmdTerug";
        });
        old->cmdTerug.Click();
        QVERIFY(stillUsable);
        QVERIFY(!frmDialog_IsLoaded());
    }

    void endIsObservableInTests() {
        int ended = 0;
        SetEndHandler([&] { ++ended; });
        End();
        SetEndHandler({});
        QCOMPARE(ended, 1);
    }

    void promptScriptAnswersInOrderAndRecords() {
        testsupport::PromptScript prompts;
        prompts.answer(vbNo).answerFile("/tmp/x.pdf").answerPrint(true, [](PrintDialogRequest& r) { r.copies = 3; });
        QCOMPARE(MsgBox("Wissen?", vbYesNo + vbQuestion + vbDefaultButton2, "Titel"), int(vbNo));
        QCOMPARE(GetSaveFileName("Opslaan", "/tmp", "x.pdf", "PDF (*.pdf)"), QString("/tmp/x.pdf"));
        PrintDialogRequest r;
        r.printers = QStringList{"PDF"};
        QVERIFY(PrintDialog(r));
        QCOMPARE(r.copies, 3);
        QCOMPARE(prompts.count(), 3);
        const auto& first = prompts.prompts().first();
        QCOMPARE(first.text, QString("Wissen?"));
        QCOMPARE(first.title, QString("Titel"));
        QCOMPARE(first.buttons(), int(vbYesNo));
        QCOMPARE(first.icon(), int(vbQuestion));
        QCOMPARE(first.defaultButton(), int(vbDefaultButton2));
        QCOMPARE(prompts.prompts()[1].proposedName, QString("x.pdf"));
    }

    void promptScriptFailsOnUnexpectedPrompt() {
        testsupport::PromptScript prompts;
        prompts.setReportToTest(false);
        QCOMPARE(MsgBox("Onverwacht", vbYesNo), int(vbNo));  // answered harmlessly, not hung
        QCOMPARE(prompts.failures().size(), 1);
        QVERIFY(prompts.failures().first().contains("Onverwacht"));
        prompts.answer(vbOK);
        QCOMPARE(GetOpenFileName("Open", "/tmp", "*.txt"), QString());  // wrong kind
        QCOMPARE(prompts.failures().size(), 2);
        prompts.discardRemaining();
    }

    void promptLanguageSetsButtonCaptions() {
        SetPromptLanguage(true);
        QCOMPARE(PromptButtonCaptions().no, QString("&No"));
        SetPromptLanguage(false);
        QCOMPARE(PromptButtonCaptions().yes, QString("&Ja"));
        QCOMPARE(PromptButtonCaptions().cancel, QString("Annuleren"));
    }
};

QTEST_MAIN(TestForms)
#include "test_forms.moc"
