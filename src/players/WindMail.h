#pragma once
// The rules of the e-mail-per-seat window that need no window: which player
// sits in which seat, which addresses get a mail, what the desktop address
// list holds, and what must be in place before the first mail goes out.

#include <QList>
#include <QString>
#include <QStringList>

#include "shared/GroepBestand.h"

// Seats in WindNummer order: 0 North, 1 East, 2 South, 3 West.
constexpr int kWinden = 4;

using WindSpeler = groep::Speler;

// A group file read into seats.
struct WindIndeling {
    QList<WindSpeler> wind[kWinden];
    // One line per pair as the pair list shows it: "NN. name - name".
    QStringList paren;
    // Lines that were blank or had no pair shape.
    int overgeslagen = 0;
};

// Seats the players of a group file's lines, each taken apart as a pair
// line (groep::LeesPaarRegel); a blank line, one without the pair shape or
// one with a player without a name is skipped and counted. An odd pair
// number plays North-South, an even one East-West; where the line holds no
// number the place of the pair among the good lines decides (1st, 3rd, ...
// North-South).
WindIndeling DeelGroepIn(const QStringList& regels);

// True for an address that asked for no mail ("no_replay" in any case).
bool IsGeenMailAdres(const QString& adres);

// How the window treats one player's address.
enum class AdresSoort { Versturen, GeenMail, Ongeldig };
AdresSoort SoortAdres(const QString& adres);

// The seat order of the desktop address list: North, South, East, West.
inline constexpr int kLijstVolgorde[kWinden] = {0, 2, 1, 3};

// The desktop address list: per seat in list order a title line with the
// seat name in capitals, the seat's addresses joined by "; " (those that
// asked for no mail and those that are no valid address are left out), an
// empty line, the seat's PDF between "+++++" marks, and two empty lines.
// `geenMail` counts the "no_replay" addresses, `ongeldig` collects the
// names of players without a valid address.
QStringList WindAdreslijst(const WindIndeling& indeling, const QString seatNamen[kWinden],
                           const QString pdfPaden[kWinden], int& geenMail, QStringList& ongeldig);

// The attachment list of one mail: the seat's PDF and the score card ("" when
// the club has none).
QString WindBijlagen(const QString& pdfPad, const QString& scorekaart);

// A subject is one line: line breaks become blanks, and the whole is trimmed.
QString EenRegel(const QString& tekst);
