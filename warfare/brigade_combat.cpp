#include "warfare/brigade_combat.h"

#include <cstdint>

#include "warfare/leader_casualties.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/random.h"
#include "world/saturating.h"

namespace {

constexpr int kArtilleryFireChance = 30;
constexpr int kArtilleryHitLands = 41;
constexpr int kShakenChance = 25;

bool IsArtillery(const TBrigade& brigade) {
  return brigade.Arm == TArm::Artillery;
}

// The fire of a brigade: its side's value, its quality and its weapon.
int FireOf(const TBrigade& brigade, int sideValue, int weaponWeight) {
  return sideValue + 20 * brigade.Quality + weaponWeight * WeaponFire(brigade);
}

void GainQuality(TBrigade& brigade, int gain) {
  AddSaturated(brigade.Quality, gain);
}

// A hit that tells on the corps costs it readiness, or once it has none adds
// disorder, and may strike down its commander.
void ShakeCorps(BattleContext& ctx, int corps) {
  if (Random(100) >= kShakenChance) return;
  TCorps& formation = GameState.Corps[corps];
  if (formation.Readiness > 0)
    --formation.Readiness;
  else
    AddSaturated(formation.Disorder, 1);
  CheckCorpsLeaderCasualty(ctx, corps);
}

}  // namespace

int PickBrigade(int mode, int corps, int n) {
  int k = Random(n + 1);
  if (k == 0) k = n;
  if (k == 0) return 0;
  int picked = 0;
  int line = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (!IsBrigadeOfCorps(brigade, corps) || brigade.Strength == 0) continue;
    if (mode == kPickArtillery) {
      if (IsArtillery(brigade) && (picked == 0 || brigade.Strength > GameState.Brigades[picked].Strength))
        picked = b;
    } else if (!IsArtillery(brigade) && ++line == k) {
      return b;
    }
  }
  return picked;
}

void BrigadeDuel(BattleContext& ctx, int first, int second, int firstValue, int secondValue) {
  TBrigade& attacker = GameState.Brigades[first];
  TBrigade& defender = GameState.Brigades[second];
  const int attackerCorps = attacker.Location;
  const int defenderCorps = defender.Location;
  if (!IsArtillery(attacker)) {
    int hits = CountHits(ctx, defender.Strength, FireOf(defender, secondValue, 10));
    const int attackerLosses = ApplyHits(ctx, attackerCorps, hits, first);
    hits = CountHits(ctx, attacker.Strength, FireOf(attacker, firstValue, 10));
    const int defenderLosses = ApplyHits(ctx, defenderCorps, hits, second);
    GainQuality(attacker, Random(attackerLosses) / 3);
    GainQuality(defender, Random(defenderLosses) / 3);
    return;
  }
  if (Random(100) >= kArtilleryFireChance) return;
  const int hits = CountHits(ctx, attacker.Strength, FireOf(attacker, firstValue, 12));
  const int defenderLosses = ApplyHits(ctx, defenderCorps, hits, second);
  GainQuality(attacker, Random(5) / 3);
  GainQuality(defender, Random(defenderLosses) / 4);
}

int CountHits(const BattleContext& ctx, int attempts, int fire) {
  const int intensity = ctx.BattleIntensity;
  // The fire is weighed as the unsigned word it was.
  const int weighedFire = static_cast<std::uint16_t>(fire);
  int hits = 1;
  for (int i = 0; i < attempts; ++i) {
    if (Random(1000 / intensity + 1000) < weighedFire && Random(300) < 25 * intensity) ++hits;
  }
  return hits;
}

int ApplyHits(BattleContext& ctx, int corps, int hits, int brigade) {
  TBrigade& target = GameState.Brigades[brigade];
  const bool hadMen = target.Strength != 0;
  const bool artillery = IsArtillery(target);
  int losses = 0;
  for (int h = 0; h < hits; ++h) {
    if (artillery && Random(100) > kArtilleryHitLands) continue;
    if (!hadMen) continue;
    ++losses;
    TCorps& formation = GameState.Corps[corps];
    AddSaturated(formation.Side == TSide::Union ? GameState.Hits1 : GameState.Hits2, 1);
    ++ctx.hits[corps];
    StoreSaturated(formation.ContactStep, ctx.hits[corps]);
    ShakeCorps(ctx, corps);
  }
  // The brigade's own losses, booked once for its nation and its home state.
  ApplyBrigadeLosses(kLossesByBrigade, static_cast<std::uint16_t>(brigade), static_cast<std::uint16_t>(losses));
  const int army = ArmyOf(GameState.Corps[corps]);
  if (losses > 0 && army != 0) CheckArmyLeaderCasualty(ctx, army);
  return losses;
}
