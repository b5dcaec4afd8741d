#pragma once
// Registers the windows of the internet updates with the window model.
void registerUpdatesWindows();
