// The single-ball figures: the draws they cover as the statistics window's box names them, the
// times drawn and expected, the last date and the draws since, and a file it refuses.
#include <gtest/gtest.h>

#include "entries/Form26.h"
#include "entries/Form4.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "stats_helpers.h"

using platform::Windows;

class Form26Test : public StatsTest {
protected:
    // 3 of 5 with the extra from the main pool, draws on 1..4 March 2012.
    Form4& openStats() {
        Form1& main = startGame("Lotto", 3, 5, Extra::FromMain);
        writeFile("Lotto.rtl",
                  history({{{1, 2, 3}, 4}, {{2, 3, 5}, 2}, {{1, 3, 4}, 1}, {{3, 4, 5}, 5}}));
        main.Image3_Click();
        return *Windows::live<Form4>(Form4::kName);
    }
    // Info for the ball over the draws the box names; the figures window that opens.
    Form26& info(Form4& stats, const char* last, int ball) {
        stats.Text2->setText(QString::fromLatin1(last));
        stats.Text1->setText(QString::number(ball));
        stats.Command4_Click();
        Form26* w = Windows::live<Form26>(Form26::kName);
        EXPECT_NE(w, nullptr);
        return *w;
    }
    static std::vector<QString> figures(const Form26& w) {
        return {w.Text2->text(), w.Text1->text(), w.Text4->text(), w.Text3->text()};
    }
};

TEST_F(Form26Test, CoversEveryDrawUnlessTheBoxNamesFewer) {
    Form4& stats = openStats();
    for (const char* last : {"4", "", "0", "9"}) {
        Form26& w = info(stats, last, 3);
        EXPECT_EQ(w.Text5->text(),
                  QStringLiteral("Draw Statistics for Lotto Main <Ball 3> All 4 Draws"))
            << last;
        // 3 x 4 / 5 = 2.4
        EXPECT_EQ(figures(w), std::vector<QString>({"4", "2", "4 Mar 2012", "0"})) << last;
        w.Command1_Click();
    }
    // A number typed without Show is what counts, as typed in the heading.
    Form26& w = info(stats, " 2 ", 1);
    EXPECT_EQ(w.Text5->text(),
              QStringLiteral("Draw Statistics for Lotto Main <Ball 1> Last 2 Draws"));
    EXPECT_EQ(figures(w), std::vector<QString>({"1", "1", "3 Mar 2012", "1"}));
}

TEST_F(Form26Test, ABallNotDrawnInTheRangeWasNeverDrawn) {
    Form4& stats = openStats();
    Form26& w = info(stats, "2", 2);
    EXPECT_EQ(figures(w), std::vector<QString>({"0", "1", "Never", "Not Drawn"}));
}

TEST_F(Form26Test, TheCombinedChartCountsTheExtraTooAndTheExtraChartOnlyIt) {
    Form4& stats = openStats();
    stats.mnuBoth_Click();
    // Ball 2: main in draws 1 and 2, extra in draw 2; 4 x 4 / 5 = 3.2.
    Form26& both = info(stats, "4", 2);
    EXPECT_EQ(figures(both), std::vector<QString>({"3", "3", "2 Mar 2012", "2"}));
    both.Command1_Click();
    stats.mnuTSB_Click();
    // Ball 1 as the extra of draw 3 only; 4 / 5 rounds to 1.
    Form26& extra = info(stats, "4", 1);
    EXPECT_EQ(figures(extra), std::vector<QString>({"1", "1", "3 Mar 2012", "1"}));
}

TEST_F(Form26Test, TheDateFollowsTheDateOrder) {
    Form4& stats = openStats();
    m1().dateorder = QStringLiteral("YYMMDD");
    EXPECT_EQ(info(stats, "4", 5).Text4->text(), QStringLiteral("2012 Mar 4"));
}

TEST_F(Form26Test, ANumberOutsideTheTallyIsRefusedAndHandsBack) {
    Form4& stats = openStats();
    // Changed behind the statistics window's back.
    writeFile("Lotto.rtl", history({{{1, 2, 70}, 4}}));
    messages().expect(
        "A ball number in the results file is not in the ball range of the game. Please check "
        "Configure Game Definition for this game and download the results overwriting the "
        "existing results.");
    stats.Text2->setText("1");
    stats.Text1->setText("1");
    stats.Command4_Click();
    EXPECT_EQ(Windows::live<Form26>(Form26::kName), nullptr);
    EXPECT_TRUE(stats.isEnabled());
}
