#include "shared/Update.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "platform/Http.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "shared/Ini.h"
#include "shared/MailTxt.h"

namespace {

std::function<bool(const QString&)>& Opener() {
    static std::function<bool(const QString&)> opener;
    return opener;
}

bool NonEmptyFile(const QString& pad) {
    const QFileInfo info(pad);
    return info.isFile() && info.size() > 0;
}

constexpr qint64 kVersieMaxBytes = 1024;
constexpr qint64 kMailTxtMaxBytes = 64 * 1024;
constexpr qint64 kUpdateMaxBytes = 256 * 1024 * 1024;

// Gives up a transfer that stalls for this long (seconds).
constexpr long kStilstand = 25;

bool AlleenCijfers(const QByteArray& deel) {
    if (deel.isEmpty() || deel.size() > 9)
        return false;
    for (char c : deel)
        if (c < '0' || c > '9')
            return false;
    return true;
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

QString MailTxtBestand() { return platform::programPath("MAIL.TXT"); }

QString ControleerVersieBestand(const QByteArray& inhoud) {
    const qsizetype einde = inhoud.indexOf('\n');
    const QByteArray regel = (einde < 0 ? inhoud : inhoud.left(einde)).trimmed();
    const QList<QByteArray> delen = regel.split('.');
    if (delen.size() != 3 || !AlleenCijfers(delen[0]) || !AlleenCijfers(delen[1]) ||
        !AlleenCijfers(delen[2]))
        return QStringLiteral("the version file holds no version");
    return QString();
}

QString ControleerMailTxtBestand(const QByteArray& inhoud) {
    if (DecodeerMailTxt(inhoud).staat != MailTxtStaat::Goed)
        return QStringLiteral("the provider file is damaged");
    return QString();
}

platform::DownloadOptions VersieDownloadOpties() {
    platform::DownloadOptions o;
    o.connectTimeoutSeconds = 3;
    o.totalTimeoutSeconds = kVersieWachttijd;
    o.stallSeconds = kVersieWachttijd;
    o.maxBytes = kVersieMaxBytes;
    o.check = ControleerVersieBestand;
    return o;
}

platform::DownloadOptions UpdateDownloadOpties() {
    platform::DownloadOptions o;
    o.connectTimeoutSeconds = 15;
    o.totalTimeoutSeconds = 900;
    o.stallSeconds = kStilstand;
    o.maxBytes = kUpdateMaxBytes;
    return o;
}

platform::DownloadOptions MailTxtDownloadOpties() {
    platform::DownloadOptions o;
    o.connectTimeoutSeconds = 15;
    o.totalTimeoutSeconds = 60;
    o.stallSeconds = kStilstand;
    o.maxBytes = kMailTxtMaxBytes;
    o.check = ControleerMailTxtBestand;
    // The file holds the providers' passwords.
    o.rights = platform::FileRights::UserOnly;
    return o;
}

VersieUitkomst ControleerVersie(bool online, const Versie& eigen) {
    VersieUitkomst uit;
    const QString url = ServerUrl(kVersiePad);
    if (url.isEmpty()) {
        // Nothing to fetch from and nothing an update could come from.
        uit.videoZichtbaar = false;
        return uit;
    }
    const QString bestand = VersieBestand();
    if (online) {
        // A stale file must not offer an update when the server cannot be
        // reached now.
        if (NonEmptyFile(bestand))
            QFile::remove(bestand);
        uit.websiteBereikbaar = platform::DownloadToFile(url, bestand, VersieDownloadOpties()).ok();
        uit.videoZichtbaar = uit.websiteBereikbaar;
    }
    QStringList regels;
    if (NonEmptyFile(bestand) && QFileInfo(bestand).size() <= kVersieMaxBytes &&
        platform::readTextLines(bestand, regels) && !regels.isEmpty())
        uit.updateAanbieden = NieuwereVersie(regels.first(), eigen);
    return uit;
}

bool DownloadUpdateBestand(QString* fout) { return DownloadUpdateBestand(fout, {}); }

bool DownloadUpdateBestand(QString* fout, const std::function<void()>& terwijlBezig) {
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
    platform::DownloadOptions opties = UpdateDownloadOpties();
    opties.whileWaiting = terwijlBezig;
    const platform::DownloadResult r = platform::DownloadToFile(url, doel, opties);
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
