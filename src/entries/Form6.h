#pragma once
// The history check window: every listed entry against every draw of a date range, on four
// result pages turned with More and Back, with the winning entries counted per level.
#include <array>
#include <chrono>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>

#include "app/windownames.h"
#include "entries/resultpagemodel.h"
#include "platform/datepicker.h"
#include "platform/form.h"

class QStackedWidget;

class Form6 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form6;

    explicit Form6(QWidget* parent = nullptr);

    void Form_Load() override;
    void Command2_Click();  // Check
    void Command3_Click();  // Cancel
    void Command1_Click();  // Close
    void Command4_Click();  // More...
    void Command5_Click();  // Back...
    // During a check the close box cancels it and the window closes when it has stopped.
    void closeBox() override;

    // Empties the pages and the totals; page 1 is the one in view.
    void clearresults();

    // The page in view (0..3), and the last page that received a line.
    int shownPage() const;
    int currentpage() const { return currentpage_; }
    bool running() const { return running_; }

    QGroupBox* Frame1;
    platform::DTPicker* DTPicker1;  // start date
    QGroupBox* Frame2;
    platform::DTPicker* DTPicker2;  // end date
    QPushButton* Command2;          // "Check"
    QPushButton* Command3;          // "Cancel"
    QPushButton* Command1;          // "Close"
    QPushButton* Command4;          // "More..."
    QPushButton* Command5;          // "Back..."
    std::array<QListView*, 4> List1;
    std::array<ResultPageModel*, 4> pages;
    QGroupBox* Frame3;                  // "Winning Entries"
    std::array<QLabel*, 16> Label{};    // 1..15: the level names
    std::array<QLineEdit*, 16> Text{};  // 1..15: the totals
    QLabel* Label16;                    // status line
    QProgressBar* ProgressBar1;

    // The longest a check works without looking at the window's events.
    std::chrono::milliseconds eventInterval{40};

private:
    void showPage(int page);
    // Names the counted levels beside their totals and hides the others.
    void showLevels();
    void setIdle();

    QStackedWidget* stack_;
    int currentpage_ = 0;
    bool running_ = false;
    bool closeAfterRun_ = false;
};
