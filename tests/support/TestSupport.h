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

// Writes a file for a test, making its folder first; fails the test when
// the file cannot be opened.
void WriteTestFile(const QString& path, const QByteArray& data);
// The bytes of a file, or whenMissing when it cannot be read.
QByteArray ReadTestFile(const QString& path, const QByteArray& whenMissing = QByteArray("<missing>"));
// Makes a settings file larger than the program's writes of it may make (a
// long comment at its end), so that every later write of it fails.
void OverfillSettingsFile(const QString& path);

}  // namespace testsupport
