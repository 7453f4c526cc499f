#include "world/load_corrections.h"

#include <cstdint>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/operation_marks.h"
#include "world/vardecl.h"

namespace {

// The river hex one step from a city; a city on the map's edge has none there.
void SetRouteFlagNextToCity(int city, int direction) {
  std::uint16_t x = GameState.Cities[city].X;
  std::uint16_t y = GameState.Cities[city].Y;
  StepHexRef(x, y, direction);
  if (TMapRecord::OnMap(x, y)) MapRecord.Cell(x, y).SetRouteFlag();
}

// Hex (65, 15) takes the terrain, link and camp of (65, 14), which as water
// has no camp. Made water, it leaves its state too, or the control of the
// hexes would give the water to the state's camp and no save of the game
// would load.
void MatchHexToItsNorth() {
  TMapCell& hex = MapRecord.Cell(65, 15);
  hex.Bytes[1] = MapRecord.Cell(65, 14).Bytes[1];
  if (hex.Terrain() == TTerrain::Water) hex.ClearState();
}

}  // namespace

void ApplyLoadCorrections() {
  GameState.Cities[83].State = 21;

  MapRecord.Cell(26, 19).SetRouteFlag();
  SetRouteFlagNextToCity(50, kNorth);
  SetRouteFlagNextToCity(67, kSouthWest);
  SetRouteFlagNextToCity(55, kSouthWest);

  MatchHexToItsNorth();

  GameState.Cities[38].RiverPort = 0;
  GameState.Cities[60].RiverPort = 0;

  MapRecord.Cell(32, 26).ClearLinkFlag();
  MapRecord.Cell(32, 27).SetLinkFlag();
  MapRecord.Cell(12, 38).SetLinkFlag();
  MapRecord.Cell(13, 38).SetLinkFlag();

  TWeaponType& shotguns = GameState.WeaponTypes[TWeapon::Shotguns];
  shotguns.FireB = 2;
  shotguns.FireA = 1;

  // A garrison miscounted would keep a city closed or open to the wrong corps.
  RecountGarrisons();
  ClearStrayOperationMarks();
  // Any status past the last turn of building is a free slot; it is written as
  // the rules write one.
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.IsFree()) fleet.Status = TFleet::FreedStatus;
  }
}

void ResetUnknownOriginalSides() {
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    if (GameState.Cities[city].OriginalSide > 4) GameState.Cities[city].OriginalSide = TSide::Union;
  }
}
