// The program: each subsystem registers its windows with the window model, then the main window
// opens. A subsystem's library adds its include and its one register call here.
#include <QApplication>

#include "app/appwindows.h"
#include "app/startup.h"
#include "entries/entrieswindows.h"
#include "pick34/pick34windows.h"
#include "platform/focusstyle.h"
#include "playslips/playslipswindows.h"
#include "updates/updateswindows.h"
#include "wheels/wheelwindows.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    platform::showFocusEverywhere(application);
    registerAppWindows();
    registerWheelWindows();
    registerPick34Windows();
    registerEntriesWindows();
    registerUpdatesWindows();
    registerPlayslipsWindows();
    return runProgram(application);
}
