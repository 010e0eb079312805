#pragma once
// Rules of the settings window that need no window: the captions built from
// the text table (the opening-type captions are also the keys of section
// [Toegestaan]), how stored values become check box and option states, and
// the checks on the typed e-mail address.

#include <QString>

namespace instelling {

// Number of pages of the window and of opening-type apply boxes.
constexpr int AantalPaginas = 6;
constexpr int AantalOpeningen = 5;

// Caption of page frame i (0 to 5) and of its option button.
QString PaginaBijschrift(int pagina);
QString KeuzeBijschrift(int pagina);

// The point-window apply box: text 16 with "oe" made "o&e".
QString ToepassenBijschrift();

// Caption of apply box chkOpening(i), i 0 to 4, in the current language.
// The caption is also its key in [Toegestaan], ampersands included.
QString OpeningBijschrift(int i);
// The same in language `taal` (10 Dutch, 11 English).
QString OpeningBijschrift(int i, int taal);
// What the box of opening type i shows: OpeningBijschrift with one access
// key, none that a page button of the window holds. The settings file keys
// stay OpeningBijschrift.
QString OpeningKop(int i);

// Caption of point row `rij` of pages 3 to 5: 0 minimum not vulnerable,
// 1 maximum not vulnerable, 2 minimum vulnerable, 3 maximum vulnerable.
QString PuntenRijBijschrift(int rij);

// Caption of the honours rows: text 65 and ": ".
QString HonneursBijschrift();

// The value a check box shows for a stored value: "" (no key) gives
// `zonderSleutel`; 0, 1 and 2 stand; any other number gives 1 (ticked);
// a text that is no number gives 0.
int VinkUitIni(const QString& opgeslagen, int zonderSleutel);

// The provider a stored value chooses: 1 only for the value 1, 0 for
// anything else (no key, 0, another number, no number).
int ProviderUitIni(const QString& opgeslagen);

// What the address box warns about while the user types.
enum class AdresFout {
    Geen,
    TweeApenstaarten,  // "@" more than once
    DubbelePunt,       // ".." somewhere
};
AdresFout AdresTikFout(const QString& tekst);

// True when the typed address may be stored: after trimming, empty (no own
// address) or one valid address.
bool AdresBewaarbaar(const QString& tekst);

}  // namespace instelling
