#pragma once
// The print manager until it is built: it says so, and keeps the one way into the playslip
// settings window, its Edit Configuration menu.
#include <QAction>
#include <QMenuBar>

#include "app/placeholderform.h"

class PrintManagerStandIn : public PlaceholderForm {
    Q_OBJECT
public:
    PrintManagerStandIn();

    void mnuEditConfig_Click();

    QMenuBar* menuBar;
    QAction* mnuEditConfig;
};
