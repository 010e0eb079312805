// Writing MAIL.TXT: the encoder the tests and the writer command share, the
// checks on the user's own provider settings, and the drovik-mailtxt
// command itself, whose file the program then sends mail with.

#include <QtTest>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <memory>

#include <sys/stat.h>

#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "platform/Paths.h"
#include "shared/BasVeldom.h"
#include "shared/MailTxt.h"
#include "support/LocalServer.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

EigenMailProvider Voorbeeld() {
    EigenMailProvider p;
    p.server = "smtp.example.test";
    p.poort = 587;
    p.beveiligd = true;
    p.gebruiker = "ik@example.test";
    p.wachtwoord = "g3h\u00e9im;:\"'";
    p.afzender = "ik@example.test";
    p.afzenderNaam = "Bridgeclub \u00c9\u00e9n";
    return p;
}

int Rechten(const QString& pad) {
    struct stat st {};
    return ::stat(QFile::encodeName(pad).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

struct Uitvoer {
    int code = -1;
    QString out, err;
};

// Runs the writer command with these arguments and extra environment.
Uitvoer Schrijver(const QStringList& args, const QStringList& omgeving = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& e : omgeving) env.insert(e.section('=', 0, 0), e.section('=', 1));
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationDirPath() + "/drovik-mailtxt", args);
    Uitvoer u;
    if (!p.waitForFinished(30000)) return u;
    u.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    u.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    u.err = QString::fromLocal8Bit(p.readAllStandardError());
    return u;
}

}  // namespace

class TestMailTxtSchrijven : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;

private slots:
    void initTestCase() { SetupApplication(*qApp); }
    void init() {
        home.Begin({.mailTxt = false, .instellingen = true});
    }
    void cleanup() {
        home.Einde();
    }

    // --- the encoder ---------------------------------------------------------

    void encodedFilesPassTheLengthCheckWithAndWithoutBlankLines() {
        for (const QString& blank : {QString(), QString("  \r\n\r\n")}) {
            QByteArray bestand;
            QVERIFY(CodeerMailTxt({"25<>a<>b<>c<>d<>False<>e<>f<>False", "465<>x<>y<>z<>h<>True<>p<>n<>True"},
                                  bestand, nullptr, blank));
            const QList<QByteArray> regels = bestand.split('\n');
            const QByteArray eerste = regels[blank.isEmpty() ? 0 : 2].chopped(1);
            QCOMPARE(eerste.right(4).toInt(), bestand.size() - 12);
            QCOMPARE(eerste.left(3), QByteArray("017"));
            const MailTxtInhoud in = DecodeerMailTxt(bestand);
            QCOMPARE(in.staat, MailTxtStaat::Goed);
            QCOMPARE(in.providers[1][1], QString("h"));
        }
    }

    void theEncoderRefusesWhatItCannotStore() {
        QByteArray bestand = "oud";
        QString fout;
        QVERIFY(!CodeerMailTxt({QString::fromUtf8("25<>\u4e2d")}, bestand, &fout));
        QVERIFY(bestand.isEmpty());
        QVERIFY(fout.contains("1252"));
        // The length field holds four digits.
        QVERIFY(!CodeerMailTxt({QString(3400, 'x')}, bestand, &fout));
        QVERIFY(fout.contains("too long"));
        QVERIFY(CodeerMailTxt({QString(3300, 'x')}, bestand, &fout));
    }

    void ownProviderRoundTripsIntoTheAccountTheProgramUses() {
        struct Geval {
            int poort;
            bool beveiligd;
            SmtpSecurity soort;
        };
        for (const Geval& g : {Geval{587, true, SmtpSecurity::StartTls}, Geval{465, true, SmtpSecurity::Tls},
                               Geval{25, false, SmtpSecurity::None}}) {
            EigenMailProvider p = Voorbeeld();
            p.poort = g.poort;
            p.beveiligd = g.beveiligd;
            QByteArray bestand;
            QString fout;
            QVERIFY2(MaakEigenMailTxt(p, bestand, &fout), qPrintable(fout));
            const MailTxtInhoud in = DecodeerMailTxt(bestand);
            QCOMPARE(in.staat, MailTxtStaat::Goed);
            SmtpAccount a;
            QVERIFY(ProviderAccount(in.providers[0], in.providers[0], a));
            QCOMPARE(a.host, p.server);
            QCOMPARE(a.port, g.poort);
            QCOMPARE(a.security, g.soort);
            QVERIFY(a.authenticate);
            QCOMPARE(a.user, p.gebruiker);
            QCOMPARE(a.password, p.wachtwoord);
            QCOMPARE(in.providers[0][7], p.afzender);
            QCOMPARE(in.providers[0][8], p.afzenderNaam);
        }
        EigenMailProvider zonder = Voorbeeld();
        zonder.gebruiker.clear();
        zonder.wachtwoord.clear();
        QByteArray bestand;
        QVERIFY(MaakEigenMailTxt(zonder, bestand));
        SmtpAccount a;
        const MailTxtInhoud in = DecodeerMailTxt(bestand);
        QVERIFY(ProviderAccount(in.providers[0], in.providers[0], a));
        QVERIFY(!a.authenticate);
    }

    void ownProviderSettingsAreChecked_data() {
        QTest::addColumn<QString>("veld");
        QTest::addColumn<QString>("waarde");
        QTest::newRow("no host") << "host" << "";
        QTest::newRow("host with blank") << "host" << "smtp example";
        QTest::newRow("port 0") << "port" << "0";
        QTest::newRow("port too high") << "port" << "65536";
        QTest::newRow("bad sender") << "from" << "ik@example";
        QTest::newRow("separator in password") << "password" << "a<>b";
        QTest::newRow("line break in name") << "name" << "Club\r\nBcc: x@example.test";
        QTest::newRow("outside 1252") << "name" << QString::fromUtf8("Club \u4e2d");
        QTest::newRow("password without user") << "user" << "";
    }
    void ownProviderSettingsAreChecked() {
        QFETCH(QString, veld);
        QFETCH(QString, waarde);
        EigenMailProvider p = Voorbeeld();
        if (veld == "host") p.server = waarde;
        if (veld == "port") p.poort = waarde.toInt();
        if (veld == "from") p.afzender = waarde;
        if (veld == "password") p.wachtwoord = waarde;
        if (veld == "name") p.afzenderNaam = waarde;
        if (veld == "user") p.gebruiker = waarde;
        QByteArray bestand = "oud";
        QString fout;
        QVERIFY(!MaakEigenMailTxt(p, bestand, &fout));
        QVERIFY(bestand.isEmpty());
        QVERIFY(!fout.isEmpty());
    }

    void writingReplacesWholeAndPrivately() {
        const QString pad = home->file("MAIL.TXT");
        testsupport::WriteTestFile(pad, "oud");
        ::chmod(QFile::encodeName(pad).constData(), 0644);
        QVERIFY(SchrijfMailTxt(pad, "nieuw"));
        QCOMPARE(testsupport::ReadTestFile(pad), QByteArray("nieuw"));
        QCOMPARE(Rechten(pad), 0600);
        QString fout;
        QDir().mkpath(home->file("map"));
        QVERIFY(!SchrijfMailTxt(home->file("map"), "x", &fout));
        QVERIFY(!SchrijfMailTxt(home->file("geen/MAIL.TXT"), "x", &fout));
        QCOMPARE(QDir(home->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"MAIL.TXT"});
    }

    // --- the command -------------------------------------------------------

    void theCommandWritesAFileTheProgramSendsWith() {
        QTemporaryDir spool;
        testsupport::LocalServer sink;
        QVERIFY(sink.start("smtp_sink_server.py", {spool.path(), "--user", "lid", "--password", "g3h;\"eim"}));
        const Uitvoer u = Schrijver({"--host", "127.0.0.1", "--port", QString::number(sink.port()), "--tls=off",
                                     "--user", "lid", "--from", "club@example.test", "--name", "Bridgeclub"},
                                    {"DROVIK_HOME=" + home->path(), "MAILTXT_PASSWORD=g3h;\"eim"});
        QVERIFY2(u.code == 0, qPrintable(u.err));
        const QString pad = home->file("MAIL.TXT");
        QVERIFY(u.out.contains(pad));
        QCOMPARE(Rechten(pad), 0600);

        // The program loads it and mails through it.
        testsupport::PromptScript prompts;
        frmVeldom01().Show();
        QVERIFY(!MailOnbruikbaar);
        SchrijfIni("Standaard", "provider", "0", IniBestand);
        VerstuurMail("eigen@example.test", "Onderwerp", "speler@example.test", "", "Hallo");
        QCOMPARE(MailFoutNummer, 0);
        QTRY_VERIFY(QFile::exists(spool.filePath("mail-1.env")));
        QCOMPARE(testsupport::ReadTestFile(spool.filePath("mail-1.env")),
                 QByteArray("club@example.test\nspeler@example.test"));
    }

    // The repository's script runs the command in the caller's folder: a
    // relative --output or DROVIK_HOME lands there, not in the repository.
    // The script builds in a build folder of its own, never in the one
    // these tests run from (a build may be running there): a configured
    // project whose writer target puts the writer built beside this test in
    // place.
    void theScriptTakesRelativePathsFromTheCallersFolder() {
        QTemporaryDir hier, bouw;
        const QString project = bouw.filePath("project"), build = bouw.filePath("build");
        testsupport::WriteTestFile(project + "/CMakeLists.txt",
                                   ("cmake_minimum_required(VERSION 3.25)\nproject(mailtxt_script NONE)\n"
                                    "add_custom_target(drovik-mailtxt COMMAND ${CMAKE_COMMAND} -E copy_if_different \"" +
                                    QCoreApplication::applicationDirPath() +
                                    "/drovik-mailtxt\" \"${CMAKE_BINARY_DIR}/drovik-mailtxt\")\n")
                                       .toUtf8());
        QProcess configureer;
        configureer.setProcessChannelMode(QProcess::MergedChannels);
        configureer.start("cmake", {"-S", project, "-B", build, "-G", "Ninja"});
        QVERIFY(configureer.waitForFinished(120000));
        QVERIFY2(configureer.exitStatus() == QProcess::NormalExit && configureer.exitCode() == 0,
                 configureer.readAll().constData());
        const QString naam = QStringLiteral("mailtxt-%1.txt").arg(QCoreApplication::applicationPid());
        const QString inRepository = QStringLiteral(DROVIK_SOURCE_DIR) + "/" + naam;
        auto script = [&](const QStringList& args, const QStringList& omgeving) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove("DROVIK_HOME");
            env.insert("BUILD_DIR", build);
            for (const QString& e : omgeving) env.insert(e.section('=', 0, 0), e.section('=', 1));
            p.setProcessEnvironment(env);
            p.setWorkingDirectory(hier.path());
            p.start("bash", QStringList{QStringLiteral(DROVIK_SOURCE_DIR) + "/scripts/make-mailtxt.sh"} + args);
            if (!p.waitForFinished(120000)) return -1;
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        const QStringList basis{"--host", "smtp.example.test", "--from", "ik@example.test"};
        const int code = script(basis + QStringList{"--output", naam}, {});
        const bool verkeerd = QFile::exists(inRepository);
        QFile::remove(inRepository);
        QCOMPARE(code, 0);
        QVERIFY(!verkeerd);
        QCOMPARE(DecodeerMailTxt(testsupport::ReadTestFile(hier.filePath(naam))).staat, MailTxtStaat::Goed);

        QCOMPARE(script(basis, {"DROVIK_HOME=thuis"}), 0);
        QCOMPARE(DecodeerMailTxt(testsupport::ReadTestFile(hier.filePath("thuis/MAIL.TXT"))).staat,
                 MailTxtStaat::Goed);
        const QString thuisInRepository = QStringLiteral(DROVIK_SOURCE_DIR) + "/thuis";
        const bool ookVerkeerd = QFile::exists(thuisInRepository + "/MAIL.TXT");
        if (ookVerkeerd) QDir(thuisInRepository).removeRecursively();
        QVERIFY(!ookVerkeerd);
    }

    // A build folder set up by a plain "cmake -B build" uses Makefiles: the
    // script builds the writer in it as it is and never configures it again
    // with another generator (which CMake refuses). A stand-in for cmake
    // records what the script asks of it and puts the real writer in place.
    void theScriptBuildsInAnyConfiguredBuildFolder() {
        QTemporaryDir tmp;
        const QString build = tmp.filePath("build-make"), bin = tmp.filePath("bin");
        QVERIFY(QDir().mkpath(build) && QDir().mkpath(bin));
        testsupport::WriteTestFile(build + "/CMakeCache.txt",
                                   "CMAKE_GENERATOR:INTERNAL=Unix Makefiles\n");
        testsupport::WriteTestFile(build + "/Makefile", "all:\n");
        const QString schrijver = QCoreApplication::applicationDirPath() + "/drovik-mailtxt";
        testsupport::WriteTestFile(bin + "/cmake",
                                   ("#!/bin/sh\necho \"$*\" >> '" + tmp.filePath("cmake.log") +
                                    "'\ncase \"$*\" in *--build*) cp '" + schrijver + "' '" + build +
                                    "/drovik-mailtxt' ;; esac\n")
                                       .toUtf8());
        QVERIFY(QFile::setPermissions(bin + "/cmake", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DROVIK_HOME");
        env.insert("BUILD_DIR", build);
        env.insert("PATH", bin + ":" + env.value("PATH"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(tmp.path());
        p.start("bash", {QStringLiteral(DROVIK_SOURCE_DIR) + "/scripts/make-mailtxt.sh", "--host",
                         "smtp.example.test", "--from", "ik@example.test", "--output", "MAIL.TXT"});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);
        const QString log = QString::fromUtf8(testsupport::ReadTestFile(tmp.filePath("cmake.log")));
        // No configure step: neither option stands as a word of its own (the
        // temporary folder's random name may hold the same letters).
        QVERIFY2(!log.contains(QRegularExpression(R"((^|\s)-[GS](\s|$))")), qPrintable(log));
        QVERIFY2(log.contains("--build " + build + " --target drovik-mailtxt"), qPrintable(log));
        QCOMPARE(DecodeerMailTxt(testsupport::ReadTestFile(tmp.filePath("MAIL.TXT"))).staat, MailTxtStaat::Goed);
    }

    // A MAIL.TXT whose line ends became LF on the way (an editor, a copy
    // through another system) is loaded like the one the command wrote.
    void aMailTxtWithLfLineEndsIsLoaded() {
        QByteArray bestand;
        EigenMailProvider p = Voorbeeld();
        QVERIFY(MaakEigenMailTxt(p, bestand));
        bestand.replace("\r\n", "\n");
        testsupport::WriteTestFile(programPath("MAIL.TXT"), bestand);
        testsupport::PromptScript prompts;  // any message fails the test
        frmVeldom01().Show();
        QVERIFY(!MailOnbruikbaar);
        QCOMPARE(MailProviderLijst(0).at(1), p.server);
        QCOMPARE(prompts.count(), 0);
    }

    void theCommandNeverOverwritesUnaskedAndNeverPrompts() {
        const QString pad = home->file("eigen.txt");
        const QStringList basis{"--host", "smtp.example.test", "--from", "ik@example.test", "--output", pad};
        QCOMPARE(Schrijver(basis).code, 0);
        const QByteArray eerst = testsupport::ReadTestFile(pad);
        const Uitvoer weer = Schrijver(basis + QStringList{"--port", "465"});
        QCOMPARE(weer.code, 1);
        QVERIFY(weer.err.contains("--force"));
        QCOMPARE(testsupport::ReadTestFile(pad), eerst);
        QCOMPARE(Schrijver(basis + QStringList{"--port", "465", "--force"}).code, 0);
        QVERIFY(testsupport::ReadTestFile(pad) != eerst);

        for (const QStringList& fout : {QStringList{"--port", "abc"}, QStringList{"--tls", "maybe"},
                                        QStringList{"--from", "geen-adres"}, QStringList{"--bogus"}}) {
            const Uitvoer u = Schrijver(basis + fout + QStringList{"--force"});
            QVERIFY2(u.code == 2, qPrintable(fout.join(' ')));
            QVERIFY(!u.err.isEmpty());
        }
        QCOMPARE(Schrijver({"--host", "smtp.example.test"}, {"DROVIK_HOME=" + home->path()}).code, 2);
        QVERIFY(!QFile::exists(home->file("MAIL.TXT")));
        const Uitvoer hulp = Schrijver({"--help"});
        QCOMPARE(hulp.code, 0);
        QVERIFY(hulp.out.contains("MAILTXT_PASSWORD"));
    }
};

QTEST_MAIN(TestMailTxtSchrijven)
#include "test_frmveldom18_mailtxt.moc"
