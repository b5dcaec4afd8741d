#include <QApplication>

#include "app/appwindows.h"
#include "app/startup.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Placeholders first; each subsystem then registers its own windows over them.
    registerAppWindows();
    return runProgram(application);
}
