// The band of totals the sum filter keeps, by numbers per entry and slider position.
#include <gtest/gtest.h>

#include "entries/logic/sumband.h"
#include "support/bytes.h"

namespace {

struct Band {
    const char* label;
    int pool, k, slider;
    int lowest, highest, middle, lower, upper;
};

void PrintTo(const Band& b, std::ostream* os) {
    *os << b.label;
}

}  // namespace

class SumBands : public ::testing::TestWithParam<Band> {};

TEST_P(SumBands, FollowTheTableWithHalvesToEven) {
    const Band& b = GetParam();
    const std::optional<SumRange> range = sumRange(b.pool, b.k);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->lowest, b.lowest);
    EXPECT_EQ(range->highest, b.highest);
    EXPECT_EQ(range->middle, b.middle);
    const std::optional<SumBand> band = sumBand(b.pool, b.k, b.slider);
    ASSERT_TRUE(band);
    EXPECT_EQ(band->lower, b.lower);
    EXPECT_EQ(band->upper, b.upper);
}

INSTANTIATE_TEST_SUITE_P(Games, SumBands,
                         ::testing::Values(
                             // 85.5 -> 86 and 214.5 -> 214: halves go to the even neighbour.
                             Band{"six_from_49_slider1", 49, 6, 1, 21, 279, 150, 86, 214},
                             Band{"six_from_49_slider5", 49, 6, 5, 21, 279, 150, 126, 174},
                             Band{"five_from_40", 40, 5, 1, 15, 190, 102, 58, 146},
                             Band{"five_from_40_slider3", 40, 5, 3, 15, 190, 102, 78, 126},
                             Band{"four_from_20", 20, 4, 1, 10, 74, 42, 26, 58},
                             Band{"seven_from_35", 35, 7, 1, 28, 224, 125, 76, 174},
                             Band{"seven_from_35_slider2", 35, 7, 2, 28, 224, 125, 86, 164},
                             // The 3-number row in line with the others: lowest 6, highest 3P - 3.
                             Band{"three_from_36", 36, 3, 1, 6, 105, 55, 30, 80},
                             Band{"three_from_10_slider5_is_empty", 10, 3, 5, 6, 27, 16, 51, -18}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(SumBand, EmptyBandHoldsNoTotalAndOtherCountsHaveNone) {
    const SumBand empty = *sumBand(10, 3, 5);
    for (int total = -50; total <= 100; ++total) {
        EXPECT_FALSE(empty.holds(total)) << total;
    }
    EXPECT_TRUE(sumBand(49, 6, 1)->holds(86));
    EXPECT_TRUE(sumBand(49, 6, 1)->holds(214));
    EXPECT_FALSE(sumBand(49, 6, 1)->holds(85));
    EXPECT_FALSE(sumBand(49, 6, 1)->holds(215));
    EXPECT_FALSE(sumRange(49, 2));
    EXPECT_FALSE(sumRange(49, 8));
}

TEST(SumBand, TotalIsOfTheFirstKNumbers) {
    const DrawRecord r = DrawRecord::fromBytes(fixture::entry(0, {1, 2, 3, 4, 5, 6, 7}, 40));
    EXPECT_EQ(entryTotal(r, 3), 6);
    EXPECT_EQ(entryTotal(r, 6), 21);
    EXPECT_EQ(entryTotal(r, 7), 28);
}
