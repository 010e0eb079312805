#include "players/GroepWedstrijd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "results/WedstrijdBestanden.h"
#include "results/WedstrijdNaam.h"
#include "saveas/BewaarNaam.h"

namespace groep {

namespace {

using uitslag::WedstrijdBestand;

const WedstrijdBestand kEigen[] = {WedstrijdBestand::Paren, WedstrijdBestand::SpellenAantal,
                                   WedstrijdBestand::Klaar, WedstrijdBestand::Overzicht,
                                   WedstrijdBestand::MailLijst};

QString ResultatenMap() { return platform::programPath(QStringLiteral("resultaten")); }

// The pair number a row label starts with ("07. A - B" gives 7), 0 when none.
int RijNummer(const QString& label) {
    const int punt = static_cast<int>(label.indexOf(QLatin1Char('.')));
    if (punt < 1) return 0;
    bool ok = false;
    const int n = label.left(punt).trimmed().toInt(&ok);
    return ok ? n : 0;
}

QStringList LegeRij(const QString& label, int spellen) {
    QStringList rij{label};
    for (int b = 0; b < spellen; ++b) rij << QString();
    return rij;
}

}  // namespace

bool WedstrijdHeeftUitslagen(const QString& wedstrijd) { return !uitslag::SpellenMetUitslag(wedstrijd).isEmpty(); }

bool LeesWedstrijdParen(const QString& wedstrijd, QVector<Paar>& paren, QString* fout, int* slechteRegel) {
    if (slechteRegel) *slechteRegel = 0;
    const uitslag::LeesUitkomst u = uitslag::LeesParen(wedstrijd, paren);
    if (u.Gelukt() || u.fout == uitslag::LeesFout::Leeg) return true;
    if (fout)
        *fout = u.fout == uitslag::LeesFout::Vreemd ? u.bestand
                : u.reden.isEmpty()                  ? uitslag::LeesMelding(u)
                                                     : u.reden;
    if (slechteRegel && u.fout == uitslag::LeesFout::Vreemd) *slechteRegel = u.regel;
    return false;
}

namespace {

QStringList NamenVan(const QVector<Paar>& paren) {
    QStringList namen;
    for (const Paar& p : paren) namen << p.eerste.naam + QLatin1Char('|') + p.tweede.naam;
    return namen;
}

}  // namespace

bool ParenBehoudenUitslagen(const QString& wedstrijd, const QVector<Paar>& paren) {
    if (!WedstrijdHeeftUitslagen(wedstrijd)) return true;
    // Results whose pairs cannot be read cannot be kept with them.
    QVector<Paar> oud;
    if (!LeesWedstrijdParen(wedstrijd, oud)) return false;
    const QStringList nu = NamenVan(paren);
    return NamenVan(oud) == nu.mid(0, oud.size());
}

bool HerbewarenVeilig(const QString& wedstrijd, uitslag::LeesUitkomst& u) {
    u = {};
    if (!uitslag::WedstrijdBestaat(wedstrijd)) return true;
    int aantal = 0;
    const uitslag::LeesUitkomst spellen = uitslag::LeesSpellenAantal(wedstrijd, aantal);
    std::vector<QStringList> rijen;
    const uitslag::LeesUitkomst overzicht = uitslag::LeesOverzicht(wedstrijd, rijen);
    QString vlaggen;
    const uitslag::LeesUitkomst klaar =
        uitslag::LeesKlaar(wedstrijd, spellen.Gelukt() ? aantal : uitslag::kMaxSpellen, vlaggen);
    // A file that is there but cannot be read may hold results: never
    // replaced by a fresh one.
    for (const uitslag::LeesUitkomst* x : {&spellen, &overzicht, &klaar}) {
        if (x->Kapot()) {
            u = *x;
            return false;
        }
    }
    // Missing ones are made afresh only while nothing holds results.
    const bool uitslagen = WedstrijdHeeftUitslagen(wedstrijd);
    for (const uitslag::LeesUitkomst* x : {&spellen, &overzicht}) {
        if (!x->Gelukt() && uitslagen) {
            u = *x;
            return false;
        }
    }
    return true;
}

QVector<QStringList> OverzichtRijen(const QVector<QStringList>& bestaand, const QVector<Paar>& paren,
                                    int spellen) {
    QVector<QStringList> rijen;
    if (bestaand.isEmpty()) {
        QStringList kop{QString()};
        for (int b = 1; b <= spellen; ++b) kop << QString::number(b);
        rijen << kop;
    } else {
        // The rows keep the width of the existing header.
        rijen << bestaand.first();
        spellen = static_cast<int>(bestaand.first().size()) - 1;
    }
    for (int i = 0; i < paren.size(); ++i) {
        QStringList rij = LegeRij(PaarTekst(i + 1, paren.at(i)), spellen);
        // The results of pair i + 1 stay with that pair number, wherever
        // its row stood.
        for (int r = 1; r < bestaand.size(); ++r) {
            if (RijNummer(bestaand.at(r).value(0)) != i + 1) continue;
            for (int c = 1; c < rij.size() && c < bestaand.at(r).size(); ++c) rij[c] = bestaand.at(r).at(c);
            break;
        }
        rijen << rij;
    }
    rijen << LegeRij(QString(), spellen);
    return rijen;
}

bool BewaarWedstrijd(const QString& wedstrijd, const QVector<Paar>& paren, int spellen, QString* fout) {
    const QString map = uitslag::WedstrijdMapPad(wedstrijd);
    if (map.isEmpty() || uitslag::WedstrijdNaamBotst(wedstrijd) || paren.size() > kMaxParen) {
        if (fout) *fout = wedstrijd;
        return false;
    }
    for (const Paar& p : paren) {
        // The shown pair is the row label of the "~"-separated overview.
        if (!PaarSchrijfbaar(p) || PaarTekst(1, p).contains(QLatin1Char('~'))) {
            if (fout) *fout = PaarTekst(1, p).mid(4);
            return false;
        }
    }
    uitslag::LeesUitkomst onleesbaar;
    if (!HerbewarenVeilig(wedstrijd, onleesbaar)) {
        if (fout) *fout = uitslag::LeesMelding(onleesbaar);
        return false;
    }
    if (!ParenBehoudenUitslagen(wedstrijd, paren)) {
        if (fout) *fout = wedstrijd;
        return false;
    }
    // An existing match keeps its board count, done flags and results.
    const bool mapBestond = uitslag::WedstrijdBestaat(wedstrijd);
    int aantal = 0;
    const bool bestaand = mapBestond && uitslag::LeesSpellenAantal(wedstrijd, aantal).Gelukt();
    if (!bestaand) aantal = spellen;
    if (aantal < 1 || aantal > uitslag::kMaxSpellen) {
        if (fout) *fout = QString::number(aantal);
        return false;
    }
    QString vlaggen(aantal, QLatin1Char('0'));
    QVector<QStringList> oud;
    if (bestaand) {
        QString gelezen;
        if (uitslag::LeesKlaar(wedstrijd, aantal, gelezen).Gelukt()) vlaggen = gelezen;
        std::vector<QStringList> rijen;
        if (uitslag::LeesOverzicht(wedstrijd, rijen).Gelukt())
            oud = QVector<QStringList>(rijen.begin(), rijen.end());
    }
    const QVector<QStringList> nieuw = OverzichtRijen(oud, paren, aantal);
    const QStringList regels = PaarRegels(paren);
    QDir().mkpath(map);
    const bool goed =
        uitslag::SchrijfSpellenAantal(wedstrijd, aantal, fout) && uitslag::SchrijfKlaar(wedstrijd, vlaggen, fout) &&
        uitslag::SchrijfOverzicht(wedstrijd, std::vector<QStringList>(nieuw.begin(), nieuw.end()), fout) &&
        platform::writeTextLines(uitslag::SchrijfPad(WedstrijdBestand::MailLijst, wedstrijd), regels, fout) &&
        uitslag::SchrijfParen(wedstrijd, regels, fout);
    // A new match is all there or not there at all.
    if (!goed && !mapBestond) QDir(map).removeRecursively();
    return goed;
}

QStringList EigenWedstrijdBestanden(const QString& wedstrijd) {
    QStringList namen;
    const QString map = uitslag::WedstrijdMapPad(wedstrijd);
    if (map.isEmpty()) return namen;
    for (WedstrijdBestand soort : kEigen) {
        for (int taal : {10, 11}) {
            const QString naam = uitslag::WedstrijdBestandsnaam(soort, wedstrijd, 0, taal);
            if (!naam.isEmpty() && !namen.contains(naam) && QFileInfo(map + QLatin1Char('/') + naam).isFile())
                namen << naam;
        }
    }
    return namen;
}

namespace {

// True when `map` holds an entry named `naam` in any letter case, other
// than `zelf` (the entry being renamed, which may change its own case).
bool NaamInGebruik(const QString& map, const QString& naam, const QString& zelf) {
    const QDir dir(map);
    for (const QString& e : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (e.compare(naam, Qt::CaseInsensitive) == 0 && e != zelf) return true;
    return false;
}

NaamFout ControleerNaam(QString& nieuw, const QString& weigerTekst, const QString& map, const QString& doelNaam,
                        const QString& zelf, QString* fout) {
    nieuw = nieuw.trimmed();
    if (!bewaarnaam::NaamToegestaan(nieuw, weigerTekst) || !platform::isPlainFileName(nieuw))
        return NaamFout::Ongeldig;
    if (NaamInGebruik(map, doelNaam, zelf)) {
        if (fout) *fout = nieuw;
        return NaamFout::Bestaat;
    }
    return NaamFout::Geen;
}

// The extension of a file name from its last "." on (".TXT"), "" without.
QString Extensie(const QString& bestand) {
    const int punt = static_cast<int>(bestand.lastIndexOf(QLatin1Char('.')));
    return punt > 0 ? bestand.mid(punt) : QString();
}

}  // namespace

NaamFout HernoemBestand(const QString& map, const QString& oudBestand, QString& nieuw, const QString& weigerTekst,
                        QString* fout) {
    const QString doelNaam = nieuw.trimmed() + Extensie(oudBestand);
    const NaamFout f = ControleerNaam(nieuw, weigerTekst, map, doelNaam, oudBestand, fout);
    if (f != NaamFout::Geen) return f;
    QFile bestand(map + QLatin1Char('/') + oudBestand);
    if (!bestand.rename(map + QLatin1Char('/') + nieuw + Extensie(oudBestand))) {
        if (fout) *fout = bestand.errorString();
        return NaamFout::Mislukt;
    }
    return NaamFout::Geen;
}

NaamFout HernoemWedstrijd(const QString& oud, QString& nieuw, const QString& weigerTekst, QString* fout) {
    const QString oudeMap = uitslag::WedstrijdMapPad(oud);
    const QString doel = ResultatenMap() + QLatin1Char('/') + nieuw.trimmed();
    const NaamFout f = ControleerNaam(nieuw, weigerTekst, ResultatenMap(), nieuw.trimmed(),
                                      QFileInfo(oudeMap).fileName(), fout);
    if (f != NaamFout::Geen) return f;
    switch (uitslag::ToetsWedstrijdNaam(nieuw)) {
    case uitslag::WedstrijdNaamFout::Geen: break;
    case uitslag::WedstrijdNaamFout::Ongeldig: return NaamFout::Ongeldig;
    case uitslag::WedstrijdNaamFout::Tekens: return NaamFout::Tekens;
    case uitslag::WedstrijdNaamFout::TeLang: return NaamFout::TeLang;
    case uitslag::WedstrijdNaamFout::BordNaam: return NaamFout::BordNaam;
    }
    if (oudeMap.isEmpty() || !QFileInfo(oudeMap).isDir() || QFileInfo(oudeMap).isSymLink()) {
        if (fout) *fout = oud;
        return NaamFout::Mislukt;
    }
    // Every new name is made first: a match is renamed whole or not at all.
    QList<QPair<QString, QString>> namen;
    for (WedstrijdBestand soort : kEigen) {
        for (int taal : {10, 11}) {
            const QString van = uitslag::WedstrijdBestandsnaam(soort, oud, 0, taal);
            if (van.isEmpty() || !QFileInfo(oudeMap + QLatin1Char('/') + van).isFile()) continue;
            const QString naar = uitslag::WedstrijdBestandsnaam(soort, nieuw, 0, taal);
            if (naar.isEmpty()) {
                if (fout) *fout = van;
                return NaamFout::TeLang;
            }
            if (van != naar && !namen.contains(qMakePair(van, naar))) namen << qMakePair(van, naar);
        }
    }
    // The match's own files first, inside the old folder, so that a failure
    // can be undone; the board files are never looked at.
    QList<QPair<QString, QString>> gedaan;
    auto terugdraaien = [&] {
        for (const auto& [van, naar] : gedaan) QFile::rename(naar, van);
    };
    for (const auto& [van, naar] : namen) {
        const QString vanPad = oudeMap + QLatin1Char('/') + van;
        const QString naarPad = oudeMap + QLatin1Char('/') + naar;
        QFile bestand(vanPad);
        if (QFileInfo::exists(naarPad) || !bestand.rename(naarPad)) {
            if (fout) *fout = van + QStringLiteral(": ") + bestand.errorString();
            terugdraaien();
            return NaamFout::Mislukt;
        }
        gedaan << qMakePair(vanPad, naarPad);
    }
    if (!QDir().rename(oudeMap, doel)) {
        if (fout) *fout = oud;
        terugdraaien();
        return NaamFout::Mislukt;
    }
    return NaamFout::Geen;
}

bool WisWedstrijd(const QString& wedstrijd, QString* fout) {
    const QString map = uitslag::WedstrijdMapPad(wedstrijd);
    const QFileInfo info(map);
    const QString ouder = QFileInfo(ResultatenMap()).canonicalFilePath();
    if (map.isEmpty() || info.isSymLink() || !info.isDir() || ouder.isEmpty() ||
        QFileInfo(info.canonicalFilePath()).absolutePath() != ouder) {
        if (fout) *fout = wedstrijd;
        return false;
    }
    if (!QDir(map).removeRecursively()) {
        if (fout) *fout = wedstrijd;
        return false;
    }
    return true;
}

}  // namespace groep
