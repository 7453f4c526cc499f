#include "world/corps_movement.h"

#include <algorithm>
#include <array>
#include <string>

#include "world/brigade_rules.h"
#include "world/city_control.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/corps_path.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/nearest_supply_city.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/route_finder.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"

namespace {

// By terrain class 0..7: the movement points a corps needs to enter (0 never),
// the fatigue it gains and the points it spends there.
constexpr std::array<int, 8> kEntryThreshold = {0, 5, 13, 0, 3, 15, 11, 8};
constexpr std::array<int, 8> kTerrainFatigue = {0, 1, 3, 10, 1, 4, 3, 2};
constexpr std::array<int, 8> kTerrainCost = {0, 4, 9, 0, 3, 10, 8, 6};

// By hex-side code 0..3.
constexpr std::array<int, 4> kSidePenalty = {0, 4, 7, 0};
constexpr std::array<int, 4> kSideFatigue = {0, 2, 6, 0};
constexpr std::array<int, 4> kSideCost = {0, 3, 9, 0};

constexpr int kHostileStateCost = 6;
// A formation of kind 3 tires at half the rate on the march; the kinds raised
// today (0 to 2) do not.
constexpr int kLightKind = 3;
constexpr int kNeutralBorderState = 20;
constexpr int kStateJoinsText = 731;
constexpr int kStateJoinedNotice = 18;
constexpr int kStateNoticeLine = 39;
constexpr int kNoCorpsNear = 100;
constexpr int kFirstStoppedStep = 10;
constexpr int kLastHeldStep = 8;

// The army's corps join a marked friend from five hexes off, others from one.
constexpr int kArmyReactionRange = 5;
constexpr int kReactionRange = 1;
constexpr int kStormyWeather = 5;

int StateSide(int state) {
  return state != 0 ? GameState.States[state].Side : TSide::None;
}

bool HasPathEntry(int step) {
  return step >= 1 && step <= kPathLength;
}

void SetPathEntry(TCorps& corps, int step, int entry) {
  if (HasPathEntry(step)) corps.Path[step] = static_cast<std::uint8_t>(entry);
}

void HoldFrom(TCorps& corps, int firstStep) {
  for (int s = std::max(firstStep, 1); s <= kPathLength; ++s) corps.Path[s] = kHoldEntry;
}

void AddMovePoints(TCorps& corps, int points) {
  StoreSaturated(corps.MovePoints, static_cast<int>(corps.MovePoints) + points);
}

void SpendMovePoints(TCorps& corps, int points) {
  corps.MovePoints = static_cast<std::uint16_t>(std::max(0, corps.MovePoints - points));
}

void MarkForBattle(TCorps& corps) {
  if (corps.BattleMark == 0) corps.BattleMark = 1;
}

bool CanEnter(const TCorps& corps, THexPos hex) {
  if (!TMapRecord::OnMap(hex)) return false;
  const int threshold = kEntryThreshold[MapRecord.Cell(hex).Terrain()];
  return threshold != 0 && threshold <= corps.MovePoints;
}

// A corps of no strength left is gone; its commander is free for another command.
void RemoveIfSpent(int c) {
  TCorps& corps = GameState.Corps[c];
  if (corps.Strength != 0) return;
  FreeCorpsSlot(c);
  TLeader* leader = LeaderRecord(corps.Leader);
  if (leader != nullptr && leader->Status == TLeaderStatus::InCommand)
    leader->Status = TLeaderStatus::Available;
}

// Marks contacts with enemy corps on the corps' hex, and lets a disordered
// corps with no enemy beside it pull itself together.
void MarkContacts(int c) {
  TCorps& corps = GameState.Corps[c];
  bool enemyNear = false;
  bool contact = false;
  if (GameState.Step > 1) {
    for (int e = 1; e <= GameState.Corps.Count; ++e) {
      TCorps& enemy = GameState.Corps[e];
      if (!IsActiveEnemy(enemy, corps.Side)) continue;
      const int d = Distance(HexOf(corps), HexOf(enemy));
      if (d < 2) enemyNear = true;
      if (d != 0) continue;
      contact = true;
      if (enemy.Disorder != 0 || corps.Stance >= TCombatStance::Embarked ||
          enemy.Stance >= TCombatStance::Embarked)
        continue;
      for (TCorps* side : {&corps, &enemy}) {
        MarkForBattle(*side);
        if (side->ContactStep == 0) side->ContactStep = GameState.Step;
      }
    }
  }
  if (corps.Disorder != 0 && !enemyNear &&
      Random(70) < LeaderRating(corps.Leader, &TLeader::Inspiration)) {
    --corps.Disorder;
    AddCorpsFatigue(c, 2);
    if (corps.MovePoints > 5) corps.MovePoints -= 5;
    if (corps.Disorder == 0) {
      corps.Stance = TCombatStance::Defend;
      corps.DestX = corps.X;
      corps.DestY = corps.Y;
    }
  }
  if (!contact) corps.BattleMark = 0;
}

// A disordered corps heads for its army's headquarters, or, pressed on its
// destination, for the nearest supplied city.
void FallBackIfDisordered(int c) {
  TCorps& corps = GameState.Corps[c];
  if (corps.Disorder == 0) return;
  corps.BattleMark = 0;
  const int army = ArmyOf(corps);
  const int hq = army != 0 ? GameState.Armies[army].HqCity : 0;
  int goal = 0;
  if (IsEntryOf(GameState.Cities, hq)) {
    goal = hq;
  } else if (StandsOn(corps, corps.DestX, corps.DestY) && corps.EnemyPressure != 0) {
    goal = NearestSupplyCity(c, corps.Nation);
    corps.City = static_cast<std::uint8_t>(goal);
  }
  // With no supplied city in reach the corps keeps its destination.
  if (goal == 0) return;
  corps.DestX = GameState.Cities[goal].X;
  corps.DestY = GameState.Cities[goal].Y;
}

int BrigadesServingIn(int c) {
  const TCorps& corps = GameState.Corps[c];
  int count = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation == corps.Nation && IsBrigadeOfCorps(brigade, c)) ++count;
  }
  return count;
}

// A cavalry division does not ride into a fight it cannot win: it gives up
// its battle mark and holds when withdrawing or when outnumbered three to one
// in brigades on its hex.
void KeepCavalryOutOfBattle(int c) {
  TCorps& corps = GameState.Corps[c];
  if (corps.Kind != TCorpsKind::CavalryDivision) return;
  if (corps.Stance == TCombatStance::Withdraw && corps.BattleMark != 0) {
    corps.BattleMark = 0;
    SetPathEntry(corps, corps.PathStep, kHoldEntry);
  }
  int own = 0;
  int enemy = 0;
  for (int o = 1; o <= GameState.Corps.Count; ++o) {
    const TCorps& other = GameState.Corps[o];
    if (other.Inactive != 0 || !StandsOn(other, corps.X, corps.Y)) continue;
    (other.Side == corps.Side ? own : enemy) += BrigadesServingIn(o);
  }
  if (own * 3 < enemy) {
    corps.BattleMark = 0;
    SetPathEntry(corps, corps.PathStep, kHoldEntry);
  }
}

bool SupplyingCity(int city) {
  if (!IsEntryOf(GameState.Cities, city)) return false;
  const int level = GameState.Cities[city].SupplyLevel;
  return level == 2 || level == 3;
}

THexPos CityHex(int city) {
  return {GameState.Cities[city].X, GameState.Cities[city].Y};
}

// Where an enemy corps will stand after its move at the corps' path step.
THexPos NextHexOf(const TCorps& enemy, int step) {
  if (enemy.MovePoints < 11 || !HasPathEntry(step)) return HexOf(enemy);
  const int direction = enemy.Path[step];
  if (direction < kNorth || direction > kNorthWest) return HexOf(enemy);
  return Neighbour(HexOf(enemy), direction);
}

// The strength of the two camps within two hexes of the enemy corps, as a
// computer commander weighs whether to strike it.
bool StrongEnoughToStrike(const TCorps& corps, const TCorps& enemy) {
  int own = corps.Strength + corps.ArtilleryStrength;
  int opposing = 0;
  if (!IsHumanNation(corps.Nation)) {
    for (int o = 1; o <= GameState.Corps.Count; ++o) {
      const TCorps& other = GameState.Corps[o];
      if (other.Inactive != 0 || other.Disorder != 0) continue;
      if (Distance(HexOf(other), HexOf(enemy)) > 2) continue;
      const int strength = other.Strength + other.ArtilleryStrength;
      if (other.Side != corps.Side)
        opposing += strength;
      else if (other.Stance != TCombatStance::Withdraw)
        own += strength;
    }
  }
  return own >= opposing;
}

// A corps on its own ground meets enemy corps that come within two hexes,
// each by its stance; the reference hex may change.
void Intercept(int c, THexPos& reference) {
  TCorps& corps = GameState.Corps[c];
  const THexPos here = HexOf(corps);
  if (!TMapRecord::OnMap(here) || MapRecord.Cell(here).Owner() != corps.Side) return;
  const int city = corps.City;
  for (int e = 1; e <= GameState.Corps.Count; ++e) {
    const TCorps& enemy = GameState.Corps[e];
    if (!IsActiveEnemy(enemy, corps.Side) || enemy.Disorder != 0 ||
        enemy.Stance >= TCombatStance::Embarked)
      continue;
    const int d = Distance(here, HexOf(enemy));
    if (d < 1 || d > 2) continue;
    switch (corps.Stance) {
      case TCombatStance::Withdraw:
        if (corps.Disorder == 0 && !IsHumanNation(corps.Nation) &&
            IsEntryOf(GameState.Cities, city)) {
          corps.DestX = GameState.Cities[city].X;
          corps.DestY = GameState.Cities[city].Y;
        }
        break;
      case TCombatStance::Defend: {
        if (MapRecord.Cell(here).Terrain() == TTerrain::City || !SupplyingCity(city) ||
            !HasPathEntry(corps.PathStep))
          break;
        if (IsHumanNation(corps.Nation)) {
          if (CityHex(city) != here) reference = here;
          break;
        }
        const THexPos next = NextHexOf(enemy, corps.PathStep);
        const int gap = Distance(next, here);
        if (gap == 0) reference = here;
        if (gap == 1) reference = next;
        break;
      }
      case TCombatStance::Advance:
        if (!SupplyingCity(city) || !StrongEnoughToStrike(corps, enemy)) break;
        reference = HexOf(enemy);
        AddMovePoints(corps, corps.LeaderCombat / 6);
        HoldFrom(corps, corps.PathStep);
        break;
      default:
        break;
    }
  }
}

// The weight of staying put on a hold entry.
int StayWeight(const TCorps& corps, bool onReference) {
  int weight = 50;
  if (corps.Stance == TCombatStance::Advance && onReference) weight = 200;
  if (corps.Stance == TCombatStance::Defend) weight += 2 * corps.Entrenchment;
  if (corps.Stance == TCombatStance::Withdraw && corps.EnemyPressure != 0)
    weight = 5 * corps.Entrenchment + 30;
  if (corps.Disorder != 0) weight = corps.EnemyPressure == 0 ? 50 : 40;
  switch (corps.March) {
    case TMarchMode::Cautious:
      return weight + 1;
    case TMarchMode::Standard:
      return weight - 1;
    case TMarchMode::Forced:
      return corps.Disorder == 0 ? weight - weight / 4 - 1 : weight;
    default:
      return weight;
  }
}

int ActiveEnemiesOn(const TCorps& corps, THexPos hex) {
  int count = 0;
  for (int e = 1; e <= GameState.Corps.Count; ++e) {
    const TCorps& enemy = GameState.Corps[e];
    if (IsActiveEnemy(enemy, corps.Side) && enemy.Disorder == 0 && StandsOn(enemy, hex.X, hex.Y))
      ++count;
  }
  return count;
}

// The weight of stepping into the neighbour in the direction; 0 when the corps
// cannot enter it. Hexes off the map are never chosen.
int StepWeight(const TCorps& corps, int direction, THexPos reference) {
  const THexPos here = HexOf(corps);
  const THexPos there = Neighbour(here, direction);
  if (!TMapRecord::OnMap(there)) return 0;
  int weight = 50;
  const int d = Distance(here, reference);
  const int dThere = Distance(there, reference);
  if (there == reference)
    weight = (weight + 1) * 3;
  else if (dThere == d)
    weight += 1;
  else if (dThere < d)
    weight += 16;
  else if (weight > 2)
    weight -= 16;
  const int side = MapRecord.CrossedSideCode(here, there, direction);
  if (side == kClosedSide) return 0;
  if (corps.Disorder == 0) weight -= kSidePenalty[side];
  if (!CanEnter(corps, there)) return 0;
  weight -= kEntryThreshold[MapRecord.Cell(there).Terrain()];
  if (MapRecord.Cell(there).Owner() == corps.Side) return weight;
  if (corps.Disorder == 0) {
    if (corps.Stance < TCombatStance::Advance) weight /= 2;
    return weight;
  }
  const int enemies = ActiveEnemiesOn(corps, there);
  if (enemies == 0) return weight + 10;
  for (int e = 0; e < enemies; ++e) weight /= 2;
  return weight;
}

// On a hold entry the corps weighs its own hex against its six neighbours;
// the direction of the best neighbour that beats staying, 0 to stay.
int ChooseHoldDirection(TCorps& corps, THexPos reference) {
  if (LeaderRating(corps.Leader, &TLeader::Experience) < 6 && Random(50) < 15)
    RaiseLeaderRating(corps.Leader, &TLeader::Experience, 6);
  int best = StayWeight(corps, HexOf(corps) == reference);
  int chosen = kNoDirection;
  for (int direction = kNorth; direction <= kNorthWest; ++direction) {
    const int weight = StepWeight(corps, direction, reference);
    if (weight > best) {
      best = weight;
      chosen = direction;
    }
  }
  return chosen;
}

// The corps stays and rests a little; its path entry of this step is spent.
void Stay(int c) {
  TCorps& corps = GameState.Corps[c];
  AddCorpsFatigue(c, -1);
  SetPathEntry(corps, corps.PathStep, kNoDirection);
}

void ShowStateJoined(int state, int camp) {
  ClearEventMessage();
  EventMessage.Kind = kStateJoinedNotice;
  const std::string line = GameState.States[state].Name.str() + TextLine(kStateJoinsText);
  EventMessage.Line1 = line.substr(0, kStateNoticeLine);
  EventMessage.Line2 = camp == TSide::Union ? "the Union." : "the Confederacy.";
  ShowEventMessage();
}

// The neutral border state goes over, whole, to the camp the intruder fights.
void TurnNeutralState(int state, int intruderSide) {
  const int camp = OppositeCamp(intruderSide);
  TStateRec& record = GameState.States[state];
  record.Side = record.ControlSide = record.Nation = static_cast<std::uint8_t>(camp);
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y)
      if (StateAt(x, y) == state) MapRecord.Cell(x, y).SetOwner(camp);
  }
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.State == state) city.Side = city.Nation = static_cast<std::uint8_t>(camp);
  }
  ShowStateJoined(state, camp);
}

// Entering ground another camp holds: an aggressive commander presses on at
// little cost, and with no enemy there the hex (and maybe a neutral state)
// changes hands.
void TakeOverHex(TCorps& corps, THexPos hex, int cost) {
  TMapCell& cell = MapRecord.Cell(hex.X, hex.Y);
  if (cell.Terrain() == TTerrain::City || cell.Owner() == corps.Side) return;
  if (Random(100) < LeaderRating(corps.Leader, &TLeader::Aggression)) cost = 1;
  SpendMovePoints(corps, cost);
  if (EnemyCorpsOn(hex.X, hex.Y, corps.Side)) return;
  const int state = StateAt(hex);
  if (cell.Owner() == TSide::None && state == kNeutralBorderState &&
      GameState.States[state].Side == TSide::None)
    TurnNeutralState(state, corps.Side);
  cell.SetOwner(corps.Side);
}

// A city of another camp than the corps'; a neutral city is one too.
bool ForeignCityOn(const TCorps& corps, THexPos hex) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    if (CityHex(c) == hex && GameState.Cities[c].Side != corps.Side) return true;
  }
  return false;
}

void MarkBattlesOn(int c, THexPos hex) {
  TCorps& corps = GameState.Corps[c];
  for (int e = 1; e <= GameState.Corps.Count; ++e) {
    TCorps& enemy = GameState.Corps[e];
    if (e == c || !IsActiveEnemy(enemy, corps.Side) || enemy.Disorder != 0 ||
        !StandsOn(enemy, hex.X, hex.Y))
      continue;
    MarkForBattle(corps);
    MarkForBattle(enemy);
  }
}

// A commander under pressure learns from it, up to a point.
void GrowLeader(TCorps& corps) {
  if (corps.EnemyPressure == 0) return;
  if (corps.LeaderCombat > Random(200) && corps.LeaderCombat < 55) {
    ++corps.LeaderCombat;
    RaiseLeaderRating(corps.Leader, &TLeader::Combat, 255);
    if (corps.Army != 0) RaiseLeaderRating(ArmyCommanderOf(corps), &TLeader::Combat, 255);
  }
}

// Moves the corps one hex in the direction; 1 when the move is shown, 0 when
// the terrain or the side stopped it.
std::uint8_t Move(int c, int direction) {
  TCorps& corps = GameState.Corps[c];
  const THexPos here = HexOf(corps);
  const THexPos there = Neighbour(here, direction);
  if (corps.Disorder != 0) {
    --corps.Disorder;
    corps.SupplyType = TSupplyType::Foraging;
  }
  corps.LastMoveDir = static_cast<std::uint8_t>(direction);
  const int terrain = MapRecord.Cell(there).Terrain();
  const int side = MapRecord.CrossedSideCode(here, there, direction);
  if (terrain == TTerrain::Water || terrain == TTerrain::Impassable || side == kClosedSide) {
    Stay(c);
    return 0;
  }
  const int stateSide = StateSide(StateAt(there));
  const bool hostileState = stateSide != TSide::None && stateSide != corps.Side;
  int fatigue = kTerrainFatigue[terrain] + kSideFatigue[side];
  if (corps.Kind == kLightKind) fatigue /= 2;
  if (hostileState && corps.Disorder == 0) ++fatigue;
  AddCorpsFatigue(c, fatigue);
  const int cost = kTerrainCost[terrain] + kSideCost[side] + (hostileState ? kHostileStateCost : 0);
  SpendMovePoints(corps, cost);

  const int opposingNation = corps.Side == TSide::Union ? TNation::Confederacy : TNation::Union;
  const std::uint8_t shown = corps.Spotted != 0 || !IsHumanNation(opposingNation) ? 1 : 0;
  const int step = corps.PathStep;
  if (step == 1) {
    corps.StartX = static_cast<std::uint16_t>(here.X);
    corps.StartY = static_cast<std::uint16_t>(here.Y);
  }
  corps.X = static_cast<std::uint8_t>(there.X);
  corps.Y = static_cast<std::uint8_t>(there.Y);
  if (HasPathEntry(step)) {
    corps.StepDone[step] = static_cast<std::uint8_t>(direction);
    corps.Path[step] = kNoDirection;
  }
  if (corps.StepsMoved < 255) ++corps.StepsMoved;
  corps.Entrenchment = 0;

  TakeOverHex(corps, there, cost);
  if (terrain == TTerrain::City && corps.Disorder == 0 && ForeignCityOn(corps, there))
    corps.MovePoints = 0;
  MarkBattlesOn(c, there);
  GrowLeader(corps);
  ++corps.PathStep;
  HexCursorX = static_cast<std::uint16_t>(there.X);
  HexCursorY = static_cast<std::uint16_t>(there.Y);
  return shown;
}

bool CanMove(const TCorps& corps) {
  return corps.Inactive == 0 && corps.Nation != 0 && corps.Stance < TCombatStance::Embarked &&
         corps.PathStep < kFirstStoppedStep;
}

// The last friendly corps in battle that the corps chooses to march to, with
// its hex in `target` and a route to it on the corps' path; 0 when none.
int FindReactionTarget(int c, THexPos& target) {
  TCorps& corps = GameState.Corps[c];
  const int aggression = LeaderRating(corps.Leader, &TLeader::Aggression) / 2;
  const int rating =
      corps.Army != 0
          ? (aggression + LeaderRating(ArmyCommanderOf(corps), &TLeader::Aggression) / 2) / 2
          : aggression;
  const THexPos here = HexOf(corps);
  const bool ownGround = TMapRecord::OnMap(here) && MapRecord.Cell(here).Owner() == corps.Side;
  const int chance = ownGround ? std::max(0, 3 * corps.Quality + rating - corps.Fatigue) : 0;
  int chosen = 0;
  for (int f = 1; f <= GameState.Corps.Count; ++f) {
    const TCorps& friendly = GameState.Corps[f];
    if (friendly.Inactive != 0 || friendly.Nation != corps.Nation || friendly.Disorder != 0 ||
        friendly.BattleMark == 0)
      continue;
    const int d = Distance(here, HexOf(friendly));
    if (d == 0 || d > kArmyReactionRange) continue;
    int range =
        corps.Army != 0 && friendly.Army == corps.Army ? kArmyReactionRange : kReactionRange;
    const int theatre = friendly.Theatre;
    if (IsEntryOf(GameState.Weather, theatre) && GameState.Weather[theatre] >= kStormyWeather)
      range /= 2;
    if (d > range || Random(20) + 5 * d >= chance) continue;
    target = HexOf(friendly);
    chosen = f;
    AddMovePoints(corps, rating / 2);
    RouteTo(corps.X, corps.Y, friendly.X, friendly.Y, kPathLength, kArmyRouteMode, corps.Side,
            kAnyHex);
    LayRouteOnPath(corps, corps.PathStep);
  }
  return chosen;
}

}  // namespace

std::uint16_t NearestEnemyCorpsDistance(int city, int nation) {
  int nearest = kNoCorpsNear;
  if (!IsEntryOf(GameState.Cities, city)) return static_cast<std::uint16_t>(nearest);
  const THexPos place = CityHex(city);
  const int camp = CampOfNation(nation);
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (IsActiveEnemy(corps, camp)) nearest = std::min(nearest, Distance(place, HexOf(corps)));
  }
  return static_cast<std::uint16_t>(nearest);
}

std::uint8_t MoveCorpsStep(int c) {
  if (!IsEntryOf(GameState.Corps, c)) return 0;
  TCorps& corps = GameState.Corps[c];
  RemoveIfSpent(c);
  // A free or lost slot has nothing to do with the movement of the turn.
  if (corps.Inactive != 0 || corps.Nation == 0) return 0;
  MarkContacts(c);
  FallBackIfDisordered(c);
  KeepCavalryOutOfBattle(c);
  if (!CanMove(corps)) return 0;

  corps.LastMoveDir = kNoDirection;
  THexPos reference = {corps.DestX, corps.DestY};
  if (corps.Side != TSide::None) {
    if (corps.Readiness < 6 && corps.Fatigue > 2) corps.Stance = TCombatStance::Withdraw;
    bool reacted = false;
    if (corps.BattleMark == 0 &&
        (corps.Stance == TCombatStance::Defend || corps.Stance == TCombatStance::Advance)) {
      if (FindReactionTarget(c, reference) != 0) {
        reacted = true;
        AddMovePoints(corps, corps.LeaderCombat / 6);
      }
    }
    if (!reacted) Intercept(c, reference);
    if (reacted && corps.Stance != TCombatStance::Withdraw) {
      corps.DestX = static_cast<std::uint8_t>(reference.X);
      corps.DestY = static_cast<std::uint8_t>(reference.Y);
      corps.Stance = TCombatStance::Advance;
      RouteTo(corps.X, corps.Y, corps.DestX, corps.DestY, kPathLength, kArmyRouteMode, corps.Side,
              kAnyHex);
      LayRouteOnPath(corps, corps.PathStep);
      if (HexOf(corps) == reference) HoldFrom(corps, corps.PathStep);
    }
  }
  if (HexOf(corps) == reference || corps.BattleMark != 0) {
    corps.PathStep = static_cast<std::uint8_t>(std::clamp<int>(corps.PathStep, 1, kLastHeldStep));
    ClearPath(corps);
  }

  int direction = corps.PathStep == 0 ? kHoldEntry : corps.Path[corps.PathStep];
  corps.Activity = TCorpsActivity::Marching;
  if (direction == kHoldEntry)
    direction = ChooseHoldDirection(corps, reference);
  else if (direction >= kNorth && direction <= kNorthWest &&
           !CanEnter(corps, Neighbour(HexOf(corps), direction)))
    direction = kNoDirection;
  if (direction < kNorth || direction > kNorthWest) {
    Stay(c);
    return 0;
  }
  return Move(c, direction);
}
