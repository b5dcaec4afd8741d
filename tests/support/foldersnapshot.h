#pragma once
// What a test compares before and after: every file under a folder, hidden ones and those in its
// subfolders too, by the name relative to the folder. FIFOs, sockets and devices are left out.
// Also the one way the folder tests lay a file.
#include <map>
#include <ostream>

#include <QByteArray>
#include <QFile>
#include <QString>

struct FileState {
    QByteArray bytes;
    qint64 modified = 0;  // ms since the epoch: a rewrite with the same bytes shows here
    QFile::Permissions permissions;
    bool operator==(const FileState&) const = default;
};

// A failed comparison shows names, sizes, times and modes, not a dump of bytes.
inline void PrintTo(const FileState& s, std::ostream* os) {
    *os << s.bytes.size() << " bytes, modified " << s.modified << ", mode " << std::hex
        << int(s.permissions) << std::dec;
}

std::map<QString, FileState> folderStates(const QString& folder);
// The bytes alone, for a test that states what a file must hold afterwards.
std::map<QString, QByteArray> folderFiles(const QString& folder);

// Writes `bytes` to `path` (its folders made as needed) and gives it `mode`; fails the test when
// any step fails.
void writeFileWithMode(const QString& path, const QByteArray& bytes, QFile::Permissions mode);
