// The forms layer (src/platform) includes nothing of the program: no file of
// it names a header from another folder of src/, directly or through "..".
// And the build's include wall refuses, in any folder, an include that
// climbs out of it with "..".
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Every include of the files under `folder` that reaches outside it, as
// "file: include".
QStringList IncludesOutside(const QString& folder, const QStringList& programFolders) {
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"));
    QStringList found;
    QDirIterator it(folder, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            found << file + ": unreadable";
            continue;
        }
        const QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
        for (const QString& line : lines) {
            const auto m = include.match(line);
            if (!m.hasMatch()) continue;
            const QString path = m.captured(1);
            const QString first = path.section('/', 0, 0);
            if (path.contains("..") || programFolders.contains(first))
                found << QFileInfo(file).fileName() + ": " + path;
        }
    }
    return found;
}

// Runs the build's include wall on a folder holding one source file;
// false when it refuses, with its message in `melding`.
bool WallLaatToe(const QByteArray& bron, QString& melding) {
    QTemporaryDir dir;
    QFile f(dir.filePath("Venster.cpp"));
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(bron);
    f.close();
    QProcess cmake;
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(QStringLiteral(DROVIK_CMAKE), {"-DFOLDER=" + dir.path(), "-DSTAMP=" + dir.filePath("stamp"), "-P",
                                                QStringLiteral(DROVIK_INCLUDE_WALL)});
    if (!cmake.waitForFinished(60000)) return false;
    melding = QString::fromUtf8(cmake.readAll());
    return cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0 && QFile::exists(dir.filePath("stamp"));
}

}  // namespace

class TestLayer : public QObject {
    Q_OBJECT
private slots:
    void platformIncludesNothingOfTheProgram() {
        const QDir src(QStringLiteral(DROVIK_SOURCE_DIR) + "/src");
        QStringList programFolders = src.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        programFolders.removeAll("platform");
        for (const char* known : {"shared", "main", "output", "resources"})
            QVERIFY2(programFolders.contains(known), known);
        const QStringList outside = IncludesOutside(src.filePath("platform"), programFolders);
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join('\n')));
    }

    // The check itself sees an include of program code, quoted or through "..".
    void theCheckFindsProgramIncludes() {
        QTemporaryDir dir;
        QFile f(dir.filePath("Voorbeeld.cpp"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#include \"platform/Paths.h\"\n#include <QString>\n"
                "#include \"shared/Ini.h\"\n  #  include <main/frmVeldom01.h>\n#include \"../x.h\"\n");
        f.close();
        const QStringList outside = IncludesOutside(dir.path(), {"shared", "main"});
        QCOMPARE(outside, QStringList({"Voorbeeld.cpp: shared/Ini.h", "Voorbeeld.cpp: main/frmVeldom01.h",
                                       "Voorbeeld.cpp: ../x.h"}));
    }

    // An include of another folder through ".." is refused by the build,
    // quoted or not, however it is spaced; an include that names its folder
    // passes.
    void theBuildRefusesAnIncludeThatClimbsOut() {
        QString melding;
        QVERIFY2(WallLaatToe("#include \"results/Score.h\"\n#include <QString>\n", melding), qPrintable(melding));
        for (const QByteArray& regel : {QByteArray("#include \"../main/frmVeldom01.h\""), QByteArray("  #  include <../shared/Ini.h>"),
                                       QByteArray("#include \"deal/../main/Opstart.h\"")}) {
            QVERIFY2(!WallLaatToe("#include <QString>\n" + regel + "\n", melding), regel.constData());
            QVERIFY2(melding.contains("Venster.cpp") && melding.contains(".."), qPrintable(melding));
        }
    }
};

QTEST_MAIN(TestLayer)
#include "test_layer.moc"
