#include "platform/EndSignals.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "platform/Events.h"

namespace platform {

namespace {

int g_pipe[2] = {-1, -1};

// Async-signal-safe: one byte into the pipe, errno left as it was.
void onSignal(int signal) {
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

bool EndOnTerminationSignals() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || g_pipe[0] >= 0) return false;
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [] {
        char buffer[64];
        while (::read(g_pipe[0], buffer, sizeof buffer) > 0) {
        }
        End();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    bool ok = true;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        // A signal the program was started ignoring (nohup, a job started
        // in the background by a shell without job control) stays ignored.
        struct sigaction before {};
        if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        ok = ::sigaction(signal, &action, nullptr) == 0 && ok;
    }
    // The session ends, or the application quits: what End would do first
    // is done now, since nothing may follow.
    if (auto* gui = qobject_cast<QGuiApplication*>(app)) {
#ifndef QT_NO_SESSIONMANAGER
        QObject::connect(gui, &QGuiApplication::commitDataRequest, app, [](QSessionManager&) { RunBeforeEndWork(); });
#endif
    }
    QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { RunBeforeEndWork(); });
    return ok;
}

}  // namespace platform
