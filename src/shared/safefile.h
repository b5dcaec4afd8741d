#pragma once
// Whole-file rewrites go to a temporary file in the same folder, renamed over the old one when
// complete, so a failed write never leaves a half-written file.
#include <QByteArray>
#include <QString>

// False, with the reason in *error when given, when the file could not be written.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);
