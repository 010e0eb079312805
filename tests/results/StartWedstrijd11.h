#pragma once
// For the results entry tests: a match "W" of `paren` pairs (pair i is
// "Ai - Bi") written into the program folder, and the results entry window
// opened from the main window with that match started.

#include <QByteArray>
#include <QString>

#include "main/frmVeldom01.h"
#include "results/frmVeldom11.h"
#include "support/TestSupport.h"

inline frmVeldom11Form& StartWedstrijdW(testsupport::TempHome& home, int paren) {
    QByteArray regels;
    for (int i = 1; i <= paren; ++i)
        regels += QStringLiteral("%1. A%2 - B%2\r\n").arg(i, 2, 10, QChar('0')).arg(i).toLatin1();
    testsupport::WriteTestFile(home.file("resultaten/W/W.txt"), regels);
    frmVeldom01().Show();
    frmVeldom01().cmdInvoeren.Click();
    frmVeldom11Form& f = frmVeldom11();
    f.lstUitslagen.SetListIndex(int(f.lstUitslagen.Items().indexOf("W")));
    f.cmdStart.Click();
    return f;
}
