// What a save builds before it writes: the numbers check, the wheel data file read strictly,
// and the entry file bytes with each extra-ball rule.
#include <gtest/gtest.h>

#include "support/bytes.h"
#include "wheels/logic/wheelsave.h"
#include "wheels_helpers.h"

using namespace fixture;
using wheels::ExtraRule;
using wheels::SaveProblem;

struct Numbers {
    const char* name;
    std::vector<const char*> boxes;
    SaveProblem expected;
};

void PrintTo(const Numbers& n, std::ostream* os) {
    *os << n.name;
}

class NumbersCheck : public ::testing::TestWithParam<Numbers> {};

TEST_P(NumbersCheck, RepeatsBeforeRangeOnTheFirstNBoxes) {
    wheels::TheBalls balls = wheels::readTheBalls(boxTexts(GetParam().boxes));
    wheels::ordertheballs(balls, 4);
    EXPECT_EQ(wheels::checkTheBalls(balls, 4, 39), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, NumbersCheck,
    ::testing::Values(Numbers{"Unsorted", {"4", "1", "3", "2"}, SaveProblem::None},
                      Numbers{"PoolSizeIsIn", {"39", "1", "2", "3"}, SaveProblem::None},
                      Numbers{"HiddenBoxIgnored", {"1", "2", "3", "4", "1"}, SaveProblem::None},
                      Numbers{"TwoEmptyBoxes", {"1", "", "3", ""}, SaveProblem::Same},
                      Numbers{"LeadingZero", {"07", "7", "2", "3"}, SaveProblem::Same},
                      Numbers{"HalfToEven", {"2.5", "2", "3", "4"}, SaveProblem::Same},
                      Numbers{"RepeatBeforeRange", {"40", "40", "2", "3"}, SaveProblem::Same},
                      Numbers{"OneEmptyBox", {"1", "", "3", "4"}, SaveProblem::OutOfRange},
                      Numbers{"AbovePool", {"40", "1", "2", "3"}, SaveProblem::OutOfRange},
                      Numbers{"Zero", {"0", "1", "2", "3"}, SaveProblem::OutOfRange},
                      Numbers{"Negative", {"-5", "1", "2", "3"}, SaveProblem::OutOfRange}),
    [](const ::testing::TestParamInfo<Numbers>& info) { return std::string(info.param.name); });

TEST(OrderTheBalls, SortsOnlyTheFirstN) {
    wheels::TheBalls balls = wheels::readTheBalls(boxTexts({"41", "3", "30", "2", "1"}));
    wheels::ordertheballs(balls, 3);
    EXPECT_EQ(balls[1], 3);
    EXPECT_EQ(balls[2], 30);
    EXPECT_EQ(balls[3], 41);
    EXPECT_EQ(balls[4], 2);
}

class PrepareWheel : public WheelTest {
protected:
    // Lotto: 50 main numbers, its own extra pool of 5; a 4-4-2 wheel of ten numbers.
    wheels::WheelSaveInput input(ExtraRule rule = ExtraRule::None) const {
        wheels::WheelSaveInput in;
        in.datapath = dataPath();
        in.wheelgamename = QStringLiteral("Lotto");
        in.gamename = QStringLiteral("Lotto");
        in.k = 4;
        in.wheeltype = 3;
        in.numballs = 10;
        in.boxes = boxTexts({"50", "5", "45", "10", "40", "15", "35", "20", "30", "25"});
        in.poolsize = 50;
        in.rule = rule;
        in.bonuspool = 5;
        return in;
    }
    // The three entries of the shipped 4-4-2-10 wheel over 5, 10, .., 50, with these extras.
    static QByteArray tenNumbersWheel(int e1, int e2, int e3) {
        return entry(3, {5, 10, 15, 20}, e1) + entry(3, {15, 20, 25, 30}, e2) +
               entry(3, {35, 40, 45, 50}, e3);
    }
    // A results history of draws with these extras.
    void writeHistory(std::initializer_list<int> extras) const {
        QByteArray bytes;
        int r = 0;
        for (int extra : extras) {
            ++r;
            bytes += draw(r == 1 ? static_cast<long>(extras.size()) : 0, r, r, 1, 2012,
                          {1, 2, 3, 4}, extra);
        }
        writeFile(QStringLiteral("Lotto.rtl"), bytes);
    }
};

TEST_F(PrepareWheel, PutsTheSortedNumbersInPlaceOfThePositions) {
    shipWheel(QStringLiteral("6-6-6-7.whl"));
    wheels::WheelSaveInput in = input();
    in.k = 6;
    in.wheeltype = 1;
    in.numballs = 7;
    in.boxes = boxTexts({"41", "3", "30", "9", "45", "22", "17"});
    const wheels::PreparedWheel w = wheels::prepareWheel(in, scriptedRandom({}));
    ASSERT_EQ(w.problem, SaveProblem::None);
    EXPECT_EQ(w.entryFile, file(QStringLiteral("Lotto-6-6-6.lot")));
    EXPECT_EQ(w.entries, 7);
    EXPECT_EQ(w.bytes, entry(7, {3, 9, 17, 22, 30, 41}) + entry(7, {3, 9, 17, 22, 30, 45}) +
                           entry(7, {3, 9, 17, 22, 41, 45}) + entry(7, {3, 9, 17, 30, 41, 45}) +
                           entry(7, {3, 9, 22, 30, 41, 45}) + entry(7, {3, 17, 22, 30, 41, 45}) +
                           entry(7, {9, 17, 22, 30, 41, 45}));
    EXPECT_FALSE(exists(QStringLiteral("Lotto-6-6-6.lot"))) << "preparing writes nothing";
}

TEST_F(PrepareWheel, EachExtraRuleGivesItsExtras) {
    shipWheel(QStringLiteral("4-4-2-10.whl"));
    // Draws 2 and 4 have no extra in 1..5: "Optimized" picks among 4, 2 and 5 only.
    writeHistory({4, 0, 2, 9, 5});
    struct Case {
        ExtraRule rule;
        std::vector<double> random;
        QByteArray expected;
    };
    const Case cases[] = {
        {ExtraRule::None, {}, tenNumbersWheel(0, 0, 0)},
        {ExtraRule::Spread, {}, tenNumbersWheel(1, 2, 3)},
        {ExtraRule::Random, {0.0, 0.5, 0.99}, tenNumbersWheel(1, 3, 5)},
        {ExtraRule::Optimized, {0.0, 0.5, 0.99}, tenNumbersWheel(4, 2, 5)},
    };
    for (const Case& c : cases) {
        const wheels::PreparedWheel w =
            wheels::prepareWheel(input(c.rule), scriptedRandom(c.random));
        ASSERT_EQ(w.problem, SaveProblem::None) << static_cast<int>(c.rule);
        EXPECT_EQ(w.bytes, c.expected) << static_cast<int>(c.rule);
    }
}

TEST_F(PrepareWheel, SpreadCyclesThroughTheExtraPool) {
    shipWheel(QStringLiteral("4-4-3-10.whl"));
    wheels::WheelSaveInput in = input(ExtraRule::Spread);
    in.wheeltype = 2;
    in.numballs = 10;
    in.boxes = boxTexts({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    for (const auto& [pool, extras] :
         {std::pair{5, std::vector<int>{1, 2, 3, 4, 5, 1, 2, 3, 4, 5, 1, 2, 3, 4}},
          std::pair{1, std::vector<int>(14, 1)}}) {
        in.bonuspool = pool;
        const wheels::PreparedWheel w = wheels::prepareWheel(in, scriptedRandom({}));
        ASSERT_EQ(w.bytes.size(), 14 * 28);
        for (int r = 0; r < 14; ++r) {
            EXPECT_EQ(w.bytes.mid(r * 28, 4), le32(14)) << r;
            EXPECT_EQ(w.bytes.mid(r * 28 + 26, 2), le16(extras[static_cast<std::size_t>(r)]))
                << "pool " << pool << " record " << r + 1;
        }
    }
}

TEST_F(PrepareWheel, OptimizedNeedsThreeDrawsWithAnExtra) {
    shipWheel(QStringLiteral("4-4-2-10.whl"));
    writeHistory({3, 0, 0, 2, 0});
    wheels::PreparedWheel w = wheels::prepareWheel(input(ExtraRule::Optimized), scriptedRandom({}));
    EXPECT_EQ(w.problem, SaveProblem::TooFewDraws);
    EXPECT_EQ(wheels::saveProblemMessage(w),
              "You have fewer than 3 draws in the history file. The program cannot suggest "
              "Optimised entries yet. Please select Random or Spread");
    writeHistory({3, 0, 0, 2, 1});
    w = wheels::prepareWheel(input(ExtraRule::Optimized), scriptedRandom({0.1, 0.1, 0.1}));
    EXPECT_EQ(w.problem, SaveProblem::None);
    EXPECT_EQ(w.bytes, tenNumbersWheel(3, 3, 3));
}

TEST_F(PrepareWheel, AMissingHistoryIsTooFewDrawsAndIsNotCreated) {
    shipWheel(QStringLiteral("4-4-2-10.whl"));
    const wheels::PreparedWheel w =
        wheels::prepareWheel(input(ExtraRule::Optimized), scriptedRandom({}));
    EXPECT_EQ(w.problem, SaveProblem::TooFewDraws);
    EXPECT_FALSE(exists(QStringLiteral("Lotto.rtl")));
}

TEST_F(PrepareWheel, AMissingDataFileIsReportedBeforeTheDraws) {
    const wheels::PreparedWheel w =
        wheels::prepareWheel(input(ExtraRule::Optimized), scriptedRandom({}));
    EXPECT_EQ(w.problem, SaveProblem::DataFileMissing);
    EXPECT_EQ(wheels::saveProblemMessage(w), "The wheel file cannot be found!");
}

TEST_F(PrepareWheel, NumbersAreCheckedBeforeAnyFile) {
    wheels::WheelSaveInput in = input();
    in.boxes[3] = QStringLiteral("5");
    EXPECT_EQ(wheels::prepareWheel(in, scriptedRandom({})).problem, SaveProblem::Same);
    in.boxes[3] = QStringLiteral("51");
    EXPECT_EQ(wheels::prepareWheel(in, scriptedRandom({})).problem, SaveProblem::OutOfRange);
}

TEST_F(PrepareWheel, AMalformedDataFileIsCorruptAndGivesNoBytes) {
    const QByteArray good = "01 02 03 04\n03 04 05 06\n07 08 09 10\n";
    const struct {
        const char* why;
        QByteArray text;
    } cases[] = {
        {"position beyond n", "01 02 03 11\n03 04 05 06\n07 08 09 10\n"},
        {"repeated position", "01 02 02 04\n03 04 05 06\n07 08 09 10\n"},
        {"position 0", "00 02 03 04\n03 04 05 06\n07 08 09 10\n"},
        {"blank field", "01    03 04\n03 04 05 06\n07 08 09 10\n"},
        {"letters", "01 AB 03 04\n03 04 05 06\n07 08 09 10\n"},
        {"fewer lines than E", "01 02 03 04\n03 04 05 06\n"},
        {"more lines than E", good + "01 05 09 10\n"},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        writeWheel(QStringLiteral("4-4-2-10.whl"), c.text);
        const wheels::PreparedWheel w = wheels::prepareWheel(input(), scriptedRandom({}));
        EXPECT_EQ(w.problem, SaveProblem::DataFileCorrupt) << c.why;
        EXPECT_TRUE(w.bytes.isEmpty()) << c.why;
        EXPECT_TRUE(wheels::saveProblemMessage(w).startsWith(
            QStringLiteral("Your wheel data file is corrupt (4-4-2-10.whl, ")))
            << c.why << ": " << wheels::saveProblemMessage(w).toStdString();
    }
    writeWheel(QStringLiteral("4-4-2-10.whl"), good);
    EXPECT_EQ(wheels::prepareWheel(input(), scriptedRandom({})).problem, SaveProblem::None);
}

TEST_F(PrepareWheel, TooFewDrawsIsToldBeforeACorruptFile) {
    writeWheel(QStringLiteral("4-4-2-10.whl"), "00 00 00 00\n");
    const wheels::PreparedWheel w =
        wheels::prepareWheel(input(ExtraRule::Optimized), scriptedRandom({}));
    EXPECT_EQ(w.problem, SaveProblem::TooFewDraws);
}

TEST_F(PrepareWheel, StoredCountIsReadWithoutCreatingTheFile) {
    EXPECT_EQ(wheels::storedEntryCount(file(QStringLiteral("Lotto-4-4-2.lot"))), 0);
    EXPECT_FALSE(exists(QStringLiteral("Lotto-4-4-2.lot")));
    writeFile(QStringLiteral("Lotto-4-4-2.lot"), tenNumbersWheel(0, 0, 0));
    EXPECT_EQ(wheels::storedEntryCount(file(QStringLiteral("Lotto-4-4-2.lot"))), 3);
}
