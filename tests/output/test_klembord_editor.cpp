// Finding and starting the plain-text editor of the clipboard window.

#include <QtTest>

#include "output/KlembordEditor.h"

using namespace klembord;

namespace {

// An executable shell script in `map` that writes its arguments to `uit`.
QString Script(const QString& map, const QString& naam, const QString& uit = {}) {
    const QString pad = map + "/" + naam;
    QFile f(pad);
    f.open(QIODevice::WriteOnly);
    f.write("#!/bin/sh\n");
    if (!uit.isEmpty()) f.write(("echo \"$@\" > '" + uit + "'\n").toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return pad;
}

}  // namespace

class TestKlembordEditor : public QObject {
    Q_OBJECT
private slots:
    void visualComesFirstThenKnownEditorsOnPath() {
        QTemporaryDir a, b;
        Script(a.path(), "mousepad");
        Script(b.path(), "gedit");
        const QString myed = Script(b.path(), "myed");
        const QString pad = a.path() + ":" + b.path();
        const QList<EditorOpdracht> k = EditorKandidaten("myed --new-window", pad);
        QCOMPARE(k.size(), 3);
        QCOMPARE(k[0].programma, myed);
        QCOMPARE(k[0].argumenten, QStringList{"--new-window"});
        QCOMPARE(QFileInfo(k[1].programma).fileName(), QString("gedit"));
        QCOMPARE(QFileInfo(k[2].programma).fileName(), QString("mousepad"));
        QVERIFY(k[2].argumenten.isEmpty());
    }
    void visualThatCannotBeFoundIsSkipped() {
        QTemporaryDir a;
        Script(a.path(), "kate");
        QFile plain(a.path() + "/notexec");
        plain.open(QIODevice::WriteOnly);
        plain.close();
        for (const QString& visual : {QString("nosuch-editor"), a.path() + "/notexec", QString("  ")}) {
            const QList<EditorOpdracht> k = EditorKandidaten(visual, a.path());
            QCOMPARE(k.size(), 1);
            QCOMPARE(QFileInfo(k[0].programma).fileName(), QString("kate"));
        }
        // An absolute VISUAL needs no PATH; a known editor named twice is tried once.
        const QString kate = a.path() + "/kate";
        const QList<EditorOpdracht> k = EditorKandidaten(kate, a.path());
        QCOMPARE(k.size(), 1);
        QVERIFY(EditorKandidaten("", "").isEmpty());
    }
    void startTriesEachUntilOneStarts() {
        QStringList geprobeerd;
        const QList<EditorOpdracht> k{{"/x/a", {}}, {"/x/b", {}}, {"/x/c", {}}};
        QVERIFY(StartTekstEditor(k, [&](const EditorOpdracht& o) {
            geprobeerd << o.programma;
            return o.programma == "/x/b";
        }));
        QCOMPARE(geprobeerd, (QStringList{"/x/a", "/x/b"}));
        QVERIFY(!StartTekstEditor({}, [](const EditorOpdracht&) { return true; }));
        QVERIFY(!StartTekstEditor(k, [](const EditorOpdracht&) { return false; }));
    }
    void startsDetachedWithoutWaiting() {
        QTemporaryDir a;
        const QString uit = a.filePath("gestart.txt");
        Script(a.path(), "gedit", uit);
        const QByteArray oudPad = qgetenv("PATH"), oudVisual = qgetenv("VISUAL");
        qputenv("PATH", a.path().toLocal8Bit());
        qunsetenv("VISUAL");
        QVERIFY(StartTekstEditor());
        qputenv("PATH", oudPad);
        qputenv("VISUAL", oudVisual);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(uit).size() > 0, 10000);
        QFile f(uit);
        f.open(QIODevice::ReadOnly);
        QCOMPARE(f.readAll().trimmed(), QByteArray());
    }
    void nothingToStartGivesFalse() {
        QTemporaryDir leeg;
        const QByteArray oudPad = qgetenv("PATH"), oudVisual = qgetenv("VISUAL");
        qputenv("PATH", leeg.path().toLocal8Bit());
        qputenv("VISUAL", "nosuch-editor");
        const bool gestart = StartTekstEditor();
        qputenv("PATH", oudPad);
        qputenv("VISUAL", oudVisual);
        QVERIFY(!gestart);
    }
};

QTEST_GUILESS_MAIN(TestKlembordEditor)
#include "test_klembord_editor.moc"
