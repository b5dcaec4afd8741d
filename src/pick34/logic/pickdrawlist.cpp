#include "pick34/logic/pickdrawlist.h"

#include "pick34/logic/pickcheck.h"
#include "pick34/logic/pickfiles.h"

namespace {

// A day or month: a blank, then two digits.
QString datePart(int value) {
    return u' ' + QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

QString p34historyline(const PickRecord& draw, int game, const QString& dateorder) {
    const QString day = datePart(draw.day);
    const QString month = datePart(draw.month);
    const QString year = QString::number(draw.year);
    QString date;
    if (dateorder == u"DDMMYY") {
        date = day + u' ' + month + u' ' + year;
    } else if (dateorder == u"MMDDYY") {
        date = month + u' ' + day + u' ' + year;
    } else if (dateorder == u"YYMMDD") {
        date = year + u' ' + month + u' ' + day;
    } else {
        return {};
    }
    // An ordinal is a 16-bit number: at most five digits, padded below 10000.
    const QString ordinal = QStringLiteral("%1").arg(draw.ordinal, 5, 10, QLatin1Char('0'));
    return ordinal + u' ' + date + u' ' + pickDigitText(draw.digits, pickDigitCount(game));
}

QStringList p34historylines(const PickImage& draws, int game, const QString& dateorder) {
    QStringList lines;
    if (p34historyline(PickRecord(), game, dateorder).isEmpty()) {
        return lines;
    }
    const int n = draws.count();
    lines.reserve(n);
    for (int r = 1; r <= n; ++r) {
        lines << p34historyline(draws.record(r), game, dateorder);
    }
    return lines;
}
