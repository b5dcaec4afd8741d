#include "app/historyline.h"

#include "shared/textforms.h"

namespace {

// n zero-padded to `width`, as arg(n, width, 10, '0') writes it, without a temporary string:
// the history window writes a line for each of up to 32,767 draws.
void appendNumber(QString& line, int n, int width) {
    if (n < 0) {
        line += QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
        return;
    }
    char digits[12];
    int k = 0;
    do {
        digits[k++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n > 0);
    for (int i = k; i < width; ++i) {
        line += u'0';
    }
    while (k > 0) {
        line += QLatin1Char(digits[--k]);
    }
}

void part(QString& line, int n) {
    line += u' ';
    appendNumber(line, n, 2);
}

void year(QString& line, int n) {
    line += u' ';
    appendNumber(line, n, 4);
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
    QString line;
    line.reserve(64);
    appendNumber(line, draw.ordinal, 5);
    if (dateorder == u"MMDDYY") {
        part(line, draw.month);
        part(line, draw.day);
        year(line, draw.year);
    } else if (dateorder == u"YYMMDD") {
        year(line, draw.year);
        part(line, draw.month);
        part(line, draw.day);
    } else {
        part(line, draw.day);
        part(line, draw.month);
        year(line, draw.year);
    }
    line += u':';
    for (int i = 0; i < 7; ++i) {
        if (i < 3 || draw.balls[i] > 0) {
            part(line, draw.balls[i]);
        }
    }
    if (draw.extra > 0) {
        line += u' ';
        line += extraballid;
        if (gamename == kWildCardGame) {
            line += u' ';
            line += cardname(draw.extra);
        } else {
            part(line, draw.extra);
        }
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
