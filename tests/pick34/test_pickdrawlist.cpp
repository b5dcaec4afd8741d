// The draw history lines: ordinal, date in the date order, digits.
#include <gtest/gtest.h>

#include "pick34/logic/pickdrawlist.h"
#include "pickbytes.h"

using namespace fixture;

namespace {

PickRecord draw(int ordinal, int day, int month, int year, PickDigits digits) {
    return PickRecord::fromBytes(
        pick(0, ordinal, day, month, year, {digits[0], digits[1], digits[2], digits[3]}));
}

}  // namespace

TEST(PickHistoryLine, OrdinalDateInTheDateOrderAndDigits) {
    struct Case {
        int ordinal;
        int day;
        int month;
        int game;
        const char* dateorder;
        const char* line;
    };
    const Case cases[] = {
        {1, 5, 3, 3, "DDMMYY", "00001  05  03 2012 123"},
        {1, 5, 3, 3, "MMDDYY", "00001  03  05 2012 123"},
        {1, 5, 3, 3, "YYMMDD", "00001 2012  03  05 123"},
        {9, 15, 11, 3, "DDMMYY", "00009  15  11 2012 123"},
        {10, 5, 3, 3, "DDMMYY", "00010  05  03 2012 123"},
        {9999, 5, 3, 3, "DDMMYY", "09999  05  03 2012 123"},
        {10000, 5, 3, 3, "DDMMYY", "10000  05  03 2012 123"},
        {32767, 5, 3, 4, "DDMMYY", "32767  05  03 2012 1234"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(p34historyline(draw(c.ordinal, c.day, c.month, 2012, {1, 2, 3, 4}), c.game,
                                 QLatin1String(c.dateorder)),
                  QLatin1String(c.line))
            << c.line;
    }
}

TEST(PickHistoryLine, ListsTheCountedDrawsAndNothingForAnUnknownDateOrder) {
    const PickImage draws(pick(2, 1, 4, 3, 2012, {1, 1, 1}) + pick(0, 2, 5, 3, 2012, {4, 0, 7}) +
                          pick(0, 3, 6, 3, 2012, {9, 9, 9}));
    EXPECT_EQ(p34historylines(draws, 3, "DDMMYY"),
              QStringList({"00001  04  03 2012 111", "00002  05  03 2012 407"}));
    EXPECT_TRUE(p34historylines(draws, 3, "MMYY").isEmpty());
    EXPECT_TRUE(p34historylines(PickImage(), 3, "DDMMYY").isEmpty());
}
