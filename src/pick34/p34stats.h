#pragma once
// How often each number of a Pick results history was drawn between two dates, listed by one of
// three rules, and a bar chart of the digit sums of the numbers listed. The Pick window stays
// enabled beside it and closes it when it closes itself.
#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "app/windownames.h"
#include "pick34/logic/pickstats.h"
#include "platform/chart.h"
#include "platform/datepicker.h"
#include "platform/form.h"

class p34stats : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::p34stats;

    explicit p34stats(QWidget* parent = nullptr);

    void Form_Load() override;
    void DTPicker1_Change();
    void DTPicker2_Change();
    void Command2_Click();  // Update Display Using Specified Settings
    void Command1_Click();  // Close
    void closeBox() override;

    // Count the draws of the range and list the numbers of the mode; then chart their sums.
    void pick3numberoftimesdrawn(StatsMode mode);
    void pick4numberoftimesdrawn(StatsMode mode);
    void pick3graph(StatsMode mode);
    void pick4graph(StatsMode mode);

    QGroupBox* Frame1;  // Date Range
    platform::DTPicker* DTPicker1;
    platform::DTPicker* DTPicker2;
    QGroupBox* Frame2;  // Number of Times Drawn
    QGroupBox* Frame3;  // Show
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QLineEdit* Text1;
    QListWidget* List1;
    QGroupBox* Frame4;  // Sum Distribution of Results
    platform::BarChart* MSChart1;
    QPushButton* Command2;
    QPushButton* Command1;

private:
    void numberoftimesdrawn(int game, StatsMode mode);
    void graph(int game, StatsMode mode);
    void drawSumChart(const std::vector<double>& totals);

    // The history and game as they were when the window opened: the Pick window may switch
    // game or draw time while this window stays open.
    QString resultsfile_;
    int game_ = 3;
    qint32 fromkey_ = 0;
    qint32 tokey_ = 0;
    std::vector<int> counts_;
    std::vector<int> listed_;
};
