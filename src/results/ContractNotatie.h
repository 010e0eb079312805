#pragma once
// The short notation in which the scorer types one table's result: "p"
// (passed out), "n" (not played), or level 1 to 7, strain, result ("c" made
// exactly, "+" and the overtricks, "-" and the undertricks), an optional "!"
// or "!!" (doubled, redoubled) and the declarer letter, as in "3h+1n" or
// "7a-13!!w". Every letter comes from the 25-character notation alphabet
// (text 141), read per language: positions 1-10 the digits, 11-15 the strains
// (no trump, spades, hearts, diamonds, clubs), 16 made exactly, 17 not
// played, 18 passed out, 19 "+", 20 "-", 21 "!", 22-25 the declarers North,
// East, South, West. A character's role is decided by its place in the
// entry, so the English "c" is clubs as the second character and "made
// exactly" as the third.
//
// Whatever way a text reaches these rules (typed, pasted, set by code, read
// from a file) it is checked whole; upper case is folded to lower case.

#include <QChar>
#include <QString>
#include <optional>

namespace uitslag {

enum class Kleur { SansAtout, Schoppen, Harten, Ruiten, Klaveren };
enum class Leider { Noord, Oost, Zuid, West };
enum class Soort { Gespeeld, Pas, NietGespeeld };

struct Contract {
    Soort soort = Soort::Gespeeld;
    int niveau = 0;               // 1 to 7
    Kleur kleur = Kleur::SansAtout;
    int resultaat = 0;            // overtricks (> 0), undertricks (< 0), 0 made exactly
    int doublet = 1;              // 1, 2 (doubled) or 4 (redoubled)
    Leider leider = Leider::Noord;
    bool NoordZuid() const { return leider == Leider::Noord || leider == Leider::Zuid; }
};

// The notation alphabet of a language (10 Dutch, 11 English), text 141.
QString NotatieAlfabet(int taalNummer);
// The alphabet of the language the program runs in.
QString NotatieAlfabet();

// True when `alfabet` can serve as notation alphabet: 25 characters, the
// digits "1234567890", five different strain letters, "+", "-", "!" and four
// different declarer letters where they belong. With any other text every
// entry is refused.
bool AlfabetBruikbaar(const QString& alfabet);

// How far a text is a valid entry.
enum class Stand {
    Fout,      // no character can make it a valid entry
    Begonnen,  // the start of a valid entry (the empty text included)
    Compleet,  // a whole valid entry
};
Stand BeoordeelTekst(const QString& tekst, const QString& alfabet);

// A whole entry; no value for anything that is not one.
std::optional<Contract> LeesContract(const QString& invoer, const QString& alfabet);

// The change rule of the contract box: is the newest (last) character
// accepted, does it complete the entry, and the declarer's place 1 to 4 in
// North, East, South, West (0 for "p", "n" and incomplete entries). A
// character is accepted when the text with it can still become a valid
// entry, so a character that could only lead to a refused entry ("3a-0",
// "3a+-", "4hc!!!", a "+" at level 7) is refused where it is typed. An empty
// text is never accepted.
struct Invoer {
    bool goed = false;
    bool compleet = false;
    int kant = 0;
};
Invoer BeoordeelInvoer(const QString& tekst, const QString& alfabet);

// The key rules of the contract box, applied to a key typed after `tekst`:
// "=" becomes "+" after at least two characters below level 7; "1" becomes
// "!" where an undertrick or overtrick digit can no longer follow (after the
// made-exactly mark, after one "!", after an overtrick, after undertricks
// that cannot take another digit). For one undertrick at level 5 to 7 ("5a-1")
// both "-11" and "-1!" are possible: the window asks (text 142) and a Yes
// makes it "!".
struct Toets {
    QChar teken;          // the key as it goes on
    bool vraagDoublet = false;  // ask text 142 first; Yes turns the key into "!"
};
Toets HerschrijfToets(const QString& tekst, QChar toets, const QString& alfabet);

// The key filter: a typed character passes only when it is one of the
// alphabet's characters (case-sensitive), Backspace or Enter.
bool ToetsToegestaan(QChar toets, const QString& alfabet);

// The placed contract as the slip shows it: the entry in upper case without
// its declarer letter ("3H+1"); "P" and "N" stay.
QString SlipTekst(const QString& invoer);

// Contracts are stored language-neutral: the strain letter of a slip text
// ("3D+1" typed in English) is kept in files as the letter of the Dutch
// alphabet ("3R+1"), the notation's own form, whatever language the program
// runs in. OpslagVorm turns a slip text of `alfabet` into that form;
// SchermVorm turns a stored text (also one stored in the other language's
// letters) into the letters of `alfabet`. Texts that are no contract
// ("P", "N", "60.00%", "") come back unchanged.
QString OpslagVorm(const QString& slipTekst, const QString& alfabet);
QString SchermVorm(const QString& opgeslagen, const QString& alfabet);

}  // namespace uitslag
