// The Save-as dialog with what its opener hands over: the opener's save runs
// on OK with the name typed, its answer keeps the dialog open or closes it,
// and the opener is disabled while the dialog is up, however it closes.
#include <QApplication>
#include <QtTest>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"
#include "support/PromptScript.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

class OpenerForm : public Form {
public:
    OpenerForm() : Form("frmOpener") {}
    CommandButton cmdFocus{this, "cmdFocus"};
};
DECLARE_FORM(frmOpener, OpenerForm)
DEFINE_FORM(frmOpener, OpenerForm)

}  // namespace

class TestBewaarDialoog : public QObject {
    Q_OBJECT

    testsupport::VensterThuis home;
    QStringList namen;  // the names the opener's save was given
    bool gelukt = true;

    void Open(int aanroeper) {
        AanroepScherm = aanroeper;
        frmOpener().Show();
        OpenBewaarDialoog(frmOpener(), [this](frmVeldom02Form& dialoog, const QString& naam) {
            namen << naam + "@" + dialoog.Name();
            return gelukt;
        });
    }
    void TikEnOK(const QString& naam) {
        frmVeldom02().txtBestandsNaam.SetText(naam);
        frmVeldom02().cmdOK.Click();
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() {
        home.Begin({.mailTxt = false});
        NieuweNaam.clear();
        namen.clear();
        gelukt = true;
    }
    void cleanup() { home.Einde(); }

    void aFailedSaveKeepsTheDialogAndTheOpenerWaiting() {
        Open(5);
        QVERIFY(!frmOpener().Enabled());
        QCOMPARE(frmVeldom02().Caption(), TaalTekst(25).remove('&') + " " + TaalTekst(60));
        gelukt = false;
        TikEnOK("  groep a ");
        QCOMPARE(namen, QStringList{"groep a@frmVeldom02"});
        QVERIFY(frmVeldom02_IsLoaded());
        QVERIFY(!frmOpener().Enabled());
        QCOMPARE(frmVeldom02().txtBestandsNaam.SelLength(), 7);
        gelukt = true;
        frmVeldom02().cmdOK.Click();
        QCOMPARE(namen.size(), 2);
        QVERIFY(!frmVeldom02_IsLoaded());
        QVERIFY(frmOpener().Enabled());
    }

    void aRefusedNameNeverReachesTheOpener() {
        testsupport::PromptScript prompts;
        Open(1);
        prompts.answer(vbOK);
        TikEnOK("a/b");
        QCOMPARE(prompts.count(), 1);
        QVERIFY(namen.isEmpty());
        QVERIFY(frmVeldom02_IsLoaded());
        QVERIFY(!frmOpener().Enabled());
    }

    void backEscAndTheCloseBoxSaveNothingAndGiveTheOpenerBack() {
        for (int manier = 0; manier < 3; ++manier) {
            NieuweNaam = "voorstel";
            Open(4);
            QCOMPARE(frmVeldom02().txtBestandsNaam.Text(), QString("voorstel"));
            if (manier == 0) {
                frmVeldom02().cmdTerug.Click();
            } else if (manier == 1) {
                int esc = vbKeyEscape;
                frmVeldom02().Form_KeyUp(esc, 0);
            } else {
                frmVeldom02().widget()->close();
            }
            DoEvents();
            QVERIFY2(!frmVeldom02_IsLoaded(), qPrintable(QString::number(manier)));
            QVERIFY(frmOpener().Enabled());
            QVERIFY(namen.isEmpty());
            // The names editor's proposal goes with the dialog.
            QVERIFY(NieuweNaam.isEmpty());
        }
    }

    void theComposerKeepsItsProposal() {
        NieuweNaam = "groep b";
        Open(5);
        frmVeldom02().cmdTerug.Click();
        QCOMPARE(NieuweNaam, QString("groep b"));
        QVERIFY(frmOpener().Enabled());
    }
};

QTEST_MAIN(TestBewaarDialoog)
#include "test_bewaardialoog.moc"
