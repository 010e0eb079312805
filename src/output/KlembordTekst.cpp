#include "output/KlembordTekst.h"

#include "deal/GeverKwetsbaar.h"
#include "deal/SpelRecord.h"

namespace klembord {

namespace {

const QString TAB = QStringLiteral("\t");

QString Tabs(int n) { return QString(n, QLatin1Char('\t')); }
QString Streep() { return QString(80, QLatin1Char('-')) + CRLF; }

// The leading whole number of a text, 0 when it has none (as Val reads it).
int LeesGetal(const QString& tekst) {
    const QString s = tekst.trimmed();
    int i = 0;
    while (i < s.size() && s[i].isDigit() && i < 9) ++i;
    return i == 0 ? 0 : s.left(i).toInt();
}

// A seat field is the seat name followed by "(points)".
QString PuntenDeel(const QString& veld) {
    const int p = veld.indexOf(QLatin1Char('('));
    return p < 0 ? QString() : veld.mid(p);
}

QString GeverTekst(const Spel& spel, const Teksten& t) {
    return t.gever + QStringLiteral(": ") + t.wind[spel.gever];
}

QString KwetsbaarLang(const Spel& spel, const Teksten& t) {
    return t.kwetsbaar + QStringLiteral(": ") + t.kwetsNaam[spel.kwetsbaar];
}

QString KwetsbaarKort(const Spel& spel, const Teksten& t) {
    QString kort;
    switch (spel.kwetsbaar) {
    case 0: kort = QStringLiteral("-"); break;
    case 1: kort = t.kortNZ; break;
    case 2: kort = t.kortOW; break;
    default: kort = t.kwetsNaam[3].left(1); break;
    }
    return t.kwetsbaar + QStringLiteral(": ") + kort;
}

// Appends one cell and its tab run to a row of layouts 0 and 1.
void Cel(QString& rij, const QString& cel, TabStand& tabs, int rijSoort) {
    BepaalTabs(cel, tabs.KolomSoort, rijSoort, tabs.TabReeks);
    rij += cel + tabs.TabReeks;
}

// The four suit rows of panel 0, column c holding labels 4c + s.
void SchrijfKleurRijen(QString& tekst, const Paneel0& p, TabStand& tabs) {
    for (int s = 0; s < 4; ++s) {
        if (p.kleurZichtbaar) tabs.KolomSoort = 1;
        QString rij;
        for (int c = 0; c < 4; ++c) {
            const int i = 4 * c + s;
            Cel(rij, (p.kleurZichtbaar ? p.kleur[i] : QString()) + p.hand[i], tabs, 0);
        }
        tekst += rij + CRLF;
    }
}

}  // namespace

Teksten Teksten::Uit(const std::function<QString(int)>& tekst) {
    Teksten t;
    for (int i = 0; i < 4; ++i) {
        t.wind[i] = tekst(1 + i);
        t.kwetsNaam[i] = tekst(7 + i);
    }
    t.gever = tekst(5);
    t.kwetsbaar = tekst(6);
    t.kortNZ = tekst(105);
    t.kortOW = tekst(106);
    t.kleurLetters = tekst(210);
    return t;
}

Reeksen Reeksen::Standaard() {
    return {BouwGeverReeks(), BouwKwetsbaarReeks()};
}

QList<Spel> BruikbareSpellen(const QStringList& records, const Reeksen& reeksen) {
    QList<Spel> spellen;
    for (const QString& record : records) {
        if (record.trimmed().isEmpty()) continue;
        QStringList velden = record.split(QLatin1Char('~'));
        while (velden.size() < 21) velden.append(QString());
        const int b = LeesGetal(velden[0]);
        if (b < 1 || b > reeksen.gever.size() || b > reeksen.kwetsbaar.size()) continue;
        const int g = reeksen.gever[b - 1].digitValue();
        const int k = reeksen.kwetsbaar[b - 1].digitValue();
        if (g < 0 || g > 3 || k < 0 || k > 3) continue;
        bool kaarten = false;
        for (int f = 1; f <= 16; ++f) kaarten = kaarten || !velden[f].trimmed().isEmpty();
        if (!kaarten) continue;
        spellen.append({b, g, k, velden.mid(0, 21)});
    }
    return spellen;
}

QString TienVorm(const QString& holding, bool tien) {
    return spel::TienVoorWeergave(holding, tien);
}

void BepaalTabs(const QString& cel, int kolomSoort, int rijSoort, QString& tabReeks) {
    const qsizetype L = cel.size();
    const bool P = cel.contains(QLatin1Char(')'));
    const int soortNul = (L >= 9 && P) ? 1 : 2;
    int n;
    switch (kolomSoort) {
    case 0:
        n = soortNul;
        break;
    case 1:
        if (L <= 2) n = 3;
        else if (L <= 7) n = 2;
        else if (L == 8) n = P ? 2 : 1;
        else if (L == 9) n = 1;
        else n = P ? 2 : 1;
        break;
    case 2:
    case 3:
        n = rijSoort == 1 ? 2 : rijSoort == 2 ? 1 : soortNul;
        break;
    default:
        return;
    }
    tabReeks = Tabs(n);
}

QString TrimSpaties(const QString& tekst) {
    qsizetype begin = 0, eind = tekst.size();
    while (begin < eind && tekst[begin] == QLatin1Char(' ')) ++begin;
    while (eind > begin && tekst[eind - 1] == QLatin1Char(' ')) --eind;
    return tekst.mid(begin, eind - begin);
}

QString BouwLayout0(const QList<Spel>& spellen, Paneel0& p, TabStand& tabs,
                    const Teksten& t, bool tien) {
    QString tekst;
    for (const Spel& spel : spellen) {
        p.spelnummer[0] = QString::number(spel.nummer);
        p.gever[0] = GeverTekst(spel, t);
        p.kwetsbaar[0] = KwetsbaarLang(spel, t);
        for (int f = 1; f <= 16; ++f) p.hand[f - 1] = TienVorm(spel.velden[f], tien);
        tabs.KolomSoort = 0;
        // A seat field without points (a damaged record) shows no points
        // rather than those of the deal before.
        if (p.puntenZichtbaar)
            for (int h = 0; h < 4; ++h) p.punten[h] = PuntenDeel(spel.velden[17 + h]);

        tekst += p.spelnummer[0] + CRLF + p.gever[0] + CRLF + p.kwetsbaar[0] + CRLF;
        QString rij;
        for (int h = 0; h < 4; ++h)
            Cel(rij, p.wind[h] + (p.puntenZichtbaar ? p.punten[h] : QString()), tabs, 0);
        tekst += QStringLiteral(" ") + CRLF + rij + CRLF;
        SchrijfKleurRijen(tekst, p, tabs);
        tekst += CRLF + Streep() + CRLF;
    }
    return tekst;
}

QString BouwLayout1(const QList<Spel>& spellen, Paneel0& p, TabStand& tabs,
                    const Teksten& t, bool tien) {
    // The first row group starts from empty columns, so that a short first
    // row shows empty cells rather than what the preview labels held.
    for (int c = 0; c < 4; ++c) {
        p.spelnummer[c].clear();
        p.gever[c].clear();
        p.kwetsbaar[c].clear();
        p.wind[c].clear();
        p.punten[c].clear();
    }
    for (QString& h : p.hand) h.clear();

    QString tekst;
    auto schrijfRijGroep = [&]() {
        QString rij;
        for (int c = 0; c < 4; ++c) Cel(rij, p.spelnummer[c], tabs, 1);
        tekst += rij + CRLF;
        rij.clear();
        for (int c = 0; c < 4; ++c) Cel(rij, p.gever[c], tabs, 2);
        tekst += rij + CRLF;
        rij.clear();
        for (int c = 0; c < 4; ++c) Cel(rij, p.kwetsbaar[c], tabs, 2);
        tekst += rij + CRLF;
        rij.clear();
        for (int c = 0; c < 4; ++c) Cel(rij, p.wind[c] + p.punten[c], tabs, 0);
        tekst += QStringLiteral(" ") + CRLF + rij + CRLF;
        SchrijfKleurRijen(tekst, p, tabs);
        tekst += CRLF + Streep() + CRLF;

        for (QString& h : p.hand) h.clear();
        for (int c = 0; c < 4; ++c) {
            p.spelnummer[c].clear();
            p.gever[c] = t.gever + QStringLiteral(":");
            p.kwetsbaar[c] = t.kwetsbaar + QStringLiteral(":");
            p.wind[c] = t.wind[c];
            p.punten[c] = QStringLiteral("( )");
        }
    };

    for (int zit = 0; zit < 4; ++zit) {
        int c = 0;
        for (qsizetype d = 0; d < spellen.size(); ++d) {
            const Spel& spel = spellen[d];
            tabs.KolomSoort = 2;
            p.spelnummer[c] = QString::number(spel.nummer);
            p.gever[c] = GeverTekst(spel, t);
            p.kwetsbaar[c] = KwetsbaarKort(spel, t);
            p.wind[c] = t.wind[zit];
            if (p.puntenZichtbaar) {
                p.punten[c] = PuntenDeel(spel.velden[17 + zit]);
                tabs.KolomSoort = 3;
            } else {
                p.punten[c].clear();
            }
            for (int s = 0; s < 4; ++s)
                p.hand[4 * c + s] = TienVorm(spel.velden[1 + 4 * zit + s], tien);
            ++c;
            if (c == 4 || d == spellen.size() - 1) {
                schrijfRijGroep();
                c = 0;
            }
        }
    }
    return tekst;
}

QString BouwLayout2(const QList<Spel>& spellen, Paneel2& p, const Teksten& t, bool tien) {
    QString tekst;
    for (const Spel& spel : spellen) {
        p.spelnummer = QString::number(spel.nummer);
        p.gever = GeverTekst(spel, t);
        p.kwetsbaar = KwetsbaarLang(spel, t);
        for (int f = 1; f <= 16; ++f) p.hand[f - 1] = TienVorm(spel.velden[f], tien);
        if (p.puntenZichtbaar)
            for (int h = 0; h < 4; ++h) p.punten[h] = PuntenDeel(spel.velden[17 + h]);

        tekst += p.spelnummer + CRLF + p.gever + CRLF + p.kwetsbaar + CRLF + CRLF;
        for (int h = 0; h < 4; ++h) {
            QString titel = p.wind[h];
            if (p.puntenZichtbaar && !p.punten[h].isEmpty()) titel += QStringLiteral(" ") + p.punten[h];
            tekst += titel + CRLF;
            for (int s = 0; s < 4; ++s) {
                const int i = 4 * h + s;
                tekst += (p.kleurZichtbaar ? p.kleur[i] : QString()) + p.hand[i] + CRLF;
            }
            tekst += CRLF;
        }
        tekst += Streep() + CRLF;
    }
    return tekst;
}

QString BouwLayout3(const QList<Spel>& spellen, Paneel3& p, const Teksten& t, int perRij) {
    const int n = qBound(1, perRij, 4);
    const bool letters = p.kleurZichtbaar;
    const bool punten = p.puntenZichtbaar;
    const int breedte = letters ? 5 : 7;
    auto lang = [breedte](const QString& holding) { return holding.size() > breedte; };
    auto letter = [&](int i) { return letters ? p.kleur[i] : QString(); };
    auto puntenGetal = [](const QString& label) { return LeesGetal(label.mid(1)); };

    QString tekst;
    for (qsizetype r = 0; r < spellen.size(); r += n) {
        for (int j = 0; j < 4; ++j) {
            p.spelnummer[j].clear();
            p.gever[j].clear();
            p.kwetsbaar[j].clear();
        }
        for (QString& s : p.wind) s.clear();
        for (QString& s : p.punten) s.clear();
        for (QString& s : p.hand) s.clear();

        for (int j = 0; j < n && r + j < spellen.size(); ++j) {
            const Spel& spel = spellen[r + j];
            p.spelnummer[j] = QString::number(spel.nummer);
            p.gever[j] = GeverTekst(spel, t);
            p.kwetsbaar[j] = KwetsbaarLang(spel, t);
            for (int h = 0; h < 4; ++h) {
                for (int s = 0; s < 4; ++s) p.hand[16 * j + 4 * h + s] = spel.velden[1 + 4 * h + s];
                const QString& veld = spel.velden[17 + h];
                const int haak = veld.indexOf(QLatin1Char('('));
                p.wind[4 * j + h] = haak < 0 ? veld.trimmed() : veld.left(haak);
                p.punten[4 * j + h] = haak < 0 ? QString() : veld.mid(haak).trimmed();
            }
        }

        QString regel;
        for (int j = 0; j < n; ++j) regel += p.spelnummer[j] + Tabs(5);
        tekst += regel + CRLF;
        regel.clear();
        for (int j = 0; j < n; ++j) regel += p.gever[j] + Tabs(4);
        tekst += regel + CRLF;
        regel.clear();
        for (int j = 0; j < n; ++j)
            regel += p.kwetsbaar[j] + Tabs(p.kwetsbaar[j].contains(t.kwetsNaam[3]) ? 4 : 3);
        tekst += regel + CRLF + CRLF;

        // North or South: a title line and four suit lines, one diagram
        // after the other; the tab run after the last diagram is dropped.
        auto boven = [&](int zit) {
            QString titel = TAB;
            for (int j = 0; j < n; ++j) {
                const int w = 4 * j + zit;
                titel += p.wind[w];
                if (zit == 0)
                    titel += punten ? QStringLiteral(" ") + p.punten[w] + Tabs(4) : Tabs(5);
                else
                    titel += (punten ? QStringLiteral(" ") + p.punten[w] : QString()) + Tabs(5);
            }
            tekst += titel + CRLF;
            for (int s = 0; s < 4; ++s) {
                QString lijn;
                QString staart;
                for (int j = 0; j < n; ++j) {
                    const int i = 16 * j + 4 * zit + s;
                    lijn += staart + TAB + letter(i) + p.hand[i];
                    staart = Tabs(lang(p.hand[i]) && letters ? 3 : 4);
                }
                tekst += lijn + CRLF;
            }
            tekst += CRLF;
        };

        boven(0);

        QString titel;
        for (int j = 0; j < n; ++j) {
            const int west = 4 * j + 3, oost = 4 * j + 1;
            titel += p.wind[west];
            if (punten)
                titel += QStringLiteral(" ") + p.punten[west] + Tabs(puntenGetal(p.punten[west]) >= 10 ? 1 : 2);
            else
                titel += Tabs(2);
            titel += p.wind[oost];
            if (punten)
                titel += QStringLiteral(" ") + p.punten[oost] + Tabs(puntenGetal(p.punten[oost]) >= 10 ? 2 : 3);
            else
                titel += Tabs(3);
        }
        tekst += titel + CRLF;
        for (int s = 0; s < 4; ++s) {
            QString lijn;
            for (int j = 0; j < n; ++j) {
                const int w = 16 * j + 12 + s, o = 16 * j + 4 + s;
                lijn += letter(w) + p.hand[w] + Tabs(lang(p.hand[w]) ? 1 : 2);
                lijn += letter(o) + p.hand[o] + Tabs(lang(p.hand[o]) && letters ? 1 : 2) + TAB;
            }
            tekst += lijn + CRLF;
        }
        tekst += CRLF;

        boven(2);
    }
    return tekst;
}

}  // namespace klembord
