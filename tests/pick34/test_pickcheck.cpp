// The check of Pick entries: exact matches, any-order matches of what is left, the sum tag.
#include <gtest/gtest.h>

#include "pick34/logic/pickcheck.h"
#include "pickbytes.h"

using namespace fixture;

namespace {

PickDigits digits(const char* text) {
    const QString t = QString::fromLatin1(text);
    return pickDigitsOf(t, static_cast<int>(t.size()));
}

}  // namespace

void PrintTo(const PickMatch& m, std::ostream* os) {
    *os << m.exact << "-" << m.any << (m.sum ? " Sum" : "");
}

TEST(PickCheck, ExactFirstThenAnyOrderEachDigitUsedOnce) {
    struct Case {
        const char* draw;
        const char* entry;
        int exact;
        int any;
        bool sum;
        const char* line;
    };
    const Case cases[] = {
        {"123", "123", 3, 0, true, " 1 2 3 (3-0) Sum"},
        {"123", "321", 1, 2, true, " 3 2 1 (1-2) Sum"},
        {"112", "121", 1, 2, true, " 1 2 1 (1-2) Sum"},
        {"112", "221", 0, 2, false, " 2 2 1 (0-2) "},
        {"000", "999", 0, 0, false, " 9 9 9 (0-0) "},
        {"090", "900", 1, 2, true, " 9 0 0 (1-2) Sum"},
        {"111", "001", 1, 0, false, " 0 0 1 (1-0) "},
        {"123", "456", 0, 0, false, " 4 5 6 (0-0) "},
        {"306", "135", 0, 1, true, " 1 3 5 (0-1) Sum"},
        {"307", "135", 0, 1, false, " 1 3 5 (0-1) "},
        {"1234", "4321", 0, 4, true, " 4 3 2 1 (0-4) Sum"},
        {"1122", "2211", 0, 4, true, " 2 2 1 1 (0-4) Sum"},
        {"1122", "1212", 2, 2, true, " 1 2 1 2 (2-2) Sum"},
        {"0000", "0009", 3, 0, false, " 0 0 0 9 (3-0) "},
        {"5050", "0550", 2, 2, true, " 0 5 5 0 (2-2) Sum"},
        // A digit the draw repeats in the entry, matched exactly: it is used up on both sides.
        {"123", "113", 2, 0, false, " 1 1 3 (2-0) "},
        {"1234", "1134", 3, 0, false, " 1 1 3 4 (3-0) "},
    };
    for (const Case& c : cases) {
        const int k = static_cast<int>(qstrlen(c.draw));
        const PickMatch m = checkPick(digits(c.entry), digits(c.draw), k);
        EXPECT_EQ(m, (PickMatch{c.exact, c.any, c.sum})) << c.draw << " " << c.entry;
        EXPECT_EQ(pickSummaryLine(digits(c.entry), k, m), QLatin1String(c.line));
    }
}

TEST(PickCheck, SumTagOnlyNeedsEqualSums) {
    const PickMatch m = checkPick(digits("546"), digits("159"), 3);
    EXPECT_EQ(m, (PickMatch{0, 1, true}));
}

TEST(PickCheck, EveryCountedEntryGetsALineInFileOrder) {
    const PickImage entries(pickEntry(2, {3, 2, 1}, 4) + pickEntry(0, {1, 2, 3}) +
                            pickEntry(0, {7, 7, 7}));
    EXPECT_EQ(checkPickEntries(entries, digits("123"), 3),
              QStringList({" 3 2 1 (1-2) Sum", " 1 2 3 (3-0) Sum"}));
    EXPECT_TRUE(checkPickEntries(PickImage(), digits("123"), 3).isEmpty());
}

TEST(PickCheck, ComboNeedsEveryDigitInAnyOrder) {
    EXPECT_TRUE(checkforcombo(digits("321"), digits("123"), 3));
    EXPECT_TRUE(checkforcombo(digits("112"), digits("121"), 3));
    EXPECT_FALSE(checkforcombo(digits("221"), digits("112"), 3));
    EXPECT_TRUE(checkforcombo(digits("4321"), digits("1234"), 4));
    EXPECT_FALSE(checkforcombo(digits("4322"), digits("1234"), 4));
}

TEST(PickNumberText, ExactlyKDigitsAsTyped) {
    struct Case {
        const char* text;
        int k;
        bool valid;
    };
    const Case cases[] = {
        {"407", 3, true},
        {"000", 3, true},
        {"12", 3, false},
        {"12 ", 3, false},
        {" 12", 3, false},
        {"12a", 3, false},
        {"1 2", 3, false},
        {"", 3, false},
        {"1234", 4, true},
        {"12a4", 4, false},
        {"123", 4, false},
        {"12345", 4, false},
        {"-12", 3, false},
        {"\xd9\xa1"
         "23",
         3, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isPickNumber(QString::fromUtf8(c.text), c.k), c.valid) << c.text;
    }
}

TEST(PickNumberText, DigitsAndBack) {
    EXPECT_EQ(pickDigitsOf(QStringLiteral("407"), 3), (PickDigits{4, 0, 7, 0}));
    EXPECT_EQ(pickDigitsOf(QStringLiteral("9012"), 4), (PickDigits{9, 0, 1, 2}));
    EXPECT_EQ(pickDigitText({0, 0, 7, 5}, 3), QStringLiteral("007"));
    EXPECT_EQ(pickDigitText({0, 0, 7, 5}, 4), QStringLiteral("0075"));
}
