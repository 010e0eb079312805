#include "settings/OpeningKeuze.h"

#include <QStringList>

#include "settings/InstellingRegels.h"
#include "shared/Ini.h"
#include "shared/Instellingen.h"
#include "shared/Tekst.h"

namespace spel {

namespace {

// The value stored for apply box i in language taal; "" when absent.
QString Opgeslagen(const QString& iniBestand, int i, int taal) {
    LeesIni(QStringLiteral("Toegestaan"), instelling::OpeningBijschrift(i, taal), iniBestand);
    return IniWaarde.trimmed();
}

// 10000000 as "10.000.000" in Dutch and "10,000,000" in English.
QString MetScheiding(long long n) {
    QString s = QString::number(n);
    const QChar teken = TaalNummer == 11 ? QLatin1Char(',') : QLatin1Char('.');
    for (int i = s.size() - 3; i > 0; i -= 3) s.insert(i, teken);
    return s;
}

}  // namespace

unsigned LeesToegestaneSoorten(const QString& iniBestand, int taal) {
    const int eigen = taal == 11 ? 11 : 10;
    const int andere = eigen == 11 ? 10 : 11;
    unsigned soorten = 0;
    for (int i = 0; i < AantalOpeningSoorten; ++i) {
        QString waarde = Opgeslagen(iniBestand, i, eigen);
        if (waarde.isEmpty()) waarde = Opgeslagen(iniBestand, i, andere);
        if (instelling::VinkUitIni(waarde, 0) == 1) soorten |= 1u << i;
    }
    return soorten;
}

OpeningGrenzen OpeningGrenzenUitInstellingen() {
    OpeningGrenzen g;
    g.zesKaartHonneurs = ZesKaartHonneurs;
    g.nietKwetsbaarMin = NietKwetsbaarMin;
    g.nietKwetsbaarMax = NietKwetsbaarMax;
    g.kwetsbaarMin = KwetsbaarMin;
    g.kwetsbaarMax = KwetsbaarMax;
    g.aantalHonneurs = AantalHonneurs;
    g.laatsteHand = LaatsteHand;
    g.muiderbergNKMin = MuiderbergNKMin;
    g.muiderbergNKMax = MuiderbergNKMax;
    g.muiderbergWKMin = MuiderbergWKMin;
    g.muiderbergWKMax = MuiderbergWKMax;
    g.muiderbergLaatsteHand = MuiderbergLaatsteHand;
    g.multyNKMin = Multy2RuitenNKMin;
    g.multyNKMax = Multy2RuitenNKMax;
    g.multyWKMin = Multy2RuitenWKMin;
    g.multyWKMax = Multy2RuitenWKMax;
    g.multyHonneurs = Multy2RuitenHonneurs;
    g.multyLaatsteHand = Multy2RuitenLaatsteHand;
    return g;
}

QString GeenSpelMelding(int spelnummer, long long pogingen, int gedeeld, const SpelEisen& eisen,
                        const Knelpunten& k) {
    QStringList regels;
    regels << TaalTekst(227).replace(QLatin1Char('#'), MetScheiding(pogingen))
                  .replace(QLatin1Char('~'), QString::number(spelnummer));
    regels << (gedeeld > 0 ? TaalTekst(228).replace(QLatin1Char('~'), QString::number(gedeeld)) : TaalTekst(229));
    regels << QString() << TaalTekst(230);

    const bool venster = eisen.venster.toepassen;
    const QString vensterAdvies = TaalTekst(231)
                                      .replace(QLatin1Char('~'), QString::number(eisen.venster.min))
                                      .replace(QLatin1Char('#'), QString::number(eisen.venster.max));
    auto soortAdvies = [](int s) {
        return TaalTekst(232).replace(QLatin1Char('~'), instelling::PaginaBijschrift(s + 1));
    };
    // A type that no hand met at all, or a point window that was never met,
    // is the setting to widen; when each is met alone but never together,
    // any of them is.
    QStringList advies;
    if (venster && k.venster == 0) advies << vensterAdvies;
    for (int s = 0; s < AantalOpeningSoorten; ++s)
        if ((eisen.soorten & (1u << s)) && k.soort[s] == 0) advies << soortAdvies(s);
    if (advies.isEmpty()) {
        if (venster) advies << vensterAdvies;
        for (int s = 0; s < AantalOpeningSoorten; ++s)
            if (eisen.soorten & (1u << s)) advies << soortAdvies(s);
    }
    regels << advies;
    return regels.join(QLatin1Char('\n'));
}

}  // namespace spel
