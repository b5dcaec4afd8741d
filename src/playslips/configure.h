#pragma once
// The playslip settings window: the millimetre position of every number's box on one board of
// one ball set, the number of boards, the marks' width, length and orientation, and the board
// suggestion, adjustment and test prints. One board of one set is on screen at a time.
#include <array>
#include <optional>
#include <vector>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "app/windownames.h"
#include "platform/form.h"
#include "playslips/logic/markprint.h"
#include "playslips/logic/playslipconfig.h"

class configure : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::configure;
    static constexpr int kBoxes = 130;
    static constexpr int kLabels = 65;
    static constexpr int kRowsPerColumn = 10;  // balls down one column, as on a playslip

    explicit configure(QWidget* parent = nullptr);

    void Form_Load() override;
    void closeBox() override;

    // The settings file.
    void mnuRetrieve_Click();
    void mnuSave_Click();
    void mnuClearKill_Click();

    // Ball set, board count and board.
    void mnuConfigMain_Click();
    void mnuConfigExtra_Click();
    void mnuNumber_Click(int n);  // mnu3 .. mnu10
    void mnuBoard_Click(int k);   // mnug1ba .. mnug1bj, k = 1..10

    // Orientation, width and length.
    void mnuVerticalMain_Click();
    void mnuHorizontalMain_Click();
    void mnuVerticalExtra_Click();
    void mnuHorizontalExtra_Click();
    void mnuThin_Click();
    void mnuRecom_Click();
    void mnuThick_Click();
    void mnuShort_Click();
    void mnuMedium_Click();
    void mnuLong_Click();

    void mnuSuggest_Click();
    void mnuPrintCurrent_Click();
    void mnuPrintAll_Click();
    void mnuPrinterSelection_Click();
    void mnuAdjust_Click();
    void mnuExit_Click();

    // Every stored mark of the game on one page, moved by the global adjustment.
    void printallmarks(const QString& game);

    // The ball set being edited.
    BallSet ballSet() const;
    std::array<QString, kBoxes> boxTexts() const;

    std::array<QLineEdit*, kBoxes> Text1{};
    std::array<QLabel*, kLabels> Label1{};

    QMenuBar* menuBar;
    QMenu* mnuSelectGame;
    QAction* mnuConfigMain;
    QAction* mnuConfigExtra;
    QAction* mnuClearKill;
    QMenu* mnuNumber;
    std::array<QAction*, 8> mnuCount{};  // mnu3 .. mnu10
    QMenu* mnuSelectBoard;
    std::array<QAction*, 10> mnuBoards{};  // mnug1ba .. mnug1bj
    QMenu* mnulineor;
    QMenu* mnuMainOrientation;
    QAction* mnuVerticalMain;
    QAction* mnuHorizontalMain;
    QMenu* mnuExtaOrientation;
    QAction* mnuVerticalExtra;
    QAction* mnuHorizontalExtra;
    QMenu* mnuLine;
    QMenu* mnuwidth;
    QAction* mnuThin;
    QAction* mnuRecom;
    QAction* mnuThick;
    QMenu* mnuLength;
    QAction* mnuShort;
    QAction* mnuMedium;
    QAction* mnuLong;
    QAction* mnuSuggest;
    QAction* mnuRetrieve;
    QAction* mnuSave;
    QMenu* mnuPrint;
    QAction* mnuPrintCurrent;
    QAction* mnuPrintAll;
    QAction* mnuPrinterSelection;
    QAction* mnuAdjust;
    QAction* mnuExit;

    bool changesmade = false;

private:
    void buildMenus();
    void buildControls();
    void connectHandlers();

    // The window as a newly opened one shows it, from the file (load and Clear All).
    void loadSettings();
    // Labels and boxes of the set: its pool of balls shown, the rest hidden.
    void showBallSet(BallSet set);
    void rebuildCaption();
    void checkOnly(std::initializer_list<QAction*> group, QAction* checked);
    void setBoardCount(int n);
    // Stores the boxes; false, after telling the player, when nothing was stored.
    bool save();
    // Asks to save unsaved changes; false when the player cancels or the save fails, so the
    // edits stay on screen.
    bool askToSave();
    void selectBoard(int k);
    void selectBallSet(BallSet set);
    QString settingsPath() const;
    // Draws the page on the current printer; false, after the message, when it failed.
    bool draw(const MarkPage& page);

    // What each box showed when it was last filled from the file, and the exact value behind
    // it: a box the player has not changed is stored back bit for bit. No value: the file's
    // position is kept.
    std::array<QString, kBoxes> retrievedText_{};
    std::array<std::optional<float>, kBoxes> retrievedValue_{};
    bool nameRefused_ = false;
    // The "X mm" and "Y mm" heads, two per column of ten balls.
    std::vector<QLabel*> columnHeads_;
};
