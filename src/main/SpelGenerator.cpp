#include "main/SpelGenerator.h"

#include <algorithm>
#include <bit>
#include <random>

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

Xoshiro256 SysteemGezaaid() {
    std::random_device bron;
    auto woord = [&bron] { return (std::uint64_t(bron()) << 32) | bron(); };
    const std::uint64_t a = woord(), b = woord(), c = woord(), d = woord();
    return Xoshiro256(a, b, c, d);
}

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

Xoshiro256::Xoshiro256(std::uint64_t seed) {
    for (auto& w : s_) w = SplitMix(seed);
}

Xoshiro256::Xoshiro256(std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t d)
    : s_{a, b, c, d} {
    // The all-zero state is the one state the engine cannot leave.
    if ((a | b | c | d) == 0) s_[0] = 0x9E3779B97F4A7C15ull;
}

KaartGever::KaartGever() : rng_(SysteemGezaaid()) {}

KaartGever::KaartGever(std::uint64_t seed) : rng_(seed) {}

std::uint32_t KaartGever::Woord() {
    // Each 64-bit output of the engine serves two 32-bit draws.
    if (voorraad_) {
        voorraad_ = false;
        return static_cast<std::uint32_t>(reserve_);
    }
    reserve_ = rng_();
    voorraad_ = true;
    return static_cast<std::uint32_t>(reserve_ >> 32);
}

std::uint32_t KaartGever::Trek(std::uint32_t n) {
    // Multiply-and-shift with rejection of the few low products that would
    // make some outcomes more likely than others.
    std::uint64_t x = Woord();
    std::uint64_t m = x * n;
    std::uint32_t laag = static_cast<std::uint32_t>(m);
    if (laag < n) {
        const std::uint32_t drempel = static_cast<std::uint32_t>(-n) % n;
        while (laag < drempel) {
            x = Woord();
            m = x * n;
            laag = static_cast<std::uint32_t>(m);
        }
    }
    return static_cast<std::uint32_t>(m >> 32);
}

void KaartGever::Deel(Verdeling& v) {
    // Partial Fisher-Yates: position i takes a card drawn uniformly from the
    // cards not yet dealt; positions 0..12 go to North, 13..25 to East and so
    // on. West takes the 13 cards left.
    std::array<std::uint8_t, AantalKaarten> stapel;
    for (int i = 0; i < AantalKaarten; ++i) stapel[i] = static_cast<std::uint8_t>(i);
    Hand handen[4] = {0, 0, 0, 0};
    for (int i = 0; i < 3 * KaartenPerHand; ++i) {
        const int k = i + static_cast<int>(Trek(static_cast<std::uint32_t>(AantalKaarten - i)));
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
