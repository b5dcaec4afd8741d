#include "shared/versionrecord.h"

#include "shared/littleendian.h"

VersionRecord VersionRecord::fromBytes(const QByteArray& bytes) {
    QByteArray record = bytes.left(kSize);
    record.append(QByteArray(kSize - record.size(), '\0'));
    return {getInt16(record, 0), getInt16(record, 2), getInt16(record, 4)};
}
