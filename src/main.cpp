// The program: every window is registered with the window model, then the main window opens.
#include <QApplication>

#include "allwindows.h"
#include "app/startup.h"
#include "platform/focusstyle.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    platform::showFocusEverywhere(application);
    registerAllWindows();
    return runProgram(application);
}
