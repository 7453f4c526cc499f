#include "world/election.h"

#include <algorithm>
#include <array>

#include "world/codes.h"
#include "world/random.h"
#include "world/saturating.h"
#include "world/vardecl.h"
#include "world/war_standing.h"

namespace {

// The Union and border states of the election map, each point the spot of the state
// farthest from its borders. Michigan has one on each peninsula, and Maryland one
// west of the narrows at Hancock, which the map draws too thin to pass.
constexpr std::array<ElectionFillPoint, 24> kFillPoints = {{
    {1, {83, 120}},   {2, {91, 207}},   {3, {288, 78}},   {4, {292, 139}},  {5, {318, 99}},
    {6, {322, 163}},  {7, {355, 119}},  {7, {339, 81}},   {8, {344, 170}},  {9, {365, 166}},
    {10, {419, 157}}, {11, {471, 92}},  {12, {546, 83}},  {13, {519, 64}},  {14, {572, 61}},
    {15, {523, 106}}, {16, {556, 126}}, {17, {515, 130}}, {18, {469, 160}}, {19, {302, 192}},
    {20, {358, 204}}, {32, {420, 199}}, {32, {393, 186}}, {33, {453, 223}},
}};

constexpr int kRollBound = 500;
constexpr int kLoyaltyRally = 10;
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

// The peace candidate shortens the war: the end moves to January 1865 only
// when the war was set to last longer than that.
void BringTheEndForward() {
  const int monthsToEnd = 12 * GameState.EndYear + GameState.EndMonth;
  if (monthsToEnd <= 12 * kEndYear + kEndMonth) return;
  GameState.EndMonth = kEndMonth;
  GameState.EndYear = kEndYear;
}

void ChallengerTakesOffice(int challenger_votes) {
  for (int s = 1; s <= GameState.States.Count; ++s) {
    TStateRec& state = GameState.States[s];
    if (state.Side != TSide::Union) continue;
    RaiseLoyalty(s, kLoyaltyRally);
    AddSaturated(state.ComplaintDelay, kCountdownRally);
  }
  AddWarScore(TNation::Confederacy, challenger_votes);
  AddWarScore(TNation::Union, -challenger_votes);
  CoolTowardsTheUnion(GameState.Nations[TNation::France]);
  CoolTowardsTheUnion(GameState.Nations[TNation::Britain]);
  BringTheEndForward();
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
