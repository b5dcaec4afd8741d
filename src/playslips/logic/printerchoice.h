#pragma once
// The printer chosen last, remembered by its device name in "print.dat": 255 blank-padded bytes.
#include <QByteArray>
#include <QString>
#include <QStringList>

inline constexpr int kPrinterRecordSize = 255;

// The remembered device name, blanks trimmed; empty when the file is missing or empty.
QString readPrinterChoice(const QString& path);
// The record for a device name: cut or blank-padded to 255 bytes.
QByteArray printerRecord(const QString& deviceName);
// The list entry to preselect: the last printer of that name, else the first.
int printerIndex(const QStringList& deviceNames, const QString& remembered);
