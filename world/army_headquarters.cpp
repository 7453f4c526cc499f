#include "world/army_headquarters.h"

#include <cstdint>

#include "world/corps_command.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

// A headquarters city must score below this to be chosen.
constexpr std::int32_t kMostWinningScore = 2500;
// Scoring a city toward the target stops here: it can no longer win.
constexpr std::int32_t kHopelessScore = 50000;
constexpr int kOtherArmyCost = 5;
// An enemy corps next to a city keeps a headquarters away; much more so when
// the headquarters is already fleeing one.
constexpr int kEnemyNearCityCost = 1000;
constexpr int kEnemyNearFallbackCost = 4000;
constexpr int kOtherTheatreCost = 1;
// A capital three or more hexes out is worth two hexes of road.
constexpr int kCapitalBonus = 2;
constexpr int kCapitalBonusDistance = 3;

constexpr int kArmyText = 0;
constexpr int kCommanderText = 77;
constexpr int kCityText = 110;
constexpr int kArmyLostText = 455;
constexpr int kArmyLostWarScore = 4;
constexpr int kLostWithArmy = 254;

int SideOfCity(int city) {
  return IsCity(city) ? GameState.Cities[city].Side : 0;
}

int CityDistance(int from, int to) {
  const TCity& a = GameState.Cities[from];
  const TCity& b = GameState.Cities[to];
  return HexDistance(a.X, a.Y, b.X, b.Y);
}

int OwnerOfCityHex(const TCity& city) {
  return TMapRecord::OnMap(city.X, city.Y) ? MapRecord.Cell(city.X, city.Y).Owner() : 0;
}

// How a city is weighed as a headquarters: toward what, and how much a nearby
// enemy corps puts it off.
struct HeadquartersSearch {
  int toward;
  int skipped;       // the city being given up; 0 for none
  bool needsOwnHex;  // the map's owner of the city hex must be the army's camp
  int enemyCost;     // per enemy corps within one hex
  bool stopsWhenHopeless;
};

// Distance, squared, with the army's own corps far from the city and enemy
// corps next to it adding to it. Scores are kept in 32 bits: a crowded map
// must never wrap a hopeless city into a winning one.
std::int32_t CityScore(int a, int k, const HeadquartersSearch& search) {
  const TArmy& army = GameState.Armies[a];
  const TNationRec& nation = GameState.Nations[army.Nation];
  const TCity& city = GameState.Cities[k];
  int distance = CityDistance(k, search.toward);
  if (city.Theatre != army.Theatre) distance += kOtherTheatreCost;
  if (k == nation.Capital && distance >= kCapitalBonusDistance) distance -= kCapitalBonus;
  for (int b = 1; b <= GameState.Armies.Count; ++b) {
    if (b != a && GameState.Armies[b].HqCity == k) distance += kOtherArmyCost;
  }
  std::int32_t score = distance * distance;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    if (search.stopsWhenHopeless && score >= kHopelessScore) break;
    const TCorps& corps = GameState.Corps[c];
    if (corps.IsFree()) continue;
    const int e = HexDistance(corps.X, corps.Y, city.X, city.Y);
    if (corps.Nation == army.Nation && corps.Army == a) score += e * e;
    if (corps.Side != nation.Side && e < 2) score += search.enemyCost;
  }
  return score;
}

bool CanHoldHeadquarters(const TArmy& army, int k, const HeadquartersSearch& search) {
  const TCity& city = GameState.Cities[k];
  if (k == search.skipped || city.Side != army.Side || city.SupplyLevel == 0) return false;
  return !search.needsOwnHex || OwnerOfCityHex(city) == army.Side;
}

// The city with the lowest score below the winning mark, the first of equal
// ones; 0 when none.
int BestHeadquarters(int a, const HeadquartersSearch& search) {
  const TArmy& army = GameState.Armies[a];
  int best = 0;
  std::int32_t bestScore = kMostWinningScore;
  for (int k = 1; k <= GameState.Cities.Count; ++k) {
    if (!CanHoldHeadquarters(army, k, search)) continue;
    const std::int32_t score = CityScore(a, k, search);
    if (score < bestScore) {
      best = k;
      bestScore = score;
    }
  }
  return best;
}

// A computer army heads for its plan's city while its own side holds it, else
// for the city it was given, else it stays where it is.
int TargetOf(TArmy& army) {
  const TNationRec& nation = GameState.Nations[army.Nation];
  if (nation.Human != 0) return army.TargetCity;
  if (army.AiTargetCity != 0 && SideOfCity(army.AiTargetCity) == nation.Side)
    return army.AiTargetCity;
  if (army.TargetCity == 0) army.TargetCity = army.HqCity;
  return army.TargetCity;
}

void MoveTowardTarget(int a, int target) {
  TArmy& army = GameState.Armies[a];
  if (GameState.Nations[army.Nation].Human != 0) {
    const TCity& city = GameState.Cities[target];
    if (city.Side == army.Side && OwnerOfCityHex(city) == army.Side)
      army.HqCity = static_cast<std::uint8_t>(target);
    return;
  }
  const int best = BestHeadquarters(a, {.toward = target,
                                        .skipped = 0,
                                        .needsOwnHex = true,
                                        .enemyCost = kEnemyNearCityCost,
                                        .stopsWhenHopeless = true});
  if (best != 0) army.HqCity = static_cast<std::uint8_t>(best);
}

// The enemy alone on the headquarters hex (or holding its city) drives the
// headquarters to another city of the side.
void HoldOrRelocate(int a) {
  TArmy& army = GameState.Armies[a];
  const int hq = army.HqCity;
  if (!IsCity(hq)) return;
  const TCity& city = GameState.Cities[hq];
  int own = 0;
  int enemy = city.Side != army.Side ? 1 : 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.IsFree() || corps.X != city.X || corps.Y != city.Y) continue;
    if (corps.Nation == army.Nation) ++own;
    if (corps.Side != army.Side) ++enemy;
  }
  if (own != 0 || enemy == 0) return;
  const int best = BestHeadquarters(a, {.toward = hq,
                                        .skipped = hq,
                                        .needsOwnHex = false,
                                        .enemyCost = kEnemyNearFallbackCost,
                                        .stopsWhenHopeless = false});
  if (best != 0) army.HqCity = army.TargetCity = static_cast<std::uint8_t>(best);
}

std::string NameOfCity(int city) {
  return IsCity(city) ? GameState.Cities[city].Name.str() : "";
}

void LoseArmy(int a) {
  TArmy& army = GameState.Armies[a];
  const int nation = army.Nation;
  ClearEventMessage();
  EventMessage.Line1 = TextLine(kArmyText) + army.Name.str();
  EventMessage.Line2 = TextLine(kCommanderText) + LeaderName(army.Leader);
  EventMessage.Line3 = TextLine(kCityText) + NameOfCity(army.HqCity);
  EventMessage.Line4 = TextLine(kArmyLostText);
  AddSaturated(GameState.Nations[nation].WarScore, -kArmyLostWarScore);
  army.HqCity = army.Nation = army.Side = army.Theatre = 0;
  if (IsEntryOf(GameState.Leaders, army.Leader))
    GameState.Leaders[army.Leader].Status = kLostWithArmy;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Nation == nation && corps.Army == a) corps.Army = 0;
  }
  ShowEventMessage();
}

}  // namespace

void MoveArmyHeadquarters() {
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    TArmy& army = GameState.Armies[a];
    if (!IsEntryOf(GameState.Nations, army.Nation) || army.CorpsCount == 0) continue;
    const int target = TargetOf(army);
    if (IsCity(target)) MoveTowardTarget(a, target);
    HoldOrRelocate(a);
    if (SideOfCity(army.HqCity) != army.Side) LoseArmy(a);
  }
}
