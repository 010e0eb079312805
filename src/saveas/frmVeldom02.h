#pragma once
// The Save-as dialog: the user types a name, and the dialog hands it to
// what the window that opened it saves (OpenBewaarDialoog). Its caption
// follows that window's caller number (AanroepScherm): 1 the main window
// (deal set file), 4 the names editor, 5 the group composer, 11 the results
// entry. Its calendar button opens frmVeldom03 to put a date into the name
// box.

#include <QStringList>
#include <functional>

#include "platform/Controls.h"
#include "platform/Form.h"

class frmVeldom02Form;

// What the opener saves under the name typed (checked whole as a file
// name). True when it is saved, or when there is nothing to save: the
// dialog closes. False keeps the dialog open with the name selected, for
// another name or for Back; the opener has told the user why.
using Bewaarder = std::function<bool(frmVeldom02Form& dialoog, const QString& naam)>;

class frmVeldom02Form : public platform::Form {
public:
    frmVeldom02Form();

    platform::Label lblBestandsNaam{this, "lblBestandsNaam"};
    platform::TextBox txtBestandsNaam{this, "txtBestandsNaam"};
    platform::CommandButton cmdKalender{this, "cmdKalender"};
    platform::CommandButton cmdOK{this, "cmdOK"};
    platform::CommandButton cmdTerug{this, "cmdTerug"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};
    platform::ListBox lstUitslagen{this, "lstUitslagen"};

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_KeyUp(int& KeyCode, int Shift) override;

    void cmdOK_Click();
    void cmdTerug_Click();
    void cmdKalender_Click();
    void txtBestandsNaam_Change();
    void txtBestandsNaam_KeyPress(int& KeyAscii);

    // For the openers' Bewaarder:
    // Writes the lines as map\<naam>.txt, asking before it overwrites a
    // non-empty file; false when nothing was written (No, a refused name,
    // a failed write: the user is told).
    bool BewaarInMap(const QString& map, const QString& naam, const QStringList& regels);
    // Tells the user the name may not become a file name (text 85).
    void ToonWeigering();

private:
    friend void OpenBewaarDialoog(platform::Form& opener, Bewaarder bewaar);
    void NaamOpnieuw();
    // Refuses a name that may not become a file name, with the message of
    // text 85; true when the name may be used.
    bool NaamGoedgekeurd(const QString& naam);
    // What the dialog does as it closes (size, proposed name); runs once,
    // however it closes. The layer gives the opener back.
    void GeefAanroeperTerug();

    bool teruggegeven_ = false;
    Bewaarder bewaar_;
};

DECLARE_FORM(frmVeldom02, frmVeldom02Form)

// Opens the dialog owned by `opener` (set AanroepScherm first: it gives
// the caption): the opener is disabled until the dialog closes, and OK
// hands the name to `bewaar`.
void OpenBewaarDialoog(platform::Form& opener, Bewaarder bewaar);
