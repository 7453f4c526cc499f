#include "warfare/leader_replacement.h"

#include <cstdint>

#include "world/brigade_rules.h"
#include "world/corps_command.h"
#include "world/force_slots.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kPromotionModifierCost = 10;
// A player is asked again when he leaves a list of candidates without a
// choice, but not for ever.
constexpr int kMostAsks = 3;

int RequiredClass(const TCorps& corps) {
  if (corps.Kind == TCorpsKind::CavalryDivision) return TLeaderClass::Cavalry;
  if (corps.Kind == TCorpsKind::InfantryDivision) return TLeaderClass::Divisional;
  return TLeaderClass::Corps;
}

// Text 580 marks a candidate below the class wanted, 581 one of it, 582 one above.
std::string ClassMark(int rank, int wanted) {
  if (rank < wanted) return TextLine(580);
  return TextLine(rank == wanted ? 581 : 582);
}

void AddCandidate(LeaderChoiceView& view, int leader) {
  const int rank = GameState.Leaders[leader].Rank;
  view.lines.push_back(LeaderName(leader) + ClassMark(rank, view.requiredClass));
  view.leaders.push_back(leader);
}

// Asks for a successor until one is chosen; the choice made active and
// promoted to the class wanted.
int ChooseAndPromote(const LeaderChoiceView& view) {
  int chosen = 0;
  for (int ask = 0; ask < kMostAsks && chosen == 0; ++ask) {
    const int line = BattleView().ChooseLeader(view);
    if (line >= 1 && line <= static_cast<int>(view.leaders.size())) chosen = view.leaders[line - 1];
    if (view.leaders.empty()) break;
  }
  if (chosen == 0) return 0;
  TLeader& leader = GameState.Leaders[chosen];
  leader.Status = TLeaderStatus::InCommand;
  if (leader.Rank < view.requiredClass) {
    leader.Rank = static_cast<std::uint8_t>(view.requiredClass);
    AddSaturated(leader.Modifier, -kPromotionModifierCost);
    leader.Initiative = static_cast<std::uint8_t>(leader.Initiative * 4 / 5);
    leader.Combat = static_cast<std::uint8_t>(leader.Combat * 4 / 5);
  }
  return chosen;
}

struct RatingBands {
  std::uint8_t TLeader::*rating;
  int hiddenBelowExperience;
  int hiddenText;
  // Texts from the lowest band up, and the least rating of each band above.
  std::array<int, 5> texts;
  std::array<int, 4> bandStarts;
  int bands;
};

constexpr RatingBands kBands[] = {
    {&TLeader::Combat, 4, 558, {553, 554, 555, 556, 557}, {21, 31, 40, 50}, 5},
    {&TLeader::Initiative, 10, 563, {559, 560, 561, 562, 0}, {4, 6, 8, 0}, 4},
    {&TLeader::Inspiration, 6, 548, {545, 546, 547, 0, 0}, {21, 40, 0, 0}, 3},
    {&TLeader::Aggression, 8, 552, {549, 550, 551, 0, 0}, {21, 40, 0, 0}, 3},
};

int BandText(const RatingBands& bands, const TLeader& leader) {
  if (GameState.ShowLeaderRatings == 0 && leader.Experience < bands.hiddenBelowExperience)
    return bands.hiddenText;
  int band = 0;
  while (band + 1 < bands.bands && leader.*bands.rating >= bands.bandStarts[band]) ++band;
  return bands.texts[band];
}

}  // namespace

// Only an available leader may take a command.
bool IsFreeSuccessor(int leader, int nation, int fallen) {
  const TLeader* record = LeaderRecord(leader);
  return record != nullptr && leader != fallen && record->Side == CampOfNation(nation) &&
         record->Status == TLeaderStatus::Available;
}

bool HasFreeSuccessor(int nation, int fallen) {
  for (int l = 1; l <= GameState.Leaders.Count; ++l)
    if (IsFreeSuccessor(l, nation, fallen)) return true;
  return false;
}

LeaderChoiceView CorpsSuccessorChoice(int corps) {
  const TCorps& formation = GameState.Corps[corps];
  LeaderChoiceView view;
  view.requiredClass = RequiredClass(formation);
  for (int l = 1; l <= GameState.Leaders.Count; ++l)
    if (IsFreeSuccessor(l, formation.Nation, formation.Leader)) AddCandidate(view, l);
  return view;
}

LeaderChoiceView ArmySuccessorChoice(int army) {
  const TArmy& formation = GameState.Armies[army];
  LeaderChoiceView view;
  view.requiredClass = TLeaderClass::Army;
  for (int l = 1; l <= GameState.Leaders.Count; ++l) {
    if (IsFreeSuccessor(l, formation.Nation, formation.Leader) &&
        GameState.Leaders[l].Rank >= TLeaderClass::Corps)
      AddCandidate(view, l);
  }
  return view;
}

int ReplaceCorpsLeader(int corps) {
  return ChooseAndPromote(CorpsSuccessorChoice(corps));
}

int ReplaceArmyLeader(int army) {
  const LeaderChoiceView view = ArmySuccessorChoice(army);
  return view.leaders.empty() ? 0 : ChooseAndPromote(view);
}

std::array<std::string, 4> RatingWords(int leader) {
  std::array<std::string, 4> words;
  const TLeader* record = LeaderRecord(leader);
  if (record == nullptr) return words;
  for (std::size_t r = 0; r < words.size(); ++r) words[r] = TextLine(BandText(kBands[r], *record));
  return words;
}
