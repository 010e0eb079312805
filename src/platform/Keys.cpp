#include "platform/Keys.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <deque>

namespace platform {

namespace {

// Virtual keys that have a meaning of their own here.
constexpr int VkShift = 16;
constexpr int VkControl = 17;
constexpr int VkAlt = 18;
constexpr int VkCapsLock = 20;
constexpr int VkSnapshot = 44;

// The character keys of the US layout: the character typed without and
// with Shift. Letters are handled apart (their case follows Caps Lock).
struct CharacterKey {
    quint8 virtualKey;
    char plain;
    char shifted;
};
constexpr CharacterKey characterKeys[] = {
    {0x30, '0', ')'}, {0x31, '1', '!'}, {0x32, '2', '@'}, {0x33, '3', '#'},
    {0x34, '4', '$'}, {0x35, '5', '%'}, {0x36, '6', '^'}, {0x37, '7', '&'},
    {0x38, '8', '*'}, {0x39, '9', '('}, {0x20, ' ', ' '},
    {0xBA, ';', ':'}, {0xBB, '=', '+'}, {0xBC, ',', '<'}, {0xBD, '-', '_'},
    {0xBE, '.', '>'}, {0xBF, '/', '?'}, {0xC0, '`', '~'}, {0xDB, '[', '{'},
    {0xDC, '\\', '|'}, {0xDD, ']', '}'}, {0xDE, '\'', '"'},
};

// The numeric keypad, with Num Lock on.
QChar keypadCharacter(int vk) {
    if (vk >= 0x60 && vk <= 0x69)
        return QChar('0' + (vk - 0x60));
    switch (vk) {
    case 0x6A: return QChar('*');
    case 0x6B: return QChar('+');
    case 0x6D: return QChar('-');
    case 0x6E: return QChar('.');
    case 0x6F: return QChar('/');
    default: return QChar();
    }
}

// The character a key types with this Shift and Caps Lock state; a null
// character when it types none.
QChar characterOfKey(int vk, bool shift, bool capsLock) {
    if (vk >= 'A' && vk <= 'Z')
        return QChar((shift != capsLock) ? vk : vk - 'A' + 'a');
    for (const CharacterKey& key : characterKeys)
        if (key.virtualKey == vk)
            return QChar(shift ? key.shifted : key.plain);
    return keypadCharacter(vk);
}

// Keys that type no printable character: their Qt key and the text Qt gives
// them.
struct NamedKey {
    int virtualKey;
    int qtKey;
    const char* text;
};
constexpr NamedKey namedKeys[] = {
    {8, Qt::Key_Backspace, "\b"}, {9, Qt::Key_Tab, "\t"}, {12, Qt::Key_Clear, ""},
    {13, Qt::Key_Return, "\r"}, {VkShift, Qt::Key_Shift, ""}, {VkControl, Qt::Key_Control, ""},
    {VkAlt, Qt::Key_Alt, ""}, {19, Qt::Key_Pause, ""}, {VkCapsLock, Qt::Key_CapsLock, ""},
    {27, Qt::Key_Escape, "\x1b"}, {33, Qt::Key_PageUp, ""}, {34, Qt::Key_PageDown, ""},
    {35, Qt::Key_End, ""}, {36, Qt::Key_Home, ""}, {37, Qt::Key_Left, ""},
    {38, Qt::Key_Up, ""}, {39, Qt::Key_Right, ""}, {40, Qt::Key_Down, ""},
    {41, Qt::Key_Select, ""}, {42, Qt::Key_Printer, ""}, {43, Qt::Key_Execute, ""},
    {VkSnapshot, Qt::Key_Print, ""}, {45, Qt::Key_Insert, ""}, {46, Qt::Key_Delete, "\x7f"},
    {47, Qt::Key_Help, ""}, {144, Qt::Key_NumLock, ""}, {145, Qt::Key_ScrollLock, ""},
};

// The state of the synthesized keyboard, kept between calls as the system
// keeps it.
struct KeyboardState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool capsLock = false;
    // A character outside the 16-bit range comes as two Unicode presses, one
    // per half; the first half waits for the second so that the widget gets
    // the whole character at once.
    QChar pendingHigh;
};
KeyboardState keyboard;

// Records waiting for delivery, oldest first. Delivery takes them one at a
// time, so that a handler that lets events run (or sends keys itself) in the
// middle of a batch still sees every key in the order it was sent.
std::deque<KeyInput> queue;
bool deliveryPosted = false;

// A key event as Qt describes it.
struct QtKey {
    int key = Qt::Key_unknown;
    QString text;
    Qt::KeyboardModifiers modifiers;
};

QtKey qtKeyFor(int vk, bool extended, bool shift, bool ctrl, bool alt) {
    QtKey result;
    if (shift) result.modifiers |= Qt::ShiftModifier;
    if (ctrl) result.modifiers |= Qt::ControlModifier;
    if (alt) result.modifiers |= Qt::AltModifier;

    if (vk >= 112 && vk <= 135) {
        result.key = Qt::Key_F1 + (vk - 112);
        return result;
    }
    for (const NamedKey& named : namedKeys) {
        if (named.virtualKey != vk)
            continue;
        result.key = named.qtKey;
        result.text = QString::fromLatin1(named.text);
        if (vk == 9 && shift)
            result.key = Qt::Key_Backtab;
        if (vk == 13 && extended) {
            result.key = Qt::Key_Enter;
            result.modifiers |= Qt::KeypadModifier;
        }
        return result;
    }
    const QChar typed = characterOfKey(vk, shift, keyboard.capsLock);
    if (typed.isNull())
        return result;
    if (!keypadCharacter(vk).isNull())
        result.modifiers |= Qt::KeypadModifier;
    result.key = typed.toUpper().unicode();
    // With Ctrl a letter types its control character; with Alt (or Ctrl
    // with another key) nothing is typed, only the key is reported.
    if (ctrl && !alt && vk >= 'A' && vk <= 'Z')
        result.text = QString(QChar(vk - 'A' + 1));
    else if (!ctrl && !alt)
        result.text = QString(typed);
    return result;
}

void sendToFocus(QEvent::Type type, const QtKey& key, quint32 scanCode, quint32 virtualKey) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        return;
    QKeyEvent event(type, key.key, key.modifiers, scanCode, virtualKey, 0, key.text);
    QCoreApplication::sendEvent(target, &event);
}

// Print Screen: a picture of the active window (with Alt) or of the whole
// screen onto the clipboard.
void copyPictureToClipboard(bool activeWindowOnly) {
    QImage image;
    if (activeWindowOnly) {
        QWidget* window = QApplication::activeWindow();
        if (!window && QApplication::focusWidget())
            window = QApplication::focusWidget()->window();
        if (window)
            image = window->grab().toImage();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        image = screen->grabWindow(0).toImage();
    }
    if (!image.isNull())
        QGuiApplication::clipboard()->setImage(image);
}

Qt::KeyboardModifiers heldModifiers() {
    Qt::KeyboardModifiers modifiers;
    if (keyboard.shift) modifiers |= Qt::ShiftModifier;
    if (keyboard.ctrl) modifiers |= Qt::ControlModifier;
    if (keyboard.alt) modifiers |= Qt::AltModifier;
    return modifiers;
}

void deliverUnicode(const KeyInput& input) {
    const bool up = input.flags & KeyUp;
    const QChar unit(input.scanCode);
    QString text;
    if (unit.isHighSurrogate()) {
        if (!up)
            keyboard.pendingHigh = unit;
        return;
    }
    if (unit.isLowSurrogate()) {
        if (keyboard.pendingHigh.isNull())
            return;  // half a character types nothing
        text = QString(keyboard.pendingHigh) + unit;
        if (up)
            keyboard.pendingHigh = QChar();
    } else {
        keyboard.pendingHigh = QChar();
        text = QString(unit);
    }
    QtKey key;
    key.text = text;
    key.key = text.size() == 1 ? int(unit.toUpper().unicode())
                               : int(QChar::surrogateToUcs4(text.at(0), text.at(1)));
    key.modifiers = heldModifiers();
    sendToFocus(up ? QEvent::KeyRelease : QEvent::KeyPress, key, 0, 0);
}

void deliverOne(const KeyInput& input) {
    if (input.type != InputKeyboard)
        return;
    if (input.flags & KeyUnicode) {
        deliverUnicode(input);
        return;
    }
    keyboard.pendingHigh = QChar();
    const bool up = input.flags & KeyUp;
    const int vk = input.virtualKey;
    switch (vk) {
    case VkShift: keyboard.shift = !up; break;
    case VkControl: keyboard.ctrl = !up; break;
    case VkAlt: keyboard.alt = !up; break;
    case VkCapsLock:
        if (!up)
            keyboard.capsLock = !keyboard.capsLock;
        break;
    case VkSnapshot:
        if (!up)
            copyPictureToClipboard(keyboard.alt);
        break;
    default: break;
    }
    const QtKey key = qtKeyFor(vk, input.flags & KeyExtended, keyboard.shift, keyboard.ctrl, keyboard.alt);
    sendToFocus(up ? QEvent::KeyRelease : QEvent::KeyPress, key, input.scanCode, quint32(vk));
}

void deliverQueued() {
    deliveryPosted = false;
    while (!queue.empty()) {
        const KeyInput input = queue.front();
        queue.pop_front();
        deliverOne(input);
    }
}

}  // namespace

qint16 keyForCharacter(int code) {
    if (code >= 'a' && code <= 'z')
        return qint16(code - 'a' + 'A');
    if (code >= 'A' && code <= 'Z')
        return qint16(0x100 | code);
    for (const CharacterKey& key : characterKeys) {
        if (key.plain == code)
            return qint16(key.virtualKey);
        if (key.shifted == code)
            return qint16(0x100 | key.virtualKey);
    }
    switch (code) {
    case '\b': return 8;
    case '\t': return 9;
    case '\r':
    case '\n': return 13;
    case 27: return 27;
    default: return -1;
    }
}

quint16 scanCodeForKey(int vk) {
    static const char letters[] = "\x1e\x30\x2e\x20\x12\x21\x22\x23\x17\x24\x25\x26\x32"
                                  "\x31\x18\x19\x10\x13\x1f\x14\x16\x2f\x11\x2d\x15\x2c";
    if (vk >= 'A' && vk <= 'Z')
        return quint16(letters[vk - 'A']);
    if (vk >= '1' && vk <= '9')
        return quint16(0x02 + (vk - '1'));
    if (vk >= 0x70 && vk <= 0x79)  // F1 to F10
        return quint16(0x3B + (vk - 0x70));
    if (vk >= 0x7C && vk <= 0x86)  // F13 to F23
        return quint16(0x64 + (vk - 0x7C));
    switch (vk) {
    case 0x30: return 0x0B;
    case 8: return 0x0E;
    case 9: return 0x0F;
    case 13: return 0x1C;
    case VkShift: return 0x2A;
    case VkControl: return 0x1D;
    case VkAlt: return 0x38;
    case 19: return 0x45;
    case VkCapsLock: return 0x3A;
    case 27: return 0x01;
    case 32: return 0x39;
    case 33: return 0x49;
    case 34: return 0x51;
    case 35: return 0x4F;
    case 36: return 0x47;
    case 37: return 0x4B;
    case 38: return 0x48;
    case 39: return 0x4D;
    case 40: return 0x50;
    case VkSnapshot: return 0x54;
    case 45: return 0x52;
    case 46: return 0x53;
    case 47: return 0x63;
    case 0x60: return 0x52;
    case 0x61: return 0x4F;
    case 0x62: return 0x50;
    case 0x63: return 0x51;
    case 0x64: return 0x4B;
    case 0x65: return 0x4C;
    case 0x66: return 0x4D;
    case 0x67: return 0x47;
    case 0x68: return 0x48;
    case 0x69: return 0x49;
    case 0x6A: return 0x37;
    case 0x6B: return 0x4E;
    case 0x6D: return 0x4A;
    case 0x6E: return 0x53;
    case 0x6F: return 0x35;
    case 0x7A: return 0x57;  // F11
    case 0x7B: return 0x58;  // F12
    case 0x87: return 0x76;  // F24
    case 144: return 0x45;
    case 145: return 0x46;
    case 0xBA: return 0x27;
    case 0xBB: return 0x0D;
    case 0xBC: return 0x33;
    case 0xBD: return 0x0C;
    case 0xBE: return 0x34;
    case 0xBF: return 0x35;
    case 0xC0: return 0x29;
    case 0xDB: return 0x1A;
    case 0xDC: return 0x2B;
    case 0xDD: return 0x1B;
    case 0xDE: return 0x28;
    default: return 0;
    }
}

bool capsLockOn() { return keyboard.capsLock; }

void deliverKeyInput(const QVector<KeyInput>& inputs) {
    queue.insert(queue.end(), inputs.begin(), inputs.end());
    deliverQueued();
}

void sendKeyInput(const QVector<KeyInput>& inputs) {
    QCoreApplication* app = QCoreApplication::instance();
    if (inputs.isEmpty() || !app)
        return;
    queue.insert(queue.end(), inputs.begin(), inputs.end());
    if (!deliveryPosted) {
        deliveryPosted = true;
        QMetaObject::invokeMethod(app, [] { deliverQueued(); }, Qt::QueuedConnection);
    }
}

}  // namespace platform
