// Speed of results entry: on a slow disk no key waits for the files it
// causes to be written, and the files still come out whole; opening a board
// that is already complete rewrites none of the match's files; the key that
// completes a board paints the results grid once, only its column.
//
// The slow-disk part runs this test program again as a child with
// slow_disk preloaded (every fsync takes 300 ms longer), with "--child"
// and the name of a slot of the child class.
#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLabel>
#include <QPaintEvent>
#include <QProcess>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Screen.h"
#include "results/ContractNotatie.h"
#include "results/frmVeldom11.h"
#include "results/SchrijfWachtrij.h"
#include "results/StartWedstrijd11.h"
#include "results/WedstrijdBestanden.h"
#include "shared/BasVeldom.h"
#include "support/ChildMain.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

constexpr int TraagMs = 300;

// Every file of a folder with its inode and change time: a file that was
// replaced (written to a new file and renamed) or written again differs.
QMap<QString, QPair<qulonglong, qlonglong>> Stempels(const QString& map) {
    QMap<QString, QPair<qulonglong, qlonglong>> s;
    QDirIterator it(map, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = it.next();
        struct stat st {};
        if (::stat(QFile::encodeName(pad).constData(), &st) == 0)
            s[pad] = {qulonglong(st.st_ino), qlonglong(st.st_ctim.tv_sec) * 1000000000LL + st.st_ctim.tv_nsec};
    }
    return s;
}

}  // namespace

class TestFrmVeldom11Snelheid : public QObject {
    Q_OBJECT

protected:
    testsupport::VensterThuis home;

    frmVeldom11Form& Wedstrijd(int paren) {
        frmVeldom11Form& f = StartWedstrijdW(*home, paren);
        f.chkEnter.SetValue(0);
        f.cmdSpel_Click(1);
        return f;
    }

private:
    // Runs one of this program's child slots on the slow disk, and passes
    // only when that child passed.
    void LaatKindDraaien(const char* slot) {
        QProcessEnvironment env;
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LD_PRELOAD", SLOW_DISK_LIB);
        env.insert("SLOW_DISK_MS", QString::number(TraagMs));
        const testsupport::ChildRun kind = testsupport::RunChild(QString::fromLatin1(slot), env, 120000);
        QVERIFY(kind.finished);
        const QByteArray& uit = kind.output;
        QVERIFY2(kind.status == QProcess::NormalExit && kind.code == 0, uit.constData());
        QVERIFY2(uit.contains("PASS   : KindFrmVeldom11Snelheid::" + QByteArray(slot) + "()"), uit.constData());
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() {
        home.Begin();
        AanroepScherm = 0;
    }
    void cleanup() {
        home.Einde();
    }

    void noKeyWaitsOnASlowDisk() {
        LaatKindDraaien("childTypesTwoBoards");
    }

    // Closing the window while the files of two boards still wait for the
    // slow disk: the close waits for them, and says how many are left.
    void closingSaysHowManyFilesAreLeft() {
        LaatKindDraaien("childClosesWhileWritesWait");
    }

    // The last key of a board fills the board's column of the grid: the grid
    // is neither hidden nor shown for it and paints once, that column alone.
    // It opens the next board too, whose number the score slips' frame shows
    // in its title: the frame repaints that title, not the strip across its
    // whole width.
    void completingABoardPaintsItsGridColumnOnce() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(8);
        f.chkNieuwSpel.SetValue(1);
        for (const char* c : {"3rco", "3acn", "4hc!n", "2s+1"}) QTest::keyClicks(f.txtContract.widget(), c);
        DoEvents();
        struct Teller : QObject {
            int zichtbaar = 0;
            QList<QRegion> verf;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Show || e->type() == QEvent::Hide) ++zichtbaar;
                if (e->type() == QEvent::Paint) verf << static_cast<QPaintEvent*>(e)->region();
                return false;
            }
        } rooster, vlak, lijst;
        QWidget* grid = f.msfgResultaat.widget();
        grid->installEventFilter(&rooster);
        grid->findChild<QWidget*>("qt_scrollarea_viewport")->installEventFilter(&vlak);
        QWidget* frame = f.fraScoreBriefjes.widget();
        frame->installEventFilter(&lijst);
        QTest::keyClicks(f.txtContract.widget(), "!n");
        DoEvents();
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char('1'));
        QCOMPARE(f.cmdSpel[0].Tag(), QStringLiteral("2"));
        QCOMPARE(rooster.zichtbaar, 0);
        QCOMPARE(vlak.verf.size(), 1);
        const QRect kolom = f.msfgResultaat.cellRectPixels(0, 1);
        const QRect geverfd = vlak.verf[0].boundingRect();
        QCOMPARE(geverfd.left(), kolom.left());
        QCOMPARE(geverfd.width(), kolom.width());
        QRegion titel;
        for (const QRegion& r : lijst.verf) titel += r & QRect(0, 0, frame->width(), frame->contentsRect().top());
        QVERIFY(!titel.isEmpty());
        QVERIFY2(titel.boundingRect().width() < frame->width() / 2, "the frame painted its title strip whole");
        QCOMPARE(prompts.count(), 0);
    }

    // Opening a complete board recomputes it to the same slip: the board
    // file, the overview and the done flags stay the files they were.
    void openingACompleteBoardWritesNothing() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(8);
        for (const char* c : {"3rco", "3acn", "4hc!n", "2s+1!n"}) QTest::keyClicks(f.txtContract.widget(), c);
        QCOMPARE(KlaarVlaggen.at(0), QLatin1Char('1'));
        f.cmdSpel_Click(2);
        uitslag::WachtOp();
        const auto voor = Stempels(home->file("resultaten/W"));
        QVERIFY(voor.size() >= 5);
        f.cmdSpel_Click(1);
        QCOMPARE(f.lblMPNZ[0].Caption().isEmpty(), false);
        uitslag::WachtOp();
        QCOMPARE(Stempels(home->file("resultaten/W")), voor);
        QCOMPARE(prompts.count(), 0);
    }
};

// The children the tests above run on the slow disk, each with a program
// folder of its own (the inherited init).
class KindFrmVeldom11Snelheid : public TestFrmVeldom11Snelheid {
    Q_OBJECT

private slots:
    void childClosesWhileWritesWait() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(8);
        f.chkNieuwSpel.SetValue(1);
        for (const char* c : {"3rco", "3acn", "4hc!n", "2s+1!n", "p", "3a-1w", "6acn", "2r-1o"}) {
            QTest::keyClicks(f.txtContract.widget(), c);
            DoEvents();
        }
        QVERIFY(uitslag::Wachtend() >= 3);
        // What the note says while the window closes, and the window it
        // belongs to.
        QStringList gezien;
        QList<QWindow*> ouders;
        QTimer kijk;
        QObject::connect(&kijk, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "WaitNote" && w->isVisible()) {
                    for (QLabel* l : w->findChildren<QLabel*>()) gezien << l->text();
                    ouders << w->windowHandle()->transientParent();
                }
        });
        QWindow* venster = f.widget()->windowHandle();
        kijk.start(50);
        Unload(f);
        kijk.stop();
        QCOMPARE(uitslag::Wachtend(), 0);
        QVERIFY2(!gezien.isEmpty(), "the close waited without a word");
        QCOMPARE(ouders.front(), venster);
        const QString voor = TaalTekst(241).section('~', 0, 0), na = TaalTekst(241).section('~', 1);
        const QString eerste = gezien.first();
        QVERIFY2(eerste.startsWith(voor) && eerste.endsWith(na), qPrintable(eerste));
        QVERIFY2(eerste.mid(voor.size(), eerste.size() - voor.size() - na.size()).toInt() >= 1, qPrintable(eerste));
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!(w->objectName() == "WaitNote" && w->isVisible()));
        QCOMPARE(prompts.count(), 0);
    }

    // In the child, on the slow disk: two boards of four tables, the
    // second opened by the first one's last key. Each key is handled well
    // within one fsync, so none waited for a file; afterwards every file
    // is complete.
    void childTypesTwoBoards() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd(8);
        f.chkNieuwSpel.SetValue(1);
        uitslag::WachtOp();
        qint64 langst = 0;
        for (const char* c : {"3rco", "3acn", "4hc!n", "2s+1!n", "p", "3a-1w", "6acn", "2r-1o"}) {
            for (const char* k = c; *k; ++k) {
                QElapsedTimer klok;
                klok.start();
                QTest::keyClick(f.txtContract.widget(), *k);
                DoEvents();
                langst = qMax(langst, klok.elapsed());
            }
        }
        QCOMPARE(KlaarVlaggen.left(2), QStringLiteral("11"));
        QVERIFY2(langst < TraagMs / 2, qPrintable(QStringLiteral("a key took %1 ms").arg(langst)));
        // What the keys asked for is on disk, whole.
        QElapsedTimer klok;
        klok.start();
        uitslag::WachtOp();
        QVERIFY(klok.elapsed() >= TraagMs);
        QString vlaggen;
        QVERIFY(uitslag::LeesKlaar("W", 24, vlaggen).Gelukt());
        QCOMPARE(vlaggen.left(3), QStringLiteral("110"));
        for (int b = 1; b <= 2; ++b) {
            std::vector<uitslag::SpelRij> rijen;
            QVERIFY(uitslag::LeesSpelUitslag("W", b, uitslag::NotatieAlfabet(10), rijen).Gelukt());
            QCOMPARE(int(rijen.size()), 4);
            for (const uitslag::SpelRij& r : rijen) QVERIFY(!r.mpNZ.isEmpty() && !r.mpOW.isEmpty());
        }
        std::vector<QStringList> overzicht;
        QVERIFY(uitslag::LeesOverzicht("W", overzicht).Gelukt());
        QVERIFY(!overzicht.at(1).at(2).isEmpty());
        QCOMPARE(prompts.count(), 0);
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QApplication, TestFrmVeldom11Snelheid, KindFrmVeldom11Snelheid)
#include "test_frmveldom11_snelheid.moc"
