#pragma once
// Main-window tests: game slots written into the temporary data folder, and the main window
// started through the window model as the program starts it.
#include <initializer_list>

#include "app/Form1.h"
#include "shared/gamerecord.h"
#include "support/kestrovatest.h"

class MainWindowTest : public KestrovaTest {
protected:
    void SetUp() override;

    // A game: `balls` main balls from 1..pool; extra from its own pool `bonus` (0 = none).
    static GameRecord game(const QString& name, int balls, int pool, int bonus = 0,
                           const QString& id = QStringLiteral("PB"));
    void writeGame(int slot, const GameRecord& record);
    // Registers the windows, loads the main window (running its start-up) and shows it.
    Form1& start();
    // The boxes that name a damaged results history or entry file of the data folder.
    QString damagedHistoryBox(const QString& name) const;
    QString damagedEntryFileBox(const QString& name) const;
    // Draw records for a results file, written with their dates and ordinals.
    QByteArray draws(std::initializer_list<QByteArray> records) const;
};
