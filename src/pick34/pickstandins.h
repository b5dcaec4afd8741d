#pragma once
// Stand-ins for the Pick window's children that are not built yet. Each keeps the real window's
// contract: its caption, and on Close the Pick window shown again (and enabled again by those
// that disabled it).
#include "platform/form.h"

class PickStandIn : public platform::Form {
    Q_OBJECT
public:
    PickStandIn(const QString& name, const QString& caption, bool enablesOpener);

    void Command1_Click();  // Close
    void closeBox() override;

private:
    bool enablesOpener_;
};

// Registers a stand-in for every child of the Pick window that is not registered yet.
void registerPickStandIns();
