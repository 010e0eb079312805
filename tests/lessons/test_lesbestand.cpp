// Lesson file rules without the window: new lessons, free and filled slots,
// the recounted header, candidate slots per dealer, rotation, the renumber
// list, and the export into the deal set folder.
#include <QtTest>

#include <QDir>
#include <QFile>

#include "deal/GeverKwetsbaar.h"
#include "deal/SpelBestand.h"
#include "lessons/LesBestand.h"
#include "platform/Paths.h"
#include "shared/Tekst.h"
#include "support/TestSupport.h"

using namespace les;

namespace {

const QString Tildes = QString(20, '~');

// A filled slot line: holdings from the list (16), four seat fields.
QString Gevuld(int slot, const QStringList& houdingen) {
    return BouwSlotRecord(slot, houdingen, {"Noord(10)", "Oost(10)", "Zuid(10)", "West(10)"});
}

QStringList Gewone() {
    QStringList h;
    for (int i = 0; i < 16; ++i) h << "AK3";
    return h;
}

QStringList Labels() { return {"Renonce", "Singelton", "Doubelton", "7 kaart", "8 Kaart", "9 Kaart"}; }

QByteArray Bestand(const QStringList& regels) { return (regels.join("\r\n") + "\r\n").toLatin1(); }

}  // namespace

class TestLesBestand : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        GeverReeks = BouwGeverReeks();
        KwetsbaarReeks = BouwKwetsbaarReeks();
    }

    void newLessonHasTheLiteralHeaderAndFreeSlots() {
        const QStringList les = NieuweLes(24);
        QCOMPARE(les.size(), 25);
        QCOMPARE(les.at(0), "Renonce: ?~Singelton: ?~Doubelton: ?~7 kaart: ?~8 Kaart: ?~9 Kaart: ?");
        QCOMPARE(les.at(1), "001" + Tildes);
        QCOMPARE(les.at(24), "024" + Tildes);
        QCOMPARE(les.at(1).size(), 23);
        for (int k = 1; k <= 24; ++k) QVERIFY(IsVrij(les.at(k)));
        QVERIFY(IsVrij("007" + Tildes + "  "));
        QVERIFY(!IsVrij(Gevuld(7, Gewone())));
        QCOMPARE(SlotNummer(48), "048");
    }

    void slotRecordWritesTheTenAsTAndDropsBlanks() {
        QStringList h = Gewone();
        h[0] = " AH1032";
        h[5] = " -";
        h[15] = "A10";
        const QString r = Gevuld(1, h);
        const QStringList f = r.split('~');
        QCOMPARE(f.size(), 21);
        QCOMPARE(f.at(0), "001");
        QCOMPARE(f.at(1), "AHT32");
        QCOMPARE(f.at(6), "-");
        QCOMPARE(f.at(16), "AT");
        QCOMPARE(f.at(17), "Noord(10)");
        QCOMPARE(f.at(20), "West(10)");
        // A "~" in a box can never split the record.
        h[3] = "A~K";
        QCOMPARE(Gevuld(2, h).split('~').size(), 21);
    }

    void headerIsRecountedFromTheSlots() {
        QStringList h = Gewone();
        h[0] = "-";          // void
        h[4] = "AKQJT98";    // seven
        h[15] = "5";         // West's clubs: singleton
        h[10] = "AKQJT9876"; // nine or more
        QStringList beeld = NieuweLes(4);
        beeld[2] = Gevuld(2, h);
        const QStringList uit = MetNieuweKop(beeld, Labels());
        QCOMPARE(uit.at(0), "Renonce: 1~Singelton: 1~Doubelton: 0~7 kaart: 1~8 Kaart: 0~9 Kaart: 1");
        QCOMPARE(uit.mid(1), beeld.mid(1));
        // Free slots count nothing.
        QCOMPARE(MetNieuweKop(NieuweLes(3), Labels()).at(0),
                 "Renonce: 0~Singelton: 0~Doubelton: 0~7 kaart: 0~8 Kaart: 0~9 Kaart: 0");
    }

    void candidatesFollowTheDealer_data() {
        QTest::addColumn<int>("board");
        QTest::addColumn<int>("aantal");
        QTest::addColumn<QList<int>>("filled");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("north") << 1 << 12 << QList<int>{} << QList<int>{1, 5, 9};
        QTest::newRow("east") << 6 << 12 << QList<int>{2} << QList<int>{6, 10};
        QTest::newRow("south, neighbours filled") << 7 << 24 << QList<int>{3, 7} << QList<int>{11, 15, 19, 23};
        QTest::newRow("west") << 48 << 8 << QList<int>{} << QList<int>{4, 8};
        QTest::newRow("board 13, 12 slots") << 13 << 12 << QList<int>{} << QList<int>{1, 5, 9};
        QTest::newRow("all filled") << 2 << 8 << QList<int>{2, 6} << QList<int>{};
        QTest::newRow("beyond 48") << 49 << 48 << QList<int>{} << QList<int>{};
        QTest::newRow("no board") << 0 << 8 << QList<int>{} << QList<int>{};
    }
    void candidatesFollowTheDealer() {
        QFETCH(int, board);
        QFETCH(int, aantal);
        QFETCH(QList<int>, filled);
        QFETCH(QList<int>, expected);
        QStringList regels = NieuweLes(aantal).mid(1);
        for (int k : filled) regels[k - 1] = Gevuld(k, Gewone());
        QCOMPARE(KandidaatSlots(board, regels), expected);
    }

    void fourTurnsGiveTheDealBack() {
        TeDraaienSpel s;
        for (int i = 0; i < 16; ++i) s.houding[i] = QString("h%1").arg(i);
        for (int w = 0; w < 4; ++w) s.punten[w] = QString("(%1)").arg(w * 10);
        const TeDraaienSpel een = DraaiRechtsom(s);
        // North's holdings go to East in the same suit order, West's to North.
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(een.houding[4 + k], s.houding[k]);
            QCOMPARE(een.houding[k], s.houding[12 + k]);
            QCOMPARE(een.houding[8 + k], s.houding[4 + k]);
        }
        QCOMPARE(een.punten[1], "(0)");
        QCOMPARE(een.punten[0], "(30)");
        TeDraaienSpel vier = s;
        for (int i = 0; i < 4; ++i) vier = DraaiRechtsom(vier);
        for (int i = 0; i < 16; ++i) QCOMPARE(vier.houding[i], s.houding[i]);
        for (int w = 0; w < 4; ++w) QCOMPARE(vier.punten[w], s.punten[w]);
    }

    void renumberListDealerAndVulnerability() {
        TaalNummer = 10;
        QCOMPARE(WijzigLijst(4), QStringList({"4", "3", "2", "1"}));
        QCOMPARE(PositieVanSlot(16, 16), 0);
        QCOMPARE(PositieVanSlot(1, 16), 15);
        QCOMPARE(PositieVanSlot(17, 16), -1);
        QCOMPARE(GeverKop(5), "Gever: Noord");
        QCOMPARE(GeverKop(8), "Gever: West");
        QCOMPARE(KwetsbaarKop(5), "Kwetsbaar: Noord-Zuid");
        QCOMPARE(KwetsbaarKop(16), "Kwetsbaar: Oost-West");
        QCOMPARE(KwetsbaarVoorbeeld(6), "Kwetsbaar: OW");
        QCOMPARE(KwetsbaarVoorbeeld(4), "Kwetsbaar: Allemaal");
        TaalNummer = 11;
        QCOMPARE(GeverKop(2), "Dealer: East");
        QCOMPARE(KwetsbaarKop(4), "Vulnerable: All");
        TaalNummer = 10;
        // A number that is no slot is mapped on the first slot of its dealer.
        QCOMPARE(SlotVoorRaise(7, 16), 7);
        QCOMPARE(SlotVoorRaise(20, 8), 4);
        QCOMPARE(SlotVoorRaise(23, 2), 0);
        QCOMPARE(SlotVoorRaise(0, 8), 0);
    }

    void fileRoundTripKeepsFreeAndFilledSlots() {
        testsupport::TempHome home;
        QStringList beeld = NieuweLes(16);
        beeld[5] = Gevuld(5, Gewone());
        beeld = MetNieuweKop(beeld, Labels());
        const QString pad = LesPad("Les1");
        QVERIFY(pad.endsWith("/bewaar/Les1.txt"));
        QVERIFY(SchrijfLes(pad, beeld));
        QCOMPARE(testsupport::ReadTestFile(pad), Bestand(beeld));
        const spel::SpelSetUitkomst u = LeesLes(pad);
        QVERIFY(u.Gelukt());
        QCOMPARE(u.set.Regels(), beeld);
        // Names that would leave the folder have no path.
        QVERIFY(LesPad("../x").isEmpty());
        QVERIFY(LesPad("a/b").isEmpty());
    }

    void badLessonFilesGiveAMessage() {
        testsupport::TempHome home;
        TaalNummer = 10;
        const QString pad = LesPad("Kapot");
        testsupport::WriteTestFile(pad, "");
        spel::SpelSetUitkomst u = LeesLes(pad);
        QCOMPARE(u.fout, spel::SpelSetFout::Leeg);
        QString m = LesMelding(u, "Kapot", 10);
        QVERIFY(m.contains("Kapot.txt"));
        QVERIFY(m.endsWith(TaalTekst(345)));
        QVERIFY(!m.contains(TaalTekst(87)));
        testsupport::WriteTestFile(pad, Bestand({NieuweLes(2).at(0), "001~~"}));
        QCOMPARE(LeesLes(pad).fout, spel::SpelSetFout::RecordVelden);
        QCOMPARE(LeesLes(LesPad("Weg")).fout, spel::SpelSetFout::Ontbreekt);
        QDir().mkpath(LesPad("Map"));
        QCOMPARE(LeesLes(LesPad("Map")).fout, spel::SpelSetFout::Onleesbaar);
    }

    void exportCopiesAndAsksBeforeOverwriting() {
        testsupport::TempHome home;
        QStringList beeld = NieuweLes(8);
        beeld[3] = Gevuld(3, Gewone());
        QVERIFY(SchrijfLes(LesPad("Les1"), beeld));
        const QString doel = spel::SpelSetPad("Les1");
        // The deal set folder is made when it is missing.
        int vragen = 0;
        auto ja = [&](const QString&) { ++vragen; return true; };
        auto nee = [&](const QString& naam) { ++vragen; return naam != "Les1.txt"; };
        QCOMPARE(ExporteerLes(LesPad("Les1"), "Les1", nee), ExportUitkomst::Geschreven);
        QCOMPARE(vragen, 0);
        QCOMPARE(testsupport::ReadTestFile(doel), Bestand(beeld));
        // The main window reads the copy as a deal set of eight boards.
        const spel::SpelSetUitkomst set = spel::LeesSpelSet(doel);
        QVERIFY(set.Gelukt());
        QCOMPARE(set.set.records.size(), 8);
        QCOMPARE(LegeSpellen(set.set.records), QList<int>({1, 2, 4, 5, 6, 7, 8}));
        // An existing set: No keeps it, Yes replaces it.
        testsupport::WriteTestFile(doel, "oud\r\n");
        QCOMPARE(ExporteerLes(LesPad("Les1"), "Les1", nee), ExportUitkomst::NietOverschreven);
        QCOMPARE(vragen, 1);
        QCOMPARE(testsupport::ReadTestFile(doel), QByteArray("oud\r\n"));
        QCOMPARE(ExporteerLes(LesPad("Les1"), "Les1", ja), ExportUitkomst::Geschreven);
        QCOMPARE(testsupport::ReadTestFile(doel), Bestand(beeld));
        // An empty set of that name is replaced without a question.
        testsupport::WriteTestFile(doel, "");
        QCOMPARE(ExporteerLes(LesPad("Les1"), "Les1", nee), ExportUitkomst::Geschreven);
        QCOMPARE(vragen, 2);
        // A lesson that cannot be read is not copied.
        testsupport::WriteTestFile(LesPad("Kapot"), "x\r\n");
        spel::SpelSetUitkomst lezing;
        QCOMPARE(ExporteerLes(LesPad("Kapot"), "Kapot", ja, &lezing), ExportUitkomst::Onleesbaar);
        QCOMPARE(lezing.fout, spel::SpelSetFout::KopVelden);
        QVERIFY(!QFile::exists(spel::SpelSetPad("Kapot")));
        // A folder in the way of the copy: the write fails, nothing breaks.
        QVERIFY(SchrijfLes(LesPad("Map"), beeld));
        QDir().mkpath(spel::SpelSetPad("Map"));
        QCOMPARE(ExporteerLes(LesPad("Map"), "Map", ja), ExportUitkomst::Mislukt);
    }
};

QTEST_GUILESS_MAIN(TestLesBestand)
#include "test_lesbestand.moc"
