// Which opening types the stored apply boxes allow, in either language, and
// which settings the no-deal message tells the user to widen.
#include <QtTest>

#include "settings/OpeningKeuze.h"
#include "shared/Ini.h"
#include "shared/Tekst.h"
#include "support/TestSupport.h"

using namespace spel;

class TestOpeningKeuze : public QObject {
    Q_OBJECT
    void Zet(const QString& ini, const QString& sleutel, const QString& waarde) {
        SchrijfIni("Toegestaan", sleutel, waarde, ini);
    }

private slots:
    void cleanup() { TaalNummer = 10; }

    void allowedTypesInEitherLanguage() {
        testsupport::TempHome home;
        const QString ini = home.file("taal.ini");
        QCOMPARE(LeesToegestaneSoorten(ini, 10), 0u);
        // Dutch keys as the Dutch settings window writes them.
        Zet(ini, "&Regel van &20 toepassen", "0");
        Zet(ini, "Zwa&kke 2 toepassen", "1");
        Zet(ini, "M&ulty 2 ruiten toepassen", "1");
        const unsigned nl = (1u << Zwakke2) | (1u << Multy2Ruiten);
        QCOMPARE(LeesToegestaneSoorten(ini, 10), nl);
        // English without English keys: the Dutch choice holds.
        QCOMPARE(LeesToegestaneSoorten(ini, 11), nl);
        // Once the English window stored its keys, they decide in English;
        // the Dutch keys still decide in Dutch, and the English key where
        // no Dutch one exists.
        Zet(ini, "Weak 2 apply", "0");
        Zet(ini, "&Muiderbergse 2 apply", "1");
        QCOMPARE(LeesToegestaneSoorten(ini, 11), (1u << Muiderbergse2) | (1u << Multy2Ruiten));
        QCOMPARE(LeesToegestaneSoorten(ini, 10), nl | (1u << Muiderbergse2));
        // Hand-edited values: greyed (2) and text are not ticked, any other
        // number is, blanks count as absent.
        Zet(ini, "&6 card with 11 points apply", "2");
        Zet(ini, "&6 kaart met 11 punten toepassen", "1");
        Zet(ini, "&Rule of &20 apply", "ja");
        Zet(ini, "Mult&y 2 diamond apply", "7");
        Zet(ini, "&Muiderbergse 2 apply", " ");
        Zet(ini, "&Muiderbergse 2 toepassen", "0");
        QCOMPARE(LeesToegestaneSoorten(ini, 11), 1u << Multy2Ruiten);
    }

    // A setting never met is named alone; when each is met but never
    // together, the point window and every allowed type are named.
    void messageNamesWhatToWiden() {
        SpelEisen e;
        e.venster = {19, 20, true};
        e.soorten = (1u << Zwakke2) | (1u << Multy2Ruiten);
        Knelpunten k;
        k.pogingen = 1000;
        k.venster = 40;
        k.soort[Zwakke2] = 100;
        QString m = GeenSpelMelding(7, 10'000'000, 6, e, k);
        QVERIFY2(m.contains("spel 7 ") && m.contains("10.000.000") && m.contains("1 tot en met 6"), qPrintable(m));
        QVERIFY(m.contains("pagina Multy 2 ruiten") && !m.contains("pagina Zwakke 2") && !m.contains("puntenvenster"));

        k.soort[Multy2Ruiten] = 50;
        m = GeenSpelMelding(1, 10'000'000, 0, e, k);
        QVERIFY2(m.contains("puntenvenster (nu 19 tot 20)") && m.contains("pagina Zwakke 2") &&
                     m.contains("pagina Multy 2 ruiten") && m.contains(TaalTekst(229)),
                 qPrintable(m));

        TaalNummer = 11;
        k.venster = 0;
        m = GeenSpelMelding(2, 1234567, 1, e, k);
        QVERIFY2(m.contains("board 2 ") && m.contains("1,234,567") && m.contains("Boards 1 to 1") &&
                     m.contains("point window (now 19 to 20)") && !m.contains("page"),
                 qPrintable(m));
    }
};

QTEST_GUILESS_MAIN(TestOpeningKeuze)
#include "test_openingkeuze.moc"
