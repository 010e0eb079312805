#include "platform/SingleInstance.h"

#include "platform/Paths.h"

#include <cstdlib>

namespace platform {

SingleInstance::SingleInstance(const QString& folder)
    : path_((folder.isEmpty() ? programFolder() : folder) + QStringLiteral("/drovik.lock")),
      lock_(std::make_unique<QLockFile>(path_)) {
    // Never take a lock over by age alone: only when its holder is gone.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (held_)
        lock_->unlock();
}

bool SingleInstance::tryAcquire() {
    if (!held_)
        held_ = lock_->tryLock(0);
    return held_;
}

namespace {

// A plain pointer, not a static object: it is still valid for whoever
// releases the lock from a destructor at exit.
SingleInstance* programLock = nullptr;

}  // namespace

bool acquireProgramLock() {
    static const bool opRuimen = (std::atexit(releaseProgramLock), true);
    Q_UNUSED(opRuimen);
    // The lock belongs to one program folder: when that folder changed (a
    // new DROVIK_HOME), the old lock is given up and the new folder's taken.
    if (programLock && programLock->lockPath() != programFolder() + QStringLiteral("/drovik.lock"))
        releaseProgramLock();
    if (!programLock)
        programLock = new SingleInstance();
    if (programLock->tryAcquire())
        return true;
    releaseProgramLock();
    return false;
}

void releaseProgramLock() {
    delete programLock;
    programLock = nullptr;
}

}  // namespace platform
