#pragma once
// A Pick results history: at most one draw per date, in ascending date order, record 1 carrying
// the count and the ordinal of record r being r. Changes are made on the whole file image and
// written back in one go, so a failure never leaves records half moved.
#include <QDate>
#include <QString>

#include "pick34/logic/pickrecord.h"

class PickHistory {
public:
    explicit PickHistory(PickImage image = PickImage()) : image_(std::move(image)) {}

    const PickImage& image() const { return image_; }
    int count() const { return image_.count(); }
    PickRecord record(int r) const { return image_.record(r); }

    // The first counted record of this date, 0 when there is none.
    int find(int day, int month, int year) const;

    // Inserts the draw before the first counted record with a strictly later date (or appends
    // it) and raises the count; gives the record number it now has. The caller keeps the count
    // below the record limit and refuses a damaged image.
    int insert(const PickRecord& draw);
    // New digits 1..k for the stored record r; everything else stays.
    void setDigits(int r, const PickDigits& digits, int k);

    // Removes counted record r, moving the later ones down with their ordinals lowered; the
    // file keeps its length. Removing the only draw leaves nothing to keep: the caller deletes
    // the file then (isEmptied()).
    bool remove(int r);
    bool isEmptied() const { return emptied_; }

private:
    PickImage image_;
    bool emptied_ = false;
};

// The file operations of the Pick window's draw box. Each gives the message to show when it
// failed and an empty text when it succeeded; the file is unchanged after a failure.

// Stores the digits as the draw of the date: replaces the digits of the draw stored for that
// date, else inserts a new draw in date order. k digits count (3 or 4).
QString storeDraw(const QString& path, const QDate& date, const PickDigits& digits, int k);
// Deletes the draw stored for the date (nothing when there is none); the file goes with its only
// draw, unless the player may only read it.
QString deleteDraw(const QString& path, const QDate& date);
