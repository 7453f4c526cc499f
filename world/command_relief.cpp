#include "world/command_relief.h"

#include <algorithm>

#include "world/random.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {
constexpr int kReliefDraw = 10;
}  // namespace

int ReliefCost(int modifier, int weight) { return Random(kReliefDraw) + weight * modifier; }

int DissolutionCost(int modifier) { return std::max(ReliefCost(modifier, 1), 0); }

void ChargeWarScore(int nation, int cost) {
  if (!IsEntryOf(GameState.Nations, nation)) return;
  AddSaturated(GameState.Nations[nation].WarScore, -static_cast<std::int64_t>(cost));
}
