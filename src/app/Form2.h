#pragma once
// "Add Result": the numbers of one draw for the main window's draw date, validated and
// inserted in date order into the game's results history.
#include <array>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/windownames.h"
#include "platform/form.h"

class Form2 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form2;

    explicit Form2(QWidget* parent = nullptr);

    void Form_Load() override;
    void Command1_Click();  // Add
    void Command2_Click();  // Cancel
    void closeBox() override;

    // The datekey text of the date.
    static QString getstringdate(qint16 year, qint16 month, qint16 day);

    QLabel* Label1;  // game name and date
    QLabel* Label2;  // extra-ball id, above the extra-ball box
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    QLineEdit* Text6;
    QLineEdit* Text7;
    std::array<QLineEdit*, 7> texts() const {
        return {Text1, Text2, Text3, Text4, Text5, Text6, Text7};
    }
    QPushButton* Command1;  // "Add"
    QPushButton* Command2;  // "Cancel"
};
