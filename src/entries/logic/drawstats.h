#pragma once
// How often each ball was drawn over a range of a results history, for the statistics chart and
// the single-ball figures. Counts are 32-bit: a long history overflows 16-bit tallies.
#include <optional>
#include <vector>

#include <QString>

#include "shared/drawrecord.h"

namespace drawstats {

// The four charts and what each counts per draw.
enum class Chart {
    Main,           // the seven main positions, into 0..mainpool
    MainAndExtra,   // the seven main positions and the extra, into 0..mainpool
    ExtraFromMain,  // the extra, into 1..mainpool
    ExtraOwnPool,   // the extra, into 1..bonuspool
};

// Bars of a chart: mainpool, or bonuspool for the extra from its own pool (never above 65).
int barCount(Chart chart, int mainpool, int bonuspool);

// Records first..last of the history (from 1), counted as the chart counts them: element b of
// the result is the count of ball b, for b = 1..bars (element 0 is the unused positions, or 0).
// Nullopt when a value falls outside the chart's bounds: the file does not fit the game.
std::optional<std::vector<qint32>> countBalls(const DrawImage& history, int first, int last,
                                              Chart chart, int mainpool, int bonuspool);

struct BallCount {
    int ball = 0;
    qint32 count = 0;
    bool operator==(const BallCount&) const = default;
};

// Most-drawn first by the exchange procedure the chart has always used: for every i, for every j,
// entries i and j swap when i's count is greater than j's. Equal counts end in the order this
// leaves them, which players know from the chart and is not ball order in general.
void sortMostDrawn(std::vector<BallCount>& table);

// The records a chart reads. `lastdraws` < 1 or not wanted: every draw. More than there are:
// every draw, and `tooMany` says the player must be told.
struct DrawRange {
    int first = 1;
    int last = 0;
    bool tooMany = false;
};
DrawRange chartRange(int drawCount, bool uselast, qint64 lastdraws);

// The label of bar k: a blank and the ball number, or the card code on the card game's extra.
QString barLabel(int ball, bool cards);

// The long name of card 1..16 ("Ace Spades" .. "Jack Clubs"); "" for any other number.
QString cardcaption(int card);

// What the single-ball window shows for one ball over records first..last.
struct BallFigures {
    qint32 timesDrawn = 0;
    int lastRecord = 0;  // 0: not drawn in the range
    int day = 0;
    int month = 0;
    int year = 0;
};
// statsmode 1 counts the main positions, 4 the extra, 2 both. Nullopt when a counted value lies
// outside 0..65.
std::optional<BallFigures> ballFigures(const DrawImage& history, int first, int last, int ball,
                                       int statsmode);

// Times a ball is expected to be drawn over `draws` draws, halves to even, at least 1.
qint32 expectedDraws(int statsmode, int ballsdrawn, int draws, int mainpool, int bonuspool);

// "Mar 5 2012", "5 Mar 2012" or "2012 Mar 5" by the date order.
QString lastDrawnText(int day, int month, int year, const QString& dateorder);

}  // namespace drawstats
