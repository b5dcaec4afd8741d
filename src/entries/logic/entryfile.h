#pragma once
// Reading a whole entry file once, and appending one entry the way every adding path does.
#include <vector>

#include <QString>

#include "entries/logic/entrygame.h"
#include "shared/drawrecord.h"

namespace entries {

// Records 1..count of a file of draw records, read in one go; a count that says more than the
// file holds gives what it holds. A missing file gives none.
std::vector<DrawRecord> readCounted(const QString& path);

struct Appended {
    DrawFile::Append result = DrawFile::Append::Failed;
    int count = 0;  // the file's count afterwards
};
// Appends the entry after the last counted record and raises the count. The new record is a
// copy of record 1 with the numbers replaced, so its date fields are those of the file.
Appended appendEntry(DrawFile& file, const Entry& entry);

// What the player is told when an append did not happen.
QString appendFailureMessage(DrawFile::Append result);

}  // namespace entries
