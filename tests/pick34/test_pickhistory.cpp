// Storing and deleting Pick draws in date order, byte for byte, and the files they leave.
#include <gtest/gtest.h>

#include <QFile>

#include "pick34/logic/pickhistory.h"
#include "pickbytes.h"
#include "shared/recordfile.h"
#include "support/kestrovatest.h"

using namespace fixture;

namespace {

PickRecord newDraw(int day, int month, int year, PickDigits digits) {
    PickRecord d;
    d.day = static_cast<qint16>(day);
    d.month = static_cast<qint16>(month);
    d.year = static_cast<qint16>(year);
    d.digits = digits;
    d.count = 99;  // whatever the caller leaves here must not reach the file
    d.ordinal = 99;
    return d;
}

// 1 Feb, 1 Mar (stray count 5 in its count field) and 1 Apr 2012.
QByteArray threeDraws() {
    return pick(3, 1, 1, 2, 2012, {1, 2, 3}) + pick(5, 2, 1, 3, 2012, {4, 5, 6}) +
           pick(0, 3, 1, 4, 2012, {7, 8, 9});
}

}  // namespace

TEST(PickHistoryInsert, FirstDrawIsRecordOneWithCountAndOrdinalOne) {
    PickHistory h;
    EXPECT_EQ(h.insert(newDraw(5, 3, 2012, {4, 0, 7, 0})), 1);
    EXPECT_EQ(h.image().bytes(), pick(1, 1, 5, 3, 2012, {4, 0, 7}));
}

TEST(PickHistoryInsert, EarlierThanEveryDrawMovesAllUpWithTheirOrdinals) {
    PickHistory h{PickImage(threeDraws())};
    EXPECT_EQ(h.insert(newDraw(1, 1, 2012, {0, 0, 1, 0})), 1);
    EXPECT_EQ(h.image().bytes(),
              pick(4, 1, 1, 1, 2012, {0, 0, 1}) + pick(3, 2, 1, 2, 2012, {1, 2, 3}) +
                  pick(5, 3, 1, 3, 2012, {4, 5, 6}) + pick(0, 4, 1, 4, 2012, {7, 8, 9}));
}

TEST(PickHistoryInsert, BetweenTwoDrawsGoesBeforeTheFirstLaterOne) {
    PickHistory h{PickImage(threeDraws())};
    EXPECT_EQ(h.insert(newDraw(15, 2, 2012, {9, 9, 9, 0})), 2);
    // The new record carries the count field of the record whose place it took.
    EXPECT_EQ(h.image().bytes(),
              pick(4, 1, 1, 2, 2012, {1, 2, 3}) + pick(5, 2, 15, 2, 2012, {9, 9, 9}) +
                  pick(5, 3, 1, 3, 2012, {4, 5, 6}) + pick(0, 4, 1, 4, 2012, {7, 8, 9}));
}

TEST(PickHistoryInsert, LaterThanEveryDrawIsAppendedWithTheNewCount) {
    PickHistory h{PickImage(threeDraws())};
    EXPECT_EQ(h.insert(newDraw(1, 1, 2013, {1, 1, 1, 0})), 4);
    EXPECT_EQ(h.image().bytes(), pick(4, 1, 1, 2, 2012, {1, 2, 3}) + threeDraws().mid(22) +
                                     pick(4, 4, 1, 1, 2013, {1, 1, 1}));
}

TEST(PickHistoryInsert, StaleRecordsPastTheCountAreOverwritten) {
    PickHistory h{PickImage(pick(1, 1, 1, 2, 2012, {1, 2, 3}) + pick(0, 2, 9, 9, 1999, {6, 6, 6}))};
    EXPECT_EQ(h.find(9, 9, 1999), 0);
    EXPECT_EQ(h.insert(newDraw(1, 3, 2012, {4, 5, 6, 0})), 2);
    EXPECT_EQ(h.image().bytes(),
              pick(2, 1, 1, 2, 2012, {1, 2, 3}) + pick(2, 2, 1, 3, 2012, {4, 5, 6}));
}

TEST(PickHistoryRemove, OnlyDrawEmptiesTheHistory) {
    PickHistory h{PickImage(pick(1, 1, 5, 3, 2012, {1, 2, 3}))};
    EXPECT_TRUE(h.remove(1));
    EXPECT_TRUE(h.isEmptied());
}

TEST(PickHistoryRemove, LaterDrawsMoveDownWithLowerOrdinals) {
    PickHistory h{PickImage(threeDraws())};
    EXPECT_TRUE(h.remove(1));
    EXPECT_FALSE(h.isEmptied());
    // The file keeps its length; the last place keeps its old bytes.
    EXPECT_EQ(h.image().bytes(), pick(2, 1, 1, 3, 2012, {4, 5, 6}) +
                                     pick(0, 2, 1, 4, 2012, {7, 8, 9}) +
                                     pick(0, 3, 1, 4, 2012, {7, 8, 9}));
}

TEST(PickHistoryRemove, LastOfSeveralOnlyLowersTheCount) {
    PickHistory h{PickImage(threeDraws())};
    EXPECT_TRUE(h.remove(3));
    EXPECT_EQ(h.image().bytes(), pick(2, 1, 1, 2, 2012, {1, 2, 3}) + threeDraws().mid(22));
    EXPECT_FALSE(h.remove(3));
    EXPECT_FALSE(h.remove(0));
}

class PickDrawFile : public KestrovaTest {
protected:
    QString path() const { return file(QStringLiteral("XWPick3Day.rtl")); }
};

TEST_F(PickDrawFile, FirstDrawCreatesTheFile) {
    EXPECT_EQ(storeDraw(path(), QDate(2012, 3, 5), {4, 0, 7, 0}, 3), QString());
    EXPECT_EQ(readFile(QStringLiteral("XWPick3Day.rtl")), pick(1, 1, 5, 3, 2012, {4, 0, 7}));
}

TEST_F(PickDrawFile, ADrawOnAStoredDateReplacesOnlyItsDigits) {
    writeFile(QStringLiteral("XWPick3Day.rtl"), pick(3, 1, 1, 2, 2012, {1, 2, 3}) +
                                                    pick(5, 2, 1, 3, 2012, {4, 5, 6, 8}, 2) +
                                                    pick(0, 3, 1, 4, 2012, {7, 8, 9}));
    EXPECT_EQ(storeDraw(path(), QDate(2012, 3, 1), {0, 0, 0, 0}, 3), QString());
    // A Pick 3 replacement leaves the fourth digit as it was.
    EXPECT_EQ(readFile(QStringLiteral("XWPick3Day.rtl")),
              pick(3, 1, 1, 2, 2012, {1, 2, 3}) + pick(5, 2, 1, 3, 2012, {0, 0, 0, 8}, 2) +
                  pick(0, 3, 1, 4, 2012, {7, 8, 9}));
}

TEST_F(PickDrawFile, ADamagedCountIsRefusedAndTheFileStays) {
    const QByteArray damaged =
        pick(-3, 1, 1, 2, 2012, {1, 2, 3}) + pick(0, 2, 1, 3, 2012, {4, 5, 6});
    writeFile(QStringLiteral("XWPick3Day.rtl"), damaged);
    EXPECT_EQ(storeDraw(path(), QDate(2012, 3, 5), {4, 0, 7, 0}, 3),
              QStringLiteral("The draw could not be saved. The results history is damaged."));
    EXPECT_EQ(deleteDraw(path(), QDate(2012, 2, 1)), QString());
    EXPECT_EQ(readFile(QStringLiteral("XWPick3Day.rtl")), damaged);
}

TEST_F(PickDrawFile, AFullHistoryTakesNoNewDateButStillReplaces) {
    PickImage full;
    for (int r = 1; r <= kMaxRecordCount; ++r) {
        PickRecord d;
        d.count = r == 1 ? kMaxRecordCount : 0;
        d.ordinal = static_cast<qint16>(r);
        const QDate date = QDate(1950, 1, 1).addDays(r);
        d.day = static_cast<qint16>(date.day());
        d.month = static_cast<qint16>(date.month());
        d.year = static_cast<qint16>(date.year());
        full.put(r, d);
    }
    writeFile(QStringLiteral("XWPick3Day.rtl"), full.bytes());
    EXPECT_EQ(storeDraw(path(), QDate(2100, 1, 1), {1, 2, 3, 0}, 3), recordLimitMessage());
    EXPECT_EQ(readFile(QStringLiteral("XWPick3Day.rtl")), full.bytes());
    EXPECT_EQ(storeDraw(path(), QDate(1950, 1, 2), {1, 2, 3, 0}, 3), QString());
    EXPECT_EQ(PickImage(readFile(QStringLiteral("XWPick3Day.rtl"))).record(1).digits,
              (PickDigits{1, 2, 3, 0}));
}

TEST_F(PickDrawFile, DeletingTheOnlyDrawDeletesTheFile) {
    writeFile(QStringLiteral("XWPick3Day.rtl"), pick(1, 1, 5, 3, 2012, {4, 0, 7}));
    EXPECT_EQ(deleteDraw(path(), QDate(2012, 3, 6)), QString());  // no draw that day
    EXPECT_TRUE(exists(QStringLiteral("XWPick3Day.rtl")));
    EXPECT_EQ(deleteDraw(path(), QDate(2012, 3, 5)), QString());
    EXPECT_FALSE(exists(QStringLiteral("XWPick3Day.rtl")));
}

TEST_F(PickDrawFile, DeletingFromSeveralRewritesWithOrdinals) {
    writeFile(QStringLiteral("XWPick3Day.rtl"), threeDraws());
    EXPECT_EQ(deleteDraw(path(), QDate(2012, 3, 1)), QString());
    EXPECT_EQ(readFile(QStringLiteral("XWPick3Day.rtl")), pick(2, 1, 1, 2, 2012, {1, 2, 3}) +
                                                              pick(0, 2, 1, 4, 2012, {7, 8, 9}) +
                                                              pick(0, 3, 1, 4, 2012, {7, 8, 9}));
}
