// Fleets lie on their home ports with no mission: anywhere else the first turn
// would call them home. Unused slots are marked free.
#include "tools/scenario/build_context.h"

namespace {

enum FleetColumn {
  kFleetNation,
  kFleetNumber,
  kFleetKind,
  kFleetShips,
  kFleetDamaged,
  kFleetHomePort,
  kFleetStatus,
  kFleetColumns
};

// Each ship sails with ten supply points.
constexpr int kSuppliesPerShip = 10;

void StoreShips(Table<std::uint8_t, 3>& ships, const SourceRow& row, int column) {
  const auto counts = row.IntList(column);
  if (counts.size() != 3) row.Fail("ships are ironclads,warships,transports");
  for (int type = 1; type <= 3; ++type) ships[type] = static_cast<std::uint8_t>(counts[type - 1]);
}

void BuildFleet(BuildContext& context, TFleet& fleet, const SourceRow& row) {
  const TGameState& game = context.Game;
  const int nation = context.Sources.Nation(row.Text(kFleetNation), row);
  const int port = context.Sources.City(row.Text(kFleetHomePort), row);
  fleet.Nation = static_cast<std::uint8_t>(nation);
  fleet.Side = static_cast<std::uint8_t>(SideOfNation(game, nation));
  fleet.Number = static_cast<std::uint8_t>(row.Int(kFleetNumber));
  fleet.Kind = static_cast<std::uint8_t>(row.Int(kFleetKind));
  fleet.Status = static_cast<std::uint8_t>(row.Int(kFleetStatus));
  fleet.HomePort = static_cast<std::uint8_t>(port);
  fleet.X = game.Cities[port].X;
  fleet.Y = game.Cities[port].Y;
  fleet.StartX = fleet.X;
  fleet.StartY = fleet.Y;
  StoreShips(fleet.Ships, row, kFleetShips);
  StoreShips(fleet.DamagedShips, row, kFleetDamaged);
  int ships = 0;
  for (int type = 1; type <= 3; ++type) ships += fleet.Ships[type] + fleet.DamagedShips[type];
  fleet.Supplies = static_cast<std::uint16_t>(kSuppliesPerShip * ships);
}

}  // namespace

void BuildFleets(BuildContext& context) {
  const SourceTable fleets = context.Table("fleets.txt", kFleetColumns);
  if (fleets.Rows.size() > 100) throw ScenarioError("fleets.txt: more than 100 fleets");
  for (int slot = 1; slot <= 100; ++slot) {
    TFleet& fleet = context.Game.Fleets[slot];
    if (slot <= static_cast<int>(fleets.Rows.size())) {
      BuildFleet(context, fleet, fleets.Rows[slot - 1]);
    } else {
      fleet.Status = TFleet::FreedStatus;
    }
  }
}
