#include "playslips/logic/playslipnumbers.h"

#include <cmath>

namespace {

bool isDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

qsizetype skipDigits(const QString& text, qsizetype i) {
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}

// "0.5" -> ".5", "-0.5" -> "-.5", as the boxes have always shown fractions.
QString withoutLeadingZero(QString s) {
    if (s.startsWith(u"0.")) {
        s.remove(0, 1);
    } else if (s.startsWith(u"-0.")) {
        s.remove(1, 1);
    }
    return s;
}

}  // namespace

double boxNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') {
        ++i;
    }
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        ++i;
    }
    const qsizetype whole = i;
    i = skipDigits(text, i);
    bool digits = i > whole;
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fraction = i + 1;
        i = skipDigits(text, fraction);
        digits = digits || i > fraction;
    }
    if (!digits) {
        return 0.0;
    }
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
        qsizetype e = i + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-')) {
            ++e;
        }
        const qsizetype end = skipDigits(text, e);
        if (end > e) {
            i = end;
        }
    }
    bool ok = false;
    const double v = text.mid(start, i - start).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

QString markText(float mm) {
    if (!(mm > 0)) {
        return {};
    }
    return suggestedText(mm);
}

QString suggestedText(float mm) {
    if (mm == 0) {
        return QStringLiteral("0");
    }
    // 'G' drops trailing zeros and writes the exponent as the boxes always have ("1E-05").
    return withoutLeadingZero(QString::number(static_cast<double>(mm), 'G', 7));
}

QString adjustedText(double mm) {
    if (mm == 0) {
        return QStringLiteral("0");
    }
    return withoutLeadingZero(QString::number(mm, 'G', 15));
}
