#include "world/weapon_procurement.h"

#include <cstdint>

#include "world/codes.h"
#include "world/monthly_income.h"
#include "world/random.h"
#include "world/saturating.h"
#include "world/vardecl.h"

namespace {

constexpr int kMostWeaponStock = 50000;
// Output is bought and sold at the month's price plus this margin.
constexpr int kPriceMargin = 4;
// France and Britain make their weapons at home.
constexpr int kFrenchArsenal = 85;
constexpr int kBritishArsenal = 86;
// The first state the Union may set up new output in.
constexpr int kFirstUnionArsenalState = 4;
// Chance in 100 that a further candidate site replaces the one chosen so far.
constexpr int kSiteDrawChance = 30;

// The weapons that arm each arm, and the one a nation orders when it lacks them.
struct ArmWeapons {
  int arm;
  int first;
  int last;
  int ordered;  // by every nation but the Confederacy
  int orderedByConfederacy;

  int OrderedBy(int nation) const {
    return nation == TNation::Confederacy ? orderedByConfederacy : ordered;
  }
};

// In the order the needs are met.
constexpr ArmWeapons kArmWeapons[] = {
    {TArm::Artillery, TWeapon::Smoothbores, TWeapon::Whitworths, TWeapon::Parrotts,
     TWeapon::Smoothbores},
    {TArm::Infantry, TWeapon::Muskets, TWeapon::Sharps, TWeapon::Springfields,
     TWeapon::Springfields},
    {TArm::Cavalry, TWeapon::Spencers, TWeapon::Shotguns, TWeapon::Spencers, TWeapon::Shotguns},
};

int Price(int weapon, int nation) {
  return GameState.WeaponTypes[weapon].Cost[nation] + kPriceMargin;
}

void CapWeaponStocks(TNationRec& nation) {
  for (int w = 1; w <= nation.WeaponStock.Count; ++w)
    if (nation.WeaponStock[w] > kMostWeaponStock) nation.WeaponStock[w] = kMostWeaponStock;
}

void Earn(int nation, int theatre, std::int64_t amount) {
  U16* supplies = TheatreSupplies(nation, theatre);
  if (supplies != nullptr) AddSaturated(*supplies, amount);
}

void SellMusketOutput(U16& output, int nation, int theatre) {
  if (output == 0) return;
  Earn(nation, theatre, static_cast<std::int64_t>(output) * Price(TWeapon::Muskets, nation));
  output = 0;
}

void SellMusketOutputs(int n) {
  for (int s = 1; s <= GameState.States.Count; ++s) {
    TStateRec& state = GameState.States[s];
    if (state.Nation == n) SellMusketOutput(state.WeaponOutput[TWeapon::Muskets], n, state.Theatre);
  }
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.Nation == n) SellMusketOutput(city.WeaponOutput[TWeapon::Muskets], n, city.Theatre);
  }
}

// Men of each arm raised and waiting for weapons, or armed only with muskets,
// less the weapons of the arm in stock.
int NetNeed(int n, const ArmWeapons& arm) {
  int need = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation == n && brigade.Status == TBrigadeStatus::RaisedUnarmed &&
        brigade.Arm == arm.arm && brigade.Weapon <= TWeapon::Muskets)
      need += brigade.Strength;
  }
  for (int w = arm.first; w <= arm.last; ++w) need -= GameState.Nations[n].WeaponStock[w];
  return need;
}

// Each output of the arm is halved, and the nation is paid the price of the
// halved output.
void SellOffHalf(Table<U16, 8>& output, const ArmWeapons& arm, int nation, int theatre) {
  for (int w = arm.first; w <= arm.last; ++w) {
    if (output[w] == 0) continue;
    output[w] = static_cast<std::uint16_t>(output[w] / 2);
    Earn(nation, theatre, static_cast<std::int64_t>(output[w]) * Price(w, nation));
  }
}

bool IsUnionArsenalState(int s, int n) {
  return s >= kFirstUnionArsenalState && GameState.States[s].CapitalCity == 0 &&
         GameState.States[s].Nation == n;
}

// Only the Union and the Confederacy sell off; the Confederacy sells from the
// cities it still holds of its own.
void SellOffOutput(int n, const ArmWeapons& arm) {
  if (n == TNation::Union) {
    for (int s = 1; s <= GameState.States.Count; ++s) {
      TStateRec& state = GameState.States[s];
      if (IsUnionArsenalState(s, n)) SellOffHalf(state.WeaponOutput, arm, n, state.Theatre);
    }
  } else if (n == TNation::Confederacy) {
    for (int c = 1; c <= GameState.Cities.Count; ++c) {
      TCity& city = GameState.Cities[c];
      if (city.OriginalSide == TSide::Confederate && city.Nation == n)
        SellOffHalf(city.WeaponOutput, arm, n, city.Theatre);
    }
  }
}

bool AnyTheatreHolds(int n, std::int64_t amount) {
  const Table<U16, 3>& supplies = GameState.Nations[n].Supplies;
  for (int t = 1; t <= supplies.Count; ++t)
    if (supplies[t] > amount) return true;
  return false;
}

// An inland railway town of the Confederacy's own, in a state it still holds.
bool IsConfederateArsenalCandidate(const TCity& city) {
  const int s = city.State;
  return city.OriginalSide == TSide::Confederate && city.Nation == TNation::Confederacy && s >= 1 &&
         s <= GameState.States.Count && GameState.States[s].Nation == TNation::Confederacy &&
         city.RailStation != 0 && city.SeaPort == 0 && city.RiverPort == 0;
}

// A few candidates are looked at; the largest, strongest and garrisoned wins.
int ChooseConfederateArsenal() {
  int chosen = 0;
  int best = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (!IsConfederateArsenalCandidate(city) || Random(100) >= kSiteDrawChance) continue;
    int score = city.Population / 5 + Random(25);
    if (city.Fortifications != 0) score += 10 * city.Fortifications;
    if (city.GarrisonCount != 0) score += 25;
    if (score > best) {
      best = score;
      chosen = c;
    }
  }
  return chosen;
}

// The first state that can pay is taken; each later one that can may replace it.
int ChooseUnionArsenal(int n, const ArmWeapons& arm, std::int64_t price) {
  int chosen = 0;
  for (int s = kFirstUnionArsenalState; s <= GameState.States.Count; ++s) {
    const TStateRec& state = GameState.States[s];
    if (state.CapitalCity != 0) continue;
    if (arm.arm == TArm::Artillery && state.Nation != n) continue;
    if (SuppliesHeld(TheatreSupplies(n, state.Theatre)) <= price) continue;
    if (chosen == 0 || Random(100) < kSiteDrawChance) chosen = s;
  }
  return chosen;
}

void OrderOutput(int n, const ArmWeapons& arm, int amount) {
  const int weapon = arm.OrderedBy(n);
  const std::int64_t price = static_cast<std::int64_t>(Price(weapon, n)) * amount;
  if (n == TNation::France) {
    AddSaturated(GameState.Cities[kFrenchArsenal].WeaponOutput[weapon], amount);
  } else if (n == TNation::Britain) {
    AddSaturated(GameState.Cities[kBritishArsenal].WeaponOutput[weapon], amount);
  } else if (n == TNation::Confederacy) {
    if (!AnyTheatreHolds(n, price)) return;
    const int city = ChooseConfederateArsenal();
    if (city != 0) AddSaturated(GameState.Cities[city].WeaponOutput[weapon], amount);
  } else {
    const int s = ChooseUnionArsenal(n, arm, price);
    if (s == 0) return;
    TStateRec& state = GameState.States[s];
    AddSaturated(state.WeaponOutput[weapon], amount);
    if (U16* supplies = TheatreSupplies(n, state.Theatre)) AddSaturated(*supplies, -price);
  }
}

void ProcureForComputer(int n) {
  SellMusketOutputs(n);
  for (const ArmWeapons& arm : kArmWeapons) {
    const int need = NetNeed(n, arm);
    if (need < 1)
      SellOffOutput(n, arm);
    else
      OrderOutput(n, arm, need / 10);
  }
}

}  // namespace

void ProcureWeapons() {
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    TNationRec& nation = GameState.Nations[n];
    CapWeaponStocks(nation);
    if (nation.Human == 0) ProcureForComputer(n);
  }
}
