#pragma once
// A stand-in for a window that is not built yet: it says what it is, and its Close keeps the
// contract of the real window (hands control back to its opener and sets the flag its opener
// waits on).
#include "platform/form.h"

class PlaceholderForm : public platform::Form {
    Q_OBJECT
public:
    // `flag`, when given, is set true on Close. `enablesOpener` is false for a window whose
    // opener stays enabled while it is open: its Close only brings the opener to the front.
    PlaceholderForm(const QString& name, const QString& caption, bool* flag = nullptr,
                    bool enablesOpener = true);

    void Command1_Click();  // Close
    void closeBox() override;

private:
    QWidget* opener() const;

    bool* flag_;
    bool enablesOpener_;
};

// Registers a placeholder for every window of the later subsystems that is not registered yet.
void registerPlaceholderWindows();
