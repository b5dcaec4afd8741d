#pragma once
// Names of the data files of a lotto game, all in the data folder.
#include <QDate>
#include <QString>

// datapath joined with a file name; both of the program's separators name the same file.
QString dataFile(const QString& datapath, const QString& name);

QString slotFileName(int slot);  // "game1.dat" .. "game5.dat"
QString resultsFileName(const QString& gamename);
QString datedEntryFileName(const QString& gamename, const QDate& date, const QString& dateorder);
QString standingEntryFileName(const QString& gamename);
// The playslip configuration and print adjustment files of a game.
QString playslipFileName(const QString& gamename);
QString adjustFileName(const QString& gamename);
inline const QString kPrinterFileName = QStringLiteral("print.dat");

enum class EntryFileKind { None, Dated, Standing, Wheel };
// The kind of an entry file of this game, told from its file name alone (never the folder).
EntryFileKind entryFileKind(const QString& path, const QString& gamename);
