#include "platform/systemlocale.h"

#include <QLocale>

namespace platform {

namespace {
QString shortFormatOverride;
}

void setShortDateFormat(const QString& qtFormat) {
    shortFormatOverride = qtFormat;
}

QString shortDateText(const QDate& date) {
    return shortFormatOverride.isEmpty() ? QLocale().toString(date, QLocale::ShortFormat)
                                         : QLocale().toString(date, shortFormatOverride);
}

int weekday(const QDate& date) {
    return date.dayOfWeek() % 7 + 1;
}

}  // namespace platform
