#include "updates/logic/resultsinstall.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>

#include "shared/gamefiles.h"
#include "shared/limitedread.h"
#include "shared/safefile.h"
#include "updates/logic/resultsnames.h"

namespace {

bool failed(QString* error, const QString& reason) {
    if (error != nullptr) {
        *error = reason;
    }
    return false;
}

// A name that stays in the folder it is joined to.
bool isPlainFileName(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(u'\\');
}

QString gameOf(const QString& serverFile) {
    return QFileInfo(localFileName(serverFile)).completeBaseName();
}

}  // namespace

bool replaceHistory(const QString& historyPath, const QByteArray& bytes, const QString& backupPath,
                    QString* error) {
    if (mayOnlyRead(historyPath)) {
        return failed(error, QStringLiteral("%1 is read-only").arg(historyPath));
    }
    QFile history(historyPath);
    if (history.exists()) {
        if (!history.open(QIODevice::ReadOnly)) {
            return failed(error, history.errorString());
        }
        const QByteArray old = history.readAll();
        history.close();
        if (!writeWholeFile(backupPath, old, error)) {
            return false;
        }
    }
    if (!writeWholeFile(historyPath, bytes, error)) {
        // The history is as it was, so its copy is not needed.
        removeFile(backupPath);
        return false;
    }
    // Only a copy: when it cannot be removed, the next replacement writes over it.
    removeFile(backupPath);
    return true;
}

LoadResult loadResultsFile(const QString& folder, const QString& serverFile,
                           const QString& datapath) {
    LoadResult result;
    result.serverFile = serverFile;
    // The history's name comes from the file's: it must not lead out of the data folder.
    if (!serverFile.startsWith(kResultPrefix) || !isPlainFileName(localFileName(serverFile))) {
        result.outcome = LoadOutcome::Refused;
        return result;
    }
    const QString source = dataFile(folder, serverFile);
    if (!QFileInfo::exists(source)) {
        return result;
    }
    // The player's file is checked like a download: one larger than any history is refused
    // without being read.
    const LimitedRead read = readAtMost(source, kLargestResultsFile);
    if (read.outcome == LimitedRead::Outcome::Unreadable) {
        result.outcome = LoadOutcome::Unreadable;
        result.error = read.error;
        return result;
    }
    if (read.outcome == LimitedRead::Outcome::TooLarge) {
        result.check.fault = ResultsFault::TooLarge;
        result.outcome = LoadOutcome::Refused;
        return result;
    }
    result.check = checkResultsFile(read.bytes);
    if (!result.check.accepted()) {
        result.outcome = LoadOutcome::Refused;
        return result;
    }
    const bool replaced = replaceHistory(dataFile(datapath, localFileName(serverFile)), read.bytes,
                                         dataFile(datapath, kBackupFileName), &result.error);
    result.outcome = replaced ? LoadOutcome::Loaded : LoadOutcome::NotReplaced;
    return result;
}

QString loadReport(const std::vector<LoadResult>& results, const QString& dateorder) {
    QStringList lines;
    QStringList names;
    for (const LoadResult& r : results) {
        names << r.serverFile;
        const QString game = gameOf(r.serverFile);
        switch (r.outcome) {
            case LoadOutcome::Missing:
                break;
            case LoadOutcome::Unreadable:
                lines << QStringLiteral(
                             "%1 could not be read (%2); the %3 results were not changed.")
                             .arg(r.serverFile, r.error, game);
                break;
            case LoadOutcome::Refused:
                lines << QStringLiteral(
                             "%1 is not a valid results file; the %2 results were not changed.")
                             .arg(r.serverFile, game);
                break;
            case LoadOutcome::NotReplaced:
                lines << QStringLiteral(
                             "The %1 results could not be replaced (%2); they were not "
                             "changed.")
                             .arg(game, r.error);
                break;
            case LoadOutcome::Loaded:
                lines << QStringLiteral("%1 results loaded: %2 draws, up to %3.")
                             .arg(game)
                             .arg(r.check.count)
                             .arg(drawDateText(r.check.last, dateorder));
                break;
        }
    }
    if (lines.isEmpty()) {
        return QStringLiteral("This folder holds none of %1. Nothing was loaded.")
            .arg(names.join(QStringLiteral(", ")));
    }
    return lines.join(u'\n');
}
