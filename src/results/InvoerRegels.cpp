#include "results/InvoerRegels.h"

#include "platform/Control.h"
#include "results/Score.h"
#include "results/WedstrijdBestanden.h"
#include "shared/Tekst.h"

namespace invoer {

int EersteVrijeRij(const std::vector<SlipRij>& rijen) {
    for (int i = 0; i < int(rijen.size()); ++i) {
        if (!rijen[i].zichtbaar) return -1;
        if (rijen[i].Vrij()) return i;
    }
    return -1;
}

int InvoerRij(const std::vector<SlipRij>& rijen, int gevraagd) {
    if (gevraagd >= 0 && gevraagd < int(rijen.size()) && rijen[gevraagd].Vrij()) {
        bool zichtbaar = true;  // visible rows run from row 0 to the first hidden one
        for (int i = 0; i <= gevraagd; ++i) zichtbaar = zichtbaar && rijen[i].zichtbaar;
        if (zichtbaar) return gevraagd;
    }
    return EersteVrijeRij(rijen);
}

int GevuldeRijen(const std::vector<SlipRij>& rijen) {
    int n = 0;
    for (const SlipRij& r : rijen) {
        if (!r.zichtbaar) break;
        if (!r.Vrij()) ++n;
    }
    return n;
}

int Tafels(int paren) { return qBound(0, paren / 2, uitslag::kMaxTafels); }

QString OntwerpPaar(int rij) {
    return QString::number(2 * rij + 1) + QStringLiteral(" - ") + QString::number(2 * rij + 2);
}

QString WisselPaar(const QString& paar) {
    const int streep = int(paar.indexOf(QLatin1Char('-')));
    if (streep < 0) return paar;
    bool ok1 = false, ok2 = false;
    const QString a = paar.left(streep).trimmed();
    const QString b = paar.mid(streep + 1).trimmed();
    a.toInt(&ok1);
    b.toInt(&ok2);
    if (!ok1 || !ok2) return paar;
    return b + QStringLiteral(" - ") + a;
}

int EerstePaarNummer(const QString& paar) {
    const int streep = int(paar.indexOf(QLatin1Char('-')));
    return (streep < 0 ? paar : paar.left(streep)).trimmed().toInt();
}

bool IsArbitraal(const QString& contract) { return contract.contains(QLatin1Char('%')); }

QString HerhaalInvoer(const QString& contractNZ, const QString& contractOW, const QString& alfabet) {
    if (IsArbitraal(contractNZ) || IsArbitraal(contractOW) || alfabet.size() < 25) return QString();
    if (!contractNZ.isEmpty() && contractNZ.size() == 1) return contractNZ;
    if (!contractNZ.isEmpty()) return contractNZ + alfabet.at(21).toUpper();
    if (!contractOW.isEmpty() && contractOW.size() == 1) return contractOW;
    if (!contractOW.isEmpty()) return contractOW + alfabet.at(22).toUpper();
    return QString();
}

QString PasKlaarAan(const QString& vlaggen, int spellen) {
    QString v;
    for (int i = 0; i < spellen; ++i)
        v += (i < vlaggen.size() && vlaggen.at(i) == QLatin1Char('1')) ? QLatin1Char('1') : QLatin1Char('0');
    return v;
}

int EersteOpenSpel(const QString& vlaggen) {
    const int i = int(vlaggen.indexOf(QLatin1Char('0')));
    return i < 0 ? 0 : i + 1;
}

int KwetsbaarTekstNummer(int bord) {
    const int k = uitslag::KwetsbaarCodeVanBord(bord);
    return k >= 1 && k <= 3 ? 104 + k : 7;
}

QString SorteerTekst(int index, int waarde, int taalNummer) {
    QString t = TaalTekst(waarde == 0 ? 117 : 118);
    // The match box takes its access key on the first letter after the
    // "l" of "laag" / "low", so that the two boxes differ in both languages.
    if (index == 1 && (taalNummer == 10 || taalNummer == 11))
        return platform::WithAccessKey(t, taalNummer == 10 ? QStringLiteral("la") : QStringLiteral("lo"), 1);
    return t;
}

bool IsProcent(const QString& tekst) {
    if (tekst.isEmpty() || tekst.size() > 2) return false;
    for (QChar c : tekst)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

QString ArbitraleTekst(const QString& procent) { return procent + QStringLiteral(".00%"); }

}  // namespace invoer
