#pragma once
// Event delivery rules shared by every window and control.
//
// Handlers run synchronously and may nest: a handler that changes a value
// runs the handler of that value at once, inside itself. Everything that
// calls into program code from the layer does so inside an EventScope, so
// that objects thrown away during a handler (an unloaded window) are only
// destroyed once no handler is running any more.

#include <QString>
#include <functional>

class QKeyEvent;

namespace platform {

// Marks "program code is running" for as long as it lives.
class EventScope {
public:
    EventScope();
    ~EventScope();
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;
    static int depth();
};

// Runs a handler when one is set, inside an EventScope.
template <class F, class... Args>
void Fire(const F& handler, Args&&... args) {
    if (!handler) return;
    EventScope scope;
    handler(std::forward<Args>(args)...);
}

// Lets pending window events, timers and repaints run, then returns.
// Called while a handler runs, it leaves the user's input (keys, mouse
// buttons) queued until the handler is done, so that a key typed ahead
// is never handled in the middle of the handler before it.
void DoEvents();

// Ends the program at once: no close handler runs. In the program this
// does not return. Tests install their own handler (which records the call
// and returns, so the caller's code goes on to its next statement).
void End();
void SetEndHandler(std::function<void()> handler);  // empty restores the default
// What End does when no handler is installed; empty means ending the
// process. Test programs set one that only records the call, so that a
// window ending the program can never cut a test run short with success.
void SetDefaultEndHandler(std::function<void()> handler);
// Work that must be done before the program ends, whichever way it ends
// through End (for example writes still queued for the disk). Runs first
// in End, in the order given, each once.
void BeforeEnd(std::function<void()> work);
// Does that work now, without ending (the desktop session is about to end).
void RunBeforeEndWork();

// Work to do once no handler is running (used to destroy unloaded windows).
void RunWhenIdle(std::function<void()> work);

// Key codes as the windows see them: the virtual-key numbers (Esc 27,
// Enter 13, "A" 65 ...), and the Shift mask (1 Shift, 2 Ctrl, 4 Alt).
enum KeyCodes {
    vbKeyBack = 8, vbKeyTab = 9, vbKeyReturn = 13, vbKeyShift = 16, vbKeyControl = 17,
    vbKeyMenu = 18, vbKeyPause = 19, vbKeyCapital = 20, vbKeyEscape = 27, vbKeySpace = 32,
    vbKeyPageUp = 33, vbKeyPageDown = 34, vbKeyEnd = 35, vbKeyHome = 36, vbKeyLeft = 37,
    vbKeyUp = 38, vbKeyRight = 39, vbKeyDown = 40, vbKeyInsert = 45, vbKeyDelete = 46,
    vbKey0 = 48, vbKeyA = 65, vbKeyF1 = 112, vbKeyF12 = 123
};
enum ShiftMask { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

int KeyCodeFromQt(int qtKey);       // 0 when the key has no code
int ShiftFromQt(int modifiers);     // Qt::KeyboardModifiers as int
int KeyCodeFromEvent(const QKeyEvent* event);
// The character code a key press types (KeyAscii), 0 when it types none.
int KeyAsciiFromEvent(const QKeyEvent* event);

}  // namespace platform
