// The numbers of the coordinate boxes: what a typed text counts as, and the texts written back.
#include <gtest/gtest.h>

#include "slipbytes.h"

#include "playslips/logic/playslipnumbers.h"

namespace {

TEST(BoxNumber, LongestLeadingDecimalNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12.5", 12.5}, {"12.5mm", 12.5}, {"  7", 7},      {"-3", -3},     {"+4.25", 4.25},
        {".5", 0.5},    {"5.", 5},        {"1.5E+2", 150}, {"2e-1x", 0.2}, {"3E", 3},
        {"3e+", 3},     {"1,5", 1},       {"", 0},         {"mm", 0},      {".", 0},
        {"-", 0},       {"\t5", 0},       {"1e999", 0},    {"12 34", 12},  {"0.0001", 0.0001},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(boxNumber(QString::fromLatin1(c.text)), c.value) << c.text;
    }
}

TEST(BoxTexts, PositionsAsTheBoxesShowThem) {
    const struct {
        float mm;
        const char* shown;      // markText
        const char* suggested;  // suggestedText
    } cases[] = {
        {12.5f, "12.5", "12.5"},
        {0.5f, ".5", ".5"},
        {10.0f, "10", "10"},
        {1234.5677f, "1234.568", "1234.568"},
        {0.1f, ".1", ".1"},
        {280.25f, "280.25", "280.25"},
        {0.00001f, "1E-05", "1E-05"},
        {0.0f, "", "0"},
        {-2.0f, "", "-2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(markText(c.mm), QString::fromLatin1(c.shown)) << c.mm;
        EXPECT_EQ(suggestedText(c.mm), QString::fromLatin1(c.suggested)) << c.mm;
    }
}

TEST(BoxTexts, ShiftedPositionsKeepFifteenDigits) {
    const struct {
        double mm;
        const char* text;
    } cases[] = {
        {12, "12"},
        {2.5, "2.5"},
        {-2, "-2"},
        {-0.5, "-.5"},
        {0, "0"},
        {0.1 + 0.2, ".3"},
        {10.0 / 3, "3.33333333333333"},
        {0.25, ".25"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(adjustedText(c.mm), QString::fromLatin1(c.text)) << c.mm;
    }
}

}  // namespace
