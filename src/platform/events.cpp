#include "platform/events.h"

#include <QApplication>
#include <QThread>

#include "platform/windows.h"

namespace platform {
namespace {
bool ended = false;
}

void doEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void waitUntil(const bool& flag) {
    while (!flag && !ended) {
        doEvents();
        if (!flag && !ended) {
            QThread::msleep(10);
        }
    }
}

void endProgram() {
    ended = true;
    for (const QString& name : Windows::liveNames()) {
        if (Form* w = Windows::find(name)) {
            w->hide();
        }
    }
    QCoreApplication::exit(0);
}

bool programEnded() {
    return ended;
}

void resetProgramEnded() {
    ended = false;
}

}  // namespace platform
