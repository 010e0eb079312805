#pragma once
// What the group composer does to match folders and saved files, without a
// window: creating or re-saving a match from a list of pairs, telling
// whether a match already has results, renaming a names file, group or
// match, and deleting a match. The match files are named and read through
// uitslag:: (results/WedstrijdBestanden.h), the one place that knows them.

#include <QString>
#include <QStringList>
#include <QVector>

#include "results/WedstrijdBestanden.h"
#include "shared/GroepBestand.h"

namespace groep {

// True when the match holds anything typed on the results side (a board of
// uitslag::SpellenMetUitslag).
bool WedstrijdHeeftUitslagen(const QString& wedstrijd);

// The match's stored pairs, read as the results side reads them
// (uitslag::LeesParen): false (with the reason, and the number of a line
// that is no pair or out of number) when the file is missing, unreadable or
// holds such a line. An empty file holds no pairs.
bool LeesWedstrijdParen(const QString& wedstrijd, QVector<Paar>& paren, QString* fout = nullptr,
                        int* slechteRegel = nullptr);

// True when saving `paren` into the match leaves every result with the
// players who earned it: the match has no results, or its stored pairs
// (by name) come first in `paren`, in order (pairs may only be added). The
// results are tied to pair numbers, so a dropped or changed pair would hand
// them to other players.
bool ParenBehoudenUitslagen(const QString& wedstrijd, const QVector<Paar>& paren);

// True when an existing match can be saved again without losing anything:
// its board count, overview and done flags can be read, or are missing
// while nothing in the match holds results. Otherwise false, with the read
// that failed in `u` (for the message).
bool HerbewarenVeilig(const QString& wedstrijd, uitslag::LeesUitkomst& u);

// Creates match `wedstrijd` for `paren`, or re-saves it:
// - a new match gets `spellen` boards (1 to 48), all done flags "0", an
//   overview of a header row, one empty row per pair and a closing row;
// - an existing match keeps its board count, its done flags and, row by
//   pair number, the results in its overview; a row's label follows the
//   pair's new names; rows of pair numbers beyond the new count go;
// - the pairs file and the mail list hold the pair lines.
// Each file is replaced whole. False with a reason in `fout` when the name
// is not plain or names a board file, the board count is needed and outside
// 1 to 48, a pair cannot be written (a name holding "~" cannot stand in the
// overview), results would be lost (HerbewarenVeilig, ParenBehoudenUitslagen),
// or a write fails. Everything is checked before the first file is written;
// a new match whose write fails is removed again, so no half-made folder
// stays behind.
bool BewaarWedstrijd(const QString& wedstrijd, const QVector<Paar>& paren, int spellen,
                     QString* fout = nullptr);

// The overview rows of a match for `paren` with `spellen` boards, built
// from the existing rows (empty for a new match; otherwise their header
// stays and sets the width of every row): see BewaarWedstrijd.
QVector<QStringList> OverzichtRijen(const QVector<QStringList>& bestaand, const QVector<Paar>& paren,
                                    int spellen);

// The names of the files in the match folder that belong to the match
// itself (pairs, board count, done flags, overview, mail list), under
// either language's words, as they exist now.
QStringList EigenWedstrijdBestanden(const QString& wedstrijd);

// Why a new name is refused, or Geen when it may be used. BordNaam,
// TeLang and Tekens: a match name refused by the rule for match names
// (uitslag::ToetsWedstrijdNaam): its pairs file would share a board file's
// name, it is too long for the files named after it, or it holds a
// character outside code page 1252.
enum class NaamFout { Geen, Ongeldig, Bestaat, Mislukt, BordNaam, TeLang, Tekens };

// Renames the file <map>\<oudBestand> (its real name, extension included, in
// whatever case it has: "Dinsdag.TXT") to <nieuw> with the same extension.
// The new name is checked whole: trimmed, allowed by the refusal text (text
// 85) and not in use, also not in another letter case (no "a.txt" beside
// "A.txt"; changing only the case of the file's own name is allowed).
// `nieuw` receives the trimmed name.
NaamFout HernoemBestand(const QString& map, const QString& oudBestand, QString& nieuw,
                        const QString& weigerTekst, QString* fout = nullptr);

// Renames match `oud` to `nieuw`: the folder and exactly the files of
// EigenWedstrijdBestanden (their leading match name replaced); board result
// files keep their names. Checked as HernoemBestand, and every new file name
// is made before anything is renamed: a name whose files would not fit the
// file system is refused (TeLang) with nothing changed. On failure
// everything keeps its old name.
NaamFout HernoemWedstrijd(const QString& oud, QString& nieuw, const QString& weigerTekst,
                          QString* fout = nullptr);

// Deletes the match folder with everything in it, only when it is a real
// folder directly in the results folder (no link, no path outside).
bool WisWedstrijd(const QString& wedstrijd, QString* fout = nullptr);

}  // namespace groep
