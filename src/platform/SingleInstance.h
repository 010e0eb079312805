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

// For main(): takes the program-wide lock and keeps it until the process
// ends. False means another copy runs and this one should end at once.
bool acquireProgramLock();

}  // namespace platform
