#pragma once
// The keyboard that the program's key sender types on.
//
// A key press is a record for the key going down and one for it going up,
// numbered with Windows virtual-key codes (8 Backspace, 13 Enter, 16 Shift,
// 17 Ctrl, 18 Alt, 35 End, 44 Print Screen, 65 'A', ...). The layout is a US
// keyboard. Delivery turns the records into Qt key events for the widget that
// has the focus, as if the user had typed them; Print Screen copies a picture
// to the clipboard as the system does (with Alt held: the active window only).

#include <QVector>
#include <QtGlobal>

namespace platform {

// Flags of a key record.
constexpr quint32 KeyExtended = 1;  // a key of the extended block (arrows, Home, End, ...)
constexpr quint32 KeyUp = 2;        // the key goes up; without it, down
constexpr quint32 KeyUnicode = 4;   // scanCode holds a character, not a key

constexpr quint32 InputKeyboard = 1;

// One synthesized keyboard event.
struct KeyInput {
    quint32 type = 0;  // InputKeyboard
    quint16 virtualKey = 0;
    quint16 scanCode = 0;
    quint32 flags = 0;
    quint32 time = 0;
    quint32 extraInfo = 0;

    bool operator==(const KeyInput&) const = default;
};

// The key that types a character of code 0 to 255 on the layout: the virtual
// key in the low byte and in the high byte the modifiers it needs (1 Shift,
// 2 Ctrl, 4 Alt); -1 when no key types it.
qint16 keyForCharacter(int code);

// The scan code of a virtual key on the layout; 0 when it has none.
quint16 scanCodeForKey(int virtualKey);

// Caps Lock of the synthesized keyboard. Off at start; every Caps Lock key
// press delivered toggles it, and letters typed while it is on change case.
bool capsLockOn();

// Records go into one queue of the synthesized keyboard and come out in the
// order they went in, each as a Qt key event sent to the widget that has the
// focus at that moment (the active window when no widget has it; nothing
// when the program has no active window). Modifier keys held by earlier
// records apply to the later ones. The events pass through the widgets'
// own key handling and event filters, as typed keys do; menu and button
// shortcuts are not looked up for them.

// Queues the records and delivers everything queued before returning.
void deliverKeyInput(const QVector<KeyInput>& inputs);

// Queues the records; they are delivered together when pending events next
// run, so that no other input comes between them.
void sendKeyInput(const QVector<KeyInput>& inputs);

}  // namespace platform
