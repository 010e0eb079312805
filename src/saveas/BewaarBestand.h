#pragma once
// Saving a list of lines as a named text file in one folder of the program,
// as the Save-as dialog does for deal sets and names files.
//
// The order is fixed: the name is checked whole, then, when a non-empty file
// of that name exists, the overwrite question is asked; only after Yes (or
// when there was nothing to overwrite) is the file replaced, atomically, so a
// failing write leaves the old file as it was.

#include <functional>

#include <QString>
#include <QStringList>

namespace bewaarnaam {

enum class BewaarUitkomst {
    Geschreven,        // the file now holds the lines
    NietOverschreven,  // the user answered No: nothing was written
    OngeldigeNaam,     // refused by the whole-name check: nothing was written
    Mislukt,           // the write failed: the old file (if any) is untouched
};

// The file for a name: map/<name>.txt, where map is a program path such as
// "Spellen" (resolved without regard to case). Empty when the name would
// leave the folder.
QString BestandVoorNaam(const QString& map, const QString& naam);

// magOverschrijven gets the file name (name & ".txt") and returns the answer
// to the overwrite question. fout receives the reason of a failed write.
BewaarUitkomst BewaarRegels(const QString& map, const QString& naam, const QStringList& regels,
                            const QString& weigerTekst,
                            const std::function<bool(const QString&)>& magOverschrijven,
                            QString* fout = nullptr);

// The message for a failed write, in language taalNummer (10 Dutch, 11 English).
QString SchrijfFoutMelding(const QString& bestandsnaam, const QString& reden, int taalNummer);

}  // namespace bewaarnaam
