#pragma once
// One program per data folder: a lock on the folder itself, held as long as the program runs.
// The system releases it when the process ends, however it ends (a crash or kill -9 included), so
// a lock is never stale. Nothing is made, followed or opened inside the folder for it, so it works
// in a folder the player may only read, and nothing placed in the folder can block or defeat it.
#include <QString>

namespace platform {

// The lock file earlier versions made in the data folder. One may be left over: no file list
// shows it and nothing copies it.
inline constexpr char16_t kFolderLockName[] = u".kestrova.lock";
bool isFolderLockFile(const QString& name);

class FolderLock {
public:
    enum class State {
        Held,           // this process holds the folder
        HeldElsewhere,  // another process holds it
        Failed,         // the folder could not be locked: see reason()
    };

    explicit FolderLock(const QString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }
    bool heldElsewhere() const { return state_ == State::HeldElsewhere; }
    bool failed() const { return state_ == State::Failed; }
    // Why the lock failed, in the system's words; empty unless failed().
    const QString& reason() const { return reason_; }

private:
    int fd_ = -1;
    State state_ = State::Failed;
    QString reason_;
};

// Tests make every lock taken from now on fail with this system error, as a file system without
// locks does; 0 disarms it.
void setFolderLockFault(int error);

}  // namespace platform
