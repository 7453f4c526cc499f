#include "tools/scenario/start_map.h"

#include "tools/scenario/nearest_city.h"
#include "world/codes.h"

namespace {

constexpr int kFirstYear = 1861;
// A city holds the country this far around it when its state is held by the other camp.
constexpr int kCityReach = 3;

// Each land hex belongs to the camp that controls its state; from the second
// year on, the country around a city held against its state goes with the
// city. Every city's hex is its holder's. Water and land outside the states
// belong to no one.
void StampOwners(const TGameState& game, TMapRecord& map) {
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) {
      TMapCell& cell = map.Cell(x, y);
      const int state = cell.State();
      if (cell.Terrain() == TTerrain::Water || state < 1 || state > 37) {
        cell.SetOwner(0);
        continue;
      }
      int owner = game.States[state].ControlSide;
      if (game.Year > kFirstYear) {
        const int city = NearestCity(game, x, y, kCityReach,
                                     [state](const TCity& c) { return c.State == state; });
        if (city != 0 && game.Cities[city].Side != 0) owner = game.Cities[city].Side;
      }
      cell.SetOwner(owner);
    }
  }
  for (int c = 1; c <= 86; ++c) {
    const TCity& city = game.Cities[c];
    if (TMapRecord::OnMap(city.X, city.Y)) map.Cell(city.X, city.Y).SetOwner(city.Side);
  }
}

}  // namespace

void BuildStartMap(const MapSources& sources, const TGameState& game, TMapRecord& map) {
  map = BuildMapRecord(sources.Layers, game.Year);
  StampOwners(game, map);
}
