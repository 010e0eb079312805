#include "players/NamenRegels.h"

#include "platform/TextFile.h"
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

// The characters of `tekst` the code page lacks, each once, with a blank
// between them.
QString OnbewaarbareTekens(const QString& tekst) {
    QStringList los;
    for (const uint cp : platform::charsOutsideCp1252(tekst).toUcs4())
        los << QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
    return los.join(QLatin1Char(' '));
}

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
    if (const QString tekens = OnbewaarbareTekens(tekst); !tekens.isEmpty())
        return MetRegels(TaalTekst(349)).replace(QLatin1Char('~'), tekens);
    if (tekst.contains(QLatin1Char('|')))
        return TaalTekst(85).section(QLatin1Char('|'), 1, 1) + QStringLiteral("\n\n|");
    if (isNaam && !NaamBruikbaarInPaar(tekst))
        return TaalTekst(310);
    return QString();
}

QList<std::pair<int, int>> BezwaarDelen(const QString& tekst, bool isNaam) {
    QList<std::pair<int, int>> delen;
    for (int i = 0; i < tekst.size();) {
        const int lengte = tekst.at(i).isHighSurrogate() && i + 1 < tekst.size() ? 2 : 1;
        const QString teken = tekst.mid(i, lengte);
        if (isNaam && tekst.mid(i, 3) == QStringLiteral(" - ")) {
            delen.append({i, 3});
            i += 3;
            continue;
        }
        if (teken == QStringLiteral("|") || (isNaam && teken == QStringLiteral("~")) ||
            !platform::charsOutsideCp1252(teken).isEmpty())
            delen.append({i, lengte});
        i += lengte;
    }
    return delen;
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

AbsImport LeesAbsImport(const QStringList& regels) {
    AbsImport uit;
    for (const QString& regel : regels) {
        if (regel.trimmed().isEmpty())
            continue;
        const QStringList velden = regel.split(QLatin1Char('|'));
        const QString zoals = (Veld(velden, 2).trimmed() + QLatin1Char(' ') + Veld(velden, 3).trimmed()).trimmed();
        const QString naam = SchoonInvoer(zoals).trimmed();
        if (naam.isEmpty())
            continue;
        if (const QString tekens = OnbewaarbareTekens(naam); !tekens.isEmpty()) {
            uit.tekensNiet << naam + QStringLiteral(" (") + tekens + QLatin1Char(')');
            continue;
        }
        if (!NaamBruikbaarInPaar(naam)) {
            uit.paarNiet << naam;
            continue;
        }
        if (naam != zoals)
            uit.opgeschoond << naam;
        // An address is taken as it stands or not at all: a tidied one
        // could be someone else's.
        QString adres = Veld(velden, 5).trimmed();
        if (!adres.isEmpty() && (!AdresGoed(adres) || !platform::charsOutsideCp1252(adres).isEmpty())) {
            QString getoond = adres;  // as it stood, control characters shown as "?"
            for (QChar& c : getoond)
                if (c.category() == QChar::Other_Control) c = QLatin1Char('?');
            uit.zonderAdres << naam + QStringLiteral(" (") + getoond + QLatin1Char(')');
            adres.clear();
        }
        uit.spelers.append({QString(), naam, adres});
    }
    return uit;
}

QString AbsImportVerslag(const AbsImport& import, const QString& bestand, int perSoort) {
    const std::pair<int, const QStringList*> soorten[] = {
        {351, &import.paarNiet}, {352, &import.tekensNiet}, {353, &import.zonderAdres}, {354, &import.opgeschoond}};
    QString lijst;
    for (const auto& [tekst, namen] : soorten) {
        if (namen->isEmpty())
            continue;
        lijst += QStringLiteral("\n\n") + TaalTekst(tekst);
        for (int i = 0; i < namen->size() && i < perSoort; ++i)
            lijst += QStringLiteral("\n    ") + namen->at(i);
        if (namen->size() > perSoort)
            lijst += QStringLiteral("\n    ") + TaalTekst(355).replace(QLatin1Char('~'), QString::number(namen->size() - perSoort));
    }
    if (lijst.isEmpty())
        return QString();
    return VulIn(TaalTekst(350), bestand, QString::number(import.spelers.size())) + lijst;
}
