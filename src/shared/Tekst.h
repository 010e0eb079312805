#pragma once
// The program's texts in the chosen language.

#include <QString>

// Language block: 10 Dutch, 11 English. Any other value counts as Dutch.
extern int TaalNummer;

// Text `nummer` (0 to 226) in the current language; a five-digit number is
// taken as the id of a text in a fixed language: 10046 is text 46 in Dutch
// and 11046 text 46 in English, whatever TaalNummer holds. The text comes
// back unchanged: "|" and the placeholders "~", "#", "$", "*" are the
// caller's to replace. A number without a text gives "".
QString TaalTekst(int nummer);
