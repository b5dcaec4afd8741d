#include "platform/folderlock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "shared/safefile.h"

namespace platform {

bool isFolderLockFile(const QString& name) {
    return name == QStringView(kFolderLockName);
}

FolderLock::FolderLock(const QString& folder) {
    const QString path = QDir(folder).filePath(QString::fromUtf16(kFolderLockName));
    const QByteArray native = QFile::encodeName(path);
    // Close-on-exec: a program started from this one must not keep the folder locked. No link
    // is followed: the lock file is the folder's own.
    const int flags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | (mayOnlyRead(folder) ? 0 : O_CREAT);
    int fd = -1;
    do {
        fd = ::open(native.constData(), flags, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        // A folder where no file can be made opens without a lock, as it always did.
        return;
    }
    int locked = -1;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        fd_ = fd;
        return;
    }
    heldElsewhere_ = errno == EWOULDBLOCK;
    ::close(fd);
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

}  // namespace platform
