#pragma once
// Playslip settings records written out by hand: the header, then every position at the offset
// its ball, board and coordinate give.
#include <bit>
#include <cstdint>

#include <ostream>

#include <QByteArray>
#include <QString>

#include "support/bytes.h"

namespace fixture {

inline QByteArray single(float v) {
    return le32(static_cast<long>(std::bit_cast<std::uint32_t>(v)));
}

// A 17434-byte record of zeros with the header given.
inline QByteArray slip(int width, int horizmain, int horizextra, int boards, int length) {
    QByteArray b = le16(width) + le16(horizmain) + le16(horizextra) + le16(boards);
    b += QByteArray(2 * 8712, '\0');
    return b + le16(length);
}

// Offset of (ball, board, coordinate 1 = X / 2 = Y) in the main (extra = false) or extra set.
inline int slipOffset(bool extra, int ball, int board, int coord) {
    return (extra ? 8720 : 8) + 4 * (ball + 66 * board + 726 * coord);
}

inline void putMm(QByteArray& slip, bool extra, int ball, int board, int coord, float mm) {
    slip.replace(slipOffset(extra, ball, board, coord), 4, single(mm));
}

}  // namespace fixture

// Texts shown as text when a comparison fails.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
