#pragma once
// Brigade against brigade: which brigade of a corps fights, how many hits its
// fire scores, and what the hits cost the brigade, its corps and its leaders.
#include "warfare/battle_context.h"

// PickBrigade modes.
inline constexpr int kPickArtillery = 1;
inline constexpr int kPickLine = 2;

// A brigade of the corps, of n brigades counted: the strongest artillery, or
// the k-th infantry or cavalry brigade for a drawn k (0 counts as n); 0 when
// none is picked.
int PickBrigade(int mode, int corps, int n);

// The first brigade engages the second with the given fire values of their
// sides. A line brigade is fired on first; artillery fires alone, and only now
// and then.
void BrigadeDuel(BattleContext& ctx, int first, int second, int firstValue, int secondValue);

// The hits of so many attempts at this fire; at least 1.
int CountHits(const BattleContext& ctx, int attempts, int fire);

// Lands the hits on the brigade of the corps and returns the losses.
int ApplyHits(BattleContext& ctx, int corps, int hits, int brigade);
