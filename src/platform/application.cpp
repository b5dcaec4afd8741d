#include "platform/application.h"

#include <QCoreApplication>

namespace platform {
namespace {
QString pathOverride;
QString title;
QString help;
}  // namespace

QString appPath() {
    return pathOverride.isEmpty() ? QCoreApplication::applicationDirPath() : pathOverride;
}
void setAppPath(const QString& folder) {
    pathOverride = folder;
}

QString appTitle() {
    return title;
}
void setAppTitle(const QString& t) {
    title = t;
}

QString helpFile() {
    return help;
}
void setHelpFile(const QString& path) {
    help = path;
}

Version appVersion() {
    return {1, 12, 2};
}

}  // namespace platform
