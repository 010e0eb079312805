#include "results/WedstrijdOpslaan.h"

#include "platform/Paths.h"
#include "platform/Prompt.h"
#include "results/frmVeldom11.h"
#include "results/WedstrijdBestanden.h"
#include "results/WedstrijdNaam.h"
#include "saveas/frmVeldom02.h"
#include "shared/BasVeldom.h"

using namespace platform;

bool BewaarWedstrijd(frmVeldom02Form& dialoog, const QString& naam) {
    // Checked whole, by the rule every window that names a match applies,
    // before anything is written.
    if (const uitslag::WedstrijdNaamFout f = uitslag::ToetsWedstrijdNaam(naam);
        f != uitslag::WedstrijdNaamFout::Geen) {
        if (f == uitslag::WedstrijdNaamFout::Ongeldig)
            dialoog.ToonWeigering();
        else
            MsgBox(uitslag::WedstrijdNaamMelding(f, naam), vbOKOnly | vbInformation, dialoog.Caption());
        return false;
    }
    const QString parenNaam = uitslag::WedstrijdBestandsnaam(uitslag::WedstrijdBestand::Paren, naam);
    SessieNaam = naam;
    SessieBestand = uitslag::WedstrijdMapPad(naam) + QLatin1Char('/') + parenNaam;
    // Asked before anything is written: No leaves an existing match whole,
    // its mail list included. Yes replaces the whole match, and with it
    // every result typed: the question then says so, with the boards' count.
    const bool paren = BestandBestaat(uitslag::LeesPad(uitslag::WedstrijdBestand::Paren, naam)) == 1;
    if (paren || uitslag::WedstrijdMapGevuld(naam)) {
        const int spellen = static_cast<int>(uitslag::SpellenMetUitslag(naam).size());
        const QString vraag =
            spellen == 0   ? MetRegels(TaalTekst(46)).replace(QChar('~'), paren ? parenNaam : naam)
            : spellen == 1 ? MetRegels(TaalTekst(255)).replace(QChar('~'), naam)
                           : VulIn(MetRegels(TaalTekst(254)), naam, QString::number(spellen));
        if (MsgBox(vraag, vbYesNo | vbQuestion | vbDefaultButton2, dialoog.Caption()) != vbYes) {
            SessieBestand.clear();
            SessieNaam.clear();
            return true;
        }
    }
    QStringList lijst;
    QString groep;
    // The pairs and the group of the new match are read from the results
    // entry that opened the Save-as dialog: its lists are what the user
    // chose the match from.
    if (frmVeldom11_IsLoaded()) {
        lijst = frmVeldom11().lstParen.Items();
        groep = frmVeldom11().lstGroepen.Tag();
    }
    QString reden;
    QString mislukt;
    if (uitslag::MaakWedstrijd(naam, lijst, groep.isEmpty() ? QString() : resolvePath(groep), &reden, &mislukt))
        return true;
    SessieBestand.clear();
    SessieNaam.clear();
    MsgBox(uitslag::SchrijfMelding(mislukt, reden), vbOKOnly | vbExclamation, dialoog.Caption());
    return false;
}
