#pragma once
// A game's results history: draws in ascending date order, record 1 carrying the count, the
// ordinal of record r being r. Changes are made on the whole file image, which the caller then
// writes back in one go, so a failed write never leaves records half moved.
#include <optional>

#include <QByteArray>
#include <QString>

#include "shared/drawrecord.h"

class ResultsHistory {
public:
    explicit ResultsHistory(QByteArray bytes = {}) : image_(std::move(bytes)) {}

    // Reads the whole file; a missing file is created empty, as every opening of a history does.
    // Nullopt when the file can neither be opened nor created.
    static std::optional<ResultsHistory> read(const QString& path, QString* error = nullptr);

    const QByteArray& bytes() const { return image_.bytes(); }
    // Record r (from 1); records past the end read as zeros.
    DrawRecord record(int r) const;
    // The count of record 1 as readers walk it: 0..32767 and never more records than the file
    // holds.
    qint16 count() const;
    // A part record at the end, a negative count or one past the records held: the history is
    // shown as far as it can be read, and nothing is written onto it.
    bool damaged() const { return image_.damaged(); }

    // The first counted record of this date, 0 when there is none.
    int find(int day, int month, int year) const;

    // Inserts the draw before the first counted record with a strictly later date (or appends
    // it) and raises the count; gives the record number it now has. The caller keeps the count
    // below the record limit.
    int insert(const DrawRecord& draw);

    // Removes counted record r, moving the later ones down with their ordinals lowered; the
    // file keeps its length. False when r is not a counted record. Removing the only draw
    // leaves nothing to keep: the caller deletes the file then (see isEmptied()).
    bool remove(int r);
    bool isEmptied() const { return emptied_; }

private:
    void put(int r, const DrawRecord& record) { image_.write(r, record); }

    DrawImage image_;
    bool emptied_ = false;
};
