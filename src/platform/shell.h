#pragma once
// Opening a document or web page with the system's application, and starting a program.
#include <functional>

#include <QString>

namespace platform {

// The result when no application is registered for the file.
inline constexpr int kNoAssociation = 31;
// The result when the file is missing.
inline constexpr int kFileMissing = 2;

// Opens the file of the folder with its application: above 32 on success, kNoAssociation when
// no application can open it, kFileMissing when the file is missing.
int shellOpen(const QString& file, const QString& folder);
// Opens a web address in the user's browser; false when it could not be opened.
bool openWebPage(const QString& url);
// Starts a program; false when it could not be started.
bool startProgram(const QString& path);

struct ShellHandler {
    std::function<int(const QString& path)> open;
    std::function<bool(const QString& url)> web;
    std::function<bool(const QString& path)> start;
};
// Tests record what was opened; an empty handler restores the system's.
void setShellHandler(ShellHandler handler);

}  // namespace platform
