#pragma once
// The printer choice: lists the installed printers with the one chosen last preselected, and on
// Close makes the shown one the program's printer and remembers it in "print.dat".
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

#include "app/windownames.h"
#include "platform/form.h"

class Form11 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form11;

    explicit Form11(QWidget* parent = nullptr);

    void Form_Load() override;
    void Command1_Click();  // Close
    void closeBox() override;

    QGroupBox* Frame1;
    QComboBox* Combo1;
    QPushButton* Command1;

private:
    void choose(const QString& deviceName);
    // Printing was disabled for want of a printer: every control that prints comes back.
    void enablePrinting();
};
