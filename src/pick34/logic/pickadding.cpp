#include "pick34/logic/pickadding.h"

#include <algorithm>
#include <cmath>

#include "pick34/logic/pickcheck.h"
#include "pick34/logic/pickentries.h"
#include "pick34/logic/pickfiles.h"
#include "shared/safefile.h"

PickDigits converteto34numbers(int number, int game) {
    PickDigits digits{};
    const int k = pickDigitCount(game);
    for (int i = k - 1; i >= 0; --i) {
        digits[static_cast<std::size_t>(i)] = static_cast<qint16>(number % 10);
        number /= 10;
    }
    return digits;
}

int pickNumberOf(const PickDigits& digits, int game) {
    int number = 0;
    for (int i = 0; i < pickDigitCount(game); ++i) {
        const int d = digits[static_cast<std::size_t>(i)];
        if (d < 0 || d > 9) {
            return -1;
        }
        number = number * 10 + d;
    }
    return number;
}

PickNumberTable::PickNumberTable(int game)
    : used_(static_cast<std::size_t>(pickEntryLimit(game))), game_(game) {}

void PickNumberTable::markEntries(const PickImage& entries) {
    const int n = entries.count();
    for (int r = 1; r <= n; ++r) {
        mark(pickNumberOf(entries.record(r).digits, game_));
    }
}

void PickNumberTable::mark(int number) {
    if (number >= 0 && number < static_cast<int>(used_.size())) {
        used_[static_cast<std::size_t>(number)] = true;
    }
}

bool PickNumberTable::used(int number) const {
    return number >= 0 && number < static_cast<int>(used_.size()) &&
           used_[static_cast<std::size_t>(number)];
}

int PickNumberTable::getrandomentry(const std::function<double()>& random) {
    const int size = static_cast<int>(used_.size());
    int start = size;
    while (start >= size || start < 0) {
        start = static_cast<int>(random() * size);
    }
    for (int i = 0; i < size; ++i) {
        const int number = (start + i) % size;
        if (!used_[static_cast<std::size_t>(number)]) {
            used_[static_cast<std::size_t>(number)] = true;
            return number;
        }
    }
    return 0;
}

namespace {

PickAddResult refused(const QString& message, int count) {
    return {message, {}, count};
}

QString withReason(const QString& message, const QString& reason) {
    return (message + u' ' + reason).trimmed();
}

const QString kNotAdded = QStringLiteral("The entries could not be added.");

// The file as it stands, or the message why it cannot be added to.
std::optional<PickImage> readForAdding(const QString& path, QString* message) {
    QString error;
    std::optional<PickImage> entries = PickImage::read(path, &error);
    if (!entries) {
        *message = withReason(kNotAdded, error);
    } else if (entries->damaged()) {
        // Writing as if it were empty would overwrite its first record.
        *message = withReason(kNotAdded, QStringLiteral("The entry file is damaged."));
        entries.reset();
    }
    return entries;
}

}  // namespace

PickAddResult addManualEntry(const QString& path, const QString& typed, int game) {
    if (typed.isEmpty()) {
        return refused(QStringLiteral("No number entered"), pickEntryCount(path));
    }
    QString message;
    std::optional<PickImage> entries = readForAdding(path, &message);
    if (!entries) {
        return refused(message, 0);
    }
    const int n = entries->count();
    const int limit = pickEntryLimit(game);
    if (n >= limit) {
        return refused(QStringLiteral("Only %1 entries allowed").arg(limit), n);
    }
    const int k = pickDigitCount(game);
    if (!isPickNumber(typed, k)) {
        return refused(QStringLiteral("Invalid entry number"), n);
    }
    PickRecord buffer = entries->record(1);
    buffer.count = n + 1;
    entries->put(1, buffer);
    const PickDigits digits = pickDigitsOf(typed, k);
    std::copy_n(digits.begin(), k, buffer.digits.begin());
    entries->put(n + 1, buffer);
    QString error;
    if (!writeWholeFile(path, entries->bytes(), &error)) {
        return refused(withReason(kNotAdded, error), n);
    }
    return {{}, {pickentryline(buffer, game)}, n + 1};
}

PickAddResult addSuggestedEntries(const QString& path, double wanted, int game,
                                  const std::function<double()>& random) {
    QString message;
    std::optional<PickImage> entries = readForAdding(path, &message);
    if (!entries) {
        return refused(message, 0);
    }
    const int n = entries->count();
    const int limit = pickEntryLimit(game);
    if (n >= limit || wanted > limit) {
        return refused(
            QStringLiteral("It is not sensible to have more than %1 entries!").arg(limit), n);
    }
    const double more = std::nearbyint(wanted - n);
    if (more <= 0) {
        return refused(QStringLiteral("You already have this number of entries or more"), n);
    }
    const int m = static_cast<int>(more);
    PickNumberTable table(game);
    table.markEntries(*entries);
    PickRecord buffer = entries->record(std::max(n, 1));
    buffer.bettype = 0;
    PickAddResult added;
    added.lines.reserve(m);
    for (int r = n + 1; r <= n + m; ++r) {
        const PickDigits digits = converteto34numbers(table.getrandomentry(random), game);
        std::copy_n(digits.begin(), pickDigitCount(game), buffer.digits.begin());
        entries->put(r, buffer);
        added.lines << pickentryline(buffer, game);
    }
    PickRecord first = entries->record(1);
    first.count = n + m;
    entries->put(1, first);
    QString error;
    if (!writeWholeFile(path, entries->bytes(), &error)) {
        return refused(withReason(kNotAdded, error), n);
    }
    added.count = n + m;
    return added;
}

int pickEntryCount(const QString& path) {
    const std::optional<PickImage> entries = PickImage::read(path);
    return entries ? entries->count() : 0;
}
