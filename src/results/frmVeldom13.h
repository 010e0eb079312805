#pragma once
// The adjusted-score window: a whole percentage (0 to 99) for North-South
// and for East-West goes into one row of the results entry's score slip
// (the row in its cmdArbitrale.Tag) as the contract texts "<n>.00%" with
// their provisional matchpoints, and the board is saved at once. Closing,
// by any road, gives the results entry back and starts its timer, which
// matchpoints the board once every table has a result.

#include "platform/Controls.h"
#include "platform/Form.h"

class frmVeldom13Form : public platform::Form {
public:
    frmVeldom13Form();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& Cancel, int UnloadMode) override;
    void Form_KeyUp(int& KeyCode, int Shift) override;

    void cmdOK_Click();
    void cmdTerug_Click();
    void txtNZ_KeyPress(int& KeyAscii);
    void txtOW_KeyPress(int& KeyAscii);

    platform::Label lblNZ{this, "lblNZ"};
    platform::TextBox txtNZ{this, "txtNZ"};
    platform::Label lblOW{this, "lblOW"};
    platform::TextBox txtOW{this, "txtOW"};
    platform::ControlArray<platform::Label> lblProCent{this, "lblProCent", 2};
    platform::CommandButton cmdOK{this, "cmdOK"};
    platform::CommandButton cmdTerug{this, "cmdTerug"};
    platform::CommandButton cmdFocus{this, "cmdFocus"};

private:
    void ToetsInVak(int& KeyAscii, platform::TextBox& dit, platform::TextBox& ander);

    bool teruggegeven_ = false;
};

DECLARE_FORM(frmVeldom13, frmVeldom13Form)
