#pragma once
// Settling a corps after a field battle: the hits it took become disorder,
// which its works, its own cities, its nation's leadership, cavalry speed and
// bold commanders reduce; readiness and fatigue are charged, the brigades
// recounted, and the commanders answer for the disorder.
#include "warfare/battle_context.h"

// Whether the corps' side won the battle (TGameState.BattleOutcome 2 or 3).
bool SideWon(const TCorps& corps);

void ApplyBattleAftermath(const BattleContext& ctx, int corps);
