#include "results/StartStand.h"

#include "results/ContractNotatie.h"
#include "results/InvoerRegels.h"
#include "results/Matchpunten.h"
#include "results/WedstrijdBestanden.h"

namespace uitslag {

namespace {

// The grid column of a board as its whole slip gives it (cells 0 to
// rows - 1, cell 0 unused), or an empty list when the slip is not whole.
QStringList KolomUitSlip(const std::vector<SpelRij>& rijen, int tafels, int gridRijen) {
    if (tafels < 1 || int(rijen.size()) != tafels) return {};
    std::vector<SlipRegel> regels;
    for (const SpelRij& r : rijen) {
        if (r.contractNZ.isEmpty() && r.contractOW.isEmpty()) return {};
        regels.push_back({r.paar, r.contractNZ, r.contractOW, r.scoreNZ, r.scoreOW});
    }
    const MpUitkomst u = BerekenMatchpunten(regels);
    if (!u.Gelukt()) return {};
    return GridKolom(u, gridRijen);
}

}  // namespace

StartStand BouwStartStand(const QString& wedstrijd, const QStringList& paren, int spellen,
                          const std::vector<QStringList>& overzicht, const QString& vlaggen) {
    StartStand s;
    const int n = qBound(1, spellen, kMaxSpellen);
    const int p = int(paren.size());
    const int rijen = p + 2;
    QStringList kop{QString()};
    for (int c = 1; c <= n; ++c) kop << QString::number(c);
    s.grid.push_back(kop);
    for (int r = 1; r < rijen; ++r) {
        QStringList rij{r <= p ? paren.at(r - 1) : QString()};
        for (int c = 1; c <= n; ++c)
            rij << (r < int(overzicht.size()) && c < overzicht[r].size() ? overzicht[r].at(c) : QString());
        s.grid.push_back(rij);
    }
    s.vlaggen = invoer::PasKlaarAan(vlaggen, n);

    const int tafels = invoer::Tafels(p);
    for (int b = 1; b <= n; ++b) {
        std::vector<SpelRij> slip;
        const LeesUitkomst u = LeesSpelUitslag(wedstrijd, b, NotatieAlfabet(), slip, p);
        if (u.Kapot()) continue;
        const QStringList kolom = KolomUitSlip(slip, tafels, rijen);
        if (!kolom.isEmpty()) {
            bool anders = false;
            for (int r = 1; r < rijen; ++r) {
                anders = anders || s.grid[r][b] != kolom[r];
                s.grid[r][b] = kolom[r];
            }
            // A done board whose column the overview lost is worth a word;
            // a whole slip not yet matchpointed (the program stopped in
            // between) is finished as opening it would.
            s.gridGewijzigd = s.gridGewijzigd || anders;
            if (anders && s.vlaggen.at(b - 1) == QLatin1Char('1')) s.hersteld << b;
            s.vlaggen[b - 1] = QLatin1Char('1');
            continue;
        }
        // No whole slip on disk: no matchpoints, whatever the overview
        // held, and not done.
        for (int r = 1; r < rijen; ++r) {
            s.gridGewijzigd = s.gridGewijzigd || !s.grid[r][b].isEmpty();
            s.grid[r][b].clear();
        }
        if (s.vlaggen.at(b - 1) != QLatin1Char('1')) continue;
        s.vlaggen[b - 1] = QLatin1Char('0');
        if (slip.empty())
            s.heropend << b;
        else
            s.onvolledig << b;
    }
    return s;
}

QString BordenLijst(const QList<int>& borden) {
    QStringList t;
    for (int b : borden) t << QString::number(b);
    return t.join(QStringLiteral(", "));
}

}  // namespace uitslag
