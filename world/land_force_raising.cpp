#include "world/land_force_raising.h"

#include <algorithm>
#include <vector>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_forming.h"
#include "world/force_slots.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/stock_payment.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// What every army starts with at its headquarters.
constexpr int kNewArmyOdds = 50;
constexpr int kNewArmyStance = 1;
constexpr int kNewArmyCohesion = 5;
constexpr int kNewArmyRating = 12;

constexpr int kMostBatteriesInCorps = 2;

// A path step past the path's end: a new corps has no march to make until ordered.
constexpr int kNoMarchStep = 10;

// The border states that began the war in neither camp: both raise troops there.
constexpr int kMissouri = 19;
constexpr int kKentucky = 20;

// A leader who takes a command is in it from now on; one away for the turn
// stays away until the turn is over.
void PutInCommand(TLeader& leader) {
  if (leader.Status != kLeaderTemporarilyRemoved) leader.Status = TLeaderStatus::InCommand;
}

bool IsLineArm(int arm) {
  return arm == TArm::Infantry || arm == TArm::Cavalry;
}

}  // namespace

bool MayJoinNewFormation(const TBrigade& brigade, int city, int nation) {
  return brigade.Nation == nation && brigade.Location == city &&
         (brigade.Status == TBrigadeStatus::InGarrison ||
          brigade.Status == TBrigadeStatus::ArmedAndWaiting) &&
         brigade.Arm >= 1 && brigade.Arm <= kArmCount;
}

bool MayArmRaisedBrigade(const TBrigade& brigade, int weapon, const Table<U16, 8>& stocks) {
  const bool issuedWhenShort = weapon == TWeapon::Muskets || weapon == TWeapon::Shotguns;
  if (!issuedWhenShort && !(weapon >= 1 && weapon <= 8 && stocks[weapon] >= brigade.Strength))
    return false;
  switch (brigade.Arm) {
    case TArm::Artillery:
      return weapon >= TWeapon::Smoothbores && weapon <= TWeapon::Whitworths;
    case TArm::Infantry:
      return weapon >= TWeapon::Muskets && weapon <= TWeapon::Sharps;
    case TArm::Cavalry:
      return weapon == TWeapon::Spencers || weapon == TWeapon::Shotguns;
    default:
      return false;
  }
}

void ArmRaisedBrigade(int b, int weapon, int city, Table<U16, 8>& stocks) {
  TBrigade& brigade = GameState.Brigades[b];
  PayFromStock(stocks[weapon], brigade.Strength);
  brigade.Weapon = static_cast<std::uint8_t>(weapon);
  brigade.Status = TBrigadeStatus::InGarrison;
  brigade.Location = static_cast<std::uint8_t>(city);
  RecountGarrison(city);
}

bool MayDeployRaisedBrigade(const TBrigade& brigade, int city, int nation) {
  if (!IsEntryOf(GameState.Cities, city) || !IsEntryOf(GameState.States, brigade.HomeState))
    return false;
  const TCity& deployment = GameState.Cities[city];
  if (deployment.Nation != nation || deployment.SupplyLevel < 1 || deployment.SupplyLevel > 3 ||
      deployment.Theatre != GameState.States[brigade.HomeState].Theatre)
    return false;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive == 0 && corps.Side != deployment.Side && corps.X == deployment.X &&
        corps.Y == deployment.Y)
      return false;
  }
  return true;
}

bool MayRaiseFormationIn(int city, int nation) {
  if (!IsEntryOf(GameState.Cities, city)) return false;
  const TCity& home = GameState.Cities[city];
  const bool ownLand =
      home.State == kMissouri || home.State == kKentucky || home.OriginalSide == nation;
  if (home.Nation != nation || home.SupplyLevel < 1 || home.SupplyLevel > 3 || !ownLand)
    return false;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation == nation && IsGarrisonOf(brigade, city)) return true;
  }
  return false;
}

int ReserveNewCorps(int nation) {
  const int c = AllocateCorpsSlot(nation);
  if (c == 0) return 0;
  TCorps& corps = GameState.Corps[c];
  const TCorps reserved = corps;
  corps = TCorps{};
  corps.Nation = reserved.Nation;
  corps.Side = reserved.Side;
  corps.Ordinal = reserved.Ordinal;
  corps.PathStep = kNoMarchStep;
  return c;
}

bool MayLeadNewFormation(const TLeader& leader, int kind) {
  const int status = leader.Status;
  const bool free = status == TLeaderStatus::Available || status == TLeaderStatus::Relieved;
  switch (kind) {
    case TCorpsKind::Corps:
      return leader.Rank >= TLeaderClass::Corps && (free || status == kLeaderTemporarilyRemoved);
    case TCorpsKind::InfantryDivision:
      return (leader.Rank == TLeaderClass::Divisional || leader.Rank == TLeaderClass::Cavalry) &&
             free;
    case TCorpsKind::CavalryDivision:
      return (leader.Rank == TLeaderClass::Cavalry || leader.Rank == TLeaderClass::Corps) && free;
    default:
      return false;
  }
}

int ArmLeftOut(int kind) {
  if (kind == TCorpsKind::InfantryDivision) return TArm::Cavalry;
  if (kind == TCorpsKind::CavalryDivision) return TArm::Infantry;
  return 0;
}

int NewFormationArmLimit(int kind, int arm, int capacity) {
  if (arm == TArm::Artillery)
    return kind == TCorpsKind::Corps ? std::min(capacity / 3, kMostBatteriesInCorps) : 1;
  const int lineArm = kind == TCorpsKind::CavalryDivision ? TArm::Cavalry : TArm::Infantry;
  return arm == lineArm ? capacity : 0;
}

bool CompleteNewFormation(int c, int city, int nation, int leader, std::span<const int> brigades) {
  TCorps& corps = GameState.Corps[c];
  const bool led = IsEntryOf(GameState.Leaders, leader);
  if (led)
    StoreSaturated(corps.Capacity,
                   CommandCapacity(corps.Kind, nation, GameState.Leaders[leader].Combat));
  // The brigades that would join, found before any moves, so that a failed
  // formation leaves every one where it stood.
  int joined[kArmCount + 1] = {};
  std::vector<int> joining;
  for (int b : brigades) {
    if (!IsEntryOf(GameState.Brigades, b) ||
        !MayJoinNewFormation(GameState.Brigades[b], city, nation))
      continue;
    const int arm = GameState.Brigades[b].Arm;
    if (joined[arm] >= NewFormationArmLimit(corps.Kind, arm, corps.Capacity)) continue;
    ++joined[arm];
    joining.push_back(b);
  }
  const bool formed = led && IsEntryOf(GameState.Cities, city) &&
                      std::any_of(joining.begin(), joining.end(),
                                  [](int b) { return IsLineArm(GameState.Brigades[b].Arm); });
  if (!formed) {
    if (led && GameState.Leaders[leader].Status != kLeaderTemporarilyRemoved)
      GameState.Leaders[leader].Status = TLeaderStatus::Available;
    FreeCorpsSlot(c);
    return false;
  }
  TLeader& commander = GameState.Leaders[leader];
  const bool away = commander.Status == kLeaderTemporarilyRemoved;
  PlaceNewFormation(c, city, nation, leader);
  if (away) commander.Status = kLeaderTemporarilyRemoved;
  for (int b : joining) {
    TBrigade& brigade = GameState.Brigades[b];
    brigade.Location = static_cast<std::uint8_t>(c);
    brigade.Status = TBrigadeStatus::InCorps;
  }
  RecountGarrison(city);
  return true;
}

std::string ProposedArmyName(int city) {
  if (!IsEntryOf(GameState.Cities, city)) return {};
  const int state = GameState.Cities[city].State;
  return IsEntryOf(GameState.States, state) ? GameState.States[state].Name.str() : std::string();
}

int RaiseArmy(int nation, int leader, int city, std::string_view name, std::span<const int> corps) {
  if (!IsEntryOf(GameState.Leaders, leader) || !IsEntryOf(GameState.Cities, city)) return 0;
  const int a = AllocateArmySlot(nation);
  if (a == 0) return 0;
  TArmy& army = GameState.Armies[a];
  // Nothing of the slot's last holder (march, supply, the computer's orders) carries over.
  const int ordinal = army.Ordinal;
  army = TArmy{};
  army.Ordinal = static_cast<std::uint8_t>(ordinal);
  army.Name = name;
  army.HqCity = army.TargetCity = army.AiTargetCity = static_cast<std::uint8_t>(city);
  army.Leader = static_cast<std::uint8_t>(leader);
  army.Nation = static_cast<std::uint8_t>(nation);
  army.Side = static_cast<std::uint8_t>(CampOfNation(nation));
  army.Odds = kNewArmyOdds;
  army.Stance = kNewArmyStance;
  army.Cohesion = kNewArmyCohesion;
  army.AiFreeCorps = 1;
  army.Rating = kNewArmyRating;
  army.Theatre = GameState.Cities[city].Theatre;
  PutInCommand(GameState.Leaders[leader]);
  for (int c : corps) {
    if (!IsEntryOf(GameState.Corps, c)) continue;
    TCorps& joining = GameState.Corps[c];
    if (joining.Nation != nation || joining.Inactive != 0 || joining.Army != 0) continue;
    joining.Army = static_cast<std::uint8_t>(a);
    ++army.CorpsCount;
  }
  return a;
}
