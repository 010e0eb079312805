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

#include "main/frmVeldom01.h"
#include "main/frmVeldom02.h"
#include "main/frmVeldom03.h"
#include "output/frmVeldom08.h"
#include "output/frmVeldom17.h"
#include "players/GroepBestand.h"
#include "players/frmVeldom04.h"
#include "players/frmVeldom05.h"
#include "players/frmVeldom10.h"
#include "results/frmVeldom11.h"
#include "platform/App.h"
#include "platform/Form.h"
#include "platform/Events.h"
#include "platform/Paths.h"
#include "platform/PdfPrinter.h"
#include "platform/Profile.h"
#include "settings/frmVeldom06.h"
#include "settings/frmVeldom07.h"
#include "settings/frmVeldom18.h"
#include "shared/BasVeldom.h"
#include "shared/Mail.h"
#include "shared/MailTxt.h"
#include "support/LocalServer.h"
#include "support/PrintTestSupport.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"

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
}

}  // namespace

class TestClubavond : public QObject {
    Q_OBJECT
    QTemporaryDir spool_, bureau_;
    QByteArray oudHome_;
    testsupport::LocalServer sink_;
    std::unique_ptr<testsupport::TempHome> home;
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
        bewaar.cmdKalender.Click();
        DoEvents();
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

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        // The desktop and the user's folders are folders of this test.
        oudHome_ = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(bureau_.path()));
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY2(sink_.start("smtp_sink_server.py", {spool_.path()}), qPrintable(sink_.error()));
    }
    void cleanupTestCase() { qputenv("HOME", oudHome_); }
    void init() {
        home = std::make_unique<testsupport::TempHome>();
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
        if (frmVeldom03_IsLoaded()) Unload(frmVeldom03());
        if (frmVeldom02_IsLoaded()) Unload(frmVeldom02());
        if (frmVeldom17_IsLoaded()) Unload(frmVeldom17());
        if (frmVeldom04_IsLoaded()) {
            frmVeldom04().GridOpgeslagen();
            Unload(frmVeldom04());
        }
        if (frmVeldom05_IsLoaded()) Unload(frmVeldom05());
        if (frmVeldom11_IsLoaded()) Unload(frmVeldom11());
        if (frmVeldom10_IsLoaded()) Unload(frmVeldom10());
        if (frmVeldom06_IsLoaded()) Unload(frmVeldom06());
        if (frmVeldom07_IsLoaded()) Unload(frmVeldom07());
        if (frmVeldom18_IsLoaded()) Unload(frmVeldom18());
        if (frmVeldom01_IsLoaded()) Unload(frmVeldom01());
        DoEvents();
        prompts.reset();
        home.reset();
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
