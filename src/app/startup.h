#pragma once
class QApplication;
class QString;

// Opens the main window and runs until the program ends. The windows are registered first.
// The data folder is locked first: when another copy of the program has it, the player is told
// and the program ends before any file is opened. When it cannot be locked at all, the player is
// told once and the program runs.
int runProgram(QApplication& application);

// What the player is told when another copy has the folder.
QString alreadyRunningMessage(const QString& folder);

// What the player is told when the folder cannot be locked, with the system's reason.
QString folderNotLockedMessage(const QString& folder, const QString& reason);
