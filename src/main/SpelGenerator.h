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
#include <limits>

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

// Splits one random word r into draws uit[j], each uniform in [0, grenzen[j])
// for j = 0 .. aantal-1: a draw is the high half of r * grens and the low
// half carries on to the next draw, so one word serves several draws. The
// word is refused (false) when its last low half falls in the small range that
// would make some outcomes likelier than others; the caller then takes a new
// word. product is the product of the bounds and must fit in W.
template <typename W, typename Breed>
bool SplitsWoord(W r, const std::uint8_t* grenzen, int aantal, W product, std::uint8_t* uit) {
    constexpr int Bits = std::numeric_limits<W>::digits;
    for (int j = 0; j < aantal; ++j) {
        const Breed z = Breed(r) * grenzen[j];
        uit[j] = static_cast<std::uint8_t>(z >> Bits);
        r = static_cast<W>(z);
    }
    if (r >= product) return true;  // the refused range lies below product
    const W drempel = static_cast<W>(static_cast<W>(W(0) - product) % product);
    return r >= drempel;
}

// The random source of the program: the ChaCha20 keystream under a 256-bit
// key, taken from a buffer that is refilled a few kilobytes at a time. With
// the key from the operating system, seeing any number of deals tells nothing
// about the others. Every draw is exactly uniform (no modulo bias).
class KaartGever {
public:
    using Sleutel = std::array<std::uint8_t, 32>;

    // Key from the operating system (getrandom), taken once.
    KaartGever();
    // A fixed key made from seed, for tests and benchmarks: the same seed
    // gives the same deals.
    explicit KaartGever(std::uint64_t seed);
    explicit KaartGever(const Sleutel& sleutel);
    ~KaartGever();
    // A copy would repeat the stream of the original.
    KaartGever(const KaartGever&) = delete;
    KaartGever& operator=(const KaartGever&) = delete;

    // A uniform number in [0, n), n > 0.
    std::uint32_t Trek(std::uint32_t n);
    // Deals the 52 cards: each card drawn uniformly from the cards left.
    void Deel(Verdeling& v);
    // The next eight bytes of the keystream, in stream order.
    std::uint64_t Woord() {
        if (positie_ == AantalWoorden) Vul();
        return buffer_[positie_++];
    }

private:
    static constexpr int AantalWoorden = 512;  // 4 KiB of keystream per refill
    void Vul();
    Sleutel sleutel_{};
    std::uint64_t blok_ = 0;  // nonce of the next refill: each refill its own stream
    int positie_ = AantalWoorden;
    std::array<std::uint64_t, AantalWoorden> buffer_;
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
