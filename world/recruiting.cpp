#include "world/recruiting.h"

#include <algorithm>
#include <cstdint>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/monthly_income.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// Entries of TNationRec.ProductionShare.
constexpr int kInfantryShare = 1;
constexpr int kCavalryShare = 2;
constexpr int kArtilleryShare = 3;
constexpr int kNavalShare = 4;

// Supplies paid per recruiting point of each arm; infantry costs nothing.
constexpr int kCavalryPointPrice = 6;
constexpr int kArtilleryPointPrice = 10;
constexpr int kNavalPointPrice = 1;

// The two neutral border states whose men drift to the Confederate neighbour
// once it is held by the Confederate camp.
struct BorderDrift {
  int from;
  int to;
  int basePercent;
  int percentPerCity;  // for each of the border state's cities the Confederates hold
};
constexpr BorderDrift kBorderDrifts[] = {{19, 24, 60, 5}, {20, 21, 40, 10}};

struct BrigadesByWeapon {
  int infantry = 0;
  int cavalry = 0;
  int artillery = 0;
};

BrigadesByWeapon CountBrigadesByWeapon(int nation) {
  BrigadesByWeapon count;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.IsFree() || brigade.Nation != nation) continue;
    if (brigade.Weapon >= TWeapon::Muskets && brigade.Weapon <= TWeapon::Sharps)
      ++count.infantry;
    else if (brigade.Weapon >= TWeapon::Spencers && brigade.Weapon <= TWeapon::Shotguns)
      ++count.cavalry;
    else if (brigade.Weapon >= TWeapon::Smoothbores && brigade.Weapon <= TWeapon::Whitworths)
      ++count.artillery;
  }
  return count;
}

// One point of share at a time moves toward the arm the brigades lack.
void AdjustProductionShares(int n) {
  const BrigadesByWeapon count = CountBrigadesByWeapon(n);
  Table<std::uint8_t, 4>& share = GameState.Nations[n].ProductionShare;
  auto shift = [&share](int from, int to) {
    --share[from];
    ++share[to];
  };
  const int infantry = count.infantry;
  if (infantry > 6 * count.artillery && share[kInfantryShare] > 40 && share[kArtilleryShare] < 10)
    shift(kInfantryShare, kArtilleryShare);
  if (infantry / 5 < count.artillery && share[kArtilleryShare] > 1)
    shift(kArtilleryShare, kInfantryShare);
  // The Confederacy measures its horse against its foot by marks of its own.
  const bool confederacy = n == TNation::Confederacy;
  const int leastInfantryShare = confederacy ? 65 : 50;
  if (infantry > 10 * count.cavalry && share[kInfantryShare] > leastInfantryShare &&
      share[kCavalryShare] < 25)
    shift(kInfantryShare, kCavalryShare);
  const int enoughCavalry = confederacy ? infantry / 10 : infantry / 20;
  if (enoughCavalry < count.cavalry && share[kCavalryShare] > 1)
    shift(kCavalryShare, kInfantryShare);
}

// The share grows with the cities the Confederates hold but never takes more
// men than the state has.
void DriftAcrossBorder(const BorderDrift& drift) {
  TStateRec& from = GameState.States[drift.from];
  TStateRec& to = GameState.States[drift.to];
  if (to.ControlSide != TSide::Confederate || from.Nation == TNation::Confederacy) return;
  int percent = drift.basePercent;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.State == drift.from && city.Side == TSide::Confederate)
      percent += drift.percentPerCity;
  }
  const int moved = std::min(from.Manpower * percent / 100, static_cast<int>(from.Manpower));
  from.Manpower -= static_cast<std::uint16_t>(moved);
  AddSaturated(to.Manpower, moved);
}

// Recruiting points of an arm that costs supplies: as many as the supplies
// pay for.
int PaidPoints(int wanted, int price, int& money) {
  const int points = std::min(wanted, money / price);
  money -= points * price;
  return points;
}

void RecruitFromState(int s) {
  TStateRec& state = GameState.States[s];
  const int n = state.Nation;
  if (state.Side != state.ControlSide || !IsEntryOf(GameState.Nations, n)) return;
  TNationRec& nation = GameState.Nations[n];
  const Table<std::uint8_t, 4>& share = nation.ProductionShare;
  const int manpower = state.Manpower;
  auto shareOf = [&share, manpower](int entry) { return share[entry] * manpower / 100; };

  U16* supplies = TheatreSupplies(n, state.Theatre);
  int money = SuppliesHeld(supplies);
  const int infantry = shareOf(kInfantryShare);
  const int cavalry = PaidPoints(shareOf(kCavalryShare), kCavalryPointPrice, money);
  const int artillery = PaidPoints(shareOf(kArtilleryShare), kArtilleryPointPrice, money);
  const int naval = PaidPoints(shareOf(kNavalShare), kNavalPointPrice, money);
  if (supplies != nullptr) *supplies = static_cast<std::uint16_t>(money);

  const int taken = infantry + cavalry + artillery + naval;
  state.Manpower = static_cast<std::uint16_t>(taken <= manpower ? manpower - taken : 0);
  AddSaturated(nation.BuildPoints, naval);
  AddSaturated(state.InfantryPoints, infantry);
  AddSaturated(state.CavalryPoints, cavalry);
  AddSaturated(state.ArtilleryPoints, artillery);

  if (state.InfantryPoints >= kFullInfantryStrength) RaiseBrigade(TArm::Infantry, s);
  if (state.CavalryPoints >= kFullCavalryStrength) RaiseBrigade(TArm::Cavalry, s);
  if (state.ArtilleryPoints >= kFullArtilleryStrength) RaiseBrigade(TArm::Artillery, s);
}

}  // namespace

void RecruitFromStates() {
  for (int n = 1; n <= GameState.Nations.Count; ++n)
    if (GameState.Nations[n].Human == 0) AdjustProductionShares(n);
  for (int s = 1; s <= GameState.States.Count; ++s) {
    for (const BorderDrift& drift : kBorderDrifts)
      if (drift.from == s) DriftAcrossBorder(drift);
    RecruitFromState(s);
  }
}
