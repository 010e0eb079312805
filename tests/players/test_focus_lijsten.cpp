// The lists of the composer, the names editor and the results entry driven
// with the keyboard alone: Tab and Shift+Tab through the window load,
// select and drop nothing; the arrow keys choose any item; and a proposed
// name in the Save-as dialog is replaced by what the user types.
#include <QApplication>
#include <QDir>
#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "platform/Events.h"
#include "players/frmVeldom04.h"
#include "players/frmVeldom05.h"
#include "results/frmVeldom11.h"
#include "results/StartWedstrijd11.h"
#include "results/WedstrijdBestanden.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"
#include "shared/GroepBestand.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

QWidget* FocusWidget(Form& f) { return f.widget()->focusWidget(); }

void Toets(Form& f, int k) { QTest::keyClick(FocusWidget(f), Qt::Key(k)); }

// Tabs `n` times forward, then as many back; returns the names of the
// controls the focus visited.
QStringList TabRond(Form& f, int n) {
    QStringList bezocht;
    for (int i = 0; i < 2 * n; ++i) {
        Toets(f, i < n ? Qt::Key_Tab : Qt::Key_Backtab);
        if (Control* c = f.ActiveControl()) bezocht << c->Name();
    }
    return bezocht;
}

void SchrijfGroep(const QString& naam, int paren) {
    QVector<groep::Paar> p;
    for (int i = 1; i <= paren; ++i)
        p.push_back({{QStringLiteral("%1 Noord %2").arg(naam).arg(i), QString()},
                     {QStringLiteral("%1 Zuid %2").arg(naam).arg(i), QString()}});
    QString fout;
    QVERIFY2(groep::SchrijfGroep(naam, p, &fout), qPrintable(fout));
}

void SchrijfWedstrijd(const QString& naam, const QString& eerstePaar) {
    QVERIFY(uitslag::SchrijfParen(naam, {"01. " + eerstePaar + " - Bram", "02. Cees - Dirk"}));
}

}  // namespace

class TestFocusLijsten : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;

    void NamenBestand(const QString& naam, int aantal) {
        QByteArray inhoud;
        for (int i = 1; i <= aantal; ++i)
            inhoud += QString("%1|%2 %3|\r\n").arg(i).arg(naam).arg(i, 2, 10, QChar('0')).toLatin1();
        testsupport::WriteTestFile(home->file("namen/" + naam + ".txt"), inhoud);
    }
    void OpenHoofdscherm() {
        frmVeldom01().Show();
        DoEvents();
    }

private slots:
    void init() {
        home.Begin({.instellingen = true});
        NieuweNaam.clear();
    }
    void cleanup() {
        testsupport::PromptScript prompts;
        if (frmVeldom02_IsLoaded()) Unload(frmVeldom02());
        if (frmVeldom04_IsLoaded()) {
            frmVeldom04().GridOpgeslagen();
            Unload(frmVeldom04());
        }
        home.Einde();  // every composer and results window too, however many are open
    }

    void composerTabsThroughWithoutTouchingThePairs() {
        testsupport::PromptScript prompts;
        NamenBestand("Clubleden", 8);
        SchrijfGroep("Maandag", 3);
        QDir().mkpath(home->file("resultaten/Ronde 1"));
        OpenHoofdscherm();
        frmVeldom01().cmdGroepen.Click();
        DoEvents();
        frmVeldom05Form& f = frmVeldom05();
        f.lstNamenBestand.userSelected(f.lstNamenBestand.Items().indexOf("Clubleden"), true);
        DoEvents();
        for (int paar = 0; paar < 2; ++paar) {
            f.msfgResultaat.userClickCell(1, 1);
            f.msfgResultaat.userClickCell(1, 1);
            f.cmdToevoegen.Click();
        }
        const QStringList paren = f.lstMaakGroep.Items();
        QCOMPARE(paren.size(), 2);

        const QStringList bezocht = TabRond(f, 14);
        // The walk passed every list the user could drop or load from.
        for (const char* lijst : {"lstGroepBestand", "lstWedstrijd", "lstMaakGroep"})
            QVERIFY2(bezocht.contains(lijst), lijst);
        QCOMPARE(f.lstMaakGroep.Items(), paren);
        QCOMPARE(f.lstSchaduwMaakGroep.ListCount(), 2);
        QCOMPARE(f.lstGroepBestand.ListIndex(), -1);
        QCOMPARE(f.lstWedstrijd.ListIndex(), -1);
        QVERIFY(NieuweNaam.isEmpty());
        QCOMPARE(prompts.count(), 0);

        // In the pair list the keys only move the highlight; Space drops
        // the highlighted pair, which goes back to the names grid.
        f.lstMaakGroep.SetFocus();
        for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_Up})
            QTest::keyClick(f.lstMaakGroep.widget(), Qt::Key(k));
        // The number pad's arrows, Shift+arrow and a letter that searches
        // move it too, and drop nothing.
        QTest::keyClick(f.lstMaakGroep.widget(), Qt::Key_Down, Qt::KeypadModifier);
        QTest::keyClick(f.lstMaakGroep.widget(), Qt::Key_Up, Qt::KeypadModifier);
        QTest::keyClick(f.lstMaakGroep.widget(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(f.lstMaakGroep.widget(), Qt::Key_0);
        QTest::keyClick(f.lstMaakGroep.widget(), Qt::Key_Home);
        QCOMPARE(f.lstMaakGroep.Items(), paren);
        QCOMPARE(f.lstMaakGroep.ListIndex(), -1);
        const int rijen = f.msfgResultaat.Rows();
        QTest::keyClick(f.lstMaakGroep.widget(), Qt::Key_Space);
        QCOMPARE(f.lstMaakGroep.Items(), QStringList{paren.at(1)}.replaceInStrings("02.", "01."));
        QCOMPARE(f.msfgResultaat.Rows(), rijen + 2);
        QCOMPARE(prompts.count(), 0);
    }

    void namesEditorTabLoadsNoNamesFile() {
        testsupport::PromptScript prompts;
        NamenBestand("Clubleden", 4);
        NamenBestand("Zomer", 4);
        OpenHoofdscherm();
        AanroepScherm = 1;
        frmVeldom04Form& f = frmVeldom04();
        f.Show();
        DoEvents();
        const QStringList bezocht = TabRond(f, 12);
        QVERIFY(bezocht.contains("lstNamenBestand"));
        QCOMPARE(f.lstNamenBestand.ListIndex(), -1);
        QVERIFY(f.msfgResultaat.TextMatrix(1, 1).isEmpty());
        QCOMPARE(prompts.count(), 0);
    }

    void resultsEntryReachesAnyMatchByKeys() {
        testsupport::PromptScript prompts;
        SchrijfGroep("Dinsdaggroep", 4);
        SchrijfGroep("Woensdaggroep", 5);
        SchrijfWedstrijd("Avond 1", "Anna");
        SchrijfWedstrijd("Avond 2", "Bea");
        SchrijfWedstrijd("Avond 3", "Carla");
        SchrijfWedstrijd("Avond 4", "Door");
        frmVeldom11Form& f = OpenInvoer();
        QCOMPARE(f.lstUitslagen.ListCount(), 4);

        const QStringList bezocht = TabRond(f, 10);
        QVERIFY(bezocht.contains("lstGroepen") && bezocht.contains("lstUitslagen"));
        QCOMPARE(f.lstGroepen.ListIndex(), -1);
        QCOMPARE(f.lstUitslagen.ListIndex(), -1);
        QCOMPARE(f.lstParen.ListCount(), 0);

        // Into the match list and down to the third match: each arrow
        // opens the match it lands on, and the focus stays for the next.
        while (f.ActiveControl() != &f.lstUitslagen) Toets(f, Qt::Key_Tab);
        QCOMPARE(f.lstUitslagen.ListIndex(), -1);
        Toets(f, Qt::Key_Down);
        Toets(f, Qt::Key_Down);
        Toets(f, Qt::Key_Down);
        QCOMPARE(f.lstUitslagen.Text(), QString("Avond 3"));
        QCOMPARE(SessieNaam, QString("Avond 3"));
        QVERIFY(f.lstParen.List(0).contains("Carla"));
        QCOMPARE(FocusWidget(f), f.lstUitslagen.widget());

        // The same in the group list, from the last item up.
        while (f.ActiveControl() != &f.lstGroepen) Toets(f, Qt::Key_Backtab);
        auto paren = [](const QString& groep) { return groep == "Dinsdaggroep" ? 4 : 5; };
        Toets(f, Qt::Key_End);
        QCOMPARE(f.lstGroepen.ListIndex(), 1);
        QCOMPARE(f.lstParen.ListCount(), paren(f.lstGroepen.Text()));
        Toets(f, Qt::Key_Up);
        QCOMPARE(f.lstGroepen.ListIndex(), 0);
        QCOMPARE(f.lstParen.ListCount(), paren(f.lstGroepen.Text()));
        QCOMPARE(FocusWidget(f), f.lstGroepen.widget());
        QCOMPARE(f.lstUitslagen.ListIndex(), -1);
        QCOMPARE(prompts.count(), 0);
    }

    void aProposedMatchNameIsReplacedByTyping() {
        testsupport::PromptScript prompts;
        SchrijfGroep("Dinsdaggroep", 4);
        frmVeldom11Form& f = OpenInvoer();
        f.lstGroepen.SetListIndex(f.lstGroepen.Items().indexOf("Dinsdaggroep"));
        NieuweNaam = "Dinsdaggroep";
        f.cmdOpslaanAls.Click();
        DoEvents();
        QVERIFY(frmVeldom02_IsLoaded());
        frmVeldom02Form& d = frmVeldom02();
        QCOMPARE(d.txtBestandsNaam.Text(), QString("Dinsdaggroep"));
        QCOMPARE(FocusWidget(d), d.txtBestandsNaam.widget());
        QTest::keyClicks(FocusWidget(d), "Dinsdag 11-12");
        QCOMPARE(d.txtBestandsNaam.Text(), QString("Dinsdag 11-12"));
        QTest::keyClick(FocusWidget(d), Qt::Key_Return);
        DoEvents();
        QVERIFY(!frmVeldom02_IsLoaded());
        QVERIFY(QDir(home->file("resultaten/Dinsdag 11-12")).exists());
        QVERIFY(!QDir(home->file("resultaten/DinsdaggroepDinsdag 11-12")).exists());
    }
};

QTEST_MAIN(TestFocusLijsten)
#include "test_focus_lijsten.moc"
