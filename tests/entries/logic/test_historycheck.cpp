// The history check: level texts, header lines, the date range, the page rule, and the fast
// classification giving the shared classifier's answer for every entry.
#include <gtest/gtest.h>

#include <random>

#include "entries/logic/historycheck.h"
#include "logic_helpers.h"

// Lines as text when a comparison fails.
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

using namespace entries;
using testgame::draw;
using testgame::entry;

namespace {

struct LevelText {
    int level;
    const char* caption;
    const char* line;
};

class LevelTexts : public ::testing::TestWithParam<LevelText> {};

TEST_P(LevelTexts, CaptionAndLineOfEachLevel) {
    EXPECT_EQ(levelCaption(GetParam().level, "PB"), QString::fromLatin1(GetParam().caption));
    EXPECT_EQ(levelLineText(GetParam().level, "PB"), QString::fromLatin1(GetParam().line));
}

INSTANTIATE_TEST_SUITE_P(
    Levels, LevelTexts,
    ::testing::Values(LevelText{1, "Match 7", "Match 7"}, LevelText{2, "Match 6+PB", "Match 6+PB"},
                      LevelText{3, "Match 6", "Match 6"}, LevelText{4, "Match 5+PB", "Match 5+PB"},
                      LevelText{5, "Match 5", "Match 5"}, LevelText{6, "Match 4+PB", "Match 4+PB"},
                      LevelText{7, "Match 4", "Match 4"}, LevelText{8, "Match 3+PB", "Match 3+PB"},
                      LevelText{9, "Match 3", "Match 3"}, LevelText{10, "Match 2+PB", "Match 2+PB"},
                      LevelText{11, "Match 2", "Match 2"},
                      LevelText{12, "Match 1+PB", "Match 1+PB"},
                      LevelText{13, "Match 1", "Match 1"},
                      // Level 14's caption and line differ.
                      LevelText{14, "Match PB", "Match 0+PB"}, LevelText{15, "Match 0", "Match 0"}),
    [](const ::testing::TestParamInfo<LevelText>& info) {
        return "Level" + std::to_string(info.param.level);
    });

TEST(ResultLines, HeaderAndEntryLines) {
    const DrawRecord d = draw(5, 3, 2012, {1, 5, 12, 23, 34, 45}, 7);
    EXPECT_EQ(drawHeaderLine(d, "DDMMYY"), "05 Mar 2012");
    EXPECT_EQ(drawHeaderLine(d, "MMDDYY"), "Mar 05 2012");
    EXPECT_EQ(drawHeaderLine(d, "YYMMDD"), "2012 Mar 05");
    EXPECT_EQ(resultLine(d, "Match 6+PB", testgame::lotto(6, 49, 26)),
              "01 05 12 23 34 45 PB 07 Match 6+PB");
    EXPECT_EQ(resultLine(entry({1, 5, 12, 23, 34, 45}), "Match 6", testgame::lotto(6, 49)),
              "01 05 12 23 34 45 Match 6");
    entries::EntryGame cards = testgame::lotto(5, 49, 16);
    cards.gamename = "WildCard2";
    EXPECT_EQ(resultLine(entry({1, 2, 3, 4, 5}, 7), "Match 5", cards),
              "01 02 03 04 05 PB QH Match 5");
}

TEST(ResultLines, TheCheckHeadsEachDrawAsTheHeaderLineDoes) {
    // Damaged dates too: a day or year out of its width, a month past the calendar.
    const DrawRecord dates[] = {draw(5, 3, 2012, {}),  draw(31, 12, 1999, {}),
                                draw(0, 1, 12, {}),    draw(123, 7, 12345, {}),
                                draw(-4, 2, -1, {}),   draw(9, 0, 2012, {}),
                                draw(9, 13, 2012, {}), draw(10, 10, 10000, {})};
    for (const char* order : {"DDMMYY", "MMDDYY", "YYMMDD"}) {
        entries::EntryGame g = testgame::lotto(6, 49);
        g.dateorder = order;
        HistoryCheck check(g, {});
        for (const DrawRecord& d : dates) {
            EXPECT_EQ(check.checkDraw(d).pages[0], QStringList{drawHeaderLine(d, order)})
                << order << " " << d.day << "/" << d.month << "/" << d.year;
        }
    }
}

TEST(StatusLine, TwoBlanksStandBeforeTheNumberOfDraws) {
    EXPECT_EQ(checkStatusLine("10", 1), "Check 10 entries against  1 results.");
    EXPECT_EQ(checkStatusLine(" 12", 300), "Check  12 entries against  300 results.");
}

// Draws on 1, 8 and 15 March 2012.
std::vector<DrawRecord> threeDraws() {
    return {draw(1, 3, 2012, {1, 2, 3}), draw(8, 3, 2012, {4, 5, 6}), draw(15, 3, 2012, {7, 8, 9})};
}

struct RangeCase {
    const char* name;
    QDate start;
    QDate end;
    RangeRefusal refusal;
    int first;
    int last;
};
std::ostream& operator<<(std::ostream& os, const RangeCase& c) {
    return os << c.name;
}

class Range : public ::testing::TestWithParam<RangeCase> {};

TEST_P(Range, PicksTheDrawsOfTheRangeOrRefuses) {
    const RangeCase c = GetParam();
    const DrawRange r = drawRange(c.start, c.end, threeDraws());
    EXPECT_EQ(r.refusal, c.refusal);
    if (c.refusal == RangeRefusal::None) {
        EXPECT_EQ(r.first, c.first);
        EXPECT_EQ(r.last, c.last);
    }
}

QDate march(int day) {
    return QDate(2012, 3, day);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, Range,
    ::testing::Values(
        RangeCase{"Whole", march(1), march(15), RangeRefusal::None, 1, 3},
        RangeCase{"SameDayWithADraw", march(8), march(8), RangeRefusal::None, 2, 2},
        RangeCase{"Wider", QDate(2011, 1, 1), QDate(2013, 1, 1), RangeRefusal::None, 1, 3},
        RangeCase{"EndsBetweenDraws", march(2), march(10), RangeRefusal::None, 2, 2},
        RangeCase{"BetweenTwoDraws", march(9), march(14), RangeRefusal::NoDrawInRange, 0, 0},
        RangeCase{"StartAfterEnd", march(9), march(8), RangeRefusal::StartAfterEnd, 0, 0},
        RangeCase{"EndBeforeFirst", QDate(2012, 2, 1), QDate(2012, 2, 29),
                  RangeRefusal::EndBeforeFirst, 0, 0},
        RangeCase{"StartAfterLast", march(16), march(20), RangeRefusal::StartAfterLast, 0, 0}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

TEST(Range, AnEmptyHistoryIsRefusedAfterTheDateOrder) {
    EXPECT_EQ(drawRange(march(2), march(1), {}).refusal, RangeRefusal::StartAfterEnd);
    EXPECT_EQ(drawRange(march(1), march(2), {}).refusal, RangeRefusal::EmptyHistory);
    EXPECT_EQ(rangeRefusalMessage(RangeRefusal::EmptyHistory),
              "Cannot do a history check as there are no results in the history file");
    EXPECT_EQ(rangeRefusalMessage(RangeRefusal::StartAfterEnd),
              "Your start date must be before your end date");
    EXPECT_TRUE(refusalIsStatus(RangeRefusal::NoDrawInRange));
    EXPECT_EQ(rangeRefusalMessage(RangeRefusal::StartAfterLast),
              "No results in specified date range");
}

TEST(Pages, EachPageTakesExactly32730LinesAndFourPagesAreListed) {
    ResultPages pages;
    for (int line = 1; line <= 32730; ++line) {
        const ResultPages::Placement p = pages.place();
        ASSERT_EQ(p.page, 0);
        ASSERT_FALSE(p.overflowed);
    }
    ResultPages::Placement p = pages.place();  // line 32731
    EXPECT_EQ(p.page, 1);
    EXPECT_TRUE(p.overflowed);
    EXPECT_TRUE(p.listed);
    EXPECT_EQ(pages.linecount(), 1);
    for (int line = 32732; line <= 130920; ++line) {
        p = pages.place();
        ASSERT_TRUE(p.listed);
    }
    EXPECT_EQ(p.page, 3);
    EXPECT_FALSE(pages.limitreached());
    p = pages.place();  // line 130921
    EXPECT_FALSE(p.listed);
    EXPECT_TRUE(p.overflowed);
    EXPECT_TRUE(pages.limitreached());
    EXPECT_EQ(pages.currentpage(), 3);
    p = pages.place();
    EXPECT_FALSE(p.listed);
    EXPECT_FALSE(p.overflowed);  // the limit is told once
}

TEST(HistoryCheckRun, ListsTheHeaderThenEachWinnerAndCountsTheLevels) {
    entries::EntryGame g = testgame::lotto(6, 49, 26);
    g.prizelevels = testgame::levels({3, 9, 14});  // level 2 off: 6 + extra falls to "Match 6"
    HistoryCheck check(g, {entry({1, 5, 12, 23, 34, 45}, 7), entry({2, 3, 4, 6, 7, 8}, 9),
                           entry({1, 5, 12, 40, 41, 42}, 1), entry({10, 11, 13, 14, 15, 16}, 7)});
    const HistoryCheck::DrawLines lines =
        check.checkDraw(draw(5, 3, 2012, {1, 5, 12, 23, 34, 45}, 7));
    EXPECT_EQ(lines.pages[0], (QStringList{"05 Mar 2012", "01 05 12 23 34 45 PB 07 Match 6",
                                           "01 05 12 40 41 42 PB 01 Match 3",
                                           "10 11 13 14 15 16 PB 07 Match 0+PB"}));
    EXPECT_TRUE(lines.pages[1].isEmpty());
    // A draw without winners still gets its header.
    const HistoryCheck::DrawLines none =
        check.checkDraw(draw(8, 3, 2012, {30, 31, 32, 33, 35, 36}, 2));
    EXPECT_EQ(none.pages[0], QStringList{"08 Mar 2012"});
    EXPECT_EQ(check.totals()[3], 1);
    EXPECT_EQ(check.totals()[9], 1);
    EXPECT_EQ(check.totals()[14], 1);
    EXPECT_EQ(check.totals()[15], 0);
    EXPECT_EQ(check.pages().linecount(), 5);
}

TEST(HistoryCheckRun, NoMainMatchWithTheExtraWinsOnlyLevelFourteen) {
    entries::EntryGame g = testgame::lotto(3, 49, 26);
    g.prizelevels = testgame::levels({15});
    HistoryCheck check(g, {entry({10, 11, 12}, 5), entry({10, 11, 12}, 6)});
    EXPECT_EQ(check.levels(draw(1, 1, 2012, {1, 2, 3}, 5)), (std::vector<int>{0, 15}));
}

TEST(HistoryCheckRun, AnExtraFromTheMainPoolMatchesAnyOfTheEntrysNumbers) {
    entries::EntryGame g = testgame::extraFromMain(6, 49);
    HistoryCheck check(g, {entry({1, 2, 3, 4, 5, 9}), entry({1, 2, 3, 4, 5, 6})});
    EXPECT_EQ(check.levels(draw(1, 1, 2012, {1, 2, 3, 4, 5, 6}, 9)), (std::vector<int>{4, 3}));
}

// The scan runs sixteen entries at a time by a byte shuffle where the processor has one, else
// entry by entry: every case below runs both ways.
class BothScans : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (!plain() && !byteShuffleAvailable()) {
            GTEST_SKIP() << "no byte shuffle on this processor";
        }
        forcePlainScan(plain());
    }
    void TearDown() override { forcePlainScan(false); }
    static bool plain() { return GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Scans, BothScans, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Plain" : "ByteShuffle"; });

TEST_P(BothScans, EachWinnerIsListedOnceWithItsLevelAmongDamagedEntries) {
    // Twenty entries: a block of sixteen and four more. Damaged entries (a repeated number, one
    // past any pool) are classified one by one and must be listed once, in their place.
    entries::EntryGame g = testgame::lotto(6, 49, 26);
    g.prizelevels = testgame::levels({3, 9, 14, 15});
    HistoryCheck check(g, {
                              entry({1, 5, 12, 23, 34, 45}, 7),     // 0: 6 and PB, 6+PB off
                              entry({2, 3, 4, 6, 8, 9}, 9),         // 1
                              entry({40, 40, 41, 42, 43, 44}, 8),   // 2: damaged
                              entry({1, 2, 3, 4, 6, 8}, 9),         // 3: one, not counted
                              entry({1, 5, 12, 2, 3, 4}, 9),        // 4
                              entry({10, 11, 13, 14, 15, 16}, 7),   // 5
                              entry({1, 5, 2, 3, 4, 6}, 7),         // 6: 2+PB, not counted
                              entry({20, 21, 22, 24, 25, 26}, 1),   // 7
                              entry({12, 23, 34, 45, 2, 3}, 1),     // 8: four, not counted
                              entry({1, 1, 5, 40, 41, 42}, 9),      // 9: damaged
                              entry({30, 31, 32, 33, 35, 36}, 2),   // 10
                              entry({45, 2, 3, 4, 6, 8}, 3),        // 11: one
                              entry({23, 34, 45, 46, 47, 48}, 7),   // 12: 3+PB off
                              entry({2, 3, 4, 6, 8, 9}, 7),         // 13
                              entry({1, 5, 12, 23, 34, 46}, 7),     // 14: 5+PB, not counted
                              entry({13, 14, 15, 16, 17, 18}, 10),  // 15
                              entry({200, 30, 31, 32, 33, 35}, 7),  // 16: damaged
                              entry({1, 5, 12, 23, 34, 45}, 8),     // 17
                              entry({40, 41, 42, 43, 44, 46}, 8),   // 18
                              entry({46, 46, 47, 48, 49, 2}, 3),    // 19: damaged
                          });
    const HistoryCheck::DrawLines lines =
        check.checkDraw(draw(5, 3, 2012, {1, 5, 12, 23, 34, 45}, 7));
    EXPECT_EQ(lines.pages[0],
              (QStringList{"05 Mar 2012", "01 05 12 23 34 45 PB 07 Match 6",
                           "02 03 04 06 08 09 PB 09 Match 0", "40 40 41 42 43 44 PB 08 Match 0",
                           "01 05 12 02 03 04 PB 09 Match 3", "10 11 13 14 15 16 PB 07 Match 0+PB",
                           "20 21 22 24 25 26 PB 01 Match 0", "01 01 05 40 41 42 PB 09 Match 3",
                           "30 31 32 33 35 36 PB 02 Match 0", "23 34 45 46 47 48 PB 07 Match 3",
                           "02 03 04 06 08 09 PB 07 Match 0+PB", "13 14 15 16 17 18 PB 10 Match 0",
                           "200 30 31 32 33 35 PB 07 Match 0+PB", "01 05 12 23 34 45 PB 08 Match 6",
                           "40 41 42 43 44 46 PB 08 Match 0", "46 46 47 48 49 02 PB 03 Match 0"}));
    EXPECT_EQ(check.totals()[3], 2);
    EXPECT_EQ(check.totals()[9], 3);
    EXPECT_EQ(check.totals()[14], 3);
    EXPECT_EQ(check.totals()[15], 7);
    EXPECT_EQ(check.pages().linecount(), 16);
}

TEST_P(BothScans, NumbersEitherSideOfSixtyFourMatchOnlyThemselves) {
    // A 65-ball game: 1..64 and 65 lie in two words of the scan's number sets.
    entries::EntryGame g = testgame::lotto(6, 65);
    std::vector<DrawRecord> list = {entry({1, 63, 64, 10, 20, 30}), entry({1, 63, 65, 11, 21, 31}),
                                    entry({2, 64, 65, 12, 22, 32}), entry({65, 3, 4, 5, 6, 7})};
    // Past the first block of sixteen as well.
    for (int i = 0; i < 16; ++i) {
        list.push_back(list[static_cast<std::size_t>(i % 4)]);
    }
    const HistoryCheck check(g, list);
    struct Case {
        std::initializer_list<int> draw;
        std::array<int, 4> matches;
    };
    for (const Case& c :
         {Case{{1, 63, 64, 40, 41, 42}, {3, 2, 1, 0}}, Case{{1, 63, 65, 40, 41, 42}, {2, 3, 1, 1}},
          Case{{64, 65, 40, 41, 42, 43}, {1, 1, 2, 1}},
          Case{{62, 40, 41, 42, 43, 44}, {0, 0, 0, 0}}, Case{{65, 3, 4, 5, 6, 7}, {0, 1, 1, 6}}}) {
        const std::vector<int> got = check.levels(draw(5, 3, 2012, c.draw));
        for (std::size_t e = 0; e < list.size(); ++e) {
            // With every level counted, m matches without an extra is level 15 - 2m.
            EXPECT_EQ(got[e], 15 - 2 * c.matches[e % 4])
                << "draw " << *c.draw.begin() << " entry " << e;
        }
    }
}

TEST_P(BothScans, TheFastClassificationListsWhatTheSharedClassifierDecides) {
    // Random games, entries and draws, some damaged (repeats, zeros, numbers past any pool);
    // numbers from a narrow band at either end of the pool, so that repeats and the numbers
    // either side of 64 are common.
    std::mt19937 rng(2012);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 60; ++round) {
        const int k = pick(3, 7);
        const int pool = round % 4 == 0 ? 65 : pick(k + 1, 65);
        entries::EntryGame g = round % 3 == 0   ? testgame::lotto(k, pool)
                               : round % 3 == 1 ? testgame::lotto(k, pool, pick(1, 20))
                                                : testgame::extraFromMain(k, pool);
        for (int level = 1; level <= 15; ++level) {
            g.prizelevels[static_cast<std::size_t>(level)] = static_cast<qint16>(pick(0, 1));
        }
        const bool high = round % 2 == 1;
        auto number = [&] {
            return high ? pick(std::max(1, pool - 11), pool) : pick(1, std::min(pool, 12));
        };
        auto numbers = [&](int damage) {
            DrawRecord r;
            for (int i = 0; i < 7; ++i) {
                const int roll = pick(0, 99);
                r.balls[static_cast<std::size_t>(i)] = static_cast<qint16>(
                    i >= k ? (roll < damage ? pick(1, pool) : 0)
                    : roll < damage
                        ? std::array{0, -3, 200, 1}[static_cast<std::size_t>(pick(0, 3))]
                        : number());
            }
            r.extra = static_cast<qint16>(pick(0, 99) < damage ? pick(-1, 300) : pick(0, pool));
            return r;
        };
        std::vector<DrawRecord> list;
        for (int e = 0; e < 83; ++e) {  // five blocks of sixteen and three more
            list.push_back(numbers(e % 4 == 0 ? 20 : 0));
        }
        HistoryCheck check(g, list);
        const ExtraRule rule = historyExtraRule(g);
        for (int d = 0; d < 20; ++d) {
            DrawRecord dr = numbers(d % 5 == 0 ? 20 : 0);
            dr.day = 5;
            dr.month = 3;
            dr.year = 2012;
            QStringList want{"05 Mar 2012"};
            std::vector<int> wantLevels;
            for (const DrawRecord& e : list) {
                const int level =
                    checkEntry(e.balls, e.extra, dr.balls, dr.extra, k, rule, g.prizelevels).level;
                wantLevels.push_back(level);
                if (level != 0) {
                    want << resultLine(e, levelLineText(level, g.extraballid), g);
                }
            }
            ASSERT_EQ(check.levels(dr), wantLevels) << "round " << round << " draw " << d;
            ASSERT_EQ(check.checkDraw(dr).pages[0], want) << "round " << round << " draw " << d;
        }
    }
}

TEST(HistoryCheckRun, TheExtraRuleOfTheGame) {
    EXPECT_EQ(historyExtraRule(testgame::lotto(6, 49, 26)), ExtraRule::OwnPool);
    EXPECT_EQ(historyExtraRule(testgame::extraFromMain(6, 49)), ExtraRule::MainPool);
    entries::EntryGame drawnOnly = testgame::lotto(6, 49);
    drawnOnly.bonusdrawn = 1;  // drawn from the main pool, not carried by entries
    EXPECT_EQ(historyExtraRule(drawnOnly), ExtraRule::MainPool);
    EXPECT_EQ(historyExtraRule(testgame::lotto(6, 49)), ExtraRule::None);
}

}  // namespace
