#include "output/frmVeldom08.h"

#include "main/frmVeldom01.h"
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
    if (frmVeldom01_IsLoaded())
        SetIcon(frmVeldom01().Icon());
    SetBackColor(platform::vbWhite);
    SetWindowState(platform::vbMaximized);
    // The main window takes no input while a job is under way; whatever
    // ends the job gives it back.
    if (frmVeldom01_IsLoaded())
        frmVeldom01().SetEnabled(false);
}

void frmVeldom08Form::Form_Activate() {
    Refresh();
    switch (LeesPrintRichting()) {
    case 0:
    case 1:
        frmVeldom09().Show();
        break;
    case 2:
        frmVeldom14().Show();
        break;
    case 3:
        frmVeldom16().Show();
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

void frmVeldom08Form::Form_Unload(int& Cancel) {
    (void)Cancel;
    HoofdvensterWeerAan();
}
