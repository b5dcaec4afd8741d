#include "entries/logic/entryfile.h"

#include <algorithm>

#include "shared/recordfile.h"

namespace entries {

std::vector<DrawRecord> readCounted(const QString& path) {
    // One read of the whole file: a check over thousands of draws must not reread it per draw.
    const DrawImage image = readDrawImage(path);
    const int n = image.count();
    std::vector<DrawRecord> records;
    records.reserve(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r) {
        records.push_back(image.read(r));
    }
    return records;
}

Appended appendEntry(DrawFile& file, const Entry& entry) {
    DrawRecord record = file.read(1);
    const qint32 before = record.count;
    record.balls = entry.balls;
    record.extra = entry.extra;
    const DrawFile::Append result = file.append(record);
    return {result, result == DrawFile::Append::Done ? before + 1 : std::max(before, 0)};
}

QString appendFailureMessage(DrawFile::Append result) {
    switch (result) {
        case DrawFile::Append::Done:
            return {};
        case DrawFile::Append::Full:
            return recordLimitMessage();
        case DrawFile::Append::Failed:
            break;
    }
    return QStringLiteral("The entry could not be added to the entry file. Nothing was added.");
}

}  // namespace entries
