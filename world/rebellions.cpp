#include "world/rebellions.h"

#include <algorithm>

#include "world/brigade_rules.h"
#include "world/city_control.h"
#include "world/codes.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kRebellionNotice = 14;
constexpr int kQuietPopulation = 11;
constexpr int kLargePopulation = 1000;
constexpr int kCoveringRange = 3;
constexpr int kDisloyal = 30;
constexpr int kHostile = 10;
constexpr int kLoyal = 50;
constexpr int kDisloyaltyChance = 30;
constexpr int kOccupationChance = 10;
constexpr int kUnmetGarrisonChance = 30;
constexpr int kRisingDraw = 300;

int GarrisonNeedOf(const TCity& city) {
  if (city.Population < kQuietPopulation) return 0;
  return city.Population <= kLargePopulation ? 1 : 2;
}

// The distance to the nearest active corps of the city's camp, at most 3.
int NearestCover(const TCity& city) {
  int nearest = kCoveringRange;
  for (int k = 1; k <= GameState.Corps.Count; ++k) {
    const TCorps& corps = GameState.Corps[k];
    if (corps.Inactive != 0 || corps.Side != city.Side) continue;
    nearest = std::min<int>(nearest, HexDistance(corps.X, corps.Y, city.X, city.Y));
  }
  return nearest;
}

int LoyalGarrison(int c) {
  int count = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (IsGarrisonOf(brigade, c) && brigade.Nation == GameState.Cities[c].Nation) ++count;
  }
  return count;
}

// The chance (out of two draws of 300) that the city rises; 0 when it cannot.
int RisingChance(int c) {
  TCity& city = GameState.Cities[c];
  city.GarrisonNeed = static_cast<std::uint8_t>(GarrisonNeedOf(city));
  const int cover = NearestCover(city);
  int garrison = LoyalGarrison(c);
  int chance = 0;
  if (city.GarrisonNeed != 0) {
    const bool hasState = IsEntryOf(GameState.States, city.State);
    const int stateNation = hasState ? GameState.States[city.State].Nation : 0;
    const int loyalty = hasState ? GameState.States[city.State].Loyalty : 0;
    if (stateNation == city.OriginalSide) {
      // The state's own government still rules around the city: its people
      // rise when they have turned against the occupier.
      if (loyalty < kDisloyal) chance += kDisloyaltyChance;
      if (loyalty < kHostile) chance += kDisloyaltyChance;
      if (loyalty >= kLoyal) city.GarrisonNeed = 0;
    } else {
      chance = kOccupationChance;
      if (city.GarrisonNeed > garrison)
        chance += kUnmetGarrisonChance * (city.GarrisonNeed - garrison);
      garrison = 0;
    }
  }
  if (chance == 0 || garrison != 0 || cover < kCoveringRange) return 0;
  return chance;
}

void ShowRisingAt(const TCity& city) {
  HexCursorX = ViewLeft = city.X;
  HexCursorY = ViewTop = city.Y;
  Window().RepaintMap();
  ClearEventMessage();
  EventMessage.Kind = kRebellionNotice;
  EventMessage.Line1 = TextLine(30);
  EventMessage.Line2 = TextLine(31);
  EventMessage.Line3 = city.Name.str();
  EventMessage.Line4 = TextLine(33);
}

// Men of a neutral border state go over with their own city; any other
// garrison is taken, and the city counts it gone.
void DisperseGarrison(int c) {
  const TCity& city = GameState.Cities[c];
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (!IsGarrisonOf(brigade, c) || brigade.HomeState == 0) continue;
    if (IsNeutralBorderState(brigade.HomeState)) {
      if (brigade.HomeState == city.State) brigade.Nation = city.Nation;
    } else {
      TakeBrigadePrisoner(b);
    }
  }
}

void Rise(int c) {
  TCity& city = GameState.Cities[c];
  ShowRisingAt(city);
  const int freedCamp = OppositeCamp(city.Side);
  city.Nation =
      static_cast<std::uint8_t>(IsNeutralBorderState(city.State) ? freedCamp : city.OriginalSide);
  city.Side = static_cast<std::uint8_t>(freedCamp);
  DisperseGarrison(c);
  ShowEventMessage();
}

}  // namespace

int OriginalCampOf(int city) {
  const int original = GameState.Cities[city].OriginalSide;
  return original >= TNation::France ? CampOfNation(original) : original;
}

void CheckCityRebellions() {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side == TSide::None || city.Side == OriginalCampOf(c)) continue;
    const int chance = RisingChance(c);
    if (chance == 0) continue;
    const int first = Random(kRisingDraw);
    if (first + Random(kRisingDraw) < chance) Rise(c);
  }
}
