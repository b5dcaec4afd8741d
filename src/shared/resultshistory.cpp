#include "shared/resultshistory.h"

#include <QFile>

#include "shared/datedrecords.h"
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
    return findDrawByDate(count(), day, month, year, [this](int r) { return record(r); });
}

int ResultsHistory::insert(const DrawRecord& draw) {
    return insertDrawByDate(
        count(), draw, [this](int r) { return record(r); },
        [this](int r, const DrawRecord& d) { put(r, d); });
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
    removeDrawAt(
        r, n, [this](int k) { return record(k); },
        [this](int k, const DrawRecord& d) { put(k, d); });
    return true;
}
