#pragma once
// Helpers shared by the test executables.

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A fresh program folder for one test: sets DROVIK_HOME to a new temporary
// folder for as long as the object lives.
class TempHome {
public:
    TempHome();
    ~TempHome();
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }
private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_ = false;
};

}  // namespace testsupport
