#pragma once
// The draw history of the Pick window's results file, one line per draw, filled once at loading.
// The Pick window stays enabled beside it and closes it when it closes itself.
#include <QListWidget>
#include <QPushButton>

#include "app/windownames.h"
#include "platform/form.h"

class p34history : public platform::Form {
    Q_OBJECT
public:
    static inline const QString kName = windownames::p34history;

    explicit p34history(QWidget* parent = nullptr);

    void Form_Load() override;
    void Command1_Click();  // Close
    void closeBox() override;

    QListWidget* List1;
    QPushButton* Command1;
};
