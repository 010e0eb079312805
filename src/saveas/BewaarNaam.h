#pragma once
// Rules for the names typed into the Save-as dialog, which become file and
// folder names inside the program folder.
//
// The refusal text (text 85) has four "|"-separated fields: 0 the e-mail
// message, 1 the "characters not allowed" message, 2 empty, 3 the refused
// characters. A name never holds "|" or a character of field 3, so a file name
// made from it never holds a second "." nor a path separator.

#include <QChar>
#include <QString>

namespace bewaarnaam {

// Field 3 of the refusal text plus "|".
QString GeweigerdeTekens(const QString& weigerTekst);

// The message shown for a refused character or name: field 1, two line
// feeds, field 3.
QString WeigerMelding(const QString& weigerTekst);

// Key filter: true when a typed character is to be dropped. Control keys
// (backspace and the like) are not characters of a name and pass.
bool TikWeigeren(QChar teken, const QString& weigerTekst);

// Whole-name check, made on OK and Enter whatever way the text came in
// (typed, pasted, from the calendar). The name is checked as trimmed. It is
// refused when EigenNaamGeldig (shared/Bestanden.h) refuses it (empty, "."
// or "..", a "." in front) or when it holds "/", "\", a control character or
// a refused character.
bool NaamToegestaan(const QString& naam, const QString& weigerTekst);

}  // namespace bewaarnaam
