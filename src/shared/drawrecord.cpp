#include "shared/drawrecord.h"

#include <QFile>

#include "shared/littleendian.h"

QByteArray DrawRecord::toBytes() const {
    QByteArray b(kSize, '\0');
    putInt32(b, 0, count);
    putInt16(b, 4, ordinal);
    putInt16(b, 6, day);
    putInt16(b, 8, month);
    putInt16(b, 10, year);
    for (int i = 0; i < 7; ++i) {
        putInt16(b, 12 + 2 * i, balls[i]);
    }
    putInt16(b, 26, extra);
    return b;
}

namespace {

// The fields of a whole record at p.
DrawRecord decode(const char* p) {
    DrawRecord r;
    r.count = qFromLittleEndian<qint32>(p);
    r.ordinal = qFromLittleEndian<qint16>(p + 4);
    r.day = qFromLittleEndian<qint16>(p + 6);
    r.month = qFromLittleEndian<qint16>(p + 8);
    r.year = qFromLittleEndian<qint16>(p + 10);
    for (int i = 0; i < 7; ++i) {
        r.balls[i] = qFromLittleEndian<qint16>(p + 12 + 2 * i);
    }
    r.extra = qFromLittleEndian<qint16>(p + 26);
    return r;
}

}  // namespace

DrawRecord DrawRecord::fromBytes(const QByteArray& bytes) {
    if (bytes.size() >= kSize) {
        return decode(bytes.constData());
    }
    QByteArray b = bytes;
    b.append(QByteArray(kSize - b.size(), '\0'));
    return decode(b.constData());
}

DrawFile::DrawFile(const QString& path) : file_(path, DrawRecord::kSize) {}

bool DrawFile::isOpen() const {
    return file_.isOpen();
}

DrawRecord DrawFile::read(int recordNo) {
    return DrawRecord::fromBytes(file_.read(recordNo));
}

bool DrawFile::write(int recordNo, const DrawRecord& record) {
    return file_.write(recordNo, record.toBytes());
}

qint16 DrawFile::count() {
    return narrowCount(read(1).count, file_.recordsHeld());
}

bool DrawFile::setCount(qint32 count) {
    DrawRecord first = read(1);
    first.count = count;
    return write(1, first);
}

DrawFile::Append DrawFile::append(const DrawRecord& record) {
    const qint32 stored = read(1).count;
    // A negative count is a damaged file: appending would overwrite record 1 with the new entry.
    if (stored < 0) {
        return Append::Failed;
    }
    const qint32 n = count();
    if (n >= kMaxRecordCount) {
        return Append::Full;
    }
    const qint32 next = n + 1;
    DrawRecord written = record;
    if (next == 1) {
        written.count = 1;
    }
    const qint64 sizeBefore = file_.byteSize();
    const QByteArray overwritten = file_.read(next);
    if (!write(next, written)) {
        return Append::Failed;
    }
    if (!setCount(next)) {
        // The count could not follow the record: take the record back, so that a failed append
        // leaves the file as it was.
        file_.write(next, overwritten);
        if (qint64(next) * DrawRecord::kSize > sizeBefore) {
            file_.truncate(sizeBefore);
        }
        return Append::Failed;
    }
    return Append::Done;
}

qint16 drawFileCount(const QString& path) {
    return DrawFile(path).count();
}

DrawImage readDrawImage(const QString& path) {
    const DrawFile opened(path);  // leaves a missing file behind empty, as every opening does
    QFile file(path);
    return DrawImage(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

DrawRecord DrawImage::read(int recordNo) const {
    if (recordNo < 1) {
        return {};
    }
    const qsizetype offset = qsizetype(recordNo - 1) * DrawRecord::kSize;
    if (offset + DrawRecord::kSize <= bytes_.size()) {
        return decode(bytes_.constData() + offset);
    }
    return DrawRecord::fromBytes(offset < bytes_.size() ? bytes_.mid(offset, DrawRecord::kSize)
                                                        : QByteArray());
}

void DrawImage::write(int recordNo, const DrawRecord& record) {
    const qsizetype offset = qsizetype(recordNo - 1) * DrawRecord::kSize;
    if (bytes_.size() < offset + DrawRecord::kSize) {
        bytes_.append(QByteArray(offset + DrawRecord::kSize - bytes_.size(), '\0'));
    }
    bytes_.replace(offset, DrawRecord::kSize, record.toBytes());
}

int removeRecords(DrawImage& image, const std::vector<int>& recordNos) {
    const int count = image.count();
    auto next = recordNos.begin();
    int kept = 0;
    for (int from = 1; from <= count; ++from) {
        if (next != recordNos.end() && *next == from) {
            ++next;
            continue;
        }
        ++kept;
        if (kept != from) {
            image.write(kept, image.read(from));
        }
    }
    const int removed = count - kept;
    if (removed == 0) {
        return 0;
    }
    const DrawRecord last = image.read(count);
    for (int r = kept + 1; r < count; ++r) {
        image.write(r, last);
    }
    DrawRecord first = image.read(1);
    first.count = kept;
    image.write(1, first);
    return removed;
}
