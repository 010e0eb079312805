#include "players/WindMail.h"

#include "shared/EmailAdres.h"

namespace {

bool SplitsHelft(const QString& helft, WindSpeler& speler) {
    const int streep = helft.indexOf(QLatin1Char('|'));
    if (streep < 0) return false;
    speler.naam = helft.left(streep).trimmed();
    speler.adres = helft.mid(streep + 1).trimmed();
    return !speler.naam.isEmpty();
}

}  // namespace

bool SplitsPaarRegel(const QString& regel, QString& nummer, WindSpeler& eerste, WindSpeler& tweede) {
    const QString r = regel.trimmed();
    const int punt = r.indexOf(QLatin1String(". "));
    if (punt <= 0) return false;
    nummer = r.left(punt + 1).trimmed();
    const QString rest = r.mid(punt + 2);
    // The first half ends at the first " - " after its "|": an address
    // holds no blank, so a name may hold " - " without confusing the split.
    const int streep = rest.indexOf(QLatin1Char('|'));
    if (streep < 0) return false;
    const int scheiding = rest.indexOf(QLatin1String(" - "), streep);
    if (scheiding < 0) return false;
    return SplitsHelft(rest.left(scheiding), eerste) && SplitsHelft(rest.mid(scheiding + 3), tweede);
}

WindIndeling DeelGroepIn(const QStringList& regels) {
    WindIndeling uit;
    int plaats = 0;
    for (const QString& regel : regels) {
        QString nummer;
        WindSpeler a, b;
        if (!SplitsPaarRegel(regel, nummer, a, b)) {
            ++uit.overgeslagen;
            continue;
        }
        ++plaats;
        bool ok = false;
        const int paar = QString(nummer).remove(QLatin1Char('.')).toInt(&ok);
        const bool noordZuid = ok && paar > 0 ? paar % 2 == 1 : plaats % 2 == 1;
        uit.wind[noordZuid ? 0 : 1].append(a);
        uit.wind[noordZuid ? 2 : 3].append(b);
        uit.paren << nummer + QLatin1Char(' ') + a.naam + QLatin1String(" - ") + b.naam;
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
    return pdfPad + QLatin1Char(';') + scorekaart + QLatin1Char(';');
}

QString EenRegel(const QString& tekst) {
    QString uit = tekst;
    uit.replace(QLatin1String("\r\n"), QLatin1String(" "));
    uit.replace(QLatin1Char('\r'), QLatin1Char(' '));
    uit.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return uit.trimmed();
}
