#pragma once
// The ten box of the windows that show the 16 holdings of a board: whether
// the ten shows as the ten letter ("T") or as "10".

#include "platform/ControlArray.h"

namespace platform {
class CheckBox;
class TextBox;
}

// Follows a click of the ten box: Tien takes its value, taal.ini stores it
// ([Tien] Tien, "1" or "0"), and the ten in every holding box takes the
// display form. Records are not touched: readers convert on use.
void VolgTienVakje(const platform::CheckBox& chk, platform::ControlArray<platform::TextBox>& houdingen);
