// The test of a typed entry that the edit and add windows share: codes, their order and the
// numbers stored.
#include <gtest/gtest.h>

#include <vector>

#include "shared/entryvalidation.h"

namespace {

struct FaultCase {
    const char* name;
    EntryWindow window;
    EntryRules rules;
    std::vector<const char*> boxes;
    EntryFault fault;
};

std::ostream& operator<<(std::ostream& os, const FaultCase& c) {
    return os << c.name;
}

class TypedEntryFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(TypedEntryFault, TheLastFailingTestDecides) {
    const FaultCase& c = GetParam();
    std::vector<QString> boxes;
    for (const char* b : c.boxes) {
        boxes.push_back(QString::fromLatin1(b));
    }
    EXPECT_EQ(entryFault(boxes, c.rules, c.window), c.fault);
}

constexpr EntryWindow kEdit = EntryWindow::Edit;
constexpr EntryWindow kAdd = EntryWindow::Add;
// Three main numbers of 49 with an extra of 26; the same with the extra from the main pool; a
// five-number card game; three main numbers without an extra.
constexpr EntryRules kOwnExtra{3, 1, 49, 26, false};
constexpr EntryRules kMainExtra{3, 1, 49, 0, false};
constexpr EntryRules kCards{5, 1, 49, 16, true};
constexpr EntryRules kNoExtra{3, 0, 49, 0, false};
constexpr EntryRules kSeven{7, 1, 49, 10, false};

constexpr EntryFault kNone = EntryFault::None;
constexpr EntryFault kSame = EntryFault::Same;
constexpr EntryFault kNotNumber = EntryFault::NotANumber;
constexpr EntryFault kRange = EntryFault::OutOfRange;

INSTANTIATE_TEST_SUITE_P(
    Edit, TypedEntryFault,
    ::testing::Values(
        // The pair (2, 0) tests box 2 after the pair (0, 1) found the duplicates.
        FaultCase{"DuplicatesThenZero", kEdit, kOwnExtra, {"12", "12", "0", "05"}, kNotNumber},
        FaultCase{"ZeroThenDuplicates", kEdit, kOwnExtra, {"0", "12", "12", "05"}, kSame},
        FaultCase{"DuplicatesThenBlank", kEdit, kOwnExtra, {"12", "12", "", "05"}, kNotNumber},
        FaultCase{"BlankThenDuplicates", kEdit, kOwnExtra, {"", "12", "12", "05"}, kSame},
        // Two blank boxes are equal, but each is also below 1, tested after: not a number.
        FaultCase{"TwoBlanks", kEdit, kOwnExtra, {"12", "", "", "05"}, kNotNumber},
        FaultCase{"DuplicatesThenAbovePool", kEdit, kOwnExtra, {"5", "5", "70", "05"}, kRange},
        FaultCase{"AbovePoolThenDuplicates", kEdit, kOwnExtra, {"70", "5", "5", "05"}, kSame},
        FaultCase{"LeadingLetter", kEdit, kOwnExtra, {"A1", "12", "13", "05"}, kNotNumber},
        FaultCase{"ThePoolItself", kEdit, kOwnExtra, {"49", "12", "13", "05"}, kNone},
        FaultCase{"OneAbovePool", kEdit, kOwnExtra, {"50", "12", "13", "05"}, kRange},
        FaultCase{"ZeroBlankAndLetter", kEdit, kOwnExtra, {"07", " 9", "5x", "05"}, kNone},
        FaultCase{"ExtraAtItsPool", kEdit, kOwnExtra, {"1", "2", "3", "26"}, kNone},
        FaultCase{"ExtraAboveItsPool", kEdit, kOwnExtra, {"1", "2", "3", "27"}, kRange},
        FaultCase{"ExtraBlank", kEdit, kOwnExtra, {"1", "2", "3", ""}, kNotNumber},
        // The extra is tested after the main numbers, so its fault decides.
        FaultCase{"SameThenExtraBlank", kEdit, kOwnExtra, {"1", "1", "3", ""}, kNotNumber},
        // An extra of the main pool may repeat a main number when editing, within that pool.
        FaultCase{"MainPoolExtra", kEdit, kMainExtra, {"1", "2", "3", "49"}, kNone},
        FaultCase{"MainPoolExtraRepeats", kEdit, kMainExtra, {"1", "2", "3", "3"}, kNone},
        FaultCase{"MainPoolExtraAbove", kEdit, kMainExtra, {"1", "2", "3", "50"}, kRange},
        FaultCase{"CardInSmallLetters", kEdit, kCards, {"1", "2", "3", "4", "5", "qh"}, kNone},
        FaultCase{"CardWithBlank", kEdit, kCards, {"1", "2", "3", "4", "5", " QH"}, kNone},
        FaultCase{"NoCard", kEdit, kCards, {"1", "2", "3", "4", "5", "ZZ"}, kNotNumber},
        FaultCase{"NoExtraBox", kEdit, kNoExtra, {"1", "2", "3", "xx"}, kNone},
        // Seven main numbers leave no box for an extra.
        FaultCase{"SevenMains", kEdit, kSeven, {"1", "2", "3", "4", "5", "6", "49"}, kNone},
        FaultCase{"SevenMainsRepeat", kEdit, kSeven, {"1", "2", "3", "4", "5", "6", "6"}, kSame}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Add, TypedEntryFault,
    ::testing::Values(
        FaultCase{"DuplicatesThenAbovePool", kAdd, kNoExtra, {"05", "05", "70"}, kRange},
        FaultCase{"AbovePoolThenDuplicates", kAdd, kNoExtra, {"70", "05", "05"}, kSame},
        FaultCase{"TwoBlanks", kAdd, kOwnExtra, {"12", "", "", "05"}, kNotNumber},
        FaultCase{"LetterInAMainBox", kAdd, kOwnExtra, {"1", "ab", "3", "5"}, kNotNumber},
        // An extra of its own pool is only tested for its range.
        FaultCase{"LetterInTheExtra", kAdd, kOwnExtra, {"1", "2", "3", "ab"}, kRange},
        FaultCase{"ExtraAtItsPool", kAdd, kOwnExtra, {"1", "2", "3", "26"}, kNone},
        FaultCase{"ExtraAboveItsPool", kAdd, kOwnExtra, {"1", "2", "3", "27"}, kRange},
        // An extra of the main pool is one of the numbers of the pair test.
        FaultCase{"MainPoolExtraRepeats", kAdd, kMainExtra, {"1", "2", "3", "3"}, kSame},
        FaultCase{"MainPoolExtraBlank", kAdd, kMainExtra, {"1", "2", "3", ""}, kNotNumber},
        FaultCase{"MainPoolExtraAbove", kAdd, kMainExtra, {"1", "2", "3", "50"}, kRange},
        FaultCase{"CardInSmallLetters", kAdd, kCards, {"1", "2", "3", "4", "5", "qh"}, kNone},
        FaultCase{"NoCard", kAdd, kCards, {"1", "2", "3", "4", "5", "ZZ"}, kRange},
        // Adding takes the card box as typed: nothing may stand around the code.
        FaultCase{"CardWithBlank", kAdd, kCards, {"1", "2", "3", "4", "5", " Q"}, kRange}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryFaultMessage, OneTextPerCode) {
    EXPECT_EQ(entryFaultMessage(EntryFault::Same),
              QStringLiteral("One or more of your numbers are the same!"));
    EXPECT_EQ(entryFaultMessage(EntryFault::NotANumber),
              QStringLiteral("One or more of your entries is not a number!"));
    EXPECT_EQ(entryFaultMessage(EntryFault::OutOfRange),
              QStringLiteral("One or more of your numbers are out of range for the game!"));
    EXPECT_TRUE(entryFaultMessage(EntryFault::None).isEmpty());
}

struct StoredCase {
    const char* name;
    EntryRules rules;
    std::vector<const char*> boxes;
    MainNumbers mains;
    qint16 extra;
};

std::ostream& operator<<(std::ostream& os, const StoredCase& c) {
    return os << c.name;
}

class TypedEntryNumbers : public ::testing::TestWithParam<StoredCase> {};

TEST_P(TypedEntryNumbers, AreSortedAndRoundedHalvesToEven) {
    const StoredCase& c = GetParam();
    std::vector<QString> boxes;
    for (const char* b : c.boxes) {
        boxes.push_back(QString::fromLatin1(b));
    }
    const TypedEntry e = typedEntry(boxes, c.rules);
    EXPECT_EQ(e.mains, c.mains);
    EXPECT_EQ(e.extra, c.extra);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, TypedEntryNumbers,
    ::testing::Values(
        StoredCase{"FourSorted", {4, 0, 49, 0, false}, {"30", "4", "17", "9"}, {4, 9, 17, 30}, 0},
        StoredCase{"ExtraNotSorted", kOwnExtra, {"30", "4", "17", "2"}, {4, 17, 30}, 2},
        StoredCase{"Halves", kOwnExtra, {"2.5", "3.5", " 7x", "4.5"}, {2, 4, 7}, 4},
        StoredCase{"Card", kCards, {"5", "4", "3", "2", "1", " qh "}, {1, 2, 3, 4, 5}, 7},
        StoredCase{"Seven", kSeven, {"7", "6", "5", "4", "3", "2", "1"}, {1, 2, 3, 4, 5, 6, 7}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
