#pragma once
// The analysis of the field battle just fought: each side's factors as the
// land combat left them, the enemy casualties they promised, the losses the
// enemy took, and the sides' mean readiness before and after.
#include <array>
#include <cstdint>

#include "warfare/battle_context.h"
#include "warfare/battle_views.h"

// One side's column of BattleFactors, row by row (TBattleFactor).
using SideFactors = std::array<std::int64_t, TBattleFactor::Rows>;

// The enemy casualties a side's factors promise.
std::int64_t ExpectedEnemyCasualties(const SideFactors& factors);

// What the battle's intensity and friction weigh for the side.
std::int64_t IntensityWeight(const SideFactors& factors, int battleIntensity);

// The analysis of the battle; also leaves each side's mean readiness after
// it in BattleReadiness1/BattleReadiness2.
BattleAnalysis AnalyseBattle(const BattleContext& ctx);
