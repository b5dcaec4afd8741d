#pragma once
// Individual ball statistics: for the ball picked in the draw statistics, over the draws that
// window names, how often it was drawn, how often it was expected to be, when it was drawn last
// and how many draws have been held since.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/windownames.h"
#include "platform/form.h"

class Form26 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form26;

    explicit Form26(QWidget* parent = nullptr);

    void Form_Load() override;
    void Command1_Click();  // Close
    void closeBox() override;

    QLineEdit* Text5;  // the heading
    QGroupBox* Frame1;
    QLabel* Label2;
    QLineEdit* Text2;  // times drawn
    QLabel* Label1;
    QLineEdit* Text1;  // times expected
    QLabel* Label4;
    QLineEdit* Text4;  // date last drawn
    QLabel* Label3;
    QLineEdit* Text3;  // draws since
    QPushButton* Command1;
};
