#pragma once
// The optimiser: counts which main numbers were drawn together over the last N draws, then
// builds for a date one entry per starting number by following the strongest pairs, appended to
// that date's entry file. The main window stays usable while it is open.
#include <memory>
#include <optional>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/windownames.h"
#include "entries/logic/optimiser.h"
#include "platform/datepicker.h"
#include "platform/form.h"

class LinkProcess : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::LinkProcess;

    explicit LinkProcess(QWidget* parent = nullptr);
    ~LinkProcess() override;

    void Form_Load() override;
    // The partner of `row` drawn most often with it, ex1..ex6 excluded (0 excludes nothing).
    int GetBestFor(int row, int ex1, int ex2, int ex3, int ex4, int ex5, int ex6) const;
    void Command1_Click();  // Process Range
    void Command2_Click();  // Create Entries for Selected Date
    void Command3_Click();  // Close
    void Text1_Change();
    void closeBox() override;

    QGroupBox* Frame1;
    QLabel* Label2;
    QLineEdit* Text1;  // N, the last draws to process
    QLabel* Label3;
    QPushButton* Command1;
    QLabel* Label1;
    platform::DTPicker* DTPicker1;
    QPushButton* Command2;
    QPushButton* Command3;

private:
    // The game as the module holds it now; the tables belong to the game they were counted for.
    static optimiser::Game currentGame();

    std::unique_ptr<optimiser::PairCounts> counts_;
    optimiser::Game processedGame_;
    QString processedName_;
};
