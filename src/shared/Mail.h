#pragma once
// Mail: the provider lists from MAIL.TXT and sending one message.

#include <QString>
#include <QStringList>

#include <memory>

#include "platform/Smtp.h"
#include "shared/MailTxt.h"

namespace platform {
class Form;
}

// True while the provider file is missing, empty or damaged: no mail can
// be sent until a good file has been loaded.
extern bool MailOnbruikbaar;
// Outcome of the last VerstuurMail: 0 when the mail went out, otherwise a
// non-zero number (see platform::SendResult and the numbers below), also
// when nothing was sent at all.
extern int MailFoutNummer;
extern QString MailFoutTekst;
// What lay behind the last failed send (Other when nothing was sent at all).
extern platform::SmtpFailure MailFoutSoort;

// Nothing sent because the provider file is unusable or the chosen
// provider is not in it.
constexpr int kMailGeenProvider = 2101;

// Loads MAIL.TXT from the program folder: its lines (MailCodeerRegels) and
// the nine settings of each provider (MailProviderLijst). A missing, empty
// or damaged file is reported once, titled with frm's caption, and makes
// MailOnbruikbaar True. The main window loads it at start; what it loaded
// is kept until that window unloads (VergeetMailTxt).
void LeesMailTxt(platform::Form& frm);
// The non-blank lines of the provider file loaded last; none when it was
// unusable or nothing is loaded.
QStringList MailCodeerRegels();
// The settings of provider i of the file loaded last; none when there is
// no such provider.
QStringList MailProviderLijst(int i);
// Forgets the loaded provider file.
void VergeetMailTxt();

// Sends one message: from the chosen provider's sender, to the trimmed
// `aan`, with `eigenAdres` as the address replies go to, the trimmed
// subject and body, and the files of `bijlagen` (each path followed by
// ";"). Leaves the outcome in MailFoutNummer and MailFoutTekst; a failure
// is shown with its number and the recipient as passed.
void VerstuurMail(const QString& eigenAdres, const QString& onderwerp, const QString& aan,
                  const QString& bijlagen, const QString& tekst);

// True when mail can go out: the provider file was loaded and the chosen
// provider is in it with usable settings.
bool MailBruikbaar();

// The heading of a closing message when a failure of the server stopped a
// run: what happened (the certificate and its fault, STARTTLS, a failed TLS
// handshake, a time-out before or after all of a mail went out, the
// connection breaking after a mail went out, the server's refusal with its
// reply, or the server not reached), its number, and that sending has
// stopped. "|" between lines.
QString MailStopMelding(const platform::SendResult& fout);
// What lies behind one failed mail to `aan` where more can be said than its
// number: the refused address with the server's reply, or the first line of
// MailStopMelding; "" for a server that was not reached.
QString MailFoutOorzaak(const platform::SendResult& fout, const QString& aan);
// The line of a closing list for `wie`, whose mail failed with `fout`:
// possibly delivered (and why), the server's reply, or the number.
QString MailNietVerstuurdRegel(const platform::SendResult& fout, const QString& wie);

// A run of mails (the seat PDFs, the results) to the chosen provider over
// one connection. A failed mail shows no message: the caller sums up the
// run. After a failure of the server itself (not reached, no answer in
// time, the connection or the login refused) the run is stopped and sends
// nothing more.
class MailReeks {
public:
    MailReeks();
    ~MailReeks();
    MailReeks(const MailReeks&) = delete;
    MailReeks& operator=(const MailReeks&) = delete;

    // False when the provider file or the chosen provider is unusable.
    bool Bruikbaar() const { return sessie_ != nullptr; }
    // Sends one message as VerstuurMail does and leaves the outcome in
    // MailFoutNummer and MailFoutTekst. True when it went out; once the run
    // is stopped, false with the number and text of the stopping failure.
    bool Verstuur(const QString& eigenAdres, const QString& onderwerp, const QString& aan,
                  const QString& bijlagen, const QString& tekst);
    bool Gestopt() const { return gestopt_; }
    // True when the last mail tried failed after all of it had gone out:
    // it may have arrived.
    bool MogelijkAangekomen() const { return laatste_.maybeDelivered(); }
    // What stopped the run, for the closing message ("" while it runs).
    QString StopMelding() const { return gestopt_ ? MailStopMelding(laatste_) : QString(); }
    // MailFoutOorzaak of the last mail tried.
    QString FoutOorzaak() const { return MailFoutOorzaak(laatste_, laatsteAan_); }
    // MailNietVerstuurdRegel of the last mail tried.
    QString NietVerstuurdRegel(const QString& wie) const { return MailNietVerstuurdRegel(laatste_, wie); }

private:
    QStringList provider_;
    std::unique_ptr<platform::SmtpSession> sessie_;
    bool gestopt_ = false;
    platform::SendResult laatste_;  // outcome of the last mail tried
    QString laatsteAan_;            // its recipient, trimmed
};

// The largest provider file read; a larger one counts as damaged.
constexpr qint64 kMailTxtMax = 1024 * 1024;

// The contents of MAIL.TXT in the program folder (missing, empty or not a
// regular file: Ontbreekt).
MailTxtInhoud LeesMailTxtBestand();

// The attachment paths of `bijlagen`: every part before a ";" (the text
// after the last ";" is not a path).
QStringList MailBijlagen(const QString& bijlagen);

// The message VerstuurMail sends, from the chosen provider's settings; the
// attachment paths go through the program-folder resolver.
platform::MailMessage MaakMailBericht(const QStringList& provider, const QString& eigenAdres,
                                      const QString& onderwerp, const QString& aan,
                                      const QString& bijlagen, const QString& tekst);

// The message boxes' texts (lines joined by line feeds).
QString MailTxtMelding(MailTxtStaat staat);
QString MailOnbruikbaarMelding();
// True when MAIL.TXT is loaded and good but holds only provider 1 while
// taal.ini [Standaard] provider chooses provider 2; ProviderOntbreektMelding
// says what to change then.
bool GekozenProviderOntbreekt();
QString ProviderOntbreektMelding();
// The box of one failed mail: its number, the recipient as passed and,
// when there is one, the cause (MailFoutOorzaak) after an empty line.
QString MailFoutMelding(int nummer, const QString& aan, const QString& oorzaak);
