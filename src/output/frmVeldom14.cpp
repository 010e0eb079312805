#include "output/frmVeldom14.h"
DEFINE_FORM(frmVeldom14, frmVeldom14Form)
