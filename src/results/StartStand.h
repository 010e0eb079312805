#pragma once
// The state a match starts in: its results grid and done flags as the
// match's files hold them, made to agree with its board files, which are
// believed over the overview and the flags. A board whose result file
// holds a whole slip is done and its grid column holds that slip's
// matchpoints, whatever the overview file said (a damaged or cut overview
// loses nothing the board files keep). A board without a whole slip on
// disk (no file, or fewer filled rows than the match has tables) is not
// done and has no matchpoints, whatever the overview and the flags said.
// A board file that cannot be read is left alone, with its column and flag
// as stored, until the board is opened.

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace uitslag {

struct StartStand {
    std::vector<QStringList> grid;  // header, one row per pair, closing row; spellen + 1 cells each
    QString vlaggen;                // one "0"/"1" per board
    bool gridGewijzigd = false;     // a column differs from the overview as read
    QList<int> hersteld;            // done boards whose column the overview contradicted
    QList<int> heropend;            // boards marked done without a result file
    QList<int> onvolledig;          // boards marked done whose result file is not whole
};

// `overzicht` holds the overview rows as read (empty when there is none or
// it could not be read), `vlaggen` the done flags as read (any length;
// filled up with "0").
StartStand BouwStartStand(const QString& wedstrijd, const QStringList& paren, int spellen,
                          const std::vector<QStringList>& overzicht, const QString& vlaggen);

// Board numbers for a message: "3, 7, 12".
QString BordenLijst(const QList<int>& borden);

}  // namespace uitslag
