// The filter's marks on hand-made entry files, its list lines and the file Remove leaves.
#include <algorithm>
#include <bit>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include "entries/logic/entryfilter.h"
#include "entries/logic/sharedmarks.h"
#include "support/bytes.h"

namespace {

using Rows = std::vector<std::vector<int>>;

DrawImage image(const Rows& rows) {
    QByteArray bytes;
    long count = static_cast<long>(rows.size());
    for (const auto& row : rows) {
        QByteArray r = fixture::le32(count) + QByteArray(8, '\0');
        for (std::size_t i = 0; i < 7; ++i) {
            r += fixture::le16(i < row.size() ? row[i] : 0);
        }
        bytes += r + fixture::le16(0);
        count = 0;
    }
    return DrawImage(bytes);
}

std::vector<int> markedEntries(const FilterMarks& marks) {
    std::vector<int> out;
    for (std::size_t i = 0; i < marks.marked.size(); ++i) {
        if (marks.marked[i] != 0) {
            out.push_back(static_cast<int>(i + 1));
        }
    }
    return out;
}

FilterSettings shared(int k, int threshold) {
    FilterSettings s;
    s.pool = 49;
    s.k = k;
    s.shared = true;
    s.threshold = threshold;
    return s;
}

// The rule written out pair by pair, without bit sets and without the symmetry shortcut.
std::vector<std::uint8_t> naiveMarks(const Rows& rows, int threshold) {
    const std::size_t n = rows.size();
    std::vector<std::uint8_t> marked(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        if (marked[i] != 0) {
            continue;
        }
        for (std::size_t j = 0; j < n; ++j) {
            if (j == i || marked[j] != 0) {
                continue;
            }
            int same = 0;
            for (int a : rows[i]) {
                for (int b : rows[j]) {
                    same += a == b ? 1 : 0;
                }
            }
            if (same >= threshold) {
                marked[j] = 1;
            }
        }
    }
    return marked;
}

// The marking as it was done before the subset index, kept to hold the index to the same marks:
// every entry left unmarked against every later unmarked one, by bit sets.
int pairwiseMarks(const std::vector<NumberSet>& sets, int threshold,
                  std::vector<std::uint8_t>& marked) {
    const std::size_t n = sets.size();
    marked.resize(n, 0);
    int count = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (marked[i] != 0) {
            continue;
        }
        for (std::size_t j = i + 1; j < n; ++j) {
            if (marked[j] != 0) {
                continue;
            }
            const int shared = std::popcount(sets[i].bits[0] & sets[j].bits[0]) +
                               std::popcount(sets[i].bits[1] & sets[j].bits[1]);
            if (shared >= threshold) {
                marked[j] = 1;
                ++count;
            }
        }
    }
    return count;
}

}  // namespace

TEST(SharedMarks, ThresholdKMarksOnlyCopiesOfAnEarlierEntry) {
    const Rows rows{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {6, 5, 4, 3, 2, 1}, {1, 2, 3, 4, 5, 6}};
    const FilterMarks marks = runFilters(image(rows), shared(6, 6));
    EXPECT_EQ(markedEntries(marks), (std::vector<int>{3, 4}));
    EXPECT_EQ(marks.checkedcount, 2);
}

TEST(SharedMarks, ThresholdKMinusOneAlsoMarksThoseDifferingInOneNumber) {
    const Rows rows{
        {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 8, 9}, {1, 2, 3, 4, 8, 10}};
    const FilterMarks marks = runFilters(image(rows), shared(6, 5));
    // Entry 3 stays (4 shared with entry 1) and then marks entry 4.
    EXPECT_EQ(markedEntries(marks), (std::vector<int>{2, 4}));
}

TEST(SharedMarks, SumMarkedEntriesNeitherMarkNorAreMarked) {
    // Six from 49 at slider 1 keeps totals 86..214. Entry 1 totals 279: marked by the sum
    // filter, so it does not remove entry 2 (4 shared), which stays and marks entry 3.
    const Rows rows{{44, 45, 46, 47, 48, 49}, {44, 45, 46, 47, 1, 2}, {44, 45, 46, 47, 3, 4}};
    FilterSettings s = shared(6, 4);
    s.sum = true;
    s.slider = 1;
    const FilterMarks marks = runFilters(image(rows), s);
    EXPECT_EQ(markedEntries(marks), (std::vector<int>{1, 3}));
    EXPECT_EQ(marks.checkedcount, 2);
}

TEST(SharedMarks, SumFilterKeepsTheBandEndsAndMarksOutside) {
    // Totals 86 (kept), 85 (marked), 214 (kept), 215 (marked).
    const Rows rows{{1, 2, 3, 10, 30, 40},
                    {1, 2, 3, 10, 29, 40},
                    {30, 31, 35, 38, 39, 41},
                    {30, 31, 35, 38, 39, 42}};
    FilterSettings s;
    s.pool = 49;
    s.k = 6;
    s.sum = true;
    s.slider = 1;
    EXPECT_EQ(markedEntries(runFilters(image(rows), s)), (std::vector<int>{2, 4}));
}

TEST(SharedMarks, OnlyEntriesUpToTheCountAreFiltered) {
    QByteArray bytes = image({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}}).bytes();
    bytes += fixture::entry(0, {1, 2, 3, 4, 5, 6});  // past the count of 2
    const FilterMarks marks = runFilters(DrawImage(bytes), shared(6, 6));
    EXPECT_EQ(marks.marked.size(), 2u);
    EXPECT_EQ(marks.checkedcount, 1);
}

TEST(SharedMarks, NumbersEitherSideOfSixtyFourAndUpTo128AreTheirOwn) {
    // Only exact copies are marked: entries that differ in 64 and 65, or 127 and 128, are not.
    const Rows rows{{1, 63, 64},   {1, 63, 65},    {1, 64, 65},    {63, 64, 65},
                    {64, 65, 128}, {65, 127, 128}, {64, 127, 128}, {65, 64, 1},
                    {128, 65, 64}, {127, 128, 66}, {1, 2, 128},    {1, 2, 127}};
    FilterSettings s = shared(3, 3);
    s.pool = 128;
    EXPECT_EQ(markedEntries(runFilters(image(rows), s)), (std::vector<int>{8, 9}));
    // Two shared: {1, 63, 65} and {64, 65, 128} share only 65 with each other.
    const Rows two{{1, 63, 65}, {64, 65, 128}, {2, 63, 64}, {3, 64, 128}, {1, 65, 100}};
    s = shared(3, 2);
    s.pool = 128;
    EXPECT_EQ(markedEntries(runFilters(image(two), s)), (std::vector<int>{4, 5}));
}

TEST(SharedMarks, BitSetsAgreeWithThePairByPairRuleOnRandomFiles) {
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        const int k = 3 + round % 5;
        const int pool = round % 2 == 0 ? 12 : 65;  // few numbers: many shared; 65: two words
        Rows rows;
        for (int r = 0; r < 200; ++r) {
            std::vector<int> all(static_cast<std::size_t>(pool));
            std::iota(all.begin(), all.end(), 1);
            std::shuffle(all.begin(), all.end(), random);
            rows.emplace_back(all.begin(), all.begin() + k);
        }
        for (int threshold = std::max(1, k - 3); threshold <= k; ++threshold) {
            const DrawImage img = image(rows);
            std::vector<NumberSet> sets;
            for (int i = 1; i <= img.count(); ++i) {
                sets.push_back(numberSet(img.read(i), k));
            }
            std::vector<std::uint8_t> marked;
            std::vector<int> seen;
            markShared(sets, threshold, marked, [&](int i) { seen.push_back(i); });
            EXPECT_EQ(marked, naiveMarks(rows, threshold)) << "k " << k << " d " << threshold;
            EXPECT_EQ(seen.size(), rows.size());
            EXPECT_EQ(seen.back(), 200);
        }
    }
}

TEST(SharedMarks, TheSubsetIndexMarksWhatThePairwiseRoutineMarked) {
    // Random files of every game size at every threshold, with copies and near copies of earlier
    // entries, damaged entries (zeros, repeats, numbers below 1 or past 128, numbers of the
    // second word) and entries the sum filter marked already.
    std::mt19937 random(30);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 40; ++round) {
        const int k = 3 + round % 5;
        const int pool = std::array{9, 15, 49, 65, 128}[static_cast<std::size_t>(round % 5)];
        std::vector<DrawRecord> file;
        for (int r = 0; r < 300; ++r) {
            DrawRecord e;
            const int kind = pick(0, 9);
            if (kind <= 2 && !file.empty()) {
                // A copy of an earlier entry, one or two numbers changed or in another order.
                e = file[static_cast<std::size_t>(pick(0, static_cast<int>(file.size()) - 1))];
                for (int c = pick(0, 2); c > 0; --c) {
                    e.balls[static_cast<std::size_t>(pick(0, k - 1))] =
                        static_cast<qint16>(pick(1, pool));
                }
                std::shuffle(e.balls.begin(), e.balls.begin() + k, random);
            } else {
                for (int i = 0; i < 7; ++i) {
                    const int roll = pick(0, 99);
                    e.balls[static_cast<std::size_t>(i)] = static_cast<qint16>(
                        kind == 9 && roll < 40
                            ? std::array{0, -5, 129, 300, 64, 65,
                                         128}[static_cast<std::size_t>(pick(0, 6))]
                            : pick(1, pool));
                }
                if (kind == 8) {
                    e.balls[1] = e.balls[0];  // a number twice in one entry
                }
            }
            file.push_back(e);
        }
        std::vector<NumberSet> sets;
        for (const DrawRecord& e : file) {
            sets.push_back(numberSet(e, k));
        }
        std::vector<std::uint8_t> premarked(file.size(), 0);
        for (std::uint8_t& m : premarked) {
            m = pick(0, 9) == 0 ? 1 : 0;
        }
        for (int threshold = -1; threshold <= k + 1; ++threshold) {
            std::vector<std::uint8_t> want = premarked;
            const int wantCount = pairwiseMarks(sets, threshold, want);
            std::vector<std::uint8_t> got = premarked;
            std::vector<int> seen;
            const int gotCount =
                markShared(sets, threshold, got, [&](int i) { seen.push_back(i); });
            ASSERT_EQ(got, want) << "round " << round << " k " << k << " d " << threshold;
            EXPECT_EQ(gotCount, wantCount);
            ASSERT_EQ(seen.size(), file.size());
            EXPECT_EQ(seen.back(), static_cast<int>(file.size()));
        }
    }
}

TEST(SharedMarks, SetsLargerThanAnEntryAreMarkedByTheSameRule) {
    // Sets made by hand may hold more numbers than an entry: the plain rule marks them.
    std::vector<NumberSet> sets(4);
    sets[0].bits = {0xFFULL, 0};          // 1..8
    sets[1].bits = {0xFF00ULL, 0};        // 9..16: nothing shared with the first
    sets[2].bits = {0x0FF0ULL, 0};        // 5..12: 4 with each of them
    sets[3].bits = {0x3FULL, 1ULL << 3};  // 1..6 and 68: 6 with the first
    for (int threshold : {4, 5, 6}) {
        std::vector<std::uint8_t> want;
        std::vector<std::uint8_t> got;
        EXPECT_EQ(markShared(sets, threshold, got), pairwiseMarks(sets, threshold, want));
        EXPECT_EQ(got, want) << threshold;
    }
}

namespace {

struct Line {
    const char* label;
    std::vector<int> balls;
    int extra, mainperentry, bonusperentry;
    const char* id;
    const char* game;
    const char* expected;
};

void PrintTo(const Line& l, std::ostream* os) {
    *os << l.label;
}

}  // namespace

class FilterLines : public ::testing::TestWithParam<Line> {};

TEST_P(FilterLines, ShowEveryPositionOfTheGame) {
    const Line& l = GetParam();
    DrawRecord r;
    for (std::size_t i = 0; i < l.balls.size(); ++i) {
        r.balls[i] = static_cast<qint16>(l.balls[i]);
    }
    r.extra = static_cast<qint16>(l.extra);
    EXPECT_EQ(filterLine(r, l.mainperentry, l.bonusperentry, QString::fromLatin1(l.id),
                         QString::fromLatin1(l.game))
                  .toStdString(),
              l.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FilterLines,
    ::testing::Values(
        Line{"six_and_extra",
             {1, 5, 12, 23, 34, 45},
             7,
             6,
             1,
             "PB",
             "Lotto",
             "01 05 12 23 34 45 PB 07"},
        Line{"no_extra_ends_in_blank",
             {1, 5, 12, 23, 34},
             0,
             5,
             0,
             "PB",
             "Lotto",
             "01 05 12 23 34 "},
        Line{"seven_without_trailing_blank",
             {1, 2, 3, 4, 5, 6, 7},
             0,
             7,
             0,
             "PB",
             "Lotto",
             "01 02 03 04 05 06 07"},
        Line{"zeros_shown", {3, 0, 9}, 0, 3, 1, "EB", "Lotto", "03 00 09 EB 00"},
        Line{"card_game", {1, 2, 3, 4, 5}, 7, 5, 1, "WC", "WildCard2", "01 02 03 04 05 WC QH"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(RemoveMarked, KeepsTheOtherRecordsUnchangedAndCountsThem) {
    const QByteArray r1 = fixture::draw(3, 0, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 7);
    const QByteArray r2 = fixture::draw(0, 0, 5, 3, 2012, {7, 8, 9, 10, 11, 12}, 8);
    const QByteArray r3 = fixture::draw(0, 0, 5, 3, 2012, {13, 14, 15, 16, 17, 18}, 9);
    const QByteArray beyond = fixture::draw(0, 0, 5, 3, 2012, {19, 20, 21, 22, 23, 24}, 1);
    const DrawImage copy(r1 + r2 + r3 + beyond);

    EXPECT_EQ(withoutMarked(copy, {1, 0, 0}).bytes(),
              fixture::draw(2, 0, 5, 3, 2012, {7, 8, 9, 10, 11, 12}, 8) + r3);
    EXPECT_EQ(withoutMarked(copy, {0, 1, 0}).bytes(),
              fixture::draw(2, 0, 5, 3, 2012, {1, 2, 3, 4, 5, 6}, 7) + r3);
    EXPECT_EQ(withoutMarked(copy, {0, 0, 0}).bytes(), r1 + r2 + r3);
    // Nothing kept: one record of zeros with count 0.
    EXPECT_EQ(withoutMarked(copy, {1, 1, 1}).bytes(), QByteArray(DrawRecord::kSize, '\0'));
}
