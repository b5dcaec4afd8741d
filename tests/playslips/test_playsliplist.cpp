// The playslip server's list, the names a download may install to, and the adjustments record
// and its boxes.
#include <gtest/gtest.h>

#include "playslips/logic/globaladjust.h"
#include "playslips/logic/playsliplist.h"
#include "slipbytes.h"

namespace {

TEST(PlayslipList, FieldsPairIntoRowsAcrossLineBreaks) {
    using Rows = std::vector<PlayslipListRow>;
    EXPECT_EQ(parsePlayslipList(QStringLiteral("Lotto 6/49#XWLotto.dat#\r\nDaily#XWDaily.dat#")),
              (Rows{{"Lotto 6/49", "XWLotto.dat"}, {"Daily", "XWDaily.dat"}}));
    // Line breaks inside a field are dropped; a trailing field without "#" is ignored.
    EXPECT_EQ(parsePlayslipList(QStringLiteral("Lot\r\nto#XW\nLotto.dat#tail")),
              (Rows{{"Lotto", "XWLotto.dat"}}));
    // A row with only its text ended shows without a file name.
    EXPECT_EQ(parsePlayslipList(QStringLiteral("A#XWA.dat#Only text#")),
              (Rows{{"A", "XWA.dat"}, {"Only text", ""}}));
    EXPECT_TRUE(parsePlayslipList({}).empty());
}

TEST(PlayslipList, KeepsTheFirst500Rows) {
    QString reply;
    for (int i = 1; i <= 501; ++i) {
        reply += QStringLiteral("Game %1#XWg%1.dat#\r\n").arg(i);
    }
    const auto rows = parsePlayslipList(reply);
    ASSERT_EQ(rows.size(), 500U);
    EXPECT_EQ(rows.back().text, "Game 500");
}

TEST(PlayslipList, AWebPageIsNoList) {
    EXPECT_TRUE(isWebPage(QStringLiteral("<!doctype html><p>Not here</p>")));
    EXPECT_TRUE(isWebPage(QStringLiteral("x#<!DOCTYPE#")));
    EXPECT_FALSE(isWebPage(QStringLiteral("Lotto#XWLotto.dat#")));
}

TEST(PlayslipList, OnlyAGamesSettingsFileInTheDataFolderMayBeInstalled) {
    struct Case {
        const char* listed;
        const char* installed;  // "" refused
    };
    for (const Case& c : {
             Case{"XWLotto.dat", "Lotto.dat"},
             Case{"  XWPowerball6.dat ", "Powerball6.dat"},
             Case{"XW../Lotto.dat", ""},
             Case{"XW/etc/Lotto.dat", ""},
             Case{"XW..\\Lotto.dat", ""},
             Case{"XW..dat", ""},
             Case{"XW.dat", ""},
             Case{"XWLotto.txt", ""},
             Case{"XWLotto.DAT", ""},
             Case{"XWLotto.dat.sh", ""},
             Case{"XWLot to.dat", ""},
             Case{"XWgame1.dat", ""},
             Case{"XWGAME5.dat", ""},
             Case{"XWgame6.dat", "game6.dat"},
             Case{"XWprint.dat", ""},
             Case{"XWtempfile.dat", ""},
             Case{"XWLottoadjusts.dat", ""},
             Case{"XW", ""},
             Case{"", ""},
         }) {
        EXPECT_EQ(installName(QString::fromLatin1(c.listed)), QString::fromLatin1(c.installed))
            << c.listed;
    }
}

TEST(PlayslipList, ADownloadMustBeAWholeSoundRecord) {
    const QByteArray record = fixture::slip(25, -1, 0, 5, 150);
    EXPECT_EQ(downloadProblem(record), "");
    EXPECT_EQ(downloadProblem(record + QByteArray(18000 - 17434, 'x')), "");
    EXPECT_EQ(downloadProblem(record + QByteArray(18001 - 17434, 'x')), "it holds 18001 bytes");
    EXPECT_EQ(downloadProblem(record.left(16999)), "it holds 16999 bytes");
    EXPECT_EQ(downloadProblem(record.left(17000)), "it is cut off after 17000 bytes");
    EXPECT_EQ(downloadProblem({}), "it holds 0 bytes");
    EXPECT_EQ(downloadProblem(fixture::slip(25, -1, 0, 11, 150)), "its number of boards is 11");
    EXPECT_EQ(downloadProblem(fixture::slip(25, -1, 0, 0, 150)), "its number of boards is 0");
    EXPECT_EQ(downloadProblem(fixture::slip(99, -1, 0, 5, 150)), "its mark width is 99");
    EXPECT_EQ(downloadProblem(fixture::slip(25, -1, 0, 5, 300)), "its mark length is 300 twips");
}

TEST(GlobalAdjustments, TheRecordIsVerticalThenHorizontal) {
    EXPECT_EQ(adjustRecord({2.0F, -1.5F}), fixture::single(2.0F) + fixture::single(-1.5F));
    EXPECT_EQ(adjustmentFromBytes(fixture::single(2.0F) + fixture::single(-1.5F)),
              (GlobalAdjustment{2.0F, -1.5F}));
    EXPECT_EQ(adjustmentFromBytes({}), GlobalAdjustment{});
    EXPECT_EQ(adjustmentFromBytes(fixture::single(3.0F)), (GlobalAdjustment{3.0F, 0.0F}));
    EXPECT_EQ(adjustmentFromBytes(QByteArray::fromHex("0000c07f0000803f")),
              (GlobalAdjustment{0.0F, 1.0F}));  // a NaN is no adjustment
    EXPECT_EQ(adjustmentsPath(QStringLiteral("/data"), QStringLiteral("Lotto")),
              "/data/Lottoadjusts.dat");
}

TEST(GlobalAdjustments, BoxesShowEachAxisInTheBoxOfItsDirection) {
    const AdjustBoxes b = adjustmentBoxes({2.0F, -1.5F});
    EXPECT_EQ(b.up, "2");
    EXPECT_EQ(b.down, "0");
    EXPECT_EQ(b.left, "0");
    EXPECT_EQ(b.right, "1.5");
    const AdjustBoxes c = adjustmentBoxes({-0.1F, 12.34567F});
    EXPECT_EQ(c.down, "0.1");
    EXPECT_EQ(c.left, "12.34567");
}

TEST(GlobalAdjustments, TypedBoxesGiveOneDistancePerAxisOrARefusal) {
    const QString leftRight = QStringLiteral(
        "You cannot have a value in both Left and Right, please make one or more zero.");
    const QString upDown = QStringLiteral(
        "You cannot have a value in both Up and Down, please make one or more zero.");
    const QString range = QStringLiteral(
        "Each adjustment is a distance from 0 to 1000 mm: type it in the box of the direction "
        "to move, and 0 in the other.");
    struct Case {
        AdjustBoxes boxes;
        QString refusal;
        GlobalAdjustment mm;
    };
    for (const Case& c : {
             Case{{"0", "0", "3", "0"}, {}, {0, 3}},
             Case{{"0", "1.25", "0", "4"}, {}, {-1.25F, -4}},
             Case{{"2.5mm", "", "abc", "0"}, {}, {2.5F, 0}},
             Case{{"1", "1", "1", "1"}, leftRight, {}},
             Case{{"1", "1", "0", "2"}, upDown, {}},
             Case{{"0", "0", "-2", "0"}, range, {}},
             Case{{"1001", "0", "0", "0"}, range, {}},
             Case{{"0", "0", "1e40", "0"}, range, {}},
         }) {
        const TypedAdjustment t = typedAdjustment(c.boxes);
        EXPECT_EQ(t.refusal, c.refusal) << c.boxes.up.toStdString() << c.boxes.left.toStdString();
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(t.mm, c.mm) << c.boxes.up.toStdString() << c.boxes.left.toStdString();
        }
    }
    const AdjustTwips t = toTwips({2.0F, -1.0F});
    EXPECT_FLOAT_EQ(t.vertical, 113.64F);
    EXPECT_FLOAT_EQ(t.horizontal, -56.82F);
}

}  // namespace
