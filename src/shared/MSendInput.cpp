#include "shared/MSendInput.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <cmath>

namespace {

using platform::KeyInput;

constexpr int VkShift = 16;
constexpr int VkControl = 17;
constexpr int VkAlt = 18;
constexpr int VkEnter = 13;

// The key names and the set of names that are extended keys, built on first
// use and kept for the life of the program.
struct ToetsTabellen {
    QHash<QString, int> ToetsNamen;
    QSet<QString> UitgebreideToetsen;

    void RegistreerToets(int vk, const QString& naam, bool uitgebreid) {
        ToetsNamen.insert(naam, vk);
        if (uitgebreid)
            UitgebreideToetsen.insert(naam);
    }
};

ToetsTabellen VulToetsNamen() {
    ToetsTabellen t;
    t.RegistreerToets(8, "BACKSPACE", false);
    t.RegistreerToets(8, "BS", false);
    t.RegistreerToets(8, "BKSP", false);
    t.RegistreerToets(19, "BREAK", true);
    t.RegistreerToets(20, "CAPSLOCK", false);
    t.RegistreerToets(46, "DELETE", true);
    t.RegistreerToets(46, "DEL", true);
    t.RegistreerToets(40, "DOWN", true);
    t.RegistreerToets(35, "END", true);
    t.RegistreerToets(13, "ENTER", false);
    t.RegistreerToets(27, "ESC", false);
    t.RegistreerToets(47, "HELP", false);
    t.RegistreerToets(36, "HOME", true);
    t.RegistreerToets(45, "INS", true);
    t.RegistreerToets(45, "INSERT", true);
    t.RegistreerToets(37, "LEFT", true);
    t.RegistreerToets(144, "NUMLOCK", true);
    t.RegistreerToets(34, "PGDN", true);
    t.RegistreerToets(33, "PGUP", true);
    t.RegistreerToets(19, "PAUSE", false);
    t.RegistreerToets(42, "PRINT", true);
    t.RegistreerToets(44, "PRTSC", true);
    t.RegistreerToets(44, "PRTSCN", true);
    t.RegistreerToets(44, "PRINTSCRN", true);
    t.RegistreerToets(44, "PRINTSCREEN", true);
    t.RegistreerToets(39, "RIGHT", true);
    t.RegistreerToets(145, "SCROLLLOCK", false);
    t.RegistreerToets(41, "SELECT", false);
    t.RegistreerToets(9, "TAB", false);
    t.RegistreerToets(38, "UP", true);
    for (int i = 1; i <= 16; ++i)
        t.RegistreerToets(111 + i, QStringLiteral("F%1").arg(i), false);
    return t;
}

const ToetsTabellen& Tabellen() {
    static const ToetsTabellen tabellen = VulToetsNamen();
    return tabellen;
}

int HoogByte(int waarde) { return ((waarde < 0 ? waarde + 65536 : waarde) >> 8) & 0xFF; }
int LaagByte(int waarde) { return waarde & 0xFF; }

// The number at the start of a text, as a whole number: blanks are skipped,
// a sign, digits, a fraction and an exponent are read, the rest is ignored,
// and no number reads as 0. Halves round to even.
double WaardeVan(const QString& tekst) {
    QString t = tekst;
    t.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
    int i = 0;
    const int n = t.size();
    auto cijfers = [&] {
        const int begin = i;
        while (i < n && t.at(i).isDigit() && t.at(i).unicode() < 128)
            ++i;
        return i > begin;
    };
    if (i < n && (t.at(i) == '+' || t.at(i) == '-'))
        ++i;
    bool getal = cijfers();
    if (i < n && t.at(i) == '.') {
        ++i;
        getal = cijfers() || getal;
    }
    if (!getal)
        return 0;
    int einde = i;
    if (i < n && (t.at(i).toUpper() == 'E' || t.at(i).toUpper() == 'D')) {
        int j = i + 1;
        if (j < n && (t.at(j) == '+' || t.at(j) == '-'))
            ++j;
        i = j;
        if (cijfers())
            einde = i;
    }
    QString getalTekst = t.left(einde);
    getalTekst.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    return getalTekst.toDouble();
}

// How often a key in braces is pressed: missing, 0 or negative is once.
int Herhaling(const QStringList& delen) {
    if (delen.size() < 2)
        return 1;
    const double waarde = std::nearbyint(WaardeVan(delen.at(1)));
    if (!(waarde >= 1))
        return 1;
    return waarde > MaxToetsHerhaling ? MaxToetsHerhaling : int(waarde);
}

// Reads one keystroke text and queues its records.
class ToetsLezer {
public:
    ToetsLezer(const QString& tekst, bool capsLockAan) : ToetsTekst(tekst), CapsLockAan(capsLockAan) {}

    ToetsRecords Lees() {
        while (ToetsPositie < ToetsTekst.size())
            VerwerkVolgende();
        for (KeyInput& record : ToetsInvoer)
            record.type = platform::InputKeyboard;
        return ToetsInvoer;
    }

private:
    QString ToetsTekst;
    // 1-based position of the last character taken; 0 at the start.
    int ToetsPositie = 0;
    ToetsRecords ToetsInvoer;  // queued records; their number is ToetsAantal
    // How many times Shift, Ctrl and Alt are held by "+", "^" and "%".
    int Vastgehouden[3] = {0, 0, 0};
    bool CapsLockAan;

    QChar TekenOp(int positie) const { return ToetsTekst.at(positie - 1); }

    static int ModifierIndex(QChar teken) {
        switch (teken.unicode()) {
        case '+': return 0;
        case '^': return 1;
        case '%': return 2;
        default: return -1;
        }
    }
    static int ModifierToets(int index) { return VkShift + index; }
    bool ShiftVastgehouden() const { return Vastgehouden[0] > 0; }

    // The next token. Modifiers in a row are all held over the one token
    // after them and released in reverse order; when that token queues
    // nothing (or there is none, at the end of the text) the modifiers are
    // not sent either.
    void VerwerkVolgende() {
        const int begin = ToetsInvoer.size();
        QVector<int> modifiers;
        bool tokenVolgt = true;
        QChar teken;
        for (;;) {
            ++ToetsPositie;
            teken = TekenOp(ToetsPositie);
            const int index = ModifierIndex(teken);
            if (index < 0)
                break;
            VoegToetsEventToe(ModifierToets(index), false);
            ++Vastgehouden[index];
            modifiers.append(index);
            if (ToetsPositie >= ToetsTekst.size()) {
                tokenVolgt = false;
                break;
            }
        }
        const int naModifiers = ToetsInvoer.size();
        if (tokenVolgt)
            VerwerkToken(teken);
        const bool leeg = ToetsInvoer.size() == naModifiers;
        if (leeg)
            ToetsInvoer.resize(begin);
        for (int i = modifiers.size() - 1; i >= 0; --i) {
            if (!leeg)
                VoegToetsEventToe(ModifierToets(modifiers.at(i)), true);
            --Vastgehouden[modifiers.at(i)];
        }
    }

    void VerwerkToken(QChar teken) {
        if (teken == '(')
            VerwerkGroep();
        else if (teken == '{')
            VerwerkAccolade();
        else
            VerwerkTeken(teken, 1, true);
    }

    // "(" at ToetsPositie: every character up to the first ")" is typed. An
    // empty group or one without ")" queues nothing and reading goes on after
    // the "(".
    void VerwerkGroep() {
        const int open = ToetsPositie;
        const int sluit = ToetsTekst.indexOf(QLatin1Char(')'), open - 1) + 1;
        if (sluit <= open + 1)
            return;
        for (int p = open + 1; p < sluit; ++p)
            VerwerkTeken(TekenOp(p), 1, true);
        ToetsPositie = sluit;
    }

    // "{" at ToetsPositie: a key name or a character, and a repeat count.
    void VerwerkAccolade() {
        const int open = ToetsPositie;
        // Looked for from the second character inside on, so that "{}}" and
        // "{{}" type a brace.
        const int sluit = ToetsTekst.indexOf(QLatin1Char('}'), open + 1) + 1;
        if (sluit == 0)
            return;
        const QString binnen = ToetsTekst.mid(open, sluit - open - 1);
        const QStringList delen = binnen.split(QLatin1Char(' '));
        const int aantal = Herhaling(delen);
        const QString naam = delen.at(0);
        const int vk = ToetsCode(naam);
        if (vk != 0) {
            const bool uitgebreid = IsUitgebreideToets(naam);
            for (int i = 0; i < aantal; ++i)
                VoegToetsToe(vk, false, uitgebreid, false);
        } else {
            // "~" in braces is the character itself, not Enter.
            VerwerkTeken(binnen.at(0), aantal, false);
        }
        ToetsPositie = sluit;
    }

    // One character, typed aantal times.
    void VerwerkTeken(QChar teken, int aantal, bool tildeIsEnter) {
        const int code = teken.unicode();
        if (code > 255) {
            for (int i = 0; i < aantal; ++i)
                VoegUnicodeToe(code);
            return;
        }
        int toets;
        if (teken == '~' && tildeIsEnter) {
            toets = VkEnter;
        } else {
            toets = platform::keyForCharacter(code);
            if (toets == -1) {
                for (int i = 0; i < aantal; ++i)
                    VoegUnicodeToe(code);
                return;
            }
        }
        bool shift = HoogByte(toets) & 1;
        const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
        if (CapsLockAan && letter)
            shift = !shift;
        const bool altGr = HoogByte(toets) & 6;
        for (int i = 0; i < aantal; ++i)
            VoegToetsToe(LaagByte(toets), shift, false, altGr);
    }

    // One key press: down and up, with Shift (unless "+" holds it already)
    // and Ctrl+Alt around it when the character needs them.
    void VoegToetsToe(int vk, bool shift, bool uitgebreid, bool altGr) {
        const bool shiftGedrukt = shift && !ShiftVastgehouden();
        if (shiftGedrukt)
            VoegToetsEventToe(VkShift, false);
        if (altGr) {
            VoegToetsEventToe(VkControl, false);
            VoegToetsEventToe(VkAlt, false);
        }
        KeyInput neer;
        neer.virtualKey = quint16(vk);
        neer.flags = uitgebreid ? platform::KeyExtended : 0;
        ToetsInvoer.append(neer);
        KeyInput op;
        op.virtualKey = quint16(vk);
        op.scanCode = platform::scanCodeForKey(vk);
        op.flags = platform::KeyUp;
        ToetsInvoer.append(op);
        if (altGr) {
            VoegToetsEventToe(VkControl, true);
            VoegToetsEventToe(VkAlt, true);
        }
        if (shiftGedrukt)
            VoegToetsEventToe(VkShift, true);
    }

    // Shift, Ctrl or Alt going down or up: the virtual key only.
    void VoegToetsEventToe(int vk, bool los) {
        KeyInput record;
        record.virtualKey = quint16(vk);
        record.flags = los ? platform::KeyUp : 0;
        ToetsInvoer.append(record);
    }

    void VoegUnicodeToe(int code) {
        KeyInput neer;
        neer.scanCode = quint16(code);
        neer.flags = platform::KeyUnicode;
        ToetsInvoer.append(neer);
        KeyInput op = neer;
        op.flags = platform::KeyUnicode | platform::KeyUp;
        ToetsInvoer.append(op);
    }
};

}  // namespace

int ToetsCode(const QString& naam) { return Tabellen().ToetsNamen.value(naam.toUpper(), 0); }

bool IsUitgebreideToets(const QString& naam) {
    return Tabellen().UitgebreideToetsen.contains(naam.toUpper());
}

ToetsRecords VertaalToetsen(const QString& tekst, bool capsLockAan) {
    return ToetsLezer(tekst, capsLockAan).Lees();
}

void StuurToetsen(const QString& tekst, bool wachten) {
    const ToetsRecords invoer = VertaalToetsen(tekst, platform::capsLockOn());
    if (invoer.isEmpty())
        return;
    if (wachten)
        platform::deliverKeyInput(invoer);
    else
        platform::sendKeyInput(invoer);
}
