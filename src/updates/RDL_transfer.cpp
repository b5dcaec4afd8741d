// The transfer of one game's file: started by the run, received by the state handler.
#include "updates/RDL.h"
#include "updates/logic/resultsnames.h"

// The transfer control is not part of the program yet: every transfer fails at once.
void RDL::makeTransfer() {}

void RDL::startTransfer() {
    downloadstate = 3;
}

void RDL::stopTransfer() {}

void RDL::receive() {}

void RDL::Inet1_StateChanged(int state) {
    if (state == 11) {
        downloadstate = 3;
        return;
    }
    if (state == 12) {
        receive();
        return;
    }
    Label1->setText(inetstatetext(state));
}

QString RDL::serverFolder(bool second) const {
    return second ? kDownloadFolder : kResultsFolder;
}
