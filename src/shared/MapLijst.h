#pragma once
// The lists of saved files and folders the windows show: the names files,
// the group files, the matches and the sibling program's names files.
//
// Every list comes from one folder: its files with one extension, or its
// sub-folders. Hidden entries and names that are no plain path component are
// left out. The entries are ordered alphabetically without regard to case,
// ascending or descending. Each item shows the file name without the
// extension (up to its last occurrence) and keeps the real name behind it,
// so that "x.y.txt" shows as "x.y" and opens "x.y.txt".

#include <QList>
#include <QString>

namespace platform {
class ListBox;
}

struct MapItem {
    QString toon;  // what the list shows
    QString naam;  // the file or folder name in the folder
};

// extensie: ".txt", ".abs", ...; empty lists the sub-folders instead.
QList<MapItem> MapInhoud(const QString& map, const QString& extensie, bool aflopend);

// Fills `lijst` with what the entries of MapInhoud show, in their order, and
// returns the entries: the caller keeps their real names beside the list.
QList<MapItem> VulMapLijst(platform::ListBox& lijst, const QString& map, const QString& extensie, bool aflopend);

// A sort box's stored value: 0 ascending; any other value counts as
// descending (as ticked).
inline bool SorteerAflopend(int waarde) { return waarde != 0; }

// The caption of a list's frame: the text, and " (n)" when it lists n > 0.
QString LijstKop(const QString& tekst, int aantal);

// Deletes the listed file `naam` at `pad`. "" when it is gone (or was gone
// already); otherwise the message that says it could not be deleted, and
// why, in the current language.
QString WisLijstBestand(const QString& pad, const QString& naam);
