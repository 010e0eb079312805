#include "shared/MailTxt.h"

#include <QFileInfo>

#include "platform/AtomicFile.h"
#include "platform/TextFile.h"
#include "shared/EmailAdres.h"
#include "shared/Ini.h"

namespace {

// Field of the decoded line that each item of a provider's settings takes.
constexpr int kVeldVanItem[kProviderItems] = {2, 4, 0, 5, 1, 6, 8, 3, 7};

bool DrieCijfers(const QString& s) {
    return s.size() == 3 && s.at(0).isDigit() && s.at(1).isDigit() && s.at(2).isDigit() &&
           s.at(0).unicode() < 128 && s.at(1).unicode() < 128 && s.at(2).unicode() < 128;
}

// The file's length as written with CR LF line ends: a file whose line ends
// were turned into LF (or CR) on the way still passes the length check,
// which counts the bytes of the file as it was made.
qsizetype LengteMetCrLf(const QByteArray& bestand) {
    qsizetype lengte = 0;
    for (qsizetype i = 0; i < bestand.size(); ++i) {
        const char c = bestand.at(i);
        if (c == '\r' && i + 1 < bestand.size() && bestand.at(i + 1) == '\n')
            ++i;
        lengte += (c == '\r' || c == '\n') ? 2 : 1;
    }
    return lengte;
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
    if (eerste.size() < 4)
        return inhoud;
    const int lengteVeld = ValInteger(eerste.right(4));
    if (lengteVeld != bestand.size() - 12 && lengteVeld != LengteMetCrLf(bestand) - 12)
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

// --- Writing -----------------------------------------------------------------

namespace {

// Keys of the lines: the first line 17, every next one 101 higher (kept
// below 745 so that code + key stays three digits).
int SleutelVanRegel(int i) { return 17 + (101 * i) % 728; }

bool InCodepagina(const QString& tekst) {
    return platform::decodeCp1252(platform::encodeCp1252(tekst)) == tekst;
}

}  // namespace

QString MailProviderVelden::Regel() const {
    return (QStringList{poort, gebruiker, ehlo, afzender, server, beveiligd, wachtwoord,
                        afzenderNaam, inloggen} +
            extra)
        .join("<>");
}

QString CodeerMailRegel(const QString& tekst, int sleutel, const QString& staart) {
    QString regel = QString::number(sleutel).rightJustified(3, '0');
    for (char c : platform::encodeCp1252(tekst))
        regel += QString::number(static_cast<unsigned char>(c) + sleutel).rightJustified(3, '0');
    return regel + staart;
}

bool CodeerMailTxt(const QStringList& teksten, QByteArray& bestand, QString* fout,
                   const QString& blankeRegels) {
    auto mislukt = [&](const QString& waarom) {
        if (fout)
            *fout = waarom;
        bestand.clear();
        return false;
    };
    if (!InCodepagina(blankeRegels))
        return mislukt(QStringLiteral("a blank line holds a character outside code page 1252"));
    QByteArray uit;
    for (int i = 0; i < teksten.size(); ++i) {
        if (!InCodepagina(teksten.at(i)))
            return mislukt(QStringLiteral("a setting holds a character outside code page 1252"));
        // The length field is filled in below; it is always four characters.
        uit += platform::encodeCp1252(blankeRegels) +
               CodeerMailRegel(teksten.at(i), SleutelVanRegel(i), QStringLiteral("0000")).toLatin1() +
               "\r\n";
    }
    if (!teksten.isEmpty()) {
        const qsizetype lengte = uit.size() - 12;
        if (lengte < 0 || lengte > 9999)
            return mislukt(QStringLiteral("the file would be too long for its length field"));
        const qsizetype eersteEinde = platform::encodeCp1252(blankeRegels).size() +
                                      CodeerMailRegel(teksten.first(), SleutelVanRegel(0), {}).size();
        uit.replace(eersteEinde, 4, QByteArray::number(lengte).rightJustified(4, '0'));
    }
    bestand = uit;
    return true;
}

bool MaakEigenMailTxt(const EigenMailProvider& p, QByteArray& bestand, QString* fout) {
    auto mislukt = [&](const QString& waarom) {
        if (fout)
            *fout = waarom;
        bestand.clear();
        return false;
    };
    const QList<QPair<QString, QString>> velden = {
        {QStringLiteral("host"), p.server},         {QStringLiteral("user"), p.gebruiker},
        {QStringLiteral("password"), p.wachtwoord}, {QStringLiteral("sender address"), p.afzender},
        {QStringLiteral("sender name"), p.afzenderNaam}};
    for (const auto& [naam, waarde] : velden) {
        for (QChar c : waarde)
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                return mislukt(naam + QStringLiteral(": line breaks and control characters are not allowed"));
        if (waarde.contains(QStringLiteral("<>")))
            return mislukt(naam + QStringLiteral(": \"<>\" separates the settings and cannot be used"));
        if (!InCodepagina(waarde))
            return mislukt(naam + QStringLiteral(": only characters of code page 1252 can be stored"));
    }
    const QString server = p.server.trimmed();
    if (server.isEmpty() || server.contains(QLatin1Char(' ')))
        return mislukt(QStringLiteral("host: give the SMTP server's host name"));
    if (p.poort < 1 || p.poort > 65535)
        return mislukt(QStringLiteral("port: give a number from 1 to 65535"));
    if (!EmailAdresGeldig(p.afzender.trimmed()))
        return mislukt(QStringLiteral("sender address: not a valid e-mail address"));
    if (p.gebruiker.isEmpty() && !p.wachtwoord.isEmpty())
        return mislukt(QStringLiteral("password: given without a user name"));

    MailProviderVelden v;
    v.poort = QString::number(p.poort);
    v.gebruiker = p.gebruiker;
    v.ehlo = QString();
    v.afzender = p.afzender.trimmed();
    v.server = server;
    v.beveiligd = p.beveiligd ? QStringLiteral("True") : QStringLiteral("False");
    v.wachtwoord = p.wachtwoord;
    v.afzenderNaam = p.afzenderNaam.trimmed();
    v.inloggen = p.gebruiker.isEmpty() ? QStringLiteral("False") : QStringLiteral("True");
    QByteArray uit;
    QString waarom;
    if (!CodeerMailTxt({v.Regel()}, uit, &waarom))
        return mislukt(waarom);

    // The program must read back exactly what was asked for.
    const MailTxtInhoud terug = DecodeerMailTxt(uit);
    platform::SmtpAccount account;
    if (terug.staat != MailTxtStaat::Goed || terug.providers.size() != 1 ||
        !ProviderAccount(terug.providers.first(), terug.providers.first(), account) ||
        account.host != server || account.port != p.poort || account.user != p.gebruiker ||
        account.password != p.wachtwoord || account.authenticate != !p.gebruiker.isEmpty() ||
        (account.security != platform::SmtpSecurity::None) != p.beveiligd ||
        terug.providers.first().at(7) != v.afzender || terug.providers.first().at(8) != v.afzenderNaam)
        return mislukt(QStringLiteral("the settings do not survive encoding"));
    bestand = uit;
    return true;
}

bool SchrijfMailTxt(const QString& pad, const QByteArray& inhoud, QString* fout) {
    // A relative path is taken from the working folder, as a command line
    // user expects, not from the program folder.
    return platform::writeFileAtomic(QFileInfo(pad).absoluteFilePath(), inhoud, fout,
                                     platform::FileRights::UserOnly);
}
