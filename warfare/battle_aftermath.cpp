#include "warfare/battle_aftermath.h"

#include <algorithm>
#include <cstdint>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/random.h"
#include "world/saturating.h"

namespace {

constexpr int kMostDisorder = 15;
constexpr int kMenPerHit = 50;
constexpr int kSeasonedExperience = 21;
constexpr int kExperienceGain = 5;
constexpr int kMostQuality = 10;
constexpr int kQualityGainChance = 10;
constexpr int kLowestModifierCharged = -20;
constexpr int kUndecidedFatigue = 3;
constexpr int kVictoryFatigue = 4;
// The disorder a winner keeps, by the disorder it had.
constexpr int kWinnersMildDisorder = 8;
constexpr int kWinnersHeavyDisorder = 13;

int DisorderFromHits(const TCorps& corps, int hits) {
  const int men = corps.Strength + corps.ArtilleryStrength;
  if (men == 0) return kMostDisorder;
  return std::min(kMostDisorder, hits * kMenPerHit / men);
}

// The chance in 100 that bold commanders halve the disorder.
int AggressionChance(const TCorps& corps) {
  int chance = LeaderRating(corps.Leader, &TLeader::Aggression);
  const int armyCommander = ArmyCommanderOf(corps);
  if (LeaderRecord(armyCommander) != nullptr)
    chance = (chance + GameState.Leaders[armyCommander].Aggression) * 3 / 2;
  return chance;
}

// Every brigade's quality is held at the cap, then the corps' brigades may
// learn from the fight, and the corps is recounted.
void RecountAfterBattle(int c) {
  TCorps& corps = GameState.Corps[c];
  corps.BattleMark = 0;
  corps.OtherBrigades = 0;
  corps.ArtilleryBrigades = 0;
  corps.ArtilleryStrength = 0;
  int strength = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Quality > kMostQuality) brigade.Quality = kMostQuality;
    if (!IsBrigadeOfCorps(brigade, c)) continue;
    if (Random(100) < kQualityGainChance) AddSaturated(brigade.Quality, 1);
    if (brigade.Arm == TArm::Artillery) {
      AddSaturated(corps.ArtilleryBrigades, 1);
      AddSaturated(corps.ArtilleryStrength, brigade.Strength);
    } else {
      AddSaturated(corps.OtherBrigades, 1);
      strength += brigade.Strength;
    }
  }
  StoreSaturated(corps.Strength, strength);
}

int Lowered(int disorder, int by) {
  return disorder > by ? disorder - by : 0;
}

// An own city on the hex rallies the corps: wholly after a victory, else by a
// third of its works.
int RallyInOwnCities(const TCorps& corps, int disorder) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.X != GameState.BattleX || city.Y != GameState.BattleY || city.Side != corps.Side) continue;
    disorder = SideWon(corps) ? 0 : Lowered(disorder, city.Fortifications / 3);
  }
  return disorder;
}

// On ground held by the Confederacy, the battle hex's state steadies its own
// side's corps and unsettles those of a camp that does not control it.
int HomeGround(const TCorps& corps, int disorder) {
  const TMapCell& hex = MapRecord.Cell(GameState.BattleX, GameState.BattleY);
  if ((hex.Owner() & 2) == 0 || disorder == 0 || !IsEntryOf(GameState.States, hex.State())) return disorder;
  const TStateRec& state = GameState.States[hex.State()];
  if (corps.Side == state.Side) --disorder;
  if (corps.Side != state.ControlSide) ++disorder;
  return disorder;
}

int LeadershipRally(const TCorps& corps, int disorder) {
  if (!IsEntryOf(GameState.Nations, corps.Side)) return disorder;
  const int advantage = GameState.Nations[corps.Side].LeadershipAdvantage;
  return disorder > 1 && advantage < disorder ? disorder - advantage : disorder;
}

int WinnersDisorder(int disorder) {
  if (disorder < kWinnersMildDisorder) return 0;
  return disorder < kWinnersHeavyDisorder ? 1 : 3;
}

void ChargeModifier(int leader, int amount) {
  TLeader* record = LeaderRecord(leader);
  if (record != nullptr && record->Modifier > kLowestModifierCharged) AddSaturated(record->Modifier, -amount);
}

}  // namespace

bool SideWon(const TCorps& corps) {
  return GameState.BattleOutcome > 1 && corps.Side + 1 == GameState.BattleOutcome;
}

void ApplyBattleAftermath(const BattleContext& ctx, int c) {
  TCorps& corps = GameState.Corps[c];
  int disorder = DisorderFromHits(corps, ctx.hits[c]);
  if (TLeader* leader = LeaderRecord(corps.Leader); leader != nullptr && leader->Experience < kSeasonedExperience)
    leader->Experience = static_cast<std::uint8_t>(leader->Experience + kExperienceGain);
  const int aggression = AggressionChance(corps);
  if (disorder > 0) disorder = corps.Entrenchment < disorder ? disorder - corps.Entrenchment : 1;
  corps.Readiness = static_cast<std::uint8_t>(Lowered(corps.Readiness, 2 * disorder));
  if (disorder == 0) AddCorpsFatigue(c, 1);
  RecountAfterBattle(c);
  disorder = HomeGround(corps, RallyInOwnCities(corps, disorder));
  disorder = LeadershipRally(corps, disorder);
  if (corps.Kind == TCorpsKind::CavalryDivision) disorder /= 2;
  if (Random(100) < aggression && disorder > 1) disorder /= 2;
  if (SideWon(corps)) {
    AddCorpsFatigue(c, kVictoryFatigue + 2 * disorder);
    disorder = WinnersDisorder(disorder);
  } else {
    AddCorpsFatigue(c, disorder + (GameState.BattleOutcome == 1 ? kUndecidedFatigue : 0));
    if (GameState.BattleOutcome != 1) corps.Entrenchment = 0;
  }
  disorder = std::min(disorder, kMostDisorder);
  corps.Disorder = static_cast<std::uint8_t>(disorder);
  ChargeModifier(corps.Leader, disorder);
  corps.Stance = 0;
  ChargeModifier(ArmyCommanderOf(corps), disorder / 2);
}
