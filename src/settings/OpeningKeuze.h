#pragma once
// The generator's side of the opening-type settings: which types the user
// allows, their limits as loaded by LeesInstellingen, and the message shown
// when a run finds no deal for a board.

#include <QString>

#include "deal/SpelGenerator.h"

namespace spel {

// The allowed opening types (bit 1 << OpeningSoort) from section [Toegestaan]
// of `iniBestand`. The settings window stores each apply box under its
// caption, which depends on the language it was saved in: the key of language
// `taal` (10 Dutch, 11 English) decides, and where it is absent the other
// language's key does, so a change of language keeps the choice. A type is
// allowed when its box shows ticked.
unsigned LeesToegestaneSoorten(const QString& iniBestand, int taal);

// The limits of the opening types from the program-wide settings.
OpeningGrenzen OpeningGrenzenUitInstellingen();

// The message for a run that stopped at board `spelnummer` after `pogingen`
// attempts without a deal, with `gedeeld` boards dealt before it: which
// settings to widen, judged from `knelpunten` measured under `eisen`. Lines
// are separated by "\n"; the texts are in the current language.
QString GeenSpelMelding(int spelnummer, long long pogingen, int gedeeld, const SpelEisen& eisen,
                        const Knelpunten& knelpunten);

}  // namespace spel
