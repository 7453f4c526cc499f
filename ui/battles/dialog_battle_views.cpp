#include "ui/battles/dialog_battle_views.h"

#include "platform/forms/screen.h"
#include "ui/battles/battle_form.h"
#include "ui/battles/intensity_dialog.h"
#include "ui/battles/leader_casualty.h"
#include "ui/battles/naval_combat_form.h"
#include "ui/battles/results_form.h"

namespace {

// Whatever cursor the rules left up, a dialog waits on the player with the arrow.
template <class Dialog>
Dialog& ShowWithArrow(Dialog& dialog) {
  Screen.SetCursor(crDefault);
  dialog.ShowModal();
  return dialog;
}

}  // namespace

DialogBattleViews::DialogBattleViews() = default;
DialogBattleViews::~DialogBattleViews() = default;

void DialogBattleViews::ShowBattle(const BattleForm& form, BattleControls& controls) {
  Tquickrez battle(form, controls);
  ShowWithArrow(battle);
}

int DialogBattleViews::ChooseIntensity(const IntensityView& view) {
  TBtl_Intensity dialog(view);
  return ShowWithArrow(dialog).Choice();
}

int DialogBattleViews::ChooseLeader(const LeaderChoiceView& view) {
  TLdr_Dead dialog(view);
  return ShowWithArrow(dialog).ChosenLine();
}

void DialogBattleViews::ShowResults(const BattleResults& results) {
  TResolv dialog(results);
  ShowWithArrow(dialog);
}

void DialogBattleViews::ShowAssault(const AssaultForm& form) {
  if (!assault_) assault_ = std::make_unique<TFortAssault>();
  assault_->Show(form);
  ShowWithArrow(*assault_);
  if (form.over) assault_.reset();
}

void DialogBattleViews::ShowNavalCombat(const NavalCombatView& view) {
  TFleetCbt dialog(view);
  ShowWithArrow(dialog);
}
