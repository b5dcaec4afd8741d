#pragma once
// The statistics of a Pick results history over a date range: how often each number was drawn,
// the numbers a mode lists, and the distribution of their digit sums.
#include <utility>
#include <vector>

#include <QDate>
#include <QString>
#include <QStringList>

#include "pick34/logic/pickrecord.h"

// 0 none chosen, 1 every number, 2 the numbers never drawn, 3 those drawn at least a threshold.
enum class StatsMode { None = 0, All = 1, Zero = 2, Specified = 3 };

// The number zero-padded to three digits (Pick 3) or four (Pick 4).
QString expand3(int x);
QString expand4(int x);

// Times drawn of every number of the game (index = the number) in the draws dated from..to,
// both ends included (keys yyyymmdd). A draw with a digit outside 0..9 names no number.
std::vector<int> numberCounts(const PickImage& draws, int game, qint32 fromKey, qint32 toKey);

// The numbers the mode lists, ascending; `threshold` is the least count for Specified.
std::vector<int> listedNumbers(const std::vector<int>& counts, StatsMode mode, double threshold);
// "012 Drawn 5 Times" per listed number; "No Matches" when none is listed.
QStringList numberLines(const std::vector<int>& numbers, const std::vector<int>& counts, int game);

// Totals of digit sums 0..27 (Pick 3) or 0..36 (Pick 4) over the listed numbers: their draws
// (All, Specified), or how many of them there are (Zero).
std::vector<double> sumTotals(const std::vector<int>& numbers, const std::vector<int>& counts,
                              int game, StatsMode mode);
// The chart's row label of a sum: a blank, then the sum.
QString sumLabel(int sum);

// The dates the range starts on: the first and the last draw whose date is a real date; invalid
// dates when there is none.
std::pair<QDate, QDate> drawDateRange(const PickImage& draws);
