#include "shared/Mail.h"

#include "platform/Form.h"
#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "platform/TextFile.h"
#include "shared/Ini.h"
#include "shared/Tekst.h"

bool MailOnbruikbaar = false;
int MailFoutNummer = 0;
QString MailFoutTekst;
platform::SmtpFailure MailFoutSoort = platform::SmtpFailure::Other;

QString MailTxtMelding(MailTxtStaat staat) {
    const QString eerste = TaalTekst(staat == MailTxtStaat::Ontbreekt ? 291 : 292);
    return QStringList{eerste, QString(), TaalTekst(290), QString(), TaalTekst(293)}.join('\n');
}

QString MailOnbruikbaarMelding() {
    return QStringList{MetRegels(TaalTekst(294)), QString(), TaalTekst(290)}.join('\n');
}

QString ProviderOntbreektMelding() {
    // The two windows where the provider is chosen: settings (text 63) and
    // the e-mail setup (text 215).
    return MetRegels(TaalTekst(347))
        .replace(QLatin1Char('~'), TaalTekst(63))
        .replace(QLatin1Char('#'), TaalTekst(215));
}

QString MailFoutMelding(int nummer, const QString& aan, const QString& oorzaak) {
    const QString melding = "Foutnummer: " + QString::number(nummer) + "\nBij het versturen naar: " + aan;
    return oorzaak.isEmpty() ? melding : melding + "\n\n" + oorzaak;
}

namespace {

// A server's reply or the transfer library's text as one line of a message:
// no line breaks or line-break marks, and not endless.
QString EenRegel(const QString& tekst) {
    QString regel;
    for (const QChar c : tekst.left(300))
        regel += c.category() == QChar::Other_Control || c == QLatin1Char('|') ? QLatin1Char(' ') : c;
    return regel.simplified();
}

}  // namespace

QString MailStopMelding(const platform::SendResult& fout) {
    int tekst = 392;  // not reached, or no connection for another reason
    switch (fout.failure) {
    case platform::SmtpFailure::Certificate: tekst = 296; break;
    case platform::SmtpFailure::NoStartTls: tekst = 297; break;
    case platform::SmtpFailure::StartTlsRefused: tekst = 298; break;
    case platform::SmtpFailure::TlsHandshake: tekst = 273; break;
    case platform::SmtpFailure::TimedOut: tekst = 274; break;
    case platform::SmtpFailure::AfterData: tekst = fout.timedOut() ? 275 : 299; break;
    case platform::SmtpFailure::RecipientRefused:
    case platform::SmtpFailure::Refused: tekst = 278; break;
    case platform::SmtpFailure::Other: break;
    }
    return VulIn(TaalTekst(tekst), EenRegel(fout.text), QString::number(fout.number));
}

QString MailFoutOorzaak(const platform::SendResult& fout, const QString& aan) {
    if (fout.ok() || fout.failure == platform::SmtpFailure::Other) return QString();
    if (fout.failure == platform::SmtpFailure::RecipientRefused)
        return VulIn(TaalTekst(279), {{QLatin1Char('~'), aan.trimmed()},
                                      {QLatin1Char('#'), QString::number(fout.number)},
                                      {QLatin1Char('$'), EenRegel(fout.text)}});
    return MailStopMelding(fout).section(QLatin1Char('|'), 0, 0);
}

QString MailNietVerstuurdRegel(const platform::SendResult& fout, const QString& wie) {
    if (fout.maybeDelivered())
        return VulIn(TaalTekst(fout.timedOut() ? 276 : 317), wie, QString());
    if (fout.failure == platform::SmtpFailure::RecipientRefused ||
        fout.failure == platform::SmtpFailure::Refused)
        return VulIn(TaalTekst(277), {{QLatin1Char('~'), wie},
                                      {QLatin1Char('#'), QString::number(fout.number)},
                                      {QLatin1Char('$'), EenRegel(fout.text)}});
    return VulIn(TaalTekst(381), wie, QString::number(fout.number));
}

MailTxtInhoud LeesMailTxtBestand() {
    QByteArray inhoud;
    switch (platform::readFileBytes(platform::programPath("MAIL.TXT"), inhoud, kMailTxtMax)) {
    case platform::FileFault::None:
        return DecodeerMailTxt(inhoud);
    case platform::FileFault::TooLarge: {
        // A provider file is a few hundred bytes; anything far larger is not one.
        MailTxtInhoud groot;
        groot.staat = MailTxtStaat::Beschadigd;
        return groot;
    }
    default:
        return {};
    }
}

QStringList MailBijlagen(const QString& bijlagen) {
    if (bijlagen.isEmpty())
        return {};
    QStringList delen = bijlagen.split(';');
    delen.removeLast();
    return delen;
}

platform::MailMessage MaakMailBericht(const QStringList& provider, const QString& eigenAdres,
                                      const QString& onderwerp, const QString& aan,
                                      const QString& bijlagen, const QString& tekst) {
    platform::MailMessage m;
    m.subject = onderwerp.trimmed();
    m.body = tekst.trimmed();
    // Attachment paths are program paths like any other: "\" is a separator
    // and folder and file names are found without regard to case.
    for (const QString& pad : MailBijlagen(bijlagen))
        m.attachments << platform::resolvePath(pad);
    if (provider.size() >= kProviderItems)
        m.from = {provider.at(7).trimmed(), provider.at(8).trimmed()};
    m.to = aan.trimmed();
    m.replyTo = eigenAdres.trimmed();
    return m;
}

namespace {
// The provider file as loaded last (nothing when it was unusable).
MailTxtInhoud& Geladen() {
    static MailTxtInhoud inhoud;
    return inhoud;
}
}  // namespace

QStringList MailCodeerRegels() { return Geladen().regels; }

QStringList MailProviderLijst(int i) {
    if (i < 0 || i >= kMailProviders || i >= Geladen().providers.size()) return {};
    return Geladen().providers.at(i);
}

void VergeetMailTxt() { Geladen() = MailTxtInhoud{}; }

void LeesMailTxt(platform::Form& frm) {
    VergeetMailTxt();
    MailOnbruikbaar = false;

    const MailTxtInhoud inhoud = LeesMailTxtBestand();
    if (inhoud.staat != MailTxtStaat::Goed) {
        // Only the lines of a good file are kept, so nothing half-decoded
        // can be sent with.
        MailOnbruikbaar = true;
        platform::MsgBox(MailTxtMelding(inhoud.staat), platform::vbCritical, frm.Caption());
        return;
    }
    Geladen() = inhoud;
}

namespace {

// The chosen provider's settings and account; false when mail cannot go out.
bool KiesProvider(QStringList& provider, platform::SmtpAccount& account) {
    if (MailOnbruikbaar)
        return false;
    LeesIni("Standaard", "provider", platform::programPath("taal.ini"));
    const int p = ValInteger(IniWaarde);
    if (p < 0 || p >= kMailProviders)
        return false;
    provider = MailProviderLijst(p);
    return ProviderAccount(MailProviderLijst(0), provider, account);
}

}  // namespace

bool GekozenProviderOntbreekt() {
    LeesIni("Standaard", "provider", platform::programPath("taal.ini"));
    const int p = ValInteger(IniWaarde);
    return !MailOnbruikbaar && p >= 1 && p < kMailProviders && MailProviderLijst(p).isEmpty() &&
           !MailProviderLijst(0).isEmpty();
}

bool MailBruikbaar() {
    QStringList provider;
    platform::SmtpAccount account;
    return KiesProvider(provider, account);
}

MailReeks::MailReeks() {
    platform::SmtpAccount account;
    if (KiesProvider(provider_, account))
        sessie_ = std::make_unique<platform::SmtpSession>(account);
}

MailReeks::~MailReeks() = default;

bool MailReeks::Verstuur(const QString& eigenAdres, const QString& onderwerp, const QString& aan,
                         const QString& bijlagen, const QString& tekst) {
    if (!sessie_) {
        MailFoutNummer = kMailGeenProvider;
        MailFoutTekst = QStringLiteral("MAIL.TXT");
        MailFoutSoort = platform::SmtpFailure::Other;
        return false;
    }
    // After a failure of the server itself the run tries no further: every
    // next mail would wait as long and fail the same way.
    if (!gestopt_) {
        laatste_ = sessie_->Send(MaakMailBericht(provider_, eigenAdres, onderwerp, aan, bijlagen, tekst));
        laatsteAan_ = aan.trimmed();
        gestopt_ = laatste_.endsRun;
    }
    // A mail not tried carries the failure that stopped the run.
    MailFoutNummer = laatste_.number;
    MailFoutTekst = laatste_.text;
    MailFoutSoort = laatste_.failure;
    return MailFoutNummer == 0;
}

void VerstuurMail(const QString& eigenAdres, const QString& onderwerp, const QString& aan,
                  const QString& bijlagen, const QString& tekst) {
    MailReeks reeks;
    // Without a usable provider the error state is set all the same.
    if (reeks.Verstuur(eigenAdres, onderwerp, aan, bijlagen, tekst)) return;
    if (!reeks.Bruikbaar())
        // A good file that lacks the chosen provider says what to change.
        platform::MsgBox(GekozenProviderOntbreekt() ? ProviderOntbreektMelding() : MailOnbruikbaarMelding(),
                         platform::vbInformation, QStringLiteral("Mail"));
    else
        platform::MsgBox(MailFoutMelding(MailFoutNummer, aan, reeks.FoutOorzaak()), platform::vbOKOnly);
}
