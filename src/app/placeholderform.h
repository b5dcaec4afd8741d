#pragma once
// A stand-in for a window that is not built yet: it says what it is, and keeps the contract of
// the real window (its caption, and on Close the hand-back and the flag its opener waits on).
#include "platform/form.h"

class PlaceholderForm : public platform::Form {
    Q_OBJECT
public:
    PlaceholderForm(const QString& name, const QString& caption);

    void Command1_Click();  // Close
    void closeBox() override;
};

// Registers a stand-in for each window of the later subsystems that the main window opens and
// that nothing has registered yet. A subsystem's own registration replaces its stand-ins.
void registerPlaceholderWindows();
