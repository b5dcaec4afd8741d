#pragma once
// A data folder a player might have after a while: two games with two years of draws, an entry
// file for the last draw, and a Pick 3 history, so that every window has something to show.
#include <QDate>
#include <QString>

namespace helpshots {

// The day the pictures are taken on (a Saturday); the last draw is the Wednesday before.
inline const QDate kToday{2026, 11, 14};
inline const QDate kLastDraw{2026, 11, 11};

// Writes the sample files into the folder; false when one could not be written.
bool writeSampleData(const QString& folder);

}  // namespace helpshots
