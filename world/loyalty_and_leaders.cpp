#include "world/loyalty_and_leaders.h"

#include <string>

#include "world/codes.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/random.h"
#include "world/saturating.h"
#include "world/text_table.h"
#include "world/vardecl.h"
#include "world/war_standing.h"

namespace {

// Two states never change their loyalty: their people have made up their minds.
constexpr int kSteadfastStates[] = {19, 20};
// Each year of war the leading nation has to lead by ten more.
constexpr int kFirstWarYear = 1860;
constexpr int kLeadPerYear = 10;

// TLeader.Status bands that count down.
constexpr int kFirstOnLeave = 102;
constexpr int kLastOnLeave = 199;
constexpr int kFirstReturning = 2;
constexpr int kLastReturning = 99;
constexpr int kFirstWounded = 201;
constexpr int kLastWounded = 234;

// Kinds of complaint.
constexpr int kNoComplaint = 0;
constexpr int kPushedTooHard = 1;
constexpr int kLeftIdle = 2;
// Only a theatre with this much aggression planned hears complaints at all.
constexpr int kLeastComplainingLevel = 3;
// The states that may complain, and the draw a governor has to beat.
constexpr int kFirstComplainingState = 6;
constexpr int kComplaintThreshold = 50;

constexpr int kComplaintText = 70;
constexpr int kPushedTooHardText = 71;  // followed by 72, 73, 74 for theatres 1, 2, 3
constexpr int kLeftIdleText = 75;
constexpr int kLeftIdleDetailText = 76;

bool IsSteadfast(int state) {
  for (int steadfast : kSteadfastStates) {
    if (state == steadfast) return true;
  }
  return false;
}

void DriftLoyalty() {
  const int lead = kLeadPerYear * (GameState.Year - kFirstWarYear);
  for (int s = 1; s <= GameState.States.Count; ++s) {
    TStateRec& state = GameState.States[s];
    if (IsSteadfast(s)) continue;
    if (state.Nation != TNation::Union && state.Nation != TNation::Confederacy) continue;
    const int other = state.Nation == TNation::Union ? TNation::Confederacy : TNation::Union;
    const int score = GameState.Nations[state.Nation].WarScore;
    if (score > GameState.Nations[other].WarScore + lead) {
      int draw = Random(500);
      draw += Random(500);
      draw += Random(500);
      if (score > draw && state.Loyalty < kFullLoyalty) ++state.Loyalty;
    }
    if (state.ComplaintDelay != 0) --state.ComplaintDelay;
  }
}

void CountDownLeaderStatus() {
  for (int l = 1; l <= GameState.Leaders.Count; ++l) {
    TLeader& leader = GameState.Leaders[l];
    if (Random(100) < 25) {
      if (leader.Status >= kFirstOnLeave && leader.Status <= kLastOnLeave) --leader.Status;
      if (leader.Status >= kFirstReturning && leader.Status <= kLastReturning) --leader.Status;
      if (leader.Status == 1) leader.Status = TLeaderStatus::Available;
    }
    if (leader.Status >= kFirstWounded && leader.Status <= kLastWounded && Random(50) > 10)
      --leader.Status;
  }
}

int ComplaintKind(const TNationRec& nation, int theatre) {
  int kind = kNoComplaint;
  if (nation.TheatreFlag[theatre] == 0 && nation.AiWeight[theatre] > 2)
    kind = kLeftIdle;
  else if (Random(20) + 6 < nation.AiAggression[theatre])
    kind = kPushedTooHard;
  if (nation.AiAggressionLevel[theatre] < kLeastComplainingLevel) kind = kNoComplaint;
  return kind;
}

// Each governor who may complain draws; the highest draw above the threshold
// and above his state's loyalty speaks. 0 when nobody does.
int ComplainingState(int nation, int theatre) {
  int chosen = 0;
  int best = kComplaintThreshold;
  for (int s = kFirstComplainingState; s <= GameState.States.Count; ++s) {
    const TStateRec& state = GameState.States[s];
    if (state.Nation != nation || state.Theatre != theatre || state.ComplaintDelay != 0) continue;
    const int draw = Random(100);
    if (draw > best && draw > state.Loyalty) {
      chosen = s;
      best = draw;
    }
  }
  return chosen;
}

void ShowComplaint(const TStateRec& state, int kind, int theatre) {
  ClearEventMessage();
  EventMessage.Line1 = TextLine(kComplaintText);
  EventMessage.Line2 = state.Name.str();
  if (kind == kPushedTooHard) {
    EventMessage.Line3 = TextLine(kPushedTooHardText);
    EventMessage.Line4 = TextLine(kPushedTooHardText + theatre);
  } else {
    EventMessage.Line3 = TextLine(kLeftIdleText);
    EventMessage.Line4 = TextLine(kLeftIdleDetailText);
  }
  ShowEventMessage();
}

void HearGovernorsComplaints() {
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    TNationRec& nation = GameState.Nations[n];
    for (int theatre = 1; theatre <= nation.AiAggression.Count; ++theatre) {
      const int kind = ComplaintKind(nation, theatre);
      if (kind == kNoComplaint) continue;
      const int s = ComplainingState(n, theatre);
      if (s == 0) continue;
      TStateRec& state = GameState.States[s];
      // An idle theatre costs the nation some standing and cools its plans.
      if (kind == kLeftIdle && nation.WarScore != 0) {
        if (nation.AiAggression[theatre] > 0) --nation.AiAggression[theatre];
        AddSaturated(nation.WarScore, -1);
      }
      state.ComplaintDelay = static_cast<std::uint16_t>(Random(100) + 2 * state.Loyalty + 50);
      ShowComplaint(state, kind, theatre);
    }
  }
}

}  // namespace

void UpdateLoyaltyAndLeaders() {
  DriftLoyalty();
  CountDownLeaderStatus();
  HearGovernorsComplaints();
}
