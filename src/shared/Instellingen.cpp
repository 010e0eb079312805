#include "shared/Instellingen.h"

#include <algorithm>

#include "platform/Paths.h"
#include "shared/EmailAdres.h"
#include "shared/Globals.h"
#include "shared/Ini.h"
#include "shared/Tekst.h"

bool Tien = true;

int MinimaalPunten = 12;
int MaximaalPunten = 24;
int MinMaxToepassen = 1;
int Maxlengte = 8;

int ZesKaartHonneurs = 2;

int NietKwetsbaarMin = 5;
int NietKwetsbaarMax = 10;
int KwetsbaarMin = 8;
int KwetsbaarMax = 10;
int AantalHonneurs = 2;
int LaatsteHand = 1;

int MuiderbergNKMin = 5;
int MuiderbergNKMax = 10;
int MuiderbergWKMin = 8;
int MuiderbergWKMax = 10;
int MuiderbergLaatsteHand = 1;

int Multy2RuitenNKMin = 6;
int Multy2RuitenNKMax = 10;
int Multy2RuitenWKMin = 8;
int Multy2RuitenWKMax = 11;
int Multy2RuitenHonneurs = 2;
int Multy2RuitenLaatsteHand = 1;

int PrintRichtingKlembord = 0;
int PdfBreedte = 0;
QString PdfPrinter;

std::function<void(int)> ZetPuntenToepassen;

namespace {

int getal(const char* sectie, const char* sleutel, int standaard) {
    return LeesIniGetal(QString::fromUtf8(sectie), QString::fromUtf8(sleutel), IniBestand, standaard);
}

int vlag(const char* sectie, const char* sleutel, int standaard) {
    return getal(sectie, sleutel, standaard) != 0 ? 1 : 0;
}

}  // namespace

PuntenPaar NormaliseerPuntvenster(int min, int max) {
    // min + max <= 40 with min < max allows a minimum of at most 19; any such
    // window is met by some hand, so a run always ends.
    const int laag = std::clamp(min, 1, (PuntenInHetSpel - 1) / 2);
    const int hoog = std::clamp(max, laag + 1, PuntenInHetSpel - laag);
    return {laag, hoog};
}

void LeesInstellingen() {
    IniBestand = platform::programFolder() + QStringLiteral("/taal.ini");

    TaalNummer = getal("Taal", "nummer", 10);
    if (TaalNummer != 10 && TaalNummer != 11)
        TaalNummer = 10;

    Tien = getal("Tien", "Tien", 1) != 0;

    // The point window as the spinners can show it and the generator can
    // meet it: a pair edited by hand outside the spinner rules is brought
    // inside them here, once, so that every window shows the same pair and
    // Start deals with it. The file keeps what is stored until a step.
    const PuntenPaar punten = NormaliseerPuntvenster(getal("Punten", "MinimaalPunten", 12),
                                                                 getal("Punten", "MaximaalPunten", 24));
    MinimaalPunten = punten.min;
    MaximaalPunten = punten.max;
    MinMaxToepassen = vlag("Punten", "MinMaxToepassen", 1);
    Maxlengte = getal("Punten", "Maxlengte", 8);

    BezigMetLaden = true;
    if (ZetPuntenToepassen)
        ZetPuntenToepassen(MinMaxToepassen);
    BezigMetLaden = false;

    ZesKaartHonneurs = getal("6 kaart 11 punten", "Aantal honneurs", 2);

    NietKwetsbaarMin = getal("Zwakke 2", "NietKwetsbaarMin", 5);
    NietKwetsbaarMax = getal("Zwakke 2", "NietKwetsbaarMax", 10);
    KwetsbaarMin = getal("Zwakke 2", "KwetsbaarMin", 8);
    KwetsbaarMax = getal("Zwakke 2", "KwetsbaarMax", 10);
    AantalHonneurs = getal("Zwakke 2", "AantalHonneurs", 2);
    LaatsteHand = vlag("Zwakke 2", "LaatsteHand", 1);

    MuiderbergNKMin = getal("Muiderbergse 2", "MuiderbergNKMin", 5);
    MuiderbergNKMax = getal("Muiderbergse 2", "MuiderbergNKMax", 10);
    MuiderbergWKMin = getal("Muiderbergse 2", "MuiderbergWKMin", 8);
    MuiderbergWKMax = getal("Muiderbergse 2", "MuiderbergWKMax", 10);
    MuiderbergLaatsteHand = vlag("Muiderbergse 2", "MuiderbergLaatsteHand", 1);

    Multy2RuitenNKMin = getal("Multy 2 Ruiten", "Multy2RuitenNKMin", 6);
    Multy2RuitenNKMax = getal("Multy 2 Ruiten", "Multy2RuitenNKMax", 10);
    Multy2RuitenWKMin = getal("Multy 2 Ruiten", "Multy2RuitenWKMin", 8);
    Multy2RuitenWKMax = getal("Multy 2 Ruiten", "Multy2RuitenWKMax", 11);
    Multy2RuitenHonneurs = getal("Multy 2 Ruiten", "Multy2RuitenHonneurs", 2);
    // The stored default 6 is a set flag.
    Multy2RuitenLaatsteHand = vlag("Multy 2 Ruiten", "Multy2RuitenLaatsteHand", 6);

    // The user's own address, the sender of every mail, from the moment the
    // program starts. A stored value that is no valid address counts as none.
    LeesIni(QStringLiteral("Standaard"), QStringLiteral("eigen e-mail adres"), IniBestand);
    const QString adres = IniWaarde.trimmed();
    EigenEmailAdres = EmailAdresGeldig(adres) ? adres : QString();

    PrintRichtingKlembord = getal("Printer", "Print Richting Klembord", 0);
    if (PrintRichtingKlembord < 0 || PrintRichtingKlembord > 3)
        PrintRichtingKlembord = 0;
}
