// The date picker: custom formats, the value set by code, the Change raised by the player, Tab.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "platform/datepicker.h"
#include "platform/systemlocale.h"

TEST(DatePicker, ThreeYsMeanTheFullYear) {
    EXPECT_EQ(platform::qtDateFormat("dd MMMM yyy"), QStringLiteral("dd MMMM yyyy"));
    EXPECT_EQ(platform::qtDateFormat("MMMM dd yyy"), QStringLiteral("MMMM dd yyyy"));
    EXPECT_EQ(platform::qtDateFormat("yyy MMMM dd"), QStringLiteral("yyyy MMMM dd"));
    EXPECT_EQ(platform::qtDateFormat("yyyy yy"), QStringLiteral("yyyy yy"));
}

TEST(DatePicker, ShowsTheDateInItsCustomFormat) {
    platform::DTPicker picker;
    picker.setCustomFormat("dd MMMM yyy");
    picker.setValue(QDate(2012, 3, 5));
    EXPECT_EQ(picker.text(), QStringLiteral("05 March 2012"));
    EXPECT_EQ(picker.Day(), 5);
    EXPECT_EQ(picker.Month(), 3);
    EXPECT_EQ(picker.Year(), 2012);
}

TEST(DatePicker, ChangeComesFromThePlayerNotFromCode) {
    platform::DTPicker picker;
    picker.setCustomFormat("dd MMMM yyy");
    QSignalSpy changes(&picker, &platform::DTPicker::Change);
    picker.setValue(QDate(2012, 3, 5));
    EXPECT_EQ(changes.count(), 0);
    picker.setFocus();
    picker.setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(&picker, Qt::Key_Up);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(picker.Value(), QDate(2012, 3, 6));
}

TEST(DatePicker, TabLeavesItAtOnceBothWays) {
    QWidget window;
    auto* before = new QLineEdit(&window);
    auto* picker = new platform::DTPicker(&window);
    auto* after = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* w : {static_cast<QWidget*>(before), static_cast<QWidget*>(picker),
                       static_cast<QWidget*>(after)}) {
        layout->addWidget(w);
    }
    picker->setCustomFormat("dd MMMM yyy");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), picker);
    QTest::keyClick(picker, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
    QTest::keyClick(after, Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), picker);
    QTest::keyClick(picker, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), before);
}

TEST(Locale, WeekdaysCountFromSunday) {
    EXPECT_EQ(platform::weekday(QDate(2012, 3, 4)), 1);  // a Sunday
    EXPECT_EQ(platform::weekday(QDate(2012, 3, 5)), 2);
    EXPECT_EQ(platform::weekday(QDate(2012, 3, 10)), 7);
}
