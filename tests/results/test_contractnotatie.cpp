#include <QtTest>

#include "results/ContractNotatie.h"
#include "shared/Tekst.h"

using namespace uitslag;

namespace {

const QString NL = QStringLiteral("1234567890ashrkcnp+-!nozw");
const QString EN = QStringLiteral("1234567890ashdccnp+-!nozw");

// Types `toetsen` into an empty box the way the box does: a refused key is
// dropped by the filter, an accepted key that the change rule refuses is
// removed again. Returns the text left and the outcome of the last change.
QString Typ(const QString& toetsen, const QString& a, Invoer* laatste = nullptr) {
    QString tekst;
    Invoer u;
    for (QChar k : toetsen) {
        if (!ToetsToegestaan(k, a))
            continue;
        tekst += k;
        u = BeoordeelInvoer(tekst, a);
        if (!u.goed)
            tekst.chop(1);
    }
    if (laatste) *laatste = u;
    return tekst;
}

}  // namespace

class TestContractNotatie : public QObject {
    Q_OBJECT
private slots:
    void alphabetsComeFromTheTextTable() {
        QCOMPARE(NotatieAlfabet(10), NL);
        QCOMPARE(NotatieAlfabet(11), EN);
        QVERIFY(AlfabetBruikbaar(NL));
        QVERIFY(AlfabetBruikbaar(EN));
        QVERIFY(!AlfabetBruikbaar(QString()));
        QVERIFY(!AlfabetBruikbaar(NL.left(24)));
        QVERIFY(!AlfabetBruikbaar(QStringLiteral("1234567890aahrkcnp+-!nozw")));  // strain twice
        // With no usable alphabet nothing is an entry.
        QVERIFY(!LeesContract(QStringLiteral("3h+1n"), QString()));
    }

    void wholeEntriesAreRead() {
        auto c = LeesContract(QStringLiteral("3h+1n"), NL);
        QVERIFY(c);
        QCOMPARE(c->niveau, 3);
        QCOMPARE(c->kleur, Kleur::Harten);
        QCOMPARE(c->resultaat, 1);
        QCOMPARE(c->doublet, 1);
        QCOMPARE(c->leider, Leider::Noord);

        c = LeesContract(QStringLiteral("7a-13!!w"), NL);
        QVERIFY(c);
        QCOMPARE(c->kleur, Kleur::SansAtout);
        QCOMPARE(c->resultaat, -13);
        QCOMPARE(c->doublet, 4);
        QCOMPARE(c->leider, Leider::West);

        c = LeesContract(QStringLiteral("4RC!O"), NL);  // upper case is folded
        QVERIFY(c);
        QCOMPARE(c->kleur, Kleur::Ruiten);
        QCOMPARE(c->doublet, 2);
        QCOMPARE(c->leider, Leider::Oost);

        QCOMPARE(LeesContract(QStringLiteral("p"), NL)->soort, Soort::Pas);
        QCOMPARE(LeesContract(QStringLiteral("N"), EN)->soort, Soort::NietGespeeld);

        // English: "c" is clubs as second character, made exactly as third.
        c = LeesContract(QStringLiteral("4ccz"), EN);
        QVERIFY(c);
        QCOMPARE(c->kleur, Kleur::Klaveren);
        QCOMPARE(c->resultaat, 0);
        QCOMPARE(c->leider, Leider::Zuid);
        QCOMPARE(LeesContract(QStringLiteral("3d+1n"), EN)->kleur, Kleur::Ruiten);
        QCOMPARE(LeesContract(QStringLiteral("4kcn"), NL)->kleur, Kleur::Klaveren);
    }

    void everythingElseIsRefused() {
        const QStringList fout = {
            "", "3a-0n", "3a+-1n", "9z+9n", "3a+0n", "3a-01n", "7a+1n", "6a+2n", "1a-8n", "3a-10n",
            "4a-11n", "7a-14!!w", "4hc!!!n", "3a+!n", "3a-!n", "3a+1", "3a", "pn", "np", "p ",
            " 3a+1n", "3a+1nn", "3a+1n!", "0ac n", "8acn", "3xcn", "4hcs", "hallo wereld",
            "3a+1n\n", "7a-13!!w1", "3a+1!!!n",
        };
        for (const QString& t : fout) {
            QVERIFY2(!LeesContract(t, NL), qPrintable(t));
            QVERIFY2(!LeesContract(t, EN), qPrintable(t));
        }
        // Strains and declarers belong to one language's alphabet.
        QVERIFY(!LeesContract(QStringLiteral("4ccs"), EN));  // "s" is no declarer letter
        QVERIFY(!LeesContract(QStringLiteral("4ccn"), NL));  // "c" is no Dutch strain
        QVERIFY(!LeesContract(QStringLiteral("3d+1n"), NL));
        QVERIFY(!LeesContract(QStringLiteral("3r+1n"), EN));
        QVERIFY(!LeesContract(QStringLiteral("4kcn"), EN));
    }

    void firstPosition() {
        for (const QString& a : {NL, EN}) {
            for (QChar k : QStringLiteral("890ashcz+-!")) {
                Invoer u;
                QCOMPARE(Typ(QString(k), a, &u), QString());
                QVERIFY(!u.goed);
            }
            for (QChar k : QStringLiteral("1234567")) {
                Invoer u;
                QCOMPARE(Typ(QString(k), a, &u), QString(k));
                QVERIFY(u.goed && !u.compleet);
            }
            for (QChar k : QStringLiteral("pn")) {
                Invoer u;
                QCOMPARE(Typ(QString(k), a, &u), QString(k));
                QVERIFY(u.goed && u.compleet);
                QCOMPARE(u.kant, 0);
            }
        }
        // An empty box is never an accepted entry.
        QVERIFY(!BeoordeelInvoer(QString(), NL).goed);
    }

    void secondAndThirdPositions() {
        for (const QString& s : QStringList{"3a", "3s", "3h", "3r", "3k"})
            QCOMPARE(Typ(s, NL), QString(s));
        for (const QString& s : QStringList{"3a", "3s", "3h", "3d", "3c"})
            QCOMPARE(Typ(s, EN), QString(s));
        QCOMPARE(Typ("3d", NL), QString("3"));   // filtered: no Dutch letter
        QCOMPARE(Typ("3r", EN), QString("3"));
        QCOMPARE(Typ("3c", NL), QString("3"));   // Dutch "c" is only made exactly
        QCOMPARE(Typ("3n", NL), QString("3"));
        QCOMPARE(Typ("3x", NL), QString("3"));   // swallowed by the key filter
        QCOMPARE(Typ("3a1", NL), QString("3a")); // "1" removed at position 3
        for (const QString& s : QStringList{"3ac", "3a+", "3a-"})
            QCOMPARE(Typ(s, NL), QString(s));
        QCOMPARE(Typ("4cc", EN), QString("4cc"));
        QCOMPARE(Typ("3an", NL), QString("3a"));
        QCOMPARE(Typ("7a+", NL), QString("7a"));  // no overtricks at level 7
    }

    void fourthPosition() {
        Invoer u;
        // (a) declarer after made exactly completes.
        QCOMPARE(Typ("4hcn", NL, &u), QString("4hcn"));
        QVERIFY(u.compleet);
        QCOMPARE(u.kant, 1);
        Typ("4hco", NL, &u);
        QCOMPARE(u.kant, 2);
        Typ("4ccz", EN, &u);
        QVERIFY(u.compleet);
        QCOMPARE(u.kant, 3);
        QCOMPARE(Typ("4ccs", EN, &u), QString("4cc"));  // "s" is no declarer
        // (c) "!" after made exactly.
        QCOMPARE(Typ("4hc!", NL), QString("4hc!"));
        // (d) undertricks up to level + 6.
        QCOMPARE(Typ("3a-9", NL), QString("3a-9"));
        QCOMPARE(Typ("1a-8", NL), QString("1a-"));
        QCOMPARE(Typ("1a-7", NL), QString("1a-7"));
        // (e) overtricks while level + digit stays at most 7.
        QCOMPARE(Typ("3a+5", NL), QString("3a+"));
        QCOMPARE(Typ("3a+4", NL), QString("3a+4"));
        QCOMPARE(Typ("6a+1", NL), QString("6a+1"));
        QCOMPARE(Typ("6a+2", NL), QString("6a+"));
        // Characters that could only make a refused entry go at once.
        QCOMPARE(Typ("3a-0", NL), QString("3a-"));
        QCOMPARE(Typ("3a+0", NL), QString("3a+"));
        QCOMPARE(Typ("3a+-", NL), QString("3a+"));
        QCOMPARE(Typ("3a-+", NL), QString("3a-"));
        QCOMPARE(Typ("3ac+", NL), QString("3ac"));
        QCOMPARE(Typ("3a+!", NL), QString("3a+"));
        QCOMPARE(Typ("3a-n", NL), QString("3a-"));
    }

    void fifthToEighthPositions() {
        Invoer u;
        // 5: declarer, "!" after a result, second "!", second undertrick digit.
        QCOMPARE(Typ("3a+1n", NL, &u), QString("3a+1n"));
        QVERIFY(u.compleet);
        QCOMPARE(Typ("3a-1w", NL, &u), QString("3a-1w"));
        QCOMPARE(u.kant, 4);
        QCOMPARE(Typ("4hc!n", NL, &u), QString("4hc!n"));
        QVERIFY(u.compleet);
        QCOMPARE(Typ("3a+1!", NL), QString("3a+1!"));
        QCOMPARE(Typ("4hc!!", NL), QString("4hc!!"));
        QCOMPARE(Typ("7a-13", NL), QString("7a-13"));
        QCOMPARE(Typ("7a-14", NL), QString("7a-1"));
        QCOMPARE(Typ("4a-10", NL), QString("4a-10"));
        QCOMPARE(Typ("3a-10", NL), QString("3a-1"));
        QCOMPARE(Typ("3a+12", NL), QString("3a+1"));
        // 6: "!" or a declarer.
        QCOMPARE(Typ("3a-2!!", NL), QString("3a-2!!"));
        QCOMPARE(Typ("3a-2!w", NL, &u), QString("3a-2!w"));
        QVERIFY(u.compleet);
        QCOMPARE(Typ("4hc!!n", NL, &u), QString("4hc!!n"));
        QVERIFY(u.compleet);
        QCOMPARE(Typ("4a-10z", NL, &u), QString("4a-10z"));
        QCOMPARE(u.kant, 3);
        QCOMPARE(Typ("4hc!!!", NL), QString("4hc!!"));  // no third "!"
        // 7: declarer or "!".
        QCOMPARE(Typ("3a-2!!w", NL, &u), QString("3a-2!!w"));
        QVERIFY(u.compleet);
        QCOMPARE(u.kant, 4);
        QCOMPARE(Typ("4a-10!!", NL, &u), QString("4a-10!!"));
        QVERIFY(!u.compleet);
        // 8: a declarer always completes.
        QCOMPARE(Typ("7a-13!!w", NL, &u), QString("7a-13!!w"));
        QVERIFY(u.compleet);
        QCOMPARE(u.kant, 4);
        QCOMPARE(Typ("7a-13!!ww", NL, &u), QString("7a-13!!w"));  // 9 characters: never
        QVERIFY(!u.goed);
        // A complete entry takes nothing more.
        QCOMPARE(Typ("3a+1nn", NL), QString("3a+1n"));
        QCOMPARE(Typ("pn", NL), QString("p"));
    }

    void textsSetWholeAreCheckedWhole() {
        // Upper case set by code is examined without regard to case.
        Invoer u = BeoordeelInvoer(QStringLiteral("3A+1N"), NL);
        QVERIFY(u.goed && u.compleet);
        QCOMPARE(u.kant, 1);
        // A whole text is checked, not only its last character.
        for (const QString& t : QStringList{"3a-0n", "3a+-1n", "9z+9n", "3a+!n", "xyz", "Pn", "Nn"}) {
            u = BeoordeelInvoer(t, NL);
            QVERIFY2(!u.goed && !u.compleet, qPrintable(t));
        }
        QCOMPARE(BeoordeelTekst(QStringLiteral("3H+1"), NL), Stand::Begonnen);
        QCOMPARE(BeoordeelTekst(QStringLiteral("3H+1O"), NL), Stand::Compleet);
        QCOMPARE(BeoordeelTekst(QString(), NL), Stand::Begonnen);
    }

    void keyFilter() {
        for (const QString& a : {NL, EN}) {
            for (QChar k : a)
                QVERIFY(ToetsToegestaan(k, a));
            QVERIFY(ToetsToegestaan(QChar(8), a));
            QVERIFY(ToetsToegestaan(QChar(13), a));
            for (QChar k : QStringLiteral("AHN x=*.?~"))
                QVERIFY(!ToetsToegestaan(k, a));
        }
        QVERIFY(!ToetsToegestaan(QLatin1Char('d'), NL));
        QVERIFY(!ToetsToegestaan(QLatin1Char('r'), EN));
        QVERIFY(!ToetsToegestaan(QLatin1Char('k'), EN));
    }

    void equalsBecomesPlus() {
        for (const QString& a : {NL, EN}) {
            QCOMPARE(HerschrijfToets("3a", '=', a).teken, QChar('+'));
            QCOMPARE(HerschrijfToets("6h", '=', a).teken, QChar('+'));
            QCOMPARE(HerschrijfToets("7a", '=', a).teken, QChar('='));  // level 7
            QCOMPARE(HerschrijfToets("3", '=', a).teken, QChar('='));   // too short
            QVERIFY(!ToetsToegestaan('=', a));  // what stays "=" is then refused
        }
        QCOMPARE(Typ("3a" + QString(HerschrijfToets("3a", '=', NL).teken), NL), QString("3a+"));
    }

    void oneBecomesDouble() {
        struct Geval { const char* tekst; char wordt; bool vraag; };
        const Geval gevallen[] = {
            {"4hc", '!', false},   // after made exactly
            {"4hc!", '!', false},  // second "!"
            {"4hc!!", '1', false}, // a third "!" is not made
            {"3a-2", '!', false},  // 21 down cannot be
            {"3a-", '1', false},   // the first undertrick
            {"4a-1", '!', false},  // 11 down needs level 5
            {"5a-2", '!', false},
            {"5a-1", '1', true},   // 11 down or doubled: ask
            {"7a-1", '1', true},
            {"7a-13", '!', false},
            {"3a+", '1', false},   // the overtrick itself
            {"3a+1", '!', false},
            {"3a-2!", '!', false},
            {"3a", '1', false},    // too short: stays and is refused later
        };
        for (const Geval& g : gevallen) {
            const Toets t = HerschrijfToets(g.tekst, '1', NL);
            QVERIFY2(t.teken == QLatin1Char(g.wordt) && t.vraagDoublet == g.vraag, g.tekst);
        }
        // English: the made-exactly mark is at position 16, "c" also clubs.
        QCOMPARE(HerschrijfToets("4cc", '1', EN).teken, QChar('!'));
        QCOMPARE(HerschrijfToets("4c", '1', EN).teken, QChar('1'));
        QCOMPARE(HerschrijfToets("3d+1", '1', EN).teken, QChar('!'));
        // Other keys are left alone.
        QCOMPARE(HerschrijfToets("4hc", '2', NL).teken, QChar('2'));
    }

    void slipAndStoredForms() {
        QCOMPARE(SlipTekst("3h+1n"), QString("3H+1"));
        QCOMPARE(SlipTekst("7a-13!!w"), QString("7A-13!!"));
        QCOMPARE(SlipTekst("p"), QString("P"));
        QCOMPARE(SlipTekst("n"), QString("N"));
        // Stored in the Dutch letters whatever the language.
        QCOMPARE(OpslagVorm("3D+1", EN), QString("3R+1"));
        QCOMPARE(OpslagVorm("4CC", EN), QString("4KC"));
        QCOMPARE(OpslagVorm("4CC!!", EN), QString("4KC!!"));
        QCOMPARE(OpslagVorm("3H-2", EN), QString("3H-2"));
        QCOMPARE(OpslagVorm("3R+1", NL), QString("3R+1"));
        for (const QString& t : QStringList{"P", "N", "60.00%", "", ".00%", "3D+1"})
            QCOMPARE(OpslagVorm(t, NL), QString(t));  // no contract in Dutch: unchanged
        // Shown in the letters of the language; old English files read too.
        QCOMPARE(SchermVorm("3R+1", EN), QString("3D+1"));
        QCOMPARE(SchermVorm("4KC", EN), QString("4CC"));
        QCOMPARE(SchermVorm("4KC", NL), QString("4KC"));
        QCOMPARE(SchermVorm("3D+1", NL), QString("3R+1"));
        QCOMPARE(SchermVorm("4CC!", NL), QString("4KC!"));
        for (const QString& t : QStringList{"P", "N", "40.00%", ""})
            QCOMPARE(SchermVorm(t, EN), QString(t));
        // A round trip through the stored form keeps every contract.
        for (const QString& t : QStringList{"3D+1", "4CC", "7A-13!!", "2S!", "5H+2!!"})
            QCOMPARE(SchermVorm(OpslagVorm(t, EN), EN), QString(t));
    }
};

QTEST_GUILESS_MAIN(TestContractNotatie)
#include "test_contractnotatie.moc"
