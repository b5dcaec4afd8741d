#include "pick34/logic/pickrecord.h"

#include <QFile>

#include "shared/littleendian.h"
#include "shared/recordfile.h"

QByteArray PickRecord::toBytes() const {
    QByteArray b(kSize, '\0');
    putInt32(b, 0, count);
    putInt16(b, 4, ordinal);
    putInt16(b, 6, day);
    putInt16(b, 8, month);
    putInt16(b, 10, year);
    for (int i = 0; i < 4; ++i) {
        putInt16(b, 12 + 2 * i, digits[i]);
    }
    putInt16(b, 20, bettype);
    return b;
}

namespace {

PickRecord parse(const char* b) {
    PickRecord r;
    r.count = qFromLittleEndian<qint32>(b);
    r.ordinal = qFromLittleEndian<qint16>(b + 4);
    r.day = qFromLittleEndian<qint16>(b + 6);
    r.month = qFromLittleEndian<qint16>(b + 8);
    r.year = qFromLittleEndian<qint16>(b + 10);
    for (int i = 0; i < 4; ++i) {
        r.digits[static_cast<std::size_t>(i)] = qFromLittleEndian<qint16>(b + 12 + 2 * i);
    }
    r.bettype = qFromLittleEndian<qint16>(b + 20);
    return r;
}

}  // namespace

PickRecord PickRecord::fromBytes(const QByteArray& bytes) {
    if (bytes.size() >= kSize) {
        return parse(bytes.constData());
    }
    QByteArray b = bytes;
    b.append(QByteArray(kSize - b.size(), '\0'));
    return parse(b.constData());
}

std::optional<PickImage> PickImage::read(const QString& path, QString* error) {
    QFile file(path);
    if (!file.exists()) {
        return PickImage();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return std::nullopt;
    }
    return PickImage(file.readAll());
}

PickRecord PickImage::record(int r) const {
    if (r < 1) {
        return {};
    }
    const qsizetype offset = qsizetype(r - 1) * PickRecord::kSize;
    // Read in place: a window lists tens of thousands of records at once.
    if (offset + PickRecord::kSize <= bytes_.size()) {
        return parse(bytes_.constData() + offset);
    }
    return PickRecord::fromBytes(offset < bytes_.size() ? bytes_.mid(offset, PickRecord::kSize)
                                                        : QByteArray());
}

void PickImage::put(int r, const PickRecord& record) {
    const qsizetype offset = qsizetype(r - 1) * PickRecord::kSize;
    if (bytes_.size() < offset + PickRecord::kSize) {
        bytes_.append(QByteArray(offset + PickRecord::kSize - bytes_.size(), '\0'));
    }
    bytes_.replace(offset, PickRecord::kSize, record.toBytes());
}

int PickImage::count() const {
    return narrowCount(storedCount(), held());
}
