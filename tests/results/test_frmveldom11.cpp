// The results entry window opened from the main window: a group saved as a
// match, a whole session of 8 pairs and 24 boards typed key by key in both
// entry modes (with a repeated entry, a copied row, a re-edited row, a
// swapped pair, a table that did not play and an adjusted score), closed,
// reopened and found as entered; in Dutch and in English. Then the sound
// behaviour around it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "results/ContractNotatie.h"
#include "results/frmVeldom11.h"
#include "results/frmVeldom12.h"
#include "results/frmVeldom13.h"
#include "results/InvoerRegels.h"
#include "results/Matchpunten.h"
#include "results/SchrijfWachtrij.h"
#include "results/Score.h"
#include "results/StartWedstrijd11.h"
#include "results/VulAlleSpellen11.h"
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

// One table of the expected session: the entry as it should stand (Dutch
// letters), or an adjusted score.
struct Tafel {
    QString paar;
    QString invoer;
    QString arbNZ, arbOW;
};

const QStringList Contracten = {"4scz", "3h+1n", "3a-1w", "4hc!n", "3a-2!!w", "2s+1!n",
                                "p",    "1a+1!!n", "6acn", "2r-1o", "5kcz",   "3ac!o"};

// The entry in the letters of the language (the strain is the only letter
// that differs).
QString InTaal(QString invoer, int taal) {
    if (taal == 11 && invoer.size() > 1) {
        if (invoer[1] == QLatin1Char('r')) invoer[1] = QLatin1Char('d');
        else if (invoer[1] == QLatin1Char('k')) invoer[1] = QLatin1Char('c');
    }
    return invoer;
}

void Tik(frmVeldom11Form& f, const QString& tekst, bool enter = false) {
    QWidget* w = f.txtContract.widget();
    QVERIFY(w);
    if (!tekst.isEmpty()) QTest::keyClicks(w, tekst);
    if (enter) QTest::keyClick(w, Qt::Key_Return);
}

}  // namespace

class TestFrmVeldom11 : public QObject {
    Q_OBJECT

    testsupport::VensterThuis home;

    void SchrijfTaal(int taal) {
        testsupport::WriteTestFile(home->file("taal.ini"),
                                   QByteArray("[Taal]\r\nnummer=") + QByteArray::number(taal) + "\r\n");
    }
    void Kies(ListBox& lijst, const QString& naam) { QVERIFY2(KiesInLijst(lijst, naam), qPrintable(naam)); }
    void SlaOpAls(frmVeldom11Form& f, const QString& naam) {
        f.cmdOpslaanAls.Click();
        QVERIFY(frmVeldom02_IsLoaded());
        frmVeldom02().txtBestandsNaam.SetText(naam);
        frmVeldom02().cmdOK.Click();
        DoEvents();
    }
    // Opens a new match `naam` from a fresh group of `paren` pairs and
    // starts it.
    frmVeldom11Form& NieuweWedstrijd(const QString& naam, int paren, int spellen = 24) {
        SchrijfTestGroep(QStringLiteral("Groep"), paren);
        frmVeldom11Form& f = OpenInvoer();
        Kies(f.lstGroepen, "Groep");
        SlaOpAls(f, naam);
        f.vscrAantal.SetValue(48 - spellen);
        f.cmdStart.Click();
        return f;
    }

    // The slip as the window shows it, compared with the tables expected.
    void VergelijkSpel(frmVeldom11Form& f, int bord, const std::vector<Tafel>& tafels, int taal) {
        const QString A = uitslag::NotatieAlfabet(taal);
        std::vector<uitslag::SlipRegel> regels;
        for (int i = 0; i < int(tafels.size()); ++i) {
            const Tafel& t = tafels[i];
            QCOMPARE(f.lblPaar[i].Caption(), t.paar);
            QString nz, ow, snz, sow;
            if (!t.arbNZ.isEmpty()) {
                nz = t.arbNZ;
                ow = t.arbOW;
            } else {
                const QString invoer = InTaal(t.invoer, taal);
                const auto c = uitslag::LeesContract(invoer, A);
                QVERIFY(c);
                const QString slip = uitslag::SlipTekst(invoer);
                if (invoer.size() == 1) nz = ow = slip;
                else if (c->NoordZuid()) nz = slip;
                else ow = slip;
                const uitslag::ScoreUitkomst s =
                    uitslag::BerekenScore(invoer, A, uitslag::KwetsbaarCodeVanBord(bord));
                QVERIFY(s.gelukt);
                snz = s.nz;
                sow = s.ow;
            }
            QCOMPARE(f.lblContractNZ[i].Caption(), nz);
            QCOMPARE(f.lblContractOW[i].Caption(), ow);
            QCOMPARE(f.lblScoreNZ[i].Caption(), snz);
            QCOMPARE(f.lblScoreOW[i].Caption(), sow);
            regels.push_back({t.paar, nz, ow, snz, sow});
        }
        const uitslag::MpUitkomst mp = uitslag::BerekenMatchpunten(regels);
        QVERIFY(mp.Gelukt());
        for (int i = 0; i < int(tafels.size()); ++i) {
            QCOMPARE(f.lblMPNZ[i].Caption(), mp.mpNZ[i]);
            QCOMPARE(f.lblMPOW[i].Caption(), mp.mpOW[i]);
            QCOMPARE(f.msfgResultaat.TextMatrix(mp.paarNZ[i], bord), mp.mpNZ[i]);
            QCOMPARE(f.msfgResultaat.TextMatrix(mp.paarOW[i], bord), mp.mpOW[i]);
        }
        QCOMPARE(f.msfgResultaat.TextMatrix(f.msfgResultaat.Rows() - 1, bord), mp.totaal);
    }

    // Passes the first `tafels` free tables of the open board (immediate
    // mode).
    void Pas(frmVeldom11Form& f, int tafels) {
        for (int t = 0; t < tafels; ++t) Tik(f, "p");
    }
    QString WedstrijdBestand(uitslag::WedstrijdBestand soort, const QString& naam, int bord = 0) {
        return uitslag::SchrijfPad(soort, naam, bord);
    }

    void VolledigeSessie(int taal) {
        SchrijfTaal(taal);
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = NieuweWedstrijd(QStringLiteral("Dinsdag"), 8);
        QCOMPARE(TaalNummer, taal);
        QVERIFY(f.fraScoreBriefjes.Visible());
        QCOMPARE(f.msfgResultaat.Cols(), 25);
        QCOMPARE(f.msfgResultaat.Rows(), 10);
        QCOMPARE(f.msfgResultaat.TextMatrix(1, 0), QStringLiteral("01. Speler 1a - Speler 1b"));

        std::vector<std::vector<Tafel>> verwacht(25);
        for (int b = 1; b <= 24; ++b) {
            const bool metEnter = b > 12;
            if (b == 13) f.chkEnter.SetValue(1);
            f.cmdSpel_Click(b);
            QCOMPARE(f.fraScoreBriefjes.Caption().left(TaalTekst(64).size()), TaalTekst(64));
            std::vector<Tafel> tafels;
            for (int t = 0; t < 4; ++t) {
                Tafel tafel{QStringLiteral("%1 - %2").arg(2 * t + 1).arg(2 * t + 2), Contracten[(3 * b + 5 * t) % 12], {}, {}};
                // The prompt names the table being entered.
                QVERIFY2(f.lblContract.Caption().contains(tafel.paar), qPrintable(f.lblContract.Caption()));
                if (b == 5 && t == 2) tafel.invoer = "n";
                if (b == 2 && t == 1) {
                    // Immediate mode: Enter repeats the last contract. A
                    // passed-out table is no contract: Enter places nothing
                    // there, and the table is typed.
                    Tik(f, "", true);
                    tafel.invoer = tafels[0].invoer;
                    if (tafel.invoer.size() == 1) {
                        QCOMPARE(f.lblContractNZ[1].Caption(), QString());
                        QCOMPARE(f.lblContractOW[1].Caption(), QString());
                        QVERIFY(f.lblContract.Caption().contains(tafel.paar));
                        tafel.invoer = "3acn";
                        Tik(f, tafel.invoer);
                    }
                    if (tafel.invoer.size() > 1) tafel.invoer.chop(1), tafel.invoer += QLatin1Char(
                        uitslag::LeesContract(tafels[0].invoer, uitslag::NotatieAlfabet(10))->NoordZuid() ? 'n' : 'o');
                    tafels.push_back(tafel);
                    continue;
                }
                if (b == 14 && t == 1) {
                    // Enter mode: Enter on the empty box copies the last row.
                    Tik(f, "", true);
                    tafel.invoer = tafels[0].invoer;
                    if (tafel.invoer.size() > 1) tafel.invoer.chop(1), tafel.invoer += QLatin1Char(
                        uitslag::LeesContract(tafels[0].invoer, uitslag::NotatieAlfabet(10))->NoordZuid() ? 'n' : 'o');
                    tafels.push_back(tafel);
                    continue;
                }
                if (b == 7 && t == 3) {
                    // The last table gets an adjusted score; the timer then
                    // matchpoints the board.
                    QVERIFY(f.cmdArbitrale.Enabled());
                    QCOMPARE(f.cmdArbitrale.Tag(), QStringLiteral("3"));
                    f.cmdArbitrale.Click();
                    QVERIFY(frmVeldom13_IsLoaded());
                    QVERIFY(!f.Enabled());
                    frmVeldom13Form& a = frmVeldom13();
                    QTest::keyClicks(a.txtNZ.widget(), "60");
                    QTest::keyClick(a.txtNZ.widget(), Qt::Key_Return);
                    QTest::keyClicks(a.txtOW.widget(), "40");
                    QTest::keyClick(a.txtOW.widget(), Qt::Key_Return);
                    DoEvents();
                    QVERIFY(!frmVeldom13_IsLoaded());
                    QVERIFY(f.Enabled());
                    tafel.invoer.clear();
                    tafel.arbNZ = "60.00%";
                    tafel.arbOW = "40.00%";
                    tafels.push_back(tafel);
                    QTRY_COMPARE(KlaarVlaggen.at(6), QLatin1Char('1'));
                    QVERIFY(!f.timAllesKlaar.Enabled());
                    continue;
                }
                QString getypt = InTaal(tafel.invoer, taal);
                // Typed rewrites: "=" gives "+", "1" after the made mark "!".
                if (b == 6 && t == 0) getypt = "4hc1n", tafel.invoer = "4hc!n";
                if (b == 6 && t == 1) getypt = "3a=1n", tafel.invoer = "3a+1n";
                Tik(f, getypt, metEnter);
                QCOMPARE(f.txtContract.Text(), QString());
                tafels.push_back(tafel);
            }
            // Re-edit: a row cleared by the left button and typed again.
            if (b == 3) {
                QCOMPARE(KlaarVlaggen.at(2), QLatin1Char('1'));
                f.lblContractNZ_MouseDown(1, vbLeftButton, 0, 0, 0);
                QCOMPARE(f.lblContractNZ[1].Caption(), QString());
                QCOMPARE(f.lblContractOW[1].Caption(), QString());
                QCOMPARE(KlaarVlaggen.at(2), QLatin1Char('0'));
                QVERIFY(f.lblContract.Caption().contains("3 - 4"));
                tafels[1].invoer = "2s+1!n";
                Tik(f, InTaal(tafels[1].invoer, taal));
                QCOMPARE(KlaarVlaggen.at(2), QLatin1Char('1'));
            }
            // Swap: the right button turns "1 - 2" into "2 - 1".
            if (b == 4) {
                prompts.answer(vbYes);
                if (f.lblContractNZ[0].Caption().isEmpty())
                    f.lblContractOW_MouseDown(0, vbRightButton, 0, 0, 0);
                else
                    f.lblContractNZ_MouseDown(0, vbRightButton, 0, 0, 0);
                QCOMPARE(prompts.last().text, TaalTekst(143));
                QCOMPARE(f.lblPaar[0].Caption(), QStringLiteral("2 - 1"));
                tafels[0].paar = "2 - 1";
            }
            QCOMPARE(KlaarVlaggen.at(b - 1), QLatin1Char('1'));
            VergelijkSpel(f, b, tafels, taal);
            verwacht[b] = tafels;
        }
        QVERIFY(f.cmdUitslag.Enabled());
        QCOMPARE(KlaarVlaggen, QString(24, QLatin1Char('1')));
        QCOMPARE(prompts.count(), 1);

        // Close from the entry stage (Back, Back), reopen, start, compare.
        f.cmdTerug.Click();
        QVERIFY(!f.fraScoreBriefjes.Visible());
        f.cmdTerug.Click();
        DoEvents();
        QVERIFY(!frmVeldom11_IsLoaded());
        QVERIFY(frmVeldom01().Enabled());
        frmVeldom11Form& g = OpenInvoer();
        Kies(g.lstUitslagen, "Dinsdag");
        QCOMPARE(g.lblAantal.Caption(), QStringLiteral("24"));
        g.cmdStart.Click();
        QVERIFY(g.cmdUitslag.Enabled());
        for (int b = 1; b <= 24; ++b) {
            QCOMPARE(g.cmdSpel[b].BackColor(), qint64(0xC0C0C0));
            g.cmdSpel_Click(b);
            VergelijkSpel(g, b, verwacht[b], taal);
        }
        // Not played on board 5: its row has no matchpoints, the others are
        // rescaled.
        QCOMPARE(g.msfgResultaat.TextMatrix(5, 5), QString());
        g.cmdSpel_Click(1);
        // Hand-checked: board 1 (nobody vulnerable), table 1: four hearts
        // doubled by North, made: 590 for North-South.
        QCOMPARE(verwacht[1][0].invoer, QStringLiteral("4hc!n"));
        QCOMPARE(g.lblScoreNZ[0].Caption(), QStringLiteral("590"));
        QCOMPARE(g.lblScoreOW[0].Caption(), QStringLiteral("-590"));
        QCOMPARE(prompts.count(), 1);
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() {
        home.Begin();
        AanroepScherm = 0;
        SessieNaam.clear();
        SessieBestand.clear();
    }
    void cleanup() {
        home.Einde();
    }

    void wholeSessionDutch() { VolledigeSessie(10); }
    void wholeSessionEnglish() { VolledigeSessie(11); }

    // The group list shows each file as the composer does: its name without
    // the extension, a dot inside the name kept, so the file chosen opens.
    // A sort box left grey lists nothing.
    void groupNamesWithADotOpenTheirOwnFile() {
        SchrijfTestGroep("Club.A", 3);
        SchrijfTestGroep("Club", 2);
        frmVeldom11Form& f = OpenInvoer();
        // Ordered by file name: "Club.A.txt" before "Club.txt".
        QCOMPARE(f.lstGroepen.Items(), QStringList({"Club.A", "Club"}));
        QCOMPARE(f.fraGroepen.Caption(), TaalTekst(62) + " (2)");
        Kies(f.lstGroepen, "Club.A");
        QCOMPARE(f.lstParen.ListCount(), 3);
        Kies(f.lstGroepen, "Club");
        QCOMPARE(f.lstParen.ListCount(), 2);
        f.chkSorteer(0).SetValue(1);
        QCOMPARE(f.lstGroepen.Items(), QStringList({"Club", "Club.A"}));
        f.chkSorteer(0).SetValue(2);
        QCOMPARE(f.lstGroepen.Items(), QStringList());
        QCOMPARE(f.fraGroepen.Caption(), TaalTekst(62));
    }

    void saveAsSelectsTheNewMatchByItsExactName() {
        testsupport::PromptScript prompts;
        QDir().mkpath(home->file("resultaten/Club 1"));
        SchrijfTestGroep("Groep", 4);
        frmVeldom11Form& f = OpenInvoer();
        f.chkSorteer(1).SetValue(1);  // reverse order: "Club 1" stands before "Club"
        QCOMPARE(f.lstUitslagen.Items(), QStringList({"Club 1"}));
        Kies(f.lstGroepen, "Groep");
        QVERIFY(f.cmdOpslaanAls.Enabled());
        QVERIFY(!f.cmdStart.Enabled());
        SlaOpAls(f, "Club");
        QCOMPARE(f.lstUitslagen.Items(), QStringList({"Club 1", "Club"}));
        QCOMPARE(SessieNaam, QStringLiteral("Club"));
        QCOMPARE(f.fraUitslagen.Caption(), TaalTekst(129) + ": Club");
        QCOMPARE(f.lstParen.ListCount(), 4);
        QCOMPARE(f.lstParen.List(2), QStringLiteral("03. Speler 3a - Speler 3b"));
        QVERIFY(f.cmdStart.Enabled());
        // The match holds the pairs and a copy of the group as mail list.
        QCOMPARE(testsupport::ReadTestFile(home->file("resultaten/Club/Club mail.txt")),
                 testsupport::ReadTestFile(groep::GroepPad("Groep")));
        QCOMPARE(prompts.count(), 0);
    }

    void saveAsRefusedOverwriteKeepsTheMatchWhole() {
        testsupport::PromptScript prompts;
        SchrijfTestGroep("Groep", 4);
        testsupport::WriteTestFile(home->file("resultaten/Oud/Oud.txt"), "01. A - B\r\n02. C - D\r\n");
        testsupport::WriteTestFile(home->file("resultaten/Oud/Oud mail.txt"), "01. A|a@x - B|b@x\r\n");
        frmVeldom11Form& f = OpenInvoer();
        Kies(f.lstGroepen, "Groep");
        prompts.answer(vbNo).answer(vbOK);
        SlaOpAls(f, "Oud");
        QCOMPARE(prompts.prompts().at(1).text, TaalTekst(128).replace('|', '\n'));
        QCOMPARE(SessieNaam, QString());
        QCOMPARE(testsupport::ReadTestFile(home->file("resultaten/Oud/Oud mail.txt")),
                 QByteArray("01. A|a@x - B|b@x\r\n"));
        QCOMPARE(testsupport::ReadTestFile(home->file("resultaten/Oud/Oud.txt")),
                 QByteArray("01. A - B\r\n02. C - D\r\n"));
    }

    void boardCountsRaisedAndLowered() {
        testsupport::PromptScript prompts;
        testsupport::WriteTestFile(home->file("resultaten/W/W.txt"), "01. A - B\r\n02. C - D\r\n");
        testsupport::WriteTestFile(home->file("resultaten/W/W.spellen"), "20\r\n");
        testsupport::WriteTestFile(home->file("resultaten/W/W klaar.txt"), QByteArray(20, '1') + "\r\n");
        // The done boards have their slips on disk (one table, passed out)
        // and their matchpoints in the overview.
        for (int b = 1; b <= 20; ++b)
            testsupport::WriteTestFile(home->file(QStringLiteral("resultaten/W/Spel %1 Drovik.txt").arg(b, 2, 10, QChar('0'))),
                                       "1 - 2~P~P~0~0~0~0\r\n");
        QByteArray overzicht = "", nullen = "";
        for (int b = 1; b <= 20; ++b) overzicht += "~" + QByteArray::number(b), nullen += "~0";
        testsupport::WriteTestFile(home->file("resultaten/W/W overzicht.txt"),
                                   overzicht + "\r\n01. A - B" + nullen + "\r\n02. C - D" + nullen + "\r\n" + nullen + "\r\n");
        testsupport::WriteTestFile(home->file("resultaten/Vreemd/Vreemd.txt"), "01. A - B\r\n02. C - D\r\n");
        testsupport::WriteTestFile(home->file("resultaten/Vreemd/Vreemd.spellen"), "60\r\n");
        frmVeldom11Form& f = OpenInvoer();
        QCOMPARE(f.lblAantal.Caption(), QStringLiteral("24"));
        // A count beyond 48 is refused with a message; the count stays.
        prompts.answer(vbOK);
        Kies(f.lstUitslagen, "Vreemd");
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(f.lblAantal.Caption(), QStringLiteral("24"));
        Kies(f.lstUitslagen, "W");
        QCOMPARE(f.lblAantal.Caption(), QStringLiteral("20"));
        // Lowering asks first; No stays in the choice stage.
        f.vscrAantal.SetValue(48 - 18);
        QCOMPARE(f.lblAantal.Caption(), QStringLiteral("18"));
        prompts.answer(vbNo);
        f.cmdStart.Click();
        QVERIFY(prompts.last().text.contains("20"));
        QVERIFY(!f.fraScoreBriefjes.Visible());
        // Raising pads the done flags with "0" and stores them.
        f.vscrAantal.SetValue(48 - 22);
        f.cmdStart.Click();
        QVERIFY(f.fraScoreBriefjes.Visible());
        QCOMPARE(KlaarVlaggen, QString(20, '1') + "00");
        uitslag::WachtOp();  // the flags are written behind
        QCOMPARE(testsupport::ReadTestFile(home->file("resultaten/W/W klaar.txt")), QByteArray(20, '1') + "00\r\n");
        QCOMPARE(testsupport::ReadTestFile(home->file("resultaten/W/W.spellen")), QByteArray("22\r\n"));
        QVERIFY(f.cmdSpel[22].Visible());
        QVERIFY(!f.cmdSpel[23].Visible());
        QVERIFY(!f.cmdUitslag.Enabled());
        // The spinner wraps at both ends.
        f.cmdTerug.Click();
        Kies(f.lstUitslagen, "W");
        f.vscrAantal.SetValue(-1);
        QCOMPARE(f.lblAantal.Caption(), QStringLiteral("1"));
        f.vscrAantal.SetValue(48);
        QCOMPARE(f.lblAantal.Caption(), QStringLiteral("48"));
        QCOMPARE(prompts.count(), 2);
    }

    // One board fewer is a lowering too and asks first; the same count
    // asks nothing.
    void loweringByOneBoardAsksFirst() {
        testsupport::PromptScript prompts;
        testsupport::WriteTestFile(home->file("resultaten/W/W.txt"), "01. A - B\r\n02. C - D\r\n");
        testsupport::WriteTestFile(home->file("resultaten/W/W.spellen"), "20\r\n");
        frmVeldom11Form& f = OpenInvoer();
        Kies(f.lstUitslagen, "W");
        QCOMPARE(f.lblAantal.Caption(), QStringLiteral("20"));
        f.vscrAantal.SetValue(48 - 19);
        QCOMPARE(f.lblAantal.Caption(), QStringLiteral("19"));
        prompts.answer(vbNo);
        f.cmdStart.Click();
        QCOMPARE(prompts.count(), 1);
        QVERIFY(prompts.last().text.contains("20"));
        QVERIFY(!f.fraScoreBriefjes.Visible());
        f.vscrAantal.SetValue(48 - 20);
        f.cmdStart.Click();
        QCOMPARE(prompts.count(), 1);
        QVERIFY(f.fraScoreBriefjes.Visible());
    }

    void moreThanFortyPairsAreRefusedAtStart() {
        testsupport::PromptScript prompts;
        testsupport::WriteTestFile(home->file("resultaten/W/W.txt"), "01. A - B\r\n02. C - D\r\n");
        frmVeldom11Form& f = OpenInvoer();
        Kies(f.lstUitslagen, "W");
        for (int i = 3; i <= 41; ++i) f.lstParen.AddItem(QStringLiteral("%1. X - Y").arg(i));
        prompts.answer(vbOK);
        f.cmdStart.Click();
        QVERIFY(prompts.last().text.contains("41"));
        QVERIFY(!f.fraScoreBriefjes.Visible());
        QVERIFY(f.cmdStart.Enabled());
    }

    void timerStopsAndKeepsToItsBoard() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = NieuweWedstrijd("W", 6);
        f.cmdSpel_Click(1);
        Tik(f, "p");
        f.StartAllesKlaar();
        QVERIFY(f.timAllesKlaar.Enabled());
        f.cmdSpel_Click(2);
        QVERIFY(!f.timAllesKlaar.Enabled());
        f.StartAllesKlaar();
        f.cmdTerug.Click();
        QVERIFY(!f.timAllesKlaar.Enabled());
        Kies(f.lstUitslagen, "W");
        f.cmdStart.Click();
        f.cmdSpel_Click(1);
        f.StartAllesKlaar();
        // The board on the slip changed without a click: the timer stops
        // and matchpoints nothing.
        f.cmdSpel[0].SetTag("3");
        QTest::qWait(250);
        QVERIFY(!f.timAllesKlaar.Enabled());
        QCOMPARE(KlaarVlaggen.at(2), QLatin1Char('0'));
        QCOMPARE(prompts.count(), 0);
    }

    void enterModeKeepsAnIncompleteEntryAndThePromptFollowsTheFreeRow() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = NieuweWedstrijd("W", 8);
        f.chkEnter.SetValue(1);
        f.cmdSpel_Click(1);
        prompts.answer(vbOK);
        Tik(f, "3h", true);
        QCOMPARE(prompts.last().text, TaalTekst(304).replace('~', "3h"));
        QCOMPARE(f.txtContract.Text(), QStringLiteral("3h"));
        QCOMPARE(f.lblContractNZ[0].Caption(), QString());
        Tik(f, "cz", true);
        QCOMPARE(f.lblContractNZ[0].Caption(), QStringLiteral("3HC"));
        Tik(f, "p", true);
        Tik(f, "p", true);
        QVERIFY(f.lblContract.Caption().contains("7 - 8"));
        // Row 0 re-edited: the next entry goes there, then the prompt names
        // the first row still free, not the row after the one just filled.
        f.lblContractNZ_MouseDown(0, vbLeftButton, 0, 0, 0);
        QVERIFY(f.lblContract.Caption().contains("1 - 2"));
        Tik(f, "4scz", true);
        QCOMPARE(f.lblContractNZ[0].Caption(), QStringLiteral("4SC"));
        QVERIFY(f.lblContract.Caption().contains("7 - 8"));
        QCOMPARE(f.cmdArbitrale.Tag(), QStringLiteral("3"));
        // Enter on the empty box copies the row scored last into the first
        // free row, scored and saved.
        Tik(f, "", true);
        QCOMPARE(f.lblContractNZ[3].Caption(), QStringLiteral("4SC"));
        QCOMPARE(f.lblScoreNZ[3].Caption(), QStringLiteral("420"));
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char('1'));
        std::vector<uitslag::SpelRij> rijen;
        QVERIFY(uitslag::LeesSpelUitslag("W", 1, uitslag::NotatieAlfabet(), rijen).Gelukt());
        QCOMPARE(rijen.size(), size_t(4));
        QCOMPARE(rijen[3].scoreNZ, QStringLiteral("420"));
        QCOMPARE(prompts.count(), 1);
    }

    void keyRulesOfTheContractBox() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = NieuweWedstrijd("W", 8);
        f.cmdSpel_Click(1);
        Tik(f, "8");
        QCOMPARE(f.txtContract.Text(), QString());
        Tik(f, "3x");
        QCOMPARE(f.txtContract.Text(), QStringLiteral("3"));
        Tik(f, "a1");
        QCOMPARE(f.txtContract.Text(), QStringLiteral("3a"));
        Tik(f, "-9");
        QCOMPARE(f.txtContract.Text(), QStringLiteral("3a-9"));
        f.txtContract.SetText("");
        prompts.answer(vbYes);
        Tik(f, "5a-11");
        QCOMPARE(prompts.last().text, TaalTekst(142));
        QCOMPARE(f.txtContract.Text(), QStringLiteral("5a-1!"));
        f.txtContract.SetText("");
        prompts.answer(vbNo);
        Tik(f, "5a-11");
        QCOMPARE(f.txtContract.Text(), QStringLiteral("5a-11"));
        f.txtContract.SetText("");
        Tik(f, "N");
        QCOMPARE(f.txtContract.Text(), QString());
        QCOMPARE(f.lblContractNZ[0].Caption(), QString());
        Tik(f, "n");
        QCOMPARE(f.lblContractNZ[0].Caption(), QStringLiteral("N"));
        QCOMPARE(f.lblContractOW[0].Caption(), QStringLiteral("N"));
        QCOMPARE(f.lblScoreNZ[0].Caption(), QStringLiteral("n"));
        QCOMPARE(prompts.count(), 2);
    }

    void clearingABoardRemovesItsFilesAndFlag() {
        testsupport::PromptScript prompts;
        CvnMap.clear();
        frmVeldom11Form& f = NieuweWedstrijd("W", 4);
        f.cmdSpel_Click(2);
        Pas(f, 2);
        QCOMPARE(KlaarVlaggen.at(1), QLatin1Char('1'));
        const QString spel = WedstrijdBestand(uitslag::WedstrijdBestand::SpelUitslag, "W", 2);
        uitslag::WachtOp();
        QVERIFY(QFile::exists(spel));
        QVERIFY(!f.msfgResultaat.TextMatrix(1, 2).isEmpty());
        prompts.answer(vbNo);
        f.cmdWisSpel.Click();
        QVERIFY(QFile::exists(spel));
        prompts.answer(vbYes);
        f.cmdWisSpel.Click();
        QCOMPARE(prompts.last().text, TaalTekst(151).replace('~', "2").replace('|', '\n'));
        QVERIFY(!QFile::exists(spel));
        QCOMPARE(KlaarVlaggen.at(1), QLatin1Char('0'));
        QCOMPARE(f.msfgResultaat.TextMatrix(1, 2), QString());
        QCOMPARE(f.cmdSpel[2].BackColor(), qint64(0xFFFFFF));
        QVERIFY(testsupport::ReadTestFile(WedstrijdBestand(uitslag::WedstrijdBestand::Klaar, "W")).startsWith("00"));
        f.cmdSpel_Click(2);
        QCOMPARE(f.lblContractNZ[0].Caption(), QString());
        QCOMPARE(KlaarVlaggen.at(1), QLatin1Char('0'));
    }

    void rescoreStaysOnItsBoardAndAnAdjustedRowOnlySwaps() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = NieuweWedstrijd("W", 6);
        f.chkNieuwSpel.SetValue(1);
        f.cmdSpel_Click(1);
        Tik(f, "4scz");
        Tik(f, "3a-1w");
        Tik(f, "p");
        // Done: the next unfinished board opens.
        QCOMPARE(f.cmdSpel[0].Tag(), QStringLiteral("2"));
        f.cmdSpel_Click(1);
        QCOMPARE(f.cmdSpel[0].Tag(), QStringLiteral("1"));
        prompts.answer(vbYes);
        f.lblContractOW_MouseDown(1, vbRightButton, 0, 0, 0);
        QCOMPARE(prompts.last().text, TaalTekst(143));
        QCOMPARE(f.lblPaar[1].Caption(), QStringLiteral("4 - 3"));
        QCOMPARE(f.cmdSpel[0].Tag(), QStringLiteral("1"));
        QCOMPARE(f.lblScoreNZ[1].Caption(), QStringLiteral("50"));
        // Pair 4 now sat North-South on board 1: its grid row holds the
        // North-South matchpoints of that table.
        QCOMPARE(f.msfgResultaat.TextMatrix(4, 1), f.lblMPNZ[1].Caption());
        // A right click on the other side's empty label asks nothing.
        f.lblContractNZ_MouseDown(1, vbRightButton, 0, 0, 0);
        QCOMPARE(prompts.count(), 1);
        // An adjusted row: only the pairs change, nothing is scored.
        f.chkNieuwSpel.SetValue(0);
        f.lblContractNZ_MouseDown(2, vbLeftButton, 0, 0, 0);
        f.cmdArbitrale.Click();
        QTest::keyClicks(frmVeldom13().txtNZ.widget(), "55");
        QTest::keyClicks(frmVeldom13().txtOW.widget(), "45");
        frmVeldom13().cmdOK.Click();
        QTRY_COMPARE(KlaarVlaggen.at(0), QLatin1Char('1'));
        prompts.answer(vbYes);
        f.lblContractNZ_MouseDown(2, vbRightButton, 0, 0, 0);
        QCOMPARE(f.lblPaar[2].Caption(), QStringLiteral("6 - 5"));
        QCOMPARE(f.lblContractNZ[2].Caption(), QStringLiteral("55.00%"));
        QCOMPARE(f.lblMPNZ[2].Caption(), QStringLiteral("2.2"));
        QCOMPARE(f.msfgResultaat.TextMatrix(6, 1), QStringLiteral("2.2"));
        QCOMPARE(f.cmdSpel[0].Tag(), QStringLiteral("1"));
        QCOMPARE(prompts.count(), 2);
    }

    void aFailedWriteIsReportedAndTheBoardIsNotDone() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = NieuweWedstrijd("W", 4);
        // A folder in the place of the board's file: it cannot be written.
        QDir().mkpath(WedstrijdBestand(uitslag::WedstrijdBestand::SpelUitslag, "W", 1));
        prompts.answer(vbOK);
        f.cmdSpel_Click(1);
        // Told once no handler runs, and once only, however many contracts
        // are typed.
        prompts.answer(vbOK);
        Tik(f, "p");
        DoEvents();
        QCOMPARE(prompts.count(), 2);
        QVERIFY(prompts.last().text.contains("Spel 1 "));
        Tik(f, "p");
        DoEvents();
        QCOMPARE(prompts.count(), 2);
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char('0'));
        QCOMPARE(f.cmdSpel[1].BackColor(), qint64(0xFFFFFF));
        // The done flags cannot be written: the board stays not done.
        QDir().rmdir(WedstrijdBestand(uitslag::WedstrijdBestand::SpelUitslag, "W", 1));
        QFile::remove(WedstrijdBestand(uitslag::WedstrijdBestand::Klaar, "W"));
        QDir().mkpath(WedstrijdBestand(uitslag::WedstrijdBestand::Klaar, "W"));
        f.cmdSpel_Click(2);
        prompts.answer(vbOK);
        Pas(f, 2);
        DoEvents();
        QVERIFY(prompts.last().text.contains("klaar"));
        QCOMPARE(KlaarVlaggen.at(1), QLatin1Char('0'));
        QCOMPARE(f.cmdSpel[2].BackColor(), qint64(0xFFFFFF));
        QCOMPARE(prompts.count(), 3);
    }

    void englishLegendsAgreeWithTheEnglishAlphabet() {
        SchrijfTaal(11);
        frmVeldom11Form& f = OpenInvoer();
        const QString A = uitslag::NotatieAlfabet(11);
        for (const QString& v : f.lblVoorbeeld.Caption().split(", "))
            QVERIFY2(uitslag::BeoordeelTekst(v, A) == uitslag::Stand::Compleet, qPrintable(v));
        for (const QString& deel : f.lblBiedingen.Caption().split(", ")) {
            const QString letter = deel.section('=', 1).trimmed();
            QVERIFY2(letter.size() == 1 && A.mid(10, 5).contains(letter), qPrintable(deel));
        }
        QVERIFY(f.lblLeider.Caption().contains("o=East"));
        QCOMPARE(f.chkSorteer(1).Caption(), QStringLiteral("Sort high-l&ow"));
    }

    void dutchSortBoxesHaveTheirOwnAccessKeys() {
        frmVeldom11Form& f = OpenInvoer();
        QCOMPARE(f.chkSorteer(0).Caption(), QStringLiteral("Sorteer &hoog-laag"));
        QCOMPARE(f.chkSorteer(1).Caption(), QStringLiteral("Sorteer hoog-l&aag"));
        f.chkSorteer(1).SetValue(1);
        QCOMPARE(f.chkSorteer(1).Caption(), QStringLiteral("Sorteer l&aag-hoog"));
    }

    void closingFromTheEntryStageWritesTheOverview() {
        frmVeldom11Form& f = NieuweWedstrijd("W", 7, 5);
        QCOMPARE(f.lblPaar[2].Visible(), true);
        QCOMPARE(f.lblPaar[3].Visible(), false);
        Unload(f);
        const QList<QByteArray> regels =
            testsupport::ReadTestFile(WedstrijdBestand(uitslag::WedstrijdBestand::Overzicht, "W")).split('\n');
        QCOMPARE(regels.size() - 1, 9);
        QCOMPARE(regels[0], QByteArray("~1~2~3~4~5\r"));
        QCOMPARE(regels[8], QByteArray("~~~~~\r"));
        QVERIFY(frmVeldom01().Enabled());
    }

    void fillerCompletesEveryBoard() {
        // Dutch letters: the filler's contracts are written in them.
        frmVeldom11Form& f = NieuweWedstrijd("W", 10, 6);
        VulAlleSpellenIn(f, 7);
        QCOMPARE(KlaarVlaggen, QStringLiteral("111111"));
        QVERIFY(f.cmdUitslag.Enabled());
        for (int b = 1; b <= 6; ++b) QVERIFY(!f.msfgResultaat.TextMatrix(f.msfgResultaat.Rows() - 1, b).isEmpty());
        // The program has no hidden button for it.
        for (Control* c : f.Controls()) QVERIFY(c->Name() != QStringLiteral("cmdVulAlleSpellenIn"));
    }

    void theOverviewButtonShowsTheMatchJustEntered() {
        frmVeldom11Form& f = NieuweWedstrijd("W", 10, 6);
        VulAlleSpellenIn(f, 7);
        QVERIFY(f.cmdUitslag.Enabled());
        f.cmdUitslag_Click();
        // The overview reads what was just entered from the match folder and
        // this window waits, disabled, until it closes.
        QVERIFY(frmVeldom12_IsLoaded());
        QVERIFY(frmVeldom12().Visible());
        QVERIFY(!f.Enabled());
        QCOMPARE(SessieNaam, QStringLiteral("W"));
        Unload(frmVeldom12());
        QVERIFY(f.Enabled());
    }

    void rulesOfTheSlip() {
        using invoer::SlipRij;
        std::vector<SlipRij> r = {{true, "4S", ""}, {true, "", ""}, {true, "", ""}, {false, "", ""}};
        QCOMPARE(invoer::EersteVrijeRij(r), 1);
        QCOMPARE(invoer::GevuldeRijen(r), 1);
        r[1].contractOW = "P";
        r[2].contractNZ = "60.00%";
        QCOMPARE(invoer::EersteVrijeRij(r), -1);
        QCOMPARE(invoer::GevuldeRijen(r), 3);
        QCOMPARE(invoer::Tafels(7), 3);
        QCOMPARE(invoer::Tafels(44), 20);
        QCOMPARE(invoer::OntwerpPaar(19), QStringLiteral("39 - 40"));
        QCOMPARE(invoer::WisselPaar("5 - 6"), QStringLiteral("6 - 5"));
        QCOMPARE(invoer::WisselPaar("6 - 5"), QStringLiteral("5 - 6"));
        QCOMPARE(invoer::WisselPaar("x"), QStringLiteral("x"));
        const QString nl = uitslag::NotatieAlfabet(10);
        QCOMPARE(invoer::HerhaalInvoer("3H+1", "", nl), QStringLiteral("3H+1N"));
        QCOMPARE(invoer::HerhaalInvoer("", "3A-1", nl), QStringLiteral("3A-1O"));
        QCOMPARE(invoer::HerhaalInvoer("P", "P", nl), QStringLiteral("P"));
        QCOMPARE(invoer::HerhaalInvoer("60.00%", "40.00%", nl), QString());
        QCOMPARE(invoer::PasKlaarAan("11x", 5), QStringLiteral("11000"));
        QCOMPARE(invoer::PasKlaarAan("111111", 4), QStringLiteral("1111"));
        QCOMPARE(invoer::EersteOpenSpel("1101"), 3);
        QCOMPARE(invoer::EersteOpenSpel("11"), 0);
        QCOMPARE(invoer::KwetsbaarTekstNummer(1), 7);
        QCOMPARE(invoer::KwetsbaarTekstNummer(2), 105);
        QCOMPARE(invoer::KwetsbaarTekstNummer(3), 106);
        QCOMPARE(invoer::KwetsbaarTekstNummer(4), 107);
    }
};

QTEST_MAIN(TestFrmVeldom11)
#include "test_frmveldom11.moc"
