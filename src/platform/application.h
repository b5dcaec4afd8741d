#pragma once
// The application object: the program's folder, title, help file and version.
#include <QString>

namespace platform {

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The folder of the executable (a test points it at a temporary data folder).
QString appPath();
void setAppPath(const QString& folder);

// The title of the main window and of every message box.
QString appTitle();
void setAppTitle(const QString& title);

QString helpFile();
void setHelpFile(const QString& path);

Version appVersion();

}  // namespace platform
