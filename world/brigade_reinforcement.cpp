#include "world/brigade_reinforcement.h"

#include <algorithm>

#include "world/codes.h"
#include "world/stock_payment.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// Supply states 2 and above leave a corps without the trains that bring recruits up.
constexpr int kFirstUnsuppliedStatus = 2;

// Whitworth batteries are never filled up in the field, and an unarmed brigade
// has no weapon its recruits could take up.
bool ReplaceableInTheField(int weapon) {
  return weapon >= TWeapon::Muskets && weapon <= TWeapon::Parrotts;
}

int NeedOf(const TBrigade& brigade) { return FullStrengthOf(brigade.Arm) - brigade.Strength; }

}  // namespace

int FullStrengthOf(int arm) {
  RecruitPool pool;
  return PoolOfArm(arm, pool) ? pool.fullStrength : 0;
}

bool MayReinforce(const TBrigade& brigade, const TCorps& corps) {
  const int need = NeedOf(brigade);
  if (corps.SupplyStatus >= kFirstUnsuppliedStatus || need <= 0) return false;
  if (!ReplaceableInTheField(brigade.Weapon)) return false;
  if (!IsEntryOf(GameState.Nations, brigade.Nation)) return false;
  return GameState.Nations[brigade.Nation].WeaponStock[brigade.Weapon] >= need;
}

int QualityAfterReinforcing(int quality, int strength, int added, int nation) {
  const int total = strength + added;
  if (total <= 0) return quality;
  int result = (quality * strength + added) / total;
  if (nation == TNation::Confederacy && quality > result) ++result;
  return result;
}

Reinforcement ReinforceBrigade(int b, int paying_nation) {
  TBrigade& brigade = GameState.Brigades[b];
  const int need = NeedOf(brigade);
  if (need <= 0 || !ReplaceableInTheField(brigade.Weapon)) return Reinforcement::None;
  if (!IsEntryOf(GameState.Nations, paying_nation)) return Reinforcement::ShortOfWeapons;
  U16& stock = GameState.Nations[paying_nation].WeaponStock[brigade.Weapon];
  if (stock < need) return Reinforcement::ShortOfWeapons;

  int added = 0;
  RecruitPool pool;
  if (IsEntryOf(GameState.States, brigade.HomeState) && PoolOfArm(brigade.Arm, pool)) {
    U16& recruits = GameState.States[brigade.HomeState].*pool.points;
    added = std::min<int>(need, recruits);
    PayFromStock(recruits, added);
  }
  brigade.Quality = static_cast<std::uint8_t>(
      QualityAfterReinforcing(brigade.Quality, brigade.Strength, added, brigade.Nation));
  brigade.Strength = static_cast<std::uint8_t>(brigade.Strength + added);
  PayFromStock(stock, added);
  return Reinforcement::Reinforced;
}

WeaponRange IssuableWeapons(int arm) {
  constexpr WeaponRange kByArm[kArmCount] = {{TWeapon::Smoothbores, TWeapon::Whitworths},
                                             {TWeapon::Muskets, TWeapon::Sharps},
                                             {TWeapon::Spencers, TWeapon::Shotguns}};
  return arm >= 1 && arm <= kArmCount ? kByArm[arm - 1] : WeaponRange{1, 0};
}

bool MayIssueWeapon(const TBrigade& brigade, int weapon, const Table<U16, 8>& pools) {
  const WeaponRange range = IssuableWeapons(brigade.Arm);
  if (weapon < range.first || weapon > range.last) return false;
  return brigade.Strength <= pools[weapon];
}

bool RearmBrigade(TBrigade& brigade, int weapon, Table<U16, 8>& pools) {
  if (!IsEntryOf(pools, weapon)) return false;
  Table<U16, 8> after = pools;
  if (IsEntryOf(pools, brigade.Weapon)) RefundToStock(after[brigade.Weapon], brigade.Strength);
  if (!PayFromStock(after[weapon], brigade.Strength)) return false;
  pools = after;
  brigade.Weapon = static_cast<std::uint8_t>(weapon);
  return true;
}
