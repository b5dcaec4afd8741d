#pragma once
// What a test compares before and after: every file under a folder, hidden ones and those in its
// subfolders too, by the name relative to the folder. FIFOs, sockets and devices are left out.
#include <map>

#include <QByteArray>
#include <QFile>
#include <QString>

struct FileState {
    QByteArray bytes;
    qint64 modified = 0;  // ms since the epoch: a rewrite with the same bytes shows here
    QFile::Permissions permissions;
    bool operator==(const FileState&) const = default;
};

std::map<QString, FileState> folderStates(const QString& folder);
// The bytes alone, for a test that states what a file must hold afterwards.
std::map<QString, QByteArray> folderFiles(const QString& folder);
