#pragma once
// Registers the windows of the main window's subsystem with the window model, and a stand-in
// for each window of a later subsystem that is not registered yet.
void registerAppWindows();
