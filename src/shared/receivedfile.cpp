#include "shared/receivedfile.h"

#include "shared/filefaults.h"
#include "shared/safefile.h"

QString receivingPath(const QString& finalPath) {
    return finalPath + QStringLiteral(".part");
}

ReceivedFile::ReceivedFile(const QString& path) : file_(path) {
    if (mayOnlyRead(path)) {
        error_ = QStringLiteral("%1 is read-only").arg(path);
    } else if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error_ = file_.errorString();
    }
}

bool ReceivedFile::append(const QByteArray& chunk) {
    if (!file_.isOpen()) {
        return false;
    }
    if (fileFaults().fails(FileFaults::Step::Write)) {
        error_ = FileFaults::reason(FileFaults::Step::Write);
        return false;
    }
    const bool written = file_.write(chunk) == chunk.size();
    if (!written) {
        error_ = file_.errorString();
    }
    return written;
}

bool ReceivedFile::finish() {
    if (!file_.isOpen()) {
        return false;
    }
    const bool injected = fileFaults().fails(FileFaults::Step::Flush);
    const bool flushed = !injected && file_.flush();
    if (!flushed) {
        error_ = injected ? FileFaults::reason(FileFaults::Step::Flush) : file_.errorString();
    }
    file_.close();
    return flushed;
}
