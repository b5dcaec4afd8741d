// Deleting entries from an entry file image: the bytes match those of moving the later records
// down one deletion at a time, the count in record 1 included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/drawrecord.h"
#include "support/bytes.h"

namespace {

// Records named by a letter: 'A' holds 1 2 3 4 5 6 and extra 1, 'B' 2 .. 7 and extra 2, and so
// on; record 1 carries the count.
QByteArray image(const std::string& records, long count) {
    QByteArray bytes;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int n = records[i] - 'A' + 1;
        bytes += fixture::entry(i == 0 ? count : 0, {n, n + 1, n + 2, n + 3, n + 4, n + 5}, n);
    }
    return bytes;
}

struct Deletion {
    const char* name;
    std::string before;
    long count;
    std::vector<int> deleted;
    std::string after;
    long countAfter;
    int removed;
};

class DrawDelete : public ::testing::TestWithParam<Deletion> {};

TEST_P(DrawDelete, MatchesMovingOneRecordAtATime) {
    const Deletion& d = GetParam();
    DrawImage records(image(d.before, d.count));
    EXPECT_EQ(removeRecords(records, d.deleted), d.removed);
    EXPECT_EQ(records.bytes(), image(d.after, d.countAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Table, DrawDelete,
    ::testing::Values(Deletion{"First", "ABCD", 4, {1}, "BCDD", 3, 1},
                      Deletion{"Last", "ABCD", 4, {4}, "ABCD", 3, 1},
                      Deletion{"Middle", "ABCD", 4, {2}, "ACDD", 3, 1},
                      Deletion{"SeveralApart", "ABCDE", 5, {1, 3, 5}, "BDEEE", 2, 3},
                      Deletion{"SeveralTogether", "ABCDE", 5, {2, 3}, "ADEEE", 3, 2},
                      Deletion{
                          "AllLeavesTheLastWithCountZero", "ABCD", 4, {1, 2, 3, 4}, "DDDD", 0, 4},
                      Deletion{"OnlyRecord", "A", 1, {1}, "A", 0, 1},
                      Deletion{"RecordsPastTheCountStay", "ABCDE", 3, {2, 5}, "ACCDE", 2, 1},
                      Deletion{"NothingCounted", "AB", 0, {1}, "AB", 0, 0},
                      Deletion{"NoneAsked", "ABC", 3, {}, "ABC", 3, 0}),
    [](const ::testing::TestParamInfo<Deletion>& info) { return std::string(info.param.name); });

// A count stored in another record must not reach record 1 when that record moves there.
TEST(DrawDeleteCount, RecordOneTakesTheNewCountNotTheMovedOne) {
    QByteArray bytes = image("ABC", 3);
    bytes.replace(DrawRecord::kSize, 4, fixture::le32(99));
    DrawImage records(bytes);
    ASSERT_EQ(removeRecords(records, {1}), 1);
    EXPECT_EQ(records.bytes().left(DrawRecord::kSize), image("B", 2));
    EXPECT_EQ(records.count(), 2);
}

}  // namespace
