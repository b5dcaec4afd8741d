#pragma once
// The lines the file deletion window shows for an entry file: lotto entries (28-byte records),
// or Pick 3 and Pick 4 entries (22-byte records) for names that contain "Pick3" or "Pick4".
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

// The entries of a Pick 3 or Pick 4 file as its 22-byte records hold them: the count (32-bit, in
// record 1) and the digits at offsets 12, 14, 16 and 18. Only what the listing needs.
struct PickEntry {
    int digits[4]{};
};
inline constexpr int kPickRecordSize = 22;
// Records 1..count, never more than the bytes hold nor more than 32767.
std::vector<PickEntry> pickEntries(const QByteArray& bytes);

bool isPickFileName(const QString& fileName);

// Lines of a file of this name with these bytes: for a Pick file its digits (three for a name
// with "Pick3", four otherwise); for a lotto file ball1 to ball3, ball4 to ball7 where above 0,
// then an extra above 0 as "BB" and two digits, or "WC" and its card code for a name that begins
// with "Wil". Records 1..count of record 1.
QStringList entryFileLines(const QString& fileName, const QByteArray& bytes);
