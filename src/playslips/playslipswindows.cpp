#include "playslips/playslipswindows.h"

#include "platform/windows.h"
#include "playslips/Form11.h"
#include "playslips/PrintManager.h"
#include "playslips/adjust.h"
#include "playslips/configure.h"

void registerPlayslipsWindows() {
    platform::Windows::registerWindow<configure>(configure::kName);
    platform::Windows::registerWindow<adjust>(adjust::kName);
    platform::Windows::registerWindow<Form11>(Form11::kName);
    platform::Windows::registerWindow<PrintManager>(PrintManager::kName);
}
