#pragma once
// Entry-file maintenance: every entry file of the data folder, its entries, and deleting a file
// no longer wanted (never the one open in the main window).
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/windownames.h"
#include "platform/filelists.h"
#include "platform/form.h"

class Form8 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form8;

    explicit Form8(QWidget* parent = nullptr);

    void Form_Load() override;
    void File1_Click();
    void viewandcreate();
    void Command3_Click();  // Delete
    void Command1_Click();  // Close
    void closeBox() override;

    platform::FileListBox* File1;
    QListWidget* List2;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Command3;
    QPushButton* Command1;
};
