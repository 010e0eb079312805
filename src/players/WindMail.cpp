#include "players/WindMail.h"

#include <QRegularExpression>

#include "shared/EmailAdres.h"

WindIndeling DeelGroepIn(const QStringList& regels) {
    static const QRegularExpression nummerVooraan(QStringLiteral("^\\s*(\\d{1,3})\\."));
    WindIndeling uit;
    int plaats = 0;
    for (const QString& regel : regels) {
        groep::Paar paar;
        if (!groep::LeesPaarRegel(regel, paar) || paar.eerste.naam.isEmpty() || paar.tweede.naam.isEmpty()) {
            ++uit.overgeslagen;
            continue;
        }
        ++plaats;
        const QRegularExpressionMatch m = nummerVooraan.match(regel);
        const int nummer = m.hasMatch() ? m.captured(1).toInt() : 0;
        const bool noordZuid = groep::SpeeltNoordZuid(nummer > 0 ? nummer : plaats);
        uit.wind[noordZuid ? 0 : 1].append(paar.eerste);
        uit.wind[noordZuid ? 2 : 3].append(paar.tweede);
        uit.paren << groep::PaarTekst(nummer > 0 ? nummer : plaats, paar);
    }
    return uit;
}

bool IsGeenMailAdres(const QString& adres) { return adres.toLower().contains(QLatin1String("no_replay")); }

AdresSoort SoortAdres(const QString& adres) {
    if (IsGeenMailAdres(adres)) return AdresSoort::GeenMail;
    return EmailAdresGeldig(adres.trimmed()) ? AdresSoort::Versturen : AdresSoort::Ongeldig;
}

QStringList WindAdreslijst(const WindIndeling& indeling, const QString seatNamen[kWinden],
                           const QString pdfPaden[kWinden], int& geenMail, QStringList& ongeldig) {
    QStringList regels;
    geenMail = 0;
    for (int w : kLijstVolgorde) {
        QStringList adressen;
        for (const WindSpeler& s : indeling.wind[w]) {
            switch (SoortAdres(s.adres)) {
            case AdresSoort::Versturen: adressen << s.adres.trimmed(); break;
            case AdresSoort::GeenMail: ++geenMail; break;
            case AdresSoort::Ongeldig: ongeldig << s.naam; break;
            }
        }
        regels << QLatin1String("===== ") + seatNamen[w].toUpper() + QLatin1String(" =====")
               << adressen.join(QLatin1String("; ")) << QString()
               << QLatin1String("+++++ ") + pdfPaden[w] + QLatin1String(" +++++") << QString() << QString();
    }
    return regels;
}

QString WindBijlagen(const QString& pdfPad, const QString& scorekaart) {
    QString uit = pdfPad + QLatin1Char(';');
    if (!scorekaart.isEmpty()) uit += scorekaart + QLatin1Char(';');
    return uit;
}

QString EenRegel(const QString& tekst) {
    QString uit = tekst;
    uit.replace(QLatin1String("\r\n"), QLatin1String(" "));
    uit.replace(QLatin1Char('\r'), QLatin1Char(' '));
    uit.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return uit.trimmed();
}
