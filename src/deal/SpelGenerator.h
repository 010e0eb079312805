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

// Limits of the opening types (loaded from the settings by the caller).
// The last-hand flags say whether the fourth hand in bidding order may open
// the type too.
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
    int multyLaatsteHand = 1;
};

// The five opening types; a set of allowed types has bit (1 << soort).
enum OpeningSoort {
    RegelVan20 = 0,
    ZesKaart11Punten = 1,
    Zwakke2 = 2,
    Muiderbergse2 = 3,
    Multy2Ruiten = 4,
    AantalOpeningSoorten = 5
};
constexpr unsigned AlleSoorten = (1u << AantalOpeningSoorten) - 1;

// Is seat (0 North .. 3 West) vulnerable under vulnerability code 0..3?
bool Kwetsbaar(int wind, int kwetsbaarCode);

// Does one hand, with its points and its side's vulnerability, fit the type?
bool PastBijSoort(OpeningSoort soort, Hand h, int punten, bool kwetsbaar, const OpeningGrenzen& g);

// The number of hands, in bidding order from the dealer, that may open the
// type: four, or three when its last-hand flag is off.
int HandenDieMogenOpenen(OpeningSoort soort, const OpeningGrenzen& g);

// The first seat, in bidding order from the dealer (0..3) up to the last hand
// that may open the type, whose hand fits it; -1 when none does.
int OpenendeHand(const Verdeling& v, OpeningSoort soort, const OpeningGrenzen& g, int gever,
                 int kwetsbaarCode);

// What a board must meet: the point window (when switched on) and, when any
// opening type is allowed, a hand that may open one of the allowed types.
struct SpelEisen {
    Puntvenster venster;
    unsigned soorten = 0;  // allowed opening types
    OpeningGrenzen grenzen;
    int gever = 0;          // dealer seat of the board
    int kwetsbaarCode = 0;  // vulnerability of the board
};

bool VoldoetAan(const Verdeling& v, const SpelEisen& eisen);

// Attempts one board may take before the run gives up on it (about a second).
// Every setting the windows allow that can be met at all is met far sooner:
// the rarest, a multi with all four honours in its suit under a point window
// of 19 to 20, about once in 100,000 deals.
constexpr long long MaximaalPogingen = 10'000'000;

struct ZoekUitkomst {
    long long pogingen = 0;
    bool gevonden = false;
};

// Deals attempts until one meets the demands, at most maxPogingen. An
// unreachable point window is treated as switched off.
ZoekUitkomst ZoekSpelMetEisen(KaartGever& gever, const SpelEisen& eisen, Verdeling& uit,
                               long long maxPogingen = MaximaalPogingen);
// The point window alone; returns the number of attempts.
long long ZoekSpel(KaartGever& gever, const Puntvenster& venster, Verdeling& uit);

// Why demands are hard to meet, measured over a number of deals: how often
// the point window held, how often some hand fitted each allowed type, and
// how often that came together with the point window.
struct Knelpunten {
    long long pogingen = 0;
    long long venster = 0;
    std::array<long long, AantalOpeningSoorten> soort{};
    std::array<long long, AantalOpeningSoorten> soortMetVenster{};
};
Knelpunten MeetKnelpunten(KaartGever& gever, const SpelEisen& eisen, long long pogingen);

}  // namespace spel
