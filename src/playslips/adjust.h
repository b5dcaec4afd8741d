#pragma once
// The board adjustment dialog: moves every position of the board on the settings window's
// screen by a distance up or down and left or right, in one press.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/windownames.h"
#include "platform/form.h"

class adjust : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::adjust;

    explicit adjust(QWidget* parent = nullptr);

    void Command1_Click();  // Adjust
    void Command2_Click();  // Close
    void closeBox() override;

    QGroupBox* Frame1;      // Up/Down
    QRadioButton* Option1;  // Up
    QRadioButton* Option2;  // Down
    QLineEdit* Text1;
    QLabel* Label1;
    QGroupBox* Frame2;      // Left/Right
    QRadioButton* Option4;  // Left
    QRadioButton* Option3;  // Right
    QLineEdit* Text2;
    QLabel* Label2;
    QPushButton* Command1;
    QPushButton* Command2;
};
