#pragma once
// Reading a file that comes from outside the program (one the player picked, one received): never
// more than the largest file of its kind that can be valid, so that an oversized one is refused
// without being held in memory. Its size is looked at first, and since a size can change or lie
// (a file still growing, a system file), at most one byte past the limit is read.
#include <QByteArray>
#include <QFile>
#include <QString>

struct LimitedRead {
    enum class Outcome { Read, TooLarge, Unreadable };

    Outcome outcome = Outcome::Unreadable;
    QByteArray bytes;  // the whole file, for Read only
    QString error;     // the reason, for Unreadable only
};

// Only a regular file is opened: a pipe or a device would block the read or never end.
LimitedRead readAtMost(const QString& path, qint64 limit);

// The same checks for a file read a piece at a time: Read when `file` is open on `path`, a
// regular file whose size is at most `limit` (bytes stays empty). The caller still stops once
// it has read more than `limit` bytes.
LimitedRead openAtMost(const QString& path, qint64 limit, QFile& file);
