#include "shared/GroepBestand.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "shared/Bestanden.h"
#include "shared/Tekst.h"

namespace groep {

namespace {

const QString kScheiding = QStringLiteral(" - ");

// A group file is 40 short lines; anything far larger is not one.
constexpr qint64 kGroepMax = 64 * 1024;

QString Nummer(int nummer) { return QString::number(nummer).rightJustified(2, QLatin1Char('0')); }

Speler LeesSpeler(const QString& deel) {
    const int streep = static_cast<int>(deel.indexOf(QLatin1Char('|')));
    if (streep < 0)
        return {deel.trimmed(), QString()};
    return {deel.left(streep).trimmed(), deel.mid(streep + 1).trimmed()};
}

bool VeldGoed(const QString& veld) {
    return !veld.contains(QLatin1Char('|')) && !veld.contains(kScheiding) &&
           !veld.contains(QLatin1Char('\n')) && !veld.contains(QLatin1Char('\r'));
}

}  // namespace

QString PaarRegel(int nummer, const Paar& paar) {
    return Nummer(nummer) + QStringLiteral(". ") + paar.eerste.naam + QLatin1Char('|') +
           paar.eerste.adres + kScheiding + paar.tweede.naam + QLatin1Char('|') + paar.tweede.adres;
}

QString PaarTekst(int nummer, const Paar& paar) {
    return Nummer(nummer) + QStringLiteral(". ") + paar.eerste.naam + kScheiding + paar.tweede.naam;
}

bool LeesPaarRegel(const QString& regel, Paar& paar, int* nummer) {
    static const QRegularExpression nummerVooraan(QStringLiteral("^\\s*(\\d{1,3})\\. ?"));
    if (nummer) *nummer = 0;
    QString rest = regel;
    const QRegularExpressionMatch m = nummerVooraan.match(rest);
    if (m.hasMatch())
        rest = rest.mid(m.capturedLength());
    const int i = static_cast<int>(rest.indexOf(kScheiding));
    if (rest.trimmed().isEmpty() || i < 0 || rest.indexOf(kScheiding, i + 1) >= 0)
        return false;
    const QString eerste = rest.left(i);
    const QString tweede = rest.mid(i + kScheiding.size());
    if (eerste.count(QLatin1Char('|')) > 1 || tweede.count(QLatin1Char('|')) > 1)
        return false;
    paar.eerste = LeesSpeler(eerste);
    paar.tweede = LeesSpeler(tweede);
    if (nummer && m.hasMatch()) *nummer = m.captured(1).toInt();
    return true;
}

int LeesPaarRegels(const QStringList& regels, Nummering nummering, QVector<Paar>& paren) {
    paren.clear();
    QVector<Paar> gelezen;
    for (int r = 0; r < regels.size(); ++r) {
        if (regels.at(r).trimmed().isEmpty())
            continue;
        Paar paar;
        int nummer = 0;
        if (!LeesPaarRegel(regels.at(r), paar, &nummer) || gelezen.size() >= kMaxParen ||
            (nummering == Nummering::Vast && nummer != gelezen.size() + 1))
            return r + 1;
        gelezen << paar;
    }
    paren = gelezen;
    return 0;
}

bool PaarSchrijfbaar(const Paar& paar) {
    return VeldGoed(paar.eerste.naam) && VeldGoed(paar.eerste.adres) && VeldGoed(paar.tweede.naam) &&
           VeldGoed(paar.tweede.adres);
}

QStringList PaarRegels(const QVector<Paar>& paren) {
    QStringList regels;
    for (int i = 0; i < paren.size(); ++i)
        regels << PaarRegel(i + 1, paren.at(i));
    return regels;
}

QString GroepPad(const QString& naam) {
    if (!EigenNaamGeldig(naam))
        return QString();
    return platform::programPath(QStringLiteral("groepen/") + naam + QStringLiteral(".txt"));
}

bool LeesGroep(const QString& naam, QVector<Paar>& paren, QString* fout, int* slechteRegel) {
    paren.clear();
    if (slechteRegel) *slechteRegel = 0;
    const QString pad = GroepPad(naam);
    if (pad.isEmpty()) {
        if (fout) *fout = naam;
        return false;
    }
    return LeesParenBestand(pad, paren, fout, slechteRegel);
}

bool LeesParenBestand(const QString& pad, QVector<Paar>& paren, QString* fout, int* slechteRegel,
                      Nummering nummering) {
    paren.clear();
    if (slechteRegel) *slechteRegel = 0;
    QStringList regels;
    if (!platform::readTextLines(pad, regels, fout, kGroepMax))
        return false;
    const int slecht = LeesPaarRegels(regels, nummering, paren);
    if (slecht == 0)
        return true;
    if (fout) *fout = QFileInfo(pad).fileName();
    if (slechteRegel) *slechteRegel = slecht;
    return false;
}

QString ParenLeesMelding(const QString& bestand, const QString& fout, int slechteRegel) {
    if (slechteRegel > 0)
        return VulIn(TaalTekst(312), bestand, QString::number(slechteRegel));
    QString tekst = TaalTekst(335);
    if (fout.isEmpty()) tekst.remove(QStringLiteral("||#"));
    return VulIn(MetRegels(tekst), bestand, fout);
}

bool SchrijfGroep(const QString& naam, const QVector<Paar>& paren, QString* fout) {
    const QString pad = GroepPad(naam);
    if (pad.isEmpty() || paren.size() > kMaxParen) {
        if (fout) *fout = naam;
        return false;
    }
    for (const Paar& paar : paren) {
        if (!PaarSchrijfbaar(paar)) {
            if (fout) *fout = PaarTekst(1, paar).mid(4);
            return false;
        }
    }
    QDir().mkpath(QFileInfo(pad).absolutePath());
    return platform::writeTextLines(pad, PaarRegels(paren), fout);
}

}  // namespace groep
