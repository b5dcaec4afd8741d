#pragma once
// Every window of the program registered with the window model: for the program itself and for
// whatever drives it whole. A subsystem's library adds its include and its one register call here.
#include "app/appwindows.h"
#include "entries/entrieswindows.h"
#include "pick34/pick34windows.h"
#include "playslips/playslipswindows.h"
#include "updates/updateswindows.h"
#include "wheels/wheelwindows.h"

inline void registerAllWindows() {
    registerAppWindows();
    registerWheelWindows();
    registerPick34Windows();
    registerEntriesWindows();
    registerUpdatesWindows();
    registerPlayslipsWindows();
}
