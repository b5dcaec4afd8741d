// The label after a winning line and the fanfare, level by level.
#include <gtest/gtest.h>

#include "shared/winninglines.h"

namespace {

struct LevelCase {
    int level;
    const char* label;
    // The ball counts whose fanfare it plays: with an extra of its own pool, and without one.
    int fanfareOwnPool;  // 0 = never, -1 = always
    int fanfareMainPool;
};

class WinningLine : public ::testing::TestWithParam<LevelCase> {};

TEST_P(WinningLine, LabelAndFanfare) {
    const LevelCase c = GetParam();
    EXPECT_EQ(winningLineLabel(c.level, QStringLiteral("PB")), QString::fromLatin1(c.label));
    for (int balls = 3; balls <= 7; ++balls) {
        const bool own = c.fanfareOwnPool == -1 || c.fanfareOwnPool == balls;
        const bool main = c.fanfareMainPool == -1 || c.fanfareMainPool == balls;
        EXPECT_EQ(playsFanfare(c.level, balls, 26), own) << balls << " balls, own pool";
        EXPECT_EQ(playsFanfare(c.level, balls, 0), main) << balls << " balls, no own pool";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Levels, WinningLine,
    ::testing::Values(LevelCase{1, "(7)", -1, -1}, LevelCase{2, "(6+PB)", 6, 6},
                      LevelCase{3, "(6)", 0, 6}, LevelCase{4, "(5+PB)", 5, 5},
                      LevelCase{5, "(5)", 0, 5}, LevelCase{6, "(4+PB)", 4, 4},
                      LevelCase{7, "(4)", 0, 4}, LevelCase{8, "(3+PB)", 3, 3},
                      LevelCase{9, "(3)", 0, 0}, LevelCase{10, "(2+PB)", 0, 0},
                      LevelCase{11, "(2)", 0, 0}, LevelCase{12, "(1+PB)", 0, 0},
                      LevelCase{13, "(1)", 0, 0}, LevelCase{14, "(0+PB)", 0, 0},
                      LevelCase{15, "(0)", 0, 0}, LevelCase{0, "", 0, 0}, LevelCase{16, "", 0, 0}));

TEST(WinningLine, TheLabelCarriesTheGamesOwnId) {
    EXPECT_EQ(winningLineLabel(4, QStringLiteral("MB")), QStringLiteral("(5+MB)"));
    EXPECT_EQ(winningLineLabel(14, QStringLiteral("XY")), QStringLiteral("(0+XY)"));
}

}  // namespace
