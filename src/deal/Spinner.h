#pragma once
// A spinner: a scroll bar whose value indexes a hidden list of allowed
// values, shown in a label beside it. Every spinner of the program moves
// through ZetSpinnerOp, so they all wrap, store and fail the same way.

#include <QString>
#include <functional>

namespace platform {
class Label;
class ListBox;
class VScrollBar;
}

// Writes the item a spinner is about to show (with whatever is stored with
// it) and tells whether it is on disk. A write that fails has told the user
// why (SchrijfIni does).
using SpinnerBewaar = std::function<bool(const QString& tekst)>;

// Settles the spinner on position `index`, which the caller has brought
// inside the list and its rules. With `bewaar` given the item is stored
// first, and an item that cannot be stored is not taken: the spinner goes
// back to the item its label shows, which is the one stored (the lists hold
// whole numbers from high to low, one apart). The scroll bar is moved with
// BezigMetLaden raised, so the change that causes does nothing. The label
// then shows the item. False, and nothing changes, for an index outside the
// list (as with an empty list).
bool ZetSpinnerOp(platform::VScrollBar& vscr, const platform::ListBox& lijst, platform::Label& label, int index,
                  const SpinnerBewaar& bewaar = {});

// Follows a change of the scroll bar: a value one step past either end of
// the list wraps round, then ZetSpinnerOp. True when the label shows an
// item (stored, when `bewaar` is given, or back on the stored one).
bool VolgSpinner(platform::VScrollBar& vscr, const platform::ListBox& lijst, platform::Label& label,
                 const SpinnerBewaar& bewaar = {});
// The same for a spinner that stores its item as one key of taal.ini.
bool VolgSpinner(platform::VScrollBar& vscr, const platform::ListBox& lijst, platform::Label& label,
                 const QString& sectie, const QString& sleutel);
