#include "pick34/logic/pickentries.h"

#include <QFile>
#include <QFileInfo>

#include "pick34/logic/pickfiles.h"
#include "shared/safefile.h"

QString betname(int bettype) {
    switch (bettype) {
        case 1:
            return QStringLiteral("Exact");
        case 2:
            return QStringLiteral("Any");
        case 3:
            return QStringLiteral("Exact/Any");
        case 4:
            return QStringLiteral("Combo");
        default:
            return {};
    }
}

QString pickentryline(const PickRecord& entry, int game) {
    QString line;
    line.reserve(2 * 4 + 9);
    for (int i = 0; i < pickDigitCount(game); ++i) {
        const int d = entry.digits[static_cast<std::size_t>(i)];
        // A digit needs no number conversion; a damaged one is shown as it stands.
        if (d >= 0 && d <= 9) {
            line += QChar(u'0' + d);
        } else {
            line += QString::number(d);
        }
        line += u' ';
    }
    line += betname(entry.bettype);
    return line;
}

QStringList pickentrylines(const PickImage& entries, int game) {
    QStringList lines;
    const int n = entries.count();
    lines.reserve(n);
    for (int r = 1; r <= n; ++r) {
        lines << pickentryline(entries.record(r), game);
    }
    return lines;
}

int removeSelectedEntries(PickImage& entries, const std::vector<bool>& selected) {
    const int n = entries.count();
    int kept = 0;
    for (int r = 1; r <= n; ++r) {
        const auto at = static_cast<std::size_t>(r - 1);
        if (at < selected.size() && selected[at]) {
            continue;
        }
        ++kept;
        if (kept != r) {
            entries.put(kept, entries.record(r));
        }
    }
    if (kept == n) {
        return 0;
    }
    const PickRecord last = entries.record(n);
    for (int r = kept + 1; r <= n; ++r) {
        entries.put(r, last);
    }
    PickRecord first = entries.record(1);
    first.count = kept;
    entries.put(1, first);
    return n - kept;
}

namespace {

QString withReason(const QString& message, const QString& reason) {
    return (message + u' ' + reason).trimmed();
}

}  // namespace

QString deleteSelectedEntries(const QString& path, const std::vector<bool>& selected,
                              int* remaining) {
    const QString failed = QStringLiteral("The entry file could not be changed.");
    QString error;
    std::optional<PickImage> entries = PickImage::read(path, &error);
    if (!entries) {
        return withReason(failed, error);
    }
    if (removeSelectedEntries(*entries, selected) > 0 &&
        !writeWholeFile(path, entries->bytes(), &error)) {
        return withReason(failed, error);
    }
    if (remaining != nullptr) {
        *remaining = entries->count();
    }
    return {};
}

QString copyEntryFile(const QString& source, const QString& target) {
    const QString failed = QStringLiteral("The entries could not be copied.");
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        return withReason(failed, file.errorString());
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return withReason(failed, file.errorString());
    }
    file.close();
    QString error;
    if (!writeWholeFile(target, bytes, &error)) {
        return withReason(failed, error);
    }
    return {};
}

bool deleteIfNoEntries(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return false;
    }
    const std::optional<PickImage> entries = PickImage::read(path);
    // removeFile keeps a file the player may only read.
    return entries && entries->storedCount() == 0 && removeFile(path);
}
