#include "warfare/field_battle.h"

#include "warfare/battle_intensity.h"
#include "warfare/battle_results.h"
#include "warfare/battle_setup.h"
#include "warfare/land_combat.h"
#include "world/codes.h"

void FightFieldBattle() {
  BattleContext ctx;
  const BattleForm form = SetUpBattle(ctx);
  BattleView().ShowBattle(form);
  for (int side = 1; side <= kSideCount; ++side)
    if (form.choosesIntensity[side - 1])
      ctx.Intensity(side) = static_cast<std::uint16_t>(ShowIntensityDialog(ctx, side));
  FightBattle(ctx);
  ShowBattleResults(ctx);
}
