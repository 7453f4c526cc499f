#pragma once
// The end of every field battle: its consequences for the nations (foreign
// attitudes, captured weapons, military points), the results the players are
// shown, and the block of the battle file that records them.
#include <string>

#include "warfare/battle_context.h"
#include "warfare/battle_views.h"

// The result line: no winner, or which side won (TGameState.BattleOutcome).
std::string BattleOutcomeText();

// The results of the battle just fought, as the results form shows them.
BattleResults CollectBattleResults(const BattleContext& ctx);

// Books the consequences, records and shows the results.
void ShowBattleResults(const BattleContext& ctx);
