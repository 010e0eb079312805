// A whole club evening, driven through the real windows in Dutch and in
// English: each step leaves its files in the program folder, checked after
// the step, and gives the main window back when its dialog closes.

#include <QtTest>
#include <QDir>
#include <QDirIterator>
#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <memory>

#include <sys/stat.h>

#include "lessons/frmVeldom15.h"
#include "main/frmVeldom01.h"
#include "output/frmVeldom08.h"
#include "output/frmVeldom17.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Paths.h"
#include "platform/PdfPrinter.h"
#include "platform/Profile.h"
#include "players/frmVeldom04.h"
#include "players/frmVeldom05.h"
#include "players/frmVeldom10.h"
#include "results/frmVeldom11.h"
#include "results/frmVeldom12.h"
#include "results/frmVeldom13.h"
#include "results/SchrijfWachtrij.h"
#include "results/UitslagOverzicht.h"
#include "results/WedstrijdBestanden.h"
#include "saveas/frmVeldom02.h"
#include "saveas/frmVeldom03.h"
#include "settings/frmVeldom06.h"
#include "settings/frmVeldom07.h"
#include "settings/frmVeldom18.h"
#include "shared/BasVeldom.h"
#include "shared/GroepBestand.h"
#include "shared/Mail.h"
#include "shared/MailTxt.h"
#include "support/LocalServer.h"
#include "support/PrintTestSupport.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

QString Ini(const QString& sectie, const QString& sleutel) { return ReadProfileString(IniBestand, sectie, sleutel); }

int Rechten(const QString& pad) {
    struct stat st {};
    return ::stat(QFile::encodeName(pad).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

// Every line of a text file the program writes ends in CR LF.
bool AlleRegelsCrLf(const QByteArray& inhoud) {
    if (inhoud.isEmpty() || !inhoud.endsWith("\r\n")) return false;
    for (qsizetype i = 0; i < inhoud.size(); ++i)
        if (inhoud[i] == '\n' && (i == 0 || inhoud[i - 1] != '\r')) return false;
    return true;
}

// The main window is back: enabled, shown, and no dialog of the road open.
void HoofdschermTerug() {
    DoEvents();
    QVERIFY(frmVeldom01().Visible());
    QVERIFY(frmVeldom01().Enabled());
    QCOMPARE(AanroepScherm, 0);
    QCOMPARE(ActiveForm(), static_cast<Form*>(&frmVeldom01()));
    QVERIFY(!frmVeldom02_IsLoaded());
    QVERIFY(!frmVeldom03_IsLoaded());
    QVERIFY(!frmVeldom06_IsLoaded());
    QVERIFY(!frmVeldom07_IsLoaded());
    QVERIFY(!frmVeldom08_IsLoaded());
    QVERIFY(!frmVeldom17_IsLoaded());
    QVERIFY(!frmVeldom04_IsLoaded());
    QVERIFY(!frmVeldom05_IsLoaded());
    QVERIFY(!frmVeldom10_IsLoaded());
    QVERIFY(!frmVeldom11_IsLoaded());
    QVERIFY(!frmVeldom18_IsLoaded());
    QVERIFY(!frmVeldom12_IsLoaded());
    QVERIFY(!frmVeldom13_IsLoaded());
    QVERIFY(!frmVeldom15_IsLoaded());
}

}  // namespace

class TestClubavond : public QObject {
    Q_OBJECT
    QTemporaryDir spool_, bureau_, wijn_;
    QByteArray oudHome_;
    testsupport::LocalServer sink_;
    testsupport::VensterThuis home;
    std::unique_ptr<testsupport::PromptScript> prompts;

    int Mails() const { return QDir(spool_.path()).entryList({"*.env"}).size(); }
    QByteArray Mail(int n, const QString& ext) const {
        return testsupport::ReadTestFile(spool_.filePath(QStringLiteral("mail-%1.%2").arg(n).arg(ext)));
    }

    // --- step 1: points, printer, mail -------------------------------------

    // MAIL.TXT for the club's own provider, the sink, by the writer command.
    void MaakMailTxt() {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DROVIK_HOME", home->path());
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + "/drovik-mailtxt",
                {"--host", "127.0.0.1", "--port", QString::number(sink_.port()), "--tls=off", "--from",
                 "club@example.test", "--name", "Bridgeclub"});
        QVERIFY2(p.waitForFinished(30000), "the MAIL.TXT writer did not finish");
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
                 p.readAllStandardError().constData());
        const QString pad = home->file("MAIL.TXT");
        QCOMPARE(Rechten(pad), 0600);
        QCOMPARE(DecodeerMailTxt(testsupport::ReadTestFile(pad)).staat, MailTxtStaat::Goed);
    }

    void Stap1Instellingen() {
        MaakMailTxt();
        if (QTest::currentTestFailed()) return;
        frmVeldom01().Show();
        DoEvents();
        QVERIFY(!MailOnbruikbaar);
        HoofdschermTerug();

        // The point window: 12 to 23 points.
        frmVeldom01().cmdInstellingen.Click();
        DoEvents();
        QVERIFY(frmVeldom06_IsLoaded());
        QVERIFY(!frmVeldom01().Enabled());
        frmVeldom06Form& punten = frmVeldom06();
        QCOMPARE(punten.Caption(), TaalTekst(63));
        Foto(punten, "06-punten");
        const int min = MinimaalPunten, max = MaximaalPunten;
        punten.vscrMin.userChanged(punten.vscrMin.Value() - 1);  // up one
        punten.vscrMax.userChanged(punten.vscrMax.Value() + 1);  // down one
        QCOMPARE(MinimaalPunten, min + 1);
        QCOMPARE(MaximaalPunten, max - 1);
        QCOMPARE(Ini("Punten", "MinimaalPunten"), QString::number(min + 1));
        QCOMPARE(Ini("Punten", "MaximaalPunten"), QString::number(max - 1));
        // The club's own address and name for the mails, stored by OK.
        punten.txtEMailAdres.SetText("leiding@example.test");
        punten.txtNaam.SetText("Bridgeclub De Kaart");
        QVERIFY(punten.cmdOK.Enabled());
        punten.cmdOK.Click();
        HoofdschermTerug();
        QCOMPARE(EigenEmailAdres, QString("leiding@example.test"));
        QCOMPARE(Ini("Standaard", "eigen e-mail adres"), QString("leiding@example.test"));
        QCOMPARE(frmVeldom01().lblMin.Caption(), QString::number(min + 1));
        QCOMPARE(frmVeldom01().lblMax.Caption(), QString::number(max - 1));

        // The printer settings: the built-in PDF printer, layout 0. No
        // printer is stored yet, which the window reports once.
        prompts->answer(vbOK);
        frmVeldom01().cmdPrinterInstellingen.Click();
        DoEvents();
        QCOMPARE(prompts->count(), 1);
        QVERIFY(frmVeldom07_IsLoaded());
        frmVeldom07Form& printer = frmVeldom07();
        Foto(printer, "07-printer");
        QCOMPARE(printer.lstPrinters.List(0), PdfPrinterName());
        printer.lstPrinters.userSelected(0, true);
        printer.optRichting[1].userSelected();
        printer.optRichting[0].userSelected();
        QCOMPARE(Ini("Printer", "PDF Printer"), PdfPrinterName());
        QCOMPARE(Ini("Printer", "Print Richting"), QString("0"));
        printer.cmdTerug.Click();
        HoofdschermTerug();

        // The e-mail setup: provider 1 of the written file, one test mail to
        // the club's own address through the sink.
        frmVeldom01().cmdMAILTXT.Click();
        DoEvents();
        QVERIFY(frmVeldom18_IsLoaded());
        frmVeldom18Form& mail = frmVeldom18();
        Foto(mail, "18-mail");
        QVERIFY(mail.optProvider[0].Value());
        mail.txtEMailAdres.SetText("leiding@example.test");
        QVERIFY(mail.cmdOK.Enabled());
        const int voor = Mails();
        prompts->answer(vbOK);
        mail.cmdOK.Click();
        QCOMPARE(prompts->last().text, TaalTekst(223));
        QTRY_COMPARE(Mails(), voor + 1);
        QCOMPARE(Mail(voor + 1, "env"), QByteArray("club@example.test\nleiding@example.test"));
        mail.cmdTerug.Click();
        HoofdschermTerug();
        QCOMPARE(Ini("Standaard", "provider"), QString("0"));

        // On disk: the settings in CR LF, the provider file untouched by the
        // windows and private.
        for (const char* naam : {"taal.ini", "scherm.ini"})
            QVERIFY2(AlleRegelsCrLf(testsupport::ReadTestFile(home->file(naam))), naam);
        QCOMPARE(Rechten(home->file("MAIL.TXT")), 0600);
    }

    // --- step 2: deal, save with the calendar, reload ------------------------

    QStringList Set;  // the dealt set as the main window lists it

    void Stap2DelenEnBewaren() {
        frmVeldom01Form& f = frmVeldom01();
        f.cmdStart.Click();
        DoEvents();
        Set = f.lstSpellenSet.Items();
        QCOMPARE(Set.size(), 1 + 24);  // the header and 24 boards
        for (int i = 1; i <= 24; ++i) QVERIFY(Set[i].startsWith(QStringLiteral("%1~").arg(i, 3, 10, QChar('0'))));

        QVERIFY(f.cmdOpslaan.Enabled());
        f.cmdOpslaan.Click();
        DoEvents();
        QVERIFY(frmVeldom02_IsLoaded());
        QVERIFY(!f.Enabled());
        frmVeldom02Form& bewaar = frmVeldom02();
        Foto(bewaar, "02-bewaar");
        bewaar.cmdKalender.Click();
        DoEvents();
        Foto(frmVeldom03(), "03-kalender");
        QVERIFY(frmVeldom03_IsLoaded());
        QVERIFY(!bewaar.Enabled());
        QCOMPARE(ActiveForm(), static_cast<Form*>(&frmVeldom03()));
        frmVeldom03().cmdOK.Click();  // the date the calendar shows
        DoEvents();
        QVERIFY(!frmVeldom03_IsLoaded());
        QVERIFY(bewaar.Enabled());
        Naam = bewaar.txtBestandsNaam.Text();
        QCOMPARE(Naam, GekozenDatum);
        QVERIFY(!Naam.isEmpty());
        bewaar.cmdOK.Click();
        HoofdschermTerug();

        // The set file: the listed lines in CR LF, one byte a character.
        const QString pad = resolvePath(home->file("Spellen/" + Naam + ".txt"));
        const QByteArray inhoud = testsupport::ReadTestFile(pad);
        QVERIFY(AlleRegelsCrLf(inhoud));
        QCOMPARE(inhoud, (Set.join("\r\n") + "\r\n").toLatin1());

        // Another deal, then the saved set back from the list.
        const int plek = int(f.lstSpellen.Items().indexOf(Naam));
        QVERIFY(plek >= 0);
        f.cmdStart.Click();
        DoEvents();
        QVERIFY(f.lstSpellenSet.Items() != Set);
        f.lstSpellen.SetListIndex(plek);
        DoEvents();
        QCOMPARE(f.lstSpellenSet.Items(), Set);
        Foto(f, "01-hoofdscherm");
        QCOMPARE(testsupport::ReadTestFile(pad), inhoud);  // loading writes nothing
        HoofdschermTerug();
    }
    QString Naam;  // the saved set's name

    // --- step 3: print in every layout, copy in every clipboard layout ------

    QStringList ZetelPdf;  // the four seat PDFs of layout 0, North first

    // The layout in the printer settings window, closed again.
    void KiesLayout(int layout) {
        frmVeldom01().cmdPrinterInstellingen.Click();
        DoEvents();
        QVERIFY(frmVeldom07_IsLoaded());
        frmVeldom07().optRichting[layout].userSelected();
        QCOMPARE(Ini("Printer", "Print Richting"), QString::number(layout));
        frmVeldom07().cmdTerug.Click();
        HoofdschermTerug();
    }

    void Stap3AfdrukkenEnKopieren() {
        frmVeldom01Form& f = frmVeldom01();
        // The folder the built-in PDF printer saves in, as its dialog offers.
        const QString map = PdfFolder();
        QVERIFY(QDir().mkpath(map));

        // Layout 0: one PDF per seat, named after the seat.
        const int eerst = prompts->count();
        prompts->answerPrint(true);
        QStringList zetels;
        for (int z = 1; z <= 4; ++z) zetels << TaalTekst(z);
        ZetelPdf.clear();
        for (const QString& z : zetels) {
            ZetelPdf << map + "/" + z + ".pdf";
            prompts->answerFile(ZetelPdf.last());
        }
        QVERIFY(f.cmdAfdrukken.Enabled());
        f.cmdAfdrukken.Click();
        testsupport::VerifyChainClosed();
        HoofdschermTerug();
        QCOMPARE(prompts->count(), eerst + 5);
        const QString spel = TaalNummer == 10 ? "Spel" : "Game";
        for (int z = 0; z < 4; ++z) {
            QCOMPARE(prompts->prompts()[eerst + 1 + z].proposedName, zetels[z] + ".pdf");
            QCOMPARE(QDir::cleanPath(prompts->prompts()[eerst + 1 + z].folder), QDir::cleanPath(map));
            QVERIFY2(testsupport::PdfPages(ZetelPdf[z]) >= 1, qPrintable(ZetelPdf[z]));
            const QString tekst = testsupport::PdfText(ZetelPdf[z]);
            Bewaar(ZetelPdf[z]);
            for (int n : {1, 13, 24})
                QVERIFY2(tekst.contains(QStringLiteral("%1 %2 - %3").arg(spel).arg(n).arg(zetels[z])),
                         qPrintable(zetels[z] + ": " + QString::number(n)));
        }

        // Layouts 1 to 3: one PDF each.
        for (int layout = 1; layout <= 3; ++layout) {
            KiesLayout(layout);
            if (QTest::currentTestFailed()) return;
            const QString pdf = map + QStringLiteral("/layout%1.pdf").arg(layout);
            prompts->answerPrint(true);
            prompts->answerFile(pdf);
            f.cmdAfdrukken.Click();
            testsupport::VerifyChainClosed();
            HoofdschermTerug();
            QVERIFY2(testsupport::PdfPages(pdf) >= 1, qPrintable(pdf));
            QVERIFY2(!testsupport::PdfText(pdf).trimmed().isEmpty(), qPrintable(pdf));
            Bewaar(pdf);
        }
        KiesLayout(0);
        QCOMPARE(QDir(map).entryList(QDir::Files).size(), 7);

        // The clipboard window, each layout in turn.
        QGuiApplication::clipboard()->setText("vorige");
        QVERIFY(f.cmdKlembord.Enabled());
        f.cmdKlembord.Click();
        DoEvents();
        QVERIFY(frmVeldom17_IsLoaded());
        QVERIFY(!f.Enabled());
        frmVeldom17Form& k = frmVeldom17();
        Foto(k, "17-klembord");
        QStringList kopieen;
        for (int layout = 0; layout <= 3; ++layout) {
            k.optHoe[layout].userSelected();
            CommandButton* start = layout < 2 ? &k.cmdStart : layout == 2 ? &k.cmdStart2 : &k.cmdStart3;
            QVERIFY2(start->Visible(), qPrintable(QString::number(layout)));
            prompts->answer(vbOK);
            start->Click();
            QCOMPARE(prompts->last().text, TaalTekst(203).remove('&'));
            const QString tekst = QGuiApplication::clipboard()->text();
            QVERIFY2(tekst.contains("\r\n"), qPrintable(QString::number(layout)));
            QVERIFY(!kopieen.contains(tekst));
            kopieen << tekst;
        }
        QCOMPARE(Ini("Printer", "Print Richting Klembord"), QString("3"));
        k.cmdTerug.Click();
        HoofdschermTerug();
    }

    // --- step 4: names, group, match ---------------------------------------

    // The names of the club: sixteen players, one with letters outside ASCII.
    static QString Speler(int i) {
        return i == 16 ? QString::fromUtf8("Zo\u00eb M\u00fcller") : QStringLiteral("Speler %1").arg(i, 2, 10, QChar('0'));
    }
    static QString Adres(int i) { return QStringLiteral("p%1@club.test").arg(i, 2, 10, QChar('0')); }

    void KiesUit(ListBox& lst, const QString& tekst) {
        const int i = lst.Items().indexOf(tekst);
        QVERIFY2(i >= 0, qPrintable(tekst));
        lst.userSelected(i, true);
        DoEvents();
    }
    // Saves through the Save-as dialog that the window at hand opened.
    void BewaarAls(const QString& naam) {
        QVERIFY(frmVeldom02_IsLoaded());
        frmVeldom02().txtBestandsNaam.userEdited(naam);
        frmVeldom02().cmdOK.Click();
        DoEvents();
        QVERIFY(!frmVeldom02_IsLoaded());
    }

    void Stap4NamenGroepWedstrijd() {
        frmVeldom01Form& hoofd = frmVeldom01();

        // The names window: sixteen players typed and saved.
        hoofd.cmdNamen.Click();
        DoEvents();
        QVERIFY(frmVeldom04_IsLoaded());
        QVERIFY(!hoofd.Enabled());
        frmVeldom04Form& namen = frmVeldom04();
        for (int i = 1; i <= 16; ++i) {
            namen.txtNaam[0].userEdited(Speler(i));
            namen.txtNaam[1].userEdited(Adres(i));
            QVERIFY(namen.cmdToevoegen.Enabled());
            namen.cmdToevoegen.Click();
        }
        QCOMPARE(namen.msfgResultaat.Rows(), 17);
        Foto(namen, "04-namen");
        namen.cmdOpslaan.Click();
        DoEvents();
        BewaarAls("Clubleden");
        QVERIFY(namen.Enabled());
        QVERIFY(!namen.GridGewijzigd());
        namen.cmdTerug.Click();
        HoofdschermTerug();
        const QByteArray namenBestand = testsupport::ReadTestFile(home->file("namen/Clubleden.txt"));
        QVERIFY(AlleRegelsCrLf(namenBestand));
        QCOMPARE(namenBestand.count("\r\n"), 16);
        QVERIFY(namenBestand.contains("1|Speler 01|p01@club.test\r\n"));
        QVERIFY(namenBestand.contains("|Zo\xEB M\xFCller|p16@club.test\r\n"));  // one byte a letter

        // The composer: eight pairs from the names file, saved as a group.
        hoofd.cmdGroepen.Click();
        DoEvents();
        QVERIFY(frmVeldom05_IsLoaded());
        QVERIFY(!hoofd.Enabled());
        frmVeldom05Form& groep = frmVeldom05();
        KiesUit(groep.lstNamenBestand, "Clubleden");
        QCOMPARE(groep.msfgResultaat.Rows(), 17);
        for (int k = 1; k <= 8; ++k) {
            groep.msfgResultaat.userClickCell(1, 1);
            groep.msfgResultaat.userClickCell(1, 1);
            QVERIFY(groep.cmdToevoegen.Enabled());
            groep.cmdToevoegen.Click();
        }
        QCOMPARE(groep.lstMaakGroep.ListCount(), 8);
        Foto(groep, "05-groep");
        QVERIFY(groep.cmdOpslaan.Enabled());
        groep.cmdOpslaan.Click();
        DoEvents();
        BewaarAls("Dinsdag");
        QVERIFY(groep.Enabled());
        groep.cmdTerug.Click();
        HoofdschermTerug();
        QVector<groep::Paar> paren;
        QVERIFY(groep::LeesGroep("Dinsdag", paren));
        QCOMPARE(paren.size(), 8);
        QStringList alle;
        for (const groep::Paar& p : paren) alle << p.eerste.naam << p.tweede.naam;
        alle.sort();
        QStringList verwacht;
        for (int i = 1; i <= 16; ++i) verwacht << Speler(i);
        verwacht.sort();
        QCOMPARE(alle, verwacht);
        const QByteArray groepBestand = testsupport::ReadTestFile(groep::GroepPad("Dinsdag"));
        QVERIFY(AlleRegelsCrLf(groepBestand));

        // The results window: a new match from the group.
        hoofd.cmdInvoeren.Click();
        DoEvents();
        QVERIFY(frmVeldom11_IsLoaded());
        QVERIFY(!hoofd.Enabled());
        frmVeldom11Form& uitslag = frmVeldom11();
        const int g = uitslag.lstGroepen.Items().indexOf("Dinsdag");
        QVERIFY(g >= 0);
        uitslag.lstGroepen.SetListIndex(g);
        QVERIFY(uitslag.cmdOpslaanAls.Enabled());
        uitslag.cmdOpslaanAls.Click();
        DoEvents();
        BewaarAls("Avond");
        QCOMPARE(SessieNaam, QString("Avond"));
        QCOMPARE(uitslag.lstParen.ListCount(), 8);
        Foto(uitslag, "11-keuze");
        QVERIFY(uitslag.cmdStart.Enabled());
        const QByteArray paarBestand = testsupport::ReadTestFile(home->file("resultaten/Avond/Avond.txt"));
        QVERIFY(AlleRegelsCrLf(paarBestand));
        QCOMPARE(paarBestand.count("\r\n"), 8);
        QCOMPARE(testsupport::ReadTestFile(home->file("resultaten/Avond/Avond mail.txt")), groepBestand);
        uitslag.cmdTerug.Click();
        HoofdschermTerug();
    }

    // --- step 5: each seat's PDF to its players --------------------------

    void Stap5MailPerWind() {
        frmVeldom01().cmdVerstuur.Click();
        DoEvents();
        QVERIFY(frmVeldom10_IsLoaded());
        QVERIFY(!frmVeldom01().Enabled());
        frmVeldom10Form& f = frmVeldom10();
        for (int w = 0; w < 4; ++w) {
            const int i = f.comWind[w].Items().indexOf(TaalTekst(w + 1));
            QVERIFY2(i >= 0, qPrintable(f.comWind[w].Items().join(", ")));
            f.comWind[w].SetListIndex(i);
        }
        QVERIFY(f.fraGroepBestanden.Enabled());
        const int g = f.lstGroepBestanden.Items().indexOf("Dinsdag");
        QVERIFY(g >= 0);
        f.lstGroepBestanden.SetListIndex(g);
        QVERIFY(f.cmdVerstuur.Enabled());
        Foto(f, "10-mailperwind");
        const int voor = Mails();
        prompts->answer(vbOK);
        f.cmdVerstuur.Click();
        QCOMPARE(prompts->last().text, TaalTekst(125));
        QTRY_COMPARE(Mails(), voor + 16);

        // Pair n holds players 2n-1 and 2n; odd pairs sit North-South, even
        // pairs East-West; the first player of a pair North or East.
        const QByteArray kaart = testsupport::ReadTestFile(home->file("scorekaart.docx"));
        int k = voor;
        for (int w = 0; w < 4; ++w)
            for (int paar = (w % 2 == 0 ? 1 : 2); paar <= 8; paar += 2) {
                ++k;
                const int speler = 2 * paar - (w < 2 ? 1 : 0);
                QCOMPARE(Mail(k, "env"), ("club@example.test\n" + Adres(speler)).toLatin1());
                QCOMPARE(Mail(k, "att-0"), testsupport::ReadTestFile(ZetelPdf[w]));
                QCOMPARE(Mail(k, "att-1"), kaart);
                QCOMPARE(Mail(k, "names"), (TaalTekst(w + 1) + ".pdf\nscorekaart.docx\n").toUtf8());
                QVERIFY(Mail(k, "headers").contains("Reply-To: leiding@example.test"));
            }
        f.cmdTerug.Click();
        HoofdschermTerug();
    }


    // --- step 6: every table of every board, scored and matchpointed ------

    // One table's result: an entry in Dutch letters, or an adjusted score.
    struct Tafel {
        QString invoer;   // "" for the adjusted score
        double nz = 0;    // North-South's score
    };
    std::vector<std::vector<Tafel>> Uitslagen;  // [board][table]

    // The entries of the evening and the declaring side's score, not
    // vulnerable and vulnerable, from the duplicate scoring table.
    struct Keuze {
        const char* invoer;
        int niet, wel;
    };
    static constexpr Keuze Keuzes[] = {
        {"4scz", 420, 620},    {"4s+1n", 450, 650},  {"3a-1w", -50, -100}, {"4hc!n", 590, 790},
        {"3a-2!w", -300, -500}, {"p", 0, 0},         {"2k+1o", 110, 110},  {"1a+1!!n", 760, 1160},
    };
    // North-South's score of an entry on a board.
    static int ScoreNZ(const QString& invoer, int bord) {
        if (invoer == "p") return 0;
        // Vulnerability by the board number: - nobody, N North-South, O East-West, A all.
        const QChar kwetsbaar = QLatin1String("-NOANOA-OA-NA-NO")[(bord - 1) % 16];
        const bool nz = invoer.endsWith('n') || invoer.endsWith('z');
        const bool wel = kwetsbaar == 'A' || kwetsbaar == (nz ? 'N' : 'O');
        for (const Keuze& k : Keuzes)
            if (invoer == QLatin1String(k.invoer)) return (nz ? 1 : -1) * (wel ? k.wel : k.niet);
        return 0;
    }
    // The entry as typed in the language: clubs and diamonds differ.
    static QString Getypt(QString invoer) {
        if (TaalNummer == 11 && invoer.size() > 1)
            invoer[1] = invoer[1] == 'k' ? QChar('c') : invoer[1] == 'r' ? QChar('d') : invoer[1];
        return invoer;
    }
    void Tik(frmVeldom11Form& f, const QString& invoer) {
        QTest::keyClicks(f.txtContract.widget(), Getypt(invoer));
        QCOMPARE(f.txtContract.Text(), QString());
    }

    // Matchpoints of one board worked out apart from the program: each side
    // 2 for every ranked table beaten and 1 for every tie; a table not
    // played or adjusted is left out and the rest scaled to the full top;
    // an adjusted table gets its percentage of the top.
    static void Matchpunten(const std::vector<Tafel>& tafels, std::vector<double>& nz, std::vector<double>& ow) {
        const int n = int(tafels.size()), top = 2 * (n - 1);
        auto gerangschikt = [&](int i) { return !tafels[i].invoer.isEmpty() && tafels[i].invoer != "n"; };
        int s = 0;
        for (int i = 0; i < n; ++i) s += gerangschikt(i);
        nz.assign(n, -1);
        ow.assign(n, -1);
        for (int i = 0; i < n; ++i) {
            if (tafels[i].invoer.isEmpty()) {
                nz[i] = tafels[i].nz / 100 * top;
                ow[i] = top - nz[i];
                continue;
            }
            if (!gerangschikt(i)) continue;
            double a = 0, b = 0;
            for (int j = 0; j < n; ++j) {
                if (j == i || !gerangschikt(j)) continue;
                a += tafels[i].nz > tafels[j].nz ? 2 : tafels[i].nz == tafels[j].nz ? 1 : 0;
                b += tafels[i].nz < tafels[j].nz ? 2 : tafels[i].nz == tafels[j].nz ? 1 : 0;
            }
            nz[i] = s == n ? a : (a + 1) * n / s - 1;
            ow[i] = s == n ? b : (b + 1) * n / s - 1;
        }
    }
    static bool Ongeveer(const QString& tekst, double waarde) {
        bool ok = false;
        const double v = tekst.toDouble(&ok);
        return ok && qAbs(v - waarde) < 0.006;
    }

    void Stap6Contracten() {
        frmVeldom01Form& hoofd = frmVeldom01();
        hoofd.cmdInvoeren.Click();
        DoEvents();
        QVERIFY(frmVeldom11_IsLoaded());
        frmVeldom11Form& f = frmVeldom11();
        const int w = f.lstUitslagen.Items().indexOf("Avond");
        QVERIFY(w >= 0);
        f.lstUitslagen.SetListIndex(w);
        QCOMPARE(f.lblAantal.Caption(), QString("24"));
        f.cmdStart.Click();
        DoEvents();
        QVERIFY(f.fraScoreBriefjes.Visible());
        Foto(f, "11-invoer");

        Uitslagen.assign(25, {});
        for (int b = 1; b <= 24; ++b) {
            f.cmdSpel[b].Click();
            DoEvents();
            std::vector<Tafel>& tafels = Uitslagen[b];
            for (int t = 0; t < 4; ++t) {
                QVERIFY2(f.lblContract.Caption().contains(QStringLiteral("%1 - %2").arg(2 * t + 1).arg(2 * t + 2)),
                         qPrintable(f.lblContract.Caption()));
                if (b == 11 && t == 3) {
                    // The last table of board 11 gets an adjusted score.
                    f.cmdArbitrale.Click();
                    DoEvents();
                    QVERIFY(frmVeldom13_IsLoaded());
                    QVERIFY(!f.Enabled());
                    frmVeldom13Form& a = frmVeldom13();
                    Foto(a, "13-arbitraal");
                    QTest::keyClicks(a.txtNZ.widget(), "60");
                    QTest::keyClick(a.txtNZ.widget(), Qt::Key_Return);
                    QTest::keyClicks(a.txtOW.widget(), "40");
                    QTest::keyClick(a.txtOW.widget(), Qt::Key_Return);
                    DoEvents();
                    QVERIFY(!frmVeldom13_IsLoaded());
                    QVERIFY(f.Enabled());
                    tafels.push_back({QString(), 60});
                    QTRY_COMPARE(KlaarVlaggen.at(10), QLatin1Char('1'));
                    continue;
                }
                QString invoer = QLatin1String(Keuzes[(b + 3 * t) % 8].invoer);
                if (b == 5 && t == 2) invoer = "n";  // a table that did not play
                Tik(f, invoer);
                if (QTest::currentTestFailed()) return;
                tafels.push_back({invoer, double(ScoreNZ(invoer, b))});
            }
            if (b == 3) {
                // Re-edit: the second table's row cleared by a click and typed again.
                f.lblContractNZ_MouseDown(1, vbLeftButton, 0, 0, 0);
                QCOMPARE(f.lblContractNZ[1].Caption(), QString());
                QCOMPARE(f.lblContractOW[1].Caption(), QString());
                QCOMPARE(KlaarVlaggen.at(2), QLatin1Char('0'));
                const QString nieuw = tafels[1].invoer == "2k+1o" ? "3a-2!w" : "2k+1o";
                Tik(f, nieuw);
                tafels[1] = {nieuw, double(ScoreNZ(nieuw, b))};
            }
            QCOMPARE(KlaarVlaggen.at(b - 1), QLatin1Char('1'));

            // The slip and the results grid against the board worked out apart.
            std::vector<double> nz, ow;
            Matchpunten(tafels, nz, ow);
            for (int t = 0; t < 4; ++t) {
                const QString waar = QStringLiteral("board %1 table %2").arg(b).arg(t + 1);
                const Tafel& tafel = tafels[t];
                if (!tafel.invoer.isEmpty() && tafel.invoer != "n") {
                    QCOMPARE(f.lblScoreNZ[t].Caption().toInt(), int(tafel.nz));
                    QCOMPARE(f.lblScoreOW[t].Caption().toInt(), -int(tafel.nz));
                }
                if (nz[t] < 0) {
                    QVERIFY2(f.lblMPNZ[t].Caption().isEmpty(), qPrintable(waar));
                    QVERIFY2(f.msfgResultaat.TextMatrix(2 * t + 1, b).isEmpty(), qPrintable(waar));
                    continue;
                }
                QVERIFY2(Ongeveer(f.lblMPNZ[t].Caption(), nz[t]), qPrintable(waar + ": " + f.lblMPNZ[t].Caption()));
                QVERIFY2(Ongeveer(f.lblMPOW[t].Caption(), ow[t]), qPrintable(waar + ": " + f.lblMPOW[t].Caption()));
                QVERIFY2(Ongeveer(f.msfgResultaat.TextMatrix(2 * t + 1, b), nz[t]), qPrintable(waar));
                QVERIFY2(Ongeveer(f.msfgResultaat.TextMatrix(2 * t + 2, b), ow[t]), qPrintable(waar));
            }
        }
        // Hand-checked: board 3 (East-West vulnerable). North-South score
        // 590 (four hearts doubled made), 500 twice (three no trump doubled
        // two down, the re-edited row among them) and 450: 6, 3, 3 and 0.
        QCOMPARE(Uitslagen[3][0].invoer, QString("4hc!n"));
        QCOMPARE(Uitslagen[3][1].invoer, QString("3a-2!w"));
        f.cmdSpel[3].Click();
        QCOMPARE(f.lblScoreNZ[0].Caption(), QString("590"));
        const QStringList mp = {f.lblMPNZ[0].Caption(), f.lblMPNZ[1].Caption(), f.lblMPNZ[2].Caption(),
                                f.lblMPNZ[3].Caption()};
        QCOMPARE(mp, QStringList({"6", "3", "0", "3"}));
        QCOMPARE(KlaarVlaggen, QString(24, QLatin1Char('1')));
        QVERIFY(f.cmdUitslag.Enabled());

        // On disk (once the queued writes are done): a result file per
        // board, the flags, the overview, all in CR LF; contracts kept in
        // the Dutch letters whatever the language.
        uitslag::WachtOp();
        for (int b = 1; b <= 24; ++b) {
            const QByteArray spel = testsupport::ReadTestFile(uitslag::SchrijfPad(uitslag::WedstrijdBestand::SpelUitslag, "Avond", b));
            QVERIFY2(AlleRegelsCrLf(spel), qPrintable(QString::number(b)));
            QCOMPARE(spel.count("\r\n"), 4);
        }
        QVERIFY(testsupport::ReadTestFile(uitslag::SchrijfPad(uitslag::WedstrijdBestand::SpelUitslag, "Avond", 6))
                    .contains("1 - 2~~2K+1~-110~110~"));
        QCOMPARE(testsupport::ReadTestFile(uitslag::SchrijfPad(uitslag::WedstrijdBestand::Klaar, "Avond")),
                 QByteArray(24, '1') + "\r\n");
        QVERIFY(AlleRegelsCrLf(testsupport::ReadTestFile(uitslag::SchrijfPad(uitslag::WedstrijdBestand::Overzicht, "Avond"))));
    }

    // --- step 7: the overview, ranked, printed, mailed, exported -----------

    void Stap7Overzicht() {
        frmVeldom11Form& invoer = frmVeldom11();
        invoer.cmdUitslag.Click();
        DoEvents();
        QVERIFY(frmVeldom12_IsLoaded());
        QVERIFY(!invoer.Enabled());
        frmVeldom12Form& f = frmVeldom12();
        Foto(f, "12-overzicht");

        // The ranking against the totals worked out apart: percentages of
        // the top over the boards each pair played, best first.
        double totaal[9] = {};
        int gespeeld[9] = {};
        for (int b = 1; b <= 24; ++b) {
            std::vector<double> nz, ow;
            Matchpunten(Uitslagen[b], nz, ow);
            for (int t = 0; t < 4; ++t) {
                if (nz[t] < 0) continue;
                totaal[2 * t + 1] += nz[t], totaal[2 * t + 2] += ow[t];
                ++gespeeld[2 * t + 1], ++gespeeld[2 * t + 2];
            }
        }
        const std::vector<uitslag::RangRij>& rangen = f.Rangen();
        QCOMPARE(int(rangen.size()), 8);
        double vorige = 101;
        for (const uitslag::RangRij& r : rangen) {
            const int p = r.paarNummer;
            QVERIFY(p >= 1 && p <= 8);
            QCOMPARE(r.gespeeld, gespeeld[p]);
            QVERIFY2(qAbs(r.totaal - totaal[p]) < 0.03, qPrintable(r.paar));
            const double procent = totaal[p] / (6.0 * gespeeld[p]) * 100;
            QVERIFY2(Ongeveer(r.procent.chopped(1), procent), qPrintable(r.paar + " " + r.procent));
            QVERIFY(procent <= vorige + 0.005);
            vorige = procent;
        }
        QCOMPARE(gespeeld[5], 23);
        const QString beste = rangen.front().procent;

        // Two lists and back to one.
        f.cmd2Lijnen.Click();
        QCOMPARE(f.cmd2Lijnen.Tag(), QString("1"));
        QCOMPARE(f.msfgResultaat.Rows(), 13);
        Foto(f, "12-overzicht-2lijnen");
        f.cmd2Lijnen.Click();
        QCOMPARE(f.cmd2Lijnen.Tag(), QString("0"));

        // Printed on the built-in PDF printer.
        const QString pdf = PdfFolder() + "/uitslag.pdf";
        prompts->answerPrint(true);
        prompts->answerFile(pdf);
        f.cmdAfdrukken.Click();
        DoEvents();
        QVERIFY(frmVeldom12_IsLoaded());
        QVERIFY(f.Enabled());
        QVERIFY(testsupport::PdfPages(pdf) >= 1);
        const QString tekst = testsupport::PdfText(pdf);
        QVERIFY2(tekst.contains(beste), qPrintable(tekst));
        for (const uitslag::RangRij& r : rangen) QVERIFY2(tekst.contains(r.paar), qPrintable(r.paar));
        Bewaar(pdf);

        // Mailed to every player of the group as an HTML table.
        const int voor = Mails();
        prompts->answer(vbOK);
        f.cmdVerstuur.Click();
        QTRY_COMPARE(Mails(), voor + 16);
        QVERIFY2(MailFoutNummer == 0, qPrintable(MailFoutTekst));
        QStringList aan;
        for (int k = voor + 1; k <= voor + 16; ++k) {
            aan << QString::fromLatin1(Mail(k, "env")).section('\n', 1);
            QVERIFY(Mail(k, "names").contains("Avond.html"));
            const QByteArray html = Mail(k, "att-0");
            QVERIFY(html.contains(beste.toUtf8()));
            QVERIFY(html.contains(QString::fromUtf8("Zo\u00eb M\u00fcller").toUtf8()));
        }
        aan.sort();
        QStringList adressen;
        for (int i = 1; i <= 16; ++i) adressen << Adres(i);
        QCOMPARE(aan, adressen);

        // Exported to the sibling results program's folder.
        QVERIFY(f.cmdExporteer.Visible());
        prompts->answer(vbOK);
        f.cmdExporteer.Click();
        const QString export_ = CvnMap + "/Pandel/Avond/";
        QCOMPARE(testsupport::ReadTestFile(export_ + "informatie.txt"), QByteArray("8\r\n24\r\n"));
        QVERIFY(AlleRegelsCrLf(testsupport::ReadTestFile(export_ + "Avond.uitslag")));
        for (int b = 1; b <= 24; ++b)
            QVERIFY(QFileInfo(export_ + QStringLiteral("Spel %1.txt").arg(b, 3, 10, QChar('0'))).isFile());

        // Closed, the entry window comes back, then the main window.
        f.cmdTerug.Click();
        DoEvents();
        QVERIFY(!frmVeldom12_IsLoaded());
        QVERIFY(invoer.Enabled());
        invoer.cmdTerug.Click();
        invoer.cmdTerug.Click();
        HoofdschermTerug();
    }

    // --- step 8: three boards into a lesson, exported as a deal set --------

    void Stap8Les() {
        frmVeldom01Form& h = frmVeldom01();
        int toets = 83;  // Ctrl+Alt+S shows the lessons button
        if (!h.cmdLessen.Visible()) h.Form_KeyUp(toets, vbCtrlMask | vbAltMask);
        QVERIFY(h.cmdLessen.Visible());
        QString handen[4][16];
        for (int bord = 1; bord <= 3; ++bord) {
            h.vscrDitSpel.SetValue(h.lstDitSpel.ListCount() - bord);
            QCOMPARE(h.lblSpelnummer.Caption(), QString::number(bord));
            for (int i = 0; i < 16; ++i) handen[bord][i] = h.txtInvoer[i].Text().replace("10", "T");
            h.cmdLessen.Click();
            DoEvents();
            QVERIFY(frmVeldom15_IsLoaded());
            QVERIFY(!h.Enabled());
            frmVeldom15Form& les = frmVeldom15();
            if (bord == 1) {
                // A lesson of three slots.
                les.txtNieuweLes.SetText("Les Avond");
                les.vscrSpellen.SetValue(48 - 3);
                les.cmdOK.Click();
            }
            const int i = les.lstLessen.Items().indexOf("Les Avond");
            QVERIFY(i >= 0);
            les.lstLessen.SetListIndex(-1);
            les.lstLessen.SetListIndex(i);
            QCOMPARE(les.lstSpellen.ListCount(), 3);
            // Board n has the dealer of slot n: it is the one candidate.
            QCOMPARE(les.lstEenVan.ListCount(), 1);
            les.lstEenVan.SetListIndex(0);
            les.cmdPlaatsSpel.Click();
            if (bord == 3) {
                Foto(les, "15-les");
                prompts->answer(vbOK);
                les.cmdExporteer.Click();
            }
            les.cmdTerug.Click();
            HoofdschermTerug();
        }
        const QByteArray set = testsupport::ReadTestFile(resolvePath(home->file("Spellen/Les Avond.txt")));
        QVERIFY(AlleRegelsCrLf(set));
        QCOMPARE(set.count("\r\n"), 4);

        // The exported lesson loads in the main window as a set of three.
        const int plek = h.lstSpellen.Items().indexOf("Les Avond");
        QVERIFY(plek >= 0);
        h.lstSpellen.SetListIndex(plek);
        DoEvents();
        QCOMPARE(h.lstSpellenSet1.ListCount(), 3);
        for (int bord = 1; bord <= 3; ++bord) {
            h.vscrDitSpel.SetValue(h.lstDitSpel.ListCount() - bord);
            for (int i = 0; i < 16; ++i)
                QCOMPARE(h.txtInvoer[i].Text().replace("10", "T"), handen[bord][i]);
        }
        Foto(h, "01-les-geladen");
        HoofdschermTerug();
    }

    // --- pictures for looking at -------------------------------------------

    // With CLUBAVOND_FOTO set, each window of the road is saved as a picture
    // and each PDF copied there, per language.
    static QString FotoMap() { return qEnvironmentVariable("CLUBAVOND_FOTO"); }
    static void Foto(platform::Form& f, const QString& naam) {
        if (FotoMap().isEmpty() || !f.widget()) return;
        QDir().mkpath(FotoMap());
        f.widget()->grab().save(QStringLiteral("%1/%2-%3.png").arg(FotoMap()).arg(TaalNummer).arg(naam));
    }
    static void Bewaar(const QString& pdf) {
        if (FotoMap().isEmpty()) return;
        QDir().mkpath(FotoMap());
        const QString doel = QStringLiteral("%1/%2-%3").arg(FotoMap()).arg(TaalNummer).arg(QFileInfo(pdf).fileName());
        QFile::remove(doel);
        QFile::copy(pdf, doel);
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        // The desktop and the user's folders are folders of this test.
        oudHome_ = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(bureau_.path()));
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY2(sink_.start("smtp_sink_server.py", {spool_.path()}), qPrintable(sink_.error()));
        // The sibling results program, installed under its own prefix.
        testsupport::WriteTestFile(wijn_.filePath("drive_c/Program Files (x86)/Corvani 6 serie/CVN6.exe"), "MZ");
        qputenv("WINEPREFIX", QFile::encodeName(wijn_.path()));
    }
    void cleanupTestCase() { qputenv("HOME", oudHome_); }
    void init() {
        home.Begin({.mailTxt = false, .taal = 0});  // MAIL.TXT comes from the writer command
        // The score card the installation puts beside the program.
        testsupport::WriteTestFile(home->file("scorekaart.docx"), "PK\x03\x04 scorekaart");
        prompts = std::make_unique<testsupport::PromptScript>();
        Set.clear();
        Naam.clear();
        NieuweNaam.clear();
        GekozenDatum.clear();
        AanroepScherm = 0;
    }
    void cleanup() {
        if (frmVeldom04_IsLoaded()) {
            frmVeldom04().GridOpgeslagen();
            Unload(frmVeldom04());
        }
        home.Einde();
        prompts.reset();
        TaalNummer = 10;
    }

    void deAvond_data() {
        QTest::addColumn<int>("taal");
        QTest::newRow("Nederlands") << 10;
        QTest::newRow("English") << 11;
    }
    void deAvond() {
        QFETCH(int, taal);
        // The language as the user chooses it: in taal.ini, read at start.
        LeesInstellingen();
        SchrijfIni("Taal", "nummer", QString::number(taal), IniBestand);
        LeesInstellingen();
        QCOMPARE(TaalNummer, taal);

        Stap1Instellingen();
        if (QTest::currentTestFailed()) return;
        Stap2DelenEnBewaren();
        if (QTest::currentTestFailed()) return;
        Stap3AfdrukkenEnKopieren();
        if (QTest::currentTestFailed()) return;
        Stap4NamenGroepWedstrijd();
        if (QTest::currentTestFailed()) return;
        Stap5MailPerWind();
        if (QTest::currentTestFailed()) return;
        Stap6Contracten();
        if (QTest::currentTestFailed()) return;
        Stap7Overzicht();
        if (QTest::currentTestFailed()) return;
        Stap8Les();
        if (QTest::currentTestFailed()) return;

        // Nothing was written outside the program folder: the user's home
        // (the desktop included) is as empty as it started.
        QDirIterator buiten(bureau_.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
        QStringList gevonden;
        while (buiten.hasNext()) gevonden << buiten.next();
        QCOMPARE(gevonden, QStringList());
    }
};

QTEST_MAIN(TestClubavond)
#include "test_clubavond.moc"
