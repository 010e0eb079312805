#pragma once
// Replacing a file safely: the new content goes to a temporary file in the
// same folder, which is renamed over the old file only when it is complete.
// After any failure the old file is untouched. A read-only file, or one
// that is not a regular file, is never replaced: the write fails.

#include <QByteArray>
#include <QString>

namespace platform {

// Writes `data` as the whole content of `path` (resolved through
// resolvePath). Returns false and sets `error` (when given) to a readable
// reason when the file could not be written.
bool writeFileAtomic(const QString& path, const QByteArray& data, QString* error = nullptr);

// Removes the temporary files that writes interrupted by a crash or a power
// cut left in `folder` and in its sub-folders down to `depth` levels (links
// and hidden folders are not entered). Returns how many were removed. Only
// run while no write of this program is under way.
int removeStaleTempFiles(const QString& folder, int depth);

}  // namespace platform
