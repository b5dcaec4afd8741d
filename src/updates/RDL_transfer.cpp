// The transfer of one game's file: started by the run, received chunk by chunk by the state
// handler into the received file, which the run then checks.
#include <cmath>

#include "platform/events.h"
#include "platform/inet.h"
#include "platform/receivedreply.h"
#include "platform/webservers.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/receivedfile.h"
#include "updates/RDL.h"
#include "updates/logic/resultscheck.h"
#include "updates/logic/resultsnames.h"

void RDL::makeTransfer() {
    Inet1 = new platform::Inet(this);
    connect(Inet1, &platform::Inet::stateChanged, this, &RDL::Inet1_StateChanged);
}

void RDL::startTransfer() {
    Inet1->setRequestTimeout(requesttimeout);
    Inet1->setLimits({kLargestResultsFile, requestlimit});
    Inet1->execute(downloadurl);
}

// Cancel stops the transfer itself, so that nothing of it arrives once the run has moved on.
void RDL::stopTransfer() {
    Inet1->cancel();
}

QString RDL::serverFolder(bool second) const {
    const platform::WebServers& servers = platform::webServers();
    return second ? servers.download + kDownloadFolder : servers.results + kResultsFolder;
}

void RDL::Inet1_StateChanged(int state) {
    if (state == platform::Inet::Error) {
        downloadstate = 3;
        return;
    }
    if (state == platform::Inet::ResponseCompleted) {
        receive();
        return;
    }
    Label1->setText(inetstatetext(state));
}

void RDL::receive() {
    if (downloadstate != 1) {
        return;  // cancelled: nothing of it is written
    }
    using Outcome = platform::ReceivedReply::Outcome;
    const platform::ReceivedReply r = platform::receiveReply(
        *Inet1, receivingPath(dataFile(m1().datapath, getnameafterslash(downloadurl))),
        [this] { return downloadstate != 3 && !platform::programEnded(); },
        [this](qint64 length) {
            const double step =
                std::round(static_cast<double>(platform::Inet::kChunkSize) / length * 100 * 1e4) /
                1e4;
            if (progress_ < 100) {
                showProgress(std::min(100.0, progress_ + step));
            }
        });
    if (r.outcome != Outcome::Complete) {
        if (r.outcome == Outcome::NotSaved) {
            saveerror_ = r.error;
        }
        downloadstate = 3;
        return;
    }
    Label1->setText(inetstatetext(platform::Inet::ResponseCompleted));
}
