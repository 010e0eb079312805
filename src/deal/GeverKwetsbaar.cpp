#include "deal/GeverKwetsbaar.h"

QString GeverReeks;
QString KwetsbaarReeks;

namespace {

int CijferOp(const QString& reeks, int spelnummer) {
    if (spelnummer < 1 || spelnummer > reeks.size()) return 0;
    const QChar c = reeks.at(spelnummer - 1);
    return c.isDigit() ? c.digitValue() : 0;
}

}  // namespace

QString BouwGeverReeks() { return QStringLiteral("01230123012301230123").repeated(15); }

QString BouwKwetsbaarReeks() { return QStringLiteral("0123123023013012").repeated(15); }

int GeverVanSpel(int spelnummer) { return CijferOp(GeverReeks, spelnummer); }

int KwetsbaarVanSpel(int spelnummer) { return CijferOp(KwetsbaarReeks, spelnummer); }
