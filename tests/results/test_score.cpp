#include <QtTest>

#include "results/Score.h"

using namespace uitslag;

namespace {

const QString NL = QStringLiteral("1234567890ashrkcnp+-!nozw");
const QString EN = QStringLiteral("1234567890ashdccnp+-!nozw");

// The duplicate bridge scoring table of the Laws (Law 77), entry by entry,
// as the expected values of the sweep below.
namespace wet {

enum Kleur { SA, Hoog, Laag };  // no trump, major, minor

// Trick points for each odd trick bid and made.
int SlagPunten(Kleur k, int slag, int doublet) {
    int punten = 20;
    if (k == Hoog) punten = 30;
    if (k == SA) punten = slag == 1 ? 40 : 30;
    return punten * doublet;
}

// Each overtrick.
int OverslagPunten(Kleur k, int doublet, bool kw) {
    if (doublet == 1) return k == Laag ? 20 : 30;
    if (doublet == 2) return kw ? 200 : 100;
    return kw ? 400 : 200;
}

// Undertricks: first, second and third, fourth and each subsequent.
int OnderslagPunten(int slag, int doublet, bool kw) {
    static const int nietKw[3][3] = {{50, 50, 50}, {100, 200, 300}, {200, 400, 600}};
    static const int welKw[3][3] = {{100, 100, 100}, {200, 300, 300}, {400, 600, 600}};
    const int rij = doublet == 1 ? 0 : doublet == 2 ? 1 : 2;
    const int kolom = slag == 1 ? 0 : slag <= 3 ? 1 : 2;
    return kw ? welKw[rij][kolom] : nietKw[rij][kolom];
}

int Score(int niveau, Kleur k, int resultaat, int doublet, bool kw) {
    if (resultaat < 0) {
        int boete = 0;
        for (int slag = 1; slag <= -resultaat; ++slag) boete += OnderslagPunten(slag, doublet, kw);
        return -boete;
    }
    int slagen = 0;
    for (int slag = 1; slag <= niveau; ++slag) slagen += SlagPunten(k, slag, doublet);
    int score = slagen;
    score += slagen >= 100 ? (kw ? 500 : 300) : 50;            // game or part score
    if (niveau == 6) score += kw ? 750 : 500;                   // small slam
    if (niveau == 7) score += kw ? 1500 : 1000;                 // grand slam
    if (doublet == 2) score += 50;                              // making a doubled contract
    if (doublet == 4) score += 100;                             // making a redoubled contract
    score += resultaat * OverslagPunten(k, doublet, kw);
    return score;
}

}  // namespace wet

QString TekstVan(int niveau, QChar kleur, int resultaat, int doublet, QChar leider) {
    QString t = QString::number(niveau) + kleur;
    if (resultaat == 0) t += 'c';
    else t += (resultaat > 0 ? "+" : "-") + QString::number(qAbs(resultaat));
    t += doublet == 2 ? "!" : doublet == 4 ? "!!" : "";
    return t + leider;
}

// North-South's score of an entry on a board with the code given.
int NZ(const QString& invoer, int code, const QString& a = NL) {
    const ScoreUitkomst u = BerekenScore(invoer, a, code);
    if (!u.gelukt) {
        qWarning("not scored: %s", qPrintable(invoer));
        return 99999;
    }
    if (u.ow != QString::number(-u.nz.toInt()))
        qWarning("sides disagree: %s %s %s", qPrintable(invoer), qPrintable(u.nz), qPrintable(u.ow));
    return u.nz.toInt();
}

}  // namespace

class TestScore : public QObject {
    Q_OBJECT
private slots:
    void namedResults() {
        QCOMPARE(NZ("7a-13!!w", 2), 7600);    // 7NT redoubled vulnerable, 13 down
        QCOMPARE(NZ("7a-13!!n", 1), -7600);
        QCOMPARE(NZ("7ac!!n", 1), 2980);      // 7NT redoubled vulnerable made
        QCOMPARE(NZ("1ac!n", 0), 180);        // 1NT doubled made, 7 tricks
        QCOMPARE(NZ("4scz", 0), 420);
        QCOMPARE(NZ("4scz", 1), 620);
        QCOMPARE(NZ("4scz", 2), 420);
        QCOMPARE(NZ("3h+1n", 0), 170);
        QCOMPARE(NZ("3a-1w", 0), 50);
        QCOMPARE(NZ("3a-1w", 2), 100);
        QCOMPARE(NZ("4hc!n", 0), 590);
        QCOMPARE(NZ("4hc!n", 1), 790);
        QCOMPARE(NZ("3a-2!!w", 0), 600);
        QCOMPARE(NZ("3a-2!!w", 3), 1000);
        QCOMPARE(NZ("2s+1!n", 0), 570);
        QCOMPARE(NZ("1a+1!!n", 0), 760);
        QCOMPARE(NZ("3s-4!n", 0), -800);
        QCOMPARE(NZ("3s-5!!n", 0), -2200);
        QCOMPARE(NZ("6acn", 0), 990);
        QCOMPARE(NZ("6acn", 1), 1440);
        QCOMPARE(NZ("6s+1!n", 1), 1860);
        QCOMPARE(NZ("7acn", 3), 2220);
    }

    void theScoringChart() {
        // Part scores, games and slams, not vulnerable / vulnerable.
        const struct { const char* invoer; int nietKw; int kw; } kaart[] = {
            {"1kcn", 70, 70},     {"1acn", 90, 90},     {"2acn", 120, 120},   {"3acn", 400, 600},
            {"4acn", 430, 630},   {"5acn", 460, 660},   {"1scn", 80, 80},     {"2h+1n", 140, 140},
            {"3scn", 140, 140},   {"4hcn", 420, 620},   {"5scn", 450, 650},   {"4rcn", 130, 130},
            {"5kcn", 400, 600},   {"6kcn", 920, 1370},  {"7rcn", 1440, 2140}, {"7scn", 1510, 2210},
            {"7acn", 1520, 2220}, {"3r+2n", 150, 150},  {"3ac!n", 550, 750},  {"4sc!n", 590, 790},
            {"4s+1!n", 690, 990}, {"1rc!n", 140, 140},  {"2rc!n", 180, 180},  {"3rc!n", 470, 670},
            {"1kc!!n", 230, 230}, {"2kc!!n", 560, 760}, {"1sc!!n", 520, 720}, {"6ac!n", 1230, 1680},
            {"7ac!n", 1790, 2490}, {"2ac!n", 490, 690}, {"4s-1n", -50, -100}, {"3a-3n", -150, -300},
        };
        for (const auto& r : kaart) {
            QVERIFY2(NZ(r.invoer, 0) == r.nietKw, r.invoer);
            QVERIFY2(NZ(r.invoer, 1) == r.kw, r.invoer);
        }
        // Doubled and redoubled penalties by the number of undertricks.
        const int xNiet[] = {100, 300, 500, 800, 1100, 1400, 1700, 2000, 2300, 2600, 2900, 3200, 3500};
        const int xWel[] = {200, 500, 800, 1100, 1400, 1700, 2000, 2300, 2600, 2900, 3200, 3500, 3800};
        for (int n = 1; n <= 13; ++n) {
            const QString x = QStringLiteral("7a-%1!n").arg(n);
            const QString xx = QStringLiteral("7a-%1!!n").arg(n);
            QCOMPARE(NZ(x, 0), -xNiet[n - 1]);
            QCOMPARE(NZ(x, 1), -xWel[n - 1]);
            QCOMPARE(NZ(xx, 0), -2 * xNiet[n - 1]);
            QCOMPARE(NZ(xx, 1), -2 * xWel[n - 1]);
            QCOMPARE(NZ(QStringLiteral("7a-%1n").arg(n), 0), -50 * n);
            QCOMPARE(NZ(QStringLiteral("7a-%1n").arg(n), 1), -100 * n);
        }
    }

    void everyContractAgainstTheLaws() {
        const struct { QChar letter; wet::Kleur kleur; } kleuren[] = {
            {'a', wet::SA}, {'s', wet::Hoog}, {'h', wet::Hoog}, {'r', wet::Laag}, {'k', wet::Laag}};
        int getoetst = 0;
        for (int niveau = 1; niveau <= 7; ++niveau) {
            for (const auto& k : kleuren) {
                for (int doublet : {1, 2, 4}) {
                    for (int resultaat = -(niveau + 6); resultaat <= 7 - niveau; ++resultaat) {
                        for (int code = 0; code <= 3; ++code) {
                            for (QChar leider : QStringLiteral("nozw")) {
                                const bool nz = leider == 'n' || leider == 'z';
                                const bool kw = code == 3 || (nz ? code == 1 : code == 2);
                                const int verwacht = wet::Score(niveau, k.kleur, resultaat, doublet, kw);
                                const QString invoer = TekstVan(niveau, k.letter, resultaat, doublet, leider);
                                const ScoreUitkomst u = BerekenScore(invoer, NL, code);
                                QVERIFY2(u.gelukt, qPrintable(invoer));
                                const int leiderScore = nz ? u.nz.toInt() : u.ow.toInt();
                                QVERIFY2(leiderScore == verwacht,
                                         qPrintable(QStringLiteral("%1 code %2: %3, expected %4")
                                                        .arg(invoer).arg(code).arg(leiderScore).arg(verwacht)));
                                QCOMPARE(u.nz.toInt(), -u.ow.toInt());
                                ++getoetst;
                            }
                        }
                    }
                }
            }
        }
        QCOMPARE(getoetst, 7 * 5 * 3 * 14 * 4 * 4);  // 14 results per level
    }

    void englishLettersScoreTheSame() {
        QCOMPARE(NZ("3d+1n", 0, EN), 130);
        QCOMPARE(NZ("4ccn", 0, EN), 130);
        QCOMPARE(NZ("2cc!!n", 0, EN), 560);
        QCOMPARE(NZ("4cc!!n", 0, EN), 720);
        QCOMPARE(NZ("3R+1N", 0, NL), NZ("3D+1N", 0, EN));
        // A board entered in one language and rescored in the other: the
        // slip text goes to the stored form and back into the other letters.
        for (const QString& invoer : QStringList{"3d+1n", "4cc!o", "5c-2!!w", "6hcz"}) {
            const QString opgeslagen = OpslagVorm(SlipTekst(invoer), EN);
            const QString nl = SchermVorm(opgeslagen, NL) + invoer.right(1);
            QCOMPARE(BerekenScore(nl, NL, 3).nz, BerekenScore(invoer, EN, 3).nz);
            const QString terug = SchermVorm(OpslagVorm(SlipTekst(nl), NL), EN) + invoer.right(1);
            QCOMPARE(terug.toLower(), QString(invoer));
        }
    }

    void passedOutAndNotPlayed() {
        ScoreUitkomst u = BerekenScore("p", NL, 0);
        QVERIFY(u.gelukt);
        QCOMPARE(u.nz, QString("0"));
        QCOMPARE(u.ow, QString("0"));
        u = BerekenScore("N", EN, 3);
        QVERIFY(u.gelukt);
        QCOMPARE(u.nz, QString("n"));
        QCOMPARE(u.ow, QString("n"));
    }

    void nothingIsScoredFromAnInvalidEntry() {
        // Strains the alphabet does not know, refused shapes, a broken
        // alphabet, a board without vulnerability: no score at all.
        const struct { const char* invoer; QString alfabet; int code; } fout[] = {
            {"3d+1n", NL, 0}, {"4ccn", NL, 0}, {"3r+1n", EN, 0}, {"3a-0n", NL, 0},
            {"3a+-1n", NL, 0}, {"9z+9n", NL, 0}, {"", NL, 0}, {"3a+1", NL, 0},
            {"3h+1n", QString(), 0}, {"3h+1n", "1234567890", 0}, {"3h+1n", NL, 4},
            {"3h+1n", NL, -1}, {"hallo", NL, 0},
        };
        for (const auto& f : fout) {
            const ScoreUitkomst u = BerekenScore(f.invoer, f.alfabet, f.code);
            QVERIFY2(!u.gelukt && u.nz.isEmpty() && u.ow.isEmpty(), f.invoer);
        }
        QVERIFY(ScoreMelding("3X+1N").contains("3X+1N"));
    }

    void vulnerabilityByBoard() {
        const int codes[] = {0, 1, 2, 3, 1, 2, 3, 0, 2, 3, 0, 1, 3, 0, 1, 2};
        for (int b = 1; b <= 48; ++b)
            QCOMPARE(KwetsbaarCodeVanBord(b), codes[(b - 1) % 16]);
        QCOMPARE(KwetsbaarCodeVanBord(0), -1);
        QCOMPARE(KwetsbaarCodeVanBord(241), -1);
    }
};

QTEST_GUILESS_MAIN(TestScore)
#include "test_score.moc"
