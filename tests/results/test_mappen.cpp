// Folders are made once, where they are first needed: once a match's files
// are there, typing more boards and looking up paths makes no folder again;
// a folder removed while the program runs is made again by the next write
// into it.
//
// The count runs in a child of this program with count_mkdir preloaded,
// started with "--child" and the name of a slot of the child class.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <dlfcn.h>

#include "platform/App.h"
#include "platform/AtomicFile.h"
#include "platform/Events.h"
#include "platform/Paths.h"
#include "results/ContractNotatie.h"
#include "results/SchrijfWachtrij.h"
#include "results/StartWedstrijd11.h"
#include "results/WedstrijdBestanden.h"
#include "shared/BasVeldom.h"
#include "support/ChildMain.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

class TestMappen : public QObject {
    Q_OBJECT

protected:
    testsupport::VensterThuis home;

    // The folders the program asked for so far (only in a child with the
    // counter preloaded; -1 elsewhere).
    static long Gemaakt() {
        using Teller = long (*)();
        const auto teller = reinterpret_cast<Teller>(dlsym(RTLD_DEFAULT, "drovik_mkdir_calls"));
        return teller ? teller() : -1;
    }

    frmVeldom11Form& Wedstrijd() {
        frmVeldom11Form& f = StartWedstrijdW(*home, 8);
        f.chkEnter.SetValue(0);
        f.chkNieuwSpel.SetValue(1);
        f.cmdSpel_Click(1);
        return f;
    }
    static void TypBord(frmVeldom11Form& f) {
        for (const char* c : {"3rco", "3acn", "4hc!n", "2s+1!n"}) QTest::keyClicks(f.txtContract.widget(), c);
        DoEvents();
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
    void cleanup() { home.Einde(); }

    void typingAMatchMakesNoFolderAgain() {
        QProcessEnvironment env;
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LD_PRELOAD", COUNT_MKDIR_LIB);
        const testsupport::ChildRun kind = testsupport::RunChild("childTypesThreeBoards", env, 120000);
        QVERIFY(kind.finished);
        QVERIFY2(kind.status == QProcess::NormalExit && kind.code == 0, kind.output.constData());
        QVERIFY2(kind.output.contains("PASS   : KindMappen::childTypesThreeBoards()"), kind.output.constData());
    }

    // A board typed after its match folder was removed still reaches the
    // disk, and so does a settings file in a program folder removed after
    // its first lookup.
    void aMissingFolderIsMadeByTheWriteThatNeedsIt() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd();
        TypBord(f);
        uitslag::WachtOp();
        QVERIFY(QDir(home->file("resultaten/W")).removeRecursively());
        TypBord(f);
        uitslag::WachtOp();
        QCOMPARE(KlaarVlaggen.left(2), QStringLiteral("11"));
        std::vector<uitslag::SpelRij> rijen;
        QVERIFY(uitslag::LeesSpelUitslag("W", 2, uitslag::NotatieAlfabet(10), rijen).Gelukt());
        QCOMPARE(int(rijen.size()), 4);
        QCOMPARE(prompts.count(), 0);

        QString fout;
        QTemporaryDir ander;
        const QByteArray vorige = qgetenv("DROVIK_HOME");
        qputenv("DROVIK_HOME", ander.filePath("drovik").toLocal8Bit());
        const QString map = programFolder();
        const bool gemaakt = QFileInfo(map).isDir();
        const bool weg = QDir(map).removeRecursively();
        const bool geschreven = writeFileAtomic(programPath("taal.ini"), "[Taal]\r\nnummer=11\r\n", &fout);
        qputenv("DROVIK_HOME", vorige);
        QVERIFY(gemaakt && weg);
        QVERIFY2(geschreven, qPrintable(fout));
        QVERIFY(QFile::exists(ander.filePath("drovik/taal.ini")));
    }
};

// The child the count runs in, with a program folder of its own (the
// inherited init).
class KindMappen : public TestMappen {
    Q_OBJECT

private slots:
    void childTypesThreeBoards() {
        testsupport::PromptScript prompts;
        frmVeldom11Form& f = Wedstrijd();
        TypBord(f);
        uitslag::WachtOp();
        const long voor = Gemaakt();
        QVERIFY(voor >= 0);
        for (int i = 0; i < 1000; ++i) {
            programPath(QStringLiteral("resultaten/W/W.txt"));
            resolvePath(QStringLiteral("groepen"));
        }
        TypBord(f);
        TypBord(f);
        uitslag::WachtOp();
        QCOMPARE(KlaarVlaggen.left(3), QStringLiteral("111"));
        QCOMPARE(Gemaakt() - voor, 0L);
        QCOMPARE(prompts.count(), 0);
    }
};

DROVIK_TEST_MAIN_WITH_CHILD(QApplication, TestMappen, KindMappen)
#include "test_mappen.moc"
