// The rules of the e-mail-per-seat window: seating a group's players,
// which addresses get a mail, the desktop address list, the subject line.

#include <QtTest>

#include "players/WindMail.h"

namespace {

QString Paar(int n, const QString& a, const QString& b) {
    return QStringLiteral("%1. %2|%3 - %4|%5")
        .arg(n, 2, 10, QLatin1Char('0'))
        .arg(a, a.toLower() + "@example.test", b, b.toLower() + "@example.test");
}

QStringList Namen(const QList<WindSpeler>& spelers) {
    QStringList uit;
    for (const WindSpeler& s : spelers) uit << s.naam;
    return uit;
}

}  // namespace

class TestWindMail : public QObject {
    Q_OBJECT
private slots:
    void pairNumberParityDecidesTheSeat() {
        // Written out of order: 03 and 01 play North-South, 04 and 02 East-West.
        const WindIndeling g = DeelGroepIn({Paar(3, "A", "B"), Paar(4, "C", "D"), Paar(1, "E", "F"), Paar(2, "G", "H")});
        QCOMPARE(Namen(g.wind[0]), (QStringList{"A", "E"}));
        QCOMPARE(Namen(g.wind[2]), (QStringList{"B", "F"}));
        QCOMPARE(Namen(g.wind[1]), (QStringList{"C", "G"}));
        QCOMPARE(Namen(g.wind[3]), (QStringList{"D", "H"}));
        QCOMPARE(g.paren.first(), QString("03. A - B"));
        QCOMPARE(g.wind[0].first().adres, QString("a@example.test"));
        QCOMPARE(g.overgeslagen, 0);
    }

    void badLinesAreSkippedAndCountedAndUnnumberedPairsFollowTheirPlace() {
        const QStringList regels{
            Paar(1, "A", "B"),
            "",                                   // blank
            "02. Kees|kees@example.test",         // one half only
            "03. Piet - Jan",                     // no addresses: seated, skipped when sending
            "zomaar tekst",                       // no pair shape
            "04. |x@example.test - Lies|l@example.test",  // a player without a name
            "C|c@example.test - D|d@example.test",  // no number: third good line
            "   ",
        };
        const WindIndeling g = DeelGroepIn(regels);
        QCOMPARE(g.overgeslagen, 5);
        QCOMPARE(Namen(g.wind[0]), (QStringList{"A", "Piet", "C"}));
        QCOMPARE(Namen(g.wind[2]), (QStringList{"B", "Jan", "D"}));
        QVERIFY(g.wind[1].isEmpty() && g.wind[3].isEmpty());
        QCOMPARE(g.wind[0].at(1).adres, QString());
        QCOMPARE(g.paren, (QStringList{"01. A - B", "03. Piet - Jan", "03. C - D"}));
    }

    void singleLineAndEmptyGroup() {
        const WindIndeling g = DeelGroepIn({Paar(1, "Jo", "Ko")});
        QCOMPARE(Namen(g.wind[0]), QStringList{"Jo"});
        QCOMPARE(Namen(g.wind[2]), QStringList{"Ko"});
        QVERIFY(g.wind[1].isEmpty() && g.wind[3].isEmpty());
        QCOMPARE(DeelGroepIn({}).paren.size(), 0);
    }

    void addressKinds() {
        QCOMPARE(SoortAdres("jan@example.test"), AdresSoort::Versturen);
        QCOMPARE(SoortAdres(" jan@example.test "), AdresSoort::Versturen);
        QCOMPARE(SoortAdres("NO_REPLAY@club.test"), AdresSoort::GeenMail);
        QCOMPARE(SoortAdres("x.No_Replay.y@club.test"), AdresSoort::GeenMail);
        QCOMPARE(SoortAdres(""), AdresSoort::Ongeldig);
        QCOMPARE(SoortAdres("jan"), AdresSoort::Ongeldig);
        QCOMPARE(SoortAdres("a@b.test\r\nBcc: c@d.test"), AdresSoort::Ongeldig);
    }

    void desktopListBlocksInNorthSouthEastWestOrder() {
        // North two players (one no_replay), East none, South one without
        // an address, West one.
        WindIndeling g;
        g.wind[0] = {{"A", "a@example.test"}, {"B", "no_replay@example.test"}, {"C", "c@example.test"}};
        g.wind[2] = {{"D", ""}};
        g.wind[3] = {{"E", "e@example.test"}};
        const QString namen[kWinden] = {"Noord", "Oost", "Zuid", "West"};
        const QString pdfs[kWinden] = {"/p/n.pdf", "/p/o.pdf", "/p/z.pdf", "/p/w.pdf"};
        int geenMail = -1;
        QStringList ongeldig;
        const QStringList lijst = WindAdreslijst(g, namen, pdfs, geenMail, ongeldig);
        QCOMPARE(lijst, (QStringList{"===== NOORD =====", "a@example.test; c@example.test", "", "+++++ /p/n.pdf +++++", "", "",
                                     "===== ZUID =====", "", "", "+++++ /p/z.pdf +++++", "", "",
                                     "===== OOST =====", "", "", "+++++ /p/o.pdf +++++", "", "",
                                     "===== WEST =====", "e@example.test", "", "+++++ /p/w.pdf +++++", "", ""}));
        QCOMPARE(geenMail, 1);
        QCOMPARE(ongeldig, QStringList{"D"});
    }

    void attachmentsAndSubject() {
        QCOMPARE(WindBijlagen("/p/Noord.pdf", "/h/scorekaart.docx"), QString("/p/Noord.pdf;/h/scorekaart.docx;"));
        QCOMPARE(WindBijlagen("/p/Noord.pdf", ""), QString("/p/Noord.pdf;"));  // no score card
        QCOMPARE(EenRegel(" De spellen\r\nvoor\nde week\r "), QString("De spellen voor de week"));
    }
};

QTEST_GUILESS_MAIN(TestWindMail)
#include "test_frmveldom10_regels.moc"
