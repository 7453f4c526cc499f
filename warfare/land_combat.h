#pragma once
// The fight of a field battle that has been set up and whose intensities are
// chosen: who holds the initiative, the pairings of corps and their brigade
// duels, the outcome, and what winning or losing means to every corps.
#include "warfare/battle_context.h"

// Decides InitiativeSide and the battle's intensity.
void DecideInitiative(BattleContext& ctx);

// Turns the set-up's sums into the means the battle is fought with.
void FinishBattleFactors(const BattleContext& ctx);

// After a pairing: the corps' commander may grow on a draw below its fire in
// bound, in his men's trust and in initiative, and with him the corps'
// initiative and its army commander's.
void LeaderGrowth(int corps, int bound, int fire);

// Fights the battle, up to and including every corps' aftermath.
void FightBattle(BattleContext& ctx);

// Decides TGameState.BattleOutcome from the losses and the readiness left,
// and lets a battle too small or fought as a skirmish decide nothing.
void DecideOutcome(const BattleContext& ctx);

// The outcome the loss percentages of each side decide on ground of this
// owner: 2 side 1 won, 3 side 2 won, 0 nothing decided.
int OutcomeFromLosses(int owner, int unionLoss, int confedLoss);
