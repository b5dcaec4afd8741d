#pragma once
// Loading downloaded result files: the player shows the folder holding the files fetched by
// hand ("XWQ*.rtl"); OK checks each and puts the valid ones in place of the games' histories,
// and says what became of each.
#include <QLabel>
#include <QPushButton>

#include "app/windownames.h"
#include "platform/filelists.h"
#include "platform/form.h"

class Form10 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form10;

    explicit Form10(QWidget* parent = nullptr);

    void Form_Load() override;
    void closeBox() override;

    void Drive1_Change();
    void Dir1_Change();
    void Command1_Click();  // OK
    void Command2_Click();  // Cancel

    // The folder Dir1 shows, and showing another one (as the player's click does).
    QString folder() const;
    void showFolder(const QString& path);

    platform::DriveListBox* Drive1;
    platform::DirListBox* Dir1;
    platform::FileListBox* File1;
    QLabel* Label1;
    QPushButton* Command1;
    QPushButton* Command2;
};
