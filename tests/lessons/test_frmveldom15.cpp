// The lessons window opened from the main window: a lesson made, boards
// placed, turned and renumbered, a slot previewed and cleared, the lesson
// exported and loaded as a deal set; and the sound behaviour around it
// (names, deleting, a clear in another lesson, unreadable files, the raise).
#include <QApplication>
#include <QtTest>
#include <memory>

#include "deal/SpelBestand.h"
#include "lessons/frmVeldom15.h"
#include "lessons/LesBestand.h"
#include "main/frmVeldom01.h"
#include "output/frmVeldom08.h"
#include "output/KlembordTekst.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/FileTestHelpers.h"
#include "platform/Form.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

QStringList Regels(const QString& pad) {
    return QString::fromLatin1(testsupport::ReadTestFile(pad)).split("\r\n", Qt::SkipEmptyParts);
}

}  // namespace

class TestFrmVeldom15 : public QObject {
    Q_OBJECT

    testsupport::VensterThuis home;

    // Deals a set in the main window, shows board `bord` and opens the
    // lessons window through the lessons button (made visible by Ctrl+Alt+S).
    frmVeldom15Form& Open(int bord = 1) {
        frmVeldom01Form& h = frmVeldom01();
        h.Show();
        if (h.lstSpellenSet1.ListCount() == 0) h.cmdStart.Click();
        h.vscrDitSpel.SetValue(h.lstDitSpel.ListCount() - bord);
        int toets = 83;
        if (!h.cmdLessen.Visible()) h.Form_KeyUp(toets, vbCtrlMask | vbAltMask);
        h.cmdLessen.Click();
        DoEvents();
        return frmVeldom15();
    }
    void Maak(frmVeldom15Form& f, const QString& naam, int aantal) {
        f.txtNieuweLes.SetText(naam);
        f.vscrSpellen.SetValue(48 - aantal);
        f.cmdOK.Click();
    }
    void Kies(frmVeldom15Form& f, const QString& naam) {
        const int i = f.lstLessen.Items().indexOf(naam);
        QVERIFY(i >= 0);
        f.lstLessen.SetListIndex(-1);
        f.lstLessen.SetListIndex(i);
    }
    void Draai(frmVeldom15Form& f, int optie) {
        if (!f.optDraai[optie].Value()) {
            f.optDraai_MouseDown(optie, 1, 0, 0, 0);
            f.optDraai_MouseUp(optie, 1, 0, 0, 0);
        }
        QVERIFY(f.cmdDraai.Enabled());
        f.cmdDraai.Click();
    }
    void Plaats(frmVeldom15Form& f, int kandidaat) {
        QVERIFY(f.lstEenVan.Enabled());
        f.lstEenVan.SetListIndex(kandidaat);
        QVERIFY(f.cmdPlaatsSpel.Enabled());
        f.cmdPlaatsSpel.Click();
    }
    QString LesPad(const QString& naam) { return les::LesPad(naam); }

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

    void lessonFromDealToExportedSet() {
        testsupport::PromptScript prompts;
        frmVeldom15Form& f = Open(1);
        frmVeldom01Form& h = frmVeldom01();
        QVERIFY(!h.Enabled());
        QCOMPARE(AanroepScherm, 1);
        QCOMPARE(f.Caption(), "Bewaar spel");
        QCOMPARE(f.BeginSpelNummer, 1);
        QCOMPARE(f.lblSpelnummer.Caption(), "1");
        QCOMPARE(f.lblGeverHoofd.Caption(), h.lblGever.Caption());
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(f.txtInvoer[i].Text(), " " + h.txtInvoer[i].Text());
            QVERIFY(f.txtInvoer[i].Locked());
        }
        QString deal[16];
        for (int i = 0; i < 16; ++i) deal[i] = f.txtInvoer[i].Text();

        // A lesson of 8 slots: listed, not opened.
        Maak(f, "Les8", 8);
        QCOMPARE(Regels(LesPad("Les8")), les::NieuweLes(8));
        QVERIFY(f.lstLessen.Items().contains("Les8"));
        QCOMPARE(f.lstSpellen.ListCount(), 0);
        QCOMPARE(f.txtNieuweLes.Text(), "");
        QVERIFY(!f.cmdOK.Enabled());

        Kies(f, "Les8");
        QCOMPARE(f.lstSpellen.ListCount(), 8);
        QCOMPARE(f.lstSpellen.List(0), "Spel 001?");
        QCOMPARE(f.lstEenVan.Items(), QStringList({"Spel 001", "Spel 005"}));
        QVERIFY(f.cmdWissen.Enabled() && f.cmdExporteer.Enabled() && f.fraDraaien.Enabled());

        // Board 1 into slot 1.
        f.lstEenVan.SetListIndex(0);
        QCOMPARE(f.cmdPlaatsSpel.Caption(), "&Plaats als Spel 001");
        f.cmdPlaatsSpel.Click();
        QCOMPARE(f.lstSpellen.List(0), "Spel 001+");
        QVERIFY(!f.lstEenVan.Enabled());
        QStringList file = Regels(LesPad("Les8"));
        QCOMPARE(file.size(), 9);
        QStringList velden = file.at(1).split('~');
        QCOMPARE(velden.size(), 21);
        QCOMPARE(velden.at(0), "001");
        for (int i = 0; i < 16; ++i) QCOMPARE(velden.at(i + 1), deal[i].trimmed().replace("10", "T"));
        QVERIFY(!file.at(0).contains('?'));
        QVERIFY(file.at(0).startsWith("Renonce: "));

        // Turned with the raise: board 2, dealer East, hands one seat on.
        Draai(f, 0);
        QCOMPARE(f.lblSpelnummer.Caption(), "2");
        QCOMPARE(f.lblWijzigSpelNummer.Caption(), "2");
        QCOMPARE(f.lblGeverHoofd.Caption(), "Gever: Oost");
        QCOMPARE(f.lblKwetsbaarHoofd.Caption(), "Kwetsbaar: Noord-Zuid");
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(f.txtInvoer[4 + k].Text(), deal[k]);
            QCOMPARE(f.txtInvoer[k].Text(), deal[12 + k]);
        }
        QCOMPARE(f.lstEenVan.Items(), QStringList({"Spel 002", "Spel 006"}));
        Plaats(f, 0);
        Draai(f, 0);
        QCOMPARE(f.lblSpelnummer.Caption(), "3");
        Plaats(f, 0);
        file = Regels(LesPad("Les8"));
        QCOMPARE(file.at(2).left(4), "002~");
        QCOMPARE(file.at(3).left(4), "003~");
        QVERIFY(les::IsVrij(file.at(4)));
        // Slot 3 holds the deal turned twice: North's cards sit with South.
        QCOMPARE(file.at(3).split('~').at(9), deal[0].trimmed().replace("10", "T"));

        // Preview of slot 2.
        f.lstSpellen.SetListIndex(1);
        QCOMPARE(f.lblSpel.Caption(), "2");
        QCOMPARE(f.lblGever.Caption(), "Gever: Oost");
        QCOMPARE(f.lblKwetsbaar.Caption(), "Kwetsbaar: NZ");
        QVERIFY(f.cmdWisSpel.Enabled());
        // A free slot leaves the preview as it was.
        f.lstSpellen.SetListIndex(5);
        QCOMPARE(f.lblSpel.Caption(), "2");

        // Export.
        prompts.answer(vbOK);
        f.cmdExporteer.Click();
        QCOMPARE(prompts.last().text, "Exporteer naar Drovik klaar");
        QVERIFY(!f.cmdExporteer.Enabled());
        const QString set = spel::SpelSetPad("Les8");
        QCOMPARE(testsupport::ReadTestFile(set), testsupport::ReadTestFile(LesPad("Les8")));
        // Again, with the set there: the question defaults to No, No keeps it.
        Kies(f, "Les8");
        testsupport::WriteTestFile(set, "oud\r\n");
        prompts.answer(vbNo);
        f.cmdExporteer.Click();
        QCOMPARE(prompts.last().text, "Het bestand Les8.txt bestaat al.\n\nHet bestand Les8.txt overschrijven?");
        QCOMPARE(prompts.last().defaultButton(), int(vbDefaultButton2));
        QCOMPARE(testsupport::ReadTestFile(set), QByteArray("oud\r\n"));
        QVERIFY(f.cmdExporteer.Enabled());
        prompts.answer(vbYes).answer(vbOK);
        f.cmdExporteer.Click();
        QCOMPARE(testsupport::ReadTestFile(set), testsupport::ReadTestFile(LesPad("Les8")));

        // Back in the main window, the export loads as a deal set.
        f.cmdTerug.Click();
        DoEvents();
        QVERIFY(!frmVeldom15_IsLoaded());
        QVERIFY(h.Enabled());
        QCOMPARE(AanroepScherm, 0);
        const int i = h.lstSpellen.Items().indexOf("Les8");
        QVERIFY(i >= 0);
        h.lstSpellen.SetListIndex(i);
        QCOMPARE(h.lstSpellenSet1.ListCount(), 8);
        QCOMPARE(h.lblSpelnummer.Caption(), "1");
        for (int k = 0; k < 16; ++k)
            QCOMPARE(h.txtInvoer[k].Text().replace("10", "T"), deal[k].trimmed().replace("10", "T"));
        // A free board shows empty.
        h.vscrDitSpel.SetValue(h.lstDitSpel.ListCount() - 6);
        QCOMPARE(h.lblSpelnummer.Caption(), "6");
        QCOMPARE(h.txtInvoer[0].Text(), "");
        // Copying skips the free boards; printing is refused with a message.
        QCOMPARE(klembord::BruikbareSpellen(h.lstSpellenSet1.Items(), klembord::Reeksen::Standaard()).size(), 3);
        prompts.answer(vbOK);
        h.cmdAfdrukken.Click();
        QVERIFY(prompts.last().text.startsWith("Deze set heeft nog lege spellen: 4, 5, 6, 7, 8."));
        QVERIFY(!frmVeldom08_IsLoaded());
        prompts.answer(vbOK);
        h.lblSpelnummer_Click();
        QVERIFY(h.Enabled());
    }

    void rotationAndRenumbering() {
        frmVeldom15Form& f = Open(4);
        QString deal[16];
        for (int i = 0; i < 16; ++i) deal[i] = f.txtInvoer[i].Text();
        const QString punten0 = f.lblPunten[0].Caption();
        // Hands only, four times: the deal comes back; numbers stay.
        Draai(f, 1);
        QCOMPARE(f.lblPunten[1].Caption(), punten0);
        QCOMPARE(f.lblSpelnummer.Caption(), "4");
        for (int n = 0; n < 3; ++n) f.cmdDraai.Click();
        for (int i = 0; i < 16; ++i) QCOMPARE(f.txtInvoer[i].Text(), deal[i]);
        QCOMPARE(f.lblPunten[0].Caption(), punten0);
        // The set option clicked again clears it.
        f.optDraai_MouseDown(1, 1, 0, 0, 0);
        f.optDraai_MouseUp(1, 1, 0, 0, 0);
        QVERIFY(!f.optDraai[1].Value());
        QVERIFY(!f.cmdDraai.Enabled());
        // Without an open lesson the frame is disabled: the mouse on its
        // options changes nothing.
        QVERIFY(!f.fraDraaien.Enabled());
        for (int optie : {0, 1, 1}) {
            QTest::mouseClick(f.optDraai[optie].widget(), Qt::LeftButton);
            DoEvents();
            QVERIFY(!f.optDraai[1].Value() && !f.optDraai[0].Value());
            QVERIFY(!f.cmdDraai.Enabled());
        }

        // Raise from board 4 in a 16-slot lesson.
        Maak(f, "Les16", 16);
        Kies(f, "Les16");
        // With the lesson open the options take the mouse themselves: a set
        // option clicked again is clear, and a press that slides off before
        // its release leaves the option as the press made it.
        QVERIFY(f.fraDraaien.Enabled());
        for (int optie : {0, 1}) {
            QTest::mouseClick(f.optDraai[optie].widget(), Qt::LeftButton);
            DoEvents();
            QVERIFY(f.optDraai[optie].Value() && !f.optDraai[1 - optie].Value() && f.cmdDraai.Enabled());
            QTest::mouseClick(f.optDraai[optie].widget(), Qt::LeftButton);
            DoEvents();
            QVERIFY(!f.optDraai[0].Value() && !f.optDraai[1].Value() && !f.cmdDraai.Enabled());
        }
        QTest::mousePress(f.optDraai[1].widget(), Qt::LeftButton);
        QVERIFY(f.optDraai[1].Value());
        QTest::mouseRelease(f.optDraai[1].widget(), Qt::LeftButton, {}, QPoint(-50, -50));
        DoEvents();
        QVERIFY(f.optDraai[1].Value() && f.cmdDraai.Enabled());
        QTest::mouseClick(f.optDraai[1].widget(), Qt::LeftButton);
        DoEvents();
        QVERIFY(!f.optDraai[1].Value() && !f.cmdDraai.Enabled());
        Draai(f, 0);
        QCOMPARE(f.lblSpelnummer.Caption(), "5");
        QCOMPARE(f.lblGeverHoofd.Caption(), "Gever: Noord");
        QCOMPARE(f.lblKwetsbaarHoofd.Caption(), "Kwetsbaar: Noord-Zuid");
        QCOMPARE(f.lstEenVan.Items(), QStringList({"Spel 001", "Spel 005", "Spel 009", "Spel 013"}));
        // The renumber spinner wraps at both ends, never touching the hands.
        QString gedraaid[16];
        for (int i = 0; i < 16; ++i) gedraaid[i] = f.txtInvoer[i].Text();
        f.vscrWijzigSpelNummer.SetValue(0);
        QCOMPARE(f.lblSpelnummer.Caption(), "16");
        f.vscrWijzigSpelNummer.SetValue(-1);
        QCOMPARE(f.lblSpelnummer.Caption(), "1");
        f.vscrWijzigSpelNummer.SetValue(16);
        QCOMPARE(f.lblSpelnummer.Caption(), "16");
        QCOMPARE(f.lblGeverHoofd.Caption(), "Gever: West");
        QCOMPARE(f.lblKwetsbaarHoofd.Caption(), "Kwetsbaar: Oost-West");
        // Raise from the highest slot wraps to 1.
        Draai(f, 0);
        QCOMPARE(f.lblSpelnummer.Caption(), "1");
        for (int k = 0; k < 4; ++k) QCOMPARE(f.txtInvoer[4 + k].Text(), gedraaid[k]);
    }

    void raiseMapsANumberThatIsNoSlot() {
        frmVeldom15Form& f = Open(10);
        QCOMPARE(f.BeginSpelNummer, 10);
        // No lesson open: the raise does nothing but the hands turn.
        Draai(f, 0);
        QCOMPARE(f.lblSpelnummer.Caption(), "10");
        Maak(f, "Vier", 4);
        Kies(f, "Vier");
        QVERIFY(f.optDraai[0].Enabled());
        // Board 10 (dealer East) is put on slot 2: the raise gives 3.
        f.cmdDraai.Click();
        QCOMPARE(f.lblSpelnummer.Caption(), "3");
        QCOMPARE(f.lblGeverHoofd.Caption(), "Gever: Zuid");
        // A lesson without a slot of that dealer: no raise.
        Maak(f, "Een", 1);
        Kies(f, "Een");
        QCOMPARE(f.lblSpelnummer.Caption(), "10");
        QVERIFY(!f.optDraai[0].Enabled());
        QVERIFY(!f.optDraai[0].Value());
    }

    void namesAreCheckedWhole() {
        testsupport::PromptScript prompts;
        frmVeldom15Form& f = Open();
        int punt = '.';
        prompts.answer(vbOK);
        f.txtNieuweLes_KeyPress(punt);
        QCOMPARE(punt, 0);
        QVERIFY(prompts.last().text.startsWith("Deze tekens zijn niet toegestaan."));
        int pijp = '|';
        prompts.answer(vbOK);
        f.txtNieuweLes_KeyPress(pijp);
        QCOMPARE(pijp, 0);
        // Pasted names are checked on OK.
        for (const QString naam : {"a.b", "../x", "a/b", ".."}) {
            prompts.answer(vbOK);
            f.txtNieuweLes.SetText(naam);
            f.cmdOK.Click();
            QVERIFY(prompts.last().text.startsWith("Deze tekens zijn niet toegestaan."));
        }
        QVERIFY(QDir(resolvePath(home->file("bewaar"))).entryList(QDir::Files).isEmpty());
        // Enter in a blank box does nothing; with a name it creates.
        f.txtNieuweLes.SetText("  ");
        int enter = 13;
        f.txtNieuweLes_KeyPress(enter);
        QCOMPARE(enter, 0);
        QVERIFY(!f.cmdOK.Enabled());
        f.txtNieuweLes.SetText(" Les1 ");
        enter = 13;
        f.txtNieuweLes_KeyPress(enter);
        QCOMPARE(Regels(LesPad("Les1")).size(), 25);
        // Again: the question, No keeps the file.
        testsupport::WriteTestFile(LesPad("Les1"), "blijft\r\n");
        f.txtNieuweLes.SetText("Les1");
        prompts.answer(vbNo);
        f.cmdOK.Click();
        QCOMPARE(prompts.last().text, "Het bestand Les1.txt bestaat al.\n\nHet bestand Les1.txt overschrijven?");
        QCOMPARE(testsupport::ReadTestFile(LesPad("Les1")), QByteArray("blijft\r\n"));
        QCOMPARE(f.txtNieuweLes.Text(), "Les1");
    }

    void deletingAndClearingStayWithTheOpenLesson() {
        testsupport::PromptScript prompts;
        frmVeldom15Form& f = Open(1);
        QVERIFY(!f.cmdWissen.Enabled());
        Maak(f, "A", 8);
        Maak(f, "B", 8);
        QVERIFY(!f.cmdWissen.Enabled());
        Kies(f, "A");
        Plaats(f, 0);
        f.lstSpellen.SetListIndex(0);
        QVERIFY(f.cmdWisSpel.Enabled());
        // Another lesson opened: the slot previewed in A is forgotten.
        Kies(f, "B");
        QVERIFY(!f.cmdWisSpel.Enabled());
        QCOMPARE(f.cmdWisSpel.Tag(), "");
        QCOMPARE(f.lblSpel.Caption(), "");
        const QByteArray b = testsupport::ReadTestFile(LesPad("B"));
        f.cmdWisSpel_Click();
        QCOMPARE(testsupport::ReadTestFile(LesPad("B")), b);
        QVERIFY(!les::IsVrij(Regels(LesPad("A")).at(1)));

        // Clearing the previewed slot of the open lesson.
        Kies(f, "A");
        f.lstSpellen.SetListIndex(0);
        f.cmdWisSpel.Click();
        QCOMPARE(Regels(LesPad("A")).at(1), "001" + QString(20, '~'));
        QCOMPARE(f.lstSpellen.List(0), "Spel 001?");
        QCOMPARE(f.lblSpel.Caption(), "");
        QVERIFY(!f.cmdWisSpel.Enabled());
        QCOMPARE(f.lstEenVan.Items(), QStringList({"Spel 001", "Spel 005"}));

        // Making a lesson keeps A open and selected.
        Maak(f, "C", 4);
        QCOMPARE(f.lstLessen.Text(), "A");
        QCOMPARE(f.lstSpellen.ListCount(), 8);
        // Deleting the open lesson closes it.
        f.lstSpellen.SetListIndex(0);
        prompts.answer(vbYes);
        f.cmdWissen.Click();
        QCOMPARE(prompts.last().text, "Het bestand A.txt wissen.\n\nZeker weten?");
        QVERIFY(!QFile::exists(LesPad("A")));
        QCOMPARE(f.lstSpellen.ListCount(), 0);
        QCOMPARE(f.lstEenVan.ListCount(), 0);
        QVERIFY(!f.cmdExporteer.Enabled() && !f.fraDraaien.Enabled() && !f.cmdWisSpel.Enabled());
        QVERIFY(!f.cmdWissen.Enabled());
        QCOMPARE(f.lstLessen.ListIndex(), -1);
        // Deleting another lesson leaves the open one as it is.
        Kies(f, "B");
        const int c = f.lstLessen.Items().indexOf("C");
        f.lstLessen.SetListIndex(c);  // C opened, then B again
        Kies(f, "B");
        QCOMPARE(f.lstSpellen.ListCount(), 8);
    }

    void unreadableLessonGivesAMessage() {
        testsupport::PromptScript prompts;
        frmVeldom15Form& f = Open();
        Maak(f, "Goed", 4);
        testsupport::WriteTestFile(LesPad("Kapot"), "geen les\r\n");
        testsupport::WriteTestFile(LesPad("Leeg"), "");
        f.VulLessen();
        Kies(f, "Goed");
        for (const char* naam : {"Kapot", "Leeg"}) {
            prompts.answer(vbOK);
            Kies(f, naam);
            QVERIFY(prompts.last().text.contains(QString(naam) + ".txt"));
            QVERIFY(prompts.last().text.endsWith("De open les blijft zoals ze was."));
            // Goed stays open and selected.
            QCOMPARE(f.lstLessen.Text(), "Goed");
            QCOMPARE(f.lstSpellen.ListCount(), 4);
        }
        // A lesson whose file went away: the message, nothing else.
        QFile::remove(LesPad("Goed"));
        prompts.answer(vbOK);
        Kies(f, "Goed");
        QVERIFY(prompts.last().text.contains("Goed.txt"));
        // The export of the vanished lesson says so too, and writes nothing.
        prompts.answer(vbOK);
        f.cmdExporteer.Click();
        QVERIFY(!QFile::exists(spel::SpelSetPad("Goed")));
    }

    // A slot count that cannot be stored is told and not taken.
    void slotCountThatCannotBeStoredIsNotTaken() {
        frmVeldom15Form& f = Open();
        QCOMPARE(f.lblSpellen.Caption(), "24");
        testsupport::OverfillSettingsFile(IniBestand);
        const QByteArray voor = testsupport::ReadTestFile(IniBestand);
        testsupport::PromptScript prompts;
        prompts.answer(vbOK);
        {
            testsupport::FileSizeLimit limit(2048);
            f.vscrSpellen.userChanged(f.vscrSpellen.Value() + 1);
        }
        QCOMPARE(prompts.count(), 1);
        QVERIFY2(prompts.last().text.contains("taal.ini"), qPrintable(prompts.last().text));
        QCOMPARE(f.lblSpellen.Caption(), "24");
        QCOMPARE(f.lstSpelNummers.List(f.vscrSpellen.Value()), "24");
        QCOMPARE(testsupport::ReadTestFile(IniBestand), voor);
    }

    void tenBoxSlotCountAndEscape() {
        frmVeldom15Form& f = Open();
        const QString main0 = frmVeldom01().txtInvoer[0].Text();
        // Slot count: default 24, wraps and is stored.
        QCOMPARE(f.lblSpellen.Caption(), "24");
        f.vscrSpellen.SetValue(-1);
        QCOMPARE(f.lblSpellen.Caption(), "1");
        f.vscrSpellen.SetValue(48);
        QCOMPARE(f.lblSpellen.Caption(), "48");
        LeesIni("Standaard", "Bewaar Spellen", IniBestand);
        QCOMPARE(IniWaarde, "48");
        // The ten box converts the holdings and writes the key.
        f.chkTien.SetValue(f.chkTien.Value() ? 0 : 1);
        LeesIni("Tien", "Tien", IniBestand);
        QCOMPARE(IniWaarde, QString::number(f.chkTien.Value()));
        for (int i = 0; i < 16; ++i) QVERIFY(!f.txtInvoer[i].Text().contains(f.chkTien.Value() ? "10" : "T"));
        Q_UNUSED(main0);
        // Esc closes as Back does.
        int esc = vbKeyEscape;
        f.Form_KeyUp(esc, 0);
        DoEvents();
        QVERIFY(!frmVeldom15_IsLoaded());
        QVERIFY(frmVeldom01().Enabled());
    }
};

QTEST_MAIN(TestFrmVeldom15)
#include "test_frmveldom15.moc"
