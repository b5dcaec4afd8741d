#pragma once
// The entry filter's work on a copy of an entry file: which entries the sum and duplicate
// coverage filters mark, the list line of an entry, and the file left when the marked entries
// are removed.
#include <cstdint>
#include <functional>
#include <vector>

#include <QString>

#include "shared/drawrecord.h"

struct FilterSettings {
    int pool = 0;
    int k = 0;  // numbers per entry
    bool sum = false;
    int slider = 1;  // 1..5
    bool shared = false;
    int threshold = 0;  // numbers two entries must share
};

struct FilterMarks {
    std::vector<std::uint8_t> marked;  // element r - 1 for entry r
    int checkedcount = 0;
};

// Entries 1..count of the copy: the sum filter marks totals outside the band, then the
// duplicate filter works on the entries left unmarked.
FilterMarks runFilters(const DrawImage& copy, const FilterSettings& settings,
                       const std::function<void(int)>& progress = nullptr);

// The list line of an entry: positions 1..mainperentry as two digits and a blank (no blank after
// a seventh), then with an extra per entry its id, a blank and the extra (a card code for the
// card game), shown also for extra 0.
QString filterLine(const DrawRecord& entry, int mainperentry, int bonusperentry,
                   const QString& extraballid, const QString& gamename);

// The entry file without the marked entries: the kept records unchanged and in order, record 1
// counting them; with none kept, one record with count 0.
DrawImage withoutMarked(const DrawImage& copy, const std::vector<std::uint8_t>& marked);
