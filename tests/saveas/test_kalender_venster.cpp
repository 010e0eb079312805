// The calendar window on its own: the grid it draws for a month, the marked
// day, the clamp on month and year changes, empty cells, both date patterns.
#include <QApplication>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "platform/App.h"
#include "platform/Events.h"
#include "saveas/frmVeldom03.h"
#include "shared/BasVeldom.h"
#include "support/TestSupport.h"
#include "support/VensterThuis.h"

using namespace platform;

class TestKalenderVenster : public QObject {
    Q_OBJECT

    testsupport::VensterThuis home;

    // Shows month m of year j (list choices, as the user makes them).
    frmVeldom03Form& Toon(int jaar, int maand) {
        frmVeldom03Form& k = frmVeldom03();
        k.comJaar.SetText(QString::number(jaar));
        k.comMaand.SetListIndex(maand - 1);
        return k;
    }
    QString Cel(int i) { return frmVeldom03().lblDatum[i].Caption(); }
    int GekozenCel() {
        int gevonden = 0;
        for (int i = 1; i <= 42; ++i) {
            if (frmVeldom03().lblDatum[i].BackColor() == 0xC0FFC0) {
                if (gevonden) return -1;  // more than one
                gevonden = i;
            }
        }
        return gevonden;
    }

private slots:
    void initTestCase() { SetupApplication(*qApp); }
    void init() {
        home.Begin({.mailTxt = false});
        KalenderModus = 0;
        GekozenDatum = "vorige";
    }
    void cleanup() {
        home.Einde();
    }

    void opensOnTodayWithNothingChosen() {
        frmVeldom03Form& k = frmVeldom03();
        const QDate vandaag = QDate::currentDate();
        QVERIFY(GekozenDatum.isEmpty());
        QCOMPARE(k.Dag(), vandaag.day());
        QCOMPARE(k.comMaand.ListIndex(), vandaag.month() - 1);
        QCOMPARE(k.comJaar.Text(), QString::number(vandaag.year()));
        const int laatste = std::max(2042, vandaag.year() + 20);
        QCOMPARE(k.comJaar.ListCount(), laatste - 2012 + 1);
        QCOMPARE(k.comJaar.List(0), QString("2012"));
        QCOMPARE(k.comJaar.List(k.comJaar.ListCount() - 1), QString::number(laatste));
        QCOMPARE(k.comMaand.ListCount(), 12);
        QCOMPARE(k.comMaand.List(0), QString("januari"));
        QCOMPARE(k.lblDag[1].Caption(), QString("Ma"));
        QCOMPARE(k.lblDag[7].Caption(), QString("Zo"));
        QCOMPARE(Cel(GekozenCel()), QString::number(vandaag.day()));
        QCOMPARE(k.Caption(), QString("Kalender"));
        k.Show();
        QCOMPARE(k.Caption(), QString("Kalender (%1)").arg(vandaag.toString("dd-MM-yyyy")));
    }

    void february2021() {
        Toon(2021, 2);
        QCOMPARE(Cel(1), QString("1"));
        QCOMPARE(Cel(28), QString("28"));
        QCOMPARE(Cel(29), QString());
        for (int i = 36; i <= 42; ++i)
            QVERIFY(!frmVeldom03().lblDatum[i].Visible());
        QVERIFY(frmVeldom03().lblDatum[35].Visible());
    }

    void rowSixShownWhenTheMonthReachesIt() {
        Toon(2026, 3);  // starts on Sunday, 31 days
        QCOMPARE(Cel(7), QString("1"));
        QCOMPARE(Cel(37), QString("31"));
        QVERIFY(frmVeldom03().lblDatum[36].Visible());
        QVERIFY(frmVeldom03().lblDatum[42].Visible());
        QCOMPARE(Cel(42), QString());
    }

    void dayKeptWithinTheMonth() {
        frmVeldom03Form& k = Toon(2026, 1);
        k.lblDatum[34].fireClick();  // January 2026: day 1 in cell 4, 31 in cell 34
        QCOMPARE(k.Dag(), 31);
        QCOMPARE(GekozenDatum, QString("31-01-2026"));
        k.comMaand.SetListIndex(1);
        QCOMPARE(k.Dag(), 28);
        QCOMPARE(GekozenDatum, QString("28-02-2026"));
        QCOMPARE(Cel(GekozenCel()), QString("28"));
        QCOMPARE(k.Caption(), QString("Kalender (28-02-2026)"));
        // 29 February of a leap year, then a year without one.
        k.comJaar.SetText("2024");
        k.lblDatum[32].fireClick();
        QCOMPARE(GekozenDatum, QString("29-02-2024"));
        k.comJaar.SetText("2025");
        QCOMPARE(GekozenDatum, QString("28-02-2025"));
        QCOMPARE(Cel(GekozenCel()), QString("28"));
    }

    void emptyCellChangesNothing() {
        frmVeldom03Form& k = Toon(2024, 2);
        k.lblDatum[10].fireClick();
        const QString voor = GekozenDatum;
        const QString titel = k.Caption();
        const int cel = GekozenCel();
        k.lblDatum[2].fireClick();
        k.lblDatum[40].fireClick();
        QCOMPARE(GekozenDatum, voor);
        QCOMPARE(k.Caption(), titel);
        QCOMPARE(GekozenCel(), cel);
        QCOMPARE(k.Dag(), 7);
    }

    void okInBothPatterns_data() {
        QTest::addColumn<int>("taal");
        QTest::addColumn<QString>("datum");
        QTest::newRow("Dutch") << 10 << "05-01-2026";
        QTest::newRow("English") << 11 << "2026-01-05";
    }
    void okInBothPatterns() {
        QFETCH(int, taal);
        QFETCH(QString, datum);
        TaalNummer = taal;
        frmVeldom03Form& k = Toon(2026, 1);
        k.lblDatum[8].fireClick();
        k.cmdOK.Click();
        QVERIFY(!frmVeldom03_IsLoaded());
        QCOMPARE(GekozenDatum, datum);
    }

    void englishCaptionAtOpeningIsDayMonthYear() {
        TaalNummer = 11;
        frmVeldom03Form& k = frmVeldom03();
        k.Show();
        const QDate vandaag = QDate::currentDate();
        QCOMPARE(k.Caption(), QString("Calendar (%1)").arg(vandaag.toString("dd-MM-yyyy")));
        // A chosen date follows the English pattern.
        Toon(2026, 1).lblDatum[8].fireClick();
        QCOMPARE(k.Caption(), QString("Calendar (2026-01-05)"));
    }

    void backHandsOverNoDate() {
        frmVeldom03Form& k = Toon(2026, 1);
        k.lblDatum[8].fireClick();
        QVERIFY(!GekozenDatum.isEmpty());
        k.cmdTerug.Click();
        QVERIFY(GekozenDatum.isEmpty());
        frmVeldom03().Show();
        frmVeldom03().widget()->close();
        QVERIFY(!frmVeldom03_IsLoaded());
        QVERIFY(GekozenDatum.isEmpty());
    }

    // The day grid is a stop of the Tab order, between the lists and the
    // buttons, and the arrow keys choose the day on it.
    void theDayIsChosenWithTheArrowKeys() {
        frmVeldom03Form& k = Toon(2026, 1);
        k.Show();
        k.lblDatum[8].fireClick();  // 5 January
        k.comJaar.SetFocus();
        QTest::keyClick(k.widget()->focusWidget(), Qt::Key_Tab);
        QCOMPARE(k.widget()->focusWidget(), k.fraBackGround.widget());
        for (Qt::Key toets : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left})
            QTest::keyClick(k.widget()->focusWidget(), toets);
        QCOMPARE(k.Dag(), 19);
        QCOMPARE(GekozenCel(), 22);
        QCOMPARE(k.Caption(), QString("Kalender (19-01-2026)"));
        for (int i = 0; i < 3; ++i) QTest::keyClick(k.widget()->focusWidget(), Qt::Key_Up);
        QCOMPARE(k.Dag(), 5);  // no day above the first week
        QTest::keyClick(k.widget()->focusWidget(), Qt::Key_Tab);
        QCOMPARE(k.widget()->focusWidget(), k.cmdTerug.widget());
        QCOMPARE(k.cmdTerug.Caption(), QString("&Terug"));
        QCOMPARE(k.cmdOK.Caption(), QString("&OK"));
    }

    void typingInTheListsIsDropped() {
        frmVeldom03Form& k = Toon(2026, 5);
        k.Show();
        int toets = 'x';
        k.comJaar.fireKeyPress(toets);
        QCOMPARE(toets, 0);
        toets = '7';
        k.comMaand.fireKeyPress(toets);
        QCOMPARE(toets, 0);
        QCOMPARE(k.comMaand.ListIndex(), 4);
    }
};

QTEST_MAIN(TestKalenderVenster)
#include "test_kalender_venster.moc"
