#pragma once
// The one check for an e-mail address that a user types, used by every
// window that takes an address.

#include <QString>

// True when `adres` (already trimmed by the caller) is one plausible address:
// exactly one "@", a non-empty local part, a domain that holds a dot between
// non-empty labels, and no blank, control character or any of <>,;".
bool EmailAdresGeldig(const QString& adres);
