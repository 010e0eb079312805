// The clipboard window: choosing a layout, pressing Start and reading the
// clipboard; the spinner, the options, closing, F7.

#include <QApplication>
#include <QClipboard>
#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "output/frmVeldom17.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Profile.h"
#include "platform/Screen.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

const QString Voorbeeld =
    "005~AH52~VB3~A84~H76~VT9~AH8~HB5~VB32~B876~T9765~32~AT~43~42~VT976~9854~"
    "Noord(17)~Oost(16)~Zuid(5)~West(2)";

QString Record(int nummer) {
    QString r = Voorbeeld;
    return r.replace(0, 3, QString::number(1000 + nummer).right(3));
}

void VulSet(int aantal) {
    frmVeldom01().lstSpellenSet1.Clear();
    frmVeldom01().lstDitSpel.Clear();
    if (aantal == 1) {
        frmVeldom01().lstSpellenSet1.AddItem(Voorbeeld);
        frmVeldom01().lstDitSpel.AddItem("1");
        return;
    }
    for (int k = 1; k <= aantal; ++k) frmVeldom01().lstSpellenSet1.AddItem(Record(k));
    for (int k = aantal; k >= 1; --k) frmVeldom01().lstDitSpel.AddItem(QString::number(k));
}

QString Klembord() { return QGuiApplication::clipboard()->text(); }

}  // namespace

class TestKlembordVenster : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;

    void Sluit() {
        if (frmVeldom17_IsLoaded()) Unload(frmVeldom17());
        if (frmVeldom01_IsLoaded()) Unload(frmVeldom01());
        DoEvents();
    }

private slots:
    void init() {
        home.Begin({.instellingen = true, .taal = 0});
        // The main window takes the ten setting from taal.ini when it loads.
        SchrijfIni("Tien", "Tien", "1", IniBestand);
        TaalNummer = 10;
        Tien = true;
        QGuiApplication::clipboard()->setText("vorige");
    }
    void cleanup() {
        Sluit();
        home.Einde();
    }

    void chooseLayoutPressStartReadClipboard() {
        VulSet(1);
        frmVeldom17().Show();
        frmVeldom17().optHoe[2].userSelected();
        QCOMPARE(PrintRichtingKlembord, 2);
        QCOMPARE(ReadProfileString(IniBestand, "Printer", "Print Richting Klembord"), QString("2"));
        QVERIFY(frmVeldom17().cmdStart2.Visible());
        QVERIFY(!frmVeldom17().cmdStart.Visible() && !frmVeldom17().cmdStart3.Visible());

        testsupport::PromptScript prompts;
        prompts.answer(vbOK);
        frmVeldom17().cmdStart2.Click();
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, QString("Spellen in het klembord"));
        QCOMPARE(prompts.last().title, QString("Print naar het Klembord"));
        QCOMPARE(prompts.last().icon(), int(vbInformation));
        const QString verwacht =
            "5\r\nGever: Noord\r\nKwetsbaar: Noord-Zuid\r\n\r\n"
            "Noord (17)\r\nS:AH52\r\nH:VB3\r\nR:A84\r\nK:H76\r\n\r\n"
            "Oost (16)\r\nS:VT9\r\nH:AH8\r\nR:HB5\r\nK:VB32\r\n\r\n"
            "Zuid (5)\r\nS:B876\r\nH:T9765\r\nR:32\r\nK:AT\r\n\r\n"
            "West (2)\r\nS:43\r\nH:42\r\nR:VT976\r\nK:9854\r\n\r\n" +
            QString(80, '-') + "\r\n\r\n";
        QCOMPARE(Klembord(), verwacht);
        // The preview shows the deal.
        QCOMPARE(frmVeldom17().lblSpelNummer2.Caption(), QString("5"));
        QCOMPARE(frmVeldom17().lblPunten2[1].Caption(), QString("(16)"));
        QCOMPARE(frmVeldom17().lblHand2[9].Caption(), QString("T9765"));
    }

    void layoutZeroFollowsTheOptionBoxes() {
        VulSet(2);
        frmVeldom17().Show();
        frmVeldom17().optHoe[0].userSelected();
        frmVeldom17().chkMeeAfdrukken.userToggled();
        QVERIFY(!frmVeldom17().lblPunten[0].Visible());
        QCOMPARE(frmVeldom17().lblPunten[0].Caption(), QString());
        testsupport::PromptScript prompts;
        prompts.answer(vbOK);
        frmVeldom17().cmdStart.Click();
        QStringList regels = Klembord().split("\r\n");
        QCOMPARE(regels[4], QString("Noord\t\tOost\t\tZuid\t\tWest\t\t"));
        QCOMPARE(regels[5], QString("S:AH52\t\tS:VT9\t\tS:B876\t\tS:43\t\t"));
        QCOMPARE(regels[12], QString("2"));
        QVERIFY(frmVeldom17().cmdStart.Enabled());
        QCOMPARE(frmVeldom17().KolomSoort, qint16(1));
        QCOMPARE(frmVeldom17().TabReeks, QString("\t\t"));

        // Unticking the letters moves each holding onto its letter's place.
        frmVeldom17().chkKleurAfdrukken.userToggled();
        QVERIFY(!frmVeldom17().lblKleur[5].Visible());
        QCOMPARE(frmVeldom17().lblHand[5].Left(), frmVeldom17().lblKleur[5].Left());
        // Choosing the layout again ticks both boxes again.
        frmVeldom17().optHoe[1].userSelected();
        frmVeldom17().optHoe[0].userSelected();
        QCOMPARE(frmVeldom17().chkKleurAfdrukken.Value(), int(vbChecked));
        QCOMPARE(frmVeldom17().chkMeeAfdrukken.Value(), int(vbChecked));
        QCOMPARE(frmVeldom17().lblHand[5].Left(),
                 frmVeldom17().lblKleur[5].Left() + frmVeldom17().lblKleur[5].Width() - 15);
        prompts.answer(vbOK);
        frmVeldom17().cmdStart.Click();
        regels = Klembord().split("\r\n");
        QCOMPARE(regels[4], QString("Noord(17)\tOost(16)\t\tZuid(5)\t\tWest(2)\t\t"));
    }

    void emptySetCopiesNothingAndSaysSo() {
        VulSet(0);
        frmVeldom01().lstSpellenSet1.AddItem("");
        frmVeldom17().Show();
        for (int k = 0; k < 4; ++k) {
            frmVeldom17().optHoe[k].userSelected();
            testsupport::PromptScript prompts;
            prompts.answer(vbOK);
            CommandButton& start = k < 2 ? frmVeldom17().cmdStart : k == 2 ? frmVeldom17().cmdStart2
                                                                             : frmVeldom17().cmdStart3;
            start.Click();
            QCOMPARE(prompts.count(), 1);
            QCOMPARE(prompts.last().text, TaalTekst(214));
            QVERIFY(prompts.last().text.contains("geen spellen"));
            QCOMPARE(Klembord(), QString("vorige"));
        }
    }

    void spinnerAndLayoutThree() {
        VulSet(5);
        frmVeldom17().Show();
        frmVeldom17Form& f = frmVeldom17();
        f.optHoe[3].userSelected();
        QVERIFY(f.vscrAantal.Enabled());
        QCOMPARE(f.lblAantal.Caption(), QString("4"));
        f.vscrAantal.SetValue(-1);  // up from "4" wraps to "1"
        QCOMPARE(f.lblAantal.Caption(), QString("1"));
        QCOMPARE(f.vscrAantal.Value(), 3);
        f.vscrAantal.SetValue(4);   // down from "1" wraps to "4"
        QCOMPARE(f.lblAantal.Caption(), QString("4"));
        f.vscrAantal.SetValue(2);
        QCOMPARE(f.lblAantal.Caption(), QString("2"));
        QVERIFY(f.lblSpelNummer3[1].Visible() && !f.lblSpelNummer3[2].Visible());
        QCOMPARE(f.lblSpelNummer3[1].Caption(), QString("2"));

        // Letters off stay off when the spinner moves.
        f.chkKleurAfdrukken3.userToggled();
        f.vscrAantal.SetValue(1);
        QCOMPARE(f.lblAantal.Caption(), QString("3"));
        QVERIFY(!f.lblKleur3[0].Visible());
        testsupport::PromptScript prompts;
        prompts.answer(vbOK);
        f.cmdStart3.Click();
        const QStringList regels = Klembord().split("\r\n");
        QCOMPARE(regels.size(), 2 * 22 + 1);
        QCOMPARE(regels[0], QString("1\t\t\t\t\t2\t\t\t\t\t3\t\t\t\t\t"));
        QCOMPARE(regels[5], QString("\tAH52\t\t\t\t\tAH52\t\t\t\t\tAH52"));
        QCOMPARE(f.lblSpelNummer3[1].Caption(), QString("5"));
        QCOMPARE(f.lblSpelNummer3[0].Caption(), QString("4"));
        // Choosing layout 3 again brings the spinner back to "4".
        f.optHoe[2].userSelected();
        f.optHoe[3].userSelected();
        QCOMPARE(f.lblAantal.Caption(), QString("4"));
        QVERIFY(f.lblSpelNummer3[3].Visible());
    }

    void backAndCloseEnableMainWindowAndStartAfresh() {
        // The main window's clipboard button disables it and opens the window.
        frmVeldom01().Show();
        VulSet(4);
        frmVeldom01().cmdKlembord.SetEnabled(true);
        frmVeldom01().cmdKlembord.Click();
        QVERIFY(!frmVeldom01().Enabled());
        QVERIFY(frmVeldom17_IsLoaded() && frmVeldom17().Visible());
        QCOMPARE(AanroepScherm, 0);
        frmVeldom17().vscrAantal.SetValue(2);
        frmVeldom17().cmdTerug.Click();
        DoEvents();
        QVERIFY(frmVeldom01().Enabled());
        QVERIFY(!frmVeldom17_IsLoaded());

        frmVeldom01().ShowOwned(frmVeldom17);
        QVERIFY(!frmVeldom01().Enabled());
        QCOMPARE(frmVeldom17().lstAantal.Items(), (QStringList{"4", "3", "2", "1"}));
        QCOMPARE(frmVeldom17().lblAantal.Caption(), QString("4"));
        frmVeldom17().widget()->close();
        DoEvents();
        QVERIFY(frmVeldom01().Enabled());
        QVERIFY(!frmVeldom17_IsLoaded());
    }

    void opensWithTheLastLayoutCentred() {
        SchrijfIni("Printer", "Print Richting Klembord", "1", IniBestand);
        LeesInstellingen();
        TaalNummer = 11;
        frmVeldom17Form& f = frmVeldom17();
        QVERIFY(f.optHoe[1].Value());
        QVERIFY(f.picAchtergrond[0].Visible() && !f.picAchtergrond[1].Visible());
        QCOMPARE(f.picAchtergrond[0].Left(), f.fraKLembord.Left() + f.fraKLembord.Width());
        QCOMPARE(f.Left(), (Screen().Width() - f.Width()) / 2);
        QCOMPARE(f.ScaleWidth(), 19620);
        QCOMPARE(f.Caption(), QString("Print to the clipboard"));
        QCOMPARE(f.lblKleur3[6].Caption(), QString("D:"));
        QCOMPARE(f.chkKleurAfdrukken2.Caption(), QString("Print S&HDC"));
        QCOMPARE(f.optHoe[0].Caption(), QString("&Noord, Oost, Zuid, West"));
        QCOMPARE(f.cmdFocus.Left(), Screen().Width() + 100);
    }

    void f7WithoutAnEditorSaysSoAndStaysOpen() {
        QTemporaryDir leeg;
        const QByteArray pad = qgetenv("PATH"), visual = qgetenv("VISUAL");
        qputenv("PATH", leeg.path().toLocal8Bit());
        qunsetenv("VISUAL");
        frmVeldom17().Show();
        testsupport::PromptScript prompts;
        prompts.answer(vbOK);
        frmVeldom17().chkMeeAfdrukken2.SetFocus();
        QTest::keyClick(frmVeldom17().chkMeeAfdrukken2.widget(), Qt::Key_F7, Qt::ShiftModifier);
        qputenv("PATH", pad);
        qputenv("VISUAL", visual);
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, TaalTekst(213).replace('|', '\n'));
        QVERIFY(prompts.last().text.contains("VISUAL"));
        QCOMPARE(prompts.last().icon(), int(vbExclamation));
        QVERIFY(frmVeldom17_IsLoaded());
        // Esc does not close the window either.
        QTest::keyClick(frmVeldom17().cmdStart2.widget(), Qt::Key_Escape);
        DoEvents();
        QVERIFY(frmVeldom17_IsLoaded());
    }
};

QTEST_MAIN(TestKlembordVenster)
#include "test_klembord_venster.moc"
