#include "world/corps_disorder.h"

#include <string>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/corps_orders.h"
#include "world/corps_path.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/route_finder.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"

namespace {

constexpr int kSurrenderNotice = 0;
constexpr int kSurrenderedText = 35;
constexpr int kSurrenderKindText = 36;  // 36, 37, 38 by TCorpsKind
constexpr int kSurrenderEndText = 39;
constexpr int kSurrenderedStatus = 254;
constexpr int kEscapeRange = 10;
constexpr int kFriendCoverRange = 2;
constexpr int kEscapeRouteSteps = 20;

bool IsOwnCity(const TCorps& corps, int city) {
  return IsEntryOf(GameState.Cities, city) && GameState.Cities[city].Side == corps.Side;
}

// Every active enemy corps in good order, for the given test.
template <typename Test>
bool AnyFitEnemy(const TCorps& corps, Test test) {
  for (int e = 1; e <= GameState.Corps.Count; ++e) {
    const TCorps& enemy = GameState.Corps[e];
    if (IsActiveEnemy(enemy, corps.Side) && enemy.Disorder == 0 && test(enemy)) return true;
  }
  return false;
}

// After a battle the corps heads for its supply city; with none of its own
// camp it forages, and on the city itself it recovers.
void FallBackAfterBattle(TCorps& corps) {
  if (!IsOwnCity(corps, corps.City)) {
    corps.SupplyType = TSupplyType::Foraging;
    corps.City = 0;
    return;
  }
  const TCity& city = GameState.Cities[corps.City];
  if (StandsOn(corps, city.X, city.Y) && !EnemyCorpsOn(corps.X, corps.Y, corps.Side)) {
    --corps.Disorder;
    corps.MovePoints = 0;
    return;
  }
  if (!RouteArrives(corps.X, corps.Y, city.X, city.Y, kPathLength, kArmyRouteMode, corps.Nation,
                    kForeignHexesNearStart)) {
    corps.SupplyType = TSupplyType::Foraging;
    corps.SupplyPriority = 0;
  }
  LayRouteOnPath(corps, 1);
  ClearStepsDone(corps);
}

// Safe where it stands: its own supply city is nearer than any enemy, or a
// friend in good order stands close by.
bool SafeWhereItStands(int c) {
  const TCorps& corps = GameState.Corps[c];
  if (IsOwnCity(corps, corps.City)) {
    const int cityDistance = Distance(HexOf(corps), HexOf(GameState.Cities[corps.City]));
    const bool enemyNearer = AnyFitEnemy(corps, [&](const TCorps& enemy) {
      return Distance(HexOf(enemy), HexOf(corps)) < cityDistance;
    });
    if (!enemyNearer) return true;
  }
  for (int f = 1; f <= GameState.Corps.Count; ++f) {
    const TCorps& other = GameState.Corps[f];
    if (f != c && other.Inactive == 0 && other.Side == corps.Side && other.Disorder == 0 &&
        Distance(HexOf(other), HexOf(corps)) <= kFriendCoverRange)
      return true;
  }
  return false;
}

// Whether the corps can still reach the city: by rail, by river, or on foot,
// keeping to its own ground near the start when an enemy stands between.
bool CanEscapeTo(const TCorps& corps, const TCity& city) {
  const int gap = Distance(HexOf(corps), HexOf(city));
  const bool enemyBetween = AnyFitEnemy(corps, [&](const TCorps& enemy) {
    return Distance(HexOf(enemy), HexOf(corps)) < gap &&
           Distance(HexOf(enemy), HexOf(city)) < gap;
  });
  const int policy = enemyBetween ? kForeignHexesNearStart : kAnyHex;
  return RouteArrives(corps.X, corps.Y, city.X, city.Y, kEscapeRouteSteps, kRailRouteMode,
                      CampOfNation(corps.Nation), policy) ||
         RouteArrives(corps.X, corps.Y, city.X, city.Y, kEscapeRouteSteps, kRiverRouteMode,
                      corps.Nation, policy) ||
         RouteArrives(corps.X, corps.Y, city.X, city.Y, kPathLength, kArmyRouteMode, corps.Nation,
                      policy);
}

bool CanEscape(const TCorps& corps) {
  for (int k = 1; k <= GameState.Cities.Count; ++k) {
    const TCity& city = GameState.Cities[k];
    if (city.Side != corps.Side || city.SupplyLevel == 0 ||
        Distance(HexOf(corps), HexOf(city)) > kEscapeRange)
      continue;
    if (CanEscapeTo(corps, city)) return true;
  }
  return false;
}

void ShowSurrender(const TCorps& corps) {
  ClearEventMessage();
  EventMessage.Kind = kSurrenderNotice;
  EventMessage.Line1 = LeaderName(corps.Leader) + TextLine(kSurrenderedText);
  if (corps.Kind <= TCorpsKind::CavalryDivision)
    EventMessage.Line2 = TextLine(kSurrenderKindText + corps.Kind);
  EventMessage.Line3 = TextLine(kSurrenderEndText);
  ShowEventMessage();
}

// The powers abroad think less of the Union for a lost corps, and more of
// the Confederacy for one it took.
void SwayForeignAttitudes(int side) {
  const int change = side == TSide::Union ? -1 : side == TSide::Confederate ? 1 : 0;
  for (int power : {TNation::France, TNation::Britain}) {
    I16& attitude = GameState.Nations[power].Attitude;
    if (attitude >= 1 && attitude <= 99) attitude += static_cast<std::int16_t>(change);
  }
}

void Surrender(int c) {
  TCorps& corps = GameState.Corps[c];
  ShowSurrender(corps);
  const int nation = corps.Nation;
  if (IsEntryOf(GameState.Prisoners, nation))
    AddSaturated(GameState.Prisoners[nation], corps.Strength + corps.ArtilleryStrength);
  FreeCorpsSlot(c);
  if (TLeader* leader = LeaderRecord(corps.Leader)) leader->Status = kSurrenderedStatus;
  if (IsEntryOf(GameState.Nations, nation))
    AddSaturated(GameState.Nations[nation].WarScore, corps.Kind - 3);
  SwayForeignAttitudes(corps.Side);
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (!IsBrigadeOfCorps(brigade, c)) continue;
    const int state = brigade.HomeState;
    if (IsEntryOf(GameState.States, state))
      AddSaturated(GameState.States[state].Losses, brigade.Strength);
    ClearBrigade(b);
  }
}

}  // namespace

bool OrderDisorderedCorps(int c) {
  TCorps& corps = GameState.Corps[c];
  AddSaturated(corps.MovePoints, 10);
  corps.Stance = TCombatStance::Withdraw;
  corps.Activity = TCorpsActivity::Disordered;
  if (corps.EnemyPressure != 0) {
    FallBackAfterBattle(corps);
  } else {
    corps.Disorder = static_cast<std::uint8_t>((corps.Disorder - 1) / 2);
    corps.MovePoints = 0;
  }
  if (corps.SupplyType != TSupplyType::Foraging) return true;
  if (corps.Disorder == 0) {
    corps.Stance = TCombatStance::Defend;
    return true;
  }
  if (SafeWhereItStands(c) || CanEscape(corps)) return true;
  Surrender(c);
  return false;
}
