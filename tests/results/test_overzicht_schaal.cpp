// The results overview keeps its sizes however many overviews came before
// it in the same run: opened after a wider one it shows the same fonts and
// layout as when it is opened first; maximised it grows, with whole names.
#include <QtTest>

#include "platform/App.h"
#include "platform/Events.h"
#include "results/frmVeldom12.h"
#include "results/WedstrijdBestanden.h"
#include "shared/BasVeldom.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;
using namespace uitslag;

namespace {

void MaakWedstrijd(const QString& naam, const QString& naamDeel) {
    QStringList paren;
    for (int p = 1; p <= 6; ++p)
        paren << QStringLiteral("%1. %2 %3 - %2 %3").arg(p, 2, 10, QChar('0')).arg(naamDeel).arg(p);
    QVERIFY(SchrijfParen(naam, paren));
    QVERIFY(SchrijfSpellenAantal(naam, 2));
    QVERIFY(SchrijfKlaar(naam, "11"));
    std::vector<QStringList> grid{{"", "1", "2"}};
    for (int p = 0; p < 6; ++p) grid.push_back({paren[p], QString::number(p % 3), QString::number((p + 1) % 3)});
    grid.push_back({"", "", ""});
    QVERIFY(SchrijfOverzicht(naam, grid));
}

// What the user sees of the overview's layout.
struct Beeld {
    int breedte = 0, hoogte = 0;
    double letter = 0, knopLetter = 0;
    QList<int> kolommen;
    bool operator==(const Beeld&) const = default;
};

Beeld Kijk(frmVeldom12Form& f) {
    Beeld b;
    b.breedte = f.Width();
    b.hoogte = f.Height();
    b.letter = f.msfgResultaat.FontSize();
    b.knopLetter = f.cmdTerug.FontSize();
    for (int c = 0; c < f.msfgResultaat.Cols(); ++c) b.kolommen << f.msfgResultaat.ColWidth(c);
    return b;
}

}  // namespace

class TestOverzichtSchaal : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;

private slots:
    void initTestCase() { SetupApplication(*qApp); }
    void init() {
        home.Begin({.mailTxt = false});
        InternetAanwezig = true;
        EigenaarNaam = "Bridgeclub Oost";
        MaakWedstrijd("Smal", "Jan");
        MaakWedstrijd("Breed", QString("Marie-Thérèse van Oosterwijk-Bloemendaal de Vries"));
    }
    void cleanup() {
        home.Einde();
    }

    void theSameMatchLooksTheSameAfterWiderOverviews() {
        testsupport::PromptScript prompts;
        QVERIFY(ToonUitslagOverzicht("Smal", {}));
        DoEvents();
        const Beeld eerst = Kijk(frmVeldom12());
        QCOMPARE(eerst.letter, 9.0);
        Unload(frmVeldom12());
        DoEvents();
        for (int keer = 0; keer < 4; ++keer) {
            QVERIFY(ToonUitslagOverzicht("Breed", {}));
            DoEvents();
            QVERIFY(frmVeldom12().Width() > eerst.breedte);
            QCOMPARE(frmVeldom12().msfgResultaat.FontSize(), 9.0);
            Unload(frmVeldom12());
            DoEvents();
            QVERIFY(ToonUitslagOverzicht("Smal", {}));
            DoEvents();
            const Beeld nu = Kijk(frmVeldom12());
            QCOMPARE(nu.letter, eerst.letter);
            QCOMPARE(nu.knopLetter, eerst.knopLetter);
            QCOMPARE(nu.kolommen, eerst.kolommen);
            QCOMPARE(nu.breedte, eerst.breedte);
            QCOMPARE(nu.hoogte, eerst.hoogte);
            Unload(frmVeldom12());
            DoEvents();
        }
    }

    void enlargedOrMaximisedItScalesAndShowsWholeNames() {
        testsupport::PromptScript prompts;
        QVERIFY(ToonUitslagOverzicht("Breed", {}));
        DoEvents();
        frmVeldom12Form& f = frmVeldom12();
        Grid& g = f.msfgResultaat;
        const Beeld normaal = Kijk(f);
        auto heleTeksten = [&g] {
            for (int r = 0; r < g.Rows(); ++r)
                for (int c = 0; c < g.Cols(); ++c)
                    QVERIFY2(g.TextWidthTwips(g.TextMatrix(r, c)) <= g.ColWidth(c), qPrintable(g.TextMatrix(r, c)));
        };
        f.Move(0, 0, normaal.breedte * 1.5, normaal.hoogte * 1.5);
        QCOMPARE(g.FontSize(), 11.5);
        QVERIFY(g.ColWidth(1) > normaal.kolommen[1]);
        heleTeksten();
        f.Move(0, 0, normaal.breedte, normaal.hoogte);
        QCOMPARE(Kijk(f), normaal);

        // Maximised it takes the screen's size (whatever screen the tests
        // run on) and scales to it.
        f.SetWindowState(vbMaximized);
        DoEvents();
        const float fx = float(f.ScaleWidth()) / (normaal.breedte - (f.Width() - f.ScaleWidth()));
        const float fy = float(f.ScaleHeight()) / (normaal.hoogte - (f.Height() - f.ScaleHeight()));
        QCOMPARE(float(g.FontSize()), std::min(11.5f, std::min(fx, fy) * 9.0f));
        heleTeksten();
        f.SetWindowState(vbNormal);
        DoEvents();
        QCOMPARE(Kijk(f), normaal);
    }
};

QTEST_MAIN(TestOverzichtSchaal)
#include "test_overzicht_schaal.moc"
