// The results entry window opened from the main window: a group saved as a
// match, a whole session of 8 pairs and 24 boards typed key by key in both
// entry modes (with a repeated entry, a copied row, a re-edited row, a
// swapped pair, a table that did not play and an adjusted score), closed,
// reopened and found as entered; in Dutch and in English. Then the sound
// behaviour around it.
#include <QApplication>
#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "main/frmVeldom02.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "players/GroepBestand.h"
#include "results/ContractNotatie.h"
#include "results/Matchpunten.h"
#include "results/Score.h"
#include "results/WedstrijdBestanden.h"
#include "results/frmVeldom11.h"
#include "results/frmVeldom13.h"
#include "shared/BasVeldom.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"

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

    std::unique_ptr<testsupport::TempHome> home;

    void SchrijfTaal(int taal) {
        testsupport::WriteTestFile(home->file("taal.ini"),
                                   QByteArray("[Taal]\r\nnummer=") + QByteArray::number(taal) + "\r\n");
    }
    void SchrijfGroep(const QString& naam, int paren) {
        QVector<groep::Paar> p;
        for (int i = 1; i <= paren; ++i)
            p.push_back({{QStringLiteral("Speler %1a").arg(i), QStringLiteral("a%1@club.test").arg(i)},
                         {QStringLiteral("Speler %1b").arg(i), QStringLiteral("b%1@club.test").arg(i)}});
        QString fout;
        QVERIFY2(groep::SchrijfGroep(naam, p, &fout), qPrintable(fout));
    }
    frmVeldom11Form& Open() {
        frmVeldom01Form& h = frmVeldom01();
        h.Show();
        DoEvents();
        h.cmdInvoeren.Click();
        DoEvents();
        return frmVeldom11();
    }
    void Kies(ListBox& lijst, const QString& naam) {
        const int i = lijst.Items().indexOf(naam);
        QVERIFY2(i >= 0, qPrintable(naam));
        lijst.SetListIndex(-1);
        lijst.SetListIndex(i);
    }
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
        SchrijfGroep(QStringLiteral("Groep"), paren);
        frmVeldom11Form& f = Open();
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
                Tafel tafel{QStringLiteral("%1 - %2").arg(2 * t + 1).arg(2 * t + 2), Contracten[(3 * b + 5 * t) % 12]};
                // The prompt names the table being entered.
                QVERIFY2(f.lblContract.Caption().contains(tafel.paar), qPrintable(f.lblContract.Caption()));
                if (b == 5 && t == 2) tafel.invoer = "n";
                if (b == 2 && t == 1) {
                    // Immediate mode: Enter repeats the last contract.
                    Tik(f, "", true);
                    tafel.invoer = tafels[0].invoer;
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
        frmVeldom11Form& g = Open();
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
        home = std::make_unique<testsupport::TempHome>();
        testsupport::WriteWorkingMailTxt();
        TaalNummer = 10;
        AanroepScherm = 0;
        SessieNaam.clear();
        SessieBestand.clear();
    }
    void cleanup() {
        if (frmVeldom13_IsLoaded()) Unload(frmVeldom13());
        if (frmVeldom02_IsLoaded()) Unload(frmVeldom02());
        if (frmVeldom11_IsLoaded()) Unload(frmVeldom11());
        if (frmVeldom01_IsLoaded()) Unload(frmVeldom01());
        DoEvents();
        home.reset();
    }

    void wholeSessionDutch() { VolledigeSessie(10); }
    void wholeSessionEnglish() { VolledigeSessie(11); }
};

QTEST_MAIN(TestFrmVeldom11)
#include "test_frmveldom11.moc"
