// Linked into every test program: a window that ends the program (Esc in
// the main window, unloading it) must not end the test process, which
// would stop the remaining test functions and report success. End then
// only notes the call; a test that checks ending installs its own handler.

#include <QtGlobal>

#include "platform/Events.h"

namespace {

struct EndGuard {
    EndGuard() {
        platform::SetDefaultEndHandler([] { qInfo("End() called; the test process goes on"); });
    }
};

const EndGuard guard;

}  // namespace
