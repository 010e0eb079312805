// The opening types through the real main window and settings window: the
// apply boxes decide which boards a run deals, in Dutch and English, and
// settings that cannot be met end the run with a message instead of a hang.
// Every board is checked from its record text, independently of the engine.
#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>

#include <cmath>
#include <memory>

#include "deal/SpelGenerator.h"
#include "deal/SpelRecord.h"
#include "main/frmVeldom01.h"
#include "platform/App.h"
#include "platform/Events.h"
#include "settings/frmVeldom06.h"
#include "shared/BasVeldom.h"
#include "shared/Instellingen.h"
#include "support/MailTxtFixture.h"
#include "support/PromptScript.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

namespace {

// One hand as its record shows it.
struct Hand {
    int lengte[4] = {};
    int honneurs[4] = {};
    int punten = 0;
};

struct Spel {
    int nummer = 0;
    Hand hand[4];
};

// The limits as the settings window's defaults leave them.
struct Grenzen {
    int zesKaartHonneurs = 2;
    int zwakNK[2] = {5, 10}, zwakWK[2] = {8, 10}, zwakHonneurs = 2;
    bool zwakLaatste = true;
    int muiderNK[2] = {5, 10}, muiderWK[2] = {8, 10};
    bool muiderLaatste = true;
    int multyNK[2] = {6, 10}, multyWK[2] = {8, 11}, multyHonneurs = 2;
    bool multyLaatste = true;
};

Spel LeesSpel(const QString& record) {
    const QStringList v = record.split('~');
    Spel s;
    s.nummer = v.value(0).toInt();
    for (int w = 0; w < 4; ++w) {
        for (int k = 0; k < 4; ++k) {
            QString houding = v.value(1 + 4 * w + k);
            houding.replace("10", "T");
            if (houding == "-") houding.clear();
            s.hand[w].lengte[k] = int(houding.size());
            for (QChar c : houding)
                if (QString("AHVBKQJ").contains(c)) ++s.hand[w].honneurs[k];
        }
        const QString veld = v.value(17 + w);
        s.hand[w].punten = veld.mid(veld.indexOf('(') + 1).chopped(1).toInt();
    }
    return s;
}

bool Binnen(int p, const int (&r)[2]) { return r[0] <= p && p <= r[1]; }

// Board b's dealer and vulnerability: dealers rotate from North, the
// vulnerability runs through the sixteen-board cycle.
int Gever(int b) { return (b - 1) % 4; }
bool Kwetsbaar(int b, int wind) {
    const int code = QString("0123123023013012").at((b - 1) % 16).digitValue();
    return (wind % 2 == 0) ? (code == 1 || code == 3) : (code == 2 || code == 3);
}

bool Past(int soort, const Hand& h, bool kw, const Grenzen& g) {
    int lang[4];
    std::copy(h.lengte, h.lengte + 4, lang);
    std::sort(lang, lang + 4, std::greater<int>());
    switch (soort) {
        case 0:  // points and the two longest suits make 20
            return h.punten + lang[0] + lang[1] >= 20;
        case 1: {  // 6+ cards, 11 points, honours in the higher of the longest suits
            if (h.punten != 11 || lang[0] < 6) return false;
            int k = 0;
            while (h.lengte[k] != lang[0]) ++k;
            return h.honneurs[k] >= g.zesKaartHonneurs;
        }
        case 2: {  // exactly six spades, hearts or diamonds; the first counts
            if (!Binnen(h.punten, kw ? g.zwakWK : g.zwakNK)) return false;
            for (int k = 0; k < 3; ++k)
                if (h.lengte[k] == 6) return h.honneurs[k] >= g.zwakHonneurs;
            return false;
        }
        case 3: {  // five spades or hearts and a minor of four cards or more
            if (!Binnen(h.punten, kw ? g.muiderWK : g.muiderNK)) return false;
            const int laag = std::max(h.lengte[2], h.lengte[3]);
            return (h.lengte[0] == 5 || h.lengte[1] == 5) && laag >= 4;
        }
        case 4: {  // six spades, or else six hearts
            if (!Binnen(h.punten, kw ? g.multyWK : g.multyNK)) return false;
            for (int k = 0; k < 2; ++k)
                if (h.lengte[k] == 6) return h.honneurs[k] >= g.multyHonneurs;
            return false;
        }
    }
    return false;
}

// Some hand that may open, in bidding order from the dealer, fits the type.
bool HeeftSoort(const Spel& s, int soort, const Grenzen& g) {
    const bool laatste[5] = {true, true, g.zwakLaatste, g.muiderLaatste, g.multyLaatste};
    const int handen = laatste[soort] ? 4 : 3;
    for (int j = 0; j < handen; ++j) {
        const int w = (Gever(s.nummer) + j) % 4;
        if (Past(soort, s.hand[w], Kwetsbaar(s.nummer, w), g)) return true;
    }
    return false;
}

bool InVenster(const Spel& s, int lo, int hi) {
    for (const Hand& h : s.hand)
        if (lo <= h.punten && h.punten <= hi) return true;
    return false;
}

}  // namespace

class TestOpeningSoorten : public QObject {
    Q_OBJECT
    testsupport::VensterThuis home;
    std::unique_ptr<testsupport::PromptScript> vragen;

    void Ini(const QString& sectie, const QString& sleutel, const QString& waarde) {
        SchrijfIni(sectie, sleutel, waarde, home->file("taal.ini"));
    }
    frmVeldom01Form& Hoofd() {
        frmVeldom01().Show();
        DoEvents();
        return frmVeldom01();
    }
    // Ticks or clears apply box `soort` in the settings window, opened and
    // closed from the main window as the user does.
    void ZetSoort(int soort, bool aan) {
        frmVeldom01Form& f = Hoofd();
        f.cmdInstellingen.Click();
        DoEvents();
        QVERIFY(frmVeldom06_IsLoaded());
        frmVeldom06Form& s = frmVeldom06();
        s.optInstellingen[soort + 1].userSelected();
        if ((s.chkOpening[soort].Value() == 1) != aan) s.chkOpening[soort].userToggled();
        QCOMPARE(s.chkOpening[soort].Value(), aan ? 1 : 0);
        s.cmdTerug.Click();
        DoEvents();
        QVERIFY(f.Enabled());
    }
    QList<Spel> Deel(int aantal) {
        frmVeldom01Form& f = Hoofd();
        f.vscrSpellen.SetValue(spel::MaximaalSpellen - aantal);
        f.cmdStart_Click();
        QList<Spel> spellen;
        for (int i = 0; i < f.lstSpellenSet1.ListCount(); ++i) spellen << LeesSpel(f.lstSpellenSet1.List(i));
        return spellen;
    }

private slots:
    void initTestCase() {
        SetupApplication(*qApp);
        SetEndHandler([] {});
    }
    void init() {
        home.Begin({.taal = 0});
        vragen = std::make_unique<testsupport::PromptScript>();
    }
    void cleanup() {
        home.Einde();
        vragen.reset();
        TaalNummer = 10;
    }

    void eachTypeAloneOnEveryBoard_data() {
        QTest::addColumn<int>("soort");
        QTest::addColumn<bool>("laatsteHand");
        QTest::newRow("rule of 20") << 0 << true;
        QTest::newRow("6 cards 11 points") << 1 << true;
        QTest::newRow("weak two") << 2 << true;
        QTest::newRow("weak two, not the last hand") << 2 << false;
        QTest::newRow("Muiderberg two") << 3 << true;
        QTest::newRow("Muiderberg two, not the last hand") << 3 << false;
        QTest::newRow("multi two diamonds") << 4 << true;
        QTest::newRow("multi two diamonds, not the last hand") << 4 << false;
    }
    // 48 boards, each with a hand of the type that may open it, and the point
    // window still holding on every board.
    void eachTypeAloneOnEveryBoard() {
        QFETCH(int, soort);
        QFETCH(bool, laatsteHand);
        Grenzen g;
        if (!laatsteHand) {
            const char* sectie[] = {"", "", "Zwakke 2", "Muiderbergse 2", "Multy 2 Ruiten"};
            const char* sleutel[] = {"", "", "LaatsteHand", "MuiderbergLaatsteHand", "Multy2RuitenLaatsteHand"};
            Ini(sectie[soort], sleutel[soort], "0");
            g.zwakLaatste = g.muiderLaatste = g.multyLaatste = false;
        }
        ZetSoort(soort, true);
        const QList<Spel> spellen = Deel(48);
        QCOMPARE(spellen.size(), 48);
        for (const Spel& s : spellen) {
            QVERIFY2(HeeftSoort(s, soort, g), qPrintable(frmVeldom01().lstSpellenSet1.List(s.nummer - 1)));
            QVERIFY(InVenster(s, 12, 24));
        }
        QCOMPARE(vragen->count(), 0);
    }

    // Two types allowed: every board holds one or the other.
    void twoTypesEitherOne() {
        ZetSoort(2, true);
        ZetSoort(4, true);
        const Grenzen g;
        for (const Spel& s : Deel(48)) QVERIFY(HeeftSoort(s, 2, g) || HeeftSoort(s, 4, g));
    }

    // Nothing ticked: the share of boards with each type is what dealing
    // without the types gives, within 4.5 standard deviations. The reference
    // is the engine's plain point-window search over many more boards.
    void nothingTickedIsRandomDealing() {
        const int runs = 10;
        std::array<int, 5> telling{};
        int borden = 0;
        for (int r = 0; r < runs; ++r)
            for (const Spel& s : Deel(48)) {
                ++borden;
                for (int t = 0; t < 5; ++t) telling[t] += HeeftSoort(s, t, Grenzen()) ? 1 : 0;
            }
        QCOMPARE(borden, 480);
        spel::KaartGever gever(2026);
        spel::Verdeling v;
        std::array<int, 5> referentie{};
        const int n = 48000;
        for (int i = 0; i < n; ++i) {
            spel::ZoekSpel(gever, spel::Puntvenster{12, 24, true}, v);
            Spel s;
            s.nummer = i % 48 + 1;
            for (int w = 0; w < 4; ++w) {
                for (int k = 0; k < 4; ++k) {
                    s.hand[w].lengte[k] = spel::KleurLengte(v.hand[w], k);
                    s.hand[w].honneurs[k] = spel::KleurHonneurs(v.hand[w], k);
                }
                s.hand[w].punten = v.punten[w];
            }
            for (int t = 0; t < 5; ++t) referentie[t] += HeeftSoort(s, t, Grenzen()) ? 1 : 0;
        }
        for (int t = 0; t < 5; ++t) {
            const double p = double(referentie[t]) / n;
            const double sd = std::sqrt(p * (1 - p) / borden + p * (1 - p) / n);
            const double aandeel = double(telling[t]) / borden;
            QVERIFY2(std::abs(aandeel - p) < 4.5 * sd + 1e-9,
                     qPrintable(QString("type %1: %2 of %3 boards, expected share %4").arg(t).arg(telling[t]).arg(borden).arg(p)));
        }
        // The weak two is a minority of boards, so a filter would show.
        QVERIFY(telling[2] < borden * 3 / 4);
    }

    // Ticked in Dutch, the choice holds after a change to English; cleared in
    // English, the English key decides.
    void choiceSurvivesAChangeOfLanguage() {
        ZetSoort(2, true);
        // The language changes at the next start of the program.
        Ini("Taal", "nummer", "11");
        Unload(frmVeldom01());
        DoEvents();
        Hoofd();
        QCOMPARE(TaalNummer, 11);
        QList<Spel> spellen = Deel(48);
        QVERIFY(frmVeldom01().lstSpellenSet1.List(0).contains("North("));
        for (const Spel& s : spellen) QVERIFY(HeeftSoort(s, 2, Grenzen()));

        // The English box shows the key stored under its own caption.
        ZetSoort(2, true);
        ZetSoort(2, false);
        spellen = Deel(48);
        int metZwakke2 = 0;
        for (const Spel& s : spellen) metZwakke2 += HeeftSoort(s, 2, Grenzen()) ? 1 : 0;
        QVERIFY2(metZwakke2 < 48, qPrintable(QString::number(metZwakke2)));
    }

    // Four honours in the suit of a weak two need ten points: with both
    // maximums at 9 no board can be dealt. Board 1 fails: the set on screen
    // stays as it was and the message names the page to widen.
    void impossibleFromTheFirstBoard() {
        frmVeldom01Form& f = Hoofd();
        f.vscrSpellen.SetValue(spel::MaximaalSpellen - 6);
        f.cmdStart_Click();
        const QStringList voor = f.lstSpellenSet.Items();
        const QString gever = f.lblGever.Caption();
        Ini("Zwakke 2", "AantalHonneurs", "4");
        Ini("Zwakke 2", "NietKwetsbaarMax", "9");
        Ini("Zwakke 2", "KwetsbaarMax", "9");
        ZetSoort(2, true);
        vragen->answer(vbOK);
        QElapsedTimer klok;
        klok.start();
        f.cmdStart_Click();
        QVERIFY2(klok.elapsed() < 120000, qPrintable(QString::number(klok.elapsed())));
        QCOMPARE(vragen->count(), 1);
        const testsupport::RecordedPrompt& m = vragen->last();
        QCOMPARE(m.icon(), int(vbExclamation));
        QVERIFY2(m.text.contains("spel 1 ") && m.text.contains("Zwakke 2") && m.text.contains("10.000.000"),
                 qPrintable(m.text));
        QVERIFY(!m.text.contains("puntenvenster"));
        QCOMPARE(f.lstSpellenSet.Items(), voor);
        QCOMPARE(f.lstSpellenSet1.Items(), voor.mid(1));
        QCOMPARE(f.lstDitSpel.ListCount(), 6);
        QCOMPARE(f.lblGever.Caption(), gever);
        QVERIFY(f.cmdStart.Enabled() && f.cmdOpslaan.Enabled() && f.vscrMin.Enabled() && f.Enabled());
        QVERIFY(!f.timSchudForm.Enabled());
    }

    // Only the vulnerable limit is impossible: boards 1 to 3 have a
    // non-vulnerable hand that may open, board 4 (all vulnerable) has none.
    // The three boards stay as the set, in English.
    void impossibleFromALaterBoardKeepsWhatWasDealt() {
        Ini("Taal", "nummer", "11");
        Ini("Zwakke 2", "AantalHonneurs", "4");
        Ini("Zwakke 2", "KwetsbaarMax", "9");
        ZetSoort(2, true);
        vragen->answer(vbOK);
        frmVeldom01Form& f = Hoofd();
        QCOMPARE(TaalNummer, 11);
        f.vscrSpellen.SetValue(spel::MaximaalSpellen - 12);
        f.cmdStart_Click();
        QCOMPARE(vragen->count(), 1);
        const QString tekst = vragen->last().text;
        QVERIFY2(tekst.contains("board 4 ") && tekst.contains("1 to 3") && tekst.contains("Weak 2") &&
                     tekst.contains("10,000,000"),
                 qPrintable(tekst));
        QCOMPARE(f.lstSpellenSet1.ListCount(), 3);
        QCOMPARE(f.lstSpellenSet.ListCount(), 4);
        QCOMPARE(f.lstDitSpel.Items(), (QStringList{"3", "2", "1"}));
        QCOMPARE(f.lblSpelnummer.Caption(), QString("1"));
        QCOMPARE(f.lblGever.Caption(), QString("Dealer: North"));
        Grenzen g;
        g.zwakHonneurs = 4;
        g.zwakWK[1] = 9;
        for (int i = 0; i < 3; ++i) QVERIFY(HeeftSoort(LeesSpel(f.lstSpellenSet1.List(i)), 2, g));
        QVERIFY(f.cmdOpslaan.Enabled() && f.cmdStart.Enabled());
    }
};

QTEST_MAIN(TestOpeningSoorten)
#include "test_openingsoorten.moc"
