#include "shared/limitedread.h"

#include <QFileInfo>

namespace {

LimitedRead unreadable(const QString& reason) {
    return {LimitedRead::Outcome::Unreadable, {}, reason};
}

LimitedRead tooLarge() {
    return {LimitedRead::Outcome::TooLarge, {}, {}};
}

}  // namespace

LimitedRead openAtMost(const QString& path, qint64 limit, QFile& file) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return unreadable(QStringLiteral("%1 does not exist").arg(path));
    }
    if (!info.isFile()) {
        return unreadable(QStringLiteral("%1 is not a file").arg(path));
    }
    if (info.size() > limit) {
        return tooLarge();
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return unreadable(file.errorString());
    }
    return {LimitedRead::Outcome::Read, {}, {}};
}

LimitedRead readAtMost(const QString& path, qint64 limit) {
    QFile file;
    LimitedRead opened = openAtMost(path, limit, file);
    if (opened.outcome != LimitedRead::Outcome::Read) {
        return opened;
    }
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        return unreadable(file.errorString());
    }
    if (bytes.size() > limit) {
        return tooLarge();
    }
    return {LimitedRead::Outcome::Read, std::move(bytes), {}};
}
