#pragma once
// The files of a match in its folder resultaten\<W>\ under the program
// folder: the pairs file, the board count, the done flags, the overview
// (the results grid), the mail list and, per board, the result file and the
// export file for the sibling results program. All are code page 1252 text
// with CR LF line ends; every writer replaces its file whole or not at all,
// and every reader checks the whole file and refuses anything that is
// missing, not a regular file, too large, empty or not of its kind, with the
// reason for a message.
//
// Names: this is the one builder of match file names. They do not depend on
// the language the program runs in: the words in them are the Dutch ones of
// the text table (text 64 "Spel", 145 "overzicht", 146 "klaar"). A match
// worked in English by earlier versions keeps its files under the English
// words ("Game", "overview", "done"): readers fall back to those names when
// the fixed one is absent, and clearing a board removes both.

#include <QString>
#include <QStringList>
#include <vector>

#include "shared/GroepBestand.h"

namespace uitslag {

enum class WedstrijdBestand {
    Paren,          // <W>.txt: one pair per line
    SpellenAantal,  // <W>.spellen: the number of boards
    Klaar,          // <W> klaar.txt: one "0"/"1" per board
    Overzicht,      // <W> overzicht.txt: the results grid, cells joined by "~"
    MailLijst,      // <W> mail.txt: the pairs with their mail addresses
    SpelUitslag,    // Spel NN Drovik.txt: a board's slip
    SpelExport,     // Spel NNN.txt: a board's slip for the sibling program
};

// How a writer below replaces its file: at once (it returns when the file
// is on disk), or queued to the writer thread (SchrijfWachtrij: it returns
// at once; what can be seen to fail is refused at once, and every failure,
// refused at once or later, is reported by the queue as a failed write of
// the file, told once until a write of it succeeds: the caller adds no
// message of its own). Queued, the done flags and the overview stand on
// the result files of the boards they show done (a "1" flag, a column with
// matchpoints): they are written behind those files, and not while the
// last write of one of them failed.
enum class Schrijfwijze { Meteen, Achtergrond };

constexpr int kMaxSpellen = 48;
constexpr int kMaxParen = 40;
constexpr int kMaxTafels = 20;

// True when every file a match keeps can be named after W: its longest
// file name (W and " overzicht.txt") fits the file system's 255 bytes.
bool WedstrijdNaamPast(const QString& wedstrijd);

// The match folder, or "" when W is no name of the user's own
// (EigenNaamGeldig: one plain name, no "." in front) or is too long for
// the files named after it (WedstrijdNaamPast).
QString WedstrijdMapPad(const QString& wedstrijd);

// True when a file of match W itself would have the name of a board file
// ("Spel 01 Drovik" gives the pairs file "Spel 01 Drovik.txt", board 1's
// result file), in either language and any letter case. Such a match gets
// no file names at all, so nothing of it ever overwrites a board's results.
bool WedstrijdNaamBotst(const QString& wedstrijd);

// The file name (no folder) of a match file; the board number counts for
// the board files only (1 to 48). taalNummer 10 gives the fixed name, 11 the
// name under the English words. "" when the name cannot be made.
QString WedstrijdBestandsnaam(WedstrijdBestand soort, const QString& wedstrijd, int bord = 0,
                              int taalNummer = 10);

// Where the file is written: the fixed name in the match folder ("" when
// there is none).
QString SchrijfPad(WedstrijdBestand soort, const QString& wedstrijd, int bord = 0);

// Where the file is read: the fixed name when it exists, else the English
// name when that exists, else the fixed name. Queued writes of the file
// (SchrijfWachtrij) are waited for first.
QString LeesPad(WedstrijdBestand soort, const QString& wedstrijd, int bord = 0);

// Removes the file under each of its names; true when none is left.
bool WisWedstrijdBestand(WedstrijdBestand soort, const QString& wedstrijd, int bord = 0,
                         QString* fout = nullptr);

// Removes a board's result file and export file, under either language's
// words, all or nothing: each is first moved aside, and only when every one
// has moved are they deleted; after a failure every file is back under its
// own name. Anything at those names that is not a file is refused before
// anything moves.
bool WisSpelBestanden(const QString& wedstrijd, int bord, QString* fout = nullptr);

// True when the match folder exists and holds anything.
bool WedstrijdMapGevuld(const QString& wedstrijd);

// True when the folder resultaten\<w> exists.
bool WedstrijdBestaat(const QString& wedstrijd);

// The boards of the match that hold anything typed on the results side, in
// ascending order: a done flag set, a filled cell in the board's column of
// the overview, or a result or export file of the board.
QList<int> SpellenMetUitslag(const QString& wedstrijd);

// Finishes what a stop in the middle of replacing a match left (see
// MaakWedstrijd): a half-made new match goes; a whole new one whose earlier
// match was already put aside takes its name; an earlier match put aside
// goes once the match stands under its name, else it comes back under it.
// So every match is there under its name afterwards, old or new. Returns
// how many hidden folders went or were renamed.
int RuimHalveWedstrijdMappenOp();

// Makes match W anew: its pairs file from `paren` and, when `groepPad` is
// not "", its mail list as a byte copy of that group file. A new match is
// written into its new folder (removed again after a failure). Over an
// earlier match of that name the new folder is written whole under a hidden
// name first and then takes the earlier one's place, so the earlier match
// goes with all its files (board files, done flags, overview, board count)
// and the match starts empty; after any failure it is as it was, and after
// a stop at any moment the next start (RuimHalveWedstrijdMappenOp) has it
// under its name, the earlier or the new one. `bestand`
// gets the name of the match file that could not be made (the pairs file
// unless the mail list failed).
bool MaakWedstrijd(const QString& wedstrijd, const QStringList& paren, const QString& groepPad,
                   QString* fout = nullptr, QString* bestand = nullptr);

enum class LeesFout {
    Geen,
    Ontbreekt,   // no such file (for most match files no error: they start empty)
    Onleesbaar,  // not a regular file, or it cannot be read
    TeGroot,     // far larger than any file of its kind
    Leeg,        // no content (like a missing file, no error for a board file)
    Vreemd,      // not of its kind: cut off, foreign or damaged (see regel)
};

struct LeesUitkomst {
    LeesFout fout = LeesFout::Geen;
    int regel = 0;       // the 1-based line at fault, for Vreemd
    QString bestand;     // the file's name
    QString reden;       // the system's reason, for Onleesbaar
    bool Gelukt() const { return fout == LeesFout::Geen; }
    // The file is there but could not be read: it may hold what must not
    // be replaced. (Missing and empty files are read as empty ones.)
    bool Kapot() const { return !Gelukt() && fout != LeesFout::Ontbreekt && fout != LeesFout::Leeg; }
};

// The message for a failed read (texts 335 to 338), in the current language.
QString LeesMelding(const LeesUitkomst& uitkomst);
// The message for a failed write (text 339); `fout` is the writer's reason.
QString SchrijfMelding(const QString& bestand, const QString& fout);

// --- Pairs file ------------------------------------------------------------

// The pairs of the match, read by the one reader of pair lines
// (groep::LeesPaarRegels) with their numbers fixed: blank lines are skipped,
// the k-th pair line must be a pair numbered k (01. to 40.), since a pair's
// number is its row in the results grid. A line that breaks this fails the
// read (Vreemd, with its line): no pair after it is ever renumbered.
LeesUitkomst LeesParen(const QString& wedstrijd, QVector<groep::Paar>& paren);
// The same pairs as items "NN. NameA - NameB".
LeesUitkomst LeesParen(const QString& wedstrijd, QStringList& paren);
bool SchrijfParen(const QString& wedstrijd, const QStringList& paren, QString* fout = nullptr);

// --- Board count -----------------------------------------------------------

LeesUitkomst LeesSpellenAantal(const QString& wedstrijd, int& aantal);
bool SchrijfSpellenAantal(const QString& wedstrijd, int aantal, QString* fout = nullptr);

// --- Done flags ------------------------------------------------------------

// The done flags for `spellen` boards: the file's first line, one "0" or
// "1" per board. A shorter line is filled up with "0" (a board it does not
// cover is not done), a longer one cut to the board count.
LeesUitkomst LeesKlaar(const QString& wedstrijd, int spellen, QString& vlaggen);
bool SchrijfKlaar(const QString& wedstrijd, const QString& vlaggen, QString* fout = nullptr,
                  Schrijfwijze wijze = Schrijfwijze::Meteen);

// --- Overview --------------------------------------------------------------

// The rows of the results grid, each row its cells. Row 0 must be the
// header: an empty cell, then the board numbers 1, 2, ... in order; no row
// has more cells than the header; at most 40 pairs plus header and closing
// row.
LeesUitkomst LeesOverzicht(const QString& wedstrijd, std::vector<QStringList>& rijen);
bool SchrijfOverzicht(const QString& wedstrijd, const std::vector<QStringList>& rijen,
                      QString* fout = nullptr, Schrijfwijze wijze = Schrijfwijze::Meteen);

// --- Mail list -------------------------------------------------------------

// The players' entries "<name>|<address>" of the mail list, per line the
// second player first, then the first (as the results mail reads them).
LeesUitkomst LeesMailLijst(const QString& wedstrijd, QStringList& adressen);

// --- Board files -----------------------------------------------------------

// One slip row as the board files keep it.
struct SpelRij {
    QString paar;        // "5 - 6", North-South pair first
    QString contractNZ;
    QString contractOW;
    QString scoreNZ;
    QString scoreOW;
    QString mpNZ;
    QString mpOW;
    bool operator==(const SpelRij&) const = default;
};

// Writes the board's result file (one line of seven "~"-joined fields per
// visible row, free rows included) and, when `metExport`, its export file
// (eight lines per row: the two pair numbers, then the six captions).
// Contracts are written in their stored form (OpslagVorm of `alfabet`).
// Refuses (writes nothing) a row whose texts hold "~" or a line break, a
// pair caption that is not two pair numbers, more than 20 rows or a board
// outside 1 to 48.
bool BewaarSpel(const QString& wedstrijd, int bord, const std::vector<SpelRij>& rijen,
                const QString& alfabet, bool metExport, QString* fout = nullptr,
                Schrijfwijze wijze = Schrijfwijze::Meteen);

// Reads a board's result file: lines of seven fields with a valid pair
// caption, no more lines than the match of `paren` pairs has tables (at most
// 20), every pair number one of the match's (1 to `paren`) and no pair on
// two places. Contracts come back in the letters of `alfabet`.
LeesUitkomst LeesSpelUitslag(const QString& wedstrijd, int bord, const QString& alfabet,
                             std::vector<SpelRij>& rijen, int paren = kMaxParen);

// Reads a board's export file (contracts as stored).
LeesUitkomst LeesSpelExport(const QString& wedstrijd, int bord, std::vector<SpelRij>& rijen);

}  // namespace uitslag
