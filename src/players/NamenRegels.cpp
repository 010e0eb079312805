#include "players/NamenRegels.h"

#include "shared/EmailAdres.h"
#include "shared/Tekst.h"

namespace {

// Drops the second character of every doubled `dubbel` ("..", "  ", "@@").
void EnkelVan(QString& tekst, QChar dubbel) {
    const QString paar(2, dubbel);
    for (int i = int(tekst.indexOf(paar)); i >= 0; i = int(tekst.indexOf(paar, i)))
        tekst.remove(i + 1, 1);
}

QString Veld(const QStringList& velden, int i) { return i < velden.size() ? velden[i] : QString(); }

}  // namespace

QString SchoonInvoer(const QString& tekst) {
    QString uit;
    uit.reserve(tekst.size());
    for (const QChar c : tekst) {
        if (c.category() == QChar::Other_Control || c == QChar(0x2028) || c == QChar(0x2029))
            continue;
        uit += c;
    }
    EnkelVan(uit, QLatin1Char('.'));
    EnkelVan(uit, QLatin1Char(' '));
    EnkelVan(uit, QLatin1Char('@'));
    return uit;
}

bool NaamBruikbaarInPaar(const QString& naam) {
    return !naam.contains(QStringLiteral(" - ")) && !naam.contains(QLatin1Char('~')) &&
           !naam.contains(QLatin1Char('|'));
}

QString InvoerBezwaar(const QString& tekst, bool isNaam) {
    const QString codepagina = OpslaanBezwaar(tekst);
    if (!codepagina.isEmpty())
        return codepagina;
    if (tekst.contains(QLatin1Char('|')))
        return TaalTekst(85).section(QLatin1Char('|'), 1, 1) + QStringLiteral("\n\n|");
    if (isNaam && !NaamBruikbaarInPaar(tekst))
        return TaalTekst(310);
    return QString();
}

bool AdresGoed(const QString& adres) { return EmailAdresGeldig(adres.trimmed()); }

bool NaamVoor(const QString& a, const QString& b) {
    if (a.isEmpty() != b.isEmpty())
        return !a.isEmpty();
    return a.compare(b, Qt::CaseSensitive) < 0;
}

QVector<NaamRegel> LeesNamenRegels(const QStringList& regels) {
    QVector<NaamRegel> uit;
    uit.reserve(regels.size());
    for (const QString& regel : regels) {
        const QStringList velden = regel.split(QLatin1Char('|'));
        uit.append({Veld(velden, 0), Veld(velden, 1), Veld(velden, 2)});
    }
    while (!uit.isEmpty() && uit.last().naam.trimmed().isEmpty())
        uit.removeLast();
    return uit;
}

QString NamenBestandRegel(const NaamRegel& r) {
    return r.nummer + QLatin1Char('|') + r.naam + QLatin1Char('|') + r.adres;
}

bool LeesAbsRegel(const QString& regel, NaamRegel& uit) {
    if (regel.trimmed().isEmpty())
        return false;
    const QStringList velden = regel.split(QLatin1Char('|'));
    const QString voor = Veld(velden, 2).trimmed();
    const QString achter = Veld(velden, 3).trimmed();
    const QString naam = SchoonInvoer((voor + QLatin1Char(' ') + achter).trimmed()).trimmed();
    if (naam.isEmpty())
        return false;
    const QString adres = SchoonInvoer(Veld(velden, 5)).trimmed();
    uit = {QString(), naam, AdresGoed(adres) ? adres : QString()};
    return true;
}

QVector<NaamRegel> LeesAbsRegels(const QStringList& regels) {
    QVector<NaamRegel> uit;
    NaamRegel r;
    for (const QString& regel : regels)
        if (LeesAbsRegel(regel, r))
            uit.append(r);
    return uit;
}
