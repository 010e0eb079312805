#pragma once
// What each print layout writes into its window for every picture: the
// captions and holdings, worked out from the deal records alone. The layout
// windows copy these into their labels and boxes and capture the result.

#include "output/AfdrukRegels.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace afdruk {

// Everything a layout needs besides the records.
struct AfdrukContext {
    TekstBron tekst;
    bool tien = true;         // show the ten as "T"
    bool nederlands = true;   // the Dutch text block is in use
    QString geverReeks;       // dealer seat per board number
    QString kwetsbaarReeks;   // vulnerability code per board number
};

// One block of layouts 0 and 1: a caption above four suit holdings.
struct Blok {
    QString kop;
    std::array<QString, 4> kleuren;
};
// One picture of layouts 0 and 1: four blocks side by side.
struct BeeldRij {
    std::array<Blok, 4> blokken;
};

// Layout 0, the job of one seat: up to four consecutive deals per picture,
// each block that seat's hand (ten in display form, one trailing blank); the
// blocks after the last deal stay empty.
QList<BeeldRij> HandenPerWind(const QStringList& items, int zetel, const AfdrukContext& c);
// Layout 1: one picture per deal, block h the hand of seat h as stored.
QList<BeeldRij> HandenNaastElkaar(const QStringList& items, const AfdrukContext& c);

// One deal panel of layout 2.
struct Paneel {
    QString spel, gever, kwetsbaar;
    std::array<QString, 16> kleuren;  // 4 seat + suit
};
// One picture of layout 2: the left and right deal; the right one is empty
// when the last deal of an odd count stands alone.
struct BeeldPaar {
    std::array<Paneel, 2> panelen;
};
QList<BeeldPaar> TweeNaastElkaar(const QStringList& items, const AfdrukContext& c);

// One full diagram of layout 3.
struct Diagram {
    QString spelnummer, gever, kwetsbaar;
    std::array<QString, 4> punten;    // per seat
    std::array<QString, 16> kleuren;  // 4 seat + suit, " " and the holding
};
QList<Diagram> Diagrammen(const QStringList& items, const AfdrukContext& c);

}  // namespace afdruk
