#include <QtTest>

#include "main/BewaarBestand.h"
#include "platform/FileSizeLimit.h"
#include "support/TestSupport.h"

using namespace bewaarnaam;

namespace {
const QString Weiger = QStringLiteral("x|Niet toegestaan.||<>#%$*&:;\\/?'.,][=+`~@^)({}");

QByteArray Inhoud(const QString& pad) {
    QFile f(pad);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
void Schrijf(const QString& pad, const QByteArray& data) {
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile f(pad);
    f.open(QIODevice::WriteOnly);
    f.write(data);
}
}  // namespace

class TestSaveasBestand : public QObject {
    Q_OBJECT
private slots:
    void newFileIsWrittenWithCrLfAndNoQuestion() {
        testsupport::TempHome home;
        bool gevraagd = false;
        const auto u = BewaarRegels("Spellen", " avond ", {"kop", "r1", "r2"}, Weiger,
                                    [&](const QString&) { gevraagd = true; return true; });
        QCOMPARE(u, BewaarUitkomst::Geschreven);
        QVERIFY(!gevraagd);
        QCOMPARE(Inhoud(home.file("Spellen/avond.txt")), QByteArray("kop\r\nr1\r\nr2\r\n"));
    }
    void overwriteYesAndNo() {
        testsupport::TempHome home;
        Schrijf(home.file("Spellen/avond.txt"), "oud\r\n");
        QString gevraagdNaam;
        auto u = BewaarRegels("Spellen", "avond", {"nieuw"}, Weiger, [&](const QString& n) {
            gevraagdNaam = n;
            return false;
        });
        QCOMPARE(u, BewaarUitkomst::NietOverschreven);
        QCOMPARE(gevraagdNaam, QString("avond.txt"));
        QCOMPARE(Inhoud(home.file("Spellen/avond.txt")), QByteArray("oud\r\n"));

        u = BewaarRegels("Spellen", "avond", {"nieuw"}, Weiger, [](const QString&) { return true; });
        QCOMPARE(u, BewaarUitkomst::Geschreven);
        QCOMPARE(Inhoud(home.file("Spellen/avond.txt")), QByteArray("nieuw\r\n"));
    }
    void existingFileFoundWithoutRegardToCase() {
        testsupport::TempHome home;
        Schrijf(home.file("spellen/Avond.txt"), "oud\r\n");
        bool gevraagd = false;
        BewaarRegels("Spellen", "AVOND", {"nieuw"}, Weiger,
                     [&](const QString&) { gevraagd = true; return false; });
        QVERIFY(gevraagd);
        QCOMPARE(Inhoud(home.file("spellen/Avond.txt")), QByteArray("oud\r\n"));
        QVERIFY(!QFile::exists(home.file("Spellen/AVOND.txt")));
    }
    void emptyExistingFileIsReplacedWithoutAsking() {
        testsupport::TempHome home;
        Schrijf(home.file("Spellen/leeg.txt"), "");
        QCOMPARE(BestandStatus(home.file("Spellen/leeg.txt")), 0);
        bool gevraagd = false;
        QCOMPARE(BewaarRegels("Spellen", "leeg", {"a"}, Weiger,
                              [&](const QString&) { gevraagd = true; return false; }),
                 BewaarUitkomst::Geschreven);
        QVERIFY(!gevraagd);
    }
    void refusedNamesWriteNothingAnywhere() {
        testsupport::TempHome home;
        for (const QString& naam : {"../taal", "..", ".", "a/b", "a\\b", "a|b", "x.txt", "a\tb", "  "}) {
            QCOMPARE(BewaarRegels("Spellen", naam, {"a"}, Weiger,
                                  [](const QString&) { return true; }),
                     BewaarUitkomst::OngeldigeNaam);
        }
        QVERIFY(QDir(home.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(BestandVoorNaam("Spellen", "../x").isEmpty());
    }
    void failingWriteLeavesTheOldFile() {
        testsupport::TempHome home;
        const QByteArray oud = "oude inhoud\r\n";
        Schrijf(home.file("Spellen/vol.txt"), oud);
        QString reden;
        BewaarUitkomst u;
        {
            testsupport::FileSizeLimit limiet(64);  // as a full disk
            const QStringList veel(200, QStringLiteral("regel die niet past"));
            u = BewaarRegels("Spellen", "vol", veel, Weiger, [](const QString&) { return true; },
                             &reden);
        }
        QCOMPARE(u, BewaarUitkomst::Mislukt);
        QVERIFY(!reden.isEmpty());
        QCOMPARE(Inhoud(home.file("Spellen/vol.txt")), oud);
        // No temporary file is left behind.
        QCOMPARE(QDir(home.file("Spellen")).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(SchrijfFoutMelding("vol.txt", reden, 10).startsWith("Het bestand vol.txt"));
        QVERIFY(SchrijfFoutMelding("vol.txt", "", 11).startsWith("The file vol.txt"));
    }
    void folderOfTheSameNameIsAFailureNotACrash() {
        testsupport::TempHome home;
        QDir().mkpath(home.file("Spellen/map.txt"));
        QCOMPARE(BewaarRegels("Spellen", "map", {"a"}, Weiger, [](const QString&) { return true; }),
                 BewaarUitkomst::Mislukt);
    }
};

QTEST_GUILESS_MAIN(TestSaveasBestand)
#include "test_saveas_bestand.moc"
