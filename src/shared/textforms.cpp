#include "shared/textforms.h"

#include <QLocale>

namespace {
const std::array<QString, 16> kCards = {"AS", "KS", "QS", "JS", "AH", "KH", "QH", "JH",
                                        "AD", "KD", "QD", "JD", "AC", "KC", "QC", "JC"};

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// twoDigits without a temporary string: a full entry file is 32,767 lines of these.
void appendTwoDigits(QString& line, int n) {
    if (n < 0 || n > 99) {
        line += twoDigits(n);
        return;
    }
    line += QChar(u'0' + n / 10);
    line += QChar(u'0' + n % 10);
}
}  // namespace

QString cardname(int n) {
    return n >= 1 && n <= 16 ? kCards[n - 1] : QString();
}

int cardnumber(QString& s) {
    s = s.toUpper();
    for (int i = 0; i < 16; ++i) {
        if (s == kCards[i]) {
            return i + 1;
        }
    }
    return -1;
}

QString entryline(const std::array<qint16, 7>& balls, qint16 extra, const QString& extraballid,
                  const QString& gamename) {
    QString line;
    line.reserve(3 * 7 + extraballid.size() + 4);
    for (qint16 b : balls) {
        if (b > 0) {
            appendTwoDigits(line, b);
            line += u' ';
        }
    }
    if (extra > 0) {
        line += extraballid;
        line += u' ';
        if (gamename == kWildCardGame) {
            line += cardname(extra);
        } else {
            appendTwoDigits(line, extra);
        }
    }
    return line;
}

QString dateOrderFromShortDate(const QString& text) {
    const QString head = text.left(2);
    if (head == u"31") {
        return QStringLiteral("DDMMYY");
    }
    if (head == u"12") {
        return QStringLiteral("MMDDYY");
    }
    if (head == u"32") {
        return QStringLiteral("YYMMDD");
    }
    return {};
}

QString monthAbbreviation(int month) {
    return QLocale().monthName(month, QLocale::ShortFormat);
}

QString filedate(const QDate& date, const QString& dateorder) {
    const QString dd = twoDigits(date.day());
    const QString mmm = monthAbbreviation(date.month());
    const QString yyyy = QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    if (dateorder == u"MMDDYY") {
        return mmm + dd + yyyy;
    }
    if (dateorder == u"YYMMDD") {
        return yyyy + mmm + dd;
    }
    return dd + mmm + yyyy;
}

qint32 datekey(int year, int month, int day) {
    return year * 10000 + month * 100 + day;
}

QString pickerFormat(const QString& dateorder) {
    if (dateorder == u"YYMMDD") {
        return QStringLiteral("yyy MMMM dd");
    }
    if (dateorder == u"MMDDYY") {
        return QStringLiteral("MMMM dd yyy");
    }
    return QStringLiteral("dd MMMM yyy");
}
