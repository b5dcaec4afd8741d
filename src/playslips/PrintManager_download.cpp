// Get Latest List and Install: ready-made playslip settings from the playslip server.
#include "platform/events.h"
#include "platform/internetcheck.h"
#include "platform/messagebox.h"
#include "platform/webservers.h"
#include "playslips/PrintManager.h"
#include "playslips/logic/playslipconfig.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/safefile.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;

namespace {

// The server folder of the playslip files.
const QString configfolder = QStringLiteral("XW");
// 500 rows of two fields of up to 255 characters, each with its "#", and a line break per row.
constexpr qint64 kLargestList = qint64{kMaxListRows} * (2 * 256 + 2);

QString playslipsAddress(const QString& name) {
    return platform::webServers().playslips + QStringLiteral("/playslips/") + configfolder + u'/' +
           name;
}

}  // namespace

void PrintManager::checkconnection() {
    siteonline = platform::connectedState().has_value();
}

void PrintManager::checksiteresponding() {
    if (platform::openInternetSession()) {
        siteonline = platform::siteResponds(platform::webServers().playslips + u'/');
    }
}

void PrintManager::Command8_Click() {
    Inet1->setRequestTimeout(requestTimeout);
    siteonline = false;
    checkconnection();
    if (!siteonline) {
        msgBox(QStringLiteral("You appear not to be connected to the internet"));
        Command6->setEnabled(false);
        return;
    }
    Command6->setEnabled(true);
    siteonline = false;
    checksiteresponding();
    if (!siteonline) {
        msgBox(QStringLiteral("Site not responding at the moment"));
        Command6->setEnabled(false);
        return;
    }
    Command6->setEnabled(true);
    configfiletable.clear();
    List1->clear();
    Inet1->setLimits({kLargestList, requestLimit});
    const QString reply = Inet1->openUrl(playslipsAddress(QStringLiteral("playslips.txt")));
    if (platform::programEnded()) {
        return;
    }
    if (Inet1->failure() != platform::Inet::Failure::None || isWebPage(reply)) {
        msgBox(QStringLiteral("Failed to retrieve the data."));
        return;
    }
    configfiletable = parsePlayslipList(reply);
    // A reply that is no list at all is as good as none.
    if (configfiletable.empty()) {
        msgBox(QStringLiteral("Failed to retrieve the data."));
        return;
    }
    for (const PlayslipListRow& row : configfiletable) {
        List1->addItem(row.text);
    }
    if (!configfiletable.empty() && configfiletable.front().text == kNothingToInstall) {
        Command6->setEnabled(false);
    }
}

void PrintManager::Command6_Click() {
    const int row = List1->currentRow();
    if (row < 0 || List1->selectedItems().isEmpty() ||
        row >= static_cast<int>(configfiletable.size())) {
        msgBox(QStringLiteral("You have not selected a Game from the list to install."));
        return;
    }
    if (msgBox(QStringLiteral("This will replace any current configuration for this game. Are "
                              "you sure you want to proceed?"),
               MsgButtons::YesNo, platform::MsgDefault::No) != MsgAnswer::Yes) {
        return;
    }
    const QString failed = QStringLiteral("Download Failed");
    const QString listed = configfiletable[static_cast<std::size_t>(row)].file.trimmed();
    // The name comes from the server: only a settings file of a game, inside the data folder.
    const QString name = installName(listed);
    if (name.isEmpty()) {
        msgBox(failed);
        return;
    }
    Inet1->setRequestTimeout(requestTimeout);
    Inet1->setLimits({kMaxDownload, requestLimit});
    const QByteArray bytes = Inet1->openUrlBytes(playslipsAddress(listed));
    if (platform::programEnded()) {
        return;
    }
    if (Inet1->failure() != platform::Inet::Failure::None || Inet1->status() != 200 ||
        !downloadProblem(bytes).isEmpty()) {
        msgBox(failed);
        return;
    }
    // The record alone: what follows it on the server is no part of the settings.
    const QByteArray record = bytes.left(PlayslipConfig::kSize);
    QString error;
    if (!writeWholeFile(dataFile(m1().datapath, name), record, &error)) {
        msgBox(failed + QStringLiteral(": ") + error);
        return;
    }
    msgBox(QStringLiteral("Done"));
}
