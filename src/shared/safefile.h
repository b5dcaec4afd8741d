#pragma once
// Safe changes to the player's files. Whole-file rewrites go to a temporary file in the same
// folder, renamed over the old one only when every byte was written, flushed and synced, so a
// failed write never leaves a half-written or empty file. A file the player may only read is
// never replaced or deleted.
#include <QByteArray>
#include <QString>

// False, with the reason in *error when given, when the file could not be written; the old file
// is then unchanged.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// True when the file exists and its owner may not write it. Told from the permission bits, so it
// holds for root too, whom the system lets write any file.
bool mayOnlyRead(const QString& path);

// Deletes the file unless the player may only read it. False, with the reason in *error when
// given, when the file is still there.
bool removeFile(const QString& path, QString* error = nullptr);
