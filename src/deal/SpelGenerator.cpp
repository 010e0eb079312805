#include "deal/SpelGenerator.h"

#include <sodium.h>
#include <sys/random.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <functional>

// The opening-type checks are built whole into each copy of SoortGevonden, so
// that the copy for processors with a bit-count instruction uses it throughout.
#define IN_DE_AANROEPER [[gnu::always_inline]] inline

namespace spel {

namespace {

// Bit masks of all aces, kings, queens and jacks (rank 0..3 in every suit).
constexpr Hand RangMasker(int rang) {
    return (Hand(1) << rang) | (Hand(1) << (13 + rang)) | (Hand(1) << (26 + rang)) |
           (Hand(1) << (39 + rang));
}
constexpr Hand Azen = RangMasker(0);
constexpr Hand Heren = RangMasker(1);
constexpr Hand Vrouwen = RangMasker(2);
constexpr Hand Boeren = RangMasker(3);
constexpr Hand Honneurs = Azen | Heren | Vrouwen | Boeren;

std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// 32 bytes from the operating system's entropy source. getrandom blocks only
// until the kernel's pool is first initialised, early in boot; should the call
// be missing, the library's own reader of the system source takes over.
KaartGever::Sleutel SysteemSleutel() {
    KaartGever::Sleutel sleutel;
    std::size_t gelezen = 0;
    while (gelezen < sleutel.size()) {
        const ssize_t n = getrandom(sleutel.data() + gelezen, sleutel.size() - gelezen, 0);
        if (n > 0) {
            gelezen += static_cast<std::size_t>(n);
        } else if (n == 0 || errno != EINTR) {
            randombytes_buf(sleutel.data(), sleutel.size());
            break;
        }
    }
    return sleutel;
}

KaartGever::Sleutel SleutelUitZaad(std::uint64_t seed) {
    KaartGever::Sleutel sleutel;
    for (std::size_t i = 0; i < sleutel.size(); i += 8) {
        const std::uint64_t w = SplitMix(seed);
        for (int b = 0; b < 8; ++b) sleutel[i + b] = static_cast<std::uint8_t>(w >> (8 * b));
    }
    return sleutel;
}

// The bounds of the 39 draws of a deal: position i takes one of the 52 - i
// cards not yet dealt.
constexpr int AantalTrekkingen = 3 * KaartenPerHand;
constexpr std::array<std::uint8_t, AantalTrekkingen> Grenzen = [] {
    std::array<std::uint8_t, AantalTrekkingen> g{};
    for (int i = 0; i < AantalTrekkingen; ++i) g[i] = static_cast<std::uint8_t>(AantalKaarten - i);
    return g;
}();

// The draws grouped so that one 64-bit word serves each group: the product of
// a group's bounds stays below 2^52, so a word is refused at most once in
// 4096 times. The 39 draws need about 193 bits, four words.
struct Groep {
    int begin = 0, aantal = 0;
    std::uint64_t product = 1;
};
constexpr std::uint64_t GroepGrens = std::uint64_t(1) << 52;
constexpr int AantalGroepen = [] {
    int groepen = 1;
    std::uint64_t product = 1;
    for (std::uint8_t n : Grenzen) {
        if (product * n > GroepGrens) {
            ++groepen;
            product = 1;
        }
        product *= n;
    }
    return groepen;
}();
constexpr std::array<Groep, AantalGroepen> Groepen = [] {
    std::array<Groep, AantalGroepen> g{};
    int k = 0;
    for (int i = 0; i < AantalTrekkingen; ++i) {
        if (g[k].product * Grenzen[i] > GroepGrens) g[++k].begin = i;
        g[k].product *= Grenzen[i];
        ++g[k].aantal;
    }
    return g;
}();
static_assert(AantalGroepen == 4);

// Fills the draws of group G from one word, taking a new word while the word
// is refused. With the group a constant, the draws unroll and stay in
// registers.
template <int G>
inline void TrekGroep(KaartGever& gever, std::uint8_t* uit) {
    constexpr Groep g = Groepen[G];
    while (!SplitsWoord<std::uint64_t, unsigned __int128>(gever.Woord(), &Grenzen[g.begin], g.aantal,
                                                          g.product, &uit[g.begin])) {
    }
}

constexpr std::array<std::uint8_t, AantalKaarten> Gesorteerd = [] {
    std::array<std::uint8_t, AantalKaarten> s{};
    for (int i = 0; i < AantalKaarten; ++i) s[i] = static_cast<std::uint8_t>(i);
    return s;
}();

// High-card points of card 0..51.
constexpr std::array<std::uint8_t, AantalKaarten> KaartWaarde = [] {
    std::array<std::uint8_t, AantalKaarten> w{};
    for (int i = 0; i < AantalKaarten; ++i) {
        const int rang = i % KaartenPerHand;
        w[i] = static_cast<std::uint8_t>(rang < 4 ? 4 - rang : 0);
    }
    return w;
}();

bool Binnen(int waarde, int laag, int hoog) { return laag <= waarde && waarde <= hoog; }

IN_DE_AANROEPER int Lengte(Hand h, int kleur) { return std::popcount(h & KleurMasker(kleur)); }
IN_DE_AANROEPER int HonneursIn(Hand h, int kleur) { return std::popcount(h & KleurMasker(kleur) & Honneurs); }

// Seat 0..3 is vulnerable under code 0..3: bit `wind` of a table per code.
IN_DE_AANROEPER bool KwetsbaarSnel(int wind, int kwetsbaarCode) {
    constexpr unsigned Tabel = 0b0000 | (0b0101 << 4) | (0b1010 << 8) | (0b1111 << 12);
    return (Tabel >> (4 * (kwetsbaarCode & 3) + wind)) & 1;
}

}  // namespace

int KleurLengte(Hand h, int kleur) { return Lengte(h, kleur); }

int KleurHonneurs(Hand h, int kleur) { return HonneursIn(h, kleur); }

int HandPunten(Hand h) {
    return 4 * std::popcount(h & Azen) + 3 * std::popcount(h & Heren) +
           2 * std::popcount(h & Vrouwen) + std::popcount(h & Boeren);
}

KaartGever::KaartGever() : KaartGever(SysteemSleutel()) {}

KaartGever::KaartGever(std::uint64_t seed) : KaartGever(SleutelUitZaad(seed)) {}

KaartGever::KaartGever(const Sleutel& sleutel) : sleutel_(sleutel) {
    // Picks the fastest ChaCha20 code this processor runs; safe to call again.
    // Should it fail, the portable code gives the same keystream.
    if (sodium_init() < 0) {
    }
}

KaartGever::~KaartGever() {
    sodium_memzero(sleutel_.data(), sleutel_.size());
    sodium_memzero(buffer_.data(), sizeof buffer_);
}

void KaartGever::Vul() {
    // Each refill is the keystream under its own nonce (a counter), so no two
    // refills share a block; 2^64 refills cannot be reached.
    unsigned char nonce[crypto_stream_chacha20_NONCEBYTES];
    static_assert(sizeof nonce == sizeof blok_);
    for (std::size_t b = 0; b < sizeof nonce; ++b)
        nonce[b] = static_cast<unsigned char>(blok_ >> (8 * b));
    ++blok_;
    crypto_stream_chacha20(reinterpret_cast<unsigned char*>(buffer_.data()), sizeof buffer_,
                           nonce, sleutel_.data());
    positie_ = 0;
}

std::uint32_t KaartGever::Trek(std::uint32_t n) {
    // Multiply-and-shift with rejection of the few low products that would
    // make some outcomes more likely than others.
    using Breed = unsigned __int128;
    Breed m = Breed(Woord()) * n;
    std::uint64_t laag = static_cast<std::uint64_t>(m);
    if (laag < n) {
        const std::uint64_t drempel = (0 - std::uint64_t(n)) % n;
        while (laag < drempel) {
            m = Breed(Woord()) * n;
            laag = static_cast<std::uint64_t>(m);
        }
    }
    return static_cast<std::uint32_t>(m >> 64);
}

void KaartGever::Deel(Verdeling& v) {
    // Partial Fisher-Yates: position i takes a card drawn uniformly from the
    // cards not yet dealt; positions 0..12 go to North, 13..25 to East and so
    // on. West takes the 13 cards left. Points are added card by card, so no
    // bit count is needed; West has what the others leave of the 40.
    std::array<std::uint8_t, AantalKaarten> stapel = Gesorteerd;
    std::array<std::uint8_t, AantalTrekkingen> trek;
    TrekGroep<0>(*this, trek.data());
    TrekGroep<1>(*this, trek.data());
    TrekGroep<2>(*this, trek.data());
    TrekGroep<3>(*this, trek.data());
    int i = 0;
    for (int w = 0; w < 3; ++w) {
        Hand h = 0;
        int p = 0;
        for (int j = 0; j < KaartenPerHand; ++j, ++i) {
            const int k = i + trek[i];
            const std::uint8_t kaart = stapel[k];
            stapel[k] = stapel[i];
            h |= Hand(1) << kaart;
            p += KaartWaarde[kaart];
        }
        v.hand[w] = h;
        v.punten[w] = p;
    }
    const Hand alles = (Hand(1) << AantalKaarten) - 1;
    v.hand[3] = alles & ~(v.hand[0] | v.hand[1] | v.hand[2]);
    v.punten[3] = 40 - v.punten[0] - v.punten[1] - v.punten[2];
}

KaartGever& ProgrammaGever() {
    static KaartGever gever;
    return gever;
}

bool Aanvaard(const Verdeling& v, const Puntvenster& venster) {
    if (!venster.toepassen) return true;
    for (int w = 0; w < 4; ++w)
        if (Binnen(v.punten[w], venster.min, venster.max)) return true;
    return false;
}

bool Haalbaar(const Puntvenster& venster) {
    if (!venster.toepassen) return true;
    return venster.min <= venster.max && venster.max >= 0 &&
           venster.min <= MaximaalHandPunten;
}

void LengteTellers::Tel(const Verdeling& v) {
    for (int w = 0; w < 4; ++w) {
        for (int k = 0; k < 4; ++k) {
            const int l = KleurLengte(v.hand[w], k);
            if (l <= 2)
                ++aantal[l];
            else if (l == 7)
                ++aantal[3];
            else if (l == 8)
                ++aantal[4];
            else if (l >= 9)
                ++aantal[5];
        }
    }
}

bool Kwetsbaar(int wind, int kwetsbaarCode) { return KwetsbaarSnel(wind & 3, kwetsbaarCode); }

namespace {

IN_DE_AANROEPER int Handen(OpeningSoort soort, const OpeningGrenzen& g) {
    switch (soort) {
        case Zwakke2:
            return g.laatsteHand != 0 ? 4 : 3;
        case Muiderbergse2:
            return g.muiderbergLaatsteHand != 0 ? 4 : 3;
        case Multy2Ruiten:
            return g.multyLaatsteHand != 0 ? 4 : 3;
        default:
            return 4;
    }
}

// The four suit lengths of a hand.
struct Lengtes {
    std::array<int, 4> l;
    IN_DE_AANROEPER explicit Lengtes(Hand h) : l{Lengte(h, 0), Lengte(h, 1), Lengte(h, 2), Lengte(h, 3)} {}
    IN_DE_AANROEPER int operator[](int k) const { return l[k]; }
};

// Rule of 20: a hand opens when its high-card points plus the lengths of its
// two longest suits make 20 or more.
IN_DE_AANROEPER bool PastRegelVan20(Hand h, int punten) {
    const Lengtes l(h);
    const int hoog01 = std::max(l[0], l[1]), laag01 = std::min(l[0], l[1]);
    const int hoog23 = std::max(l[2], l[3]), laag23 = std::min(l[2], l[3]);
    const int tweede = std::max(std::min(hoog01, hoog23), std::max(laag01, laag23));
    return punten + std::max(hoog01, hoog23) + tweede >= 20;
}

// Six cards or more and exactly 11 points: the suit the hand opens must hold
// the honours, and of two equally long suits that is the higher-ranking one.
IN_DE_AANROEPER bool PastZesKaart11(Hand h, int punten, const OpeningGrenzen& g) {
    if (punten != 11) return false;
    const Lengtes l(h);
    const int langste = std::max({l[0], l[1], l[2], l[3]});
    if (langste < 6) return false;
    int kleur = 0;
    while (l[kleur] != langste) ++kleur;
    return HonneursIn(h, kleur) >= g.zesKaartHonneurs;
}

// Weak two: exactly six spades, hearts or diamonds (the first such suit
// counts), points within the limits of the side's vulnerability and the set
// number of honours in that suit.
IN_DE_AANROEPER bool PastZwakke2(Hand h, int punten, bool kwetsbaar, const OpeningGrenzen& g) {
    if (!(kwetsbaar ? Binnen(punten, g.kwetsbaarMin, g.kwetsbaarMax)
                    : Binnen(punten, g.nietKwetsbaarMin, g.nietKwetsbaarMax)))
        return false;
    for (int k = 0; k < 3; ++k)
        if (Lengte(h, k) == 6) return HonneursIn(h, k) >= g.aantalHonneurs;
    return false;
}

// Muiderberg two: exactly five spades or hearts and a minor of at least four
// cards.
IN_DE_AANROEPER bool PastMuiderberg2(Hand h, int punten, bool kwetsbaar, const OpeningGrenzen& g) {
    if (!(kwetsbaar ? Binnen(punten, g.muiderbergWKMin, g.muiderbergWKMax)
                    : Binnen(punten, g.muiderbergNKMin, g.muiderbergNKMax)))
        return false;
    const Lengtes l(h);
    const int laag = std::max(l[2], l[3]);
    return (l[0] == 5 || l[1] == 5) && laag >= 4;
}

// Multi two diamonds: exactly six spades, or else six hearts, with the set
// number of honours in that suit and points within the limits of the side's
// vulnerability.
IN_DE_AANROEPER bool PastMulty2Ruiten(Hand h, int punten, bool kwetsbaar, const OpeningGrenzen& g) {
    if (!(kwetsbaar ? Binnen(punten, g.multyWKMin, g.multyWKMax) : Binnen(punten, g.multyNKMin, g.multyNKMax)))
        return false;
    for (int k = 0; k < 2; ++k)
        if (Lengte(h, k) == 6) return HonneursIn(h, k) >= g.multyHonneurs;
    return false;
}

IN_DE_AANROEPER bool Past(OpeningSoort soort, Hand h, int punten, bool kwetsbaar, const OpeningGrenzen& g) {
    switch (soort) {
        case RegelVan20:
            return PastRegelVan20(h, punten);
        case ZesKaart11Punten:
            return PastZesKaart11(h, punten, g);
        case Zwakke2:
            return PastZwakke2(h, punten, kwetsbaar, g);
        case Muiderbergse2:
            return PastMuiderberg2(h, punten, kwetsbaar, g);
        case Multy2Ruiten:
            return PastMulty2Ruiten(h, punten, kwetsbaar, g);
        default:
            return false;
    }
}

IN_DE_AANROEPER int Openend(const Verdeling& v, OpeningSoort soort, const OpeningGrenzen& g, int gever,
                   int kwetsbaarCode) {
    const int handen = Handen(soort, g);
    for (int j = 0; j < handen; ++j) {
        const int w = (gever + j) & 3;
        if (Past(soort, v.hand[w], v.punten[w], KwetsbaarSnel(w, kwetsbaarCode), g)) return w;
    }
    return -1;
}

// Some hand fits one of the allowed types. The suit lengths come from bit
// counts: the build targets processors without a bit-count instruction, so
// a second copy of this function uses it where the processor has one.
// ThreadSanitizer builds keep one copy: the copy is chosen by a resolver
// that runs while libraries load, before the sanitizer's runtime is set up.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
__attribute__((target_clones("popcnt", "default")))
#endif
bool SoortGevonden(const Verdeling& v, const SpelEisen& e) {
    for (unsigned s = e.soorten & AlleSoorten; s != 0; s &= s - 1)
        if (Openend(v, static_cast<OpeningSoort>(std::countr_zero(s)), e.grenzen, e.gever, e.kwetsbaarCode) >= 0)
            return true;
    return false;
}

}  // namespace

bool PastBijSoort(OpeningSoort soort, Hand h, int punten, bool kwetsbaar, const OpeningGrenzen& g) {
    return Past(soort, h, punten, kwetsbaar, g);
}

int HandenDieMogenOpenen(OpeningSoort soort, const OpeningGrenzen& g) { return Handen(soort, g); }

int OpenendeHand(const Verdeling& v, OpeningSoort soort, const OpeningGrenzen& g, int gever,
                 int kwetsbaarCode) {
    return Openend(v, soort, g, gever & 3, kwetsbaarCode);
}

bool VoldoetAan(const Verdeling& v, const SpelEisen& e) {
    if (!Aanvaard(v, e.venster)) return false;
    return (e.soorten & AlleSoorten) == 0 || SoortGevonden(v, e);
}

ZoekUitkomst ZoekSpelMetEisen(KaartGever& gever, const SpelEisen& eisen, Verdeling& uit, long long maxPogingen) {
    SpelEisen e = eisen;
    if (!Haalbaar(e.venster)) e.venster.toepassen = false;
    e.gever &= 3;
    ZoekUitkomst u;
    while (u.pogingen < maxPogingen) {
        gever.Deel(uit);
        ++u.pogingen;
        if (VoldoetAan(uit, e)) {
            u.gevonden = true;
            break;
        }
    }
    return u;
}

long long ZoekSpel(KaartGever& gever, const Puntvenster& venster, Verdeling& uit) {
    Puntvenster v = venster;
    if (!Haalbaar(v)) v.toepassen = false;
    long long pogingen = 0;
    do {
        gever.Deel(uit);
        ++pogingen;
    } while (!Aanvaard(uit, v));
    return pogingen;
}

Knelpunten MeetKnelpunten(KaartGever& gever, const SpelEisen& eisen, long long pogingen) {
    Knelpunten k;
    Verdeling v;
    Puntvenster venster = eisen.venster;
    if (!Haalbaar(venster)) venster.toepassen = false;
    const int dealer = eisen.gever & 3;
    for (; k.pogingen < pogingen; ++k.pogingen) {
        gever.Deel(v);
        const bool binnen = Aanvaard(v, venster);
        if (binnen) ++k.venster;
        for (int s = 0; s < AantalOpeningSoorten; ++s) {
            if (!(eisen.soorten & (1u << s))) continue;
            if (Openend(v, static_cast<OpeningSoort>(s), eisen.grenzen, dealer, eisen.kwetsbaarCode) < 0) continue;
            ++k.soort[s];
            if (binnen) ++k.soortMetVenster[s];
        }
    }
    return k;
}

}  // namespace spel

#undef IN_DE_AANROEPER
