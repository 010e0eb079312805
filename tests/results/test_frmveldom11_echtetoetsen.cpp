// Contracts typed with real keys on a real X server, fast and slow, while
// questions and messages come up in the middle of the typing: no key typed
// before the user could have read a box answers it, and no key is lost.
// The typist types on at the speed given and only then reads the box and
// answers it after a pause, as a person does; every board file must then
// hold what was typed.
//
// The test starts Xvfb and openbox, and the results entry in a child of
// its own on that server; xdotool types. The child tells on its standard
// output when the window has the keyboard and when a box comes and goes,
// and ends when told to on its standard input.
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QSocketNotifier>
#include <QWindow>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

#include "main/frmVeldom01.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/PromptKeys.h"
#include "results/SchrijfWachtrij.h"
#include "results/StartWedstrijd11.h"
#include "shared/BasVeldom.h"
#include "support/ChildMain.h"
#include "support/EchteX.h"
#include "support/MailTxtFixture.h"
#include "support/TestSupport.h"

using namespace platform;

namespace {

void Zeg(const QString& regel) {
    std::fputs(qPrintable(regel + "\n"), stdout);
    std::fflush(stdout);
}

// One run: what is typed, how fast, how each box is answered, and what the
// board files must hold afterwards.
struct Ronde {
    QString naam;
    int taal = 11;
    bool volgendSpel = false;   // "next board" ticked
    bool enterModus = false;    // entries end with Enter
    int msPerToets = 70;
    QString toetsen;
    QStringList antwoorden;     // one X key name per box, in order
    QList<QStringList> borden;  // the contracts each board must hold
    QString faalBestand;        // the first write of this file fails
};

// The child on the other side of the pipe.
class Kind {
public:
    Kind(testsupport::EchteX& x, const QString& thuis, const Ronde& r,
         const QString& slot = QStringLiteral("childTypesIntoResultsEntry")) {
        QProcessEnvironment env = x.Omgeving();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("DROVIK_HOME", thuis);
        env.insert("VOLGEND_SPEL", r.volgendSpel ? "1" : "0");
        env.insert("ENTER_MODUS", r.enterModus ? "1" : "0");
        env.insert("SPELLEN", QString::number(r.borden.size()));
        if (!r.faalBestand.isEmpty()) {
            env.insert("LD_PRELOAD", KILL_AT_WRITE_LIB);
            env.insert("FAIL_NAME", r.faalBestand);
            env.insert("FAIL_TIMES", "1");
        }
        p_.setProcessEnvironment(env);
        p_.setProcessChannelMode(QProcess::MergedChannels);
        p_.start(QCoreApplication::applicationFilePath(), testsupport::ChildArguments(slot));
    }
    ~Kind() {
        if (p_.state() != QProcess::NotRunning) {
            p_.kill();
            p_.waitForFinished(3000);
        }
    }

    // Waits for a line that starts with `begin`, from where the last wait
    // stopped reading; false after `ms`.
    bool WachtOp(const QString& begin, int ms) {
        QElapsedTimer klok;
        klok.start();
        for (;;) {
            while (gelezen_ < regels_.size())
                if (regels_.at(gelezen_++).startsWith(begin)) return true;
            if (klok.elapsed() > ms || p_.state() == QProcess::NotRunning) return false;
            p_.waitForReadyRead(50);
            Lees();
        }
    }
    void Schrijf(const QByteArray& regel) { p_.write(regel + "\n"); }
    bool Einde(int ms) {
        const bool klaar = p_.waitForFinished(ms);
        Lees();
        return klaar;
    }
    int Aantal(const QString& begin) {
        Lees();
        int n = 0;
        for (const QString& r : regels_) n += r.startsWith(begin);
        return n;
    }
    QString Uitvoer() {
        Lees();
        return regels_.join("\n");
    }
    bool GoedGeeindigd() const { return p_.exitStatus() == QProcess::NormalExit && p_.exitCode() == 0; }

private:
    void Lees() {
        buffer_ += p_.readAll();
        int eind;
        while ((eind = buffer_.indexOf('\n')) >= 0) {
            regels_ << QString::fromUtf8(buffer_.left(eind));
            buffer_.remove(0, eind + 1);
        }
    }
    QProcess p_;
    QByteArray buffer_;
    QStringList regels_;
    int gelezen_ = 0;
};

// A person who has stopped typing and reads the box takes a while before
// answering it.
constexpr int kLeestijd = 900;

}  // namespace

class TestEchteToetsen : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::EchteX> x_;

    void Speel(const Ronde& r) {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        testsupport::WriteTestFile(home.file("taal.ini"),
                                   QStringLiteral("[Taal]\r\nnummer=%1\r\n").arg(r.taal).toLatin1());
        Kind kind(*x_, home.path(), r);
        QVERIFY2(kind.WachtOp("READY", 20000), qPrintable(kind.Uitvoer()));
        QVERIFY(x_->Typ(r.toetsen, r.msPerToets));
        for (const QString& antwoord : r.antwoorden) {
            QVERIFY2(kind.WachtOp("BOX", 10000), qPrintable(kind.Uitvoer()));
            QTest::qWait(kLeestijd);
            QVERIFY(x_->Toets(antwoord));
            QVERIFY2(kind.WachtOp("GONE", 10000), qPrintable(kind.Uitvoer()));
        }
        kind.Schrijf("END");
        QVERIFY2(kind.Einde(30000), qPrintable(kind.Uitvoer()));
        const QString uit = kind.Uitvoer();
        QVERIFY2(kind.GoedGeeindigd(), qPrintable(uit));
        // Every box answered, none left open, no key left over.
        QCOMPARE(kind.Aantal("BOX"), int(r.antwoorden.size()));
        QVERIFY2(uit.contains("OPEN 0 HELD 0"), qPrintable(uit));
        for (int b = 1; b <= r.borden.size(); ++b) {
            ControleerBord(b, r.borden.at(b - 1), r.taal);
            if (QTest::currentTestFailed()) {
                qWarning("%s", qPrintable(uit));
                return;
            }
        }
    }

private slots:
    void initTestCase() {
        const QStringList weg = testsupport::EchteX::OntbrekendeProgrammas();
        if (!weg.isEmpty()) QSKIP(qPrintable("not installed: " + weg.join(", ")));
        x_ = std::make_unique<testsupport::EchteX>();
        QString fout;
        QVERIFY2(x_->Start(&fout), qPrintable(fout));
    }
    void cleanupTestCase() { x_.reset(); }

    // "5d-1" and then "1" asks whether a double was meant; the declarer and
    // the tables after it are typed on before the question is read. With
    // "next board" ticked the question comes on the last table of board 1
    // and the next board's contracts are typed ahead of it.
    void theDoubleQuestion_data() {
        QTest::addColumn<int>("taal");
        QTest::addColumn<int>("ms");
        QTest::addColumn<bool>("ja");
        QTest::addColumn<bool>("volgendSpel");
        QTest::newRow("English 70 ms, Yes") << 11 << 70 << true << false;
        QTest::newRow("English 20 ms, No") << 11 << 20 << false << false;
        QTest::newRow("Dutch 250 ms, Yes") << 10 << 250 << true << false;
        QTest::newRow("Dutch 20 ms, No") << 10 << 20 << false << false;
        QTest::newRow("next board, Dutch 70 ms, No") << 10 << 70 << false << true;
        QTest::newRow("next board, English 20 ms, Yes") << 11 << 20 << true << true;
    }
    void theDoubleQuestion() {
        QFETCH(int, taal);
        QFETCH(int, ms);
        QFETCH(bool, ja);
        QFETCH(bool, volgendSpel);
        const QString r = taal == 11 ? "d" : "r";
        const QString vraag = "5" + r + (ja ? "-1!o" : "-11o");
        Ronde ronde;
        ronde.taal = taal;
        ronde.msPerToets = ms;
        ronde.volgendSpel = volgendSpel;
        ronde.antwoorden = {ja ? (taal == 11 ? "y" : "j") : "n"};
        if (volgendSpel) {
            ronde.toetsen = "3acn4scz2h+1w5" + r + "-11o" + "4hcz3a-1n2s+1!o1a+1w";
            ronde.borden = {{"3acn", "4scz", "2h+1w", vraag}, {"4hcz", "3a-1n", "2s+1!o", "1a+1w"}};
        } else {
            ronde.toetsen = "4scz5" + r + "-11o3acn4h-1w";
            ronde.borden = {{"4scz", vraag, "3acn", "4h-1w"}};
        }
        Speel(ronde);
    }

    // Enter on an entry that is not whole yet says so; the declarer and the
    // Enter typed after it finish the entry once the message is read.
    void anUnfinishedEntryInEnterMode() {
        Ronde ronde;
        ronde.enterModus = true;
        ronde.toetsen = "3ac\nn\n4scz\n2h+1w\n3acn\n";
        ronde.antwoorden = {"Return"};
        ronde.borden = {{"3acn", "4scz", "2h+1w", "3acn"}};
        Speel(ronde);
    }

    // The board file cannot be written once, and the message about it
    // comes while the next tables are typed.
    void aWriteFailureWhileTyping() {
        Ronde ronde;
        ronde.taal = 10;
        ronde.faalBestand = "Spel 01 Drovik";
        ronde.toetsen = "4scz3h+1n2s+1!n3a-1w";
        ronde.antwoorden = {"Return"};
        ronde.borden = {{"4scz", "3h+1n", "2s+1!n", "3a-1w"}};
        Speel(ronde);
    }

    // The Save-as dialog closed by Enter gives the keyboard back to the
    // main window at once: Alt+N typed straight after it opens the names
    // editor, as a click would.
    void theWindowThatComesBackTakesTheFirstKeys() {
        testsupport::TempHome home;
        testsupport::WriteWorkingMailTxt();
        testsupport::WriteTestFile(home.file("taal.ini"), "[Taal]\r\nnummer=11\r\n");
        Ronde ronde;
        Kind kind(*x_, home.path(), ronde, "childDealsInTheMainWindow");
        QVERIFY2(kind.WachtOp("READY", 20000), qPrintable(kind.Uitvoer()));
        QVERIFY(x_->Toets("alt+e"));
        QVERIFY2(kind.WachtOp("SHOWN frmVeldom02", 10000), qPrintable(kind.Uitvoer()));
        QTest::qWait(kLeestijd);
        QVERIFY(x_->Typ("avond\n", 40));
        QVERIFY(x_->Toets("alt+n"));
        QVERIFY2(kind.WachtOp("SHOWN frmVeldom04", 10000), qPrintable(kind.Uitvoer()));
        kind.Schrijf("END");
        QVERIFY2(kind.Einde(30000), qPrintable(kind.Uitvoer()));
        QVERIFY2(kind.GoedGeeindigd(), qPrintable(kind.Uitvoer()));
    }
};

// The results entry on the real X server, for the test above.
class KindEchteToetsen : public TestEchteToetsen {
    Q_OBJECT

    // Tells the parent of every box as it shows and goes, and of every
    // window of the program as it becomes active.
    class Boxen : public QObject {
    public:
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::WindowActivate)
                if (Form* f = ActiveForm(); f && f->hasWidget() && f->widget() == o) Zeg("SHOWN " + f->Name());
            if (auto* box = qobject_cast<QMessageBox*>(o)) {
                if (e->type() == QEvent::Show) Zeg("BOX " + box->text().section('\n', 0, 0));
                if (e->type() == QEvent::Hide) Zeg("GONE");
            }
            return false;
        }
    };

    // Runs the program until the parent says END on the standard input.
    static void WachtOpEinde() {
        bool einde = false;
        QSocketNotifier invoer(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(&invoer, &QSocketNotifier::activated, [&] {
            char c[256];
            const ssize_t n = ::read(STDIN_FILENO, c, sizeof c);
            if (n <= 0 || QByteArray(c, int(n)).contains("END")) einde = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(einde, 120000);
    }

private slots:
    void initTestCase() { SetEndHandler([] {}); }
    void cleanupTestCase() {}

    void childTypesIntoResultsEntry() {
        const QString thuis = qEnvironmentVariable("DROVIK_HOME");
        const int spellen = qEnvironmentVariableIntValue("SPELLEN");
        testsupport::WriteTestFile(thuis + "/resultaten/W/W.spellen", QByteArray::number(spellen) + "\r\n");
        Boxen boxen;
        qApp->installEventFilter(&boxen);
        frmVeldom11Form& f = StartWedstrijdW(thuis, 8);
        f.chkNieuwSpel.SetValue(qEnvironmentVariableIntValue("VOLGEND_SPEL"));
        f.chkEnter.SetValue(qEnvironmentVariableIntValue("ENTER_MODUS"));
        f.cmdSpel_Click(1);
        QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::focusWindow() == f.widget()->windowHandle(), 10000);
        QTRY_VERIFY(QApplication::focusWidget() == f.txtContract.widget());
        Zeg("READY");

        WachtOpEinde();
        // The keys still held go once nothing holds them any more.
        QTRY_VERIFY_WITH_TIMEOUT(HeldKeyCount() == 0 && !QApplication::activeModalWidget(), 5000);
        DoEvents();
        uitslag::WachtOp();
        DoEvents();
        Zeg(QStringLiteral("OPEN %1 HELD %2").arg(QApplication::activeModalWidget() ? 1 : 0).arg(HeldKeyCount()));
        qApp->removeEventFilter(&boxen);
    }

    void childDealsInTheMainWindow() {
        Boxen boxen;
        qApp->installEventFilter(&boxen);
        frmVeldom01Form& h = frmVeldom01();
        h.Show();
        h.cmdStart.Click();
        DoEvents();
        QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::focusWindow() == h.widget()->windowHandle(), 10000);
        Zeg("READY");
        WachtOpEinde();
        qApp->removeEventFilter(&boxen);
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QApplication, TestEchteToetsen, KindEchteToetsen)
#include "test_frmveldom11_echtetoetsen.moc"
