#pragma once
// Registers the windows of the entry tools with the window model, in place of their stand-ins.
void registerEntriesWindows();
