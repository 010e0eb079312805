// The README's language command, as printed, typed in a new shell (nothing
// of this test's environment): with DROVIK_HOME exported it makes the
// folder and sets the language there; without it, it stops with a message
// that names DROVIK_HOME and writes nothing, least of all at the top of the
// file system.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/TestSupport.h"

namespace {

// The command of the README's language section: its one indented line
// that writes taal.ini.
QString TaalOpdracht() {
    QFile f(QStringLiteral(DROVIK_SOURCE_DIR "/README.md"));
    if (!f.open(QIODevice::ReadOnly)) return QString();
    for (const QByteArray& regel : f.readAll().split('\n'))
        if (regel.startsWith("    ") && regel.contains("taal.ini") && regel.contains("printf"))
            return QString::fromUtf8(regel.trimmed());
    return QString();
}

struct Uitkomst {
    int code = -1;
    QByteArray fout;
};

// Runs `opdracht` in a new shell in `map`, with only `omgeving` set.
Uitkomst InNieuweShell(const QString& opdracht, const QString& map, const QStringList& omgeving) {
    QProcess p;
    p.setWorkingDirectory(map);
    p.start(QStringLiteral("env"), QStringList{"-i"} + omgeving + QStringList{"bash", "-c", opdracht});
    p.waitForFinished(10000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardError()};
}

}  // namespace

class TestReadme : public QObject {
    Q_OBJECT

private slots:
    void theLanguageCommandSetsTheProgramFolders() {
        const QString opdracht = TaalOpdracht();
        QVERIFY2(!opdracht.isEmpty(), "no language command in the README");
        QTemporaryDir dir;
        const QString thuis = dir.filePath("drovik");
        const Uitkomst u = InNieuweShell(opdracht, dir.path(), {"DROVIK_HOME=" + thuis});
        QVERIFY2(u.code == 0, u.fout.constData());
        QCOMPARE(testsupport::ReadTestFile(thuis + "/taal.ini"), QByteArray("[Taal]\r\nnummer=11\r\n"));
    }

    void withoutTheFolderItStopsAndSaysSo() {
        const QString opdracht = TaalOpdracht();
        QVERIFY2(!opdracht.isEmpty(), "no language command in the README");
        QTemporaryDir dir;
        const QFileInfo wortel(QStringLiteral("/taal.ini"));
        const bool wasEr = wortel.exists();
        const QDateTime toen = wasEr ? wortel.lastModified() : QDateTime();
        for (const QStringList& omgeving : {QStringList(), QStringList{"DROVIK_HOME="}}) {
            const Uitkomst u = InNieuweShell(opdracht, dir.path(), omgeving);
            QVERIFY2(u.code != 0, qPrintable(omgeving.join(' ')));
            QVERIFY2(u.fout.contains("DROVIK_HOME"), u.fout.constData());
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
            QFileInfo na(QStringLiteral("/taal.ini"));
            QCOMPARE(na.exists(), wasEr);
            if (wasEr) QCOMPARE(na.lastModified(), toen);
        }
    }
};

QTEST_GUILESS_MAIN(TestReadme)
#include "test_readme.moc"
