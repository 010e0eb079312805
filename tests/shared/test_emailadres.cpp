#include <QtTest>

#include "shared/EmailAdres.h"

class TestEmailAdres : public QObject {
    Q_OBJECT
private slots:
    void acceptsPlainAddresses() {
        for (const char* a : {"jan@club.nl", "a.b-c+d@mail.example.org", "x@y.z"})
            QVERIFY2(EmailAdresGeldig(QString::fromLatin1(a)), a);
    }

    void refusesWhatIsNoSingleAddress() {
        for (const char* a : {"", "jan", "@club.nl", "jan@", "jan@club", "jan@@club.nl",
                              "a@b@club.nl", "jan @club.nl", "jan@club .nl", "jan@club.nl;piet@x.nl",
                              "jan@club.nl,piet@x.nl", "<jan@club.nl>", "\"jan\"@club.nl",
                              "jan@.club.nl", "jan@club.nl.", "jan@club..nl", "jan@club.nl\r\nBcc: x@y.z",
                              "jan\t@club.nl"})
            QVERIFY2(!EmailAdresGeldig(QString::fromLatin1(a)), a);
    }
};

QTEST_APPLESS_MAIN(TestEmailAdres)
#include "test_emailadres.moc"
