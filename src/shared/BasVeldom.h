#pragma once
// The shared module: program-wide state and the procedures every window uses.
// Each topic has its own header; this one gathers them.

#include "shared/Bestanden.h"
#include "shared/Globals.h"
#include "shared/Ini.h"
#include "shared/Instellingen.h"
#include "shared/Lijsten.h"
#include "shared/Mail.h"
#include "shared/MSendInput.h"
#include "shared/Printers.h"
#include "shared/Scherm.h"
#include "shared/Tekst.h"
