#include "deal/SpelBestand.h"

#include <algorithm>

#include "deal/SpelRecord.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "shared/Bestanden.h"
#include "shared/Tekst.h"

namespace spel {

QStringList SpelSet::Regels() const {
    QStringList regels;
    regels.reserve(records.size() + 1);
    regels << kop;
    regels += records;
    return regels;
}

SpelSetUitkomst ControleerSpelSet(const QStringList& regels) {
    SpelSetUitkomst u;
    int laatste = static_cast<int>(regels.size()) - 1;
    while (laatste >= 0 && regels.at(laatste).trimmed().isEmpty()) --laatste;
    if (laatste < 0) {
        u.fout = SpelSetFout::Leeg;
        return u;
    }
    if (KopVeldenVan(regels.at(0)).size() != KopVelden) {
        u.fout = SpelSetFout::KopVelden;
        u.regel = 1;
        return u;
    }
    if (laatste == 0) {
        u.fout = SpelSetFout::GeenSpellen;
        return u;
    }
    if (laatste > MaximaalSpellen) {
        u.fout = SpelSetFout::TeVeelSpellen;
        return u;
    }
    for (int i = 1; i <= laatste; ++i) {
        if (regels.at(i).count(QLatin1Char('~')) != RecordVelden - 1) {
            u.fout = SpelSetFout::RecordVelden;
            u.regel = i + 1;
            return u;
        }
    }
    u.set.kop = regels.at(0);
    u.set.records = regels.mid(1, laatste);
    return u;
}

QString SpelSetPad(const QString& naam) {
    if (!EigenNaamGeldig(naam))
        return QString();
    const QString bestand = naam + QStringLiteral(".txt");
    return platform::programPath(QStringLiteral("spellen/") + bestand);
}

SpelSetUitkomst LeesSpelSet(const QString& pad) {
    SpelSetUitkomst u;
    QByteArray inhoud;
    switch (platform::readFileBytes(pad, inhoud, kSpelSetMax)) {
    case platform::FileFault::None:
        return ControleerSpelSet(platform::splitLines(platform::decodeText(inhoud)));
    case platform::FileFault::Missing:
        u.fout = SpelSetFout::Ontbreekt;
        return u;
    case platform::FileFault::TooLarge:
        u.fout = SpelSetFout::TeGroot;
        return u;
    default:
        u.fout = SpelSetFout::Onleesbaar;
        return u;
    }
}

bool SchrijfSpelSet(const QString& pad, const QStringList& regels, QString* fout) {
    return platform::writeTextLines(pad, regels, fout);
}

QString SpelSetMelding(const SpelSetUitkomst& uitkomst, const QString& naam, int taalNummer) {
    const int taal = (taalNummer == 11 ? 11 : 10) * 1000;
    int nummer = 0;
    switch (uitkomst.fout) {
    case SpelSetFout::Geen: return QString();
    case SpelSetFout::Ontbreekt: nummer = 15; break;
    case SpelSetFout::Onleesbaar: nummer = 79; break;
    case SpelSetFout::Leeg: nummer = 80; break;
    case SpelSetFout::KopVelden: nummer = 81; break;
    case SpelSetFout::GeenSpellen: nummer = 83; break;
    case SpelSetFout::TeVeelSpellen: nummer = 84; break;
    case SpelSetFout::RecordVelden: nummer = 86; break;
    case SpelSetFout::TeGroot: nummer = 237; break;
    }
    QString tekst = TaalTekst(taal + nummer) + QStringLiteral("\n\n") + TaalTekst(taal + 87);
    tekst.replace(QLatin1Char('#'), QString::number(uitkomst.regel));
    tekst.replace(QLatin1Char('~'), naam + QStringLiteral(".txt"));
    return tekst;
}

QString WisMelding(WisFout fout, const QString& naam, int taalNummer) {
    const int taal = (taalNummer == 11 ? 11 : 10) * 1000;
    QString tekst = TaalTekst(taal + (fout == WisFout::GeenKeuze ? 88 : 90));
    tekst.replace(QLatin1Char('~'), naam + QStringLiteral(".txt"));
    return tekst;
}

QStringList SpelSetNamen(const QStringList& bestandsnamen, bool omgekeerd) {
    QStringList namen;
    for (const QString& b : bestandsnamen) {
        if (b.size() > 4 && b.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
            namen << b.left(b.size() - 4);
    }
    std::stable_sort(namen.begin(), namen.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    if (omgekeerd) std::reverse(namen.begin(), namen.end());
    return namen;
}

}  // namespace spel
