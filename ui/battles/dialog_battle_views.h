#pragma once
// The battle views of the game's window: each question of the battle rules
// answered through its dialog, modally, over whatever is up.
#include <memory>

#include "ui/battles/assault_form.h"
#include "warfare/battle_views.h"

class DialogBattleViews : public BattleViews {
 public:
  DialogBattleViews();
  ~DialogBattleViews() override;

  void ShowBattle(const BattleForm& form, BattleControls& controls) override;
  int ChooseIntensity(const IntensityView& view) override;
  int ChooseLeader(const LeaderChoiceView& view) override;
  void ShowResults(const BattleResults& results) override;
  void ShowAssault(const AssaultForm& form) override;
  void ShowNavalCombat(const NavalCombatView& view) override;

 private:
  // One assault form from its opening to its OK, across the rules' steps.
  std::unique_ptr<TFortAssault> assault_;
};
