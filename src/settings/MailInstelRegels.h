#pragma once
// Rules of the e-mail setup window that need no window: the download of a
// fresh MAIL.TXT, the address box's checks and refused characters, when a
// test mail may be sent, and the surface fill that recolours its picture.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

#include "platform/Http.h"
#include "shared/Update.h"

enum class MailTxtDownloadFout {
    Geen,
    GeenServer,  // no server address is set: no network call is made
    Overdracht,  // the transfer failed or came back incomplete
    Ongeldig,    // what came is not a provider file the program can load (the
                 // options' check refused it)
    Opslaan,     // the new file could not be put in place
};

struct MailTxtDownloadUitkomst {
    MailTxtDownloadFout fout = MailTxtDownloadFout::Geen;
    int code = 0;  // the transfer's error number when fout is Overdracht
    bool ok() const { return fout == MailTxtDownloadFout::Geen; }
};

// Downloads the provider file from `url` into the program folder's
// MAIL.TXT (MailTxtBestand) with the given download options; the program's
// own (MailTxtDownloadOpties) hold the size limit, the time limits, the
// check that the file passes every check LeesMailTxt makes and the rights
// (readable and writable by the user only: it holds passwords). The file
// comes to a temporary file in the same folder and replaces MAIL.TXT only
// when it passed; after any failure MAIL.TXT is as it was, byte for byte,
// and no temporary file is left. An empty url is "no server set".
MailTxtDownloadUitkomst DownloadMailTxt(const QString& url,
                                        const platform::DownloadOptions& opties = MailTxtDownloadOpties());

// What is wrong with a typed address while it is typed: two or more "@"
// (checked first), or two dots in a row.
enum class AdresFout { Geen, TweeApenstaartjes, TweePunten };
AdresFout AdresFoutVan(const QString& adres);

// True for a typed character the address box refuses: Enter, and
// < > # % $ * & : ; \ / ? , ' [ ] = + ~ ^ ( ) { } ` and the double quote.
bool AdresTekenGeweigerd(int KeyAscii);

// The test mail can be sent: mail is usable (a good provider file is
// loaded, downloaded now or put in place earlier, for example with the
// MAIL.TXT writer command) and the address (trimmed) is a valid e-mail
// address.
bool TestMailMogelijk(bool mailBruikbaar, const QString& adres);

// How many providers the mail service holds from MAIL.TXT: 0 while mail is
// unusable or no file is loaded.
int GeladenProviders();

// Whether provider `index` (0 or 1) can be chosen while `geladen` providers
// are loaded: only the providers the file holds, and both while none is
// loaded (a file put in place later decides).
bool ProviderAangeboden(int index, int geladen);

// Surface fill: every pixel connected to `start` (left, right, up, down)
// that has the colour of `start` gets `kleur`. A start outside the image
// changes nothing.
void VulVlak(QImage& beeld, QPoint start, QColor kleur);
