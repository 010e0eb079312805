#include "output/AfdrukInhoud.h"

namespace afdruk {

namespace {

QString Kwetsbaar(const AfdrukContext& c, int n, AllenVorm vorm) {
    return KwetsbaarKort(c.tekst, ReeksCijfer(c.kwetsbaarReeks, n), vorm);
}

}  // namespace

QList<BeeldRij> HandenPerWind(const QStringList& items, int zetel, const AfdrukContext& c) {
    const QStringList deals = DealItems(items);
    QList<BeeldRij> beelden;
    for (const QList<int>& groep : Afbeeldingen(deals.size(), 4)) {
        BeeldRij beeld;
        for (int n : groep) {
            const int p = (n - 1) % 4;
            const QStringList velden = TienVorm(deals.at(n - 1), c.tien).split(QLatin1Char('~'));
            Blok& blok = beeld.blokken[p];
            blok.kop = SpelKop(c.tekst, n, zetel, p, Kwetsbaar(c, n, AllenVorm::Letter));
            for (int s = 0; s < 4; ++s)
                blok.kleuren[s] = Holding(velden, zetel, s) + QLatin1Char(' ');
        }
        beelden.append(beeld);
    }
    return beelden;
}

QList<BeeldRij> HandenNaastElkaar(const QStringList& items, const AfdrukContext& c) {
    const QStringList deals = DealItems(items);
    QList<BeeldRij> beelden;
    for (int n = 1; n <= deals.size(); ++n) {
        const int gever = GeverOpPlaats(n);
        const QString kwetsbaar = Kwetsbaar(c, n, AllenVorm::Heel);
        const QStringList velden = deals.at(n - 1).split(QLatin1Char('~'));
        BeeldRij beeld;
        for (int h = 0; h < 4; ++h) {
            beeld.blokken[h].kop = SpelKop(c.tekst, n, h, gever, kwetsbaar);
            for (int s = 0; s < 4; ++s)
                beeld.blokken[h].kleuren[s] = Holding(velden, h, s);
        }
        beelden.append(beeld);
    }
    return beelden;
}

QList<BeeldPaar> TweeNaastElkaar(const QStringList& items, const AfdrukContext& c) {
    const QStringList deals = DealItems(items);
    const AllenVorm vorm = c.nederlands ? AllenVorm::TweeLetters : AllenVorm::Heel;
    QList<BeeldPaar> beelden;
    for (const QList<int>& groep : Afbeeldingen(deals.size(), 2)) {
        BeeldPaar beeld;
        for (int n : groep) {
            Paneel& paneel = beeld.panelen[(n - 1) % 2];
            paneel.spel = QString::number(n);
            paneel.gever = GeverRegel(c.tekst, GeverOpPlaats(n));
            paneel.kwetsbaar = KwetsbaarRegel(c.tekst, Kwetsbaar(c, n, vorm));
            const QStringList velden = deals.at(n - 1).split(QLatin1Char('~'));
            for (int k = 1; k <= 16; ++k)
                paneel.kleuren[k - 1] = QLatin1Char(' ') + Veld(velden, k);
        }
        beelden.append(beeld);
    }
    return beelden;
}

QList<Diagram> Diagrammen(const QStringList& items, const AfdrukContext& c) {
    const QStringList deals = DealItems(items);
    QList<Diagram> beelden;
    for (int b = 1; b <= deals.size(); ++b) {
        const QStringList velden = deals.at(b - 1).split(QLatin1Char('~'));
        Diagram d;
        for (int i = 0; i < 16; ++i)
            d.kleuren[i] = QLatin1Char(' ') + TienVorm(Veld(velden, i + 1), c.tien);
        for (int h = 0; h < 4; ++h)
            d.punten[h] = PuntenTekst(Veld(velden, 17 + h));
        d.spelnummer = QString::number(b);
        const int gever = ReeksCijfer(c.geverReeks, b);
        d.gever = gever >= 0 && gever <= 3 ? GeverRegel(c.tekst, gever)
                                           : c.tekst(5) + QStringLiteral(": ");
        d.kwetsbaar =
            KwetsbaarRegel(c.tekst, KwetsbaarNaam(c.tekst, ReeksCijfer(c.kwetsbaarReeks, b)));
        beelden.append(d);
    }
    return beelden;
}

}  // namespace afdruk
