// The one check a window makes on a text before it goes into a file: what
// the code page cannot hold is named, what is too long is said, in the
// user's language; anything else passes untouched.

#include <QtTest>

#include "platform/Profile.h"
#include "shared/BasVeldom.h"

class TestOpslaanBezwaar : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TaalNummer = 10; }

    void storableTextsPass() {
        for (const QString& t : {QString(), QString::fromUtf8("Zoë Müller-O'Brien"), QString::fromUtf8("€ ‘ ’ Œ ÿ"),
                                QString("jan@club.nl"), QString("?")})
            QCOMPARE(OpslaanBezwaar(t), QString());
    }

    void charactersTheCodePageLacksAreNamedOnce() {
        TaalNummer = 10;
        const QString nl = OpslaanBezwaar(QString::fromUtf8("Łukasz Wałęsa"));
        QVERIFY2(nl.startsWith(QString::fromUtf8("Deze tekens kunnen niet in een bestand worden bewaard: Ł ł ę\n\n")),
                 qPrintable(nl));
        QVERIFY(!nl.contains('|') && !nl.contains('~'));
        TaalNummer = 11;
        const QString en = OpslaanBezwaar(QString::fromUtf8("łukasz@x.pl 😀😀"));
        QVERIFY2(en.startsWith(QString::fromUtf8("These characters cannot be stored in a file: ł 😀\n\n")), qPrintable(en));
    }

    void aLimitIsSaidNotCut() {
        // The own address goes into taal.ini, whose values end at 254.
        const QString grens(platform::kProfileValueMax, QLatin1Char('a'));
        QCOMPARE(OpslaanBezwaar(grens, platform::kProfileValueMax), QString());
        TaalNummer = 10;
        QCOMPARE(OpslaanBezwaar(grens + "b", platform::kProfileValueMax),
                 QString("Deze tekst is te lang: er kunnen ten hoogste 254 tekens worden bewaard."));
        TaalNummer = 11;
        QCOMPARE(OpslaanBezwaar(grens + "b", platform::kProfileValueMax),
                 QString("This text is too long: at most 254 characters can be stored."));
        // Without a limit any length passes; the code page is named first.
        QCOMPARE(OpslaanBezwaar(QString(5000, QLatin1Char('x'))), QString());
        QVERIFY(OpslaanBezwaar(grens + QString::fromUtf8("ł"), 10).contains(QString::fromUtf8("ł")));
    }
};

QTEST_MAIN(TestOpslaanBezwaar)
#include "test_opslaanbezwaar.moc"
