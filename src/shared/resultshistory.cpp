#include "shared/resultshistory.h"

#include <QFile>

#include "shared/recordfile.h"
#include "shared/safefile.h"
#include "shared/textforms.h"

std::optional<ResultsHistory> ResultsHistory::read(const QString& path, QString* error) {
    QFile file(path);
    // A history the player may only read is still shown; saving into it then fails and is told.
    // Opening for writing only creates a missing file.
    const bool readOnly = mayOnlyRead(path);
    if ((readOnly || !file.open(QIODevice::ReadWrite)) &&
        !(file.exists() && file.open(QIODevice::ReadOnly))) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return std::nullopt;
    }
    return ResultsHistory(file.readAll());
}

DrawRecord ResultsHistory::record(int r) const {
    return image_.read(r);
}

qint16 ResultsHistory::count() const {
    return image_.count();
}

int ResultsHistory::find(int day, int month, int year) const {
    const int n = count();
    for (int r = 1; r <= n; ++r) {
        const DrawRecord d = record(r);
        if (d.day == day && d.month == month && d.year == year) {
            return r;
        }
    }
    return 0;
}

int ResultsHistory::insert(const DrawRecord& draw) {
    const int n = count();
    DrawRecord added = draw;
    if (n == 0) {
        added.count = 1;
        added.ordinal = 1;
        put(1, added);
        return 1;
    }
    const qint32 key = datekey(draw.year, draw.month, draw.day);
    int later = 0;
    for (int r = 1; r <= n && later == 0; ++r) {
        const DrawRecord d = record(r);
        if (datekey(d.year, d.month, d.day) > key) {
            later = r;
        }
    }
    if (later == 0) {
        DrawRecord first = record(1);
        first.count = n + 1;
        put(1, first);
        added.count = n + 1;
        added.ordinal = static_cast<qint16>(n + 1);
        put(n + 1, added);
        return n + 1;
    }
    // The count field of the moved records and of the new one is left as the records carried
    // it; only record 1's count means anything.
    const qint32 carried = record(later).count;
    for (int k = n; k >= later; --k) {
        DrawRecord moved = record(k);
        ++moved.ordinal;
        put(k + 1, moved);
    }
    added.count = carried;
    added.ordinal = static_cast<qint16>(later);
    put(later, added);
    DrawRecord first = record(1);
    first.count = n + 1;
    put(1, first);
    return later;
}

bool ResultsHistory::remove(int r) {
    const int n = count();
    if (r < 1 || r > n) {
        return false;
    }
    if (n == 1) {
        emptied_ = true;
        return true;
    }
    for (int k = r + 1; k <= n; ++k) {
        DrawRecord moved = record(k);
        --moved.ordinal;
        put(k - 1, moved);
    }
    DrawRecord first = record(1);
    first.count = n - 1;
    put(1, first);
    return true;
}
