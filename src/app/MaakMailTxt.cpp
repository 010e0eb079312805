// drovik-mailtxt: writes a provider file MAIL.TXT for the user's own SMTP
// provider, in the format the program reads. It never asks anything: every
// setting comes from an option or, when the option is absent, from an
// environment variable (handy for the password, which then stays out of
// the process list).
//
//   drovik-mailtxt --host smtp.example.org --port 587 --tls on
//                  --user me@example.org --from me@example.org
//                  --name "Bridge club" [--output FILE] [--force]
//   (password: --password P or the environment variable MAILTXT_PASSWORD)
//
// Without --output the file goes to the program folder (the folder named by
// DROVIK_HOME, as for the program). An existing file is replaced only with
// --force; the file is written whole or not at all, readable by the user
// only.

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStringList>

#include <cstdio>

#include "platform/Paths.h"
#include "shared/MailTxt.h"

namespace {

const char* const kGebruik =
    "usage: drovik-mailtxt --host HOST [--port N] [--tls on|off] [--user USER]\n"
    "                      [--password PASSWORD] --from ADDRESS [--name NAME]\n"
    "                      [--output FILE] [--force]\n"
    "\n"
    "Writes MAIL.TXT for your own SMTP provider. Each option may instead be\n"
    "given in the environment: MAILTXT_HOST, MAILTXT_PORT, MAILTXT_TLS,\n"
    "MAILTXT_USER, MAILTXT_PASSWORD, MAILTXT_FROM, MAILTXT_NAME,\n"
    "MAILTXT_OUTPUT. --tls on uses TLS on port 465 and STARTTLS on any other\n"
    "port (default on, port 587); off sends in the clear. The program logs in\n"
    "when a user is given. Without --output the file is written to the\n"
    "program folder ($DROVIK_HOME); an existing file is replaced only with\n"
    "--force.\n";

int Fout(const QString& tekst, int code = 2) {
    std::fprintf(stderr, "drovik-mailtxt: %s\n", qPrintable(tekst));
    return code;
}

bool AanUit(const QString& waarde, bool& aan) {
    const QString w = waarde.trimmed().toLower();
    if (w == "on" || w == "yes" || w == "true" || w == "1") {
        aan = true;
        return true;
    }
    if (w == "off" || w == "no" || w == "false" || w == "0") {
        aan = false;
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    // Options; environment variables fill in what is not given.
    const QMap<QString, QString> opties = {
        {"--host", "MAILTXT_HOST"},         {"--port", "MAILTXT_PORT"},
        {"--tls", "MAILTXT_TLS"},           {"--user", "MAILTXT_USER"},
        {"--password", "MAILTXT_PASSWORD"}, {"--from", "MAILTXT_FROM"},
        {"--name", "MAILTXT_NAME"},         {"--output", "MAILTXT_OUTPUT"}};
    QMap<QString, QString> waarden;
    bool forceer = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == "--help" || a == "-h") {
            std::fputs(kGebruik, stdout);
            return 0;
        }
        if (a == "--force") {
            forceer = true;
            continue;
        }
        QString naam = a, waarde;
        const int is = a.indexOf('=');
        if (a.startsWith("--") && is > 0) {
            naam = a.left(is);
            waarde = a.mid(is + 1);
        } else if (opties.contains(a)) {
            if (i + 1 >= args.size())
                return Fout(a + " needs a value\n\n" + kGebruik);
            waarde = args.at(++i);
        }
        if (!opties.contains(naam))
            return Fout("unknown option " + a + "\n\n" + kGebruik);
        waarden[naam] = waarde;
    }
    for (auto it = opties.cbegin(); it != opties.cend(); ++it)
        if (!waarden.contains(it.key()) && qEnvironmentVariableIsSet(qPrintable(it.value())))
            waarden[it.key()] = qEnvironmentVariable(qPrintable(it.value()));

    EigenMailProvider p;
    p.server = waarden.value("--host");
    if (waarden.contains("--port")) {
        bool ok = false;
        p.poort = waarden.value("--port").trimmed().toInt(&ok);
        if (!ok)
            return Fout("port: give a number from 1 to 65535");
    }
    if (waarden.contains("--tls") && !AanUit(waarden.value("--tls"), p.beveiligd))
        return Fout("tls: give on or off");
    p.gebruiker = waarden.value("--user");
    p.wachtwoord = waarden.value("--password");
    p.afzender = waarden.value("--from");
    p.afzenderNaam = waarden.value("--name");
    if (p.server.trimmed().isEmpty() || p.afzender.trimmed().isEmpty())
        return Fout(QString("--host and --from are needed\n\n") + kGebruik);

    QByteArray inhoud;
    QString waarom;
    if (!MaakEigenMailTxt(p, inhoud, &waarom))
        return Fout(waarom);

    const QString doel = waarden.contains("--output") ? waarden.value("--output")
                                                      : platform::programPath("MAIL.TXT");
    if (QFileInfo::exists(doel) && !forceer)
        return Fout(doel + " exists; give --force to replace it", 1);
    if (!SchrijfMailTxt(doel, inhoud, &waarom))
        return Fout(waarom, 1);
    std::printf("MAIL.TXT written to %s\n", qPrintable(QFileInfo(doel).absoluteFilePath()));
    return 0;
}
