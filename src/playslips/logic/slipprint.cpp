#include "playslips/logic/slipprint.h"

#include <algorithm>

namespace {

QString missingPosition(bool extra, int number, int board) {
    return (extra ? QStringLiteral("There seems to be an error. There are no X or Y values for "
                                   "Extra ball ")
                  : QStringLiteral("There seems to be an error. There are no X or Y values for "
                                   "Main ball ")) +
           QString::number(number) + QStringLiteral(" on board ") + QChar(u'A' + board - 1);
}

}  // namespace

SlipPrint playslipJobs(const PlayslipConfig& config, const DrawImage& entries, int count,
                       const SlipGame& game, AdjustTwips adjust) {
    SlipPrint out;
    out.length = effectiveLength(config);
    if (config.width() == 0) {
        out.message =
            QStringLiteral("You have not yet used the Printer Calibration process for this game.");
        return out;
    }
    const int boards = config.boards();
    if (boards < 3 || boards > PlayslipConfig::kBoards) {
        out.message = QStringLiteral(
            "The number of boards on this game's playslip is not set. Choose it under No. of "
            "Boards in Edit Configuration, and save.");
        return out;
    }
    const int mains = std::clamp(game.mainPerEntry, 0, 7);
    const float length = static_cast<float>(out.length);
    int board = 0;
    MarkPage job;
    job.width = config.width();
    for (int i = 1; i <= count; ++i) {
        board = board + 1;
        const DrawRecord entry = entries.read(i);
        const auto mark = [&](int number, bool extra) -> bool {
            const BallSet set = extra && !game.extraFromMainPool ? BallSet::Extra : BallSet::Main;
            const bool horizontal =
                (set == BallSet::Main ? config.horizmain() : config.horizextra()) == -1;
            if (number < 1 || number > PlayslipConfig::kBalls) {
                out.message = missingPosition(extra, number, board);
                return false;
            }
            const float mx = config.mark(set, number, board, Coord::X);
            const float my = config.mark(set, number, board, Coord::Y);
            if (mx * kMmToTwips < 1 || my * kMmToTwips < 1) {
                out.message = missingPosition(extra, number, board);
                return false;
            }
            // Single precision, as the positions and adjustments are held.
            const auto x = static_cast<float>(mx * kMmToTwips + adjust.horizontal);
            const auto y = static_cast<float>(my * kMmToTwips + adjust.vertical);
            job.lines.push_back(horizontal ? MarkLine{x, y, x + length, y}
                                           : MarkLine{x, y, x, y + length});
            return true;
        };
        for (int j = 0; j < mains; ++j) {
            if (!mark(entry.balls[static_cast<std::size_t>(j)], false)) {
                out.jobs.clear();
                return out;
            }
        }
        if (game.bonusPerEntry > 0 && !mark(entry.extra, true)) {
            out.jobs.clear();
            return out;
        }
        if (board == boards) {
            out.jobs.push_back(std::move(job));
            job = MarkPage{};
            job.width = config.width();
            board = 0;
        }
    }
    if (!job.lines.empty()) {
        out.jobs.push_back(std::move(job));
    }
    return out;
}
