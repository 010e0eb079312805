#pragma once
// A spinner: a scroll bar whose value indexes a hidden list of allowed
// values, shown in a label beside it.

namespace platform {
class Label;
class ListBox;
class VScrollBar;
}

// Follows a change of the scroll bar. A value one step past either end of
// the list is wrapped round and set again, and the change that causes does
// the rest: false, as it is with an empty list. Otherwise the label shows
// the chosen item: true, and the caller stores it.
bool VolgSpinner(platform::VScrollBar& vscr, const platform::ListBox& lijst, platform::Label& label);
