#include "support/smalldisk.h"

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

#include <QFile>

SmallDisk::SmallDisk(const QString& folder, int kib) : folder_(folder) {
    const QByteArray options = "size=" + QByteArray::number(kib) + "k,mode=0700";
    mounted_ = ::mount("kestrova-test", QFile::encodeName(folder).constData(), "tmpfs",
                       MS_NOSUID | MS_NODEV, options.constData()) == 0;
    if (!mounted_) {
        why_ = QString::fromLocal8Bit(std::strerror(errno));
    }
}

SmallDisk::~SmallDisk() {
    if (mounted_) {
        ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }
}

bool SmallDisk::fill() const {
    QFile filler(folder_ + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    // Down to the last byte.
    while (filler.write("x", 1) == 1) {
    }
    return true;
}
