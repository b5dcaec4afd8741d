#include "app/startup.h"

#include <QApplication>

#include "app/Form1.h"
#include "platform/events.h"
#include "platform/windows.h"

int runProgram(QApplication& application) {
    platform::Windows::show(Form1::kName);
    const int result = platform::programEnded() ? 0 : application.exec();
    platform::Windows::unloadAll();
    return result;
}
