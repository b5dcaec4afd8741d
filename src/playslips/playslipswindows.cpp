#include "playslips/playslipswindows.h"

#include "platform/windows.h"
#include "playslips/Form11.h"
#include "playslips/adjust.h"
#include "playslips/configure.h"
#include "playslips/printmanagerstandin.h"

void registerPlayslipsWindows() {
    platform::Windows::registerWindow<configure>(configure::kName);
    platform::Windows::registerWindow<adjust>(adjust::kName);
    platform::Windows::registerWindow<Form11>(Form11::kName);
    platform::Windows::registerWindow<PrintManagerStandIn>(windownames::PrintManager);
}
