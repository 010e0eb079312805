// The one rule for a match's name: what every window that names a match
// (the composer's Save and rename, the results entry's Save-as) refuses,
// and the message it shows, in the user's language.
#include <QtTest>

#include "results/WedstrijdNaam.h"
#include "shared/BasVeldom.h"

using uitslag::ToetsWedstrijdNaam;
using uitslag::WedstrijdNaamFout;

class TestWedstrijdNaam : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TaalNummer = 10; }

    void namesTheFilesCanHoldPass() {
        for (const QString& n : {QString("Avond"), QString::fromUtf8("Café Zoë 12-03"), QString("Spel 1"),
                                 QString(200, QLatin1Char('x'))})
            QCOMPARE(ToetsWedstrijdNaam(n), WedstrijdNaamFout::Geen);
    }

    void eachFaultIsNamed() {
        const struct {
            QString naam;
            WedstrijdNaamFout fout;
        } gevallen[] = {
            {QString(), WedstrijdNaamFout::Ongeldig},
            {QString(".verborgen"), WedstrijdNaamFout::Ongeldig},
            {QString("a/b"), WedstrijdNaamFout::Ongeldig},
            {QString(" Avond"), WedstrijdNaamFout::Ongeldig},
            {QString::fromUtf8("Łódź"), WedstrijdNaamFout::Tekens},
            {QString::fromUtf8("日本"), WedstrijdNaamFout::Tekens},
            {QString::fromUtf8("😀"), WedstrijdNaamFout::Tekens},
            {QString(250, QLatin1Char('x')), WedstrijdNaamFout::TeLang},
            {QString("Spel 03 Drovik"), WedstrijdNaamFout::BordNaam},
            {QString("game 012"), WedstrijdNaamFout::BordNaam},
        };
        for (const auto& g : gevallen) QVERIFY2(ToetsWedstrijdNaam(g.naam) == g.fout, qPrintable(g.naam));
    }

    void theMessageSaysWhy() {
        QCOMPARE(uitslag::WedstrijdNaamMelding(WedstrijdNaamFout::Geen, "Avond"), QString());
        const QString tekens = uitslag::WedstrijdNaamMelding(WedstrijdNaamFout::Tekens, QString::fromUtf8("Łódź"));
        QVERIFY2(tekens.contains(QString::fromUtf8("bewaard: Ł ź\n")), qPrintable(tekens));
        QVERIFY(uitslag::WedstrijdNaamMelding(WedstrijdNaamFout::BordNaam, "Spel 03 Drovik").contains("Spel 03 Drovik"));
        TaalNummer = 11;
        QVERIFY(uitslag::WedstrijdNaamMelding(WedstrijdNaamFout::TeLang, QString(250, QLatin1Char('x'))).startsWith("The name is too long"));
    }
};

QTEST_GUILESS_MAIN(TestWedstrijdNaam)
#include "test_wedstrijdnaam.moc"
