#pragma once
// The window that changes one entry of the shown entry file in place.
#include <array>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/windownames.h"
#include "platform/form.h"

class editEntry : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::editEntry;

    explicit editEntry(QWidget* parent = nullptr);

    void Form_Load() override;
    void Command6_Click();  // Change
    void Command5_Click();  // Cancel
    // Closing by the title bar or Escape is a Cancel.
    void closeBox() override;

    std::array<QLineEdit*, 7> Text1;
    QLabel* Label1;
    QPushButton* Command6;
    QPushButton* Command5;

    qint16 extrabox = 0;
};
