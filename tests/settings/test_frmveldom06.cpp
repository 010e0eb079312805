// The settings window: opened from the main window and given back to it,
// the spinners and boxes with the keys they write, the e-mail sender, and
// taal.ini files the window did not write itself.

#include <QApplication>
#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "main/Opstart.h"
#include "platform/Events.h"
#include "platform/FileTestHelpers.h"
#include "platform/Profile.h"
#include "platform/Screen.h"
#include "settings/frmVeldom06.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

QString Ini(const QString& sectie, const QString& sleutel) { return ReadProfileString(IniBestand, sectie, sleutel); }

// One step of a spinner as the user makes it: up shows the next higher number.
void Omhoog(VScrollBar& v) { v.userChanged(v.Value() - 1); }
void Omlaag(VScrollBar& v) { v.userChanged(v.Value() + 1); }

// Esc pressed and released where the window has its focus.
void DrukEsc(Form& f) {
    QWidget* doel = QApplication::focusWidget();
    if (!doel || doel->window() != f.widget()) doel = f.widget();
    QTest::keyClick(doel, Qt::Key_Escape);
    DoEvents();
}

}  // namespace

class TestFrmVeldom06 : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;

    void Sluit() {
        if (frmVeldom06_IsLoaded()) Unload(frmVeldom06());
        if (frmVeldom01_IsLoaded()) Unload(frmVeldom01());
        DoEvents();
    }

    // Opens the window as the main window's settings button does.
    frmVeldom06Form& Open() {
        AanroepScherm = 1;
        frmVeldom06Form& f = frmVeldom06();
        f.Show();
        DoEvents();
        return f;
    }

private slots:
    void init() {
        home.Begin({.instellingen = true});
        WebsiteBereikbaar = true;
        EigenaarNaam = "Club De Hoge Kaart";
    }
    void cleanup() {
        Sluit();
        home.Einde();
    }

    void openFromMainWindowAndBackShowsTheNewValues() {
        frmVeldom01().Show();
        DoEvents();
        QVERIFY(frmVeldom01().cmdInstellingen.Enabled());
        frmVeldom01().cmdInstellingen.Click();
        DoEvents();
        QVERIFY(!frmVeldom01().Enabled());
        QVERIFY(frmVeldom01().Visible());
        QCOMPARE(AanroepScherm, 1);
        QVERIFY(frmVeldom06_IsLoaded());
        frmVeldom06Form& f = frmVeldom06();
        QVERIFY(f.Visible());
        QCOMPARE(f.Caption(), QString("Instellingen"));
        // The first page is chosen and shown.
        QVERIFY(f.optInstellingen[0].Value());
        QVERIFY(f.fraStelIn[0].Visible());
        for (int i = 1; i < 6; ++i) QVERIFY(!f.fraStelIn[i].Visible());

        QCOMPARE(f.lblMax.Caption(), QString("24"));
        Omhoog(f.vscrMax);
        QCOMPARE(f.lblMax.Caption(), QString("25"));
        QCOMPARE(MaximaalPunten, 25);
        QCOMPARE(Ini("Punten", "MaximaalPunten"), QString("25"));
        Omlaag(f.vscrMin);
        QCOMPARE(Ini("Punten", "MinimaalPunten"), QString("11"));
        f.chkPuntenToepassen.userToggled();
        QCOMPARE(f.chkPuntenToepassen.Value(), 0);
        QCOMPARE(MinMaxToepassen, 0);
        QCOMPARE(Ini("Punten", "MinMaxToepassen"), QString("0"));

        f.cmdTerug.Click();
        DoEvents();
        QVERIFY(!frmVeldom06_IsLoaded());
        QVERIFY(frmVeldom01().Enabled());
        QCOMPARE(AanroepScherm, 0);
        QCOMPARE(frmVeldom01().lblMin.Caption(), QString("11"));
        QCOMPARE(frmVeldom01().lblMax.Caption(), QString("25"));
        QCOMPARE(frmVeldom01().chkPuntenToepassen.Value(), 0);
        QVERIFY(!ReadProfileString(SchermIniBestand(), "frmVeldom06", "State").isEmpty());
    }

    void escClosesAlsoWhileBackIsDisabled() {
        frmVeldom01().Show();
        frmVeldom01().cmdInstellingen.Click();
        DoEvents();
        frmVeldom06Form& f = frmVeldom06();
        Omhoog(f.vscrMaximaleLengte);
        f.fraEmail.SetEnabled(false);
        QVERIFY(!f.cmdTerug.widget()->isEnabled());
        DrukEsc(f);
        QVERIFY(!frmVeldom06_IsLoaded());
        QVERIFY(frmVeldom01().Enabled());
        // The step stays stored; the main window's activation reloaded it.
        QCOMPARE(Ini("Punten", "Maxlengte"), QString("9"));
        QCOMPARE(Maxlengte, 9);
        QVERIFY(!ReadProfileString(SchermIniBestand(), "frmVeldom06", "State").isEmpty());
        // The close box closes it the same way.
        frmVeldom01().cmdInstellingen.Click();
        DoEvents();
        QVERIFY(!frmVeldom01().Enabled());
        frmVeldom06().widget()->close();
        DoEvents();
        QVERIFY(!frmVeldom06_IsLoaded());
        QVERIFY(frmVeldom01().Enabled());
    }

    void defaultsWithAnEmptySettingsFile() {
        frmVeldom06Form& f = Open();
        QCOMPARE(f.lblMin.Caption(), QString("12"));
        QCOMPARE(f.lblMax.Caption(), QString("24"));
        QCOMPARE(f.lblMaximale.Caption(), QString("8"));
        QCOMPARE(f.lblAantalHonneurs6Kaart[1].Caption(), QString("2"));
        QCOMPARE(f.lblAantalHonneursZwakke2[1].Caption(), QString("2"));
        QCOMPARE(f.lblAantalHonneursMulty2Ruiten[1].Caption(), QString("2"));
        const QStringList zwak{f.lblZwakke2NKMin.Caption(), f.lblZwakke2NKMax.Caption(), f.lblZwakke2WKMin.Caption(),
                               f.lblZwakke2WKMax.Caption()};
        QCOMPARE(zwak, (QStringList{"5", "10", "8", "10"}));
        const QStringList muider{f.lblMuiderBergNKMin.Caption(), f.lblMuiderBergNKMax.Caption(),
                                 f.lblMuiderBergWKMin.Caption(), f.lblMuiderBergWKMax.Caption()};
        QCOMPARE(muider, (QStringList{"5", "10", "8", "10"}));
        const QStringList multi{f.lblMulty2RuitenNKMin.Caption(), f.lblMulty2RuitenNKMax.Caption(),
                                f.lblMulty2RuitenWKMin.Caption(), f.lblMulty2RuitenWKMax.Caption()};
        QCOMPARE(multi, (QStringList{"6", "10", "8", "11"}));
        QCOMPARE(f.vscrMulty2RuitenWKMax.Value(), 0);
        QCOMPARE(f.lstMinimaal.ListCount(), 40);
        QCOMPARE(f.lstMinimaal.List(0), QString("40"));
        QCOMPARE(f.lstMaximaleLengte.Items(), (QStringList{"13", "12", "11", "10", "9", "8"}));
        QCOMPARE(f.lstZwakke2NKMin.Items(), (QStringList{"11", "10", "9", "8", "7", "6", "5"}));
        // No keys: apply boxes clear, last-hand boxes as LeesInstellingen
        // has them, the point window applied.
        for (int i = 0; i < 5; ++i) QCOMPARE(f.chkOpening[i].Value(), 0);
        QCOMPARE(f.chkLaatsteZwakke2.Value(), 1);
        QCOMPARE(f.chkMuiderBergLaatsteHand.Value(), 1);
        QCOMPARE(f.chkMulty2Ruiten.Value(), 1);
        QCOMPARE(f.chkPuntenToepassen.Value(), 1);
        // Opening wrote nothing.
        QCOMPARE(testsupport::ReadTestFile(IniBestand, ""), QByteArray());
        QCOMPARE(f.txtNaam.Text(), QString("Club De Hoge Kaart"));
        QVERIFY(f.optProvider[0].Value());
        QCOMPARE(f.Provider, 0);
        QVERIFY(f.cmdOK.Enabled());
    }

    void everySpinnerWritesItsOwnKey() {
        frmVeldom06Form& f = Open();
        struct Geval {
            VScrollBar* vscr;
            const char* sectie;
            const char* sleutel;
            const char* waarde;  // after one step up
            int* variabele;
        };
        const Geval gevallen[] = {
            {&f.vscrMin, "Punten", "MinimaalPunten", "13", &MinimaalPunten},
            {&f.vscrMax, "Punten", "MaximaalPunten", "25", &MaximaalPunten},
            {&f.vscrMaximaleLengte, "Punten", "Maxlengte", "9", &Maxlengte},
            {&f.vscr6Kaart, "6 kaart 11 punten", "Aantal honneurs", "3", &ZesKaartHonneurs},
            {&f.vscrZwakke2, "Zwakke 2", "Aantalhonneurs", "3", &AantalHonneurs},
            {&f.vscrZwakke2NKMin, "Zwakke 2", "NietKwetsbaarMin", "6", &NietKwetsbaarMin},
            {&f.vscrZwakke2NKMax, "Zwakke 2", "NietKwetsbaarMax", "11", &NietKwetsbaarMax},
            {&f.vscrZwakke2WKMin, "Zwakke 2", "KwetsbaarMin", "9", &KwetsbaarMin},
            {&f.vscrZwakke2WKMax, "Zwakke 2", "KwetsbaarMax", "11", &KwetsbaarMax},
            {&f.vscrMuiderBergNKMin, "Muiderbergse 2", "MuiderbergNKMin", "6", &MuiderbergNKMin},
            {&f.vscrMuiderBergNKMax, "Muiderbergse 2", "MuiderbergNKMax", "11", &MuiderbergNKMax},
            {&f.vscrMuiderBergWKMin, "Muiderbergse 2", "MuiderbergWKMin", "9", &MuiderbergWKMin},
            {&f.vscrMuiderBergWKMax, "Muiderbergse 2", "MuiderbergWKMax", "11", &MuiderbergWKMax},
            {&f.vscrMulty2Ruiten, "Multy 2 Ruiten", "Multy2RuitenHonneurs", "3", &Multy2RuitenHonneurs},
            {&f.vscrMulty2RuitenNKMin, "Multy 2 Ruiten", "Multy2RuitenNKMin", "7", &Multy2RuitenNKMin},
            {&f.vscrMulty2RuitenNKMax, "Multy 2 Ruiten", "Multy2RuitenNKMax", "11", &Multy2RuitenNKMax},
            {&f.vscrMulty2RuitenWKMin, "Multy 2 Ruiten", "Multy2RuitenWKMin", "9", &Multy2RuitenWKMin},
            // At the top already: one step up wraps to 5 and climbs above the minimum.
            {&f.vscrMulty2RuitenWKMax, "Multy 2 Ruiten", "Multy2RuitenWKMax", "10", &Multy2RuitenWKMax},
        };
        for (const Geval& g : gevallen) {
            Omhoog(*g.vscr);
            QCOMPARE(Ini(g.sectie, g.sleutel), QString(g.waarde));
            QCOMPARE(*g.variabele, QString(g.waarde).toInt());
        }
        // Sections and keys as the program spells them, with their values.
        const QString tekst = QString::fromLatin1(testsupport::ReadTestFile(IniBestand));
        for (const char* regel :
             {"[Punten]", "MinimaalPunten=13", "MaximaalPunten=25", "Maxlengte=9", "[6 kaart 11 punten]",
              "Aantal honneurs=3", "[Zwakke 2]", "Aantalhonneurs=3", "NietKwetsbaarMin=6", "KwetsbaarMax=11",
              "[Muiderbergse 2]", "MuiderbergWKMax=11", "[Multy 2 Ruiten]", "Multy2RuitenHonneurs=3",
              "Multy2RuitenWKMax=10"})
            QVERIFY2(tekst.split("\r\n").contains(QString::fromLatin1(regel)), regel);
        // LeesInstellingen reads the same values back.
        LeesInstellingen();
        QCOMPARE(AantalHonneurs, 3);
        QCOMPARE(Multy2RuitenHonneurs, 3);
        QCOMPARE(Multy2RuitenWKMax, 10);
    }

    // A point window edited by hand (25/30: the sum is above 40) shows the
    // same pair in the main window and here, and no step in either window
    // stores a maximum at or below the minimum or a sum above 40.
    void handEditedPointWindowIsTheSameInBothWindows() {
        testsupport::WriteTestFile(home->file("taal.ini"),
                                   "[Punten]\r\nMinimaalPunten=25\r\nMaximaalPunten=30\r\n");
        LeesInstellingen();
        frmVeldom01().Show();
        DoEvents();
        frmVeldom01Form& h = frmVeldom01();
        QCOMPARE(h.lblMin.Caption(), QString("19"));
        QCOMPARE(h.lblMax.Caption(), QString("21"));
        frmVeldom01().cmdInstellingen.Click();
        DoEvents();
        frmVeldom06Form& f = frmVeldom06();
        QCOMPARE(f.lblMin.Caption(), h.lblMin.Caption());
        QCOMPARE(f.lblMax.Caption(), h.lblMax.Caption());
        QCOMPARE(Ini("Punten", "MinimaalPunten"), QString("25"));  // opening writes nothing

        auto binnenRegels = [&](const char* waar) {
            const int min = Ini("Punten", "MinimaalPunten").toInt();
            const int max = Ini("Punten", "MaximaalPunten").toInt();
            QVERIFY2(min < max && min + max <= 40, qPrintable(QString("%1: %2/%3").arg(waar).arg(min).arg(max)));
        };
        Omhoog(f.vscrMax);  // the sum would pass 40: stays at 21
        QCOMPARE(f.lblMax.Caption(), QString("21"));
        Omhoog(f.vscrMin);
        QCOMPARE(f.lblMin.Caption(), QString("19"));
        binnenRegels("settings window");
        f.cmdTerug.Click();
        DoEvents();
        QCOMPARE(h.lblMin.Caption(), QString("19"));
        QCOMPARE(h.lblMax.Caption(), QString("21"));

        // The main window's own spinners, from the hand-edited pair again.
        Sluit();
        testsupport::WriteTestFile(home->file("taal.ini"),
                                   "[Punten]\r\nMinimaalPunten=25\r\nMaximaalPunten=30\r\n");
        LeesInstellingen();
        frmVeldom01().Show();
        DoEvents();
        frmVeldom01Form& g = frmVeldom01();
        for (VScrollBar* v : {&g.vscrMax, &g.vscrMin}) {
            Omhoog(*v);
            QVERIFY(ValInteger(g.lblMin.Caption()) < ValInteger(g.lblMax.Caption()));
            QCOMPARE(Ini("Punten", v == &g.vscrMax ? "MaximaalPunten" : "MinimaalPunten"),
                     v == &g.vscrMax ? g.lblMax.Caption() : g.lblMin.Caption());
            Omlaag(*v);
        }
        binnenRegels("main window");
    }

    // One step stores the pair as shown: the partner read outside the rules
    // is written as the window shows it, for the points and the openings.
    void aStepStoresBothValuesOfThePairAsShown() {
        testsupport::WriteTestFile(home->file("taal.ini"),
                                   "[Punten]\r\nMinimaalPunten=25\r\nMaximaalPunten=30\r\n"
                                   "[Zwakke 2]\r\nNietKwetsbaarMin=3\r\nNietKwetsbaarMax=9\r\n");
        LeesInstellingen();
        frmVeldom06Form& f = Open();
        QCOMPARE(f.lblMin.Caption() + "/" + f.lblMax.Caption(), QString("19/21"));
        Omlaag(f.vscrMax);
        QCOMPARE(f.lblMin.Caption() + "/" + f.lblMax.Caption(), QString("19/20"));
        QCOMPARE(Ini("Punten", "MinimaalPunten") + "/" + Ini("Punten", "MaximaalPunten"), QString("19/20"));
        QCOMPARE(f.lblZwakke2NKMin.Caption(), QString("5"));
        Omlaag(f.vscrZwakke2NKMax);
        QCOMPARE(Ini("Zwakke 2", "NietKwetsbaarMin") + "/" + Ini("Zwakke 2", "NietKwetsbaarMax"), QString("5/8"));
    }

    void partnerRulesInTheWindow() {
        frmVeldom06Form& f = Open();
        // Weak-two minimum at 5 stepped down, maximum 10: it wraps and ends at 9.
        Omlaag(f.vscrZwakke2NKMin);
        QCOMPARE(f.lblZwakke2NKMin.Caption(), QString("9"));
        QCOMPARE(Ini("Zwakke 2", "NietKwetsbaarMin"), QString("9"));
        QCOMPARE(f.lstZwakke2NKMin.List(f.vscrZwakke2NKMin.Value()), QString("9"));
        // The maximum stepped down onto it climbs back to 10.
        Omlaag(f.vscrZwakke2NKMax);
        QCOMPARE(f.lblZwakke2NKMax.Caption(), QString("10"));
        QCOMPARE(NietKwetsbaarMax, 10);
        // Point window: minimum 12, the maximum from 28 to 29 stays at 28.
        for (int i = 0; i < 4; ++i) Omhoog(f.vscrMax);
        QCOMPARE(f.lblMax.Caption(), QString("28"));
        Omhoog(f.vscrMax);
        QCOMPARE(f.lblMax.Caption(), QString("28"));
        QCOMPARE(Ini("Punten", "MaximaalPunten"), QString("28"));
        // Honours at 0 stepped down show 4.
        for (int i = 0; i < 2; ++i) Omlaag(f.vscr6Kaart);
        QCOMPARE(f.lblAantalHonneurs6Kaart[1].Caption(), QString("0"));
        Omlaag(f.vscr6Kaart);
        QCOMPARE(f.lblAantalHonneurs6Kaart[1].Caption(), QString("4"));
        QCOMPARE(Ini("6 kaart 11 punten", "Aantal honneurs"), QString("4"));
        // A position set while loading writes nothing.
        BezigMetLaden = true;
        f.vscrMaximaleLengte.SetValue(2);
        BezigMetLaden = false;
        QCOMPARE(f.lblMaximale.Caption(), QString("8"));
        QCOMPARE(Ini("Punten", "Maxlengte"), QString());
    }

    void handEditedSettingsFile() {
        // Values outside the lists, pairs in the wrong order, a minimum of
        // 20 and more: the window opens, shows items of its lists, and
        // every step ends inside the lists with a value written.
        testsupport::WriteTestFile(home->file("taal.ini"),
                                   "[Punten]\r\nMinimaalPunten=30\r\nMaximaalPunten=35\r\nMaxlengte=7\r\n"
                                   "[6 kaart 11 punten]\r\nAantal honneurs=9\r\n"
                                   "[Zwakke 2]\r\nNietKwetsbaarMin=14\r\nNietKwetsbaarMax=3\r\n"
                                   "KwetsbaarMin=11\r\nKwetsbaarMax=11\r\nAantalHonneurs=1\r\n"
                                   "[Standaard]\r\nprovider=7\r\n");
        LeesInstellingen();
        frmVeldom06Form& f = Open();
        QCOMPARE(f.lblMaximale.Caption(), QString("8"));
        QCOMPARE(Maxlengte, 8);
        QCOMPARE(f.lblAantalHonneurs6Kaart[1].Caption(), QString("4"));
        QCOMPARE(f.lblZwakke2NKMin.Caption(), QString("11"));
        QCOMPARE(f.lblZwakke2NKMax.Caption(), QString("5"));
        QCOMPARE(f.lblAantalHonneursZwakke2[1].Caption(), QString("1"));
        QCOMPARE(f.vscrZwakke2.Value(), 3);
        QCOMPARE(f.lblMin.Caption(), QString("19"));
        QCOMPARE(f.lblMax.Caption(), QString("21"));
        QCOMPARE(NietKwetsbaarMin, 11);
        // Nothing written by opening.
        QCOMPARE(Ini("Punten", "Maxlengte"), QString("7"));
        QCOMPARE(Ini("Standaard", "provider"), QString("7"));
        QVERIFY(f.optProvider[0].Value());
        QCOMPARE(f.Provider, 0);

        auto binnen = [](VScrollBar& v, ListBox& l, Label& lbl) {
            QVERIFY(v.Value() >= 0 && v.Value() < l.ListCount());
            QCOMPARE(lbl.Caption(), l.List(v.Value()));
            QVERIFY(!lbl.Caption().isEmpty());
        };
        for (int i = 0; i < 9; ++i) {
            Omhoog(f.vscrZwakke2NKMax);
            binnen(f.vscrZwakke2NKMax, f.lstZwakke2NKMax, f.lblZwakke2NKMax);
            Omlaag(f.vscrZwakke2NKMin);
            binnen(f.vscrZwakke2NKMin, f.lstZwakke2NKMin, f.lblZwakke2NKMin);
            Omlaag(f.vscrZwakke2WKMax);
            binnen(f.vscrZwakke2WKMax, f.lstZwakke2WKMax, f.lblZwakke2WKMax);
            Omhoog(f.vscrZwakke2WKMin);
            binnen(f.vscrZwakke2WKMin, f.lstZwakke2WKMin, f.lblZwakke2WKMin);
            Omhoog(f.vscrMax);
            binnen(f.vscrMax, f.lstMaximaal, f.lblMax);
            Omhoog(f.vscrMin);
            binnen(f.vscrMin, f.lstMinimaal, f.lblMin);
        }
        QVERIFY(!Ini("Zwakke 2", "NietKwetsbaarMax").isEmpty());
        QCOMPARE(Ini("Zwakke 2", "KwetsbaarMin"), f.lblZwakke2WKMin.Caption());
    }

    void applyBoxesWriteAllFiveKeys() {
        frmVeldom06Form& f = Open();
        f.optInstellingen[3].userSelected();
        QVERIFY(f.fraStelIn[3].Visible());
        for (int i = 0; i < 6; ++i)
            if (i != 3) QVERIFY(!f.fraStelIn[i].Visible());
        f.chkOpening[2].userToggled();
        QCOMPARE(Ini("Toegestaan", "Zwa&kke 2 toepassen"), QString("1"));
        QCOMPARE(Ini("Toegestaan", "&Regel van &20 toepassen"), QString("0"));
        QCOMPARE(Ini("Toegestaan", "&6 kaart met 11 punten toepassen"), QString("0"));
        QCOMPARE(Ini("Toegestaan", "&Muiderbergse 2 toepassen"), QString("0"));
        QCOMPARE(Ini("Toegestaan", "M&ulty 2 ruiten toepassen"), QString("0"));
        // A last-hand box writes only its own key; the variable follows at
        // the next LeesInstellingen.
        f.chkMuiderBergLaatsteHand.userToggled();
        QCOMPARE(Ini("Muiderbergse 2", "MuiderbergLaatsteHand"), QString("0"));
        QCOMPARE(Ini("Zwakke 2", "LaatsteHand"), QString());
        QCOMPARE(MuiderbergLaatsteHand, 1);
        f.chkPuntenToepassen.userToggled();
        QCOMPARE(Ini("Punten", "MinMaxToepassen"), QString("0"));
        f.cmdTerug.Click();
        LeesInstellingen();
        QCOMPARE(MuiderbergLaatsteHand, 0);

        // Reopened: every box as stored. In English the English keys count.
        frmVeldom06Form& g = Open();
        QCOMPARE(g.chkOpening[2].Value(), 1);
        QCOMPARE(g.chkMuiderBergLaatsteHand.Value(), 0);
        QCOMPARE(g.chkPuntenToepassen.Value(), 0);
        g.cmdTerug.Click();
        SchrijfIni("Taal", "nummer", "11", IniBestand);
        LeesInstellingen();
        frmVeldom06Form& e = Open();
        QCOMPARE(e.Caption(), QString("Settings"));
        QCOMPARE(e.fraStelIn[0].Caption(), QString("Game"));
        QCOMPARE(e.lblZwakke2[0].Caption(), QString("Minimum points not vulnerable: "));
        // The Dutch choice holds until the English keys are written.
        QCOMPARE(e.chkOpening[2].Value(), 1);
        QCOMPARE(e.chkOpening[4].Value(), 0);
        e.chkOpening[4].userToggled();
        QCOMPARE(Ini("Toegestaan", "Mult&y 2 diamond apply"), QString("1"));
        QCOMPARE(Ini("Toegestaan", "Weak 2 apply"), QString("1"));
        e.chkOpening[2].userToggled();
        QCOMPARE(Ini("Toegestaan", "Weak 2 apply"), QString("0"));
        QCOMPARE(Ini("Toegestaan", "Zwa&kke 2 toepassen"), QString("1"));
    }

    void pageLayoutFollowsTheCaptions() {
        frmVeldom06Form& f = Open();
        QCOMPARE(f.fraStelIn[4].Left(), f.fraInstellingen.Left() + f.fraInstellingen.Width() + 60);
        QCOMPARE(f.fraStelIn[4].Top(), f.fraInstellingen.Top());
        QCOMPARE(f.lblZwakke2NKMax.Left(), f.lblZwakke2[1].Left() + f.lblZwakke2[1].Width() + 16);
        QCOMPARE(f.lblZwakke2NKMax.Top(), f.lblZwakke2[1].Top() - 60);
        QCOMPARE(f.lblZwakke2WKMax.Left(), f.lblZwakke2NKMax.Left());
        QCOMPARE(f.vscrMuiderBergWKMin.Left(), f.vscrMuiderBergNKMax.Left());
        QCOMPARE(f.vscrMuiderBergWKMin.Top(), f.lblMuiderBergWKMin.Top());
        QCOMPARE(f.vscrMulty2Ruiten.Left(), f.vscr6Kaart.Left());
        QCOMPARE(f.fraEmail.Left(), f.fraInstellingen.Left());
        QCOMPARE(f.fraEmail.Top(), f.fraStelIn[5].Top() + f.fraStelIn[5].Height() + 60);
        QCOMPARE(f.fraEmail.Width(), f.fraStelIn[5].Left() + f.fraStelIn[5].Width() - f.fraInstellingen.Left());
        QCOMPARE(f.cmdOK.Left() + f.cmdOK.Width(), f.txtNaam.Left() + f.txtNaam.Width());
        QCOMPARE(f.cmdOK.Top(), f.cmdTerug.Top());
        QCOMPARE(f.Left(), std::max(0, (Screen().Width() - f.Width()) / 2));
        QCOMPARE(f.cmdFocus.Left(), Screen().Width() + 10);
        // Enlarged: back in the centre, the controls scaled.
        const int breedte = f.optInstellingen[0].Width();
        f.Move(0, 0, f.Width() + 1500, f.Height() + 1500);
        DoEvents();
        QCOMPARE(f.Left(), std::max(0, (Screen().Width() - f.Width()) / 2));
        QVERIFY(f.optInstellingen[0].Width() > breedte);
    }

    void emailSenderStoredByOkOnly() {
        frmVeldom06Form& f = Open();
        // Typing an address and closing with Esc stores nothing.
        f.txtEMailAdres.userEdited("jan@voorbeeld.nl");
        DrukEsc(f);
        QVERIFY(!frmVeldom06_IsLoaded());
        QCOMPARE(Ini("Standaard", "eigen e-mail adres"), QString());
        QCOMPARE(EigenEmailAdres, QString());

        frmVeldom06Form& g = Open();
        g.txtEMailAdres.userEdited("  jan@voorbeeld.nl ");
        g.txtNaam.userEdited("Jan Jansen");
        g.optProvider[1].userSelected();
        QCOMPARE(g.Provider, 1);
        g.cmdOK.Click();
        DoEvents();
        QVERIFY(!frmVeldom06_IsLoaded());
        QCOMPARE(Ini("Standaard", "eigen e-mail adres"), QString("jan@voorbeeld.nl"));
        QCOMPARE(Ini("Standaard", "Naam voor e-mail"), QString("Jan Jansen"));
        QCOMPARE(Ini("Standaard", "provider"), QString("1"));
        QCOMPARE(EigenEmailAdres, QString("jan@voorbeeld.nl"));

        frmVeldom06Form& h = Open();
        QCOMPARE(h.txtEMailAdres.Text(), QString("jan@voorbeeld.nl"));
        QCOMPARE(h.txtNaam.Text(), QString("Jan Jansen"));
        QVERIFY(h.optProvider[1].Value());
        // An emptied box stores no own address.
        h.txtEMailAdres.userEdited("");
        QVERIFY(h.cmdOK.Enabled());
        h.cmdOK.Click();
        QCOMPARE(Ini("Standaard", "eigen e-mail adres"), QString());
        QCOMPARE(EigenEmailAdres, QString());
    }

    // The name stored here signs the results overview and the results mail
    // from the moment the main window is back; a blank name falls back on
    // the account's name.
    void theStoredNameBecomesTheOwnerName() {
        frmVeldom01().Show();
        DoEvents();
        // The name typed in the settings opened from the main window, and OK.
        auto bewaarNaam = [](const QString& naam) {
            frmVeldom01().cmdInstellingen.Click();
            DoEvents();
            frmVeldom06().txtNaam.userEdited(naam);
            frmVeldom06().cmdOK.Click();
            DoEvents();
        };
        bewaarNaam("Marijke de Vries");
        QVERIFY(!frmVeldom06_IsLoaded());
        QCOMPARE(EigenaarNaam, QString("Marijke de Vries"));
        bewaarNaam("   ");
        QCOMPARE(EigenaarNaam, AccountNaam());
        QVERIFY(!EigenaarNaam.isEmpty());
    }

    // The main window has loaded a MAIL.TXT of one provider: the second is
    // not offered, a stored second shows the first, and OK stores that.
    void onlyTheProvidersOfTheFileAreOffered() {
        SchrijfIni("Standaard", "provider", "1", IniBestand);
        frmVeldom01().Show();
        DoEvents();
        QCOMPARE(int(MailProviderLijst(1).size()), 0);
        frmVeldom06Form& f = Open();
        QVERIFY(f.optProvider[0].Value());
        QVERIFY(f.optProvider[0].Enabled());
        QVERIFY(!f.optProvider[1].Enabled());
        QCOMPARE(f.Provider, 0);
        QCOMPARE(Ini("Standaard", "provider"), QString("1"));  // only OK stores
        f.cmdOK.Click();
        QCOMPARE(Ini("Standaard", "provider"), QString("0"));
    }

    void addressChecks() {
        frmVeldom06Form& f = Open();
        testsupport::PromptScript prompts;
        prompts.answer(vbOK);
        f.txtEMailAdres.userEdited("jan@@");
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, QString::fromUtf8("Geen geldig emailadres.\nVerwijder één < @ >"));
        QCOMPARE(prompts.last().title, QString("Instellingen"));
        QCOMPARE(prompts.last().icon(), int(vbInformation));
        QVERIFY(!f.cmdOK.Enabled());
        f.txtEMailAdres.userEdited("jan@");
        QVERIFY(!f.cmdOK.Enabled());
        f.txtEMailAdres.userEdited("jan@voorbeeld.nl");
        QVERIFY(f.cmdOK.Enabled());
        prompts.answer(vbOK);
        f.txtEMailAdres.userEdited("jan@voorbeeld..nl");
        QCOMPARE(prompts.last().text, QString::fromUtf8("Geen geldig emailadres.\nVerwijder één < . >"));
        QVERIFY(!f.cmdOK.Enabled());
        f.txtEMailAdres.userEdited("jan@voorbeeld.nl");
        QVERIFY(f.cmdOK.Enabled());
        // An address without "@" leaves OK usable, but OK refuses it and
        // keeps the window open with nothing stored.
        f.txtEMailAdres.userEdited("");
        f.txtEMailAdres.userEdited("jan");
        QVERIFY(f.cmdOK.Enabled());
        prompts.answer(vbOK);
        f.cmdOK.Click();
        QCOMPARE(prompts.count(), 3);
        QVERIFY(prompts.last().text.startsWith("Geen geldig e-mailadres: jan\n"));
        QVERIFY(frmVeldom06_IsLoaded());
        QCOMPARE(Ini("Standaard", "eigen e-mail adres"), QString());
        QCOMPARE(Ini("Standaard", "provider"), QString());
        QCOMPARE(EigenEmailAdres, QString());
    }

    void storedFaultyAddressWarnsAtOpening() {
        SchrijfIni("Standaard", "eigen e-mail adres", "jan@@voorbeeld.nl", IniBestand);
        testsupport::PromptScript prompts;
        prompts.answer(vbOK);
        frmVeldom06Form& f = Open();
        QCOMPARE(prompts.count(), 1);
        QVERIFY(!f.cmdOK.Enabled());
        QCOMPARE(f.txtEMailAdres.Text(), QString("jan@@voorbeeld.nl"));
    }

    void withoutTheServerTheSenderStaysUsable() {
        frmVeldom01();  // loads the provider file
        WebsiteBereikbaar = false;
        // Mail works through the provider file: no word of a missing connection.
        QVERIFY(MailBruikbaar());
        QCOMPARE(Open().fraEmail.Caption(), QString("Instellingen voor versturen e-mail"));
        Unload(frmVeldom06());
        MailOnbruikbaar = true;
        frmVeldom06Form& f = Open();
        MailOnbruikbaar = false;
        QCOMPARE(f.fraEmail.Caption(), QString("Instellingen voor versturen e-mail GEEN INTERNET VERBINDING"));
        QVERIFY(f.fraEmail.Enabled());
        QVERIFY(f.cmdOK.widget()->isEnabled());
        QVERIFY(f.cmdTerug.widget()->isEnabled());
        f.txtEMailAdres.userEdited("jan@voorbeeld.nl");
        f.cmdOK.Click();
        QCOMPARE(EigenEmailAdres, QString("jan@voorbeeld.nl"));
    }

    void aFailingWriteIsReportedAndNothingChanges() {
        // A settings file larger than the writes may make: every write fails.
        QByteArray inhoud = "[Punten]\r\nMaxlengte=10\r\nMinMaxToepassen=1\r\n";
        inhoud += "; " + QByteArray(3000, 'x') + "\r\n";
        testsupport::WriteTestFile(home->file("taal.ini"), inhoud);
        LeesInstellingen();
        frmVeldom06Form& f = Open();
        QCOMPARE(f.lblMaximale.Caption(), QString("10"));
        testsupport::PromptScript prompts;
        prompts.answer(vbOK).answer(vbOK).answer(vbOK).answer(vbOK);
        {
            testsupport::FileSizeLimit limit(2048);
            // Each action of the user is told.
            Omhoog(f.vscrMaximaleLengte);
            DoEvents();
            f.chkPuntenToepassen.userToggled();
            DoEvents();
            f.chkOpening[0].userToggled();
            DoEvents();
            f.txtEMailAdres.userEdited("jan@voorbeeld.nl");
            f.cmdOK.Click();
        }
        QCOMPARE(prompts.count(), 4);
        QVERIFY(prompts.prompts()[0].text.contains(IniBestand));
        QCOMPARE(prompts.prompts()[0].icon(), int(vbExclamation));
        QCOMPARE(f.lblMaximale.Caption(), QString("10"));
        QCOMPARE(f.lstMaximaleLengte.List(f.vscrMaximaleLengte.Value()), QString("10"));
        QCOMPARE(Maxlengte, 10);
        QCOMPARE(f.chkPuntenToepassen.Value(), 1);
        QCOMPARE(MinMaxToepassen, 1);
        QCOMPARE(f.chkOpening[0].Value(), 0);
        QVERIFY(frmVeldom06_IsLoaded());
        QCOMPARE(EigenEmailAdres, QString());
        QCOMPARE(testsupport::ReadTestFile(IniBestand), inhoud);
    }
};

QTEST_MAIN(TestFrmVeldom06)
#include "test_frmveldom06.moc"
