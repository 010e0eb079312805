#include "main/Update.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "platform/Http.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "shared/Ini.h"

namespace {

std::function<bool(const QString&)>& Opener() {
    static std::function<bool(const QString&)> opener;
    return opener;
}

bool NonEmptyFile(const QString& pad) {
    const QFileInfo info(pad);
    return info.isFile() && info.size() > 0;
}

}  // namespace

Versie EigenVersie() {
    return {DROVIK_VERSION_MAJOR, DROVIK_VERSION_MINOR, DROVIK_VERSION_PATCH};
}

QString VersieTekst(const Versie& v) {
    return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revisie);
}

std::optional<Versie> LeesVersie(const QString& regel) {
    const QStringList delen = regel.trimmed().split('.');
    if (delen.isEmpty() || delen.size() > 3)
        return std::nullopt;
    int getallen[3] = {0, 0, 0};
    for (int i = 0; i < delen.size(); ++i) {
        const QString& d = delen.at(i);
        if (d.isEmpty() || d.size() > 9)
            return std::nullopt;
        for (QChar c : d)
            if (c < '0' || c > '9')
                return std::nullopt;
        getallen[i] = d.toInt();
    }
    return Versie{getallen[0], getallen[1], getallen[2]};
}

bool NieuwereVersie(const QString& regel, const Versie& eigen) {
    const std::optional<Versie> v = LeesVersie(regel);
    return v && *v > eigen;
}

QString ServerAdres() {
    LeesIni("Standaard", "Server", platform::programPath("taal.ini"));
    QString adres = IniWaarde.trimmed();
    while (adres.endsWith('/'))
        adres.chop(1);
    return adres;
}

QString ServerUrl(const QString& pad) {
    const QString basis = ServerAdres();
    return basis.isEmpty() ? QString() : basis + pad;
}

QString VersieBestand() { return platform::programPath("actueleversie.txt"); }

QString UpdateBestand() { return platform::programPath("Update/Setup_Drovik_Update.exe"); }

VersieUitkomst ControleerVersie(bool online, const Versie& eigen) {
    VersieUitkomst uit;
    const QString bestand = VersieBestand();
    const QString url = ServerUrl(kVersiePad);
    if (online && url.isEmpty()) {
        uit.websiteBereikbaar = true;
        uit.videoZichtbaar = true;
    } else if (online) {
        // A stale file must not offer an update when the server cannot be
        // reached now.
        if (NonEmptyFile(bestand))
            QFile::remove(bestand);
        platform::DownloadOptions opties;
        opties.totalTimeoutSeconds = 30;
        uit.websiteBereikbaar = platform::DownloadToFile(url, bestand, opties).ok();
        uit.videoZichtbaar = uit.websiteBereikbaar;
    }
    QStringList regels;
    if (NonEmptyFile(bestand) && platform::readTextLines(bestand, regels) && !regels.isEmpty())
        uit.updateAanbieden = NieuwereVersie(regels.first(), eigen);
    return uit;
}

bool DownloadUpdateBestand(QString* fout) {
    const QString url = ServerUrl(kUpdatePad);
    if (url.isEmpty()) {
        if (fout)
            *fout = QStringLiteral("no server set");
        return false;
    }
    const QString doel = UpdateBestand();
    QDir().mkpath(QFileInfo(doel).absolutePath());
    const QString oud = platform::programPath("Update/Ruri.exe");
    if (NonEmptyFile(oud))
        QFile::remove(oud);
    const platform::DownloadResult r = platform::DownloadToFile(url, doel);
    if (!r.ok() && fout)
        *fout = r.errorText;
    return r.ok();
}

void OpenMetBureaublad(const QString& pad) {
    if (Opener()) {
        Opener()(pad);
        return;
    }
    QProcess::startDetached("xdg-open", {pad});
}

void ZetBureaubladOpener(std::function<bool(const QString&)> opener) {
    Opener() = std::move(opener);
}
