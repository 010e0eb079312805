#include "saveas/BewaarBestand.h"

#include <QDir>
#include <QFileInfo>

#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "saveas/BewaarNaam.h"
#include "shared/Bestanden.h"
#include "shared/Tekst.h"

namespace bewaarnaam {

QString BestandVoorNaam(const QString& map, const QString& naam) {
    const QString n = naam.trimmed();
    if (!EigenNaamGeldig(n))
        return QString();
    const QString folder = platform::programPath(map);
    const QString pad = platform::resolveBelow(folder, n + QStringLiteral(".txt"));
    // The file must stand directly in its folder, whatever the name holds.
    if (QDir::cleanPath(QFileInfo(pad).absolutePath()) != QDir::cleanPath(QFileInfo(folder).absoluteFilePath()))
        return QString();
    return pad;
}

BewaarUitkomst BewaarRegels(const QString& map, const QString& naam, const QStringList& regels,
                            const QString& weigerTekst,
                            const std::function<bool(const QString&)>& magOverschrijven,
                            QString* fout) {
    if (!NaamToegestaan(naam, weigerTekst))
        return BewaarUitkomst::OngeldigeNaam;
    const QString pad = BestandVoorNaam(map, naam);
    if (pad.isEmpty())
        return BewaarUitkomst::OngeldigeNaam;
    if (BestandBestaat(pad) == 1 && !magOverschrijven(naam.trimmed() + QStringLiteral(".txt")))
        return BewaarUitkomst::NietOverschreven;
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QString reden;
    if (!platform::writeTextLines(pad, regels, &reden)) {
        if (fout)
            *fout = reden;
        return BewaarUitkomst::Mislukt;
    }
    return BewaarUitkomst::Geschreven;
}

QString SchrijfFoutMelding(const QString& bestandsnaam, const QString& reden, int taalNummer) {
    QString tekst = TaalTekst((taalNummer == 11 ? 11 : 10) * 1000 + 13);
    tekst.replace(QLatin1Char('~'), bestandsnaam);
    if (!reden.isEmpty())
        tekst += QStringLiteral("\n\n") + reden;
    return tekst;
}

}  // namespace bewaarnaam
