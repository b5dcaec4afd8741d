#pragma once
// A stand-in for a window of another subsystem in the main window's tests, which link no
// subsystem library: it says what it is, and keeps the contract of the real window (its caption,
// and on Close the hand-back and the flag its opener waits on).
#include "platform/form.h"

class StandInForm : public platform::Form {
    Q_OBJECT
public:
    StandInForm(const QString& name, const QString& caption);

    void Command1_Click();  // Close
    void closeBox() override;
};

// Registers a stand-in for each window of the other subsystems that nothing has registered yet.
// A subsystem's own registration replaces its stand-ins.
void registerStandInWindows();
