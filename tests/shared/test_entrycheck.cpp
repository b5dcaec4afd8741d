// The one classifier of an entry against a draw.
#include <gtest/gtest.h>

#include "shared/entrycheck.h"

namespace {

PrizeLevels only(std::initializer_list<int> levels) {
    PrizeLevels p{};
    for (int k : levels) {
        p[static_cast<std::size_t>(k)] = 1;
    }
    return p;
}

PrizeLevels all() {
    PrizeLevels p{};
    for (int k = 1; k <= 15; ++k) {
        p[static_cast<std::size_t>(k)] = 1;
    }
    return p;
}

struct LevelCase {
    int matches;
    bool hit;
    int level;  // with every level counted
};

class FirstLevel : public ::testing::TestWithParam<LevelCase> {};

TEST_P(FirstLevel, WithEveryLevelCountedTheBestConditionWins) {
    const LevelCase c = GetParam();
    EXPECT_EQ(firstLevel(c.matches, c.hit, all()), c.level);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, FirstLevel,
    ::testing::Values(LevelCase{7, false, 1}, LevelCase{7, true, 1}, LevelCase{6, true, 2},
                      LevelCase{6, false, 3}, LevelCase{5, true, 4}, LevelCase{5, false, 5},
                      LevelCase{4, true, 6}, LevelCase{4, false, 7}, LevelCase{3, true, 8},
                      LevelCase{3, false, 9}, LevelCase{2, true, 10}, LevelCase{2, false, 11},
                      LevelCase{1, true, 12}, LevelCase{1, false, 13}, LevelCase{0, true, 14},
                      LevelCase{0, false, 15}),
    [](const ::testing::TestParamInfo<LevelCase>& info) {
        return "Matches" + std::to_string(info.param.matches) + (info.param.hit ? "WithExtra" : "");
    });

TEST(FirstLevelCounted, AnUncountedPlusLevelFallsThroughToThePlainOne) {
    EXPECT_EQ(firstLevel(6, true, only({3})), 3);
    EXPECT_EQ(firstLevel(5, true, only({5, 9})), 5);
}

TEST(FirstLevelCounted, NoMatchWithTheExtraWinsOnlyLevelFourteen) {
    EXPECT_EQ(firstLevel(0, true, only({14})), 14);
    EXPECT_EQ(firstLevel(0, true, only({15})), 0);
    EXPECT_EQ(firstLevel(0, false, only({14})), 0);
}

TEST(FirstLevelCounted, OnlyTheFlagValueOneCounts) {
    PrizeLevels p{};
    p[3] = 2;
    EXPECT_EQ(firstLevel(6, false, p), 0);
    EXPECT_TRUE(anyLevelCounts(p));
    EXPECT_FALSE(anyLevelCounts(PrizeLevels{}));
}

TEST(CountMatches, ComparesOnlyTheGivenPositionsAndNeverMatchesUnusedOnes) {
    const MainNumbers draw = {1, 5, 12, 23, 34, 45, 0};
    EXPECT_EQ(countMatches({1, 5, 12, 23, 34, 45, 0}, draw, 6), 6);
    EXPECT_EQ(countMatches({1, 5, 12, 23, 34, 45, 0}, draw, 7), 6);
    EXPECT_EQ(countMatches({45, 2, 3, 4, 0, 0, 0}, draw, 6), 1);
    EXPECT_EQ(countMatches({45, 2, 3, 4, 0, 0, 0}, draw, 4), 0);  // 45 is the draw's sixth ball
}

TEST(CountMatches, NumbersEitherSideOfSixtyFourMatchOnlyThemselves) {
    // Entries of a 65-ball game at the pool's ends and around 64.
    struct Case {
        MainNumbers entry;
        MainNumbers draw;
        int matches;
    };
    for (const Case& c : {
             Case{{1, 63, 64, 10, 20, 30, 0}, {1, 63, 64, 40, 41, 42, 0}, 3},
             Case{{1, 63, 64, 10, 20, 30, 0}, {1, 63, 65, 40, 41, 42, 0}, 2},
             Case{{1, 63, 65, 10, 20, 30, 0}, {1, 63, 64, 40, 41, 42, 0}, 2},
             Case{{2, 64, 65, 12, 22, 32, 0}, {64, 65, 40, 41, 42, 43, 0}, 2},
             Case{{65, 3, 4, 5, 6, 7, 0}, {62, 64, 63, 1, 2, 8, 0}, 0},
             Case{{65, 3, 4, 5, 6, 7, 0}, {7, 6, 5, 4, 3, 65, 0}, 6},
         }) {
        EXPECT_EQ(countMatches(c.entry, c.draw, 6), c.matches) << c.entry[0] << " " << c.draw[0];
    }
    // The extra from the main pool, at 64 and 65.
    EXPECT_TRUE(extraHit({1, 63, 65, 10, 20, 30, 0}, 0, 65, 6, ExtraRule::MainPool));
    EXPECT_FALSE(extraHit({1, 63, 64, 10, 20, 30, 0}, 0, 65, 6, ExtraRule::MainPool));
    EXPECT_FALSE(extraHit({1, 63, 65, 10, 20, 30, 0}, 0, 64, 6, ExtraRule::MainPool));
}

TEST(ExtraHit, FollowsThePoolTheExtraIsDrawnFrom) {
    const MainNumbers entry = {3, 9, 17, 30, 41, 0, 0};
    EXPECT_TRUE(extraHit(entry, 7, 7, 5, ExtraRule::OwnPool));
    EXPECT_FALSE(extraHit(entry, 8, 7, 5, ExtraRule::OwnPool));
    EXPECT_TRUE(extraHit(entry, 0, 30, 5, ExtraRule::MainPool));
    EXPECT_FALSE(extraHit(entry, 30, 31, 5, ExtraRule::MainPool));
    EXPECT_FALSE(extraHit(entry, 7, 7, 5, ExtraRule::None));
    // A draw without an extra number hits nothing, even against an entry without one.
    EXPECT_FALSE(extraHit(entry, 0, 0, 5, ExtraRule::OwnPool));
}

TEST(CheckEntry, GivesMatchesHitAndLevelTogether) {
    const EntryCheck r = checkEntry({1, 5, 12, 23, 34, 40, 0}, 0, {1, 5, 12, 23, 34, 45, 0}, 40, 6,
                                    ExtraRule::MainPool, all());
    EXPECT_EQ(r.matches, 5);
    EXPECT_TRUE(r.extraHit);
    EXPECT_EQ(r.level, 4);
}

}  // namespace
