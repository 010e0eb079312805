// Windows opening owned windows: the opener is disabled while its child is
// up and given back when the child unloads, however it is closed.
#include <QApplication>
#include <QWindow>
#include <QtTest>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Events.h"
#include "platform/Form.h"

using namespace platform;

namespace {

QStringList g_log;

class ParentForm : public Form {
public:
    ParentForm() : Form("frmParent") {}
    void Form_Activate() override {
        g_log << QString("parent activate %1").arg(Enabled() ? "enabled" : "disabled");
        if (reopenOnActivate) {
            reopenOnActivate = false;
            openChild();
        }
    }
    void openChild();
    CommandButton cmdFocus{this, "cmdFocus"};
    bool reopenOnActivate = false;
};
DECLARE_FORM(frmParent, ParentForm)
DEFINE_FORM(frmParent, ParentForm)

class GrandchildForm;
GrandchildForm& frmGrandchild();

class ChildForm : public Form {
public:
    ChildForm() : Form("frmChild") {}
    void Form_Load() override {
        g_log << QString("child load, parent %1").arg(frmParent().Enabled() ? "enabled" : "disabled");
    }
    void Form_Activate() override { g_log << "child activate"; }
    void Form_QueryUnload(int& Cancel, int) override {
        g_log << QString("child queryunload, parent %1").arg(frmParent().Enabled() ? "enabled" : "disabled");
        Cancel = refuse ? 1 : 0;
    }
    void Form_Unload(int&) override {
        g_log << QString("child unload, parent %1").arg(frmParent().Enabled() ? "enabled" : "disabled");
    }
    void Form_KeyUp(int& KeyCode, int) override {
        if (KeyCode == vbKeyEscape) Unload(*this);
    }
    CommandButton cmdFocus{this, "cmdFocus"};
    bool refuse = false;
};
DECLARE_FORM(frmChild, ChildForm)
DEFINE_FORM(frmChild, ChildForm)

class GrandchildForm : public Form {
public:
    GrandchildForm() : Form("frmGrandchild") {}
    void Form_Activate() override { g_log << "grandchild activate"; }
};
DECLARE_FORM(frmGrandchild, GrandchildForm)
DEFINE_FORM(frmGrandchild, GrandchildForm)

// Gives up while loading, as a window with nothing to show does.
class QuitterForm : public Form {
public:
    QuitterForm() : Form("frmQuitter") {}
    void Form_Load() override { Unload(*this); }
};
DECLARE_FORM(frmQuitter, QuitterForm)
DEFINE_FORM(frmQuitter, QuitterForm)

int g_returns = 0;
void ParentForm::openChild() {
    cmdFocus.SetFocus();
    ShowOwned(frmChild, [] { ++g_returns; });
}

QIcon RedIcon() {
    QPixmap p(16, 16);
    p.fill(Qt::red);
    return QIcon(p);
}

}  // namespace

class TestFormsOwned : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetupApplication(*qApp); }
    void init() {
        g_log.clear();
        g_returns = 0;
        frmParent().Show();
        g_log.clear();
    }
    void cleanup() {
        if (frmGrandchild_IsLoaded()) Unload(frmGrandchild());
        if (frmChild_IsLoaded()) {
            frmChild().refuse = false;
            Unload(frmChild());
        }
        if (frmParent_IsLoaded()) Unload(frmParent());
        DoEvents();
    }

    void openerIsDisabledBeforeTheChildLoadsAndGivenBackBeforeItsUnload() {
        frmParent().SetIcon(RedIcon());
        frmParent().openChild();
        QVERIFY(!frmParent().Enabled());
        QVERIFY(frmChild().Visible());
        QCOMPARE(ActiveForm(), static_cast<Form*>(&frmChild()));
        QCOMPARE(frmChild().Owner(), static_cast<Form*>(&frmParent()));
        QCOMPARE(frmChild().Icon().cacheKey(), frmParent().Icon().cacheKey());
        QVERIFY(Unload(frmChild()));
        QVERIFY(frmParent().Enabled());
        QCOMPARE(g_returns, 1);
        QCOMPARE(ActiveForm(), static_cast<Form*>(&frmParent()));
        QCOMPARE(g_log, (QStringList{"child load, parent disabled", "child activate",
                                     "child queryunload, parent disabled", "child unload, parent enabled",
                                     "parent activate enabled"}));
        // The focus stays where the opener put it.
        QVERIFY(frmParent().cmdFocus.hasFocus());
    }

    void escAndTheCloseBoxGiveTheOpenerBackToo() {
        frmParent().openChild();
        int esc = vbKeyEscape;
        frmChild().Form_KeyUp(esc, 0);
        QVERIFY(!frmChild_IsLoaded());
        QVERIFY(frmParent().Enabled());

        frmParent().openChild();
        QVERIFY(!frmParent().Enabled());
        frmChild().widget()->close();
        DoEvents();
        QVERIFY(!frmChild_IsLoaded());
        QVERIFY(frmParent().Enabled());
        QCOMPARE(g_returns, 2);
    }

    void aRefusedUnloadKeepsTheOpenerDisabled() {
        frmParent().openChild();
        frmChild().refuse = true;
        QVERIFY(!Unload(frmChild()));
        QVERIFY(!frmParent().Enabled());
        QCOMPARE(g_returns, 0);
        frmChild().refuse = false;
        QVERIFY(Unload(frmChild()));
        QVERIFY(frmParent().Enabled());
        QCOMPARE(g_returns, 1);
    }

    void aChildOfAChildGivesBackOnlyItsOwnOpener() {
        frmParent().openChild();
        frmChild().ShowOwned(frmGrandchild);
        QVERIFY(!frmParent().Enabled());
        QVERIFY(!frmChild().Enabled());
        QCOMPARE(frmGrandchild().Owner(), static_cast<Form*>(&frmChild()));
        QVERIFY(Unload(frmGrandchild()));
        QVERIFY(frmChild().Enabled());
        QVERIFY(!frmParent().Enabled());
        QCOMPARE(ActiveForm(), static_cast<Form*>(&frmChild()));
        QVERIFY(Unload(frmChild()));
        QVERIFY(frmParent().Enabled());
        QCOMPARE(ActiveForm(), static_cast<Form*>(&frmParent()));
    }

    void theOpenerCanOpenItsChildAgainWhileBeingGivenBack() {
        // The opener's activation, run as the child goes, opens a new child:
        // that one is owned afresh and gives the opener back in its turn.
        frmParent().openChild();
        frmParent().reopenOnActivate = true;
        QVERIFY(Unload(frmChild()));
        QVERIFY(frmChild_IsLoaded());
        QVERIFY(frmChild().Visible());
        QVERIFY(!frmParent().Enabled());
        QCOMPARE(frmChild().Owner(), static_cast<Form*>(&frmParent()));
        QCOMPARE(g_returns, 1);
        DoEvents();  // the first child's instance goes now
        QVERIFY(Unload(frmChild()));
        QVERIFY(frmParent().Enabled());
        QCOMPARE(g_returns, 2);
    }

    void aChildWhoseOpenerWentGivesNothingBack() {
        frmParent().openChild();
        QVERIFY(Unload(frmParent()));
        QVERIFY(frmChild().Owner() == nullptr);
        QVERIFY(Unload(frmChild()));
        QCOMPARE(g_returns, 0);
        // A new instance of the opener knows nothing of the old child.
        QVERIFY(frmParent().Enabled());
    }

    void eachWindowNamesTheWindowItBelongsToForTheWindowSystem() {
        auto window = [](Form& f) { return f.widget()->windowHandle(); };
        QVERIFY(window(frmParent()));
        QCOMPARE(window(frmParent())->transientParent(), nullptr);  // shown while nothing was up
        frmParent().openChild();
        frmChild().ShowOwned(frmGrandchild);
        QCOMPARE(window(frmChild())->transientParent(), window(frmParent()));
        QCOMPARE(window(frmGrandchild())->transientParent(), window(frmChild()));
        QVERIFY(Unload(frmGrandchild()));
        QVERIFY(Unload(frmChild()));
        // Shown without an owner: it belongs to the window active then.
        frmChild().Show();
        QCOMPARE(window(frmChild())->transientParent(), window(frmParent()));
        // Brought to the front while up, a window keeps what it belongs to;
        // shown afresh, never to a window that belongs to it.
        frmParent().Show();
        frmChild().Show();
        QCOMPARE(window(frmParent())->transientParent(), nullptr);
        QCOMPARE(window(frmChild())->transientParent(), window(frmParent()));
        frmParent().Hide();
        frmParent().Show();
        QCOMPARE(window(frmParent())->transientParent(), nullptr);
    }

    void aChildThatGivesUpWhileLoadingLeavesTheOpenerEnabled() {
        bool returned = false;
        frmParent().ShowOwned(frmQuitter, [&] { returned = true; });
        QVERIFY(frmParent().Enabled());
        QVERIFY(returned);
        QCOMPARE(ActiveForm(), static_cast<Form*>(&frmParent()));
    }
};

QTEST_MAIN(TestFormsOwned)
#include "test_forms_owned.moc"
