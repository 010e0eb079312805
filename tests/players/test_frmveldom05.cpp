// The group composer as the user works in it: composing pairs from a names
// file, the seat labels and the Save button at every count, the 40-pair
// limit, saving a group and a match through the Save-as dialog, opening,
// renaming and deleting them.

#include <QDir>
#include <QFile>
#include <QtTest>
#include <memory>
#include <unistd.h>

#include "main/frmVeldom01.h"
#include "platform/Events.h"
#include "players/frmVeldom05.h"
#include "players/GroepWedstrijd.h"
#include "results/WedstrijdBestanden.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"
#include "shared/GroepBestand.h"
#include "support/GewoneGebruiker.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

QStringList Kolom(const Grid& g, int c) {
    QStringList out;
    for (int r = 1; r < g.Rows(); ++r) out << g.TextMatrix(r, c);
    return out;
}

void Kies(ListBox& lst, const QString& tekst) {
    const int i = lst.Items().indexOf(tekst);
    QVERIFY2(i >= 0, qPrintable(tekst));
    lst.userSelected(i, true);
    DoEvents();
}

// Picks the first two players of the grid and adds them as a pair.
void VoegPaarToe(frmVeldom05Form& f) {
    f.msfgResultaat.userClickCell(1, 1);
    f.msfgResultaat.userClickCell(1, 1);
    QVERIFY(f.cmdToevoegen.Enabled());
    f.cmdToevoegen.Click();
}

QString Wind(frmVeldom05Form& f) { return f.lblWind[0].Caption() + f.lblWind[1].Caption(); }

}  // namespace

class TestFrmVeldom05 : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;

    void NamenBestand(const QString& naam, int aantal, const QString& voor = "Speler") {
        QByteArray inhoud;
        for (int i = 1; i <= aantal; ++i)
            inhoud += QString("%1|%2 %3|%4@club.nl\r\n").arg(i).arg(voor).arg(i, 2, 10, QChar('0')).arg(i).toLatin1();
        testsupport::WriteTestFile(home->file("namen/" + naam + ".txt"), inhoud);
    }
    frmVeldom05Form& Open() {
        frmVeldom01().Show();
        DoEvents();
        frmVeldom01().cmdGroepen.Click();
        DoEvents();
        return frmVeldom05();
    }
    // Save through the Save-as dialog; true when it closed.
    bool Bewaar(frmVeldom05Form& f, const QString& naam, bool ok = true) {
        f.cmdOpslaan.Click();
        DoEvents();
        if (!frmVeldom02_IsLoaded() || f.Enabled() || AanroepScherm != 5) return false;
        frmVeldom02Form& d = frmVeldom02();
        d.txtBestandsNaam.userEdited(naam);
        (ok ? d.cmdOK : d.cmdTerug).Click();
        DoEvents();
        return !frmVeldom02_IsLoaded() && f.Enabled();
    }

private slots:
    void init() {
        home.Begin({.instellingen = true});
        NieuweNaam.clear();
        SchrijfIni("Standaard", "Spellen", "3", IniBestand);
    }
    void cleanup() {
        testsupport::PromptScript prompts;
        home.Einde();
    }

    void composeEightPairsSaveGroupCreateMatchReopenBoth() {
        testsupport::PromptScript prompts;
        NamenBestand("Clubleden", 16);
        QDir().mkpath(home->file("resultaten/Ronde 1"));
        frmVeldom05Form& f = Open();
        QVERIFY(!frmVeldom01().Enabled());
        QCOMPARE(f.Caption(), QString("Groep samenstellen"));
        QVERIFY(!f.fraGroepBestand.Enabled());
        QVERIFY(!f.cmdOpslaan.Enabled());
        Kies(f.lstNamenBestand, "Clubleden");
        QVERIFY(f.fraGroepBestand.Enabled() && f.fraWedstrijd.Enabled());
        QCOMPARE(f.msfgResultaat.Rows(), 17);
        for (int k = 1; k <= 8; ++k) {
            // The seats of pair k: odd North-South, even East-West.
            QCOMPARE(Wind(f), k % 2 ? QString("Noord:Zuid:") : QString("Oost:West:"));
            VoegPaarToe(f);
            QCOMPARE(f.cmdOpslaan.Enabled(), k % 2 == 0);
        }
        QCOMPARE(f.fraMaakGroep.Caption(), QString("Groep (8)"));
        QCOMPARE(f.lstMaakGroep.List(0), QString("01. Speler 01 - Speler 02"));
        QCOMPARE(f.lstSchaduwMaakGroep.List(7), QString("08. Speler 15|15@club.nl - Speler 16|16@club.nl"));
        // Every player is in a pair: the grid holds its empty row only, and
        // a click on it picks no one.
        QCOMPARE(f.msfgResultaat.Rows(), 2);
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({""}));
        f.msfgResultaat.userClickCell(1, 1);
        QVERIFY(f.lblNaam[0].Caption().isEmpty());

        QVERIFY(Bewaar(f, "Dinsdag"));
        QVERIFY(!f.cmdOpslaan.Enabled());
        QCOMPARE(f.lstGroepBestand.Items(), QStringList({"Dinsdag"}));
        QVector<groep::Paar> paren;
        QVERIFY(groep::LeesGroep("Dinsdag", paren));
        QCOMPARE(paren.size(), 8);
        QCOMPARE(groep::PaarRegels(paren), f.lstSchaduwMaakGroep.Items());

        // A new (empty) match folder takes the composed pairs.
        Kies(f.lstWedstrijd, "Ronde 1");
        QCOMPARE(NieuweNaam, QString("Ronde 1"));
        QCOMPARE(f.lstMaakGroep.ListCount(), 8);
        QVERIFY(Bewaar(f, "Ronde 1"));
        QStringList items;
        QVERIFY(uitslag::LeesParen("Ronde 1", items).Gelukt());
        QCOMPARE(items, f.lstMaakGroep.Items());
        QCOMPARE(testsupport::ReadTestFile(home->file("resultaten/Ronde 1/Ronde 1 klaar.txt")), QByteArray("000\r\n"));

        // Reopen the window, then the group and the match.
        const QStringList samengesteld = f.lstMaakGroep.Items();
        f.cmdTerug.Click();
        DoEvents();
        QVERIFY(frmVeldom01().Enabled());
        frmVeldom05Form& g = Open();
        QCOMPARE(g.lstMaakGroep.ListCount(), 0);
        Kies(g.lstNamenBestand, "Clubleden");
        // Two players picked from the grid go back when the group opens.
        g.msfgResultaat.userClickCell(3, 1);
        Kies(g.lstGroepBestand, "Dinsdag");
        QCOMPARE(g.lstMaakGroep.Items(), samengesteld);
        QCOMPARE(g.msfgResultaat.Rows(), 2);
        QVERIFY(g.lblNaam[0].Caption().isEmpty());
        QVERIFY(g.cmdOpslaan.Enabled());
        QCOMPARE(NieuweNaam, QString("Dinsdag"));
        Kies(g.lstWedstrijd, "Ronde 1");
        QCOMPARE(g.lstGroepBestand.ListIndex(), -1);
        QCOMPARE(g.lstMaakGroep.ListCount(), 8);
        QCOMPARE(g.lstSchaduwMaakGroep.List(0), QString("01. Speler 01|1@club.nl - Speler 02|2@club.nl"));
    }

    void seatsAtEveryCountFortyPairLimitAndDrops() {
        testsupport::PromptScript prompts;
        NamenBestand("Groot", 84);
        frmVeldom05Form& f = Open();
        Kies(f.lstNamenBestand, "Groot");
        for (int k = 1; k <= 40; ++k) {
            if (k == 40) prompts.answer(vbOK);
            VoegPaarToe(f);
            QCOMPARE(Wind(f), k % 2 ? QString("Oost:West:") : QString("Noord:Zuid:"));
            QCOMPARE(f.cmdOpslaan.Enabled(), k % 2 == 0);
            QCOMPARE(prompts.count(), k == 40 ? 1 : 0);
        }
        QCOMPARE(prompts.last().text, TaalTekst(132));
        // No 41st pair: the grid takes no click.
        QVERIFY(!f.msfgResultaat.Enabled());
        f.msfgResultaat.userClickCell(1, 1);
        f.cmdToevoegen.Click();
        QCOMPARE(f.lstMaakGroep.ListCount(), 40);
        // Dropping pair 02: its players go back sorted, the lists renumber.
        f.lstMaakGroep.userSelected(1, true);
        DoEvents();
        QCOMPARE(f.lstMaakGroep.ListCount(), 39);
        QCOMPARE(f.lstMaakGroep.List(1), QString("02. Speler 05 - Speler 06"));
        QCOMPARE(f.lstSchaduwMaakGroep.List(1), QString("02. Speler 05|5@club.nl - Speler 06|6@club.nl"));
        QCOMPARE(Kolom(f.msfgResultaat, 1).mid(0, 3), QStringList({"Speler 03", "Speler 04", "Speler 81"}));
        QCOMPARE(Kolom(f.msfgResultaat, 0).mid(0, 3), QStringList({"1", "2", "3"}));
        QCOMPARE(Wind(f), QString("Oost:West:"));
        QVERIFY(!f.cmdOpslaan.Enabled());
        QVERIFY(!f.msfgResultaat.Enabled());
        // A click on the list with nothing under it changes nothing.
        f.lstMaakGroep.userSelected(-1, true);
        QCOMPARE(f.lstMaakGroep.ListCount(), 39);

        // Choosing the names file again empties the group and allows picks.
        Kies(f.lstNamenBestand, "Groot");
        QVERIFY(f.msfgResultaat.Enabled());
        QCOMPARE(f.lstMaakGroep.ListCount(), 0);
        QCOMPARE(f.fraMaakGroep.Caption(), QString("Groep"));
        // A complete pending pair stays addable after a drop.
        VoegPaarToe(f);
        VoegPaarToe(f);
        f.msfgResultaat.userClickCell(1, 1);
        f.msfgResultaat.userClickCell(1, 1);
        f.lstMaakGroep.userSelected(0, true);
        DoEvents();
        QCOMPARE(Wind(f), QString("Oost:West:"));
        QVERIFY(f.cmdToevoegen.Enabled());
        f.cmdToevoegen.Click();
        QCOMPARE(f.lstMaakGroep.ListCount(), 2);
        QVERIFY(f.cmdOpslaan.Enabled());
        // Down to none: the bare caption, North-South, no Save.
        f.lstMaakGroep.userSelected(0, true);
        f.lstMaakGroep.userSelected(0, true);
        QCOMPARE(f.fraMaakGroep.Caption(), QString("Groep"));
        QCOMPARE(Wind(f), QString("Noord:Zuid:"));
        QVERIFY(!f.cmdOpslaan.Enabled());
    }

    void saveCancelledOverwriteAndWriteErrors() {
        testsupport::PromptScript prompts;
        NamenBestand("Leden", 8);
        testsupport::WriteTestFile(home->file("groepen/Vast.txt"), "01. X| - Y|\r\n");
        frmVeldom05Form& f = Open();
        Kies(f.lstNamenBestand, "Leden");
        VoegPaarToe(f);
        VoegPaarToe(f);
        // Cancelled: nothing written, Save still possible.
        QVERIFY(Bewaar(f, "Nieuw", false));
        QVERIFY(!QFileInfo::exists(home->file("groepen/Nieuw.txt")));
        QVERIFY(f.cmdOpslaan.Enabled());
        // An existing group: overwritten only after Yes to text 46.
        prompts.answer(vbNo);
        QVERIFY(Bewaar(f, "Vast"));
        QVERIFY(prompts.last().text.startsWith("Het bestand Vast.txt bestaat al."));
        QCOMPARE(testsupport::ReadTestFile(home->file("groepen/Vast.txt")), QByteArray("01. X| - Y|\r\n"));
        QVERIFY(f.cmdOpslaan.Enabled());
        prompts.answer(vbYes);
        QVERIFY(Bewaar(f, "Vast"));
        QVector<groep::Paar> paren;
        QVERIFY(groep::LeesGroep("Vast", paren));
        QCOMPARE(paren.size(), 2);
        // A write that fails is reported and keeps the dialog open.
        QDir().mkpath(home->file("groepen/Map.txt"));
        prompts.answer(vbOK);
        QVERIFY(!Bewaar(f, "Map"));
        QCOMPARE(prompts.count(), 3);
        QVERIFY(prompts.last().text.contains("Map.txt"));
        Unload(frmVeldom02());
        DoEvents();
        QVERIFY(f.Enabled());
        // A match without a board count setting is not made.
        SchrijfIni("Standaard", "Spellen", "", IniBestand);
        QDir().mkpath(home->file("resultaten/Nul"));
        f.VulWedstrijden();
        Kies(f.lstWedstrijd, "Nul");
        prompts.answer(vbOK);
        QVERIFY(!Bewaar(f, "Nul"));
        QCOMPARE(prompts.last().text, TaalTekst(367));
        QVERIFY(!QFileInfo::exists(home->file("resultaten/Nul/Nul.txt")));
        Unload(frmVeldom02());
        DoEvents();
    }

    // A stored pairs file with a line that is no pair is not opened in part:
    // saved, the pairs after the line would take its number and results.
    void aMatchWhosePairsFileHoldsALineThatIsNoPairIsNotOpened() {
        testsupport::PromptScript prompts;
        NamenBestand("Leden", 8);
        QVERIFY(groep::BewaarWedstrijd("Kapot", {{{"A1", ""}, {"B1", ""}}, {{"A2", ""}, {"B2", ""}}}, 2));
        const QByteArray paren = "01. A1| - B1|\r\n02. A2\r\n03. A3| - B3|\r\n04. A4| - B4|\r\n";
        testsupport::WriteTestFile(home->file("resultaten/Kapot/Kapot.txt"), paren);
        frmVeldom05Form& f = Open();
        Kies(f.lstNamenBestand, "Leden");
        prompts.answer(vbOK);
        Kies(f.lstWedstrijd, "Kapot");
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, QString("Het bestand Kapot.txt kan niet worden geopend: regel 2 is geen geldig paar."));
        QCOMPARE(f.lstMaakGroep.ListCount(), 0);
        QCOMPARE(f.lstWedstrijd.ListIndex(), -1);
        QCOMPARE(testsupport::ReadTestFile(home->file("resultaten/Kapot/Kapot.txt")), paren);
    }

    void aMatchWithResultsKeepsThemWithItsPlayers() {
        testsupport::PromptScript prompts;
        NamenBestand("Leden", 8);
        QVector<groep::Paar> oud;
        for (int i = 1; i <= 4; i += 2)
            oud << groep::Paar{{QString("Speler %1").arg(i, 2, 10, QChar('0')), ""},
                               {QString("Speler %1").arg(i + 1, 2, 10, QChar('0')), ""}};
        QVERIFY(groep::BewaarWedstrijd("Ronde 2", oud, 3));
        std::vector<QStringList> rijen;
        QVERIFY(uitslag::LeesOverzicht("Ronde 2", rijen).Gelukt());
        rijen[2][1] = "60";  // pair 2 earned a result on board 1
        QVERIFY(uitslag::SchrijfOverzicht("Ronde 2", rijen));
        frmVeldom05Form& f = Open();
        Kies(f.lstNamenBestand, "Leden");
        // A pair picked before the match is opened goes back to the grid.
        VoegPaarToe(f);
        Kies(f.lstWedstrijd, "Ronde 2");
        QCOMPARE(f.lstMaakGroep.Items(), QStringList({"01. Speler 01 - Speler 02", "02. Speler 03 - Speler 04"}));
        // Its players are out of the grid: none can be paired twice.
        QCOMPARE(Kolom(f.msfgResultaat, 1),
                 QStringList({"Speler 05", "Speler 06", "Speler 07", "Speler 08"}));
        QCOMPARE(Kolom(f.msfgResultaat, 0), QStringList({"1", "2", "3", "4"}));
        // Dropping pair 1 would make pair 2's players pair 1 and give pair
        // 1's players their result: refused, with the reason.
        prompts.answer(vbOK);
        f.lstMaakGroep.userSelected(0, true);
        QVERIFY(prompts.last().text.startsWith("De wedstrijd Ronde 2 heeft al uitslagen.\n\n"));
        QVERIFY(prompts.last().text.contains("paarnummers"));
        QCOMPARE(f.lstMaakGroep.ListCount(), 2);
        QCOMPARE(f.lstSchaduwMaakGroep.ListCount(), 2);
        QCOMPARE(f.msfgResultaat.Rows(), 5);
        // Pairs can be added, and a pair added since may go again; the
        // re-save keeps every result in its row.
        VoegPaarToe(f);
        VoegPaarToe(f);
        f.lstMaakGroep.userSelected(3, true);
        QCOMPARE(f.lstMaakGroep.ListCount(), 3);
        QCOMPARE(prompts.count(), 1);
        VoegPaarToe(f);
        prompts.answer(vbYes);
        QVERIFY(Bewaar(f, "Ronde 2"));
        QStringList items;
        QVERIFY(uitslag::LeesParen("Ronde 2", items).Gelukt());
        QCOMPARE(items.size(), 4);
        QVERIFY(uitslag::LeesOverzicht("Ronde 2", rijen).Gelukt());
        QCOMPARE(rijen[2], QStringList({"02. Speler 03 - Speler 04", "60", "", ""}));
        QCOMPARE(rijen[3].at(0), QString("03. Speler 05 - Speler 06"));
        // Saved under another match with results whose pairs differ: refused.
        QVERIFY(groep::BewaarWedstrijd("Vreemd", oud.mid(1), 3));
        QVERIFY(uitslag::SchrijfKlaar("Vreemd", "100"));
        const QByteArray vreemd = testsupport::ReadTestFile(home->file("resultaten/Vreemd/Vreemd overzicht.txt"));
        f.VulWedstrijden();
        Kies(f.lstWedstrijd, "Ronde 2");
        prompts.answer(vbYes).answer(vbOK);
        QVERIFY(Bewaar(f, "Vreemd"));
        QVERIFY2(prompts.last().text.startsWith("De wedstrijd Vreemd heeft al uitslagen."), qPrintable(prompts.last().text));
        QCOMPARE(testsupport::ReadTestFile(home->file("resultaten/Vreemd/Vreemd overzicht.txt")), vreemd);
    }

    void aMatchWhoseFilesCannotBeReadIsNotRewritten() {
        testsupport::PromptScript prompts;
        NamenBestand("Leden", 4);
        QVector<groep::Paar> twee{{{"A", ""}, {"B", ""}}, {{"C", ""}, {"D", ""}}};
        QVERIFY(groep::BewaarWedstrijd("R", twee, 3));
        QVERIFY(uitslag::SchrijfKlaar("R", "110"));
        const QString map = home->file("resultaten/R/");
        testsupport::WriteTestFile(map + "R.spellen", "\xFF\xFE\r\n");
        const QByteArray overzicht = testsupport::ReadTestFile(map + "R overzicht.txt");
        frmVeldom05Form& f = Open();
        Kies(f.lstNamenBestand, "Leden");
        Kies(f.lstWedstrijd, "R");
        prompts.answer(vbYes).answer(vbOK);
        QVERIFY(Bewaar(f, "R"));
        QVERIFY2(prompts.last().text.startsWith("De wedstrijd R is niet opnieuw bewaard: het bestand R.spellen"),
                 qPrintable(prompts.last().text));
        QCOMPARE(prompts.last().icon(), int(vbExclamation));
        QCOMPARE(testsupport::ReadTestFile(map + "R klaar.txt"), QByteArray("110\r\n"));
        QCOMPARE(testsupport::ReadTestFile(map + "R overzicht.txt"), overzicht);
        QVERIFY(f.cmdOpslaan.Enabled());
    }

    void namesThatWouldBreakAPairOrABoardFileAreRefused() {
        testsupport::PromptScript prompts;
        testsupport::WriteTestFile(home->file("namen/Leden.txt"),
                                   "1|Jan - Piet|j@x.nl\r\n2|Tilde~Man|t@x.nl\r\n3|Els|e@x.nl\r\n4|Kees|k@x.nl\r\n"
                                   "5|Anna|a@x.nl\r\n6|Bert|b@x.nl\r\n");
        frmVeldom05Form& f = Open();
        Kies(f.lstNamenBestand, "Leden");
        // Neither can be picked: each stays in the grid, nobody else leaves it.
        prompts.answer(vbOK).answer(vbOK);
        f.msfgResultaat.userClickCell(1, 1);
        QVERIFY(prompts.last().text.startsWith("De speler Jan - Piet kan niet in een paar worden gezet."));
        f.msfgResultaat.userClickCell(2, 1);
        QVERIFY(prompts.last().text.contains("\"~\""));
        QCOMPARE(f.lblNaam[0].Caption(), QString());
        QCOMPARE(f.msfgResultaat.Rows(), 7);
        // A group file line with two " - ": the group is not opened.
        testsupport::WriteTestFile(home->file("groepen/G.txt"), "01. Els|e@x.nl - Kees|\r\n02. Jan - Piet| - Els|\r\n");
        f.VulGroepBestanden();
        prompts.answer(vbOK);
        Kies(f.lstGroepBestand, "G");
        QVERIFY2(prompts.last().text.startsWith("Het bestand G.txt kan niet worden geopend: regel 2"),
                 qPrintable(prompts.last().text));
        QCOMPARE(f.lstMaakGroep.ListCount(), 0);
        QCOMPARE(f.msfgResultaat.Rows(), 7);
        // A match named like a board's result file: refused, dialog open.
        for (int paar = 0; paar < 2; ++paar) {
            f.msfgResultaat.userClickCell(3, 1);
            f.msfgResultaat.userClickCell(3, 1);
            f.cmdToevoegen.Click();
        }
        QCOMPARE(f.lstMaakGroep.Items(), QStringList({"01. Els - Kees", "02. Anna - Bert"}));
        QDir().mkpath(home->file("resultaten/Leeg"));
        f.VulWedstrijden();
        Kies(f.lstWedstrijd, "Leeg");
        prompts.answer(vbOK);
        QVERIFY(!Bewaar(f, "Spel 03 Drovik"));
        QCOMPARE(prompts.last().text,
                 QString("De naam Spel 03 Drovik kan niet voor een wedstrijd worden gebruikt: zo heet ook het "
                         "uitslagbestand van een spel."));
        QVERIFY(!QFileInfo::exists(home->file("resultaten/Spel 03 Drovik")));
        // A name the files' code page cannot hold: named, nothing made.
        prompts.answer(vbOK);
        frmVeldom02().txtBestandsNaam.userEdited(QString::fromUtf8("Łódź"));
        frmVeldom02().cmdOK.Click();
        DoEvents();
        QVERIFY(frmVeldom02_IsLoaded());
        QVERIFY(prompts.last().text.contains(QString::fromUtf8("bewaard: Ł ź")));
        QVERIFY(!QFileInfo::exists(home->file(QString::fromUtf8("resultaten/Łódź"))));
        Unload(frmVeldom02());
        DoEvents();
    }

    void renamesAndDeletesThatCannotHappenSaySo() {
        testsupport::PromptScript prompts;
        NamenBestand("Leden", 4);
        testsupport::WriteTestFile(home->file("groepen/Dinsdag.TXT"), "01. Speler 01| - Speler 02|\r\n");
        testsupport::WriteTestFile(home->file("groepen/Vrijdag.txt"), "01. Speler 01| - Speler 02|\r\n");
        frmVeldom05Form& f = Open();
        Kies(f.lstNamenBestand, "Leden");
        Kies(f.lstGroepBestand, "Dinsdag");
        QCOMPARE(f.lstMaakGroep.Items(), QStringList({"01. Speler 01 - Speler 02"}));
        // A name the files' code page cannot hold is named, not changed.
        prompts.answer(vbOK);
        f.txtWijzig.userEdited(QString::fromUtf8("Łódź"));
        f.cmdOK.Click();
        QVERIFY2(prompts.last().text.contains(QString::fromUtf8("bewaard: Ł ź\n")), qPrintable(prompts.last().text));
        QVERIFY(QFileInfo::exists(home->file("groepen/Dinsdag.TXT")));
        // A name that differs only in case from another file is in use.
        prompts.answer(vbOK);
        f.txtWijzig.userEdited("vrijdag");
        f.cmdOK.Click();
        QCOMPARE(prompts.last().text, QString("De naam vrijdag is al in gebruik."));
        f.txtWijzig.userEdited("Woensdag");
        f.cmdOK.Click();
        QCOMPARE(QDir(home->file("groepen")).entryList(QDir::Files), QStringList({"Vrijdag.txt", "Woensdag.TXT"}));
        // Renamed again from its new name.
        f.txtWijzig.userEdited("Donderdag");
        f.cmdOK.Click();
        QVERIFY(QFileInfo::exists(home->file("groepen/Donderdag.TXT")));
        Kies(f.lstGroepBestand, "Vrijdag");
        prompts.answer(vbYes).answer(vbOK);
        testsupport::AlsGewoneGebruikerInLeesMap(home->path(), home->file("groepen"), [&] { f.cmdWisGroep.Click(); });
        QVERIFY(prompts.last().text.startsWith("Het bestand Vrijdag.txt kan niet worden gewist."));
        QVERIFY(QFileInfo::exists(home->file("groepen/Vrijdag.txt")));
        QCOMPARE(f.lstMaakGroep.ListCount(), 1);
    }

    void openGroupTakesExactlyItsPlayersAndRemembersTheNamesFileByName() {
        testsupport::PromptScript prompts;
        testsupport::WriteTestFile(home->file("namen/Leden.txt"),
                                   "1|Jan|j@x.nl\r\n2|Jan de Vries|v@x.nl\r\n3|Els|e@x.nl\r\n4|Kees|k@x.nl\r\n");
        testsupport::WriteTestFile(home->file("groepen/G.txt"), "01. Jan|j@x.nl - Els|\r\n\r\n");
        frmVeldom05Form& f = Open();
        Kies(f.lstNamenBestand, "Leden");
        // A new names file that sorts before it moves it in the list.
        testsupport::WriteTestFile(home->file("namen/Aaa.txt"), "1|Vreemd|\r\n");
        f.VulNamenBestanden();
        f.msfgResultaat.userClickCell(4, 1);
        Kies(f.lstGroepBestand, "G");
        QCOMPARE(f.lstMaakGroep.Items(), QStringList({"01. Jan - Els"}));
        QCOMPARE(Kolom(f.msfgResultaat, 1), QStringList({"Jan de Vries", "Kees"}));
        QCOMPARE(Kolom(f.msfgResultaat, 0), QStringList({"1", "2"}));
    }

    void renameAndDelete() {
        testsupport::PromptScript prompts;
        NamenBestand("Leden", 4);
        QVector<groep::Paar> twee{{{"A", ""}, {"B", ""}}, {{"C", ""}, {"D", ""}}};
        QVERIFY(groep::BewaarWedstrijd("Spel", twee, 2));
        QVERIFY(uitslag::BewaarSpel("Spel", 1, {{"1 - 2", "", "", "", "", "", ""}}, "SHRK", true));
        frmVeldom05Form& f = Open();
        Kies(f.lstNamenBestand, "Leden");
        Kies(f.lstWedstrijd, "Spel");
        QCOMPARE(f.txtWijzig.Text(), QString("Spel"));
        // A refused character is dropped with the message.
        prompts.answer(vbOK);
        int key = '.';
        f.txtWijzig_KeyPress(key);
        QCOMPARE(key, 0);
        f.txtWijzig.userEdited("Ronde 9");
        int enter = vbKeyReturn;
        f.txtWijzig_KeyPress(enter);
        QCOMPARE(f.lstWedstrijd.Items(), QStringList({"Ronde 9"}));
        QVERIFY(QFileInfo::exists(home->file("resultaten/Ronde 9/Spel 01 Drovik.txt")));
        QVERIFY(QFileInfo::exists(home->file("resultaten/Ronde 9/Ronde 9.txt")));
        // A name in use or a refused name keeps the old one.
        QDir().mkpath(home->file("resultaten/Bezet"));
        prompts.answer(vbOK).answer(vbOK);
        f.txtWijzig.userEdited("Bezet");
        f.cmdOK.Click();
        f.txtWijzig.userEdited("a/b");
        f.cmdOK.Click();
        QCOMPARE(prompts.count(), 3);
        QVERIFY(QFileInfo::exists(home->file("resultaten/Ronde 9/Ronde 9.txt")));
        // A name too long for the match's files is refused whole.
        prompts.answer(vbOK);
        f.txtWijzig.userEdited(QString(250, 'x'));
        f.cmdOK.Click();
        QCOMPARE(prompts.last().text, TaalTekst(250).replace("|", "\n"));
        QCOMPARE(QDir(home->file("resultaten")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList({"Bezet", "Ronde 9"}));
        QVERIFY(QFileInfo::exists(home->file("resultaten/Ronde 9/Ronde 9 overzicht.txt")));
        // Rename of the names file keeps it as the one opened.
        Kies(f.lstNamenBestand, "Leden");
        f.txtWijzig.userEdited("Leden 2026");
        f.cmdOK.Click();
        QCOMPARE(f.lstNamenBestand.Items(), QStringList({"Leden 2026"}));
        // Delete a match: No keeps it, Yes removes the folder.
        f.VulWedstrijden();
        Kies(f.lstWedstrijd, "Ronde 9");
        prompts.answer(vbNo);
        f.cmdWisWedstrijd.Click();
        QVERIFY(QFileInfo::exists(home->file("resultaten/Ronde 9")));
        QCOMPARE(prompts.last().text, QString("De wedstrijd Ronde 9 wissen.\n\nZeker weten?"));
        prompts.answer(vbYes);
        f.cmdWisWedstrijd.Click();
        QVERIFY(!QFileInfo::exists(home->file("resultaten/Ronde 9")));
        QCOMPARE(f.lstWedstrijd.Items(), QStringList({"Bezet"}));
        // The opened names file comes back after the delete.
        QCOMPARE(f.msfgResultaat.Rows(), 5);
    }
};

QTEST_MAIN(TestFrmVeldom05)
#include "test_frmveldom05.moc"
