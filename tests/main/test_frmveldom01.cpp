// The main window offscreen: start-up, a generator run, the board display,
// the spinners and the deal set list.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

#include "deal/GeverKwetsbaar.h"
#include "deal/SpelBestand.h"
#include "main/frmVeldom01.h"
#include "main/Opstart.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/FileTestHelpers.h"
#include "platform/Paths.h"
#include "platform/PdfPrinter.h"
#include "platform/Screen.h"
#include "shared/BasVeldom.h"
#include "shared/Instellingen.h"
#include "shared/PdfMap.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

QString Kop() { return "Renonce: 1~Singelton: 2~Doubelton: 3~7 kaart: 4~8 Kaart: 5~9 Kaart: 6"; }

QStringList SetRegels(int n) {
    QStringList r{Kop()};
    for (int b = 1; b <= n; ++b) {
        QStringList f{QString::number(b + 1000).right(3)};
        for (int i = 0; i < 16; ++i) f << (i == 0 ? QString("AT%1").arg(b) : QString("-"));
        f << "Noord(10)" << "Oost(10)" << "Zuid(10)" << "West";
        r << f.join('~');
    }
    return r;
}

}  // namespace

class TestFrmVeldom01 : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;
    // Any prompt a test does not expect fails it instead of waiting.
    std::unique_ptr<testsupport::PromptScript> geenVragen;
    int ends = 0;

    void Ini(const QString& sectie, const QString& sleutel, const QString& waarde) {
        SchrijfIni(sectie, sleutel, waarde, home->file("taal.ini"));
    }
    QString IniLees(const QString& sectie, const QString& sleutel) {
        LeesIni(sectie, sleutel, home->file("taal.ini"));
        return IniWaarde;
    }
    frmVeldom01Form& Open() {
        frmVeldom01().Show();
        return frmVeldom01();
    }
    // Files go where the program looks: the deal set folder, whatever its case.
    static QString Pad(const QString& naam) { return programPath("Spellen/" + naam + ".txt"); }
    void Bewaar(const QString& naam, const QStringList& regels) {
        QString map = programFolder() + "/Spellen";
        MaakMappen(map);
        QVERIFY(spel::SchrijfSpelSet(Pad(naam), regels));
    }
    void Kies(frmVeldom01Form& f, const QString& naam) {
        f.VulSpelBestanden();
        const int i = f.lstSpellen.Items().indexOf(naam);
        QVERIFY(i >= 0);
        f.lstSpellen.SetListIndex(i);
    }

    // Every board of the last run has a hand with points in lo..hi.
    void ElkSpelBinnen(frmVeldom01Form& f, int lo, int hi) {
        QVERIFY(f.lstSpellenSet1.ListCount() > 0);
        for (int i = 0; i < f.lstSpellenSet1.ListCount(); ++i) {
            bool binnen = false;
            for (int w = 0; w < 4; ++w) {
                const int p = f.lstSpellenSet1.List(i).section('~', 17 + w, 17 + w).section('(', 1).chopped(1).toInt();
                binnen = binnen || (p >= lo && p <= hi);
            }
            QVERIFY2(binnen, qPrintable(f.lstSpellenSet1.List(i)));
        }
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([this] { ++ends; });
    }
    void init() {
        home.Begin({.taal = 0});
        geenVragen = std::make_unique<testsupport::PromptScript>();
        ends = 0;
    }
    void cleanup() {
        home.Einde();
        geenVragen.reset();
    }

    void startUpDefaults() {
        frmVeldom01Form& f = Open();
        QVERIFY(f.Caption().startsWith("Velmora Drovik "));
        QCOMPARE(f.lblSpellen.Caption(), QString("24"));
        QCOMPARE(f.vscrSpellen.Value(), 24);
        QCOMPARE(f.lstSpelNummers.List(0), QString("48"));
        QCOMPARE(f.lblMin.Caption(), QString("12"));
        QCOMPARE(f.vscrMin.Value(), 28);
        QCOMPARE(f.lblMax.Caption(), QString("24"));
        // Without the key the ten shows as "10", and box and setting agree
        // after the activation reloaded the settings.
        QCOMPARE(f.chkTien.Value(), 0);
        QVERIFY(!Tien);
        QCOMPARE(f.lblWind[0].Caption(), QString("Noord"));
        QCOMPARE(f.lblGever.Caption(), QString("Gever:"));
        QCOMPARE(f.fraSpellen.Caption(), QString("Spelbestanden"));
        QVERIFY(QDir(home->file("resultaten")).exists());
        QVERIFY(IniLees("Mappen", "PDF Map").endsWith("/PDF"));
        QVERIFY(!EigenaarNaam.isEmpty());
        QCOMPARE(CvnMap, QString());
        // Every hub button whose window exists is usable from the start.
        for (CommandButton* b : {&f.cmdNamen, &f.cmdVerstuur, &f.cmdInvoeren, &f.cmdInstellingen,
                                 &f.cmdPrinterInstellingen, &f.cmdMAILTXT, &f.cmdGroepen})
            QVERIFY2(b->Enabled(), qPrintable(b->Name()));
        QVERIFY(!f.cmdAfdrukken.Enabled());
    }

    // A program folder whose path holds a letter the settings file cannot
    // hold starts without a word about the PDF folder, which the user never
    // set; the built-in printer saves in the folder's own PDF folder.
    void aFolderNameOutsideTheCodePageStartsWithoutAWord() {
        const QString map = home->file(QString::fromUtf8("Łódź"));
        QVERIFY(QDir().mkpath(map));
        qputenv("DROVIK_HOME", map.toUtf8());
        testsupport::WriteWorkingMailTxt();
        Open();
        DoEvents();
        QCOMPARE(geenVragen->count(), 0);
        LeesIni("Mappen", "PDF Map", map + "/taal.ini");
        QCOMPARE(IniWaarde, QString());
        KoppelPdfMap();
        QCOMPARE(PdfFolder(), map + "/PDF");
    }

    void storedSettingsAtStartUp() {
        Ini("Standaard", "Spellen", "60");
        Ini("Tien", "Tien", "1");
        Ini("Punten", "MinimaalPunten", "40");  // breaks the rules
        // The organiser's name for e-mail signs the results.
        Ini("Standaard", "Naam voor e-mail", " Jan Jansen ");
        QTemporaryDir wine;
        QDir().mkpath(wine.filePath("drive_c/Program Files/Corvani"));
        QFile exe(wine.filePath("drive_c/Program Files/Corvani/Ravosc.exe"));
        QVERIFY(exe.open(QIODevice::WriteOnly));
        exe.write("MZ");
        exe.close();
        qputenv("WINEPREFIX", wine.path().toLocal8Bit());
        frmVeldom01Form& f = Open();
        qunsetenv("WINEPREFIX");
        QCOMPARE(f.lblSpellen.Caption(), QString("24"));  // 60 matches no item
        QCOMPARE(f.vscrSpellen.Value(), 24);
        QCOMPARE(f.chkTien.Value(), 1);
        QVERIFY(Tien);
        QCOMPARE(f.lblMin.Caption(), QString("19"));  // inside the spinner rules
        QCOMPARE(f.lblMax.Caption(), QString("21"));
        QCOMPARE(EigenaarNaam, QString("Jan Jansen"));
        QCOMPARE(CvnMap, wine.filePath("drive_c/Program Files/Corvani"));
        QCOMPARE(CvnSerie, TaalTekst(49) + " 5 " + TaalTekst(50));
    }

    // A stored window no hand can meet is shown inside the spinner rules,
    // as the settings window shows it and Start deals it; the file keeps its
    // text until a step.
    void storedPointWindowIsShownInsideTheRulesAndNotWritten() {
        Ini("Punten", "MinimaalPunten", "40");
        Ini("Standaard", "Spellen", "6");
        frmVeldom01Form& f = Open();
        QCOMPARE(f.lblMin.Caption(), QString("19"));
        QCOMPARE(f.lstMinimaal.List(f.vscrMin.Value()), QString("19"));
        QCOMPARE(f.lblMax.Caption(), QString("21"));
        QCOMPARE(f.lstMaximaal.List(f.vscrMax.Value()), QString("21"));
        QCOMPARE(MinimaalPunten, 19);
        QCOMPARE(IniLees("Punten", "MinimaalPunten"), QString("40"));
        QCOMPARE(IniLees("Punten", "MaximaalPunten"), QString());
        f.cmdStart_Click();
        QCOMPARE(f.lstSpellenSet1.ListCount(), 6);
        ElkSpelBinnen(f, 19, 21);
        f.Form_Activate();
        QCOMPARE(f.lblMin.Caption(), QString("19"));
        QCOMPARE(IniLees("Punten", "MinimaalPunten"), QString("40"));
        QCOMPARE(IniLees("Punten", "MaximaalPunten"), QString());
    }

    // A step of either spinner stores the pair as it is shown, so a window
    // edited by hand outside the rules is never stored the wrong way round.
    void aStepStoresThePointWindowAsShown() {
        Ini("Punten", "MinimaalPunten", "25");
        Ini("Punten", "MaximaalPunten", "30");
        frmVeldom01Form& f = Open();
        QCOMPARE(f.lblMin.Caption() + "/" + f.lblMax.Caption(), QString("19/21"));
        f.vscrMax.SetValue(f.vscrMax.Value() + 1);  // one step down
        QCOMPARE(f.lblMin.Caption() + "/" + f.lblMax.Caption(), QString("19/20"));
        QCOMPARE(IniLees("Punten", "MinimaalPunten") + "/" + IniLees("Punten", "MaximaalPunten"), QString("19/20"));
        f.Form_Activate();
        QCOMPARE(f.lblMin.Caption() + "/" + f.lblMax.Caption(), QString("19/20"));

        Ini("Punten", "MinimaalPunten", "3");
        Ini("Punten", "MaximaalPunten", "2");
        f.Form_Activate();
        QCOMPARE(f.lblMin.Caption() + "/" + f.lblMax.Caption(), QString("3/4"));
        f.vscrMin.SetValue(f.vscrMin.Value() - 1);  // one step up
        QCOMPARE(f.lblMin.Caption() + "/" + f.lblMax.Caption(), QString("3/4"));
        QCOMPARE(IniLees("Punten", "MinimaalPunten") + "/" + IniLees("Punten", "MaximaalPunten"), QString("3/4"));
    }

    // A maximum that is not a number reads as 0, shown as the nearest
    // window the rules allow.
    void maximumThatIsNoNumberRunsWithTheNearestWindow() {
        Ini("Punten", "MaximaalPunten", "veel");
        Ini("Standaard", "Spellen", "4");
        frmVeldom01Form& f = Open();
        QCOMPARE(f.lblMax.Caption(), QString("13"));  // 0, inside the rules: above the minimum 12
        QCOMPARE(MaximaalPunten, 13);
        f.cmdStart_Click();
        QCOMPARE(f.lstSpellenSet1.ListCount(), 4);
        ElkSpelBinnen(f, 12, 13);
        QCOMPARE(IniLees("Punten", "MaximaalPunten"), QString("veel"));
    }

    // A FIFO where taal.ini belongs neither hangs the start nor is replaced:
    // the user is told once and the defaults apply.
    void fifoSettingsFileIsReportedNotWaitedOn() {
        QCOMPARE(::mkfifo(QFile::encodeName(home->file("taal.ini")).constData(), 0644), 0);
        testsupport::PromptScript prompts;
        prompts.answer(vbOK).answer(vbOK);
        frmVeldom01Form& f = Open();
        // That it cannot be read, and, once for the start's writes, that
        // they could not be saved.
        QCOMPARE(prompts.count(), 2);
        QVERIFY2(prompts.prompts().at(0).text.contains("taal.ini"), qPrintable(prompts.prompts().at(0).text));
        QVERIFY2(prompts.last().text.contains("taal.ini: is not a regular file"), qPrintable(prompts.last().text));
        QCOMPARE(prompts.last().icon(), int(vbExclamation));
        QCOMPARE(f.lblMin.Caption(), QString("12"));
        QCOMPARE(f.lblSpellen.Caption(), QString("24"));
        DoEvents();
        prompts.answer(vbOK);
        f.vscrMin.SetValue(27);  // the user's next action is told again
        QCOMPARE(prompts.count(), 3);
        QVERIFY(prompts.last().text.contains("taal.ini"));
        QVERIFY(QFileInfo(home->file("taal.ini")).exists());
        QVERIFY(!QFileInfo(home->file("taal.ini")).isFile());
    }

    // A step whose value cannot be stored is told and not taken: each
    // spinner shows the stored value again, and the generator keeps it.
    void aStepThatCannotBeStoredIsToldAndNotTaken() {
        Ini("Punten", "MinimaalPunten", "12");
        Ini("Punten", "MaximaalPunten", "20");
        Ini("Standaard", "Spellen", "6");
        testsupport::OverfillSettingsFile(home->file("taal.ini"));
        frmVeldom01Form& f = Open();
        QCOMPARE(f.lblMin.Caption() + "/" + f.lblMax.Caption() + "/" + f.lblSpellen.Caption(), QString("12/20/6"));
        const QByteArray voor = testsupport::ReadTestFile(home->file("taal.ini"));
        testsupport::PromptScript prompts;
        {
            testsupport::FileSizeLimit limit(2048);
            prompts.answer(vbOK);
            f.vscrMin.userChanged(f.vscrMin.Value() - 1);  // up to 13
            DoEvents();
            prompts.answer(vbOK);
            f.vscrMax.userChanged(f.vscrMax.Value() + 1);  // down to 19
            DoEvents();
            prompts.answer(vbOK);
            f.vscrSpellen.userChanged(f.vscrSpellen.Value() + 1);  // down to 5
            DoEvents();
        }
        QCOMPARE(prompts.count(), 3);
        QVERIFY2(prompts.last().text.contains("taal.ini"), qPrintable(prompts.last().text));
        QCOMPARE(f.lblMin.Caption() + "/" + f.lblMax.Caption() + "/" + f.lblSpellen.Caption(), QString("12/20/6"));
        QCOMPARE(f.lstMinimaal.List(f.vscrMin.Value()), QString("12"));
        QCOMPARE(f.lstMaximaal.List(f.vscrMax.Value()), QString("20"));
        QCOMPARE(f.lstSpelNummers.List(f.vscrSpellen.Value()), QString("6"));
        QCOMPARE(MinimaalPunten, 12);
        QCOMPARE(MaximaalPunten, 20);
        QCOMPARE(testsupport::ReadTestFile(home->file("taal.ini")), voor);
        f.cmdStart_Click();
        QCOMPARE(f.lstSpellenSet1.ListCount(), 6);
    }

    void leftoverTemporaryFilesGoAtStartUp() {
        QDir(home->path()).mkpath("spellen");
        const QString rest = home->file("spellen/.drovik-tmp.Ab12Cd");
        QFile f(rest);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("half");
        f.close();
        Open();
        QVERIFY(!QFileInfo::exists(rest));
    }

    // A name with a backslash would be read as a path leading out of the
    // folder: it is not listed, and no set path is made from it.
    void namesThatAreNoPlainFileNameAreNotListed() {
        Bewaar("a", SetRegels(2));
        QFile buiten(home->file("keep.txt"));
        QVERIFY(buiten.open(QIODevice::WriteOnly));
        buiten.close();
        // "sub\..\..\keep" would lead through spellen/sub to keep.txt
        // in the program folder.
        QVERIFY(QDir().mkpath(programPath("spellen") + "/sub"));
        QFile vreemd(programPath("spellen") + "/sub\\..\\..\\keep.txt");
        QVERIFY(vreemd.open(QIODevice::WriteOnly));
        vreemd.close();
        frmVeldom01Form& f = Open();
        QCOMPARE(f.lstSpellen.Items(), QStringList{"a"});
        QCOMPARE(spel::SpelSetPad("sub\\..\\..\\keep"), QString());
        QCOMPARE(spel::SpelSetPad("a\tb"), QString());
        QCOMPARE(spel::SpelSetPad("a"), Pad("a"));
        QVERIFY(QFileInfo::exists(home->file("keep.txt")));
    }

    void runOfOneAndOf48Boards() {
        Ini("Standaard", "Spellen", "1");
        frmVeldom01Form& f = Open();
        f.cmdStart_Click();
        QCOMPARE(f.lstSpellenSet1.ListCount(), 1);
        QVERIFY(f.lstSpellenSet1.List(0).startsWith("001~"));
        QCOMPARE(f.lstDitSpel.Items(), QStringList{"1"});
        QCOMPARE(f.lstSpellenSet.ListCount(), 2);

        f.vscrSpellen.SetValue(0);
        QCOMPARE(f.lblSpellen.Caption(), QString("48"));
        QCOMPARE(IniLees("Standaard", "Spellen"), QString("48"));
        f.cmdStart_Click();
        QCOMPARE(f.lstSpellenSet1.ListCount(), 48);
        for (int b = 1; b <= 48; ++b) {
            const QStringList velden = f.lstSpellenSet1.List(b - 1).split('~');
            QCOMPARE(velden.size(), 21);
            QCOMPARE(velden[0], QString::number(b + 1000).right(3));
            QVERIFY(velden[17].startsWith("Noord("));
        }
        QCOMPARE(f.lstDitSpel.List(0), QString("48"));
        QCOMPARE(f.lstSpellenSet.List(0).split('~').size(), 6);
        QCOMPARE(f.lstSpellenSet.List(48), f.lstSpellenSet1.List(47));
        QCOMPARE(f.lblSpelnummer.Caption(), QString("1"));
        QCOMPARE(f.vscrDitSpel.Value(), 47);
        QVERIFY(f.cmdStart.Enabled());
        QVERIFY(f.Enabled());
        QVERIFY(!f.timSchudForm.Enabled());
        QCOMPARE(f.timSchudForm.Interval(), 50);
    }

    void recordsAndBoxesHoldOppositeTenForms() {
        Ini("Tien", "Tien", "1");
        frmVeldom01Form& f = Open();
        f.cmdStart_Click();
        bool zag10 = false;
        for (int i = 0; i < f.lstSpellenSet1.ListCount(); ++i) {
            const QString r = f.lstSpellenSet1.List(i);
            QVERIFY(!r.section('~', 1, 16).contains('T'));
            zag10 = zag10 || r.contains("10");
        }
        QVERIFY(zag10);
        QString alles;
        for (int i = 0; i < 16; ++i) alles += f.txtInvoer[i].Text();
        QVERIFY(!alles.contains("10"));
        QVERIFY(alles.contains('T'));
        // Switching the box converts the boxes only.
        const QString record = f.lstSpellenSet1.List(0);
        f.chkTien.SetValue(0);
        QCOMPARE(IniLees("Tien", "Tien"), QString("0"));
        alles.clear();
        for (int i = 0; i < 16; ++i) alles += f.txtInvoer[i].Text();
        QVERIFY(alles.contains("10") && !alles.contains('T'));
        QCOMPARE(f.lstSpellenSet1.List(0), record);
    }

    void englishRunAndPointWindowOff() {
        Ini("Taal", "nummer", "11");
        Ini("Punten", "MinMaxToepassen", "0");
        Ini("Standaard", "Spellen", "12");
        frmVeldom01Form& f = Open();
        QCOMPARE(f.chkPuntenToepassen.Value(), 0);
        f.cmdStart_Click();
        QCOMPARE(f.lstSpellenSet1.ListCount(), 12);
        QCOMPARE(f.PogingenLaatsteRun(), 12LL);  // every attempt accepted
        const QStringList velden = f.lstSpellenSet1.List(0).split('~');
        QVERIFY(velden[17].startsWith("North("));
        QVERIFY(velden[20].startsWith("West("));
        QVERIFY(f.lstSpellenSet.List(0).startsWith("Renonce: "));
        QVERIFY(f.lstSpellenSet.List(0).contains("~9 card: "));
        QCOMPARE(f.lblGever.Caption(), QString("Dealer: North"));
        Ini("Taal", "nummer", "10");
    }

    void pointWindowIsInclusive() {
        Ini("Punten", "MinimaalPunten", "13");
        Ini("Punten", "MaximaalPunten", "13");  // breaks the order rule
        frmVeldom01Form& f = Open();
        QCOMPARE(f.lblMin.Caption(), QString("13"));
        QCOMPARE(f.lblMax.Caption(), QString("14"));  // the nearest window the rules allow
        f.cmdStart_Click();
        ElkSpelBinnen(f, 13, 14);
    }

    void boardSelectorWraps() {
        frmVeldom01Form& f = Open();
        f.cmdStart_Click();
        QCOMPARE(f.lstDitSpel.List(0), QString("24"));
        f.vscrDitSpel.SetValue(0);  // board 24
        QCOMPARE(f.lblSpelnummer.Caption(), QString("24"));
        f.vscrDitSpel.SetValue(-1);  // one step up wraps to board 1
        QCOMPARE(f.vscrDitSpel.Value(), 23);
        QCOMPARE(f.lblDitspel.Caption(), QString("1"));
        f.vscrDitSpel.SetValue(24);  // one step down from board 1 wraps to board 24
        QCOMPARE(f.vscrDitSpel.Value(), 0);
        QCOMPARE(f.lblSpelnummer.Caption(), QString("24"));
        QCOMPARE(f.lblKwetsbaar.Caption(), QString("Kwetsbaar: ") + TaalTekst(7 + KwetsbaarVanSpel(24)));
        // Typing in a box changes nothing; the next board shown overwrites it.
        const QString record = f.lstSpellenSet1.List(23);
        f.txtInvoer[0].SetText("xyz");
        QCOMPARE(f.lstSpellenSet1.List(23), record);
        f.vscrDitSpel.SetValue(1);
        QVERIFY(f.txtInvoer[0].Text() != "xyz");
    }

    void pointSpinners() {
        frmVeldom01Form& f = Open();
        f.vscrMax.SetValue(27);  // 13
        f.vscrMin.SetValue(28);  // 12
        QCOMPARE(f.lblMax.Caption(), QString("13"));
        f.vscrMax.SetValue(28);  // down onto 12
        QCOMPARE(f.lblMax.Caption(), QString("14"));
        QCOMPARE(IniLees("Punten", "MaximaalPunten"), QString("14"));
        f.vscrMax.SetValue(16);  // 24
        f.vscrMin.SetValue(25);  // 15
        f.vscrMax.SetValue(14);  // 26 would break the sum
        QCOMPARE(f.lblMax.Caption(), QString("25"));
        QCOMPARE(MaximaalPunten, 25);
        f.chkPuntenToepassen.SetValue(0);
        QCOMPARE(MinMaxToepassen, 0);
        QCOMPARE(IniLees("Punten", "MinMaxToepassen"), QString("0"));
        // Board count wraps at both ends.
        f.vscrSpellen.SetValue(-1);
        QCOMPARE(f.lblSpellen.Caption(), QString("1"));
        f.vscrSpellen.SetValue(48);
        QCOMPARE(f.lblSpellen.Caption(), QString("48"));
    }

    void listingAndSorting() {
        frmVeldom01Form& f = Open();
        QCOMPARE(f.lstSpellen.ListCount(), 0);
        QCOMPARE(f.fraSpellen.Caption(), QString("Spelbestanden"));
        for (const QString n : {"b", "c", "a"}) Bewaar(n, SetRegels(2));
        f.VulSpelBestanden();
        QCOMPARE(f.lstSpellen.Items(), (QStringList{"a", "b", "c"}));
        QCOMPARE(f.fraSpellen.Caption(), QString("Spelbestanden (3)"));
        f.chkSorteer.SetValue(1);
        QCOMPARE(f.lstSpellen.Items(), (QStringList{"c", "b", "a"}));
        QCOMPARE(f.chkSorteer.Caption(), TaalTekst(118));
    }

    void loadingASet() {
        Bewaar("week 1.2", SetRegels(24));
        Bewaar("tien", SetRegels(10));
        frmVeldom01Form& f = Open();
        Kies(f, "week 1.2");
        QCOMPARE(f.lstSpellenSet.ListCount(), 25);
        QCOMPARE(f.lstSpellenSet1.ListCount(), 24);
        QCOMPARE(f.lstDitSpel.List(0), QString("24"));
        QCOMPARE(f.vscrDitSpel.Value(), 23);
        QCOMPARE(f.lblSpelnummer.Caption(), QString("1"));
        QCOMPARE(f.txtInvoer[0].Text(), QString("A101"));  // "T" shown as "10"
        QCOMPARE(f.lblPunten[3].Caption(), QString("()"));
        QCOMPARE(f.lblLengtes[5].Caption(), QString("6"));
        QCOMPARE(f.lblSpellen.Caption(), QString("24"));
        QCOMPARE(f.vscrSpellen.Value(), 24);
        QVERIFY(f.cmdWissen.Enabled());
        QCOMPARE(f.GeladenSet(), QString("week 1.2"));
        Kies(f, "tien");
        QCOMPARE(f.vscrSpellen.Value(), 38);
        QCOMPARE(f.lblSpelnummer.Caption(), QString("1"));
        QCOMPARE(f.txtInvoer[0].Text(), QString("A101"));
        f.vscrSpellen.SetValue(39);
        QCOMPARE(f.lblSpellen.Caption(), QString("9"));
    }

    void badFilesLeaveTheSetOnScreen() {
        Bewaar("goed", SetRegels(3));
        QStringList kapot = SetRegels(3);
        kapot[3] = kapot[3].left(10);
        Bewaar("kapot", kapot);
        Bewaar("veel", SetRegels(49));
        frmVeldom01Form& f = Open();
        Kies(f, "goed");
        const QStringList voor = f.lstSpellenSet.Items();
        testsupport::PromptScript prompts;
        prompts.answer(vbOK).answer(vbOK).answer(vbOK);
        Kies(f, "kapot");
        QVERIFY(prompts.last().text.contains("Regel 4 van kapot.txt"));
        QCOMPARE(prompts.last().icon(), int(vbExclamation));
        Kies(f, "veel");
        QVERIFY(prompts.last().text.contains("48"));
        f.VulSpelBestanden();
        QFile::remove(Pad("goed"));
        f.lstSpellen.SetListIndex(f.lstSpellen.Items().indexOf("goed"));
        QVERIFY(prompts.last().text.contains("goed.txt"));
        QCOMPARE(f.lstSpellenSet.Items(), voor);
        QCOMPARE(f.lstSpellenSet1.ListCount(), 3);
    }

    void savedSetReloadsByteForByte() {
        frmVeldom01Form& f = Open();
        f.cmdStart_Click();
        Bewaar("eigen", f.lstSpellenSet.Items());
        QFile bestand(Pad("eigen"));
        QVERIFY(bestand.open(QIODevice::ReadOnly));
        const QByteArray bytes = bestand.readAll();
        bestand.close();
        const QStringList voor = f.lstSpellenSet.Items();
        Kies(f, "eigen");
        QCOMPARE(f.lstSpellenSet.Items(), voor);
        Bewaar("kopie", f.lstSpellenSet.Items());
        QFile kopie(Pad("kopie"));
        QVERIFY(kopie.open(QIODevice::ReadOnly));
        QCOMPARE(kopie.readAll(), bytes);
        QCOMPARE(bytes.count("\r\n"), 25);
    }

    void deleteAsksAndNeedsASelection() {
        Bewaar("a", SetRegels(2));
        frmVeldom01Form& f = Open();
        testsupport::PromptScript prompts;
        Kies(f, "a");
        prompts.answer(vbNo);
        f.cmdWissen_Click();
        QCOMPARE(prompts.last().text, QString("Het bestand a.txt wissen.\n\nZeker weten?"));
        QCOMPARE(prompts.last().buttons(), int(vbYesNo));
        QCOMPARE(prompts.last().icon(), int(vbQuestion));
        QCOMPARE(prompts.last().defaultButton(), int(vbDefaultButton2));  // No
        QVERIFY(QFile::exists(Pad("a")));
        QCOMPARE(f.lstSpellenSet1.ListCount(), 2);
        QCOMPARE(f.lstSpellen.ListCount(), 1);
        // The list is filled again (as at an activation): nothing selected.
        f.VulSpelBestanden();
        prompts.answer(vbOK);
        f.cmdWissen_Click();
        QCOMPARE(prompts.last().icon(), int(vbInformation));
        QVERIFY(QFile::exists(Pad("a")));
        QCOMPARE(f.lstSpellenSet1.ListCount(), 2);
    }

    void deletingTheShownSetClearsTheDisplay() {
        Bewaar("a", SetRegels(2));
        Bewaar("b", SetRegels(3));
        frmVeldom01Form& f = Open();
        testsupport::PromptScript prompts;
        Kies(f, "b");  // b shown and selected
        prompts.answer(vbYes);
        f.cmdWissen_Click();
        QVERIFY(!QFile::exists(Pad("b")));
        QCOMPARE(f.lstSpellen.Items(), QStringList{"a"});
        QCOMPARE(f.lstSpellenSet1.ListCount(), 0);
        QCOMPARE(f.txtInvoer[0].Text(), QString());
        QVERIFY(!f.txtInvoer[0].Enabled());
        QCOMPARE(f.lblPunten[0].Caption(), QString("(0)"));
        QCOMPARE(f.lblLengtes[0].Caption(), QString());
        QVERIFY(!f.cmdWissen.Enabled());
        QCOMPARE(f.fraSpellen.Caption(), QString("Spelbestanden (1)"));
    }

    // A file that failed to load can be deleted; the set shown stays.
    void deletingAnotherSetKeepsTheDisplay() {
        Bewaar("a", SetRegels(2));
        Bewaar("kapot", {"geen kop"});
        frmVeldom01Form& f = Open();
        testsupport::PromptScript prompts;
        Kies(f, "a");
        prompts.answer(vbOK).answer(vbYes);
        Kies(f, "kapot");
        QCOMPARE(f.GeladenSet(), QString("a"));
        f.cmdWissen_Click();
        QVERIFY(!QFile::exists(Pad("kapot")));
        QCOMPARE(f.lstSpellen.Items(), QStringList{"a"});
        QCOMPARE(f.lstSpellenSet1.ListCount(), 2);
        QVERIFY(!f.txtInvoer[0].Text().isEmpty());
        QVERIFY(f.cmdWissen.Enabled());
        // A delete that fails says so and changes nothing: a folder has
        // taken the place of the listed file.
        Kies(f, "a");
        QFile::remove(Pad("a"));
        QDir().mkpath(Pad("a") + "/binnen");
        prompts.answer(vbYes).answer(vbOK);
        f.cmdWissen_Click();
        QCOMPARE(prompts.last().text, spel::WisMelding(spel::WisFout::Mislukt, "a", 10));
        QCOMPARE(f.lstSpellenSet1.ListCount(), 2);
        QCOMPARE(f.lstSpellen.ListCount(), 1);
    }

    void keys() {
        frmVeldom01Form& f = Open();
        testsupport::PromptScript prompts;
        int code = 86;
        f.Form_KeyUp(code, vbAltMask | vbShiftMask);
        QCOMPARE(prompts.count(), 0);
        prompts.answer(vbOK);
        f.Form_KeyUp(code, vbAltMask);
        QVERIFY(prompts.last().text.contains("\n"));
        QVERIFY(prompts.last().text.contains(QString::number(DROVIK_VERSION_MAJOR) + "."));
        code = 83;
        QVERIFY(!f.cmdLessen.Visible());
        f.Form_KeyUp(code, vbCtrlMask | vbAltMask);
        QVERIFY(f.cmdLessen.Visible());
        f.Form_KeyUp(code, vbCtrlMask | vbAltMask);
        QVERIFY(!f.cmdLessen.Visible());
        code = vbKeyEscape;
        f.Form_KeyUp(code, 0);
        QCOMPARE(ends, 1);
        QFile scherm(home->file("scherm.ini"));
        QVERIFY(scherm.open(QIODevice::ReadOnly));
        QVERIFY(scherm.readAll().contains("frmVeldom01"));
    }

    void shakeSettingWithTheRightButton() {
        frmVeldom01Form& f = Open();
        testsupport::PromptScript prompts;
        prompts.answer(vbOK).answer(vbOK);
        const int runs = f.AantalRuns();
        f.cmdStart_MouseDown(vbRightButton, 0, 0, 0);
        QCOMPARE(IniLees("Standaard", "Bibberen Aan"), QString("1"));
        QCOMPARE(prompts.last().text, TaalTekst(185));
        QVERIFY(BibberenAan);
        f.cmdStart_MouseDown(vbRightButton, 0, 0, 0);
        QCOMPARE(IniLees("Standaard", "Bibberen Aan"), QString("0"));
        QCOMPARE(prompts.last().text, TaalTekst(186));
        QCOMPARE(f.AantalRuns(), runs);
    }

    // A real mouse click on the start button runs the generator exactly once.
    void pressingStart() {
        frmVeldom01Form& f = Open();
        Ini("Standaard", "Bibberen Aan", "1");
        QWidget* knop = f.cmdStart.widget();
        QVERIFY(knop);
        QTest::mouseClick(knop, Qt::LeftButton);
        DoEvents();
        QCOMPARE(f.AantalRuns(), 1);
        QCOMPARE(f.lstSpellenSet1.ListCount(), 24);
        QVERIFY(!f.timSchudForm.Enabled());
        QTest::keyClick(knop, Qt::Key_Space);
        DoEvents();
        QCOMPARE(f.AantalRuns(), 2);
    }

    void shakeStepStaysNearTheCentre() {
        frmVeldom01Form& f = Open();
        const int links = (Screen().Width() - f.Width()) / 2, boven = (Screen().Height() - f.Height()) / 2;
        for (int i = 0; i < 50; ++i) {
            f.timSchudForm_Timer();
            QVERIFY(std::abs(f.Left() - links) <= 15 && std::abs(f.Top() - boven) <= 15);
        }
    }

    void sortOrderIsKeptAcrossActivations() {
        Bewaar("a", SetRegels(1));
        Bewaar("b", SetRegels(1));
        {
            frmVeldom01Form& f = Open();
            f.chkSorteer.SetValue(1);
            Unload(f);
            DoEvents();
        }
        frmVeldom01Form& f = Open();
        QCOMPARE(f.chkSorteer.Value(), 1);
        QCOMPARE(f.lstSpellen.Items(), (QStringList{"b", "a"}));
    }

    void resizeCentres() {
        frmVeldom01Form& f = Open();
        f.Move(0, 0);
        f.SetWidth(f.Width() + 600);
        QCOMPARE(f.Left(), (Screen().Width() - f.Width()) / 2);
        QCOMPARE(f.Top(), (Screen().Height() - f.Height()) / 2);
    }
};

QTEST_MAIN(TestFrmVeldom01)
#include "test_frmveldom01.moc"
