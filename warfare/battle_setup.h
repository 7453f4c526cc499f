#pragma once
// Preparing one field battle on the hex TGameState.BattleX/BattleY, whose
// corps the dispatcher has marked engaged: the place, the terrain and the
// weather, each side's commander, the battle factor table, the corps' start
// records and the computer sides' intensities.
#include "warfare/battle_context.h"
#include "warfare/battle_views.h"

// Sets up the battle into ctx and returns the form the players see.
BattleForm SetUpBattle(BattleContext& ctx);

// The intensity a commander of this initiative imposes for a side that does
// not choose, given its own and the enemy's engaged brigades.
int ComputerIntensity(int side, int initiative, int ownBrigades, int enemyBrigades);

// Execute may be pressed exactly when both sides' intensities are set.
bool ExecuteEnabled(const BattleContext& ctx);
