// The provider file codec and the meaning of the provider settings.

#include "shared/Ini.h"
#include "shared/MailTxt.h"
#include "support/MailTxtFixture.h"

#include <QTest>

using testsupport::EncodeMailTxt;
using testsupport::MailTxtProvider;

namespace {

MailTxtProvider Second() {
    MailTxtProvider p;
    p.port = "465";
    p.host = "smtp.example.test";
    p.secure = "True";
    p.authenticate = "-1";
    p.user = QString::fromUtf8("gebruiker€");
    p.password = "p<w>d";
    p.sender = "tweede@example.test";
    p.senderName = QString::fromUtf8("Clüb twee");
    p.ehlo = "ignored.test";
    return p;
}

// Replaces the line of provider `index` (0-based non-blank line) of a good
// file, keeping the length field right.
QByteArray WithLine(const QList<MailTxtProvider>& providers, int index, const QString& line) {
    QByteArray good = EncodeMailTxt(providers);
    QList<QByteArray> lines = good.split('\n');
    QByteArray tail = lines[index].right(5);  // four characters and the CR
    lines[index] = line.toLatin1() + tail;
    QByteArray out = lines.join('\n');
    const QByteArray length = QByteArray::number(out.size() - 12).rightJustified(4, '0');
    out.replace(lines[0].size() - 5, 4, length);
    return out;
}

}  // namespace

class TestMailTxt : public QObject {
    Q_OBJECT
private slots:
    void decodesTwoProvidersIntoItemOrder() {
        const QByteArray file = EncodeMailTxt({MailTxtProvider(), Second()});
        const MailTxtInhoud in = DecodeerMailTxt(file);
        QCOMPARE(in.staat, MailTxtStaat::Goed);
        QCOMPARE(in.regels.size(), 2);
        QCOMPARE(in.providers.size(), 2);
        // Items: fields 2, 4, 0, 5, 1, 6, 8, 3, 7.
        QCOMPARE(in.providers[1],
                 (QStringList{"ignored.test", "smtp.example.test", "465", "True",
                              QString::fromUtf8("gebruiker€"), "p<w>d", "-1",
                              "tweede@example.test", QString::fromUtf8("Clüb twee")}));
        QCOMPARE(in.regels[0].toLatin1() + "\r\n", file.left(in.regels[0].size() + 2));
    }

    void blankLinesAreSkipped() {
        const QByteArray file = EncodeMailTxt({MailTxtProvider(), Second()}, "   \r\n\r\n\t\r\n");
        const MailTxtInhoud in = DecodeerMailTxt(file);
        QCOMPARE(in.staat, MailTxtStaat::Goed);
        QCOMPARE(in.regels.size(), 2);
    }

    void oneProviderIsEnough() {
        const MailTxtInhoud in = DecodeerMailTxt(EncodeMailTxt({MailTxtProvider()}));
        QCOMPARE(in.staat, MailTxtStaat::Goed);
        QCOMPARE(in.providers.size(), 1);
    }

    void extraFieldsAreIgnored() {
        MailTxtProvider p;
        p.extra = {"later", "more"};
        const MailTxtInhoud in = DecodeerMailTxt(EncodeMailTxt({p}));
        QCOMPARE(in.staat, MailTxtStaat::Goed);
        QCOMPARE(in.providers[0].size(), kProviderItems);
    }

    // A file whose line ends were changed on the way (an editor, a mail
    // client, a checkout) reads as the file it was; a byte more or less
    // still fails the length check whatever the line ends.
    void lineEndsOtherThanCrLf_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<bool>("good");
        QTest::newRow("LF") << QByteArray("\r\n") << QByteArray("\n") << QByteArray() << true;
        QTest::newRow("CR") << QByteArray("\r\n") << QByteArray("\r") << QByteArray() << true;
        QTest::newRow("LF, a blank more") << QByteArray("\r\n") << QByteArray("\n") << QByteArray(" ") << false;
        QTest::newRow("LF, blank line lost")
            << QByteArray("\r\n\r\n") << QByteArray("\n") << QByteArray() << false;
    }
    void lineEndsOtherThanCrLf() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QByteArray, tail);
        QFETCH(bool, good);
        const QByteArray crlf = EncodeMailTxt({MailTxtProvider(), Second()}, "  \r\n\r\n");
        QByteArray changed = crlf;
        changed.replace(from, to);
        changed += tail;
        QVERIFY(changed.size() != crlf.size());
        const MailTxtInhoud in = DecodeerMailTxt(changed);
        QCOMPARE(in.staat, good ? MailTxtStaat::Goed : MailTxtStaat::Beschadigd);
        if (good)
            QCOMPARE(in.providers, DecodeerMailTxt(crlf).providers);
    }

    void emptyFileIsMissing() {
        QCOMPARE(DecodeerMailTxt(QByteArray()).staat, MailTxtStaat::Ontbreekt);
    }

    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("file");
        const QList<MailTxtProvider> two{MailTxtProvider(), Second()};
        QTest::newRow("only blanks") << QByteArray("  \r\n\r\n");
        QByteArray wrongLength = EncodeMailTxt(two);
        wrongLength.append(' ');
        QTest::newRow("length check") << wrongLength;
        QTest::newRow("three lines") << EncodeMailTxt({MailTxtProvider(), Second(), Second()});
        QTest::newRow("short group") << WithLine(two, 1, "01011211");
        QTest::newRow("group not digits") << WithLine(two, 1, "0101121a1");
        QTest::newRow("key not digits") << WithLine(two, 1, "x10112");
        QTest::newRow("code below 0") << WithLine(two, 1, "050049");
        QTest::newRow("code above 255") << WithLine(two, 1, "000256");
        QTest::newRow("line too short") << WithLine(two, 1, "");
        QTest::newRow("eight fields")
            << WithLine(two, 1, testsupport::EncodeMailLine("25<>a<>b<>c<>d<>e<>f<>g", 5, ""));
        MailTxtProvider badPort;
        badPort.port = "70000";
        QTest::newRow("port") << EncodeMailTxt({MailTxtProvider(), badPort});
        MailTxtProvider badBool;
        badBool.authenticate = "misschien";
        QTest::newRow("boolean") << EncodeMailTxt({badBool});
        QTest::newRow("foreign file") << QByteArray("%PDF-1.4\n\x00\x01\xff binary", 20);
    }
    void damagedFiles() {
        QFETCH(QByteArray, file);
        const MailTxtInhoud in = DecodeerMailTxt(file);
        QCOMPARE(in.staat, MailTxtStaat::Beschadigd);
        QVERIFY(in.providers.isEmpty());
    }

    void accountFromSettings() {
        const MailTxtInhoud in = DecodeerMailTxt(EncodeMailTxt({MailTxtProvider(), Second()}));
        platform::SmtpAccount a;
        QVERIFY(ProviderAccount(in.providers[0], in.providers[0], a));
        QCOMPARE(a.host, QString("127.0.0.1"));
        QCOMPARE(a.port, 25);
        QCOMPARE(a.security, platform::SmtpSecurity::None);
        QVERIFY(!a.authenticate);
        QCOMPARE(a.heloName, QString("club.test"));

        QVERIFY(ProviderAccount(in.providers[0], in.providers[1], a));
        QCOMPARE(a.security, platform::SmtpSecurity::Tls);  // port 465
        QVERIFY(a.authenticate);
        QCOMPARE(a.user, QString::fromUtf8("gebruiker€"));
        QCOMPARE(a.password, QString("p<w>d"));
        QCOMPARE(a.heloName, QString("club.test"));  // always the first provider's

        QStringList starttls = in.providers[1];
        starttls[2] = "587";
        QVERIFY(ProviderAccount(in.providers[0], starttls, a));
        QCOMPARE(a.security, platform::SmtpSecurity::StartTls);
    }

    void booleans_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("value");
        QTest::newRow("True") << "True" << true << true;
        QTest::newRow("false") << " false " << true << false;
        QTest::newRow("Waar") << "Waar" << true << true;
        QTest::newRow("-1") << "-1" << true << true;
        QTest::newRow("0") << "0" << true << false;
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("1x") << "1x" << false << false;
    }
    void booleans() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(bool, value);
        bool ok = false;
        const bool b = MailBoolean(text, &ok);
        QCOMPARE(ok, valid);
        if (valid)
            QCOMPARE(b, value);
    }
};

QTEST_GUILESS_MAIN(TestMailTxt)
#include "test_mail_txt.moc"
