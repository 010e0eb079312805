#include "output/AfdrukRegels.h"

#include <cmath>

namespace afdruk {

namespace {

bool Versmalling(int k) { return k >= 0 && k <= HoogsteVersmalling; }

}  // namespace

std::optional<double> SchaalSmal(int k) {
    if (!Versmalling(k))
        return std::nullopt;
    return (50 - 2 * k) / 100.0;
}

std::optional<double> SchaalDiagram(int k) {
    if (!Versmalling(k))
        return std::nullopt;
    return (60 - 2 * k) / 100.0;
}

double Stap(double schaal, double vensterHoogte) { return 2.0 * schaal * vensterHoogte; }

bool PaginaVol(double vensterHoogte, double y, double paginaHoogte) {
    return vensterHoogte + y + OnderMarge > paginaHoogte;
}

int MiddenX(int paginaBreedte, int vensterBreedte) {
    const int verschil = paginaBreedte - vensterBreedte;
    // Halved with the remainder dropped, towards zero.
    return verschil / 2;
}

Plek OpPagina(double x, double schaal, double breedte, double paginaBreedte) {
    const double geschaald = breedte * schaal;
    if (x >= 0 && x + geschaald <= paginaBreedte)
        return {x, schaal};
    const double ruimte = paginaBreedte - 2.0 * LinkerRand;
    if (breedte <= 0 || ruimte <= 0)
        return {x, schaal};
    const double passend = geschaald > ruimte ? ruimte / breedte : schaal;
    return {std::floor((paginaBreedte - breedte * passend) / 2.0), passend};
}

int Himetric(int twips) { return static_cast<int>(std::lround(twips * 2540.0 / 1440.0)); }

QStringList DealItems(const QStringList& items) {
    QStringList deals;
    for (const QString& item : items)
        if (!item.trimmed().isEmpty())
            deals << item;
    return deals;
}

QString Veld(const QStringList& velden, int i) {
    return i >= 0 && i < velden.size() ? velden.at(i) : QString();
}

QString Holding(const QStringList& velden, int zetel, int kleur) {
    return Veld(velden, 4 * zetel + 1 + kleur);
}

QString TienVorm(const QString& tekst, bool tien) {
    QString uit = tekst;
    if (tien)
        uit.replace(QStringLiteral("10"), QStringLiteral("T"));
    else
        uit.replace(QStringLiteral("T"), QStringLiteral("10"));
    return uit;
}

QString PuntenTekst(const QString& zetelVeld) {
    const int haakje = zetelVeld.indexOf(QLatin1Char('('));
    return haakje < 0 ? QStringLiteral("()") : zetelVeld.mid(haakje);
}

int ReeksCijfer(const QString& reeks, int n) {
    if (n < 1 || n > reeks.size())
        return -1;
    const QChar c = reeks.at(n - 1);
    return c.isDigit() ? c.digitValue() : -1;
}

int GeverOpPlaats(int n) { return ((n - 1) % 4 + 4) % 4; }

QString KwetsbaarKort(const TekstBron& tekst, int code, AllenVorm vorm) {
    switch (code) {
    case 0:
        return QStringLiteral("-");
    case 1:
        return tekst(105);
    case 2:
        return tekst(106);
    case 3: {
        const QString allen = tekst(107);
        switch (vorm) {
        case AllenVorm::Letter:
            return allen.left(1);
        case AllenVorm::TweeLetters:
            return allen.left(2);
        case AllenVorm::Heel:
            return allen;
        }
        return allen;
    }
    default:
        return QString();
    }
}

QString SpelKop(const TekstBron& tekst, int n, int zetel, int gever, const QString& kwetsbaar) {
    return tekst(64) + QLatin1Char(' ') + QString::number(n) + QStringLiteral(" - ") +
           tekst(1 + zetel) + QStringLiteral("   ") + tekst(1 + gever).left(1) + QLatin1Char('/') +
           kwetsbaar;
}

QString GeverRegel(const TekstBron& tekst, int gever) {
    return tekst(5) + QStringLiteral(": ") + tekst(1 + gever);
}

QString KwetsbaarRegel(const TekstBron& tekst, const QString& kwetsbaar) {
    return tekst(6) + QStringLiteral(": ") + kwetsbaar;
}

QString KwetsbaarNaam(const TekstBron& tekst, int code) {
    return code >= 0 && code <= 3 ? tekst(7 + code) : QString();
}

QList<QList<int>> Afbeeldingen(int aantal, int perAfbeelding) {
    QList<QList<int>> afbeeldingen;
    if (perAfbeelding < 1)
        return afbeeldingen;
    for (int n = 1; n <= aantal; ++n) {
        if ((n - 1) % perAfbeelding == 0)
            afbeeldingen.append(QList<int>());
        afbeeldingen.last().append(n);
    }
    return afbeeldingen;
}

bool RodeKleur(int kleur) { return kleur == 1 || kleur == 2; }

}  // namespace afdruk
