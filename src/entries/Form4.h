#pragma once
// Draw statistics: a bar chart of how often each ball of the current game was drawn, over all
// draws or the last N, for the main balls, the extra ball or both, in ball order or most-drawn
// first. A bar, or a number and Info, opens the single-ball figures.
#include <array>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "app/windownames.h"
#include "entries/logic/drawstats.h"
#include "platform/chart.h"
#include "platform/form.h"

class Form4 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form4;

    explicit Form4(QWidget* parent = nullptr);

    void Form_Load() override;
    // The four charts; `lastdraws` is corrected in place when it asks for more draws than exist.
    void displaylottomain(bool uselast, qint64& lastdraws);
    void displaymandb(bool uselast, qint64& lastdraws);
    void displaytsbn(bool uselast, qint64& lastdraws);
    void displaytsb(bool uselast, qint64& lastdraws);
    static QString cardcaption(int card) { return drawstats::cardcaption(card); }

    void mnuLM_Click();
    void mnuBoth_Click();
    void mnuTSB_Click();
    void mnusortedyes_Click();
    void mnusortedno_Click();
    void mnuWider_Click();
    void mnuNarrower_Click();
    void Command3_Click();  // Show
    void Command5_Click();  // All
    void Command2_Click();  // Clear
    void Command4_Click();  // Info
    void Command1_Click();  // Close
    void MSChart1_PointSelected(int dataPoint);
    void closeBox() override;

    int scalestep() const { return scalestep_; }

    QMenuBar* menuBar;
    QMenu* mnsorted;
    QAction* mnusortedyes;
    QAction* mnusortedno;
    QAction* mnuLM;
    QAction* mnuTSB;
    QAction* mnuBoth;
    QMenu* mnuScale;
    QAction* mnuWider;
    QAction* mnuNarrower;

    QGroupBox* Frame1;
    QLabel* Label2;
    QLineEdit* Text2;  // the last N draws
    QPushButton* Command3;
    QPushButton* Command5;
    QPushButton* Command2;
    QLineEdit* Text1;  // a ball for Info
    QPushButton* Command4;
    QPushButton* Command1;
    platform::BarChart* MSChart1;
    QLabel* Label1;

private:
    // One chart over the draws that `uselast` and `lastdraws` name; false when it failed (the
    // window is then closed, or closes at the end of its load).
    bool chart(drawstats::Chart kind, qint16 mode, const QString& ending, bool uselast,
               qint64& lastdraws);
    void redraw();
    void runMenu(drawstats::Chart kind, qint16 mode, const QString& ending);
    void scaleTo(int step);
    void openBall(int ball, const QString& caption);
    bool sorted() const { return mnusortedyes->isChecked(); }

    int scalestep_ = 1;
    bool usealldraws_ = false;
    bool loading_ = false;
    bool loadfailed_ = false;
    std::array<drawstats::BallCount, 66> sorttable_{};
};
