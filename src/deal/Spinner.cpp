#include "deal/Spinner.h"

#include "deal/SpinnerRegels.h"
#include "platform/Controls.h"
#include "platform/ControlsList.h"
#include "shared/Globals.h"
#include "shared/Ini.h"

bool ZetSpinnerOp(platform::VScrollBar& vscr, const platform::ListBox& lijst, platform::Label& label, int index,
                  const SpinnerBewaar& bewaar) {
    const int aantal = lijst.ListCount();
    if (index < 0 || index >= aantal) return false;
    if (bewaar && !bewaar(lijst.List(index)))
        index = spel::DichtstbijIndex(ValInteger(label.Caption()),
                                      {ValInteger(lijst.List(0)), ValInteger(lijst.List(aantal - 1))});
    if (index != vscr.Value()) {
        const bool was = BezigMetLaden;
        BezigMetLaden = true;
        vscr.SetValue(index);
        BezigMetLaden = was;
    }
    label.SetCaption(lijst.List(index));
    return true;
}

bool VolgSpinner(platform::VScrollBar& vscr, const platform::ListBox& lijst, platform::Label& label,
                 const SpinnerBewaar& bewaar) {
    return ZetSpinnerOp(vscr, lijst, label, spel::WikkelIndex(vscr.Value(), lijst.ListCount()), bewaar);
}

bool VolgSpinner(platform::VScrollBar& vscr, const platform::ListBox& lijst, platform::Label& label,
                 const QString& sectie, const QString& sleutel) {
    return VolgSpinner(vscr, lijst, label,
                       [&](const QString& tekst) { return SchrijfIni(sectie, sleutel, tekst, IniBestand); });
}
