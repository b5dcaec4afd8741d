#pragma once
// The numbers a wheel window suggests: those drawn most often in the game's results history,
// topped up with distinct random numbers of the game's pool.
#include <array>
#include <functional>
#include <vector>

#include <QString>

class DrawImage;

namespace wheels {

inline constexpr int kBoxes = 24;

// Element p (1..24) is the p-th suggestion; 0 where the pool had no number left. Element 0 is
// not used, so positions read as the windows number them.
using Suggestions = std::array<qint16, kBoxes + 1>;

// Numbers standing in main positions 1..k of the counted draws, most often drawn first and
// equal counts lowest first; at most 24. Numbers outside 1..100 are skipped.
std::vector<qint16> rankByTimesDrawn(const DrawImage& history, int k);
// The same over a results file, read without creating it: a missing file ranks nothing.
std::vector<qint16> rankResultsFile(const QString& path, int k);

// The ranked numbers, then distinct random numbers of 1..pool (rnd uniform in [0, 1)) until
// there are 24 or the pool has none left.
Suggestions topUpSuggestions(const std::vector<qint16>& ranked, int pool,
                             const std::function<double()>& rnd);

// A random whole number 1..n from r in [0, 1), never past n even where r rounds up.
int randomUpTo(int n, double r);

}  // namespace wheels
