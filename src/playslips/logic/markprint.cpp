#include "playslips/logic/markprint.h"

#include <cmath>

#include "playslips/logic/playslipnumbers.h"

MarkPage currentBoardMarks(const std::array<QString, 130>& boxes, bool horizontal, int width,
                           int length) {
    MarkPage page;
    page.width = width;
    for (std::size_t b = 1; b <= PlayslipConfig::kBalls; ++b) {
        const double x = std::nearbyint(boxNumber(boxes[2 * b - 2]) * kMmToTwips);
        const double y = std::nearbyint(boxNumber(boxes[2 * b - 1]) * kMmToTwips);
        if (x < 1 || y < 1) {
            continue;
        }
        page.lines.push_back(horizontal ? MarkLine{x, y, x + length, y}
                                        : MarkLine{x, y, x, y + length});
    }
    return page;
}

LayoutPrint layoutMarks(const PlayslipConfig& config, float adjusthorizontal, float adjustvertical,
                        const QString& notSetUp, const QString& firstBallMissing) {
    LayoutPrint out;
    if (config.boards() == 0) {
        out.message = notSetUp;
        return out;
    }
    if (config.mark(BallSet::Main, 1, 1, Coord::X) == 0 &&
        config.mark(BallSet::Main, 1, 1, Coord::Y) == 0) {
        out.message = firstBallMissing;
        return out;
    }
    out.page.width = config.width();
    const int boards = std::min<int>(config.boards(), PlayslipConfig::kBoards);
    const float length = config.length();
    for (BallSet set : {BallSet::Main, BallSet::Extra}) {
        const bool horizontal =
            (set == BallSet::Main ? config.horizmain() : config.horizextra()) == -1;
        for (int board = 1; board <= boards; ++board) {
            for (int k = 1; k <= PlayslipConfig::kBalls; ++k) {
                const float mx = config.mark(set, k, board, Coord::X);
                const float my = config.mark(set, k, board, Coord::Y);
                if (mx == 0 && my == 0) {
                    continue;
                }
                // Single precision, as the positions and adjustments are held.
                const auto x = static_cast<float>(mx * kMmToTwips + adjusthorizontal);
                const auto y = static_cast<float>(my * kMmToTwips + adjustvertical);
                out.page.lines.push_back(horizontal ? MarkLine{x, y, x + length, y}
                                                    : MarkLine{x, y, x, y + length});
            }
        }
    }
    return out;
}
