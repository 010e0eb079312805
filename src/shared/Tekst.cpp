#include "shared/Tekst.h"

#include <algorithm>

#include <QStringList>

#include "platform/TextFile.h"
#include "resources/TekstTabel.h"

int TaalNummer = 10;

QString TaalTekst(int nummer) {
    // The id is the language number followed by the text number padded to
    // three digits; a number that already has five digits is an id itself.
    QString s = QString::number(nummer);
    while (s.size() < 3)
        s.prepend(QLatin1Char('0'));
    const int taal = (TaalNummer == 11) ? 11 : 10;
    if (s.size() != 5)
        s = QString::number(taal) + s;

    bool ok = false;
    const int id = s.toInt(&ok);
    if (!ok || s.size() != 5)
        return QString();
    const TekstRegel* regel = TekstTabelRegel(id % 1000);
    if (!regel)
        return QString();
    switch (id / 1000) {
    case 10:
        return QString::fromUtf8(regel->nederlands);
    case 11:
        return QString::fromUtf8(regel->engels);
    default:
        return QString();
    }
}

QString OpslaanBezwaar(const QString& tekst, int maxLengte) {
    const QString verloren = platform::charsOutsideCp1252(tekst);
    if (!verloren.isEmpty()) {
        QStringList tekens;
        for (const uint cp : verloren.toUcs4())
            tekens << QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
        return MetRegels(TaalTekst(308)).replace(QLatin1Char('~'), tekens.join(QLatin1Char(' ')));
    }
    if (maxLengte > 0 && tekst.size() > maxLengte)
        return MetRegels(TaalTekst(309)).replace(QLatin1Char('~'), QString::number(maxLengte));
    return QString();
}

QString MetRegels(QString tekst) { return tekst.replace(QLatin1Char('|'), QLatin1Char('\n')); }

QString VulIn(const QString& sjabloon, std::initializer_list<std::pair<QChar, QString>> waarden) {
    QString tekst;
    for (const QChar c : sjabloon) {
        const auto waarde = std::find_if(waarden.begin(), waarden.end(), [c](const auto& w) { return w.first == c; });
        if (waarde != waarden.end())
            tekst += waarde->second;
        else
            tekst += c;
    }
    return tekst;
}

QString VulIn(const QString& sjabloon, const QString& tilde, const QString& hekje) {
    return VulIn(sjabloon, {{QLatin1Char('~'), tilde}, {QLatin1Char('#'), hekje}});
}
