#pragma once
// The program's texts in the chosen language.

#include <QString>
#include <initializer_list>
#include <utility>

// Language block: 10 Dutch, 11 English. Any other value counts as Dutch.
extern int TaalNummer;

// Text `nummer` (0 to 399, kTekstAantal - 1) in the current language; a
// five-digit number is taken as the id of a text in a fixed language: 10046
// is text 46 in Dutch and 11046 text 46 in English, whatever TaalNummer
// holds. The text comes back unchanged: "|" and the placeholders "~", "#",
// "$", "*" are the caller's to replace. A number without a text gives "".
QString TaalTekst(int nummer);

// The text with each line-break mark of the text table ("|") made a line
// break ("\n"); "||" gives an empty line. Nothing else changes.
QString MetRegels(QString tekst);

// A text with its marks filled in, in one pass, so that a mark inside what
// is filled in (a path, a name, a system message) stays as it is: each
// occurrence of a mark of `waarden` gives its value.
QString VulIn(const QString& sjabloon, std::initializer_list<std::pair<QChar, QString>> waarden);
// The same for the usual two marks, "~" and "#".
QString VulIn(const QString& sjabloon, const QString& tilde, const QString& hekje);

// The one check every window makes on a text the user gave before it goes
// into a file (names and addresses, group and match names, the own e-mail
// address in taal.ini). Returns "" when the text can be stored exactly as it
// stands; otherwise the message that tells the user why not, in the current
// language: the characters the files' code page (1252) cannot hold (text
// 308), or, when maxLengte > 0, that the text is longer than that many
// characters and would be cut (text 309). The caller shows the message and
// stores nothing changed.
QString OpslaanBezwaar(const QString& tekst, int maxLengte = 0);
