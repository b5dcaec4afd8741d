// The Add button: its questions, the adding window's caption, and the hand-over.
#include <gtest/gtest.h>

#include <QLabel>

#include "entries_helpers.h"
#include "platform/windows.h"
#include "shared/module1.h"

using platform::MsgAnswer;

namespace {

const char* kWheelQuestion =
    "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
    "continue?";
const char* kDayQuestion =
    "Do you want to create a dated entry for a day that has not been defined as a draw day?";

// An adding window with its extra-ball label, standing in for the one still to come.
class AddingWindow : public platform::Form {
public:
    AddingWindow() : platform::Form(QStringLiteral("Form5")) {
        auto* label = new QLabel(QStringLiteral("EB"), this);
        label->setObjectName(QStringLiteral("Label2"));
    }
};

class AddEntries : public EntriesTest {
protected:
    platform::Form* form5() { return platform::Windows::find(QStringLiteral("Form5")); }
    void drawOnlyWednesdayAndSaturday() {
        m1().drawdays = {};
        m1().drawdays[4] = 4;
        m1().drawdays[7] = 7;
    }
};

TEST_F(AddEntries, ADatedFileNamesTheWindowAfterTheGameAndTheDate) {
    Form1& form = startGame(6, 49, 26);
    const std::pair<const char*, const char*> orders[] = {
        {"DDMMYY", "Lotto Entries for 5 Mar 2012"},
        {"MMDDYY", "Lotto Entries for Mar 5 2012"},
        {"YYMMDD", "Lotto Entries for 2012 Mar 5"}};
    for (const auto& [order, caption] : orders) {
        m1().dateorder = order;
        form.DTPicker2_Change();
        form.Command4_Click();
        ASSERT_NE(form5(), nullptr);
        EXPECT_EQ(form5()->windowTitle(), QString::fromLatin1(caption));
        EXPECT_TRUE(form5()->isVisible());
        EXPECT_FALSE(form.isEnabled());
        form5()->closeBox();
        EXPECT_TRUE(form.isEnabled());
    }
}

TEST_F(AddEntries, ADayThatIsNoDrawDayIsAskedAbout) {
    Form1& form = startGame(6, 49, 26);
    drawOnlyWednesdayAndSaturday();
    form.DTPicker2->setValue(QDate(2012, 3, 6));  // a Tuesday
    form.DTPicker2_Change();
    messages().expect(kDayQuestion, MsgAnswer::No);
    form.Command4_Click();
    EXPECT_EQ(form5(), nullptr);
    EXPECT_TRUE(form.isEnabled());

    messages().expect(kDayQuestion, MsgAnswer::Yes);
    form.Command4_Click();
    ASSERT_NE(form5(), nullptr);
    EXPECT_EQ(form5()->windowTitle(), QStringLiteral("Lotto Entries for 6 Mar 2012"));

    form5()->closeBox();
    form.DTPicker2->setValue(QDate(2012, 3, 7));  // a Wednesday: no question
    form.Command4_Click();
    EXPECT_NE(form5(), nullptr);
}

TEST_F(AddEntries, AWheelAsksAboutTheGuaranteeThenTheDrawDay) {
    Form1& form = startGame(6, 49, 26);
    drawOnlyWednesdayAndSaturday();
    writeFile("Lotto-6-6-5.lot", entryFile({{{1, 2, 3, 4, 5, 6}, 7}}));
    form.mnuWheelItem_Click(6);
    messages().expect(kWheelQuestion, MsgAnswer::No);
    form.Command4_Click();
    EXPECT_EQ(form5(), nullptr);

    messages().expect(kWheelQuestion, MsgAnswer::Yes);
    messages().expect(kDayQuestion, MsgAnswer::Yes);
    form.Command4_Click();
    ASSERT_NE(form5(), nullptr);
    EXPECT_EQ(form5()->windowTitle(), QStringLiteral("Wheel Entry"));
}

TEST_F(AddEntries, TheStandingFileGivesItsOwnCaption) {
    Form1& form = startGame(6, 49, 26);
    writeFile("StandLotto.lot", entryFile({{{1, 2, 3, 4, 5, 6}, 7}}));
    form.mnuStandOpen_Click();
    form.Command4_Click();
    ASSERT_NE(form5(), nullptr);
    EXPECT_EQ(form5()->windowTitle(), QStringLiteral("Standing Entry"));
}

TEST_F(AddEntries, TheExtraBallLabelIsHiddenForAGameWithoutAnExtraPerEntry) {
    platform::Windows::registerWindow<AddingWindow>(QStringLiteral("Form5"));
    Form1& form = startGame(6, 49, 26);
    form.DTPicker2_Change();
    form.Command4_Click();
    EXPECT_FALSE(form5()->findChild<QLabel*>("Label2")->isHidden());
    platform::Windows::unload(form5());

    m1().bonusperentry = 0;
    form.Command4_Click();
    EXPECT_TRUE(form5()->findChild<QLabel*>("Label2")->isHidden());
}

}  // namespace
