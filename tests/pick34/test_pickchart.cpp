// Digit counts per position of a Pick results history, and the chart's caption.
#include <gtest/gtest.h>

#include "pick34/logic/pickchart.h"
#include "pickbytes.h"

using namespace fixture;

TEST(PickDigitCounts, CountsOnePositionOfTheCountedDraws) {
    const PickImage draws(pick(3, 1, 1, 1, 2012, {1, 2, 3}) + pick(0, 2, 2, 1, 2012, {1, 2, 0}) +
                          pick(0, 3, 3, 1, 2012, {9, 2, 3}) + pick(0, 4, 4, 1, 2012, {5, 5, 5}));
    const DigitCounts first{0, 2, 0, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(digitCounts(draws, 1), first);
    const DigitCounts third{1, 0, 0, 2, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(digitCounts(draws, 3), third);
    EXPECT_EQ(digitCounts(PickImage(), 1), DigitCounts{});
}

TEST(PickDigitCounts, ADigitOutOfRangeGivesNothing) {
    const PickImage draws(pick(2, 1, 1, 1, 2012, {1, 2, 3}) + pick(0, 2, 2, 1, 2012, {1, 12, 0}));
    EXPECT_TRUE(digitCounts(draws, 1).has_value());
    EXPECT_FALSE(digitCounts(draws, 2).has_value());
}

TEST(PickDigitCounts, CaptionEndsWithTheDrawCount) {
    EXPECT_EQ(digitChartCaption(1, 3),
              QStringLiteral("Number of times numbers drawn in first position of draw result. "
                             "Total draws = 3"));
    EXPECT_EQ(digitChartCaption(4, 0),
              QStringLiteral("Number of times number drawn in fourth position of draw result. "
                             "Total draws = 0"));
}
