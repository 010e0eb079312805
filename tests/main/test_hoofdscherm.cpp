// The main window offscreen: start-up, a whole run, the board display, and
// its keyboard with real key events: only an Esc pressed and released in
// the main window ends the program, whatever dialog an Esc closed before.
#include <QApplication>
#include <QFile>
#include <QWheelEvent>
#include <QtTest>

#include "deal/SpelBestand.h"
#include "deal/SpelRecord.h"
#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Paths.h"
#include "platform/Printer.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"
#include "shared/Ini.h"
#include "shared/Instellingen.h"
#include "support/MailTxtFixture.h"
#include "support/PrintTestSupport.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"

using namespace platform;

namespace {

QStringList TweeSpellen() {
    QStringList r{"Renonce: 1~Singelton: 2~Doubelton: 3~7 kaart: 4~8 Kaart: 5~9 Kaart: 6"};
    for (int b = 1; b <= 2; ++b) {
        QStringList f{QString::number(b + 1000).right(3)};
        for (int i = 0; i < 16; ++i) f << (i == 0 ? QString("AT%1").arg(b) : QString("-"));
        f << "Noord(10)" << "Oost(10)" << "Zuid(10)" << "West";
        r << f.join('~');
    }
    return r;
}

QString SetPad(const QString& naam) { return programPath("Spellen/" + naam + ".txt"); }

void BewaarSet(const QString& naam) {
    QString map = programFolder() + "/Spellen";
    MaakMappen(map);
    QVERIFY(spel::SchrijfSpelSet(SetPad(naam), TweeSpellen()));
}

QStringList Namen(const std::vector<Control*>& controls) {
    QStringList out;
    for (Control* c : controls) out << (c->Index() >= 0 ? QString("%1(%2)").arg(c->Name()).arg(c->Index()) : c->Name());
    return out;
}

}  // namespace

class TestHoofdscherm : public QObject {
    Q_OBJECT
    int ended_ = 0;

    // The main window with the program's real dialogs.
    frmVeldom01Form& OpenEcht() {
        SetPromptHandler(nullptr);
        frmVeldom01Form& f = frmVeldom01();
        f.Show();
        ended_ = 0;
        return f;
    }
    // The release of the Esc that closed a dialog lands on the main window,
    // where the focus rests: the program goes on. A new Esc ends it.
    void EscLosGeeftGeenEinde(frmVeldom01Form& f) {
        QVERIFY(frmVeldom01_IsLoaded());
        QVERIFY(f.Enabled());
        QTest::keyRelease(f.cmdFocus.widget(), Qt::Key_Escape);
        QCOMPARE(ended_, 0);
        QTest::keyClick(f.cmdFocus.widget(), Qt::Key_Escape);
        QCOMPARE(ended_, 1);
    }

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

    void deleteQuestionByKeyboard() {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        BewaarSet("a");
        frmVeldom01Form& f = OpenEcht();
        f.VulSpelBestanden();
        f.lstSpellen.SetListIndex(f.lstSpellen.Items().indexOf("a"));
        QVERIFY(f.cmdWissen.Enabled());
        // Enter in the question answers its default button, No: the file stays.
        {
            testsupport::PressInDialogs keys({Qt::Key_Return});
            f.cmdWissen.SetFocus();
            QTest::keyClick(f.cmdWissen.widget(), Qt::Key_Return);
            QCOMPARE(keys.remaining(), 0);
        }
        QVERIFY(QFile::exists(SetPad("a")));
        // Esc closes it too, and its release ends nothing.
        {
            testsupport::PressInDialogs keys({Qt::Key_Escape});
            QTest::keyPress(f.cmdWissen.widget(), Qt::Key_Return);
            QCOMPARE(keys.remaining(), 0);
        }
        QTest::keyRelease(f.cmdWissen.widget(), Qt::Key_Return);
        QVERIFY(QFile::exists(SetPad("a")));
        EscLosGeeftGeenEinde(f);
    }

    void overwriteQuestionByKeyboard() {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        BewaarSet("a");
        const QByteArray voor = [] {
            QFile b(SetPad("a"));
            return b.open(QIODevice::ReadOnly) ? b.readAll() : QByteArray();
        }();
        frmVeldom01Form& f = OpenEcht();
        f.cmdStart.Click();
        f.cmdOpslaan.Click();
        QVERIFY(frmVeldom02_IsLoaded());
        QWidget* naam = frmVeldom02().txtBestandsNaam.widget();
        QTest::keyClicks(naam, "a");
        // Enter saves; the overwrite question's default is No, so Enter
        // there keeps the file; the dialog stays, with the name selected.
        {
            testsupport::PressInDialogs keys({Qt::Key_Return});
            QTest::keyPress(naam, Qt::Key_Return);
            QCOMPARE(keys.remaining(), 0);
        }
        QVERIFY(frmVeldom02_IsLoaded());
        QTest::keyRelease(naam, Qt::Key_Return);
        QVERIFY(frmVeldom02_IsLoaded());
        QCOMPARE(frmVeldom02().txtBestandsNaam.SelLength(), 1);
        QFile na(SetPad("a"));
        QVERIFY(na.open(QIODevice::ReadOnly));
        QCOMPARE(na.readAll(), voor);
        // Again, closing the question with Esc: still nothing saved, and Esc
        // in the dialog then closes it.
        {
            testsupport::PressInDialogs keys({Qt::Key_Escape});
            QTest::keyClick(naam, Qt::Key_Return);
            QCOMPARE(keys.remaining(), 0);
        }
        QVERIFY(frmVeldom02_IsLoaded());
        QTest::keyClick(naam, Qt::Key_Escape);
        DoEvents();
        QVERIFY(!frmVeldom02_IsLoaded());
        QFile nogmaals(SetPad("a"));
        QVERIFY(nogmaals.open(QIODevice::ReadOnly));
        QCOMPARE(nogmaals.readAll(), voor);
        EscLosGeeftGeenEinde(f);
    }

    void messagesByKeyboard() {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        frmVeldom01Form& f = OpenEcht();
        // Alt+V: the information box opens on the release of V.
        {
            testsupport::PressInDialogs keys({Qt::Key_Escape});
            QTest::keyClick(f.cmdFocus.widget(), Qt::Key_V, Qt::AltModifier);
            QCOMPARE(keys.remaining(), 0);
        }
        QCOMPARE(ended_, 0);
        QTest::keyRelease(f.cmdFocus.widget(), Qt::Key_Escape);
        QCOMPARE(ended_, 0);
        // The right button on Start switches the shaking and says so.
        {
            testsupport::PressInDialogs keys({Qt::Key_Escape});
            QTest::mouseClick(f.cmdStart.widget(), Qt::RightButton);
            QCOMPARE(keys.remaining(), 0);
        }
        EscLosGeeftGeenEinde(f);
    }

    void printDialogAndPdfDialogByKeyboard() {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        testsupport::PreparePrintSettings("1");
        frmVeldom01Form& f = OpenEcht();
        testsupport::FillMainWindowSet(TweeSpellen().mid(1));
        // Esc in the print dialog cancels the job and the chain closes.
        {
            testsupport::PressInDialogs keys({Qt::Key_Escape});
            f.cmdAfdrukken.Click();
            QCOMPARE(keys.remaining(), 0);
        }
        testsupport::VerifyChainClosed();
        QTest::keyRelease(f.cmdFocus.widget(), Qt::Key_Escape);
        QCOMPARE(ended_, 0);
        // OK in the print dialog, then Esc in the PDF printer's save dialog.
        {
            testsupport::PressInDialogs keys({Qt::Key_Return, Qt::Key_Escape});
            f.cmdAfdrukken.Click();
            QCOMPARE(keys.remaining(), 0);
        }
        testsupport::VerifyChainClosed();
        QVERIFY(QDir(programFolder() + "/PDF").entryList({"*.pdf"}).isEmpty());
        EscLosGeeftGeenEinde(f);
    }

    // A quick click: the release comes while the run keeps the window from
    // taking input. The next start by keyboard deals all the same.
    void keyboardStartAfterAQuickClick() {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        testsupport::PromptScript geenVragen;
        frmVeldom01Form& f = frmVeldom01();
        f.Show();
        QWidget* knop = f.cmdStart.widget();
        const QPointF p = QRectF(knop->rect()).center();
        QCoreApplication::postEvent(knop, new QMouseEvent(QEvent::MouseButtonPress, p, knop->mapToGlobal(p),
                                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(knop, new QMouseEvent(QEvent::MouseButtonRelease, p, knop->mapToGlobal(p),
                                                          Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        DoEvents();
        DoEvents();
        QCOMPARE(f.AantalRuns(), 1);
        f.cmdStart.SetFocus();
        QTest::keyClick(knop, Qt::Key_Space);
        QCOMPARE(f.AantalRuns(), 2);
        QTest::keyClick(knop, Qt::Key_Return);
        QCOMPARE(f.AantalRuns(), 3);
        QTest::keyClick(f.cmdFocus.widget(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(f.AantalRuns(), 4);
        // A normal click deals once.
        QTest::mouseClick(knop, Qt::LeftButton);
        DoEvents();
        QCOMPARE(f.AantalRuns(), 5);
    }

    void wheelOverTheBoardCountChangesNothing() {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        testsupport::PromptScript geenVragen;
        frmVeldom01Form& f = frmVeldom01();
        f.Show();
        QWidget* w = f.vscrSpellen.widget();
        const QPointF p = QRectF(w->rect()).center();
        for (int delta : {120, -120, -480}) {
            QWheelEvent e(p, w->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(w, &e);
        }
        QCOMPARE(f.lblSpellen.Caption(), QString("24"));
        LeesIni("Standaard", "Spellen", IniBestand);
        QCOMPARE(IniWaarde, QString());
    }

    void holdingBoxesAreReadOnly() {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        testsupport::PromptScript geenVragen;
        frmVeldom01Form& f = frmVeldom01();
        f.Show();
        f.cmdStart.Click();
        const QString voor = f.txtInvoer[0].Text();
        for (int i = 0; i < 16; ++i) QVERIFY(f.txtInvoer[i].Locked());
        f.txtInvoer[0].SetFocus();
        QTest::keyClicks(f.txtInvoer[0].widget(), "xyz");
        QTest::keyClick(f.txtInvoer[0].widget(), Qt::Key_Backspace);
        QCOMPARE(f.txtInvoer[0].Text(), voor);
    }

    // Tab follows the layout; the focus button parked off screen is no stop.
    void tabOrderOfTheMainWindow() {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        testsupport::PromptScript geenVragen;
        frmVeldom01Form& f = frmVeldom01();
        f.Show();
        const QStringList voor = Namen(f.TabOrder());
        QVERIFY(!voor.contains("cmdFocus"));
        QCOMPARE(voor.mid(0, 4), (QStringList{"vscrSpellen", "vscrDitSpel", "cmdStart", "chkTien"}));
        QVERIFY(voor.indexOf("vscrMin") < voor.indexOf("vscrMax"));
        QVERIFY(voor.indexOf("vscrMax") < voor.indexOf("chkPuntenToepassen"));
        QVERIFY(voor.indexOf("cmdOpslaan") < voor.indexOf("cmdAfdrukken"));
        QVERIFY(voor.indexOf("cmdAfdrukken") < voor.indexOf("cmdKlembord"));
        QVERIFY(voor.indexOf("cmdKlembord") < voor.indexOf("cmdNamen"));
        QCOMPARE(voor.last(), QString("cmdAfsluiten"));
        // Walking with Tab from the focus button: the first usable control,
        // never the focus button.
        f.cmdFocus.SetFocus();
        QTest::keyClick(f.cmdFocus.widget(), Qt::Key_Tab);
        QCOMPARE(f.widget()->focusWidget(), f.vscrSpellen.widget());
        // Tab passes through the deal-set list and goes on after it, so
        // every button is reached.
        QStringList bereikt;
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(f.widget()->focusWidget(), Qt::Key_Tab);
            for (Control* c : f.TabOrder())
                if (c->existingWidget() && c->existingWidget() == f.widget()->focusWidget()) bereikt << c->Name();
        }
        QVERIFY(bereikt.contains("chkSorteer"));
        QVERIFY(bereikt.contains("cmdAfsluiten"));
        QVERIFY(bereikt.contains("chkPuntenToepassen"));
    }
};

QTEST_MAIN(TestHoofdscherm)
#include "test_hoofdscherm.moc"
