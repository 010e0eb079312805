#include <QtTest>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "deal/GeverKwetsbaar.h"
#include "main/Opstart.h"
#include "shared/Tekst.h"
#include "support/TestSupport.h"

namespace {

void Maak(const QString& pad, const QByteArray& inhoud) {
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile f(pad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhoud);
}

}  // namespace

class TestOpstart : public QObject {
    Q_OBJECT
private slots:
    void dealerAndVulnerabilityPerBoard() {
        GeverReeks = BouwGeverReeks();
        KwetsbaarReeks = BouwKwetsbaarReeks();
        QCOMPARE(GeverReeks.size(), 300);
        QCOMPARE(KwetsbaarReeks.size(), 240);
        const int gever[] = {0, 1, 2, 3, 0};
        const int kwetsbaar[] = {0, 1, 2, 3, 1, 2, 3, 0, 2, 3, 0, 1, 3, 0, 1, 2, 0};
        for (int b = 1; b <= 5; ++b) QCOMPARE(GeverVanSpel(b), gever[b - 1]);
        for (int b = 1; b <= 17; ++b) QCOMPARE(KwetsbaarVanSpel(b), kwetsbaar[b - 1]);
        QCOMPARE(GeverVanSpel(48), 3);
        QCOMPARE(KwetsbaarVanSpel(0), 0);
        QCOMPARE(KwetsbaarVanSpel(241), 0);
    }

    void ownerName() {
        QCOMPARE(BepaalEigenaarNaam("  Jan Jansen "), QString("Jan Jansen"));
        QVERIFY(!AccountNaam().isEmpty());
        QCOMPARE(BepaalEigenaarNaam("   "), AccountNaam());
    }

    void siblingProgramUnderTheWinePrefix() {
        QTemporaryDir prefix;
        QCOMPARE(ZoekCvn(prefix.path()).map, QString());
        QCOMPARE(ZoekCvn(prefix.path()).serie, QString());
        // An empty program file does not count.
        Maak(prefix.filePath("drive_c/Program Files (x86)/Corvani 6 serie/CVN6.exe"), "");
        QCOMPARE(ZoekCvn(prefix.path()).map, QString());
        // Only the last candidate exists (in other case): series 5.
        Maak(prefix.filePath("drive_c/Program Files/Corvani/RAVOSC.EXE"), "MZ");
        CvnVondst v = ZoekCvn(prefix.path());
        QCOMPARE(v.map, prefix.filePath("drive_c/Program Files/Corvani"));
        QCOMPARE(v.serie, QString(" 5 "));
        // A series 6 program comes first.
        Maak(prefix.filePath("drive_c/Program Files/Corvani 6 serie/CVN6.exe"), "MZ");
        v = ZoekCvn(prefix.path());
        QCOMPARE(v.map, prefix.filePath("drive_c/Program Files/Corvani 6 serie"));
        QCOMPARE(v.serie, QString(" 6 "));
    }

    // A results export cut short leaves its temporary files in the sibling
    // program's export folder; the next start removes them there as in the
    // program folder, and touches nothing else of the sibling program.
    void interruptedExportIsCleanedUpInTheSiblingProgram() {
        testsupport::TempHome home;
        QTemporaryDir prefix;
        const QByteArray oud = qgetenv("WINEPREFIX");
        qputenv("WINEPREFIX", prefix.path().toLocal8Bit());
        const QString cvn = prefix.filePath("drive_c/Program Files/Corvani 6 serie");
        Maak(cvn + "/CVN6.exe", "MZ");
        const QString tijdelijk = ".drovik-tmp.a1B2c3";
        Maak(cvn + "/Pandel/Wedstrijd 1/" + tijdelijk, "half");
        Maak(cvn + "/Pandel/" + tijdelijk, "half");
        Maak(cvn + "/Pandel/Wedstrijd 1/Wedstrijd 1.uitslag", "heel");
        Maak(cvn + "/" + tijdelijk, "not ours");           // outside the export folder
        Maak(cvn + "/data/Pandel/x/" + tijdelijk, "not ours");
        Maak(home.file("resultaten/Wedstrijd 1/" + tijdelijk), "half");

        QCOMPARE(RuimOnderbrokenSchrijfwerkOp(), 3);
        QVERIFY(!QFileInfo::exists(cvn + "/Pandel/Wedstrijd 1/" + tijdelijk));
        QVERIFY(!QFileInfo::exists(cvn + "/Pandel/" + tijdelijk));
        QVERIFY(!QFileInfo::exists(home.file("resultaten/Wedstrijd 1/" + tijdelijk)));
        QVERIFY(QFileInfo::exists(cvn + "/Pandel/Wedstrijd 1/Wedstrijd 1.uitslag"));
        QVERIFY(QFileInfo::exists(cvn + "/" + tijdelijk));
        QVERIFY(QFileInfo::exists(cvn + "/data/Pandel/x/" + tijdelijk));
        // Without the sibling program only the program folder is looked at.
        QFile::remove(cvn + "/CVN6.exe");
        Maak(cvn + "/Pandel/Wedstrijd 1/" + tijdelijk, "half");
        QCOMPARE(RuimOnderbrokenSchrijfwerkOp(), 0);
        if (oud.isEmpty()) qunsetenv("WINEPREFIX"); else qputenv("WINEPREFIX", oud);
    }

    // A match replaced by Save-as is made under a hidden name first; a stop
    // in between leaves that folder, which the next start removes. The match
    // itself and other hidden folders stay.
    void halfMadeMatchFolderIsRemovedAtStart() {
        testsupport::TempHome home;
        Maak(home.file("resultaten/.nieuw-Ab12Cd/Ronde 1.txt"), "01. A - B\r\n");
        Maak(home.file("resultaten/Ronde 1/Ronde 1.txt"), "01. C - D\r\n");
        Maak(home.file("resultaten/.nieuw-kort/x.txt"), "van de gebruiker");
        QCOMPARE(RuimOnderbrokenSchrijfwerkOp(), 1);
        QVERIFY(!QFileInfo::exists(home.file("resultaten/.nieuw-Ab12Cd")));
        QVERIFY(QFileInfo::exists(home.file("resultaten/Ronde 1/Ronde 1.txt")));
        QVERIFY(QFileInfo::exists(home.file("resultaten/.nieuw-kort/x.txt")));
    }

    // Where the file system cannot trade two folders in one step, the
    // earlier match is put aside before the new one takes its name. A stop
    // in between is finished at the next start: the match is there under
    // its name, new or old, and nothing is left aside.
    void aMatchPutAsideIsNeverLost() {
        testsupport::TempHome home;
        // Stopped between the two renames: the new match is whole.
        Maak(home.file("resultaten/.oud-Ab12Cd-Ronde 2/Ronde 2.txt"), "01. Oud - Oud\r\n");
        Maak(home.file("resultaten/.nieuw-Ab12Cd-Ronde 2/Ronde 2.txt"), "01. Nieuw - Nieuw\r\n");
        // The new one already stood, and its hidden name was gone: the
        // earlier one comes back rather than nothing.
        Maak(home.file("resultaten/.oud-Xy98Zw-Ronde 3/Ronde 3.txt"), "01. Oud - Oud\r\n");
        // Stopped after the second rename: the earlier one goes.
        Maak(home.file("resultaten/.oud-Qq11Qq-Ronde 4/Ronde 4.txt"), "01. Oud - Oud\r\n");
        Maak(home.file("resultaten/Ronde 4/Ronde 4.txt"), "01. Nieuw - Nieuw\r\n");
        // Stopped while the new one was made: it goes, the match stays.
        Maak(home.file("resultaten/.nieuw-Mm22Nn-Ronde 5/Ronde 5.txt"), "01. Half");
        Maak(home.file("resultaten/Ronde 5/Ronde 5.txt"), "01. Oud - Oud\r\n");
        QCOMPARE(RuimOnderbrokenSchrijfwerkOp(), 5);
        QCOMPARE(testsupport::ReadTestFile(home.file("resultaten/Ronde 2/Ronde 2.txt")), QByteArray("01. Nieuw - Nieuw\r\n"));
        QCOMPARE(testsupport::ReadTestFile(home.file("resultaten/Ronde 3/Ronde 3.txt")), QByteArray("01. Oud - Oud\r\n"));
        QCOMPARE(testsupport::ReadTestFile(home.file("resultaten/Ronde 4/Ronde 4.txt")), QByteArray("01. Nieuw - Nieuw\r\n"));
        QCOMPARE(testsupport::ReadTestFile(home.file("resultaten/Ronde 5/Ronde 5.txt")), QByteArray("01. Oud - Oud\r\n"));
        QCOMPARE(QDir(home.file("resultaten")).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"Ronde 2", "Ronde 3", "Ronde 4", "Ronde 5"}));
    }

    void unreadableSettingsFilesAreNamedOnce() {
        testsupport::TempHome home;
        TaalNummer = 10;
        QCOMPARE(InstellingenBestandMelding(), QString());  // absent files are fine
        Maak(home.file("taal.ini"), "[Taal]\r\nnummer=10\r\n");
        QCOMPARE(InstellingenBestandMelding(), QString());
        QFile::remove(home.file("taal.ini"));
        QCOMPARE(::mkfifo(QFile::encodeName(home.file("taal.ini")).constData(), 0644), 0);
        Maak(home.file("Scherm.ini"), QByteArray(2 * 1024 * 1024, ';'));
        const QString melding = InstellingenBestandMelding();
        QVERIFY2(melding.startsWith("Het instellingenbestand taal.ini, scherm.ini kan niet"), qPrintable(melding));
        QVERIFY(melding.contains('\n') && !melding.contains('|'));
        TaalNummer = 11;
        QVERIFY(InstellingenBestandMelding().startsWith("The settings file taal.ini, scherm.ini cannot"));
        TaalNummer = 10;
    }

    void winePrefixDefault() {
        const QByteArray oud = qgetenv("WINEPREFIX");
        qunsetenv("WINEPREFIX");
        QCOMPARE(WinePrefix(), QDir::homePath() + "/.wine");
        qputenv("WINEPREFIX", "/tmp/elders");
        QCOMPARE(WinePrefix(), QString("/tmp/elders"));
        if (oud.isEmpty()) qunsetenv("WINEPREFIX"); else qputenv("WINEPREFIX", oud);
    }
};

QTEST_GUILESS_MAIN(TestOpstart)
#include "test_opstart.moc"
