#pragma once
// Locale services: short-date text, abbreviated month names, weekday numbers (Sunday = 1).
#include <QDate>
#include <QString>

namespace platform {

// The date in the system's short-date format.
QString shortDateText(const QDate& date);
// Replaces the system's short-date format (in Qt's notation); empty restores it.
void setShortDateFormat(const QString& qtFormat);
// 1 = Sunday .. 7 = Saturday.
int weekday(const QDate& date);

}  // namespace platform
