#include "tools/map/map_checker.h"

#include <algorithm>
#include <sstream>

#include "world/codes.h"
#include "world/hex_grid.h"

namespace {

constexpr int kKentucky = 20;
constexpr int kFirstYear = 1861;

using Faults = std::vector<std::string>;

std::string Hex(int x, int y) {
  return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// Joins the words and numbers of one fault.
template <typename... Parts>
std::string Say(const Parts&... parts) {
  std::ostringstream out;
  (out << ... << parts);
  return out.str();
}

const MapCity* FindCity(const std::vector<MapCity>& cities, int number) {
  auto it = std::ranges::find(cities, number, &MapCity::Number);
  return it == cities.end() ? nullptr : &*it;
}

bool IsCityHex(const std::vector<MapCity>& cities, int x, int y) {
  return std::ranges::any_of(cities, [&](const MapCity& c) { return c.X == x && c.Y == y; });
}

void CheckTowns(const TMapRecord& map, const std::vector<MapCity>& cities, Faults& faults) {
  for (const auto& city : cities) {
    const TMapCell& cell = map.Cell(city.X, city.Y);
    if (cell.Terrain() != TTerrain::City) {
      faults.push_back(Say(city.Name, " at ", Hex(city.X, city.Y), " is not on a town hex"));
    }
    if (cell.State() != city.State) {
      faults.push_back(Say(city.Name, " lies in state ", cell.State(), ", not ", city.State));
    }
    if (city.RiverPort && !cell.RouteFlag()) {
      faults.push_back(Say("river port ", city.Name, " is off the river routes"));
    }
  }
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) {
      if (map.Cell(x, y).Terrain() == TTerrain::City && !IsCityHex(cities, x, y)) {
        faults.push_back(Say("town hex ", Hex(x, y), " holds no city"));
      }
    }
  }
}

void CheckWaterAndStates(const TMapRecord& map, int year, Faults& faults) {
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) {
      const TMapCell& cell = map.Cell(x, y);
      if (cell.Terrain() == TTerrain::Water && (cell.State() != 0 || cell.Owner() != 0)) {
        faults.push_back(Say("water hex ", Hex(x, y), " belongs to a state or a camp"));
      }
      if (cell.StateByte() > 37) faults.push_back(Say("hex ", Hex(x, y), " has no such state"));
      if (year == kFirstYear && cell.State() == kKentucky && cell.Owner() != 0) {
        faults.push_back(Say("Kentucky hex ", Hex(x, y), " is not neutral"));
      }
    }
  }
}

// The river hexes next to cities 50, 67 and 55, hex (26, 19) and the rail hexes the game
// repairs on every load are authored as the repair leaves them, so a repair changes nothing.
void CheckRepairedHexes(const TMapRecord& map, const std::vector<MapCity>& cities, Faults& faults) {
  auto needRoute = [&](int x, int y, const std::string& where) {
    if (!TMapRecord::OnMap(x, y) || !map.Cell(x, y).RouteFlag()) {
      faults.push_back(Say(where, " ", Hex(x, y), " is off the river routes"));
    }
  };
  needRoute(26, 19, "the lower Tennessee hex");
  const struct {
    int City;
    int Direction;
  } kRiverNeighbours[] = {{50, kNorth}, {67, kSouthWest}, {55, kSouthWest}};
  for (const auto& [number, direction] : kRiverNeighbours) {
    const MapCity* city = FindCity(cities, number);
    if (!city) {
      faults.push_back(Say("city ", number, " is missing"));
      continue;
    }
    const THexPos next = NeighbourHex(city->X, city->Y, direction);
    needRoute(next.X, next.Y, "the river hex beside " + city->Name);
  }
  if (map.Cell(65, 15).Bytes[1] != map.Cell(65, 14).Bytes[1]) {
    faults.push_back("hexes (65, 14) and (65, 15) differ in terrain, railway or owner");
  }
  if (map.Cell(32, 26).LinkFlag()) faults.push_back("hex (32, 26) carries a railway");
  for (const auto& [x, y] : {std::pair{32, 27}, {12, 38}, {13, 38}}) {
    if (!map.Cell(x, y).LinkFlag()) faults.push_back(Say("hex ", Hex(x, y), " has no railway"));
  }
}

void CheckWaterSides(const TMapRecord& map, const std::vector<HexSide>& waterSides,
                     Faults& faults) {
  for (const auto& side : waterSides) {
    const THexPos other = NeighbourHex(side.X, side.Y, side.Direction);
    if (!TMapRecord::OnMap(other.X, other.Y)) continue;
    const bool bothLand = map.Cell(side.X, side.Y).Terrain() != TTerrain::Water &&
                          map.Cell(other.X, other.Y).Terrain() != TTerrain::Water;
    if (bothLand && map.Cell(side.X, side.Y).HexSideCode(side.Direction) != kClosedSide) {
      faults.push_back(Say("land units can cross the water between ", Hex(side.X, side.Y), " and ",
                           Hex(other.X, other.Y)));
    }
  }
}

}  // namespace

std::vector<std::string> CheckMap(const TMapRecord& map, int year,
                                  const std::vector<MapCity>& cities,
                                  const std::vector<HexSide>& waterSides) {
  Faults faults;
  CheckTowns(map, cities, faults);
  CheckWaterAndStates(map, year, faults);
  CheckRepairedHexes(map, cities, faults);
  CheckWaterSides(map, waterSides, faults);
  return faults;
}
