#include "warfare/land_combat.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "warfare/battle_aftermath.h"
#include "warfare/brigade_combat.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/random.h"
#include "world/saturating.h"

namespace {

constexpr int kMostLeadership = 12;
constexpr int kStartingFire = 50;
constexpr int kMostFire = 32000;
constexpr int kMostBattleFatigue = 20;
constexpr int kMostLeaderInitiative = 12;
// A battle with fewer hits in all decides nothing.
constexpr int kDecisiveHits = 5;
constexpr int kWinnersMilitaryPoints = 3;

// A difference between the two corps adds to the fire of the side it favours.
void Weigh(int difference, int weight, int& own, int& enemy) {
  if (difference > 0)
    own += weight * difference;
  else
    enemy += weight * -difference;
}

int TerrainFactor(int terrain) {
  switch (terrain) {
    case 2:
    case 5:
      return 3;
    case 4:
    case 6:
    case 7:
      return 2;
    default:
      return 1;
  }
}

int SupplyTerm(const TCorps& corps) {
  if (corps.SupplyPriority == 0) return -30;
  return corps.SupplyPriority == 2 ? 30 : 0;
}

int KeptInRange(int fire) {
  return fire < 0 || fire > kMostFire ? 0 : fire;
}

// The works of an own city on the hex fire for the attacker.
int CityGunsFor(const TCorps& attacker) {
  const TMapCell& hex = MapRecord.Cell(GameState.BattleX, GameState.BattleY);
  if (hex.Terrain() != TTerrain::City) return 0;
  int fire = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.X != GameState.BattleX || city.Y != GameState.BattleY || city.CoastalGuns == 0 ||
        city.Side != attacker.Side)
      continue;
    fire += 5 * city.CoastalGuns;
    for (int side = 1; side <= kSideCount; ++side)
      if (BattleFactors[TBattleFactor::Battlefield][side] != 0)
        BattleFactors[TBattleFactor::CityGuns][side] = city.CoastalGuns;
  }
  return fire;
}

struct Pairing {
  int a;
  int b;
  int rounds;
  int fireA;
  int fireB;
};

Pairing FireValuesOf(int a, int b) {
  const TCorps& A = GameState.Corps[a];
  const TCorps& B = GameState.Corps[b];
  Pairing pairing{a, b, LeaderRating(A.Leader, &TLeader::Aggression) / 20 + A.Stance, kStartingFire,
                  kStartingFire};
  Weigh(std::clamp(B.Fatigue - A.Fatigue, -10, 10), 5, pairing.fireA, pairing.fireB);
  Weigh(std::clamp(A.Readiness - B.Readiness, -6, 6), 10, pairing.fireA, pairing.fireB);
  Weigh(A.LeaderInitiative - B.LeaderInitiative, 50, pairing.fireA, pairing.fireB);
  pairing.fireB += 20 * B.Entrenchment;
  const int factor = TerrainFactor(MapRecord.Cell(GameState.BattleX, GameState.BattleY).Terrain());
  if (factor > 1) pairing.fireB += 10 * factor;
  pairing.fireA = KeptInRange(pairing.fireA) + CityGunsFor(A);
  pairing.fireB = KeptInRange(pairing.fireB);
  pairing.fireA += 10 * pairing.rounds + SupplyTerm(A);
  pairing.fireB += 10 * pairing.rounds + SupplyTerm(B);
  return pairing;
}

// The opponent a corps would most like to meet: one not yet engaged, in the
// open, of a small formation; the lower index of equals.
int ChooseOpponent(const BattleContext& ctx, int a) {
  const int side = GameState.Corps[a].Side;
  int chosen = 0;
  int bestScore = std::numeric_limits<int>::min();
  for (int b : ctx.EngagedCorps()) {
    const TCorps& corps = GameState.Corps[b];
    if (corps.BattleMark != TBattleMark::Engaged || corps.Side == side || corps.Strength <= ctx.hits[b])
      continue;
    const int score = (2 * corps.Stance + (corps.EnemyPressure == 0 ? 50 : 0) + 10 * (5 - corps.Kind)) *
                      (1 + corps.Entrenchment);
    if (score > bestScore) {
      bestScore = score;
      chosen = b;
    }
  }
  return chosen;
}

void ArtilleryPhase(BattleContext& ctx, const Pairing& p, int nA, int nB) {
  int k = 0;
  do {
    const int a = PickBrigade(kPickArtillery, p.a, nA);
    const int b = a != 0 ? PickBrigade(kPickArtillery, p.b, nB) : 0;
    if (b == 0) return;
    BrigadeDuel(ctx, a, b, p.fireA, p.fireB);
    ++k;
  } while (k < p.rounds && k < nA);
}

void LinePhase(BattleContext& ctx, const Pairing& p, int nA, int nB) {
  const int intensity = ctx.BattleIntensity;
  const int exchanges = Random(intensity) + intensity + p.rounds;
  for (int e = 0; e < exchanges; ++e) {
    if (Random(200) >= 33 * intensity) continue;
    int b = PickBrigade(kPickLine, p.b, nB);
    int a = PickBrigade(kPickLine, p.a, nA);
    if (a != 0 && b != 0) {
      BrigadeDuel(ctx, b, a, p.fireB, p.fireA);
      AddSaturated(CorpsEngaged[p.a], 1);
      AddSaturated(CorpsEngaged[p.b], 1);
    }
    a = PickBrigade(kPickLine, p.a, nA);
    b = PickBrigade(kPickLine, p.b, nB);
    if (a != 0 && b != 0) BrigadeDuel(ctx, a, b, p.fireA, p.fireB);
  }
}

void Tire(int corps, int amount) {
  ChangeCorpsFatigue(corps, [amount](int fatigue) { return std::min(fatigue + amount, kMostBattleFatigue); });
}

// A corps without readiness or in disorder breaks; one with no men left is gone.
void MarkAfterPairing(const BattleContext& ctx, int c) {
  TCorps& corps = GameState.Corps[c];
  if (corps.Readiness == 0 || corps.Disorder != 0) corps.BattleMark = TBattleMark::Broken;
  if (corps.Strength <= ctx.hits[c]) corps.BattleMark = 0;
}

void FightPairing(BattleContext& ctx, int a, int b) {
  GameState.Corps[a].EnemyPressure = static_cast<std::uint8_t>(b);
  GameState.Corps[b].EnemyPressure = static_cast<std::uint8_t>(a);
  CurrentLeader = GameState.Corps[a].Leader;
  const Pairing pairing = FireValuesOf(a, b);
  const int nA = BrigadesOf(GameState.Corps[a]);
  const int nB = BrigadesOf(GameState.Corps[b]);
  ArtilleryPhase(ctx, pairing, nA, nB);
  LinePhase(ctx, pairing, nA, nB);
  LeaderGrowth(a, 600, pairing.fireA);
  LeaderGrowth(b, 800, pairing.fireB);
  // The corps that sought the fight marched farther to it.
  Tire(a, pairing.rounds + 1);
  Tire(b, pairing.rounds);
  MarkAfterPairing(ctx, b);
  MarkAfterPairing(ctx, a);
}

// The mean of readiness less disorder over a side's corps present at the start.
int MeanReadiness(const BattleContext& ctx, int side) {
  int sum = 0;
  int count = 0;
  for (int c : ctx.EngagedCorps()) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Side != side || CorpsBattleStart[c] == 0) continue;
    sum += corps.Readiness - corps.Disorder;
    ++count;
  }
  return sum / std::max(count, 1);
}

void Reward(TCorps& corps) {
  AddSaturated(GameState.Nations[corps.Side].WarScore, 1);
  if (TLeader* leader = LeaderRecord(corps.Leader)) AddSaturated(leader->Modifier, 2);
  if (TLeader* commander = LeaderRecord(ArmyCommanderOf(corps))) AddSaturated(commander->Modifier, 1);
  AddSaturated(GameState.MilitaryPoints[GameState.BattleOutcome - 1], kWinnersMilitaryPoints);
}

void Penalise(TCorps& corps) {
  if (TLeader* commander = LeaderRecord(ArmyCommanderOf(corps))) AddSaturated(commander->Modifier, -1);
  if (TLeader* leader = LeaderRecord(corps.Leader)) AddSaturated(leader->Modifier, -3);
  I16& warScore = GameState.Nations[corps.Side].WarScore;
  if (warScore != 0) AddSaturated(warScore, -1);
}

void SettleEveryCorps(const BattleContext& ctx) {
  for (int c : ctx.EngagedCorps()) {
    TCorps& corps = GameState.Corps[c];
    CurrentSide = corps.Side;
    corps.BattleMark = TBattleMark::Fought;
    corps.Stance = 0;
    CurrentLeader = corps.Leader;
    if (SideWon(corps))
      Reward(corps);
    else
      Penalise(corps);
    ApplyBattleAftermath(ctx, c);
  }
}

}  // namespace

// A commander whose side fought well may grow in his men's trust and in
// initiative; the draws are made also for a corps without one. A corps that
// lost its commander still learns from the fight: only the missing leader's
// own gains are skipped, and the corps' initiative and its army commander's
// still grow with it.
void LeaderGrowth(int c, int bound, int fire) {
  if (Random(bound) >= fire) return;
  TCorps& corps = GameState.Corps[c];
  TLeader* leader = LeaderRecord(corps.Leader);
  if (Random(50) < 25 && leader != nullptr) AddSaturated(leader->Modifier, 1);
  if (Random(30) >= 4 || corps.LeaderInitiative > kMostLeaderInitiative) return;
  if (leader != nullptr) AddSaturated(leader->Initiative, 1);
  AddSaturated(corps.LeaderInitiative, 1);
  if (TLeader* armyCommander = LeaderRecord(ArmyCommanderOf(corps))) AddSaturated(armyCommander->Initiative, 1);
}

void DecideInitiative(BattleContext& ctx) {
  const int unionInitiative = LeaderRating(ctx.UnionCommander, &TLeader::Initiative);
  const int confedInitiative = LeaderRating(ctx.ConfedCommander, &TLeader::Initiative);
  // A side content to skirmish gives the other a better chance, once.
  const bool skirmish = ctx.UnionIntensity == 1 || ctx.ConfedIntensity == 1;
  const int range = std::max(0, (unionInitiative + confedInitiative - (skirmish ? 2 : 0)) * 10);
  const int b1 = BattleCorps1;
  const int b2 = BattleCorps2;
  int side = TSide::Union;
  if (b2 > 3 * b1)
    side = Random(100) < confedInitiative * 10 + 50 ? TSide::Confederate : TSide::Union;
  else if (b1 > 3 * b2)
    side = Random(100) < unionInitiative * 10 + 50 ? TSide::Union : TSide::Confederate;
  else
    side = Random(range) >= unionInitiative * 10 ? TSide::Confederate : TSide::Union;
  InitiativeSide = static_cast<std::uint16_t>(side);
  ctx.BattleIntensity = static_cast<std::uint16_t>(std::clamp<int>(ctx.Intensity(side), 1, kMostIntensity));
}

void FinishBattleFactors(const BattleContext& ctx) {
  if (BattleCorps1 == 0) BattleCorps1 = 1;
  if (BattleCorps2 == 0) BattleCorps2 = 1;
  for (int row : {TBattleFactor::Fatigue, TBattleFactor::Readiness, TBattleFactor::Entrenchment,
                  TBattleFactor::Leadership, TBattleFactor::Quality, TBattleFactor::Weapons}) {
    BattleFactors[row][1] = static_cast<std::uint16_t>(BattleFactors[row][1] / BattleCorps1);
    BattleFactors[row][2] = static_cast<std::uint16_t>(BattleFactors[row][2] / BattleCorps2);
  }
  for (int side = 1; side <= kSideCount; ++side) {
    std::uint16_t& leadership = BattleFactors[TBattleFactor::Leadership][side];
    leadership = std::min<std::uint16_t>(leadership, kMostLeadership);
    for (auto& row : BattleFactors)
      if (row[side] == 0) row[side] = 1;
    BattleFactors[TBattleFactor::Intensity][side] = ctx.BattleIntensity;
    for (int row : {TBattleFactor::Aggression, TBattleFactor::Stance, TBattleFactor::Supply})
      BattleFactors[row][side] =
          static_cast<std::uint16_t>(BattleFactors[row][side] / BattleFactors[TBattleFactor::CorpsCount][side]);
  }
}

void DecideOutcome(const BattleContext& ctx) {
  BattleStrength1 = GameState.Hits1 * 100 / std::max(BattleStrength1, 1);
  BattleStrength2 = GameState.Hits2 * 100 / std::max(BattleStrength2, 1);
  TMapCell& hex = MapRecord.Cell(GameState.BattleX, GameState.BattleY);
  if (GameState.BattleOutcome < 2) {
    const int outcome = OutcomeFromLosses(hex.Owner(), BattleStrength1, BattleStrength2);
    if (outcome != 0) GameState.BattleOutcome = outcome;
  }
  BattleReadiness1 = MeanReadiness(ctx, TSide::Union);
  BattleReadiness2 = MeanReadiness(ctx, TSide::Confederate);
  if (GameState.BattleOutcome < 2) {
    // A side with no readiness left gives up the field.
    if (BattleReadiness1 < 1 && BattleReadiness2 > 0) GameState.BattleOutcome = 3;
    if (BattleReadiness2 < 1 && BattleReadiness1 > 0) GameState.BattleOutcome = 2;
    if (GameState.BattleOutcome >= 2) hex.SetOwner(GameState.BattleOutcome - 1);
  }
  if ((GameState.BattleOutcome > 1 && GameState.Hits1 + GameState.Hits2 < kDecisiveHits) ||
      ctx.BattleIntensity == 1)
    GameState.BattleOutcome = 1;
}

int OutcomeFromLosses(int owner, int unionLoss, int confedLoss) {
  int outcome = 0;
  // The holder of the ground wins on equal terms; the other camp needs the
  // enemy to lose half as much again.
  if (owner == TSide::Union) {
    if (confedLoss > unionLoss) outcome = 2;
    if (2 * unionLoss > 3 * confedLoss) outcome = 3;
  } else {
    if (unionLoss > confedLoss) outcome = 3;
    if (2 * confedLoss > 3 * unionLoss) outcome = 2;
  }
  return outcome;
}

void FightBattle(BattleContext& ctx) {
  CorpsEngaged = {};
  WeaponLossCounters = {};
  DecideInitiative(ctx);
  FinishBattleFactors(ctx);
  for (int c : ctx.EngagedCorps()) {
    if (GameState.Corps[c].BattleMark != TBattleMark::Engaged) continue;
    GameState.Corps[c].ContactStep = 0;
    ctx.hits[c] = 0;
  }
  for (int a : ctx.EngagedCorps()) {
    if (GameState.Corps[a].BattleMark != TBattleMark::Engaged) continue;
    const int b = ChooseOpponent(ctx, a);
    if (b != 0) FightPairing(ctx, a, b);
  }
  DecideOutcome(ctx);
  SettleEveryCorps(ctx);
}
