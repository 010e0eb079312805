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

struct NaamRegel {
    QString nummer;
    QString naam;
    QString adres;
};

// A names file is a short list; anything larger is not one.
constexpr qint64 NamenBestandMax = 4 * 1024 * 1024;

// What the edit boxes may hold, whatever way the text came in (typed or
// pasted): no "|" (the field separator of every names and pairs file) and
// no control character; a doubled "..", two blanks or "@@" lose their
// second character. A name (isNaam) also holds no " - ", the separator of
// the two players of a pair line: it becomes "-".
QString SchoonInvoer(const QString& tekst, bool isNaam);

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

// One line of a sibling names file (*.abs): fields separated by "|", the
// name is field 2 and field 3 (each trimmed, one blank between), the address
// field 5 (trimmed). Missing fields count as empty. False when the line gives
// no player (blank, or no name). The name is cleaned as typed names are; an
// address the program cannot mail to is left out (the player stays).
bool LeesAbsRegel(const QString& regel, NaamRegel& uit);

// The players of a sibling names file's lines, in file order, unnumbered.
QVector<NaamRegel> LeesAbsRegels(const QStringList& regels);
