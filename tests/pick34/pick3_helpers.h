#pragma once
// Pick window tests: the windows registered, a data folder and date order set as the main window
// leaves them, and the Pick window opened as the main window's Pick menu items open it.
#include <initializer_list>

#include "pick34/Pick3.h"
#include "pickbytes.h"
#include "support/kestrovatest.h"

class Pick3Test : public KestrovaTest {
protected:
    void SetUp() override;

    // Opens the Pick window for game 3 or 4 with the main window disabled behind it.
    Pick3& open(int game);
    // Entry records with these digits, the first carrying the count.
    static QByteArray entries(std::initializer_list<std::initializer_list<int>> digits);
    // Selects the list rows given.
    static void select(QListWidget& list, std::initializer_list<int> rows);
};
