#include "output/frmVeldom16.h"
DEFINE_FORM(frmVeldom16, frmVeldom16Form)
