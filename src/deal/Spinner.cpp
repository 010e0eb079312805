#include "deal/Spinner.h"

#include "deal/SpinnerRegels.h"
#include "platform/Controls.h"
#include "platform/ControlsList.h"

bool VolgSpinner(platform::VScrollBar& vscr, const platform::ListBox& lijst, platform::Label& label) {
    const int index = spel::WikkelIndex(vscr.Value(), lijst.ListCount());
    if (index < 0) return false;
    if (index != vscr.Value()) {
        vscr.SetValue(index);  // the nested change does the rest
        return false;
    }
    label.SetCaption(lijst.List(index));
    return true;
}
