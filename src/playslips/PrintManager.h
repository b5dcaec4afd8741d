#pragma once
// The playslip printing manager of the current game: prints the main window's entries onto
// playslips and the whole slip layout as a test page, keeps the game's global adjustment of the
// marks, downloads ready-made playslip settings and opens the settings window.
#include <chrono>
#include <vector>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/windownames.h"
#include "platform/form.h"
#include "platform/inet.h"
#include "playslips/logic/globaladjust.h"
#include "playslips/logic/markprint.h"
#include "playslips/logic/playsliplist.h"

class PrintManager : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::PrintManager;

    explicit PrintManager(QWidget* parent = nullptr);

    void Form_Load() override;
    void closeBox() override;

    void Command2_Click();  // Print Playslips
    void Command3_Click();  // Print Slip Layout
    void Command4_Click();  // Close
    void Command5_Click();  // Save Adjustments
    void Command6_Click();  // Install
    void Command8_Click();  // Get Latest List
    void mnuEditConfig_Click();

    // Every stored mark of the game on one page, moved by the global adjustment.
    void printallmarks(const QString& game);

    QMenuBar* menuBar;
    QAction* mnuEditConfig;
    QGroupBox* Frame2;
    QListWidget* List1;
    QPushButton* Command8;
    QPushButton* Command6;
    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* Text1;  // Up
    QLabel* Label2;
    QLineEdit* Text2;  // Down
    QLabel* Label3;
    QLineEdit* Text3;  // Left
    QLabel* Label4;
    QLineEdit* Text4;  // Right
    QPushButton* Command5;
    QGroupBox* Frame3;
    QRadioButton* Option1;  // displayed adjustment
    QRadioButton* Option2;  // saved adjustment
    QRadioButton* Option3;  // none
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    platform::Inet* Inet1;

    // The rows of the last list read; List1's item k is row k.
    std::vector<PlayslipListRow> configfiletable;
    bool siteonline = false;
    // The longest wait of a download for any progress.
    std::chrono::milliseconds requestTimeout = std::chrono::seconds(10);
    // The longest a whole list or settings file may take, however steadily it arrives.
    std::chrono::milliseconds requestLimit = std::chrono::seconds(10);

private:
    void buildControls();
    // Sets the module's adjustments from the option chosen; false, after the message, when the
    // typed values are refused.
    bool chooseAdjustment();
    // Draws the jobs on the current printer, one print job each; false, after the message, when
    // the printer failed (the job it failed in is abandoned).
    bool draw(const std::vector<MarkPage>& jobs);
    void checkconnection();
    void checksiteresponding();
    QString adjustPath() const;
    // The boxes as typed.
    AdjustBoxes boxes() const;

    GlobalAdjustment adjustment_;  // the window's copy of the adjustments record
};
