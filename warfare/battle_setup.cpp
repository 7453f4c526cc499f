#include "warfare/battle_setup.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "warfare/battle_file.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/hex_grid.h"
#include "world/play_modes.h"
#include "world/saturating.h"
#include "world/shown_guns.h"
#include "world/text_table.h"

namespace {

constexpr int kMostLeaderInitiative = 12;
// A byte above this is a negative initiative.
constexpr int kHighestPositiveByte = 127;
// Only cities nearer than this name the place of a battle.
constexpr int kFarthestNamingCity = 100;
constexpr int kMilesPerHex = 15;
constexpr int kOpenFieldSupply = 2;
constexpr int kOpenFieldSupplyFactor = 4;

// Per factor row, the sums of side 1 and side 2 (entries 1, 2), kept wide and
// stored saturated, so a big battle's weapon sum cannot wrap to a small one.
using FactorSums = std::array<std::array<std::int64_t, kSideCount + 1>, TBattleFactor::Rows>;

int TerrainText(int terrain) {
  static constexpr int kTexts[] = {0, 518, 522, 523, 524, 519, 520, 521};
  return terrain >= 1 && terrain <= 7 ? kTexts[terrain] : 0;
}

// The weather's text and the value it adds to the battlefield row.
struct WeatherEffect {
  int text;
  int factor;
};

WeatherEffect WeatherOf(int weather) {
  switch (weather) {
    case 2:
      return {82, 0};
    case 3:
    case 4:
      return {83, 10};
    case 5:
      return {84, 20};
    case 6:
      return {85, 10};
    case 7:
    case 8:
      return {86, 40};
    default:
      return {87, 0};
  }
}

// The battlefield value a side holding the hex gets from its terrain; nothing
// set for open ground.
int HomeTerrainValue(int terrain, int current) {
  switch (terrain) {
    case 4:
    case 6:
    case 7:
      return 20;
    case 2:
    case 5:
      return 30;
    default:
      return current;
  }
}

void ClampLeaderInitiatives() {
  for (int c = 1; c <= kBattleCorpsSlots; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.IsFree()) continue;
    int clamped = corps.LeaderInitiative;
    if (clamped > kHighestPositiveByte) clamped = 0;
    if (clamped > kMostLeaderInitiative) clamped = kMostLeaderInitiative;
    if (clamped == corps.LeaderInitiative) continue;
    corps.LeaderInitiative = static_cast<std::uint8_t>(clamped);
    if (TLeader* leader = LeaderRecord(corps.Leader)) leader->Initiative = corps.LeaderInitiative;
  }
}

void ClearBattleRecords() {
  GameState.Hits1 = 0;
  GameState.Hits2 = 0;
  GameState.BattleOutcome = 0;
  CorpsBattleMark = {};
  CorpsBattleStart = {};
  BattleCorps1 = 0;
  BattleCorps2 = 0;
  BattleFactors = {};
}

bool OnMap(const TCity& city) {
  return TMapRecord::OnMap(city.X, city.Y);
}

// The city standing on the battle hex (the last of the table), else 0.
int CityOnBattleHex() {
  int found = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.X == GameState.BattleX && city.Y == GameState.BattleY) found = c;
  }
  return found;
}

// The nearest city, the lower index on equal distance; 0 when none is near.
int NearestCity(int& distance) {
  int nearest = 0;
  distance = kFarthestNamingCity;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (!OnMap(city)) continue;
    const int d = HexDistance(GameState.BattleX, GameState.BattleY, city.X, city.Y);
    if (d < distance) {
      distance = d;
      nearest = c;
    }
  }
  return nearest;
}

std::string CityAndState(const TCity& city) {
  const std::string state =
      IsEntryOf(GameState.States, city.State) ? GameState.States[city.State].Name.str() : "";
  return city.Name.str() + ", " + state;
}

// The defenders of a fortified city dig in behind twice its works.
void EntrenchBehindWorks(const BattleContext& ctx, const TCity& city) {
  if (city.Fortifications == 0) return;
  for (int c : ctx.EngagedCorps()) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Side == city.Side) StoreSaturated(corps.Entrenchment, 2 * city.Fortifications);
  }
}

// Names the place and returns the city it is named after (0 when none).
int NameThePlace(const BattleContext& ctx, BattleForm& form) {
  const int terrain = MapRecord.Cell(GameState.BattleX, GameState.BattleY).Terrain();
  int city = CityOnBattleHex();
  if (terrain == TTerrain::City && city != 0) EntrenchBehindWorks(ctx, GameState.Cities[city]);
  int distance = 0;
  if (city == 0) city = NearestCity(distance);
  if (city == 0) return 0;
  const std::string place = CityAndState(GameState.Cities[city]);
  form.location = distance > 0 ? TextLine(51) + std::to_string(kMilesPerHex * distance) +
                                     TextLine(52) + place
                               : TextLine(2) + place;
  return city;
}

// The theatre of a state; 0 for none.
int TheatreOfState(int state) {
  if (!IsEntryOf(GameState.States, state)) return 0;
  const int theatre = GameState.States[state].Theatre;
  return IsTheatre(theatre) ? theatre : 0;
}

void ChooseCommander(BattleContext& ctx, int side, const TCorps& corps) {
  std::uint16_t& commander = side == TSide::Union ? ctx.UnionCommander : ctx.ConfedCommander;
  const int leader = LeaderRecord(corps.Leader) != nullptr ? corps.Leader : 0;
  if (commander == 0 || LeaderRating(leader, &TLeader::Rank) > LeaderRating(commander, &TLeader::Rank))
    commander = static_cast<std::uint16_t>(leader);
  const int armyCommander = ArmyCommanderOf(corps);
  if (LeaderRecord(armyCommander) != nullptr) commander = static_cast<std::uint16_t>(armyCommander);
}

void AddBrigadeFactors(FactorSums& sums, int side, int c) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (!IsBrigadeOfCorps(brigade, c)) continue;
    sums[TBattleFactor::Quality][side] += brigade.Quality;
    const int weight = brigade.Arm == TArm::Artillery ? 12 : 8;
    sums[TBattleFactor::Weapons][side] += static_cast<std::int64_t>(WeaponFire(brigade)) * weight;
  }
}

void AddCorpsFactors(FactorSums& sums, int side, int c) {
  const TCorps& corps = GameState.Corps[c];
  const int brigades = BrigadesOf(corps);
  sums[TBattleFactor::TotalTroops][side] += corps.Strength + corps.ArtilleryStrength;
  sums[TBattleFactor::Fatigue][side] += corps.Fatigue * brigades;
  sums[TBattleFactor::Readiness][side] += corps.Readiness * brigades;
  sums[TBattleFactor::Entrenchment][side] += corps.Entrenchment * brigades;
  sums[TBattleFactor::Leadership][side] += corps.LeaderInitiative * brigades;
  AddBrigadeFactors(sums, side, c);
  sums[TBattleFactor::Aggression][side] += LeaderRating(corps.Leader, &TLeader::Aggression);
  sums[TBattleFactor::Stance][side] += corps.Stance + 1;
  sums[TBattleFactor::Supply][side] += corps.SupplyPriority + 1;
  if (corps.SupplyPriority == kOpenFieldSupply)
    sums[TBattleFactor::Supply][side] = kOpenFieldSupplyFactor;
  sums[TBattleFactor::CityGuns][side] = 0;
  sums[TBattleFactor::Intensity][side] = 0;
  sums[TBattleFactor::CorpsCount][side] += 1;
}

// The weather is weighed once for every side-1 corps, on both sides' rows.
void WeighTheWeather(FactorSums& sums, int battleState, BattleForm& form) {
  const int theatre = TheatreOfState(battleState);
  if (theatre == 0) return;
  const WeatherEffect effect = WeatherOf(GameState.Weather[theatre]);
  sums[TBattleFactor::Battlefield][1] += effect.factor;
  sums[TBattleFactor::Battlefield][2] += effect.factor;
  form.weather = TextLine(53) + TextLine(effect.text);
}

void CountTheCorps(BattleContext& ctx, int battleState, BattleForm& form) {
  const TMapCell& hex = MapRecord.Cell(GameState.BattleX, GameState.BattleY);
  FactorSums sums{};
  std::array<std::int64_t, kSideCount + 1> brigades{};
  for (int c : ctx.EngagedCorps()) {
    const TCorps& corps = GameState.Corps[c];
    const int side = corps.Side;
    CorpsBattleMark[c] = static_cast<std::int8_t>(corps.Readiness);
    CorpsBattleStart[c] = corps.Strength;
    StoreSaturated(CorpsBattleStart[c + kBattleCorpsSlots], CorpsGuns(corps));
    ChooseCommander(ctx, side, corps);
    brigades[side] += BrigadesOf(corps);
    std::int64_t& battlefield = sums[TBattleFactor::Battlefield][side];
    battlefield = hex.Owner() == side ? HomeTerrainValue(hex.Terrain(), static_cast<int>(battlefield)) : 0;
    if (side == TSide::Union) WeighTheWeather(sums, battleState, form);
    AddCorpsFactors(sums, side, c);
  }
  StoreSaturated(BattleCorps1, brigades[1]);
  StoreSaturated(BattleCorps2, brigades[2]);
  for (int row = 0; row < TBattleFactor::Rows; ++row)
    for (int side = 1; side <= kSideCount; ++side) StoreSaturated(BattleFactors[row][side], sums[row][side]);
}

bool ChoosesOwnIntensity(int side) {
  if (!IsHumanNation(side)) return false;
  return GameState.PlayMode < TPlayMode::MailSetUp || GameState.MailSide == side;
}

void SetIntensities(BattleContext& ctx, BattleForm& form) {
  const int brigades[] = {0, BattleCorps1, BattleCorps2};
  for (int side = 1; side <= kSideCount; ++side) {
    form.choosesIntensity[side - 1] = ChoosesOwnIntensity(side);
    if (form.choosesIntensity[side - 1]) continue;
    const int initiative = LeaderRating(ctx.Commander(side), &TLeader::Initiative);
    ctx.Intensity(side) = static_cast<std::uint16_t>(
        ComputerIntensity(side, initiative, brigades[side], brigades[3 - side]));
  }
}

}  // namespace

int ComputerIntensity(int side, int initiative, int ownBrigades, int enemyBrigades) {
  // The Confederate commander rounds up.
  int intensity = side == TSide::Union ? initiative / 2 : (initiative + 1) / 2;
  if (ownBrigades > 2 * enemyBrigades) ++intensity;
  if (intensity > 1 && enemyBrigades > 2 * ownBrigades) --intensity;
  return std::clamp(intensity, 1, kMostIntensity);
}

bool ExecuteEnabled(const BattleContext& ctx) {
  return ctx.UnionIntensity != 0 && ctx.ConfedIntensity != 0;
}

BattleForm SetUpBattle(BattleContext& ctx) {
  BattleForm form;
  ClampLeaderInitiatives();
  ctx.CasualtyThreshold = kStartingCasualtyThreshold;
  for (int c = 1; c <= kBattleCorpsSlots; ++c) {
    const TCorps& corps = GameState.Corps[c];
    ctx.engaged[c] = !corps.IsFree() && (corps.Side == TSide::Union || corps.Side == TSide::Confederate) &&
                     StandsOnBattleHex(corps) && corps.BattleMark == TBattleMark::Engaged &&
                     corps.Stance < TCombatStance::Embarked;
  }
  const TMapCell& hex = MapRecord.Cell(GameState.BattleX, GameState.BattleY);
  const int theatre = TheatreOfState(hex.State());
  if (theatre != 0) {
    GameState.Nations[TNation::Union].AiAggression[theatre] = 0;
    GameState.Nations[TNation::Confederacy].AiAggression[theatre] = 0;
  }
  ClearBattleRecords();
  form.terrain = TerrainText(hex.Terrain()) != 0 ? TextLine(TerrainText(hex.Terrain())) : "";
  const int city = NameThePlace(ctx, form);
  CountTheCorps(ctx, city != 0 ? GameState.Cities[city].State : 0, form);
  form.unionCommander = LeaderName(ctx.UnionCommander);
  form.confedCommander = LeaderName(ctx.ConfedCommander);
  WriteBattleOpening(form);
  SetIntensities(ctx, form);
  form.executeEnabled = ExecuteEnabled(ctx);
  return form;
}
