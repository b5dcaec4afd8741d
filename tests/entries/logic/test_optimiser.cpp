// The optimiser's pair counts, its best partner with ties and exclusions, and the chained
// entries on small histories whose pairs are known.
#include <gtest/gtest.h>

#include "entries/logic/optimiser.h"
#include "support/bytes.h"

using namespace optimiser;

namespace {

// A 3-number game from 1..7 whose extra comes from its own pool of 8; 7 was never drawn.
const Game kGame{7, 3, true, 8};

DrawImage history() {
    return DrawImage(fixture::draw(3, 1, 1, 3, 2012, {1, 2, 3}, 7) +
                     fixture::draw(0, 2, 2, 3, 2012, {1, 2, 4}, 8) +
                     fixture::draw(0, 3, 3, 3, 2012, {2, 5, 6}, 7));
}

Entry entry(std::initializer_list<qint16> balls, qint16 extra) {
    Entry e;
    std::copy(balls.begin(), balls.end(), e.balls.begin());
    e.extra = extra;
    return e;
}

}  // namespace

TEST(PairCounts, CountDrawsInWhichTwoNumbersStoodTogether) {
    const auto c = countPairs(history(), 1, 3, kGame);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->link(1, 2), 2);
    EXPECT_EQ(c->link(2, 1), 2);
    EXPECT_EQ(c->link(2, 6), 1);
    EXPECT_EQ(c->link(1, 5), 0);
    EXPECT_EQ(c->link(2, 2), 0);
    EXPECT_EQ(c->extraLink(2, 7), 2);
    EXPECT_EQ(c->extraLink(4, 8), 1);
    // The last draw only.
    const auto last = countPairs(history(), 3, 3, kGame);
    EXPECT_EQ(last->link(1, 2), 0);
    EXPECT_EQ(last->link(5, 6), 1);
}

TEST(PairCounts, TheBestExtraComesFromTheExtrasOwnPoolAndIsNeverZero) {
    const auto c = countPairs(history(), 1, 3, kGame);
    EXPECT_EQ(c->bestExtra(1), 7);  // 7 and 8 once each: the lower
    EXPECT_EQ(c->bestExtra(4), 8);  // above the main pool of 7
    // Draws entered without their extra: the extra drawn most often in the range, else 1.
    const DrawImage someMissing(fixture::draw(2, 1, 1, 3, 2012, {1, 2, 3}, 0) +
                                fixture::draw(0, 2, 2, 3, 2012, {4, 5, 6}, 5));
    EXPECT_EQ(countPairs(someMissing, 1, 2, kGame)->bestExtra(1), 5);
    const DrawImage allMissing(fixture::draw(1, 1, 1, 3, 2012, {1, 2, 3}, 0));
    EXPECT_EQ(countPairs(allMissing, 1, 1, kGame)->bestExtra(1), 1);
    // A game whose entries hold no extra has none.
    EXPECT_EQ(countPairs(history(), 1, 3, Game{7, 3, false, 7})->bestExtra(1), 0);
}

TEST(PairCounts, ANumberOutside0To65RefusesTheFile) {
    const DrawImage high(fixture::draw(1, 1, 1, 3, 2012, {1, 66, 3}, 1));
    EXPECT_FALSE(countPairs(high, 1, 1, kGame));
    const DrawImage extra(fixture::draw(1, 1, 1, 3, 2012, {1, 2, 3}, -4));
    EXPECT_FALSE(countPairs(extra, 1, 1, kGame));
    // Positions past the entry's size and an extra the game does not use are not looked at.
    const DrawImage unused(fixture::draw(1, 1, 1, 3, 2012, {1, 2, 3, 99}, 99));
    EXPECT_TRUE(countPairs(unused, 1, 1, Game{7, 3, false, 7}));
}

struct Best {
    const char* label;
    int row;
    std::array<int, 6> exclude;
    int expected;
};

void PrintTo(const Best& b, std::ostream* os) {
    *os << b.label;
}

class GetBestFor : public ::testing::TestWithParam<Best> {};

TEST_P(GetBestFor, TakesTheLowestOfTheStrongestPartners) {
    const auto c = countPairs(history(), 1, 3, kGame);
    EXPECT_EQ(getBestFor(*c, kGame.mainpool, GetParam().row, GetParam().exclude),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Partners, GetBestFor,
    ::testing::Values(Best{"strongest", 1, {}, 2}, Best{"tie_lowest_wins", 2, {1}, 3},
                      Best{"tie_of_two", 3, {}, 1}, Best{"excluded_skipped", 6, {5}, 2},
                      Best{"all_excluded", 5, {2, 6}, 0}, Best{"never_drawn", 7, {}, 0},
                      Best{"row_not_excluded_by_itself", 2, {}, 1}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Chain, FollowsTheStrongestLinkFromNumberToNumber) {
    const auto c = countPairs(history(), 1, 3, kGame);
    // 1 -> 2 -> 3; 2 and 3 lead to the same numbers; 4, 5, 6 end on 1 and 2; 7 starts none.
    const std::vector<Entry> expected{entry({1, 2, 3}, 7), entry({1, 2, 4}, 8), entry({1, 2, 5}, 7),
                                      entry({1, 2, 6}, 7)};
    EXPECT_EQ(chainEntries(*c, kGame), expected);
}

TEST(Chain, OneDrawGivesExactlyThatDrawOnce) {
    for (int size : {3, 6, 7}) {
        std::initializer_list<int> all{3, 9, 14, 20, 27, 31, 40};
        std::vector<int> drawn(all.begin(), all.begin() + size);
        QByteArray record = fixture::draw(1, 1, 1, 3, 2012, {}, 2);
        for (int i = 0; i < size; ++i) {
            record.replace(12 + 2 * i, 2, fixture::le16(drawn[static_cast<std::size_t>(i)]));
        }
        const Game game{45, size, false, 45};
        const auto c = countPairs(DrawImage(record), 1, 1, game);
        const std::vector<Entry> made = chainEntries(*c, game);
        ASSERT_EQ(made.size(), 1u) << size;
        EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), made[0].balls.begin())) << size;
        EXPECT_EQ(made[0].balls[static_cast<std::size_t>(size) - 1], drawn.back());
        EXPECT_EQ(made[0].extra, 0);
    }
}

struct Last {
    const char* label;
    int count;
    double n;
    std::optional<int> first;
};

void PrintTo(const Last& l, std::ostream* os) {
    *os << l.label;
}

class ProcessRange : public ::testing::TestWithParam<Last> {};

TEST_P(ProcessRange, StartsAtTheLastNDraws) {
    EXPECT_EQ(firstOfLast(GetParam().count, GetParam().n), GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProcessRange,
    ::testing::Values(Last{"latest_only", 10, 1, 10}, Last{"whole_history", 10, 10, 1},
                      Last{"zero", 10, 0, std::nullopt}, Last{"too_many", 10, 11, std::nullopt},
                      Last{"half_to_even_down", 10, 3.5, 8}, Last{"half_to_even_up", 10, 2.5, 8},
                      Last{"no_draws", 0, 1, std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });
