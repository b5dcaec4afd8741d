#pragma once
// The game definition window: one game slot's definition, winning combinations, draw days and
// display preferences, one frame at a time.
#include <array>
#include <memory>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/gamedefinition.h"
#include "app/windownames.h"
#include "platform/form.h"

class Form14 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form14;

    explicit Form14(QWidget* parent = nullptr);
    ~Form14() override;

    void Form_Load() override;
    void mnuGD_Click();
    void mnuWC_Click();
    void mnuDays_Click();
    void mnuPreferences_Click();
    void Command2_Click();  // Save Game Defintion
    void Command3_Click();  // Save Wiinning Lines
    void Command6_Click();  // Save Draw Days
    void Command7_Click();  // Save Preferences
    void Command1_Click();  // Exit (game definition)
    // The close box and Escape hand back as these three Exits do (the default closeBox).
    void Command4_Click();  // Exit (winning combinations)
    void Command5_Click();  // Exit (draw days)
    void Command8_Click();  // Exit (preferences)
    void Check1_Click();

    bool existinggame() const;
    QString oldgamename() const;
    bool levelschanged() const { return levelschanged_; }

    QMenuBar* menuBar;
    QAction* mnuGD;
    QAction* mnuWC;
    QAction* mnuDays;
    QAction* mnuPreferences;

    QGroupBox* Frame1;  // game definition
    QLineEdit* Text1;   // name
    QLineEdit* Text2;   // main balls in draw
    QLineEdit* Text3;   // bonus balls in draw
    QLineEdit* Text4;   // main pool
    QGroupBox* Frame3;  // where the bonus ball comes from
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QLineEdit* Text6;  // bonus pool
    QLineEdit* Text7;  // main balls per entry
    QLineEdit* Text8;  // bonus balls per entry
    QPushButton* Command2;
    QPushButton* Command1;

    QGroupBox* Frame4;  // winning combinations
    std::array<QCheckBox*, 15> Check1;
    QPushButton* Command3;
    QPushButton* Command4;

    QGroupBox* Frame2;  // draw days
    std::array<QCheckBox*, 7> Check2;
    QPushButton* Command6;
    QPushButton* Command5;

    QGroupBox* Frame6;  // preferences
    QGroupBox* Frame5;  // ball colour
    QRadioButton* Option4;
    QRadioButton* Option5;
    QGroupBox* Frame7;  // extra-ball id
    QRadioButton* Option6;
    QRadioButton* Option7;
    QRadioButton* Option9;
    QRadioButton* Option8;
    QRadioButton* Option11;
    QLineEdit* Text5;
    QLabel* Label9;
    QLineEdit* Text9;
    QPushButton* Command7;
    QPushButton* Command8;

private:
    void buildMenus();
    void buildDefinitionFrame();
    void buildLevelsFrame();
    void buildDaysFrame();
    void buildPreferencesFrame();
    void connectHandlers();
    void showFrame(QGroupBox* frame);
    void savedMessage();
    GameDefinitionInput definitionInput() const;
    PreferencesInput preferencesInput() const;

    std::unique_ptr<GameDefinition> definition_;
    bool levelschanged_ = false;
};
