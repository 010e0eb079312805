#pragma once
// The provider file MAIL.TXT: decoding its lines into provider settings,
// turning the settings of the chosen provider into an SMTP account, and
// writing such a file (for the user's own provider, and for tests).

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/Smtp.h"

// Number of providers a provider file may hold.
constexpr int kMailProviders = 2;
// Settings per provider.
constexpr int kProviderItems = 9;

enum class MailTxtStaat {
    Goed,
    Ontbreekt,   // missing or empty file
    Beschadigd,  // any line that cannot be decoded, or the length check fails
};

struct MailTxtInhoud {
    MailTxtStaat staat = MailTxtStaat::Ontbreekt;
    // The non-blank lines exactly as read.
    QStringList regels;
    // Per line, the nine settings in the order of the items below.
    QList<QStringList> providers;
};

// Decodes the complete content of MAIL.TXT.
//
// A line is three digits k, then groups of three digits, then four more
// characters. Group g stands for the character with code page 1252 code
// g - k. The decoded text holds at least nine fields separated by "<>".
// The last four characters of the first line, read as a number, equal the
// file's length in bytes minus 12, counted as written (with CR LF line ends);
// the same file with LF or CR line ends passes too. Blank lines (also lines of only blanks)
// are skipped. A file with more lines than provider lists, a group that is
// not three digits, a code outside 0..255, fewer than nine fields or a
// setting of the wrong kind (see ProviderAccount) is damaged.
MailTxtInhoud DecodeerMailTxt(const QByteArray& bestand);

// One line decoded into its "<>"-separated text; false when it is damaged.
bool DecodeerMailRegel(const QString& regel, QString& tekst);

// The SMTP account of a provider. `eerste` is the list of the first provider
// (it always supplies the EHLO name), `gekozen` the chosen provider's list.
// False when a setting cannot be read as what it stands for.
//
// What the nine settings mean (item of a provider's settings = field of
// the decoded line):
//   item 0 = field 2  name announced in EHLO ("" = the local host name);
//                     always taken from the first provider
//   item 1 = field 4  SMTP server host name
//   item 2 = field 0  port, 1 to 65535
//   item 3 = field 5  secure connection (Boolean): False = plain connection;
//                     True = TLS from the first byte on port 465 and
//                     STARTTLS, which must succeed, on every other port
//   item 4 = field 1  user name for authentication
//   item 5 = field 6  password for authentication
//   item 6 = field 8  authenticate (Boolean): log in with items 4 and 5
//   item 7 = field 3  sender address (envelope sender and From)
//   item 8 = field 7  sender display name
// A Boolean is written "True"/"False" (any case, also "Waar"/"Onwaar") or as
// a number, where 0 is False and any other number True.
bool ProviderAccount(const QStringList& eerste, const QStringList& gekozen,
                     platform::SmtpAccount& account);

// A setting read as a Boolean as above; false in `ok` when it is none.
bool MailBoolean(const QString& waarde, bool* ok);

// --- Writing a provider file ---

// One provider line before encoding: the nine fields in the order the file
// stores them (see ProviderAccount for what each one means), and any
// fields after the ninth.
struct MailProviderVelden {
    QString poort;         // field 0
    QString gebruiker;     // field 1
    QString ehlo;          // field 2
    QString afzender;      // field 3
    QString server;        // field 4
    QString beveiligd;     // field 5
    QString wachtwoord;    // field 6
    QString afzenderNaam;  // field 7
    QString inloggen;      // field 8
    QStringList extra;
    // The fields joined by "<>", as the decoder splits them.
    QString Regel() const;
};

// One encoded line: the key as three digits, a group of three digits
// (code page 1252 code + key) per character, then `staart` (the four-digit
// length field on the first line). The key runs from 0 to 744 so that every
// group stays three digits.
QString CodeerMailRegel(const QString& tekst, int sleutel, const QString& staart);

// The complete file: one encoded line per text, each ended by CR LF and
// preceded by `blankeRegels`, the first line's tail holding the file length
// minus 12. The fields are not checked here (tests write damaged files on
// purpose). False, with the reason in `fout`, when a text holds a character
// outside code page 1252 or the file is too long for the length field.
bool CodeerMailTxt(const QStringList& teksten, QByteArray& bestand, QString* fout = nullptr,
                   const QString& blankeRegels = QString());

// The user's own SMTP provider, as the MAIL.TXT writer command takes it.
struct EigenMailProvider {
    QString server;        // SMTP host name
    int poort = 587;
    bool beveiligd = true;  // TLS on port 465, STARTTLS on any other port
    QString gebruiker;     // log in only when this is not empty
    QString wachtwoord;
    QString afzender;      // sender address
    QString afzenderNaam;  // sender display name
};

// A one-provider MAIL.TXT for `p`. Every field is checked first: a host
// name, a port from 1 to 65535, a valid sender address, no line breaks or
// other control characters, no "<>" (the field separator) and only
// characters of code page 1252; the encoded file must decode to exactly
// these settings. False, with the reason in `fout`, otherwise.
bool MaakEigenMailTxt(const EigenMailProvider& p, QByteArray& bestand, QString* fout = nullptr);

// Writes `inhoud` as the whole of the provider file `pad` (a relative path
// counts from the working folder) with the program's safe replacement
// (platform::writeFileAtomic): after any failure the old file is untouched.
// The file is readable and writable by the user only (it holds passwords).
// False, with the reason in `fout`, when it could not be written.
bool SchrijfMailTxt(const QString& pad, const QByteArray& inhoud, QString* fout = nullptr);
