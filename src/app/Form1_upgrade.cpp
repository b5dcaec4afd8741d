// Checking whether a newer version of the program exists: the version file is fetched from the
// download server and compared with the program's own version.
#include "app/Form1.h"
#include "app/module1routines.h"
#include "platform/application.h"
#include "platform/events.h"
#include "platform/inet.h"
#include "platform/messagebox.h"
#include "platform/receivedreply.h"
#include "platform/shell.h"
#include "platform/webservers.h"
#include "shared/gamefiles.h"
#include "shared/limitedread.h"
#include "shared/module1.h"
#include "shared/receivedfile.h"
#include "shared/safefile.h"
#include "shared/versionrecord.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;

namespace {

const QString kDownloadFolder = QStringLiteral("/dwnld/");
const QString kUpgradesPage = QStringLiteral("/upgrades.html");

}  // namespace

void Form1::makeUpgradeTransfer() {
    Inet1 = new platform::Inet(this);
    connect(Inet1, &platform::Inet::stateChanged, this, &Form1::Inet1_StateChanged);
}

void Form1::mnuUpgrade_Click() {
    mnuUpgrade->setEnabled(false);
    upgradesaveerror_.clear();
    // The data folder refused the reply: a local fault, told with the system's reason, and one
    // the player can mend, so the check is offered again.
    const auto notSaved = [this](const QString& reason) {
        mnuUpgrade->setEnabled(true);
        msgBox(QStringLiteral("The version information could not be saved. ") + reason);
    };
    const auto failureExit = [this] {
        mnuUpgrade->setEnabled(true);
        msgBox(QStringLiteral(
            "The version information cannot be currently accessed from the internet. Make sure "
            "you are currently connected to the internet or try later"));
    };
    bool flag = false;
    if (!isconnected(flag) && !flag) {
        failureExit();
        return;
    }
    downloadfolder = m1().datapath;
    upgradeurl = platform::webServers().download + kDownloadFolder + kVersionFileName;
    const QString path = dataFile(downloadfolder, kVersionFileName);
    const QString received = receivingPath(path);
    // A leftover of a check that was ended midway is no part of this one.
    removeFile(received);
    downloadstate = 1;
    Inet1->setRequestTimeout(upgradetimeout);
    Inet1->setLimits({VersionRecord::kSize, upgradelimit});
    Inet1->execute(upgradeurl);
    while (downloadstate == 1 && !platform::programEnded()) {
        platform::doEvents();
    }
    if (platform::programEnded()) {
        Inet1->cancel();
        removeFile(received);
        return;
    }
    if (downloadstate != 2) {
        removeFile(received);
        if (!upgradesaveerror_.isEmpty()) {
            notSaved(upgradesaveerror_);
            return;
        }
        // Offered again: a check that failed once may well succeed later.
        mnuUpgrade->setEnabled(true);
        msgBox(QStringLiteral("Download failed or aborted"));
        return;
    }
    // Read whole into memory and no longer needed on disk: the record is only compared.
    const QByteArray bytes = readAtMost(received, VersionRecord::kSize).bytes;
    removeFile(received);
    const VersionRecord remote = VersionRecord::fromBytes(bytes);
    // Exactly one record, or it is no version file (a page, say).
    if (bytes.size() != VersionRecord::kSize || !remote.plausible()) {
        failureExit();
        return;
    }
    // A version file left under the final name by an earlier check is no part of this one; one
    // the player may only read stays.
    removeFile(path);
    const platform::Version v = platform::appVersion();
    const VersionRecord own{static_cast<qint16>(v.major), static_cast<qint16>(v.minor),
                            static_cast<qint16>(v.revision)};
    if (remote <= own) {
        msgBox(QStringLiteral("You are using the latest version"));
    } else if (msgBox(QStringLiteral("There is a newer version available. Do you want to download "
                                     "and install it?"),
                      MsgButtons::YesNo) != MsgAnswer::No) {
        platform::openWebPage(platform::webServers().download + kUpgradesPage);
        // Leaving as Exit does, so an empty entry file does not stay behind.
        Form_Unload();
        return;
    }
    mnuUpgrade->setEnabled(true);
}

void Form1::Inet1_StateChanged(int state) {
    if (state == platform::Inet::Error) {
        downloadstate = 3;
        return;
    }
    if (state != platform::Inet::ResponseCompleted || downloadstate != 1) {
        return;
    }
    using Outcome = platform::ReceivedReply::Outcome;
    const platform::ReceivedReply r =
        platform::receiveReply(*Inet1, receivingPath(dataFile(downloadfolder, kVersionFileName)),
                               [this] { return downloadstate == 1 && !platform::programEnded(); });
    switch (r.outcome) {
        case Outcome::Complete:
            downloadstate = 2;
            return;
        case Outcome::NotSaved:
            upgradesaveerror_ = r.error;
            downloadstate = 3;
            return;
        case Outcome::Refused:
            downloadstate = 3;
            return;
        case Outcome::Stopped:
            return;  // the check has moved on
    }
}
