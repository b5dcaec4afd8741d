// The marks of the playslip printing run: entries onto boards, one job per playslip, positions
// in millimetres x 56.82 twips plus the adjustment, each set in its orientation.
#include <functional>

#include <gtest/gtest.h>

#include "playslips/logic/slipprint.h"
#include "slipbytes.h"

namespace {

// Ball b of the main set sits at (b mm, 100 + board mm); extra ball b at (200 + b, board mm).
PlayslipConfig slipConfig(int boards, int width = 25, int length = 150, int horizmain = -1,
                          int horizextra = 0) {
    PlayslipConfig c;
    c.setWidth(static_cast<qint16>(width));
    c.setBoards(static_cast<qint16>(boards));
    c.setLength(static_cast<qint16>(length));
    c.setHorizmain(static_cast<qint16>(horizmain));
    c.setHorizextra(static_cast<qint16>(horizextra));
    for (int board = 1; board <= 10; ++board) {
        for (int b = 1; b <= 65; ++b) {
            c.setMark(BallSet::Main, b, board, Coord::X, static_cast<float>(b));
            c.setMark(BallSet::Main, b, board, Coord::Y, static_cast<float>(100 + board));
            if (b <= 20) {
                c.setMark(BallSet::Extra, b, board, Coord::X, static_cast<float>(200 + b));
                c.setMark(BallSet::Extra, b, board, Coord::Y, static_cast<float>(board));
            }
        }
    }
    return c;
}

DrawImage entryFile(const std::vector<std::vector<int>>& entries, int extra = 7) {
    QByteArray bytes;
    for (const auto& e : entries) {
        bytes += fixture::draw(bytes.isEmpty() ? static_cast<long>(entries.size()) : 0, 0, 0, 0, 0,
                               std::initializer_list<int>(), extra);
        for (std::size_t i = 0; i < e.size(); ++i) {
            bytes.replace(bytes.size() - 16 + 2 * static_cast<int>(i), 2, fixture::le16(e[i]));
        }
    }
    return DrawImage(bytes);
}

std::vector<std::vector<int>> entries(int n) {
    std::vector<std::vector<int>> out;
    for (int i = 0; i < n; ++i) {
        out.push_back({1 + i, 10 + i, 20 + i});
    }
    return out;
}

const SlipGame kThreeBalls{3, 0, false};

TEST(PlayslipJobs, EntriesFillBoardsAndEachSlipIsOneJob) {
    struct Case {
        int entries, boards;
        std::vector<std::size_t> marksPerJob;
    };
    for (const Case& c : {Case{7, 3, {9, 9, 3}}, Case{6, 3, {9, 9}}, Case{0, 3, {}},
                          Case{10, 10, {30}}, Case{11, 10, {30, 3}}}) {
        const DrawImage image = entryFile(entries(c.entries));
        const SlipPrint p =
            playslipJobs(slipConfig(c.boards), image, image.count(), kThreeBalls, {});
        ASSERT_TRUE(p.message.isEmpty()) << p.message.toStdString();
        std::vector<std::size_t> got;
        for (const MarkPage& job : p.jobs) {
            got.push_back(job.lines.size());
            EXPECT_EQ(job.width, 25);
        }
        EXPECT_EQ(got, c.marksPerJob) << c.entries << " entries on " << c.boards << " boards";
    }
}

TEST(PlayslipJobs, MarksSitAtTheirMillimetresOnTheirBoardMovedByTheAdjustment) {
    // Entry 1 on board A, entry 2 on board B; main marks horizontal, extra vertical.
    const DrawImage image = entryFile({{3, 40}, {65, 1}}, 12);
    const SlipPrint p =
        playslipJobs(slipConfig(3, 35, 200), image, 2, {2, 1, false}, {56.82F, -113.64F});
    ASSERT_EQ(p.jobs.size(), 1U);
    const std::vector<MarkLine> want = {
        // 3 mm -> 170.46 twips + 56.82; 101 mm -> 5738.82 - 113.64
        {227.28, 5625.18, 427.28, 5625.18},   {2329.62, 5625.18, 2529.62, 5625.18},  // 40 mm
        {12102.66, -56.82, 12102.66, 143.18},  // extra 12 at 212 mm, 1 mm: runs down
        {3750.12, 5682.0, 3950.12, 5682.0},    // 65 mm, 102 mm (board B)
        {113.64, 5682.0, 313.64, 5682.0},      // 1 mm
        {12102.66, 0.0, 12102.66, 200.0},      // extra 12 on board B at 2 mm
    };
    ASSERT_EQ(p.jobs[0].lines.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const MarkLine& l = p.jobs[0].lines[i];
        EXPECT_NEAR(l.x1, want[i].x1, 0.01) << i;
        EXPECT_NEAR(l.y1, want[i].y1, 0.01) << i;
        EXPECT_NEAR(l.x2, want[i].x2, 0.01) << i;
        EXPECT_NEAR(l.y2, want[i].y2, 0.01) << i;
    }
    EXPECT_EQ(p.jobs[0].width, 35);
}

TEST(PlayslipJobs, AnyMissingPositionRefusesTheWholeRunBeforeAnythingIsDrawn) {
    struct Case {
        const char* what;
        std::function<void(PlayslipConfig&)> change;
        std::vector<std::vector<int>> entries;
        SlipGame game;
        QString message;
    };
    const QString mainText =
        QStringLiteral("There seems to be an error. There are no X or Y values for Main ball ");
    const QString extraText =
        QStringLiteral("There seems to be an error. There are no X or Y values for Extra ball ");
    const std::vector<Case> cases = {
        {"X of 0 on board C",
         [](PlayslipConfig& c) { c.setMark(BallSet::Main, 23, 3, Coord::X, 0); },
         {{1, 2}, {3, 4}, {5, 23}},
         {2, 0, false},
         mainText + QStringLiteral("23 on board C")},
        {"X of 0.01 mm, below a twip",
         [](PlayslipConfig& c) { c.setMark(BallSet::Main, 2, 1, Coord::X, 0.01F); },
         {{1, 2}},
         {2, 0, false},
         mainText + QStringLiteral("2 on board A")},
        {"negative Y",
         [](PlayslipConfig& c) { c.setMark(BallSet::Main, 1, 2, Coord::Y, -3); },
         {{5, 6}, {1, 6}},
         {2, 0, false},
         mainText + QStringLiteral("1 on board B")},
        {"number beyond the record",
         [](PlayslipConfig&) {},
         {{1, 66}},
         {2, 0, false},
         mainText + QStringLiteral("66 on board A")},
        {"extra without a position",
         [](PlayslipConfig&) {},
         {{1, 2}},
         {2, 1, false},
         extraText + QStringLiteral("30 on board A")},
        {"the last entry of a later slip",
         [](PlayslipConfig&) {},
         {{1}, {1}, {1}, {1}, {0}},
         {1, 0, false},
         mainText + QStringLiteral("0 on board B")},
    };
    for (const Case& c : cases) {
        PlayslipConfig config = slipConfig(3);
        c.change(config);
        const DrawImage image = entryFile(c.entries, 30);
        const SlipPrint p =
            playslipJobs(config, image, static_cast<int>(c.entries.size()), c.game, {});
        EXPECT_EQ(p.message, c.message) << c.what;
        EXPECT_TRUE(p.jobs.empty()) << c.what;
    }
}

TEST(PlayslipJobs, AnX002MmIsAPosition) {
    PlayslipConfig config = slipConfig(3);
    config.setMark(BallSet::Main, 2, 1, Coord::X, 0.02F);
    const DrawImage image = entryFile({{2}});
    const SlipPrint p = playslipJobs(config, image, 1, {1, 0, false}, {});
    ASSERT_EQ(p.jobs.size(), 1U);
    EXPECT_NEAR(p.jobs[0].lines[0].x1, 1.1364, 0.0001);
}

TEST(PlayslipJobs, SettingsThatCannotPrintAreRefused) {
    const DrawImage image = entryFile(entries(2));
    EXPECT_EQ(playslipJobs(slipConfig(3, 0), image, 2, kThreeBalls, {}).message,
              "You have not yet used the Printer Calibration process for this game.");
    for (int boards : {0, 2, 11}) {
        const SlipPrint p = playslipJobs(slipConfig(boards), image, 2, kThreeBalls, {});
        EXPECT_EQ(p.message,
                  "The number of boards on this game's playslip is not set. Choose it under No. "
                  "of Boards in Edit Configuration, and save.")
            << boards;
        EXPECT_TRUE(p.jobs.empty());
    }
}

TEST(PlayslipJobs, ALengthNeverSavedIsMedium) {
    const DrawImage image = entryFile({{5}});
    const SlipPrint p = playslipJobs(slipConfig(3, 25, 0, 0), image, 1, {1, 0, false}, {});
    EXPECT_EQ(p.length, 150);
    ASSERT_EQ(p.jobs.size(), 1U);
    EXPECT_NEAR(p.jobs[0].lines[0].y2 - p.jobs[0].lines[0].y1, 150, 0.01);
}

TEST(PlayslipJobs, AnExtraFromTheMainPoolIsMarkedAmongTheMainBalls) {
    // The extra set holds nothing for such a game.
    PlayslipConfig config = slipConfig(3, 25, 100, -1, 0);
    for (int b = 1; b <= 20; ++b) {
        config.setMark(BallSet::Extra, b, 1, Coord::X, 0);
        config.setMark(BallSet::Extra, b, 1, Coord::Y, 0);
    }
    const DrawImage image = entryFile({{4}}, 9);
    const SlipPrint p = playslipJobs(config, image, 1, {1, 1, true}, {});
    ASSERT_TRUE(p.message.isEmpty()) << p.message.toStdString();
    ASSERT_EQ(p.jobs.size(), 1U);
    ASSERT_EQ(p.jobs[0].lines.size(), 2U);
    // 9 mm, 101 mm, horizontal as the main set.
    const MarkLine& extra = p.jobs[0].lines[1];
    EXPECT_NEAR(extra.x1, 511.38, 0.01);
    EXPECT_NEAR(extra.y1, 5738.82, 0.01);
    EXPECT_NEAR(extra.x2, 611.38, 0.01);
    EXPECT_NEAR(extra.y2, 5738.82, 0.01);
}

}  // namespace
