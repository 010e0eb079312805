#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>
#include <cstdlib>

#include "platform/SingleInstance.h"

namespace testsupport {

TempHome::TempHome() {
    hadPrevious_ = qEnvironmentVariableIsSet("DROVIK_HOME");
    previous_ = qgetenv("DROVIK_HOME");
    qputenv("DROVIK_HOME", dir_.path().toLocal8Bit());
}

TempHome::~TempHome() {
    // A lock the code under test took in this folder goes before the folder.
    platform::releaseProgramLock();
    if (hadPrevious_)
        qputenv("DROVIK_HOME", previous_);
    else
        qunsetenv("DROVIK_HOME");
}

void WriteTestFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(data);
}

void OverfillSettingsFile(const QString& path) {
    QFile f(path);
    QVERIFY2(f.open(QIODevice::Append), qPrintable(path));
    f.write("; " + QByteArray(3000, 'x') + "\r\n");
}

QByteArray ReadTestFile(const QString& path, const QByteArray& whenMissing) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : whenMissing;
}

}  // namespace testsupport
