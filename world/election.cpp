#include "world/election.h"

#include <algorithm>
#include <array>

#include "world/codes.h"
#include "world/political_turn.h"
#include "world/random.h"
#include "world/saturating.h"
#include "world/vardecl.h"

namespace {

// The Union and border states of the election map.
constexpr std::array<ElectionFillPoint, 22> kFillPoints = {{
    {1, {76, 94}},    {2, {57, 190}},   {3, {340, 102}},  {4, {357, 144}},  {5, {390, 113}},
    {6, {400, 170}},  {7, {445, 120}},  {8, {435, 170}},  {9, {470, 167}},  {10, {530, 140}},
    {11, {550, 116}}, {12, {580, 100}}, {13, {566, 90}},  {14, {595, 70}},  {15, {580, 115}},
    {16, {586, 122}}, {17, {577, 124}}, {18, {560, 152}}, {19, {370, 200}}, {20, {450, 200}},
    {32, {540, 162}}, {33, {555, 169}},
}};

constexpr int kRollBound = 500;
constexpr int kLoyaltyRally = 10;
constexpr int kFullLoyalty = 100;
constexpr int kCountdownRally = 100;
constexpr int kEuropeanCooling = 25;
constexpr int kEndMonth = 1;
constexpr int kEndYear = 1865;

// Four draws halved: 0..998, crowding towards the middle.
int VoterMood() {
  int sum = 0;
  for (int draw = 0; draw < 4; ++draw) sum += Random(kRollBound);
  return sum / 2;
}

bool TakesPart(int s) {
  const TStateRec& state = GameState.States[s];
  return state.Side == TSide::Union && state.Weight != 0 && HasElectionFillPoint(s);
}

void CoolTowardsTheUnion(TNationRec& nation) {
  if (nation.Attitude > 0 && nation.Side != TSide::Confederate)
    AddSaturated(nation.Attitude, -kEuropeanCooling);
}

void ChallengerTakesOffice(int challenger_votes) {
  for (int s = 1; s <= GameState.States.Count; ++s) {
    TStateRec& state = GameState.States[s];
    if (state.Side != TSide::Union) continue;
    state.Loyalty = static_cast<std::uint8_t>(std::min(state.Loyalty + kLoyaltyRally, kFullLoyalty));
    AddSaturated(state.ComplaintDelay, kCountdownRally);
  }
  AddWarScore(TNation::Confederacy, challenger_votes);
  AddWarScore(TNation::Union, -challenger_votes);
  CoolTowardsTheUnion(GameState.Nations[TNation::France]);
  CoolTowardsTheUnion(GameState.Nations[TNation::Britain]);
  GameState.EndMonth = kEndMonth;
  GameState.EndYear = kEndYear;
}

}  // namespace

std::span<const ElectionFillPoint> ElectionFillPoints() {
  return kFillPoints;
}

bool HasElectionFillPoint(int state) {
  return std::any_of(kFillPoints.begin(), kFillPoints.end(),
                     [state](const ElectionFillPoint& fill) { return fill.state == state; });
}

ElectionResult HoldElection(const std::function<void(const StateVerdict&)>& on_state) {
  ElectionResult result;
  const int war_weariness = GameState.Nations[TNation::Confederacy].WarScore;
  for (int s = 1; s <= GameState.States.Count; ++s) {
    if (!TakesPart(s)) continue;
    const TStateRec& state = GameState.States[s];
    const int mood = VoterMood();
    const int support = state.Loyalty + 1000 - war_weariness;
    const bool incumbent = support > mood;
    (incumbent ? result.incumbent_votes : result.challenger_votes) += state.Weight;
    if (on_state) on_state({s, incumbent, result.incumbent_votes, result.challenger_votes});
  }
  if (result.ChallengerWon()) ChallengerTakesOffice(result.challenger_votes);
  return result;
}
