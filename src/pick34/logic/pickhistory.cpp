#include "pick34/logic/pickhistory.h"

#include <algorithm>

#include "shared/datedrecords.h"
#include "shared/recordfile.h"
#include "shared/safefile.h"
#include "shared/textforms.h"

int PickHistory::find(int day, int month, int year) const {
    return findDrawByDate(count(), day, month, year, [this](int r) { return record(r); });
}

int PickHistory::insert(const PickRecord& draw) {
    return insertDrawByDate(
        count(), draw, [this](int r) { return record(r); },
        [this](int r, const PickRecord& d) { image_.put(r, d); });
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
    removeDrawAt(
        r, n, [this](int k) { return record(k); },
        [this](int k, const PickRecord& d) { image_.put(k, d); });
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
