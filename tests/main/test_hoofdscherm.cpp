// The main window offscreen: start-up, a whole run, the board display.
#include <QApplication>
#include <QtTest>

#include "main/frmVeldom01.h"
#include "main/SpelRecord.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"

using namespace platform;

class TestHoofdscherm : public QObject {
    Q_OBJECT
    int ended_ = 0;

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([this] { ++ended_; });
    }
    void cleanup() {
        if (frmVeldom01_IsLoaded()) Unload(frmVeldom01());
        DoEvents();
    }

    void startDealsOneRecordPerBoard() {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        frmVeldom01Form& f = frmVeldom01();
        f.Show();
        QCOMPARE(f.lblSpellen.Caption(), QString("24"));
        f.cmdStart.Click();
        QCOMPARE(f.lstSpellenSet1.ListCount(), 24);
        QCOMPARE(f.lstSpellenSet.ListCount(), 25);
        QCOMPARE(f.lblSpelnummer.Caption(), QString("1"));
        QCOMPARE(f.lblDitspel.Caption(), QString("1"));
        QVERIFY(f.lstSpellenSet1.List(0).startsWith("001~"));
        QVERIFY(f.lstSpellenSet1.List(23).startsWith("024~"));
        QVERIFY(f.cmdStart.Enabled());
        QVERIFY(f.Enabled());
        for (int i = 0; i < 16; ++i) QVERIFY(f.txtInvoer[i].Enabled());
    }
};

QTEST_MAIN(TestHoofdscherm)
#include "test_hoofdscherm.moc"
