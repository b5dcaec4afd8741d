#include "pick34/logic/pickfilelist.h"

#include <QDir>
#include <QFileInfo>

#include "shared/safefile.h"

bool isPlainFileIn(const QString& folder, const QString& name) {
    if (name.isEmpty() || name.contains(u'/') || name == u"." || name == u"..") {
        return false;
    }
    const QFileInfo info(QDir(folder).filePath(name));
    return info.isFile() && !info.isSymLink();
}

QString deletionline(const PickRecord& entry, const QString& fileName) {
    int k = 0;
    if (fileName.contains(u"Pick4")) {
        k = 4;
    } else if (fileName.contains(u"Pick3")) {
        k = 3;
    }
    QStringList digits;
    for (int i = 0; i < k; ++i) {
        digits << QString::number(entry.digits[static_cast<std::size_t>(i)]);
    }
    return digits.join(u' ');
}

QStringList deletionlines(const PickImage& entries, const QString& fileName) {
    QStringList lines;
    const int n = entries.count();
    lines.reserve(n);
    for (int r = 1; r <= n; ++r) {
        lines << deletionline(entries.record(r), fileName);
    }
    return lines;
}

namespace {

QString resolved(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

}  // namespace

bool sameFile(const QString& a, const QString& b) {
    return !a.isEmpty() && !b.isEmpty() && resolved(a) == resolved(b);
}

QString deleteEntryFile(const QString& path) {
    // Gone already: there is nothing left to delete.
    if (!QFileInfo::exists(path)) {
        return {};
    }
    QString error;
    if (removeFile(path, &error)) {
        return {};
    }
    return (QStringLiteral("The file could not be deleted.") + u' ' + error).trimmed();
}
