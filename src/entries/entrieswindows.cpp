#include "entries/entrieswindows.h"

#include "entries/Form26.h"
#include "entries/Form4.h"
#include "entries/LinkProcess.h"
#include "platform/windows.h"

void registerEntriesWindows() {
    platform::Windows::registerWindow<Form4>(Form4::kName);
    platform::Windows::registerWindow<Form26>(Form26::kName);
    platform::Windows::registerWindow<LinkProcess>(LinkProcess::kName);
}
