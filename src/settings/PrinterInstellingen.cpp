#include "settings/PrinterInstellingen.h"

#include <QtGlobal>

#include "shared/Ini.h"

int Tussenruimte = 0;

namespace {

const QString kSectie = QStringLiteral("Printer");

}  // namespace

int RichtingUitTekst(const QString& waarde) {
    const int n = ValInteger(waarde);
    return n >= 0 && n < kAantalRichtingen ? n : 0;
}

int TussenruimteUitTekst(const QString& waarde) {
    return qBound(0, ValInteger(waarde), kHoogsteTussenruimte);
}

int BreedteUitTekst(const QString& waarde) { return qBound(0, ValInteger(waarde), kHoogsteBreedte); }

PrinterInstellingen LeesPrinterInstellingen() {
    PrinterInstellingen p;
    LeesIni(kSectie, QStringLiteral("PDF printer"), IniBestand);
    p.printer = IniWaarde.trimmed();
    LeesIni(kSectie, QStringLiteral("Print Richting"), IniBestand);
    p.richting = RichtingUitTekst(IniWaarde);
    LeesIni(kSectie, QStringLiteral("Tussenruimte"), IniBestand);
    p.tussenruimte = TussenruimteUitTekst(IniWaarde);
    LeesIni(kSectie, QStringLiteral("PDF Breedte"), IniBestand);
    p.breedte = BreedteUitTekst(IniWaarde);
    return p;
}
