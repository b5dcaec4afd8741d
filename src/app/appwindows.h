#pragma once
// Registers the windows of the main window's subsystem with the window model.
void registerAppWindows();
