#include "support/TestSupport.h"

#include <cstdlib>

#include "platform/SingleInstance.h"

namespace testsupport {

TempHome::TempHome() {
    hadPrevious_ = qEnvironmentVariableIsSet("DROVIK_HOME");
    previous_ = qgetenv("DROVIK_HOME");
    qputenv("DROVIK_HOME", dir_.path().toLocal8Bit());
}

TempHome::~TempHome() {
    // A lock the code under test took in this folder goes before the folder.
    platform::releaseProgramLock();
    if (hadPrevious_)
        qputenv("DROVIK_HOME", previous_);
    else
        qunsetenv("DROVIK_HOME");
}

}  // namespace testsupport
