#include "world/leaderless_corps.h"

#include "world/brigade_rules.h"
#include "world/city_control.h"
#include "world/codes.h"
#include "world/corps_fatigue.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"
#include "world/war_standing.h"

namespace {

constexpr int kSurrenderNotice = 0;
constexpr int kFormationText = 36;  // 36, 37, 38 by TCorpsKind

// A successor of the nation's camp, if one can be found and freed from any
// command he holds.
int FindSuccessor(const TCorps& corps) {
  const int candidate =
      ChooseSuccessor(corps.Nation, CommandKindOfCorps(corps.Kind), corps.Kind, 0);
  if (candidate == 0) return 0;
  return AppointCorpsSuccessor(GameState.Leaders[candidate].Side, candidate) ? candidate : 0;
}

// Only a city its own camp still holds takes the corps in; a garrison of
// the corps' men in an enemy city would belong to no one.
bool HasOwnCity(const TCorps& corps) {
  return IsEntryOf(GameState.Cities, corps.City) && GameState.Cities[corps.City].Side == corps.Side;
}

void SurrenderLeaderless(int k) {
  TCorps& corps = GameState.Corps[k];
  // No commander is there to name; the notice starts with its verb.
  ClearEventMessage();
  EventMessage.Kind = kSurrenderNotice;
  EventMessage.Line1 = TextLine(35);
  if (corps.Kind <= TCorpsKind::CavalryDivision)
    EventMessage.Line2 = TextLine(kFormationText + corps.Kind);
  EventMessage.Line3 = TextLine(39);
  ShowEventMessage();
  const int nation = corps.Nation;
  if (IsEntryOf(GameState.Prisoners, nation))
    AddSaturated(GameState.Prisoners[nation], corps.Strength + corps.ArtilleryStrength);
  FreeCorpsSlot(k);
  AddWarScore(nation, corps.Kind - 3);
  if (nation == TNation::Union) {
    NudgeAttitude(TNation::France, -1);
    NudgeAttitude(TNation::Britain, -1);
  }
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    if (IsBrigadeOfCorps(GameState.Brigades[b], k)) LoseBrigade(b);
  }
}

void ReplaceCommander(int k) {
  TCorps& corps = GameState.Corps[k];
  const int successor = FindSuccessor(corps);
  if (successor != 0) {
    GiveCorpsCommander(k, successor);
  } else if (HasOwnCity(corps)) {
    GarrisonCorpsBrigades(k);
    corps.Strength = 0;
  } else {
    SurrenderLeaderless(k);
  }
}

}  // namespace

void ProcessLeaderlessCorps() {
  for (int k = 1; k <= GameState.Corps.Count; ++k) {
    const TCorps& corps = GameState.Corps[k];
    if (corps.Inactive == 0 && corps.Leader == 0 && corps.Nation != 0) ReplaceCommander(k);
  }
  TallyTerritory();
}

void TallyTerritory() {
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    TNationRec& nation = GameState.Nations[n];
    int total = 0;
    for (int t = 1; t <= nation.CitySizeSum.Count; ++t) {
      int sum = 0;
      for (int c = 1; c <= GameState.Cities.Count; ++c) {
        const TCity& city = GameState.Cities[c];
        if (city.Nation == n && city.Theatre == t) sum += city.Value;
      }
      nation.CitySizeSum[t] = static_cast<std::uint16_t>(sum);
      if (nation.CitySizeStart[t] == 0) nation.CitySizeStart[t] = static_cast<std::uint16_t>(sum);
    }
    for (int c = 1; c <= GameState.Cities.Count; ++c) {
      if (GameState.Cities[c].Nation == n) total += GameState.Cities[c].Value;
    }
    GameState.TerritorialPoints[n] = static_cast<std::uint16_t>(total);
    AddSaturated(GameState.TerritorialTotal[n], total);
  }
}
