#pragma once
// Group files and the pair line, without a window.
//
// A group file (groepen\<name>.txt under the program folder) holds one pair
// line per pair, code page 1252, each line ended by CR LF; nothing else. The
// same lines make up a match's pairs file and its mail list.
//
// Pair line: "NN. NameA|MailA - NameB|MailB". NN is the pair's 1-based
// position as two digits ("01" to "40"); an address may be empty, the "|"
// is always there. Neither a name nor an address holds "|" or " - " (the
// names editor keeps them out), so the line splits without escaping.
//
// Seats: an odd pair number plays North-South, an even one East-West.

#include <QString>
#include <QVector>

namespace groep {

constexpr int kMaxParen = 40;

struct Speler {
    QString naam;
    QString adres;
    bool operator==(const Speler&) const = default;
};

struct Paar {
    Speler eerste;
    Speler tweede;
    bool operator==(const Paar&) const = default;
};

// The pair line of pair number `nummer` (1-based).
QString PaarRegel(int nummer, const Paar& paar);

// The pair as the composer's list shows it: "NN. NameA - NameB".
QString PaarTekst(int nummer, const Paar& paar);

// Takes a pair line apart: the leading number ("NN. ") is dropped, the
// rest split at the " - " into the two players and each at its "|" into
// name and address (both trimmed). A line without the number is taken as it
// stands; `nummer` (when given) gets the number, 0 without one. False for a
// line that is no pair: a blank one, one without " - ", one with more than
// one " - " (a name holding the separator: where one player ends is not
// known) and one with a player holding more than one "|" (the address would
// hold a "|", and the pair could never be written back).
bool LeesPaarRegel(const QString& regel, Paar& paar, int* nummer = nullptr);

// How the pairs of a list file are numbered. A group's pairs take their
// place among the pair lines (a group file numbered 07, 09, 12 opens as
// 01, 02, 03). A match's pairs keep the numbers its results are tied to:
// its k-th pair line must carry the number k.
enum class Nummering { OpPlaats, Vast };

// The one reader of pair lines, for group files and the pairs file of a
// match alike (composer, seat mail and results side). Blank lines are
// skipped; every other line must be a pair (LeesPaarRegel), numbered as
// `nummering` asks, and there are at most 40. Returns 0 with the pairs in
// `paren`, or the 1-based number of the first line that breaks a rule with
// `paren` empty: a file with such a line is never read in part, since the
// pairs after the line would take other numbers.
int LeesPaarRegels(const QStringList& regels, Nummering nummering, QVector<Paar>& paren);

// True when pair number `nummer` plays North-South (odd), false for
// East-West (even).
inline bool SpeeltNoordZuid(int nummer) { return nummer % 2 != 0; }

// With `aantal` pairs composed: whether the next pair (number aantal + 1)
// sits North-South, and whether the group may be saved (an even, non-zero
// count: every North-South pair has its East-West partner).
inline bool VolgendePaarNoordZuid(int aantal) { return SpeeltNoordZuid(aantal + 1); }
inline bool GroepOpslaanMogelijk(int aantal) {
    return aantal > 0 && aantal % 2 == 0 && aantal <= kMaxParen;
}

// The path of group file `naam` (the name without ".txt"), or "" when the
// name is no name of the user's own (EigenNaamGeldig: one plain name, no
// blanks around it, no "." in front).
QString GroepPad(const QString& naam);

// The pairs of group `naam`, renumbered by their position (LeesPaarRegels).
// False (with a reason that names the file in `fout`) when the file is
// missing, not a regular file, too large or cannot be read, or holds a line
// that is no pair or a 41st pair: then with that line's 1-based number in
// `slechteRegel` (0 for the other failures). `paren` is empty after a failure.
bool LeesGroep(const QString& naam, QVector<Paar>& paren, QString* fout = nullptr, int* slechteRegel = nullptr);
// The pairs of the list file at `pad` by the same rules, numbered as
// `nummering` asks.
bool LeesParenBestand(const QString& pad, QVector<Paar>& paren, QString* fout = nullptr,
                      int* slechteRegel = nullptr, Nummering nummering = Nummering::OpPlaats);

// The message for a failed read of the pair file `bestand` (LeesGroep,
// LeesParenBestand), in the current language: the line that is no pair
// (text 312) when `slechteRegel` > 0, otherwise the file that cannot be
// read with the reason `fout` (text 335).
QString ParenLeesMelding(const QString& bestand, const QString& fout, int slechteRegel);

// Writes group `naam` whole (the groups folder is made when missing): one
// pair line per pair, numbered from 01. False with a reason in `fout`, and
// the old file untouched, when the name is not plain, there are more than 40
// pairs, a name or address holds "|", " - " or a line break, or the write
// fails.
bool SchrijfGroep(const QString& naam, const QVector<Paar>& paren, QString* fout = nullptr);

// The pair lines of `paren`, numbered from 01 (the content of a group file,
// a match's pairs file and its mail list).
QStringList PaarRegels(const QVector<Paar>& paren);

// True when the pair can be written as a pair line and read back the same.
bool PaarSchrijfbaar(const Paar& paar);

}  // namespace groep
