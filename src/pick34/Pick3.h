#pragma once
// The Pick 3 and Pick 4 window: the draw of a picked date for the game and draw time, the entries
// of a picked entry date (or the standing entries), their check against the draw, and the menus
// that open the history, adding, file deletion and statistics windows.
#include <array>

#include <QAction>
#include <QChartView>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/windownames.h"
#include "pick34/logic/pickchart.h"
#include "pick34/logic/pickfiles.h"
#include "pick34/logic/pickstanding.h"
#include "platform/datepicker.h"
#include "platform/form.h"

class Pick3 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Pick3;

    explicit Pick3(QWidget* parent = nullptr);

    void Form_Load() override;
    void closeBox() override;

    // Draw time, game switch and closing.
    void MnuDay_Click();
    void mnuEvening_Click();
    void Command7_Click();  // Switch To Pick 3 / Pick 4
    void Command6_Click();  // Close
    void mnuExit_Click();   // Close
    void updatedisplay(bool deleteoldifempty, bool clearwinninglines, bool updategraphs);

    // The draw of the picked date.
    void DTPicker1_Change();
    void Command1_Click();  // Add draw
    void Command2_Click();  // Delete draw
    bool checkifdrawexistsalready();

    // The entry list, its check and printing.
    void DTPicker2_Change();
    void Command3_Click();   // Dated Entry
    void Command4_Click();   // Add entries
    void Command5_Click();   // Delete selected entries
    void Command9_Click();   // Print entries
    void Command10_Click();  // Print check summary
    void Command14_Click();  // Check

    // Standing entries and the copy to the other draw time.
    void mnuStandSave_Click();
    void mnuStandOpen_Click();
    void mnuBoth_Click();

    // The digit chart's positions.
    void mnusg1_Click();
    void mnusg2_Click();
    void mnusg3_Click();
    void mnusg4_Click();
    void populatethegraph();

    // Child windows.
    void mnuDelete_Click();
    void mnuHistory_Click();
    void mnup34morestats_Click();

    // The entry file listed, told from the window's state.
    PickEntryView entryView() const;
    int digitCount() const;

    QMenuBar* menuBar;
    QMenu* mnuFile;
    QAction* mnuDelete;
    QAction* mnuBoth;
    QMenu* MnuDraw;
    QAction* MnuDay;
    QAction* mnuEvening;
    QMenu* mnuStand;
    QAction* mnuStandSave;
    QAction* mnuStandOpen;
    QMenu* mnusg;
    std::array<QAction*, 4> mnusgItems{};
    QAction* mnusg1;
    QAction* mnusg2;
    QAction* mnusg3;
    QAction* mnusg4;
    QAction* mnuHistory;
    QAction* mnup34morestats;
    QAction* mnuExit;

    QGroupBox* Frame1;  // Draw Maintenance
    platform::DTPicker* DTPicker1;
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command7;
    QPushButton* Command6;

    QGroupBox* Frame5;  // My Entries
    platform::DTPicker* DTPicker2;
    QPushButton* Command3;
    QListWidget* List1;
    QLabel* Label5;
    QLineEdit* Text2;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command9;
    QPushButton* Command14;

    QGroupBox* Frame6;  // Check Summary
    QListWidget* List2;
    QPushButton* Command10;

    QChartView* MSChart1;
    QLabel* Label2;

private:
    void buildMenus();
    void buildControls();
    void connectHandlers();
    void selectDrawTime(PickTime time);
    void showPosition(int position);
    void drawChart(const DigitCounts& counts, int position);
    void listEntries();
    QString entryPath(const QString& name) const;

    int existingdrawno = 0;
};
