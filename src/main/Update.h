#pragma once
// The version check at start-up and the download of an update from the
// maker's server.
//
// The server's base address is taal.ini [Standaard] Server (for example
// "https://downloads.example.org"); without it the program makes no network
// call at all. The version file and the update sit at fixed paths below it.

#include <QString>

#include <functional>
#include <optional>

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
// Program folder & "\actueleversie.txt" and & "\Update\Setup_Drovik_Update.exe".
QString VersieBestand();
QString UpdateBestand();

struct VersieUitkomst {
    bool websiteBereikbaar = false;
    // Whether cmdVideo is to be shown or hidden; nothing when it keeps its
    // designed state.
    std::optional<bool> videoZichtbaar;
    bool updateAanbieden = false;
};

// The version check: when online and a server is set, the old version file
// is deleted and a fresh one downloaded; whatever version file is then in
// the program folder is compared with `eigen`. Without a server no network
// call is made and the website counts as reachable when the machine is
// online.
VersieUitkomst ControleerVersie(bool online, const Versie& eigen);

// Downloads the update into the Update folder. The file there is replaced
// only by a complete download; false with the reason in `fout` otherwise.
bool DownloadUpdateBestand(QString* fout = nullptr);

// Opens a file with the desktop's default handler, detached from this
// program. Tests replace it; an empty function restores xdg-open.
void OpenMetBureaublad(const QString& pad);
void ZetBureaubladOpener(std::function<bool(const QString&)> opener);
