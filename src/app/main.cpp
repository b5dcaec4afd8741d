#include <QApplication>

#include "app/appwindows.h"
#include "app/startup.h"
#include "pick34/pick34windows.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Placeholders first; each subsystem then registers its own windows over them.
    registerAppWindows();
    registerPick34Windows();
    return runProgram(application);
}
