// The Pick window's child windows: which disable it, what they are handed, how they hand back.
#include <gtest/gtest.h>

#include <QPushButton>

#include "app/Form1.h"
#include "pick3_helpers.h"
#include "platform/windows.h"
#include "shared/module1.h"

using namespace fixture;
using platform::Windows;

namespace {

class PickChildren : public Pick3Test {
protected:
    void closeChild(const char* name, const char* close = "Command1") {
        platform::Form* child = Windows::find(QString::fromLatin1(name));
        ASSERT_NE(child, nullptr) << name;
        child->findChild<QPushButton*>(close)->click();
        EXPECT_EQ(Windows::find(QString::fromLatin1(name)), nullptr);
    }
};

TEST_F(PickChildren, TheMainWindowsPickItemsOpenItAndCloseGivesTheMainWindowBack) {
    Form1& main = *Windows::get<Form1>(Form1::kName);
    main.mnupick4_Click();
    EXPECT_FALSE(main.isEnabled());
    auto* w = Windows::live<Pick3>(Pick3::kName);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Pick 4 Evening Draws"));
    w->Command6_Click();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(Windows::find(Pick3::kName), nullptr);
    main.mnupick3_Click();
    ASSERT_NE(Windows::live<Pick3>(Pick3::kName), nullptr);
    EXPECT_EQ(Windows::live<Pick3>(Pick3::kName)->windowTitle(),
              QStringLiteral("Pick 3 Evening Draws"));
}

TEST_F(PickChildren, AddingAndFileDeletionDisableThePickWindowUntilTheyClose) {
    Pick3& w = open(4);
    w.List2->addItem("old summary");
    w.Command4_Click();
    EXPECT_FALSE(w.isEnabled());
    EXPECT_EQ(w.List2->count(), 0);
    EXPECT_EQ(Windows::find("AddEntriesP34")->windowTitle(), QStringLiteral("Pick 4 Entries"));
    closeChild("AddEntriesP34", "Command3");
    EXPECT_TRUE(w.isEnabled());
    w.mnuDelete_Click();
    EXPECT_FALSE(w.isEnabled());
    closeChild("Deletepick34");
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(PickChildren, ItsCloseBoxWaitsWhileAChildHasItDisabled) {
    Pick3& w = open(3);
    w.Command4_Click();
    w.close();
    EXPECT_EQ(Windows::find(Pick3::kName), &w);
    closeChild("AddEntriesP34", "Command3");
    w.close();
    EXPECT_EQ(Windows::find(Pick3::kName), nullptr);
}

TEST_F(PickChildren, HistoryAndStatsLeaveItEnabled) {
    writeFile("XWPick3Night.rtl", pick(1, 1, 1, 3, 2012, {1, 2, 3}));
    Pick3& w = open(3);
    w.mnuHistory_Click();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(Windows::find("p34history")->windowTitle(), QStringLiteral("Pick 3 Draw History"));
    closeChild("p34history");
    w.mnup34morestats_Click();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(m1().statsresultsfile, file("XWPick3Night.rtl"));
    EXPECT_EQ(m1().statsdrawtime, QStringLiteral("Evening"));
    EXPECT_EQ(Windows::find("p34stats")->windowTitle(), QStringLiteral("Stats for Pick 3 Evening"));
    closeChild("p34stats");
}

}  // namespace
