#pragma once
// The entry filter: marks entries of the file open in the main window whose total lies outside
// a band around the middle, or that share many numbers with an earlier entry; the player may
// change the marks, print the list and remove the marked entries from the file.
#include <array>
#include <cstdint>
#include <vector>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "app/windownames.h"
#include "platform/form.h"
#include "shared/drawrecord.h"

class Form12 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form12;

    explicit Form12(QWidget* parent = nullptr);

    void Form_Load() override;
    void Command1_Click();  // Check
    void List1_ItemCheck(int item);
    void Command2_Click();  // Remove Checked Items From Entry
    void Command4_Click();  // Print
    void Command3_Click();  // Close
    void closeBox() override;

    // Copies the open entry file to the work copy "temp.lot"; false (after saying so) when the
    // copy could not be written.
    bool setupfile();

    QGroupBox* Frame1;  // Filter Selection
    QGroupBox* Frame4;  // Sum Filter
    QCheckBox* Check1;
    QSlider* Slider1;
    QGroupBox* Frame2;  // Duplicate Coverage Filter
    QCheckBox* Check2;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QProgressBar* ProgressBar1;
    QPushButton* Command1;
    QGroupBox* Frame3;  // Filtered Entries
    QGroupBox* Frame5;  // Entry Totals
    QLineEdit* Text1;   // Total Entries
    QLineEdit* Text2;   // Checked
    QLineEdit* Text3;   // Resulting No.
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* Command4;
    QListWidget* List1;
    QPushButton* Command2;
    QPushButton* Command3;

    QString tempfile;
    int checkedcount = 0;
    bool listfilled = false;
    // Element r - 1 is 1 when entry r of the copy is marked for deletion.
    std::vector<std::uint8_t> checkflags;

private:
    int threshold() const;
    // Lists every entry of the copy with its mark.
    void listEntries();

    DrawImage copy_;  // the work copy as written to "temp.lot"
};
