// The map beside a start file: well-formed cells, cities on their own city
// hexes, corps on land they can stand on, fleets on water their kind sails.
#include <vector>

#include "tools/scenario/scenario_checks.h"
#include "world/codes.h"
#include "world/hex_grid.h"

namespace {

// Their river-port mark is cleared at every load, so they need no river hex.
constexpr int kInlandRiverPorts[] = {kIndianapolis, kCorinth};

std::string HexName(int x, int y) {
  return "hex (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

bool IsCityHex(const TGameState& game, int x, int y) {
  for (int c = 1; c <= 86; ++c) {
    if (game.Cities[c].X == x && game.Cities[c].Y == y) return true;
  }
  return false;
}

bool Navigable(const TMapRecord& map, int x, int y) {
  const int terrain = map.Cell(x, y).Terrain();
  return terrain == TTerrain::Water || terrain == TTerrain::City;
}

// Whether a sea fleet can sail from the hex to open water at the map's edge,
// through water and city hexes as the sea route does.
bool ReachesOpenSea(const TMapRecord& map, int x, int y) {
  std::vector<char> seen(TMapRecord::Columns * TMapRecord::Rows, 0);
  std::vector<THexPos> queue{{static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)}};
  seen[(x - 1) * TMapRecord::Rows + (y - 1)] = 1;
  for (std::size_t i = 0; i < queue.size(); ++i) {
    const THexPos here = queue[i];
    const bool edge =
        here.X == 1 || here.Y == 1 || here.X == TMapRecord::Columns || here.Y == TMapRecord::Rows;
    if (edge && map.Cell(here.X, here.Y).Terrain() == TTerrain::Water) return true;
    for (int d = 1; d <= 6; ++d) {
      const THexPos next = NeighbourHex(here.X, here.Y, d);
      if (!TMapRecord::OnMap(next.X, next.Y) || !Navigable(map, next.X, next.Y)) continue;
      char& mark = seen[(next.X - 1) * TMapRecord::Rows + (next.Y - 1)];
      if (mark == 0) {
        mark = 1;
        queue.push_back(next);
      }
    }
  }
  return false;
}

void CheckCells(const TGameState& game, const TMapRecord& map, Findings& findings) {
  const bool kentuckyNeutral = game.States[kKentucky].Side == 0;
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) {
      const TMapCell& cell = map.Cell(x, y);
      const std::string name = HexName(x, y);
      findings.Check(cell.StateByte() <= 37, name + " has a state byte above 37");
      findings.Check(cell.Owner() <= 2, name + " has an owner outside 0..2");
      findings.Check(cell.Terrain() != TTerrain::Water || cell.State() == 0,
                     name + " is water in a state");
      // A stray city class would open a sea lane across land.
      findings.Check(cell.Terrain() != TTerrain::City || IsCityHex(game, x, y),
                     name + " has the city class without a city");
      // Kentucky turns to whoever enters it first, which needs its hexes unowned.
      findings.Check(!kentuckyNeutral || cell.State() != kKentucky || cell.Owner() == 0,
                     name + " in neutral Kentucky has an owner");
    }
  }
}

void CheckCities(const TGameState& game, const TMapRecord& map, Findings& findings) {
  for (int c = 1; c <= 86; ++c) {
    const TCity& city = game.Cities[c];
    if (!TMapRecord::OnMap(city.X, city.Y)) continue;
    const TMapCell& cell = map.Cell(city.X, city.Y);
    const std::string name = findings.City(c);
    findings.Check(cell.Terrain() == TTerrain::City,
                   name + " stands on a hex without the city class");
    const int state = c == kNashville ? kTennessee : city.State;
    findings.Check(cell.State() == state, name + " stands in another state's hex");
    findings.Check(city.SeaPort == 0 || ReachesOpenSea(map, city.X, city.Y),
                   name + " is a sea port with no way to the open sea");
    bool inland = false;
    for (int port : kInlandRiverPorts) inland = inland || port == c;
    findings.Check(city.RiverPort == 0 || inland || cell.RouteFlag(),
                   name + " is a river port off the river network");
  }
}

void CheckUnits(const TGameState& game, const TMapRecord& map, Findings& findings) {
  for (int k = 1; k <= 120; ++k) {
    const TCorps& corps = game.Corps[k];
    if (corps.IsFree() || !TMapRecord::OnMap(corps.X, corps.Y)) continue;
    const TMapCell& cell = map.Cell(corps.X, corps.Y);
    findings.Check(cell.Terrain() != TTerrain::Water && cell.Terrain() != TTerrain::Impassable,
                   findings.Corps(k) + " stands on water or impassable ground");
    // The first corps to enter neutral Kentucky turns it against its own camp.
    findings.Check(game.States[kKentucky].Side != 0 || cell.State() != kKentucky,
                   findings.Corps(k) + " stands in neutral Kentucky");
  }
  for (int f = 1; f <= 100; ++f) {
    const TFleet& fleet = game.Fleets[f];
    if (fleet.IsFree() || !TMapRecord::OnMap(fleet.X, fleet.Y)) continue;
    const TMapCell& cell = map.Cell(fleet.X, fleet.Y);
    if (fleet.Kind == kRiverFleet) {
      findings.Check(cell.RouteFlag(), Findings::Fleet(f) + " lies off the river network");
    } else {
      findings.Check(Navigable(map, fleet.X, fleet.Y),
                     Findings::Fleet(f) + " lies on land outside a port");
    }
  }
}

}  // namespace

void CheckStartMap(const TGameState& game, const TMapRecord& map, Findings& findings) {
  CheckCells(game, map, findings);
  CheckCities(game, map, findings);
  CheckUnits(game, map, findings);
}
