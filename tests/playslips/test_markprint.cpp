// The marks of the two test prints as lines in twips.
#include <gtest/gtest.h>

#include "slipbytes.h"

#include "playslips/logic/markprint.h"

namespace {

using Lines = std::vector<MarkLine>;

TEST(CurrentBoardMarks, BoxesOnScreenInWholeTwips) {
    std::array<QString, 130> b;
    b[0] = "10";  // ball 1 at (568.2 -> 568, 1136.4 -> 1136)
    b[1] = "20";
    b[2] = "1.25";   // ball 2: 71.025 -> 71; Y empty: no mark
    b[4] = ".01";    // ball 3: 0.5682 rounds to 1
    b[5] = "0.02";   //         1.1364 -> 1
    b[6] = "0.008";  // ball 4: 0.45 rounds to 0: no mark
    b[7] = "5";
    b[8] = "-3";  // ball 5: negative: no mark
    b[9] = "5";
    b[128] = "44.0044mm";  // ball 65, a hidden box, printed too: 2500.33 -> 2500
    b[129] = "2.2";        // 125.004 -> 125
    const MarkPage down = currentBoardMarks(b, false, 35, 150);
    EXPECT_EQ(down.width, 35);
    EXPECT_EQ(down.lines, (Lines{{568, 1136, 568, 1286}, {1, 1, 1, 151}, {2500, 125, 2500, 275}}));
    const MarkPage right = currentBoardMarks(b, true, 15, 100);
    EXPECT_EQ(right.lines, (Lines{{568, 1136, 668, 1136}, {1, 1, 101, 1}, {2500, 125, 2600, 125}}));
}

PlayslipConfig layout() {
    PlayslipConfig c;
    c.setWidth(25);
    c.setBoards(2);
    c.setLength(200);
    c.setHorizmain(-1);
    c.setHorizextra(0);
    c.setMark(BallSet::Main, 1, 1, Coord::X, 10);
    c.setMark(BallSet::Main, 1, 1, Coord::Y, 20);
    c.setMark(BallSet::Main, 2, 2, Coord::Y, 12.5f);  // X 0, Y set: drawn at x = 0
    c.setMark(BallSet::Main, 3, 3, Coord::X, 30);     // board 3 is beyond the count
    c.setMark(BallSet::Extra, 4, 1, Coord::X, 1);
    c.setMark(BallSet::Extra, 4, 1, Coord::Y, 2);
    return c;
}

TEST(LayoutMarks, EveryStoredMarkOfEveryBoardMainThenExtra) {
    const LayoutPrint p = layoutMarks(layout(), 0, 0, "none", "no ball 1");
    EXPECT_EQ(p.message, "");
    EXPECT_EQ(p.page.width, 25);
    const float x1 = 10 * 56.82f;
    EXPECT_EQ(p.page.lines, (Lines{{568.2f, 1136.4f, 768.2f, 1136.4f},
                                   {0, 710.25f, 200, 710.25f},
                                   {56.82f, 113.64f, 56.82f, 313.64f}}));
    (void)x1;
}

TEST(LayoutMarks, AdjustmentMovesEveryMarkInSinglePrecision) {
    const LayoutPrint p = layoutMarks(layout(), 56.82f, -113.64f, "none", "no ball 1");
    ASSERT_EQ(p.page.lines.size(), 3u);
    const float x = static_cast<float>(10.0f * 56.82 + 56.82f);
    const float y = static_cast<float>(20.0f * 56.82 + -113.64f);
    EXPECT_EQ(p.page.lines[0], (MarkLine{x, y, x + 200.0f, y}));
    EXPECT_EQ(p.page.lines[1].x1, 56.82f);
}

TEST(LayoutMarks, RefusedWithoutBoardsOrBallOne) {
    PlayslipConfig none = layout();
    none.setBoards(0);
    EXPECT_EQ(layoutMarks(none, 0, 0, "none", "no ball 1").message, "none");
    PlayslipConfig noBallOne = layout();
    noBallOne.setMark(BallSet::Main, 1, 1, Coord::X, 0);
    noBallOne.setMark(BallSet::Main, 1, 1, Coord::Y, 0);
    const LayoutPrint p = layoutMarks(noBallOne, 0, 0, "none", "no ball 1");
    EXPECT_EQ(p.message, "no ball 1");
    EXPECT_TRUE(p.page.lines.empty());
}

}  // namespace
