#include "platform/Events.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {

namespace {
int g_depth = 0;
std::function<void()> g_endHandler;
// A function-local static: the test programs set it from a static
// initializer, which may run before this file's globals are made.
std::function<void()>& defaultEndHandler() {
    static std::function<void()> handler;
    return handler;
}
std::vector<std::function<void()>> g_idleWork;
std::vector<std::function<void()>>& beforeEndWork() {
    static std::vector<std::function<void()>> work;
    return work;
}
bool g_idleArmed = false;

void runIdleWork();

void armIdle() {
    if (g_idleArmed || !QCoreApplication::instance()) return;
    g_idleArmed = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        g_idleArmed = false;
        runIdleWork();
    });
}

void runIdleWork() {
    if (g_depth > 0) {  // a handler is still running further up: try again later
        armIdle();
        return;
    }
    auto work = std::move(g_idleWork);
    g_idleWork.clear();
    for (auto& w : work) w();
}
}  // namespace

EventScope::EventScope() { ++g_depth; }
EventScope::~EventScope() { --g_depth; }
int EventScope::depth() { return g_depth; }

void DoEvents() {
    if (!QCoreApplication::instance()) return;
    // Inside a handler, the keys and clicks the user gave meanwhile stay
    // queued: they are handled in order once the handler is done, by the
    // control that has the focus then. Let in here, a key typed ahead would
    // land in the middle of the handler's work (in a box it empties a
    // moment later, on a board it is about to leave).
    const QEventLoop::ProcessEventsFlags welke =
        g_depth > 0 ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(welke);
    if (g_depth == 0 && !g_idleWork.empty()) runIdleWork();
}

void RunWhenIdle(std::function<void()> work) {
    g_idleWork.push_back(std::move(work));
    if (!QCoreApplication::instance()) {  // no event loop at all: nothing can still use it
        if (g_depth == 0) runIdleWork();
        return;
    }
    armIdle();
}

void BeforeEnd(std::function<void()> work) { beforeEndWork().push_back(std::move(work)); }

void RunBeforeEndWork() {
    for (auto& work : beforeEndWork())
        if (work) work();
}

void End() {
    // Ending at once skips every destructor: what must reach the disk is
    // done first.
    RunBeforeEndWork();
    if (g_endHandler) {
        g_endHandler();
        return;
    }
    if (defaultEndHandler()) {
        defaultEndHandler()();
        return;
    }
    std::fflush(nullptr);
    std::_Exit(0);
}

void SetEndHandler(std::function<void()> handler) { g_endHandler = std::move(handler); }

void SetDefaultEndHandler(std::function<void()> handler) { defaultEndHandler() = std::move(handler); }

int KeyCodeFromQt(int k) {
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;  // same numbers as the virtual keys
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return vbKeyF1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return vbKeyBack;
    case Qt::Key_Tab: case Qt::Key_Backtab: return vbKeyTab;
    case Qt::Key_Return: case Qt::Key_Enter: return vbKeyReturn;
    case Qt::Key_Shift: return vbKeyShift;
    case Qt::Key_Control: return vbKeyControl;
    case Qt::Key_Alt: return vbKeyMenu;
    case Qt::Key_Pause: return vbKeyPause;
    case Qt::Key_CapsLock: return vbKeyCapital;
    case Qt::Key_Escape: return vbKeyEscape;
    case Qt::Key_Space: return vbKeySpace;
    case Qt::Key_PageUp: return vbKeyPageUp;
    case Qt::Key_PageDown: return vbKeyPageDown;
    case Qt::Key_End: return vbKeyEnd;
    case Qt::Key_Home: return vbKeyHome;
    case Qt::Key_Left: return vbKeyLeft;
    case Qt::Key_Up: return vbKeyUp;
    case Qt::Key_Right: return vbKeyRight;
    case Qt::Key_Down: return vbKeyDown;
    case Qt::Key_Insert: return vbKeyInsert;
    case Qt::Key_Delete: return vbKeyDelete;
    case Qt::Key_Print: return 44;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 187;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Period: return 190;
    case Qt::Key_Slash: return 191;
    case Qt::Key_Semicolon: return 186;
    case Qt::Key_Equal: return 187;
    case Qt::Key_BracketLeft: return 219;
    case Qt::Key_Backslash: return 220;
    case Qt::Key_BracketRight: return 221;
    case Qt::Key_Apostrophe: return 222;
    case Qt::Key_QuoteLeft: return 192;
    default: return 0;
    }
}

int ShiftFromQt(int modifiers) {
    int s = 0;
    if (modifiers & Qt::ShiftModifier) s |= vbShiftMask;
    if (modifiers & Qt::ControlModifier) s |= vbCtrlMask;
    if (modifiers & Qt::AltModifier) s |= vbAltMask;
    return s;
}

int KeyCodeFromEvent(const QKeyEvent* e) {
    // Keys typed on the numeric keypad carry their own virtual numbers.
    if (e->modifiers() & Qt::KeypadModifier) {
        int k = e->key();
        if (k >= Qt::Key_0 && k <= Qt::Key_9) return 96 + (k - Qt::Key_0);
        if (k == Qt::Key_Enter) return vbKeyReturn;
    }
    return KeyCodeFromQt(e->key());
}

int KeyAsciiFromEvent(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 0;
    default: break;
    }
    const QString t = e->text();
    if (t.isEmpty()) return 0;
    const ushort c = t.at(0).unicode();
    if (c == 127) return 0;  // Delete types nothing
    return c;
}

}  // namespace platform
