#pragma once
// The 28-byte record of results histories and lotto entry files.
#include <array>
#include <vector>

#include <QByteArray>
#include <QString>

#include "shared/recordfile.h"

struct DrawRecord {
    static constexpr int kSize = 28;

    qint32 count = 0;  // meaningful in record 1 only
    qint16 ordinal = 0;
    qint16 day = 0;
    qint16 month = 0;
    qint16 year = 0;
    std::array<qint16, 7> balls{};  // 0 = unused position
    qint16 extra = 0;               // 0 = none

    QByteArray toBytes() const;
    static DrawRecord fromBytes(const QByteArray& bytes);
    bool operator==(const DrawRecord&) const = default;
};

// A file of DrawRecords, open for the lifetime of the object.
class DrawFile {
public:
    explicit DrawFile(const QString& path);

    bool isOpen() const;
    DrawRecord read(int recordNo);
    bool write(int recordNo, const DrawRecord& record);
    // The count of record 1 as readers walk it: 0..32767 and never more records than the file
    // holds.
    qint16 count();
    // Stores a new count in record 1, keeping the rest of that record.
    bool setCount(qint32 count);

    enum class Append { Done, Full, Failed };
    // Writes the record after the last one counted and raises the count; refuses (Full) when
    // the file already holds kMaxRecordCount records, so a count never passes what readers walk;
    // a damaged (negative) count is Failed and nothing is written. A failed append leaves the
    // file as it was, also when only the count could not be raised.
    Append append(const DrawRecord& record);

private:
    RecordFile file_;
};

// A whole file of DrawRecords in memory, changed record by record and then written back in one
// go (writeWholeFile), so a failure never leaves records half moved.
class DrawImage {
public:
    explicit DrawImage(QByteArray bytes = {}) : bytes_(std::move(bytes)) {}

    // Record r (from 1); records past the end read as zeros.
    DrawRecord read(int recordNo) const;
    // Writes record r, growing the image with zeros when needed.
    void write(int recordNo, const DrawRecord& record);
    // The count of record 1 as readers walk it: 0..32767 and never more records than the image
    // holds.
    qint16 count() const { return narrowCount(read(1).count, bytes_.size() / DrawRecord::kSize); }
    // See recordsDamaged: such a file is shown as far as it can be read but never written.
    bool damaged() const { return recordsDamaged(bytes_.size(), DrawRecord::kSize, read(1).count); }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// Count of a drawrecord file on disk (0 for a missing file, which is left behind empty).
qint16 drawFileCount(const QString& path);
// A whole drawrecord file read at once (empty when it cannot be read; a missing file is left
// behind empty).
DrawImage readDrawImage(const QString& path);

// Deletes the counted records `recordNos` (ascending, from 1) in one pass: the later records
// move down, record 1's count drops by the number deleted, and the places freed at the end
// keep the last record, as moving one record at a time leaves them; the file keeps its length.
// Record numbers past the count are not deleted. Gives the number deleted.
int removeRecords(DrawImage& image, const std::vector<int>& recordNos);
