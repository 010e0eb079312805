#include "main/UpdateVenster.h"

#include <QApplication>
#include <QCursor>

#include "main/frmVeldom01.h"
#include "platform/Events.h"
#include "platform/Prompt.h"
#include "shared/Bestanden.h"
#include "shared/Globals.h"
#include "shared/Scherm.h"
#include "shared/Tekst.h"
#include "shared/Update.h"

void VersieControle(frmVeldom01Form& frm) {
    const VersieUitkomst uitkomst = ControleerVersie(HeeftInternet(), EigenVersie());
    WebsiteBereikbaar = uitkomst.websiteBereikbaar;
    if (uitkomst.videoZichtbaar)
        frm.cmdVideo.SetVisible(*uitkomst.videoZichtbaar);
    if (uitkomst.updateAanbieden)
        frm.cmdDownLoad.SetVisible(true);
}

void DownloadUpdate(frmVeldom01Form& frm) {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ZetFocus(frm, frm.cmdFocus);
    frm.SetEnabled(false);
    // The window is disabled; it only repaints while the download runs.
    const bool gelukt = DownloadUpdateBestand(nullptr, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (!gelukt) {
        QApplication::restoreOverrideCursor();
        platform::MsgBox(MetRegels(TaalTekst(173)), platform::vbInformation, frm.Caption());
        frm.SetEnabled(true);
        ZetFocus(frm, frm.cmdFocus);
        return;
    }
    frm.SetEnabled(true);
    QApplication::restoreOverrideCursor();
    platform::MsgBox(TaalTekst(174), platform::vbInformation, frm.Caption());
    OpenMetBureaublad(UpdateBestand());
    platform::End();
}
