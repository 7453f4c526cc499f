#include "warfare/field_battle.h"

#include <cstdint>

#include "warfare/battle_intensity.h"
#include "warfare/battle_results.h"
#include "warfare/battle_setup.h"
#include "warfare/land_combat.h"

namespace {

class FieldBattleControls : public BattleControls {
 public:
  explicit FieldBattleControls(BattleContext& ctx) : ctx_(ctx) {}

  void SetIntensity(int side) override {
    ctx_.Intensity(side) = static_cast<std::uint16_t>(ShowIntensityDialog(ctx_, side));
  }
  void Execute() override {
    FightBattle(ctx_);
    ShowBattleResults(ctx_);
  }

 private:
  BattleContext& ctx_;
};

}  // namespace

void FightFieldBattle() {
  BattleContext ctx;
  const BattleForm form = SetUpBattle(ctx);
  FieldBattleControls controls(ctx);
  BattleView().ShowBattle(form, controls);
}
