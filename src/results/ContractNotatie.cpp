#include "results/ContractNotatie.h"

#include "shared/Tekst.h"

namespace uitslag {

namespace {

// 1-based positions in the notation alphabet.
constexpr int kCijfers = 1;     // 1..10
constexpr int kKleuren = 11;    // 11..15
constexpr int kContract = 16;   // made exactly
constexpr int kNiet = 17;
constexpr int kPas = 18;
constexpr int kPlus = 19;
constexpr int kMin = 20;
constexpr int kUitroep = 21;
constexpr int kLeiders = 22;    // 22..25
constexpr int kLengte = 25;
constexpr int kLangsteInvoer = 8;

QChar Op(const QString& a, int positie) { return a.at(positie - 1); }

// Index 0.. of c among `aantal` characters from `positie`, or -1.
int Plaats(const QString& a, int positie, int aantal, QChar c) {
    const int i = a.mid(positie - 1, aantal).indexOf(c);
    return i;
}

int CijferWaarde(const QString& a, QChar c) {
    return Plaats(a, kCijfers, 10, c) >= 0 ? c.digitValue() : -1;
}

// Reads as much of `t` (lower case) as forms the start of an entry.
Stand Ontleed(const QString& tekst, const QString& alfabet, Contract* uit) {
    if (!AlfabetBruikbaar(alfabet))
        return Stand::Fout;
    const QString a = alfabet.toLower();
    const QString t = tekst.toLower();
    const int n = static_cast<int>(t.size());
    Contract c;
    if (n == 0)
        return Stand::Begonnen;
    if (n > kLangsteInvoer)
        return Stand::Fout;
    if (t.at(0) == Op(a, kPas) || t.at(0) == Op(a, kNiet)) {
        if (n != 1)
            return Stand::Fout;
        c.soort = t.at(0) == Op(a, kPas) ? Soort::Pas : Soort::NietGespeeld;
        if (uit) *uit = c;
        return Stand::Compleet;
    }
    c.niveau = CijferWaarde(a, t.at(0));
    if (c.niveau < 1 || c.niveau > 7)
        return Stand::Fout;
    if (n == 1) return Stand::Begonnen;
    const int kleur = Plaats(a, kKleuren, 5, t.at(1));
    if (kleur < 0)
        return Stand::Fout;
    c.kleur = static_cast<Kleur>(kleur);
    if (n == 2) return Stand::Begonnen;

    int i = 2;
    const QChar r = t.at(i++);
    if (r == Op(a, kContract)) {
        c.resultaat = 0;
    } else if (r == Op(a, kPlus)) {
        // Overtricks: one digit, 1 up to 7 - level; none at level 7.
        if (c.niveau == 7) return Stand::Fout;
        if (i == n) return Stand::Begonnen;
        const int over = CijferWaarde(a, t.at(i++));
        if (over < 1 || c.niveau + over > 7) return Stand::Fout;
        c.resultaat = over;
    } else if (r == Op(a, kMin)) {
        // Undertricks: 1 up to level + 6, one or two digits, no leading zero.
        if (i == n) return Stand::Begonnen;
        int onder = CijferWaarde(a, t.at(i++));
        if (onder < 1 || onder > c.niveau + 6) return Stand::Fout;
        if (i < n) {
            const int tweede = CijferWaarde(a, t.at(i));
            if (tweede >= 0) {
                onder = onder * 10 + tweede;
                if (onder > c.niveau + 6) return Stand::Fout;
                ++i;
            }
        }
        c.resultaat = -onder;
    } else {
        return Stand::Fout;
    }
    if (i == n) return Stand::Begonnen;

    const QChar uitroep = Op(a, kUitroep);
    if (t.at(i) == uitroep) {
        ++i;
        c.doublet = 2;
        if (i < n && t.at(i) == uitroep) {
            ++i;
            c.doublet = 4;
        }
        if (i == n) return Stand::Begonnen;
    }
    const int leider = Plaats(a, kLeiders, 4, t.at(i));
    if (leider < 0 || i + 1 != n)
        return Stand::Fout;
    c.leider = static_cast<Leider>(leider);
    if (uit) *uit = c;
    return Stand::Compleet;
}

int TaalVan(int taalNummer) { return taalNummer == 11 ? 11 : 10; }

}  // namespace

QString NotatieAlfabet(int taalNummer) { return TaalTekst(TaalVan(taalNummer) * 1000 + 141); }

QString NotatieAlfabet() { return TaalTekst(141); }

bool AlfabetBruikbaar(const QString& alfabet) {
    if (alfabet.size() != kLengte)
        return false;
    const QString a = alfabet.toLower();
    if (a.left(10) != QStringLiteral("1234567890"))
        return false;
    if (Op(a, kPlus) != QLatin1Char('+') || Op(a, kMin) != QLatin1Char('-') ||
        Op(a, kUitroep) != QLatin1Char('!'))
        return false;
    auto verschillend = [&](int positie, int aantal) {
        const QString deel = a.mid(positie - 1, aantal);
        for (int i = 0; i < deel.size(); ++i)
            if (!deel.at(i).isLetter() || deel.indexOf(deel.at(i)) != i)
                return false;
        return true;
    };
    return verschillend(kKleuren, 5) && verschillend(kLeiders, 4) && Op(a, kContract).isLetter() &&
           Op(a, kContract) != Op(a, kPlus) && Op(a, kNiet) != Op(a, kPas);
}

Stand BeoordeelTekst(const QString& tekst, const QString& alfabet) {
    return Ontleed(tekst, alfabet, nullptr);
}

std::optional<Contract> LeesContract(const QString& invoer, const QString& alfabet) {
    Contract c;
    if (Ontleed(invoer, alfabet, &c) != Stand::Compleet)
        return std::nullopt;
    return c;
}

Invoer BeoordeelInvoer(const QString& tekst, const QString& alfabet) {
    Invoer u;
    if (tekst.isEmpty())
        return u;
    Contract c;
    const Stand stand = Ontleed(tekst, alfabet, &c);
    u.goed = stand != Stand::Fout;
    u.compleet = stand == Stand::Compleet;
    if (u.compleet && c.soort == Soort::Gespeeld)
        u.kant = static_cast<int>(c.leider) + 1;
    return u;
}

Toets HerschrijfToets(const QString& tekst, QChar toets, const QString& alfabet) {
    Toets u{toets, false};
    if (!AlfabetBruikbaar(alfabet))
        return u;
    const QString a = alfabet.toLower();
    const QString t = tekst.toLower();
    const int niveau = t.isEmpty() ? 0 : qMax(0, t.at(0).digitValue());
    if (toets == QLatin1Char('=')) {
        if (t.size() >= 2 && niveau < 7)
            u.teken = Op(a, kPlus);
        return u;
    }
    if (toets != QLatin1Char('1') || t.size() < 3)
        return u;
    const QChar uitroep = Op(a, kUitroep);
    const QChar laatste = t.back();
    bool doublet = false;
    if (laatste == Op(a, kContract)) {
        doublet = true;
    } else if (laatste == uitroep && !t.contains(QString(2, uitroep))) {
        doublet = true;
    } else {
        const int d = static_cast<int>(t.indexOf(Op(a, kMin)));
        const int na = d < 0 ? 0 : static_cast<int>(t.size()) - d - 1;
        if (d >= 0 && na >= 1) {
            if (niveau < 5)
                doublet = true;
            else if (na == 1 && t.at(d + 1).digitValue() != 1)
                doublet = true;
            else if (na == 1)
                u.vraagDoublet = true;
            if (na == 2 && niveau > 4)
                doublet = true;
        }
        const int p = static_cast<int>(t.indexOf(Op(a, kPlus)));
        if (!doublet && !u.vraagDoublet && p >= 0 && p + 1 < t.size())
            doublet = true;
    }
    if (doublet)
        u.teken = uitroep;
    return u;
}

bool ToetsToegestaan(QChar toets, const QString& alfabet) {
    if (toets == QChar(8) || toets == QChar(13))
        return true;
    return !toets.isNull() && alfabet.contains(toets, Qt::CaseSensitive);
}

QString SlipTekst(const QString& invoer) {
    const QString t = invoer.toUpper();
    return t.size() <= 1 ? t : t.left(t.size() - 1);
}

namespace {

// The strain of a slip text (level, strain, result, doubling; no declarer)
// read in `alfabet`, or -1 when the text is no contract in that alphabet.
int KleurVanSlip(const QString& slip, const QString& alfabet) {
    if (slip.size() < 3 || !AlfabetBruikbaar(alfabet))
        return -1;
    Contract c;
    if (Ontleed(slip + Op(alfabet.toLower(), kLeiders), alfabet, &c) != Stand::Compleet ||
        c.soort != Soort::Gespeeld)
        return -1;
    return static_cast<int>(c.kleur);
}

QString MetKleur(const QString& slip, int kleur, const QString& alfabet) {
    QString t = slip;
    t[1] = Op(alfabet, kKleuren + kleur).toUpper();
    return t;
}

}  // namespace

QString OpslagVorm(const QString& slipTekst, const QString& alfabet) {
    const int kleur = KleurVanSlip(slipTekst, alfabet);
    const QString opslag = NotatieAlfabet(10);
    if (kleur < 0 || !AlfabetBruikbaar(opslag))
        return slipTekst;
    return MetKleur(slipTekst, kleur, opslag);
}

QString SchermVorm(const QString& opgeslagen, const QString& alfabet) {
    if (!AlfabetBruikbaar(alfabet))
        return opgeslagen;
    for (int taal : {10, 11}) {
        const int kleur = KleurVanSlip(opgeslagen, NotatieAlfabet(taal));
        if (kleur >= 0)
            return MetKleur(opgeslagen, kleur, alfabet);
    }
    return opgeslagen;
}

}  // namespace uitslag
