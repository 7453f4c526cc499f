#pragma once
// A seeded map with some of everything the routes tell apart: a sea coast and
// lakes, impassable ground, city hexes, rail lines of both camps, rivers, rough
// and closed hex sides, and corps of both camps. The route tests and the route
// benchmarks run on it.
#include <cstdint>
#include <random>
#include <vector>

#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/route_finder.h"
#include "world/vardecl.h"

namespace varied_map {

class Builder {
 public:
  explicit Builder(std::uint32_t seed) : rng_(seed) {}

  void Build() {
    ResetGameWideVariables();
    GameState.Nations[TNation::Union].Side = TSide::Union;
    GameState.Nations[TNation::Confederacy].Side = TSide::Confederate;
    GameState.Nations[TNation::France].Side = TSide::Confederate;
    LayLand();
    for (int lake = 0; lake < 6; ++lake) Blob(TTerrain::Water, 1 + Roll(3));
    for (int ridge = 0; ridge < 8; ++ridge) Blob(TTerrain::Impassable, Roll(3));
    for (int city = 0; city < 45; ++city) cities_.push_back(PlaceCity());
    for (int line = 0; line < 14; ++line) LayRailLine();
    for (int river = 0; river < 8; ++river) LayRiver();
    PlaceCorps(70);
  }

  int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  THexPos AnyHex() {
    return {static_cast<std::uint16_t>(1 + Roll(TMapRecord::Columns)),
            static_cast<std::uint16_t>(1 + Roll(TMapRecord::Rows))};
  }

  const std::vector<THexPos>& Cities() const { return cities_; }

 private:
  // Land of mixed classes; the Union holds the north, the Confederacy the south,
  // with a wavy front, some neutral ground, a sea along the east and the south
  // coast, and sides of every code.
  void LayLand() {
    constexpr int kLandClasses[] = {1, 2, 5, 6, 7};
    const int front = 22 + Roll(10);
    for (int x = 1; x <= TMapRecord::Columns; ++x) {
      const int coast = 64 + Roll(4);
      for (int y = 1; y <= TMapRecord::Rows; ++y) {
        TMapCell& hex = MapRecord.Cell(x, y);
        const bool sea = x > coast || y > 48 + Roll(3);
        hex.SetTerrain(sea ? TTerrain::Water : kLandClasses[Roll(5)]);
        const int owner = y + Roll(5) < front ? TSide::Union : TSide::Confederate;
        hex.SetOwner(Roll(12) == 0 ? TSide::None : owner);
        for (int side = 1; side <= 3; ++side) hex.SetHexSideCode(side, SideCode());
      }
    }
  }

  int SideCode() {
    const int roll = Roll(20);
    return roll < 14 ? 0 : roll < 16 ? 1 : roll < 18 ? 2 : 3;
  }

  void Blob(int terrain, int radius) {
    const THexPos centre = AnyHex();
    for (int x = 1; x <= TMapRecord::Columns; ++x)
      for (int y = 1; y <= TMapRecord::Rows; ++y)
        if (HexDistance(x, y, centre.X, centre.Y) <= radius)
          MapRecord.Cell(x, y).SetTerrain(terrain);
  }

  THexPos PlaceCity() {
    const THexPos hex = AnyHex();
    MapRecord.Cell(hex.X, hex.Y).SetTerrain(TTerrain::City);
    return hex;
  }

  // A random walk from hex to neighbouring hex; `mark` is applied to every hex on it.
  template <typename Mark>
  void Wander(THexPos hex, int length, Mark mark) {
    int heading = 1 + Roll(6);
    for (int step = 0; step < length; ++step) {
      mark(MapRecord.Cell(hex.X, hex.Y));
      if (Roll(4) == 0) heading = 1 + (heading + Roll(3) + 4) % 6;
      const THexPos next = NeighbourHex(hex.X, hex.Y, heading);
      if (!TMapRecord::OnMap(next.X, next.Y)) {
        heading = OppositeDirection(heading);
        continue;
      }
      hex = next;
    }
  }

  void LayRailLine() {
    const THexPos from = cities_[Roll(static_cast<int>(cities_.size()))];
    Wander(from, 10 + Roll(30), [](TMapCell& hex) {
      if (hex.Terrain() != TTerrain::Water) hex.SetLinkFlag();
    });
  }

  void LayRiver() {
    Wander(AnyHex(), 20 + Roll(40), [](TMapCell& hex) { hex.SetRouteFlag(); });
  }

  void PlaceCorps(int count) {
    for (int corps = 1; corps <= GameState.Corps.Count; ++corps)
      GameState.Corps[corps].Inactive = 1;
    for (int corps = 1; corps <= count; ++corps) {
      TCorps& placed = GameState.Corps[corps];
      const THexPos hex = Roll(3) == 0 ? cities_[Roll(static_cast<int>(cities_.size()))] : AnyHex();
      placed.Inactive = 0;
      placed.X = static_cast<std::uint8_t>(hex.X);
      placed.Y = static_cast<std::uint8_t>(hex.Y);
      placed.Side = static_cast<std::uint8_t>(1 + Roll(2));
      placed.Nation = placed.Side;
    }
  }

  std::mt19937 rng_;
  std::vector<THexPos> cities_;
};

// The steps the last route listed, up to the first empty one.
inline std::vector<int> ListedSteps() {
  std::vector<int> steps;
  for (int step = 1; step <= kRouteStepsListed && RouteSteps[step] != 0; ++step)
    steps.push_back(RouteSteps[step]);
  return steps;
}

}  // namespace varied_map
