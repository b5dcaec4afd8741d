#pragma once
// What the file deletion window shows of an entry file, which files it may read and which one
// it must not delete.
#include <QString>
#include <QStringList>

#include "pick34/logic/pickrecord.h"

// Whether the name is that of a plain file of the folder: no link, no folder, no path.
bool isPlainFileIn(const QString& folder, const QString& name);

// An entry as the deletion window shows it: the digits joined by single blanks, three when the
// file name holds "Pick3", four when it holds "Pick4", nothing when it holds neither.
QString deletionline(const PickRecord& entry, const QString& fileName);
QStringList deletionlines(const PickImage& entries, const QString& fileName);

// Whether the two paths name one file, however they are spelt ("." and "..", links).
bool sameFile(const QString& a, const QString& b);

// Deletes the entry file; the message to show when it is still there, else empty. A file the
// player may only read is kept.
QString deleteEntryFile(const QString& path);
