#pragma once
// The date picker: a date box with a calendar popup, a custom display format, a maximum date,
// calendar colours, and a Change signal raised only when the player changes the date.
#include <QColor>
#include <QDateEdit>

namespace platform {

class DTPicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DTPicker(QWidget* parent = nullptr);

    // Custom format in the program's own notation: "yyy" stands for the full year.
    void setCustomFormat(const QString& format);
    QString customFormat() const { return customFormat_; }
    // The system's short date format.
    void setShortDateFormat();

    QDate Value() const { return date(); }
    // Sets the date without raising Change.
    void setValue(const QDate& value);
    int Day() const { return date().day(); }
    int Month() const { return date().month(); }
    int Year() const { return date().year(); }

    void setCalendarColours(const QColor& back, const QColor& fore, const QColor& titleBack,
                            const QColor& titleFore, const QColor& trailingFore);
    QColor calendarTitleBackColour() const { return titleBack_; }
    QColor calendarTrailingForeColour() const { return trailingFore_; }

signals:
    void Change();

protected:
    // Tab leaves the picker, as it leaves any other box; the arrow keys walk its day, month and
    // year.
    bool focusNextPrevChild(bool next) override;

private:
    QString customFormat_;
    QColor titleBack_;
    QColor trailingFore_;
    bool settingValue_ = false;
};

// Qt's form of a custom format ("dd MMMM yyy" gives "dd MMMM yyyy").
QString qtDateFormat(const QString& format);

}  // namespace platform
