#pragma once
// Writing match files without making the user wait on the disk. While
// results are typed, each finished board replaces several files, each one
// written safely (temporary file, flushed to disk, renamed); on a slow disk
// that takes longer than the user takes for a key. The writes go to one
// writer thread instead, which replaces the files one after another in the
// order they were asked for, each whole or not at all (AtomicFile), so a
// kill at any moment leaves every file as before or as after its write.
//
// The writes asked for while one handler runs are collected first, and a
// file asked for twice in that time is written once, with its newest
// content; they go to the writer when the handler is done. A file whose
// content on disk is already the content asked for is not written again.
//
// Everything that reads, replaces or removes a match file first waits for
// the queued writes of that file (WachtOp), so nobody sees it older than
// the program's own last word on it.

#include <QByteArray>
#include <QString>
#include <functional>

namespace uitslag {

// Queues `data` as the whole new content of the file `pad` (a full path).
// Refuses at once, with the reason in `fout`, what can be seen to fail now:
// no folder for it, a folder or another non-regular file in its place, a
// read-only file or folder. A write that fails later is reported through
// the handler of BijSchrijfFout.
bool SchrijfLater(const QString& pad, const QByteArray& data, QString* fout = nullptr);

// Returns once every write queued for `pad` is done (with an empty `pad`:
// every queued write).
void WachtOp(const QString& pad = QString());

// Called on the user-interface thread after the handlers that ran when a
// queued write failed: the file's path and the reason. Without a handler
// the failure is only logged.
void BijSchrijfFout(std::function<void(const QString& pad, const QString& fout)> melder);

}  // namespace uitslag
