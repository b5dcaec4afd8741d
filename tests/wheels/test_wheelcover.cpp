// The lines of the wheel cover page.
#include <gtest/gtest.h>

#include "wheels/logic/wheelcover.h"

namespace {

wheels::CoverInput cover(int k, int type, QStringList boxes, const char* size, int entries) {
    return {QStringLiteral("Lotto"), wheeldesign::findWheelType(k, type), std::move(boxes),
            QString::fromLatin1(size), entries};
}

}  // namespace

TEST(WheelCover, DescribesTheWheelOnScreenLineByLine) {
    const QStringList lines =
        wheels::coverLines(cover(6, 2, {"3", "9", "17", "22", "30", "41", "45", "49"}, "8", 4));
    const QStringList expected{
        "",
        "",
        "Wheel for Lotto",
        QString(44, u'-'),
        "Guarantee Match 5 if any 6 drawn from the following number group:",
        "",
        "3 9 17 22 30 41 45 49 ",
        QString(60, u'-'),
        "",
        "Number of Balls is 8",
        "",
        "Number of game entries required for coverage is 4",
        "",
        "File Maintenance Name: Lotto-6-6-5.lot",
    };
    EXPECT_EQ(lines, expected);
}

TEST(WheelCover, NumbersPrintInBoxOrderAsTypedAndAnEmptyBoxLeavesThePageWhole) {
    const QStringList lines =
        wheels::coverLines(cover(7, 5,
                                 {"07", " 7", "", "x1", "3", "20", "19", "18", "17", "16", "15",
                                  "14", "13", "12", "11", "10"},
                                 " 16 ", 2));
    EXPECT_EQ(lines[4], "Guarantee Match 3 if any 7 drawn from the following number group:");
    EXPECT_EQ(lines[6], "7 7 x1 3 20 19 18 17 16 15 14 13 12 11 10 ");
    EXPECT_EQ(lines[9], "Number of Balls is 16");
    EXPECT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[13], "File Maintenance Name: Lotto-7-7-3.lot");
}
