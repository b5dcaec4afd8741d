#include "platform/folderlock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>

namespace platform {

namespace {

int lockFault = 0;

int openFolder(const QByteArray& path) {
    int fd = -1;
    do {
        fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int lockExclusive(int fd) {
    if (lockFault != 0) {
        errno = lockFault;
        return -1;
    }
    int locked = -1;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    return locked;
}

}  // namespace

bool isFolderLockFile(const QString& name) {
    return name == QStringView(kFolderLockName);
}

void setFolderLockFault(int error) {
    lockFault = error;
}

FolderLock::FolderLock(const QString& folder) {
    // The folder's own descriptor: reading a folder needs no write permission, and close-on-exec
    // keeps a program started from this one from holding the folder.
    const int fd = openFolder(QFile::encodeName(folder));
    if (fd < 0) {
        reason_ = qt_error_string(errno);
        return;
    }
    if (lockExclusive(fd) == 0) {
        fd_ = fd;
        state_ = State::Held;
        return;
    }
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) {
        state_ = State::HeldElsewhere;
    } else {
        reason_ = qt_error_string(error);
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

}  // namespace platform
