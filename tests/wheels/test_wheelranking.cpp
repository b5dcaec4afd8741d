// The suggested numbers: ranking by times drawn with its tie order, and the random top-up.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "shared/drawrecord.h"
#include "support/bytes.h"
#include "wheels/logic/wheelranking.h"
#include "wheels_helpers.h"

using namespace fixture;
using wheels::rankByTimesDrawn;
using wheels::topUpSuggestions;

namespace {

// A results history whose record 1 counts `records`.
DrawImage history(std::initializer_list<std::initializer_list<int>> draws, int extra = 0) {
    QByteArray bytes;
    int r = 0;
    for (const auto& balls : draws) {
        ++r;
        bytes += draw(r == 1 ? static_cast<long>(draws.size()) : 0, r, 1, 1, 2012, balls, extra);
    }
    return DrawImage(bytes);
}

}  // namespace

TEST(WheelRanking, MostOftenDrawnFirstAndEqualCountsLowestFirst) {
    const DrawImage h = history({{30, 12, 5, 40, 2}, {5, 30, 12, 41, 3}, {5, 9, 8, 7, 6}});
    const std::vector<qint16> expected{5, 12, 30, 2, 3, 6, 7, 8, 9, 40, 41};
    EXPECT_EQ(rankByTimesDrawn(h, 5), expected);
}

TEST(WheelRanking, OnlyMainPositionsUpToKCountNeverTheExtraOrOutsideNumbers) {
    // The sixth position and the extra ball hold 50 in every draw; 150 and -3 lie outside.
    const DrawImage h = history({{1, 2, 3, 4, 150, 50}, {1, 2, 3, 4, -3, 50}}, 50);
    const std::vector<qint16> expected{1, 2, 3, 4};
    EXPECT_EQ(rankByTimesDrawn(h, 5), expected);
    EXPECT_EQ(rankByTimesDrawn(h, 6).back(), 50);
}

TEST(WheelRanking, KeepsTheTwentyFourMostDrawnAndBreaksATieAtTheLastPlaceByNumber) {
    // 23 numbers drawn twice, then 12 and 30 once each: 12 takes the 24th place, 30 is dropped.
    std::vector<int> twice;
    for (int v = 1; v <= 23; ++v)
        twice.push_back(v == 12 ? 40 : v);
    QByteArray bytes;
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < twice.size(); i += 6)
            bytes += draw(
                0, 0, 1, 1, 2012,
                {twice[i], twice[i + 1], twice[i + 2], i + 3 < twice.size() ? twice[i + 3] : 0,
                 i + 4 < twice.size() ? twice[i + 4] : 0, i + 5 < twice.size() ? twice[i + 5] : 0},
                0);
    bytes += draw(0, 0, 1, 1, 2012, {30, 12}, 0);
    bytes.replace(0, 4, le32(static_cast<long>(bytes.size() / 28)));
    const std::vector<qint16> ranked = rankByTimesDrawn(DrawImage(bytes), 6);
    ASSERT_EQ(ranked.size(), 24u);
    EXPECT_EQ(ranked[0], 1);
    EXPECT_EQ(ranked[22], 40);
    EXPECT_EQ(ranked[23], 12);
}

TEST(WheelRanking, NoDrawsRanksNothing) {
    EXPECT_TRUE(rankByTimesDrawn(DrawImage(), 6).empty());
    // A count past the records the file holds adds only empty positions.
    EXPECT_TRUE(rankByTimesDrawn(DrawImage(entry(500, {})), 6).empty());
}

TEST(WheelTopUp, RankedStayAndRandomNumbersAreNewAndWithinThePool) {
    // 0.0 gives 1 (ranked already), so it is drawn again; 0.5 gives 21, 0.99 gives 40; then
    // 2..23, where 7 and 21 are drawn again.
    std::vector<double> script{0.0, 0.5, 0.99};
    for (int x = 2; x <= 23; ++x)
        script.push_back((x - 1) / 40.0 + 0.001);
    const wheels::Suggestions s = topUpSuggestions({1, 7}, 40, scriptedRandom(script));
    EXPECT_EQ(s[1], 1);
    EXPECT_EQ(s[2], 7);
    EXPECT_EQ(s[3], 21);
    EXPECT_EQ(s[4], 40);
    EXPECT_EQ(s[5], 2);
    std::set<int> distinct(s.begin() + 1, s.end());
    EXPECT_EQ(distinct.size(), 24u);
    EXPECT_EQ(*distinct.begin(), 1);
    EXPECT_EQ(*distinct.rbegin(), 40);
}

TEST(WheelTopUp, TwentyFourRankedAskNoRandomNumber) {
    std::vector<qint16> ranked;
    for (qint16 v = 24; v >= 1; --v)
        ranked.push_back(v);
    const wheels::Suggestions s = topUpSuggestions(ranked, 39, scriptedRandom({}));
    EXPECT_EQ(s[1], 24);
    EXPECT_EQ(s[24], 1);
}

TEST(WheelTopUp, StopsWhenThePoolIsUsedUp) {
    int asked = 0;
    const wheels::Suggestions s = topUpSuggestions({3, 9}, 10, [&asked] {
        return (asked++ % 10) / 10.0;  // 1, 2, .. 10, 1, ..
    });
    std::set<int> filled(s.begin() + 1, s.begin() + 11);
    EXPECT_EQ(filled, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    for (int p = 11; p <= 24; ++p)
        EXPECT_EQ(s[static_cast<std::size_t>(p)], 0) << p;
    EXPECT_EQ(topUpSuggestions({}, 0, scriptedRandom({}))[1], 0) << "no pool, no numbers";
}

TEST(WheelTopUp, RandomNumberNeverPassesItsRange) {
    EXPECT_EQ(wheels::randomUpTo(5, 0.0), 1);
    EXPECT_EQ(wheels::randomUpTo(5, 0.2), 2);
    EXPECT_EQ(wheels::randomUpTo(5, 0.9999999999999), 5);
    EXPECT_EQ(wheels::randomUpTo(5, 1.0), 5);
}
