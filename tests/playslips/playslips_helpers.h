#pragma once
// Playslip window tests: the windows registered, a game loaded as the main window leaves it, and
// the settings window opened as the print manager's Edit Configuration opens it.
#include "playslips/PrintManager.h"
#include "playslips/configure.h"
#include "slipbytes.h"
#include "support/kestrovatest.h"

class PlayslipTest : public KestrovaTest {
protected:
    void SetUp() override;

    // The game "Lotto": 49 main balls, an extra pool of 10 named "Bonus Ball".
    void setGame(const QString& name, int mainpool, int bonuspool);
    // Opens the print manager from the main window's menu, every server pointed at `servers`
    // when given.
    PrintManager& openPrintManager(const QString& servers = {});
    // Opens the settings window from the print manager, which is left disabled behind it.
    configure& open();
    // The settings file of the game.
    QString slipFile() const { return m1GameName() + QStringLiteral(".dat"); }
    static QString m1GameName();
};
