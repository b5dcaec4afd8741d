#include "updates/updateswindows.h"

#include "platform/windows.h"
#include "updates/Form10.h"
#include "updates/RDL.h"

void registerUpdatesWindows() {
    platform::Windows::registerWindow<RDL>(RDL::kName);
    platform::Windows::registerWindow<Form10>(Form10::kName);
}
