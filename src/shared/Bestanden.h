#pragma once
// Files, folders and system lookups. Paths may use "\" or "/" and are
// matched without regard to case inside the program folder.

#include <QString>

// 1 the file exists and is not empty, 0 it exists and is empty, -1 it is
// missing, a folder, or cannot be read.
int BestandBestaat(const QString& pad);

// The one rule for the name of a file or folder the program keeps for the
// user (deal set, names file, group, match, lesson), checked by every path
// built from such a name and by the check of every typed name: one plain
// path component (no separator, not "." or "..", no control character), no
// blanks around it, and no "." in front. A name starting with "." is hidden
// from every list and would share the form of the program's own working
// files and folders (".nieuw-...", ".oud-...", ".drovik-tmp...."), which
// the start-up clean-up removes.
bool EigenNaamGeldig(const QString& naam);

// Makes `pad` end with a separator (the caller's variable changes) and
// creates every missing folder along it, parents first. Errors are ignored:
// the caller finds out when it writes a file there.
void MaakMappen(QString& pad);

// True when the system reports a way onto the network (a default route).
bool HeeftInternet();

// The shell folder number of the desktop.
constexpr int CSIDL_BUREAUBLAD = 16;

// For 16 (the desktop): the desktop folder's path followed by a zero
// character and blanks up to 512 characters; callers cut at the zero
// character and trim. Any other number gives "".
QString SpecialeMap(int csidl);

// SpecialeMap(16) already cut and trimmed: the desktop folder path.
QString BureaubladMap();
