#pragma once
// The deal engine: one random generator, uniform deals, high-card points,
// the point-window test, the suit-length counts and the opening-type checks.
// Nothing here touches a window or a QString, so that one attempt costs a few
// dozen nanoseconds; the main window turns accepted deals into records
// (SpelRecord.h).
//
// Card numbering: card n = 1..52 is bit n-1 of a hand. Suit = (n-1) / 13
// (0 spades, 1 hearts, 2 diamonds, 3 clubs), rank = (n-1) % 13 (0 ace .. 12 two),
// so a lower bit is a higher card and a hand read from bit 0 upwards comes out
// spades first, high to low.

#include <array>
#include <cstdint>

namespace spel {

using Hand = std::uint64_t;

constexpr int AantalKaarten = 52;
constexpr int KaartenPerHand = 13;
constexpr int MaximaalHandPunten = 37;  // A K Q J of three suits and A

// The cards of suit kleur (0..3) as a bit mask.
constexpr Hand KleurMasker(int kleur) { return Hand(0x1FFF) << (13 * kleur); }

// Number of cards of suit kleur in hand h.
int KleurLengte(Hand h, int kleur);
// Honours (ace, king, queen, jack) of suit kleur in hand h.
int KleurHonneurs(Hand h, int kleur);
// High-card points: 4, 3, 2, 1 for ace, king, queen, jack.
int HandPunten(Hand h);

// One deal: the four hands North, East, South, West and their points.
struct Verdeling {
    std::array<Hand, 4> hand{};
    std::array<int, 4> punten{};
};

// xoshiro256**: a small, fast 64-bit engine with a 2^256 - 1 period and no
// known statistical weakness at this use. Seeded through splitmix64 so that
// any 64-bit seed gives a well-mixed state.
class Xoshiro256 {
public:
    using result_type = std::uint64_t;
    explicit Xoshiro256(std::uint64_t seed);
    // Seeded from four words of the operating system's entropy source.
    Xoshiro256(std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t d);
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return ~result_type(0); }
    result_type operator()() {
        const std::uint64_t uit = Rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return uit;
    }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t s_[4];
};

// The random source of the program. One engine per generator, seeded once;
// every draw of Trek is exactly uniform (no modulo bias).
class KaartGever {
public:
    // Seeded from the operating system's entropy source.
    KaartGever();
    // Fixed seed, for tests and the benchmark.
    explicit KaartGever(std::uint64_t seed);

    // A uniform number in [0, n), n > 0.
    std::uint32_t Trek(std::uint32_t n);
    // Deals the 52 cards: each card drawn uniformly from the cards left.
    void Deel(Verdeling& v);

private:
    std::uint32_t Woord();
    Xoshiro256 rng_;
    std::uint64_t reserve_ = 0;
    bool voorraad_ = false;
};

// The program's own generator, seeded from the operating system at first use.
KaartGever& ProgrammaGever();

// Point window: a deal is accepted when some hand has min <= points <= max.
// Switched off, every deal is accepted.
struct Puntvenster {
    int min = 12;
    int max = 24;
    bool toepassen = true;
};

bool Aanvaard(const Verdeling& v, const Puntvenster& venster);
// True when some hand can ever meet the window (the run then ends).
bool Haalbaar(const Puntvenster& venster);

// Suit-length counts over a set: 0 voids, 1 singletons, 2 doubletons,
// 3 seven-card, 4 eight-card, 5 nine-or-more-card suits.
struct LengteTellers {
    std::array<int, 6> aantal{};
    void Tel(const Verdeling& v);
};

// Limits of the opening-type checks (loaded from the settings by the caller).
struct OpeningGrenzen {
    int zesKaartHonneurs = 2;
    int nietKwetsbaarMin = 5, nietKwetsbaarMax = 10;
    int kwetsbaarMin = 8, kwetsbaarMax = 10;
    int aantalHonneurs = 2;
    int laatsteHand = 1;
    int muiderbergNKMin = 5, muiderbergNKMax = 10;
    int muiderbergWKMin = 8, muiderbergWKMax = 10;
    int muiderbergLaatsteHand = 1;
    int multyNKMin = 6, multyNKMax = 10;
    int multyWKMin = 8, multyWKMax = 11;
    int multyHonneurs = 2;
    int multyLaatsteHand = 6;
};

// The five opening types, in the order of their switch positions.
enum OpeningSoort {
    RegelVan20 = 0,
    ZesKaart11Punten = 1,
    Zwakke2 = 2,
    Muiderbergse2 = 3,
    Multy2Ruiten = 4,
    AantalOpeningSoorten = 5
};

// Is seat (0 North .. 3 West) vulnerable under vulnerability code 0..3?
bool Kwetsbaar(int wind, int kwetsbaarCode);

// Each check returns the first seat (in seat order) that qualifies, or -1.
// Rule of 20: points plus the two longest suit lengths reach 20.
int ControleerRegelVan20(const Verdeling& v);
// A longest suit of six or more, exactly 11 points and at least the set
// number of honours in one of the longest suits.
int ControleerZesKaart11(const Verdeling& v, const OpeningGrenzen& g);
int ControleerZwakke2(const Verdeling& v, const OpeningGrenzen& g, int kwetsbaarCode);
int ControleerMuiderberg2(const Verdeling& v, const OpeningGrenzen& g, int kwetsbaarCode);
int ControleerMulty2Ruiten(const Verdeling& v, const OpeningGrenzen& g, int kwetsbaarCode);

// Runs the checks whose bit (1 << OpeningSoort) is set in schakelaars and
// counts, per type, the attempts in which a seat qualified.
struct OpeningTellers {
    std::array<long long, AantalOpeningSoorten> aantal{};
    void Controleer(const Verdeling& v, unsigned schakelaars, const OpeningGrenzen& g,
                    int kwetsbaarCode);
};

// Deals attempts until one is accepted; returns the number of attempts.
// The window must be Haalbaar (the caller keeps it inside the spinner rules);
// an unreachable window is treated as switched off so that a run always ends.
// The opening checks run on every attempt when schakelaars is not 0; their
// outcome is only counted, the point window alone decides.
long long ZoekSpel(KaartGever& gever, const Puntvenster& venster, Verdeling& uit,
                   unsigned schakelaars = 0, const OpeningGrenzen* grenzen = nullptr,
                   int kwetsbaarCode = 0, OpeningTellers* tellers = nullptr);

}  // namespace spel
