// Windows driven from the keyboard and opened again in one run: the main
// window's board-count spinner steps at every arrow key, and the settings
// window opens the same however its earlier instance was sized.
#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "platform/Events.h"
#include "platform/Profile.h"
#include "settings/frmVeldom06.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

// Place, size and font of every control of a window.
QStringList Indeling(Form& f) {
    QStringList uit;
    for (Control* c : f.Controls())
        uit << QStringLiteral("%1 %2,%3 %4x%5 %6")
                   .arg(c->Name())
                   .arg(c->Left())
                   .arg(c->Top())
                   .arg(c->Width())
                   .arg(c->Height())
                   .arg(c->HasFont() ? c->FontSize() : 0.0);
    return uit;
}

}  // namespace

class TestVenstersToetsen : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;

private slots:
    void init() {
        home.Begin({.instellingen = true});
    }
    void cleanup() {
        home.Einde();
    }

    void boardCountFrom24To3WithTheArrowKey() {
        testsupport::PromptScript geenVragen;
        frmVeldom01Form& f = frmVeldom01();
        f.Show();
        DoEvents();
        QCOMPARE(f.lblSpellen.Caption(), QString("24"));
        f.cmdFocus.SetFocus();
        QTest::keyClick(f.widget()->focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.widget()->focusWidget(), f.vscrSpellen.widget());
        int toetsen = 0;
        while (f.lblSpellen.Caption() != "3" && toetsen < 60) {
            QTest::keyClick(f.widget()->focusWidget(), Qt::Key_Down);
            ++toetsen;
        }
        QCOMPARE(toetsen, 21);
        QCOMPARE(f.widget()->focusWidget(), f.vscrSpellen.widget());
        LeesIni("Standaard", "Spellen", IniBestand);
        QCOMPARE(IniWaarde, QString("3"));
        // Page Up steps on as well, and Up goes back one.
        QTest::keyClick(f.widget()->focusWidget(), Qt::Key_PageUp);
        QVERIFY(f.lblSpellen.Caption().toInt() > 3);
        const int na = f.lblSpellen.Caption().toInt();
        QTest::keyClick(f.widget()->focusWidget(), Qt::Key_Up);
        QCOMPARE(f.lblSpellen.Caption().toInt(), na + 1);
    }

    void aTinyStoredSizeOpensTheDesignSize() {
        testsupport::PromptScript geenVragen;
        frmVeldom01().Show();
        DoEvents();
        AanroepScherm = 1;
        frmVeldom06().Show();
        DoEvents();
        const int breedte = frmVeldom06().Width(), hoogte = frmVeldom06().Height();
        const QStringList ontwerp = Indeling(frmVeldom06());
        Unload(frmVeldom06());
        DoEvents();
        WriteProfileString(IniBestand, "Beeldscherm", "ToonScherm", "1");
        WriteProfileString(SchermIniBestand(), "frmVeldom06", "State", "15,15");
        AanroepScherm = 1;
        frmVeldom06().Show();
        DoEvents();
        QCOMPARE(frmVeldom06().Width(), breedte);
        QCOMPARE(frmVeldom06().Height(), hoogte);
        QCOMPARE(Indeling(frmVeldom06()), ontwerp);
        Unload(frmVeldom06());
        DoEvents();
        QCOMPARE(ReadProfileString(SchermIniBestand(), "frmVeldom06", "State"),
                 QStringLiteral("%1,%2").arg(breedte).arg(hoogte));
    }

    void settingsWindowOpensTheSameEveryTime() {
        testsupport::PromptScript geenVragen;
        frmVeldom01().Show();
        DoEvents();
        AanroepScherm = 1;
        frmVeldom06().Show();
        DoEvents();
        const QStringList eerst = Indeling(frmVeldom06());
        const int breedte = frmVeldom06().Width(), hoogte = frmVeldom06().Height();
        for (double maal : {1.6, 0.7, 2.0}) {
            frmVeldom06().Move(0, 0, breedte * maal, hoogte * maal);
            DoEvents();
            Unload(frmVeldom06());
            DoEvents();
            AanroepScherm = 1;
            frmVeldom06().Show();
            DoEvents();
            QCOMPARE(frmVeldom06().Width(), breedte);
            QCOMPARE(Indeling(frmVeldom06()), eerst);
        }
    }
};

QTEST_MAIN(TestVenstersToetsen)
#include "test_vensters_toetsen.moc"
