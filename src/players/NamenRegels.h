#pragma once
// Rules of the names editor that need no window: the names file, the
// cleaning of typed names and addresses, the name order, and the reading of
// the sibling results program's names files for import.
//
// Names file (namen\<name>.txt): code page 1252, one line per player ended
// by CR LF, "number|name|e-mail address". No field holds "|".

#include <QString>
#include <QStringList>
#include <QVector>
#include <utility>

struct NaamRegel {
    QString nummer;
    QString naam;
    QString adres;
};

// A names file is a short list; anything larger is not one.
constexpr qint64 NamenBestandMax = 4 * 1024 * 1024;

// The tidying the edit boxes apply to whatever comes in (typed or pasted):
// control characters go, and a doubled "..", two blanks or "@@" lose their
// second character. Nothing else is changed: what cannot be stored is
// refused with a message (InvoerBezwaar), never altered.
QString SchoonInvoer(const QString& tekst);

// Why a name (isNaam) or an address cannot go into a names file as it
// stands, as the message for the user; "" when it can. Refused: characters
// outside the files' code page, "|" (the field separator of names and pair
// files) and, in a name, " - " and "~" (the separators of a pair line and of
// the results overview).
QString InvoerBezwaar(const QString& tekst, bool isNaam);

// Where in the text the characters stand that make InvoerBezwaar refuse it,
// as start and length (in QString units): each character outside the code
// page, each "|", and in a name each " - " and "~". Empty when it can be
// stored.
QList<std::pair<int, int>> BezwaarDelen(const QString& tekst, bool isNaam);

// True when a name can stand in a pair line and in a match overview.
bool NaamBruikbaarInPaar(const QString& naam);

// True when the address (trimmed) is one the program can mail to.
bool AdresGoed(const QString& adres);

// The name order of the grid: case-sensitive, empty names after every name.
bool NaamVoor(const QString& a, const QString& b);

// The players of the lines of a names file. Each line as it stands gives one
// row, a blank line an empty row; of a line with more than three fields the
// first three count, missing fields are empty. Rows at the end without a
// name (trimmed) are dropped.
QVector<NaamRegel> LeesNamenRegels(const QStringList& regels);

// The line of a names file for one row.
QString NamenBestandRegel(const NaamRegel& r);

// What an import takes from a sibling names file (*.abs), and what it
// refused or changed. A line holds fields separated by "|": the name is
// field 2 and field 3 (each trimmed, one blank between), the address field
// 5 (trimmed); missing fields count as empty; a line without a name gives no
// player. The name is tidied as typed names are; a name that cannot be
// stored in a names file, or would break a pair line, is not taken over; an
// address the program cannot mail to is left out (the player stays). Each of
// these is listed, so that nothing is refused or changed without a word.
struct AbsImport {
    QVector<NaamRegel> spelers;  // taken over, in file order, unnumbered
    QStringList paarNiet;        // names refused: " - " or "~"
    QStringList tekensNiet;      // names refused, "name (characters)"
    QStringList zonderAdres;     // "name (address)": taken over without it
    QStringList opgeschoond;     // names taken over tidied
};
AbsImport LeesAbsImport(const QStringList& regels);

// The report of an import for the user, naming the file; "" when every
// player was taken over as it stood. Each kind lists at most `perSoort`
// players and then says how many more there are.
QString AbsImportVerslag(const AbsImport& import, const QString& bestand, int perSoort = 8);
