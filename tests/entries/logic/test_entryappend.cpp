// The order entries are stored in, and appending to an entry file byte for byte.
#include <gtest/gtest.h>

#include <span>

#include "entries/logic/entryfile.h"
#include "entries/logic/entrysort.h"
#include "logic_helpers.h"
#include "shared/filefaults.h"
#include "support/bytes.h"
#include "support/kestrovatest.h"

using namespace entries;

namespace {

struct SortCase {
    std::vector<int> in;
    std::vector<int> out;
};

class SortNumbers : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortNumbers, PutsTheNumbersInAscendingOrder) {
    std::vector<qint16> v(GetParam().in.begin(), GetParam().in.end());
    sortNumbers(v);
    EXPECT_EQ(std::vector<int>(v.begin(), v.end()), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SortNumbers,
    ::testing::Values(SortCase{{30, 4, 17, 9}, {4, 9, 17, 30}},
                      SortCase{{45, 34, 23, 12, 5, 1}, {1, 5, 12, 23, 34, 45}},  // reversed
                      SortCase{{7, 6, 5, 4, 3, 2, 1}, {1, 2, 3, 4, 5, 6, 7}},    // needs every pass
                      SortCase{{3, 1, 2}, {1, 2, 3}}, SortCase{{5, 5, 1}, {1, 5, 5}},
                      SortCase{{}, {}}));

class EntryFile : public KestrovaTest {};

Entry numbers(std::initializer_list<int> balls, int extra) {
    Entry e;
    std::size_t i = 0;
    for (int b : balls) {
        e.balls[i++] = static_cast<qint16>(b);
    }
    e.extra = static_cast<qint16>(extra);
    return e;
}

TEST_F(EntryFile, AppendCopiesRecordOneAndRaisesItsCount) {
    using fixture::draw;
    writeFile("e.lot", draw(2, 0, 5, 3, 2012, {1, 2, 3}, 4) + draw(0, 0, 5, 3, 2012, {5, 6, 7}, 8));
    {
        DrawFile file(this->file("e.lot"));
        const Appended a = appendEntry(file, numbers({10, 20, 30}, 9));
        EXPECT_EQ(a.result, DrawFile::Append::Done);
        EXPECT_EQ(a.count, 3);
    }
    // Record 3 keeps record 1's fields as they were, its old count included.
    EXPECT_EQ(readFile("e.lot"), draw(3, 0, 5, 3, 2012, {1, 2, 3}, 4) +
                                     draw(0, 0, 5, 3, 2012, {5, 6, 7}, 8) +
                                     draw(2, 0, 5, 3, 2012, {10, 20, 30}, 9));
}

TEST_F(EntryFile, TheFirstEntryOfAMissingFileBecomesRecordOne) {
    {
        DrawFile file(this->file("new.lot"));
        EXPECT_EQ(appendEntry(file, numbers({4, 9, 17}, 0)).count, 1);
    }
    EXPECT_EQ(readFile("new.lot"), fixture::entry(1, {4, 9, 17}));
}

TEST_F(EntryFile, AFileThatCannotBeWrittenIsReportedAndLeftAlone) {
    DrawFile file(this->file("no/such/folder.lot"));
    const Appended a = appendEntry(file, numbers({1, 2, 3}, 0));
    EXPECT_EQ(a.result, DrawFile::Append::Failed);
    EXPECT_EQ(appendFailureMessage(a.result),
              "The entry could not be added to the entry file. Nothing was added.");
    EXPECT_FALSE(exists("no"));
}

struct AppendFault {
    const char* name;
    FileFaults::Step step;
    int n;  // the record is the first write, the count the second
};
std::ostream& operator<<(std::ostream& os, const AppendFault& f) {
    return os << f.name;
}

class AppendFaults : public KestrovaTest, public ::testing::WithParamInterface<AppendFault> {};

TEST_P(AppendFaults, AFailedAppendLeavesTheFileByteForByteAsItWas) {
    using fixture::entry;
    const QByteArray before = entry(2, {1, 2, 3}) + entry(0, {4, 5, 6});
    writeFile("e.lot", before);
    // And a file that holds one record more than it counts: the append overwrites that one.
    const QByteArray spare = entry(1, {1, 2, 3}) + entry(0, {7, 8, 9});
    writeFile("spare.lot", spare);
    for (const char* name : {"e.lot", "spare.lot"}) {
        fileFaults().failAt(GetParam().step, GetParam().n);
        {
            DrawFile file(this->file(name));
            EXPECT_EQ(appendEntry(file, numbers({10, 20, 30}, 0)).result, DrawFile::Append::Failed);
        }
        fileFaults().reset();
    }
    EXPECT_EQ(readFile("e.lot"), before);
    EXPECT_EQ(readFile("spare.lot"), spare);
}

INSTANTIATE_TEST_SUITE_P(Steps, AppendFaults,
                         ::testing::Values(AppendFault{"RecordWrite", FileFaults::Step::Write, 1},
                                           AppendFault{"RecordFlush", FileFaults::Step::Flush, 1},
                                           AppendFault{"CountWrite", FileFaults::Step::Write, 2},
                                           AppendFault{"CountFlush", FileFaults::Step::Flush, 2}),
                         [](const ::testing::TestParamInfo<AppendFault>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(EntryFile, ReadingTakesTheCountedRecordsButNeverMoreThanTheFileHolds) {
    using fixture::entry;
    writeFile("e.lot", entry(2, {1, 2, 3}) + entry(0, {4, 5, 6}) + entry(0, {7, 8, 9}));
    std::vector<DrawRecord> got = readCounted(file("e.lot"));
    ASSERT_EQ(got.size(), 2U);
    EXPECT_EQ(got[1].balls[0], 4);

    writeFile("damaged.lot", entry(32767, {1, 2, 3}));
    EXPECT_EQ(readCounted(file("damaged.lot")).size(), 1U);
    EXPECT_TRUE(readCounted(file("missing.lot")).empty());
}

}  // namespace
