#pragma once
// One copy of the program at a time: a lock file in the program folder.
// The lock is released when the holder ends, also when it crashes (a lock
// left by a process that no longer runs is taken over).

#include <QLockFile>
#include <QString>
#include <memory>

namespace platform {

class SingleInstance {
public:
    // `folder` "" means the program folder.
    explicit SingleInstance(const QString& folder = QString());
    ~SingleInstance();
    // True when this object now holds the lock (or held it already); false
    // when another copy holds it.
    bool tryAcquire();
    bool holds() const { return held_; }
    QString lockPath() const { return path_; }
private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

// For main(): takes the program-wide lock in the program folder and keeps it
// until the process ends or releaseProgramLock(). False means another copy
// runs and this one should end at once. Called again after the program
// folder changed, it gives up the old folder's lock and takes the new one.
bool acquireProgramLock();

// Gives up the program-wide lock now (its file is removed). Whoever removes
// a program folder calls this first.
void releaseProgramLock();

}  // namespace platform
