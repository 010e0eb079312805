#include <QtTest>
#include <sys/stat.h>

#include "platform/FileTestHelpers.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "support/TestSupport.h"

using namespace platform;
using testsupport::readRaw;
using testsupport::writeRaw;

class TestProfile : public QObject {
    Q_OBJECT
private slots:
    void missingFileSectionOrKeyReadsEmpty() {
        testsupport::TempHome home;
        const QString ini = home.file("taal.ini");
        QCOMPARE(ReadProfileString(ini, "Taal", "nummer"), QString());
        QVERIFY(writeRaw(ini, "[Taal]\r\nnummer=11\r\n"));
        QCOMPARE(ReadProfileString(ini, "Tien", "nummer"), QString());
        QCOMPARE(ReadProfileString(ini, "Taal", "anders"), QString());
        QCOMPARE(ReadProfileString(ini, "Taal", "nummer"), QString("11"));
    }

    void namesMatchWithoutRegardToCase() {
        testsupport::TempHome home;
        const QString ini = home.file("taal.ini");
        QVERIFY(WriteProfileString(ini, "Printer", "PDF Printer", "Mijn printer"));
        QVERIFY(WriteProfileString(ini, "standaard", "eigen e-mail adres", "a@b.nl"));
        QCOMPARE(ReadProfileString(ini, "printer", "PDF printer"), QString("Mijn printer"));
        QCOMPARE(ReadProfileString(ini, "Standaard", "Eigen E-mail Adres"), QString("a@b.nl"));
        // A second write with other case changes the one key, adds none.
        QVERIFY(WriteProfileString(ini, "PRINTER", "pdf printer", "Ander"));
        QStringList lines;
        QVERIFY(readTextLines(ini, lines));
        QCOMPARE(lines.filter("=").size(), 2);
        QCOMPARE(ReadProfileString(ini, "Printer", "PDF Printer"), QString("Ander"));
    }

    void writeKeepsEveryOtherLine() {
        testsupport::TempHome home;
        const QString ini = home.file("x.ini");
        QVERIFY(writeRaw(ini, "; comment at top\r\n[A]\r\nk1 = one\r\nrubbish line\r\n\r\n"
                              "[B]\r\n; inside B\r\nk2=two\r\n"));
        QVERIFY(WriteProfileString(ini, "A", "k1", "uno"));
        QVERIFY(WriteProfileString(ini, "A", "new", "nieuw"));
        QVERIFY(WriteProfileString(ini, "C", "k3", "drie"));
        QCOMPARE(QString::fromLatin1(readRaw(ini)),
                 QString("; comment at top\r\n[A]\r\nk1=uno\r\nrubbish line\r\nnew=nieuw\r\n\r\n"
                         "[B]\r\n; inside B\r\nk2=two\r\n\r\n[C]\r\nk3=drie\r\n"));
        QCOMPARE(ReadProfileString(ini, "B", "k2"), QString("two"));
    }

    void writeCreatesFileSectionAndKey() {
        testsupport::TempHome home;
        const QString ini = home.file("nieuw.ini");
        QVERIFY(WriteProfileString(ini, "Punten", "MinimaalPunten", "12"));
        QCOMPARE(readRaw(ini), QByteArray("[Punten]\r\nMinimaalPunten=12\r\n"));
    }

    void valuesAreTrimmedUnquotedAndCut() {
        testsupport::TempHome home;
        const QString ini = home.file("x.ini");
        const QString longValue = QString(300, QChar('x'));
        QVERIFY(WriteProfileString(ini, "S", "lang", longValue));
        QCOMPARE(ReadProfileString(ini, "S", "lang"), QString(254, QChar('x')));
        QVERIFY(writeRaw(ini, "[S]\r\n  k  =   15  \r\nq=\"quoted\"\r\n"));
        QCOMPARE(ReadProfileString(ini, "S", "k"), QString("15"));
        QCOMPARE(ReadProfileString(ini, "S", "q"), QString("quoted"));
    }

    void lineBreakInValueCannotAddLines() {
        testsupport::TempHome home;
        const QString ini = home.file("x.ini");
        QVERIFY(WriteProfileString(ini, "S", "k", "a\r\n[Evil]\nb"));
        QCOMPARE(ReadProfileString(ini, "Evil", "b"), QString());
        QCOMPARE(ReadProfileString(ini, "S", "k"), QString("a [Evil] b"));
    }

    void cp1252RoundTrip() {
        testsupport::TempHome home;
        const QString ini = home.file("x.ini");
        QVERIFY(WriteProfileString(ini, "S", "naam", QString::fromUtf8("Gecreëerd €5")));
        QCOMPARE(readRaw(ini), QByteArray("[S]\r\nnaam=Gecre\xEB" "erd \x80" "5\r\n"));
        QCOMPARE(ReadProfileString(ini, "S", "naam"), QString::fromUtf8("Gecreëerd €5"));
    }

    void acceptsLfOnlyAndFirstMatchWins() {
        testsupport::TempHome home;
        const QString ini = home.file("x.ini");
        QVERIFY(writeRaw(ini, "[S]\nk=1\nk=2\n[s]\nk=3\n[T]\rm=4"));
        QCOMPARE(ReadProfileString(ini, "S", "k"), QString("1"));
        QCOMPARE(ReadProfileString(ini, "T", "m"), QString("4"));
        QVERIFY(WriteProfileString(ini, "S", "k", "9"));
        // Only the written line changes; it keeps its line end.
        QCOMPARE(readRaw(ini), QByteArray("[S]\nk=9\nk=2\n[s]\nk=3\n[T]\rm=4"));
    }

    void backslashPathAndCaseOfFileName() {
        testsupport::TempHome home;
        QVERIFY(writeRaw(home.file("Scherm.ini"), "[frm]\r\nw=5\r\n"));
        QCOMPARE(ReadProfileString(home.path() + "\\scherm.ini", "FRM", "W"), QString("5"));
    }

    void failedWriteLeavesFileAndReports() {
        testsupport::TempHome home;
        const QString ini = home.file("x.ini");
        QVERIFY(writeRaw(ini, "[S]\r\nk=old\r\n"));
        QString error;
        {
            // Writes past 4 KB fail, for any user (folder rights do not bind root).
            testsupport::FileSizeLimit limit(4096);
            QVERIFY(!WriteProfileString(ini, "S", "k", QString(8000, QChar('n')), &error));
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(ReadProfileString(ini, "S", "k"), QString("old"));
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"x.ini"});
    }

    // A file another editor touched: a byte order mark with UTF-8 text the
    // code page lacks, bare LF line ends, no line end after the last line.
    // A write changes its own line and keeps every other byte.
    void handEditedFileStillTakesWrites() {
        testsupport::TempHome home;
        const QString ini = home.file("taal.ini");
        const QByteArray bom = "\xEF\xBB\xBF";
        const QByteArray naam = QString::fromUtf8("naam=\u0141ukasz Wa\u0142\u0119sa").toUtf8();
        QVERIFY(writeRaw(ini, bom + "[Taal]\nnummer=11\n[Namen]\r\n" + naam + "\r\n[Punten]\r\nMinimaalPunten=12"));
        QVERIFY(WriteProfileString(ini, "Punten", "MinimaalPunten", "15"));
        QVERIFY(WriteProfileString(ini, "Punten", "MaximaalPunten", "caf\u00e9"));
        QCOMPARE(readRaw(ini), bom + "[Taal]\nnummer=11\n[Namen]\r\n" + naam +
                                   "\r\n[Punten]\r\nMinimaalPunten=15\r\nMaximaalPunten=caf\xC3\xA9\r\n");
        QCOMPARE(ReadProfileString(ini, "Punten", "MaximaalPunten"), QString("caf\u00e9"));
        QCOMPARE(ReadProfileString(ini, "Namen", "naam"), QString("\u0141ukasz Wa\u0142\u0119sa"));

        // Without a byte order mark a foreign line is kept as its bytes too.
        const QString ander = home.file("scherm.ini");
        const QByteArray vreemd = "[A]\nx=\xC5\x81\x81\n";
        QVERIFY(writeRaw(ander, vreemd));
        QVERIFY(WriteProfileString(ander, "B", "y", "\u00e9"));
        QCOMPARE(readRaw(ander), vreemd + "\r\n[B]\r\ny=\xE9\r\n");
    }

    // A value the code page cannot hold is refused with the reason, and a
    // write of several keys stores all of them or none.
    void unstorableValueIsRefused() {
        testsupport::TempHome home;
        const QString ini = home.file("taal.ini");
        QVERIFY(writeRaw(ini, "[S]\r\na=1\r\n"));
        QString error;
        QVERIFY(!WriteProfileStrings(ini, "S", {{"a", "2"}, {"b", "\u0141"}}, &error));
        QVERIFY(error.contains(QString("\u0141")));
        QCOMPARE(readRaw(ini), QByteArray("[S]\r\na=1\r\n"));
        QVERIFY(WriteProfileStrings(ini, "S", {{"a", "2"}, {"b", "3"}}));
        QCOMPARE(readRaw(ini), QByteArray("[S]\r\na=2\r\nb=3\r\n"));
    }

    // A profile that is a FIFO, or far too large, reads as empty and is
    // never replaced by a file holding one key.
    void foreignProfileReadsEmptyAndIsKept() {
        testsupport::TempHome home;
        const QString fifo = home.file("taal.ini");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QCOMPARE(ReadProfileString(fifo, "Taal", "nummer"), QString());
        QString error;
        QVERIFY(!WriteProfileString(fifo, "Taal", "nummer", "11", &error));
        QVERIFY(error.contains("not a regular file"));
        QVERIFY(!QFileInfo(fifo).isFile());

        const QString groot = home.file("scherm.ini");
        QByteArray inhoud = "[S]\r\nk=1\r\n";
        inhoud += QByteArray(kProfileFileMax, ';');
        QVERIFY(writeRaw(groot, inhoud));
        QCOMPARE(ReadProfileString(groot, "S", "k"), QString());
        QVERIFY(!WriteProfileString(groot, "S", "k", "2"));
        QCOMPARE(readRaw(groot), inhoud);
    }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "test_profile.moc"
