#include "players/GroepWedstrijd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "main/BewaarNaam.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "results/WedstrijdBestanden.h"

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

bool WedstrijdBestaat(const QString& wedstrijd) {
    const QString map = uitslag::WedstrijdMapPad(wedstrijd);
    return !map.isEmpty() && QFileInfo(map).isDir();
}

bool WedstrijdHeeftUitslagen(const QString& wedstrijd) {
    if (!WedstrijdBestaat(wedstrijd)) return false;
    QString vlaggen;
    if (uitslag::LeesKlaar(wedstrijd, uitslag::kMaxSpellen, vlaggen).Gelukt() &&
        vlaggen.contains(QLatin1Char('1')))
        return true;
    std::vector<QStringList> rijen;
    if (uitslag::LeesOverzicht(wedstrijd, rijen).Gelukt()) {
        for (size_t r = 1; r < rijen.size(); ++r)
            for (int c = 1; c < rijen[r].size(); ++c)
                if (!rijen[r].at(c).trimmed().isEmpty()) return true;
    }
    for (int bord = 1; bord <= uitslag::kMaxSpellen; ++bord)
        if (QFileInfo::exists(uitslag::LeesPad(WedstrijdBestand::SpelUitslag, wedstrijd, bord)))
            return true;
    return false;
}

bool ParenGewijzigd(const QString& wedstrijd, const QVector<Paar>& paren) {
    QStringList regels;
    const QString pad = uitslag::LeesPad(WedstrijdBestand::Paren, wedstrijd);
    if (pad.isEmpty() || !platform::readTextLines(pad, regels, nullptr, 64 * 1024))
        return !paren.isEmpty();
    QVector<Paar> oud;
    for (const QString& r : regels) {
        Paar p;
        if (LeesPaarRegel(r, p)) oud << p;
    }
    return oud != paren;
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
    if (map.isEmpty() || paren.size() > kMaxParen) {
        if (fout) *fout = wedstrijd;
        return false;
    }
    for (const Paar& p : paren) {
        if (!PaarSchrijfbaar(p)) {
            if (fout) *fout = PaarTekst(1, p).mid(4);
            return false;
        }
    }
    // An existing match keeps its board count, done flags and results.
    int aantal = 0;
    const bool bestaand = WedstrijdBestaat(wedstrijd) &&
                          uitslag::LeesSpellenAantal(wedstrijd, aantal).Gelukt();
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
    return uitslag::SchrijfSpellenAantal(wedstrijd, aantal, fout) &&
           uitslag::SchrijfKlaar(wedstrijd, vlaggen, fout) &&
           uitslag::SchrijfOverzicht(wedstrijd, std::vector<QStringList>(nieuw.begin(), nieuw.end()), fout) &&
           platform::writeTextLines(uitslag::SchrijfPad(WedstrijdBestand::MailLijst, wedstrijd), regels, fout) &&
           uitslag::SchrijfParen(wedstrijd, regels, fout);
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

NaamFout ControleerNaam(QString& nieuw, const QString& weigerTekst, const QString& doel, QString* fout) {
    nieuw = nieuw.trimmed();
    if (!bewaarnaam::NaamToegestaan(nieuw, weigerTekst) || !platform::isPlainFileName(nieuw))
        return NaamFout::Ongeldig;
    if (QFileInfo::exists(doel) || QFileInfo(doel).isSymLink()) {
        if (fout) *fout = nieuw;
        return NaamFout::Bestaat;
    }
    return NaamFout::Geen;
}

}  // namespace

NaamFout HernoemBestand(const QString& map, const QString& oud, QString& nieuw, const QString& extensie,
                        const QString& weigerTekst, QString* fout) {
    const QString doel = map + QLatin1Char('/') + nieuw.trimmed() + extensie;
    const NaamFout f = ControleerNaam(nieuw, weigerTekst, doel, fout);
    if (f != NaamFout::Geen) return f;
    QFile bestand(map + QLatin1Char('/') + oud + extensie);
    if (!bestand.rename(doel)) {
        if (fout) *fout = bestand.errorString();
        return NaamFout::Mislukt;
    }
    return NaamFout::Geen;
}

NaamFout HernoemWedstrijd(const QString& oud, QString& nieuw, const QString& weigerTekst, QString* fout) {
    const QString oudeMap = uitslag::WedstrijdMapPad(oud);
    const QString doel = ResultatenMap() + QLatin1Char('/') + nieuw.trimmed();
    const NaamFout f = ControleerNaam(nieuw, weigerTekst, doel, fout);
    if (f != NaamFout::Geen) return f;
    if (oudeMap.isEmpty() || !QFileInfo(oudeMap).isDir() || QFileInfo(oudeMap).isSymLink()) {
        if (fout) *fout = oud;
        return NaamFout::Mislukt;
    }
    // The match's own files first, inside the old folder, so that a failure
    // can be undone; the board files are never looked at.
    QList<QPair<QString, QString>> gedaan;
    auto terugdraaien = [&] {
        for (const auto& [van, naar] : gedaan) QFile::rename(naar, van);
    };
    for (WedstrijdBestand soort : kEigen) {
        for (int taal : {10, 11}) {
            const QString van = uitslag::WedstrijdBestandsnaam(soort, oud, 0, taal);
            const QString naar = uitslag::WedstrijdBestandsnaam(soort, nieuw, 0, taal);
            if (van.isEmpty() || naar.isEmpty() || van == naar) continue;
            const QString vanPad = oudeMap + QLatin1Char('/') + van;
            if (!QFileInfo(vanPad).isFile()) continue;
            const QString naarPad = oudeMap + QLatin1Char('/') + naar;
            QFile bestand(vanPad);
            if (QFileInfo::exists(naarPad) || !bestand.rename(naarPad)) {
                if (fout) *fout = van + QStringLiteral(": ") + bestand.errorString();
                terugdraaien();
                return NaamFout::Mislukt;
            }
            gedaan << qMakePair(vanPad, naarPad);
        }
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
