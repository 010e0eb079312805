#include "shared/Ini.h"

#include <QHash>
#include <cmath>

#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Prompt.h"
#include "shared/Tekst.h"

QString IniBestand;
QString IniWaarde;

void LeesIni(const QString& sectie, const QString& sleutel, const QString& bestand) {
    IniWaarde = platform::ReadProfileString(bestand, sectie, sleutel);
}

namespace {

// Per settings file, the reason its last write failed, told to the user
// already during the action now running; forgotten once no handler runs
// any more, or when a write to the file succeeds.
QHash<QString, QString>& GemeldeFouten() {
    static QHash<QString, QString> fouten;
    return fouten;
}

QString Pad(const QString& bestand) {
    const QString pad = platform::resolvePath(bestand);
    return pad.isEmpty() ? bestand : pad;
}

void MeldNietBewaard(const QString& bestand, const QString& reden) {
    const QString tekst = VulIn(MetRegels(TaalTekst(272)), Pad(bestand), reden);
    // Titled as the window the user is working in, as its own messages are.
    const platform::Form* venster = platform::ActiveForm();
    platform::MsgBox(tekst, platform::vbOKOnly | platform::vbExclamation, venster ? venster->Caption() : QString());
}

}  // namespace

bool SchrijfIni(const QString& sectie, const QList<std::pair<QString, QString>>& sleutels,
                const QString& bestand) {
    for (const auto& paar : sleutels) {
        if (const QString bezwaar = OpslaanBezwaar(paar.second, platform::kProfileValueMax); !bezwaar.isEmpty()) {
            MeldNietBewaard(bestand, bezwaar);
            return false;
        }
    }
    QString fout;
    const QString pad = Pad(bestand);
    if (platform::WriteProfileStrings(bestand, sectie, sleutels, &fout)) {
        GemeldeFouten().remove(pad);
        return true;
    }
    // One action that writes several settings (a window's start, a click
    // that stores a group of keys) tells a failing file once; the user's
    // next action tells it again.
    if (!GemeldeFouten().contains(pad) || GemeldeFouten().value(pad) != fout) {
        if (GemeldeFouten().isEmpty()) platform::RunWhenIdle([] { GemeldeFouten().clear(); });
        GemeldeFouten().insert(pad, fout);
        MeldNietBewaard(bestand, fout);
    }
    return false;
}

bool SchrijfIni(const QString& sectie, const QString& sleutel, const QString& waarde,
                const QString& bestand) {
    return SchrijfIni(sectie, {{sleutel, waarde}}, bestand);
}

namespace {

// Length of the numeric prefix of `tekst` starting at `start`, and whether it
// holds at least one digit.
int numeriekDeel(const QString& tekst, int start, bool& heeftCijfer) {
    int i = start;
    heeftCijfer = false;
    if (i < tekst.size() && (tekst.at(i) == QLatin1Char('+') || tekst.at(i) == QLatin1Char('-')))
        ++i;
    bool punt = false;
    for (; i < tekst.size(); ++i) {
        const QChar c = tekst.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            heeftCijfer = true;
        else if (c == QLatin1Char('.') && !punt)
            punt = true;
        else
            break;
    }
    return i - start;
}

int eersteNietBlanco(const QString& tekst) {
    int i = 0;
    while (i < tekst.size() && (tekst.at(i) == QLatin1Char(' ') || tekst.at(i) == QLatin1Char('\t')))
        ++i;
    return i;
}

}  // namespace

double Val(const QString& tekst) {
    const int start = eersteNietBlanco(tekst);
    bool heeftCijfer = false;
    const int lengte = numeriekDeel(tekst, start, heeftCijfer);
    if (!heeftCijfer)
        return 0.0;
    QString deel = tekst.mid(start, lengte);
    if (deel.endsWith(QLatin1Char('.')))
        deel.chop(1);
    if (deel.startsWith(QLatin1Char('.')) || deel.startsWith(QLatin1String("-.")) ||
        deel.startsWith(QLatin1String("+.")))
        deel.insert(deel.indexOf(QLatin1Char('.')), QLatin1Char('0'));
    bool ok = false;
    const double waarde = deel.toDouble(&ok);
    return ok ? waarde : 0.0;
}

bool IsGetal(const QString& tekst) {
    bool heeftCijfer = false;
    numeriekDeel(tekst, eersteNietBlanco(tekst), heeftCijfer);
    return heeftCijfer;
}

int ValInteger(const QString& tekst) {
    const double afgerond = std::nearbyint(Val(tekst));  // default mode: halves to even
    if (afgerond < -32768.0)
        return -32768;
    if (afgerond > 32767.0)
        return 32767;
    return static_cast<int>(afgerond);
}

int IniGetal(const QString& waarde, int standaard) {
    if (waarde.isEmpty())
        return standaard;
    if (!IsGetal(waarde))
        return 0;
    const double afgerond = std::nearbyint(Val(waarde));
    if (afgerond < -32768.0 || afgerond > 32767.0)
        return standaard;
    return static_cast<int>(afgerond);
}

int LeesIniGetal(const QString& sectie, const QString& sleutel, const QString& bestand,
                 int standaard) {
    LeesIni(sectie, sleutel, bestand);
    return IniGetal(IniWaarde, standaard);
}
