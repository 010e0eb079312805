#include "results/Score.h"

#include "deal/GeverKwetsbaar.h"
#include "shared/Tekst.h"

namespace uitslag {

int KwetsbaarCodeVanBord(int bord) {
    const QString reeks = BouwKwetsbaarReeks();
    if (bord < 1 || bord > reeks.size())
        return -1;
    return reeks.at(bord - 1).digitValue();
}

bool LeiderKwetsbaar(const Contract& contract, int kwetsbaarCode) {
    if (kwetsbaarCode == 3)
        return true;
    return contract.NoordZuid() ? kwetsbaarCode == 1 : kwetsbaarCode == 2;
}

int ContractScore(const Contract& c, bool kwetsbaar) {
    const int m = c.doublet;
    if (c.resultaat < 0) {
        const int n = -c.resultaat;
        if (m == 1)
            return -(kwetsbaar ? 100 : 50) * n;
        // Doubled: not vulnerable 100, then 200 for the second and third,
        // then 300 each; vulnerable 200, then 300 each. Redoubled twice that.
        int boete = kwetsbaar ? (3 * n - 1) * 100 : (n <= 3 ? (2 * n - 1) * 100 : (3 * n - 4) * 100);
        return -boete * (m / 2);
    }
    int slagwaarde = 30;
    if (c.kleur == Kleur::Ruiten || c.kleur == Kleur::Klaveren)
        slagwaarde = 20;
    int slagen = c.niveau * slagwaarde * m;
    if (c.kleur == Kleur::SansAtout)
        slagen += 10 * m;
    int score = slagen;
    if (slagen >= 100)
        score += kwetsbaar ? 500 : 300;
    else
        score += 50;
    if (c.niveau == 6)
        score += kwetsbaar ? 750 : 500;
    if (c.niveau == 7)
        score += kwetsbaar ? 1500 : 1000;
    if (m > 1)
        score += 25 * m;  // 50 doubled, 100 redoubled
    const int overslag = m == 1 ? slagwaarde : (kwetsbaar ? 100 : 50) * m;
    score += c.resultaat * overslag;
    return score;
}

ScoreUitkomst BerekenScore(const QString& invoer, const QString& alfabet, int kwetsbaarCode) {
    ScoreUitkomst u;
    const std::optional<Contract> c = LeesContract(invoer, alfabet);
    if (!c || kwetsbaarCode < 0 || kwetsbaarCode > 3)
        return u;
    u.gelukt = true;
    switch (c->soort) {
    case Soort::Pas:
        u.nz = u.ow = QStringLiteral("0");
        return u;
    case Soort::NietGespeeld:
        u.nz = u.ow = QStringLiteral("n");
        return u;
    case Soort::Gespeeld:
        break;
    }
    const int leider = ContractScore(*c, LeiderKwetsbaar(*c, kwetsbaarCode));
    const int nz = c->NoordZuid() ? leider : -leider;
    u.nz = QString::number(nz);
    u.ow = QString::number(-nz);
    return u;
}

QString ScoreMelding(const QString& invoer) {
    return TaalTekst(330).replace(QLatin1Char('~'), invoer);
}

}  // namespace uitslag
