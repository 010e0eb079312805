#include "platform/PromptKeys.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qwindowsysteminterface.h>
#include <qpa/qwindowsysteminterface_p.h>

#include <ctime>
#include <deque>
#include <set>
#include <vector>

#include "platform/Events.h"
#include "platform/Form.h"

namespace platform {

namespace {

using KeyEvent = QWindowSystemInterfacePrivate::KeyEvent;

struct HeldKey {
    QEvent::Type type;
    int key;
    Qt::KeyboardModifiers modifiers;
    quint32 nativeScanCode, nativeVirtualKey, nativeModifiers;
    QString text;
    bool autoRepeat;
    ushort count;
    ulong timestamp;
};

// t lies before `since`, on a clock that may wrap (the X server's is 32 bits).
bool before(ulong t, ulong since) { return qint32(quint32(t) - quint32(since)) < 0; }

// The physical key: its scan code, which stays the same between press and
// release whatever the modifiers make of it.
quint64 keyId(const KeyEvent* k) {
    if (k->nativeScanCode) return (quint64(1) << 32) | k->nativeScanCode;
    return quint64(quint32(k->key));
}

bool isBlocked(QWindow* w) {
    QGuiApplicationPrivate* app = QGuiApplicationPrivate::instance();
    return !w || (app && app->isWindowBlocked(w));
}

// Sees every event of the window system before Qt hands it on. Keys for a
// window that a prompt blocks would be dropped there, keys typed ahead of a
// prompt would answer it, and keys a prompt has no use for would be lost:
// those are taken out of the stream here and given back once the prompt
// has gone.
class TypedAhead : public QObject, public QWindowSystemEventHandler {
public:
    struct Level {
        QPointer<QWidget> window;  // the prompt's own window, once shown
        bool painted = false;
        bool seen = false;
        ulong seenAt = 0;
        std::set<quint64> answered;  // keys pressed for the prompt, not yet released
    };
    std::vector<Level> prompts;  // open prompts, innermost last
    std::deque<HeldKey> held;
    bool delivering = false;

    void install() {
        if (installed_ || !QCoreApplication::instance()) return;
        installed_ = true;
        QWindowSystemInterfacePrivate::installWindowSystemEventHandler(this);
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool sendEvent(QWindowSystemInterfacePrivate::WindowSystemEvent* e) override {
        if (e->type == QWindowSystemInterfacePrivate::Key) return key(static_cast<KeyEvent*>(e));
        if ((e->type & QWindowSystemInterfacePrivate::UserInputEvent) && !held.empty()) {
            // Input that comes once the prompt has gone was given after the
            // keys still held: they go first.
            deliver();
        }
        return QWindowSystemEventHandler::sendEvent(e);
    }

    bool key(KeyEvent* k) {
        const ulong t = k->timestamp ? k->timestamp : InputClockNow();
        const bool press = k->keyType == QEvent::KeyPress;
        // Still typing: this key follows the one before it within the
        // reaction interval.
        const bool typing = press && hadPress_ && before(t, lastPress_ + ReactionInterval);
        if (press) {
            lastPress_ = t;
            hadPress_ = true;
        }
        if (prompts.empty()) {
            if (!held.empty()) {  // queues behind the keys still held
                hold(k, t);
                deliver();
                return true;
            }
            if (!k->window || !k->window->isVisible() || !QGuiApplication::focusWindow()) {
                // A window has just gone and the window system has not yet
                // handed the keyboard to the one that comes back: the key
                // is that window's.
                if (QWindow* target = keyTarget()) k->window = target;
            }
            return QWindowSystemEventHandler::sendEvent(k);
        }
        const std::size_t level = prompts.size() - 1;
        Level& p = prompts.back();
        noteSeen(p);
        const quint64 id = keyId(k);
        if (!press) {
            if (p.answered.count(id)) {
                if (!k->repeat) p.answered.erase(id);
                return QWindowSystemEventHandler::sendEvent(k);
            }
            hold(k, t);  // its press was held, or pressed before the prompt
            return true;
        }
        QWindow* aimed = k->window ? k->window.data() : QGuiApplication::focusWindow();
        const bool early = !p.seen || before(t, p.seenAt + ReactionInterval) || typing;
        if (early || isBlocked(aimed)) {
            hold(k, t);
            return true;
        }
        QWindowSystemEventHandler::sendEvent(k);
        if (!k->eventAccepted) {
            // The prompt had no use for it: it is a key of the window behind.
            hold(k, t);
        } else if (prompts.size() > level) {
            prompts[level].answered.insert(id);
        }
        return true;
    }

    void hold(const KeyEvent* k, ulong t) {
        held.push_back({k->keyType, k->key, k->modifiers, k->nativeScanCode, k->nativeVirtualKey, k->nativeModifiers,
                        k->unicode, k->repeat, k->repeatCount, t});
    }

    // The prompt's own window: the first window shown while it is open.
    // It is seen once it has been painted and has the keyboard focus.
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (prompts.empty() || prompts.back().seen || !watched->isWidgetType()) return false;
        Level& p = prompts.back();
        auto* w = static_cast<QWidget*>(watched);
        switch (e->type()) {
        case QEvent::Show:
            if (!p.window && w->isWindow()) p.window = w;
            break;
        case QEvent::Paint:
            if (p.window && w->window() == p.window) {
                p.painted = true;
                noteSeen(p);
            }
            break;
        case QEvent::WindowActivate:
        case QEvent::FocusIn:
            if (p.window && w->window() == p.window) noteSeen(p);
            break;
        default: break;
        }
        return false;
    }

    void noteSeen(Level& p) {
        if (p.seen || !p.painted || !p.window) return;
        QWindow* focus = QGuiApplication::focusWindow();
        if (!focus || focus != p.window->windowHandle()) return;
        p.seen = true;
        p.seenAt = InputClockNow();
    }

    // Where a key goes that the window system did not aim: the focus
    // window, unless it takes no input, else the program's active window,
    // which is then made the focus window at once.
    QWindow* keyTarget() {
        QWindow* focus = QGuiApplication::focusWindow();
        QWindow* active = nullptr;
        if (Form* f = OpeningForm(); f && f->Enabled()) active = f->widget()->windowHandle();
        if (focus && (!active || focus == active || !IsDisabledFormWindow(focus))) return focus;
        if (!active) return focus;
        QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
            active, Qt::ActiveWindowFocusReason);
        return active;
    }

    void deliver() {
        if (delivering) return;
        delivering = true;
        while (!held.empty() && prompts.empty() && EventScope::depth() == 0) {
            QWindow* target = keyTarget();
            if (!target) {
                // No window has the keyboard yet: the keys wait for one.
                retryLater();
                break;
            }
            const HeldKey k = held.front();
            held.pop_front();
            // Delivered as the window system delivers a key: shortcuts,
            // the window's key preview and the focused control all see it.
            KeyEvent ev(target, k.timestamp, k.type, k.key, k.modifiers, k.nativeScanCode, k.nativeVirtualKey,
                        k.nativeModifiers, k.text, k.autoRepeat, k.count);
            QGuiApplicationPrivate::processWindowSystemEvent(&ev);
        }
        delivering = false;
        scheduleRest();
    }

    void scheduleRest() {
        if (held.empty() || !prompts.empty() || scheduled_) return;
        scheduled_ = true;
        RunWhenIdle([this] {
            scheduled_ = false;
            deliver();
        });
    }

    void retryLater() {
        if (retrying_ || !QCoreApplication::instance()) return;
        retrying_ = true;
        QTimer::singleShot(10, QCoreApplication::instance(), [this] {
            retrying_ = false;
            deliver();
        });
    }

private:
    bool installed_ = false;
    bool scheduled_ = false;
    bool retrying_ = false;
    bool hadPress_ = false;
    ulong lastPress_ = 0;
};

TypedAhead& typedAhead() {
    static TypedAhead* t = new TypedAhead;
    return *t;
}

}  // namespace

unsigned long InputClockNow() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // X key events carry the X server's time.
        if (QPlatformNativeInterface* ni = QGuiApplication::platformNativeInterface())
            if (QScreen* s = QGuiApplication::primaryScreen())
                return ulong(quintptr(ni->nativeResourceForScreen("gettimestamp", s)));
    }
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Compositors stamp with the monotonic clock, in milliseconds.
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return ulong(quint32(quint64(ts.tv_sec) * 1000 + quint64(ts.tv_nsec) / 1000000));
    }
    // Events made inside Qt are stamped from this timer.
    return ulong(QWindowSystemInterfacePrivate::eventTime.elapsed());
}

PromptKeyGuard::PromptKeyGuard() {
    TypedAhead& t = typedAhead();
    t.install();
    t.prompts.emplace_back();
}

PromptKeyGuard::~PromptKeyGuard() {
    TypedAhead& t = typedAhead();
    t.prompts.pop_back();
    t.scheduleRest();
}

int HeldKeyCount() { return int(typedAhead().held.size()); }

bool PromptSeen() {
    TypedAhead& t = typedAhead();
    return !t.prompts.empty() && t.prompts.back().seen;
}

}  // namespace platform
