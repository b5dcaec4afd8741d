#pragma once
// The rules of a game definition and the saving of one game slot, apart from the window that
// edits them.
#include <array>

#include <QString>
#include <QStringList>

#include "shared/gamerecord.h"

// Where the extra ball comes from, as the three options of the definition offer it; the values
// are the ones stored in bonusfrommain.
enum class BonusSource { OwnPool = 0, MainPool = 1, NotUsed = 2 };

// The definition as typed: the number boxes hold text, read by their leading number.
struct GameDefinitionInput {
    QString name;
    QString ballsdrawn;
    QString bonusdrawn;
    QString mainpool;
    QString bonuspool;
    QString mainperentry;
    QString bonusperentry;
    BonusSource source = BonusSource::NotUsed;
};

enum class ExtraBallId { EB, BB, PB, MB, Other };

struct PreferencesInput {
    bool redMainBalls = false;
    ExtraBallId id = ExtraBallId::BB;
    QString otherId;    // used with ExtraBallId::Other only
    QString otherName;  // used with ExtraBallId::Other only
};

// The message of the first rule the definition breaks, or an empty text.
QString definitionError(const GameDefinitionInput& in);
// The message when the name would share files with another slot's game or with the program's
// own data files, or an empty text. `slot` is the slot being defined (1..5).
QString nameConflictError(const QString& datapath, int slot, const QString& name);
// The message when the preferences cannot be stored, or an empty text.
QString preferencesError(const PreferencesInput& in);

void applyDefinition(GameRecord& record, const GameDefinitionInput& in);
void applyPreferences(GameRecord& record, const PreferencesInput& in);

// The existing files that belong to the game alone: its results history, its dated entry files,
// its wheel entry files and its standing entry file (full paths); none for a name that is not
// letters and digits.
QStringList ownGameFiles(const QString& datapath, const QString& gamename);

// The slot number of a slot file name ("game3.dat", blank-padded or not), 0 for another name.
int slotNumber(const QString& gamefile);

// One slot file being edited: every save reads its record, changes its own fields and writes the
// record back whole. Refusals and failures are told to the player; each save answers whether it
// stored anything.
class GameDefinition {
public:
    GameDefinition(QString datapath, QString gamefile);

    // The record as it stood when the slot was opened.
    const GameRecord& loaded() const { return loaded_; }
    bool existinggame() const { return existinggame_; }
    const QString& oldgamename() const { return oldgamename_; }

    bool saveDefinition(const GameDefinitionInput& definition, const PreferencesInput& preferences);
    bool saveLevels(const std::array<bool, 15>& levels);
    bool saveDays(const std::array<bool, 7>& days);
    bool savePreferences(const PreferencesInput& preferences);

private:
    QString path() const;
    bool write(const GameRecord& record);

    QString datapath_;
    QString gamefile_;
    GameRecord loaded_;
    bool existinggame_ = false;
    QString oldgamename_;
};
