// The transfer of one game's file: started by the run, received chunk by chunk by the state
// handler into the received file, which the run then checks.
#include <cmath>

#include "platform/events.h"
#include "platform/inet.h"
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
    bool numeric = false;
    const qint64 length = Inet1->getHeader(QStringLiteral("Content-length")).toLongLong(&numeric);
    if (!numeric || length <= 0) {
        downloadstate = 3;
        return;
    }
    const double step =
        std::round(static_cast<double>(platform::Inet::kChunkSize) / length * 100 * 1e4) / 1e4;
    ReceivedFile out(receivingPath(dataFile(m1().datapath, getnameafterslash(downloadurl))));
    const auto notSaved = [&] {
        saveerror_ = out.errorString();
        downloadstate = 3;
    };
    if (!out.isOpen()) {
        notSaved();
        return;
    }
    qint64 written = 0;
    QByteArray chunk = Inet1->getChunk(platform::Inet::kChunkSize);
    platform::doEvents();
    while (!chunk.isEmpty()) {
        if (downloadstate == 3 || platform::programEnded()) {
            downloadstate = 3;
            return;
        }
        if (!out.append(chunk)) {
            notSaved();
            return;
        }
        written += chunk.size();
        if (progress_ < 100) {
            showProgress(std::min(100.0, progress_ + step));
        }
        chunk = Inet1->getChunk(platform::Inet::kChunkSize);
        platform::doEvents();
    }
    if (downloadstate == 3) {
        return;
    }
    // On disk, and all of it as announced.
    if (!out.finish()) {
        notSaved();
        return;
    }
    if (written != length) {
        downloadstate = 3;
        return;
    }
    Label1->setText(inetstatetext(platform::Inet::ResponseCompleted));
}
