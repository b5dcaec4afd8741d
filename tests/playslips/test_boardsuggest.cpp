// Deriving a board from Board A, and the adjustment's shifts of the boxes on screen.
#include <gtest/gtest.h>

#include "slipbytes.h"

#include "playslips/logic/boardadjust.h"
#include "playslips/logic/boardsuggest.h"

namespace {

using Writes = std::vector<std::pair<int, QString>>;

PlayslipConfig boardA(BallSet set, std::initializer_list<std::tuple<int, float, float>> balls) {
    PlayslipConfig c;
    for (const auto& [ball, x, y] : balls) {
        c.setMark(set, ball, 1, Coord::X, x);
        c.setMark(set, ball, 1, Coord::Y, y);
    }
    return c;
}

TEST(Suggest, RefusalsBeforeTheFileIsRead) {
    const struct {
        int board;
        const char* x;
        const char* y;
        const char* message;
    } cases[] = {
        {1, "10", "20", "You cannot suggest Board A co-ordinates, you must enter them manually"},
        {2, "", "20", "You do not have an X value for ball 1"},
        {2, "abc", "20", "You do not have an X value for ball 1"},
        {3, "0", "", "You do not have an X value for ball 1"},
        {2, "10", "", "You do not have a Y value for ball 1"},
        {2, "-3", "20", ""},  // only 0 is refused
        {10, "10", "20", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(suggestRefusal(c.board, QString::fromLatin1(c.x), QString::fromLatin1(c.y)),
                  QString::fromLatin1(c.message))
            << c.board << ' ' << c.x << ' ' << c.y;
    }
}

TEST(Suggest, BoardAWithoutBallOneIsRefusedPerSet) {
    const PlayslipConfig noX = boardA(BallSet::Main, {{1, 0, 20}});
    EXPECT_EQ(suggestBoard(noX, BallSet::Main, "10", "80").message,
              "You don't have a value for X for Ball 1 on Board A Main Game");
    EXPECT_EQ(suggestBoard(noX, BallSet::Extra, "10", "80").message,
              "You don't have a value for X for Ball 1 on Board A Extra Game");
    const PlayslipConfig noY = boardA(BallSet::Extra, {{1, 5, 0}});
    const Suggestion s = suggestBoard(noY, BallSet::Extra, "10", "80");
    EXPECT_EQ(s.message, "You don't have a value for Y for Ball 1 on Board A Extra Game");
    EXPECT_TRUE(s.writes.empty());
}

TEST(Suggest, EveryPositionMovesByBallOnesOffset) {
    const PlayslipConfig c =
        boardA(BallSet::Main, {{1, 10, 20}, {2, 15, 20}, {3, 0, 25.5f}, {65, 250.1f, 21.3f}});
    const Suggestion s = suggestBoard(c, BallSet::Main, "10", "80");
    EXPECT_EQ(s.message, "");
    // The X pass, then the Y pass; ball 3 has no Board A X, so its X box is left alone.
    EXPECT_EQ(s.writes, (Writes{{2, "15"}, {128, "250.1"}, {3, "80"}, {5, "85.5"}, {129, "81.3"}}));
    // The extra set's Board A is not the main set's.
    EXPECT_EQ(suggestBoard(c, BallSet::Extra, "10", "80").message,
              "You don't have a value for X for Ball 1 on Board A Extra Game");
}

TEST(Suggest, SinglePrecisionSums) {
    // 0.1 and 0.2 as singles: the offset and the sum are rounded to single precision each time.
    const PlayslipConfig c = boardA(BallSet::Main, {{1, 0.1f, 1}, {2, 0.2f, 1}});
    const Suggestion s = suggestBoard(c, BallSet::Main, "100.3", "1");
    const float dx = 100.3f - 0.1f;
    EXPECT_EQ(s.writes.front(),
              (std::pair<int, QString>{2, QString::number(double(0.2f + dx), 'G', 7)}));
    EXPECT_EQ(s.writes.front().second, "100.4");
}

TEST(Suggest, ZeroIsWrittenAndANegativeStopsThePass) {
    const PlayslipConfig c = boardA(BallSet::Main, {{1, 10, 10}, {2, 5, 4}, {3, 4.9f, 3.9f}});
    // Ball 1 typed 5 mm further left and up: ball 2's X lands on 0, ball 3's X below it.
    const Suggestion x = suggestBoard(c, BallSet::Main, "5", "20");
    EXPECT_EQ(x.writes, (Writes{{2, "0"}}));
    EXPECT_EQ(x.message,
              "There is an error in the starting values for Ball 1 as this gives a negative "
              "value for the X co-ord for Ball 3");
    // A stop in the Y pass keeps the whole X pass.
    const Suggestion y = suggestBoard(c, BallSet::Main, "20", "6");
    EXPECT_EQ(y.writes, (Writes{{2, "15"}, {4, "14.9"}, {3, "0"}}));
    EXPECT_EQ(y.message,
              "There is an error in the starting values for Ball 1 as this gives a negative "
              "value for the Y co-ord for Ball 3");
}

std::array<QString, 130> boxes(std::initializer_list<std::pair<int, const char*>> set) {
    std::array<QString, 130> b;
    for (const auto& [i, text] : set) {
        b[static_cast<std::size_t>(i)] = QString::fromLatin1(text);
    }
    return b;
}

TEST(Adjust, ShiftsEveryPositionedBox) {
    const auto b = boxes(
        {{0, "10"}, {1, "10"}, {3, ""}, {5, ".5"}, {7, "0"}, {9, "-1"}, {128, "3"}, {129, "1"}});
    const struct {
        const char* what;
        Vertical v;
        const char* d;
        Horizontal h;
        const char* e;
        Writes writes;
    } cases[] = {
        {"up 2", Vertical::Up, "2", Horizontal::Left, "", {{1, "12"}, {5, "2.5"}, {129, "3"}}},
        {"down 3",
         Vertical::Down,
         "3",
         Horizontal::Left,
         "0",
         {{1, "7"}, {5, "-2.5"}, {129, "-2"}}},
        {"left 1 only", Vertical::Up, "mm", Horizontal::Left, "1", {{0, "11"}, {128, "4"}}},
        {"right 1.5", Vertical::Down, "", Horizontal::Right, "1.5mm", {{0, "8.5"}, {128, "1.5"}}},
        {"negative up moves down",
         Vertical::Up,
         "-0.25",
         Horizontal::Right,
         "",
         {{1, "9.75"}, {5, ".25"}, {129, ".75"}}},
        {"both",
         Vertical::Up,
         "1",
         Horizontal::Right,
         "4",
         {{1, "11"}, {5, "1.5"}, {129, "2"}, {0, "6"}, {128, "-1"}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(adjustBoxes(b, c.v, QString::fromLatin1(c.d), c.h, QString::fromLatin1(c.e)),
                  c.writes)
            << c.what;
    }
}

}  // namespace
