#include "deal/SpelRecord.h"

namespace spel {

QString SpelNummerTekst(int spelnummer) {
    return QString::number(spelnummer + 1000).right(3);
}

QString HoudingTekst(Hand hand, int kleur, const QString& rangLetters) {
    QString s;
    for (int rang = 0; rang < 13; ++rang)
        if (hand & (Hand(1) << (13 * kleur + rang))) s += rangLetters.mid(rang, 1);
    return s.isEmpty() ? QStringLiteral("-") : s;
}

QString TienVoorRecord(const QString& houding, bool tien) {
    QString s = houding;
    if (tien)
        s.replace(TienLetter, QStringLiteral("10"));
    else
        s.replace(QStringLiteral("10"), TienLetter);
    return s;
}

QString TienVoorWeergave(const QString& houding, bool tien) {
    return TienVoorRecord(houding, !tien);
}

QString BouwSpelRecord(int spelnummer, const Verdeling& v, const QStringList& windNamen,
                       const QString& rangLetters, bool tien) {
    QStringList velden;
    velden.reserve(RecordVelden);
    velden << SpelNummerTekst(spelnummer);
    for (int w = 0; w < 4; ++w)
        for (int k = 0; k < 4; ++k)
            velden << TienVoorRecord(HoudingTekst(v.hand[w], k, rangLetters), tien);
    for (int w = 0; w < 4; ++w)
        velden << windNamen.value(w) + QLatin1Char('(') + QString::number(v.punten[w]) +
                      QLatin1Char(')');
    return velden.join(QLatin1Char('~'));
}

QString BouwVerdelingsKop(const QStringList& bijschriften, const LengteTellers& tellers) {
    QStringList velden;
    for (int i = 0; i < KopVelden; ++i)
        velden << bijschriften.value(i) + QString::number(tellers.aantal[i]);
    return velden.join(QLatin1Char('~'));
}

QString KopTelling(const QString& veld) {
    const int dubbelepunt = veld.indexOf(QLatin1Char(':'));
    if (dubbelepunt < 0) return veld.trimmed();
    return veld.mid(dubbelepunt + 1).trimmed();
}

QStringList KopVeldenVan(const QString& kop) {
    const int streep = kop.indexOf(QLatin1Char('|'));
    return (streep < 0 ? kop : kop.left(streep)).split(QLatin1Char('~'));
}

QString PuntenVanWindVeld(const QString& veld) {
    const int haak = veld.indexOf(QLatin1Char('('));
    return haak < 0 ? QStringLiteral("()") : veld.mid(haak);
}

}  // namespace spel
