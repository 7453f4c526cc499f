#pragma once
// The battle views of tests and of the headless turn runner: they keep every
// form and question in order and answer from a script, or else by a stated
// default: intensity 1 (the dialog's checked level) and the first candidate of
// a leader list. A battle form asks each choosing side in turn, then executes.
// They draw no random numbers, so a battle answered here makes the same draws
// as one answered through the dialogs.
#include <deque>
#include <initializer_list>
#include <vector>

#include "warfare/battle_views.h"

class RecordingBattleViews : public BattleViews {
 public:
  // Answers for the next intensity questions and leader lists, in order.
  void ScriptIntensities(std::initializer_list<int> levels);
  void ScriptLeaderLines(std::initializer_list<int> lines);
  // Forgets what was recorded and scripted.
  void Forget();

  const std::vector<BattleForm>& Forms() const { return forms_; }
  const std::vector<IntensityView>& IntensityViews() const { return intensity_views_; }
  const std::vector<LeaderChoiceView>& LeaderViews() const { return leader_views_; }
  const std::vector<BattleResults>& Results() const { return results_; }
  // Each showing of an assault form: one when it opens, one after each step.
  const std::vector<AssaultForm>& AssaultForms() const { return assault_forms_; }
  const std::vector<NavalCombatView>& NavalCombats() const { return naval_combats_; }

  void ShowBattle(const BattleForm& form, BattleControls& controls) override;
  int ChooseIntensity(const IntensityView& view) override;
  int ChooseLeader(const LeaderChoiceView& view) override;
  void ShowResults(const BattleResults& results) override;
  void ShowAssault(const AssaultForm& form) override;
  void ShowNavalCombat(const NavalCombatView& view) override;

 private:
  static int Next(std::deque<int>& script, int fallback);

  std::deque<int> intensities_;
  std::deque<int> leader_lines_;
  std::vector<BattleForm> forms_;
  std::vector<IntensityView> intensity_views_;
  std::vector<LeaderChoiceView> leader_views_;
  std::vector<BattleResults> results_;
  std::vector<AssaultForm> assault_forms_;
  std::vector<NavalCombatView> naval_combats_;
};
