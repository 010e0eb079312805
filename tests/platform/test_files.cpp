#include <QtTest>

#include "platform/AtomicFile.h"
#include "platform/FileTestHelpers.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using testsupport::readRaw;
using testsupport::writeRaw;

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    // --- code page 1252 ---
    void cp1252CoversTheHighBlockBothWays() {
        QCOMPARE(encodeCp1252(QString::fromUtf8("é€‘’…Ÿ")), QByteArray("\xE9\x80\x91\x92\x85\x9F"));
        QCOMPARE(decodeCp1252("\xE9\x80\x91\x92\x85\x9F"), QString::fromUtf8("é€‘’…Ÿ"));
        for (int b = 0; b < 256; ++b) {
            const QByteArray one(1, char(b));
            QCOMPARE(encodeCp1252(decodeCp1252(one)), one);
        }
    }
    void charactersOutsideTheCodePageBecomeQuestionMarks() {
        QCOMPARE(encodeCp1252(QString::fromUtf8("a€łb😀c")), QByteArray("a\x80?b?c"));
    }
    void writersNeverStoreAChangedText() {
        // Each character the code page lacks, once, in order; "?" itself is
        // no loss.
        QCOMPARE(charsOutsideCp1252(QString::fromUtf8("Łukasz Wałęsa?")), QString::fromUtf8("Łłę"));
        QCOMPARE(charsOutsideCp1252(QString::fromUtf8("a😀b😀")), QString::fromUtf8("😀"));
        QCOMPARE(charsOutsideCp1252(QString::fromUtf8("Zoë € ‘x’ Œ")), QString());
        testsupport::TempHome home;
        const QString f = home.file("t.txt");
        QVERIFY(writeTextLines(f, {"oud"}));
        QString error;
        QVERIFY(!writeTextLines(f, {"goed", QString::fromUtf8("1|Łukasz|l@x.pl")}, &error));
        QVERIFY2(error.contains(QString::fromUtf8("Ł")) && error.contains("t.txt"), qPrintable(error));
        QVERIFY(!writeTextFile(f, QString::fromUtf8("x\nł"), &error));
        QVERIFY(!appendTextLines(f, {QString::fromUtf8("ę")}, &error));
        QCOMPARE(readRaw(f), QByteArray("oud\r\n"));
        QVERIFY(!writeTextLines(home.file("nieuw.txt"), {QString::fromUtf8("😀")}));
        QVERIFY(!QFile::exists(home.file("nieuw.txt")));
    }

    // --- lines ---
    void linesEndAtCrLfLfOrCr() {
        QCOMPARE(splitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
        QCOMPARE(splitLines("a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
        QCOMPARE(splitLines(""), QStringList());
        QCOMPARE(splitLines("\r\n"), QStringList{""});
    }
    void writeUsesCrLfAndReadsBack() {
        testsupport::TempHome home;
        const QString f = home.file("t.txt");
        QVERIFY(writeTextLines(f, {QString::fromUtf8("Gecreëerd"), "", "€"}));
        QCOMPARE(readRaw(f), QByteArray("Gecre\xEB" "erd\r\n\r\n\x80\r\n"));
        QStringList lines;
        QVERIFY(readTextLines(f, lines));
        QCOMPARE(lines, (QStringList{QString::fromUtf8("Gecreëerd"), "", QString::fromUtf8("€")}));
        QVERIFY(writeTextFile(f, "x\ny\r\nz"));
        QCOMPARE(readRaw(f), QByteArray("x\r\ny\r\nz"));
    }
    void utf8WithByteOrderMarkIsRead() {
        testsupport::TempHome home;
        QVERIFY(writeRaw(home.file("u.txt"), "\xEF\xBB\xBF" "caf\xC3\xA9\n"));
        QStringList lines;
        QVERIFY(readTextLines(home.file("u.txt"), lines));
        QCOMPARE(lines, QStringList{QString::fromUtf8("café")});
    }
    void missingFileOrFolderIsReported() {
        testsupport::TempHome home;
        QStringList lines{"stale"};
        QString error;
        QVERIFY(!readTextLines(home.file("nope.txt"), lines, &error));
        QVERIFY(lines.isEmpty());
        QVERIFY(error.contains("nope.txt"));
        QVERIFY(!readTextLines(home.path(), lines, &error));
        QVERIFY(error.contains("folder"));
    }
    void appendKeepsOldLines() {
        testsupport::TempHome home;
        const QString f = home.file("a.txt");
        QVERIFY(writeRaw(f, "een\ntwee"));
        QVERIFY(appendTextLines(f, {"drie"}));
        QCOMPARE(readRaw(f), QByteArray("een\r\ntwee\r\ndrie\r\n"));
        QVERIFY(appendTextLines(home.file("nieuw.txt"), {"x"}));
        QCOMPARE(readRaw(home.file("nieuw.txt")), QByteArray("x\r\n"));
    }

    // --- atomic replace ---
    void failedWriteLeavesTheOldFile() {
        testsupport::TempHome home;
        const QString f = home.file("keep.txt");
        QVERIFY(writeRaw(f, "old content\r\n"));
        QString error;
        {
            testsupport::FileSizeLimit limit(4096);
            QVERIFY(!writeFileAtomic(f, QByteArray(10000, 'x'), &error));
        }
        QVERIFY(error.contains("keep.txt"));
        QCOMPARE(readRaw(f), QByteArray("old content\r\n"));
        QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.txt"});
    }
    void writeIntoMissingFolderFails() {
        testsupport::TempHome home;
        QString error;
        QVERIFY(!writeFileAtomic(home.file("geen/map/x.txt"), "x", &error));
        QVERIFY(!error.isEmpty());
    }
    void replaceKeepsRightsAndFollowsLinks() {
        testsupport::TempHome home;
        const QString f = home.file("r.txt");
        QVERIFY(writeRaw(f, "1"));
        QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(QFile::link(f, home.file("link.txt")));
        QVERIFY(writeFileAtomic(home.file("link.txt"), "2"));
        QVERIFY(QFileInfo(home.file("link.txt")).isSymLink());
        QCOMPARE(readRaw(f), QByteArray("2"));
        const auto rights = QFile::permissions(f);
        QVERIFY(rights.testFlags(QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(!(rights & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner)));
    }

    // --- what a reader takes ---
    void readersRefuseAFifoWithoutWaiting() {
        testsupport::TempHome home;
        const QString fifo = home.file("taal.ini");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QElapsedTimer klok;
        klok.start();
        QStringList lines{"stale"};
        QString error;
        QVERIFY(!readTextLines(fifo, lines, &error));
        QVERIFY(lines.isEmpty());
        QVERIFY2(error.contains("taal.ini") && error.contains("not a regular file"), qPrintable(error));
        QByteArray bytes("x");
        QCOMPARE(readFileBytes(fifo, bytes, 100), FileFault::NotAFile);
        QVERIFY(bytes.isEmpty());
        QCOMPARE(inspectFile(fifo, 100), FileFault::NotAFile);
        QCOMPARE(readFileBytes("/dev/zero", bytes, 100), FileFault::NotAFile);
        QVERIFY(!appendTextLines(fifo, {"x"}));
        QVERIFY(klok.elapsed() < 5000);
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());  // left alone
    }
    void readersRefuseFilesBeyondTheirLimit() {
        testsupport::TempHome home;
        const QString f = home.file("groot.txt");
        QVERIFY(writeRaw(f, QByteArray(2000, 'a')));
        QByteArray bytes;
        QString error;
        QCOMPARE(readFileBytes(f, bytes, 1999, &error), FileFault::TooLarge);
        QVERIFY(bytes.isEmpty());
        QVERIFY(error.contains("too large"));
        QCOMPARE(inspectFile(f, 1999), FileFault::TooLarge);
        QCOMPARE(readFileBytes(f, bytes, 2000), FileFault::None);
        QCOMPARE(bytes.size(), 2000);
        QString text;
        QVERIFY(!readTextFile(f, text, &error, 1000));
        QVERIFY(readTextFile(f, text));
        QCOMPARE(inspectFile(home.file("weg.txt"), 10), FileFault::Missing);
        QCOMPARE(readFileBytes(home.file("weg.txt"), bytes, 10), FileFault::Missing);
        QCOMPARE(readFileBytes(home.path(), bytes, 10, &error), FileFault::NotAFile);
        QVERIFY(error.contains("folder"));
    }

    // --- what a write replaces ---
    void readOnlyFileIsNotReplaced() {
        testsupport::TempHome home;
        const QString f = home.file("vast.txt");
        QVERIFY(writeRaw(f, "old\r\n"));
        QVERIFY(QFile::setPermissions(f, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QString error;
        QVERIFY(!writeFileAtomic(f, "new", &error));
        QVERIFY2(error.contains("vast.txt") && error.contains("read-only"), qPrintable(error));
        QVERIFY(!writeTextLines(f, {"new"}));
        QVERIFY(!appendTextLines(f, {"new"}));
        QCOMPARE(readRaw(f), QByteArray("old\r\n"));
        QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"vast.txt"});
        QVERIFY(QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(writeFileAtomic(f, "new"));
        QCOMPARE(readRaw(f), QByteArray("new"));
    }
    void fifoIsNotReplaced() {
        testsupport::TempHome home;
        const QString fifo = home.file("pijp.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QString error;
        QVERIFY(!writeFileAtomic(fifo, "x", &error));
        QVERIFY(error.contains("not a regular file"));
        QVERIFY(!QFileInfo(fifo).isFile());
    }
    void rightsAreKeptOrMadeUserOnly() {
        testsupport::TempHome home;
        auto rights = [](const QString& f) {
            struct stat st {};
            return ::stat(QFile::encodeName(f).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
        };
        const QString f = home.file("a.txt");
        QVERIFY(writeRaw(f, "old"));
        QCOMPARE(::chmod(QFile::encodeName(f).constData(), 0640), 0);
        QVERIFY(writeFileAtomic(f, "usual"));
        QCOMPARE(rights(f), 0640);
        QVERIFY(writeFileAtomic(f, "private", nullptr, FileRights::UserOnly));
        QCOMPARE(rights(f), 0600);
        QCOMPARE(readRaw(f), QByteArray("private"));
        QVERIFY(writeFileAtomic(home.file("nieuw.txt"), "x", nullptr, FileRights::UserOnly));
        QCOMPARE(rights(home.file("nieuw.txt")), 0600);
    }
    void aWriterThatIsNotCommittedLeavesTheFileAsItWas() {
        testsupport::TempHome home;
        const QString f = home.file("doel.txt");
        QVERIFY(writeRaw(f, "old"));
        {
            AtomicFileWriter writer(f, FileRights::UserOnly);
            QVERIFY(writer.isOpen());
            QVERIFY(writer.write("half", 4));
            // Its temporary file is one start-up would remove after a crash.
            const QStringList hidden = QDir(home.path()).entryList({".*"}, QDir::Files | QDir::Hidden);
            QCOMPARE(hidden.size(), 1);
            QVERIFY2(hidden.first().startsWith(".drovik-tmp."), qPrintable(hidden.first()));
        }
        QCOMPARE(readRaw(f), QByteArray("old"));
        QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"doel.txt"});
        // A target that may not be replaced gives no temporary file at all.
        QVERIFY(QFile::setPermissions(f, QFile::ReadOwner));
        AtomicFileWriter refused(f);
        QVERIFY(!refused.isOpen());
        QVERIFY(!refused.write("x", 1));
        QVERIFY(!refused.commit());
        QVERIFY(refused.error().contains("read-only"));
        QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"doel.txt"});
    }
    void leftoverTemporaryFilesAreRemoved() {
        testsupport::TempHome home;
        QDir dir(home.path());
        QVERIFY(dir.mkpath("resultaten/wedstrijd/ronde"));
        QVERIFY(dir.mkpath(".verborgen"));
        const QStringList weg{".drovik-tmp.AbC123", "resultaten/.drovik-tmp.x9Y8z7",
                              "resultaten/wedstrijd/ronde/.drovik-tmp.000000"};
        const QStringList blijft{"taal.ini", ".drovik-tmp.abc", "x.drovik-tmp.abc123",
                                 ".drovik-tmp.abc1234", ".verborgen/.drovik-tmp.abc123"};
        for (const QString& f : weg + blijft) QVERIFY(writeRaw(home.file(f), "x"));
        QCOMPARE(removeStaleTempFiles(home.path(), 4), 3);
        for (const QString& f : weg) QVERIFY2(!QFileInfo::exists(home.file(f)), qPrintable(f));
        for (const QString& f : blijft) QVERIFY2(QFileInfo::exists(home.file(f)), qPrintable(f));
        // Below the depth given nothing is looked at.
        QVERIFY(writeRaw(home.file("resultaten/wedstrijd/ronde/.drovik-tmp.111111"), "x"));
        QCOMPARE(removeStaleTempFiles(home.path(), 2), 0);
        QCOMPARE(removeStaleTempFiles(home.path(), 3), 1);
    }

    // --- names a file list may show ---
    void plainFileNames() {
        for (const char* goed : {"a.txt", "week 1.2.txt", "Gecre\xC3\xAB" "erd.txt", ".verborgen", "a b"})
            QVERIFY2(isPlainFileName(QString::fromUtf8(goed)), goed);
        for (const char* fout : {"", ".", "..", "a\\b.txt", "..\\taal.txt", "a/b", "tab\there", "nl\n",
                                 "del\x7F"})
            QVERIFY2(!isPlainFileName(QString::fromUtf8(fout)), fout);
        QVERIFY(!isPlainFileName(QString("x") + QChar(0x85)));
        QVERIFY(!isPlainFileName(QString("x") + QChar::ReplacementCharacter));
    }

    // --- program folder and resolver ---
    void programFolderIsDrovikHome() {
        testsupport::TempHome home;
        QCOMPARE(programFolder(), QDir::cleanPath(home.path()));
        qputenv("DROVIK_HOME", (home.path() + "/nieuw/").toLocal8Bit());
        QCOMPARE(programFolder(), home.path() + "/nieuw");
        QVERIFY(QFileInfo(home.path() + "/nieuw").isDir());
    }
    void resolverFindsExistingNamesInAnyCase() {
        testsupport::TempHome home;
        QVERIFY(QDir(home.path()).mkpath("spellen/Sub"));
        QVERIFY(writeRaw(home.file("spellen/Sub/Set 1.txt"), "x"));
        QCOMPARE(resolvePath(home.path() + "\\Spellen\\SUB\\set 1.TXT"),
                 home.path() + "/spellen/Sub/Set 1.txt");
        QCOMPARE(programPath("SPELLEN/sub"), home.path() + "/spellen/Sub");
        // Missing parts keep the given spelling; existing parents are found.
        QCOMPARE(programPath("Spellen\\Nieuw\\A.txt"), home.path() + "/spellen/Nieuw/A.txt");
        QCOMPARE(programPath("Spellen\\"), home.path() + "/spellen/");
    }
    void exactSpellingWinsWhenBothExist() {
        testsupport::TempHome home;
        QVERIFY(QDir(home.path()).mkpath("PDF"));
        QVERIFY(QDir(home.path()).mkpath("pdf"));
        QCOMPARE(programPath("pdf"), home.path() + "/pdf");
        QCOMPARE(programPath("PDF"), home.path() + "/PDF");
    }
    void existingPathsResolveToThemselvesWithTheirSeparators() {
        testsupport::TempHome home;
        QVERIFY(QDir(home.path()).mkpath("spellen/Sub"));
        QCOMPARE(programPath("spellen/Sub/"), home.path() + "/spellen/Sub/");
        QCOMPARE(programPath("./spellen/./Sub"), home.path() + "/spellen/Sub");
        QCOMPARE(programPath("spellen/Sub/../Sub"), home.path() + "/spellen/Sub/../Sub");
        QCOMPARE(programPath("SPELLEN/Sub/../sub"), home.path() + "/spellen/Sub/../Sub");
    }
    void oneReadingOfAFolderResolvesLikeTheWalk() {
        testsupport::TempHome home;
        const QString map = home.file("resultaten/Club");
        QVERIFY(QDir().mkpath(map));
        for (const char* naam : {"Spel 01 Drovik.txt", "spel 02 drovik.TXT", "SPEL 03 X", "Spel 03 x", "Łódź.txt",
                                 "Beide", "BEIDE"})
            QVERIFY(writeRaw(map + "/" + QString::fromUtf8(naam), "x"));
        QVERIFY(QFile::link(map + "/weg", map + "/Dood"));  // a link to nothing is still an entry
        const QStringList namen{"Spel 01 Drovik.txt", "Spel 02 Drovik.txt", "spel 03 x", QString::fromUtf8("ŁÓDŹ.TXT"),
                                "Beide", "beide", "dood", "Nieuw.txt"};
        QStringList langs;
        for (const QString& n : namen) langs << resolveBelow(map, n);
        QCOMPARE(resolveNamesIn(map, namen), langs);
        QCOMPARE(resolveNamesIn(map + "/", {"spel 01 drovik.txt"}), QStringList{map + "/Spel 01 Drovik.txt"});
        // Of two other spellings the first in code-point order, as the walk.
        QCOMPARE(resolveNamesIn(map, {"spel 03 X"}).front(), map + "/SPEL 03 X");
        QCOMPARE(resolveNamesIn(map, {"beide"}).front(), map + "/BEIDE");
        QCOMPARE(resolveNamesIn(map, {"Dood"}).front(), map + "/Dood");
        QCOMPARE(resolveNamesIn(home.file("nergens"), {"A.txt"}), QStringList{home.file("nergens") + "/A.txt"});
        QCOMPARE(resolveNamesIn(map, {}), QStringList());
    }
    void aLineThatCannotBeStoredLeavesNothingEncoded() {
        QByteArray data("oud");
        QString error;
        QVERIFY(encodeTextLines("t.txt", {"a", QString::fromUtf8("€ ‘x’")}, data, &error));
        QCOMPARE(data, QByteArray("a\r\n\x80 \x91x\x92\r\n"));
        // A surrogate without its partner is a loss, as a character beyond
        // the code page is; the lines before it are not kept.
        QVERIFY(!encodeTextLines("t.txt", {"a", QString("b") + QChar(0xD800) + "c"}, data, &error));
        QVERIFY(data.isEmpty());
        QVERIFY2(error.contains("t.txt"), qPrintable(error));
        QVERIFY(!encodeTextLines("t.txt", {QString("b") + QChar(0xDC00)}, data, &error));
        QVERIFY(encodeTextLines("t.txt", {"?"}, data, &error));
        QCOMPARE(data, QByteArray("?\r\n"));
        QCOMPARE(encodeCp1252(QString::fromUtf8("😀") + QChar(0xD83D)), QByteArray("??"));
    }
    void pathsOutsideTheProgramFolderOnlyGetSeparators() {
        testsupport::TempHome home;
        QCOMPARE(resolvePath("/tmp\\Some\\\\Where"), QString("/tmp/Some/Where"));
        QCOMPARE(resolvePath(""), QString());
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
