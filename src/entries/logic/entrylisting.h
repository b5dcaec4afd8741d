#pragma once
// The lines the file deletion window shows for an entry file: lotto entries (28-byte records),
// or Pick 3 and Pick 4 entries (22-byte records) for names that contain "Pick3" or "Pick4".
#include <QByteArray>
#include <QString>
#include <QStringList>

bool isPickFileName(const QString& fileName);

// Lines of a file of this name with these bytes: for a Pick file its digits (three for a name
// with "Pick3", four otherwise); for a lotto file ball1 to ball3, ball4 to ball7 where above 0,
// then an extra above 0 as "BB" and two digits, or "WC" and its card code for a name that begins
// with "Wil". Records 1..count of record 1.
QStringList entryFileLines(const QString& fileName, const QByteArray& bytes);
