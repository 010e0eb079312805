// The adjusted-score window opened from the results entry: percentages and
// their matchpoints in the chosen row, the keys of its boxes, closing by
// every road; both percentages required, a filled row replaced only after
// a question, and the board saved at once.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Prompt.h"
#include "results/ContractNotatie.h"
#include "results/frmVeldom11.h"
#include "results/frmVeldom13.h"
#include "results/StartWedstrijd11.h"
#include "results/WedstrijdBestanden.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

class TestFrmVeldom13 : public QObject {
    Q_OBJECT

    testsupport::VensterThuis home;

    // A started match of `paren` pairs with board 1 open.
    frmVeldom11Form& Wedstrijd(int paren) {
        frmVeldom11Form& f = StartWedstrijdW(*home, paren);
        f.cmdSpel_Click(1);
        return f;
    }
    frmVeldom13Form& OpenArbitraal(frmVeldom11Form& f) {
        f.cmdArbitrale.Click();
        DoEvents();
        return frmVeldom13();
    }
    void Tik(TextBox& t, const QString& s) { QTest::keyClicks(t.widget(), s); }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() {
        home.Begin();
        AanroepScherm = 0;
    }
    void cleanup() {
        home.Einde();
    }

    void storesPercentagesAndMatchpointsInTheRow() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(10);  // 5 tables, top 8
        QTest::keyClicks(f.txtContract.widget(), "pp");
        QCOMPARE(f.cmdArbitrale.Tag(), QStringLiteral("2"));
        frmVeldom13Form& a = OpenArbitraal(f);
        QVERIFY(!f.Enabled());
        QCOMPARE(a.Caption(), TaalTekst(140));
        QCOMPARE(a.lblNZ.Caption(), TaalTekst(8) + ": ");
        // Only digits, two at most.
        Tik(a.txtNZ, "6.x05");
        QCOMPARE(a.txtNZ.Text(), QStringLiteral("60"));
        // Enter with the other box empty moves there.
        QTest::keyClick(a.txtNZ.widget(), Qt::Key_Return);
        QVERIFY(a.txtOW.hasFocus());
        Tik(a.txtOW, "40");
        QTest::keyClick(a.txtOW.widget(), Qt::Key_Return);
        DoEvents();
        QVERIFY(!frmVeldom13_IsLoaded());
        QVERIFY(f.Enabled());
        QCOMPARE(f.lblContractNZ[2].Caption(), QStringLiteral("60.00%"));
        QCOMPARE(f.lblContractOW[2].Caption(), QStringLiteral("40.00%"));
        QCOMPARE(f.lblMPNZ[2].Caption(), QStringLiteral("4.8"));
        QCOMPARE(f.lblMPOW[2].Caption(), QStringLiteral("3.2"));
        // Saved at once, and the prompt moved on to the first free row.
        std::vector<uitslag::SpelRij> rijen;
        QVERIFY(uitslag::LeesSpelUitslag("W", 1, uitslag::NotatieAlfabet(), rijen).Gelukt());
        QCOMPARE(rijen[2].contractNZ, QStringLiteral("60.00%"));
        QVERIFY(f.lblContract.Caption().contains("7 - 8"));
        QCOMPARE(f.cmdArbitrale.Tag(), QStringLiteral("3"));
        QVERIFY(f.timAllesKlaar.Enabled());
        // Small values: 5% of top 8 is .4.
        frmVeldom13Form& b = OpenArbitraal(f);
        Tik(b.txtNZ, "5");
        Tik(b.txtOW, "95");
        b.cmdOK.Click();
        QCOMPARE(f.lblMPNZ[3].Caption(), QStringLiteral(".4"));
        // The last table typed: the board is matchpointed.
        QTest::keyClicks(f.txtContract.widget(), "p");
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char('1'));
        QCOMPARE(prompts.count(), 0);
    }

    void bothPercentagesAreNeededAndAFilledRowIsReplacedOnlyAfterAsking() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(14);  // 7 tables, top 12
        QTest::keyClicks(f.txtContract.widget(), "4scz");
        frmVeldom13Form& a = OpenArbitraal(f);
        Tik(a.txtNZ, "55");
        prompts.answer(vbOK);
        a.cmdOK.Click();
        QCOMPARE(prompts.last().text, TaalTekst(305));
        QVERIFY(frmVeldom13_IsLoaded());
        QVERIFY(a.txtOW.hasFocus());
        QCOMPARE(f.lblContractNZ[1].Caption(), QString());
        Tik(a.txtOW, "45");
        // The row the entry window names is filled meanwhile: ask first.
        f.cmdArbitrale.SetTag("0");
        prompts.answer(vbNo);
        a.cmdOK.Click();
        QCOMPARE(prompts.last().text, TaalTekst(306).replace('~', "1 - 2").replace('|', '\n'));
        QVERIFY(frmVeldom13_IsLoaded());
        QCOMPARE(f.lblContractNZ[0].Caption(), QStringLiteral("4SC"));
        prompts.answer(vbYes);
        a.cmdOK.Click();
        QVERIFY(!frmVeldom13_IsLoaded());
        QCOMPARE(f.lblContractNZ[0].Caption(), QStringLiteral("55.00%"));
        QCOMPARE(f.lblScoreNZ[0].Caption(), QString());
        QCOMPARE(f.lblMPNZ[0].Caption(), QStringLiteral("6.6"));
        QCOMPARE(prompts.count(), 3);
    }

    void closingByEscOrBackStoresNothing() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(4);
        frmVeldom13Form& a = OpenArbitraal(f);
        Tik(a.txtNZ, "50");
        Tik(a.txtOW, "50");
        int esc = vbKeyEscape;
        a.Form_KeyUp(esc, 0);
        DoEvents();
        QVERIFY(!frmVeldom13_IsLoaded());
        QVERIFY(f.Enabled());
        QVERIFY(f.timAllesKlaar.Enabled());
        QCOMPARE(f.lblContractNZ[0].Caption(), QString());
        frmVeldom13Form& b = OpenArbitraal(f);
        b.cmdTerug.Click();
        QVERIFY(f.Enabled());
        QCOMPARE(f.lblContractNZ[0].Caption(), QString());
        QCOMPARE(prompts.count(), 0);
    }

    void withoutAFreeRowNothingIsWritten() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(4);
        QTest::keyClicks(f.txtContract.widget(), "pp");
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char('1'));
        f.cmdArbitrale.SetTag("");
        // Opened as the adjusted-score button opens it, past its checks.
        f.ShowOwned(frmVeldom13, [&f] { f.StartAllesKlaar(); });
        QVERIFY(!f.Enabled());
        Tik(frmVeldom13().txtNZ, "60");
        Tik(frmVeldom13().txtOW, "40");
        frmVeldom13().cmdOK.Click();
        QVERIFY(!frmVeldom13_IsLoaded());
        QCOMPARE(f.cmdArbitrale.Tag(), QStringLiteral("-1"));
        QCOMPARE(f.lblContractNZ[0].Caption(), QStringLiteral("P"));
        QCOMPARE(f.lblContractNZ[1].Caption(), QStringLiteral("P"));
        QVERIFY(f.Enabled());
    }

    // The keys let only digits in; a paste through the box's context menu
    // may bring anything, and only a whole percentage is stored.
    void pastedTextIsStoredOnlyAsAWholePercentage() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(10);
        frmVeldom13Form& a = OpenArbitraal(f);
        auto plak = [](TextBox& t, const QString& tekst) {
            auto* e = qobject_cast<QLineEdit*>(t.widget());
            QVERIFY(e);
            e->selectAll();
            QApplication::clipboard()->setText(tekst);
            e->paste();
        };
        Tik(a.txtOW, "40");
        for (const QString& fout : {QStringLiteral("-5"), QStringLiteral("x"), QStringLiteral("x5"),
                                    QStringLiteral("5."), QString(QChar(0x0665))}) {
            plak(a.txtNZ, fout);
            QCOMPARE(a.txtNZ.Text(), fout);
            prompts.answer(vbOK);
            a.cmdOK.Click();
            QVERIFY2(frmVeldom13_IsLoaded(), qPrintable(fout));
            QCOMPARE(prompts.last().text, TaalTekst(239));
            QCOMPARE(f.lblContractNZ[0].Caption(), QString());
            QVERIFY(a.cmdOK.Enabled());
        }
        plak(a.txtNZ, "7");
        a.cmdOK.Click();
        QVERIFY(!frmVeldom13_IsLoaded());
        QCOMPARE(f.lblContractNZ[0].Caption(), QStringLiteral("7.00%"));
        QCOMPARE(f.lblContractOW[0].Caption(), QStringLiteral("40.00%"));
        QCOMPARE(prompts.count(), 5);
    }
};

QTEST_MAIN(TestFrmVeldom13)
#include "test_frmveldom13.moc"
