#pragma once
#include "platform/Form.h"
class frmVeldom16Form : public platform::Form { public: frmVeldom16Form() : platform::Form("frmVeldom16") {} };
DECLARE_FORM(frmVeldom16, frmVeldom16Form)
