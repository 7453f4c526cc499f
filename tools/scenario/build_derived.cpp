// Figures that follow from the rest of the record: what states draw from their
// cities, a month's volunteers, the corps' brigade totals and the planner's
// memory of the 1861 cities.
#include <algorithm>

#include "tools/scenario/build_context.h"
#include "tools/scenario/validate_scenario.h"
#include "world/codes.h"
#include "world/force_totals.h"

namespace {

constexpr int kNoCampBounty = 1;

bool GivesVolunteersTo(int state, int nation) {
  switch (nation) {
    case 1:
      return state == 6 || state == 8 || state == 9 || state == 10 || state == 18 || state == 19 ||
             state == 20 || (state >= 32 && state <= 35);
    case 2:
      return state >= 19 && state <= 31;
    case 3:
      return state == 37;
    case 4:
      return state == 36;
  }
  return false;
}

// A state with a capital city holds what its cities of its own nation hold (a
// neutral state: its neutral cities), occupied cities counting only their free share.
void SumStateFromCities(TGameState& game, int s) {
  TStateRec& state = game.States[s];
  if (state.CapitalCity == 0) return;
  int population = 0;
  for (int c = 1; c <= 86; ++c) {
    const TCity& city = game.Cities[c];
    if (city.State != s || city.Nation != state.Nation) continue;
    const int occupation = std::min<int>(city.Occupation, 100);
    population += (100 - occupation) * city.Population / 100;
    for (int w = 1; w <= 8; ++w) state.WeaponOutput[w] += city.WeaponOutput[w];
  }
  state.Population = static_cast<std::uint16_t>(population);
}

// The volunteer level a nation offers: its camp's bounty and leadership.
int VolunteerLevel(const TGameState& game, int nation) {
  const int side = game.Nations[nation].Side;
  const int level = side == 0
                        ? kNoCampBounty
                        : game.Nations[side].Bounty + 5 * game.Nations[side].LeadershipAdvantage;
  return std::max(level, 1);
}

// One month's volunteers at the start point's bounty, as the state's pool.
void FillManpower(TGameState& game, int s) {
  TStateRec& state = game.States[s];
  int men = 0;
  if (state.CapitalCity != 0) {
    for (int n = 1; n <= 4; ++n) {
      if (!GivesVolunteersTo(s, n)) continue;
      const int level = VolunteerLevel(game, n) * (n == 2 ? 2 : 1);
      for (int c = 1; c <= 86; ++c) {
        const TCity& city = game.Cities[c];
        if (city.State != s || city.Nation != n) continue;
        men += std::min<int>(level * city.Population / (n == 1 ? 400 : 300), city.Population);
      }
    }
  } else if (state.Nation != 0 && state.Side == state.ControlSide) {
    men = std::min<int>(VolunteerLevel(game, state.Nation) * state.Population / 400,
                        state.Population);
  }
  state.Manpower = static_cast<std::uint16_t>(men);
}

// The totals the per-turn recount keeps, so the record reads true before it runs.
void CountCorpsBrigades(TGameState& game, int k) {
  TCorps& corps = game.Corps[k];
  int quality = 0;
  for (int b = 1; b <= 500; ++b) {
    const TBrigade& brigade = game.Brigades[b];
    if (brigade.Status != TBrigadeStatus::InCorps || brigade.Location != k) continue;
    if (brigade.Arm == TArm::Artillery) {
      ++corps.ArtilleryBrigades;
      corps.ArtilleryStrength =
          static_cast<std::uint8_t>(corps.ArtilleryStrength + brigade.Strength);
    } else {
      ++corps.OtherBrigades;
      corps.Strength += brigade.Strength;
    }
    quality += brigade.Quality;
  }
  if (corps.OtherBrigades != 0)
    corps.Quality = static_cast<std::uint8_t>(quality / corps.OtherBrigades);
  const TLeader& leader = game.Leaders[corps.Leader];
  corps.Capacity = static_cast<std::uint8_t>(CorpsCapacity(corps.Kind, leader.Combat));
  corps.LeaderCombat = leader.Combat;
  corps.LeaderInitiative = leader.Initiative;
  if (corps.Army != 0) ++game.Armies[corps.Army].CorpsCount;
}

// Each nation's 1861 city values per theatre: the planner measures its losses
// against them in the later start points.
void RememberCitiesOf1861(const ScenarioSources& sources, TGameState& game) {
  for (const auto& row : sources.Cities.Rows) {
    const int nation = row.Int(kCitySide);
    if (nation != 1 && nation != 2) continue;
    U16& sum = game.Nations[nation].CitySizeStart[row.Int(kCityTheatre)];
    sum += static_cast<std::uint16_t>(row.Int(kCityValue));
  }
}

}  // namespace

void BuildDerivedFigures(BuildContext& context) {
  TGameState& game = context.Game;
  for (int s = 1; s <= 37; ++s) {
    SumStateFromCities(game, s);
    FillManpower(game, s);
  }
  for (int k = 1; k <= 120; ++k) {
    if (!game.Corps[k].IsFree()) CountCorpsBrigades(game, k);
  }
  for (int b = 1; b <= 500; ++b) {
    const TBrigade& brigade = game.Brigades[b];
    if (brigade.Status == TBrigadeStatus::InGarrison) ++game.Cities[brigade.Location].GarrisonCount;
  }
  if (context.File > 0) RememberCitiesOf1861(context.Sources, game);
}
