#include "pick34/pick34windows.h"

#include "app/placeholderform.h"
#include "app/windownames.h"
#include "pick34/Pick3.h"
#include "platform/windows.h"
#include "shared/module1.h"

namespace {

// The Pick window's children not built yet: each stand-in keeps the real window's caption and
// hands back to the Pick window as the real one does.
void registerStandIn(const QString& name, QString (*caption)(), platform::HandBack how) {
    platform::Windows::registerWindow(name, [name, caption, how] {
        auto form = std::make_unique<PlaceholderForm>(name, caption());
        form->setOpener(windownames::Pick3, how);
        return form;
    });
}

}  // namespace

void registerPick34Windows() {
    namespace wn = windownames;
    using platform::HandBack;
    platform::Windows::registerWindow<Pick3>(wn::Pick3);
    registerStandIn(
        wn::AddEntriesP34, [] { return pickgametitle(m1().pickgame) + QStringLiteral(" Entries"); },
        HandBack::EnableAndRaise);
    registerStandIn(
        wn::Deletepick34, [] { return QStringLiteral("File Deletion"); }, HandBack::EnableAndRaise);
    registerStandIn(
        wn::p34history,
        [] { return pickgametitle(m1().pickgame) + QStringLiteral(" Draw History"); },
        HandBack::RaiseOnly);
    registerStandIn(
        wn::p34stats,
        [] {
            return QStringLiteral("Stats for ") + pickgametitle(m1().pickgame) + u' ' +
                   m1().statsdrawtime;
        },
        HandBack::RaiseOnly);
}
