#pragma once
// Runs a step of a test with a folder made read-only, as an ordinary user
// meets it. A test run as root (as CI runs) would still delete from it, so
// the step then runs with the effective user id of "nobody"; the home folder
// is opened for traversal meanwhile. Rights and user are restored after.

#include <QFile>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

template <class Stap>
void AlsGewoneGebruikerInLeesMap(const QString& thuis, const QString& map, Stap stap) {
    const QByteArray t = QFile::encodeName(thuis), m = QFile::encodeName(map);
    struct stat oudThuis {}, oudMap {};
    QCOMPARE(::stat(t.constData(), &oudThuis), 0);
    QCOMPARE(::stat(m.constData(), &oudMap), 0);
    QCOMPARE(::chmod(t.constData(), 0755), 0);
    QCOMPARE(::chmod(m.constData(), 0555), 0);
    const bool root = ::geteuid() == 0;
    if (root) QCOMPARE(::seteuid(65534), 0);
    stap();
    if (root) QCOMPARE(::seteuid(0), 0);
    QCOMPARE(::chmod(m.constData(), oudMap.st_mode & 07777), 0);
    QCOMPARE(::chmod(t.constData(), oudThuis.st_mode & 07777), 0);
}

}  // namespace testsupport
