#include "entries/logic/drawstats.h"

#include <algorithm>
#include <cmath>

#include "shared/textforms.h"

namespace drawstats {

namespace {

constexpr int kTopBall = 65;

bool within(int v, int low, int high) {
    return v >= low && v <= high;
}

}  // namespace

int barCount(Chart chart, int mainpool, int bonuspool) {
    return std::clamp(chart == Chart::ExtraOwnPool ? bonuspool : mainpool, 0, kTopBall);
}

std::optional<std::vector<qint32>> countBalls(const DrawImage& history, int first, int last,
                                              Chart chart, int mainpool, int bonuspool) {
    const int top = barCount(chart, mainpool, bonuspool);
    std::vector<qint32> counts(static_cast<std::size_t>(top) + 1, 0);
    const bool mains = chart == Chart::Main || chart == Chart::MainAndExtra;
    const bool extra = chart != Chart::Main;
    // The combined chart counts a missing extra (0) with the unused positions; the extra-ball
    // charts have no place for it.
    const int lowestExtra = chart == Chart::MainAndExtra ? 0 : 1;
    for (int r = std::max(first, 1); r <= last; ++r) {
        const DrawRecord d = history.read(r);
        if (mains) {
            for (qint16 v : d.balls) {
                if (!within(v, 0, top)) {
                    return std::nullopt;
                }
                ++counts[static_cast<std::size_t>(v)];
            }
        }
        if (extra) {
            if (!within(d.extra, lowestExtra, top)) {
                return std::nullopt;
            }
            ++counts[static_cast<std::size_t>(d.extra)];
        }
    }
    if (!mains) {
        counts[0] = 0;
    }
    return counts;
}

void sortMostDrawn(std::vector<BallCount>& table) {
    const std::size_t n = table.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            if (table[i].count > table[j].count) {
                std::swap(table[i], table[j]);
            }
        }
    }
}

DrawRange chartRange(int drawCount, bool uselast, qint64 lastdraws) {
    DrawRange range{1, drawCount, false};
    if (!uselast || lastdraws < 1) {
        return range;
    }
    if (lastdraws > drawCount) {
        range.tooMany = true;
        return range;
    }
    range.first = static_cast<int>(drawCount - lastdraws + 1);
    return range;
}

QString barLabel(int ball, bool cards) {
    return cards ? cardname(ball) : QStringLiteral(" %1").arg(ball);
}

QString cardcaption(int card) {
    static const char* const kNames[] = {
        "Ace Spades",   "King Spades",   "Queen Spades",   "Jack Spades",
        "Ace Hearts",   "King Hearts",   "Queen Hearts",   "Jack Hearts",
        "Ace Diamonds", "King Diamonds", "Queen Diamonds", "Jack Diamonds",
        "Ace Clubs",    "King Clubs",    "Queen Clubs",    "Jack Clubs"};
    return card >= 1 && card <= 16 ? QString::fromLatin1(kNames[card - 1]) : QString();
}

std::optional<BallFigures> ballFigures(const DrawImage& history, int first, int last, int ball,
                                       int statsmode) {
    const bool mains = statsmode == 1 || statsmode == 2;
    const bool extra = statsmode == 4 || statsmode == 2;
    BallFigures f;
    for (int r = std::max(first, 1); r <= last; ++r) {
        const DrawRecord d = history.read(r);
        bool found = false;
        if (mains) {
            for (qint16 v : d.balls) {
                if (!within(v, 0, kTopBall)) {
                    return std::nullopt;
                }
                if (v == ball) {
                    found = true;
                    ++f.timesDrawn;
                }
            }
        }
        if (extra) {
            if (!within(d.extra, 0, kTopBall)) {
                return std::nullopt;
            }
            if (d.extra == ball) {
                found = true;
                ++f.timesDrawn;
            }
        }
        if (found) {
            f.lastRecord = r;
            f.day = d.day;
            f.month = d.month;
            f.year = d.year;
        }
    }
    return f;
}

qint32 expectedDraws(int statsmode, int ballsdrawn, int draws, int mainpool, int bonuspool) {
    double balls = 0;
    int pool = mainpool;
    switch (statsmode) {
        case 1:
            balls = ballsdrawn;
            break;
        case 2:
            balls = ballsdrawn + 1;
            break;
        case 4:
            balls = 1;
            pool = bonuspool > 0 ? bonuspool : mainpool;
            break;
        default:
            break;
    }
    // In double: ballsdrawn times a long history passes the 16-bit range.
    const double e = pool > 0 ? std::nearbyint(balls * draws / pool) : 0;
    return e < 1 ? 1 : static_cast<qint32>(e);
}

QString lastDrawnText(int day, int month, int year, const QString& dateorder) {
    const QString mmm = monthAbbreviation(month);
    if (dateorder == u"MMDDYY") {
        return QStringLiteral("%1 %2 %3").arg(mmm).arg(day).arg(year);
    }
    if (dateorder == u"YYMMDD") {
        return QStringLiteral("%1 %2 %3").arg(year).arg(mmm).arg(day);
    }
    return QStringLiteral("%1 %2 %3").arg(day).arg(mmm).arg(year);
}

}  // namespace drawstats
