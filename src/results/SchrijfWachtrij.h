#pragma once
// Writing match files without making the user wait on the disk. While
// results are typed, each finished board replaces several files, each one
// written safely (temporary file, flushed to disk, renamed); on a slow disk
// that takes longer than the user takes for a key. The writes go to one
// writer thread instead, which replaces the files one after another in the
// order they were asked for, each whole or not at all (AtomicFile), so a
// kill at any moment leaves every file as before or as after its write.
//
// At most one write per file waits: a newer content asked for while an
// older one still waits replaces it (the file being written at that moment
// is written again afterwards). The writes asked for while one handler
// runs go to the writer when the handler is done. A file whose content on
// disk is already the content asked for is not written again.
//
// A write may name the files it stands on (`nodig`): the overview and the
// done flags say a board is done, which is only true once the board's
// result file is on disk. Such a write waits behind those files, and is
// not made at all while the last write of one of them failed: the file on
// disk then keeps saying what it said before.
//
// Everything that reads, replaces or removes a match file first waits for
// the queued writes of that file (WachtOp), so nobody sees it older than
// the program's own last word on it. The program ending through End waits
// for every queued write first.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace uitslag {

// Queues `data` as the whole new content of the file `pad` (a full path).
// Refuses at once, with the reason in `fout`, what can be seen to fail now:
// no folder for it, a folder or another non-regular file in its place, a
// read-only file or folder. A refused write counts as a failed one
// (MeldGeweigerd); a write that fails later is reported through the handler
// of BijSchrijfFout. `nodig`: full paths of the files this content stands
// on (see above).
bool SchrijfLater(const QString& pad, const QByteArray& data, QString* fout = nullptr,
                  const QStringList& nodig = {});

// A write of `pad` that was refused before it could be queued: it counts as
// a write of the file that failed (Mislukt, and what stands on the file
// waits) and is reported the same way, through BijSchrijfFout, first only
// once until a write of the file succeeds. So a file refused at every
// contract typed is told once, as one that fails on the disk is.
void MeldGeweigerd(const QString& pad, const QString& fout);

// Returns once every write queued for `pad` is done (with an empty `pad`:
// every queued write).
void WachtOp(const QString& pad = QString());
// Waits at most `ms` milliseconds for every queued write; true when none
// is left.
bool WachtHoogstens(int ms);
// How many files are still to be written (waiting or being written).
int Wachtend();

// True while the last write of `pad` failed (until one succeeds).
bool Mislukt(const QString& pad);

// A write that failed: the file's full path, the reason, and whether it is
// the first failure of the file since its last successful write (the one
// to tell the user about; while its writes go on failing, nothing new is
// to be said).
struct SchrijfFout {
    QString pad;
    QString fout;
    bool eerste = true;
};

// Called on the user-interface thread, once no handler runs, for every
// write that failed. Without a handler a first failure is only logged.
void BijSchrijfFout(std::function<void(const SchrijfFout&)> melder);
// Reports the failures not yet reported now, on this (the user-interface)
// thread, instead of once no handler runs.
void MeldFoutenNu();

}  // namespace uitslag
