#include "world/corps_orders.h"

#include <algorithm>
#include <cstdint>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_disorder.h"
#include "world/corps_fatigue.h"
#include "world/corps_movement.h"
#include "world/corps_path.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/rail_moves.h"
#include "world/random.h"
#include "world/route_finder.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"

namespace {

constexpr int kMostMovePoints = 250;
constexpr int kRouteStepsCleared = 20;
constexpr int kTrainingNotice = 19;
constexpr int kTrainedText = 148;
constexpr int kTrainedCorpsText = 149;
constexpr int kTrainedEndText = 150;
constexpr int kMostTrainerExperience = 16;
constexpr int kArmyTrainingStance = 3;
constexpr int kMostDrilledReadiness = 24;

bool OnDestination(const TCorps& corps) {
  return StandsOn(corps, corps.DestX, corps.DestY);
}

bool HasDestination(const TCorps& corps) {
  return TMapRecord::OnMap(corps.DestX, corps.DestY);
}

bool PathIsEmpty(const TCorps& corps) {
  for (int s = 1; s <= kPathLength; ++s)
    if (corps.Path[s] != kNoDirection) return false;
  return true;
}

// The route to the destination becomes the whole path; a corps on its
// destination (or with none) keeps an empty path.
void RouteToDestination(TCorps& corps, int side, int policy) {
  if (OnDestination(corps) || !HasDestination(corps)) return;
  RouteTo(corps.X, corps.Y, corps.DestX, corps.DestY, kPathLength, kArmyRouteMode, side, policy);
  LayRouteOnPath(corps, 1);
  ClearStepsDone(corps);
}

// A path drawn by the player that starts with empty entries moves up so that
// its first direction comes first.
bool ShiftPathToFront(TCorps& corps) {
  for (int k = 2; k <= kPathLength; ++k) {
    const int entry = corps.Path[k];
    if (entry < kNorth || entry > kNorthWest) continue;
    for (int s = 1; s <= kPathLength; ++s)
      corps.Path[s] = s + k - 1 <= kPathLength ? corps.Path[s + k - 1] : kNoDirection;
    return true;
  }
  return false;
}

void PreparePath(TCorps& corps) {
  for (int s = 1; s <= kPathLength; ++s)
    if (corps.Path[s] == kHoldEntry) corps.Path[s] = kNoDirection;
  if (corps.Disorder != 0 || !IsHumanNation(corps.Nation)) {
    ClearPath(corps);
    return;
  }
  if (corps.Path[1] != kNoDirection || ShiftPathToFront(corps)) return;
  RouteToDestination(corps, corps.Nation,
                     corps.Stance != TCombatStance::Withdraw ? kAnyHex : kOwnHexesOnly);
}

void FirstPass(int c) {
  TCorps& corps = GameState.Corps[c];
  corps.BattleMark = 0;
  corps.Activity = 0;
  if (corps.Inactive == 0 && corps.Nation != 0) PreparePath(corps);
  corps.PathStep = 1;
  if (corps.Inactive != 0) {
    TLeader* leader = LeaderRecord(corps.Leader);
    if (leader == nullptr) return;
    leader->Status = TLeaderStatus::Available;
    corps.Leader = 0;
    corps.X = corps.Y = 0;
  }
}

// A disordered corps caught on its own depot city by an enemy corps lays down
// its colours and joins the city's garrison. Returns true when it did.
bool JoinsCutOffGarrison(int c) {
  TCorps& corps = GameState.Corps[c];
  const int city = corps.City;
  if (NearestEnemyCorpsDistance(city, corps.Nation) != 0 || corps.Disorder == 0) return false;
  const TCity& place = GameState.Cities[city];
  if (place.SupplyLevel != 1 || !StandsOn(corps, place.X, place.Y)) return false;
  if (TLeader* leader = LeaderRecord(corps.Leader)) leader->Status = TLeaderStatus::Available;
  FreeCorpsSlot(c);
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation != corps.Nation || !IsBrigadeOfCorps(brigade, c)) continue;
    brigade.Location = static_cast<std::uint8_t>(city);
    brigade.Status = TBrigadeStatus::InGarrison;
  }
  RecountGarrison(city);
  return true;
}

// A corps resting in a quiet state its own nation holds sheds two thirds of
// its fatigue; what is left slows it down.
int AfterFatigue(int c, int points) {
  TCorps& corps = GameState.Corps[c];
  const int state = StateAt(corps.X, corps.Y);
  if (state != 0) {
    const TStateRec& record = GameState.States[state];
    if (record.IntruderStrength == 0 && record.ControlSide == corps.Nation &&
        record.Nation == corps.Nation)
      ChangeCorpsFatigue(c, [](int fatigue) { return fatigue / 3; });
  }
  const int left = points - 3 * corps.Fatigue;
  return left > 0 ? left : 1;
}

int WeatherDivisor(const TCorps& corps) {
  const int theatre = corps.Theatre;
  if (!IsEntryOf(GameState.Weather, theatre)) return 1;
  switch (GameState.Weather[theatre]) {
    case 3:
    case 4:
    case 6:
      return 2;
    case 5:
    case 7:
    case 8:
      return 3;
    default:
      return 1;
  }
}

// The movement points of the turn: quality and readiness, less fatigue; an
// army's commander speeds his corps but a crowded army is slow.
int MovementAllowance(int c) {
  TCorps& corps = GameState.Corps[c];
  int points = 10 * corps.Quality + corps.Readiness;
  const bool disordered = corps.Disorder != 0;
  if (!disordered && corps.March <= TMarchMode::Standard) points = AfterFatigue(c, points);
  if (const int army = ArmyOf(corps); army != 0) {
    const int combat = LeaderRating(ArmyCommanderOf(corps), &TLeader::Combat);
    const int limit = combat / 8 + 2;
    points += (corps.LeaderCombat + combat) / 2;
    const int crowd = GameState.Armies[army].CorpsCount - limit;
    if (crowd > 0) points = points - 10 * crowd > 0 ? points - 10 * crowd : 1;
  } else if (points > 15) {
    points += corps.LeaderCombat - Random(15);
  }
  if (corps.March == TMarchMode::Cautious) points /= 2;
  if (corps.March == TMarchMode::Forced) points *= 2;
  if (!disordered) {
    if (corps.Kind != TCorpsKind::CavalryDivision) points /= 2;
    if (corps.SupplyType == TSupplyType::Encampment) points /= 3;
    points /= WeatherDivisor(corps);
  }
  return points == 0 ? 1 : points;
}

// Fatigue above the march's tolerance makes the corps rest for the turn.
void RestIfTired(int c) {
  TCorps& corps = GameState.Corps[c];
  const bool pressed = corps.EnemyPressure != 0;
  int tolerance = 10 * corps.March;
  if (OnDestination(corps)) tolerance = 0;
  if (pressed && corps.Stance == TCombatStance::Withdraw) tolerance = 100;
  if (pressed && corps.Stance == TCombatStance::Advance) tolerance += 10;
  if (corps.Fatigue <= tolerance) return;
  int recovery = LeaderRating(corps.Leader, &TLeader::Inspiration) / 5;
  if (ArmyOf(corps) != 0)
    recovery += LeaderRating(ArmyCommanderOf(corps), &TLeader::Inspiration) / 8;
  recovery = std::min<int>(std::max(recovery, 3), corps.Fatigue);
  AddCorpsFatigue(c, -recovery);
  corps.Activity = TCorpsActivity::Resting;
  corps.MovePoints = 0;
}

// A defending corps that held its destination through a battle digs in.
void HoldAfterBattle(int c) {
  TCorps& corps = GameState.Corps[c];
  if (corps.EnemyPressure == 0 || corps.Stance != TCombatStance::Defend || corps.MovePoints == 0 ||
      !OnDestination(corps))
    return;
  if (corps.Entrenchment < 255) ++corps.Entrenchment;
  AddCorpsFatigue(c, 2);
  corps.LastMoveDir = kHoldEntry;
  corps.MovePoints = 0;
  corps.Activity = TCorpsActivity::Holding;
}

void ShowTrainingNotice(int commander, int corpsLeader) {
  ClearEventMessage();
  EventMessage.Kind = kTrainingNotice;
  EventMessage.Line1 = LeaderName(commander) + TextLine(kTrainedText);
  EventMessage.Line2 = TextLine(kTrainedCorpsText) + " " + LeaderName(corpsLeader);
  EventMessage.Line3 = TextLine(kTrainedEndText);
  ShowEventMessage();
}

// A quiet corps on its army's ground drills, when its army is set to training
// or the computer commands it.
void TrainInArmy(int c) {
  TCorps& corps = GameState.Corps[c];
  const int army = ArmyOf(corps);
  if (corps.EnemyPressure != 0 || !OnDestination(corps) || army == 0 ||
      corps.Stance > TCombatStance::Defend)
    return;
  if (IsHumanNation(corps.Nation) && GameState.Armies[army].Stance != kArmyTrainingStance) return;
  corps.Activity = TCorpsActivity::Training;
  corps.MovePoints = 0;
  const int commander = ArmyCommanderOf(corps);
  if (LeaderRating(commander, &TLeader::Inspiration) <= Random(150)) return;
  if (TrainCorpsBrigades(c) < corps.OtherBrigades / 2) return;
  ShowTrainingNotice(commander, corps.Leader);
  RaiseLeaderRating(commander, &TLeader::Experience, kMostTrainerExperience);
}

// A computer corps always marches by a fresh route to its destination.
void RerouteComputerCorps(TCorps& corps) {
  if (IsHumanNation(corps.Nation) || !PathIsEmpty(corps)) return;
  for (int s = 1; s <= kRouteStepsCleared; ++s) RouteSteps[s] = 0;
  RouteToDestination(corps, corps.Side, kAnyHex);
}

// Orders for a corps on foot. Returns false when the corps surrendered.
bool OrderMarchingCorps(int c) {
  TCorps& corps = GameState.Corps[c];
  // A corps without a commander does not march.
  const int points = LeaderRecord(corps.Leader) != nullptr ? MovementAllowance(c) : 0;
  corps.MovePoints = static_cast<std::uint16_t>(std::clamp(points, 0, kMostMovePoints));
  if (corps.Disorder == 1) {
    corps.MovePoints = corps.MovePoints / 2;
    corps.Stance = TCombatStance::Withdraw;
    if (corps.EnemyPressure == 0) corps.Disorder = 0;
  }
  if (corps.Disorder == 0) {
    RestIfTired(c);
    HoldAfterBattle(c);
    TrainInArmy(c);
  } else if (!OrderDisorderedCorps(c)) {
    return false;
  }
  RerouteComputerCorps(corps);
  return true;
}

// A commander who inspires his men brings a corps that did something this
// turn closer to readiness.
void DrillReadiness(TCorps& corps) {
  if (corps.Activity == 0 || corps.Readiness >= kMostDrilledReadiness) return;
  const int inspiration = LeaderRating(corps.Leader, &TLeader::Inspiration);
  for (int draw = 0; draw < 2; ++draw)
    if (Random(100) < inspiration) ++corps.Readiness;
}

void SecondPass(int c) {
  TCorps& corps = GameState.Corps[c];
  if (corps.Inactive != 0 || corps.Nation == 0) return;
  if (JoinsCutOffGarrison(c)) return;
  switch (corps.Stance) {
    case TCombatStance::Embarked:
      corps.Activity = TCorpsActivity::Embarked;
      corps.MovePoints = 0;
      break;
    case TCombatStance::ByRail:
      MoveCorpsByRail(c);
      break;
    default:
      if (!OrderMarchingCorps(c)) return;
  }
  DrillReadiness(corps);
}

}  // namespace

bool RouteArrives(int fromX, int fromY, int toX, int toY, int maxSteps, int mode, int side,
                  int policy) {
  // A route that misses leaves the target hex as it was: start it on the start.
  TargetHexX = static_cast<std::uint16_t>(fromX);
  TargetHexY = static_cast<std::uint16_t>(fromY);
  RouteTo(static_cast<std::uint16_t>(fromX), static_cast<std::uint16_t>(fromY),
          static_cast<std::uint16_t>(toX), static_cast<std::uint16_t>(toY),
          static_cast<std::uint16_t>(maxSteps), static_cast<std::uint16_t>(mode),
          static_cast<std::uint16_t>(side), static_cast<std::uint16_t>(policy));
  return TargetHexX == toX && TargetHexY == toY;
}

void ProcessCorpsOrders() {
  for (int c = 1; c <= GameState.Corps.Count; ++c) FirstPass(c);
  for (int c = 1; c <= GameState.Corps.Count; ++c) SecondPass(c);
}
