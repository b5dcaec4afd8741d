// The draw statistics window: its charts over all or the last draws, the sorted order, the
// menus each kind of game offers, the card game's bars, picking a ball, scaling, and the files
// it refuses.
#include <gtest/gtest.h>

#include <QTest>

#include "entries/Form26.h"
#include "entries/Form4.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "stats_helpers.h"

using platform::Windows;

namespace {

const char* const kBallRange =
    "A ball number in the results file is not in the ball range of the game. Please check "
    "Configure Game Definition for this game and download the results overwriting the existing "
    "results.";

const char* const kTooMany =
    "Your value for last draws exceed the number of actual draws. Setting to actual draws.";

std::vector<double> values(const platform::BarChart& chart) {
    std::vector<double> v;
    for (const platform::ChartRow& row : chart.chartData()) {
        v.push_back(row.value);
    }
    return v;
}

QStringList labels(const platform::BarChart& chart) {
    QStringList l;
    for (const platform::ChartRow& row : chart.chartData()) {
        l << row.label;
    }
    return l;
}

}  // namespace

class Form4Test : public StatsTest {
protected:
    // 3 of 5 with the extra from the main pool; the third draw was entered without its extra.
    Form1& startLotto() {
        Form1& main = startGame("Lotto", 3, 5, Extra::FromMain);
        writeFile("Lotto.rtl",
                  history({{{1, 2, 3}, 4}, {{2, 3, 5}, 2}, {{1, 3, 4}, 0}, {{3, 4, 5}, 5}}));
        return main;
    }
    static Form4& open(Form1& main) {
        main.Image3_Click();
        Form4* w = Windows::live<Form4>(Form4::kName);
        EXPECT_NE(w, nullptr);
        return *w;
    }
};

TEST_F(Form4Test, OpensOnTheMainBallsOverAllDraws) {
    Form1& main = startLotto();
    Form4& w = open(main);
    EXPECT_FALSE(main.isEnabled());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Draw Statistics for Lotto Main"));
    EXPECT_EQ(w.Text2->text(), QStringLiteral("4"));
    EXPECT_EQ(m1().statsmode, 1);
    EXPECT_EQ(w.MSChart1->rowCount(), 5);
    EXPECT_EQ(labels(*w.MSChart1), QStringList({" 1", " 2", " 3", " 4", " 5"}));
    EXPECT_EQ(values(*w.MSChart1), std::vector<double>({2, 2, 4, 2, 2}));
    EXPECT_TRUE(w.mnusortedno->isChecked());
    EXPECT_FALSE(w.mnusortedyes->isChecked());
}

TEST_F(Form4Test, ShowTakesTheLastDrawsAndAllTakesEvery) {
    Form1& main = startLotto();
    Form4& w = open(main);
    w.Text2->setText("2");
    w.Command3_Click();
    EXPECT_EQ(values(*w.MSChart1), std::vector<double>({1, 0, 2, 2, 1}));
    EXPECT_EQ(w.Text2->text(), QStringLiteral("2"));
    // All the draws asked for exactly: no message.
    w.Text2->setText("4");
    w.Command3_Click();
    EXPECT_EQ(values(*w.MSChart1), std::vector<double>({2, 2, 4, 2, 2}));
    // Nothing usable in the box: every draw, and the box says how many.
    for (const char* text : {"", "0", "abc", "-3"}) {
        w.Text2->setText(QString::fromLatin1(text));
        w.Command3_Click();
        EXPECT_EQ(w.Text2->text(), QStringLiteral("4")) << text;
        EXPECT_EQ(values(*w.MSChart1), std::vector<double>({2, 2, 4, 2, 2})) << text;
    }
    // More than there are, also past the 16-bit range: told, then every draw.
    for (const char* text : {"5", "40000"}) {
        w.Text2->setText(QString::fromLatin1(text));
        messages().expect(kTooMany);
        w.Command3_Click();
        EXPECT_EQ(w.Text2->text(), QStringLiteral("4")) << text;
        EXPECT_EQ(values(*w.MSChart1), std::vector<double>({2, 2, 4, 2, 2})) << text;
    }
    w.Text2->setText("2");
    w.Command5_Click();
    EXPECT_EQ(w.Text2->text(), QStringLiteral("4"));
    EXPECT_EQ(values(*w.MSChart1), std::vector<double>({2, 2, 4, 2, 2}));
    w.Command2_Click();
    EXPECT_TRUE(w.Text2->text().isEmpty());
    EXPECT_EQ(values(*w.MSChart1), std::vector<double>({2, 2, 4, 2, 2}));  // no redraw
}

TEST_F(Form4Test, TheExtraChartsCountTheExtraAloneOrWithTheMainBalls) {
    Form1& main = startLotto();
    Form4& w = open(main);
    EXPECT_TRUE(w.mnuTSB->isVisible());
    EXPECT_TRUE(w.mnuBoth->isVisible());
    EXPECT_EQ(w.mnuTSB->text(), QStringLiteral("Powerball"));
    EXPECT_EQ(w.mnuBoth->text(), QStringLiteral("Main and Powerball"));
    w.mnuBoth_Click();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Draw Statistics for Lotto Main and Powerball"));
    EXPECT_EQ(m1().statsmode, 2);
    EXPECT_EQ(values(*w.MSChart1), std::vector<double>({2, 3, 4, 3, 3}));
    // Redraws keep the chart chosen.
    w.Text2->setText("1");
    w.Command3_Click();
    EXPECT_EQ(values(*w.MSChart1), std::vector<double>({0, 0, 1, 1, 2}));
    w.mnuTSB_Click();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Draw Statistics for Lotto Powerball"));
    EXPECT_EQ(m1().statsmode, 4);
    EXPECT_EQ(values(*w.MSChart1), std::vector<double>({0, 0, 0, 0, 1}));
}

TEST_F(Form4Test, AMissingExtraFailsTheExtraChartAndClosesTheWindow) {
    Form1& main = startLotto();
    Form4& w = open(main);
    messages().expect(kBallRange);
    w.mnuTSB_Click();
    EXPECT_EQ(messages().shown().size(), 1);
    EXPECT_EQ(Windows::live<Form4>(Form4::kName), nullptr);
    EXPECT_TRUE(main.isEnabled());
}

TEST_F(Form4Test, AFileOutsideThePoolFailsTheLoadOnce) {
    Form1& main = startGame("Lotto", 3, 5);
    writeFile("Lotto.rtl", history({{{1, 2, 3}}, {{2, 3, 9}}}));
    messages().expect(kBallRange);
    main.Image3_Click();
    EXPECT_EQ(messages().shown().size(), 1);
    EXPECT_EQ(Windows::live<Form4>(Form4::kName), nullptr);
    EXPECT_TRUE(main.isEnabled());
}

TEST_F(Form4Test, AMissingHistoryChartsZeroDraws) {
    Form1& main = startGame("Lotto", 3, 5);
    Form4& w = open(main);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("0"));
    EXPECT_EQ(values(*w.MSChart1), std::vector<double>({0, 0, 0, 0, 0}));
}

struct Offer {
    const char* label;
    int extraKind;  // StatsTest::Extra
    bool lm, tsb, both;
};

class Form4Menus : public Form4Test, public ::testing::WithParamInterface<Offer> {};

TEST_P(Form4Menus, OfferTheChartsTheGameHas) {
    const Offer& o = GetParam();
    Form1& main = startGame("Lotto", 6, 49, static_cast<Extra>(o.extraKind), 26);
    Form4& w = open(main);
    EXPECT_EQ(w.mnuLM->isVisible(), o.lm);
    EXPECT_EQ(w.mnuTSB->isVisible(), o.tsb);
    EXPECT_EQ(w.mnuBoth->isVisible(), o.both);
    EXPECT_EQ(w.MSChart1->rowCount(), 49);
    if (o.tsb) {
        w.mnuTSB_Click();
        EXPECT_EQ(w.MSChart1->rowCount(), o.both ? 49 : 26);
    }
}

INSTANTIATE_TEST_SUITE_P(Games, Form4Menus,
                         ::testing::Values(Offer{"no_extra", 0, false, false, false},
                                           Offer{"extra_from_main", 1, true, true, true},
                                           Offer{"own_extra_pool", 2, true, true, false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(Form4Test, SortedBarsStandMostDrawnFirstAndAClickPicksTheirBall) {
    Form1& main = startGame("Lotto", 3, 5);
    // Balls 1..5 drawn 2, 5, 2, 5 and 1 times.
    writeFile("Lotto.rtl",
              history({{{1, 2, 4}}, {{1, 2, 4}}, {{2, 3, 4}}, {{2, 3, 4}}, {{2, 4, 5}}}));
    Form4& w = open(main);
    w.mnusortedyes_Click();
    EXPECT_TRUE(w.mnusortedyes->isChecked());
    EXPECT_FALSE(w.mnusortedno->isChecked());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Draw Statistics for Lotto Main (Sorted)"));
    EXPECT_EQ(labels(*w.MSChart1), QStringList({" 2", " 4", " 3", " 1", " 5"}));
    EXPECT_EQ(values(*w.MSChart1), std::vector<double>({5, 5, 2, 2, 1}));

    // A real click on the first bar.
    w.resize(800, 500);
    QTest::qWait(0);
    QTest::mouseClick(w.MSChart1->viewport(), Qt::LeftButton, {}, w.MSChart1->barCentre(1));
    Form26* one = Windows::live<Form26>(Form26::kName);
    ASSERT_NE(one, nullptr);
    EXPECT_FALSE(w.isEnabled());
    EXPECT_EQ(m1().statsball, 2);
    EXPECT_EQ(m1().statsballcaption,
              QStringLiteral("Draw Statistics for Lotto Main (Sorted) <Ball 2>"));
    one->Command1_Click();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(Windows::live<Form26>(Form26::kName), nullptr);

    w.mnusortedno_Click();
    EXPECT_EQ(labels(*w.MSChart1), QStringList({" 1", " 2", " 3", " 4", " 5"}));
    w.MSChart1_PointSelected(1);
    EXPECT_EQ(m1().statsball, 1);
    EXPECT_EQ(m1().statsballcaption, QStringLiteral("Draw Statistics for Lotto Main <Ball 1>"));
}

TEST_F(Form4Test, TheCardGameChartsSixteenCards) {
    Form1& main = startGame("WildCard2", 5, 39, Extra::OwnPool, 16);
    writeFile("WildCard2.rtl", history({{{1, 2, 3, 4, 5}, 7}, {{6, 7, 8, 9, 10}, 16}}));
    Form4& w = open(main);
    w.mnuTSB_Click();
    ASSERT_EQ(w.MSChart1->rowCount(), 16);
    EXPECT_EQ(labels(*w.MSChart1).first(), QStringLiteral("AS"));
    EXPECT_EQ(labels(*w.MSChart1)[6], QStringLiteral("QH"));
    EXPECT_EQ(labels(*w.MSChart1).last(), QStringLiteral("JC"));
    EXPECT_EQ(values(*w.MSChart1)[6], 1);
    w.MSChart1_PointSelected(7);
    EXPECT_EQ(m1().statsball, 7);
    EXPECT_EQ(m1().statsballcaption, w.windowTitle() + QStringLiteral(" Queen Hearts"));
    Windows::live<Form26>(Form26::kName)->Command1_Click();
    w.Text1->setText("7");
    w.Command4_Click();
    EXPECT_EQ(m1().statsballcaption, w.windowTitle() + QStringLiteral(" <Ball 7>"));
}

TEST_F(Form4Test, InfoTakesABallOfThePoolShown) {
    Form1& main = startGame("Lotto", 3, 9, Extra::OwnPool, 8);
    writeFile("Lotto.rtl", history({{{1, 2, 3}, 7}}));
    Form4& w = open(main);
    for (const char* text : {"0", "-1", "", "10", "9.6", "x"}) {
        w.Text1->setText(QString::fromLatin1(text));
        messages().expect("You must enter a number between 1 and 9");
        w.Command4_Click();
        EXPECT_TRUE(w.isEnabled()) << text;
    }
    w.Text1->setText("07");
    w.Command4_Click();
    EXPECT_FALSE(w.isEnabled());
    EXPECT_EQ(m1().statsball, 7);
    EXPECT_EQ(m1().statsballcaption, QStringLiteral("Draw Statistics for Lotto Main <Ball 7>"));
    Windows::live<Form26>(Form26::kName)->close();  // the close box hands back too
    EXPECT_TRUE(w.isEnabled());
    // The heading names the ball the figures are for.
    w.Text1->setText("6.6");
    w.Command4_Click();
    EXPECT_EQ(m1().statsball, 7);
    EXPECT_EQ(m1().statsballcaption, QStringLiteral("Draw Statistics for Lotto Main <Ball 7>"));
    Windows::live<Form26>(Form26::kName)->Command1_Click();
    // The extra chart of an own pool takes balls of that pool.
    w.mnuTSB_Click();
    w.Text1->setText("9");
    messages().expect("You must enter a number between 1 and 8");
    w.Command4_Click();
    w.Text1->setText("8");
    w.Command4_Click();
    EXPECT_EQ(m1().statsball, 8);
}

TEST_F(Form4Test, ScaleMovesBetweenThreeWidths) {
    Form1& main = startLotto();
    Form4& w = open(main);
    const int step1 = w.width();
    w.mnuNarrower_Click();
    EXPECT_EQ(w.scalestep(), 1);
    EXPECT_EQ(w.width(), step1);
    w.mnuWider_Click();
    EXPECT_EQ(w.scalestep(), 2);
    EXPECT_EQ(w.width(), 775);
    w.mnuWider_Click();
    EXPECT_EQ(w.width(), 999);
    w.mnuWider_Click();
    EXPECT_EQ(w.scalestep(), 3);
    EXPECT_EQ(w.width(), 999);
    w.mnuNarrower_Click();
    w.mnuNarrower_Click();
    EXPECT_EQ(w.scalestep(), 1);
    EXPECT_EQ(w.width(), 649);
}

TEST_F(Form4Test, CloseAndTheCloseBoxHandTheMainWindowBack) {
    Form1& main = startLotto();
    open(main).Command1_Click();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(Windows::live<Form4>(Form4::kName), nullptr);
    open(main).close();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(Windows::live<Form4>(Form4::kName), nullptr);
}
