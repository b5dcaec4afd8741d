#pragma once
// A game slot's record read into the module state, and the rule for the game's name. The name
// becomes part of every file name of the game, so a slot whose stored name the definition
// window would refuse (damaged, or "..\x" leading out of the data folder) counts as undefined.
#include <QString>

#include "shared/gamerecord.h"

struct Module1;

// The message of the name rule the text breaks (blanks around it removed first), or an empty
// text: a name is one to twelve letters and digits.
QString gameNameError(const QString& name);

// Start-up names a slot by its pool, loading takes it by its ball count; every slot the
// definition window writes passes both. Either way a damaged name or a ball count beyond what
// the definition window allows makes the slot undefined.
bool slotNamesAGame(const GameRecord& slot);
bool slotHoldsAGame(const GameRecord& slot);

// Copies a defined slot into the game fields of the module state; false, with nothing changed,
// for an undefined one.
bool loadGame(const GameRecord& slot, Module1& m);
