#pragma once
// The Save-as dialog: the user types a name, and the dialog saves or hands
// it back according to the window that opened it (AanroepScherm): 1 the
// main window (deal set file), 4 the names editor, 5 the group composer,
// 11 the results entry. Its calendar button opens frmVeldom03 to put a date
// into the name box.

#include "platform/Controls.h"
#include "platform/Form.h"

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

private:
    // Saves the deal set of the main window under the name; false when the
    // dialog has to stay open (the write failed).
    bool BewaarSpelSet(const QString& naam);
    // Saves the names editor's grid as namen\<naam>.txt; false as above.
    bool BewaarNamen(const QString& naam);
    // Makes the match resultaten\<naam> from the results entry's pairs:
    // its pairs file and, as its mail list, a copy of the group file. Sets
    // SessieNaam and SessieBestand (empty after No to the overwrite
    // question); false when a write failed.
    bool BewaarWedstrijd(const QString& naam);
    // Writes the lines as map\<naam>.txt, asking before it overwrites a
    // non-empty file; false when the write failed.
    bool BewaarInMap(const QString& map, const QString& naam, const QStringList& regels);
    void NaamOpnieuw();
    // Refuses a name that may not become a file name, with the message of
    // text 85; true when the name may be used.
    bool NaamGoedgekeurd(const QString& naam);
    void ToonWeigering();
    // Gives the caller back; runs once, however the dialog closes.
    void GeefAanroeperTerug();

    bool teruggegeven_ = false;
};

DECLARE_FORM(frmVeldom02, frmVeldom02Form)
