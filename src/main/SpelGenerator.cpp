#include "main/SpelGenerator.h"

#include <sodium.h>
#include <sys/random.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <functional>

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

bool Binnen(int waarde, int laag, int hoog) { return laag <= waarde && waarde <= hoog; }

// Length of the longest suit and the index of the first suit of that length.
struct LangsteKleur {
    int lengte = 0;
    int tweede = 0;  // longest length among the other three suits
};

LangsteKleur Langste(Hand h) {
    std::array<int, 4> l{};
    for (int k = 0; k < 4; ++k) l[k] = KleurLengte(h, k);
    std::sort(l.begin(), l.end(), std::greater<int>());
    return {l[0], l[1]};
}

// Last seat examined by the checks that may leave out West.
int LaatsteWind(int laatsteHand) { return laatsteHand != 0 ? 3 : 2; }

}  // namespace

int KleurLengte(Hand h, int kleur) { return std::popcount(h & KleurMasker(kleur)); }

int KleurHonneurs(Hand h, int kleur) {
    return std::popcount(h & KleurMasker(kleur) & Honneurs);
}

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
    // on. West takes the 13 cards left.
    std::array<std::uint8_t, AantalKaarten> stapel;
    for (int i = 0; i < AantalKaarten; ++i) stapel[i] = static_cast<std::uint8_t>(i);
    std::array<std::uint8_t, AantalTrekkingen> trek;
    for (const Groep& g : Groepen)
        while (!SplitsWoord<std::uint64_t, unsigned __int128>(Woord(), &Grenzen[g.begin], g.aantal,
                                                              g.product, &trek[g.begin])) {
        }
    Hand handen[4] = {0, 0, 0, 0};
    for (int i = 0; i < AantalTrekkingen; ++i) {
        const int k = i + trek[i];
        std::swap(stapel[i], stapel[k]);
        handen[i / KaartenPerHand] |= Hand(1) << stapel[i];
    }
    const Hand alles = (Hand(1) << AantalKaarten) - 1;
    handen[3] = alles & ~(handen[0] | handen[1] | handen[2]);
    for (int w = 0; w < 4; ++w) {
        v.hand[w] = handen[w];
        v.punten[w] = HandPunten(handen[w]);
    }
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

bool Kwetsbaar(int wind, int kwetsbaarCode) {
    const bool noordZuid = wind == 0 || wind == 2;
    if (noordZuid) return kwetsbaarCode == 1 || kwetsbaarCode == 3;
    return kwetsbaarCode == 2 || kwetsbaarCode == 3;
}

int ControleerRegelVan20(const Verdeling& v) {
    for (int w = 0; w < 4; ++w) {
        const LangsteKleur l = Langste(v.hand[w]);
        if (v.punten[w] + l.lengte + l.tweede >= 20) return w;
    }
    return -1;
}

int ControleerZesKaart11(const Verdeling& v, const OpeningGrenzen& g) {
    for (int w = 0; w < 4; ++w) {
        if (v.punten[w] != 11) continue;
        const int lengte = Langste(v.hand[w]).lengte;
        if (lengte <= 5) continue;
        // With two suits of the longest length, either may carry the honours.
        for (int k = 0; k < 4; ++k)
            if (KleurLengte(v.hand[w], k) == lengte &&
                KleurHonneurs(v.hand[w], k) >= g.zesKaartHonneurs)
                return w;
    }
    return -1;
}

int ControleerZwakke2(const Verdeling& v, const OpeningGrenzen& g, int kwetsbaarCode) {
    for (int w = 0; w <= LaatsteWind(g.laatsteHand); ++w) {
        const bool kw = Kwetsbaar(w, kwetsbaarCode);
        const bool puntenPassen = kw ? Binnen(v.punten[w], g.kwetsbaarMin, g.kwetsbaarMax)
                                     : Binnen(v.punten[w], g.nietKwetsbaarMin, g.nietKwetsbaarMax);
        if (!puntenPassen) continue;
        int kleur = -1;
        for (int k = 0; k < 3 && kleur < 0; ++k)
            if (KleurLengte(v.hand[w], k) == 6) kleur = k;
        if (kleur < 0) continue;
        // The first seat whose points fit and which has a six-card suit ends the search.
        return KleurHonneurs(v.hand[w], kleur) >= g.aantalHonneurs ? w : -1;
    }
    return -1;
}

int ControleerMuiderberg2(const Verdeling& v, const OpeningGrenzen& g, int kwetsbaarCode) {
    for (int w = 0; w <= LaatsteWind(g.muiderbergLaatsteHand); ++w) {
        const bool kw = Kwetsbaar(w, kwetsbaarCode);
        const bool puntenPassen = kw ? Binnen(v.punten[w], g.muiderbergWKMin, g.muiderbergWKMax)
                                     : Binnen(v.punten[w], g.muiderbergNKMin, g.muiderbergNKMax);
        if (!puntenPassen) continue;
        const Hand h = v.hand[w];
        const bool hoog = KleurLengte(h, 0) == 5 || KleurLengte(h, 1) == 5;
        const bool laag = KleurLengte(h, 2) >= 4 || KleurLengte(h, 3) >= 4;
        if (hoog && laag) return w;
    }
    return -1;
}

int ControleerMulty2Ruiten(const Verdeling& v, const OpeningGrenzen& g, int kwetsbaarCode) {
    for (int w = 0; w <= LaatsteWind(g.multyLaatsteHand); ++w) {
        const bool kw = Kwetsbaar(w, kwetsbaarCode);
        const bool puntenPassen = kw ? Binnen(v.punten[w], g.multyWKMin, g.multyWKMax)
                                     : Binnen(v.punten[w], g.multyNKMin, g.multyNKMax);
        if (!puntenPassen) continue;
        int kleur = -1;
        if (KleurLengte(v.hand[w], 0) == 6)
            kleur = 0;
        else if (KleurLengte(v.hand[w], 1) == 6)
            kleur = 1;
        if (kleur < 0) continue;
        return KleurHonneurs(v.hand[w], kleur) >= g.multyHonneurs ? w : -1;
    }
    return -1;
}

void OpeningTellers::Controleer(const Verdeling& v, unsigned schakelaars,
                                const OpeningGrenzen& g, int kwetsbaarCode) {
    if (schakelaars & (1u << RegelVan20))
        if (ControleerRegelVan20(v) >= 0) ++aantal[RegelVan20];
    if (schakelaars & (1u << ZesKaart11Punten))
        if (ControleerZesKaart11(v, g) >= 0) ++aantal[ZesKaart11Punten];
    if (schakelaars & (1u << Zwakke2))
        if (ControleerZwakke2(v, g, kwetsbaarCode) >= 0) ++aantal[Zwakke2];
    if (schakelaars & (1u << Muiderbergse2))
        if (ControleerMuiderberg2(v, g, kwetsbaarCode) >= 0) ++aantal[Muiderbergse2];
    if (schakelaars & (1u << Multy2Ruiten))
        if (ControleerMulty2Ruiten(v, g, kwetsbaarCode) >= 0) ++aantal[Multy2Ruiten];
}

long long ZoekSpel(KaartGever& gever, const Puntvenster& venster, Verdeling& uit,
                   unsigned schakelaars, const OpeningGrenzen* grenzen, int kwetsbaarCode,
                   OpeningTellers* tellers) {
    Puntvenster v = venster;
    if (!Haalbaar(v)) v.toepassen = false;
    const OpeningGrenzen standaard;
    const OpeningGrenzen& g = grenzen ? *grenzen : standaard;
    long long pogingen = 0;
    for (;;) {
        gever.Deel(uit);
        ++pogingen;
        if (schakelaars != 0 && tellers) tellers->Controleer(uit, schakelaars, g, kwetsbaarCode);
        if (Aanvaard(uit, v)) return pogingen;
    }
}

}  // namespace spel
