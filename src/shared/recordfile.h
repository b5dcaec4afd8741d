#pragma once
// Files of fixed-length records numbered from 1, without header. A file is opened for one
// operation and closed when the object goes out of scope.
#include <QByteArray>
#include <QFile>
#include <QString>

class RecordFile {
public:
    // Opens for reading and writing; a missing file is created empty. A file the player may only
    // read (see mayOnlyRead) is opened for reading.
    RecordFile(const QString& path, int recordLength);

    bool isOpen() const { return file_.isOpen(); }
    // Whole records in the file.
    qint64 recordsHeld() const;
    qint64 byteSize() const { return file_.isOpen() ? file_.size() : 0; }
    // Cuts the file back to `bytes`; false when that failed.
    bool truncate(qint64 bytes);

    // Record n (from 1); bytes past the end of the file read as zeros.
    QByteArray read(qint64 recordNo);
    // Writes record n, extending the file with zeros when needed. False when the write failed.
    bool write(qint64 recordNo, const QByteArray& bytes);

private:
    QFile file_;
    int length_;
};

// Record counts are stored as 32-bit numbers but every reader walks them as 16-bit integers.
inline constexpr qint32 kMaxRecordCount = 32767;
// The count as a reader walks it: never negative, never above kMaxRecordCount.
qint16 narrowCount(qint32 count);
// The count as a reader walks it in a file that holds `held` whole records: never more than that,
// so a damaged count never shows records the file does not have.
qint16 narrowCount(qint32 count, qint64 held);
// Whether a file of records is damaged as far as its size and stored count tell: a size that is
// no whole number of records, a count below 0, or more records counted than the file holds. A
// missing or empty file is not damaged.
bool recordsDamaged(qint64 byteSize, int recordLength, qint32 storedCount);
// The message shown when a write would take a file past kMaxRecordCount records.
QString recordLimitMessage();
