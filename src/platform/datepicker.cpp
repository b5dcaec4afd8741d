#include "platform/datepicker.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QTextCharFormat>

namespace platform {

QString qtDateFormat(const QString& format) {
    QString out = format;
    // A run of exactly three y's means the full year; Qt reads "yyy" as two digits plus "y".
    qsizetype i = 0;
    while ((i = out.indexOf(QStringLiteral("yyy"), i)) >= 0) {
        qsizetype end = i;
        while (end < out.size() && out[end] == u'y') {
            ++end;
        }
        if (end - i == 3) {
            out.replace(i, 3, QStringLiteral("yyyy"));
            end = i + 4;
        }
        i = end;
    }
    return out;
}

DTPicker::DTPicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setMinimumDate(QDate(1753, 1, 1));
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!settingValue_) {
            emit Change();
        }
    });
}

bool DTPicker::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

void DTPicker::setCustomFormat(const QString& format) {
    customFormat_ = format;
    setDisplayFormat(qtDateFormat(format));
}

void DTPicker::setShortDateFormat() {
    customFormat_.clear();
    setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
}

void DTPicker::setValue(const QDate& value) {
    settingValue_ = true;
    setDate(value);
    settingValue_ = false;
}

void DTPicker::setCalendarColours(const QColor& back, const QColor& fore, const QColor& titleBack,
                                  const QColor& titleFore, const QColor& trailingFore) {
    titleBack_ = titleBack;
    trailingFore_ = trailingFore;
    QCalendarWidget* calendar = calendarWidget();
    QPalette p = calendar->palette();
    p.setColor(QPalette::Base, back);
    p.setColor(QPalette::Text, fore);
    p.setColor(QPalette::Window, titleBack);
    p.setColor(QPalette::Highlight, titleBack);
    p.setColor(QPalette::WindowText, titleFore);
    p.setColor(QPalette::ButtonText, titleFore);
    calendar->setPalette(p);
    QTextCharFormat header;
    header.setBackground(titleBack);
    header.setForeground(titleFore);
    calendar->setHeaderTextFormat(header);
    QTextCharFormat weekday;
    weekday.setForeground(fore);
    for (int d = Qt::Monday; d <= Qt::Sunday; ++d) {
        calendar->setWeekdayTextFormat(static_cast<Qt::DayOfWeek>(d), weekday);
    }
    calendar->setStyleSheet(
        QStringLiteral("QCalendarWidget QWidget#qt_calendar_navigationbar { background-color: %1; }"
                       "QCalendarWidget QToolButton { color: %2; }")
            .arg(titleBack.name(), titleFore.name()));
}

}  // namespace platform
