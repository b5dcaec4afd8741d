#pragma once
// Pick entry files: the line an entry is listed with, deleting selected entries, deleting a file
// left with no entries, and copying a whole entry file.
#include <vector>

#include <QString>
#include <QStringList>

#include "pick34/logic/pickrecord.h"

// The name a bet type adds to an entry line: "Exact", "Any", "Exact/Any", "Combo"; "" else.
QString betname(int bettype);
// An entry as every Pick list shows it, the Pick window and the adding window alike: each digit
// followed by a blank, then the bet name ("4 0 7 " for 4, 0, 7 without bet type).
QString pickentryline(const PickRecord& entry, int game);
// The lines of the counted entries, in file order.
QStringList pickentrylines(const PickImage& entries, int game);

// Removes the entries at the selected list positions (0-based) in one pass; the bytes are those
// that removing them one at a time, moving the later records down, would leave: the file keeps
// its length and the freed places hold copies of the last record. Gives the number removed.
int removeSelectedEntries(PickImage& entries, const std::vector<bool>& selected);

// The file operations of the entry list. Each gives the message to show when it failed and an
// empty text when it succeeded; the files are unchanged after a failure.

// Removes the selected entries of the file; *remaining gets the new count.
QString deleteSelectedEntries(const QString& path, const std::vector<bool>& selected,
                              int* remaining);
// Copies the whole entry file over the target.
QString copyEntryFile(const QString& source, const QString& target);

// Deletes an entry file whose count is 0, as the window does when it leaves one. A missing file,
// one that cannot be read, a damaged count and a file the player may only read are left alone.
bool deleteIfNoEntries(const QString& path);
