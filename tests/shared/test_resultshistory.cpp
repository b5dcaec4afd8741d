// Inserting draws in date order into a results history and deleting them, byte for byte.
#include <gtest/gtest.h>

#include <QFile>

#include "shared/resultshistory.h"
#include "support/bytes.h"
#include "support/kestrovatest.h"

using namespace fixture;

namespace {

DrawRecord newDraw(int day, int month, int year, std::array<qint16, 7> balls, qint16 extra) {
    DrawRecord d;
    d.day = static_cast<qint16>(day);
    d.month = static_cast<qint16>(month);
    d.year = static_cast<qint16>(year);
    d.balls = balls;
    d.extra = extra;
    // Whatever the caller leaves in these must not reach the file.
    d.count = 99;
    d.ordinal = 99;
    return d;
}

// Three draws: 1 Feb, 1 Mar (stray count 5 in its count field) and 1 Apr 2012.
QByteArray threeDraws() {
    return draw(3, 1, 1, 2, 2012, {1, 2, 3, 4, 5}, 6) +
           draw(5, 2, 1, 3, 2012, {7, 8, 9, 10, 11}, 12) +
           draw(0, 3, 1, 4, 2012, {13, 14, 15, 16, 17}, 18);
}

}  // namespace

TEST(ResultsHistoryInsert, FirstDrawOfAnEmptyFileIsRecordOneWithCountAndOrdinalOne) {
    ResultsHistory h;
    EXPECT_EQ(h.insert(newDraw(5, 3, 2012, {5, 12, 23, 34, 45}, 7)), 1);
    EXPECT_EQ(h.bytes(), draw(1, 1, 5, 3, 2012, {5, 12, 23, 34, 45}, 7));
}

TEST(ResultsHistoryInsert, StaleRecordsBehindACountOfZeroAreOverwritten) {
    ResultsHistory h(draw(0, 1, 1, 1, 2000, {9, 9, 9}, 0) + draw(0, 2, 2, 1, 2000, {8, 8, 8}, 0));
    h.insert(newDraw(5, 3, 2012, {1, 2, 3}, 0));
    EXPECT_EQ(h.bytes(),
              draw(1, 1, 5, 3, 2012, {1, 2, 3}, 0) + draw(0, 2, 2, 1, 2000, {8, 8, 8}, 0));
}

TEST(ResultsHistoryInsert, DrawBeforeEveryStoredDrawBecomesRecordOne) {
    ResultsHistory h(threeDraws());
    EXPECT_EQ(h.insert(newDraw(1, 1, 2012, {20, 21, 22, 23, 24}, 25)), 1);
    // The moved records carry their count fields along; only record 1's count counts.
    EXPECT_EQ(h.bytes(), draw(4, 1, 1, 1, 2012, {20, 21, 22, 23, 24}, 25) +
                             draw(3, 2, 1, 2, 2012, {1, 2, 3, 4, 5}, 6) +
                             draw(5, 3, 1, 3, 2012, {7, 8, 9, 10, 11}, 12) +
                             draw(0, 4, 1, 4, 2012, {13, 14, 15, 16, 17}, 18));
}

TEST(ResultsHistoryInsert, DrawBetweenTwoStoredDrawsGoesBeforeTheFirstLaterOne) {
    ResultsHistory h(threeDraws());
    EXPECT_EQ(h.insert(newDraw(15, 2, 2012, {20, 21, 22, 23, 24}, 25)), 2);
    EXPECT_EQ(h.bytes(), draw(4, 1, 1, 2, 2012, {1, 2, 3, 4, 5}, 6) +
                             draw(5, 2, 15, 2, 2012, {20, 21, 22, 23, 24}, 25) +
                             draw(5, 3, 1, 3, 2012, {7, 8, 9, 10, 11}, 12) +
                             draw(0, 4, 1, 4, 2012, {13, 14, 15, 16, 17}, 18));
}

TEST(ResultsHistoryInsert, DrawOnAStoredDateGoesAfterItAndLaterDrawsAreAppended) {
    ResultsHistory h(threeDraws());
    EXPECT_EQ(h.insert(newDraw(1, 3, 2012, {30, 31, 32, 33, 34}, 1)), 3);
    EXPECT_EQ(h.record(3).day, 1);
    EXPECT_EQ(h.record(4).ordinal, 4);
    EXPECT_EQ(h.insert(newDraw(2, 5, 2012, {40, 41, 42, 43, 44}, 2)), 5);
    EXPECT_EQ(h.count(), 5);
    EXPECT_EQ(h.bytes().mid(4 * 28), draw(5, 5, 2, 5, 2012, {40, 41, 42, 43, 44}, 2));
}

TEST(ResultsHistoryInsert, OrderIsByYearThenMonthThenDay) {
    ResultsHistory h(draw(1, 1, 31, 12, 2011, {1, 2, 3}, 0));
    EXPECT_EQ(h.insert(newDraw(1, 1, 2012, {4, 5, 6}, 0)), 2);
    EXPECT_EQ(h.insert(newDraw(30, 12, 2011, {7, 8, 9}, 0)), 1);
}

TEST(ResultsHistoryFind, FirstRecordOfTheDateAmongTheCountedOnes) {
    const QByteArray twice =
        draw(3, 1, 1, 2, 2012, {1, 2, 3}, 0) + draw(0, 2, 5, 3, 2012, {4, 5, 6}, 0) +
        draw(0, 3, 5, 3, 2012, {7, 8, 9}, 0) + draw(0, 4, 9, 9, 2012, {1, 1, 1}, 0);
    const ResultsHistory h(twice);
    EXPECT_EQ(h.find(5, 3, 2012), 2);
    EXPECT_EQ(h.find(9, 9, 2012), 0);  // behind the count
    EXPECT_EQ(h.find(6, 3, 2012), 0);
    EXPECT_EQ(ResultsHistory().find(5, 3, 2012), 0);
}

TEST(ResultsHistoryRemove, OnlyDrawEmptiesTheHistory) {
    ResultsHistory h(draw(1, 1, 5, 3, 2012, {1, 2, 3}, 0));
    ASSERT_TRUE(h.remove(1));
    EXPECT_TRUE(h.isEmptied());
}

TEST(ResultsHistoryRemove, LastDrawOnlyLowersTheCount) {
    ResultsHistory h(threeDraws());
    ASSERT_TRUE(h.remove(3));
    QByteArray expected = threeDraws();
    expected.replace(0, 4, le32(2));
    EXPECT_EQ(h.bytes(), expected);
    EXPECT_FALSE(h.isEmptied());
}

TEST(ResultsHistoryRemove, FirstDrawMovesTheLaterOnesDownAndKeepsTheFileLength) {
    ResultsHistory h(threeDraws());
    ASSERT_TRUE(h.remove(1));
    EXPECT_EQ(h.bytes(), draw(2, 1, 1, 3, 2012, {7, 8, 9, 10, 11}, 12) +
                             draw(0, 2, 1, 4, 2012, {13, 14, 15, 16, 17}, 18) +
                             draw(0, 3, 1, 4, 2012, {13, 14, 15, 16, 17}, 18));
}

TEST(ResultsHistoryRemove, RecordOutsideTheCountIsRefusedAndNothingChanges) {
    ResultsHistory h(threeDraws());
    EXPECT_FALSE(h.remove(0));
    EXPECT_FALSE(h.remove(4));
    EXPECT_EQ(h.bytes(), threeDraws());
}

class ResultsHistoryRead : public KestrovaTest {};

TEST_F(ResultsHistoryRead, MissingFileIsCreatedEmpty) {
    const auto h = ResultsHistory::read(file("Lotto.rtl"));
    ASSERT_TRUE(h.has_value());
    EXPECT_EQ(h->count(), 0);
    EXPECT_TRUE(exists("Lotto.rtl"));
}

TEST_F(ResultsHistoryRead, ReadOnlyFileIsStillRead) {
    writeFile("Lotto.rtl", threeDraws());
    QFile::setPermissions(file("Lotto.rtl"), QFileDevice::ReadOwner);
    const auto h = ResultsHistory::read(file("Lotto.rtl"));
    ASSERT_TRUE(h.has_value());
    EXPECT_EQ(h->bytes(), threeDraws());
}
