#include "output/frmVeldom08.h"

#include "output/AfdrukKeten.h"
#include "output/frmVeldom09.h"
#include "output/frmVeldom14.h"
#include "output/frmVeldom16.h"
#include "shared/Tekst.h"

DEFINE_FORM(frmVeldom08, frmVeldom08Form)

frmVeldom08Form::frmVeldom08Form() : platform::Form(QStringLiteral("frmVeldom08")) {}

void frmVeldom08Form::Form_Load() {
    // Text 103 marks an access key, which a window title does not show.
    SetCaption(platform::StripAccessKeys(TaalTekst(103)));
    SetBackColor(platform::vbWhite);
    SetWindowState(platform::vbMaximized);
}

void frmVeldom08Form::Form_Activate() {
    Refresh();
    switch (LeesPrintRichting()) {
    // The layout window keeps this window from input while it is up.
    case 0:
    case 1:
        ShowOwned(frmVeldom09);
        break;
    case 2:
        ShowOwned(frmVeldom14);
        break;
    case 3:
        ShowOwned(frmVeldom16);
        break;
    default:
        // An unknown layout: the white window stays until Esc.
        break;
    }
}

void frmVeldom08Form::Form_KeyUp(int& KeyCode, int Shift) {
    (void)Shift;
    SluitBijEsc(*this, KeyCode);
}

