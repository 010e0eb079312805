#include "saveas/Kalender.h"

#include <QDate>

#include <algorithm>

namespace kalender {

bool IsSchrikkeljaar(int jaar) {
    return (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0;
}

int DagenInMaand(int jaar, int maand) {
    switch (maand) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return IsSchrikkeljaar(jaar) ? 29 : 28;
    default:
        return 0;
    }
}

int WeekdagVanEerste(int jaar, int maand) {
    // QDate counts Monday = 1 .. Sunday = 7, as the grid does.
    return QDate(jaar, maand, 1).dayOfWeek();
}

int MaandRooster::DagInCel(int cel) const {
    if (cel < 1 || cel > AantalCellen || DagenInMaand == 0)
        return 0;
    const int dag = cel - EersteCel + 1;
    return (dag >= 1 && dag <= DagenInMaand) ? dag : 0;
}

int MaandRooster::CelVanDag(int dag) const {
    if (dag < 1 || dag > DagenInMaand)
        return 0;
    return EersteCel + dag - 1;
}

MaandRooster BouwMaandRooster(int jaar, int maand) {
    MaandRooster r;
    r.Jaar = jaar;
    r.Maand = maand;
    r.DagenInMaand = DagenInMaand(jaar, maand);
    r.EersteCel = r.DagenInMaand > 0 ? WeekdagVanEerste(jaar, maand) : 0;
    return r;
}

int BegrensDag(int dag, int jaar, int maand) {
    const int laatste = DagenInMaand(jaar, maand);
    if (dag > laatste)
        dag = laatste;
    return dag < 1 ? 1 : dag;
}

QString DatumInPatroon(const QString& patroon, int dag, int maand, int jaar) {
    QString uit = patroon;
    uit.replace(QStringLiteral("YYYY"), QStringLiteral("%1").arg(jaar, 4, 10, QChar('0')),
                Qt::CaseInsensitive);
    uit.replace(QStringLiteral("MM"), QStringLiteral("%1").arg(maand, 2, 10, QChar('0')),
                Qt::CaseInsensitive);
    uit.replace(QStringLiteral("DD"), QStringLiteral("%1").arg(dag, 2, 10, QChar('0')),
                Qt::CaseInsensitive);
    return uit;
}

QStringList JarenLijst(int huidigJaar) {
    // The current year is always in the list, also on a clock set before
    // the first year.
    const int eerste = std::min(EersteJaar, huidigJaar);
    const int laatste = std::max(LaatsteJaar, huidigJaar + 20);
    QStringList jaren;
    for (int j = eerste; j <= laatste; ++j)
        jaren << QString::number(j);
    return jaren;
}

KalenderKeuze::KalenderKeuze(int dag, int maand, int jaar) {
    KiesJaar(jaar);
    KiesMaand(maand);
    dag_ = BegrensDag(dag, jaar_, maand_);
}

void KalenderKeuze::KiesMaand(int maand) {
    if (maand < 1 || maand > 12)
        return;
    maand_ = maand;
    dag_ = BegrensDag(dag_, jaar_, maand_);
}

void KalenderKeuze::KiesJaar(int jaar) {
    if (jaar < 1 || jaar > 9999)
        return;
    jaar_ = jaar;
    dag_ = BegrensDag(dag_, jaar_, maand_);
}

bool KalenderKeuze::KlikCel(int cel) {
    const int dag = Rooster().DagInCel(cel);
    if (dag < 1)
        return false;
    dag_ = dag;
    return true;
}

bool KalenderKeuze::Stap(int stap) {
    const int dag = dag_ + stap;
    if (dag < 1 || dag > DagenInMaand(jaar_, maand_))
        return false;
    dag_ = dag;
    return true;
}

QStringList SplitsNamen(const QString& tekst) {
    QStringList namen;
    for (const QString& deel : tekst.split(QChar('|'))) {
        if (!deel.isEmpty())
            namen << deel;
    }
    return namen;
}

}  // namespace kalender
