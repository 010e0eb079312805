#pragma once
// The program folder and the paths inside it.
//
// Program code builds paths with "\" or "/" as separator and without regard
// to the case of folder and file names. Every such path goes through
// resolvePath(), which maps it onto what exists on disk: each component is
// looked up exactly first and otherwise without regard to case; components
// that do not exist yet keep the spelling they were given.

#include <QString>
#include <QStringList>

namespace platform {

// The folder holding every data folder and INI file of the program, without a
// trailing separator: $DROVIK_HOME when set; otherwise the executable's
// folder when it is writable; otherwise $XDG_DATA_HOME/velmora-drovik
// (~/.local/share/velmora-drovik). The folder is created at the first
// lookup (of each folder, should $DROVIK_HOME change); one removed after that
// is made again by the next write into it (remakeProgramFolder).
QString programFolder();

// Makes the program folder again when it is missing (removed after its
// first lookup). True when it made it: a write that failed for it may be
// tried again.
bool remakeProgramFolder();

// programFolder() joined with a relative program path ("spellen\x.txt"),
// resolved as resolvePath() does.
QString programPath(const QString& relative);

// Turns "\" into "/" and, for a path inside the program folder (or a relative
// path, taken relative to it), finds existing folders and files without
// regard to case. Paths outside the program folder only get their separators
// converted. An empty path stays empty.
QString resolvePath(const QString& path);

// Resolves `relative` below the existing folder `base` component by
// component without regard to case (see above). `base` itself is used as is.
QString resolveBelow(const QString& base, const QString& relative);

// The files `names` (plain names) of the folder `folder` (a resolved path),
// each resolved as resolveBelow(folder, name) would, from one reading of the
// folder instead of a look-up per name.
QStringList resolveNamesIn(const QString& folder, const QStringList& names);

// Makes the folder `folder` (an absolute path) and those above it that are
// missing, parents first. A folder that is there already is only looked at,
// not made again. False when it is not a folder afterwards.
bool makeFolders(const QString& folder);

// "\" to "/", doubled separators collapsed; a trailing separator is kept.
QString normalizeSeparators(const QString& path);

// True when `name` is one plain path component that a file list may show:
// not empty, not "." or "..", no "/" or "\" (which the resolver would read
// as a separator), no control character, and no character that does not
// survive the file system's encoding (such a name cannot be opened again).
bool isPlainFileName(const QString& name);

}  // namespace platform
