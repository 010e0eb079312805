#include "settings/MailInstelRegels.h"

#include <vector>

#include "shared/EmailAdres.h"
#include "shared/Mail.h"

MailTxtDownloadUitkomst DownloadMailTxt(const QString& url, const platform::DownloadOptions& opties) {
    MailTxtDownloadUitkomst uit;
    if (url.trimmed().isEmpty()) {
        uit.fout = MailTxtDownloadFout::GeenServer;
        return uit;
    }
    // The download checks the file as LeesMailTxt will (the options' check)
    // before it replaces MAIL.TXT, so nothing is read here a second time.
    const platform::DownloadResult r = platform::DownloadToFile(url, MailTxtBestand(), opties);
    switch (r.code) {
    case 0:
        break;
    case platform::kDownloadInvalid:
        uit.fout = MailTxtDownloadFout::Ongeldig;
        break;
    case platform::kDownloadCannotWrite:
        uit.fout = MailTxtDownloadFout::Opslaan;
        break;
    default:
        uit.fout = MailTxtDownloadFout::Overdracht;
        uit.code = r.code;
        break;
    }
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

bool TestMailMogelijk(bool mailBruikbaar, const QString& adres) {
    return mailBruikbaar && EmailAdresGeldig(adres.trimmed());
}

int GeladenProviders() {
    if (MailOnbruikbaar) return 0;
    int aantal = 0;
    for (int i = 0; i < kMailProviders; ++i)
        if (!MailProviderLijst(i).isEmpty()) aantal = i + 1;
    return aantal;
}

bool ProviderAangeboden(int index, int geladen) {
    if (index < 0 || index >= kMailProviders) return false;
    return geladen == 0 || index < geladen;
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
