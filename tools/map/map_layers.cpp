#include "tools/map/map_layers.h"

#include <fstream>
#include <sstream>

namespace {

constexpr int kColumns = TMapRecord::Columns;
constexpr int kRows = TMapRecord::Rows;
constexpr int kSideDigits = 3;

struct GridFile {
  const char* Name;
  LayerGrid MapLayers::*Grid;
  std::string_view Allowed;
};

constexpr GridFile kGridFiles[] = {
    {"terrain.txt", &MapLayers::Terrain, "01234567"}, {"state.txt", &MapLayers::State, kStateCodes},
    {"owner.txt", &MapLayers::Owner, "012"},          {"route.txt", &MapLayers::Route, ".R"},
    {"flag7.txt", &MapLayers::Flag7, ".7"},           {"rail.txt", &MapLayers::Rail, ".12"},
};

LayerGrid ReadGrid(const std::filesystem::path& file, std::string_view allowed, int width) {
  LayerGrid grid = ReadDataLines(file);
  if (static_cast<int>(grid.size()) != kRows) FailAtLine(file, 0, "expected 54 rows");
  for (int row = 0; row < kRows; ++row) {
    if (static_cast<int>(grid[row].size()) != width) FailAtLine(file, row + 1, "wrong row length");
    if (grid[row].find_first_not_of(allowed) != std::string::npos) {
      FailAtLine(file, row + 1, "unknown code");
    }
  }
  return grid;
}

// The side grid is written with a blank between hexes so that a row reads hex by hex.
LayerGrid ReadSideGrid(const std::filesystem::path& file) {
  LayerGrid grid = ReadGrid(file, "0123 ", kColumns * (kSideDigits + 1) - 1);
  for (auto& row : grid) std::erase(row, ' ');
  for (int row = 0; row < kRows; ++row) {
    if (static_cast<int>(grid[row].size()) != kColumns * kSideDigits) {
      FailAtLine(file, row + 1, "wrong number of side codes");
    }
  }
  return grid;
}

void WriteText(const std::filesystem::path& file, const LayerGrid& rows) {
  std::ofstream out(file);
  for (const auto& row : rows) out << row << '\n';
  if (!out) throw MapDataError("cannot write " + file.string());
}

LayerGrid BlankGrid(char fill, int width = kColumns) {
  return LayerGrid(kRows, std::string(width, fill));
}

char& At(LayerGrid& grid, int x, int y) {
  return grid[y - 1][x - 1];
}
char At(const LayerGrid& grid, int x, int y) {
  return grid[y - 1][x - 1];
}
int Digit(char c) {
  return c - '0';
}
char DigitChar(int n) {
  return static_cast<char>('0' + n);
}

}  // namespace

std::vector<std::string> ReadDataLines(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) throw MapDataError("cannot read " + file.string());
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

void FailAtLine(const std::filesystem::path& file, int line, const std::string& what) {
  throw MapDataError(file.string() + ":" + std::to_string(line) + ": " + what);
}

MapLayers ReadMapLayers(const std::filesystem::path& folder) {
  MapLayers layers;
  for (const auto& grid : kGridFiles) {
    layers.*grid.Grid = ReadGrid(folder / grid.Name, grid.Allowed, kColumns);
  }
  layers.Sides = ReadSideGrid(folder / "sides.txt");
  return layers;
}

void WriteMapLayers(const MapLayers& layers, const std::filesystem::path& folder) {
  for (const auto& grid : kGridFiles) WriteText(folder / grid.Name, layers.*grid.Grid);
  LayerGrid sides;
  for (const auto& row : layers.Sides) {
    std::string spaced;
    for (int x = 0; x < kColumns; ++x) {
      if (x) spaced += ' ';
      spaced += row.substr(x * kSideDigits, kSideDigits);
    }
    sides.push_back(spaced);
  }
  WriteText(folder / "sides.txt", sides);
}

std::vector<MapCity> ReadMapCities(const std::filesystem::path& file) {
  std::vector<MapCity> cities;
  int number = 0;
  for (const auto& line : ReadDataLines(file)) {
    ++number;
    std::istringstream in(line);
    MapCity city;
    int sea = 0;
    int river = 0;
    in >> city.Number >> city.X >> city.Y >> city.State >> sea >> river >> city.MarkX >> city.MarkY;
    if (!in) FailAtLine(file, number, "cannot read the city");
    std::getline(in >> std::ws, city.Name);
    if (city.Name.empty()) FailAtLine(file, number, "the city has no name");
    if (!TMapRecord::OnMap(city.X, city.Y)) FailAtLine(file, number, "city off the map");
    city.SeaPort = sea != 0;
    city.RiverPort = river != 0;
    cities.push_back(city);
  }
  return cities;
}

std::vector<HexSide> ReadHexSides(const std::filesystem::path& file) {
  std::vector<HexSide> sides;
  int number = 0;
  for (const auto& line : ReadDataLines(file)) {
    ++number;
    HexSide side;
    char comma1 = 0;
    char comma2 = 0;
    std::istringstream in(line);
    in >> side.X >> comma1 >> side.Y >> comma2 >> side.Direction;
    if (!in || comma1 != ',' || comma2 != ',' || side.Direction < 1 || side.Direction > 3 ||
        !TMapRecord::OnMap(side.X, side.Y)) {
      FailAtLine(file, number, "expected x,y,d");
    }
    sides.push_back(side);
  }
  return sides;
}

MapSources ReadMapSources(const std::filesystem::path& folder) {
  return {ReadMapLayers(folder), ReadMapCities(folder / "cities.txt"),
          ReadHexSides(folder / "water-sides.txt")};
}

TMapRecord BuildMapRecord(const MapLayers& layers, int year) {
  TMapRecord record{};
  for (int x = 1; x <= kColumns; ++x) {
    for (int y = 1; y <= kRows; ++y) {
      TMapCell& cell = record.Cell(x, y);
      const std::string sides = layers.Sides[y - 1].substr((x - 1) * kSideDigits, kSideDigits);
      for (int dir = 1; dir <= kSideDigits; ++dir) cell.SetHexSideCode(dir, Digit(sides[dir - 1]));
      if (At(layers.Route, x, y) == 'R') cell.SetRouteFlag();
      cell.SetFlag7(At(layers.Flag7, x, y) == '7');
      cell.SetTerrain(Digit(At(layers.Terrain, x, y)));
      const char rail = At(layers.Rail, x, y);
      if (rail == '1' || (rail == '2' && year >= 1862)) cell.SetLinkFlag();
      cell.SetOwner(Digit(At(layers.Owner, x, y)));
      cell.Bytes[2] = static_cast<std::uint8_t>(kStateCodes.find(At(layers.State, x, y)));
    }
  }
  return record;
}

MapLayers LayersOfRecord(const TMapRecord& record) {
  MapLayers layers{BlankGrid('0'),
                   BlankGrid('.'),
                   BlankGrid('0'),
                   BlankGrid('.'),
                   BlankGrid('.'),
                   BlankGrid('.'),
                   BlankGrid('0', kColumns * kSideDigits)};
  for (int x = 1; x <= kColumns; ++x) {
    for (int y = 1; y <= kRows; ++y) {
      const TMapCell& cell = record.Cell(x, y);
      At(layers.Terrain, x, y) = DigitChar(cell.Terrain());
      At(layers.State, x, y) =
          cell.State() < static_cast<int>(kStateCodes.size()) ? kStateCodes[cell.State()] : '?';
      At(layers.Owner, x, y) = DigitChar(cell.Owner());
      if (cell.RouteFlag()) At(layers.Route, x, y) = 'R';
      if (cell.Flag7()) At(layers.Flag7, x, y) = '7';
      if (cell.LinkFlag()) At(layers.Rail, x, y) = '1';
      for (int dir = 1; dir <= kSideDigits; ++dir) {
        layers.Sides[y - 1][(x - 1) * kSideDigits + dir - 1] = DigitChar(cell.HexSideCode(dir));
      }
    }
  }
  return layers;
}
