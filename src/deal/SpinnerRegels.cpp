#include "deal/SpinnerRegels.h"

#include <algorithm>

namespace spel {

namespace {

int BinnenLijst(int index) { return std::clamp(index, 0, PuntenLijstAantal - 1); }

}  // namespace

int WikkelIndex(int waarde, int aantal) {
    if (aantal <= 0) return -1;
    if (waarde < 0) return aantal - 1;
    if (waarde > aantal - 1) return 0;
    return waarde;
}

int RegelMinimum(int waarde, int maximum) {
    int index = WikkelIndex(waarde, PuntenLijstAantal);
    // Order: a minimum at or above the maximum becomes the maximum minus 1.
    if (maximum <= PuntenBijIndex(index)) index = BinnenLijst(IndexVanPunten(maximum - 1));
    // Sum: a minimum that takes the sum past 40 becomes 40 minus the maximum.
    if (PuntenBijIndex(index) + maximum > PuntenLijstAantal)
        index = BinnenLijst(IndexVanPunten(PuntenLijstAantal - maximum));
    return index;
}

int RegelMaximum(int waarde, int minimum) {
    int index = WikkelIndex(waarde, PuntenLijstAantal);
    // Order: a maximum stepped down onto the minimum jumps two points above
    // the refused value; after a wrap to the bottom of the list that could
    // still lie below the minimum, so it never ends below minimum + 1.
    if (minimum >= PuntenBijIndex(index)) {
        const int gewenst = std::max(PuntenBijIndex(index) + 2, minimum + 1);
        index = BinnenLijst(IndexVanPunten(gewenst));
    }
    // Sum: a maximum that takes the sum past 40 becomes 40 minus the minimum.
    if (PuntenBijIndex(index) + minimum > PuntenLijstAantal)
        index = BinnenLijst(IndexVanPunten(PuntenLijstAantal - minimum));
    return index;
}

int DichtstbijIndex(int waarde, SpinnerLijst lijst) {
    return std::clamp(lijst.IndexVan(waarde), 0, lijst.Aantal() - 1);
}

int RegelOpeningMinimum(int waarde, int maximum, SpinnerLijst lijst) {
    int index = WikkelIndex(waarde, lijst.Aantal());
    // One rule, applied once and computed outright: after a wrap to the top
    // of the list this gives what two single steps down would give.
    if (maximum <= lijst.WaardeBij(index)) index = DichtstbijIndex(maximum - 1, lijst);
    return index;
}

int RegelOpeningMaximum(int waarde, int minimum, SpinnerLijst lijst) {
    int index = WikkelIndex(waarde, lijst.Aantal());
    if (minimum >= lijst.WaardeBij(index)) index = DichtstbijIndex(minimum + 1, lijst);
    return index;
}

}  // namespace spel
