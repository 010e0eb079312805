#pragma once
// The print-job window: a white, maximised backdrop behind the layout window
// for the whole print job. Its activation shows the layout window chosen in
// taal.ini [Printer] "Print Richting".

#include "platform/Form.h"

class frmVeldom08Form : public platform::Form {
public:
    frmVeldom08Form();

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyUp(int& KeyCode, int Shift) override;
};

DECLARE_FORM(frmVeldom08, frmVeldom08Form)
