#pragma once
// The version check at start-up, the download of an update and the
// download of the provider file from the maker's server.
//
// The server's base address is taal.ini [Standaard] Server (for example
// "https://downloads.example.org"); without it the program makes no network
// call at all. The version file and the update sit at fixed paths below it.

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

#include "platform/Http.h"

struct Versie {
    int major = 0;
    int minor = 0;
    int revisie = 0;
    auto operator<=>(const Versie&) const = default;
};

// The version of this program.
Versie EigenVersie();
// "major.minor.revision" as plain numbers ("2.1.14").
QString VersieTekst(const Versie& versie);

// Reads a version line "major.minor.revision" (blanks around it allowed;
// a missing minor or revision counts as 0). Nothing when it is no version.
std::optional<Versie> LeesVersie(const QString& regel);

// True when the line names a version newer than `eigen`, compared number by
// number (1.2.10 is older than 1.3.0). A line that is no version offers
// nothing.
bool NieuwereVersie(const QString& regel, const Versie& eigen);

// taal.ini [Standaard] Server, trimmed and without a trailing "/"; "" when
// none is set.
QString ServerAdres();
// The full address of a path on the server; "" when no server is set.
QString ServerUrl(const QString& pad);

inline const char* kVersiePad = "/Drovik/actueleversie.txt";
inline const char* kUpdatePad = "/Drovik/Setup_Drovik_Update.exe";
inline const char* kMailTxtPad = "/cvn/MAIL.TXT";
// Program folder & "\actueleversie.txt", & "\Update\Setup_Drovik_Update.exe"
// and & "\MAIL.TXT".
QString VersieBestand();
QString UpdateBestand();
QString MailTxtBestand();

// Checks of a downloaded file before it replaces the one in the program
// folder: "" when it is acceptable, else why not. A version file's first
// line is a version written as three numbers, "major.minor.revision"; a
// provider file passes every check LeesMailTxt makes.
QString ControleerVersieBestand(const QByteArray& inhoud);
QString ControleerMailTxtBestand(const QByteArray& inhoud);

// The limits of each kind of download. The version check runs while the
// main window starts, so it gives up within a few seconds; every kind gives
// up a stalled transfer within half a minute and refuses a body larger than
// any genuine file of its kind.
constexpr long kVersieWachttijd = 5;  // seconds, the whole version check
platform::DownloadOptions VersieDownloadOpties();
platform::DownloadOptions UpdateDownloadOpties();
platform::DownloadOptions MailTxtDownloadOpties();

struct VersieUitkomst {
    bool websiteBereikbaar = false;
    // Whether cmdVideo is to be shown or hidden; nothing when it keeps its
    // designed state.
    std::optional<bool> videoZichtbaar;
    bool updateAanbieden = false;
};

// The version check: when online and a server is set, the old version file
// is deleted and a fresh one downloaded; the website counts as reachable
// only when that download succeeded. Whatever version file is then in the
// program folder is compared with `eigen` (offline, an older download still
// counts). Without a server no network call is made, the website is not
// reachable, cmdVideo stays hidden and no update is offered, since none
// could be downloaded.
VersieUitkomst ControleerVersie(bool online, const Versie& eigen);

// Downloads the update into the Update folder. The file there is replaced
// only by a complete download; false with the reason in `fout` otherwise.
// `terwijlBezig`, when given, runs several times a second meanwhile.
bool DownloadUpdateBestand(QString* fout = nullptr);
bool DownloadUpdateBestand(QString* fout, const std::function<void()>& terwijlBezig);

// Opens a file with the desktop's default handler, detached from this
// program. Tests replace it; an empty function restores xdg-open.
void OpenMetBureaublad(const QString& pad);
void ZetBureaubladOpener(std::function<bool(const QString&)> opener);
