#pragma once
#include "platform/Form.h"
class frmVeldom14Form : public platform::Form { public: frmVeldom14Form() : platform::Form("frmVeldom14") {} };
DECLARE_FORM(frmVeldom14, frmVeldom14Form)
