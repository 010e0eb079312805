#include "shared/MailTxt.h"

#include "platform/TextFile.h"
#include "shared/Ini.h"

namespace {

// Field of the decoded line that each lstProvider item takes.
constexpr int kVeldVanItem[kProviderItems] = {2, 4, 0, 5, 1, 6, 8, 3, 7};

bool DrieCijfers(const QString& s) {
    return s.size() == 3 && s.at(0).isDigit() && s.at(1).isDigit() && s.at(2).isDigit() &&
           s.at(0).unicode() < 128 && s.at(1).unicode() < 128 && s.at(2).unicode() < 128;
}

bool Poort(const QString& waarde, int* poort) {
    bool ok = false;
    const int p = waarde.trimmed().toInt(&ok);
    if (!ok || p < 1 || p > 65535)
        return false;
    if (poort)
        *poort = p;
    return true;
}

}  // namespace

bool MailBoolean(const QString& waarde, bool* ok) {
    const QString w = waarde.trimmed().toLower();
    *ok = true;
    if (w == "true" || w == "waar")
        return true;
    if (w == "false" || w == "onwaar")
        return false;
    if (IsGetal(w)) {
        bool geheel = false;
        w.toDouble(&geheel);
        if (geheel)
            return Val(w) != 0;
    }
    *ok = false;
    return false;
}

bool DecodeerMailRegel(const QString& regel, QString& tekst) {
    tekst.clear();
    if (regel.size() < 7 || !DrieCijfers(regel.left(3)))
        return false;
    const int k = regel.left(3).toInt();
    const QString groepen = regel.mid(3, regel.size() - 7);
    if (groepen.size() % 3 != 0)
        return false;
    QByteArray codes;
    codes.reserve(groepen.size() / 3);
    for (int i = 0; i < groepen.size(); i += 3) {
        const QString groep = groepen.mid(i, 3);
        if (!DrieCijfers(groep))
            return false;
        const int code = groep.toInt() - k;
        if (code < 0 || code > 255)
            return false;
        codes += static_cast<char>(code);
    }
    tekst = platform::decodeCp1252(codes);
    return true;
}

bool ProviderAccount(const QStringList& eerste, const QStringList& gekozen,
                     platform::SmtpAccount& account) {
    if (eerste.size() < kProviderItems || gekozen.size() < kProviderItems)
        return false;
    platform::SmtpAccount a;
    a.heloName = eerste.at(0).trimmed();
    a.host = gekozen.at(1).trimmed();
    if (!Poort(gekozen.at(2), &a.port))
        return false;
    bool ok = false;
    const bool veilig = MailBoolean(gekozen.at(3), &ok);
    if (!ok)
        return false;
    a.security = !veilig ? platform::SmtpSecurity::None
                 : a.port == 465 ? platform::SmtpSecurity::Tls
                                 : platform::SmtpSecurity::StartTls;
    a.user = gekozen.at(4);
    a.password = gekozen.at(5);
    a.authenticate = MailBoolean(gekozen.at(6), &ok);
    if (!ok)
        return false;
    account = a;
    return true;
}

MailTxtInhoud DecodeerMailTxt(const QByteArray& bestand) {
    MailTxtInhoud inhoud;
    if (bestand.isEmpty())
        return inhoud;  // Ontbreekt
    for (const QString& regel : platform::splitLines(platform::decodeCp1252(bestand)))
        if (!regel.trimmed().isEmpty())
            inhoud.regels << regel;

    inhoud.staat = MailTxtStaat::Beschadigd;
    if (inhoud.regels.isEmpty() || inhoud.regels.size() > kMailProviders)
        return inhoud;
    const QString eerste = inhoud.regels.first();
    if (eerste.size() < 4 || ValInteger(eerste.right(4)) != bestand.size() - 12)
        return inhoud;

    QList<QStringList> providers;
    for (const QString& regel : inhoud.regels) {
        QString tekst;
        if (!DecodeerMailRegel(regel, tekst))
            return inhoud;
        const QStringList velden = tekst.split("<>");
        if (velden.size() < kProviderItems)
            return inhoud;
        QStringList items;
        for (int veld : kVeldVanItem)
            items << velden.at(veld);
        providers << items;
    }
    platform::SmtpAccount account;
    for (const QStringList& items : providers)
        if (!ProviderAccount(providers.first(), items, account))
            return inhoud;
    inhoud.providers = providers;
    inhoud.staat = MailTxtStaat::Goed;
    return inhoud;
}
