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
// rest split at the first " - " into the two players and each at its first
// "|" into name and address (both trimmed). A line without the number is
// taken as it stands. False for a blank line, one without " - ", and one
// with more than one " - " (a name holding the separator: where one player
// ends is not known, so no pair is made of it).
bool LeesPaarRegel(const QString& regel, Paar& paar);

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
// name is not one plain file name.
QString GroepPad(const QString& naam);

// The pairs of group `naam`, renumbered by their position: blank lines and
// lines without " - " are skipped. False (with a reason that names the file
// in `fout`) when the file is missing, not a regular file, too large, cannot
// be read, or holds more than 40 pairs; `paren` is then empty. A line with
// more than one " - " fails the whole read too, with its 1-based number in
// `slechteRegel` (0 for the other failures): its pair cannot be told apart.
bool LeesGroep(const QString& naam, QVector<Paar>& paren, QString* fout = nullptr, int* slechteRegel = nullptr);
// The pairs of the list file at `pad` (a group, or the pairs of a match), by
// the same rules as LeesGroep.
bool LeesParenBestand(const QString& pad, QVector<Paar>& paren, QString* fout = nullptr,
                      int* slechteRegel = nullptr);

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
