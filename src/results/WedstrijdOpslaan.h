#pragma once
// What the Save-as dialog saves for the results entry: a new match.

#include <QString>

class frmVeldom02Form;

// Makes the match resultaten\<naam> from the results entry's pairs: its
// pairs file and, as its mail list, a copy of the group file. Sets
// SessieNaam and SessieBestand (empty after No to the overwrite question).
// False (the user told why, in the dialog's title) when the name does not
// do or a write failed: the dialog stays open.
bool BewaarWedstrijd(frmVeldom02Form& dialoog, const QString& naam);
