#include "app/startup.h"

#include <cstdio>

#include <QApplication>
#include <QDir>

#include "app/Form1.h"
#include "platform/application.h"
#include "platform/events.h"
#include "platform/folderlock.h"
#include "platform/messagebox.h"
#include "platform/windows.h"

QString alreadyRunningMessage(const QString& folder) {
    return QStringLiteral(
               "Kestrova is already running with the files in %1. Close it before starting it "
               "again.")
        .arg(QDir::toNativeSeparators(folder));
}

QString folderNotLockedMessage(const QString& folder, const QString& reason) {
    return QStringLiteral(
               "Kestrova cannot keep a second copy of itself from working with the files in %1 "
               "(%2). Do not start it again on these files while this copy is open.")
        .arg(QDir::toNativeSeparators(folder), reason);
}

int runProgram(QApplication& application) {
    // Two copies on one folder would each write the files back from what they read earlier.
    const QString folder = platform::appPath();
    const platform::FolderLock lock(folder);
    if (lock.heldElsewhere()) {
        const QString message = alreadyRunningMessage(folder);
        // Also for a player who started it from a terminal and sees no box.
        std::fprintf(stderr, "kestrova: %s\n", message.toLocal8Bit().constData());
        platform::setAppTitle(Form1::kTitle);
        platform::msgBox(message);
        return 1;
    }
    if (lock.failed()) {
        // Nothing stops a second copy, but the player can avoid one when told.
        platform::setAppTitle(Form1::kTitle);
        platform::msgBox(folderNotLockedMessage(folder, lock.reason()));
    }
    platform::Windows::show(Form1::kName);
    const int result = platform::programEnded() ? 0 : application.exec();
    platform::Windows::unloadAll();
    return result;
}
