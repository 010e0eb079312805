#include "deal/TienVakje.h"

#include "deal/SpelRecord.h"
#include "platform/Controls.h"
#include "shared/Ini.h"
#include "shared/Instellingen.h"

void VolgTienVakje(const platform::CheckBox& chk, platform::ControlArray<platform::TextBox>& houdingen) {
    Tien = chk.Value() != 0;
    SchrijfIni("Tien", "Tien", QString::number(chk.Value()), IniBestand);
    for (int i = houdingen.LBound(); i <= houdingen.UBound(); ++i)
        houdingen[i].SetText(spel::TienVoorWeergave(houdingen[i].Text(), Tien));
}
