#include "settings/BewaarInstelling.h"

#include "platform/Profile.h"
#include "platform/Prompt.h"
#include "shared/Ini.h"
#include "shared/Tekst.h"

bool BewaarInstelling(const QString& sectie, const QString& sleutel, const QString& waarde,
                      const QString& titel) {
    QString fout;
    if (platform::WriteProfileString(IniBestand, sectie, sleutel, waarde, &fout)) return true;
    QString tekst = TaalTekst(272);
    tekst.replace(QLatin1Char('|'), QLatin1Char('\n'))
        .replace(QLatin1Char('~'), IniBestand)
        .replace(QLatin1Char('#'), fout);
    platform::MsgBox(tekst, platform::vbExclamation, titel);
    return false;
}
