#include <QtTest>

#include <bit>
#include <cmath>
#include <cstring>
#include <set>
#include <vector>

#include "deal/SpelGenerator.h"

using namespace spel;

namespace {

// Builds a hand from card numbers 1..52.
Hand H(std::initializer_list<int> kaarten) {
    Hand h = 0;
    for (int n : kaarten) h |= Hand(1) << (n - 1);
    return h;
}

// Card number of rank r (0 ace .. 12 two) in suit k.
int K(int kleur, int rang) { return 13 * kleur + rang + 1; }

double Binomiaal(int n, int k) {
    if (k < 0 || k > n) return 0;
    double r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

}  // namespace

class TestSpelGenerator : public QObject {
    Q_OBJECT
private slots:
    void dealsAFullDeckOnce() {
        KaartGever g(7);
        Verdeling v;
        for (int i = 0; i < 1000; ++i) {
            g.Deel(v);
            Hand alles = 0;
            for (int w = 0; w < 4; ++w) {
                QCOMPARE(std::popcount(v.hand[w]), 13);
                QVERIFY((alles & v.hand[w]) == 0);
                alles |= v.hand[w];
                QCOMPARE(v.punten[w], HandPunten(v.hand[w]));
            }
            QCOMPARE(v.punten[0] + v.punten[1] + v.punten[2] + v.punten[3], 40);
        }
    }

    void sameSeedSameDealsOtherSeedsDiffer() {
        // Over many refills of the keystream buffer, a fixed seed repeats.
        KaartGever a(42), b(42), c(43);
        Verdeling va, vb, vc;
        int gelijkAanC = 0;
        for (int i = 0; i < 2000; ++i) {
            a.Deel(va);
            b.Deel(vb);
            c.Deel(vc);
            QVERIFY(va.hand == vb.hand);
            if (va.hand == vc.hand) ++gelijkAanC;
        }
        QCOMPARE(gelijkAanC, 0);
        QCOMPARE(a.Trek(1000000), b.Trek(1000000));
        // Two generators seeded by the system share neither their stream nor
        // their first deal.
        KaartGever s1, s2;
        QVERIFY(s1.Woord() != s2.Woord());
        s1.Deel(va);
        s2.Deel(vb);
        QVERIFY(va.hand != vb.hand);
    }

    // The stream is ChaCha20: with the all-zero key the first block is the
    // published test vector, and the next refill is a different stream.
    void streamIsChaCha20() {
        const unsigned char blok0[64] = {
            0x76, 0xb8, 0xe0, 0xad, 0xa0, 0xf1, 0x3d, 0x90, 0x40, 0x5d, 0x6a, 0xe5, 0x53,
            0x86, 0xbd, 0x28, 0xbd, 0xd2, 0x19, 0xb8, 0xa0, 0x8d, 0xed, 0x1a, 0xa8, 0x36,
            0xef, 0xcc, 0x8b, 0x77, 0x0d, 0xc7, 0xda, 0x41, 0x59, 0x7c, 0x51, 0x57, 0x48,
            0x8d, 0x77, 0x24, 0xe0, 0x3f, 0xb8, 0xd8, 0x4a, 0x37, 0x6a, 0x43, 0xb8, 0xf4,
            0x15, 0x18, 0xa1, 0x1c, 0xc3, 0x87, 0xb6, 0x69, 0xb2, 0xee, 0x65, 0x86};
        KaartGever g(KaartGever::Sleutel{});
        std::vector<std::uint64_t> woorden(4096);
        for (auto& w : woorden) w = g.Woord();
        QCOMPARE(std::memcmp(woorden.data(), blok0, sizeof blok0), 0);
        // No 4 KiB stretch of the stream repeats an earlier one.
        std::set<std::uint64_t> gezien(woorden.begin(), woorden.end());
        QCOMPARE(int(gezien.size()), int(woorden.size()));
    }

    // Splitting one word into several draws is exactly uniform: over every
    // 16-bit word, each combination of draws is met equally often, also when
    // the bounds' product comes close to the word size.
    void splittingAWordIsExactlyUniform() {
        const std::vector<std::vector<std::uint8_t>> gevallen = {
            {13, 12, 11, 10}, {255, 255}, {52}, {3, 1, 7}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}};
        for (const auto& grenzen : gevallen) {
            std::uint32_t product = 1;
            for (auto n : grenzen) product *= n;
            std::vector<int> teller(product);
            std::vector<std::uint8_t> uit(grenzen.size());
            for (std::uint32_t r = 0; r <= 0xFFFF; ++r) {
                if (!SplitsWoord<std::uint16_t, std::uint32_t>(
                        std::uint16_t(r), grenzen.data(), int(grenzen.size()),
                        std::uint16_t(product), uit.data()))
                    continue;
                std::uint32_t index = 0;
                for (std::size_t j = 0; j < grenzen.size(); ++j) {
                    QVERIFY(uit[j] < grenzen[j]);
                    index = index * grenzen[j] + uit[j];
                }
                ++teller[index];
            }
            const int verwacht = int(65536 / product);
            for (std::uint32_t i = 0; i < product; ++i)
                QVERIFY2(teller[i] == verwacht,
                         qPrintable(QString("bounds %1, outcome %2: %3 times, expected %4")
                                        .arg(grenzen.size()).arg(i).arg(teller[i]).arg(verwacht)));
        }
    }

    void singleDrawsStayInRange() {
        KaartGever g(9);
        std::array<int, 6> zes{};
        for (int i = 0; i < 60000; ++i) ++zes[g.Trek(6)];
        for (int n : zes) QVERIFY2(std::abs(n - 10000) < 500, qPrintable(QString::number(n)));
        for (int i = 0; i < 1000; ++i) {
            QCOMPARE(g.Trek(1), 0u);
            QVERIFY(g.Trek(0xFFFFFFFFu) < 0xFFFFFFFFu);
        }
    }

    void pointsAndSuitCounts() {
        // Spades A K Q J, hearts A, clubs 2..9 (8 cards).
        const Hand h = H({K(0, 0), K(0, 1), K(0, 2), K(0, 3), K(1, 0), K(3, 5), K(3, 6),
                          K(3, 7), K(3, 8), K(3, 9), K(3, 10), K(3, 11), K(3, 12)});
        QCOMPARE(HandPunten(h), 14);
        QCOMPARE(KleurLengte(h, 0), 4);
        QCOMPARE(KleurLengte(h, 2), 0);
        QCOMPARE(KleurHonneurs(h, 0), 4);
        QCOMPARE(KleurHonneurs(h, 3), 0);
    }

    void windowBoundsAreInclusiveAndOneSeatIsEnough() {
        Verdeling v;
        v.punten = {5, 12, 9, 14};
        QVERIFY(Aanvaard(v, {12, 12, true}));
        QVERIFY(Aanvaard(v, {13, 14, true}));
        QVERIFY(!Aanvaard(v, {15, 20, true}));
        QVERIFY(!Aanvaard(v, {10, 11, true}));
        // Switched off: everything passes, also an unreachable window.
        QVERIFY(Aanvaard(v, {39, 40, false}));
        QVERIFY(!Haalbaar({38, 40, true}));
        QVERIFY(Haalbaar({37, 40, true}));
    }

    void searchEndsAndMeetsTheWindow() {
        KaartGever g(1);
        Verdeling v;
        for (int i = 0; i < 50; ++i) {
            QVERIFY(ZoekSpel(g, {19, 21, true}, v) >= 1);
            QVERIFY(Aanvaard(v, {19, 21, true}));
        }
        QCOMPARE(ZoekSpel(g, {0, 0, false}, v), 1LL);
        // An unreachable window does not hang the run.
        QCOMPARE(ZoekSpel(g, {38, 40, true}, v), 1LL);
    }

    void lengthCountsSkipThreeToSix() {
        Verdeling v;
        // North: spades 9 (A..6), hearts 4 -> a 9-card suit and two voids.
        v.hand[0] = H({K(0, 0), K(0, 1), K(0, 2), K(0, 3), K(0, 4), K(0, 5), K(0, 6), K(0, 7),
                       K(0, 8), K(1, 0), K(1, 1), K(1, 2), K(1, 3)});
        // East: spades 4, hearts 1, diamonds 8 -> singleton, 8-card suit, void.
        v.hand[1] = H({K(0, 9), K(0, 10), K(0, 11), K(0, 12), K(1, 4), K(2, 0), K(2, 1),
                       K(2, 2), K(2, 3), K(2, 4), K(2, 5), K(2, 6), K(2, 7)});
        // South: hearts 2, diamonds 4, clubs 7 -> doubleton, 7-card, void.
        v.hand[2] = H({K(1, 5), K(1, 6), K(2, 8), K(2, 9), K(2, 10), K(2, 11), K(3, 0),
                       K(3, 1), K(3, 2), K(3, 3), K(3, 4), K(3, 5), K(3, 6)});
        // West: hearts 6, diamonds 1, clubs 6 -> singleton and void only (5 voids in all).
        v.hand[3] = H({K(1, 7), K(1, 8), K(1, 9), K(1, 10), K(1, 11), K(1, 12), K(2, 12),
                       K(3, 7), K(3, 8), K(3, 9), K(3, 10), K(3, 11), K(3, 12)});
        LengteTellers t;
        t.Tel(v);
        QCOMPARE(t.aantal[0], 5);  // voids
        QCOMPARE(t.aantal[1], 2);
        QCOMPARE(t.aantal[2], 1);
        QCOMPARE(t.aantal[3], 1);
        QCOMPARE(t.aantal[4], 1);
        QCOMPARE(t.aantal[5], 1);
    }

    // Each type on single hands, at the edges of its definition.
    void eachTypeAsDefined() {
        const OpeningGrenzen g;
        auto past = [&](OpeningSoort s, Hand h, bool kw = false, const OpeningGrenzen& gr = OpeningGrenzen()) {
            return PastBijSoort(s, h, HandPunten(h), kw, gr);
        };
        // Rule of 20: K Q J 7 6 of spades, A 8 7 6 of hearts = 10 points + 5 + 4.
        const Hand r19 = H({K(0, 1), K(0, 2), K(0, 3), K(0, 7), K(0, 8), K(1, 0), K(1, 6), K(1, 7),
                            K(1, 8), K(2, 9), K(2, 10), K(3, 11), K(3, 12)});
        QCOMPARE(HandPunten(r19), 10);
        QVERIFY(!past(RegelVan20, r19));
        // The same with the queen of diamonds for a low diamond: 12 + 5 + 4.
        const Hand r21 = (r19 & ~H({K(2, 9)})) | H({K(2, 2)});
        QVERIFY(past(RegelVan20, r21));
        // A jack more instead: 11 + 5 + 4 = 20 is enough.
        QVERIFY(past(RegelVan20, (r19 & ~H({K(2, 9)})) | H({K(2, 3)})));

        // Six cards and eleven points. Hearts A Q 9 8 7 6 (2 honours), K of
        // spades, Q of clubs = 11.
        const Hand zes = H({K(1, 0), K(1, 2), K(1, 5), K(1, 6), K(1, 7), K(1, 8), K(0, 1), K(0, 9),
                            K(2, 8), K(2, 9), K(2, 10), K(3, 2), K(3, 12)});
        QCOMPARE(HandPunten(zes), 11);
        QVERIFY(past(ZesKaart11Punten, zes));
        OpeningGrenzen drie;
        drie.zesKaartHonneurs = 3;
        QVERIFY(!past(ZesKaart11Punten, zes, false, drie));
        // Six spades 9..4 and six hearts A K Q J 3 2, club J: the hand opens
        // spades, which hold no honour, though hearts hold all four.
        const Hand zesZes = H({K(0, 5), K(0, 6), K(0, 7), K(0, 8), K(0, 9), K(0, 10), K(1, 0), K(1, 1),
                               K(1, 2), K(1, 3), K(1, 11), K(1, 12), K(3, 3)});
        QCOMPARE(HandPunten(zesZes), 11);
        QVERIFY(!past(ZesKaart11Punten, zesZes));
        // Seven cards count too; ten points do not.
        QVERIFY(past(ZesKaart11Punten, (zes | H({K(1, 9)})) & ~H({K(3, 12)})));
        QVERIFY(!PastBijSoort(ZesKaart11Punten, zes, 10, false, g));

        // Weak two: K Q 9 8 7 6 of hearts, 5 points not vulnerable (5 to 10),
        // 8 to 10 vulnerable.
        const Hand zwak = H({K(1, 1), K(1, 2), K(1, 5), K(1, 6), K(1, 7), K(1, 8), K(0, 12), K(0, 11),
                             K(2, 12), K(2, 11), K(3, 12), K(3, 11), K(3, 10)});
        QVERIFY(past(Zwakke2, zwak));
        QVERIFY(!past(Zwakke2, zwak, true));
        QVERIFY(PastBijSoort(Zwakke2, zwak, 8, true, g));
        QVERIFY(!PastBijSoort(Zwakke2, zwak, 11, false, g));
        OpeningGrenzen zwakDrie;
        zwakDrie.aantalHonneurs = 3;
        QVERIFY(!past(Zwakke2, zwak, false, zwakDrie));
        // Six clubs are no weak two; seven hearts neither.
        const Hand klaveren = H({K(3, 1), K(3, 2), K(3, 5), K(3, 6), K(3, 7), K(3, 8), K(0, 12), K(0, 11),
                                 K(2, 12), K(2, 11), K(1, 12), K(1, 11), K(1, 10)});
        QVERIFY(!past(Zwakke2, klaveren));
        QVERIFY(!past(Zwakke2, (zwak & ~H({K(0, 12)})) | H({K(1, 9)})));
        // Six spades without honours and six hearts with two: spades count.
        const Hand zwakZesZes = H({K(0, 5), K(0, 6), K(0, 7), K(0, 8), K(0, 9), K(0, 10), K(1, 1), K(1, 2),
                                   K(1, 6), K(1, 7), K(1, 8), K(1, 9), K(3, 12)});
        QVERIFY(!past(Zwakke2, zwakZesZes));
        // Multi (6 to 10 points not vulnerable): only spades or hearts,
        // spades first.
        QVERIFY(PastBijSoort(Multy2Ruiten, zwak, 7, false, g));
        QVERIFY(!PastBijSoort(Multy2Ruiten, zwakZesZes, 7, false, g));
        const Hand ruiten = H({K(2, 1), K(2, 2), K(2, 5), K(2, 6), K(2, 7), K(2, 8), K(0, 12), K(0, 11),
                               K(1, 12), K(1, 11), K(3, 12), K(3, 11), K(3, 10)});
        QVERIFY(past(Zwakke2, ruiten));
        QVERIFY(!PastBijSoort(Multy2Ruiten, ruiten, 7, false, g));
        QVERIFY(!PastBijSoort(Multy2Ruiten, zwak, 5, false, g));  // multi starts at 6
        QVERIFY(PastBijSoort(Multy2Ruiten, zwak, 11, true, g));

        // Muiderberg: five spades and a minor of four cards or more.
        const Hand mb54 = H({K(0, 0), K(0, 7), K(0, 8), K(0, 9), K(0, 10), K(3, 1), K(3, 9), K(3, 10),
                             K(3, 11), K(1, 12), K(1, 11), K(2, 12), K(2, 11)});
        QCOMPARE(HandPunten(mb54), 7);
        QVERIFY(past(Muiderbergse2, mb54));
        const Hand mb56 = (mb54 & ~H({K(2, 12), K(2, 11)})) | H({K(3, 12), K(3, 8)});
        QCOMPARE(KleurLengte(mb56, 3), 6);
        QVERIFY(past(Muiderbergse2, mb56));  // six clubs
        // Five spades, seven clubs, a heart: the minor has no upper limit.
        const Hand mb57 = (mb56 & ~H({K(1, 12)})) | H({K(3, 7)});
        QCOMPARE(KleurLengte(mb57, 3), 7);
        QVERIFY(past(Muiderbergse2, mb57));
        // Five spades and only three cards in each minor is no Muiderberg two.
        const Hand mb53 = (mb54 & ~H({K(3, 11)})) | H({K(1, 10)});
        QCOMPARE(KleurLengte(mb53, 3), 3);
        QVERIFY(!past(Muiderbergse2, mb53));
        const Hand mb5_5 = (mb54 & ~H({K(1, 12), K(1, 11)})) | H({K(3, 12), K(2, 10)});
        QCOMPARE(KleurLengte(mb5_5, 3), 5);
        QVERIFY(past(Muiderbergse2, mb5_5));
        const Hand mb6 = (mb54 & ~H({K(2, 12)})) | H({K(0, 11)});
        QVERIFY(!past(Muiderbergse2, mb6));  // six spades
        QVERIFY(!past(Muiderbergse2, mb54, true));  // 7 points vulnerable (8 to 10)
    }

    // The hands that may open: from the dealer round the table, the fourth
    // only when the type's last-hand box says so.
    void biddingOrderFromTheDealer() {
        Verdeling v;
        const Hand zwak = H({K(1, 1), K(1, 2), K(1, 5), K(1, 6), K(1, 7), K(1, 8), K(0, 12), K(0, 11),
                             K(2, 12), K(2, 11), K(3, 12), K(3, 11), K(3, 10)});
        v.hand = {0, 0, 0, 0};
        v.punten = {0, 0, 0, 0};
        v.hand[0] = zwak;  // only North has a weak two
        v.punten[0] = 5;
        OpeningGrenzen g;
        for (int gever = 0; gever < 4; ++gever) QCOMPARE(OpenendeHand(v, Zwakke2, g, gever, 0), 0);
        g.laatsteHand = 0;
        QCOMPARE(OpenendeHand(v, Zwakke2, g, 0, 0), 0);
        QCOMPARE(OpenendeHand(v, Zwakke2, g, 2, 0), 0);
        QCOMPARE(OpenendeHand(v, Zwakke2, g, 1, 0), -1);  // dealer East: North bids fourth
        QCOMPARE(OpenendeHand(v, Multy2Ruiten, g, 1, 0), -1);  // 5 points: below the multi
        g.multyLaatsteHand = 0;
        v.punten[0] = 7;
        QCOMPARE(OpenendeHand(v, Multy2Ruiten, g, 1, 0), -1);
        g.multyLaatsteHand = 1;
        QCOMPARE(OpenendeHand(v, Multy2Ruiten, g, 1, 0), 0);
        // The rule of 20 and the six-card type have no last-hand box.
        QCOMPARE(HandenDieMogenOpenen(RegelVan20, g), 4);
        QCOMPARE(HandenDieMogenOpenen(ZesKaart11Punten, g), 4);
        // Vulnerability is that of the hand's side: North-South vulnerable.
        g.laatsteHand = 1;
        QCOMPARE(OpenendeHand(v, Zwakke2, g, 3, 1), -1);
        QCOMPARE(OpenendeHand(v, Zwakke2, g, 3, 2), 0);
        QVERIFY(Kwetsbaar(3, 3) && Kwetsbaar(0, 1) && !Kwetsbaar(1, 1) && !Kwetsbaar(2, 2));
    }

    // A board needs the point window and, with types allowed, a hand that
    // may open one of them; without types the window alone decides.
    void windowAndTypesTogether() {
        KaartGever gever(5);
        SpelEisen e;
        e.venster = {12, 24, true};
        e.soorten = (1u << Zwakke2) | (1u << Muiderbergse2);
        Verdeling v;
        for (int b = 0; b < 200; ++b) {
            e.gever = b % 4;
            e.kwetsbaarCode = b % 4;
            const ZoekUitkomst u = ZoekSpelMetEisen(gever, e, v);
            QVERIFY(u.gevonden && u.pogingen >= 1);
            QVERIFY(Aanvaard(v, e.venster));
            QVERIFY(OpenendeHand(v, Zwakke2, e.grenzen, e.gever, e.kwetsbaarCode) >= 0 ||
                    OpenendeHand(v, Muiderbergse2, e.grenzen, e.gever, e.kwetsbaarCode) >= 0);
            // Neither type: the same deal fails.
            SpelEisen ander = e;
            ander.soorten = 1u << ZesKaart11Punten;
            if (OpenendeHand(v, ZesKaart11Punten, e.grenzen, e.gever, e.kwetsbaarCode) < 0)
                QVERIFY(!VoldoetAan(v, ander));
        }
        // No types: the same attempts as the point window alone.
        KaartGever a(8), b(8);
        Verdeling va, vb;
        SpelEisen alleenVenster;
        alleenVenster.venster = {20, 22, true};
        const ZoekUitkomst ua = ZoekSpelMetEisen(a, alleenVenster, va);
        QCOMPARE(ua.pogingen, ZoekSpel(b, alleenVenster.venster, vb));
        QVERIFY(va.hand == vb.hand);
        // Point window off and no types: every attempt.
        alleenVenster.venster.toepassen = false;
        QCOMPARE(ZoekSpelMetEisen(a, alleenVenster, va).pogingen, 1LL);
    }

    // Settings no hand can meet end the search at the bound, and the
    // measurement names what never held.
    void impossibleSettingsStopAtTheBound() {
        KaartGever gever(11);
        SpelEisen e;
        e.venster = {12, 24, true};
        e.soorten = 1u << Multy2Ruiten;
        e.grenzen.multyHonneurs = 4;  // A K Q J: ten points at least
        e.grenzen.multyNKMax = 9;
        e.grenzen.multyWKMax = 9;
        Verdeling v;
        const ZoekUitkomst u = ZoekSpelMetEisen(gever, e, v, 200'000);
        QVERIFY(!u.gevonden);
        QCOMPARE(u.pogingen, 200'000LL);
        e.soorten |= 1u << Zwakke2;
        const Knelpunten k = MeetKnelpunten(gever, e, 100'000);
        QCOMPARE(k.pogingen, 100'000LL);
        QCOMPARE(k.soort[Multy2Ruiten], 0LL);
        QVERIFY(k.soort[Zwakke2] > 10'000 && k.soortMetVenster[Zwakke2] <= k.soort[Zwakke2]);
        QVERIFY(k.venster > 90'000);
        QCOMPARE(k.soort[RegelVan20], 0LL);  // not allowed: not measured
        // With the weak two allowed too, the search finds a deal again.
        QVERIFY(ZoekSpelMetEisen(gever, e, v, 200'000).gevonden);
    }

    // The rarest settings the windows allow are met far within the bound: four
    // honours in the suit of each type, its narrowest points, a narrow window.
    void hardSettingsStayWithinTheBound() {
        KaartGever gever(3);
        SpelEisen e;
        e.venster = {19, 20, true};
        e.grenzen.aantalHonneurs = 4;
        e.grenzen.multyHonneurs = 4;
        e.grenzen.zesKaartHonneurs = 4;
        e.grenzen.kwetsbaarMin = e.grenzen.nietKwetsbaarMin = e.grenzen.multyWKMin = e.grenzen.multyNKMin = 10;
        e.grenzen.kwetsbaarMax = e.grenzen.nietKwetsbaarMax = e.grenzen.multyWKMax = e.grenzen.multyNKMax = 11;
        e.grenzen.laatsteHand = e.grenzen.multyLaatsteHand = 0;
        e.gever = 1;
        e.kwetsbaarCode = 3;
        for (OpeningSoort s : {ZesKaart11Punten, Zwakke2, Multy2Ruiten}) {
            e.soorten = 1u << s;
            const Knelpunten k = MeetKnelpunten(gever, e, 2'000'000);
            // Expected attempts per board, with room for chance.
            QVERIFY2(k.soortMetVenster[s] * (MaximaalPogingen / 100) > k.pogingen,
                     qPrintable(QString("type %1: %2 of %3").arg(int(s)).arg(k.soortMetVenster[s]).arg(k.pogingen)));
        }
    }

    // Over 100,000 unconstrained deals every card lands in every seat a
    // quarter of the time, any two cards share a hand as often as chance
    // says, and North's points follow the exact distribution.
    void statistics() {
        constexpr int N = 100000;
        KaartGever g(20261209);
        Verdeling v;
        std::array<std::array<int, 4>, 52> plaats{};
        std::array<int, 38> punten{};
        std::vector<int> samen(52 * 52);  // deals in which cards a and b share a hand
        for (int i = 0; i < N; ++i) {
            g.Deel(v);
            for (int w = 0; w < 4; ++w) {
                int kaarten[13], n = 0;
                for (Hand h = v.hand[w]; h; h &= h - 1) kaarten[n++] = std::countr_zero(h);
                for (int a = 0; a < 13; ++a) {
                    ++plaats[kaarten[a]][w];
                    for (int b = a + 1; b < 13; ++b) ++samen[kaarten[a] * 52 + kaarten[b]];
                }
            }
            ++punten[v.punten[0]];
        }
        // Cards are dealt independently of each other: any two share a hand
        // in 12 of 51 deals. Over the 1326 pairs no count strays 5 standard
        // deviations (by chance about once in a thousand seeds).
        const double pSamen = 12.0 / 51.0;
        const double sd = std::sqrt(N * pSamen * (1 - pSamen));
        double slechtstePaar = 0;
        for (int a = 0; a < 52; ++a)
            for (int b = a + 1; b < 52; ++b)
                slechtstePaar = std::max(slechtstePaar, std::abs(samen[a * 52 + b] - N * pSamen) / sd);
        QVERIFY2(slechtstePaar < 5, qPrintable(QString::number(slechtstePaar)));
        // Card in seat: 52 x 3 degrees of freedom; the 0.999 quantile is ~213.
        const double verwacht = N / 4.0;
        double chi = 0, slechtste = 0;
        for (int c = 0; c < 52; ++c) {
            double chiKaart = 0;
            for (int w = 0; w < 4; ++w)
                chiKaart += std::pow(plaats[c][w] - verwacht, 2) / verwacht;
            chi += chiKaart;
            slechtste = std::max(slechtste, chiKaart);
        }
        QVERIFY2(chi < 213, qPrintable(QString::number(chi)));
        QVERIFY2(slechtste < 25, qPrintable(QString::number(slechtste)));

        // Exact: choose a aces, k kings, q queens, j jacks and the rest of 36 spots.
        std::array<double, 38> kans{};
        const double totaal = Binomiaal(52, 13);
        for (int a = 0; a <= 4; ++a)
            for (int k = 0; k <= 4; ++k)
                for (int q = 0; q <= 4; ++q)
                    for (int j = 0; j <= 4; ++j) {
                        const int rest = 13 - a - k - q - j;
                        if (rest < 0) continue;  // more than 13 honours: no such hand
                        kans[4 * a + 3 * k + 2 * q + j] += Binomiaal(4, a) * Binomiaal(4, k) *
                                                           Binomiaal(4, q) * Binomiaal(4, j) *
                                                           Binomiaal(36, rest) / totaal;
                    }
        double som = 0;
        for (double p : kans) som += p;
        QVERIFY(std::abs(som - 1) < 1e-12);
        // Chi-square over the bins, the thin tails merged until >= 5 expected.
        double chiP = 0;
        int vrijheid = -1;
        double e = 0, o = 0;
        for (int p = 0; p < 38; ++p) {
            e += kans[p] * N;
            o += punten[p];
            if (e >= 5 || p == 37) {
                chiP += (o - e) * (o - e) / std::max(e, 1e-9);
                ++vrijheid;
                e = o = 0;
            }
        }
        // 0.999 quantile of chi-square for about 27 degrees of freedom is ~55.5.
        QVERIFY2(vrijheid >= 20, qPrintable(QString::number(vrijheid)));
        QVERIFY2(chiP < 55.5, qPrintable(QString::number(chiP)));
        double gemiddelde = 0;
        for (int p = 0; p < 38; ++p) gemiddelde += double(p) * punten[p] / N;
        QVERIFY(std::abs(gemiddelde - 10.0) < 5 * 4.13 / std::sqrt(double(N)));
    }
};

QTEST_GUILESS_MAIN(TestSpelGenerator)
#include "test_spelgenerator.moc"
