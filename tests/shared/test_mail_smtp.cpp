// SMTP sending against a sink server on 127.0.0.1.

#include "platform/Http.h"
#include "platform/Smtp.h"
#include "shared/Mail.h"
#include "support/LocalServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <curl/curl.h>

using namespace platform;

namespace {



// Every byte value, line ends of all kinds and an SMTP end-of-data marker.
QByteArray AwkwardBytes() {
    QByteArray b;
    for (int i = 0; i < 256; ++i)
        b += static_cast<char>(i);
    b += "\r\n.\r\n..\n.\rend";
    for (int i = 0; i < 5000; ++i)
        b += static_cast<char>((i * 37) & 0xff);
    return b;
}

SmtpAccount Plain(int port) {
    SmtpAccount a;
    a.host = "127.0.0.1";
    a.port = port;
    a.security = SmtpSecurity::None;
    a.connectTimeoutSeconds = 5;
    a.totalTimeoutSeconds = 20;
    return a;
}

MailMessage Simple(const QString& to) {
    MailMessage m;
    m.from = {"club@example.test", "Bridgeclub"};
    m.to = to;
    m.subject = "Spellen";
    m.body = "Hallo";
    return m;
}

}  // namespace

class TestMailSmtp : public QObject {
    Q_OBJECT
    QTemporaryDir spool_;
    testsupport::LocalServer sink_;

    QString mail(int n, const QString& ext) const {
        return spool_.filePath(QStringLiteral("mail-%1.%2").arg(n).arg(ext));
    }

private slots:
    void initTestCase() {
        QVERIFY(sink_.start("smtp_sink_server.py",
                            {spool_.path(), "--refuse", "nobody@example.test"}));
    }

    void sendsTwoAttachmentsByteForByte() {
        QTemporaryDir files;
        const QByteArray first = AwkwardBytes();
        const QByteArray second = "%PDF-1.4\n" + QByteArray(70000, 'x') + "\n%%EOF\n";
        testsupport::WriteTestFile(files.filePath("bytes.bin"), first);
        testsupport::WriteTestFile(files.filePath("Noord spellen.pdf"), second);

        MailMessage m;
        m.from = {"club@example.test", QString::fromUtf8("Bridgeclub \"Één\"")};
        m.to = "speler@example.test";
        m.replyTo = "eigen@example.test";
        m.subject = QString::fromUtf8("Spellen ronde 3 – één");
        m.body = QString::fromUtf8(".eerste regel\nÉén lange regel ") + QString(120, 'a') +
                 "\n\nslot = ";
        m.attachments = {files.filePath("bytes.bin"), files.filePath("Noord spellen.pdf")};
        const SendResult r = SendMail(Plain(sink_.port()), m);
        QCOMPARE(r.number, 0);

        QTRY_VERIFY(QFile::exists(mail(1, "env")));
        QCOMPARE(testsupport::ReadTestFile(mail(1, "env"), {}), QByteArray("club@example.test\nspeler@example.test"));
        const QString headers = QString::fromUtf8(testsupport::ReadTestFile(mail(1, "headers"), {}));
        QVERIFY2(headers.contains(QString::fromUtf8("From: \"Bridgeclub \\\"Één\\\"\" <club@example.test>")) ||
                     headers.contains(QString::fromUtf8("From: Bridgeclub \"Één\" <club@example.test>")),
                 qPrintable(headers));
        QVERIFY(headers.contains("To: speler@example.test"));
        QVERIFY(headers.contains("Reply-To: eigen@example.test"));
        QVERIFY(headers.contains(QString::fromUtf8("Subject: Spellen ronde 3 – één\n")));
        QCOMPARE(QString::fromUtf8(testsupport::ReadTestFile(mail(1, "body"), {})).replace("\r\n", "\n"), m.body);
        QCOMPARE(testsupport::ReadTestFile(mail(1, "names"), {}), QByteArray("bytes.bin\nNoord spellen.pdf\n"));
        QCOMPARE(testsupport::ReadTestFile(mail(1, "att-0"), {}), first);
        QCOMPARE(testsupport::ReadTestFile(mail(1, "att-1"), {}), second);
    }

    void refusedRecipientGivesServerNumber() {
        const SendResult r = SendMail(Plain(sink_.port()), Simple("nobody@example.test"));
        QCOMPARE(r.number, 550);
        QVERIFY2(r.text.contains("Recipient address rejected"), qPrintable(r.text));
    }

    void noServerGivesNonZero() {
        SmtpAccount a = Plain(testsupport::LocalServer::unusedPort());
        const SendResult r = SendMail(a, Simple("speler@example.test"));
        QVERIFY(r.number != 0);
        QVERIFY(!r.text.isEmpty());
    }

    void lineBreaksInHeadersAreRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("subject") << "subject";
        QTest::newRow("to") << "to";
        QTest::newRow("reply") << "reply";
        QTest::newRow("name") << "name";
    }
    void lineBreaksInHeadersAreRefused() {
        QFETCH(QString, field);
        MailMessage m = Simple("speler@example.test");
        const QString evil = "x\r\nBcc: victim@example.test";
        if (field == "subject") m.subject = evil;
        if (field == "to") m.to = "speler@example.test\nBcc: victim@example.test";
        if (field == "reply") m.replyTo = "a@b.test\r\nX: y";
        if (field == "name") m.from.name = evil;
        const int before = QDir(spool_.path()).entryList({"*.env"}).size();
        const SendResult r = SendMail(Plain(sink_.port()), m);
        QVERIFY(r.number == kMailBadHeader || r.number == kMailBadAddress);
        QTest::qWait(200);
        QCOMPARE(QDir(spool_.path()).entryList({"*.env"}).size(), before);
    }

    void missingAttachmentSendsNothing() {
        MailMessage m = Simple("speler@example.test");
        m.attachments = {"/nonexistent/file.pdf"};
        const SendResult r = SendMail(Plain(sink_.port()), m);
        QCOMPARE(r.number, kMailBadAttachment);
    }

    void secureConnectionNeverFallsBackToPlain() {
        // The sink offers no STARTTLS and speaks no TLS: both must fail
        // rather than send in the clear.
        const int before = QDir(spool_.path()).entryList({"*.env"}).size();
        SmtpAccount a = Plain(sink_.port());
        a.security = SmtpSecurity::StartTls;
        a.authenticate = true;
        a.user = "lid";
        a.password = "geheim";
        QVERIFY(SendMail(a, Simple("speler@example.test")).number != 0);
        a.security = SmtpSecurity::Tls;
        a.totalTimeoutSeconds = 5;
        QVERIFY(SendMail(a, Simple("speler@example.test")).number != 0);
        QTest::qWait(200);
        QCOMPARE(QDir(spool_.path()).entryList({"*.env"}).size(), before);
    }

    void impossibleAccountIsRefused() {
        SmtpAccount a = Plain(0);
        QCOMPARE(SendMail(a, Simple("speler@example.test")).number, kMailBadAccount);
        a = Plain(25);
        a.host = "";
        QCOMPARE(SendMail(a, Simple("speler@example.test")).number, kMailBadAccount);
    }

    void authentication() {
        QTemporaryDir spool;
        testsupport::LocalServer server;
        QVERIFY(server.start("smtp_sink_server.py",
                             {spool.path(), "--user", "lid", "--password", "geheim-42"}));
        SmtpAccount a = Plain(server.port());
        a.authenticate = true;
        a.user = "lid";
        a.password = "geheim-42";
        QCOMPARE(SendMail(a, Simple("speler@example.test")).number, 0);
        QTRY_VERIFY(QFile::exists(spool.filePath("mail-1.env")));

        a.password = "fout-wachtwoord";
        const SendResult wrong = SendMail(a, Simple("speler@example.test"));
        QCOMPARE(wrong.number, 535);
        QVERIFY(!wrong.text.contains("fout-wachtwoord"));
        QVERIFY(!wrong.text.contains(QByteArray("\0lid\0fout-wachtwoord", 20).toBase64()));

        a.authenticate = false;  // the server insists on AUTH
        QVERIFY(SendMail(a, Simple("speler@example.test")).number >= 500);
    }

    // --- runs of mails and servers that misbehave ------------------------

    void aRunGoesOverOneConnectionAndSurvivesARefusal() {
        QTemporaryDir spool;
        testsupport::LocalServer server;
        QVERIFY(server.start("smtp_sink_server.py", {spool.path(), "--refuse", "nobody@example.test"}));
        auto connections = [&] { return testsupport::ReadTestFile(QDir(spool.path()).filePath("connections")); };
        SmtpSession session(Plain(server.port()));
        for (const QString to : {"a@example.test", "b@example.test", "c@example.test"})
            QCOMPARE(session.Send(Simple(to)).number, 0);
        QCOMPARE(connections(), QByteArray("1\n"));
        // A refused recipient is that mail's own failure; the run goes on
        // (over a new connection, as the old one is dropped after a failure).
        const SendResult refused = session.Send(Simple("nobody@example.test"));
        QCOMPARE(refused.number, 550);
        QVERIFY(!refused.endsRun);
        QCOMPARE(session.Send(Simple("d@example.test")).number, 0);
        QCOMPARE(session.Send(Simple("e@example.test")).number, 0);
        QCOMPARE(connections(), QByteArray("2\n"));
        QTRY_VERIFY(QFile::exists(QDir(spool.path()).filePath("mail-5.env")));
        QStringList to;
        for (int n = 1; n <= 5; ++n)
            to << QString::fromLatin1(testsupport::ReadTestFile(QDir(spool.path()).filePath(
                                          QStringLiteral("mail-%1.env").arg(n))))
                      .section('\n', 1);
        QCOMPARE(to, (QStringList{"a@example.test", "b@example.test", "c@example.test", "d@example.test",
                                  "e@example.test"}));
    }

    void aDroppedConnectionIsReplacedWithoutLosingOrDoublingAMail() {
        // The server hangs up when a connection that carried two mails
        // starts a third.
        QTemporaryDir spool;
        testsupport::LocalServer server;
        QVERIFY(server.start("smtp_sink_server.py", {spool.path(), "--drop-after", "2"}));
        SmtpSession session(Plain(server.port()));
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(session.Send(Simple(QStringLiteral("p%1@example.test").arg(n))).number, 0);
        QTRY_VERIFY(QFile::exists(QDir(spool.path()).filePath("mail-5.env")));
        QTest::qWait(100);
        QCOMPARE(QDir(spool.path()).entryList({"*.env"}).size(), 5);
        for (int n = 1; n <= 5; ++n)
            QVERIFY(testsupport::ReadTestFile(QDir(spool.path()).filePath(QStringLiteral("mail-%1.env").arg(n)))
                        .endsWith(QStringLiteral("p%1@example.test").arg(n).toLatin1()));
        QCOMPARE(testsupport::ReadTestFile(QDir(spool.path()).filePath("connections")), QByteArray("3\n"));
    }

    // With the account's own time limits: a server that takes the
    // connection and never greets, or never answers the message data,
    // costs one wait of well under 30 seconds, and ends the run.
    void aServerThatNeverAnswersFailsWithinHalfAMinute_data() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("no greeting") << "--silent";
        QTest::newRow("no answer to the data") << "--stall-data";
    }
    void aServerThatNeverAnswersFailsWithinHalfAMinute() {
        QFETCH(QString, mode);
        QTemporaryDir spool;
        testsupport::LocalServer server;
        QVERIFY(server.start("smtp_sink_server.py", {spool.path(), mode}));
        SmtpAccount account = Plain(server.port());
        const SmtpAccount defaults;
        account.connectTimeoutSeconds = defaults.connectTimeoutSeconds;
        account.responseTimeoutSeconds = defaults.responseTimeoutSeconds;
        account.stallSeconds = defaults.stallSeconds;
        account.totalTimeoutSeconds = defaults.totalTimeoutSeconds;
        QElapsedTimer clock;
        clock.start();
        // The session's end (its QUIT) is part of the wait.
        const SendResult r = SendMail(account, Simple("speler@example.test"));
        QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(r.number, int(CURLE_OPERATION_TIMEDOUT));
        QVERIFY(r.endsRun);
        // Silence after the whole message leaves it perhaps delivered;
        // silence from the start does not. Either way it is a time-out.
        QCOMPARE(r.maybeDelivered(), mode == "--stall-data");
        QVERIFY(r.timedOut());
        QCOMPARE(r.failure, mode == "--stall-data" ? SmtpFailure::AfterData : SmtpFailure::TimedOut);
        QVERIFY2(MailStopMelding(r).startsWith(mode == "--stall-data"
                                                   ? "Time-out: de mailserver gaf geen antwoord nadat een "
                                                     "e-mail helemaal verstuurd was (foutnummer 28); die "
                                                     "e-mail is misschien aangekomen."
                                                   : "Time-out: de mailserver reageerde niet op tijd (foutnummer 28: "),
                 qPrintable(MailStopMelding(r)));
    }

    // A server that stops taking the message part of the way in: a
    // time-out, and the mail did not arrive, however much of it the client
    // had already handed to its own end of the connection.
    void aStallInTheMiddleOfTheDataIsATimeOutNotADelivery() {
        QTemporaryDir spool, files;
        testsupport::LocalServer server;
        QVERIFY(server.start("smtp_sink_server.py", {spool.path(), "--stall-mid-data", "20000"}));
        QByteArray pdf = "%PDF-1.4\n";
        for (int i = 0; pdf.size() < 400000; ++i) pdf += QByteArray::number(i * 7919);
        testsupport::WriteTestFile(files.filePath("Noord.pdf"), pdf);
        MailMessage m = Simple("speler@example.test");
        m.attachments = {files.filePath("Noord.pdf")};
        SmtpAccount account = Plain(server.port());
        account.responseTimeoutSeconds = 3;
        account.stallSeconds = 3;
        const SendResult r = SendMail(account, m);
        QCOMPARE(r.number, kSmtpTimedOut);
        QCOMPARE(r.failure, SmtpFailure::TimedOut);
        QVERIFY(!r.maybeDelivered());
        QVERIFY(r.endsRun);
        const QString melding = MailStopMelding(r);
        QVERIFY2(melding.startsWith("Time-out: de mailserver reageerde niet op tijd (foutnummer 28: "),
                 qPrintable(melding));
        QVERIFY(melding.contains("De e-mail is niet helemaal verstuurd."));
        QVERIFY(!melding.contains("misschien aangekomen"));
    }

    // The server keeps the message and hangs up before it answers: the mail
    // may well have arrived, and the result says so.
    void aConnectionDroppedAfterTheDataMayHaveDelivered() {
        QTemporaryDir spool;
        testsupport::LocalServer server;
        QVERIFY(server.start("smtp_sink_server.py", {spool.path(), "--drop-after-data"}));
        const SendResult r = SendMail(Plain(server.port()), Simple("speler@example.test"));
        QVERIFY(r.number != 0);
        QVERIFY(r.maybeDelivered());
        QVERIFY(r.endsRun);
        QVERIFY(QFile::exists(QDir(spool.path()).filePath("mail-1.env")));
        // A server that hangs up before the message never has it.
        testsupport::LocalServer busy;
        QVERIFY(busy.start("smtp_sink_server.py", {spool.path(), "--busy"}));
        QVERIFY(!SendMail(Plain(busy.port()), Simple("speler@example.test")).maybeDelivered());
        QVERIFY(!SendMail(Plain(testsupport::LocalServer::unusedPort()), Simple("a@example.test")).maybeDelivered());
    }

    // What went wrong with a secure connection is told apart from a server
    // that cannot be reached.
    void secureConnectionFailuresAreTold() {
        QTemporaryDir spool;
        SmtpAccount a = Plain(sink_.port());
        a.security = SmtpSecurity::StartTls;
        const SendResult none = SendMail(a, Simple("speler@example.test"));
        QCOMPARE(none.failure, SmtpFailure::NoStartTls);
        QVERIFY(none.endsRun);

        testsupport::LocalServer untrusted;
        QVERIFY2(untrusted.startTls("smtp_sink_server.py", {spool.path()}), qPrintable(untrusted.error()));
        a.port = untrusted.port();
        const SendResult certificate = SendMail(a, Simple("speler@example.test"));
        QCOMPARE(certificate.number, int(CURLE_PEER_FAILED_VERIFICATION));
        QCOMPARE(certificate.failure, SmtpFailure::Certificate);
        QVERIFY(certificate.endsRun);

        testsupport::LocalServer refusing;
        QVERIFY(refusing.startTls("smtp_sink_server.py", {spool.path(), "--refuse-starttls"}));
        a.port = refusing.port();
        const SendResult refused = SendMail(a, Simple("speler@example.test"));
        QCOMPARE(refused.number, 454);
        QCOMPARE(refused.failure, SmtpFailure::StartTlsRefused);
        QVERIFY(refused.endsRun);

        const SendResult unreachable =
            SendMail(Plain(testsupport::LocalServer::unusedPort()), Simple("a@example.test"));
        QCOMPARE(unreachable.failure, SmtpFailure::Other);
        QTest::qWait(100);
        QCOMPARE(QDir(spool.path()).entryList({"*.env"}).size(), 0);
    }

    // Port 465 style TLS to a server that speaks none: the handshake is
    // named, with the TLS library's account of it.
    void aTlsPortWithoutTlsIsAFailedHandshake() {
        SmtpAccount a = Plain(sink_.port());
        a.security = SmtpSecurity::Tls;
        const SendResult r = SendMail(a, Simple("speler@example.test"));
        QCOMPARE(r.number, int(CURLE_SSL_CONNECT_ERROR));
        QCOMPARE(r.failure, SmtpFailure::TlsHandshake);
        QVERIFY(r.endsRun);
        QVERIFY(!r.text.isEmpty());
        QCOMPARE(MailStopMelding(r), "De TLS-handshake met de mailserver is mislukt (foutnummer 35: " +
                                         r.text.simplified() +
                                         "): misschien spreekt de server op deze poort geen TLS.|Het "
                                         "versturen is gestopt.");
    }

    // Whatever is wrong with the certificate, the library's text says which.
    void eachCertificateFaultIsNamed_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("says");
        QTest::newRow("self-signed") << int(testsupport::CertificateFault::SelfSigned) << "self-signed";
        QTest::newRow("expired") << int(testsupport::CertificateFault::Expired) << "expired";
        QTest::newRow("other host") << int(testsupport::CertificateFault::OtherHost) << "host name";
    }
    void eachCertificateFaultIsNamed() {
        QFETCH(int, fault);
        QFETCH(QString, says);
        QTemporaryDir spool;
        testsupport::LocalServer server;
        const auto f = testsupport::CertificateFault(fault);
        QVERIFY2(server.startTls("smtp_sink_server.py", {spool.path()}, f), qPrintable(server.error()));
        // The authority is trusted: only the fault itself stands in the way.
        if (f != testsupport::CertificateFault::SelfSigned) SetTrustedCaFileForTests(server.certificateFile());
        SmtpAccount a = Plain(server.port());
        a.security = SmtpSecurity::StartTls;
        const SendResult r = SendMail(a, Simple("speler@example.test"));
        SetTrustedCaFileForTests(QString());
        QCOMPARE(r.number, int(CURLE_PEER_FAILED_VERIFICATION));
        QCOMPARE(r.failure, SmtpFailure::Certificate);
        QVERIFY2(r.text.contains(says), qPrintable(r.text));
        QVERIFY2(MailStopMelding(r).contains(says), qPrintable(MailStopMelding(r)));
        QTest::qWait(100);
        QCOMPARE(QDir(spool.path()).entryList({"*.env"}).size(), 0);
    }

    // A refused recipient or message carries the server's own reply.
    void refusalsCarryTheServersReply() {
        QTemporaryDir spool;
        testsupport::LocalServer server;
        QVERIFY(server.start("smtp_sink_server.py", {spool.path(), "--refuse", "nobody@example.test",
                                                      "--refuse-message",
                                                      "554 5.7.1 Message refused: looks like spam"}));
        SmtpSession session(Plain(server.port()));
        const SendResult recipient = session.Send(Simple("nobody@example.test"));
        QCOMPARE(recipient.failure, SmtpFailure::RecipientRefused);
        QCOMPARE(recipient.text, QString("550 5.1.1 <nobody@example.test>: Recipient address rejected"));
        const SendResult message = session.Send(Simple("speler@example.test"));
        QCOMPARE(message.number, 554);
        QCOMPARE(message.failure, SmtpFailure::Refused);
        QCOMPARE(message.text, QString("554 5.7.1 Message refused: looks like spam"));
        QVERIFY(!message.endsRun);
        QVERIFY(!message.maybeDelivered());
        QCOMPARE(MailFoutOorzaak(recipient, " nobody@example.test "),
                 QString("De mailserver weigert het adres nobody@example.test (foutnummer 550) en "
                         "antwoordt: 550 5.1.1 <nobody@example.test>: Recipient address rejected"));
        QCOMPARE(MailNietVerstuurdRegel(message, "Jan <speler@example.test>"),
                 QString("Jan <speler@example.test> (foutnummer 554, de mailserver antwoordde: 554 5.7.1 "
                         "Message refused: looks like spam)"));
    }

    void whatEndsARunAndWhatDoesNot() {
        // Nothing listening, a server that is too busy, a refused login:
        // every next mail would meet the same.
        const SendResult none = SendMail(Plain(testsupport::LocalServer::unusedPort()), Simple("a@example.test"));
        QVERIFY(none.number != 0);
        QVERIFY(none.endsRun);

        QTemporaryDir spool;
        testsupport::LocalServer busy;
        QVERIFY(busy.start("smtp_sink_server.py", {spool.path(), "--busy"}));
        const SendResult refused = SendMail(Plain(busy.port()), Simple("a@example.test"));
        QCOMPARE(refused.number, 421);
        QVERIFY(refused.endsRun);

        testsupport::LocalServer login;
        QVERIFY(login.start("smtp_sink_server.py", {spool.path(), "--user", "lid", "--password", "goed"}));
        SmtpAccount a = Plain(login.port());
        a.authenticate = true;
        a.user = "lid";
        a.password = "fout";
        const SendResult wrong = SendMail(a, Simple("a@example.test"));
        QCOMPARE(wrong.number, 535);
        QVERIFY(wrong.endsRun);

        // A refused recipient and a message that cannot be built are this
        // mail's own trouble.
        const SendResult recipient = SendMail(Plain(sink_.port()), Simple("nobody@example.test"));
        QCOMPARE(recipient.number, 550);
        QVERIFY(!recipient.endsRun);
        MailMessage m = Simple("a@example.test");
        m.attachments = {"/nonexistent/file.pdf"};
        QVERIFY(!SendMail(Plain(sink_.port()), m).endsRun);
    }

    void attachmentsTogetherBeyondTheLimitSendNothing() {
        QTemporaryDir files;
        // Sparse files: the size counts, not the disk.
        for (const QString name : {"noord.pdf", "kaart.docx"}) {
            QFile f(files.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(kMailAttachmentMax / 2 + 1));
        }
        const int before = QDir(spool_.path()).entryList({"*.env"}).size();
        MailMessage m = Simple("speler@example.test");
        m.attachments = {files.filePath("noord.pdf")};
        SendResult err;
        QVERIFY(!BuildMimeMessage(m, QDateTime::currentDateTime(), "B", &err).isEmpty());
        m.attachments << files.filePath("kaart.docx");
        QCOMPARE(SendMail(Plain(sink_.port()), m).number, kMailTooLarge);
        QTest::qWait(200);
        QCOMPARE(QDir(spool_.path()).entryList({"*.env"}).size(), before);
    }

    // Quoted-printable: a blank at the end of a line is encoded (=20, =09),
    // since mail transports may strip it; blanks inside a line stay as
    // they are.
    void blanksAtLineEndsAreEncoded() {
        MailMessage m = Simple("speler@example.test");
        m.body = "Ronde 1 \r\nTafel\t\r\n  \r\nmidden  blijft\r\nstand =\t \nslot \t";
        SendResult err;
        const QByteArray raw = BuildMimeMessage(m, QDateTime::currentDateTime(), "B", &err);
        const QByteArray body = raw.mid(raw.indexOf("\r\n\r\n") + 4);
        QVERIFY2(body.startsWith("Ronde 1=20\r\nTafel=09\r\n =20\r\nmidden  blijft\r\nstand =3D\t=20\r\nslot =09"),
                 body.constData());
        for (const QByteArray& line : body.split('\n'))
            QVERIFY2(!line.chopped(line.endsWith('\r') ? 1 : 0).endsWith(' ') &&
                         !line.chopped(line.endsWith('\r') ? 1 : 0).endsWith('\t'),
                     line.constData());
    }

    void messageWithoutAttachmentsIsSinglePart() {
        SendResult err;
        MailMessage m = Simple("speler@example.test");
        const QByteArray raw = BuildMimeMessage(m, QDateTime::currentDateTime(), "B", &err);
        QVERIFY(raw.contains("Content-Type: text/plain; charset=UTF-8\r\n"));
        QVERIFY(!raw.contains("multipart"));
        QVERIFY(!raw.contains("Reply-To"));  // no own address, no header
        // Every line ends in CRLF and stays within the SMTP line limit.
        for (const QByteArray& line : raw.split('\n'))
            QVERIFY(line.isEmpty() || (line.endsWith('\r') && line.size() <= 998));
    }
};

QTEST_GUILESS_MAIN(TestMailSmtp)
#include "test_mail_smtp.moc"
