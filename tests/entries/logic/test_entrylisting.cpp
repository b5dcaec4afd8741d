// The maintenance window's lines of lotto and Pick entry files, from byte-exact records.
#include <gtest/gtest.h>

#include "entries/logic/entrylisting.h"
#include "support/bytes.h"

namespace {

// A 22-byte Pick record: count, ordinal, day, month, year, four digits, bet type.
QByteArray pick(long count, int d1, int d2, int d3, int d4 = 0) {
    return fixture::le32(count) + fixture::le16(0) + fixture::le16(5) + fixture::le16(3) +
           fixture::le16(2012) + fixture::le16(d1) + fixture::le16(d2) + fixture::le16(d3) +
           fixture::le16(d4) + fixture::le16(1);
}

}  // namespace

TEST(EntryListing, LottoListsTheCountedRecordsOnly) {
    const QByteArray bytes = fixture::entry(2, {1, 5, 12, 23, 34, 45}, 7) +
                             fixture::entry(0, {3, 9, 10, 22, 41}) +
                             fixture::entry(0, {4, 8, 15, 16, 23, 42}, 2);  // deleted entry
    EXPECT_EQ(entryFileLines("Lotto05Mar2012.lot", bytes),
              (QStringList{"01 05 12 23 34 45 BB 07", "03 09 10 22 41 "}));
}

TEST(EntryListing, LottoShowsThreeNumbersAlwaysAndBBWhateverTheGame) {
    const QByteArray bytes = fixture::entry(2, {0, 0, 0}) + fixture::entry(0, {1, 2, 3, 0, 5}, 12);
    EXPECT_EQ(entryFileLines("StandPowerball.lot", bytes),
              (QStringList{"00 00 00 ", "01 02 03 05 BB 12"}));
}

TEST(EntryListing, WildCardFilesShowCardCodes) {
    const QByteArray bytes =
        fixture::entry(2, {1, 5, 12, 23, 34, 45}, 1) + fixture::entry(0, {1, 2, 3, 4, 5}, 16);
    EXPECT_EQ(entryFileLines("WildCard205Mar2012.lot", bytes),
              (QStringList{"01 05 12 23 34 45 WC AS", "01 02 03 04 05 WC JC"}));
    // Letter case as written: "wil" is no card game.
    EXPECT_EQ(entryFileLines("wildcard.lot", bytes).front(),
              QStringLiteral("01 05 12 23 34 45 BB 01"));
}

TEST(EntryListing, CountPastTheFileOrDamagedListsWhatIsThere) {
    EXPECT_EQ(entryFileLines("a.lot", fixture::entry(40000, {1, 2, 3})).size(), 1);
    EXPECT_TRUE(entryFileLines("a.lot", fixture::entry(-3, {1, 2, 3})).isEmpty());
    EXPECT_TRUE(entryFileLines("a.lot", QByteArray()).isEmpty());
    EXPECT_TRUE(entryFileLines("a.lot", QByteArray(27, '\1')).isEmpty());  // no whole record
}

TEST(EntryListing, PickFilesShowTheirDigits) {
    const QByteArray three = pick(2, 1, 2, 3) + pick(0, 9, 0, 7) + pick(0, 5, 5, 5);
    EXPECT_EQ(entryFileLines("Pick3Day05Mar2012.lot", three), (QStringList{"1 2 3", "9 0 7"}));
    EXPECT_EQ(entryFileLines("Pick3StandDay.lot", three).size(), 2);
    const QByteArray four = pick(1, 1, 2, 3, 4);
    EXPECT_EQ(entryFileLines("Pick4Night05Mar2012.lot", four), (QStringList{"1 2 3 4"}));
    EXPECT_EQ(entryFileLines("Pick4.lot", pick(0, 1, 2, 3, 4)), QStringList{});
    EXPECT_EQ(entryFileLines("Pick4.lot", pick(3, 1, 2, 3, 4)).size(), 1);  // one record held
}
