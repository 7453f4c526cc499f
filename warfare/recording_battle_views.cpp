#include "warfare/recording_battle_views.h"

void RecordingBattleViews::ScriptIntensities(std::initializer_list<int> levels) {
  intensities_.insert(intensities_.end(), levels);
}

void RecordingBattleViews::ScriptLeaderLines(std::initializer_list<int> lines) {
  leader_lines_.insert(leader_lines_.end(), lines);
}

void RecordingBattleViews::Forget() {
  *this = RecordingBattleViews{};
}

void RecordingBattleViews::ShowBattle(const BattleForm& form, BattleControls& controls) {
  forms_.push_back(form);
  for (int side = 1; side <= 2; ++side)
    if (form.choosesIntensity[side - 1]) controls.SetIntensity(side);
  controls.Execute();
}

int RecordingBattleViews::ChooseIntensity(const IntensityView& view) {
  intensity_views_.push_back(view);
  return Next(intensities_, 1);
}

int RecordingBattleViews::ChooseLeader(const LeaderChoiceView& view) {
  leader_views_.push_back(view);
  return Next(leader_lines_, view.leaders.empty() ? 0 : 1);
}

void RecordingBattleViews::ShowResults(const BattleResults& results) {
  results_.push_back(results);
}

void RecordingBattleViews::ShowAssault(const AssaultForm& form) {
  assault_forms_.push_back(form);
}

void RecordingBattleViews::ShowNavalCombat(const NavalCombatView& view) {
  naval_combats_.push_back(view);
}

int RecordingBattleViews::Next(std::deque<int>& script, int fallback) {
  if (script.empty()) return fallback;
  const int answer = script.front();
  script.pop_front();
  return answer;
}
