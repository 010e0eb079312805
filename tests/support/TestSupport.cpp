#include "support/TestSupport.h"

#include <cstdlib>

namespace testsupport {

TempHome::TempHome() {
    hadPrevious_ = qEnvironmentVariableIsSet("DROVIK_HOME");
    previous_ = qgetenv("DROVIK_HOME");
    qputenv("DROVIK_HOME", dir_.path().toLocal8Bit());
}

TempHome::~TempHome() {
    if (hadPrevious_)
        qputenv("DROVIK_HOME", previous_);
    else
        qunsetenv("DROVIK_HOME");
}

}  // namespace testsupport
