#pragma once
// The adding window: one entry typed in, or any number suggested, each appended at once to the
// entry file that the main window lists and shown in its list and count.
#include <array>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/windownames.h"
#include "platform/form.h"

class Form5 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form5;

    explicit Form5(QWidget* parent = nullptr);

    void Form_Load() override;
    void Text1_Change(int index);
    void Command6_Click();  // Add (typed)
    void Command5_Click();  // Clear
    void Command4_Click();  // Add (suggested)
    void Command1_Click();  // Cancel
    void Command3_Click();  // Close
    // During a suggested run the close box cancels it and the window closes when it has stopped.
    void closeBox() override;

    bool running() const { return running_; }

    QGroupBox* Frame1;  // "Add Manual Entry"
    std::array<QLineEdit*, 7> Text1;
    QCheckBox* Check1;  // "Auto Tab"
    QPushButton* Command6;
    QPushButton* Command5;
    QLabel* Label2;     // the extra-ball id under the extra box
    QGroupBox* Frame2;  // "Add Computer Suggested Entries"
    QLabel* Label1;
    QLineEdit* Text8;
    QRadioButton* Option1;  // "Total"
    QRadioButton* Option2;  // "Additional"
    QPushButton* Command4;
    QPushButton* Command1;
    QPushButton* Command3;  // "Close"

private:
    void setButtonsEnabled(bool enabled);

    bool running_ = false;
    bool closeAfterRun_ = false;
};
