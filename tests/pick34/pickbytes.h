#pragma once
// Pick records written out by hand for fixtures, independent of the program's own writer.
#include <initializer_list>

#include <QByteArray>

#include "support/bytes.h"

namespace fixture {

// count, ordinal, day, month, year, up to four digits, bet type: 22 bytes.
inline QByteArray pick(long count, int ordinal, int day, int month, int year,
                       std::initializer_list<int> digits, int bettype = 0) {
    QByteArray b = le32(count) + le16(ordinal) + le16(day) + le16(month) + le16(year);
    int n = 0;
    for (int d : digits) {
        b += le16(d);
        ++n;
    }
    for (; n < 4; ++n) {
        b += le16(0);
    }
    return b + le16(bettype);
}

// An entry record: only the count (in record 1), the digits and the bet type matter.
inline QByteArray pickEntry(long count, std::initializer_list<int> digits, int bettype = 0) {
    return pick(count, 0, 0, 0, 0, digits, bettype);
}

}  // namespace fixture
