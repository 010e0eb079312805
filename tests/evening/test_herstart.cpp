// Killed in the middle of a write, then started again: for saving a deal
// set over an old one, creating a match from a group, entering the last
// table of a board, and typing a whole board while its files are written
// behind, the program is killed (SIGKILL) at its first, a
// middle and its last file write - with half the bytes written, just
// before the rename and just after it. Every file is then exactly as
// before the write or as after it, and the next start removes the
// leftovers and reads it all.
//
// The test runs itself as the child that is killed: "--child <slot>" runs
// a slot of the child class instead of the tests. kill_at_write
// (preloaded) does the killing and logs every write that reached its rename.
#include <QApplication>
#include <QDirIterator>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <unistd.h>
#include <memory>

#include "deal/SpelBestand.h"
#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/EndSignals.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Prompt.h"
#include "results/frmVeldom11.h"
#include "results/SchrijfWachtrij.h"
#include "results/StartWedstrijd11.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"
#include "shared/GroepBestand.h"
#include "support/ChildMain.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

// Relative path -> content of every file below a folder, without the
// temporary files of writes and the single-instance lock. The settings
// hold the folder's own path: it is read as "@HOME@", so that copies of
// a folder compare equal.
using Bestanden = QMap<QString, QByteArray>;

bool IsTijdelijk(const QString& naam) { return naam.startsWith(QLatin1String(".drovik-tmp.")); }

Bestanden Lees(const QString& map) {
    Bestanden b;
    QDirIterator it(map, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        if (IsTijdelijk(f.fileName()) || f.fileName().startsWith(QLatin1String("drovik.lock"))) continue;
        b[QDir(map).relativeFilePath(f.filePath())] =
            testsupport::ReadTestFile(f.filePath()).replace(QFile::encodeName(map), "@HOME@");
    }
    return b;
}

QStringList Tijdelijk(const QString& map) {
    QStringList t;
    QDirIterator it(map, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        if (IsTijdelijk(it.next().section('/', -1))) t << QDir(map).relativeFilePath(it.filePath());
    return t;
}

void Kopieer(const Bestanden& b, const QString& naar) {
    for (auto it = b.begin(); it != b.end(); ++it)
        testsupport::WriteTestFile(naar + '/' + it.key(),
                                   QByteArray(it.value()).replace("@HOME@", QFile::encodeName(naar)));
}

// One write that reached its rename, from the injector's log.
struct Schrijf {
    int nummer;    // in the order the temporary files were made
    QString doel;  // relative to the program folder
    QByteArray inhoud;
};

QList<Schrijf> LeesLog(const QString& log, const QString& home) {
    QList<Schrijf> w;
    for (const QByteArray& regel : testsupport::ReadTestFile(log + "/writes", "").split('\n')) {
        if (regel.isEmpty()) continue;
        const int spatie = regel.indexOf(' ');
        const QByteArray n = regel.left(spatie);
        w.push_back({n.toInt(), QDir(home).relativeFilePath(QFile::decodeName(regel.mid(spatie + 1))),
                     testsupport::ReadTestFile(log + '/' + n).replace(QFile::encodeName(home), "@HOME@")});
    }
    return w;
}

// The folder as it must be after the first `aantal` writes.
Bestanden Na(Bestanden b, const QList<Schrijf>& w, int aantal) {
    for (int i = 0; i < aantal && i < w.size(); ++i) b[w[i].doel] = w[i].inhoud;
    return b;
}

Bestanden Onder(const Bestanden& b, const QString& map) {
    Bestanden r;
    for (auto it = b.begin(); it != b.end(); ++it)
        if (it.key().startsWith(map + '/')) r[it.key()] = it.value();
    return r;
}

// One child run in a folder of its own.
struct Kind {
    QTemporaryDir dir;
    QString home() const { return dir.filePath("home"); }
    QString log() const { return dir.filePath("log"); }
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QByteArray uit;
    bool klaar = false;

    void Draai(const QString& slot, const QProcessEnvironment& extra) {
        QDir().mkpath(log());
        QDir().mkpath(dir.filePath("user"));
        QProcessEnvironment env;
        env.insert("DROVIK_HOME", home());
        env.insert("HOME", dir.filePath("user"));  // nothing outside the run's folder
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LD_PRELOAD", KILL_AT_WRITE_LIB);
        env.insert("KILL_LOG", log());
        env.insert(extra);
        const testsupport::ChildRun run = testsupport::RunChild(slot, env, 20000);
        klaar = run.finished;
        status = run.status;
        code = run.code;
        uit = run.output;
    }

    // The next start, told whether it must find the set and the match "Avond".
    void Herstart(bool set, bool match) {
        QProcessEnvironment vind;
        vind.insert("HERSTART_SET", set ? "1" : "0");
        vind.insert("HERSTART_MATCH", match ? "1" : "0");
        Draai("childStart", vind);
    }
};

// The line "NA:<base64>" the saving child prints: the set it saves.
QByteArray NieuweSet(const QByteArray& uit) {
    for (const QByteArray& regel : uit.split('\n'))
        if (regel.startsWith("NA:")) return QByteArray::fromBase64(regel.mid(3).trimmed());
    return {};
}

// Lists where the folder differs from what was expected, for the failure.
QString Verschil(const Bestanden& is, const Bestanden& moet) {
    QStringList v;
    for (auto it = moet.begin(); it != moet.end(); ++it)
        if (!is.contains(it.key()))
            v << it.key() + " missing";
        else if (is[it.key()] != it.value())
            v << it.key() + " differs";
    for (auto it = is.begin(); it != is.end(); ++it)
        if (!moet.contains(it.key())) v << it.key() + " should not be there";
    return v.join(", ");
}

void Tik(frmVeldom11Form& f, const QString& tekst) { QTest::keyClicks(f.txtContract.widget(), tekst); }

}  // namespace

class TestHerstart : public QObject {
    Q_OBJECT

protected:
    testsupport::VensterThuis home;
    bool kind = false;  // a child run (see KindHerstart)

    void SluitAlles() {
        if (frmVeldom02_IsLoaded()) Unload(frmVeldom02());
        if (frmVeldom11_IsLoaded()) Unload(frmVeldom11());
        if (frmVeldom01_IsLoaded()) Unload(frmVeldom01());
        DoEvents();
    }
    void MaakWedstrijd(frmVeldom11Form& f) {
        QVERIFY(KiesInLijst(f.lstGroepen, "Groep"));
        f.cmdOpslaanAls.Click();
        QVERIFY(frmVeldom02_IsLoaded());
        frmVeldom02().txtBestandsNaam.SetText("Avond");
        frmVeldom02().cmdOK.Click();
        DoEvents();
        QCOMPARE(SessieNaam, QStringLiteral("Avond"));
    }
    // The match "Avond" made and started, board 1 typed one contract a
    // table, the windows closed; `klaar` is the board's done flag then.
    void TikBord1(const QStringList& contracten, char klaar) {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = OpenInvoer();
        MaakWedstrijd(f);
        f.cmdStart.Click();
        f.cmdSpel_Click(1);
        for (const QString& contract : contracten) Tik(f, contract);
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char(klaar));
        SluitAlles();
    }

    // The whole proof for one action: `slot` does it in the child; `map`
    // is the folder (relative to the program folder) it writes into.
    void Bewijs(const QString& slot, const QString& map) {
        const Bestanden s0 = Lees(home->path());
        QProcessEnvironment env;
        Kind ref;
        Kopieer(s0, ref.home());
        env.insert("KILL_IN", ref.home() + '/' + map + "/.drovik-tmp.");
        ref.Draai(slot, env);
        QVERIFY2(ref.klaar && ref.status == QProcess::NormalExit && ref.code == 0, ref.uit.constData());
        const QList<Schrijf> writes = LeesLog(ref.log(), ref.home());
        const int N = int(writes.size());
        QVERIFY2(N >= 1, "no write in the folder was seen");
        // Each file is renamed before the next one is made.
        for (int i = 0; i < N; ++i) QCOMPARE(writes[i].nummer, i + 1);
        if (!NieuweSet(ref.uit).isEmpty()) QCOMPARE(writes[0].inhoud, NieuweSet(ref.uit));
        const Bestanden s1 = Lees(ref.home());
        // The log holds every write: S0 with all of them is S1.
        QCOMPARE(Verschil(Onder(s1, map), Onder(Na(s0, writes, N), map)), QString());
        QVERIFY(Tijdelijk(ref.home()).isEmpty());

        QList<int> nummers{1};
        for (int n : {(N + 1) / 2, N})
            if (!nummers.contains(n)) nummers << n;
        for (int n : nummers)
            for (const char* fase : {"half", "before-rename", "after-rename"}) {
                const QByteArray wat = QStringLiteral("write %1 of %2 (%3), %4")
                                           .arg(n)
                                           .arg(N)
                                           .arg(writes[n - 1].doel, fase)
                                           .toUtf8();
                Kind k;
                Kopieer(s0, k.home());
                QProcessEnvironment kill;
                kill.insert("KILL_IN", k.home() + '/' + map + "/.drovik-tmp.");
                kill.insert("KILL_AT", QString::number(n));
                kill.insert("KILL_PHASE", fase);
                k.Draai(slot, kill);
                QVERIFY2(k.klaar && k.status == QProcess::CrashExit,
                         wat + ": the child was not killed\n" + k.uit);
                const QList<Schrijf> eigen = LeesLog(k.log(), k.home());
                const int gedaan = n - (qstrcmp(fase, "after-rename") == 0 ? 0 : 1);
                QVERIFY2(eigen.size() == gedaan, wat.constData());
                // The same files in the same order as the run that was not
                // killed, with the same content (the saved set is dealt
                // anew in each run: it is the set the child printed).
                const QByteArray set = NieuweSet(k.uit);
                for (int i = 0; i < gedaan; ++i) {
                    QCOMPARE(eigen[i].doel, writes[i].doel);
                    QVERIFY2(eigen[i].inhoud == (set.isEmpty() ? writes[i].inhoud : set), wat.constData());
                }
                // The folder is S0 with exactly the writes done: the n-th
                // target is as before the write (S0, or what an earlier
                // write made of it) until the rename, and new after it.
                const Bestanden na = Lees(k.home());
                const Bestanden verwacht = Na(s0, eigen, gedaan);
                QVERIFY2(Onder(na, map) == Onder(verwacht, map),
                         wat + ": " + Verschil(Onder(na, map), Onder(verwacht, map)).toUtf8());
                // Elsewhere (the settings) each file is as before or as after.
                for (auto it = na.begin(); it != na.end(); ++it)
                    if (!it.key().startsWith(map + '/'))
                        QVERIFY2(it.value() == s0.value(it.key(), "<none>") ||
                                     it.value() == s1.value(it.key(), "<none>"),
                                 wat + ": " + it.key().toUtf8());
                for (auto it = s0.begin(); it != s0.end(); ++it)
                    QVERIFY2(na.contains(it.key()), qPrintable(it.key()));
                // Killed before the rename: the n-th file is left behind under
                // a temporary name beside its target, half of it or whole.
                const QStringList rest = Tijdelijk(k.home());
                if (qstrcmp(fase, "after-rename") == 0) {
                    QVERIFY2(rest.isEmpty(), wat + ": " + rest.join(", ").toUtf8());
                } else {
                    QVERIFY2(rest.size() == 1 && rest[0].startsWith(map + '/'),
                             wat + ": " + rest.join(", ").toUtf8());
                    QByteArray heel = set.isEmpty() ? writes[n - 1].inhoud : set;
                    if (qstrcmp(fase, "half") == 0) heel.truncate(heel.size() / 2);
                    QVERIFY2(testsupport::ReadTestFile(k.home() + '/' + rest[0]) == heel, wat.constData());
                }

                // The next start clears the leftovers and reads the files
                // without a complaint. What the kill left stays, or becomes
                // as after: opening a board whose tables are all in finishes
                // its matchpoints (a match never started gets its board
                // count, done flags and overview when it starts).
                // The child is told what it must find.
                k.Herstart(na.contains("spellen/Avond.txt"), na.contains("resultaten/Avond/Avond.txt"));
                QVERIFY2(k.klaar && k.status == QProcess::NormalExit && k.code == 0,
                         wat + ": the restart failed\n" + k.uit);
                QCOMPARE(Tijdelijk(k.home()), QStringList());
                const Bestanden daarna = Lees(k.home());
                for (auto it = na.begin(); it != na.end(); ++it)
                    if (it.key().startsWith(map + '/'))
                        QVERIFY2(daarna.value(it.key()) == it.value() ||
                                     daarna.value(it.key()) == s1.value(it.key()),
                                 wat + ": the restart changed " + it.key().toUtf8());
            }
        qInfo("%s: %d writes, %d kills, each followed by a restart", qPrintable(slot), N,
              int(nummers.size()) * 3);
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() {
        TaalNummer = 10;
        AanroepScherm = 0;
        SessieNaam.clear();
        // A child works in the folder its parent gave it.
        if (kind) return;
        home.Begin();
    }
    void cleanup() {
        SluitAlles();
        home.Einde();
    }

    // --- the proofs -----------------------------------------------------

    void saveASetOverAnother() {
        // Version A: a dealt set, saved as "Avond".
        frmVeldom01().Show();
        frmVeldom01().cmdStart.Click();
        testsupport::WriteTestFile(spel::SpelSetPad("Avond"),
                                   (frmVeldom01().lstSpellenSet.Items().join("\r\n") + "\r\n").toLatin1());
        SluitAlles();
        Bewijs("childSave", "spellen");
    }

    void createAMatchFromAGroup() {
        SchrijfTestGroep("Groep", 8);
        Bewijs("childMatch", "resultaten/Avond");
    }

    void enterTheLastTableOfABoard() {
        // Match "Avond" of 8 pairs, started, board 1 with 3 of its 4 tables.
        SchrijfTestGroep("Groep", 8);
        TikBord1({"4scz", "3h+1n", "2s+1!n"}, '0');
        Bewijs("childResult", "resultaten/Avond");
    }

    // A whole board typed table by table, its files written behind, on the
    // writer thread: a kill at any of those writes leaves every file as
    // before or as after it. (Each table's writes land before the next
    // table is typed: a write still waiting would take a newer version in
    // its place, and the proof needs every run to make the same writes.)
    void enterAWholeBoardWhileItsWritesRunBehind() {
        SchrijfTestGroep("Groep", 8);
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = OpenInvoer();
        MaakWedstrijd(f);
        f.cmdStart.Click();
        SluitAlles();
        Bewijs("childWholeBoard", "resultaten/Avond");
    }

    // Save-as over a match on a file system that cannot trade two folders
    // in one step: the earlier match is put aside, then the new one takes
    // its name. Killed just after either rename, the next start has the
    // match under its name (the new one: it was whole before anything
    // moved), and nothing left aside.
    void saveAMatchOverAnotherWithoutExchangingFolders() {
        SchrijfTestGroep("Groep", 8);
        TikBord1({"4scz", "3h+1n", "2s+1!n", "3a-1w"}, '1');
        const Bestanden s0 = Lees(home->path());
        QVERIFY(s0.contains("resultaten/Avond/Spel 01 Drovik.txt"));
        // Just after the earlier match went aside, and just after the new
        // one took its name.
        for (const char* waar : {"KILL_AFTER_RENAME_FROM", "KILL_AFTER_RENAME"}) {
            Kind k;
            Kopieer(s0, k.home());
            QProcessEnvironment env;
            env.insert("NO_EXCHANGE", "1");
            env.insert(waar, "/resultaten/Avond");
            k.Draai("childMatchOver", env);
            QVERIFY2(k.klaar && k.status == QProcess::CrashExit, QByteArray(waar) + ": not killed\n" + k.uit);
            k.Herstart(false, true);
            QVERIFY2(k.klaar && k.status == QProcess::NormalExit && k.code == 0,
                     QByteArray(waar) + ": the restart failed\n" + k.uit);
            const Bestanden na = Lees(k.home());
            QVERIFY2(na.contains("resultaten/Avond/Avond.txt"), waar);
            QVERIFY2(!na.contains("resultaten/Avond/Spel 01 Drovik.txt"), waar);  // the new, empty match
            QCOMPARE(QDir(k.home() + "/resultaten").entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList({"Avond"}));
        }
    }

    // SIGTERM (a logout, a shutdown) or SIGINT (Ctrl+C in the terminal
    // the program was started from) while the match files of six typed
    // boards are still queued for a slow disk: the program writes them all
    // and ends normally; the next start finds every board done and whole.
    void stopSignalsWriteWhatIsQueued() {
        SchrijfTestGroep("Groep", 8);
        {
            testsupport::PromptScript prompts;
            frmVeldom11Form& f = OpenInvoer();
            MaakWedstrijd(f);
            f.lblAantal.SetCaption("6");
            f.cmdStart.Click();
            SluitAlles();
        }
        for (const int signaal : {SIGTERM, SIGINT}) {
            const QByteArray naam = signaal == SIGTERM ? "SIGTERM" : "SIGINT";
            Kind k;
            Kopieer(Lees(home->path()), k.home());
            QProcessEnvironment env;
            env.insert("LD_PRELOAD", SLOW_DISK_LIB);
            env.insert("SLOW_DISK_MS", "25");
            env.insert("STOP_SIGNAAL", QString::number(signaal));
            k.Draai("childTypesUntilStopSignal", env);
            QVERIFY2(k.klaar && k.status == QProcess::NormalExit && k.code == 0, naam + "\n" + k.uit);
            QVERIFY2(k.uit.contains("QUEUED "), naam + "\n" + k.uit);
            const QString map = k.home() + "/resultaten/Avond/";
            QVERIFY2(testsupport::ReadTestFile(map + "Avond klaar.txt") == "111111\r\n", naam);
            for (int b = 1; b <= 6; ++b) {
                const QList<QByteArray> regels =
                    testsupport::ReadTestFile(map + QStringLiteral("Spel 0%1 Drovik.txt").arg(b)).split('\n');
                QVERIFY2(regels.size() == 5, naam + " board " + QByteArray::number(b));
                for (int r = 0; r < 4; ++r) {
                    const QList<QByteArray> velden = regels[r].trimmed().split('~');
                    QVERIFY2(velden.size() == 7 && !velden[3].isEmpty() && !velden[5].isEmpty(),
                             naam + ": " + regels[r]);
                }
            }
            k.Herstart(false, true);
            QVERIFY2(k.klaar && k.status == QProcess::NormalExit && k.code == 0, naam + "\n" + k.uit);
        }
    }

};

// What the child does: started by the proofs above with the slot's name
// after "--child", in the folder they gave it.
class KindHerstart : public TestHerstart {
    Q_OBJECT

public:
    KindHerstart() { kind = true; }

private slots:
    void childSave() {
        testsupport::PromptScript prompts;
        prompts.answer(vbYes);  // overwrite "Avond"
        frmVeldom01Form& f = frmVeldom01();
        f.Show();
        DoEvents();
        f.cmdStart.Click();
        const QByteArray set = (f.lstSpellenSet.Items().join("\r\n") + "\r\n").toLatin1();
        f.cmdOpslaan.Click();
        QVERIFY(frmVeldom02_IsLoaded());
        frmVeldom02().txtBestandsNaam.SetText("Avond");
        std::printf("NA:%s\n", set.toBase64().constData());
        std::fflush(stdout);
        frmVeldom02().cmdOK.Click();
        DoEvents();
        QCOMPARE(prompts.count(), 1);
        QCOMPARE(testsupport::ReadTestFile(spel::SpelSetPad("Avond")), set);
    }

    void childMatch() {
        testsupport::PromptScript prompts;
        MaakWedstrijd(OpenInvoer());
    }

    void childResult() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = OpenInvoer();
        QVERIFY(KiesInLijst(f.lstUitslagen, "Avond"));
        f.cmdStart.Click();
        f.cmdSpel_Click(1);
        Tik(f, "3a-1w");
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char('1'));
    }

    void childWholeBoard() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = OpenInvoer();
        QVERIFY(KiesInLijst(f.lstUitslagen, "Avond"));
        f.cmdStart.Click();
        f.cmdSpel_Click(1);
        // Each table's writes go to the writer once its key is handled.
        for (const char* contract : {"4scz", "3h+1n", "2s+1!n", "3a-1w"}) {
            Tik(f, contract);
            DoEvents();
            uitslag::WachtOp();
        }
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char('1'));
    }

    void childMatchOver() {
        testsupport::PromptScript prompts;
        prompts.answer(vbYes);  // replace the match "Avond"
        MaakWedstrijd(OpenInvoer());
    }

    void childTypesUntilStopSignal() {
        testsupport::PromptScript prompts;
        // Ending as the program does: End writes what is queued and exits.
        SetEndHandler({});
        SetDefaultEndHandler({});
        QVERIFY(EndOnTerminationSignals());
        frmVeldom11Form& f = OpenInvoer();
        QVERIFY(KiesInLijst(f.lstUitslagen, "Avond"));
        f.cmdStart.Click();
        for (int b = 1; b <= 6; ++b) {
            f.cmdSpel_Click(b);
            for (const char* contract : {"4scz", "3h+1n", "2s+1!n", "3a-1w"}) {
                Tik(f, contract);
                DoEvents();
            }
        }
        QCOMPARE(KlaarVlaggen, QString("111111"));
        DoEvents();
        std::printf("QUEUED %d\n", uitslag::Wachtend());
        std::fflush(stdout);
        QVERIFY(uitslag::Wachtend() > 0);
        ::kill(::getpid(), qEnvironmentVariableIntValue("STOP_SIGNAAL"));
        QTest::qWait(20000);
        QFAIL("the signal did not end the program");
    }

    // The next start: the main window (which clears what interrupted writes
    // left), the set "Avond" read, the match "Avond" opened and started
    // when its pairs are there (a match folder with nothing in it yet is
    // listed, but not started).
    void childStart() {
        testsupport::PromptScript prompts;  // any message fails the restart
        frmVeldom01Form& h = frmVeldom01();
        h.Show();
        DoEvents();
        QCOMPARE(KiesInLijst(h.lstSpellen, "Avond"), qgetenv("HERSTART_SET") == "1");
        if (qgetenv("HERSTART_SET") == "1")
            QCOMPARE((h.lstSpellenSet.Items().join("\r\n") + "\r\n").toLatin1(),
                     testsupport::ReadTestFile(spel::SpelSetPad("Avond")));
        frmVeldom11Form& f = OpenInvoer();
        KiesInLijst(f.lstUitslagen, "Avond");
        if (qgetenv("HERSTART_MATCH") == "1") {
            QCOMPARE(f.lstParen.ListCount(), 8);
            QVERIFY(f.cmdStart.Enabled());
            f.cmdStart.Click();
            QVERIFY(f.fraScoreBriefjes.Visible());
            f.cmdSpel_Click(1);
        }
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QApplication, TestHerstart, KindHerstart)
#include "test_herstart.moc"
