#pragma once
// The check of Pick entries against a draw: exact matches first, then matches in any order of
// the digits left over, each digit of the draw and of the entry used at most once.
#include <QString>
#include <QStringList>

#include "pick34/logic/pickrecord.h"

struct PickMatch {
    int exact = 0;
    int any = 0;
    bool sum = false;  // the digit sums are equal
    bool operator==(const PickMatch&) const = default;
};

// The first k digits (3 or 4) of entry and draw.
PickMatch checkPick(const PickDigits& entry, const PickDigits& draw, int k);
// " 3 2 1 (1-2) Sum": each entry digit after a blank, the counts, "Sum" for equal sums.
QString pickSummaryLine(const PickDigits& entry, int k, const PickMatch& match);
// The summary lines of every counted entry, in file order.
QStringList checkPickEntries(const PickImage& entries, const PickDigits& draw, int k);

// Whether all k digits of the two match in any order, each digit used once.
bool checkforcombo(const PickDigits& entry, const PickDigits& draw, int k);

// A draw or entry as typed: exactly k characters once trimmed, and the first k characters as
// typed all digits "0".."9".
bool isPickNumber(const QString& text, int k);
// The digits of such a text; digit4 stays 0 when k is 3.
PickDigits pickDigitsOf(const QString& text, int k);
// The digits joined without separators, as the draw box shows a stored draw: "407".
QString pickDigitText(const PickDigits& digits, int k);
