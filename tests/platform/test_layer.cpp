// The forms layer (src/platform) includes nothing of the program: no file of
// it names a header from another folder of src/, directly or through "..".
#include <QDir>
#include <QDirIterator>
#include <QFile>
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
};

QTEST_MAIN(TestLayer)
#include "test_layer.moc"
