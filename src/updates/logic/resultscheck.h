#pragma once
// Whether a received results file may become a game's history: the whole file is checked, not
// only its first number, since a page, a cut-off body or a damaged file would otherwise replace
// the player's history.
#include <QByteArray>
#include <QString>

#include "shared/drawrecord.h"
#include "shared/recordfile.h"

// The largest history there can be: record 1 carries the count and is itself the first draw, no
// count passes kMaxRecordCount, and no change makes a history hold more records than that.
inline constexpr qint64 kLargestResultsFile = qint64{kMaxRecordCount} * DrawRecord::kSize;

enum class ResultsFault {
    None,
    Empty,       // no record at all
    TooLarge,    // longer than any history can be (kLargestResultsFile)
    PartRecord,  // the size is not a whole number of records
    BadCount,    // record 1's count is below 1 or above the records the file holds
    BadDraw,     // a counted record is no plausible draw
    OutOfOrder,  // a counted draw is dated before the one above it
    BadTail,     // a record after the counted ones is no plausible draw
};

struct ResultsCheck {
    ResultsFault fault = ResultsFault::None;
    qint32 count = 0;  // record 1's count as stored
    int record = 0;    // the record at fault, for BadDraw, OutOfOrder and BadTail
    DrawRecord last;   // the last counted draw of an accepted file

    bool accepted() const { return fault == ResultsFault::None; }
};

ResultsCheck checkResultsFile(const QByteArray& bytes);

// A real date, balls 1 to 65 in the first three places, the places used first and no number
// twice, and an extra number 0 to 65.
bool plausibleDraw(const DrawRecord& draw);

// The date of a draw as the downloader's question shows it: day, month and year without leading
// zeros, joined with "/" in the order of dateorder (empty for an unknown order).
QString drawDateText(const DrawRecord& draw, const QString& dateorder);
