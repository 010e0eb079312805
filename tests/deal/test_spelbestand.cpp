#include <QtTest>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "deal/SpelBestand.h"
#include "support/TestSupport.h"

using namespace spel;

namespace {

const QString Kop = QStringLiteral("Renonce: 1~Singelton: 2~Doubelton: 3~7 kaart: 0~8 Kaart: 0~9 Kaart: 0");

QString Record(int n) {
    QStringList f{QString::number(n + 1000).right(3)};
    for (int i = 0; i < 16; ++i) f << "AT2";
    f << "Noord(10)" << "Oost(10)" << "Zuid(10)" << "West(10)";
    return f.join('~');
}

QStringList Set(int n) {
    QStringList r{Kop};
    for (int i = 1; i <= n; ++i) r << Record(i);
    return r;
}

}  // namespace

class TestSpelBestand : public QObject {
    Q_OBJECT
private slots:
    void validSetsPass() {
        for (int n : {1, 24, 48}) {
            const SpelSetUitkomst u = ControleerSpelSet(Set(n));
            QVERIFY(u.Gelukt());
            QCOMPARE(u.set.records.size(), n);
            QCOMPARE(u.set.Regels(), Set(n));
        }
        // Trailing empty lines are not boards.
        QVERIFY(ControleerSpelSet(Set(3) << "" << "  ").Gelukt());
        // An empty lesson slot is the board number and twenty "~".
        QVERIFY(ControleerSpelSet(QStringList{Kop, "005" + QString(20, '~')}).Gelukt());
    }

    void badSetsAreRefusedWithTheirReason() {
        QCOMPARE(ControleerSpelSet({}).fout, SpelSetFout::Leeg);
        QCOMPARE(ControleerSpelSet({"", ""}).fout, SpelSetFout::Leeg);
        QCOMPARE(ControleerSpelSet({"a: 1~b: 2"}).fout, SpelSetFout::KopVelden);
        QCOMPARE(ControleerSpelSet({Kop + "~x: 1", Record(1)}).fout, SpelSetFout::KopVelden);
        QCOMPARE(ControleerSpelSet({Kop}).fout, SpelSetFout::GeenSpellen);
        QCOMPARE(ControleerSpelSet(Set(49)).fout, SpelSetFout::TeVeelSpellen);
        QStringList kapot = Set(5);
        kapot[5] = kapot[5].left(30);  // cut off mid-record
        const SpelSetUitkomst u = ControleerSpelSet(kapot);
        QCOMPARE(u.fout, SpelSetFout::RecordVelden);
        QCOMPARE(u.regel, 6);
        QVERIFY(u.set.records.isEmpty());
        QStringList gat = Set(5);
        gat[2] = "";
        QCOMPARE(ControleerSpelSet(gat).fout, SpelSetFout::RecordVelden);
        QCOMPARE(ControleerSpelSet({Kop, Record(1) + "~extra"}).fout, SpelSetFout::RecordVelden);
    }

    void messagesNameTheFileInTheLanguage() {
        SpelSetUitkomst u;
        u.fout = SpelSetFout::RecordVelden;
        u.regel = 6;
        const QString nl = SpelSetMelding(u, "Week #1", 10);
        QVERIFY(nl.contains("Regel 6 van Week #1.txt"));
        QVERIFY(SpelSetMelding(u, "a", 11).startsWith("Line 6 of a.txt"));
        u.fout = SpelSetFout::Geen;
        QVERIFY(SpelSetMelding(u, "a", 10).isEmpty());
    }

    // Every message is a real text of the table in both languages: the file is
    // named, no placeholder is left and no unused slot shows through.
    void everyMessageIsATableText() {
        const SpelSetFout soorten[] = {SpelSetFout::Ontbreekt, SpelSetFout::Onleesbaar, SpelSetFout::Leeg,
                                       SpelSetFout::KopVelden, SpelSetFout::GeenSpellen,
                                       SpelSetFout::TeVeelSpellen, SpelSetFout::RecordVelden,
                                       SpelSetFout::TeGroot};
        for (int taal : {10, 11}) {
            QStringList meldingen;
            for (SpelSetFout f : soorten) {
                SpelSetUitkomst u;
                u.fout = f;
                u.regel = 3;
                meldingen << SpelSetMelding(u, "set", taal);
            }
            meldingen << WisMelding(WisFout::Mislukt, "set", taal);
            for (const QString& m : meldingen) {
                QVERIFY2(m.contains("set.txt"), qPrintable(m));
                QVERIFY2(!m.contains('~') && !m.contains('#') && !m.contains("(n"), qPrintable(m));
            }
            QCOMPARE(meldingen.removeDuplicates(), 0);
            const QString keuze = WisMelding(WisFout::GeenKeuze, QString(), taal);
            QVERIFY(!keuze.isEmpty() && !keuze.contains("(n"));
        }
        QVERIFY(WisMelding(WisFout::Mislukt, "x", 11).startsWith("The file x.txt"));
        QVERIFY(WisMelding(WisFout::Mislukt, "x", 10).startsWith("Het bestand x.txt"));
    }

    // A set with the ten in both forms and cp1252 characters comes back byte for byte.
    void savedSetRoundTripsByteForByte() {
        testsupport::TempHome home;
        QDir(home.path()).mkpath("Spellen");
        QStringList regels = Set(24);
        regels[3].replace("Noord(10)", QString::fromUtf8("Nörd(10)"));
        regels[4].replace("AT2", "A102");
        const QString pad = home.file("Spellen/week 1.txt");
        QVERIFY(SchrijfSpelSet(pad, regels));
        QFile f(pad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        f.close();
        QVERIFY(bytes.endsWith("West(10)\r\n"));
        QCOMPARE(bytes.count("\r\n"), 25);
        QVERIFY(bytes.contains("N\xF6rd(10)"));
        // Read through the lower-case folder name, as the loader spells it.
        const SpelSetUitkomst u = LeesSpelSet(home.file("spellen/week 1.txt"));
        QVERIFY(u.Gelukt());
        QCOMPARE(u.set.Regels(), regels);
        QVERIFY(SchrijfSpelSet(home.file("Spellen/kopie.txt"), u.set.Regels()));
        QFile g(home.file("Spellen/kopie.txt"));
        QVERIFY(g.open(QIODevice::ReadOnly));
        QCOMPARE(g.readAll(), bytes);
    }

    void unreadableFilesAreReported() {
        testsupport::TempHome home;
        QCOMPARE(LeesSpelSet(home.file("Spellen/weg.txt")).fout, SpelSetFout::Ontbreekt);
        QDir(home.path()).mkpath("Spellen/map.txt");
        QCOMPARE(LeesSpelSet(home.file("Spellen/map.txt")).fout, SpelSetFout::Onleesbaar);
        QFile leeg(home.file("Spellen/leeg.txt"));
        QVERIFY(leeg.open(QIODevice::WriteOnly));
        leeg.close();
        QCOMPARE(LeesSpelSet(leeg.fileName()).fout, SpelSetFout::Leeg);
        QFile vreemd(home.file("Spellen/vreemd.txt"));
        QVERIFY(vreemd.open(QIODevice::WriteOnly));
        vreemd.write(QByteArray("\x00\xff\xfe binary", 11));
        vreemd.close();
        QCOMPARE(LeesSpelSet(vreemd.fileName()).fout, SpelSetFout::KopVelden);
    }

    // Nothing but a regular file of a sane size is read.
    void foreignAndOversizedFiles() {
        testsupport::TempHome home;
        QDir(home.path()).mkpath("Spellen");
        const QString fifo = home.file("Spellen/pijp.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QCOMPARE(LeesSpelSet(fifo).fout, SpelSetFout::Onleesbaar);
        const QString groot = home.file("Spellen/groot.txt");
        QFile g(groot);
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write(Set(24).join("\r\n").toLatin1() + QByteArray(kSpelSetMax, '\n'));
        g.close();
        const SpelSetUitkomst u = LeesSpelSet(groot);
        QCOMPARE(u.fout, SpelSetFout::TeGroot);
        QCOMPARE(SpelSetMelding(u, "groot", 10).section('\n', 0, 0),
                 QString("Het bestand groot.txt is te groot voor een spelbestand."));
        QCOMPARE(SpelSetMelding(u, "groot", 11).section('\n', 0, 0),
                 QString("The file groot.txt is too large for a game file."));
    }

    void namesListedWithoutExtension() {
        const QStringList bestanden{"c.txt", "B.TXT", "a.txt", "week 1.2.txt", "notes.doc", ".txt"};
        QCOMPARE(SpelSetNamen(bestanden, false), (QStringList{"a", "B", "c", "week 1.2"}));
        QCOMPARE(SpelSetNamen(bestanden, true), (QStringList{"week 1.2", "c", "B", "a"}));
    }
};

QTEST_GUILESS_MAIN(TestSpelBestand)
#include "test_spelbestand.moc"
