#pragma once
// Draws kept in date order in a whole file of records, for every record kind with day, month,
// year, ordinal and count fields (only record 1's count means anything). `read(r)` gives record
// r and `write(r, record)` puts it back; n is the count of records in use.
#include "shared/textforms.h"

// The record of that date, or 0.
template <class Read>
int findDrawByDate(int n, int day, int month, int year, Read read) {
    for (int r = 1; r <= n; ++r) {
        const auto d = read(r);
        if (d.day == day && d.month == month && d.year == year) {
            return r;
        }
    }
    return 0;
}

// Inserts the draw before the first later one, renumbering the ordinals behind it; gives its
// record number.
template <class Record, class Read, class Write>
int insertDrawByDate(int n, Record added, Read read, Write write) {
    if (n == 0) {
        added.count = 1;
        added.ordinal = 1;
        write(1, added);
        return 1;
    }
    const qint32 key = datekey(added.year, added.month, added.day);
    int later = 0;
    for (int r = 1; r <= n && later == 0; ++r) {
        const Record d = read(r);
        if (datekey(d.year, d.month, d.day) > key) {
            later = r;
        }
    }
    if (later == 0) {
        Record first = read(1);
        first.count = n + 1;
        write(1, first);
        added.count = n + 1;
        added.ordinal = static_cast<qint16>(n + 1);
        write(n + 1, added);
        return n + 1;
    }
    // The moved records and the new one keep the count fields the records carried.
    const qint32 carried = read(later).count;
    for (int k = n; k >= later; --k) {
        Record moved = read(k);
        ++moved.ordinal;
        write(k + 1, moved);
    }
    added.count = carried;
    added.ordinal = static_cast<qint16>(later);
    write(later, added);
    Record first = read(1);
    first.count = n + 1;
    write(1, first);
    return later;
}

// Removes record r of n >= 2: the later ones move down with their ordinals, record 1 takes the
// new count; the file keeps its length.
template <class Read, class Write>
void removeDrawAt(int r, int n, Read read, Write write) {
    for (int k = r + 1; k <= n; ++k) {
        auto moved = read(k);
        --moved.ordinal;
        write(k - 1, moved);
    }
    auto first = read(1);
    first.count = n - 1;
    write(1, first);
}
