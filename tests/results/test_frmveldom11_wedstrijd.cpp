// The results entry window and the files of its matches: a match starts
// with its own pairs, a match saved over an earlier one starts empty, a name
// too long for the match's files or holding a letter outside their code
// page is refused before anything is written, and
// nothing with results is replaced by less (a damaged overview, a clear that
// cannot finish, a board file that is not the match's). The sort boxes have
// their own access keys in both languages.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QtTest>
#include <memory>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "results/frmVeldom11.h"
#include "results/SchrijfWachtrij.h"
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
using testsupport::ReadTestFile;
using testsupport::WriteTestFile;

namespace {

constexpr qint64 Grijs = 0xC0C0C0;

void Tik(frmVeldom11Form& f, const QString& tekst) {
    QWidget* w = f.txtContract.widget();
    QVERIFY(w);
    QTest::keyClicks(w, tekst);
}

// A click with the mouse on a list's item.
void KlikOp(ListBox& lijst, const QString& naam) {
    auto* w = qobject_cast<QListWidget*>(lijst.widget());
    QVERIFY(w);
    const int i = lijst.Items().indexOf(naam);
    QVERIFY2(i >= 0, qPrintable(naam));
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, w->visualItemRect(w->item(i)).center());
    DoEvents();
}

QStringList Kolom(Grid& g, int c) {
    QStringList k;
    for (int r = 1; r < g.Rows(); ++r) k << g.TextMatrix(r, c);
    return k;
}

}  // namespace

class TestFrmVeldom11Wedstrijd : public QObject {
    Q_OBJECT

    testsupport::VensterThuis home;

    QString Pad(const QString& wedstrijd, const QString& naam) const {
        return home->file("resultaten/" + wedstrijd + "/" + naam);
    }
    void SchrijfTaal(int taal) {
        WriteTestFile(home->file("taal.ini"), QByteArray("[Taal]\r\nnummer=") + QByteArray::number(taal) + "\r\n");
    }
    void SlaOpAls(frmVeldom11Form& f, const QString& naam) {
        if (!frmVeldom02_IsLoaded()) f.cmdOpslaanAls.Click();
        QVERIFY(frmVeldom02_IsLoaded());
        frmVeldom02().txtBestandsNaam.SetText(naam);
        frmVeldom02().cmdOK.Click();
        DoEvents();
    }
    // A new match of four pairs and `spellen` boards, started.
    frmVeldom11Form& Nieuw(const QString& naam, int spellen) {
        SchrijfTestGroep("Groep", 4);
        frmVeldom11Form& f = OpenInvoer();
        KlikOp(f.lstGroepen, "Groep");
        SlaOpAls(f, naam);
        f.vscrAantal.SetValue(48 - spellen);
        f.cmdStart.Click();
        return f;
    }
    // Board b entered whole: 4 spades made by South, then 3 no trump one
    // down by West (pairs 1 and 4 score best).
    void VulSpel(frmVeldom11Form& f, int b) {
        f.cmdSpel_Click(b);
        Tik(f, "4scz");
        Tik(f, "3a-1w");
        QCOMPARE(KlaarVlaggen.at(b - 1), QLatin1Char('1'));
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() {
        home.Begin();
        AanroepScherm = 0;
        CvnMap.clear();
        SessieNaam.clear();
        SessieBestand.clear();
    }
    void cleanup() {
        home.Einde();
    }

    // The results window reads a pairs file or group file with a line that
    // is no pair as the composer does: refused, naming the line.
    void aLineThatIsNoPairIsNamedNotSkipped() {
        testsupport::PromptScript prompts;
        const QByteArray paren = "01. A1 - B1\r\n02. A2\r\n03. A3 - B3\r\n04. A4 - B4\r\n";
        WriteTestFile(Pad("M", "M.txt"), paren);
        WriteTestFile(home->file("groepen/G.txt"), paren);
        frmVeldom11Form& f = OpenInvoer();
        prompts.answer(vbOK);
        KlikOp(f.lstUitslagen, "M");
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, QString("Het bestand M.txt is geen geldig bestand van deze wedstrijd (regel 2)."));
        QCOMPARE(f.lstParen.ListCount(), 0);
        QVERIFY(!f.cmdStart.Enabled());
        prompts.answer(vbOK);
        KlikOp(f.lstGroepen, "G");
        QCOMPARE(prompts.last().text, QString("Het bestand G.txt kan niet worden geopend: regel 2 is geen geldig paar."));
        QCOMPARE(f.lstParen.ListCount(), 0);
        QVERIFY(!f.cmdOpslaanAls.Enabled());
        QCOMPARE(ReadTestFile(Pad("M", "M.txt")), paren);
    }

    void startUsesTheMatchsOwnPairs() {
        testsupport::PromptScript prompts;
        SchrijfTestGroep("Groot", 6);
        const QByteArray paren = "01. A - B\r\n02. C - D\r\n03. E - F\r\n04. G - H\r\n";
        WriteTestFile(Pad("M", "M.txt"), paren);
        frmVeldom11Form& f = OpenInvoer();
        KlikOp(f.lstUitslagen, "M");
        QVERIFY(f.cmdStart.Enabled());
        // A group clicked after the match shows the group's pairs: Start
        // cannot take them.
        KlikOp(f.lstGroepen, "Groot");
        QCOMPARE(f.lstParen.ListCount(), 6);
        QVERIFY(!f.cmdStart.Enabled());
        QTest::mouseClick(f.cmdStart.widget(), Qt::LeftButton);
        QVERIFY(!f.fraScoreBriefjes.Visible());
        // Even when Start runs, the match starts with its own pairs.
        f.cmdStart_Click();
        QVERIFY(f.fraScoreBriefjes.Visible());
        QCOMPARE(f.lstParen.Items(), QStringList({"01. A - B", "02. C - D", "03. E - F", "04. G - H"}));
        QCOMPARE(f.msfgResultaat.Rows(), 6);
        QCOMPARE(f.msfgResultaat.TextMatrix(4, 0), QString("04. G - H"));
        QVERIFY(!f.lblPaar[2].Visible());
        Unload(f);
        const QList<QByteArray> regels = ReadTestFile(Pad("M", "M overzicht.txt")).split('\n');
        QCOMPARE(regels.size() - 1, 6);
        QVERIFY(regels[1].startsWith("01. A - B~"));
        QCOMPARE(ReadTestFile(Pad("M", "M.txt")), paren);
        QCOMPARE(prompts.count(), 0);
    }

    void saveAsOverAnExistingMatchStartsItEmpty() {
        testsupport::PromptScript prompts;
        // Last week's match of that name, entered and closed.
        {
            frmVeldom11Form& f = Nieuw("Club", 3);
            VulSpel(f, 1);
            VulSpel(f, 2);
            Unload(f);
        }
        QVERIFY(QFile::exists(Pad("Club", "Spel 01 Drovik.txt")));
        QCOMPARE(ReadTestFile(Pad("Club", "Club klaar.txt")), QByteArray("110\r\n"));
        frmVeldom11Form& f = OpenInvoer();
        KlikOp(f.lstGroepen, "Groep");
        prompts.answer(vbYes);
        SlaOpAls(f, "Club");
        // The question names what Yes deletes: the results of two boards.
        QCOMPARE(prompts.last().text, QString("De wedstrijd Club bestaat al en heeft uitslagen van 2 spellen.\n\n"
                                              "Bij overschrijven worden de uitslagen van deze 2 spellen gewist.\n\n"
                                              "De wedstrijd Club overschrijven?"));
        QVERIFY(prompts.last().style & vbDefaultButton2);
        QCOMPARE(SessieNaam, QString("Club"));
        QVERIFY(f.cmdStart.Enabled());
        f.cmdStart.Click();
        QVERIFY(f.fraScoreBriefjes.Visible());
        QVERIFY(!KlaarVlaggen.contains('1'));
        for (int b = 1; b <= KlaarVlaggen.size(); ++b) QVERIFY(f.cmdSpel[b].BackColor() != Grijs);
        for (int c = 1; c < f.msfgResultaat.Cols(); ++c)
            for (const QString& cel : Kolom(f.msfgResultaat, c)) QVERIFY(cel.isEmpty());
        QVERIFY(!f.cmdUitslag.Enabled());
        QTest::mouseClick(f.cmdSpel[1].widget(), Qt::LeftButton);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(f.lblContractNZ[i].Caption().isEmpty() && f.lblContractOW[i].Caption().isEmpty());
            QVERIFY(f.lblScoreNZ[i].Caption().isEmpty());
        }
        QVERIFY(!QFile::exists(Pad("Club", "Spel 02 Drovik.txt")));
        // Only the overwrite question was asked: nothing was rebuilt.
        QCOMPARE(prompts.count(), 1);
    }

    // No, the default, to the question over a match with results keeps
    // every file of it as it was; the question is asked in English too.
    void saveAsOverAMatchWithResultsNoKeepsEveryFile() {
        testsupport::PromptScript prompts;
        {
            frmVeldom11Form& f = Nieuw("Club", 3);
            VulSpel(f, 2);
            Unload(f);
        }
        QDir map(home->file("resultaten/Club"));
        QMap<QString, QByteArray> voor;
        for (const QString& naam : map.entryList(QDir::Files)) voor[naam] = ReadTestFile(map.filePath(naam));
        QVERIFY(voor.contains("Spel 02 Drovik.txt"));
        SchrijfTaal(11);
        TaalNummer = 11;
        frmVeldom11Form& f = OpenInvoer();
        KlikOp(f.lstGroepen, "Groep");
        prompts.answer(vbNo).answer(vbOK);
        SlaOpAls(f, "Club");
        QCOMPARE(prompts.prompts().at(0).text,
                 QString("The contest Club already exists and holds the result of 1 game.\n\n"
                         "Overwriting deletes this result.\n\nOverwrite the contest Club?"));
        QCOMPARE(prompts.prompts().at(0).style, vbYesNo | vbQuestion | vbDefaultButton2);
        QCOMPARE(SessieNaam, QString());
        QMap<QString, QByteArray> na;
        for (const QString& naam : map.entryList(QDir::Files)) na[naam] = ReadTestFile(map.filePath(naam));
        QCOMPARE(na, voor);
    }

    void aMatchFolderWithoutPairsIsNotReplacedUnasked() {
        testsupport::PromptScript prompts;
        SchrijfTestGroep("Groep", 4);
        // Only a board file is left of match "Los".
        WriteTestFile(Pad("Los", "Spel 01 Drovik.txt"), "1 - 2~P~P~0~0~1~1\r\n3 - 4~P~P~0~0~1~1\r\n");
        frmVeldom11Form& f = OpenInvoer();
        KlikOp(f.lstGroepen, "Groep");
        prompts.answer(vbNo).answer(vbOK);
        SlaOpAls(f, "Los");
        QCOMPARE(prompts.prompts().at(0).text, TaalTekst(255).replace('~', "Los").replace('|', '\n'));
        QCOMPARE(prompts.last().text, TaalTekst(128).replace('|', '\n'));
        QVERIFY(QFile::exists(Pad("Los", "Spel 01 Drovik.txt")));
        QVERIFY(!QFile::exists(Pad("Los", "Los.txt")));
        QCOMPARE(SessieNaam, QString());
    }

    void aNameTheFilesCannotTakeIsRefusedBeforeAnythingIsWritten() {
        testsupport::PromptScript prompts;
        SchrijfTestGroep("Groep", 4);
        frmVeldom11Form& f = OpenInvoer();
        KlikOp(f.lstGroepen, "Groep");
        prompts.answer(vbOK);
        SlaOpAls(f, QString(250, QLatin1Char('k')));
        QCOMPARE(prompts.last().text, TaalTekst(250).replace('|', '\n'));
        QVERIFY(frmVeldom02_IsLoaded());
        QCOMPARE(QDir(home->file("resultaten")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        // So is a name the files' code page cannot hold, as the composer
        // refuses it.
        for (const char* naam : {"Łódź", "日本", "😀"}) {
            prompts.answer(vbOK);
            SlaOpAls(f, QString::fromUtf8(naam));
            QVERIFY2(prompts.last().text.startsWith(TaalTekst(308).section('~', 0, 0)), naam);
            QVERIFY(frmVeldom02_IsLoaded());
        }
        QCOMPARE(QDir(home->file("resultaten")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        // The longest name that fits keeps all its files, overview included.
        const QString langst(241, QLatin1Char('k'));
        SlaOpAls(f, langst);
        QVERIFY(!frmVeldom02_IsLoaded());
        QCOMPARE(SessieNaam, langst);
        f.vscrAantal.SetValue(48 - 2);
        f.cmdStart.Click();
        QVERIFY(f.fraScoreBriefjes.Visible());
        Unload(f);
        QCOMPARE(ReadTestFile(Pad(langst, langst + " overzicht.txt")).left(6), QByteArray("~1~2\r\n"));
        QCOMPARE(ReadTestFile(Pad(langst, langst + " klaar.txt")), QByteArray("00\r\n"));
        QCOMPARE(prompts.count(), 4);
    }

    void aDamagedOverviewIsRebuiltNotWrittenBackEmpty() {
        testsupport::PromptScript prompts;
        QStringList kolom1, kolom2;
        {
            frmVeldom11Form& f = Nieuw("W", 3);
            VulSpel(f, 1);
            VulSpel(f, 2);
            kolom1 = Kolom(f.msfgResultaat, 1);
            kolom2 = Kolom(f.msfgResultaat, 2);
            Unload(f);
        }
        QCOMPARE(kolom1, QStringList({"2", "0", "0", "2", "4"}));
        // The overview damaged in its second line; board 3 flagged done
        // without any result.
        WriteTestFile(Pad("W", "W overzicht.txt"), "~1~2~3\r\n01. Speler 1a - Speler 1b~2~0~~~~9\r\n");
        WriteTestFile(Pad("W", "W klaar.txt"), "111\r\n");
        frmVeldom11Form& f = OpenInvoer();
        KlikOp(f.lstUitslagen, "W");
        prompts.answer(vbOK).answer(vbOK).answer(vbOK);
        f.cmdStart.Click();
        QCOMPARE(prompts.count(), 3);
        QVERIFY(prompts.prompts().at(0).text.contains("W overzicht.txt"));
        QCOMPARE(prompts.prompts().at(1).text, TaalTekst(251).replace('~', "1, 2"));
        QCOMPARE(prompts.prompts().at(2).text, TaalTekst(252).replace('~', "3").replace('|', '\n'));
        // The screen shows what the board files hold, and the files say so.
        QCOMPARE(Kolom(f.msfgResultaat, 1), kolom1);
        QCOMPARE(Kolom(f.msfgResultaat, 2), kolom2);
        QCOMPARE(KlaarVlaggen, QString("110"));
        QCOMPARE(f.cmdSpel[1].BackColor(), Grijs);
        QVERIFY(f.cmdSpel[3].BackColor() != Grijs);
        uitslag::WachtOp();  // the match files are written behind
        QCOMPARE(ReadTestFile(Pad("W", "W klaar.txt")), QByteArray("110\r\n"));
        std::vector<QStringList> rijen;
        QVERIFY(uitslag::LeesOverzicht("W", rijen).Gelukt());
        QCOMPARE(rijen[4].at(1), QString("2"));
        // Closing writes the results, never the empty cells.
        Unload(f);
        QVERIFY(uitslag::LeesOverzicht("W", rijen).Gelukt());
        QCOMPARE(rijen[1], QStringList({"01. Speler 1a - Speler 1b", "2", kolom2[0], ""}));
        QCOMPARE(rijen[5].at(1), QString("4"));
    }

    // A board marked done whose stored slip lost a table is open again at
    // Start, with a word, and its matchpoints from the overview go.
    void aDoneBoardWithAShortFileIsOpenAgain() {
        testsupport::PromptScript prompts;
        {
            frmVeldom11Form& f = Nieuw("W", 2);
            VulSpel(f, 1);
            VulSpel(f, 2);
            Unload(f);
        }
        QByteArray bord = ReadTestFile(Pad("W", "Spel 02 Drovik.txt"));
        QCOMPARE(bord.count("\r\n"), 2);
        bord.truncate(bord.indexOf("\r\n") + 2);
        WriteTestFile(Pad("W", "Spel 02 Drovik.txt"), bord);
        frmVeldom11Form& f = OpenInvoer();
        KlikOp(f.lstUitslagen, "W");
        prompts.answer(vbOK);
        f.cmdStart.Click();
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(prompts.last().text, TaalTekst(242).replace('~', "2").replace('|', '\n'));
        QCOMPARE(KlaarVlaggen, QString("10"));
        QCOMPARE(Kolom(f.msfgResultaat, 2), QStringList(f.msfgResultaat.Rows() - 1, QString()));
        QVERIFY(!Kolom(f.msfgResultaat, 1).join("").isEmpty());
        uitslag::WachtOp();
        QCOMPARE(ReadTestFile(Pad("W", "W klaar.txt")), QByteArray("10\r\n"));
        std::vector<QStringList> rijen;
        QVERIFY(uitslag::LeesOverzicht("W", rijen).Gelukt());
        for (size_t r = 1; r < rijen.size(); ++r) QCOMPARE(rijen[r].value(2), QString());
    }

    void aClearThatCannotFinishRemovesNothing() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Nieuw("W", 2);
        VulSpel(f, 1);
        uitslag::WachtOp();
        const QString uitslag = Pad("W", "Spel 01 Drovik.txt");
        const QByteArray voor = ReadTestFile(uitslag);
        const QStringList kolom = Kolom(f.msfgResultaat, 1);
        // A folder stands where the board's export file would be.
        QVERIFY(QDir().mkpath(Pad("W", "Spel 001.txt/binnen")));
        f.cmdSpel_Click(1);
        prompts.answer(vbYes).answer(vbOK);
        QTest::mouseClick(f.cmdWisSpel.widget(), Qt::LeftButton);
        QCOMPARE(prompts.count(), 2);
        QVERIFY(prompts.last().text.startsWith(TaalTekst(307).replace('~', "1").section('|', 0, 0)));
        QCOMPARE(ReadTestFile(uitslag), voor);
        QCOMPARE(KlaarVlaggen, QString("10"));
        QCOMPARE(f.cmdSpel[1].BackColor(), Grijs);
        QCOMPARE(Kolom(f.msfgResultaat, 1), kolom);
        QVERIFY(!f.lblContractNZ[0].Caption().isEmpty());
        // Once it can, the clear takes everything.
        QVERIFY(QDir(Pad("W", "Spel 001.txt")).removeRecursively());
        prompts.answer(vbYes);
        QTest::mouseClick(f.cmdWisSpel.widget(), Qt::LeftButton);
        QVERIFY(!QFile::exists(uitslag));
        QCOMPARE(KlaarVlaggen, QString("00"));
        QVERIFY(Kolom(f.msfgResultaat, 1).join("").isEmpty());
        QCOMPARE(ReadTestFile(Pad("W", "W klaar.txt")), QByteArray("00\r\n"));
        QCOMPARE(prompts.count(), 3);
    }

    void aBoardFileOfAnotherMatchIsNotOverwritten() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Nieuw("W", 2);
        // Pair 1 twice: not a board of this match.
        const QString pad = Pad("W", "Spel 02 Drovik.txt");
        const QByteArray vreemd = "1 - 2~4S~~420~-420~~\r\n1 - 3~P~P~0~0~~\r\n";
        WriteTestFile(pad, vreemd);
        prompts.answer(vbOK);
        QTest::mouseClick(f.cmdSpel[2].widget(), Qt::LeftButton);
        QCOMPARE(prompts.count(), 1);
        QVERIFY(prompts.last().text.contains("Spel 02 Drovik.txt"));
        QVERIFY(prompts.last().text.endsWith(TaalTekst(253).replace('~', "2").replace('|', '\n')));
        // Nothing can be entered over it: keys, the mouse on the slip.
        QVERIFY(!f.fraInvoer.Enabled());
        Tik(f, "pp");
        QTest::mouseClick(f.lblContractNZ[0].widget(), Qt::LeftButton);
        QTest::mouseClick(f.cmdArbitrale.widget(), Qt::LeftButton);
        DoEvents();
        QVERIFY(!f.cmdArbitrale.Enabled());
        QCOMPARE(ReadTestFile(pad), vreemd);
        QCOMPARE(KlaarVlaggen, QString("00"));
        // Another board opens as usual.
        f.cmdSpel_Click(1);
        QVERIFY(f.fraInvoer.Enabled());
        // Cleared, the board is entered anew.
        prompts.answer(vbOK).answer(vbYes);
        f.cmdSpel_Click(2);
        f.cmdWisSpel_Click();
        QVERIFY(!QFile::exists(pad));
        QVERIFY(f.fraInvoer.Enabled());
        Tik(f, "p");
        Tik(f, "p");
        QCOMPARE(KlaarVlaggen, QString("01"));
        QCOMPARE(prompts.count(), 3);
    }

    void englishSortBoxesHaveTheirOwnAccessKeys() {
        SchrijfTaal(11);
        frmVeldom11Form& f = OpenInvoer();
        QCOMPARE(TaalNummer, 11);
        QCOMPARE(f.chkSorteer(0).Caption(), QString("Sort &high-low"));
        QCOMPARE(f.chkSorteer(1).Caption(), QString("Sort high-l&ow"));
        // Each key reaches its own box.
        QTest::keyClick(f.cmdFocus.widget(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(f.chkSorteer(1).Value(), 1);
        QCOMPARE(f.chkSorteer(0).Value(), 0);
        QCOMPARE(f.chkSorteer(1).Caption(), QString("Sort l&ow-high"));
        QTest::keyClick(f.cmdFocus.widget(), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(f.chkSorteer(0).Value(), 1);
        QCOMPARE(f.chkSorteer(1).Value(), 1);
        QCOMPARE(f.chkSorteer(0).Caption(), QString("Sort low-&high"));
    }
};

QTEST_MAIN(TestFrmVeldom11Wedstrijd)
#include "test_frmveldom11_wedstrijd.moc"
