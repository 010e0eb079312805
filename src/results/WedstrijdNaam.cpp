#include "results/WedstrijdNaam.h"

#include "platform/TextFile.h"
#include "results/WedstrijdBestanden.h"
#include "saveas/BewaarNaam.h"
#include "shared/Bestanden.h"
#include "shared/Tekst.h"

namespace uitslag {

WedstrijdNaamFout ToetsWedstrijdNaam(const QString& naam) {
    if (!EigenNaamGeldig(naam)) return WedstrijdNaamFout::Ongeldig;
    if (!platform::charsOutsideCp1252(naam).isEmpty()) return WedstrijdNaamFout::Tekens;
    if (!WedstrijdNaamPast(naam)) return WedstrijdNaamFout::TeLang;
    if (WedstrijdNaamBotst(naam)) return WedstrijdNaamFout::BordNaam;
    return WedstrijdNaamFout::Geen;
}

QString WedstrijdNaamMelding(WedstrijdNaamFout fout, const QString& naam) {
    switch (fout) {
    case WedstrijdNaamFout::Geen: return QString();
    case WedstrijdNaamFout::Ongeldig: return bewaarnaam::WeigerMelding(TaalTekst(85));
    case WedstrijdNaamFout::Tekens: return OpslaanBezwaar(naam);
    case WedstrijdNaamFout::TeLang: return MetRegels(TaalTekst(250));
    case WedstrijdNaamFout::BordNaam: return TaalTekst(315).replace(QLatin1Char('~'), naam);
    }
    return QString();
}

}  // namespace uitslag
