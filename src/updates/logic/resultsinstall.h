#pragma once
// Putting a received results file in place of a game's history. The history is never deleted:
// a copy is kept as the backup, the new bytes are renamed over the history only once completely
// written (writeWholeFile), and the backup goes only after that succeeded.
#include <vector>

#include <QByteArray>
#include <QString>

#include "updates/logic/resultscheck.h"

// Replaces the history at historyPath with `bytes`, keeping backupPath as a copy of the old one
// until the replacement succeeded. False, with the reason, when the history is unchanged.
bool replaceHistory(const QString& historyPath, const QByteArray& bytes, const QString& backupPath,
                    QString* error = nullptr);

// The files a player fetched by hand, installed from a folder of their choosing.
enum class LoadOutcome {
    Missing,      // not in the folder: skipped
    Unreadable,   // there, but could not be read
    Refused,      // no valid results file: the history is unchanged
    NotReplaced,  // valid, but the history could not be replaced: it is unchanged
    Loaded,
};

struct LoadResult {
    QString serverFile;  // "XWQPowerball.rtl"
    LoadOutcome outcome = LoadOutcome::Missing;
    ResultsCheck check;
    QString error;
};

// Checks folder/serverFile and, when it is a valid results file, puts it in place of the
// game's history in the data folder, with the backup there too. A file larger than any history
// is refused unread; a name that would lead out of either folder is refused.
LoadResult loadResultsFile(const QString& folder, const QString& serverFile,
                           const QString& datapath);

// What the loader tells the player: one line per file that was in the folder, or that none was.
QString loadReport(const std::vector<LoadResult>& results, const QString& dateorder);
