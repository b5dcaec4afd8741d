// Counting draws for the statistics chart and the single-ball figures: each counting variant on
// a hand-made history, the chart's sort and its tie order, the last-draws rules, the expected
// count, and histories that do not fit the game.
#include <gtest/gtest.h>

#include <QLocale>

#include "entries/logic/drawstats.h"
#include "support/bytes.h"

using namespace drawstats;

namespace {

// A 3-ball game from 1..5 with an extra: r3 was entered without its extra.
DrawImage history() {
    return DrawImage(fixture::draw(4, 1, 1, 3, 2012, {1, 2, 3}, 4) +
                     fixture::draw(0, 2, 2, 3, 2012, {2, 3, 5}, 2) +
                     fixture::draw(0, 3, 3, 3, 2012, {1, 3, 4}, 0) +
                     fixture::draw(0, 4, 4, 3, 2012, {3, 4, 5}, 5));
}

struct Counting {
    const char* label;
    Chart chart;
    int first;
    int bonuspool;
    std::vector<qint32> expected;  // element 0, then balls 1..P
};

void PrintTo(const Counting& c, std::ostream* os) {
    *os << c.label;
}

}  // namespace

class CountingVariants : public ::testing::TestWithParam<Counting> {};

TEST_P(CountingVariants, CountEveryPositionTheChartCounts) {
    const Counting& c = GetParam();
    const auto counts = countBalls(history(), c.first, 4, c.chart, 5, c.bonuspool);
    ASSERT_TRUE(counts.has_value());
    EXPECT_EQ(*counts, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Charts, CountingVariants,
    ::testing::Values(
        // Four unused positions a draw count into element 0.
        Counting{"main_all", Chart::Main, 1, 0, {16, 2, 2, 4, 2, 2}},
        Counting{"main_last_two", Chart::Main, 3, 0, {8, 1, 0, 2, 2, 1}},
        // A ball counts as a main number and as the extra; the missing extra goes to 0.
        Counting{"main_and_extra", Chart::MainAndExtra, 1, 0, {17, 2, 3, 4, 3, 3}},
        Counting{"extra_from_main_last", Chart::ExtraFromMain, 4, 0, {0, 0, 0, 0, 0, 1}},
        Counting{"extra_own_pool", Chart::ExtraOwnPool, 4, 8, {0, 0, 0, 0, 0, 1, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Counting, AValueOutsideTheChartsBoundsRefusesTheFile) {
    // The extra-ball charts have no bar for a missing extra.
    EXPECT_FALSE(countBalls(history(), 1, 4, Chart::ExtraFromMain, 5, 0));
    EXPECT_FALSE(countBalls(history(), 1, 4, Chart::ExtraOwnPool, 5, 8));
    // The main balls chart of the same file works.
    EXPECT_TRUE(countBalls(history(), 1, 4, Chart::Main, 5, 0));
    const DrawImage high(fixture::draw(1, 1, 1, 3, 2012, {1, 2, 6}, 1));
    EXPECT_FALSE(countBalls(high, 1, 1, Chart::Main, 5, 0));
    const DrawImage negative(fixture::draw(1, 1, 1, 3, 2012, {1, -2, 3}, 1));
    EXPECT_FALSE(countBalls(negative, 1, 1, Chart::Main, 5, 0));
    const DrawImage bigExtra(fixture::draw(1, 1, 1, 3, 2012, {1, 2, 3}, 9));
    EXPECT_FALSE(countBalls(bigExtra, 1, 1, Chart::ExtraOwnPool, 5, 8));
    EXPECT_FALSE(countBalls(bigExtra, 1, 1, Chart::MainAndExtra, 5, 0));
}

TEST(Counting, TalliesOfALongHistoryPassThe16BitRange) {
    QByteArray bytes;
    for (int r = 1; r <= 8200; ++r) {
        bytes += fixture::draw(r == 1 ? 8200 : 0, r, 1, 1, 2000, {1, 2, 3}, 1);
    }
    const DrawImage long3(bytes);
    const auto counts = countBalls(long3, 1, 8200, Chart::MainAndExtra, 5, 0);
    ASSERT_TRUE(counts.has_value());
    EXPECT_EQ((*counts)[0], 4 * 8200);
    EXPECT_EQ((*counts)[1], 2 * 8200);
    const auto one = ballFigures(long3, 1, 8200, 1, 2);
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(one->timesDrawn, 2 * 8200);
}

struct Sorting {
    const char* label;
    std::vector<qint32> counts;  // of balls 1..P
    std::vector<int> balls;      // left to right
};

void PrintTo(const Sorting& s, std::ostream* os) {
    *os << s.label;
}

class MostDrawnFirst : public ::testing::TestWithParam<Sorting> {};

TEST_P(MostDrawnFirst, LeavesEqualCountsInTheExchangeOrder) {
    std::vector<BallCount> table;
    for (std::size_t i = 0; i < GetParam().counts.size(); ++i) {
        table.push_back({static_cast<int>(i) + 1, GetParam().counts[i]});
    }
    sortMostDrawn(table);
    std::vector<int> balls;
    for (std::size_t i = 0; i < table.size(); ++i) {
        balls.push_back(table[i].ball);
        EXPECT_EQ(table[i].count, GetParam().counts[static_cast<std::size_t>(table[i].ball - 1)]);
        if (i > 0) {
            EXPECT_LE(table[i].count, table[i - 1].count);
        }
    }
    EXPECT_EQ(balls, GetParam().balls);
}

INSTANTIATE_TEST_SUITE_P(Tables, MostDrawnFirst,
                         ::testing::Values(Sorting{"pairs_of_equals", {2, 5, 2, 5}, {2, 4, 3, 1}},
                                           Sorting{"all_equal", {3, 3, 3}, {1, 2, 3}},
                                           Sorting{"rising", {1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}},
                                           Sorting{"ties_behind_a_swap", {1, 1, 2}, {3, 2, 1}},
                                           Sorting{"one", {7}, {1}}),
                         [](const auto& info) { return std::string(info.param.label); });

struct Range {
    const char* label;
    int n;
    bool uselast;
    qint64 last;
    DrawRange expected;
};

void PrintTo(const Range& r, std::ostream* os) {
    *os << r.label;
}

class LastDraws : public ::testing::TestWithParam<Range> {};

TEST_P(LastDraws, NameTheRecordsTheChartReads) {
    const Range& r = GetParam();
    const DrawRange got = chartRange(r.n, r.uselast, r.last);
    EXPECT_EQ(got.first, r.expected.first);
    EXPECT_EQ(got.last, r.expected.last);
    EXPECT_EQ(got.tooMany, r.expected.tooMany);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LastDraws,
    ::testing::Values(Range{"all", 120, false, 0, {1, 120, false}},
                      Range{"last_ten", 120, true, 10, {111, 120, false}},
                      Range{"exactly_all", 120, true, 120, {1, 120, false}},
                      Range{"one_too_many", 120, true, 121, {1, 120, true}},
                      Range{"beyond_16_bits", 32767, true, 40000, {1, 32767, true}},
                      Range{"below_one", 120, true, -3, {1, 120, false}},
                      Range{"empty_history", 0, true, 1, {1, 0, true}}),
    [](const auto& info) { return std::string(info.param.label); });

struct Expected {
    const char* label;
    int statsmode;
    int ballsdrawn;
    int draws;
    int mainpool;
    int bonuspool;
    qint32 expected;
};

void PrintTo(const Expected& e, std::ostream* os) {
    *os << e.label;
}

class ExpectedCount : public ::testing::TestWithParam<Expected> {};

TEST_P(ExpectedCount, RoundsHalvesToEvenAndIsAtLeastOne) {
    const Expected& e = GetParam();
    EXPECT_EQ(expectedDraws(e.statsmode, e.ballsdrawn, e.draws, e.mainpool, e.bonuspool),
              e.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ExpectedCount,
                         ::testing::Values(Expected{"main_6_of_49", 1, 6, 120, 49, 0, 15},
                                           Expected{"main_and_extra", 2, 6, 120, 49, 0, 17},
                                           Expected{"last_ten", 1, 6, 10, 49, 0, 1},
                                           Expected{"own_pool_half_rounds_to_zero", 4, 5, 13, 39,
                                                    26, 1},
                                           Expected{"extra_from_main", 4, 6, 100, 49, 0, 2},
                                           Expected{"half_down_to_even", 4, 6, 5, 49, 2, 2},
                                           Expected{"half_up_to_even", 4, 6, 7, 49, 2, 4},
                                           Expected{"past_16_bits", 1, 7, 32767, 65, 0, 3529},
                                           Expected{"no_draws", 1, 6, 0, 49, 0, 1},
                                           Expected{"other_mode", 3, 6, 120, 49, 0, 1}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(BallFigures, CountTheBallAndFindItsLastDraw) {
    const auto three = ballFigures(history(), 1, 4, 3, 1);
    ASSERT_TRUE(three.has_value());
    EXPECT_EQ(three->timesDrawn, 4);
    EXPECT_EQ(three->lastRecord, 4);
    EXPECT_EQ(three->day, 4);
    // Both as a main number and as the extra; the later of the two is the last.
    const auto two = ballFigures(history(), 1, 4, 2, 2);
    EXPECT_EQ(two->timesDrawn, 3);
    EXPECT_EQ(two->lastRecord, 2);
    // The extra only.
    const auto extraTwo = ballFigures(history(), 1, 4, 2, 4);
    EXPECT_EQ(extraTwo->timesDrawn, 1);
    EXPECT_EQ(extraTwo->lastRecord, 2);
    // Outside the range looked at.
    const auto early = ballFigures(history(), 3, 4, 2, 1);
    EXPECT_EQ(early->timesDrawn, 0);
    EXPECT_EQ(early->lastRecord, 0);
}

TEST(BallFigures, AValueOutside0To65RefusesTheFile) {
    const DrawImage high(fixture::draw(1, 1, 1, 3, 2012, {1, 66, 3}, 1));
    EXPECT_FALSE(ballFigures(high, 1, 1, 1, 1));
    const DrawImage extra(fixture::draw(1, 1, 1, 3, 2012, {1, 2, 3}, -1));
    EXPECT_FALSE(ballFigures(extra, 1, 1, 1, 4));
    // A position the window does not count is not looked at.
    EXPECT_TRUE(ballFigures(extra, 1, 1, 1, 1));
}

TEST(Labels, BallsCardsAndDates) {
    EXPECT_EQ(barLabel(7, false), QStringLiteral(" 7"));
    EXPECT_EQ(barLabel(7, true), QStringLiteral("QH"));
    EXPECT_EQ(cardcaption(1), QStringLiteral("Ace Spades"));
    EXPECT_EQ(cardcaption(7), QStringLiteral("Queen Hearts"));
    EXPECT_EQ(cardcaption(16), QStringLiteral("Jack Clubs"));
    EXPECT_EQ(cardcaption(0), QString());
    EXPECT_EQ(cardcaption(17), QString());
    EXPECT_EQ(lastDrawnText(5, 3, 2012, "MMDDYY"), QStringLiteral("Mar 5 2012"));
    EXPECT_EQ(lastDrawnText(5, 3, 2012, "DDMMYY"), QStringLiteral("5 Mar 2012"));
    EXPECT_EQ(lastDrawnText(5, 3, 2012, "YYMMDD"), QStringLiteral("2012 Mar 5"));
}
