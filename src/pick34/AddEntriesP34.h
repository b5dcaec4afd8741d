#pragma once
// Adding entries to the entry file the Pick window lists: one typed number at a time, or random
// numbers up to a wanted total. The new lines go straight into the Pick window's list and count,
// which stays disabled until this window closes.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/windownames.h"
#include "pick34/logic/pickadding.h"
#include "platform/form.h"

class AddEntriesP34 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::AddEntriesP34;

    explicit AddEntriesP34(QWidget* parent = nullptr);

    void Form_Load() override;
    void Command1_Click();  // Manual Add
    void Command2_Click();  // Suggested Picks
    void Command3_Click();  // Close
    void closeBox() override;

    QGroupBox* Frame1;  // Manual Add
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QGroupBox* Frame2;  // Suggested Picks
    QLabel* Label2;
    QLineEdit* Text2;
    QPushButton* Command2;
    QLabel* Label3;
    QLineEdit* Text3;
    QPushButton* Command3;

private:
    void handBackLines(const PickAddResult& added);

    int game_ = 3;
};
