#include "world/fleet_slots.h"

#include "world/corps_command.h"
#include "world/fleet_places.h"
#include "world/realm_queries.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kSeaFleet = 0;

// Two supplies for each ship but damaged warships and transports.
int SuppliesToSail(const TFleet& fleet) {
  return 2 * (fleet.Ships[1] + fleet.DamagedShips[1] + fleet.Ships[2] + fleet.DamagedShips[2] +
              fleet.Ships[3]);
}

bool IsIdle(const TFleet& fleet) {
  return fleet.Mission == 0;
}

bool Fits(const TFleet& fleet, int place, int kind, int mode) {
  if (!IsIdle(fleet)) return false;
  if (mode == kIdleTransportFleet) {
    if (fleet.Ships[3] == 0) return false;
    return kind == kSeaFleet ? fleet.HomePort == place : TheatreOfCity(fleet.HomePort) == place;
  }
  return (fleet.Ships[1] != 0 || fleet.Ships[2] != 0) && TheatreOfCity(fleet.HomePort) == place;
}

std::uint16_t LastFreeSlot() {
  for (int f = GameState.Fleets.Count; f >= 1; --f)
    if (GameState.Fleets[f].IsFree()) return static_cast<std::uint16_t>(f);
  return 0;
}

}  // namespace

bool CommandsFleet(int nation, const TFleet& fleet) {
  return fleet.Side == CampOfNation(nation) &&
         (fleet.Nation == nation || !IsHumanNation(fleet.Nation));
}

std::uint16_t FindFleetSlot(int nation, int place, int kind, int mode) {
  if (mode == kFreeFleetSlot) return LastFreeSlot();
  if (mode != kIdleTransportFleet && mode != kIdleWarFleet) return 0;
  std::uint16_t found = 0;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status != 0 || !CommandsFleet(nation, fleet) || fleet.TransportTask != 0 ||
        fleet.Kind != kind)
      continue;
    const int needed = SuppliesToSail(fleet);
    if (fleet.Supplies < needed) fleet.Supplies = static_cast<std::uint16_t>(needed);
    if (Fits(fleet, place, kind, mode)) found = static_cast<std::uint16_t>(f);
  }
  return found;
}
