#include "platform/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "shared/gamefiles.h"

namespace platform {
namespace {
ShellHandler handler;
}

void setShellHandler(ShellHandler h) {
    handler = std::move(h);
}

int shellOpen(const QString& file, const QString& folder) {
    const QString path = dataFile(folder, file);
    if (handler.open) {
        return handler.open(path);
    }
    if (!QFileInfo::exists(path)) {
        return kFileMissing;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? 42 : kNoAssociation;
}

bool openWebPage(const QString& url) {
    if (handler.web) {
        return handler.web(url);
    }
    return QDesktopServices::openUrl(QUrl(url));
}

bool startProgram(const QString& path) {
    if (handler.start) {
        return handler.start(path);
    }
    return QFileInfo(path).isExecutable() && QProcess::startDetached(path, {});
}

}  // namespace platform
