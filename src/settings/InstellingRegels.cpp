#include "settings/InstellingRegels.h"

#include "platform/Control.h"

#include "shared/EmailAdres.h"
#include "shared/Ini.h"
#include "shared/Tekst.h"

namespace instelling {

namespace {

// "toepassen" / "apply": the last word of every opening-type caption, in
// the language of text id base `basis` (10000 or 11000).
QString ToepassenWoord(int basis) { return platform::StripAccessKeys(TaalTekst(basis + 16)).toLower(); }

}  // namespace

QString PaginaBijschrift(int pagina) {
    if (pagina == 0) return TaalTekst(64);
    return platform::StripAccessKeys(TaalTekst(16 + pagina));
}

QString KeuzeBijschrift(int pagina) {
    if (pagina == 0) return QLatin1Char('&') + TaalTekst(64);
    const QString kop = TaalTekst(16 + pagina);
    // Three English page names carry no access key: "6 card with 11
    // points", "Weak 2", "Muiderbergse 2" get the P, W and D.
    static const char* const vrij[AantalPaginas] = {"", "", "p", "w", "d", ""};
    if (pagina < AantalPaginas && !kop.contains(QLatin1Char('&')))
        return platform::WithAccessKey(kop, QString::fromLatin1(vrij[pagina]));
    // The Multy page's own key is its opening type's box: the page takes
    // the Y of "Multy" (Dutch) or the I of "diamond".
    if (pagina == 5)
        return platform::WithAccessKey(kop, TaalNummer == 11 ? QStringLiteral("dia") : QStringLiteral("y"),
                                       TaalNummer == 11 ? 1 : 0);
    return kop;
}

QString ToepassenBijschrift() { return platform::WithAccessKey(TaalTekst(16), QLatin1Char('e')); }

QString OpeningBijschrift(int i) { return OpeningBijschrift(i, TaalNummer); }

QString OpeningBijschrift(int i, int taal) {
    const int basis = (taal == 11 ? 11 : 10) * 1000;
    QString kop;
    switch (i) {
        case 0:
            kop = TaalTekst(basis + 17).replace(QStringLiteral("20"), QStringLiteral("&20"));
            break;
        case 1:
            kop = QLatin1Char('&') + platform::StripAccessKeys(TaalTekst(basis + 18));
            break;
        case 2:
            kop = platform::StripAccessKeys(TaalTekst(basis + 19)).replace(QStringLiteral("kk"), QStringLiteral("&kk"));
            break;
        case 3:
            kop = QLatin1Char('&') + platform::StripAccessKeys(TaalTekst(basis + 20));
            break;
        case 4:
            kop = TaalTekst(basis + 21);
            break;
        default:
            return QString();
    }
    return kop + QLatin1Char(' ') + ToepassenWoord(basis);
}

QString OpeningKop(int i) {
    const QString sleutel = OpeningBijschrift(i);
    // The rule of 20 on the 2 of "20" alone (its text holds the R of the
    // page button); the English "Weak 2" on its E.
    if (i == 0) return platform::StripAccessKeys(sleutel.section(QStringLiteral("&20"), 0, 0)) + QStringLiteral("&20") +
                       platform::StripAccessKeys(sleutel.section(QStringLiteral("&20"), 1));
    if (i == 2 && !sleutel.contains(QLatin1Char('&'))) return platform::WithAccessKey(sleutel, QLatin1Char('e'));
    return sleutel;
}

QString PuntenRijBijschrift(int rij) {
    const QString grens = TaalTekst(rij % 2 == 0 ? 27 : 28);
    const QString kwetsbaar = TaalTekst(6).toLower();
    if (rij < 2) return grens + QLatin1Char(' ') + TaalTekst(66) + QLatin1Char(' ') + kwetsbaar + QStringLiteral(": ");
    return grens + QLatin1Char(' ') + kwetsbaar + QStringLiteral(": ");
}

QString HonneursBijschrift() { return TaalTekst(65) + QStringLiteral(": "); }

int VinkUitIni(const QString& opgeslagen, int zonderSleutel) {
    if (opgeslagen.trimmed().isEmpty()) return zonderSleutel;
    if (!IsGetal(opgeslagen)) return 0;
    const int waarde = ValInteger(opgeslagen);
    if (waarde >= 0 && waarde <= 2) return waarde;
    return 1;
}

int ProviderUitIni(const QString& opgeslagen) {
    return IsGetal(opgeslagen) && Val(opgeslagen) == 1.0 ? 1 : 0;
}

AdresFout AdresTikFout(const QString& tekst) {
    if (tekst.count(QLatin1Char('@')) > 1) return AdresFout::TweeApenstaarten;
    if (tekst.contains(QStringLiteral(".."))) return AdresFout::DubbelePunt;
    return AdresFout::Geen;
}

bool AdresBewaarbaar(const QString& tekst) {
    const QString adres = tekst.trimmed();
    return adres.isEmpty() || EmailAdresGeldig(adres);
}

}  // namespace instelling
