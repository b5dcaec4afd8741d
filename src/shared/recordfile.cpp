#include "shared/recordfile.h"

#include <algorithm>

#include "shared/filefaults.h"
#include "shared/safefile.h"

RecordFile::RecordFile(const QString& path, int recordLength) : file_(path), length_(recordLength) {
    // A file the player may only read is still read; writes to it then fail and are reported.
    // Its permission bits decide, since the system would let root write it.
    if ((mayOnlyRead(path) || !file_.open(QIODevice::ReadWrite)) && file_.exists()) {
        file_.open(QIODevice::ReadOnly);
    }
}

qint64 RecordFile::recordsHeld() const {
    return file_.isOpen() ? file_.size() / length_ : 0;
}

QByteArray RecordFile::read(qint64 recordNo) {
    QByteArray bytes(length_, '\0');
    if (!file_.isOpen() || recordNo < 1 || !file_.seek((recordNo - 1) * length_)) {
        return bytes;
    }
    const QByteArray got = file_.read(length_);
    std::copy(got.begin(), got.end(), bytes.begin());
    return bytes;
}

bool RecordFile::write(qint64 recordNo, const QByteArray& bytes) {
    if (!file_.isOpen() || !file_.isWritable() || recordNo < 1) {
        return false;
    }
    QByteArray record = bytes.left(length_);
    record.append(QByteArray(length_ - record.size(), '\0'));
    const qint64 offset = (recordNo - 1) * length_;
    // The fault seam is asked before anything reaches the file, so a failed step leaves the file
    // as it was, as a full disk does when the record would extend it.
    FileFaults& faults = fileFaults();
    if (faults.fails(FileFaults::Step::Write) || faults.fails(FileFaults::Step::Flush)) {
        return false;
    }
    // Seeking past the end leaves a gap that the file system fills with zeros.
    if (!file_.seek(offset) || file_.write(record) != length_) {
        return false;
    }
    return file_.flush();
}

bool RecordFile::truncate(qint64 bytes) {
    return file_.isOpen() && file_.isWritable() && file_.resize(bytes);
}

qint16 narrowCount(qint32 count) {
    return static_cast<qint16>(std::clamp<qint32>(count, 0, kMaxRecordCount));
}

qint16 narrowCount(qint32 count, qint64 held) {
    return static_cast<qint16>(std::min<qint64>(narrowCount(count), std::max<qint64>(held, 0)));
}

bool recordsDamaged(qint64 byteSize, int recordLength, qint32 storedCount) {
    if (byteSize % recordLength != 0) {
        return true;
    }
    return storedCount < 0 || storedCount > byteSize / recordLength;
}

QString recordLimitMessage() {
    return QStringLiteral("This file cannot hold more than %1 records. Nothing was added.")
        .arg(kMaxRecordCount);
}
