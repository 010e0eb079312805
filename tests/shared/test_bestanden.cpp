#include <QtTest>

#include "deal/SpelBestand.h"
#include "lessons/LesBestand.h"
#include "players/GroepWedstrijd.h"
#include "results/WedstrijdBestanden.h"
#include "saveas/BewaarBestand.h"
#include "saveas/BewaarNaam.h"
#include "shared/BasVeldom.h"
#include "shared/GroepBestand.h"
#include "support/TestSupport.h"

class TestBestanden : public QObject {
    Q_OBJECT
private slots:
    void bestandBestaatTellsFullEmptyAndMissing() {
        testsupport::TempHome home;
        QFile leeg(home.file("leeg.txt"));
        QVERIFY(leeg.open(QIODevice::WriteOnly));
        leeg.close();
        QFile vol(home.file("Vol.txt"));
        QVERIFY(vol.open(QIODevice::WriteOnly));
        vol.write("x");
        vol.close();
        QCOMPARE(BestandBestaat(home.file("leeg.txt")), 0);
        QCOMPARE(BestandBestaat(home.file("Vol.txt")), 1);
        QCOMPARE(BestandBestaat(home.path() + "\\vol.TXT"), 1);  // any case, either separator
        QCOMPARE(BestandBestaat(home.file("mis.txt")), -1);
        QCOMPARE(BestandBestaat(home.path()), -1);  // a folder
        QCOMPARE(BestandBestaat(""), -1);
    }

    // A name starting with "." would be hidden from every list and could be
    // taken for the program's own working folders, which start-up removes:
    // no path is ever built from it, whatever builds the path.
    void namesStartingWithADotNameNoFile() {
        testsupport::TempHome home;
        QVERIFY(EigenNaamGeldig("Ronde 3"));
        QVERIFY(EigenNaamGeldig("a.b"));
        for (const QString& naam : {QString(".nieuw-abcdef"), QString(".oud-abcdef"), QString(".drovik-tmp.x"),
                                    QString(".x"), QString("."), QString(".."), QString(""), QString(" x"),
                                    QString("a/b"), QString("a\\b"), QString("t\tab")}) {
            QVERIFY2(!EigenNaamGeldig(naam), qPrintable(naam));
            QVERIFY2(uitslag::WedstrijdMapPad(naam).isEmpty(), qPrintable(naam));
            QVERIFY2(groep::GroepPad(naam).isEmpty(), qPrintable(naam));
            QVERIFY2(spel::SpelSetPad(naam).isEmpty(), qPrintable(naam));
            QVERIFY2(les::LesPad(naam).isEmpty(), qPrintable(naam));
            // The Save-as writer takes the name trimmed.
            QVERIFY2(bewaarnaam::BestandVoorNaam("spellen", naam).isEmpty() == (naam != " x"), qPrintable(naam));
        }
        // The typed-name check refuses it too, even with a refusal text
        // that lets "." through.
        QVERIFY(bewaarnaam::NaamToegestaan("Ronde 3", "a|b||#"));
        QVERIFY(!bewaarnaam::NaamToegestaan(".nieuw-abcdef", "a|b||#"));
        // Nothing of such a match is written, so the clean-up at start never
        // takes a match of the user's.
        QString fout;
        QVERIFY(!uitslag::MaakWedstrijd(".nieuw-abcdef", {"01. A|a@x - B|b@x"}, QString(), &fout));
        QVERIFY(!groep::BewaarWedstrijd(".nieuw-abcdef", {{{"A", ""}, {"B", ""}}, {{"C", ""}, {"D", ""}}}, 2));
        QVERIFY(!groep::SchrijfGroep(".x", {{{"A", ""}, {"B", ""}}}));
        QVERIFY(!QFileInfo::exists(home.file("resultaten/.nieuw-abcdef")));
        QVERIFY(!QFileInfo::exists(home.file("groepen/.x.txt")));
    }

    void maakMappenCreatesEveryLevel() {
        testsupport::TempHome home;
        QString pad = home.path() + "\\x\\y";
        MaakMappen(pad);
        QCOMPARE(pad, home.path() + "\\x\\y/");
        QVERIFY(QFileInfo(home.path() + "/x/y").isDir());
        QString metScheiding = home.path() + "\\x\\y\\z\\";
        MaakMappen(metScheiding);
        QCOMPARE(metScheiding, home.path() + "\\x\\y\\z\\");  // already ends with one
        QVERIFY(QFileInfo(home.path() + "/x/y/z").isDir());
        MaakMappen(metScheiding);  // again: nothing happens, nothing breaks
        QCOMPARE(QDir(home.path() + "/x/y").entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"z"});
    }

    void maakMappenUsesExistingFoldersInAnyCase() {
        testsupport::TempHome home;
        QVERIFY(QDir(home.path()).mkdir("spellen"));
        QString pad = home.path() + "/Spellen/Nieuw";
        MaakMappen(pad);
        QCOMPARE(QDir(home.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"spellen"});
        QVERIFY(QFileInfo(home.path() + "/spellen/Nieuw").isDir());
    }

    void maakMappenIgnoresWhatCannotBeMade() {
        testsupport::TempHome home;
        QFile f(home.file("bestand"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QString pad = home.file("bestand/sub");
        MaakMappen(pad);  // a file stands in the way: no crash, no folder
        QVERIFY(!QFileInfo(home.file("bestand/sub")).exists());
        QVERIFY(pad.endsWith('/'));
    }

    void specialeMapGivesThePaddedDesktop() {
        QTemporaryDir thuis;
        const QByteArray oudHome = qgetenv("HOME"), oudConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", thuis.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (thuis.path() + "/geen").toLocal8Bit());
        const QString map = SpecialeMap(16);
        const QString bureaublad = BureaubladMap();
        qputenv("HOME", oudHome);
        oudConfig.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oudConfig);
        QCOMPARE(map.size(), 512);
        QCOMPARE(map.section(QChar(0), 0, 0), thuis.path() + "/Desktop");
        QVERIFY(map.section(QChar(0), 1).trimmed().isEmpty());
        QCOMPARE(bureaublad, thuis.path() + "/Desktop");
        QCOMPARE(SpecialeMap(5), QString());
    }
};

QTEST_GUILESS_MAIN(TestBestanden)
#include "test_bestanden.moc"
