// Rules of the settings window without a window: captions and keys from the
// text table, stored values read back as box and provider states, the
// address checks, and the own address loaded with the settings.

#include <QtTest>
#include <memory>

#include "settings/InstellingRegels.h"
#include "shared/BasVeldom.h"
#include "support/TestSupport.h"

using namespace instelling;

class TestInstellingRegels : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TaalNummer = 10; }

    void openingCaptionsAreTheKeysInBothLanguages() {
        TaalNummer = 10;
        const QStringList nl{"&Regel van &20 toepassen", "&6 kaart met 11 punten toepassen", "Zwa&kke 2 toepassen",
                             "&Muiderbergse 2 toepassen", "M&ulty 2 ruiten toepassen"};
        for (int i = 0; i < AantalOpeningen; ++i) QCOMPARE(OpeningBijschrift(i), nl[i]);
        TaalNummer = 11;
        const QStringList en{"&Rule of &20 apply", "&6 card with 11 points apply", "Weak 2 apply",
                             "&Muiderbergse 2 apply", "Mult&y 2 diamond apply"};
        for (int i = 0; i < AantalOpeningen; ++i) QCOMPARE(OpeningBijschrift(i), en[i]);
        QCOMPARE(OpeningBijschrift(5), QString());
    }

    // What the boxes show: one key each, none of them a page button's; the
    // settings file keeps the captions above as its keys.
    void openingBoxesShowOneKeyOfTheirOwn() {
        TaalNummer = 10;
        QCOMPARE(OpeningKop(0), QString("Regel van &20 toepassen"));
        QCOMPARE(OpeningKop(2), QString("Zwa&kke 2 toepassen"));
        TaalNummer = 11;
        QCOMPARE(OpeningKop(0), QString("Rule of &20 apply"));
        QCOMPARE(OpeningKop(2), QString("W&eak 2 apply"));
        QCOMPARE(OpeningKop(4), QString("Mult&y 2 diamond apply"));
    }

    void pageAndRowCaptions() {
        TaalNummer = 10;
        QCOMPARE(PaginaBijschrift(0), QString("Spel"));
        QCOMPARE(KeuzeBijschrift(0), QString("&Spel"));
        QCOMPARE(PaginaBijschrift(2), QString("6 kaart met 11 punten"));
        QCOMPARE(KeuzeBijschrift(2), QString("6 kaart met 11 &punten"));
        QCOMPARE(KeuzeBijschrift(4), QString("Mui&derbergse 2"));
        QCOMPARE(ToepassenBijschrift(), QString("To&epassen"));  // the T is the back button's
        QCOMPARE(PuntenRijBijschrift(0), QString("Minimum punten niet kwetsbaar: "));
        QCOMPARE(PuntenRijBijschrift(1), QString("Maximum punten niet kwetsbaar: "));
        QCOMPARE(PuntenRijBijschrift(2), QString("Minimum punten kwetsbaar: "));
        QCOMPARE(PuntenRijBijschrift(3), QString("Maximum punten kwetsbaar: "));
        QCOMPARE(HonneursBijschrift(), QString("Aantal honneurs (AHVB) in 6 kaart: "));
        TaalNummer = 11;
        QCOMPARE(PaginaBijschrift(0), QString("Game"));
        QCOMPARE(ToepassenBijschrift(), QString("&Apply"));
        QCOMPARE(PuntenRijBijschrift(0), QString("Minimum points not vulnerable: "));
        QCOMPARE(PuntenRijBijschrift(3), QString("Maximum points vulnerable: "));
    }

    void storedBoxValues() {
        QCOMPARE(VinkUitIni("", 0), 0);
        QCOMPARE(VinkUitIni("", 1), 1);
        QCOMPARE(VinkUitIni("  ", 1), 1);
        QCOMPARE(VinkUitIni("0", 1), 0);
        QCOMPARE(VinkUitIni("1", 0), 1);
        QCOMPARE(VinkUitIni("2", 0), 2);
        QCOMPARE(VinkUitIni("6", 0), 1);
        QCOMPARE(VinkUitIni("-1", 0), 1);
        QCOMPARE(VinkUitIni("99999", 0), 1);
        QCOMPARE(VinkUitIni("ja", 1), 0);
    }

    void storedProvider() {
        QCOMPARE(ProviderUitIni(""), 0);
        QCOMPARE(ProviderUitIni("0"), 0);
        QCOMPARE(ProviderUitIni("1"), 1);
        QCOMPARE(ProviderUitIni(" 1 "), 1);
        QCOMPARE(ProviderUitIni("2"), 0);
        QCOMPARE(ProviderUitIni("-1"), 0);
        QCOMPARE(ProviderUitIni("1.5"), 0);
        QCOMPARE(ProviderUitIni("x"), 0);
    }

    void addressWarningsWhileTyping() {
        QCOMPARE(AdresTikFout("jan@voorbeeld.nl"), AdresFout::Geen);
        QCOMPARE(AdresTikFout("jan@"), AdresFout::Geen);
        QCOMPARE(AdresTikFout("jan@@"), AdresFout::TweeApenstaarten);
        QCOMPARE(AdresTikFout("jan@x..nl"), AdresFout::DubbelePunt);
        // Two "@" is named first when both faults are there.
        QCOMPARE(AdresTikFout("a@@b..c"), AdresFout::TweeApenstaarten);
    }

    void onlyNoAddressOrAValidOneIsStored() {
        QVERIFY(AdresBewaarbaar(""));
        QVERIFY(AdresBewaarbaar("   "));
        QVERIFY(AdresBewaarbaar(" jan@voorbeeld.nl "));
        QVERIFY(!AdresBewaarbaar("jan"));
        QVERIFY(!AdresBewaarbaar("jan@voorbeeld"));
        QVERIFY(!AdresBewaarbaar("jan de boer@voorbeeld.nl"));
        QVERIFY(!AdresBewaarbaar("jan@voorbeeld.nl;piet@voorbeeld.nl"));
        QVERIFY(!AdresBewaarbaar("<jan@voorbeeld.nl>"));
    }

    void ownAddressIsLoadedWithTheSettings() {
        testsupport::TempHome home;
        EigenEmailAdres = "oud@voorbeeld.nl";
        LeesInstellingen();
        QCOMPARE(EigenEmailAdres, QString());
        SchrijfIni("Standaard", "eigen e-mail adres", "  jan@voorbeeld.nl ", IniBestand);
        LeesInstellingen();
        QCOMPARE(EigenEmailAdres, QString("jan@voorbeeld.nl"));
        // A hand-edited value that is no address counts as none.
        SchrijfIni("standaard", "Eigen E-mail Adres", "jan@@voorbeeld.nl", IniBestand);
        LeesInstellingen();
        QCOMPARE(EigenEmailAdres, QString());
    }
};

QTEST_GUILESS_MAIN(TestInstellingRegels)
#include "test_instellingregels.moc"
