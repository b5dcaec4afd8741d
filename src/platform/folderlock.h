#pragma once
// One program per data folder: a lock on a file in the folder, held as long as the program runs.
// The system releases it when the process ends, however it ends (a crash or kill -9 included), so
// a lock is never stale.
#include <QString>

namespace platform {

// The name of the lock file in the data folder; no file list shows it and nothing copies it.
inline constexpr char16_t kFolderLockName[] = u".kestrova.lock";
bool isFolderLockFile(const QString& name);

class FolderLock {
public:
    // Tries to lock the folder. A folder the player may only read is not locked unless its lock
    // file is already there: nothing can be written in it, so two copies lose nothing.
    explicit FolderLock(const QString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Another process holds the folder.
    bool heldElsewhere() const { return heldElsewhere_; }
    // This process holds the folder.
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    bool heldElsewhere_ = false;
};

}  // namespace platform
