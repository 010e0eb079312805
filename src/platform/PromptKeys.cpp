#include "platform/PromptKeys.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qwindowsysteminterface.h>
#include <qpa/qwindowsysteminterface_p.h>

#include <ctime>
#include <deque>
#include <vector>

#include "platform/Events.h"
#include "platform/Form.h"

namespace platform {

namespace {

struct HeldKey {
    QEvent::Type type;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool autoRepeat;
    ushort count;
    ulong timestamp;
};

// Pressed before `since` or in the same millisecond, on a clock that may wrap
// (the X server's is 32 bits).
bool pressedBefore(ulong timestamp, ulong since) {
    return qint32(quint32(timestamp) - quint32(since)) <= 0;
}

// Sees every event of the window system before Qt hands it on. Keys for a
// window that a prompt blocks would be dropped there, and keys for the
// prompt would answer it: the ones typed before the prompt appeared are
// taken out of the stream here instead.
class TypedAhead : public QObject, public QWindowSystemEventHandler {
public:
    struct Level {
        ulong appeared;
        bool shown = false;
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
        if (e->type == QWindowSystemInterfacePrivate::Key && !prompts.empty()) {
            auto* k = static_cast<QWindowSystemInterfacePrivate::KeyEvent*>(e);
            if (k->timestamp != 0 && pressedBefore(k->timestamp, prompts.back().appeared)) {
                // Typed before the prompt appeared: not a key for the prompt.
                held.push_back({k->keyType, k->key, k->modifiers, k->unicode, k->repeat, k->repeatCount,
                                k->timestamp});
                return true;
            }
        } else if ((e->type & QWindowSystemInterfacePrivate::UserInputEvent) && !held.empty()) {
            // Input that comes once the prompt has gone was given after the
            // keys still held: they go first.
            deliver();
        }
        return QWindowSystemEventHandler::sendEvent(e);
    }

    // The prompt's own window: from the moment it shows, it is on screen.
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Show && !prompts.empty() && !prompts.back().shown && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            prompts.back().shown = true;
            prompts.back().appeared = InputClockNow();
        }
        return false;
    }

    void deliver() {
        if (delivering) return;
        delivering = true;
        while (!held.empty() && prompts.empty() && EventScope::depth() == 0) {
            const HeldKey k = held.front();
            held.pop_front();
            QWindow* target = QGuiApplication::focusWindow();
            if (!target) {
                Form* f = ActiveForm();
                if (f && f->hasWidget()) target = f->widget()->windowHandle();
            }
            if (!target) continue;
            // Delivered as the window system delivers a key: shortcuts,
            // the window's key preview and the focused control all see it.
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
                target, k.timestamp, k.type, k.key, k.modifiers, k.text, k.autoRepeat, k.count);
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

private:
    bool installed_ = false;
    bool scheduled_ = false;
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
    t.prompts.push_back({InputClockNow()});
}

PromptKeyGuard::~PromptKeyGuard() {
    TypedAhead& t = typedAhead();
    t.prompts.pop_back();
    t.scheduleRest();
}

int HeldKeyCount() { return int(typedAhead().held.size()); }

}  // namespace platform
