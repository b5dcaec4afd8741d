#pragma once
// The wheel window, one design for games of 4, 5, 6 and 7 main balls (wheel4, Wheel5, wheel6,
// wheel7): the player picks a guarantee and a group size, edits the suggested numbers and
// saves the wheel as the game's wheel entry file or prints its cover page. What differs
// between the four comes from the wheel table and the variant table.
#include <array>
#include <vector>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/form.h"
#include "wheels/logic/wheelsave.h"
#include "wheels/logic/wheelvariant.h"

class WheelForm : public platform::Form {
    Q_OBJECT
public:
    // The window for k main balls per entry (4..7).
    explicit WheelForm(int k, QWidget* parent = nullptr);

    void Form_Load() override;
    void Option_Click(int type);  // a guarantee option
    void Combo1_Click();
    void Combo1_Change();
    void Command1_Click();  // Close
    void Command2_Click();  // Print Cover
    void Command3_Click();  // Save Wheel
    void closeBox() override;

    void clearsuggestedentries();
    void setupwheeldata(int type);

    int k() const { return variant_.k; }
    // The extra-ball rule the save uses: none for wheel7 or a game without its own pool.
    wheels::ExtraRule extraRule() const;

    // Guarantee options, Option[type - 1] is the option of that type ("Option1" ..).
    std::vector<QRadioButton*> Option;
    // Headings over the option columns ("Label1" ..).
    std::vector<QLabel*> headings;
    QComboBox* Combo1;
    QLineEdit* Text25;  // "Entries Required"
    std::array<QLineEdit*, wheels::kBoxes> Text1;
    QGroupBox* Frame1;
    QGroupBox* Frame2 = nullptr;  // extra ball; none in wheel7
    // "Spread", "Random", "Optimized", named as the variant names them.
    std::array<QRadioButton*, 3> extraOptions{};
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;

    int wheeltype = 0;
    int numballs = 0;
    wheels::Suggestions suggestedballs{};

private:
    void buildControls();
    // The main window no longer shows an entry file (the wheel it showed was replaced).
    void resetMainWindow();

    const wheels::WheelVariant& variant_;
    int visibleBoxes_ = wheels::kBoxes;
};
