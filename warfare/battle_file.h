#pragma once
// The battle file of a mail turn: each field battle fought while a turn is
// played to be sent adds a block that the receiving player's replay reads line
// by line, so its layout is fixed: the opening lines when the battle is set
// up, the result lines when its results are shown.
#include "warfare/battle_views.h"

// Opens the battle's block and counts the battle; nothing outside mail play.
void WriteBattleOpening(const BattleForm& form);

// Closes the battle's block with its results; nothing outside mail play.
void RecordBattleResult(const BattleResults& results);
