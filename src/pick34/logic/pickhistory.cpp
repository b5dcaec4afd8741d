#include "pick34/logic/pickhistory.h"

#include <algorithm>

#include "shared/recordfile.h"
#include "shared/safefile.h"
#include "shared/textforms.h"

int PickHistory::find(int day, int month, int year) const {
    const int n = count();
    for (int r = 1; r <= n; ++r) {
        const PickRecord d = record(r);
        if (d.day == day && d.month == month && d.year == year) {
            return r;
        }
    }
    return 0;
}

int PickHistory::insert(const PickRecord& draw) {
    const int n = count();
    PickRecord added = draw;
    if (n == 0) {
        added.count = 1;
        added.ordinal = 1;
        image_.put(1, added);
        return 1;
    }
    const qint32 key = datekey(draw.year, draw.month, draw.day);
    int later = 0;
    for (int r = 1; r <= n && later == 0; ++r) {
        const PickRecord d = record(r);
        if (datekey(d.year, d.month, d.day) > key) {
            later = r;
        }
    }
    PickRecord first = record(1);
    if (later == 0) {
        first.count = n + 1;
        image_.put(1, first);
        added.count = n + 1;
        added.ordinal = static_cast<qint16>(n + 1);
        image_.put(n + 1, added);
        return n + 1;
    }
    // Moved records keep their count fields; only record 1's count means anything.
    const qint32 carried = record(later).count;
    for (int k = n; k >= later; --k) {
        PickRecord moved = record(k);
        ++moved.ordinal;
        image_.put(k + 1, moved);
    }
    added.count = carried;
    added.ordinal = static_cast<qint16>(later);
    image_.put(later, added);
    first = record(1);
    first.count = n + 1;
    image_.put(1, first);
    return later;
}

void PickHistory::setDigits(int r, const PickDigits& digits, int k) {
    PickRecord d = record(r);
    std::copy_n(digits.begin(), k, d.digits.begin());
    image_.put(r, d);
}

bool PickHistory::remove(int r) {
    const int n = count();
    if (r < 1 || r > n) {
        return false;
    }
    if (n == 1) {
        emptied_ = true;
        return true;
    }
    for (int k = r + 1; k <= n; ++k) {
        PickRecord moved = record(k);
        --moved.ordinal;
        image_.put(k - 1, moved);
    }
    PickRecord first = record(1);
    first.count = n - 1;
    image_.put(1, first);
    return true;
}

namespace {

QString withReason(const QString& message, const QString& reason) {
    return (message + u' ' + reason).trimmed();
}

}  // namespace

QString storeDraw(const QString& path, const QDate& date, const PickDigits& digits, int k) {
    const QString failed = QStringLiteral("The draw could not be saved.");
    QString error;
    std::optional<PickImage> image = PickImage::read(path, &error);
    if (!image) {
        return withReason(failed, error);
    }
    if (image->damaged()) {
        return withReason(failed, QStringLiteral("The results history is damaged."));
    }
    PickHistory history(std::move(*image));
    if (const int r = history.find(date.day(), date.month(), date.year()); r != 0) {
        history.setDigits(r, digits, k);
    } else {
        if (history.count() >= kMaxRecordCount) {
            return recordLimitMessage();
        }
        PickRecord draw;
        draw.day = static_cast<qint16>(date.day());
        draw.month = static_cast<qint16>(date.month());
        draw.year = static_cast<qint16>(date.year());
        std::copy_n(digits.begin(), k, draw.digits.begin());
        history.insert(draw);
    }
    if (!writeWholeFile(path, history.image().bytes(), &error)) {
        return withReason(failed, error);
    }
    return {};
}

QString deleteDraw(const QString& path, const QDate& date) {
    const QString failed = QStringLiteral("The draw could not be deleted.");
    QString error;
    std::optional<PickImage> image = PickImage::read(path, &error);
    if (!image) {
        return withReason(failed, error);
    }
    PickHistory history(std::move(*image));
    const int r = history.find(date.day(), date.month(), date.year());
    if (r == 0 || !history.remove(r)) {
        return {};
    }
    // A history the player may only read is never deleted (removeFile refuses it).
    if (history.isEmptied()) {
        return removeFile(path, &error) ? QString() : withReason(failed, error);
    }
    if (!writeWholeFile(path, history.image().bytes(), &error)) {
        return withReason(failed, error);
    }
    return {};
}
