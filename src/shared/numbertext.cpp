#include "shared/numbertext.h"

#include <cfenv>
#include <cmath>
#include <limits>

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ') {
        ++i;
    }
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        ++i;
    }
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
    }
    bool anyDigit = i > digitsStart;
    if (i < n && text[i] == u'.') {
        const qsizetype frac = ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
        }
        anyDigit = anyDigit || i > frac;
    }
    if (!anyDigit) {
        return 0.0;
    }
    bool ok = false;
    const double v = text.mid(start, i - start).toDouble(&ok);
    return ok ? v : 0.0;
}

qint16 toInteger16(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double r = std::nearbyint(value);  // default rounding mode: halves to even
    if (r >= std::numeric_limits<qint16>::max()) {
        return std::numeric_limits<qint16>::max();
    }
    if (r <= std::numeric_limits<qint16>::min()) {
        return std::numeric_limits<qint16>::min();
    }
    return static_cast<qint16>(r);
}

qint16 textToInteger(const QString& text) {
    return toInteger16(leadingNumber(text));
}
