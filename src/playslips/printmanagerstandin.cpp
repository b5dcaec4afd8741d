#include "playslips/printmanagerstandin.h"

#include <QLayout>

#include "app/windownames.h"
#include "platform/windows.h"
#include "shared/module1.h"

PrintManagerStandIn::PrintManagerStandIn()
    : PlaceholderForm(windownames::PrintManager, QStringLiteral("Playslip Printing Manager")) {
    setWindowTitle(QStringLiteral("Playslip Printing Manager for ") + m1().configgamename);
    menuBar = platform::named(new QMenuBar(this), "menuBar");
    mnuEditConfig = menuBar->addAction(QStringLiteral("Edit Configuration"));
    mnuEditConfig->setObjectName(QStringLiteral("mnuEditConfig"));
    layout()->setMenuBar(menuBar);
    connect(mnuEditConfig, &QAction::triggered, this, &PrintManagerStandIn::mnuEditConfig_Click);
}

void PrintManagerStandIn::mnuEditConfig_Click() {
    setEnabled(false);
    platform::Windows::show(windownames::configure);
}
