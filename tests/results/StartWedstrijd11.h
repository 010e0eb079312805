#pragma once
// For the results entry tests: a match "W" of `paren` pairs (pair i is
// "Ai - Bi") written into the program folder, and the results entry window
// opened from the main window with that match started; and the steps the
// tests of a match made from a group share.

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtTest>

#include "main/frmVeldom01.h"
#include "platform/Events.h"
#include "results/ContractNotatie.h"
#include "results/frmVeldom11.h"
#include "results/WedstrijdBestanden.h"
#include "shared/GroepBestand.h"
#include "support/TestSupport.h"

// `thuis`: the program folder.
inline frmVeldom11Form& StartWedstrijdW(const QString& thuis, int paren) {
    QByteArray regels;
    for (int i = 1; i <= paren; ++i)
        regels += QStringLiteral("%1. A%2 - B%2\r\n").arg(i, 2, 10, QChar('0')).arg(i).toLatin1();
    testsupport::WriteTestFile(thuis + "/resultaten/W/W.txt", regels);
    frmVeldom01().Show();
    frmVeldom01().cmdInvoeren.Click();
    frmVeldom11Form& f = frmVeldom11();
    f.lstUitslagen.SetListIndex(int(f.lstUitslagen.Items().indexOf("W")));
    f.cmdStart.Click();
    return f;
}

inline frmVeldom11Form& StartWedstrijdW(testsupport::TempHome& home, int paren) {
    return StartWedstrijdW(home.path(), paren);
}

// The group `naam` of `paren` pairs, "Speler Na" and "Speler Nb" with an
// address each, written through the program's group file writer.
inline bool SchrijfGroepVanParen(const QString& naam, int paren, QString* fout) {
    QVector<groep::Paar> p;
    for (int i = 1; i <= paren; ++i)
        p.push_back({{QStringLiteral("Speler %1a").arg(i), QStringLiteral("a%1@club.test").arg(i)},
                     {QStringLiteral("Speler %1b").arg(i), QStringLiteral("b%1@club.test").arg(i)}});
    return groep::SchrijfGroep(naam, p, fout);
}

// The same for a test, which fails when the group cannot be written.
inline void SchrijfTestGroep(const QString& naam, int paren) {
    QString fout;
    QVERIFY2(SchrijfGroepVanParen(naam, paren, &fout), qPrintable(fout));
}

// The results entry window, opened from the main window's button.
inline frmVeldom11Form& OpenInvoer() {
    frmVeldom01Form& h = frmVeldom01();
    h.Show();
    platform::DoEvents();
    h.cmdInvoeren.Click();
    platform::DoEvents();
    return frmVeldom11();
}

// Selects `naam` in a list as a click does (the click event runs even when
// it was selected already); false when the list lacks it.
inline bool KiesInLijst(platform::ListBox& lijst, const QString& naam) {
    const int i = int(lijst.Items().indexOf(naam));
    if (i < 0) return false;
    lijst.SetListIndex(-1);
    lijst.SetListIndex(i);
    return true;
}

// Types the contracts on every board from `van` to `tot`, one table after
// the other, letting the events of each table run before the next.
inline void TikBorden(frmVeldom11Form& f, int van, int tot, const QStringList& contracten) {
    for (int b = van; b <= tot; ++b) {
        f.cmdSpel_Click(b);
        for (const QString& c : contracten) {
            QTest::keyClicks(f.txtContract.widget(), c);
            platform::DoEvents();
        }
    }
}

// Every table of board b of match "W" holds the contract typed for it (in
// the notation of language `taal`), on the side of its declarer, and every
// table that played is matchpointed.
inline void ControleerBord(int b, const QStringList& contracten, int taal = 10) {
    const QString A = uitslag::NotatieAlfabet(taal);
    std::vector<uitslag::SpelRij> rijen;
    QVERIFY2(uitslag::LeesSpelUitslag("W", b, A, rijen).Gelukt(), qPrintable(QStringLiteral("board %1").arg(b)));
    QCOMPARE(int(rijen.size()), int(contracten.size()));
    for (int t = 0; t < int(contracten.size()); ++t) {
        const QString invoer = contracten[t];
        const QString slip = uitslag::SlipTekst(invoer);
        const bool nz = invoer.size() == 1 || uitslag::LeesContract(invoer, A)->NoordZuid();
        const bool ow = invoer.size() == 1 || !nz;
        const QString waar = QStringLiteral("board %1 table %2").arg(b).arg(t + 1);
        QVERIFY2(rijen[t].contractNZ == (nz ? slip : QString()), qPrintable(waar + ": " + rijen[t].contractNZ));
        QVERIFY2(rijen[t].contractOW == (ow ? slip : QString()), qPrintable(waar + ": " + rijen[t].contractOW));
        QVERIFY2(rijen[t].mpNZ.isEmpty() == (invoer == "n"), qPrintable(waar));
    }
}
