#include <QtTest>

#include "saveas/BewaarBestand.h"
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
    void refusedNamesWriteNothingAnywhere() {
        testsupport::TempHome home;
        for (const QString& naam : QStringList{"../taal", "..", ".", "a/b", "a\\b", "a|b", "x.txt", "a\tb", "  "}) {
            QCOMPARE(BewaarRegels("Spellen", naam, {"a"}, Weiger,
                                  [](const QString&) { return true; }),
                     BewaarUitkomst::OngeldigeNaam);
        }
        QVERIFY(QDir(home.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(BestandVoorNaam("Spellen", "../x").isEmpty());
    }
    void folderOfTheSameNameIsAFailureNotACrash() {
        testsupport::TempHome home;
        QDir().mkpath(home.file("Spellen/map.txt"));
        QCOMPARE(BewaarRegels("Spellen", "map", {"a"}, Weiger, [](const QString&) { return true; }),
                 BewaarUitkomst::Mislukt);
    }

    // Overwriting a read-only set, even after Yes, fails and says why.
    void readOnlyFileIsNotOverwritten() {
        testsupport::TempHome home;
        Schrijf(home.file("spellen/vast.txt"), "oud\r\n");
        QVERIFY(QFile::setPermissions(home.file("spellen/vast.txt"), QFile::ReadOwner | QFile::ReadOther));
        QString fout;
        QCOMPARE(BewaarRegels("Spellen", "vast", {"nieuw"}, Weiger, [](const QString&) { return true; }, &fout),
                 BewaarUitkomst::Mislukt);
        QVERIFY2(fout.contains("read-only"), qPrintable(fout));
        QCOMPARE(Inhoud(home.file("spellen/vast.txt")), QByteArray("oud\r\n"));
    }

    // The write failure message comes from the table in the asked language,
    // names the file and adds the reason below it.
    void writeFailureMessageNamesFileAndReason() {
        const QString en = SchrijfFoutMelding("a~b.txt", "disk full", 11);
        QCOMPARE(en, QString("The file a~b.txt could not be written.\n\ndisk full"));
        QCOMPARE(SchrijfFoutMelding("x.txt", QString(), 10),
                 QString("Het bestand x.txt kan niet worden geschreven."));
    }
};

QTEST_GUILESS_MAIN(TestSaveasBestand)
#include "test_saveas_bestand.moc"
