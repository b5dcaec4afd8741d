#include "support/foldersnapshot.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

std::map<QString, FileState> folderStates(const QString& folder) {
    std::map<QString, FileState> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        const QFileInfo info = it.fileInfo();
        files[QDir(folder).relativeFilePath(path)] = {
            f.readAll(), info.lastModified().toMSecsSinceEpoch(), info.permissions()};
    }
    return files;
}

std::map<QString, QByteArray> folderFiles(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (auto& [name, state] : folderStates(folder)) {
        files[name] = std::move(state.bytes);
    }
    return files;
}

void writeFileWithMode(const QString& path, const QByteArray& bytes, QFile::Permissions mode) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
    ASSERT_TRUE(f.flush());
    f.close();
    ASSERT_TRUE(QFile::setPermissions(path, mode)) << path.toStdString();
}
