#include "main/Opstart.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "results/WedstrijdBestanden.h"
#include "shared/Globals.h"
#include "shared/Ini.h"
#include "shared/Tekst.h"

#include <pwd.h>
#include <unistd.h>

bool BibberenAan = false;
int WeekNummer = 39;

QString AccountNaam() {
    if (const passwd* pw = getpwuid(getuid())) {
        const QString volledig =
            QString::fromLocal8Bit(pw->pw_gecos ? pw->pw_gecos : "").section(',', 0, 0).trimmed();
        if (!volledig.isEmpty()) return volledig;
        const QString login = QString::fromLocal8Bit(pw->pw_name ? pw->pw_name : "").trimmed();
        if (!login.isEmpty()) return login;
    }
    return qEnvironmentVariable("USER").trimmed();
}

QString BepaalEigenaarNaam(const QString& ingesteld) {
    const QString naam = ingesteld.trimmed();
    return naam.isEmpty() ? AccountNaam() : naam;
}

void LeesEigenaarNaam() {
    LeesIni(QStringLiteral("Standaard"), QStringLiteral("Naam voor e-mail"), IniBestand);
    EigenaarNaam = BepaalEigenaarNaam(IniWaarde);
}

QString WinePrefix() {
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix;
}

CvnVondst ZoekCvn(const QString& winePrefix) {
    struct Kandidaat {
        const char* programmaMap;
        const char* map;
        const char* bestand;
        const char* serie;
    };
    static const Kandidaat kandidaten[] = {
        {"Program Files (x86)", "Corvani 6 serie", "CVN6.exe", " 6 "},
        {"Program Files", "Corvani 6 serie", "CVN6.exe", " 6 "},
        {"Program Files (x86)", "Corvani", "Ravosc.exe", " 5 "},
        {"Program Files", "Corvani", "Ravosc.exe", " 5 "},
    };
    // Names under the prefix are matched without regard to case, as the
    // Windows programs living there see them.
    const QString schijf = winePrefix + QStringLiteral("/drive_c");
    for (const Kandidaat& k : kandidaten) {
        const QString map = QLatin1String(k.programmaMap) + QLatin1Char('/') + QLatin1String(k.map);
        const QFileInfo programma(
            platform::resolveBelow(schijf, map + QLatin1Char('/') + QLatin1String(k.bestand)));
        if (programma.isFile() && programma.size() > 0)
            return {programma.absolutePath(), QString::fromLatin1(k.serie)};
    }
    return {};
}

QString ProgrammaVersie() {
    return QStringLiteral("%1.%2.%3")
        .arg(DROVIK_VERSION_MAJOR)
        .arg(DROVIK_VERSION_MINOR)
        .arg(DROVIK_VERSION_PATCH);
}

int RuimOnderbrokenSchrijfwerkOp() {
    // The data folders hold match folders one level down; four levels
    // cover every folder the program writes into.
    int weg = platform::removeStaleTempFiles(platform::programFolder(), 4);
    weg += uitslag::RuimHalveWedstrijdMappenOp();
    // The results export writes into the sibling program's Pandel\<match>
    // folders; only those are looked at there, the rest of the sibling
    // program's folder is not the program's own.
    const CvnVondst cvn = ZoekCvn(WinePrefix());
    if (!cvn.map.isEmpty()) weg += platform::removeStaleTempFiles(QDir(cvn.map).filePath(QStringLiteral("Pandel")), 1);
    return weg;
}

QString InstellingenBestandMelding() {
    QStringList slecht;
    for (const char* naam : {"taal.ini", "scherm.ini", "Sorteer.ini"}) {
        const platform::FileFault fout =
            platform::inspectFile(platform::programPath(QLatin1String(naam)), platform::kProfileFileMax);
        if (fout == platform::FileFault::NotAFile || fout == platform::FileFault::TooLarge)
            slecht << QLatin1String(naam);
    }
    if (slecht.isEmpty())
        return QString();
    return MetRegels(TaalTekst(238)).replace(QLatin1Char('~'), slecht.join(QStringLiteral(", ")));
}
