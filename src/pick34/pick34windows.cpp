#include "pick34/pick34windows.h"

#include "app/windownames.h"
#include "pick34/AddEntriesP34.h"
#include "pick34/Deletepick34.h"
#include "pick34/Pick3.h"
#include "pick34/p34history.h"
#include "pick34/p34stats.h"
#include "platform/windows.h"

void registerPick34Windows() {
    namespace wn = windownames;
    using platform::Windows;
    Windows::registerWindow<Pick3>(wn::Pick3);
    Windows::registerWindow<p34history>(wn::p34history);
    Windows::registerWindow<AddEntriesP34>(wn::AddEntriesP34);
    Windows::registerWindow<Deletepick34>(wn::Deletepick34);
    Windows::registerWindow<p34stats>(wn::p34stats);
}
