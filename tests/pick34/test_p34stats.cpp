// The Pick statistics window: the range it opens on, the three counting modes, the sum chart and
// its rows, the range refusal, and closing beside the Pick window.
#include <numeric>

#include <gtest/gtest.h>

#include "pick34/p34stats.h"
#include "pick3_helpers.h"
#include "platform/windows.h"
#include "shared/module1.h"

using namespace fixture;
using platform::Windows;

namespace {

// Pick 3 Evening: 123 on 1 and 3 March, 321 on 2 March, 000 on 4 March, 999 on 6 March 2012.
QByteArray fiveDraws() {
    return pick(5, 1, 1, 3, 2012, {1, 2, 3}) + pick(0, 2, 2, 3, 2012, {3, 2, 1}) +
           pick(0, 3, 3, 3, 2012, {1, 2, 3}) + pick(0, 4, 4, 3, 2012, {0, 0, 0}) +
           pick(0, 5, 6, 3, 2012, {9, 9, 9});
}

class PickStatsWindow : public Pick3Test {
protected:
    p34stats& openStats(Pick3& w) {
        w.mnup34morestats_Click();
        auto* s = Windows::live<p34stats>(p34stats::kName);
        if (s == nullptr) {
            qFatal("the statistics window is still a stand-in");
        }
        return *s;
    }
    p34stats& openOn(const QByteArray& draws, int game = 3) {
        writeFile(game == 4 ? "XWPick4Night.rtl" : "XWPick3Night.rtl", draws);
        return openStats(open(game));
    }
    static std::vector<double> values(p34stats& s) {
        std::vector<double> v;
        for (const platform::ChartRow& row : s.MSChart1->chartData()) {
            v.push_back(row.value);
        }
        return v;
    }
    static QStringList labels(p34stats& s) {
        QStringList all;
        for (const platform::ChartRow& row : s.MSChart1->chartData()) {
            all << row.label;
        }
        return all;
    }
    static double total(p34stats& s) {
        const std::vector<double> v = values(s);
        return std::accumulate(v.begin(), v.end(), 0.0);
    }
    static void setRange(p34stats& s, const QDate& from, const QDate& to) {
        s.DTPicker1->setValue(from);
        s.DTPicker1_Change();
        s.DTPicker2->setValue(to);
        s.DTPicker2_Change();
    }
    static QString line(p34stats& s, int row) { return s.List1->item(row)->text(); }
};

TEST_F(PickStatsWindow, OpensOnTheWholeHistoryListingEveryNumber) {
    p34stats& s = openOn(fiveDraws());
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Stats for Pick 3 Evening"));
    EXPECT_EQ(s.DTPicker1->Value(), QDate(2012, 3, 1));
    EXPECT_EQ(s.DTPicker2->Value(), QDate(2012, 3, 6));
    EXPECT_EQ(s.DTPicker1->customFormat(), QStringLiteral("dd MMMM yyy"));
    EXPECT_TRUE(s.Option1->isChecked());
    ASSERT_EQ(s.List1->count(), 1000);
    EXPECT_EQ(line(s, 0), QStringLiteral("000 Drawn 1 Times"));
    EXPECT_EQ(line(s, 12), QStringLiteral("012 Drawn 0 Times"));
    EXPECT_EQ(line(s, 123), QStringLiteral("123 Drawn 2 Times"));
    // Every row of the sums, 0 to 27, each labelled; the bars add up to the draws counted.
    ASSERT_EQ(values(s).size(), 28u);
    EXPECT_EQ(s.MSChart1->rowCount(), 28);
    EXPECT_EQ(labels(s).first(), QStringLiteral(" 0"));
    EXPECT_EQ(labels(s).last(), QStringLiteral(" 27"));
    EXPECT_EQ(total(s), 5);
    EXPECT_EQ(values(s)[6], 3);
    EXPECT_EQ(values(s)[27], 1);
}

TEST_F(PickStatsWindow, SpecifiedListsNumbersDrawnAtLeastTheThreshold) {
    p34stats& s = openOn(fiveDraws());
    s.Option2->setChecked(true);
    s.Text1->setText("2");
    s.Command2_Click();
    EXPECT_EQ(s.List1->count(), 1);
    EXPECT_EQ(line(s, 0), QStringLiteral("123 Drawn 2 Times"));
    EXPECT_EQ(total(s), 2);
    EXPECT_EQ(values(s)[6], 2);

    for (const char* all : {"0", ""}) {
        s.Text1->setText(QString::fromLatin1(all));
        s.Command2_Click();
        EXPECT_EQ(s.List1->count(), 1000) << all;
        EXPECT_EQ(total(s), 5);
    }
    s.Text1->setText("3");
    s.Command2_Click();
    EXPECT_EQ(s.List1->count(), 1);
    EXPECT_EQ(line(s, 0), QStringLiteral("No Matches"));
    EXPECT_EQ(total(s), 0);
    EXPECT_EQ(values(s).size(), 28u);
}

TEST_F(PickStatsWindow, ZeroListsTheNumbersNeverDrawnAndChartsHowManyPerSum) {
    p34stats& s = openOn(fiveDraws());
    s.Option3->setChecked(true);
    s.Command2_Click();
    EXPECT_EQ(s.List1->count(), 996);
    EXPECT_EQ(line(s, 0), QStringLiteral("001 Drawn 0 Times"));
    EXPECT_EQ(total(s), 996);
    EXPECT_EQ(values(s)[0], 0);
    EXPECT_EQ(values(s)[27], 0);
    EXPECT_EQ(values(s)[1], 3);
}

TEST_F(PickStatsWindow, ZeroWhenEveryNumberWasDrawnShowsNoMatchesAndAnEmptyChart) {
    QByteArray all;
    for (int i = 0; i < 1000; ++i) {
        all += pick(i == 0 ? 1000 : 0, i + 1, 1 + i % 28, 1 + i / 28 % 12, 2000 + i / 336,
                    {i / 100, i / 10 % 10, i % 10});
    }
    p34stats& s = openOn(all);
    s.Option3->setChecked(true);
    s.Command2_Click();
    EXPECT_EQ(s.List1->count(), 1);
    EXPECT_EQ(line(s, 0), QStringLiteral("No Matches"));
    EXPECT_EQ(values(s), std::vector<double>(28, 0));
}

TEST_F(PickStatsWindow, ARangeOfOneDayCountsThatDayOnly) {
    p34stats& s = openOn(fiveDraws());
    setRange(s, QDate(2012, 3, 2), QDate(2012, 3, 2));
    s.Option2->setChecked(true);
    s.Text1->setText("1");
    s.Command2_Click();
    EXPECT_EQ(s.List1->count(), 1);
    EXPECT_EQ(line(s, 0), QStringLiteral("321 Drawn 1 Times"));
    EXPECT_EQ(total(s), 1);
}

TEST_F(PickStatsWindow, ChangingThePickersAloneChangesNothingAndABackwardRangeIsRefused) {
    p34stats& s = openOn(fiveDraws());
    setRange(s, QDate(2012, 3, 2), QDate(2012, 3, 2));
    EXPECT_EQ(line(s, 123), QStringLiteral("123 Drawn 2 Times"));
    EXPECT_EQ(total(s), 5);
    setRange(s, QDate(2012, 3, 5), QDate(2012, 3, 4));
    s.Option3->setChecked(true);
    messages().expect("In the Date Range, your From date is later than your To date");
    s.Command2_Click();
    EXPECT_EQ(s.List1->count(), 1000);
    EXPECT_EQ(total(s), 5);
}

TEST_F(PickStatsWindow, PickFourHasThirtySevenSumRows) {
    p34stats& s =
        openOn(pick(2, 1, 1, 3, 2012, {9, 9, 9, 9}) + pick(0, 2, 2, 3, 2012, {0, 0, 1, 2}), 4);
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Stats for Pick 4 Evening"));
    ASSERT_EQ(s.List1->count(), 10000);
    EXPECT_EQ(line(s, 12), QStringLiteral("0012 Drawn 1 Times"));
    ASSERT_EQ(values(s).size(), 37u);
    EXPECT_EQ(s.MSChart1->rowCount(), 37);
    EXPECT_EQ(labels(s).last(), QStringLiteral(" 36"));
    EXPECT_EQ(values(s)[36], 1);
    EXPECT_EQ(values(s)[3], 1);
}

TEST_F(PickStatsWindow, DigitsOutOfRangeAndDatesThatDoNotConvertAreSkipped) {
    p34stats& s = openOn(pick(4, 1, 31, 2, 2012, {1, 2, 3}) + pick(0, 2, 2, 3, 2012, {1, 12, 3}) +
                         pick(0, 3, 3, 3, 2012, {4, 5, 6}) + pick(0, 4, 0, 0, 0, {7, 8, 9}));
    EXPECT_EQ(s.DTPicker1->Value(), QDate(2012, 3, 2));
    EXPECT_EQ(s.DTPicker2->Value(), QDate(2012, 3, 3));
    EXPECT_EQ(line(s, 456), QStringLiteral("456 Drawn 1 Times"));
    EXPECT_EQ(total(s), 1);
}

TEST_F(PickStatsWindow, AHistoryEmptiedMeanwhileOpensOnTodayWithNothingCounted) {
    writeFile("XWPick3Night.rtl", fiveDraws());
    Pick3& w = open(3);
    writeFile("XWPick3Night.rtl", pick(0, 0, 0, 0, 0, {}));
    p34stats& s = openStats(w);
    EXPECT_EQ(s.DTPicker1->Value(), QDate(2012, 3, 5));
    EXPECT_EQ(s.DTPicker2->Value(), QDate(2012, 3, 5));
    EXPECT_EQ(s.List1->count(), 1000);
    EXPECT_EQ(total(s), 0);
}

TEST_F(PickStatsWindow, KeepsItsHistoryWhenThePickWindowSwitchesGame) {
    writeFile("XWPick3Night.rtl", fiveDraws());
    Pick3& w = open(3);
    p34stats& s = openStats(w);
    w.Command7_Click();
    ASSERT_EQ(m1().pickgame, 4);
    s.Command2_Click();
    EXPECT_EQ(s.List1->count(), 1000);
    EXPECT_EQ(total(s), 5);
}

TEST_F(PickStatsWindow, CloseAndTheCloseBoxRaiseThePickWindowLeftEnabled) {
    writeFile("XWPick3Night.rtl", fiveDraws());
    Pick3& w = open(3);
    openStats(w).Command1->click();
    EXPECT_EQ(Windows::find(p34stats::kName), nullptr);
    EXPECT_TRUE(w.isEnabled());
    openStats(w).close();
    EXPECT_EQ(Windows::find(p34stats::kName), nullptr);
    Windows::unload(Pick3::kName);
    // Without the Pick window its Close just goes.
    m1().statsresultsfile = file("XWPick3Night.rtl");
    Windows::show(p34stats::kName);
    Windows::live<p34stats>(p34stats::kName)->Command1_Click();
    EXPECT_EQ(Windows::find(Pick3::kName), nullptr);
}

}  // namespace
