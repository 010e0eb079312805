#pragma once
// Rules of the e-mail setup window that need no window: the download of a
// fresh MAIL.TXT, the address box's checks and refused characters, when a
// test mail may be sent, and the surface fill that recolours its picture.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

#include "main/Update.h"
#include "platform/Http.h"

enum class MailTxtDownloadFout {
    Geen,
    GeenServer,  // no server address is set: no network call is made
    Overdracht,  // the transfer failed or came back incomplete
    Ongeldig,    // what came is not a provider file the program can load
    Opslaan,     // the new file could not be put in place
};

struct MailTxtDownloadUitkomst {
    MailTxtDownloadFout fout = MailTxtDownloadFout::Geen;
    int code = 0;  // the transfer's error number when fout is Overdracht
    bool ok() const { return fout == MailTxtDownloadFout::Geen; }
};

// Downloads the provider file from `url` into the program folder's
// MAIL.TXT. The file comes to a temporary file in the same folder, must
// pass every check LeesMailTxt makes, and only then replaces MAIL.TXT
// (readable and writable by the user only: it holds passwords). After any
// failure MAIL.TXT is as it was, byte for byte, and no temporary file is
// left. An empty url is "no server set".
MailTxtDownloadUitkomst DownloadMailTxt(const QString& url,
                                        const platform::DownloadOptions& opties = MailTxtDownloadOpties());

// What is wrong with a typed address while it is typed: two or more "@"
// (checked first), or two dots in a row.
enum class AdresFout { Geen, TweeApenstaartjes, TweePunten };
AdresFout AdresFoutVan(const QString& adres);

// True for a typed character the address box refuses: Enter, and
// < > # % $ * & : ; \ / ? , ' [ ] = + ~ ^ ( ) { } ` and the double quote.
bool AdresTekenGeweigerd(int KeyAscii);

// The test mail can be sent: a provider file was downloaded and loaded in
// this opening of the window, mail is usable and the address (trimmed) is
// a valid e-mail address.
bool TestMailMogelijk(bool gedownload, bool mailBruikbaar, const QString& adres);

// Surface fill: every pixel connected to `start` (left, right, up, down)
// that has the colour of `start` gets `kleur`. A start outside the image
// changes nothing.
void VulVlak(QImage& beeld, QPoint start, QColor kleur);
