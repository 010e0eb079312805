#include "lessons/LesBestand.h"

#include <algorithm>

#include "deal/GeverKwetsbaar.h"
#include "deal/SpelRecord.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "shared/Bestanden.h"
#include "shared/Tekst.h"

namespace les {

namespace {

const QString TwintigTildes = QString(20, QLatin1Char('~'));

int Cijfer(const QString& reeks, int n) {
    if (n < 1 || n > reeks.size()) return -1;
    const int d = reeks.at(n - 1).digitValue();
    return d >= 0 && d <= 3 ? d : -1;
}

}  // namespace

QString AanmaakKop() {
    return QStringLiteral("Renonce: ?~Singelton: ?~Doubelton: ?~7 kaart: ?~8 Kaart: ?~9 Kaart: ?");
}

QString SlotNummer(int slot) { return QString::number(slot + 1000).right(3); }

QString VrijeSlotRegel(int slot) { return SlotNummer(slot) + TwintigTildes; }

QStringList NieuweLes(int aantal) {
    QStringList regels;
    regels << AanmaakKop();
    for (int k = 1; k <= aantal; ++k) regels << VrijeSlotRegel(k);
    return regels;
}

bool IsVrij(const QString& slotRegel) { return slotRegel.mid(3).trimmed() == TwintigTildes; }

QString LesPad(const QString& naam) {
    if (!EigenNaamGeldig(naam)) return QString();
    const QString bestand = naam + QStringLiteral(".txt");
    return platform::programPath(QStringLiteral("bewaar/") + bestand);
}

QStringList LesNamen(const QStringList& bestandsnamen, bool omgekeerd) {
    return spel::SpelSetNamen(bestandsnamen, omgekeerd);
}

spel::SpelSetUitkomst LeesLes(const QString& pad) { return spel::LeesSpelSet(pad); }

QString LesMelding(const spel::SpelSetUitkomst& uitkomst, const QString& naam, int taalNummer) {
    // The deal set messages name the fault; the closing line is the lesson's.
    QString tekst = spel::SpelSetMelding(uitkomst, naam, taalNummer);
    const int taal = (taalNummer == 11 ? 11 : 10) * 1000;
    const QString slot = TaalTekst(taal + 87);
    if (tekst.endsWith(slot)) tekst.chop(slot.size());
    return tekst + TaalTekst(taal + 345);
}

KopTellers TelSlots(const QStringList& slotRegels) {
    KopTellers t;
    for (const QString& regel : slotRegels) {
        const QStringList velden = regel.split(QLatin1Char('~'));
        for (int i = 1; i <= 16 && i < velden.size(); ++i) {
            const QString veld = velden.at(i).trimmed();
            const qsizetype L = veld.size();
            if (L == 1 && veld == QStringLiteral("-"))
                ++t.aantal[0];
            else if (L == 1)
                ++t.aantal[1];
            else if (L == 2)
                ++t.aantal[2];
            else if (L == 7)
                ++t.aantal[3];
            else if (L == 8)
                ++t.aantal[4];
            else if (L > 8)
                ++t.aantal[5];
        }
    }
    return t;
}

QString BouwKop(const QStringList& labels, const KopTellers& tellers) {
    QStringList velden;
    for (int i = 0; i < 6; ++i)
        velden << labels.value(i) + QStringLiteral(": ") + QString::number(tellers.aantal[i]);
    return velden.join(QLatin1Char('~'));
}

QStringList MetNieuweKop(const QStringList& beeld, const QStringList& labels) {
    QStringList uit = beeld;
    if (uit.isEmpty()) return uit;
    uit[0] = BouwKop(labels, TelSlots(beeld.mid(1)));
    return uit;
}

bool SchrijfLes(const QString& pad, const QStringList& beeld, QString* fout) {
    if (pad.isEmpty()) return false;
    // The bewaar folder is made again when it was removed since start-up.
    QString map = platform::programPath(QStringLiteral("bewaar"));
    MaakMappen(map);
    return platform::writeTextLines(pad, beeld, fout);
}

int EersteKandidaat(int spelnummer) {
    if (spelnummer >= 1 && spelnummer <= MaximaalSlots) return ((spelnummer - 1) % 4) + 1;
    return spelnummer;
}

QList<int> KandidaatSlots(int spelnummer, const QStringList& slotRegels) {
    QList<int> uit;
    const int s = EersteKandidaat(spelnummer);
    if (s < 1) return uit;
    for (int i = s; i <= slotRegels.size(); i += 4)
        if (IsVrij(slotRegels.at(i - 1))) uit << i;
    return uit;
}

QString BouwSlotRecord(int slot, const QStringList& houdingen, const QStringList& windVelden) {
    QStringList velden;
    velden << SlotNummer(slot);
    for (int i = 0; i < 16; ++i) {
        QString h = houdingen.value(i);
        h.replace(QStringLiteral("10"), spel::TienLetter);
        // A "~" would split the record; holdings never hold one.
        h.remove(QLatin1Char('~'));
        velden << h.trimmed();
    }
    for (int w = 0; w < 4; ++w) velden << windVelden.value(w).remove(QLatin1Char('~'));
    return velden.join(QLatin1Char('~'));
}

TeDraaienSpel DraaiRechtsom(const TeDraaienSpel& spel) {
    TeDraaienSpel uit;
    for (int w = 0; w < 4; ++w) {
        const int naar = (w + 1) % 4;
        for (int k = 0; k < 4; ++k) uit.houding[4 * naar + k] = spel.houding[4 * w + k];
        uit.punten[naar] = spel.punten[w];
    }
    return uit;
}

QStringList WijzigLijst(int aantal) {
    QStringList lijst;
    for (int i = aantal; i >= 1; --i) lijst << QString::number(i);
    return lijst;
}

int PositieVanSlot(int slot, int aantal) {
    if (slot < 1 || slot > aantal) return -1;
    return aantal - slot;
}

int SlotVoorRaise(int spelnummer, int aantal) {
    if (spelnummer >= 1 && spelnummer <= aantal) return spelnummer;
    if (spelnummer < 1) return 0;
    const int s = ((spelnummer - 1) % 4) + 1;
    return s <= aantal ? s : 0;
}

QString GeverKop(int spelnummer) {
    const int d = Cijfer(GeverReeks, spelnummer);
    return TaalTekst(5) + QStringLiteral(": ") + (d >= 0 ? TaalTekst(d + 1) : QString());
}

QString KwetsbaarKop(int spelnummer) {
    const int v = Cijfer(KwetsbaarReeks, spelnummer);
    return TaalTekst(6) + QStringLiteral(": ") + (v >= 0 ? TaalTekst(v + 7) : QString());
}

QString KwetsbaarVoorbeeld(int spelnummer) {
    static const int nummers[4] = {7, 105, 106, 107};
    const int v = Cijfer(KwetsbaarReeks, spelnummer);
    return TaalTekst(6) + QStringLiteral(": ") + (v >= 0 ? TaalTekst(nummers[v]) : QString());
}

QList<int> LegeSpellen(const QStringList& records) {
    QList<int> leeg;
    for (int b = 1; b <= records.size(); ++b) {
        const QStringList velden = records.at(b - 1).split(QLatin1Char('~'));
        bool kaarten = false;
        for (int i = 1; i <= 16 && i < velden.size(); ++i)
            kaarten = kaarten || !velden.at(i).trimmed().isEmpty();
        if (!kaarten) leeg << b;
    }
    return leeg;
}

ExportUitkomst ExporteerLes(const QString& bronPad, const QString& naam,
                            const std::function<bool(const QString&)>& magOverschrijven,
                            spel::SpelSetUitkomst* lezing, QString* fout) {
    const spel::SpelSetUitkomst gelezen = LeesLes(bronPad);
    if (lezing) *lezing = gelezen;
    if (!gelezen.Gelukt()) return ExportUitkomst::Onleesbaar;
    const QString doel = spel::SpelSetPad(naam);
    if (doel.isEmpty()) {
        if (fout) fout->clear();
        return ExportUitkomst::Mislukt;
    }
    // The deal set folder exists from start-up; it is made again when it
    // was removed since.
    QString map = platform::programPath(QStringLiteral("spellen"));
    MaakMappen(map);
    if (BestandBestaat(doel) == 1 && !(magOverschrijven && magOverschrijven(naam + QStringLiteral(".txt"))))
        return ExportUitkomst::NietOverschreven;
    // The checked image is written; lines after the last slot that were
    // blank are not carried over.
    if (!platform::writeTextLines(doel, gelezen.set.Regels(), fout)) return ExportUitkomst::Mislukt;
    return ExportUitkomst::Geschreven;
}

}  // namespace les
