#include "warfare/city_assault.h"

#include <algorithm>
#include <string>
#include <vector>

#include "warfare/battle_context.h"
#include "warfare/battle_sound.h"
#include "warfare/fleet_ships.h"
#include "world/brigade_rules.h"
#include "world/city_control.h"
#include "world/codes.h"
#include "world/corps_fatigue.h"
#include "world/random.h"
#include "world/saturating.h"
#include "world/text_table.h"

namespace {

constexpr int kBombardmentRounds = 7;
constexpr int kMostWorksHitsPerRound = 3;
constexpr int kDefenderGunHit = 70;         // in 100
constexpr int kFirstAttackerGunHit = 25;    // in 100, halved after every hit
constexpr int kBombardedBrigadeHit = 20;    // in 50
constexpr int kStormHit = 40;               // in 200 for men, 300 for guns and ships
constexpr int kStormHitPerWorksLevel = 25;  // the defenders' chance in 200
constexpr int kStormDefenderHit = 35;
constexpr int kGarrisonTrainingChance = 40;
constexpr int kAttackerTrainingChance = 45;
constexpr int kFullMorale = 100;
constexpr int kMenPerPoint = 50;

bool IsAttacker(const TCorps& corps, int camp) {
  return !corps.IsFree() && corps.Side == camp && corps.Disorder == 0 &&
         corps.Stance < TCombatStance::Embarked && StandsOnBattleHex(corps);
}

std::vector<int> AttackingCorps(int camp) {
  std::vector<int> corps;
  for (int c = 1; c <= GameState.Corps.Count; ++c)
    if (IsAttacker(GameState.Corps[c], camp)) corps.push_back(c);
  return corps;
}

// The brigades of the attacking corps in index order; the artillery too
// unless only the line is asked for.
std::vector<int> AttackerBrigades(int camp, bool lineOnly) {
  std::vector<int> brigades;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Status != TBrigadeStatus::InCorps || !IsEntryOf(GameState.Corps, brigade.Location))
      continue;
    if (lineOnly && brigade.Arm == TArm::Artillery) continue;
    if (IsAttacker(GameState.Corps[brigade.Location], camp)) brigades.push_back(b);
  }
  return brigades;
}

std::vector<int> GarrisonBrigades(int city) {
  std::vector<int> brigades;
  for (int b = 1; b <= GameState.Brigades.Count; ++b)
    if (IsGarrisonOf(GameState.Brigades[b], city)) brigades.push_back(b);
  return brigades;
}

// Lays points of loss one at a time, a pass over the brigades after another,
// on each brigade with strength left that lands() says is hit; a pass that
// lays nothing ends it. Returns the points laid.
template <typename Lands>
int LayPoints(const std::vector<int>& brigades, int points, Lands lands) {
  int laid = 0;
  bool layingOn = true;
  while (laid < points && layingOn) {
    layingOn = false;
    for (int b : brigades) {
      if (laid == points) break;
      if (GameState.Brigades[b].Strength == 0 || !lands()) continue;
      ApplyBrigadeLosses(kLossesByBrigade, static_cast<std::uint16_t>(b), 1);
      ++laid;
      layingOn = true;
    }
  }
  return laid;
}

int Hits(int shots, int bound, int chance) {
  int hits = 0;
  for (int shot = 0; shot < shots; ++shot)
    if (Random(bound) < chance) ++hits;
  return hits;
}

std::string ForceLine(int amount, int text) {
  return std::to_string(amount) + TextLine(text);
}

std::string ForceLineIfAny(int amount, int text) {
  return amount != 0 ? ForceLine(amount, text) : std::string();
}

// The attackers stand as the battle dispatch left them: it has already called
// every corps on the hex to the fight and turned those in training to defend
// (see Engage in battle_dispatch.cpp), so the assault does not do it again. A
// corps still aboard its fleet was not called and does not storm.
void CountTheAttackers(CityAssault& assault) {
  for (int b : AttackerBrigades(assault.camp, false)) {
    const TBrigade& brigade = GameState.Brigades[b];
    (brigade.Arm == TArm::Artillery ? assault.guns : assault.infantry) += brigade.Strength;
  }
}

void CountTheGarrison(CityAssault& assault) {
  for (int b : GarrisonBrigades(assault.city)) {
    const TBrigade& brigade = GameState.Brigades[b];
    (brigade.Arm == TArm::Artillery ? assault.garrisonGuns : assault.garrison) += brigade.Strength;
  }
}

// The ironclads and warships on the city's hex: the city's own camp's man its
// defences, the attackers' support the assault.
void CountTheShips(CityAssault& assault) {
  const TCity& city = GameState.Cities[assault.city];
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.IsFree() || fleet.X != city.X || fleet.Y != city.Y) continue;
    const int fighting =
        ShipsOfType(fleet, TShipType::Ironclad) + ShipsOfType(fleet, TShipType::Warship);
    if (fleet.Side == city.Side) assault.defendingGuns += fighting;
    if (fleet.Side == assault.camp) assault.ships += fighting;
  }
}

void FillTheForm(CityAssault& assault) {
  AssaultForm& form = assault.form;
  form.caption = TextLine(126);
  form.title = TextLine(112) + GameState.Cities[assault.city].Name.str();
  form.forces = {ForceLine(assault.works, 113),
                 ForceLine(assault.garrison * kMenPerPoint, 114),
                 ForceLineIfAny(assault.garrisonGuns, 115),
                 ForceLineIfAny(assault.defendingGuns, 116),
                 ForceLine(assault.infantry * kMenPerPoint, 117),
                 ForceLineIfAny(assault.guns, 118),
                 ForceLineIfAny(assault.ships, 119)};
}

// A round's hits on the works, at most three, bring them down; any hit makes
// a breach. A round without a hit leaves them as they were.
int HitTheWorks(CityAssault& assault, int hits) {
  TCity& city = GameState.Cities[assault.city];
  int result = 0;
  if (hits > 0) {
    if (city.Fortifications > hits) {
      city.Fortifications = static_cast<std::uint8_t>(city.Fortifications - hits);
      result = TBombardment::Breach;
    } else {
      city.Fortifications = 0;
    }
  }
  assault.works = city.Fortifications;
  return result;
}

// One round of the bombardment: 0 to fire on, else how it ended.
int BombardmentRound(CityAssault& assault, bool lastRound, bool& fired) {
  PlayBattleSound();
  const int defenderGuns = assault.garrisonGuns + assault.defendingGuns + assault.works;
  const int hitsOnAttackers = defenderGuns != 0 ? Hits(defenderGuns + 1, 100, kDefenderGunHit) : 0;
  int hitsOnWorks = 0;
  if (assault.guns + assault.ships != 0) {
    fired = true;
    int chance = kFirstAttackerGunHit;
    for (int shot = 0; shot <= assault.guns + assault.ships; ++shot) {
      if (Random(100) >= chance) continue;
      ++hitsOnWorks;
      chance /= 2;
    }
  }
  int result = HitTheWorks(assault, std::min(hitsOnWorks, kMostWorksHitsPerRound));
  // Every hit on the attackers also silences one of their guns. Attackers who
  // brought none fire nothing and lose nothing here, so only guns lost in
  // this round silence them: such a bombardment runs its seven rounds.
  const int gunsBefore = assault.guns;
  const int laid = LayPoints(AttackerBrigades(assault.camp, false), hitsOnAttackers,
                             [] { return Random(50) < kBombardedBrigadeHit; });
  assault.guns = std::max(0, assault.guns - laid);
  if (gunsBefore > 0 && assault.guns == 0) result = TBombardment::GunsSilenced;
  if (lastRound) result = TBombardment::Failed;
  if (fired && assault.guns + assault.ships == 0) result = TBombardment::GunsSilenced;
  if (assault.works == 0) result = TBombardment::Breach;
  return result;
}

// The mean of four draws not above the side's morale breaks it.
bool MoraleBreaks(int morale) {
  int sum = 0;
  for (int draw = 0; draw < 4; ++draw) sum += Random(100);
  return sum / 4 <= morale;
}

// Men of the neutral southern state serving in the garrison while their state
// stands aside are let go; the rest are taken prisoner.
void TakeTheGarrison(int city) {
  const bool southStandsAside = GameState.States[kNeutralStateSouth].ControlSide == TSide::None;
  for (int b : GarrisonBrigades(city)) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.HomeState == kNeutralStateSouth && southStandsAside) {
      ClearBrigade(b);
      continue;
    }
    if (IsEntryOf(GameState.Nations, brigade.Nation))
      AddSaturated(GameState.Prisoners[brigade.Nation], brigade.Strength);
    ApplyBrigadeLosses(kLossesByBrigade, static_cast<std::uint16_t>(b), brigade.Strength);
  }
}

void TrainTheGarrison(const CityAssault& assault) {
  for (int b : GarrisonBrigades(assault.city))
    if (assault.works == 0 || Random(100) < kGarrisonTrainingChance)
      AddSaturated(GameState.Brigades[b].Quality, 1);
}

// The attackers learn from the fight; those before a city still held stay in
// contact with it.
void SettleTheAttackers(const CityAssault& assault, const std::vector<int>& attackers) {
  const bool held = GameState.Cities[assault.city].GarrisonCount != 0;
  for (int c : attackers) {
    for (int b = 1; b <= GameState.Brigades.Count; ++b) {
      TBrigade& brigade = GameState.Brigades[b];
      if (IsBrigadeOfCorps(brigade, c) && Random(100) < kAttackerTrainingChance)
        AddSaturated(brigade.Quality, 1);
    }
    GameState.Corps[c].BattleMark = held ? TBattleMark::Fought : 0;
  }
}

}  // namespace

int MoraleAfterLosses(int lost, int men) {
  if (men == 0 || lost > men) return kFullMorale;
  return kFullMorale - lost * 10 / men;
}

int StormRoundResult(bool garrisonBroke, bool attackersBroke, int garrisonLost, int garrison,
                     int attackersLost, int attackers) {
  int result = 0;
  if (garrisonBroke) result = TStorm::Carried;
  if (attackersBroke) result = TStorm::Repulsed;
  if (garrison <= garrisonLost) result = TStorm::Carried;
  if (attackers <= attackersLost) result = TStorm::Repulsed;
  return result;
}

int InflictAttackerLosses(int points, int camp) {
  return LayPoints(AttackerBrigades(camp, true), points, [] { return true; });
}

int InflictGarrisonLosses(int city, int points) {
  return LayPoints(GarrisonBrigades(city), points, [] { return true; });
}

CityAssault PrepareCityAssault(int city, int camp) {
  GameState.BattleOutcome = 1;
  CityAssault assault;
  assault.city = city;
  assault.camp = camp;
  CountTheAttackers(assault);
  CountTheGarrison(assault);
  assault.works = GameState.Cities[city].Fortifications;
  assault.defendingGuns = GameState.Cities[city].CoastalGuns;
  CountTheShips(assault);
  FillTheForm(assault);
  return assault;
}

int BombardCity(CityAssault& assault) {
  bool fired = false;
  int result = 0;
  for (int round = 1; round <= kBombardmentRounds && result == 0; ++round)
    result = BombardmentRound(assault, round == kBombardmentRounds, fired);
  TCity& city = GameState.Cities[assault.city];
  if (result == TBombardment::Breach) {
    assault.form.bombardment = TextLine(121);
    assault.phase = TAssaultPhase::Breached;
    city.Fortifications = city.CoastalGuns = 0;
  } else {
    assault.form.bombardment = TextLine(result == TBombardment::GunsSilenced ? 122 : 123);
    assault.phase = TAssaultPhase::Over;
  }
  return result;
}

int StormCity(CityAssault& assault) {
  bool garrisonBroke = false;
  bool attackersBroke = false;
  int garrisonLost = 0;
  int attackersLost = 0;
  int result = 0;
  while (result == 0) {
    PlayBattleSound();
    const int defenderHit = assault.works * kStormHitPerWorksLevel + kStormDefenderHit;
    // One volley to a statement: the infantry's shots are drawn before the
    // guns', and the attackers' before the defenders', whatever the compiler.
    int hitsOnGarrison = Hits(assault.infantry, 200, kStormHit);
    hitsOnGarrison += Hits(2 * assault.ships + assault.guns + 1, 300, kStormHit);
    int hitsOnAttackers = Hits(assault.garrison, 200, defenderHit);
    hitsOnAttackers += Hits(4 * assault.defendingGuns + assault.garrisonGuns + 1, 200, defenderHit);
    attackersLost += InflictAttackerLosses(hitsOnAttackers, assault.camp);
    garrisonLost += InflictGarrisonLosses(assault.city, hitsOnGarrison);
    garrisonBroke = MoraleBreaks(MoraleAfterLosses(garrisonLost, assault.garrison));
    attackersBroke = MoraleBreaks(MoraleAfterLosses(attackersLost, assault.infantry));
    result = StormRoundResult(garrisonBroke, attackersBroke, garrisonLost, assault.garrison,
                              attackersLost, assault.infantry);
  }
  TCity& city = GameState.Cities[assault.city];
  const std::vector<int> attackers = AttackingCorps(assault.camp);
  for (int c : attackers) {
    TCorps& corps = GameState.Corps[c];
    if (attackersBroke) corps.Readiness /= 2;
    if (garrisonBroke && corps.Readiness != 0) --corps.Readiness;
  }
  if (result == TStorm::Carried) {
    assault.form.storm = TextLine(124);
    // The attackers' camp won: outcome 2 for camp 1, 3 for camp 2.
    GameState.BattleOutcome = static_cast<std::uint16_t>(assault.camp + 1);
    TakeTheGarrison(assault.city);
    city.GarrisonCount = 0;
    city.Fortifications = city.CoastalGuns = 0;
  } else {
    assault.form.storm = TextLine(125);
    city.Fortifications = static_cast<std::uint8_t>(assault.works);
    RecountGarrison(assault.city);
    TrainTheGarrison(assault);
  }
  SettleTheAttackers(assault, attackers);
  assault.phase = TAssaultPhase::Over;
  return result;
}

void ExecuteAssaultStep(CityAssault& assault) {
  if (assault.phase == TAssaultPhase::Ready && assault.works != 0)
    BombardCity(assault);
  else if (assault.phase != TAssaultPhase::Over)
    StormCity(assault);
  assault.form.over = assault.phase == TAssaultPhase::Over;
}

void SetUpCityAssault(int city, int camp) {
  CityAssault assault = PrepareCityAssault(city, camp);
  while (!assault.form.over) {
    BattleView().ShowAssault(assault.form);
    ExecuteAssaultStep(assault);
  }
  BattleView().ShowAssault(assault.form);
}
