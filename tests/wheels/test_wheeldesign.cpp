// The guarantee table, the wheel data file format and the proof of every shipped wheel file.
#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "wheels/design/wheeltable.h"
#include "wheels/design/wheelverify.h"

using namespace wheeldesign;

namespace {

struct Row {
    int k, d, m, n, entries;
};

std::vector<Row> allRows() {
    std::vector<Row> rows;
    for (const WheelType& t : wheelTypes())
        for (const WheelSize& s : t.sizes)
            rows.push_back({t.k, t.d, t.m, s.n, s.entries});
    return rows;
}

}  // namespace

TEST(WheelTable, HasEveryTypeOfTheFourWindows) {
    EXPECT_EQ(wheelTypesOf(4).size(), 3u);
    EXPECT_EQ(wheelTypesOf(5).size(), 6u);
    EXPECT_EQ(wheelTypesOf(6).size(), 10u);
    EXPECT_EQ(wheelTypesOf(7).size(), 5u);
    EXPECT_TRUE(wheelTypesOf(8).empty());
    for (int k = 4; k <= 7; ++k) {
        const auto types = wheelTypesOf(k);
        for (std::size_t i = 0; i < types.size(); ++i) {
            EXPECT_EQ(types[i]->type, static_cast<int>(i) + 1);
            EXPECT_EQ(types[i]->k, k);
        }
    }
}

TEST(WheelTable, CountsFilesAndLinesAsked) {
    std::size_t files = 0;
    long asked = 0;
    for (const WheelType& t : wheelTypes()) {
        files += t.sizes.size();
        for (const WheelSize& s : t.sizes)
            asked += s.askedEntries;
    }
    EXPECT_EQ(files, 205u);
    EXPECT_EQ(asked, 66835);
}

TEST(WheelTable, SizesAscendAndNeverExceed24) {
    for (const WheelType& t : wheelTypes()) {
        int previous = 0;
        for (const WheelSize& s : t.sizes) {
            EXPECT_GT(s.n, previous);
            EXPECT_LE(s.n, 24);
            EXPECT_GE(s.n, t.k);
            EXPECT_GE(s.entries, s.askedEntries) << t.k << "-" << t.d << "-" << t.m << "-" << s.n;
            EXPECT_LE(s.entries, 32767);
            previous = s.n;
        }
    }
}

TEST(WheelTable, FullWheelsHoldEveryKSubset) {
    int full = 0;
    for (const WheelType& t : wheelTypes()) {
        if (!t.isFull())
            continue;
        ++full;
        EXPECT_EQ(t.type, 1);
        for (const WheelSize& s : t.sizes)
            EXPECT_EQ(static_cast<std::uint64_t>(s.entries), binomial(s.n, t.k));
    }
    EXPECT_EQ(full, 4);
    EXPECT_EQ(wheelEntries(7, 1, 16), 11440);
    EXPECT_EQ(wheelEntries(4, 1, 5), 5);
}

TEST(WheelTable, LooksUpTypesSizesAndNames) {
    EXPECT_EQ(wheelEntries(6, 6, 14), 37);  // wheel6 5-4 of 14
    EXPECT_EQ(wheelEntries(6, 8, 11), 37);  // wheel6 4-4 of 11
    EXPECT_EQ(wheelEntries(6, 2, 8), 4);
    EXPECT_EQ(wheelEntries(4, 3, 15), 7);
    EXPECT_EQ(wheelEntries(4, 3, 11), 0);  // 4-2 offers 10, 15, 20 only
    EXPECT_EQ(wheelEntries(7, 5, 20), 3);
    EXPECT_EQ(wheelEntries(7, 5, 17), 0);
    EXPECT_EQ(wheelEntries(6, 11, 10), 0);
    const WheelType* t = findWheelType(6, 3);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->d, 6);
    EXPECT_EQ(t->m, 4);
    EXPECT_EQ(t->caption(), "Guarantee Match 4");
    EXPECT_EQ(t->heading(), "Any 6 from Group Picked");
    EXPECT_EQ(findWheelTypeByKdm(5, 3, 3)->type, 6);
    EXPECT_EQ(findWheelTypeByKdm(5, 3, 2), nullptr);
    EXPECT_EQ(wheelFileName(6, 5, 4, 12), "6-5-4-12.whl");
    EXPECT_EQ(wheelEntryFileSuffix(6, 5, 4), "-6-5-4.lot");
}

TEST(WheelFormat, WritesTwoDigitFieldsWithOneBlank) {
    EXPECT_EQ(formatWheelLine(0x3Fu), "01 02 03 04 05 06");
    EXPECT_EQ(formatWheelLine((1u << 23) | (1u << 9) | 1u), "01 10 24");
    const std::vector<Block> blocks = {0x7u, 0x38u};
    EXPECT_EQ(formatWheel(blocks), "01 02 03\n04 05 06\n");
}

TEST(WheelFormat, ParsesAStrictFile) {
    std::vector<Block> blocks;
    const WheelShape shape{3, 3, 3, 4, 4};
    const std::string good = "01 02 03\n01 02 04\n01 03 04\n02 03 04\n";
    ASSERT_TRUE(parseWheelText(good, shape, blocks).ok);
    EXPECT_EQ(blocks.size(), 4u);
    EXPECT_TRUE(verifyWheelText(good, shape).ok);

    auto error = [&](const std::string& text) { return parseWheelText(text, shape, blocks); };
    EXPECT_FALSE(error("01 02 03\n01 02 04\n01 03 04\n02 03 04").ok);      // last LF
    EXPECT_FALSE(error("01 02 03\r\n01 02 04\n01 03 04\n02 03 04\n").ok);  // CR
    EXPECT_FALSE(error("01,02,03\n01 02 04\n01 03 04\n02 03 04\n").ok);    // commas
    EXPECT_FALSE(error("01 02 03\n01 02 04\n01 03 04\n").ok);              // too few
    EXPECT_FALSE(error(good + "01 02 03\n").ok);                           // too many
    EXPECT_FALSE(error("01 03 02\n01 02 04\n01 03 04\n02 03 04\n").ok);    // order
    EXPECT_FALSE(error("01 02 05\n01 02 04\n01 03 04\n02 03 04\n").ok);    // > n
    EXPECT_FALSE(error("00 02 03\n01 02 04\n01 03 04\n02 03 04\n").ok);    // 0
    EXPECT_FALSE(error(" 1 02 03\n01 02 04\n01 03 04\n02 03 04\n").ok);    // blank in field
    EXPECT_FALSE(error("01 02  03\n01 02 04\n01 03 04\n02 03 04\n").ok);   // two blanks
    EXPECT_FALSE(error("01 02 03\n01 02 03\n01 03 04\n02 03 04\n").ok);    // repeated
    EXPECT_FALSE(error("01 02 03 \n01 02 04\n01 03 04\n02 03 04\n").ok);   // trailing blank
}

TEST(WheelGuarantee, FindsEveryUnmetDraw) {
    // C(4,3,2): any 2 of 4 in a triple. {1,2,3},{1,2,4} miss only {3,4}.
    std::vector<Block> blocks = {0x7u, 0xBu};
    Block first = 0;
    EXPECT_EQ(countUnmetDraws(blocks, 4, 2, 2, &first), 1u);
    EXPECT_EQ(first, 0xCu);
    blocks.push_back(0xEu);
    EXPECT_EQ(countUnmetDraws(blocks, 4, 2, 2), 0u);
    // A full wheel less one line misses exactly that line.
    std::vector<Block> full;
    for (std::uint32_t x = 0; x < (1u << 8); ++x)
        if (std::popcount(x) == 5)
            full.push_back(x);
    EXPECT_EQ(countUnmetDraws(full, 8, 5, 5), 0u);
    full.erase(full.begin() + 17);
    EXPECT_EQ(countUnmetDraws(full, 8, 5, 5), 1u);
    // Lotto 4-4-2 of 10: three parts 4+4+2 (the last padded) meet every 4-set in 2.
    const std::vector<Block> lotto = {0x00Fu, 0x0F0u, 0x303u};
    EXPECT_EQ(countUnmetDraws(lotto, 10, 4, 2), 0u);
    const std::vector<Block> short2 = {0x00Fu, 0x0F0u};
    EXPECT_EQ(countUnmetDraws(short2, 10, 4, 2), 16u);  // one of each part with 9 and 10
}

// A wheel that leaves a single draw unmet breaks the promise made to the player: the proof must
// refuse it wherever that draw lies in the order the proof goes through them.
struct OneMissing {
    const char* label;
    WheelShape shape;
    std::string text;
    const char* unmet;
};

std::ostream& operator<<(std::ostream& os, const OneMissing& c) {
    return os << c.label;
}

class WheelProof : public ::testing::TestWithParam<OneMissing> {};

TEST_P(WheelProof, RefusesAWheelThatMissesExactlyOneDraw) {
    const OneMissing& c = GetParam();
    const WheelCheck check = verifyWheelText(c.text, c.shape);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.unmet, 1u);
    EXPECT_EQ(check.draws, binomial(c.shape.n, c.shape.d));
    EXPECT_NE(check.error.find(c.unmet), std::string::npos) << check.error;
}

// The full wheel 3-3-3 of 5 (every triple of 1..5) without one of its ten lines.
std::string fullWheelWithout(Block missing) {
    std::vector<Block> lines;
    for (Block x = 0; x < (1u << 5); ++x)
        if (std::popcount(x) == 3 && x != missing)
            lines.push_back(x);
    return formatWheel(lines);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, WheelProof,
    ::testing::Values(
        OneMissing{"first", {3, 3, 3, 5, 9}, fullWheelWithout(0x07u), "01 02 03"},
        OneMissing{"middle", {3, 3, 3, 5, 9}, fullWheelWithout(0x0Du), "01 03 04"},
        OneMissing{"last", {3, 3, 3, 5, 9}, fullWheelWithout(0x1Cu), "03 04 05"},
        // Any 2 of 1..4 in a line of three: the last pair, 3 and 4, is met by neither line.
        OneMissing{"pairs", {3, 2, 2, 4, 2}, "01 02 03\n01 02 04\n", "03 04"}),
    [](const auto& info) { return std::string(info.param.label); });

class ShippedWheel : public ::testing::TestWithParam<Row> {};

TEST_P(ShippedWheel, IsProven) {
    const Row r = GetParam();
    const std::filesystem::path path =
        std::filesystem::path(KESTROVA_DATA "/wheels") / wheelFileName(r.k, r.d, r.m, r.n);
    const WheelCheck check = verifyWheelFile(path, {r.k, r.d, r.m, r.n, r.entries});
    EXPECT_TRUE(check.ok) << check.error;
    EXPECT_EQ(check.lines, r.entries);
    EXPECT_EQ(check.unmet, 0u);
    EXPECT_EQ(check.draws, binomial(r.n, r.d));
}

INSTANTIATE_TEST_SUITE_P(AllFiles, ShippedWheel, ::testing::ValuesIn(allRows()),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             const Row& r = info.param;
                             return "w" + std::to_string(r.k) + "_" + std::to_string(r.d) + "_" +
                                    std::to_string(r.m) + "_" + std::to_string(r.n);
                         });

TEST(ShippedWheels, NoOtherFilesInTheFolder) {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KESTROVA_DATA "/wheels")) {
        ++count;
        EXPECT_EQ(entry.path().extension(), ".whl") << entry.path();
    }
    EXPECT_EQ(count, allRows().size());
}
