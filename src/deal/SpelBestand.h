#pragma once
// Deal set files: the header line and one record per board, in the deal set
// folder under the program folder, code page 1252 with CR LF line ends.
// Reading checks the whole file before anything is handed back, so a bad
// file never replaces the set on screen.

#include <QString>
#include <QStringList>

namespace spel {

enum class SpelSetFout {
    Geen,          // read and valid
    Ontbreekt,     // the file does not exist (any more)
    Onleesbaar,    // it exists but cannot be read
    Leeg,          // no lines at all
    KopVelden,     // the header has not six fields
    GeenSpellen,   // a header and no records
    TeVeelSpellen, // more than 48 records
    RecordVelden,  // a record (a line number) has not 21 fields: cut off or foreign
    TeGroot,       // far larger than any deal set file (kSpelSetMax)
};

// The largest deal set file read: 48 boards take a few kilobytes.
constexpr qint64 kSpelSetMax = 256 * 1024;

// The path of the deal set file `naam` in the deal set folder, or "" when
// naam is no name of the user's own (EigenNaamGeldig): such a name never
// reaches a file outside the folder, nor one of the program's hidden files.
QString SpelSetPad(const QString& naam);

struct SpelSet {
    QString kop;          // line 1
    QStringList records;  // lines 2.., board 1 first
    // The file image: the header, then the records.
    QStringList Regels() const;
};

struct SpelSetUitkomst {
    SpelSetFout fout = SpelSetFout::Geen;
    int regel = 0;  // the 1-based line at fault, for RecordVelden
    SpelSet set;
    bool Gelukt() const { return fout == SpelSetFout::Geen; }
};

// Checks the lines of a deal set file. Empty lines after the last record
// are ignored; any other line must be a full record.
SpelSetUitkomst ControleerSpelSet(const QStringList& regels);

// Reads and checks the deal set file at pad (resolved without regard to
// case). Anything but a regular file is Onleesbaar; "" is Ontbreekt.
SpelSetUitkomst LeesSpelSet(const QString& pad);

// Writes the file image (header and records), code page 1252, CR LF after
// every line; the old file is replaced only when the new one is complete.
bool SchrijfSpelSet(const QString& pad, const QStringList& regels, QString* fout = nullptr);

// The message for a failed load, in the language taalNummer (10 Dutch,
// 11 English); naam is the set's name as listed.
QString SpelSetMelding(const SpelSetUitkomst& uitkomst, const QString& naam, int taalNummer);

// Why a delete did not happen.
enum class WisFout {
    GeenKeuze,  // no entry of the list is selected
    Mislukt,    // the file could not be removed
};
QString WisMelding(WisFout fout, const QString& naam, int taalNummer);

// The set names of a folder listing: every "*.txt" (any case) without that
// final extension, in alphabetical order without regard to case; reversed
// when omgekeerd. Other files are left out.
QStringList SpelSetNamen(const QStringList& bestandsnamen, bool omgekeerd);

}  // namespace spel
