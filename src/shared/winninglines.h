#pragma once
// How the check shows a winning entry: the label after its line, and whether it earns the
// fanfare.
#include <QString>

// "(7)", "(6+PB)", "(6)" .. "(0+PB)", "(0)" for the levels 1..15; empty for any other.
QString winningLineLabel(int level, const QString& extraballid);

// The fanfare is for an entry that matched every drawn main ball, and the extra ball too when
// that has a pool of its own (an extra from the main pool is one of the main balls).
bool playsFanfare(int level, int ballsdrawn, int bonuspool);
