#pragma once
// Record bytes written out by hand for fixtures, independent of the program's own writers.
#include <initializer_list>

#include <QByteArray>

namespace fixture {

inline QByteArray le16(int v) {
    QByteArray b(2, '\0');
    b[0] = static_cast<char>(v & 0xFF);
    b[1] = static_cast<char>((v >> 8) & 0xFF);
    return b;
}

inline QByteArray le32(long v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i) {
        b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    return b;
}

// count, ordinal, day, month, year, seven balls, extra: 28 bytes.
inline QByteArray draw(long count, int ordinal, int day, int month, int year,
                       std::initializer_list<int> balls, int extra) {
    QByteArray b = le32(count) + le16(ordinal) + le16(day) + le16(month) + le16(year);
    int n = 0;
    for (int ball : balls) {
        b += le16(ball);
        ++n;
    }
    for (; n < 7; ++n) {
        b += le16(0);
    }
    return b + le16(extra);
}

// An entry record: only the count (in record 1) and the numbers matter.
inline QByteArray entry(long count, std::initializer_list<int> balls, int extra = 0) {
    return draw(count, 0, 0, 0, 0, balls, extra);
}

inline QByteArray text(const char* s, int width) {
    QByteArray b(s);
    b = b.left(width);
    return b + QByteArray(width - b.size(), ' ');
}

}  // namespace fixture
