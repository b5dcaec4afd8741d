#pragma once
// How often each digit was drawn in one position of a Pick results history.
#include <array>
#include <optional>

#include <QString>

#include "pick34/logic/pickrecord.h"

using DigitCounts = std::array<int, 10>;

// Counts of digits 0..9 in `position` (1..4) of the counted draws; nullopt when a stored digit
// there is outside 0..9.
std::optional<DigitCounts> digitCounts(const PickImage& draws, int position);

// The caption under the chart for a position, ending in the number of draws.
QString digitChartCaption(int position, int draws);
