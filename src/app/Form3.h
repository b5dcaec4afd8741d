#pragma once
// The draw history window: every draw of the current game, one fixed-column line each; a
// double-click shows that draw in the main window.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/windownames.h"
#include "platform/form.h"

class Form3 : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::Form3;

    explicit Form3(QWidget* parent = nullptr);

    void Form_Load() override;
    void List1_DblClick();
    void Command2_Click();  // Print List
    void Command1_Click();  // Close
    void closeBox() override;

    QListWidget* List1;
    QLabel* Label1;
    QPushButton* Command2;
    QPushButton* Command1;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void sizeToGame();
};
