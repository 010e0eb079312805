#include "main/SpelBestand.h"

#include <QFileInfo>

#include <algorithm>

#include "main/SpelRecord.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

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

SpelSetUitkomst LeesSpelSet(const QString& pad) {
    const QString echt = platform::resolvePath(pad);
    const QFileInfo info(echt);
    SpelSetUitkomst u;
    if (!info.exists()) {
        u.fout = SpelSetFout::Ontbreekt;
        return u;
    }
    QStringList regels;
    if (!info.isFile() || !platform::readTextLines(echt, regels)) {
        u.fout = SpelSetFout::Onleesbaar;
        return u;
    }
    return ControleerSpelSet(regels);
}

bool SchrijfSpelSet(const QString& pad, const QStringList& regels, QString* fout) {
    return platform::writeTextLines(pad, regels, fout);
}

QString SpelSetMelding(const SpelSetUitkomst& uitkomst, const QString& naam, int taalNummer) {
    const bool nl = taalNummer != 11;
    QString tekst;
    switch (uitkomst.fout) {
    case SpelSetFout::Geen:
        return QString();
    case SpelSetFout::Ontbreekt:
        tekst = nl ? "Het bestand ~ is niet gevonden." : "The file ~ was not found.";
        break;
    case SpelSetFout::Onleesbaar:
        tekst = nl ? "Het bestand ~ kan niet worden gelezen." : "The file ~ cannot be read.";
        break;
    case SpelSetFout::Leeg:
        tekst = nl ? "Het bestand ~ is leeg." : "The file ~ is empty.";
        break;
    case SpelSetFout::KopVelden:
        tekst = nl ? "De eerste regel van ~ is geen verdelingskop met zes velden."
                   : "The first line of ~ is not a distribution header of six fields.";
        break;
    case SpelSetFout::GeenSpellen:
        tekst = nl ? "Het bestand ~ bevat geen spellen." : "The file ~ holds no boards.";
        break;
    case SpelSetFout::TeVeelSpellen:
        tekst = nl ? "Het bestand ~ bevat meer dan 48 spellen."
                   : "The file ~ holds more than 48 boards.";
        break;
    case SpelSetFout::RecordVelden:
        tekst = nl ? "Regel # van ~ is geen volledig spel met 21 velden (afgebroken of onbekend)."
                   : "Line # of ~ is not a complete board of 21 fields (cut off or unknown).";
        break;
    }
    tekst += nl ? "\n\nDe spellen op het scherm blijven zoals ze waren."
                : "\n\nThe boards on screen are left as they were.";
    tekst.replace(QLatin1Char('#'), QString::number(uitkomst.regel));
    tekst.replace(QLatin1Char('~'), naam + QStringLiteral(".txt"));
    return tekst;
}

QString WisMelding(WisFout fout, const QString& naam, int taalNummer) {
    const bool nl = taalNummer != 11;
    QString tekst;
    if (fout == WisFout::GeenKeuze)
        tekst = nl ? "Kies eerst in de lijst het spelbestand dat u wilt wissen."
                   : "First choose the game file to delete in the list.";
    else
        tekst = nl ? "Het bestand ~ kon niet worden gewist." : "The file ~ could not be deleted.";
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
