// One run of Download Results: each checked game fetched, checked and put in place, or the
// game's history left exactly as it was.
#include <QFile>

#include "app/module1routines.h"
#include "platform/events.h"
#include "platform/messagebox.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/limitedread.h"
#include "shared/module1.h"
#include "shared/receivedfile.h"
#include "shared/safefile.h"
#include "updates/RDL.h"
#include "updates/logic/resultscheck.h"
#include "updates/logic/resultsinstall.h"
#include "updates/logic/resultsnames.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;

namespace {

const QString kFailedOrCancelled =
    QStringLiteral("Download Failed or Was Cancelled. Some results may not have been updated.");
const QString kFailedSome =
    QStringLiteral("Download Failed. Some results may not have been updated.");

// Whole file, or empty when it is missing or unreadable. Unlike the record readers it never
// leaves a missing history behind as an empty file.
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString inDataFolder(const QString& name) {
    return dataFile(m1().datapath, name);
}

}  // namespace

void RDL::Command1_Click() {
    if (running_) {
        return;
    }
    running_ = true;
    closeAfterRun_ = false;
    runDownloads();
    running_ = false;
    if (closeAfterRun_ && !platform::programEnded()) {
        Command3_Click();
    }
}

void RDL::runDownloads() {
    bool secondServer = false;
    for (;;) {
        serverbase = serverFolder(secondServer);
        bool anyFailed = false;
        QStringList kept;
        setRunning();
        const bool anyChecked = std::any_of(Check.begin(), Check.end(),
                                            [](const QCheckBox* box) { return box->isChecked(); });
        if (!anyChecked) {
            msgBox(QStringLiteral("Nothing selected for download!"));
            setIdle();
            return;
        }
        bool flag = false;
        if (!isconnected(flag) && flag) {
            Label1->setText(QStringLiteral(
                "Download Failed or Was Cancelled. Results may not have been updated."));
            setIdle();
            return;
        }
        bool tryOtherServer = false;
        for (QCheckBox* box : Check) {
            if (!box->isChecked()) {
                continue;
            }
            downloadgame = box->text();
            const QString serverFile = serverFileName(downloadgame);
            const QString received = receivingPath(inDataFolder(serverFile));
            const QString history = inDataFolder(localFileName(serverFile));
            localcount = DrawImage(readAll(history)).count();
            showProgress(0);
            // A leftover of a run that was ended midway is no part of this one.
            removeFile(received);
            saveerror_.clear();
            downloadstate = 1;
            downloadurl = serverbase + serverFile;
            Text1->setText(QStringLiteral("Downloading ") + downloadgame);
            startTransfer();
            while (downloadstate == 1 && !platform::programEnded()) {
                platform::doEvents();
            }
            if (platform::programEnded()) {
                stopTransfer();
                removeFile(received);
                return;
            }
            if (downloadstate != 2) {
                // Nothing of a failed transfer may be installed later, by hand or otherwise.
                removeFile(received);
                anyFailed = true;
                if (!saveerror_.isEmpty()) {
                    // The other server would not help: the data folder refused the bytes.
                    notSaved(saveerror_);
                    return;
                }
                const bool again =
                    !closeAfterRun_ &&
                    msgBox(QStringLiteral("The download failed or was cancelled for ") +
                               downloadgame +
                               QStringLiteral(" Do you want to try the other server?"),
                           MsgButtons::YesNo) != MsgAnswer::No;
                if (!again) {
                    Label1->setText(kFailedOrCancelled);
                    setIdle();
                    return;
                }
                if (secondServer) {
                    msgBox(QStringLiteral("Both servers tried please try again later"));
                    Label1->setText(kFailedOrCancelled);
                    setIdle();
                    return;
                }
                tryOtherServer = true;
                break;
            }
            // Read once, and no more than a history can hold: what is installed is exactly what
            // passed the check. One too large reads as nothing, which the check refuses.
            const LimitedRead read = readAtMost(received, kLargestResultsFile);
            if (read.outcome == LimitedRead::Outcome::Unreadable) {
                removeFile(received);
                notSaved(read.error);
                return;
            }
            const QByteArray& bytes = read.bytes;
            const bool accepted = checkdownloadedresults(bytes);
            // The received file goes whatever the outcome: a refused one must not be installed
            // by hand later, an accepted one is in the history now.
            removeFile(received);
            if (accepted) {
                QString error;
                if (!replaceHistory(history, bytes, inDataFolder(kBackupFileName), &error)) {
                    anyFailed = true;
                    // The history is as it was: nothing of this game was done.
                    showProgress(0);
                    msgBox(QStringLiteral("The results for %1 could not be replaced (%2). Your "
                                          "results for %1 were not changed.")
                               .arg(downloadgame, error));
                }
                continue;
            }
            if (updatecancelled) {
                Label1->setText(QStringLiteral("You cancelled the update for ") + downloadgame);
                kept << downloadgame;
                continue;
            }
            anyFailed = true;
            if (msgBox(QStringLiteral("The download was corrupt for ") + downloadgame +
                           QStringLiteral(" Do you want to continue downloading the other "
                                          "results?"),
                       MsgButtons::YesNo) == MsgAnswer::No) {
                Label1->setText(kFailedSome);
                setIdle();
                return;
            }
        }
        if (tryOtherServer) {
            secondServer = true;
            continue;
        }
        if (anyFailed) {
            Label1->setText(QStringLiteral("Some Selected Results Failed to Download."));
        } else if (!kept.isEmpty()) {
            Label1->setText(
                QStringLiteral("Selected Results Downloaded. Kept your current results for %1.")
                    .arg(kept.join(QStringLiteral(" and "))));
        } else {
            Label1->setText(QStringLiteral("All Selected Results Downloaded Successfully."));
        }
        setIdle();
        return;
    }
}

void RDL::notSaved(const QString& reason) {
    // Nothing of the game's file was kept, whatever the bar had reached.
    showProgress(0);
    msgBox(QStringLiteral("The results could not be saved. ") + reason);
    Label1->setText(kFailedSome);
    setIdle();
}

bool RDL::checkdownloadedresults(const QByteArray& received) {
    updatecancelled = false;
    const ResultsCheck check = checkResultsFile(received);
    if (!check.accepted()) {
        return false;
    }
    // A shorter history is asked about whatever the menu says: it would lose draws.
    if (check.count < localcount &&
        msgBox(QStringLiteral("You seem to have more results in your history file for ") +
                   downloadgame +
                   QStringLiteral(" than the downloaded ones. Do you still want to overwrite your "
                                  "current result history with the downloaded result history."),
               MsgButtons::YesNo, platform::MsgDefault::No) == MsgAnswer::No) {
        updatecancelled = true;
        return false;
    }
    if (mnuYes->isChecked() &&
        msgBox(QStringLiteral("Do you want to replace your current results for ") + downloadgame +
                   QStringLiteral(" with those up to ") + drawDateText(check.last, m1().dateorder),
               MsgButtons::YesNo, platform::MsgDefault::No) == MsgAnswer::No) {
        updatecancelled = true;
        return false;
    }
    return true;
}
