#include "world/monthly_income.h"

#include <algorithm>
#include <cstdint>

#include "world/codes.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// A stock this full takes no more income; the sum stops at the word's limit.
constexpr int kStockCeiling = 60000;
constexpr std::int64_t kMostIncomeBase = 60000;
constexpr std::int64_t kMostCotton = 20000;
constexpr int kMostLeadershipBonus = 6;
constexpr int kFullOccupation = 100;
// Cotton outputs are kept in tenths once the first month has normalised them.
constexpr int kLargestCottonOutput = 10;

U16* TheatreEntry(Table<U16, 3>& stocks, int theatre) {
  return IsEntryOf(stocks, theatre) ? &stocks[theatre] : nullptr;
}

// Campaigning weather brings in more than the winter does.
int SeasonFactor(int month) {
  if (month >= 3 && month <= 5) return 3;
  if (month >= 6 && month <= 11) return 6;
  return 2;
}

// Twice the leadership advantage of the nation leading the nation's camp; a
// nation at peace gets 1.
int LeadershipBonus(int nation) {
  const int side = GameState.Nations[nation].Side;
  if (side == 0) return 1;
  if (!IsNation(side)) return 0;
  return std::min(2 * GameState.Nations[side].LeadershipAdvantage, kMostLeadershipBonus);
}

// Hundreds of people, slaves included where the state's cities are counted.
std::int64_t PopulationFactor(const TStateRec& state) {
  const int people = state.CapitalCity != 0 ? state.Population + state.Slaves : state.Population;
  return people / 100;
}

void GrowStock(U16* stock, std::int64_t amount) {
  if (stock != nullptr && *stock < kStockCeiling) AddSaturated(*stock, amount);
}

void CollectStateIncome(TStateRec& state) {
  if (state.CottonOutput > kLargestCottonOutput) state.CottonOutput = state.CottonOutput / 10;
  const int nation = state.Nation;
  if (!IsNation(nation)) return;
  const std::int64_t bonus = LeadershipBonus(nation);
  const std::int64_t season = SeasonFactor(GameState.Month);
  const std::int64_t people = PopulationFactor(state);

  const std::int64_t income =
      std::min((state.Industry + bonus) * season * people, kMostIncomeBase) * 2 / 7;
  state.Income = static_cast<std::uint16_t>(income);
  GrowStock(TheatreSupplies(nation, state.Theatre), income);

  if (state.CapitalCity == 0) return;
  const std::int64_t cotton =
      nation == TNation::Confederacy
          ? std::min(people * (state.CottonOutput + bonus) * season, kMostCotton)
          : 0;
  GrowStock(TheatreEntry(GameState.Nations[nation].Cotton, state.Theatre), cotton);
}

// Nobody can work in the part of a city the enemy occupies.
int WorkingPopulation(TCity& city) {
  if (city.Occupation == 0) return city.Population;
  if (city.Occupation > kFullOccupation) city.Occupation = kFullOccupation;
  return (kFullOccupation - city.Occupation) * city.Population / kFullOccupation;
}

// A city another nation holds produces nothing for anyone.
void StripForeignHeldOutput(int s) {
  const int owner = GameState.States[s].Nation;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.State != s || !IsNation(city.Nation) || city.Nation == owner) continue;
    for (int w = 1; w <= city.WeaponOutput.Count; ++w) city.WeaponOutput[w] = 0;
  }
}

// A state with a capital is as populous and as productive as its own nation's
// cities in it.
void GatherStateFromCities(int s) {
  TStateRec& state = GameState.States[s];
  state.Population = 0;
  for (int w = 1; w <= state.WeaponOutput.Count; ++w) state.WeaponOutput[w] = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.State != s || city.Nation != state.Nation) continue;
    AddSaturated(state.Population, WorkingPopulation(city));
    for (int w = 1; w <= state.WeaponOutput.Count; ++w)
      AddSaturated(state.WeaponOutput[w], city.WeaponOutput[w]);
  }
}

// The whole output goes into the stock; the supplies pay for as many whole
// units as they can.
void BuyWeaponOutput(const TStateRec& state, int nation) {
  U16* supplies = TheatreSupplies(nation, state.Theatre);
  std::int64_t money = SuppliesHeld(supplies);
  TNationRec& buyer = GameState.Nations[nation];
  for (int w = 1; w <= state.WeaponOutput.Count; ++w) {
    const std::int64_t output = state.WeaponOutput[w];
    const std::int64_t cost = GameState.WeaponTypes[w].Cost[nation];
    if (output * cost <= money)
      money -= output * cost;
    else
      money -= cost * (money / cost);
    AddSaturated(buyer.WeaponStock[w], output);
  }
  if (supplies != nullptr) *supplies = static_cast<std::uint16_t>(money);
}

// Each state is rebuilt and buys only for its own nation: rebuilding it for
// every nation in turn would leave it empty, and its income with it.
void ProduceStateWeapons(int s) {
  const TStateRec& state = GameState.States[s];
  if (state.CapitalCity != 0) StripForeignHeldOutput(s);
  if (!IsNation(state.Nation)) return;
  if (state.CapitalCity != 0) GatherStateFromCities(s);
  BuyWeaponOutput(state, state.Nation);
}

}  // namespace

U16* TheatreSupplies(int nation, int theatre) {
  return IsNation(nation) ? TheatreEntry(GameState.Nations[nation].Supplies, theatre) : nullptr;
}

int SuppliesHeld(const U16* supplies) {
  return supplies != nullptr ? static_cast<int>(*supplies) : 0;
}

void CollectMonthlyIncome() {
  for (int s = 1; s <= GameState.States.Count; ++s) {
    TStateRec& state = GameState.States[s];
    if (state.ControlSide == state.Side) CollectStateIncome(state);
  }
  for (int s = 1; s <= GameState.States.Count; ++s) ProduceStateWeapons(s);
}
