#include "shared/ansitext.h"

#include <array>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F; unassigned positions map to themselves.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char toByte(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        return static_cast<char>(u);
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == u) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}
}  // namespace

QString fromAnsi(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text.append(u >= 0x80 && u < 0xA0 ? QChar(kHigh[u - 0x80]) : QChar(u));
    }
    return text;
}

QByteArray toAnsi(const QString& text, int width) {
    QByteArray bytes(width, ' ');
    for (int i = 0; i < width && i < text.size(); ++i) {
        bytes[i] = toByte(text[i]);
    }
    return bytes;
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') {
        ++first;
    }
    while (last > first && text[last - 1] == u' ') {
        --last;
    }
    return text.mid(first, last - first);
}
