#pragma once
// Replacing a file safely: the new content goes to a temporary file in the
// same folder, which is renamed over the old file only when it is complete.
// After any failure the old file is untouched.

#include <QByteArray>
#include <QString>

namespace platform {

// Writes `data` as the whole content of `path` (resolved through
// resolvePath). Returns false and sets `error` (when given) to a readable
// reason when the file could not be written.
bool writeFileAtomic(const QString& path, const QByteArray& data, QString* error = nullptr);

}  // namespace platform
