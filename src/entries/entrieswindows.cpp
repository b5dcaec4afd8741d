#include "entries/entrieswindows.h"

#include "entries/Form5.h"
#include "entries/Form6.h"
#include "platform/windows.h"

void registerEntriesWindows() {
    platform::Windows::registerWindow<Form5>(Form5::kName);
    platform::Windows::registerWindow<Form6>(Form6::kName);
}
