#pragma once
// How hard a human side means to fight: it sees its own corps on the battle
// hex exactly and the enemy's as far as its cavalry can scout, and chooses
// among the intensities its commander is good enough to order.
#include <array>

#include "warfare/battle_context.h"
#include "warfare/battle_views.h"

// Which of the levels 1..5 (entries 0..4) a commander may order; with no
// commander only a skirmish.
std::array<bool, 5> OfferedIntensities(int leader);

// The side's cavalry strength on the battle hex less the enemy's.
int ScoutingValue(const BattleContext& ctx, int side);

// The dialog of the side, its commander given by ctx.
IntensityView BuildIntensityView(const BattleContext& ctx, int side);

// Asks the side and returns the level chosen, also left in EventMessage.Choice;
// 1 when the answer is no level on offer.
int ShowIntensityDialog(const BattleContext& ctx, int side);
