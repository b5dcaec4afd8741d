#pragma once
// The text import: a text file of entries, chosen with drive, folder and file lists, is shown,
// checked whole, and written as the dated entry file of the picked date when that has none.
#include <vector>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/windownames.h"
#include "entries/logic/textimport.h"
#include "platform/datepicker.h"
#include "platform/filelists.h"
#include "platform/form.h"

class Form30 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form30;

    explicit Form30(QWidget* parent = nullptr);

    void Form_Load() override;
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void DTPicker1_Change();
    void Command3_Click();  // Import
    void Command1_Click();  // Close
    void closeBox() override;

    // Shows the chosen file's lines.
    void view();
    // Checks the chosen file and the picked date; on Ok importentryfile is set and the entries
    // are ready to write.
    ImportCode validate();

    platform::DriveListBox* Drive1;
    platform::DirListBox* Dir1;
    platform::FileListBox* File1;
    QLabel* Label2;  // Select File
    QListWidget* List2;
    QLabel* Label1;  // File Contents
    platform::DTPicker* DTPicker1;
    QLabel* Label3;  // Select Entry Date
    QPushButton* Command3;
    QPushButton* Command1;

    QString importfile;
    QString importentryfile;

private:
    std::vector<ImportEntry> entries_;  // what the last successful validate read
};
