#include "app/historyline.h"

#include "shared/textforms.h"

namespace {

QString part(int n) {
    return QStringLiteral(" %1").arg(n, 2, 10, QLatin1Char('0'));
}

QString year(int n) {
    return QStringLiteral(" %1").arg(n, 4, 10, QLatin1Char('0'));
}

int field(const QString& line, int from, int length) {
    // Positions are counted from 1, as the columns are described.
    bool ok = false;
    const int n = line.mid(from - 1, length).trimmed().toInt(&ok);
    return ok ? n : -1;
}

}  // namespace

QString historyline(const DrawRecord& draw, const QString& dateorder, const QString& extraballid,
                    const QString& gamename) {
    QString line = QStringLiteral("%1").arg(draw.ordinal, 5, 10, QLatin1Char('0'));
    if (dateorder == u"MMDDYY") {
        line += part(draw.month) + part(draw.day) + year(draw.year);
    } else if (dateorder == u"YYMMDD") {
        line += year(draw.year) + part(draw.month) + part(draw.day);
    } else {
        line += part(draw.day) + part(draw.month) + year(draw.year);
    }
    line += u':';
    for (int i = 0; i < 7; ++i) {
        if (i < 3 || draw.balls[i] > 0) {
            line += part(draw.balls[i]);
        }
    }
    if (draw.extra > 0) {
        line += u' ' + extraballid;
        line += gamename == kWildCardGame ? u' ' + cardname(draw.extra) : part(draw.extra);
    }
    return line;
}

QDate historyLineDate(const QString& line, const QString& dateorder) {
    int day = 0;
    int month = 0;
    int y = 0;
    if (dateorder == u"MMDDYY") {
        month = field(line, 7, 2);
        day = field(line, 10, 2);
        y = field(line, 13, 4);
    } else if (dateorder == u"YYMMDD") {
        y = field(line, 7, 4);
        month = field(line, 12, 2);
        day = field(line, 15, 2);
    } else {
        day = field(line, 7, 2);
        month = field(line, 10, 2);
        y = field(line, 13, 4);
    }
    return QDate(y, month, day);
}
