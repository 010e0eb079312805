#include "results/Matchpunten.h"

#include <QRegularExpression>

#include "shared/Tekst.h"

namespace uitslag {

namespace {

constexpr int kMaxTafels = 20;
constexpr int kMaxPaarNummer = 40;

// The number written at the start of a text, 0 when there is none.
double WaardeVooraan(const QString& tekst) {
    static const QRegularExpression getal(QStringLiteral("^\\s*([-+]?(\\d+\\.?\\d*|\\.\\d+))"));
    const QRegularExpressionMatch m = getal.match(tekst);
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}

bool PaarNummers(const QString& paar, int& nz, int& ow) {
    const int streep = static_cast<int>(paar.indexOf(QLatin1Char('-')));
    if (streep < 0)
        return false;
    bool ok1 = false, ok2 = false;
    nz = paar.left(streep).trimmed().toInt(&ok1);
    ow = paar.mid(streep + 1).trimmed().toInt(&ok2);
    return ok1 && ok2 && nz >= 1 && nz <= kMaxPaarNummer && ow >= 1 && ow <= kMaxPaarNummer &&
           nz != ow;
}

bool HeleScore(const QString& tekst, int& score) {
    bool ok = false;
    score = tekst.trimmed().toInt(&ok);
    return ok;
}

// 2 points for every score below, 1 for every other equal score.
int Punten(const std::vector<int>& scores, int eigen) {
    int p = 0;
    bool zelf = false;
    for (int s : scores) {
        if (s < eigen)
            p += 2;
        else if (s == eigen) {
            if (zelf) p += 1;
            else zelf = true;
        }
    }
    return p;
}

}  // namespace

int TopVanTafels(int tafels) { return tafels < 1 ? 0 : 2 * (tafels - 1); }

int TopVanParen(int paren) { return TopVanTafels(qMin(paren / 2, kMaxTafels)); }

QString GetalTekst(double waarde) {
    QString s = QString::number(waarde, 'g', 15);
    if (s.startsWith(QStringLiteral("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QStringLiteral("-0.")))
        s.remove(1, 1);
    return s;
}

QString TweeDecimalen(double waarde) {
    QString s = QString::number(waarde + 0.005, 'f', 10);
    const int punt = static_cast<int>(s.indexOf(QLatin1Char('.')));
    if (punt >= 0) {
        s.truncate(punt + 3);
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    }
    if (s == QStringLiteral("-0")) s = QStringLiteral("0");
    return s;
}

QString ArbitraleMatchpunten(const QString& procentTekst, int top) {
    return GetalTekst(WaardeVooraan(procentTekst) / 100.0 * top);
}

MpUitkomst BerekenMatchpunten(const std::vector<SlipRegel>& rijen) {
    MpUitkomst u;
    const int tafels = static_cast<int>(rijen.size());
    if (tafels == 0 || tafels > kMaxTafels) {
        u.fout = MpFout::GeenTafels;
        return u;
    }
    const int top = TopVanTafels(tafels);
    std::vector<bool> gerangschikt(tafels, false);
    std::vector<int> nz(tafels, 0), ow(tafels, 0);
    u.mpNZ.assign(tafels, QString());
    u.mpOW.assign(tafels, QString());
    u.paarNZ.assign(tafels, 0);
    u.paarOW.assign(tafels, 0);
    auto fout = [&](MpFout f, int rij) {
        MpUitkomst m;
        m.fout = f;
        m.rij = rij;
        return m;
    };
    for (int i = 0; i < tafels; ++i) {
        const SlipRegel& r = rijen[i];
        if (r.contractNZ.isEmpty() && r.contractOW.isEmpty())
            return fout(MpFout::LegeRij, i);
        if (!PaarNummers(r.paar, u.paarNZ[i], u.paarOW[i]))
            return fout(MpFout::PaarNummers, i);
        const bool arbitraal = r.contractNZ.contains(QLatin1Char('%')) ||
                               r.contractOW.contains(QLatin1Char('%'));
        const bool nietGespeeld = r.scoreNZ.trimmed().toLower() == QStringLiteral("n");
        if (arbitraal) {
            u.mpNZ[i] = ArbitraleMatchpunten(r.contractNZ, top);
            u.mpOW[i] = ArbitraleMatchpunten(r.contractOW, top);
        }
        if (arbitraal || nietGespeeld) {
            ++u.uitgesloten;  // one table, however many marks it carries
            continue;
        }
        if (!HeleScore(r.scoreNZ, nz[i]) || !HeleScore(r.scoreOW, ow[i]))
            return fout(MpFout::GeenScore, i);
        gerangschikt[i] = true;
    }
    std::vector<int> alleNZ, alleOW;
    for (int i = 0; i < tafels; ++i) {
        if (gerangschikt[i]) {
            alleNZ.push_back(nz[i]);
            alleOW.push_back(ow[i]);
        }
    }
    const int s = static_cast<int>(alleNZ.size());
    for (int i = 0; i < tafels; ++i) {
        if (!gerangschikt[i])
            continue;
        const int pNZ = Punten(alleNZ, nz[i]);
        const int pOW = Punten(alleOW, ow[i]);
        if (u.uitgesloten == 0) {
            u.mpNZ[i] = QString::number(pNZ);
            u.mpOW[i] = QString::number(pOW);
        } else {
            // Neuberg: the ranking of s tables scaled to all tables.
            u.mpNZ[i] = TweeDecimalen((pNZ + 1.0) * tafels / s - 1.0);
            u.mpOW[i] = TweeDecimalen((pOW + 1.0) * tafels / s - 1.0);
        }
    }
    double som = 0;
    for (int i = 0; i < tafels; ++i)
        som += WaardeVooraan(u.mpNZ[i]) + WaardeVooraan(u.mpOW[i]);
    u.totaal = TweeDecimalen(som);
    return u;
}

QString MatchpuntMelding(const MpUitkomst& uitkomst, int bord) {
    int nummer = 0;
    switch (uitkomst.fout) {
    case MpFout::Geen: return QString();
    case MpFout::GeenTafels:
    case MpFout::LegeRij: nummer = 332; break;
    case MpFout::GeenScore: nummer = 333; break;
    case MpFout::PaarNummers: nummer = 334; break;
    }
    QString tekst = TaalTekst(nummer);
    tekst.replace(QLatin1Char('~'), QString::number(bord));
    tekst.replace(QLatin1Char('#'), QString::number(qMax(0, uitkomst.rij) + 1));
    return tekst;
}

QStringList GridKolom(const MpUitkomst& u, int gridRijen) {
    QStringList kolom;
    for (int r = 0; r < gridRijen; ++r) kolom << QString();
    if (gridRijen < 2) return kolom;
    for (std::size_t i = 0; i < u.mpNZ.size(); ++i) {
        if (u.paarNZ[i] >= 1 && u.paarNZ[i] < gridRijen - 1) kolom[u.paarNZ[i]] = u.mpNZ[i];
        if (u.paarOW[i] >= 1 && u.paarOW[i] < gridRijen - 1) kolom[u.paarOW[i]] = u.mpOW[i];
    }
    kolom[gridRijen - 1] = u.totaal;
    return kolom;
}

}  // namespace uitslag
