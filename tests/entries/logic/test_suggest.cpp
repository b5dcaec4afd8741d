// Suggested entries: the request, uniform and history draws with scripted random numbers, the
// shared-number rule, and a run's end by completion, cancel, exhaustion or a failed write.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

#include "entries/logic/entryfile.h"
#include "entries/logic/suggest.h"
#include "logic_helpers.h"
#include "support/kestrovatest.h"

using namespace entries;
using testgame::ScriptedRandom;

namespace {

struct PlanCase {
    const char* name;
    SuggestMode mode;
    double requested;
    double shown;
    int stored;
    const char* refusal;  // "" = accepted
    int entries;
};
std::ostream& operator<<(std::ostream& os, const PlanCase& c) {
    return os << c.name;
}

class PlanSuggestions : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanSuggestions, RefusesOrCountsTheEntriesToMake) {
    const PlanCase c = GetParam();
    bool fileRead = false;
    const SuggestPlan plan = planSuggestions(
        c.requested, c.shown,
        [&] {
            fileRead = true;
            return c.stored;
        },
        c.mode);
    EXPECT_EQ(plan.refusal, QString::fromLatin1(c.refusal));
    EXPECT_EQ(plan.entries, c.entries);
    // The file is not even opened for a request that names no number.
    EXPECT_EQ(fileRead, c.requested >= 1);
}

const char* kNoNumber =
    "You have not specified a number to add. Please enter a number in: Enter No box";
const char* kAlready = "You already have this number of entries or more.";
const char* kLimit = "You are limited to a maximum of 2500 entries";

INSTANTIATE_TEST_SUITE_P(
    Requests, PlanSuggestions,
    ::testing::Values(PlanCase{"Nothing", SuggestMode::Total, 0, 0, 0, kNoNumber, 0},
                      PlanCase{"Below1", SuggestMode::Additional, 0.9, 0, 0, kNoNumber, 0},
                      PlanCase{"TotalEqual", SuggestMode::Total, 10, 10, 10, kAlready, 0},
                      PlanCase{"TotalFewer", SuggestMode::Total, 9, 10, 10, kAlready, 0},
                      PlanCase{"TotalTwoMore", SuggestMode::Total, 12, 10, 10, "", 2},
                      PlanCase{"TotalHasNoCap", SuggestMode::Total, 9999, 0, 0, "", 9999},
                      PlanCase{"AddUpToCap", SuggestMode::Additional, 2400, 100, 100, "", 2400},
                      PlanCase{"AddPastCap", SuggestMode::Additional, 2401, 100, 100, kLimit, 0},
                      // The cap counts the file, not what the main window shows.
                      PlanCase{"CapCountsFile", SuggestMode::Additional, 2400, 0, 101, kLimit, 0},
                      PlanCase{"RoundsHalfEven", SuggestMode::Additional, 2.5, 0, 0, "", 2}),
    [](const ::testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

TEST(SharedNumberLimit, ByNumbersPerEntry) {
    EXPECT_EQ(sharedNumberLimit(7), 5);
    EXPECT_EQ(sharedNumberLimit(6), 4);
    EXPECT_EQ(sharedNumberLimit(5), 3);
    EXPECT_EQ(sharedNumberLimit(4), 3);
    EXPECT_EQ(sharedNumberLimit(3), 2);
}

// n draws; draw q holds q, 20 + q, 40 + q and the extra q % 10 + 1.
std::vector<DrawRecord> history(int n) {
    std::vector<DrawRecord> h;
    for (int q = 1; q <= n; ++q) {
        h.push_back(testgame::draw(1, 1, 2012, {q, 20 + q, 40 + q}, q % 10 + 1));
    }
    return h;
}

TEST(Suggester, UnderTwentyDrawsTheNumbersAreUniform) {
    ScriptedRandom r{{0.0, 0.5, 0.9999, 0.35}};
    Suggester s(testgame::lotto(3, 60, 10), history(19), std::ref(r));
    EXPECT_FALSE(s.fromHistory());
    const std::optional<Entry> e = s.attempt();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->balls, (MainNumbers{1, 31, 60, 0, 0, 0, 0}));
    EXPECT_EQ(e->extra, 4);  // int(0.35 * 10) + 1
    EXPECT_TRUE(r.values.empty());
}

TEST(Suggester, FromTwentyDrawsEachPositionComesFromItsOwnPastDraw) {
    // q = r x 20 rounded, halves to even: 0.05 -> 1, 0.5 -> 10, 0.975 -> 19.5 -> 20, 0.3 -> 6.
    ScriptedRandom r{{0.05, 0.5, 0.975, 0.3}};
    Suggester s(testgame::lotto(3, 60, 10), history(20), std::ref(r));
    EXPECT_TRUE(s.fromHistory());
    const std::optional<Entry> e = s.attempt();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->balls, (MainNumbers{1, 30, 60, 0, 0, 0, 0}));
    EXPECT_EQ(e->extra, 7);  // the extra of draw 6
}

TEST(Suggester, ThePickBeforeTheFirstDrawStartsTheAttemptAgain) {
    ScriptedRandom r{{0.05, 0.01}};  // 0.01 x 20 = 0.2 rounds to 0
    Suggester s(testgame::lotto(3, 60), history(20), std::ref(r));
    EXPECT_FALSE(s.attempt());
    EXPECT_TRUE(r.values.empty());
}

TEST(Suggester, ADamagedHistoryNeverPutsANumberOutsideThePoolIntoAnEntry) {
    std::vector<DrawRecord> h = history(20);
    h[0].balls[0] = 0;   // draw 1
    h[1].balls[1] = 61;  // draw 2, above the pool
    h[2].extra = 11;     // draw 3, above the extra pool
    ScriptedRandom zero{{0.05}};
    Suggester a(testgame::lotto(3, 60, 10), h, std::ref(zero));
    EXPECT_FALSE(a.attempt());
    ScriptedRandom above{{0.5, 0.1}};
    Suggester b(testgame::lotto(3, 60, 10), h, std::ref(above));
    EXPECT_FALSE(b.attempt());
    ScriptedRandom extra{{0.5, 0.5, 0.5, 0.15}};  // mains 10 30 50 from draw 10, extra of draw 3
    Suggester c(testgame::lotto(3, 60, 10), h, std::ref(extra));
    EXPECT_FALSE(c.attempt());
}

TEST(Suggester, ARepeatedNumberStartsTheAttemptAgain) {
    ScriptedRandom r{{0.1, 0.1, 0.5}};
    Suggester s(testgame::lotto(3, 10), {}, std::ref(r));
    EXPECT_FALSE(s.attempt());
}

Entry stored(std::initializer_list<int> balls) {
    Entry e;
    std::size_t i = 0;
    for (int b : balls) {
        e.balls[i++] = static_cast<qint16>(b);
    }
    return e;
}

// Uniform values that give exactly these numbers from a pool of 49.
std::deque<double> picks(std::initializer_list<int> numbers) {
    std::deque<double> d;
    for (int n : numbers) {
        d.push_back((n - 1 + 0.5) / 49.0);
    }
    return d;
}

TEST(Suggester, ASuggestionSharingMoreThanTheLimitWithAStoredEntryIsNeverMade) {
    const entries::EntryGame g = testgame::lotto(6, 49);
    ScriptedRandom five{picks({1, 2, 3, 4, 5, 40})};
    Suggester a(g, {}, std::ref(five));
    a.remember(stored({1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(a.attempt());  // shares five

    ScriptedRandom four{picks({1, 2, 3, 4, 41, 40})};
    Suggester b(g, {}, std::ref(four));
    b.remember(stored({1, 2, 3, 4, 5, 6}));
    const std::optional<Entry> e = b.attempt();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->balls, (MainNumbers{1, 2, 3, 4, 40, 41, 0}));
}

TEST(Suggester, AStoredEntryWithARepeatedNumberCountsEveryPosition) {
    // Positions, not numbers: a damaged stored entry 1 1 2 shares three with 1 2 9.
    ScriptedRandom r{picks({1, 2, 9})};
    Suggester s(testgame::lotto(3, 49), {}, std::ref(r));
    s.remember(stored({1, 1, 2}));
    EXPECT_FALSE(s.attempt());
}

TEST(Suggester, AnExtraFromTheMainPoolIsAValidNumberApartFromTheMainOnes) {
    const entries::EntryGame g = testgame::extraFromMain(3, 49);
    ScriptedRandom clash{picks({5, 9, 20, 9})};
    Suggester a(g, {}, std::ref(clash));
    EXPECT_FALSE(a.attempt());
    ScriptedRandom fine{picks({5, 9, 20, 33})};
    Suggester b(g, {}, std::ref(fine));
    const std::optional<Entry> e = b.attempt();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->extra, 33);
}

TEST(Suggester, AGameWithoutExtraDrawsNoExtra) {
    ScriptedRandom r{picks({5, 9, 20})};
    Suggester s(testgame::lotto(3, 49), {}, std::ref(r));
    const std::optional<Entry> e = s.attempt();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->extra, 0);
    EXPECT_TRUE(r.values.empty());
}

class SuggestRun : public KestrovaTest {
protected:
    std::mt19937 rng{12345};
    Suggester::Random random() {
        return [this] { return std::uniform_real_distribution<double>(0.0, 1.0)(rng); };
    }
};

TEST_F(SuggestRun, MakesTheEntriesAndHandsEachOverAsItIsWritten) {
    Suggester s(testgame::lotto(6, 49, 26), {}, random());
    DrawFile file(this->file("e.lot"));
    std::vector<int> counts;
    int polls = 0;
    const SuggestOutcome out =
        runSuggestions(s, file, 25,
                       {[&](const Entry&, int count) { counts.push_back(count); },
                        [&] {
                            ++polls;
                            return false;
                        }});
    EXPECT_EQ(out.end, SuggestEnd::Done);
    EXPECT_EQ(out.made, 25);
    EXPECT_EQ(counts.front(), 1);
    EXPECT_EQ(counts.back(), 25);
    EXPECT_GE(polls, 25);  // pending events run after every accepted entry
    const std::vector<DrawRecord> written = readCounted(this->file("e.lot"));
    ASSERT_EQ(written.size(), 25U);
    for (std::size_t i = 0; i < written.size(); ++i) {
        const MainNumbers& b = written[i].balls;
        EXPECT_TRUE(std::is_sorted(b.begin(), b.begin() + 6));
        EXPECT_GE(b[0], 1);
        EXPECT_LE(b[5], 49);
        EXPECT_EQ(b[6], 0);
        EXPECT_GE(written[i].extra, 1);
        EXPECT_LE(written[i].extra, 26);
        for (std::size_t j = 0; j < i; ++j) {
            std::set<int> shared(written[j].balls.begin(), written[j].balls.begin() + 6);
            int n = 0;
            for (int k = 0; k < 6; ++k) {
                n += shared.count(b[static_cast<std::size_t>(k)]) > 0 ? 1 : 0;
            }
            EXPECT_LE(n, 4);
        }
    }
}

TEST_F(SuggestRun, AGameWithFewerEntriesThanAskedForEndsWithEveryEntryOnce) {
    // Three of ten: 120 entries, and no two may share all three numbers.
    Suggester s(testgame::lotto(3, 10), {}, random());
    DrawFile file(this->file("e.lot"));
    const SuggestOutcome out = runSuggestions(s, file, 200, {});
    EXPECT_EQ(out.end, SuggestEnd::NoMore);
    EXPECT_EQ(out.made, 120);
    EXPECT_EQ(noMoreSuggestionsMessage(out.made),
              "No further entry could be found that differs enough from the entries in the file. "
              "Entries added: 120");
    std::set<MainNumbers> distinct;
    for (const DrawRecord& r : readCounted(this->file("e.lot"))) {
        distinct.insert(r.balls);
    }
    EXPECT_EQ(distinct.size(), 120U);
}

TEST_F(SuggestRun, ACancelStopsAfterTheEntryBeingWritten) {
    Suggester s(testgame::lotto(6, 49), {}, random());
    DrawFile file(this->file("e.lot"));
    int accepted = 0;
    const SuggestOutcome out = runSuggestions(
        s, file, 100, {[&](const Entry&, int) { ++accepted; }, [&] { return accepted == 3; }});
    EXPECT_EQ(out.end, SuggestEnd::Cancelled);
    EXPECT_EQ(out.made, 3);
    EXPECT_EQ(readCounted(this->file("e.lot")).size(), 3U);
}

TEST_F(SuggestRun, ACancelIsHeardWhileNoCandidateIsAccepted) {
    Suggester s(testgame::lotto(3, 10), {}, random());
    for (int a = 1; a <= 10; ++a) {
        for (int b = a + 1; b <= 10; ++b) {
            for (int c = b + 1; c <= 10; ++c) {
                s.remember(stored({a, b, c}));
            }
        }
    }
    DrawFile file(this->file("e.lot"));
    int polls = 0;
    const SuggestOutcome out = runSuggestions(s, file, 1, {{}, [&] { return ++polls == 2; }});
    EXPECT_EQ(out.end, SuggestEnd::Cancelled);
    EXPECT_EQ(out.made, 0);
    EXPECT_EQ(polls, 2);
}

TEST_F(SuggestRun, AFailedWriteEndsTheRun) {
    Suggester s(testgame::lotto(6, 49), {}, random());
    DrawFile file(this->file("no/such/folder/e.lot"));
    const SuggestOutcome out = runSuggestions(s, file, 5, {});
    EXPECT_EQ(out.end, SuggestEnd::WriteFailed);
    EXPECT_EQ(out.made, 0);
    EXPECT_EQ(out.failure, DrawFile::Append::Failed);
    EXPECT_EQ(suggestEndMessage(out),
              "The entry could not be added to the entry file. Entries added: 0");
    EXPECT_EQ(suggestEndMessage({SuggestEnd::WriteFailed, 12, DrawFile::Append::Full}),
              "This file cannot hold more than 32767 records. Entries added: 12");
    EXPECT_EQ(suggestEndMessage({SuggestEnd::Cancelled, 3}), QString());
}

}  // namespace
