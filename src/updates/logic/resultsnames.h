#pragma once
// Names of the results files the downloader and the loader handle: the server's file of a game,
// the local history it replaces, and the backup kept while a history is replaced.
#include <QString>

inline const QString kResultPrefix = QStringLiteral("XWQ");
inline const QString kBackupFileName = QStringLiteral("temp.rtl");
// The server folders of the two sources, each ending in "/".
inline const QString kResultsFolder = QStringLiteral("/results/");
inline const QString kDownloadFolder = QStringLiteral("/dwnld/");

// "XWQ" & the game name without outer blanks & ".rtl".
QString serverFileName(const QString& gamename);
// The server file name less its prefix: the game's local history.
QString localFileName(const QString& serverFile);
// The text after the last "/" of an address, the whole text when it has none.
QString getnameafterslash(const QString& address);
