#include "pick34/pick34windows.h"

#include "pick34/Pick3.h"
#include "pick34/pickstandins.h"
#include "platform/windows.h"

void registerPick34Windows() {
    platform::Windows::registerWindow<Pick3>(Pick3::kName);
    registerPickStandIns();
}
