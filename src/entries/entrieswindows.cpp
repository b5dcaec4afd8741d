#include "entries/entrieswindows.h"

#include "entries/Form12.h"
#include "entries/Form26.h"
#include "entries/Form30.h"
#include "entries/Form4.h"
#include "entries/Form5.h"
#include "entries/Form6.h"
#include "entries/Form8.h"
#include "entries/LinkProcess.h"
#include "platform/windows.h"

void registerEntriesWindows() {
    platform::Windows::registerWindow<Form4>(Form4::kName);
    platform::Windows::registerWindow<Form5>(Form5::kName);
    platform::Windows::registerWindow<Form6>(Form6::kName);
    platform::Windows::registerWindow<Form8>(Form8::kName);
    platform::Windows::registerWindow<Form12>(Form12::kName);
    platform::Windows::registerWindow<Form26>(Form26::kName);
    platform::Windows::registerWindow<Form30>(Form30::kName);
    platform::Windows::registerWindow<LinkProcess>(LinkProcess::kName);
}
