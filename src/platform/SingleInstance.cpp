#include "platform/SingleInstance.h"

#include "platform/Paths.h"

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

bool acquireProgramLock() {
    static SingleInstance instance;
    return instance.tryAcquire();
}

}  // namespace platform
