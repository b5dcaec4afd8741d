// The focus shown on every control: a picture button takes it and answers the keyboard, a
// focused list's frame takes the highlight colour, and focus given by code is shown too.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "platform/focusstyle.h"
#include "platform/imagebox.h"

namespace {

class FocusShown : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::showFocusEverywhere(*qApp); }
};

}  // namespace

TEST_F(FocusShown, APictureButtonTakesTabAndAnswersSpaceAndEnter) {
    QWidget window;
    auto* before = new QPushButton(QStringLiteral("Before"), &window);
    auto* picture = new platform::ImageBox(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(before);
    layout->addWidget(picture);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), picture);
    QSignalSpy clicks(picture, &platform::ImageBox::clicked);
    QTest::keyClick(picture, Qt::Key_Space);
    QTest::keyClick(picture, Qt::Key_Return);
    QTest::keyClick(picture, Qt::Key_A);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(FocusShown, AFocusedEmptyListHasAHighlightedFrame) {
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Button"), &window);
    auto* list = new QListWidget(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(button);
    layout->addWidget(list);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QColor highlight = list->palette().color(QPalette::Highlight);
    const auto frameColour = [&] {
        return list->grab().toImage().pixelColor(0, list->height() / 2);
    };
    button->setFocus();
    EXPECT_NE(frameColour(), highlight);
    list->setFocus();
    EXPECT_EQ(frameColour(), highlight);
}

TEST_F(FocusShown, FocusGivenByCodeIsShownAsTheKeyboardsIs) {
    QWidget window;
    auto* first = new QPushButton(QStringLiteral("First"), &window);
    auto* second = new QPushButton(QStringLiteral("Second"), &window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    window.setAttribute(Qt::WA_KeyboardFocusChange, false);  // as after a mouse click
    second->setFocus();
    EXPECT_TRUE(window.testAttribute(Qt::WA_KeyboardFocusChange));
}
