#include "settings/MailInstelRegels.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <stdlib.h>
#include <unistd.h>

#include <vector>

#include "platform/Paths.h"
#include "shared/EmailAdres.h"
#include "shared/MailTxt.h"

namespace {

// The length field of a provider file holds at most 9999, the file's
// length minus 12: anything longer cannot pass the length check.
constexpr qint64 kGrootsteMailTxt = 9999 + 12;

// A fresh, empty file in `map` that no other file name uses; "" when none
// can be made.
QString NieuwTijdelijkBestand(const QString& map) {
    QByteArray sjabloon = QFile::encodeName(map + QStringLiteral("/.MAIL.TXT.nieuw-XXXXXX"));
    const int fd = ::mkstemp(sjabloon.data());
    if (fd < 0)
        return QString();
    ::close(fd);
    return QFile::decodeName(sjabloon);
}

// The file's bytes when it is a regular file of at most `grens` bytes.
bool LeesKlein(const QString& pad, qint64 grens, QByteArray& inhoud) {
    QFile f(pad);
    if (!QFileInfo(pad).isFile() || f.size() > grens || !f.open(QIODevice::ReadOnly))
        return false;
    inhoud = f.read(grens + 1);
    return inhoud.size() <= grens && f.error() == QFile::NoError;
}

}  // namespace

MailTxtDownloadUitkomst DownloadMailTxt(const QString& url, const platform::DownloadOptions& opties) {
    MailTxtDownloadUitkomst uit;
    if (url.trimmed().isEmpty()) {
        uit.fout = MailTxtDownloadFout::GeenServer;
        return uit;
    }
    const QString doel = platform::programPath(QStringLiteral("MAIL.TXT"));
    const QString map = QFileInfo(doel).absolutePath();
    const QString tijdelijk = NieuwTijdelijkBestand(map);
    if (tijdelijk.isEmpty()) {
        uit.fout = MailTxtDownloadFout::Opslaan;
        return uit;
    }
    const auto opruimen = qScopeGuard([&] { QFile::remove(tijdelijk); });

    const platform::DownloadResult r = platform::DownloadToFile(url, tijdelijk, opties);
    if (!r.ok()) {
        uit.fout = MailTxtDownloadFout::Overdracht;
        uit.code = r.code;
        return uit;
    }
    QByteArray inhoud;
    if (!LeesKlein(tijdelijk, kGrootsteMailTxt, inhoud) ||
        DecodeerMailTxt(inhoud).staat != MailTxtStaat::Goed) {
        uit.fout = MailTxtDownloadFout::Ongeldig;
        return uit;
    }
    if (!SchrijfMailTxt(doel, inhoud))
        uit.fout = MailTxtDownloadFout::Opslaan;
    return uit;
}

AdresFout AdresFoutVan(const QString& adres) {
    if (adres.count(QLatin1Char('@')) >= 2)
        return AdresFout::TweeApenstaartjes;
    if (adres.contains(QStringLiteral("..")))
        return AdresFout::TweePunten;
    return AdresFout::Geen;
}

bool AdresTekenGeweigerd(int KeyAscii) {
    static const QString geweigerd = QStringLiteral("<>#%$*&:;\\/?,'[]=+~^(){}`\"");
    if (KeyAscii == 13)
        return true;
    return KeyAscii > 0 && KeyAscii < 128 && geweigerd.contains(QChar(KeyAscii));
}

bool TestMailMogelijk(bool gedownload, bool mailBruikbaar, const QString& adres) {
    return gedownload && mailBruikbaar && EmailAdresGeldig(adres.trimmed());
}

void VulVlak(QImage& beeld, QPoint start, QColor kleur) {
    if (!beeld.valid(start))
        return;
    if (beeld.format() != QImage::Format_ARGB32 && beeld.format() != QImage::Format_RGB32)
        beeld = beeld.convertToFormat(QImage::Format_ARGB32);
    const QRgb oud = beeld.pixel(start);
    const QRgb nieuw = kleur.rgba();
    if (oud == nieuw)
        return;
    // Row spans: fill a run left and right of each point, then look at the
    // rows above and below it.
    std::vector<QPoint> werk{start};
    while (!werk.empty()) {
        const QPoint p = werk.back();
        werk.pop_back();
        if (beeld.pixel(p) != oud)
            continue;
        int links = p.x(), rechts = p.x();
        while (links > 0 && beeld.pixel(links - 1, p.y()) == oud) --links;
        while (rechts < beeld.width() - 1 && beeld.pixel(rechts + 1, p.y()) == oud) ++rechts;
        for (int x = links; x <= rechts; ++x) {
            beeld.setPixel(x, p.y(), nieuw);
            for (int dy : {-1, 1}) {
                const int y = p.y() + dy;
                if (y >= 0 && y < beeld.height() && beeld.pixel(x, y) == oud)
                    werk.emplace_back(x, y);
            }
        }
    }
}
