// The Pick draw history window: its lines, its caption, and closing beside the Pick window.
#include <gtest/gtest.h>

#include <QTest>

#include "pick34/p34history.h"
#include "pick3_helpers.h"
#include "platform/windows.h"
#include "shared/module1.h"

using namespace fixture;
using platform::Windows;

namespace {

class PickHistoryWindow : public Pick3Test {
protected:
    p34history& openHistory(Pick3& w) {
        w.mnuHistory_Click();
        auto* h = Windows::live<p34history>(p34history::kName);
        if (h == nullptr) {
            qFatal("the history window is still a stand-in");
        }
        return *h;
    }
    static QStringList lines(const QListWidget& list) {
        QStringList all;
        for (int i = 0; i < list.count(); ++i) {
            all << list.item(i)->text();
        }
        return all;
    }
};

TEST_F(PickHistoryWindow, ListsEveryDrawOfTheOpenHistoryInFileOrder) {
    writeFile("XWPick3Night.rtl",
              pick(3, 1, 5, 3, 2012, {1, 2, 3}) + pick(0, 2, 12, 11, 2012, {0, 0, 7}) +
                  pick(0, 3, 1, 1, 2013, {9, 9, 9}) + pick(0, 4, 2, 1, 2013, {5, 5, 5}));
    Pick3& w = open(3);
    p34history& h = openHistory(w);
    EXPECT_EQ(h.windowTitle(), QStringLiteral("Pick 3 Draw History"));
    EXPECT_EQ(lines(*h.List1), QStringList({"00001  05  03 2012 123", "00002  12  11 2012 007",
                                            "00003  01  01 2013 999"}));
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(PickHistoryWindow, PickFourDayInMonthFirstOrder) {
    m1().keptdrawtime = QStringLiteral("Day");
    writeFile("XWPick4Day.rtl", pick(1, 1, 5, 3, 2012, {1, 2, 3, 4}));
    Pick3& w = open(4);
    m1().dateorder = QStringLiteral("MMDDYY");
    p34history& h = openHistory(w);
    EXPECT_EQ(h.windowTitle(), QStringLiteral("Pick 4 Draw History"));
    EXPECT_EQ(lines(*h.List1), QStringList({"00001  03  05 2012 1234"}));
}

TEST_F(PickHistoryWindow, AMissingHistoryIsAnEmptyListAndIsNotCreated) {
    Pick3& w = open(3);
    EXPECT_EQ(openHistory(w).List1->count(), 0);
    EXPECT_FALSE(exists("XWPick3Night.rtl"));
}

TEST_F(PickHistoryWindow, CloseAndTheCloseBoxRaiseThePickWindowLeftEnabled) {
    Pick3& w = open(3);
    openHistory(w).Command1->click();
    EXPECT_EQ(Windows::find(p34history::kName), nullptr);
    EXPECT_TRUE(w.isEnabled());
    openHistory(w).close();
    EXPECT_EQ(Windows::find(p34history::kName), nullptr);
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(PickHistoryWindow, ClosingThePickWindowClosesItAndNothingRevivesThePickWindow) {
    writeFile("XWPick3Night.rtl", pick(1, 1, 5, 3, 2012, {1, 2, 3}));
    Pick3& w = open(3);
    openHistory(w);
    w.mnup34morestats_Click();
    ASSERT_NE(Windows::find(windownames::p34stats), nullptr);
    w.Command6_Click();
    EXPECT_EQ(Windows::find(Pick3::kName), nullptr);
    EXPECT_EQ(Windows::find(p34history::kName), nullptr);
    EXPECT_EQ(Windows::find(windownames::p34stats), nullptr);
    QTest::qWait(0);
    EXPECT_EQ(Windows::find(Pick3::kName), nullptr);
}

TEST_F(PickHistoryWindow, AHistoryLeftOpenAloneClosesWithoutThePickWindow) {
    Pick3& w = open(3);
    p34history& h = openHistory(w);
    // The Pick window gone by another road than its Close.
    Windows::unload(Pick3::kName);
    h.Command1_Click();
    EXPECT_EQ(Windows::find(Pick3::kName), nullptr);
    EXPECT_EQ(Windows::find(p34history::kName), nullptr);
}

}  // namespace
