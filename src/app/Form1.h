#pragma once
// The main window: game selection, the draw of the picked date, the entries of the shown entry
// file, the winning lines of the check, and the menus that open every other window.
#include <array>
#include <chrono>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStringList>

#include "app/wheelmenu.h"
#include "app/windownames.h"
#include "platform/datepicker.h"
#include "platform/form.h"
#include "platform/imagebox.h"

namespace platform {
class Inet;
}

class Form1 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form1;
    // The main window's title, which every message box has too.
    static inline const QString kTitle = QStringLiteral("Kestrova Powerball and Mega Millions");
    // The help's first page, in the program's folder.
    static inline const QString kHelpFile = QStringLiteral("help/index.html");

    explicit Form1(QWidget* parent = nullptr);

    // Start-up, game selection and shutdown.
    void Form_Load() override;
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void setupgame();
    void Form_Unload();
    void mnuExit_Click();
    void mnuExitMenu_Click();
    void closeBox() override;

    // Draw display, deletion and entry.
    void DTPicker1_Change();
    void Command1_Click();  // Add Draw
    void Command2_Click();  // Delete Draw

    // Entry files, the check, adding, editing and printing entries.
    void DTPicker2_Change();
    void mnustandcreate_Click();
    void mnuStandOpen_Click();
    void openwheel(const QString& path);
    // The Click of Wheels > Open item `item` (0 = the top item, mnu777).
    void mnuWheelItem_Click(int item);
    void Command3_Click();   // Dated Entry
    void Command5_Click();   // Delete
    void Command14_Click();  // Check
    void Command12_Click();  // History
    void Command4_Click();   // Add
    void Command6_Click();   // Edit
    void Command9_Click();   // Print entries
    void Command10_Click();  // Print winning lines

    // Window launchers, help and about.
    void Image1_Click();  // draw history
    void Image3_Click();  // statistics
    void mnuDelete_Click();
    void mnuFilter_Click();
    void mnuImport_Click();
    void mnuLoadRTLs_Click();
    void mnuName1_Click();
    void mnuName2_Click();
    void mnuName3_Click();
    void mnuName4_Click();
    void mnuName5_Click();
    void mnuOptCreate_Click();
    void mnupick3_Click();
    void mnupick4_Click();
    void mnuprinters_Click();
    void mnuResults_Click();
    void mnuTicketPrinting_Click();
    void mnuWheelCreate_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();
    void mnuUpgrade_Click();
    void Inet1_StateChanged(int state);

    // Controls. Frames.
    QGroupBox* Frame1;  // game selection
    QGroupBox* Frame3;  // draw date and balls
    QGroupBox* Frame5;  // entries
    QGroupBox* Frame6;  // winning lines

    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QRadioButton* Option5;
    std::array<QRadioButton*, 5> options() const {
        return {Option1, Option2, Option3, Option4, Option5};
    }

    platform::DTPicker* DTPicker1;  // draw date
    platform::DTPicker* DTPicker2;  // entry date

    QWidget* ballArea;              // holds the ball strip and the extra-ball label, in twips
    QWidget* Picture1;              // the ball strip
    std::array<QLabel*, 7> Image2;  // ball pictures, 720 twips apart
    QLabel* Label3;                 // extra-ball id under the extra ball
    platform::ImageBox* Image1;     // "History"
    platform::ImageBox* Image3;     // "Stats"

    QListWidget* List1;  // entry lines; item j is record j + 1 of the shown file
    QListWidget* List2;  // winning lines
    QLineEdit* Text2;    // number of listed entries
    QLineEdit* Text3;    // total wins

    QPushButton* Command1;   // "Add Draw"
    QPushButton* Command2;   // "Delete Draw"
    QPushButton* Command3;   // "Dated Entry"
    QPushButton* Command4;   // "Add"
    QPushButton* Command5;   // "Delete"
    QPushButton* Command6;   // "Edit"
    QPushButton* Command9;   // "Print" (entries)
    QPushButton* Command10;  // "Print" (winning lines)
    QPushButton* Command12;  // "History"
    QPushButton* Command14;  // "Check"

    // Menus. A menu is enabled or disabled through its menuAction().
    QMenuBar* menuBar;
    QMenu* mnuFile;
    QAction* mnuResults;
    QAction* mnuLoadRTLs;
    QMenu* mnuConfigure;
    QAction* mnuName1;
    QAction* mnuName2;
    QAction* mnuName3;
    QAction* mnuName4;
    QAction* mnuName5;
    std::array<QAction*, 5> nameItems() const {
        return {mnuName1, mnuName2, mnuName3, mnuName4, mnuName5};
    }
    QAction* mnuprinters;
    QAction* mnuTicketPrinting;
    QAction* mnuDelete;
    QAction* mnuFilter;
    QAction* mnuImport;
    QAction* mnuExit;
    QMenu* mnuStand;
    QAction* mnustandcreate;
    QAction* mnuStandOpen;
    QMenu* mnuWheels;
    QAction* mnuWheelCreate;
    QMenu* mnuWheelOpen;
    // Wheels > Open, top to bottom, as wheelMenuItems() lists them: objectNames "mnu777" ..
    // "mnu442".
    std::array<QAction*, 24> mnuWheelItem;
    QMenu* mnuOpt;
    QAction* mnuOptCreate;
    QAction* mnupick3;
    QAction* mnupick4;
    QMenu* mnuHelpMenu;
    QAction* mnuHelp;
    QAction* mnuAbout;
    QAction* mnuUpgrade;
    QAction* mnuExitMenu;

    // The upgrade check's transfer: 1 running, 2 all data received, 3 failed.
    platform::Inet* Inet1 = nullptr;
    qint16 downloadstate = 0;
    QString upgradeurl;
    QString downloadfolder;
    // How long the version file's request may go without progress; tests shorten it.
    std::chrono::milliseconds upgradetimeout = std::chrono::seconds(10);
    // The longest the whole request may take, however steadily it progresses.
    std::chrono::milliseconds upgradelimit = std::chrono::seconds(5);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void makeUpgradeTransfer();
    void buildControls();
    void connectHandlers();

    // Start-up and game selection.
    // A damaged results history or entry file is named to the player once per game load; the
    // box waits until the window is on the screen.
    void noteDamagedHistory();
    void noteDamagedEntryFile(const QString& path);
    void tellDamagedFiles();
    QStringList damageToTell_;
    QSet<QString> damageNamed_;  // the files named since the game was loaded

    // Draw display and entry.

    // Entry files and the check.
    void clearwinninglines();
    void clearentrylist();
    // Lists selectionfile into List1 and Text2 (both emptied before).
    void listselection();
    // Lists a wheel entry file; false, with nothing changed, when it cannot be opened.
    bool listwheel(const QString& path);

    // Window launchers.
    // Disables the main window, then shows the named window (loading it first).
    void openDisabled(const QString& name);
    void openGameDefinition(int slot);
    // Reopens the entry file that was shown before a tool window changed it.
    void reopenSelection();

    // Why the version file could not be written, when that is what failed the check.
    QString upgradesaveerror_;
};

// The main window of the running program (loaded on first use).
Form1& mainWindow();
