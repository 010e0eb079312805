// The Save-as dialog opened from the main window: saving a deal set, the
// overwrite question, refused names, a failing write, every way of closing,
// and the calendar one level deeper.
#include <QApplication>
#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/FileSizeLimit.h"
#include "platform/Form.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "saveas/frmVeldom02.h"
#include "saveas/frmVeldom03.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

QByteArray Inhoud(const QString& pad) {
    QFile f(pad);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

QByteArray AlsBestand(const QStringList& regels) { return (regels.join("\r\n") + "\r\n").toLatin1(); }

QString Vraag46(const QString& bestandsnaam) {
    return TaalTekst(46).replace('~', bestandsnaam).replace('|', '\n');
}

Form* Actief() { return ActiveForm(); }

}  // namespace

class TestSaveas : public QObject {
    Q_OBJECT

    testsupport::VensterThuis home;
    // The file image of the set dealt for the test.
    QStringList Set;

    // The main window with a dealt set (dealt once per test), then the
    // Save-as button.
    void OpenDialoog() {
        frmVeldom01().Show();
        if (Set.isEmpty()) {
            frmVeldom01().cmdStart.Click();
            Set = frmVeldom01().lstSpellenSet.Items();
            QCOMPARE(Set.size(), 25);
        }
        QVERIFY(frmVeldom01().cmdOpslaan.Enabled());
        frmVeldom01().cmdOpslaan.Click();
        QVERIFY(frmVeldom02_IsLoaded());
        QCOMPARE(AanroepScherm, 1);
        QVERIFY(!frmVeldom01().Enabled());
        QVERIFY(frmVeldom01().Visible());
        QCOMPARE(Actief(), static_cast<Form*>(&frmVeldom02()));
    }
    // After any way of closing: the dialog is gone and the main window is
    // enabled and active again (its activation reset the caller number).
    void NaamStaatGeselecteerd(const QString& naam) {
        DoEvents();
        QVERIFY(frmVeldom02_IsLoaded());
        frmVeldom02Form& d = frmVeldom02();
        QVERIFY(d.Visible());
        QCOMPARE(Actief(), static_cast<Form*>(&d));
        QCOMPARE(d.txtBestandsNaam.Text(), naam);
        QVERIFY(d.txtBestandsNaam.hasFocus());
        QCOMPARE(d.txtBestandsNaam.SelStart(), 0);
        QCOMPARE(d.txtBestandsNaam.SelLength(), int(naam.size()));
        QVERIFY(d.cmdOK.Enabled());
    }
    void HoofdschermTerug() {
        DoEvents();
        QVERIFY(!frmVeldom02_IsLoaded());
        QVERIFY(frmVeldom01().Enabled());
        QCOMPARE(Actief(), static_cast<Form*>(&frmVeldom01()));
        QCOMPARE(AanroepScherm, 0);
    }
    QString Bestand(const QString& naam) { return resolvePath(home->file("Spellen/" + naam + ".txt")); }
    void Schrijf(const QString& naam, const QByteArray& data) {
        QDir().mkpath(resolvePath(home->file("Spellen")));
        QFile f(Bestand(naam));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() {
        home.Begin({.taal = 0});
        Set.clear();
        TaalNummer = 10;
        NieuweNaam.clear();
        GekozenDatum.clear();
        AanroepScherm = 0;
        KalenderModus = 0;
    }
    void cleanup() {
        home.Einde();
    }

    void layoutAndCaptions() {
        OpenDialoog();
        frmVeldom02Form& d = frmVeldom02();
        QCOMPARE(d.Caption(), TaalTekst(38));
        QCOMPARE(d.lblBestandsNaam.Caption(), TaalTekst(39) + ": ");
        QCOMPARE(d.cmdKalender.Caption(), "&" + TaalTekst(40));
        QCOMPARE(d.txtBestandsNaam.Left(), d.lblBestandsNaam.Left() + d.lblBestandsNaam.Width() + 15);
        QCOMPARE(d.cmdKalender.Left(), d.txtBestandsNaam.Left() + d.txtBestandsNaam.Width() + 15);
        QCOMPARE(d.cmdKalender.Top(), d.txtBestandsNaam.Top() - 60);
        QCOMPARE(d.cmdOK.Left(), d.cmdKalender.Left());
        QCOMPARE(d.cmdOK.Top(), d.cmdKalender.Top() + d.cmdKalender.Height() + 60);
        QCOMPARE(d.cmdTerug.Left(), d.lblBestandsNaam.Left());
        QCOMPARE(d.cmdTerug.Top(), d.cmdOK.Top());
        // Everything fits inside the window.
        QVERIFY(d.cmdKalender.Left() + d.cmdKalender.Width() < d.ScaleWidth());
        QVERIFY(d.cmdOK.Top() + d.cmdOK.Height() < d.ScaleHeight());
        QVERIFY(!d.cmdOK.Enabled());
        d.txtBestandsNaam.SetText("  ");
        QVERIFY(!d.cmdOK.Enabled());
        d.txtBestandsNaam.SetText(" a ");
        QVERIFY(d.cmdOK.Enabled());
    }

    void savesTheDealtSetAndReloadsIt() {
        OpenDialoog();
        frmVeldom02().txtBestandsNaam.SetText("  Clubavond 12  ");
        frmVeldom02().cmdOK.Click();
        QCOMPARE(Inhoud(Bestand("Clubavond 12")), AlsBestand(Set));
        HoofdschermTerug();
        QVERIFY(NieuweNaam.isEmpty());
        // The main window lists it after its activation and loads it back.
        frmVeldom01Form& f = frmVeldom01();
        const int plek = int(f.lstSpellen.Items().indexOf("Clubavond 12"));
        QVERIFY(plek >= 0);
        f.cmdStart.Click();  // another set on screen
        QVERIFY(f.lstSpellenSet.Items() != Set);
        f.lstSpellen.SetListIndex(plek);
        QCOMPARE(f.lstSpellenSet.Items(), Set);
        QCOMPARE(f.lstSpellenSet1.Items(), Set.mid(1));
    }

    void boardNumberWithoutASetDoesNothing() {
        frmVeldom01Form& f = frmVeldom01();
        f.Show();
        f.lblSpelnummer.fireClick();
        QVERIFY(f.Enabled());
        QCOMPARE(Actief(), static_cast<Form*>(&f));
    }

    void videoWithoutTheWebsiteSaysSo() {
        frmVeldom01Form& f = frmVeldom01();
        f.Show();
        WebsiteBereikbaar = false;
        testsupport::PromptScript prompts;
        prompts.answer(vbOK);
        f.cmdVideo_Click();
        QCOMPARE(prompts.last().text, TaalTekst(82));
        QCOMPARE(prompts.last().icon(), int(vbInformation));
        QCOMPARE(prompts.last().title, f.Caption());
    }

    void enterSavesEscClosesWithoutSaving() {
        OpenDialoog();
        QWidget* box = frmVeldom02().txtBestandsNaam.widget();
        QTest::keyClicks(box, "ronde1");
        QCOMPARE(frmVeldom02().txtBestandsNaam.Text(), QString("ronde1"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(Inhoud(Bestand("ronde1")), AlsBestand(Set));
        HoofdschermTerug();

        OpenDialoog();
        box = frmVeldom02().txtBestandsNaam.widget();
        QTest::keyClicks(box, "ronde2");
        QTest::keyClick(box, Qt::Key_Escape);
        HoofdschermTerug();
        QVERIFY(!QFile::exists(Bestand("ronde2")));
    }

    void enterWithABlankNameDoesNothing() {
        OpenDialoog();
        QTest::keyClicks(frmVeldom02().txtBestandsNaam.widget(), "   ");
        QTest::keyClick(frmVeldom02().txtBestandsNaam.widget(), Qt::Key_Return);
        QVERIFY(frmVeldom02_IsLoaded());
        QVERIFY(!QDir(resolvePath(home->file("Spellen"))).exists() ||
                QDir(resolvePath(home->file("Spellen"))).entryList(QDir::Files).isEmpty());
    }

    void backAndCloseBoxGiveTheMainWindowBack() {
        OpenDialoog();
        frmVeldom02().txtBestandsNaam.SetText("niet bewaard");
        frmVeldom02().cmdTerug.Click();
        HoofdschermTerug();
        // Its size is kept for the next time.
        LeesIni("frmVeldom02", "State", SchermIniBestand());
        QVERIFY(!IniWaarde.isEmpty());
        OpenDialoog();
        frmVeldom02().widget()->close();
        HoofdschermTerug();
        QVERIFY(!QDir(resolvePath(home->file("Spellen"))).exists() ||
                QDir(resolvePath(home->file("Spellen"))).entryList(QDir::Files).isEmpty());
    }

    void overwriteNoKeepsTheFile() {
        Schrijf("avond", "oud\r\n");
        OpenDialoog();
        testsupport::PromptScript prompts;
        prompts.answer(vbNo);
        frmVeldom02().txtBestandsNaam.SetText("avond");
        frmVeldom02().cmdOK.Click();
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, Vraag46("avond.txt"));
        QCOMPARE(prompts.last().buttons(), int(vbYesNo));
        QCOMPARE(prompts.last().icon(), int(vbQuestion));
        QCOMPARE(prompts.last().defaultButton(), int(vbDefaultButton2));  // No
        QCOMPARE(prompts.last().title, TaalTekst(38));
        QCOMPARE(Inhoud(Bestand("avond")), QByteArray("oud\r\n"));
        // Nothing was saved: the dialog stays, with the name selected for
        // another one, and Back closes it.
        NaamStaatGeselecteerd("avond");
        frmVeldom02().cmdTerug.Click();
        HoofdschermTerug();
    }

    // Enter at the overwrite question of the real box answers No: the file
    // stays, and so does the dialog, with the name selected; typing a new
    // name replaces it and saves under that one.
    void enterAtTheOverwriteQuestionKeepsTheDialogOpen() {
        Schrijf("avond", "oud\r\n");
        OpenDialoog();
        QWidget* box = frmVeldom02().txtBestandsNaam.widget();
        QTest::keyClicks(box, "avond");
        {
            testsupport::PressInDialogs enter({Qt::Key_Return});
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(enter.remaining(), 0);
        }
        DoEvents();
        QCOMPARE(Inhoud(Bestand("avond")), QByteArray("oud\r\n"));
        NaamStaatGeselecteerd("avond");
        QTest::keyClicks(frmVeldom02().txtBestandsNaam.widget(), "ochtend");
        QTest::keyClick(frmVeldom02().txtBestandsNaam.widget(), Qt::Key_Return);
        HoofdschermTerug();
        QCOMPARE(Inhoud(Bestand("ochtend")), AlsBestand(Set));
        QCOMPARE(Inhoud(Bestand("avond")), QByteArray("oud\r\n"));
    }

    void overwriteYesReplacesTheFile() {
        Schrijf("avond", "oud\r\n");
        OpenDialoog();
        testsupport::PromptScript prompts;
        prompts.answer(vbYes);
        frmVeldom02().txtBestandsNaam.SetText("avond");
        frmVeldom02().cmdOK.Click();
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(Inhoud(Bestand("avond")), AlsBestand(Set));
        HoofdschermTerug();
    }

    void emptyFileIsOverwrittenWithoutAsking() {
        Schrijf("leeg", "");
        OpenDialoog();
        testsupport::PromptScript prompts;   // any question fails the test
        frmVeldom02().txtBestandsNaam.SetText("leeg");
        frmVeldom02().cmdOK.Click();
        QCOMPARE(Inhoud(Bestand("leeg")), AlsBestand(Set));
        HoofdschermTerug();
    }

    void typedRefusedCharacterIsDropped() {
        OpenDialoog();
        testsupport::PromptScript prompts;
        prompts.answer(vbOK).answer(vbOK);
        QTest::keyClicks(frmVeldom02().txtBestandsNaam.widget(), "a.b/c");
        QCOMPARE(frmVeldom02().txtBestandsNaam.Text(), QString("abc"));
        QCOMPARE(prompts.count(), 2);
        const QStringList velden = TaalTekst(85).split('|');
        QCOMPARE(prompts.last().text, velden.at(1) + "\n\n" + velden.at(3));
        QCOMPARE(prompts.last().icon(), int(vbInformation));
        QCOMPARE(prompts.last().title, TaalTekst(38));
    }

    void pastedBadNameIsRefusedOnOk_data() {
        QTest::addColumn<QString>("naam");
        QTest::newRow("parent folder") << "../taal";
        QTest::newRow("dots") << "..";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("extension") << "set.txt";
        QTest::newRow("control character") << "a\tb";
        QTest::newRow("bar") << "a|b";
    }
    void pastedBadNameIsRefusedOnOk() {
        QFETCH(QString, naam);
        OpenDialoog();
        testsupport::PromptScript prompts;
        prompts.answer(vbOK).answer(vbOK);
        // Text put in other than by typing passes the key filter.
        frmVeldom02().txtBestandsNaam.SetText(naam);
        frmVeldom02().cmdOK.Click();
        QCOMPARE(prompts.count(), 1);
        QVERIFY(prompts.last().text.startsWith(TaalTekst(85).split('|').at(1)));
        // The dialog stays open, OK can be pressed again, nothing is written.
        QVERIFY(frmVeldom02_IsLoaded());
        QVERIFY(frmVeldom02().cmdOK.Enabled());
        QVERIFY(!frmVeldom01().Enabled());
        QTest::keyClick(frmVeldom02().txtBestandsNaam.widget(), Qt::Key_Return);
        QCOMPARE(prompts.count(), 2);
        QCOMPARE(QDir(home->path()).entryList({"*.txt"}, QDir::Files | QDir::CaseSensitive).size(), 0);
        QVERIFY(!QDir(resolvePath(home->file("Spellen"))).exists() ||
                QDir(resolvePath(home->file("Spellen"))).entryList(QDir::Files).isEmpty());
        frmVeldom02().cmdTerug.Click();
        HoofdschermTerug();
    }

    void failingWriteKeepsTheDialogAndTheOldFile() {
        const QByteArray oud = "oude inhoud\r\n";
        Schrijf("vol", oud);
        OpenDialoog();
        testsupport::PromptScript prompts;
        prompts.answer(vbYes).answer(vbOK);
        frmVeldom02().txtBestandsNaam.SetText("vol");
        {
            testsupport::FileSizeLimit limiet(32);  // as a full disk
            frmVeldom02().cmdOK.Click();
        }
        QCOMPARE(prompts.count(), 2);
        QVERIFY(prompts.last().text.contains("vol.txt"));
        QCOMPARE(prompts.last().icon(), int(vbExclamation));
        QCOMPARE(Inhoud(Bestand("vol")), oud);
        // No temporary file is left behind.
        QCOMPARE(QDir(resolvePath(home->file("Spellen"))).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(frmVeldom02_IsLoaded());
        QVERIFY(frmVeldom02().cmdOK.Enabled());
        QVERIFY(!frmVeldom01().Enabled());
        // With room again the same press saves.
        prompts.answer(vbYes);
        frmVeldom02().cmdOK.Click();
        QCOMPARE(Inhoud(Bestand("vol")), AlsBestand(Set));
        HoofdschermTerug();
    }

    void proposedNameOfBlanksLeavesTheBoxEmpty() {
        NieuweNaam = "   ";
        OpenDialoog();
        QCOMPARE(frmVeldom02().txtBestandsNaam.Text(), QString());
        QVERIFY(!frmVeldom02().cmdOK.Enabled());
    }

    void calendarOkPutsTheDateIntoTheNameBox() {
        OpenDialoog();
        frmVeldom02().txtBestandsNaam.SetText("oud");
        frmVeldom02().cmdKalender.Click();
        QCOMPARE(KalenderModus, 2);
        QVERIFY(!frmVeldom02().Enabled());
        QVERIFY(frmVeldom02().Visible());
        QCOMPARE(Actief(), static_cast<Form*>(&frmVeldom03()));
        frmVeldom03().comJaar.SetText("2026");
        frmVeldom03().comMaand.SetListIndex(0);
        frmVeldom03().lblDatum[4].fireClick();  // January 2026 starts on a Thursday
        QCOMPARE(frmVeldom03().Dag(), 1);
        frmVeldom03().lblDatum[8].fireClick();
        frmVeldom03().cmdOK.Click();
        DoEvents();
        QVERIFY(!frmVeldom03_IsLoaded());
        QCOMPARE(GekozenDatum, QString("05-01-2026"));
        QCOMPARE(frmVeldom02().txtBestandsNaam.Text(), QString("05-01-2026"));
        QVERIFY(frmVeldom02().Enabled());
        QCOMPARE(Actief(), static_cast<Form*>(&frmVeldom02()));
        QCOMPARE(KalenderModus, 0);
        QVERIFY(!frmVeldom01().Enabled());
        // A date is a valid name.
        frmVeldom02().cmdOK.Click();
        QCOMPARE(Inhoud(Bestand("05-01-2026")), AlsBestand(Set));
        HoofdschermTerug();
    }

    void calendarBackLeavesTheNameBox() {
        OpenDialoog();
        frmVeldom02().txtBestandsNaam.SetText("oud");
        frmVeldom02().cmdKalender.Click();
        frmVeldom03().lblDatum[20].fireClick();
        QVERIFY(!GekozenDatum.isEmpty());
        frmVeldom03().cmdTerug.Click();
        DoEvents();
        QVERIFY(GekozenDatum.isEmpty());
        QCOMPARE(frmVeldom02().txtBestandsNaam.Text(), QString("oud"));
        QVERIFY(frmVeldom02().Enabled());
        QCOMPARE(Actief(), static_cast<Form*>(&frmVeldom02()));
        // Esc in the calendar, then Esc in the dialog.
        frmVeldom02().cmdKalender.Click();
        QTest::keyClick(frmVeldom03().widget(), Qt::Key_Escape);
        DoEvents();
        QVERIFY(!frmVeldom03_IsLoaded());
        QVERIFY(frmVeldom02_IsLoaded());
        frmVeldom02().widget()->close();
        HoofdschermTerug();
    }

    // The release of an Esc that closed the refused-character box, or that
    // was pressed before the calendar opened, closes neither window; an Esc
    // of their own does.
    void escOfAnotherWindowOrBoxClosesNothing() {
        OpenDialoog();
        QWidget* box = frmVeldom02().txtBestandsNaam.widget();
        {
            testsupport::PromptScript prompts;
            prompts.answer(vbOK);
            QTest::keyClick(box, Qt::Key_Period);
            QCOMPARE(prompts.count(), 1);
        }
        QTest::keyRelease(box, Qt::Key_Escape);
        QVERIFY(frmVeldom02_IsLoaded());
        QTest::keyPress(box, Qt::Key_Escape);
        frmVeldom02().cmdKalender.Click();
        QVERIFY(frmVeldom03_IsLoaded());
        QTest::keyRelease(frmVeldom03().widget(), Qt::Key_Escape);
        QVERIFY(frmVeldom03_IsLoaded());
        QTest::keyClick(frmVeldom03().widget(), Qt::Key_Escape);
        DoEvents();
        QVERIFY(!frmVeldom03_IsLoaded());
        QTest::keyClick(frmVeldom02().txtBestandsNaam.widget(), Qt::Key_Escape);
        HoofdschermTerug();
    }

    void englishCaptions() {
        SchrijfIni("Taal", "nummer", "11", home->file("taal.ini"));
        OpenDialoog();
        QCOMPARE(frmVeldom02().Caption(), QString("Save games"));
        QCOMPARE(frmVeldom02().cmdTerug.Caption(), QString("&Back"));
        frmVeldom02().cmdKalender.Click();
        frmVeldom03().cmdOK.Click();
        QVERIFY(QRegularExpression("^\\d{4}-\\d{2}-\\d{2}$").match(frmVeldom02().txtBestandsNaam.Text()).hasMatch());
    }
};

QTEST_MAIN(TestSaveas)
#include "test_saveas.moc"
