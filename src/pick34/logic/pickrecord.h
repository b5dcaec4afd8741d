#pragma once
// The 22-byte record of every Pick 3 and Pick 4 file (results and entries), and a whole file of
// such records in memory, changed there and written back in one go.
#include <array>
#include <optional>

#include <QByteArray>
#include <QString>

using PickDigits = std::array<qint16, 4>;  // digit1..digit4; digit4 is 0 in Pick 3 files

struct PickRecord {
    static constexpr int kSize = 22;

    qint32 count = 0;  // meaningful in record 1 only
    qint16 ordinal = 0;
    qint16 day = 0;
    qint16 month = 0;
    qint16 year = 0;
    PickDigits digits{};
    qint16 bettype = 0;  // 0 none, 1 Exact, 2 Any, 3 Exact/Any, 4 Combo

    QByteArray toBytes() const;
    static PickRecord fromBytes(const QByteArray& bytes);
    bool operator==(const PickRecord&) const = default;
};

class PickImage {
public:
    explicit PickImage(QByteArray bytes = {}) : bytes_(std::move(bytes)) {}

    // Reads the whole file without creating it: a missing file is an empty image. Nullopt, with
    // the reason, when the file is there but cannot be read.
    static std::optional<PickImage> read(const QString& path, QString* error = nullptr);

    // Record r (from 1); records past the end read as zeros.
    PickRecord record(int r) const;
    // Writes record r, growing the image with zeros when needed.
    void put(int r, const PickRecord& record);

    // The count field of record 1 as stored.
    qint32 storedCount() const { return record(1).count; }
    // Whole records the image holds.
    int held() const { return static_cast<int>(bytes_.size() / PickRecord::kSize); }
    // The records in use as every reader walks them: never negative, never above 32767 and
    // never more than the file holds.
    int count() const;
    // A negative count: writing as if the file were empty would overwrite its first record.
    bool damaged() const { return storedCount() < 0; }

    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};
