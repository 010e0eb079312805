#pragma once
// Searching a list box for a text.

#include <QString>

namespace platform {
class ListBox;
}

// Index of the first item that equals `tekst` (exact) or begins with it
// (not exact), without regard to case; -1 when none does. The list is
// given by its handle (lst.hWnd()).
int ZoekInLijst(platform::ListBox* hWnd, const QString& tekst, bool exact);
