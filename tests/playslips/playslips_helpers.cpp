#include "playslips_helpers.h"

#include "app/Form1.h"
#include "app/appwindows.h"
#include "platform/webservers.h"
#include "platform/windows.h"
#include "playslips/playslipswindows.h"
#include "shared/module1.h"

void PlayslipTest::SetUp() {
    KestrovaTest::SetUp();
    registerAppWindows();
    registerPlayslipsWindows();
    // The main window's start-up sets the data folder; the test sets the game after it.
    platform::Windows::get<Form1>(Form1::kName);
    m1().datapath = dataPath();
    m1().printeravailable = true;
    setGame(QStringLiteral("Lotto"), 49, 10);
}

void PlayslipTest::setGame(const QString& name, int mainpool, int bonuspool) {
    Module1& m = m1();
    m.gamename = name;
    m.configgamename = name;
    m.mainpool = static_cast<qint16>(mainpool);
    m.bonuspool = static_cast<qint16>(bonuspool);
    m.extraballname = QStringLiteral("Bonus Ball");
}

QString PlayslipTest::m1GameName() {
    return m1().gamename;
}

PrintManager& PlayslipTest::openPrintManager(const QString& servers) {
    if (!servers.isEmpty()) {
        platform::setWebServers({servers, servers, servers});
    }
    platform::Windows::get<Form1>(Form1::kName)->mnuTicketPrinting_Click();
    return *platform::Windows::live<PrintManager>(PrintManager::kName);
}

configure& PlayslipTest::open() {
    platform::Windows::get<Form1>(Form1::kName)->setEnabled(false);
    platform::Windows::show(windownames::PrintManager)->setEnabled(false);
    auto* window = dynamic_cast<configure*>(platform::Windows::show(configure::kName));
    if (window == nullptr) {
        qFatal("the settings window is not registered");
    }
    return *window;
}
