#pragma once
// Little-endian fields at fixed offsets of a record buffer.
#include <QByteArray>
#include <QtEndian>

inline qint16 getInt16(const QByteArray& b, int offset) {
    return qFromLittleEndian<qint16>(b.constData() + offset);
}
inline qint32 getInt32(const QByteArray& b, int offset) {
    return qFromLittleEndian<qint32>(b.constData() + offset);
}
inline float getSingle(const QByteArray& b, int offset) {
    return qFromLittleEndian<float>(b.constData() + offset);
}
inline void putInt16(QByteArray& b, int offset, qint16 v) {
    qToLittleEndian<qint16>(v, b.data() + offset);
}
inline void putInt32(QByteArray& b, int offset, qint32 v) {
    qToLittleEndian<qint32>(v, b.data() + offset);
}
inline void putSingle(QByteArray& b, int offset, float v) {
    qToLittleEndian<float>(v, b.data() + offset);
}
