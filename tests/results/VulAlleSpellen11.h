#pragma once
// The hidden filler of the results entry window, for tests only (it is no
// part of the program a user runs): opens every board of the started match
// and enters a random contract at every table through the ordinary entry
// path (setting the contract box's text, as if typed at once).

#include <QRandomGenerator>
#include <QStringList>

#include "platform/Events.h"
#include "results/frmVeldom11.h"
#include "shared/Ini.h"

inline void VulAlleSpellenIn(frmVeldom11Form& f, quint32 zaad) {
    static const QStringList Keuzes = {"2acn", "3acw", "2k+1n", "4s+1w", "2h-1n", "3s+1!w", "5sc!w"};
    QRandomGenerator toeval(zaad);
    f.msfgResultaat.SetVisible(false);
    const int n = qRound(Val(f.lblAantal.Caption()));
    for (int b = 1; b <= n; ++b) {
        f.cmdSpel_Click(b);
        for (int t = 0; t < f.lstParen.ListCount() / 2 && t < 20; ++t) {
            platform::DoEvents();
            f.lblContractNZ[t].SetCaption("");
            f.lblContractOW[t].SetCaption("");
            f.txtContract.SetText(Keuzes[int(toeval.bounded(Keuzes.size()))]);
        }
    }
    f.msfgResultaat.SetVisible(true);
}
