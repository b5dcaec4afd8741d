// The Pick statistics: times drawn in a date range, the numbers each mode lists, their lines and
// the distribution of their digit sums.
#include <numeric>

#include <gtest/gtest.h>

#include "pick34/logic/pickstats.h"
#include "pickbytes.h"

using namespace fixture;

namespace {

// Five Pick 3 draws from 1 to 5 March 2012; 123 twice, 321 once, 000 once, 999 once.
PickImage fiveDraws() {
    return PickImage(pick(5, 1, 1, 3, 2012, {1, 2, 3}) + pick(0, 2, 2, 3, 2012, {3, 2, 1}) +
                     pick(0, 3, 3, 3, 2012, {1, 2, 3}) + pick(0, 4, 4, 3, 2012, {0, 0, 0}) +
                     pick(0, 5, 5, 3, 2012, {9, 9, 9}));
}

int total(const std::vector<double>& totals) {
    return static_cast<int>(std::accumulate(totals.begin(), totals.end(), 0.0));
}

}  // namespace

TEST(PickStatsExpand, ZeroPaddedToTheGamesDigits) {
    EXPECT_EQ(expand3(0), QStringLiteral("000"));
    EXPECT_EQ(expand3(9), QStringLiteral("009"));
    EXPECT_EQ(expand3(12), QStringLiteral("012"));
    EXPECT_EQ(expand3(999), QStringLiteral("999"));
    EXPECT_EQ(expand4(7), QStringLiteral("0007"));
    EXPECT_EQ(expand4(99), QStringLiteral("0099"));
    EXPECT_EQ(expand4(100), QStringLiteral("0100"));
    EXPECT_EQ(expand4(9999), QStringLiteral("9999"));
}

TEST(PickStatsCounts, DrawsOfTheRangeBothEndsIncluded) {
    struct Case {
        qint32 from;
        qint32 to;
        int n123;
        int n321;
        int n999;
    };
    const Case cases[] = {
        {20120301, 20120305, 2, 1, 1},
        {20120302, 20120302, 0, 1, 0},
        {20120303, 20120305, 1, 0, 1},
        {20120306, 20121231, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const std::vector<int> counts = numberCounts(fiveDraws(), 3, c.from, c.to);
        ASSERT_EQ(counts.size(), 1000u);
        EXPECT_EQ(counts[123], c.n123) << c.from;
        EXPECT_EQ(counts[321], c.n321) << c.from;
        EXPECT_EQ(counts[999], c.n999) << c.from;
    }
}

TEST(PickStatsCounts, ADigitOutsideZeroToNineNamesNoNumber) {
    const PickImage draws(pick(3, 1, 1, 3, 2012, {1, 12, 3}) + pick(0, 2, 2, 3, 2012, {-1, 0, 0}) +
                          pick(0, 3, 3, 3, 2012, {4, 5, 6}));
    const std::vector<int> counts = numberCounts(draws, 3, 0, 99999999);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 1);
    EXPECT_EQ(counts[456], 1);

    const PickImage four(pick(2, 1, 1, 3, 2012, {1, 2, 3, 4}) +
                         pick(0, 2, 2, 3, 2012, {1, 2, 3, 10}));
    const std::vector<int> fourCounts = numberCounts(four, 4, 0, 99999999);
    ASSERT_EQ(fourCounts.size(), 10000u);
    EXPECT_EQ(std::accumulate(fourCounts.begin(), fourCounts.end(), 0), 1);
    EXPECT_EQ(fourCounts[1234], 1);
}

TEST(PickStatsModes, WhichNumbersEachModeLists) {
    const std::vector<int> counts = numberCounts(fiveDraws(), 3, 20120301, 20120305);
    EXPECT_EQ(listedNumbers(counts, StatsMode::All, 0).size(), 1000u);
    EXPECT_EQ(listedNumbers(counts, StatsMode::Zero, 0).size(), 996u);
    EXPECT_EQ(listedNumbers(counts, StatsMode::Specified, 0).size(), 1000u);
    EXPECT_EQ(listedNumbers(counts, StatsMode::Specified, 1), (std::vector<int>{0, 123, 321, 999}));
    EXPECT_EQ(listedNumbers(counts, StatsMode::Specified, 2), (std::vector<int>{123}));
    EXPECT_EQ(listedNumbers(counts, StatsMode::Specified, 1.5), (std::vector<int>{123}));
    EXPECT_TRUE(listedNumbers(counts, StatsMode::Specified, 3).empty());
    EXPECT_TRUE(listedNumbers(counts, StatsMode::None, 0).empty());
}

TEST(PickStatsLines, NumberDrawnTimesOrNoMatches) {
    std::vector<int> counts(1000);
    counts[12] = 5;
    counts[7] = 1;
    EXPECT_EQ(numberLines({7, 12}, counts, 3),
              QStringList({"007 Drawn 1 Times", "012 Drawn 5 Times"}));
    EXPECT_EQ(numberLines({}, counts, 3), QStringList({"No Matches"}));
    std::vector<int> fourCounts(10000);
    fourCounts[12] = 3;
    EXPECT_EQ(numberLines({12, 9999}, fourCounts, 4),
              QStringList({"0012 Drawn 3 Times", "9999 Drawn 0 Times"}));
}

TEST(PickStatsSums, TotalsPerDigitSumInEachMode) {
    const std::vector<int> counts = numberCounts(fiveDraws(), 3, 20120301, 20120305);
    const std::vector<int> all = listedNumbers(counts, StatsMode::All, 0);

    const std::vector<double> drawn = sumTotals(all, counts, 3, StatsMode::All);
    ASSERT_EQ(drawn.size(), 28u);
    EXPECT_EQ(total(drawn), 5);  // every draw of the range
    EXPECT_EQ(drawn[6], 3);      // 123 twice, 321 once
    EXPECT_EQ(drawn[0], 1);
    EXPECT_EQ(drawn[27], 1);

    const std::vector<double> specified =
        sumTotals(listedNumbers(counts, StatsMode::Specified, 2), counts, 3, StatsMode::Specified);
    EXPECT_EQ(total(specified), 2);
    EXPECT_EQ(specified[6], 2);

    // Zero: how many never-drawn numbers have each sum; sum 0 has only 000, which was drawn.
    const std::vector<double> never =
        sumTotals(listedNumbers(counts, StatsMode::Zero, 0), counts, 3, StatsMode::Zero);
    EXPECT_EQ(total(never), 996);
    EXPECT_EQ(never[0], 0);
    EXPECT_EQ(never[1], 3);
    EXPECT_EQ(never[6], 28 - 2);  // 28 numbers have digit sum 6; 123 and 321 were drawn

    const std::vector<double> four =
        sumTotals({9999, 1}, std::vector<int>(10000), 4, StatsMode::Zero);
    ASSERT_EQ(four.size(), 37u);
    EXPECT_EQ(four[36], 1);
    EXPECT_EQ(four[1], 1);
    EXPECT_EQ(total(sumTotals({}, counts, 3, StatsMode::All)), 0);
    EXPECT_EQ(sumLabel(0), QStringLiteral(" 0"));
    EXPECT_EQ(sumLabel(27), QStringLiteral(" 27"));
}

TEST(PickStatsRange, FirstAndLastRealDates) {
    auto [from, to] = drawDateRange(fiveDraws());
    EXPECT_EQ(from, QDate(2012, 3, 1));
    EXPECT_EQ(to, QDate(2012, 3, 5));

    // 31 February and an empty date do not convert; the nearest real ones are taken.
    const PickImage odd(pick(4, 1, 31, 2, 2012, {1, 2, 3}) + pick(0, 2, 2, 3, 2012, {3, 2, 1}) +
                        pick(0, 3, 4, 3, 2012, {3, 2, 1}) + pick(0, 4, 0, 0, 0, {1, 1, 1}));
    std::tie(from, to) = drawDateRange(odd);
    EXPECT_EQ(from, QDate(2012, 3, 2));
    EXPECT_EQ(to, QDate(2012, 3, 4));

    std::tie(from, to) = drawDateRange(PickImage());
    EXPECT_FALSE(from.isValid());
    EXPECT_FALSE(to.isValid());
}
