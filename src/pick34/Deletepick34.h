#pragma once
// Looking at any Pick entry file of the data folder and deleting it, except the one the Pick
// window lists; the Pick window stays disabled until this window closes.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/windownames.h"
#include "platform/filelists.h"
#include "platform/form.h"

class Deletepick34 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Deletepick34;

    explicit Deletepick34(QWidget* parent = nullptr);

    void Form_Load() override;
    void File1_Click();
    void viewandcreate();
    void Command3_Click();  // Delete
    void Command1_Click();  // Close
    void closeBox() override;

    // The file list box of the data folder.
    platform::FileListBox* File1;
    QLabel* Label2;  // Contents/Entries
    QListWidget* List2;
    QLabel* Label1;
    QPushButton* Command3;
    QPushButton* Command1;

    // The path of the file last clicked.
    const QString& keptpath() const { return keptpath_; }

private:
    void refreshFiles();

    QString keptpath_;
};
