#pragma once
// Text builders of the clipboard window: the deals of a set as plain text in
// four layouts, with CR LF line ends and columns made of runs of tabs.
//
// Each builder works like the window does: it writes every deal into the
// captions of a preview panel and reads those captions back into the text.
// A panel is held here as plain data (captions and whether the suit letters
// and the points are shown), so the window copies its labels in, calls the
// builder and copies the panel back to show the last deal processed.

#include <QString>
#include <QStringList>
#include <functional>

namespace klembord {

inline const QString CRLF = QStringLiteral("\r\n");

// The language texts the builders need, fetched once per build.
struct Teksten {
    QString wind[4];        // seat names North, East, South, West (texts 1 to 4)
    QString gever;          // "Gever" (text 5)
    QString kwetsbaar;      // "Kwetsbaar" (text 6)
    QString kwetsNaam[4];   // none, North-South, East-West, all (texts 7 to 10)
    QString kortNZ;         // "NZ" (text 105)
    QString kortOW;         // "OW" (text 106)
    QString kleurLetters;   // "SHRK" (text 210)

    // Fills every text from a lookup by text number (TaalTekst in the program).
    static Teksten Uit(const std::function<QString(int)>& tekst);
};

// Dealer and vulnerability per board: character b (counted from 1) of each
// string is the dealer seat and the vulnerability code of board b.
struct Reeksen {
    QString gever;
    QString kwetsbaar;
    // The strings the program builds at start-up.
    static Reeksen Standaard();
};

// One deal record split into its 21 fields; missing fields are empty.
struct Spel {
    int nummer = 0;          // board number without leading zeros
    int gever = 0;           // dealer seat 0..3
    int kwetsbaar = 0;       // vulnerability code 0..3
    QStringList velden;      // exactly 21 fields
};

// The records that can be written: a blank item, a line whose board number
// has no dealer in the strings, and an empty lesson slot (a board number and
// no cards at all) are left out; a short record keeps its missing fields
// empty.
QList<Spel> BruikbareSpellen(const QStringList& records, const Reeksen& reeksen);

// The ten as the ten setting shows it: "T" when tien is on, "10" when off.
QString TienVorm(const QString& holding, bool tien);

// The run of tabs after one cell of layouts 0 and 1. Column kind 0..3 and row
// kind (0 body rows, 1 board-number row, 2 dealer and vulnerability rows);
// any other column kind leaves tabReeks as it was.
void BepaalTabs(const QString& cel, int kolomSoort, int rijSoort, QString& tabReeks);

// Removes leading and trailing space characters only (tabs and line ends stay).
QString TrimSpaties(const QString& tekst);

// Preview panel of layouts 0 and 1: four columns of a board-number, dealer,
// vulnerability, seat-name and points label, and four suit rows of a letter
// and a holding label (index 4 x column + suit).
struct Paneel0 {
    QString spelnummer[4], gever[4], kwetsbaar[4], wind[4], punten[4];
    QString hand[16], kleur[16];
    bool kleurZichtbaar = true;
    bool puntenZichtbaar = true;
};

// Preview panel of layout 2: one deal, the hands one under another.
struct Paneel2 {
    QString spelnummer, gever, kwetsbaar;
    QString wind[4], punten[4];
    QString hand[16], kleur[16];
    bool kleurZichtbaar = true;
    bool puntenZichtbaar = true;
};

// Preview panel of layout 3: four compass diagrams; label indexes
// 4 x diagram + seat and 16 x diagram + 4 x seat + suit.
struct Paneel3 {
    QString spelnummer[4], gever[4], kwetsbaar[4];
    QString wind[16], punten[16];
    QString hand[64], kleur[64];
    bool kleurZichtbaar = true;
    bool puntenZichtbaar = true;
};

// The column kind and tab run that layouts 0 and 1 leave in the window.
struct TabStand {
    int KolomSoort = 0;
    QString TabReeks;
};

// Layout 0: one block per deal, the four hands side by side.
QString BouwLayout0(const QList<Spel>& spellen, Paneel0& paneel, TabStand& tabs,
                    const Teksten& t, bool tien);
// Layout 1: one pass per seat, that seat's hand of four deals side by side.
QString BouwLayout1(const QList<Spel>& spellen, Paneel0& paneel, TabStand& tabs,
                    const Teksten& t, bool tien);
// Layout 2: every deal one below the other, each hand as a vertical list.
QString BouwLayout2(const QList<Spel>& spellen, Paneel2& paneel, const Teksten& t, bool tien);
// Layout 3: compass diagrams, perRij (1 to 4) deals side by side. Holdings
// are written as the records hold them.
QString BouwLayout3(const QList<Spel>& spellen, Paneel3& paneel, const Teksten& t, int perRij);

}  // namespace klembord
